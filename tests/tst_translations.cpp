// The plugin loaded under each supported locale shows its labels in that
// language. CTest runs this once per locale (LC_ALL), since a process
// reads its system locale once.
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonObject>
#include <QtCore/QLocale>
#include <QtCore/QPluginLoader>
#include <QtCore/QScopedPointer>
#include <QtTest/QtTest>

class tst_translations : public QObject
{
    Q_OBJECT

private slots:
    void labels_data();
    void labels();
};

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
    const QString locale = QLocale::system().name();
    const QString expected = locale == QLatin1String("ja_JP")   ? japanese
                             : locale == QLatin1String("zh_CN") ? chinese
                                                                : english;

    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    QVERIFY2(root, qPrintable(loader.errorString()));
    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    QCOMPARE(device->property_ptr(key.toLatin1().constData())->label(), expected);
}

QTEST_GUILESS_MAIN(tst_translations)
#include "tst_translations.moc"
