// The plugin loaded under each supported locale shows its labels in that
// language, and the console its menus and buttons. CTest runs this once per
// locale (LC_ALL), since a process reads its system locale once.
#include "console_translation.h"
#include "main_window.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonObject>
#include <QtCore/QLocale>
#include <QtCore/QPluginLoader>
#include <QtCore/QProcess>
#include <QtCore/QScopedPointer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPlainTextEdit>

class tst_translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void labels_data();
    void labels();
    void console_data();
    void console();

private:
    QTemporaryDir m_home;
    QScopedPointer<MainWindow> m_window;
};

namespace {
QString in_locale(const QString &japanese, const QString &english, const QString &chinese)
{
    const QString locale = QLocale::system().name();
    return locale == QLatin1String("ja_JP") ? japanese : locale == QLatin1String("zh_CN") ? chinese : english;
}
} // namespace

// The console as vxstudio's main sets it up, with a design open.
void tst_translations::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit());
    QCOMPARE(install_console_translation(*qApp, QLocale::system().name()),
             !in_locale(QStringLiteral("ja"), QString(), QStringLiteral("zh")).isEmpty());
    m_window.reset(new MainWindow(QStringLiteral(VX_PLUGIN_FILE)));
    QVERIFY(m_window->open_file(QStringLiteral(SAMPLES_DIR "/labels-3-pages.plt")));
}

void tst_translations::labels_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("japanese");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("STATUS") << "STATUS" << "状態" << "Status" << "状态";
    QTest::newRow("WORK_MODE") << "WORK_MODE" << "カット品質" << "Cut quality" << "切割质量";
    QTest::newRow("TASK") << "TASK" << "現在のジョブ" << "Current job" << "当前任务";
    QTest::newRow("CAMERA_OFFSET") << "CAMERA_OFFSET" << "カメラオフセット" << "Camera offset" << "摄像头偏移";
    QTest::newRow("SPEED") << "SPEED" << "速度" << "Speed" << "速度";
    QTest::newRow("FIRMWARE") << "FIRMWARE" << "ファームウェアバージョン" << "Firmware version" << "固件版本";
}

void tst_translations::labels()
{
    QFETCH(QString, key);
    QFETCH(QString, japanese);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    const QString expected = in_locale(japanese, english, chinese);

    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    QVERIFY2(root, qPrintable(loader.errorString()));
    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    QCOMPARE(device->property_ptr(key.toLatin1().constData())->label(), expected);
}

// "menu N": the N-th menu of the menu bar; "--help": what the vxstudio
// program prints; "refused design": what the log says of a folder opened as
// a design, and vxctl, in the same locale, keeping its English; else the
// text of the window's object of that name.
void tst_translations::console_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("japanese");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("File menu") << "menu 0" << "ファイル(&F)" << "&File" << "文件(&F)";
    QTest::newRow("Machine menu") << "menu 2" << "機械(&M)" << "&Machine" << "机器(&M)";
    QTest::newRow("Start") << "start" << "開始(&S)" << "&Start" << "开始(&S)";
    QTest::newRow("Stop") << "stop" << "停止(&T)" << "S&top" << "停止(&T)";
    QTest::newRow("link state") << "link_state" << "未接続" << "not connected" << "未连接";
    QTest::newRow("pages, one plural form") << "figure_design" << "labels-3-pages.plt、3 ページ"
                                            << "labels-3-pages.plt, 3 page(s)" << "labels-3-pages.plt，3 页";
    QTest::newRow("program's help") << "--help" << "VX-LT3050PROCam カッターのオペレーターコンソール: "
                                    << "The operator's console of the VX-LT3050PROCam cutter: "
                                    << "VX-LT3050PROCam 切割机的操作台：";
    QTest::newRow("host library's refusal") << "refused design" << " はディレクトリで、通常ファイルではありません"
                                            << " is a directory, not a regular file" << " 是目录，不是普通文件";
}

void tst_translations::console()
{
    QFETCH(QString, object);
    QFETCH(QString, japanese);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    const QString expected = in_locale(japanese, english, chinese);

    if (object == QLatin1String("--help")) {
        QProcess vxstudio;
        vxstudio.start(QStringLiteral(VXSTUDIO_PATH), {object});
        QVERIFY(vxstudio.waitForFinished(10000));
        const QString help = QString::fromUtf8(vxstudio.readAllStandardOutput());
        QVERIFY2(help.contains(expected), qPrintable(help));
    } else if (object == QLatin1String("refused design")) {
        QVERIFY(!m_window->open_file(QStringLiteral(SAMPLES_DIR)));
        const QString log = m_window->findChild<QPlainTextEdit *>(QStringLiteral("log"))->toPlainText();
        QVERIFY2(log.contains(QStringLiteral(SAMPLES_DIR) + expected), qPrintable(log));
        QProcess vxctl;
        // --sim: the machine object, with the plugin's translations, is made first.
        vxctl.start(QStringLiteral(VXCTL_PATH), {QStringLiteral("--sim"), QStringLiteral("job"), QStringLiteral(SAMPLES_DIR),
                                                 QStringLiteral("--dry-run")});
        QVERIFY(vxctl.waitForFinished(10000));
        const QString printed = QString::fromUtf8(vxctl.readAllStandardError());
        QVERIFY2(printed.contains(QStringLiteral(SAMPLES_DIR) + english), qPrintable(printed));
    } else if (object.startsWith(QLatin1String("menu "))) {
        QCOMPARE(m_window->menuBar()->actions().at(object.mid(5).toInt())->text(), expected);
    } else {
        const QObject *shown = m_window->findChild<QObject *>(object);
        QVERIFY2(shown, qPrintable(object));
        QCOMPARE(shown->property("text").toString(), expected);
    }
}

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
