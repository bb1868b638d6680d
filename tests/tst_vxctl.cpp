// vxctl run as a person runs it: a process against the simulator, with its
// exit status and what it prints, for jobs (progress, stops, resuming,
// QR codes, dry runs), settings, a cloud outbox and every failure.
#include "cloud_outbox_p.h"
#include "event_wait.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtNetwork/QTcpServer>
#include <QtTest/QtTest>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run
{
    int exit_code = -1;
    QString out;
    QString err;
};

// Leading NAME=VALUE items are set in vxctl's environment.
Run vxctl(QStringList arguments, int timeout_ms = 20000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    while (!arguments.isEmpty() && QRegularExpression("^[A-Z_]+=").match(arguments.first()).hasMatch()) {
        const QString item = arguments.takeFirst();
        environment.insert(item.section('=', 0, 0), item.section('=', 1));
    }
    process.setProcessEnvironment(environment);
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

// The percentages of the progress lines, in order.
QList<int> progress_percents(const QString &out)
{
    QList<int> percents;
    const QRegularExpression progress(QStringLiteral("^progress +(\\d+)%"), QRegularExpression::MultilineOption);
    for (auto it = progress.globalMatch(out); it.hasNext();)
        percents << it.next().captured(1).toInt();
    return percents;
}

// Never backwards, and 100 only at the end.
bool is_honest(const QList<int> &percents)
{
    for (int i = 1; i < percents.size(); ++i) {
        if (percents.at(i) < percents.at(i - 1) || percents.at(i - 1) == 100)
            return false;
    }
    return !percents.isEmpty() && percents.last() == 100;
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The peak resident set of one vxctl run, in KiB, from the kernel's
// account of the child; -1 when it did not run or failed.
qint64 peak_kib(const QStringList &arguments)
{
    QList<QByteArray> held{QByteArray(VXCTL_PATH)};
    for (const QString &argument : arguments)
        held << QFile::encodeName(argument);
    std::vector<char *> argv;
    for (QByteArray &argument : held)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    // Under AddressSanitizer freed blocks wait in quarantine and would count as held.
    QList<QByteArray> environment{"ASAN_OPTIONS=" + qgetenv("ASAN_OPTIONS") + ":quarantine_size_mb=0"};
    std::vector<char *> envp{environment.first().data()};
    for (char **variable = environ; *variable; ++variable) {
        if (!QByteArray(*variable).startsWith("ASAN_OPTIONS="))
            envp.push_back(*variable);
    }
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
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
    void initTestCase();
    void finished_job();
    void qr_code_job_in_json();
    void resume_after_a_dropped_link();
    void dry_run();
    void settings_round_trip();
    void settings_pages_as_pictures();
    void failures_data();
    void failures();
    void stops_data();
    void stops();
    void cloud_dead_letters();
    void everyday_commands();
    void trace_replays_the_session_data();
    void trace_replays_the_session();
    void trace_reads_files_data();
    void trace_reads_files();

private:
    QTemporaryDir m_config_home;
    QTemporaryDir m_files; // job files, and the journals' state directory
};

void tst_vxctl::initTestCase()
{
    QVERIFY(m_files.isValid());
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_files.filePath(QStringLiteral("state"))));
    // Three pages, the second holding a NUL: read as it is, refused whole.
    write_file(m_files.filePath("nul.plt"), QByteArray("IN;PD10,10;PG;PD20,20;\0PG;PD30,30;PG;", 37));
    write_file(m_files.filePath("letter.txt"), "Dear operator, the cutter is ready.\n");
    QDir().mkpath(m_files.filePath("qr"));
    QFile::copy(SAMPLES_DIR "/box.plt", m_files.filePath("qr/A1.plt"));
    QFile::copy(SAMPLES_DIR "/labels-3-pages.plt", m_files.filePath("qr/B2"));
}

void tst_vxctl::finished_job()
{
    const Run run = vxctl({"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--copies", "2"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY(run.out.contains("3 page(s), 2 copies"));
    QVERIFY(run.out.contains("page 3/3"));
    QVERIFY(run.out.contains("copy 2/2"));
    QVERIFY(run.out.contains("\"FileName\":\"labels-3-pages.plt\""));
    QVERIFY(run.out.contains("finished: 2 of 2 copies"));
    QVERIFY2(is_honest(progress_percents(run.out)), qPrintable(run.out));
    QVERIFY(run.out.contains("page 1/3  copy 2/2")); // the page counter restarts with each copy
}

// Codes A1 and B2 name cut files (one page, three pages); XX names none
// and is skipped. Every line is one JSON object.
void tst_vxctl::qr_code_job_in_json()
{
    const Run run = vxctl({"--sim", "job", "--mode", "1", "--qr", m_files.filePath("qr"), "--copies", "2",
                           "--sim-qr-codes", "A1,XX,B2", "--json"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QStringList events;
    QList<int> percents;
    QJsonObject end;
    for (const QString &line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(line));
        const QString name = event.value("event").toString();
        if (name == QLatin1String("progress")) {
            percents << event.value("progress").toInt();
            for (const char *key : {"page", "pages", "copy", "copies", "machine_percent"})
                QVERIFY2(event.contains(key), key);
        } else {
            events << name + QLatin1Char(' ') + event.value("code").toString();
        }
        end = event;
    }
    QCOMPARE(events, QStringList({"start ", "qr_code A1", "qr_skipped XX", "qr_code B2", "end "}));
    QVERIFY(is_honest(percents));
    QCOMPARE(end.value("outcome").toString(), QStringLiteral("finished"));
    QCOMPARE(end.value("record").toObject().value("Finished").toInt(), 2);
}

// The link drops after page 1 of copy 2 was cut: that page was in flight
// as far as vxctl knows, so the resume starts after it; the journal knows
// the same without the numbers.
void tst_vxctl::resume_after_a_dropped_link()
{
    const QString file = SAMPLES_DIR "/labels-3-pages.plt";
    Run run = vxctl({"--sim", "job", file, "--copies", "2", "--sim-drop-after", "4"});
    QCOMPARE(run.exit_code, 1);
    QVERIFY2(run.out.contains("stopped after 1 of 2 copies (page 1 of 3)"), qPrintable(run.out));
    QVERIFY2(run.out.contains("resume: vxctl --sim job " + file + " --from-page 2 --copies-left 1"), qPrintable(run.out));

    run = vxctl({"--sim", "job", file, "--resume"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains("1 copy, the first from page 2"), qPrintable(run.out));
    QVERIFY(!run.out.contains("page 1/3"));
    QVERIFY(run.out.contains("finished: 1 of 1 copies"));

    run = vxctl({"--sim", "job", file, "--resume"}); // done: the journal is gone
    QCOMPARE(run.exit_code, 1);
    QVERIFY(run.err.contains("no journal"));
}

void tst_vxctl::dry_run()
{
    const Run run = vxctl({"job", SAMPLES_DIR "/labels-3-pages.plt", "--dry-run", "--copies", "2", "--speed", "50"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains("pages: 3\nbounding box: 0.0,0.0 to 215.0,30.0 mm (215.0 x 30.0 mm)\n"
                              "path: 1920.0 mm cut, 990.0 mm with the pen up\n"
                              "estimated time: 0:00:59 per copy, 0:01:57 for 2 copies at 50 mm/s"),
             qPrintable(run.out));
}

void tst_vxctl::settings_round_trip()
{
    Run run = vxctl({"get", "--all"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY(run.out.contains("12 of 12 read"));
    QVERIFY(run.out.contains("FIRMWARE = V3.4.37"));
    QCOMPARE(run.err, QStringLiteral("vxctl: no machine named: using the built-in simulator\n"));

    run = vxctl({"--sim", "set", "SPEED=220", "CAMERA_OFFSET=1.5,-19"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QCOMPARE(run.out, QStringLiteral("SPEED = 220\nCAMERA_OFFSET = 1.5,-19\n"));

    // Read back as JSON; a QR-code reply is the value; refused is not silent.
    run = vxctl({"--sim", "--sim-refuse", "9", "get", "SPEED", "CAMERA_OFFSET", "QRCODE_FILE", "PRESSURE", "--json"});
    QCOMPARE(run.exit_code, 1);
    const QJsonObject read = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(read["SPEED"]["value"].toInt(), 150);
    QCOMPARE(read["CAMERA_OFFSET"]["value"].toArray(), QJsonArray({0.5, -20}));
    QCOMPARE(read["QRCODE_FILE"]["value"].toString(), QStringLiteral("qrcode.plt"));
    QCOMPARE(read["PRESSURE"]["outcome"].toString(), QStringLiteral("refused"));
    QCOMPARE(read["PRESSURE"]["result"].toInt(), 1);
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
    QDir(m_config_home.path()).mkpath("vxctl");
    QFile config(m_config_home.filePath("vxctl/config"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("# the cutter\ntarget = tcp:127.0.0.1:%1\n").arg(closed_port()).toUtf8());
    config.close();

    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("message");

    QTest::newRow("refused connection")
        << QStringList{"--tcp", QStringLiteral("127.0.0.1:%1").arg(closed_port()), "get", "SPEED"} << 1
        << "cannot connect to 127.0.0.1";
    QTest::newRow("unknown key") << QStringList{"get", "NO_SUCH_KEY"} << 2 << "unknown setting NO_SUCH_KEY";
    QTest::newRow("key without a read command") << QStringList{"get", "STATUS"} << 2
                                                << "STATUS is not a readable setting";
    QTest::newRow("action read") << QStringList{"get", "TASK_STOP"} << 2 << "TASK_STOP is an action";
    QTest::newRow("refused read") << QStringList{"--sim-refuse", "7", "get", "SPEED"} << 1
                                  << "SPEED: refused by the machine (result 1)";
    QTest::newRow("key read twice") << QStringList{"get", "SPEED", "SPEED"} << 2 << "SPEED is given twice";
    QTest::newRow("bad value") << QStringList{"--sim", "set", "SPEED=fast"} << 2
                               << "SPEED takes 10 to 300 mm/s; got fast";
    QTest::newRow("value out of range") << QStringList{"--sim", "set", "SPEED=99999999"} << 2
                                        << "SPEED takes 10 to 300 mm/s; got 99999999";
    QTest::newRow("fraction for a whole number") << QStringList{"--sim", "set", "PRESSURE=1.5"} << 2
                                                 << "PRESSURE takes 0 to 900 gf; got 1.5";
    QTest::newRow("no such option") << QStringList{"--sim", "set", "WORK_MODE=3"} << 2 << "WORK_MODE takes 0 (";
    QTest::newRow("part out of range") << QStringList{"--sim", "set", "CAMERA_OFFSET=nan,-20"} << 2
                                       << "CAMERA_OFFSET_X takes -2 to 2; got nan";
    QTest::newRow("frame-breaking text") << QStringList{"--sim", "set", "DEVICE_ID=a;b"} << 2
                                         << "DEVICE_ID takes text without ';'";
    QTest::newRow("wrong number of parts") << QStringList{"--sim", "set", "CAMERA_OFFSET=1"} << 2
                                           << "takes 2 values";
    QTest::newRow("not KEY=VALUE") << QStringList{"--sim", "set", "SPEED"} << 2 << "is not KEY=VALUE";
    QTest::newRow("key set twice") << QStringList{"--sim", "set", "SPEED=200", "SPEED=300"} << 2
                                   << "SPEED is given twice";
    QTest::newRow("action set") << QStringList{"--sim", "set", "TASK_STOP=2"} << 2 << "TASK_STOP is an action";
    QTest::newRow("local-only key") << QStringList{"--sim", "set", "TCP_PORT=1"} << 2 << "cannot be written";
    QTest::newRow("refused write") << QStringList{"--sim", "--sim-refuse", "6", "set", "SPEED=200"} << 1
                                   << "SPEED: refused by the machine (result 1)";
    QTest::newRow("set on an unnamed machine") << QStringList{"set", "SPEED=200"} << 2 << "set changes the machine";
    QTest::newRow("unreadable job file") << QStringList{"--sim", "job", "/nonexistent/job.plt"} << 1
                                         << "cannot read";
    QTest::newRow("missing plugin") << QStringList{"--plugin", "/nonexistent/plugin.so", "info"} << 1
                                    << "plugin not found";
    QTest::newRow("not a plugin") << QStringList{"--plugin", VXCTL_PATH, "info"} << 1 << "cannot load plugin";
    QTest::newRow("unknown command") << QStringList{"fly"} << 2 << "unknown command fly";
    QTest::newRow("bad copies") << QStringList{"job", "x.plt", "--copies", "0"} << 2 << "--copies";
    QTest::newRow("bad tcp target") << QStringList{"--tcp", "host:99999", "get", "SPEED"} << 2 << "--tcp takes";
    QTest::newRow("two machines") << QStringList{"--tcp", "host", "--usb", "/dev/ttyACM0", "get", "SPEED"} << 2
                                  << "--tcp and --usb name different machines";
    QTest::newRow("simulator option without it") << QStringList{"--tcp", "host", "--sim-drop-after", "1", "get", "SPEED"}
                                                 << 2 << "--sim-drop-after needs the simulator";
    QTest::newRow("bad simulator option") << QStringList{"--sim-speed", "abc", "get", "SPEED"} << 2
                                          << "--sim-speed takes";
    QTest::newRow("unknown option") << QStringList{"--bogus", "info"} << 2 << "Unknown option 'bogus'";
    QTest::newRow("another command's option") << QStringList{"info", "--copies", "2"} << 2
                                              << "--copies does not apply to info";
    QTest::newRow("machine option without a machine") << QStringList{"info", "--tcp", "host"} << 2
                                                      << "--tcp does not apply to info";
    QTest::newRow("no command") << QStringList{} << 2 << "no command given";
    QTest::newRow("help on an unknown command") << QStringList{"help", "fly"} << 2 << "unknown command fly";
    QTest::newRow("target from the environment")
        << QStringList{QStringLiteral("VXCTL_TARGET=tcp:127.0.0.1:%1").arg(closed_port()), "get", "SPEED"} << 1
        << "cannot connect to 127.0.0.1";
    QTest::newRow("malformed VXCTL_TARGET") << QStringList{"VXCTL_TARGET=ftp:x", "get", "SPEED"} << 2
                                            << "VXCTL_TARGET: \"ftp:x\" is not";
    QTest::newRow("target from the config file")
        << QStringList{"XDG_CONFIG_HOME=" + m_config_home.path(), "get", "SPEED"} << 1 << "cannot connect to 127.0.0.1";
    QTest::newRow("settings without a display")
        << QStringList{"XDG_RUNTIME_DIR=" + m_config_home.path(), "settings"} << 1 << "settings needs a display";
    QTest::newRow("machine stops the job")
        << QStringList{"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--sim-stop-after", "1"} << 1
        << "stopped on the machine";
    QTest::newRow("cloud without an outbox") << QStringList{"cloud", "list"} << 2 << "cloud --outbox FILE";
    QTest::newRow("cloud outbox missing") << QStringList{"cloud", "--outbox", "/nonexistent/o.sqlite", "list"} << 1
                                          << "no outbox at";
    QTest::newRow("NUL in a job file") << QStringList{"--sim", "job", m_files.filePath("nul.plt")} << 1
                                       << "is not plotter text: byte 0x00 at offset 22";
    QTest::newRow("no plotter text") << QStringList{"job", m_files.filePath("letter.txt"), "--dry-run"} << 1
                                     << "\"Dear operator, t\" at offset 0 has parameters that are no numbers";
    QTest::newRow("page larger than the controller takes")
        << QStringList{"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--max-page", "64"} << 1 << "has a page of 211 bytes";
    for (const char *timeout : {"abc", "nan", "1e12", "0", "-1"})
        QTest::addRow("timeout %s", timeout) << QStringList{"--timeout", timeout, "info"} << 2 << "--timeout takes";
    QTest::newRow("redo without resume") << QStringList{"job", "x.plt", "--redo-page"} << 2 << "goes with --resume";
    QTest::newRow("QR files in a plotter job") << QStringList{"job", "x.plt", "--qr", "."} << 2 << "go with --mode 1";
    QTest::newRow("QR job without cut files") << QStringList{"job", "--mode", "1"} << 2 << "takes --qr DIR";
    QTest::newRow("fault for a replay") << QStringList{"--sim-replay", "x.trace", "--sim-drop-after", "1", "get", "SPEED"}
                                        << 2 << "--sim-drop-after does not apply to --sim-replay";
    QTest::newRow("trace that is not one") << QStringList{"trace", "show", SAMPLES_DIR "/box.plt"} << 1
                                           << "not a trace line";
    QTest::newRow("link lost mid-job")
        << QStringList{"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--sim-drop-after", "1"} << 1
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

// A stop in either copy, by Ctrl-C or by the q key on a terminal, stops
// the job on the machine and says where it stood.
void tst_vxctl::stops_data()
{
    QTest::addColumn<QString>("copy");
    QTest::addColumn<bool>("by_key");
    QTest::addColumn<QString>("stood");
    QTest::newRow("Ctrl-C in copy 1") << "copy 1/2" << false << "stopped after 0 of 2 copies (page ";
    QTest::newRow("Ctrl-C in copy 2") << "copy 2/2" << false << "stopped after 1 of 2 copies (page ";
    QTest::newRow("q in copy 2") << "copy 2/2" << true << "stopped after 1 of 2 copies (page ";
}

void tst_vxctl::stops()
{
    QFETCH(QString, copy);
    QFETCH(bool, by_key);
    QFETCH(QString, stood);
    // A copy takes about 0.3 s: a stop lands within milliseconds of the
    // line that asks for it, well inside the copy even on a busy machine.
    const QStringList job{VXCTL_PATH, "--sim", "job", SAMPLES_DIR "/spiral-5000-segments.plt", "--copies", "2",
                          "--sim-speed", "32000"};
    // script(1) gives vxctl a terminal whose keys are what the test writes.
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (by_key && script.isEmpty())
        QSKIP("no script(1) to give vxctl a terminal");
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (by_key)
        process.start(script, {"-qfec", job.join(QLatin1Char(' ')), "/dev/null"});
    else
        process.start(job.first(), job.mid(1));
    QVERIFY(process.waitForStarted());
    QByteArray output;
    VX_TRY_VERIFY_WITH_TIMEOUT((output += process.readAll()).contains(copy.toUtf8()), 20000);
    if (by_key)
        process.write("q");
    else
        ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(10000));
    output += process.readAll();
    QCOMPARE(process.exitCode(), 130);
    QVERIFY2(output.contains("job stopped") && output.contains(stood.toUtf8()), output.constData());
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

// The conventions around the commands: help for one command, serial
// ports, the plugin's defaults as JSON, and a log file.
void tst_vxctl::everyday_commands()
{
    Run run = vxctl({"help", "job"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY(run.out.startsWith("usage: vxctl [OPTIONS] job FILE\n") && run.out.contains("--copies <n>"));
    QVERIFY(!run.out.contains("--outbox"));

    run = vxctl({"ports"});
    QCOMPARE(run.exit_code, 0);

    run = vxctl({"info", "--json"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    const QJsonObject info = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(info["icon"].toInt(), 0xE626);
    QVERIFY(QDate::fromString(info["build_date"].toString(), Qt::ISODate).isValid());
    QCOMPARE(info["properties"].toArray().size(), 35);

    QTemporaryDir dir;
    const QString log = dir.filePath("vxctl.log");
    run = vxctl({"--log", log, "get", "SPEED"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains(" vx.ctl info: connected to the simulator"));
}

// A job recorded against the simulator, by a host's environment variable,
// and replayed: the same job record, the same messages in the same order.
void tst_vxctl::trace_replays_the_session_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("three pages, two copies") << QStringList{} << 0 << "finished: 2 of 2 copies";
    QTest::newRow("link dropped") << QStringList{"--sim-drop-after", "2"} << 1
                                  << "link lost during the job (TCP DISCONNECTED.)";
}

void tst_vxctl::trace_replays_the_session()
{
    QFETCH(QStringList, faults);
    QFETCH(QString, outcome);
    QTemporaryDir dir;
    const QStringList job{"job", SAMPLES_DIR "/labels-3-pages.plt", "--copies", "2"};
    const Run recorded = vxctl(QStringList{"VX_TRACE_DIR=" + dir.path(), "--sim"} + faults + job);
    QTEST(recorded.exit_code, "exit_code");
    const QStringList traces = QDir(dir.path()).entryList({"*.jsonl"});
    QCOMPARE(traces.size(), 1);
    const QString trace = dir.filePath(traces.first());
    const QString replay_trace = dir.filePath("replayed.trace");
    const Run replayed = vxctl(QStringList{"--trace", replay_trace, "--sim-replay", trace} + job);
    QTEST(replayed.exit_code, "exit_code");
    for (const Run &run : {recorded, replayed})
        QVERIFY2((run.out + run.err).contains(outcome), qPrintable(run.out + run.err));
    QVERIFY2(!replayed.err.contains("vxsim: replay:"), qPrintable(replayed.err)); // nothing unrecorded asked

    const auto records = [](const QString &out) { return out.split('\n').filter(QRegularExpression("^record ")); };
    QCOMPARE(records(replayed.out), records(recorded.out));
    const auto messages = [](const QString &file) {
        QStringList texts;
        QFile trace(file);
        if (!trace.open(QIODevice::ReadOnly))
            return QStringList{"unreadable " + file};
        while (!trace.atEnd()) {
            const QJsonObject line = QJsonDocument::fromJson(trace.readLine()).object();
            if (line["event"] == "message")
                texts << line["kind"].toString() + ' ' + line["text"].toString();
        }
        return texts;
    };
    QVERIFY(messages(trace).contains("DevTasK 66,1,labels-3-pages.plt,2,1,66.7,0,0,0") || !faults.isEmpty());
    QCOMPARE(messages(replay_trace), messages(trace));
}

// Traces written by hand, as a full disk, another program or a later
// version leaves them: what show and stats make of each, and that a long
// trace is read as a stream (the peak memory of a run over a large one
// against a run over none).
void tst_vxctl::trace_reads_files_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QStringList>("out"); // patterns stdout matches
    QTest::addColumn<QString>("err");     // what stderr holds; empty: nothing
    QTest::addColumn<qint64>("max_growth_kib");
    const QByteArray header = "{\"vx_trace\":1,\"target\":\"TCP 10.0.0.7:9100\"}\n";
    const auto tx = [](const QByteArray &escaped) {
        return "{\"t\":0,\"dir\":\"tx\",\"link\":\"TCP\",\"text\":\"\\u0002" + escaped + "\\u0003\"}\n";
    };
    // An invalid byte between frames and a frame no parser takes.
    const QByteArray received = QByteArray("\x02" "14;CCMD;4,0;\x03" "\xff\xfe" "\x02" "9;XX\x03");
    const QByteArray hand = header + tx("12;CCMD;4;")
        + "{\"t\":2500000,\"dir\":\"rx\",\"link\":\"TCP\",\"base64\":\"" + received.toBase64() + "\"}\n";
    const QByteArray cut = hand + "{\"t\":2600000,\"dir\":\"rx\",\"link\":\"TCP\",\"text\":\"\\u000214;CC";
    const QStringList stats{"stats", "--silence", "1"};
    QTest::newRow("show: a malformed frame, a page done")
        << hand << QStringList{"show"} << 0
        << QStringList{"2\\.500\\s+<-\\s+\\?\\s+\\S9;XX\\S\\s+malformed: dropped by the plugin", "<-\\s+CCMD\\s+4  0\\s+page done"}
        << "" << qint64(0);
    QTest::newRow("stats: silences, malformed frames, stray bytes")
        << hand << stats << 0
        << QStringList{"silences longer than 1 s: 1\n  2\\.500 s from 0\\.000 s", "malformed frames dropped: 1\n",
                       "bytes received outside frames: 2\n"}
        << "" << qint64(0);
    const QString cut_warning = "vxctl: warning: %1:4: the last line is cut off after 56 bytes; read up to the line before it";
    QTest::newRow("show: cut off by a full disk") << cut << QStringList{"show"} << 0
                                                  << QStringList{"malformed: dropped by the plugin\n$"} << cut_warning << qint64(0);
    QTest::newRow("stats: cut off by a full disk") << cut << stats << 0
                                                   << QStringList{"malformed frames dropped: 1\n"} << cut_warning << qint64(0);
    QTest::newRow("a broken line before the last") << header + "{\"t\":1,\n" + tx("12;CCMD;4;") << QStringList{"show"} << 1
                                                   << QStringList{"^trace of TCP 10.0.0.7:9100\n[^\n]*\n$"}
                                                   << "%1:2: not a trace line" << qint64(0);
    QTest::newRow("a later format version")
        << QByteArray("{\"vx_trace\":2,\"target\":\"x\"}\n") + tx("12;CCMD;4;") << stats << 1 << QStringList{"^$"}
        << "%1: trace format version 2 is not one this program reads (it reads version 1)" << qint64(0);
    QByteArray links = header;
    for (int i = 0; i <= 16; ++i)
        links += "{\"t\":1,\"dir\":\"rx\",\"link\":\"L" + QByteArray::number(i) + "\",\"text\":\"\\u0002\"}\n";
    QTest::newRow("more links than a device has") << links << stats << 1 << QStringList{"^$"}
                                                  << "%1:18: not a trace line (more than 16 links)" << qint64(0);
    QTest::newRow("job commands by what they do")
        << header + tx("15;CCMD;32,0;") + tx("15;CCMD;30,2;") + tx("12;PPLT;PG;") + tx("15;CCMD;27,0;")
               + tx("15;CCMD;27,1;") + tx("15;CCMD;30,1;") + tx("15;CCMD;27,2;")
        << QStringList{"show"} << 0
        << QStringList{"CCMD\\s+30  2\\s+write TASK_COPIES\n[^\n]+job text\n[^\n]+27  0\\s+pause\n[^\n]+27  1\\s+resume\n"
                       "[^\n]+30  1\\s+one more copy\n[^\n]+27  2\\s+stop\n$"}
        << "" << qint64(0);
    QTest::newRow("a long trace, read as a stream")
        << header + QByteArray("{\"t\":9,\"dir\":\"rx\",\"link\":\"TCP\",\"text\":\"\\u000214;CCMD;4,0;\\u0003\"}\n").repeated(50000)
        << stats << 0 << QStringList{"CCMD 4 +0 +50000\n"} << "" << qint64(16 * 1024);
}

void tst_vxctl::trace_reads_files()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, command);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    QFETCH(qint64, max_growth_kib);
    QTemporaryDir dir;
    const QString trace = dir.filePath("hand.trace");
    write_file(trace, file);
    command.insert(1, trace);
    const Run run = vxctl(QStringList{"trace"} + command);
    QTEST(run.exit_code, "exit_code");
    for (const QString &pattern : qAsConst(out))
        QVERIFY2(run.out.contains(QRegularExpression(pattern)), qPrintable(pattern + " in:\n" + run.out));
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err.arg(trace)), qPrintable(run.err));
    if (max_growth_kib > 0) {
        const QString empty = dir.filePath("empty.trace");
        write_file(empty, file.left(file.indexOf('\n') + 1));
        const qint64 base = peak_kib(QStringList{"trace", command.first(), empty} + command.mid(2));
        const qint64 peak = peak_kib(QStringList{"trace"} + command);
        QVERIFY(base > 0 && peak > 0);
        QVERIFY2(peak - base < max_growth_kib, qPrintable(QStringLiteral("%1 KiB against %2").arg(peak).arg(base)));
    }
}

QTEST_GUILESS_MAIN(tst_vxctl)
#include "tst_vxctl.moc"
