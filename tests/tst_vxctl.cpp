// vxctl run as a person runs it: a process against the simulator, with its
// exit status and what it prints, for jobs, settings, a cloud outbox and
// every failure.
#include "cloud_outbox_p.h"

#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtNetwork/QTcpServer>
#include <QtTest/QtTest>

#include <csignal>

namespace {

struct Run
{
    int exit_code = -1;
    QString out;
    QString err;
};

Run vxctl(const QStringList &arguments, int timeout_ms = 20000)
{
    QProcess process;
    process.start(QStringLiteral(VXCTL_PATH), arguments);
    Run run;
    if (!process.waitForFinished(timeout_ms)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("timed out");
        return run;
    }
    run.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

quint16 closed_port()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

class tst_vxctl : public QObject
{
    Q_OBJECT

private slots:
    void finished_job();
    void settings_round_trip();
    void settings_pages_as_pictures();
    void failures_data();
    void failures();
    void ctrl_c_stops_the_job();
    void cloud_dead_letters();
};

void tst_vxctl::finished_job()
{
    const Run run = vxctl({"job", SAMPLES_DIR "/labels-3-pages.plt", "--copies", "2"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY(run.out.contains("3 page(s), 2 copies"));
    QVERIFY(run.out.contains("page 3/3"));
    QVERIFY(run.out.contains("copy 2/2"));
    QVERIFY(run.out.contains("\"FileName\":\"labels-3-pages.plt\""));
    QVERIFY(run.out.contains("finished: 2 of 2 copies"));
}

void tst_vxctl::settings_round_trip()
{
    Run run = vxctl({"get", "--all"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY(run.out.contains("12 of 12 read"));
    QVERIFY(run.out.contains("FIRMWARE = V3.4.37"));

    run = vxctl({"set", "SPEED=220", "CAMERA_OFFSET=1.5,-19"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QCOMPARE(run.out, QStringLiteral("SPEED = 220\nCAMERA_OFFSET = 1.5,-19\n"));
}

void tst_vxctl::settings_pages_as_pictures()
{
    QTemporaryDir dir;
    const Run run = vxctl({"settings", "--screenshot", dir.path()});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    for (const char *page : {"settings-user.png", "settings-system.png"}) {
        QImage image(dir.filePath(QString::fromLatin1(page)));
        QVERIFY2(!image.isNull(), page);
        QVERIFY(image.width() > 100 && image.height() > 100);
    }
}

void tst_vxctl::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("message");

    QTest::newRow("refused connection")
        << QStringList{"--tcp", QStringLiteral("127.0.0.1:%1").arg(closed_port()), "get", "SPEED"} << 1
        << "cannot connect to 127.0.0.1";
    QTest::newRow("unknown key") << QStringList{"get", "NO_SUCH_KEY"} << 2 << "unknown setting NO_SUCH_KEY";
    QTest::newRow("key without a read command") << QStringList{"get", "STATUS"} << 2 << "STATUS cannot be read";
    QTest::newRow("bad value") << QStringList{"set", "SPEED=fast"} << 2 << "'fast' is not a valid uint";
    QTest::newRow("wrong number of parts") << QStringList{"set", "CAMERA_OFFSET=1"} << 2 << "expects 2 values";
    QTest::newRow("not KEY=VALUE") << QStringList{"set", "SPEED"} << 2 << "is not KEY=VALUE";
    QTest::newRow("local-only key") << QStringList{"set", "TCP_PORT=1"} << 2 << "cannot be written";
    QTest::newRow("unreadable job file") << QStringList{"job", "/nonexistent/job.plt"} << 1 << "cannot read";
    QTest::newRow("missing plugin") << QStringList{"--plugin", "/nonexistent/plugin.so", "info"} << 1
                                    << "plugin not found";
    QTest::newRow("not a plugin") << QStringList{"--plugin", VXCTL_PATH, "info"} << 1 << "cannot load plugin";
    QTest::newRow("unknown command") << QStringList{"fly"} << 2 << "unknown command fly";
    QTest::newRow("bad copies") << QStringList{"job", "x.plt", "--copies", "0"} << 2 << "--copies";
    QTest::newRow("bad tcp target") << QStringList{"--tcp", "host:99999", "info"} << 2 << "--tcp takes";
    QTest::newRow("machine stops the job")
        << QStringList{"job", SAMPLES_DIR "/labels-3-pages.plt", "--sim-stop-after", "1"} << 1
        << "stopped on the machine";
    QTest::newRow("cloud without an outbox") << QStringList{"cloud", "list"} << 2 << "cloud --outbox FILE";
    QTest::newRow("cloud outbox missing") << QStringList{"cloud", "--outbox", "/nonexistent/o.sqlite", "list"} << 1
                                          << "no outbox at";
    QTest::newRow("link lost mid-job")
        << QStringList{"job", SAMPLES_DIR "/labels-3-pages.plt", "--sim-drop-after", "1"} << 1
        << "link lost during the job (TCP DISCONNECTED.)";
}

void tst_vxctl::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = vxctl(arguments);
    QTEST(run.exit_code, "exit_code");
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.err.startsWith("vxctl: ") || run.exit_code == -1);
}

void tst_vxctl::ctrl_c_stops_the_job()
{
    QProcess process;
    process.start(QStringLiteral(VXCTL_PATH),
                  {"job", SAMPLES_DIR "/spiral-5000-segments.plt", "--sim-speed", "500"});
    QVERIFY(process.waitForStarted());
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += process.readAllStandardOutput()).contains("progress"), 10000);
    ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 130);
    QVERIFY(process.readAllStandardError().contains("job stopped"));
}

// An operator lists what a host's outbox holds and decides about the dead.
void tst_vxctl::cloud_dead_letters()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("outbox.sqlite"));
    {
        CloudOutbox outbox(file);
        CloudOutbox::Entry entry;
        entry.service = QStringLiteral("http://cloud.example/api/");
        entry.resource = QStringLiteral("device_work_records");
        entry.verb = "POST";
        entry.body = "{\"n\":1}";
        entry.key = "k1";
        QVERIFY(outbox.bury(outbox.add(entry), 404, QStringLiteral("refused: answered 404")));
        QVERIFY(outbox.add(entry) > 0);
    }
    Run run = vxctl({"cloud", "--outbox", file, "list"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains("waiting: 1\n  #2 POST device_work_records to http://cloud.example/api/"), qPrintable(run.out));
    QVERIFY2(run.out.contains("dead: 1\n  #1 POST") && run.out.contains("404 refused: answered 404"), qPrintable(run.out));

    run = vxctl({"cloud", "--outbox", file, "retry", "all"});
    QVERIFY2(run.exit_code == 0 && run.out == QLatin1String("waiting again: 1\n"), qPrintable(run.out + run.err));
    run = vxctl({"cloud", "--outbox", file, "purge", "1"});
    QCOMPARE(run.exit_code, 1); // revived: no longer a dead letter
    run = vxctl({"cloud", "--outbox", file, "list"});
    QVERIFY2(run.out.startsWith("waiting: 2\n") && run.out.contains("dead: 0\n"), qPrintable(run.out));
}

QTEST_GUILESS_MAIN(tst_vxctl)
#include "tst_vxctl.moc"
