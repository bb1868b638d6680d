// Editor controls built by properties into a page: the control of each
// kind, rows, groups and shared tab widgets, filling and reading back.
#include "catalogue_builder_p.h"
#include "vxcommoninterface.h"
#include "vxdeviceproperty.h"
#include "vxeditor.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDoubleSpinBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTabWidget>

#include <memory>

namespace {

std::unique_ptr<VXDeviceProperty> make_property(const QByteArray &description, const QVariant &value,
                                                const QString &unit = QStringLiteral("(mm)"))
{
    auto property = std::make_unique<VXDeviceProperty>(nullptr);
    property->init(value, QStringLiteral("标签"), unit, 0, 0, 0, VXDeviceInterface::UnCMD, {});
    if (!description.isNull())
        property->setProperty("WIDGET", QJsonDocument::fromJson(description).object());
    return property;
}

// A host page: a widget with a vertical layout.
std::unique_ptr<QWidget> make_page()
{
    auto page = std::make_unique<QWidget>();
    new QVBoxLayout(page.get());
    return page;
}

QWidget *row_at(QWidget *page, int index)
{
    QLayoutItem *item = page->layout()->itemAt(index);
    return item ? item->widget() : nullptr;
}

QBoxLayout *box_layout(QWidget *row)
{
    return qobject_cast<QBoxLayout *>(row->layout());
}

QWidget *item_widget(QWidget *row, int index)
{
    QLayoutItem *item = row->layout()->itemAt(index);
    return item ? item->widget() : nullptr;
}

QWidget *ui_ctrl(const QObject *property)
{
    const QVariant held = property->property("UI_CTRL");
    return held.isNull() ? nullptr : static_cast<QWidget *>(held.value<void *>());
}

// What the control shows: its text, or a choice's.
QString shown(QWidget *control)
{
    const bool text = control->metaObject()->indexOfProperty("text") >= 0;
    return control->property(text ? "text" : "currentText").toString();
}

// Leaves the input in the property's control as a person would: shown by
// the kind's own row, unscaled, the value untouched.
void enter(VXDeviceProperty *property, const QString &input)
{
    const QVariant value = property->value();
    property->set_value_silently(input);
    VXEditor(property).kind->show({property, ui_ctrl(property), 1.0});
    property->set_value_silently(value);
}

QStringList items_of(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Object names of the controls in the rows of a page or container, in order.
QStringList control_names(QWidget *holder)
{
    QStringList names;
    for (int i = 0; i < holder->layout()->count(); ++i) {
        QWidget *row = holder->layout()->itemAt(i)->widget();
        if (QWidget *control = row ? item_widget(row, 1) : nullptr)
            names << control->objectName();
    }
    return names;
}

} // namespace

class tst_editors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controls_data();
    void controls();
    void spin_ranges_data();
    void spin_ranges();
    void combo_items_data();
    void combo_items();
    void row_layout_data();
    void row_layout();
    void read_back_data();
    void read_back();
    void work_mode_read_back();
    void group_row_data();
    void group_row();
    void group_rebuilt_on_second_page();
    void tab_pages_share_one_tab_widget();
    void tabs_fill_and_read_back();
    void no_description_builds_nothing();
    void label_only_row_data();
    void label_only_row();
    void before_create_does_nothing_data();
    void before_create_does_nothing();
};

void tst_editors::initTestCase()
{
    // Shown numbers with a decimal point, whatever the system locale.
    QLocale::setDefault(QLocale::c());
}

void tst_editors::controls_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");

    QTest::newRow("spin box") << QByteArray(R"({"widget":"QSpinBox","min":-5,"max":50})") << QVariant(7)
                              << "QSpinBox" << "7";
    QTest::newRow("spin box default range, above") << QByteArray(R"({"widget":"QSpinBox"})") << QVariant(1500u)
                                                   << "QSpinBox" << "1000";
    QTest::newRow("spin box factor 0.1 truncates 0.7") << QByteArray(R"({"widget":"QSpinBox","factor":0.1})")
                                                       << QVariant(7) << "QSpinBox" << "0";
    QTest::newRow("spin box truncates toward zero")
        << QByteArray(R"({"widget":"QSpinBox","min":-100,"max":100,"factor":0.5})") << QVariant(-7)
        << "QSpinBox" << "-3";
    QTest::newRow("spin box pressure factor 19/6")
        << QByteArray(R"({"widget":"QSpinBox","max":1900,"min":0,"factor":3.1666666666666665})")
        << QVariant(300u) << "QSpinBox" << "950";
    QTest::newRow("double spin box, 3 decimals")
        << QByteArray(R"({"widget":"QDoubleSpinBox","min":-1000,"max":1000})") << QVariant(1.23456)
        << "QDoubleSpinBox" << "1.235";
    QTest::newRow("double spin box factor 0.005 on an int")
        << QByteArray(R"({"widget":"QDoubleSpinBox","min":-1000,"max":1000,"factor":0.005})")
        << QVariant(2000) << "QDoubleSpinBox" << "10.000";
    QTest::newRow("combo box selects by value") << QByteArray(R"({"widget":"QComboBox","option":"a;b;c"})")
                                                << QVariant(2u) << "QComboBox" << "c";
    QTest::newRow("combo box factor truncates the index")
        << QByteArray(R"({"widget":"QComboBox","option":"a;b;c","factor":0.5})") << QVariant(5) << "QComboBox"
        << "c";
    QTest::newRow("line edit shows text unchanged") << QByteArray(R"({"widget":"QLineEdit"})")
                                                    << QVariant("V1.2") << "QLineEdit" << "V1.2";
    QTest::newRow("line edit shows a double's text form") << QByteArray(R"({"widget":"QLineEdit"})")
                                                          << QVariant(1.0) << "QLineEdit" << "1";
    QTest::newRow("line edit factor 0.005") << QByteArray(R"({"widget":"QLineEdit","factor":0.005})")
                                            << QVariant(12345) << "QLineEdit" << "61.725";
    QTest::newRow("line edit six significant digits")
        << QByteArray(R"({"widget":"QLineEdit","factor":0.0001})") << QVariant(12345678u) << "QLineEdit"
        << "1234.57";
    QTest::newRow("label ignores the factor") << QByteArray(R"({"widget":"QLabel","factor":2})")
                                              << QVariant(5) << "QLabel" << "5";
}

void tst_editors::controls()
{
    QFETCH(QByteArray, description);
    QFETCH(QVariant, value);
    QFETCH(QString, className);

    auto page = make_page();
    auto property = make_property(description, value);
    property->create_ui_ctrl(page.get(), QStringLiteral("CTRL"), true);

    QCOMPARE(page->layout()->count(), 1);
    QWidget *row = row_at(page.get(), 0);
    QWidget *control = item_widget(row, 1);
    QVERIFY(control);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    QCOMPARE(control->objectName(), QStringLiteral("CTRL"));
    QCOMPARE(control->minimumHeight(), 28);
    QCOMPARE(ui_ctrl(property.get()), control);

    property->to_ui_ctrl();
    QTEST(shown(control), "text");
}

void tst_editors::spin_ranges_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("decimals"); // -1 for an integer spin box

    QTest::newRow("spin box from description") << QByteArray(R"({"widget":"QSpinBox","max":700,"min":10})")
                                               << 10.0 << 700.0 << -1;
    QTest::newRow("spin box defaults 0 to 1000") << QByteArray(R"({"widget":"QSpinBox"})") << 0.0 << 1000.0 << -1;
    QTest::newRow("spin box truncates fractional bounds")
        << QByteArray(R"({"widget":"QSpinBox","max":99.9,"min":-10.7})") << -10.0 << 99.0 << -1;
    QTest::newRow("double spin box from description")
        << QByteArray(R"({"widget":"QDoubleSpinBox","max":1000.0,"min":-1000.0})") << -1000.0 << 1000.0 << 3;
    QTest::newRow("double spin box defaults to 0 to 0") << QByteArray(R"({"widget":"QDoubleSpinBox"})") << 0.0
                                                        << 0.0 << 3;
}

void tst_editors::spin_ranges()
{
    QFETCH(QByteArray, description);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, decimals);

    auto page = make_page();
    auto property = make_property(description, QVariant(0));
    property->create_ui_ctrl(page.get(), QStringLiteral("CTRL"), false);
    auto *spin = qobject_cast<QAbstractSpinBox *>(ui_ctrl(property.get()));
    QVERIFY(spin);
    QCOMPARE(spin->buttonSymbols(), QAbstractSpinBox::NoButtons);
    QCOMPARE(spin->alignment(), Qt::AlignCenter);
    if (auto *integer = qobject_cast<QSpinBox *>(spin)) {
        QCOMPARE(decimals, -1);
        QCOMPARE(double(integer->minimum()), minimum);
        QCOMPARE(double(integer->maximum()), maximum);
    } else {
        auto *real = qobject_cast<QDoubleSpinBox *>(spin);
        QVERIFY(real);
        QCOMPARE(real->decimals(), decimals);
        QCOMPARE(real->minimum(), minimum);
        QCOMPARE(real->maximum(), maximum);
    }
}

void tst_editors::combo_items_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("leading spaces kept") << QStringLiteral("   速度优先;   平衡;   精度优先")
                                         << QStringList{"   速度优先", "   平衡", "   精度优先"};
    QTest::newRow("empty part between separators") << "a;;c" << QStringList{"a", "", "c"};
    QTest::newRow("trailing separator") << "a;b;" << QStringList{"a", "b", ""};
}

void tst_editors::combo_items()
{
    QFETCH(QString, option);
    auto page = make_page();
    auto property = make_property(
        QJsonDocument(QJsonObject{{"widget", "QComboBox"}, {"option", option}}).toJson(), QVariant(0u));
    property->create_ui_ctrl(page.get(), QStringLiteral("CTRL"), true);
    auto *combo = qobject_cast<QComboBox *>(ui_ctrl(property.get()));
    QVERIFY(combo);
    QTEST(items_of(combo), "items");
    QCOMPARE(QString::fromLatin1(combo->view()->metaObject()->className()), QStringLiteral("QListView"));
}

void tst_editors::row_layout_data()
{
    QTest::addColumn<bool>("showUnit");
    QTest::addColumn<QList<int>>("stretches");

    QTest::newRow("with unit label") << true << QList<int>{1, 3, 1};
    QTest::newRow("without unit label") << false << QList<int>{1, 3};
}

void tst_editors::row_layout()
{
    QFETCH(bool, showUnit);
    QFETCH(QList<int>, stretches);

    auto page = make_page();
    auto property = make_property(R"({"widget":"QLineEdit"})", QVariant("a"), QStringLiteral("(gf)"));
    property->create_ui_ctrl(page.get(), QStringLiteral("CTRL"), showUnit);

    QWidget *row = row_at(page.get(), 0);
    QBoxLayout *layout = box_layout(row);
    QVERIFY(layout);
    QCOMPARE(layout->direction(), QBoxLayout::LeftToRight);
    QCOMPARE(layout->spacing(), 5);
    QList<int> actual;
    for (int i = 0; i < layout->count(); ++i)
        actual << layout->stretch(i);
    QCOMPARE(actual, stretches);

    auto *caption = qobject_cast<QLabel *>(item_widget(row, 0));
    QVERIFY(caption);
    QCOMPARE(caption->text(), QStringLiteral("标签"));
    QCOMPARE(caption->alignment(), Qt::AlignCenter);
    QCOMPARE(caption->minimumHeight(), 28);
    if (showUnit) {
        auto *unit = qobject_cast<QLabel *>(item_widget(row, 2));
        QVERIFY(unit);
        QCOMPARE(unit->text(), QStringLiteral("(gf)"));
    }
}

void tst_editors::read_back_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QVariant>("initial");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QVariant>("expected"); // compared with its type
    QTest::addColumn<int>("signals");

    QTest::newRow("spin box divides by the factor and truncates")
        << QByteArray(R"({"widget":"QSpinBox","max":1900,"factor":3.1666666666666665})") << QVariant(0u) << "10"
        << QVariant(3) << 1;
    QTest::newRow("spin box factor 0.1, 0 reads back as 0")
        << QByteArray(R"({"widget":"QSpinBox","factor":0.1})") << QVariant(7) << "0" << QVariant(0) << 1;
    QTest::newRow("spin box unchanged value is silent") << QByteArray(R"({"widget":"QSpinBox"})") << QVariant(5)
                                                        << "5" << QVariant(5) << 0;
    QTest::newRow("double spin box divides by the factor")
        << QByteArray(R"({"widget":"QDoubleSpinBox","min":-1000,"max":1000,"factor":0.005})") << QVariant(2000)
        << "1.5" << QVariant(300.0) << 1;
    QTest::newRow("combo box gives the index as an int")
        << QByteArray(R"({"widget":"QComboBox","option":"a;b;c"})") << QVariant(0u) << "2" << QVariant(2) << 1;
    QTest::newRow("line edit gives its text") << QByteArray(R"({"widget":"QLineEdit"})") << QVariant("")
                                              << "SN-7" << QVariant("SN-7") << 1;
    QTest::newRow("line edit with factor gives scaled text")
        << QByteArray(R"({"widget":"QLineEdit","factor":0.5})") << QVariant(0u) << "12.5" << QVariant("25") << 1;
    QTest::newRow("line edit with factor, not a number reads as 0")
        << QByteArray(R"({"widget":"QLineEdit","factor":0.5})") << QVariant(4u) << "abc" << QVariant("0") << 1;
    QTest::newRow("label gives its text") << QByteArray(R"({"widget":"QLabel"})") << QVariant("a") << "b"
                                          << QVariant("b") << 1;
}

void tst_editors::read_back()
{
    QFETCH(QByteArray, description);
    QFETCH(QVariant, initial);
    QFETCH(QString, input);
    QFETCH(QVariant, expected);

    auto page = make_page();
    auto property = make_property(description, initial);
    property->create_ui_ctrl(page.get(), QStringLiteral("CTRL"), true);
    property->to_ui_ctrl();
    enter(property.get(), input);

    QSignalSpy changed(property.get(), &VXDeviceProperty::valueChanged);
    property->from_ui_ctrl();
    QCOMPARE(property->value().userType(), expected.userType());
    QCOMPARE(property->value(), expected);
    QTEST(int(changed.count()), "signals");
}

// Reading back the previous value is silent (the value rule of the record).
void tst_editors::work_mode_read_back()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "init437");
    VXDeviceProperty *mode = device.property_ptr("WORK_MODE");
    auto page = make_page();
    mode->create_ui_ctrl(page.get(), QStringLiteral("WORK_MODE"), true);

    QWidget *row = row_at(page.get(), 0);
    QCOMPARE(row->layout()->count(), 3);
    QCOMPARE(qobject_cast<QLabel *>(item_widget(row, 2))->text(), QString());
    auto *combo = qobject_cast<QComboBox *>(item_widget(row, 1));
    QVERIFY(combo);
    QCOMPARE(combo->objectName(), QStringLiteral("WORK_MODE"));
    QCOMPARE(items_of(combo), QStringList({"   速度优先", "   平衡", "   精度优先"}));

    QSignalSpy changed(mode, &VXDeviceProperty::valueChanged);
    combo->setCurrentIndex(1);
    mode->from_ui_ctrl();
    QCOMPARE(mode->value(), QVariant(1));
    QCOMPARE(changed.count(), 1);
    combo->setCurrentIndex(0);
    mode->from_ui_ctrl();
    QCOMPARE(mode->value(), QVariant(0));
    QCOMPARE(changed.count(), 1);

    mode->setValue(2u);
    mode->to_ui_ctrl();
    QCOMPARE(combo->currentIndex(), 2);
}

void tst_editors::group_row_data()
{
    QTest::addColumn<int>("family"); // 437 or 157
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("controlClass");
    QTest::addColumn<QVariant>("x");
    QTest::addColumn<QVariant>("y");
    QTest::addColumn<QStringList>("texts");  // shown after to_ui_ctrl
    QTest::addColumn<QStringList>("inputs"); // entered before from_ui_ctrl
    QTest::addColumn<QVariant>("xBack");
    QTest::addColumn<QVariant>("yBack");

    QTest::newRow("camera offset, double spin boxes")
        << 437 << "CAMERA_OFFSET" << QStringLiteral("摄像头偏移") << "(mm x mm)" << "QDoubleSpinBox"
        << QVariant(1.5) << QVariant(-2.0) << QStringList{"1.500", "-2.000"} << QStringList{"0.25", "3"}
        << QVariant(0.25) << QVariant(3.0);
    QTest::newRow("work area in half millimetres, line edits")
        << 157 << "WORKAREA" << QStringLiteral("幅宽") << "(mm x mm)" << "QLineEdit" << QVariant(2000u)
        << QVariant(1001u) << QStringList{"1000", "500.5"} << QStringList{"1500", "x"} << QVariant("3000")
        << QVariant("0");
}

void tst_editors::group_row()
{
    QFETCH(int, family);
    QFETCH(QString, group);
    QFETCH(QString, controlClass);
    QFETCH(QVariant, x);
    QFETCH(QVariant, y);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, inputs);

    VXCommonInterface device;
    if (family == 437) {
        vx::fill_catalogue(&device, "camera_offset_437");
    } else {
        vx::fill_catalogue(&device, "camera_offset_157");
        vx::fill_catalogue(&device, "work_area_157");
    }
    VXDeviceProperty *g = device.property_ptr(qPrintable(group));
    VXDeviceProperty *px = device.property_ptr(qPrintable(group + "_X"));
    VXDeviceProperty *py = device.property_ptr(qPrintable(group + "_Y"));
    const QVariant group_value = g->value();

    auto page = make_page();
    g->create_ui_ctrl(page.get(), group, true);
    QCOMPARE(page->layout()->count(), 1);
    QWidget *row = row_at(page.get(), 0);
    QCOMPARE(row->layout()->count(), 3);
    QTEST(qobject_cast<QLabel *>(item_widget(row, 0))->text(), "label");
    QTEST(qobject_cast<QLabel *>(item_widget(row, 2))->text(), "unit");

    // A plain container, x and y side by side, sub-rows without unit labels.
    QWidget *container = item_widget(row, 1);
    QCOMPARE(QString::fromLatin1(container->metaObject()->className()), QStringLiteral("QWidget"));
    QCOMPARE(container->objectName(), group);
    QCOMPARE(ui_ctrl(g), container);
    QCOMPARE(box_layout(container)->direction(), QBoxLayout::LeftToRight);
    QCOMPARE(control_names(container), QStringList({group + "_X", group + "_Y"}));
    for (int i = 0; i < 2; ++i) {
        QWidget *sub_row = container->layout()->itemAt(i)->widget();
        QCOMPARE(sub_row->layout()->count(), 2);
        QCOMPARE(qobject_cast<QLabel *>(item_widget(sub_row, 0))->text(), QString(i == 0 ? "x" : "y"));
        QCOMPARE(QString::fromLatin1(item_widget(sub_row, 1)->metaObject()->className()), controlClass);
    }

    px->setValue(x);
    py->setValue(y);
    g->to_ui_ctrl();
    QCOMPARE(QStringList({shown(ui_ctrl(px)), shown(ui_ctrl(py))}), texts);

    enter(px, inputs.at(0));
    enter(py, inputs.at(1));
    g->from_ui_ctrl();
    QTEST(px->value(), "xBack");
    QTEST(py->value(), "yBack");
    QCOMPARE(g->value(), group_value); // the group itself keeps its value
}

// The group's own "UI_CTRL" (a widget) must not be taken for a sub-property
// when the group is built again on another page.
void tst_editors::group_rebuilt_on_second_page()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "scale_157");
    VXDeviceProperty *scale = device.property_ptr("SCALE");
    auto first = make_page();
    auto second = make_page();
    scale->create_ui_ctrl(first.get(), QStringLiteral("SCALE"), true);
    scale->create_ui_ctrl(second.get(), QStringLiteral("SCALE"), true);

    QWidget *container = item_widget(row_at(second.get(), 0), 1);
    QCOMPARE(ui_ctrl(scale), container);
    QCOMPARE(control_names(container), QStringList({"SCALE_X", "SCALE_Y"}));

    device.property_ptr("SCALE_X")->setValue(10000u);
    scale->to_ui_ctrl();
    QCOMPARE(container->findChild<QLineEdit *>(QStringLiteral("SCALE_X"))->text(), QStringLiteral("1"));
}

void tst_editors::tab_pages_share_one_tab_widget()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "feed_157");
    vx::fill_catalogue(&device, "sp2_157");
    vx::fill_catalogue(&device, "sp1_157");
    vx::fill_catalogue(&device, "init157");
    auto page = make_page();
    device.property_ptr("FEED")->create_ui_ctrl(page.get(), QStringLiteral("FEED"), true);
    device.property_ptr("SP2")->create_ui_ctrl(page.get(), QStringLiteral("SP2"), true);
    // A row in between does not split the tabs: the first tab widget is used.
    device.property_ptr("PU_SPEED")->create_ui_ctrl(page.get(), QStringLiteral("PU_SPEED"), true);
    device.property_ptr("SP1")->create_ui_ctrl(page.get(), QStringLiteral("SP1"), true);

    const QList<QTabWidget *> tab_widgets = page->findChildren<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(tab_widgets.size(), 1);
    QTabWidget *tabs = tab_widgets.first();
    QCOMPARE(page->layout()->count(), 2); // the tab widget and the PU speed row
    QCOMPARE(row_at(page.get(), 0), static_cast<QWidget *>(tabs));
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(QStringList({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
             QStringList({QStringLiteral("送料"), "SP2", "SP1"}));
    QCOMPARE(ui_ctrl(device.property_ptr("FEED")), tabs->widget(0));
    QCOMPARE(ui_ctrl(device.property_ptr("SP1")), tabs->widget(2));

    auto *layout = qobject_cast<QVBoxLayout *>(tabs->widget(1)->layout());
    QVERIFY(layout);
    QCOMPARE(layout->contentsMargins(), QMargins(30, 10, 10, 30));
    QCOMPARE(layout->spacing(), 12);

    // Rows in held order, each with its unit label.
    QCOMPARE(control_names(tabs->widget(0)), QStringList({"AUTO_FEED", "FEED_MODEL", "FEED_LENGTH",
                                                          "FEED_CENTER", "FEED_SPEED", "FAN_DELAY"}));
    QCOMPARE(control_names(tabs->widget(1)), QStringList({"SP2_TOOL", "SP2_SPEED", "SP2_PRESSURE", "SP2_ANGLE"}));
    QCOMPARE(layout->itemAt(0)->widget()->layout()->count(), 3);
}

void tst_editors::tabs_fill_and_read_back()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "sp1_157");
    VXDeviceProperty *sp1 = device.property_ptr("SP1");
    auto page = make_page();
    sp1->create_ui_ctrl(page.get(), QStringLiteral("SP1"), true);

    device.property_ptr("SP1_TOOL")->setValue(1u);
    device.property_ptr("SP1_SPEED")->setValue(250u);
    device.property_ptr("SP1_PRESSURE")->setValue(300u);
    sp1->to_ui_ctrl();
    QWidget *tab_page = ui_ctrl(sp1);
    QCOMPARE(tab_page->findChild<QComboBox *>("SP1_TOOL")->currentText(), QStringLiteral("  转刀"));
    QCOMPARE(tab_page->findChild<QSpinBox *>("SP1_SPEED")->value(), 250);
    QCOMPARE(tab_page->findChild<QSpinBox *>("SP1_PRESSURE")->value(), 950);

    tab_page->findChild<QSpinBox *>("SP1_SPEED")->setValue(400);
    QSignalSpy angle_changed(device.property_ptr("SP1_ANGLE"), &VXDeviceProperty::valueChanged);
    sp1->from_ui_ctrl();
    QCOMPARE(device.property_ptr("SP1_SPEED")->value(), QVariant(400));
    QCOMPARE(device.property_ptr("SP1_PRESSURE")->value(), QVariant(300));
    QCOMPARE(device.property_ptr("SP1_TOOL")->value(), QVariant(1));
    QCOMPARE(angle_changed.count(), 0);
}

void tst_editors::no_description_builds_nothing()
{
    auto page = make_page();
    auto property = make_property(QByteArray(), QVariant(5));
    property->create_ui_ctrl(page.get(), QStringLiteral("CTRL"), true);
    QCOMPARE(page->layout()->count(), 0);
    QVERIFY(page->children().size() == 1); // only the layout
    QVERIFY(property->property("UI_CTRL").isNull());
}

void tst_editors::label_only_row_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<bool>("showUnit");
    QTest::addColumn<int>("items");

    QTest::newRow("unknown kind, with unit") << QByteArray(R"({"widget":"QSlider"})") << true << 2;
    QTest::newRow("unknown kind, without unit") << QByteArray(R"({"widget":"QSlider"})") << false << 1;
    QTest::newRow("no kind given") << QByteArray(R"({"min":1})") << true << 2;
}

void tst_editors::label_only_row()
{
    QFETCH(QByteArray, description);
    QFETCH(bool, showUnit);

    auto page = make_page();
    auto property = make_property(description, QVariant(5));
    property->create_ui_ctrl(page.get(), QStringLiteral("CTRL"), showUnit);
    QCOMPARE(page->layout()->count(), 1);
    QWidget *row = row_at(page.get(), 0);
    QTEST(row->layout()->count(), "items");
    QCOMPARE(qobject_cast<QLabel *>(item_widget(row, 0))->text(), QStringLiteral("标签"));
    QVERIFY(!row->findChild<QWidget *>(QStringLiteral("CTRL")));
    QVERIFY(property->property("UI_CTRL").isNull());

    QSignalSpy changed(property.get(), &VXDeviceProperty::valueChanged);
    property->to_ui_ctrl();
    property->from_ui_ctrl();
    QCOMPARE(property->value(), QVariant(5));
    QCOMPARE(changed.count(), 0);
}

void tst_editors::before_create_does_nothing_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("spin box") << QByteArray(R"({"widget":"QSpinBox"})") << QVariant(7);
    QTest::newRow("combo box") << QByteArray(R"({"widget":"QComboBox","option":"a;b"})") << QVariant(1u);
    QTest::newRow("group") << QByteArray(R"({"widget":"QGroupBox"})") << QVariant();
    QTest::newRow("tab page") << QByteArray(R"({"widget":"QTabWidget"})") << QVariant();
}

void tst_editors::before_create_does_nothing()
{
    QFETCH(QByteArray, description);
    QFETCH(QVariant, value);
    auto property = make_property(description, value);
    auto sub = make_property(R"({"widget":"QSpinBox"})", QVariant(4));
    property->setProperty("SUB", QVariant::fromValue(static_cast<void *>(sub.get())));

    QSignalSpy changed(property.get(), &VXDeviceProperty::valueChanged);
    QSignalSpy sub_changed(sub.get(), &VXDeviceProperty::valueChanged);
    property->to_ui_ctrl();
    property->from_ui_ctrl();
    QCOMPARE(property->value(), value);
    QCOMPARE(sub->value(), QVariant(4));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(sub_changed.count(), 0);
}

QTEST_MAIN(tst_editors)
#include "tst_editors.moc"
