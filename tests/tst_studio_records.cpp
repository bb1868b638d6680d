// The console's records and settings: the job history across a restart,
// its search and CSV export, a database that is not ours left alone,
// material presets in QSettings and applied against the simulator, the
// trace viewer against vxctl trace show, the test cut read by the
// interpreter.
#include "controller_simulator.h"
#include "event_wait.h"
#include "history_dialog.h"
#include "hpgl_interpreter.h"
#include "job_history.h"
#include "material_presets.h"
#include "property_io.h"
#include "settings_dialog.h"
#include "settings_window.h"
#include "test_cut.h"
#include "trace_dialog.h"
#include "trace_table.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QPluginLoader>
#include <QtCore/QProcess>
#include <QtCore/QScopedPointer>
#include <QtCore/QSettings>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>
#include <QtTest/QtTest>
#include <QtWidgets/QDoubleSpinBox>
#include <QtWidgets/QPushButton>

namespace {
const int kTimeoutMs = 2000;
const QString kVinylLabels = QStringLiteral("/jobs/vinyl-labels.plt");
const QString kFelt = QStringLiteral("/jobs/felt, \"big\".plt");
const QString kVinylBox = QStringLiteral("/jobs/vinyl box, small.plt");

QDateTime local(const QString &text)
{
    return QDateTime::fromString(text, Qt::ISODate);
}

QByteArray file_bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Three jobs: one finished, one whose link was lost, one begun by a console
// that ended during it (the history closed without its end).
void write_jobs(JobHistory &history)
{
    JobEntry job;
    job.file = kVinylLabels;
    job.machine = QStringLiteral("TCP 10.0.0.7:9100");
    job.copies_ordered = 2;
    job.started = local("2026-03-01T10:00:00");
    const qint64 first = history.begin(job);
    QVERIFY2(first > 0, qPrintable(history.error()));
    job.copies_finished = 2;
    job.outcome = QStringLiteral("finished");
    job.ended = job.started.addSecs(90);
    job.record = QStringLiteral("{\"status\":0,\"finished\":2}");
    job.trace = QStringLiteral("/traces/labels.jsonl");
    QVERIFY2(history.finish(first, job), qPrintable(history.error()));
    JobEntry felt;
    felt.file = kFelt;
    felt.machine = job.machine;
    felt.copies_ordered = 1;
    felt.started = local("2026-03-05T23:59:00");
    const qint64 second = history.begin(felt);
    felt.outcome = QStringLiteral("link_lost");
    QVERIFY(history.finish(second, felt));
    QVERIFY2(!history.finish(second, felt), "a job ends once");
    JobEntry box = job;
    box.file = kVinylBox;
    box.started = local("2026-03-10T08:00:00");
    box.trace.clear();
    QVERIFY(history.begin(box) > second);
}
} // namespace

class tst_studio_records : public QObject
{
    Q_OBJECT

private slots:
    void history_found_data();
    void history_found();
    void csv_export_data();
    void csv_export();
    void not_a_history_left_alone_data();
    void not_a_history_left_alone();
    void presets_kept_data();
    void presets_kept();
    void preset_applied_data();
    void preset_applied();
    void trace_dialog_shows_vxctl_rows_data();
    void trace_dialog_shows_vxctl_rows();
    void test_cut_data();
    void test_cut();
};

void tst_studio_records::history_found_data()
{
    QTest::addColumn<bool>("restart");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("file_contains");
    QTest::addColumn<QStringList>("found"); // file: outcome, newest first

    const QStringList all{kVinylBox + ": unknown", kFelt + ": link_lost", kVinylLabels + ": finished"};
    QTest::newRow("after a restart, a running row reads unknown") << true << QDate() << QDate() << "" << all;
    QTest::newRow("the console's own running row is running")
        << false << QDate() << QDate() << "" << QStringList{kVinylBox + ": running", all.at(1), all.at(2)};
    QTest::newRow("one day, to its last minute") << true << QDate(2026, 3, 5) << QDate(2026, 3, 5) << ""
                                                 << QStringList{all.at(1)};
    QTest::newRow("days inclusive") << true << QDate(2026, 3, 1) << QDate(2026, 3, 5) << ""
                                    << QStringList{all.at(1), all.at(2)};
    QTest::newRow("file text in any case") << true << QDate() << QDate() << "VINYL" << QStringList{all.at(0), all.at(2)};
    QTest::newRow("a percent sign is text") << true << QDate() << QDate() << "%" << QStringList();
    QTest::newRow("a quote is text") << true << QDate(2026, 1, 1) << QDate(2026, 12, 31) << "\"big\""
                                     << QStringList{all.at(1)};
}

void tst_studio_records::history_found()
{
    QFETCH(bool, restart);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, file_contains);
    QFETCH(QStringList, found);
    QTemporaryDir dir;
    const QString path = dir.filePath("made/on/demand/history.sqlite");
    QString error;
    JobHistory history;
    QVERIFY2(history.open(path, &error), qPrintable(error));
    write_jobs(history);
    // A restart: the history closed, another object opens it, as a console started later does.
    if (restart)
        history.close();
    JobHistory later;
    QVERIFY(later.open(path, &error));
    const QVector<JobEntry> entries = (restart ? later : history).find(from, to, file_contains);
    QStringList listed;
    for (const JobEntry &entry : entries)
        listed << entry.file + ": " + entry.outcome;
    QCOMPARE(listed, found);
    for (const JobEntry &entry : entries) {
        if (restart && entry.file == kVinylLabels) {
            QCOMPARE(entry.copies_ordered, 2);
            QCOMPARE(entry.copies_finished, 2);
            QCOMPARE(entry.started, local("2026-03-01T10:00:00"));
            QCOMPARE(entry.duration_ms, qint64(90000));
            QCOMPARE(entry.record, QString("{\"status\":0,\"finished\":2}"));
            QCOMPARE(entry.trace, QString("/traces/labels.jsonl"));
        }
        if (entry.outcome == JobEntry::kUnknown || entry.outcome == JobEntry::kRunning)
            QVERIFY(!entry.ended.isValid() && entry.duration_ms < 0);
    }
    // The dialog shows the same rows, the outcome as the operator reads it.
    if (restart) {
        HistoryDialog dialog(&later);
        dialog.set_filter(from.isValid() ? from : QDate(2000, 1, 1), to.isValid() ? to : QDate(2100, 1, 1), file_contains);
        QCOMPARE(dialog.model()->rowCount(), found.size());
        if (!found.isEmpty() && found.first().endsWith("unknown"))
            QCOMPARE(dialog.model()->index(0, 4).data().toString(), QString("unknown: the console ended during the job"));
    }
}

void tst_studio_records::csv_export_data()
{
    QTest::addColumn<QString>("path"); // %1: a scratch folder
    QTest::addColumn<QByteArray>("csv"); // empty: the export fails

    const QByteArray titles = "id,file,machine,copies ordered,copies finished,outcome,started (UTC),ended (UTC),"
                              "duration (s),machine's record,trace\r\n";
    QTest::newRow("quoted where RFC 4180 asks")
        << "%1/jobs.csv"
        << titles
               + "3,\"/jobs/vinyl box, small.plt\",TCP 10.0.0.7:9100,2,0,unknown: the console ended during the job,"
                 "2026-03-10T07:00:00.000Z,,,,\r\n"
                 "2,\"/jobs/felt, \"\"big\"\".plt\",TCP 10.0.0.7:9100,1,0,link lost: whether the machine stopped is unknown,"
                 "2026-03-05T22:59:00.000Z,2026-03-05T22:59:00.000Z,0.000,,\r\n"
                 "1,/jobs/vinyl-labels.plt,TCP 10.0.0.7:9100,2,2,finished,2026-03-01T09:00:00.000Z,"
                 "2026-03-01T09:01:30.000Z,90.000,\"{\"\"status\"\":0,\"\"finished\"\":2}\",/traces/labels.jsonl\r\n";
    QTest::newRow("a folder nobody may write") << "/proc/vxstudio-jobs.csv" << QByteArray();
    QTest::newRow("a folder that is a file") << "%1/history.sqlite/jobs.csv" << QByteArray();
}

void tst_studio_records::csv_export()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, csv);
    qputenv("TZ", "Europe/Berlin"); // the times are written in UTC whatever the zone
    QTemporaryDir dir;
    if (path.contains("%1"))
        path = path.arg(dir.path());
    QString error;
    {
        JobHistory earlier;
        QVERIFY(earlier.open(dir.filePath("history.sqlite"), &error));
        write_jobs(earlier);
    }
    JobHistory history;
    QVERIFY(history.open(dir.filePath("history.sqlite"), &error));
    // The felt job ended at once: its end is when finish was called, so fix it.
    QVector<JobEntry> entries = history.find(QDate(), QDate(), QString());
    QCOMPARE(entries.size(), 3);
    entries[1].ended = entries[1].started;
    entries[1].duration_ms = 0;
    const bool done = JobHistory::export_csv(path, entries, &error);
    qunsetenv("TZ");
    QCOMPARE(done, !csv.isEmpty());
    if (done) {
        QCOMPARE(file_bytes(path), csv);
        QVERIFY(QDir(dir.path()).entryList({"*.csv*"}, QDir::Files | QDir::Hidden) == QStringList{"jobs.csv"});
    } else {
        QVERIFY2(error.startsWith("cannot write " + path), qPrintable(error));
        QVERIFY(!QFileInfo::exists(path));
    }
}

void tst_studio_records::not_a_history_left_alone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error"); // after "the job history PATH is not used and is left as it is: "

    QTest::newRow("a text file") << "text" << "it is not a database or is damaged (file is not a database";
    QTest::newRow("a damaged database") << "damaged" << "it is";
    QTest::newRow("a later schema") << "later" << "it was written by a later version (schema 7; this one reads 1)";
    QTest::newRow("another program's database") << "other" << "it is a database of something else";
}

void tst_studio_records::not_a_history_left_alone()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath("history.sqlite");
    if (kind == "text") {
        write_file(path, QByteArray("jobs of last year\n").repeated(300));
    } else if (kind == "damaged") {
        {
            JobHistory history;
            QString reason;
            QVERIFY(history.open(path, &reason));
            JobEntry job;
            job.file = QString(500, 'x');
            for (int i = 0; i < 100; ++i)
                history.begin(job);
        }
        QByteArray bytes = file_bytes(path);
        QVERIFY(bytes.size() > 3 * 4096);
        bytes.replace(4096, 8192, QByteArray(8192, '\xab'));
        write_file(path, bytes);
    } else {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "made by hand");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(kind == "later" ? "PRAGMA user_version = 7" : "CREATE TABLE photos (name TEXT)"));
        query.finish();
        db.close();
    }
    if (kind != "text")
        QSqlDatabase::removeDatabase("made by hand");
    const QByteArray before = file_bytes(path);

    JobHistory history;
    QString reason;
    QVERIFY(!history.open(path, &reason));
    const QString prefix = QString("the job history %1 is not used and is left as it is: ").arg(path);
    QVERIFY2(reason.startsWith(prefix + error), qPrintable(reason));
    QVERIFY(!history.is_open());
    QCOMPARE(history.begin(JobEntry()), qint64(0));
    QCOMPARE(file_bytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"history.sqlite"});
}

void tst_studio_records::presets_kept_data()
{
    QTest::addColumn<QStringList>("steps"); // save NAME K=V,K=V | delete NAME; "!" after the verb: it is refused
    QTest::addColumn<QStringList>("names");  // after reopening the settings
    QTest::addColumn<QString>("values");     // of the first name

    QTest::newRow("saved, read after a restart") << QStringList{"save vinyl SPEED=300,PRESSURE=120", "save felt SPEED=80"}
                                                 << QStringList{"felt", "vinyl"} << "SPEED=80";
    QTest::newRow("saved again: replaced") << QStringList{"save felt SPEED=80", "save felt PRESSURE=90,SPEED=60"}
                                           << QStringList{"felt"} << "PRESSURE=90,SPEED=60";
    QTest::newRow("deleted") << QStringList{"save felt SPEED=80", "save vinyl SPEED=300", "delete felt"}
                             << QStringList{"vinyl"} << "SPEED=300";
    QTest::newRow("a name of spaces refused") << QStringList{"save! _ SPEED=80"} << QStringList() << "";
    QTest::newRow("no values refused") << QStringList{"save! felt"} << QStringList() << "";
    QTest::newRow("deleting what is not there refused") << QStringList{"save felt SPEED=80", "delete! vinyl"}
                                                        << QStringList{"felt"} << "SPEED=80";
}

void tst_studio_records::presets_kept()
{
    QFETCH(QStringList, steps);
    QTemporaryDir dir;
    const QString file = dir.filePath("vxstudio.conf");
    {
        QSettings settings(file, QSettings::IniFormat);
        MaterialPresets presets(&settings);
        for (const QString &step : steps) {
            const QStringList words = step.split(' ');
            MaterialPresets::Values values;
            for (const QString &pair : words.value(2).split(',', Qt::SkipEmptyParts))
                values.insert(pair.section('=', 0, 0), pair.section('=', 1));
            const QString name = words.at(1) == "_" ? "   " : words.at(1);
            QString error;
            const bool done = words.first().startsWith("save") ? presets.save(name, values, &error)
                                                                : presets.remove(name, &error);
            QVERIFY2(done != words.first().endsWith('!'), qPrintable(step + ": " + error));
            QCOMPARE(error.isEmpty(), done);
        }
    }
    QSettings settings(file, QSettings::IniFormat);
    MaterialPresets presets(&settings);
    QTEST(presets.names(), "names");
    QStringList values;
    const MaterialPresets::Values held = presets.values(presets.names().value(0));
    for (auto it = held.cbegin(); it != held.cend(); ++it)
        values << it.key() + '=' + it.value();
    QTEST(values.join(','), "values");
}

void tst_studio_records::preset_applied_data()
{
    QTest::addColumn<QString>("preset");     // K=V,K=V; empty: the fields as read, saved as a preset
    QTest::addColumn<int>("refused_command");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("held");   // KEY=value, read afresh

    QTest::newRow("one value refused, the other written")
        << "PRESSURE=120,SPEED=300" << 6
        << "Preset “p” put into the fields, then applied:\n"
           "Written: Pressure 200 → 120.\nRefused by the machine: Speed 150 → 300 (result 1)."
        << QStringList{"SPEED=150", "PRESSURE=120"};
    QTest::newRow("a value no field takes is not put in")
        << "PRESSURE=100,SPEED=5" << 0
        << "Preset “p” put into the fields, then applied; not put in: Speed takes 10 to 300 mm/s; got 5.\n"
           "Written: Pressure 200 → 100."
        << QStringList{"SPEED=150", "PRESSURE=100"};
    QTest::newRow("the fields as read, saved and applied, send nothing")
        << "" << 0 << "Preset “p” put into the fields, then applied:\nNothing was changed; nothing was sent."
        << QStringList{"SPEED=150", "PRESSURE=200"};
}

void tst_studio_records::preset_applied()
{
    QFETCH(QString, preset);
    QFETCH(int, refused_command);
    QFETCH(QStringList, held);
    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    QVERIFY2(root, qPrintable(loader.errorString()));
    vx::sim::SimulatorOptions options;
    options.refused_command = refused_command;
    bool connected = false;
    vx::sim::ControllerSimulator sim(options);
    const quint16 port = sim.listen(0);
    QVERIFY(port != 0);
    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    connect(device.data(), &VXDeviceInterface::message, this, [&](VXDeviceInterface::VXDeviceMessage, const QString &text) {
        connected = connected || text == QLatin1String("TCP CONNECTED.");
    });
    device->property_ptr("TCP_PORT")->setValue(int(port));
    device->setIPAddress(QStringLiteral("127.0.0.1"));
    QVERIFY(device->connectDevice());
    QVERIFY(wait_until([&] { return connected; }));
    const QStringList unread = read_values(device.data(), readable_settings(device.data()), kTimeoutMs);

    QTemporaryDir dir;
    QSettings settings(dir.filePath("vxstudio.conf"), QSettings::IniFormat);
    MaterialPresets presets(&settings);
    SettingsDialog dialog(device.data(), kTimeoutMs, unread, &presets);
    dialog.show();
    if (preset.isEmpty()) {
        QVERIFY(dialog.save_preset("p"));
        QVERIFY2(presets.values("p").value("SPEED") == "150", qPrintable(dialog.status_text()));
    } else {
        MaterialPresets::Values values;
        for (const QString &pair : preset.split(','))
            values.insert(pair.section('=', 0, 0), pair.section('=', 1));
        QString error;
        QVERIFY(presets.save("p", values, &error));
    }
    QVERIFY(dialog.apply_preset("p"));
    QTEST(dialog.status_text(), "status");
    QStringList keys;
    for (const QString &value : held)
        keys << value.section('=', 0, 0);
    QCOMPARE(read_values(device.data(), keys, kTimeoutMs), QStringList());
    for (const QString &value : held)
        QCOMPARE(value_text(device->property_ptr(value.section('=', 0, 0).toLatin1().constData())), value.section('=', 1));
    // The window's Cancel closes the dialog, not the window inside it.
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == "Cancel")
            button->click();
    }
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.settings()->isVisibleTo(&dialog));
}

void tst_studio_records::trace_dialog_shows_vxctl_rows_data()
{
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QByteArray>("written"); // the trace file's bytes, for a trace made here
    QTest::addColumn<QString>("status");     // the dialog's line after the header

    const QByteArray header = "{\"vx_trace\":1,\"target\":\"TCP 10.0.0.7:9100\"}\n";
    const auto tx = [](const QByteArray &escaped) {
        return "{\"t\":0,\"dir\":\"tx\",\"link\":\"TCP\",\"text\":\"\\u0002" + escaped + "\\u0003\"}\n";
    };
    const QByteArray received = QByteArray("\x02" "14;CCMD;4,0;\x03" "\xff\xfe" "\x02" "9;XX\x03");
    const QByteArray hand = header + tx("15;CCMD;32,0;") + tx("15;CCMD;30,2;") + tx("12;PPLT;PG;")
        + tx("15;CCMD;27,0;") + tx("15;CCMD;30,1;")
        + "{\"t\":2500000,\"dir\":\"rx\",\"link\":\"TCP\",\"base64\":\"" + received.toBase64() + "\"}\n";
    QTest::newRow("a job of two copies") << SAMPLES_DIR "/traces/labels-3-pages-2-copies.jsonl" << QByteArray() << "";
    QTest::newRow("a link dropped") << SAMPLES_DIR "/traces/link-dropped-after-2-pages.jsonl" << QByteArray() << "";
    QTest::newRow("job commands, a malformed frame") << "" << hand << "";
    QTest::newRow("cut off by a full disk")
        << "" << hand + "{\"t\":2600000,\"dir\":\"rx\",\"link\":\"TCP\",\"text\":\"\\u000214;CC"
        << "Warning: %1:8: the last line is cut off after 56 bytes; read up to the line before it";
    QTest::newRow("a broken line") << "" << hand + "{\"t\":1,\n" + tx("12;CCMD;4;")
                                   << "The trace breaks off: %1:8: not a trace line";
}

void tst_studio_records::trace_dialog_shows_vxctl_rows()
{
    QFETCH(QString, trace);
    QFETCH(QByteArray, written);
    QFETCH(QString, status);
    QTemporaryDir dir;
    if (trace.isEmpty()) {
        trace = dir.filePath("hand.trace");
        write_file(trace, written);
    }
    QProcess vxctl;
    vxctl.start(VXCTL_PATH, {"trace", "show", trace});
    QVERIFY(vxctl.waitForFinished(10000));
    const QStringList lines = QString::fromUtf8(vxctl.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 2);

    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    QVERIFY2(root, qPrintable(loader.errorString()));
    TraceDialog dialog(root);
    QCOMPARE(dialog.load(trace), !status.startsWith("The trace breaks off"));
    const QStringList said = dialog.status_text().split('\n');
    QCOMPARE(said.first(), lines.first());
    if (status.isEmpty())
        QCOMPARE(said.size(), 1);
    else
        QVERIFY2(said.value(1).startsWith(status.arg(trace)), qPrintable(said.value(1)));
    const QAbstractItemModel *model = dialog.model();
    QStringList shown{said.first(), TraceTable::titles_line()};
    for (int r = 0; r < model->rowCount(); ++r) {
        QString cells[6];
        for (int c = 0; c < 6; ++c)
            cells[c] = model->index(r, c).data().toString();
        shown << TraceTable::line({cells[0], cells[1], cells[2], cells[3], cells[4], cells[5]});
    }
    QCOMPARE(shown, lines);
}

void tst_studio_records::test_cut_data()
{
    QTest::addColumn<QPointF>("at_mm");
    QTest::addColumn<double>("size_mm");
    QTest::addColumn<QRect>("box");   // plotter units
    QTest::addColumn<double>("cut");  // plotter units with the pen down

    QTest::newRow("20 mm at 10, 10") << QPointF(10, 10) << 20.0 << QRect(QPoint(400, 400), QPoint(1200, 1200)) << 6 * 800.0;
    QTest::newRow("an odd number of units") << QPointF(0, 0) << 5.025 << QRect(QPoint(0, 0), QPoint(201, 201)) << 6 * 201.0;
    QTest::newRow("places rounded to the unit") << QPointF(1000.01, 0.02) << 12.34
                                                << QRect(QPoint(40000, 1), QPoint(40494, 495)) << 6 * 494.0;
}

void tst_studio_records::test_cut()
{
    QFETCH(QPointF, at_mm);
    QFETCH(double, size_mm);
    QFETCH(QRect, box);
    HpglInterpreter interpreter;
    QString fault;
    QVERIFY2(interpreter.run(test_cut_text(at_mm, size_mm).toLatin1(), &fault), qPrintable(fault));
    QCOMPARE(interpreter.changes(), QStringList());
    QCOMPARE(interpreter.pages().size(), 1);
    const PlotPage &page = interpreter.pages().first();
    QVERIFY(page.has_box);
    QCOMPARE(QRect(QPoint(page.min_x, page.min_y), QPoint(page.max_x, page.max_y)), box);
    QTEST(page.cut, "cut");

    TestCutDialog dialog(WorkArea{30.0, 40.0, QStringLiteral("--area")});
    dialog.findChild<QDoubleSpinBox *>("size")->setValue(size_mm);
    dialog.findChild<QDoubleSpinBox *>("x")->setValue(at_mm.x());
    dialog.findChild<QDoubleSpinBox *>("y")->setValue(at_mm.y());
    // Kept inside the working area of 30 x 40 mm.
    QVERIFY(dialog.at_mm().x() + dialog.size_mm() <= 30.0 && dialog.at_mm().y() + dialog.size_mm() <= 40.0);
    QCOMPARE(dialog.text(), test_cut_text(dialog.at_mm(), dialog.size_mm()));
}

QTEST_MAIN(tst_studio_records)
#include "tst_studio_records.moc"
