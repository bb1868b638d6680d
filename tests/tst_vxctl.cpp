// vxctl run as a person runs it: a process against the simulator, with its
// exit status and what it prints, for jobs (progress, stops, resuming,
// QR codes, dry runs), settings, a cloud outbox and every failure.
#include "cloud_outbox_p.h"
#include "event_wait.h"
#include "simulator_faults.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>
#include <QtTest/QtTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
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
Run run_program(const QString &program, QStringList arguments, int timeout_ms = 20000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    while (!arguments.isEmpty() && QRegularExpression("^[A-Z_]+=").match(arguments.first()).hasMatch()) {
        const QString item = arguments.takeFirst();
        environment.insert(item.section('=', 0, 0), item.section('=', 1));
    }
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
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

Run vxctl(const QStringList &arguments, int timeout_ms = 20000)
{
    return run_program(QStringLiteral(VXCTL_PATH), arguments, timeout_ms);
}

// The commands vxctl help lists: the rows of its command table.
QStringList help_commands()
{
    QStringList names;
    const QString listed = vxctl({"help"}).out.section("Commands:\n", 1).section("\n\n", 0, 0);
    for (auto it = QRegularExpression("^  ([a-z]+)", QRegularExpression::MultilineOption).globalMatch(listed); it.hasNext();)
        names << it.next().captured(1);
    names.removeDuplicates();
    return names;
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

// A simulated machine on TCP that several vxctl runs reach, each connecting
// anew: its address as --tcp takes it.
struct Machine
{
    explicit Machine(const QStringList &options)
    {
        process.start(QStringLiteral(VXSIM_PATH), QStringList{"--port", "0"} + options);
        while (!process.canReadLine() && process.waitForReadyRead(5000)) {
        }
        address = "127.0.0.1:" + QString::fromLatin1(process.readLine().trimmed()).section(':', -1);
    }
    ~Machine()
    {
        process.terminate();
        process.waitForFinished();
    }
    QProcess process;
    QString address;
};

} // namespace

class tst_vxctl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void finished_job();
    void qr_code_job_in_json_data();
    void qr_code_job_in_json();
    void resumes_data();
    void resumes();
    void one_host_at_a_time();
    void dry_run();
    void settings_round_trip();
    void settings_pages_as_pictures();
    void failures_data();
    void failures();
    void normalised_jobs_data();
    void normalised_jobs();
    void svg_drawings_data();
    void svg_drawings();
    void stops_data();
    void stops();
    void simulator_ends_with_vxctl();
    void cloud_dead_letters();
    void everyday_commands();
    void trace_replays_the_session_data();
    void trace_replays_the_session();
    void trace_reads_files_data();
    void trace_reads_files();
    void shell_completion_data();
    void shell_completion();
    void man_page();

private:
    QStringList resume_after_edit(const QString &name, const std::function<QByteArray(QJsonObject)> &edit);

    QTemporaryDir m_config_home;
    QTemporaryDir m_files; // job files, and the journals' state directory
    QString m_journal;        // of an interrupted job: its name
    QByteArray m_journal_text; // and what it holds
};

void tst_vxctl::initTestCase()
{
    QVERIFY(m_files.isValid());
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_files.filePath(QStringLiteral("state"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_files.path())); // the job locks
    // Three pages, the second holding a NUL: read as it is, refused whole.
    write_file(m_files.filePath("nul.plt"), QByteArray("IN;PD10,10;PG;PD20,20;\0PG;PD30,30;PG;", 37));
    write_file(m_files.filePath("letter.txt"), "Dear operator, the cutter is ready.\n");
    QDir().mkpath(m_files.filePath("qr"));
    QFile::copy(SAMPLES_DIR "/box.plt", m_files.filePath("qr/A1.plt"));
    QFile::copy(SAMPLES_DIR "/labels-3-pages.plt", m_files.filePath("qr/B2"));
    // Four pages away from the origin, each drawn on from where the one
    // before ended: measured with the pen carried over, pages 2 and 3 are
    // tiny, while the machine cuts each page from the origin.
    write_file(m_files.filePath("skew.plt"), "PU8000,0;PD8100,0;PG;PD8200,0;PG;PD8300,0;PG;PU0,0;PD0,8000;PG;");
    // A long first page (900 mm) and a short one (100 mm).
    write_file(m_files.filePath("quiet.plt"), "IN;PU0,0;PD36000,0;PG;PU0,0;PD4000,0;PG;");
    // The sample as editors save it, with line ends after the last page.
    QFile sample(SAMPLES_DIR "/labels-3-pages.plt");
    QVERIFY(sample.open(QIODevice::ReadOnly));
    write_file(m_files.filePath("labels-3-pages.plt"), sample.readAll() + "\n\n");
    QCOMPARE(::mkfifo(QFile::encodeName(m_files.filePath("fifo.plt")).constData(), 0600), 0);
}

void tst_vxctl::finished_job()
{
    const Run run = vxctl({"--sim", "job", m_files.filePath("labels-3-pages.plt"), "--copies", "2"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains("3 page(s), 2 copies, on the simulator on 127.0.0.1:") && run.out.contains(
                 "\nnot sent: the white space after page 3 (as a page it would feed a blank sheet)\n"), qPrintable(run.out));
    QVERIFY(run.out.contains("page 3/3"));
    QVERIFY(run.out.contains("copy 2/2"));
    QVERIFY(run.out.contains("\"FileName\":\"labels-3-pages.plt\""));
    QVERIFY(run.out.contains(QRegularExpression("\nfinished: 2 of 2 copies in 0:00:0\\d\n")));
    QVERIFY2(is_honest(progress_percents(run.out)), qPrintable(run.out));
    QVERIFY(run.out.contains("page 1/3  copy 2/2")); // the page counter restarts with each copy
    // No --speed: the estimate starts from the machine's SPEED (150 mm/s,
    // 2 x 2910 mm of path).
    QVERIFY2(run.out.contains(QRegularExpression("copy 1/2  \\(machine 0%\\)  0:00:0\\d elapsed, 0:00:39 left, done about")),
             qPrintable(run.out));
    QVERIFY(run.out.contains(QRegularExpression("copy 2/2  \\(machine \\d+%\\)  0:00:0\\d elapsed, 0:00:0\\d left, done about \\d\\d:\\d\\d\n")));
}

// Codes A1 and B2 name cut files (one page, three pages); XX and YY name
// none and are skipped, each answered by one request for the next code,
// until too many in a row end the job. Every line is one JSON object.
void tst_vxctl::qr_code_job_in_json_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("a code without a file between two")
        << QStringList{"--sim-qr-codes", "A1,XX,B2"} << 0
        << QStringList{"start ", "qr_code A1", "qr_skipped XX", "qr_code B2", "end "} << "finished";
    QTest::newRow("unusable codes only") << QStringList{"--sim-qr-codes", "XX,YY", "--qr-max-skips", "3"} << 1
        << QStringList{"start ", "qr_skipped XX", "qr_skipped YY", "qr_skipped XX", "stopping ", "end "} << "skip_limit";
    QTest::newRow("a cut file between unusable codes")
        << QStringList{"--sim-qr-codes", "XX,A1,XX,YY", "--qr-max-skips", "2"} << 1
        << QStringList{"start ", "qr_skipped XX", "qr_code A1", "qr_skipped XX", "qr_skipped YY", "stopping ", "end "}
        << "skip_limit";
}

void tst_vxctl::qr_code_job_in_json()
{
    QFETCH(QStringList, options);
    QFETCH(QString, outcome);
    QTemporaryDir dir;
    const QString trace = dir.filePath("qr.trace");
    const Run run = vxctl(QStringList{"--trace", trace, "--sim", "job", "--mode", "1", "--qr", m_files.filePath("qr"),
                                      "--copies", "2", "--json"} + options);
    QTEST(run.exit_code, "exit_code");
    QStringList events;
    QList<int> percents;
    QJsonObject end;
    double elapsed = 0.0;
    for (const QString &line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(line));
        // Every event says when; the time left is a number once known.
        QVERIFY2(QDateTime::fromString(event.value("time").toString(), Qt::ISODateWithMs).isValid(), qPrintable(line));
        QVERIFY2(event.value("elapsed_s").toDouble(-1) >= elapsed, qPrintable(line));
        elapsed = event.value("elapsed_s").toDouble();
        QVERIFY2(event.value("remaining_s").isNull() || event.value("remaining_s").toDouble(-1) >= 0, qPrintable(line));
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
    QTEST(events, "expected");
    QCOMPARE(end.value("outcome").toString(), outcome);
    // The first request, then one for each code but the last: never
    // asked again before the machine answered.
    QFile frames(trace);
    QVERIFY(frames.open(QIODevice::ReadOnly));
    QCOMPARE(frames.readAll().count("\"tx\",\"link\":\"TCP\",\"text\":\"\\u000213;CCMD;11;"),
             events.filter(QRegularExpression("^qr_")).size());
    if (outcome == QLatin1String("finished")) {
        QVERIFY(is_honest(percents));
        QCOMPARE(end.value("record").toObject().value("Finished").toInt(), 2);
        QCOMPARE(end.value("remaining_s").toDouble(-1), 0.0);
    } else {
        QVERIFY2(run.err.contains("QR codes in a row had no usable cut file: the job was ended"), qPrintable(run.err));
        QVERIFY(end.value("stop_confirmed").toBool());
    }
}

// A job interrupted with a page in flight, then resumed: what the resume
// cuts, as the pages its progress shows. Copy 2 is the machine's repeat of
// the stored job, known only by its percent: at a page's end the percent
// leaves that page in flight, so the resume starts after it, never later.
// A page in flight is skipped unless --redo-page; one that leaves nothing
// else is kept in the journal for it.
void tst_vxctl::resumes_data()
{
    QTest::addColumn<QStringList>("interruption");
    QTest::addColumn<bool>("redo");
    QTest::addColumn<QString>("stood");
    QTest::addColumn<QString>("cut"); // the pages the resume cuts, or "nothing"
    // The same file interrupted on another machine in between, where a
    // journal keyed by the file alone would be overwritten.
    QTest::addColumn<QStringList>("elsewhere");

    const QString labels = SAMPLES_DIR "/labels-3-pages.plt";
    QTest::newRow("link dropped after page 1 of copy 2")
        << QStringList{labels, "--copies", "2", "--sim-drop-after", "4"} << false
        << "link lost after 1 of 2 copies (page 1 of 3)" << "2 3" << QStringList{"--drop-after", "2"};
    const QString skew = m_files.filePath("skew.plt");
    const struct { const char *position; int pages_cut; int in_flight; const char *cut; const char *redone; } copy_2[] = {
        {"first", 4, 1, "2 3 4", "1 2 3 4"},
        {"next-to-last", 6, 2, "3 4", "2 3 4"},
        {"last", 7, 3, "4", "3 4"},
    };
    for (const auto &row : copy_2) {
        for (const bool redo : {false, true}) {
            QTest::addRow("%s page of copy 2 in flight%s", row.position, redo ? ", redone" : "")
                << QStringList{skew, "--copies", "2", "--sim-stop-after", QString::number(row.pages_cut)} << redo
                << QStringLiteral("page %1 was in flight").arg(row.in_flight) << (redo ? row.redone : row.cut)
                << QStringList();
        }
    }
    QTest::newRow("last page of the last copy in flight")
        << QStringList{skew, "--sim-stop-after", "3"} << false << "page 4 was in flight" << "nothing" << QStringList();
    QTest::newRow("last page of the last copy in flight, redone")
        << QStringList{skew, "--sim-stop-after", "3"} << true << "page 4 was in flight" << "4" << QStringList();
}

void tst_vxctl::resumes()
{
    QFETCH(QStringList, interruption);
    QFETCH(bool, redo);
    QFETCH(QString, stood);
    QFETCH(QString, cut);
    QFETCH(QStringList, elsewhere);
    const QString file = interruption.first();
    Run run = vxctl(QStringList{"--sim", "job"} + interruption);
    QCOMPARE(run.exit_code, 1);
    QVERIFY2(run.out.contains(stood), qPrintable(run.out));
    if (!elsewhere.isEmpty()) {
        const Machine other(elsewhere);
        const Run there = vxctl({"--tcp", other.address, "job", file, "--copies", "2"});
        QVERIFY2(there.exit_code == 1 && there.out.contains("--from-page 1 --copies-left 1"), qPrintable(there.out + there.err));
    }

    run = vxctl(QStringList{"--sim", "job", file, "--resume", "--json"} + (redo ? QStringList{"--redo-page"} : QStringList{}));
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QStringList pages;
    QJsonObject end;
    for (const QString &line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8()).object();
        const QString page = QString::number(event.value("page").toInt());
        if (event.value("event") == "progress" && (pages.isEmpty() || pages.last() != page))
            pages << page;
        end = event;
    }
    QCOMPARE(end.value("outcome").toString(), QStringLiteral("finished"));
    QCOMPARE(pages.isEmpty() ? QStringLiteral("nothing") : pages.join(' '), cut);

    // Done, the journal is gone; a page skipped in flight keeps it.
    if (redo)
        return;
    run = vxctl({"--sim", "job", file, "--resume"});
    QCOMPARE(run.exit_code, cut == "nothing" ? 0 : 1);
    QVERIFY2(run.err.contains("no journal") != (cut == "nothing"), qPrintable(run.err));
}

// While a job runs on a machine, a second job or set on it is refused
// before it connects, which would take the link over; a holder that
// crashed holds nothing.
void tst_vxctl::one_host_at_a_time()
{
    const Machine machine({"--speed", "1000"});
    const QString spiral = SAMPLES_DIR "/spiral-5000-segments.plt";
    QProcess holder;
    holder.start(VXCTL_PATH, {"--tcp", machine.address, "job", spiral});
    QByteArray output;
    VX_TRY_VERIFY_WITH_TIMEOUT((output += holder.readAllStandardOutput()).contains("progress"), 10000);
    const QString in_use = QStringLiteral("the machine is in use by vxctl (pid %1, job %2)").arg(holder.processId()).arg(spiral);
    for (const QStringList &second : {QStringList{"set", "SPEED=200"}, QStringList{"job", SAMPLES_DIR "/box.plt"}}) {
        const Run run = vxctl(QStringList{"--tcp", machine.address} + second);
        QCOMPARE(run.exit_code, 1);
        QVERIFY2(run.err.contains(in_use), qPrintable(run.err));
    }
    QCOMPARE(holder.state(), QProcess::Running);
    ::kill(pid_t(holder.processId()), SIGKILL);
    QVERIFY(holder.waitForFinished());
    const Run run = vxctl({"--tcp", machine.address, "set", "SPEED=200"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
}

void tst_vxctl::dry_run()
{
    Run run = vxctl({"job", SAMPLES_DIR "/labels-3-pages.plt", "--dry-run", "--copies", "2", "--speed", "50"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains("pages: 3\nbounding box: 0.0,0.0 to 215.0,30.0 mm (215.0 x 30.0 mm)\n"
                              "path: 1920.0 mm cut, 990.0 mm with the pen up\n"
                              "estimated time: 0:00:59 per copy, 0:01:57 for 2 copies at 50 mm/s"),
             qPrintable(run.out));
    // The simulator cuts at --sim-speed, whatever SPEED it holds.
    run = vxctl({"--sim", "--sim-speed", "50", "job", m_files.filePath("labels-3-pages.plt"), "--dry-run"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains("0:00:59 per copy, 0:00:59 for 1 copy at 50 mm/s (the simulator's --sim-speed)\n"
                              "not sent: the white space after page 3"), qPrintable(run.out));

    // The picture: a cut across the middle of a 100 x 100 mm design, on a
    // single page drawn in the centre of the view left of the legend.
    write_file(m_files.filePath("middle.plt"), "IN;PU0,0;PD0,4000,4000,4000;PU0,2000;PD4000,2000;");
    const QString picture = m_files.filePath("middle.png");
    run = vxctl({"job", m_files.filePath("middle.plt"), "--dry-run", "--picture", picture});
    QVERIFY2(run.exit_code == 0 && run.out.contains("picture: " + picture), qPrintable(run.err));
    const QImage image(picture);
    QCOMPARE(image.size(), QSize(1200, 800));
    QCOMPARE(QColor(image.pixel(300, 400)), QColor(0x1f77b4)); // page 1's colour
    QCOMPARE(QColor(image.pixel(56, 200)), QColor(0x1f77b4));  // the left edge, x = 0
    QCOMPARE(QColor(image.pixel(5, 795)), QColor(Qt::white));
    // The same sheet as a drawing, and a picture that cannot be written.
    run = vxctl({"job", m_files.filePath("middle.plt"), "--dry-run", "--picture", m_files.filePath("middle.svg")});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    QFile svg(m_files.filePath("middle.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray drawing = svg.readAll();
    QVERIFY2(drawing.contains("<svg") && drawing.contains("#1f77b4") && drawing.contains("middle.plt"), drawing.left(400).constData());
    run = vxctl({"job", m_files.filePath("middle.plt"), "--dry-run", "--picture", m_files.filePath("none/x.svg")});
    QVERIFY2(run.exit_code != 0 && run.err.contains("cannot write the picture"), qPrintable(run.err));

    // The job starts from the same estimate; the simulator cuts at once, so
    // the pace measured soon counts for more than the speed given.
    const Run job = vxctl({"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--copies", "2", "--speed", "50", "--json"});
    QVERIFY2(job.exit_code == 0, qPrintable(job.err));
    const QStringList lines = job.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(QJsonDocument::fromJson(lines.first().toUtf8())["remaining_s"].toDouble(), 116.4);
    const QJsonObject late = QJsonDocument::fromJson(lines.filter("\"progress\":83").value(0).toUtf8()).object();
    QVERIFY2(late["remaining_s"].toDouble(99) < 0.5 * 0.17 * 116.4, qPrintable(job.out));
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
    config.write(QStringLiteral("# the cutter\ntarget = tcp:127.0.0.1:%1  # a closed port\n").arg(closed_port()).toUtf8());
    config.close();
    const QString fifo_config = m_files.filePath("fifo-config");
    QDir().mkpath(fifo_config + "/vxctl");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo_config + "/vxctl/config").constData(), 0600), 0);
    const QList<QPair<const char *, QByteArray>> files{
        {"blank-page.plt", "IN;PD10,10;PG;\n PG;PD5,5;PG;"}, {"latin1.plt", "IN;LB\xc3\xa9;LB\xe0\x80\xaf;PG;"}};
    for (const auto &file : files)
        write_file(m_files.filePath(file.first), file.second);

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
    QTest::newRow("link the plugin lacks") << QStringList{"VXCTL_TARGET=link:SERIAL:/dev/x", "get", "SPEED"} << 1
                                           << "the plugin has no link SERIAL (it has USB:PATH, TCP:HOST)";
    QTest::newRow("target from the config file")
        << QStringList{"XDG_CONFIG_HOME=" + m_config_home.path(), "get", "SPEED"} << 1 << "cannot connect to 127.0.0.1";
    QTest::newRow("settings without a display or XDG_RUNTIME_DIR") // Qt's note on it stays off the terminal
        << QStringList{"XDG_RUNTIME_DIR=", "settings"} << 1 << "settings needs a display";
    QTest::newRow("machine stops the job")
        << QStringList{"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--sim-stop-after", "1"} << 1
        << "stopped on the machine";
    QTest::newRow("cloud without an outbox") << QStringList{"cloud", "list"} << 2 << "cloud --outbox FILE";
    QTest::newRow("cloud outbox missing") << QStringList{"cloud", "--outbox", "/nonexistent/o.sqlite", "list"} << 1
                                          << "no outbox at";
    QTest::newRow("NUL in a job file") << QStringList{"--sim", "job", m_files.filePath("nul.plt")} << 1
                                       << "is not plotter text: byte 0x00 at offset 22";
    QTest::newRow("SVG Qt cannot read") << QStringList{"job", DATA_DIR "/broken.svg", "--dry-run"} << 1
                                        << "broken.svg is not SVG that Qt's SVG module reads: Premature end of document";
    QTest::newRow("pages by what") << QStringList{"convert", "a.svg", "b.plt", "--pages-by", "page"} << 2
                                   << "--pages-by takes layer or none";
    QTest::newRow("no plotter text") << QStringList{"job", m_files.filePath("letter.txt"), "--dry-run"} << 1
                                     << "\"Dear operator, t\" at offset 0 has parameters that are no numbers";
    QTest::newRow("white-space page before a page") << QStringList{"--sim", "job", m_files.filePath("blank-page.plt")}
                                                    << 1 << "page 2 holds nothing but white space";
    QTest::newRow("invalid UTF-8") << QStringList{"--sim", "job", m_files.filePath("latin1.plt")} << 1
                                   << "is not plotter text: byte 0xe0 at offset 10: invalid UTF-8";
    QTest::newRow("FIFO as the job file") << QStringList{"--sim", "job", m_files.filePath("fifo.plt")} << 1
                                          << "fifo.plt is a FIFO, not a regular file";
    QTest::newRow("FIFO as the config file") << QStringList{"XDG_CONFIG_HOME=" + fifo_config, "get", "SPEED"} << 2
                                             << "config is a FIFO, not a regular file";
    QTest::newRow("--usb on a regular file") << QStringList{"--usb", m_files.filePath("letter.txt"), "get", "SPEED"}
                                             << 2 << "letter.txt is a regular file, not a character device";
    QTest::newRow("design larger than --area, dry run")
        << QStringList{"job", SAMPLES_DIR "/labels-3-pages.plt", "--dry-run", "--area", "200,30"} << 1
        << "does not fit the working area: the design reaches from 0.0,0.0 to 215.0,30.0 mm (215.0 x 30.0 mm), "
           "the working area is 0,0 to 200.0,30.0 mm (--area)";
    QTest::newRow("design larger than --area, job") // refused before anything is sent
        << QStringList{"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--area", "215,29.9"} << 1
        << "to 215.0,30.0 mm (215.0 x 30.0 mm), the working area is 0,0 to 215.0,29.9 mm";
    QTest::newRow("bad --area") << QStringList{"job", "x.plt", "--area", "300"} << 2 << "--area takes W,H in mm";
    QTest::newRow("picture without a dry run") << QStringList{"job", "x.plt", "--picture", "x.png"} << 2
                                               << "--picture goes with --dry-run";
    QTest::newRow("page larger than the controller takes")
        << QStringList{"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--max-page", "64"} << 1 << "has a page of 211 bytes";
    for (const char *timeout : {"abc", "nan", "1e12", "0", "-1"})
        QTest::addRow("timeout %s", timeout) << QStringList{"--timeout", timeout, "info"} << 2 << "--timeout takes";
    QTest::newRow("redo without resume") << QStringList{"job", "x.plt", "--redo-page"} << 2 << "goes with --resume";
    QTest::newRow("bad silence limit") << QStringList{"job", "x.plt", "--max-silence", "0"} << 2
                                       << "--max-silence takes seconds";
    QTest::newRow("QR files in a plotter job") << QStringList{"job", "x.plt", "--qr", "."} << 2 << "go with --mode 1";
    QTest::newRow("QR job without cut files") << QStringList{"job", "--mode", "1"} << 2 << "takes --qr DIR";
    QTest::newRow("fault for a replay") << QStringList{"--sim-replay", "x.trace", "--sim-drop-after", "1", "get", "SPEED"}
                                        << 2 << "--sim-drop-after does not apply to --sim-replay";
    QTest::newRow("trace that is not one") << QStringList{"trace", "show", SAMPLES_DIR "/box.plt"} << 1
                                           << "not a trace line";
    const auto with = [](const char *key, const QJsonValue &value) {
        return [=](QJsonObject journal) {
            journal.insert(key, value);
            return QJsonDocument(journal).toJson();
        };
    };
    QTest::newRow("corrupt journal") << resume_after_edit("corrupt", [](QJsonObject) { return "{\"pages\": 3,"; })
                                     << 1 << "is corrupt";
    QTest::newRow("journal of another file") << resume_after_edit("moved", with("file", "/elsewhere/job.plt")) << 1
                                             << "is of another file, /elsewhere/job.plt, not";
    QTest::newRow("journal of another machine")
        << resume_after_edit("machine", with("target", "tcp:10.0.0.9:9100")) << 1
        << "is of the job on tcp:10.0.0.9:9100, not on sim";
    QTest::newRow("job file changed since") << resume_after_edit("changed", with("modified", 0)) << 1
                                            << "changed since the job was interrupted";
    QTest::newRow("journal page beyond the file") << resume_after_edit("page", with("page", 4)) << 1
                                                  << "does not fit";
    QTest::newRow("journal copies left below none") << resume_after_edit("copies", with("copies_left", -1)) << 1
                                                    << "does not fit";
    QTest::newRow("journal that cannot be written") // a file where its folder should be
        << QStringList{"XDG_STATE_HOME=" + m_files.filePath("letter.txt"), "--sim", "job", SAMPLES_DIR "/box.plt"} << 0
        << "cannot write the journal";
    QTest::newRow("link lost mid-job")
        << QStringList{"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--sim-drop-after", "1"} << 1
        << "link lost during the job (TCP DISCONNECTED.)";
    // Each simulator fault vxctl gives on is checked as the simulator checks it.
    for (const vx::sim::SimulatorFault &fault : vx::sim::simulator_faults()) {
        if (!fault.host_flag || !fault.value_name)
            continue;
        const QString flag = QStringLiteral("--") + fault.host_flag;
        QTest::newRow(qPrintable(flag)) << QStringList{"--sim", flag, "x", "get", "SPEED"} << 2 << flag + " takes";
    }
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

// What vxctl changed to make a file what the controller takes, it says in
// the dry run, the job's header and their JSON events.
void tst_vxctl::normalised_jobs_data()
{
    const QList<QPair<const char *, QByteArray>> files{
        {"unclosed.plt", "IN;PD10,10;PG;PD1"}, {"ends-in-pg.plt", "IN;PD10,10;PG"},
        {"other-tools.plt", "\xef\xbb\xbfIN;SP1PA0,0PD400,0;;XY1;\f"}};
    for (const auto &file : files)
        write_file(m_files.filePath(file.first), file.second);

    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("output");
    QTest::newRow("last command without ;") << QStringList{"job", m_files.filePath("unclosed.plt"), "--dry-run"}
                                            << QStringList{"pages: 2\n", "changed to what the machine takes: 1 command closed"};
    QTest::newRow("file ending in PG") << QStringList{"--sim", "job", m_files.filePath("ends-in-pg.plt")}
                                       << QStringList{"1 page(s)", "machine takes: 1 command closed", "finished: 1 of 1"};
    QTest::newRow("dry run event") << QStringList{"--json", "job", m_files.filePath("other-tools.plt"), "--dry-run"}
                                   << QStringList{"\"changes\":[\"UTF-8 byte-order mark dropped\",\"2 commands closed\","
                                                  "\"1 empty command dropped\",\"trailing form feed dropped\"]",
                                                  "\"unknown\":[{\"command\":\"XY\",\"offset\":23}]"};
    QTest::newRow("design that just fits --area")
        << QStringList{"job", SAMPLES_DIR "/labels-3-pages.plt", "--dry-run", "--area", "215,30"}
        << QStringList{"\nworking area: 215.0 x 30.0 mm (--area)"};
    QTest::newRow("job within --area") << QStringList{"--sim", "job", m_files.filePath("ends-in-pg.plt"), "--area", "1,1"}
                                       << QStringList{"finished: 1 of 1"};
    QTest::newRow("area unknown") << QStringList{"--sim", "job", SAMPLES_DIR "/labels-3-pages.plt", "--dry-run"}
                                  << QStringList{"working area: unknown (the machine has no working-area settings, "
                                                 "no --area): the design is not checked against it"};
    QTest::newRow("start event") << QStringList{"--sim", "--json", "job", m_files.filePath("ends-in-pg.plt")}
                                 << QStringList{"\"changes\":[\"1 command closed\"]"};
}

void tst_vxctl::normalised_jobs()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, output);
    const Run run = vxctl(arguments);
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    for (const QString &text : output)
        QVERIFY2(run.out.contains(text), qPrintable(run.out));
}

// An SVG drawing is cut at its own size, y up from its lower left, its
// text as outlines; the figures are worked out by hand. A converted file
// cuts the same.
void tst_vxctl::svg_drawings_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QRectF>("box_mm"); // empty: only that something is cut
    QTest::addColumn<double>("cut_mm");
    QTest::addColumn<QString>("imported");
    const auto job = [](const char *file) { return QStringList{"job", DATA_DIR "/" + QString(file)}; };
    QTest::newRow("filled rectangle") << job("rect-100x50mm.svg") << 1 << QRectF(0, 0, 100, 50) << 300.0
                                      << "1 outline(s) of rect-100x50mm.svg taken as cut lines (100.0 x 50.0 mm)";
    QTest::newRow("stroked circle, cm") << job("circle-r20mm.svg") << 1 << QRectF(10, 10, 40, 40) << 40 * M_PI
                                        << "1 outline(s)";
    QTest::newRow("transforms, y up") << job("transform.svg") << 1 << QRectF(10, 25, 40, 20) << 120.0 << "";
    QTest::newRow("inches and px") << job("inches.svg") << 1 << QRectF(0, 0, 101.6, 50.8) << 152.4 << "";
    QTest::newRow("mm without a view box: px at 96/in") << job("mm-without-view-box.svg") << 1 << QRectF(0, 0, 100, 50)
                                                        << 300.0 << "";
    QTest::newRow("layers on one page") << job("two-layers.svg") << 1 << QRectF(0, 0, 100, 50) << 300 + 20 + 10 * M_SQRT2
                                        << "2 outline(s)";
    QTest::newRow("a page per layer") << job("two-layers.svg") + QStringList{"--pages-by", "layer"} << 2
                                      << QRectF(0, 0, 100, 50) << 300 + 20 + 10 * M_SQRT2 << "";
    QTest::newRow("a group without an id is told")
        << job("group-without-id.svg") + QStringList{"--pages-by", "layer"} << 1 << QRectF(0, 5, 5, 5) << 20.0
        << "not cut: 1 top-level group(s) without an id (give each an id, or --pages-by none); nothing to cut in: e; "
           "not cut: 1 element(s) outside any top-level group (--pages-by none cuts them)";
    QTest::newRow("polygon filled and stroked, cut once") << job("polygon-filled.svg") << 1 << QRectF(0, 70, 40, 30)
                                                         << 120.0 << "1 outline(s)";
    QTest::newRow("arc radius scaled up to its end points") << job("arc-radius-scaled.svg") << 1
                                                            << QRectF(10, 30, 40, 20) << 20 * M_PI << "";
    QTest::newRow("text as glyph outlines") << job("text.svg") << 1 << QRectF() << 0.0 << "2 outline(s)";
    QTest::newRow("converted, a page per layer")
        << QStringList{"convert", DATA_DIR "/two-layers.svg", m_files.filePath("layers.plt"), "--pages-by", "layer"}
        << 2 << QRectF(0, 0, 100, 50) << 300 + 20 + 10 * M_SQRT2 << "";
}

void tst_vxctl::svg_drawings()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, pages);
    QFETCH(QRectF, box_mm);
    QFETCH(double, cut_mm);
    QFETCH(QString, imported);
    if (arguments.first() == "convert") {
        const Run run = vxctl(arguments);
        QVERIFY2(run.exit_code == 0, qPrintable(run.err));
        arguments = QStringList{"job", arguments.at(2)};
    }
    const Run run = vxctl(QStringList{"--json"} + arguments + QStringList{"--dry-run"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    const QJsonObject dry_run = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(dry_run["pages"].toInt(), pages);
    QVERIFY2(dry_run["imported"].toString().contains(imported), qPrintable(run.out));
    const QJsonObject box = dry_run["box_mm"].toObject();
    if (box_mm.isEmpty()) {
        QVERIFY2(dry_run["cut_mm"].toDouble() > 50.0, qPrintable(run.out));
        QVERIFY2(box["min_x"].toDouble() > 0.0 && box["max_y"].toDouble() < 50.0, qPrintable(run.out));
        return;
    }
    const QRectF found(QPointF(box["min_x"].toDouble(), box["min_y"].toDouble()),
                       QPointF(box["max_x"].toDouble(), box["max_y"].toDouble()));
    for (const QPointF &edge : {QPointF(box_mm.left(), found.left()), QPointF(box_mm.top(), found.top()),
                                QPointF(box_mm.right(), found.right()), QPointF(box_mm.bottom(), found.bottom())})
        QVERIFY2(qAbs(edge.x() - edge.y()) <= 0.2, qPrintable(run.out));
    QVERIFY2(qAbs(dry_run["cut_mm"].toDouble() - cut_mm) <= cut_mm * 0.005, qPrintable(run.out));
}

// The arguments that resume a job interrupted on the simulator, with its
// journal edited; each row has a state folder of its own.
QStringList tst_vxctl::resume_after_edit(const QString &name, const std::function<QByteArray(QJsonObject)> &edit)
{
    const QString file = m_files.filePath("interrupted.plt");
    if (m_journal.isEmpty()) {
        QFile::copy(SAMPLES_DIR "/labels-3-pages.plt", file);
        const QString state = m_files.filePath("interrupted");
        vxctl({"XDG_STATE_HOME=" + state, "--sim", "job", file, "--sim-drop-after", "1"});
        const QDir jobs(state + "/vxctl/jobs");
        m_journal = jobs.entryList({"*.json"}).value(0);
        QFile journal(jobs.filePath(m_journal));
        if (!journal.open(QIODevice::ReadOnly))
            return {"no journal was written"};
        m_journal_text = journal.readAll();
    }
    const QString state = m_files.filePath(name);
    QDir().mkpath(state + "/vxctl/jobs");
    write_file(state + "/vxctl/jobs/" + m_journal, edit(QJsonDocument::fromJson(m_journal_text).object()));
    return {"XDG_STATE_HOME=" + state, "--sim", "job", file, "--resume"};
}

// A stop in either copy, by Ctrl-C or by the q key on a terminal, stops
// the job on the machine and says where it stood; so does a machine that
// falls silent, asked to stop by vxctl. A stop the machine leaves
// unanswered is not called one, and a second Ctrl-C does not wait for it.
// A quiet machine on a long page is not silent.
void tst_vxctl::stops_data()
{
    QTest::addColumn<QStringList>("job");
    QTest::addColumn<QString>("copy"); // shown before the stop
    QTest::addColumn<bool>("by_key");
    QTest::addColumn<int>("interrupts");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QStringList>("told");

    // A copy takes about 0.3 s: a stop lands within milliseconds of the
    // line that asks for it, well inside the copy even on a busy machine.
    const QStringList spiral{"job", SAMPLES_DIR "/spiral-5000-segments.plt", "--copies", "2", "--sim-speed", "32000"};
    // 3 s a copy, a stop asked for in vain.
    const QStringList ignored = spiral + QStringList{"--sim-speed", "3200", "--sim-ignore-stop"};
    // The first page takes 0.9 s, reported only at its end.
    const QStringList quiet{"--sim-speed", "1000", "--sim-progress-interval", "0", "job", m_files.filePath("quiet.plt")};
    const QString unconfirmed = "the machine did not confirm the stop: it may still be cutting page 1 of 2";
    QTest::newRow("Ctrl-C in copy 1") << spiral << "copy 1/2" << false << 1 << 130
                                      << QStringList{"job stopped", "stopped after 0 of 2 copies (page "};
    QTest::newRow("Ctrl-C in copy 2") << spiral << "copy 2/2" << false << 1 << 130
                                      << QStringList{"job stopped", "stopped after 1 of 2 copies (page "};
    QTest::newRow("q in copy 2") << spiral << "copy 2/2" << true << 1 << 130
                                 << QStringList{"job stopped", "stopped after 1 of 2 copies (page "};
    QTest::newRow("stop left unanswered") << ignored + QStringList{"--timeout", "0.5", "--json"} << "\"copy\":1" << false
                                          << 1 << 1 << QStringList{"\"outcome\":\"stop_unconfirmed\"", "vxctl: " + unconfirmed};
    QTest::newRow("second Ctrl-C while the stop is unanswered")
        << ignored << "copy 1/2" << false << 2 << 1
        << QStringList{"0 of 2 copies done; " + unconfirmed, "once the machine has stopped, resume cuts page 2 of copy 1",
                       "vxctl: " + unconfirmed};
    QTest::newRow("quiet machine on a long page") << quiet + QStringList{"--timeout", "0.5"} << QString() << false << 0 << 0
                                                  << QStringList{"finished: 1 of 1 copies"};
    // The second copy's silence comes before any report of its own: the
    // record shown is the first copy's.
    const QStringList silent = quiet + QStringList{"--from-page", "2", "--copies-left", "2", "--max-silence", "0.5",
                                                   "--sim-speed", "500"};
    QTest::newRow("silent machine stopped")
        << silent << QString() << false << 0 << 1
        << QStringList{"nothing heard from the machine for 0.5 s: stopping...", "stopped after 1 of 2 copies (page 1 of 2)",
                       "record {\"FileName\":\"quiet.plt\",\"Finished\":1,", "it confirmed the stop"};
    QTest::newRow("silent machine leaves the stop unanswered")
        << silent + QStringList{"--sim-ignore-stop", "--timeout", "0.5"} << QString() << false << 0 << 1
        << QStringList{"the machine stopped answering (nothing heard for 0.5 s); " + unconfirmed,
                       "1 of 2 copies done; " + unconfirmed, "record {\"FileName\":\"quiet.plt\",\"Finished\":1,"};
}

void tst_vxctl::stops()
{
    QFETCH(QStringList, job);
    QFETCH(QString, copy);
    QFETCH(bool, by_key);
    QFETCH(int, interrupts);
    QFETCH(int, exit_code);
    QFETCH(QStringList, told);
    const QStringList command = QStringList{VXCTL_PATH, "--sim"} + job;
    // script(1) gives vxctl a terminal whose keys are what the test writes.
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (by_key && script.isEmpty())
        QSKIP("no script(1) to give vxctl a terminal");
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (by_key)
        process.start(script, {"-qfec", command.join(QLatin1Char(' ')), "/dev/null"});
    else
        process.start(command.first(), command.mid(1));
    QVERIFY(process.waitForStarted());
    QByteArray output;
    if (interrupts > 0)
        VX_TRY_VERIFY_WITH_TIMEOUT((output += process.readAll()).contains(copy.toUtf8()), 20000);
    if (by_key)
        process.write("q");
    else if (interrupts > 0)
        ::kill(pid_t(process.processId()), SIGINT);
    QElapsedTimer second;
    if (interrupts > 1) {
        VX_TRY_VERIFY_WITH_TIMEOUT((output += process.readAll()).contains("stopping..."), 5000);
        ::kill(pid_t(process.processId()), SIGINT);
        second.start();
    }
    QVERIFY(process.waitForFinished(10000));
    // The machine's answer is awaited for 3 s: a second Ctrl-C leaves at once.
    QVERIFY(!second.isValid() || second.elapsed() < 2500);
    output += process.readAll();
    QCOMPARE(process.exitCode(), exit_code);
    for (const QString &text : told)
        QVERIFY2(output.contains(text.toUtf8()), qPrintable(text + "\n" + output));
    // A stop the machine did not confirm is never called one.
    if (output.contains("did not confirm"))
        QVERIFY2(!output.contains("stopped after") && !output.contains("job stopped"), output.constData());
}

// The simulator --sim starts dies with vxctl, even with a vxctl killed
// outright: it is told so in the child, before it runs.
void tst_vxctl::simulator_ends_with_vxctl()
{
    QProcess process;
    process.start(VXCTL_PATH, {"--sim", "--sim-speed", "1000", "job", SAMPLES_DIR "/spiral-5000-segments.plt"});
    const QRegularExpression on(QStringLiteral("on the simulator on ([^:\\s]+):(\\d+)"));
    QString output;
    VX_TRY_VERIFY_WITH_TIMEOUT(on.match(output += QString::fromUtf8(process.readAllStandardOutput())).hasMatch(), 10000);
    const QRegularExpressionMatch simulator = on.match(output);
    ::kill(pid_t(process.processId()), SIGKILL);
    QVERIFY(process.waitForFinished());
    const auto listening = [&simulator] {
        QTcpSocket probe;
        probe.connectToHost(simulator.captured(1), quint16(simulator.captured(2).toUInt()));
        return probe.waitForConnected(1000);
    };
    VX_TRY_VERIFY_WITH_TIMEOUT(!listening(), 5000);
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
    QVERIFY(run.out.contains("--timeout <s>") && run.out.contains("--qr-max-skips <n>"));
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
    run = vxctl({"--log", log, "get", "SPEED", "TASK_COPIES", "--timeout", "5"});
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    // The label of copies says the unit: printed once ("Copies", not "Copies copies").
    QVERIFY2(run.out.contains(QRegularExpression("TASK_COPIES = 1    \\S+\n$")), qPrintable(run.out));
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains(" vx.ctl info: connected to the simulator"));

    // A command is a file and a row: a vxctl built with one more for the
    // tests lists it, runs it and checks its arguments and options.
    const QString with_echo = QStringLiteral(VXCTL_ECHO_PATH);
    run = run_program(with_echo, {"help"});
    QVERIFY2(run.out.contains(QRegularExpression("\n  echo WORDS[.]{3} +say the words back\n")), qPrintable(run.out));
    run = run_program(with_echo, {"echo", "a", "b", "--loud"});
    QCOMPARE(run.out, QStringLiteral("A B\n"));
    run = run_program(with_echo, {"echo"});
    QVERIFY2(run.exit_code == 2 && run.err.contains("echo takes words"), qPrintable(run.err));
    run = run_program(with_echo, {"ports", "--loud"});
    QVERIFY2(run.exit_code == 2 && run.err.contains("--loud"), qPrintable(run.err));
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
    QFile header(trace);
    QVERIFY(header.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(header.readLine()).contains(QRegularExpression("\"target\":\"TCP 127\\.0\\.0\\.1:\\d+\"")));
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

    // The sample's pages differ, so the trace tells which page went.
    QFile recording(trace);
    QVERIFY(recording.open(QIODevice::ReadOnly));
    QSet<QByteArray> pages;
    int sent = 0;
    for (const QByteArray &line : recording.readAll().split('\n')) {
        if (line.contains(";PPLT;")) {
            pages.insert(line.mid(line.indexOf(";PPLT;")));
            ++sent;
        }
    }
    QVERIFY2(sent == 3 && pages.size() == sent, qPrintable(QString::number(pages.size())));
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

// The completion in a bash without the bash-completion package, as bash
// calls it: the words so far, the last one being completed.
void tst_vxctl::shell_completion_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("commands") << QStringList{"se"} << QStringList{"set", "settings"};
    QTest::newRow("trace's sub-commands") << QStringList{"trace", ""} << QStringList{"show", "stats"};
    QTest::newRow("cloud's sub-commands") << QStringList{"--log", "x", "cloud", "p"} << QStringList{"purge"};
    QTest::newRow("job's options") << QStringList{"job", "--copies"} << QStringList{"--copies", "--copies-left"};
    QTest::newRow("another command's option") << QStringList{"cloud", "--j"} << QStringList{};
    QTest::newRow("vxctl's own, for the machine") << QStringList{"get", "--ti"} << QStringList{"--timeout"};
    QTest::newRow("no machine for ports") << QStringList{"ports", "--t"} << QStringList{};
    QTest::newRow("keys get reads") << QStringList{"--sim", "get", "PCB_"} << QStringList{"PCB_ID", "PCB_VERSION"};
    QTest::newRow("keys set writes") << QStringList{"set", "SPEED=200", "SP"} << QStringList{"SPEED="};
    QTest::newRow("a read-only key") << QStringList{"set", "FIRM"} << QStringList{};
    QTest::newRow("an action") << QStringList{"get", "TASK_S"} << QStringList{};
    QTest::newRow("an option's value") << QStringList{"job", "--copies", ""} << QStringList{};
    QTest::newRow("help's command") << QStringList{"help", "tr"} << QStringList{"trace"};
    QTest::newRow("a job file") << QStringList{"job", SAMPLES_DIR "/bo"} << QStringList{SAMPLES_DIR "/box.plt"};
    QTest::newRow("a drawing to convert") << QStringList{"convert", DATA_DIR "/rect-"}
                                          << QStringList{DATA_DIR "/rect-100x50mm.svg"};
    QTest::newRow("a folder") << QStringList{"job", "--qr", SAMPLES_DIR "/tr"} << QStringList{SAMPLES_DIR "/traces"};
    QStringList ports;
    for (const QString &line : vxctl({"ports"}).out.split('\n', Qt::SkipEmptyParts))
        ports << line.section("  ", 0, 0);
    QTest::newRow("--usb from ports") << QStringList{"--usb", ""} << ports;
    QTest::newRow("every command of the help") << QStringList{""} << help_commands();
}

void tst_vxctl::shell_completion()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, offered);
    QProcess bash;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8"); // a locale bash has
    bash.setProcessEnvironment(environment);
    bash.start("bash", QStringList{"--norc", "--noprofile", "-c",
                                   "source \"$0\"; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _vxctl; "
                                   "printf '%s\\n' \"${COMPREPLY[@]}\"",
                                   VXCTL_COMPLETION, VXCTL_PATH} + words);
    QVERIFY(bash.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(bash.readAllStandardError()), QString());
    QStringList reply = QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    reply.sort();
    offered.sort();
    QCOMPARE(reply, offered);
}

// man renders the page without a warning, with its sections, every option
// of the help and each usage on a line of its own.
void tst_vxctl::man_page()
{
#ifndef VXCTL_MAN_PAGE
    QSKIP("a sanitized tree builds no man page");
#else
    QProcess man;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MANWIDTH", "100");
    environment.insert("LC_ALL", "C.UTF-8");
    man.setProcessEnvironment(environment);
    man.start("man", {"--warnings", "-l", VXCTL_MAN_PAGE});
    QVERIFY(man.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(man.readAllStandardError()), QString());
    const QString page = QString::fromUtf8(man.readAllStandardOutput());
    for (const char *section : {"SYNOPSIS", "COMMANDS", "OPTIONS", "FILES", "ENVIRONMENT", "EXIT STATUS", "EXAMPLES"})
        QVERIFY2(page.contains(QRegularExpression(QStringLiteral("^%1$").arg(section), QRegularExpression::MultilineOption)), section);
    const Run help = vxctl({"--help"});
    for (auto it = QRegularExpression("^  (?:-\\w, )?(--[a-z-]+)", QRegularExpression::MultilineOption).globalMatch(help.out);
         it.hasNext();) {
        const QString option = it.next().captured(1);
        QVERIFY2(page.contains(QRegularExpression(option + "(?![a-z-])")), qPrintable(option));
    }
    const QStringList commands = help_commands();
    QVERIFY(commands.contains("job") && commands.contains("cloud") && commands.contains("trace"));
    for (const QString &command : commands) {
        QVERIFY2(page.contains(QRegularExpression("^ +" + command + "\\b", QRegularExpression::MultilineOption)),
                 qPrintable(command));
        for (const QString &line : vxctl({"help", command}).out.split('\n')) {
            if (!line.startsWith("usage: "))
                continue;
            const QString usage = QRegularExpression::escape(line.mid(7));
            QVERIFY2(page.contains(QRegularExpression("^ +" + usage + "$", QRegularExpression::MultilineOption)),
                     qPrintable(line));
        }
    }
#endif
}

QTEST_GUILESS_MAIN(tst_vxctl)
#include "tst_vxctl.moc"
