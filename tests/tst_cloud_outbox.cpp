// Requests nobody waits for reach the cloud, each once where possible and
// at least once always: kept on disk while the service is down or failing,
// tried again with growing pauses, sent after a restart, sent only to the
// service they were meant for, never stale over new, never by two
// processes at once, and moved to the dead letters with a reason rather
// than dropped; memory stays bounded whatever the service answers.
#include "cloud_outbox_p.h"
#include "cloud_service.h"
#include "event_wait.h"
#include "memory_use.h"
#include "morvocloud.h"
#include "scratch_dir.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QScopedPointer>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtNetwork/QNetworkReply>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <signal.h>
#include <sys/resource.h>

namespace {

constexpr qint64 kMiB = 1024 * 1024;
// The first pause of the answers rows that only count attempts; rows
// that measure pauses, or must not retry, have their own.
constexpr int kPause = 10;
// Only the late-answer row times out: a busy machine may answer late.
constexpr int kTimeout = 5000;
// The first retry pause of the other tests. A request sent again after a
// delivery would come within it: waiting it out, and a little more, is
// enough to see one.
constexpr int kQuickPause = 10;
constexpr int kQuiet = 3 * kQuickPause;

CloudService::Answer answer(int status, int delay_ms = 0, qint64 body_bytes = -1)
{
    CloudService::Answer scripted;
    scripted.status = status;
    scripted.delay_ms = delay_ms;
    scripted.body_bytes = body_bytes;
    return scripted;
}

// "status[/retry-after][@delay][>same|>elsewhere]" answers in turn, e.g. "429/2 200".
QList<CloudService::Answer> answers_from(const QString &script, quint16 port)
{
    QList<CloudService::Answer> answers;
    const QRegularExpression pattern(QStringLiteral("^(\\d+)(?:/(\\d+))?(?:@(\\d+))?(?:>(\\w+))?$"));
    for (const QString &word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = pattern.match(word);
        CloudService::Answer answer;
        answer.status = match.captured(1).toInt();
        answer.retry_after = match.captured(2).toLatin1();
        answer.delay_ms = match.captured(3).toInt();
        if (match.captured(4) == QLatin1String("same"))
            answer.location = QByteArray("http://127.0.0.1:") + QByteArray::number(port) + "/api/moved/device_work_records";
        else if (!match.captured(4).isEmpty())
            answer.location = "http://127.0.0.2:1/api/device_work_records";
        answers << answer;
    }
    return answers;
}

// Failed attempts of the oldest entry waiting; 0 when none waits.
int attempts_of(const CloudOutbox &outbox)
{
    const QList<CloudOutbox::Entry> waiting = outbox.waiting_entries(1);
    return waiting.isEmpty() ? 0 : waiting.first().attempts;
}

QSet<QByteArray> keys_of(const QList<CloudService::Request> &requests)
{
    QSet<QByteArray> keys;
    for (const CloudService::Request &request : requests)
        keys.insert(request.idempotency_key);
    return keys;
}

// Messages logged while a test runs.
QStringList g_logged;
void record_messages(QtMsgType, const QMessageLogContext &, const QString &text)
{
    g_logged << text;
}

struct LogCapture
{
    QtMessageHandler previous;
    LogCapture()
    {
        g_logged.clear();
        previous = qInstallMessageHandler(record_messages);
    }
    ~LogCapture() { qInstallMessageHandler(previous); }
};

// While it lives, files may not grow past what they hold (a full disk).
struct DiskFull
{
    rlimit before{};
    DiskFull()
    {
        getrlimit(RLIMIT_FSIZE, &before);
        ::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        const rlimit full{1024, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~DiskFull() { setrlimit(RLIMIT_FSIZE, &before); }
};

} // namespace

class tst_cloud_outbox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void work_record_survives_an_outage();
    void work_record_survives_a_restart();
    void server_errors_are_retried_with_growing_pauses();
    void answers_data();
    void answers();
    void delivery_waits_for_a_new_token();
    void stale_update_never_wins_data();
    void stale_update_never_wins();
    void entries_go_to_their_own_service();
    void storage_faults_data();
    void storage_faults();
    void processes_share_an_outbox_data();
    void processes_share_an_outbox();
    void backlog_drains_a_few_at_a_time();
    void large_answers_stay_out_of_memory();
    void secrets_stay_out_of_logs_and_the_outbox();
    void requests_with_a_completion_are_not_kept();

private:
    MorvoCloud *new_cloud(quint16 port, const QString &outbox = QString());
    void record(MorvoCloud *cloud, int n);
    void stop_finished_job(VXDeviceInterface *device);

    QTemporaryDir m_dir{scratch_template(QStringLiteral("tst_cloud_outbox"))};
    QString m_outbox_file;
    VXLT3050PROCam m_root;
};

void tst_cloud_outbox::init()
{
    m_outbox_file = m_dir.filePath(QStringLiteral("outbox-%1-%2.sqlite")
                                       .arg(QTest::currentTestFunction(), QTest::currentDataTag()));
}

MorvoCloud *tst_cloud_outbox::new_cloud(quint16 port, const QString &outbox)
{
    auto *cloud = new MorvoCloud(QUrl(QStringLiteral("http://127.0.0.1:%1/api/").arg(port)), QUrl(),
                                 outbox.isEmpty() ? m_outbox_file : outbox);
    cloud->setRetryDelays(kQuickPause, 8 * kQuickPause);
    cloud->setRequestTimeout(1000);
    return cloud;
}

void tst_cloud_outbox::record(MorvoCloud *cloud, int n)
{
    cloud->customRequest(QStringLiteral("device_work_records"), "POST", QJsonObject{{"n", n}},
                         MorvoCloud::Completion());
}

// A registered device whose two-copy job finished, stopped by the host.
void tst_cloud_outbox::stop_finished_job(VXDeviceInterface *device)
{
    device->property_ptr("TASK_FILE_INFO")->setValue(
        QJsonObject({{"heigth", 300}, {"width", 200}, {"path_length", 1200}}));
    device->startTask();
    device->property_ptr("TASK")->setValue(QJsonObject({{"TaskCopies", 2}, {"Finished", 2}}));
    device->stopTask();
}

void tst_cloud_outbox::work_record_survives_an_outage()
{
    QScopedPointer<CloudService> service(new CloudService);
    const quint16 port = service->http_port();
    QScopedPointer<MorvoCloud> cloud(new_cloud(port));
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    device->setMorvoCloud(cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_VERIFY(device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().contains("id"));

    service.reset(); // the service goes down
    stop_finished_job(device.data());
    VX_TRY_COMPARE(cloud->pendingDeliveries(), 1);
    const CloudOutbox outbox(m_outbox_file);
    VX_TRY_VERIFY(attempts_of(outbox) >= 3); // a few failed attempts

    service.reset(new CloudService(port)); // and comes back
    VX_TRY_COMPARE(service->work_records.size(), 1);
    VX_TRY_COMPARE(cloud->pendingDeliveries(), 0);
    run_events_for(kQuiet);
    QCOMPARE(service->work_records.size(), 1);
    QCOMPARE(service->work_records.first().value("finish_copies").toInt(), 2);
}

void tst_cloud_outbox::work_record_survives_a_restart()
{
    quint16 port = 0;
    {
        QScopedPointer<CloudService> service(new CloudService);
        port = service->http_port();
        QScopedPointer<MorvoCloud> cloud(new_cloud(port));
        QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
        device->setMorvoCloud(cloud.data(), QStringLiteral("AB1Z09"));
        VX_TRY_VERIFY(device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().contains("id"));
        service.reset();
        stop_finished_job(device.data());
        VX_TRY_COMPARE(cloud->pendingDeliveries(), 1);
    } // the host quits with the record undelivered

    CloudService service(port);
    QScopedPointer<MorvoCloud> cloud(new_cloud(port)); // the host starts again
    VX_TRY_COMPARE(service.work_records.size(), 1);
    VX_TRY_COMPARE(cloud->pendingDeliveries(), 0);
    run_events_for(kQuiet);
    QCOMPARE(service.work_records.size(), 1);
}

void tst_cloud_outbox::server_errors_are_retried_with_growing_pauses()
{
    CloudService service;
    service.set_behaviour(CloudService::Behaviour::ServerError);
    QList<qint64> attempts;
    QElapsedTimer clock;
    clock.start();
    connect(&service, &CloudService::requestHandled, this, [&] { attempts << clock.elapsed(); });
    QScopedPointer<MorvoCloud> cloud(new_cloud(service.http_port()));
    cloud->setRetryDelays(15, 120);
    record(cloud.data(), 1);
    VX_TRY_VERIFY(attempts.size() >= 5);
    QVERIFY(service.work_records.isEmpty());
    // 15, 30, 60, 120 ms apart: each pause longer than the one before.
    QVERIFY2(attempts.at(4) - attempts.at(3) > attempts.at(2) - attempts.at(1), qPrintable(
        QStringLiteral("%1 %2 %3 %4 %5").arg(attempts[0]).arg(attempts[1]).arg(attempts[2]).arg(attempts[3]).arg(attempts[4])));

    service.set_behaviour(CloudService::Behaviour::Normal);
    VX_TRY_COMPARE(service.work_records.size(), 1);
    VX_TRY_COMPARE(cloud->pendingDeliveries(), 0); // the reply may still be on its way
}

// One work record against the service's answers: only a 2xx delivers, what
// may pass is tried again, what cannot goes to the dead letters.
void tst_cloud_outbox::answers_data()
{
    QTest::addColumn<QString>("script");   // see answers_from()
    QTest::addColumn<bool>("failing");     // 500 for every request after the script
    QTest::addColumn<int>("requests");     // the service receives
    QTest::addColumn<int>("stored");       // records the service keeps
    QTest::addColumn<int>("dead");
    QTest::addColumn<int>("atLeastMs");    // before it is stored
    QTest::addColumn<int>("records");      // recorded at once
    QTest::addColumn<int>("newest");       // sent only after every older one was sent again; 0: any
    QTest::addColumn<int>("lastPauseMs");  // at most, before the last request; 0: no limit
    QTest::addColumn<int>("pauseMs");      // the first retry pause
    QTest::addColumn<int>("longestMs");    // the longest
    QTest::addColumn<int>("timeoutMs");    // the request timeout

    QTest::newRow("2xx delivers") << "" << false << 1 << 1 << 0 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    QTest::newRow("404 goes to the dead letters") << "404" << false << 1 << 0 << 1 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    QTest::newRow("422 goes to the dead letters") << "422" << false << 1 << 0 << 1 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    // Qt at times sends a POST answered with 307 once more before it
    // follows: the idempotency key makes that harmless, so any count.
    QTest::newRow("same-origin redirect is followed") << "307>same" << false << -1 << 1 << 0 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    QTest::newRow("redirect elsewhere is not delivery") << "302>elsewhere" << false << 2 << 1 << 0 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    QTest::newRow("429 waits for Retry-After") << "429/1" << false << 2 << 1 << 0 << 950 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    QTest::newRow("503 is tried again") << "503" << false << 2 << 1 << 0 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    QTest::newRow("408 is tried again") << "408" << false << 2 << 1 << 0 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    QTest::newRow("403 is tried again") << "403" << false << 2 << 1 << 0 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    QTest::newRow("connection closed unanswered") << "0" << false << 2 << 1 << 0 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    // Later than the request timeout, long before the attempt is given up
    // (three timeouts later) and the pause after it.
    QTest::newRow("a late answer still delivers") << "200@225" << false << 1 << 1 << 0 << 0 << 1 << 1 << 0 << 1000 << 2 * 1000 << 150;
    QTest::newRow("5xx forever reaches the dead letters") << "" << true << 6 << 0 << 1 << 0 << 1 << 1 << 0 << kPause << 2 * kPause << kTimeout;
    // Four are sent at once, so the oldest four go again, after the pause
    // grown during the outage, before the newest (attempts that time out
    // under load are sent again: any count).
    QTest::newRow("records queued during an outage arrive oldest first")
        << "503 503 503 503 200@60 200@60 200@60 200@60" << false << -1 << 5 << 0 << 2 * 100 << 5 << 5 << 0 << 100 << 2 * 100 << kTimeout;
    // Two records fail together four times, so the pause grows to 320 ms.
    // The next failure, after a success and answered in 50 ms, is followed
    // by the first pause (20 ms), not the grown one.
    QTest::newRow("after a success the next outage starts from the first pause")
        << "503 503 503 503 503 503 503 503 200 503@50" << false << 11 << 2 << 0 << (2 + 4 + 8 + 16) * 20 << 2 << 0
        << 50 + 16 * 20 * 9 / 10 << 20 << 16 * 20 << kTimeout;
}

void tst_cloud_outbox::answers()
{
    QFETCH(QString, script);
    QFETCH(bool, failing);
    CloudService service;
    service.script(answers_from(script, service.http_port()));
    if (failing)
        service.set_behaviour(CloudService::Behaviour::ServerError);
    QFETCH(int, pauseMs);
    QFETCH(int, longestMs);
    QFETCH(int, timeoutMs);
    int answered = 0;
    connect(&service, &CloudService::requestHandled, this, [&] { ++answered; });
    QScopedPointer<MorvoCloud> cloud(new_cloud(service.http_port()));
    cloud->setRequestTimeout(timeoutMs);
    cloud->setRetryDelays(pauseMs, longestMs);
    cloud->setDeliveryLimits(6, 3600 * 1000);
    const LogCapture log;
    QElapsedTimer clock;
    clock.start();
    qint64 elapsed = 0;
    connect(cloud.data(), &MorvoCloud::delivered, this, [&] { elapsed = clock.elapsed(); });
    QFETCH(int, records);
    for (int n = 1; n <= records; ++n)
        record(cloud.data(), n);

    VX_TRY_VERIFY_WITH_TIMEOUT(cloud->pendingDeliveries() == 0, 10000);
    // Every request answered, and a retry wrongly due would go now.
    VX_TRY_COMPARE(answered, int(service.requests.size()));
    run_events_for(kQuiet);
    QFETCH(int, requests);
    if (requests >= 0)
        QCOMPARE(service.requests.size(), requests);
    QTEST(int(service.work_records.size()), "stored");
    // Each same-origin redirect is followed once, and nothing else goes there.
    int moved = 0;
    for (const CloudService::Request &request : qAsConst(service.requests))
        moved += request.path.contains("/moved/");
    QCOMPARE(moved, script.count(QLatin1String(">same")));
    QTEST(cloud->deadDeliveries(), "dead");
    QFETCH(int, atLeastMs);
    QVERIFY2(elapsed >= atLeastMs, qPrintable(QString::number(elapsed)));
    QFETCH(int, newest);
    QList<int> sent; // the records in the order their attempts arrived
    for (const CloudService::Request &request : qAsConst(service.requests))
        sent << request.body.value("n").toInt();
    for (int older = 1; older < newest; ++older)
        QVERIFY2(sent.indexOf(newest) > sent.indexOf(older, sent.indexOf(older) + 1), qPrintable(QString::number(older)));
    QFETCH(int, lastPauseMs);
    if (lastPauseMs) {
        const qint64 pause = service.requests.last().received_ms - service.requests.at(service.requests.size() - 2).received_ms;
        QVERIFY2(pause <= lastPauseMs, qPrintable(QString::number(pause)));
    }
    // Every attempt of an entry carries its one idempotency key.
    QCOMPARE(keys_of(service.requests).size(), records);
    QVERIFY(!service.requests.first().idempotency_key.isEmpty());
    // A refusal is logged with the beginning of the answer, never more.
    for (const QString &line : qAsConst(g_logged))
        QVERIFY(line.size() < 600);
}

void tst_cloud_outbox::delivery_waits_for_a_new_token()
{
    CloudService service;
    service.script({answer(401)});
    QScopedPointer<MorvoCloud> cloud(new_cloud(service.http_port()));
    cloud->setBearerToken("expired");
    record(cloud.data(), 1);
    VX_TRY_COMPARE(service.requests.size(), 1);
    run_events_for(8 * kQuickPause); // three retry pauses: nothing goes without a new token
    QCOMPARE(service.requests.size(), 1);
    QCOMPARE(cloud->pendingDeliveries(), 1);

    cloud->setBearerToken("fresh");
    VX_TRY_COMPARE(service.work_records.size(), 1);
    QCOMPARE(service.requests.last().authorization, QByteArray("Bearer fresh"));
}

// A device update waiting in the outbox is replaced by a newer one, and an
// older one is never sent after a newer one.
void tst_cloud_outbox::stale_update_never_wins_data()
{
    QTest::addColumn<QString>("first"); // how the first update is answered
    QTest::addColumn<bool>("full");     // the disk fills while it is sent: the second is held in memory
    QTest::newRow("the first one failed") << "503" << false;
    QTest::newRow("the first one is still being sent") << "200@50" << false;
    QTest::newRow("the first one fails on a full disk") << "503@50" << true;
}

void tst_cloud_outbox::stale_update_never_wins()
{
    QFETCH(QString, first);
    CloudService service;
    service.script(answers_from(first, service.http_port()));
    int answered = 0;
    connect(&service, &CloudService::requestHandled, this, [&] { ++answered; });
    QScopedPointer<MorvoCloud> cloud(new_cloud(service.http_port()));
    // Long enough that a failed first one is not tried again, on a busy
    // machine, before the second is recorded.
    cloud->setRetryDelays(100, 200);
    const auto update = [&](const char *version) {
        cloud->customRequest(QStringLiteral("device"), "PUT", QJsonObject{{"code", "AB1Z09"}, {"version", version}},
                             MorvoCloud::Completion());
    };
    update("V1");
    VX_TRY_COMPARE(service.requests.size(), 1);
    QFETCH(bool, full);
    QScopedPointer<DiskFull> disk(full ? new DiskFull : nullptr);
    update("V2");
    VX_TRY_COMPARE(cloud->pendingDeliveries(), 0);
    // A stale answer still on its way lands, and a stale retry goes.
    VX_TRY_COMPARE(answered, int(service.requests.size()));
    run_events_for(kQuiet);
    QStringList sent;
    for (const CloudService::Request &request : qAsConst(service.requests))
        sent << request.body.value("version").toString();
    QCOMPARE(sent.last(), QStringLiteral("V2"));
    QVERIFY2(sent.count(QStringLiteral("V1")) == 1, qPrintable(sent.join(' ')));
    QCOMPARE(service.device_store.value("AB1Z09").value("version").toString(), QStringLiteral("V2"));
}

// Entries recorded for one service (and account) are delivered only to it.
void tst_cloud_outbox::entries_go_to_their_own_service()
{
    quint16 first_port = 0;
    {
        CloudService gone;
        first_port = gone.http_port();
    }
    QScopedPointer<MorvoCloud> first(new_cloud(first_port));
    record(first.data(), 1);
    VX_TRY_COMPARE(first->pendingDeliveries(), 1);
    first.reset();

    CloudService other;
    QScopedPointer<MorvoCloud> elsewhere(new_cloud(other.http_port()));
    QScopedPointer<MorvoCloud> other_account(new_cloud(first_port));
    other_account->setAccount(QStringLiteral("someone else"));
    record(elsewhere.data(), 2);
    VX_TRY_COMPARE(other.work_records.size(), 1);
    run_events_for(kQuiet);
    QCOMPARE(other.requests.size(), 1); // its own record only
    QCOMPARE(other.work_records.first().value("n").toInt(), 2);
    QCOMPARE(other_account->pendingDeliveries(), 0);
    other_account.reset();

    CloudService back(first_port);
    QScopedPointer<MorvoCloud> again(new_cloud(first_port));
    VX_TRY_COMPARE(back.work_records.size(), 1);
    QCOMPARE(back.work_records.first().value("n").toInt(), 1);
}

// A damaged file, a folder that cannot be made and a full disk: the client
// goes on, says why, and loses nothing while the process lives.
void tst_cloud_outbox::storage_faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("logged"); // a pattern
    QTest::addColumn<bool>("restart");   // the disk is freed while the service fails, and the host starts again
    QTest::newRow("damaged file") << "damaged" << "damaged" << false;
    QTest::newRow("folder cannot be made") << "no folder" << "cannot make the folder" << false;
    QTest::newRow("disk full") << "full" << "cannot keep" << false;
    // Half the records kept, some of them on their way, when it fills.
    QTest::newRow("disk fills part-way") << "part-way" << "takes writes again, after [1-9]\\d* failed" << false;
    QTest::newRow("disk freed before a restart") << "part-way" << "takes writes again" << true;
    QTest::newRow("kept by an earlier version") << "earlier" << "without their service" << false;
}

void tst_cloud_outbox::storage_faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, logged);
    QString outbox = m_outbox_file;
    if (fault == QLatin1String("damaged")) {
        QFile file(outbox);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'z'));
    } else if (fault == QLatin1String("no folder")) {
        QFile plain(m_dir.filePath(QStringLiteral("a-file")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        outbox = plain.fileName() + QStringLiteral("/outbox.sqlite");
    } else if (fault == QLatin1String("earlier")) {
        // Entries without the service they were meant for: nobody can tell where they go.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("earlier"));
        db.setDatabaseName(outbox);
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE outbox (id INTEGER PRIMARY KEY AUTOINCREMENT, resource TEXT "
                                          "NOT NULL, verb TEXT NOT NULL, body TEXT NOT NULL, attempts INTEGER NOT "
                                          "NULL DEFAULT 0)"));
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("INSERT INTO outbox (resource, verb, body) VALUES "
                                                  "('device_work_records', 'POST', '{\"n\":99}')")));
        db.close();
    } else if (fault == QLatin1String("full")) {
        delete new_cloud(1, outbox); // the file exists, and may not grow any more
    }

    CloudService service;
    service.set_behaviour(CloudService::Behaviour::ServerError);
    const LogCapture log;
    QScopedPointer<DiskFull> full(fault == QLatin1String("full") ? new DiskFull : nullptr);
    QScopedPointer<MorvoCloud> cloud(new_cloud(service.http_port(), outbox));
    const bool part_way = fault == QLatin1String("part-way");
    for (int n = 0; n < 20; ++n) {
        if (part_way && n == 10) {
            VX_TRY_VERIFY(service.requests.size() >= 4);
            full.reset(new DiskFull);
        }
        record(cloud.data(), n);
    }
    VX_TRY_VERIFY(service.requests.size() >= 8); // failed attempts: the first four, twice
    QFETCH(bool, restart);
    if (restart) {
        full.reset(); // what only memory held is kept now
        VX_TRY_COMPARE(CloudOutbox(outbox).waiting_entries(30).size(), 20);
        cloud.reset(new_cloud(service.http_port(), outbox));
    }
    service.set_behaviour(CloudService::Behaviour::Normal);
    VX_TRY_COMPARE_WITH_TIMEOUT(service.work_records.size(), 20, 10000);
    VX_TRY_COMPARE(cloud->pendingDeliveries(), 0);
    full.reset();
    if (part_way) // what was delivered leaves the file once it takes writes
        VX_TRY_VERIFY(CloudOutbox(outbox).waiting_entries(20).isEmpty());
    run_events_for(kQuiet);
    QCOMPARE(service.work_records.size(), 20);
    QVERIFY2(!g_logged.filter(QRegularExpression(logged)).isEmpty(), qPrintable(g_logged.join('\n')));
    // Write failures are counted, not logged one by one.
    QVERIFY2(g_logged.filter(QStringLiteral("takes no writes")).size() <= 1, qPrintable(g_logged.join('\n')));
    QVERIFY2(g_logged.filter(QRegularExpression(QStringLiteral("COMMIT|ROLLBACK"))).isEmpty(), qPrintable(g_logged.join('\n')));
    if (fault == QLatin1String("damaged"))
        QCOMPARE(QDir(m_dir.path()).entryList({QFileInfo(outbox).fileName() + ".corrupt-*"}).size(), 1);
    if (fault == QLatin1String("earlier")) {
        const QList<CloudOutbox::Entry> dead = CloudOutbox(outbox).dead_letters(10);
        QCOMPARE(dead.size(), 1);
        QCOMPARE(dead.first().body, QByteArray("{\"n\":99}"));
        QVERIFY(dead.first().service.isEmpty());
    }
}

// Processes sharing one outbox file never deliver an entry twice, and one
// killed in the middle of a delivery loses nothing.
void tst_cloud_outbox::processes_share_an_outbox_data()
{
    QTest::addColumn<bool>("kill");
    QTest::newRow("two processes") << false;
    QTest::newRow("killed mid-delivery, then restarted") << true;
}

void tst_cloud_outbox::processes_share_an_outbox()
{
    QFETCH(bool, kill);
    CloudService service;
    // Slow, now and then failing: deliveries overlap and are retried.
    QList<CloudService::Answer> flaky;
    for (int i = 0; i < 200; ++i)
        flaky << answer(i % 4 == 3 ? 503 : 200, 15);
    service.script(flaky);
    const QString url = service.http_base().toString();
    const auto start = [&](int records, const char *tag) {
        auto *process = new QProcess(this);
        process->start(QStringLiteral(OUTBOX_CLIENT),
                       {url, m_outbox_file, QString::number(records), QString::fromLatin1(tag)});
        return process;
    };
    QScopedPointer<QProcess> a(start(30, "A"));
    QScopedPointer<QProcess> b(kill ? nullptr : start(30, "B"));
    if (kill) {
        VX_TRY_VERIFY(service.requests.size() >= 3);
        QVERIFY(a->processId() > 0); // kill(0) would hit the test itself
        ::kill(pid_t(a->processId()), SIGKILL);
        QVERIFY(a->waitForFinished(5000));
        b.reset(start(0, "C")); // the host starts again
    }
    // The service answers from this event loop: wait in it.
    VX_TRY_VERIFY_WITH_TIMEOUT(b->state() == QProcess::NotRunning && a->state() == QProcess::NotRunning, 60000);
    QVERIFY2(b->readAllStandardOutput().contains("drained"), "the outbox was not drained");

    QSet<QString> stored;
    for (const QJsonObject &record : qAsConst(service.work_records))
        stored.insert(record.value("tag").toString() + QString::number(record.value("n").toInt()));
    QCOMPARE(stored.size(), kill ? 30 : 60);
    // Only what was on the wire when a process died may arrive twice, with
    // its idempotency key.
    const int repeats = service.work_records.size() - stored.size();
    QVERIFY2(kill ? repeats <= 4 : repeats == 0, qPrintable(QString::number(repeats)));
    QCOMPARE(QScopedPointer<MorvoCloud>(new_cloud(service.http_port()))->pendingDeliveries(), 0);
}

// VX_BACKLOG sets the number of records (default 300).
void tst_cloud_outbox::backlog_drains_a_few_at_a_time()
{
    const int backlog = load_size("VX_BACKLOG", 300);
    quint16 port = 0;
    {
        CloudService gone;
        port = gone.http_port();
        QScopedPointer<MorvoCloud> offline(new_cloud(port));
        for (int n = 0; n < backlog; ++n)
            record(offline.data(), n);
    } // recorded while the service was down

    CloudService service(port);
    QList<CloudService::Answer> slow;
    for (int i = 0; i < backlog; ++i)
        slow << answer(200, 2);
    service.script(slow);
    QElapsedTimer clock;
    clock.start();
    QScopedPointer<MorvoCloud> cloud(new_cloud(port));
    cloud->setRequestTimeout(15000);
    // A plain event loop: QTest's waits sleep between turns, a host's do not.
    QEventLoop loop;
    int left = 0;
    connect(cloud.data(), &MorvoCloud::delivered, &loop, [&] {
        if (++left == backlog)
            loop.quit();
    });
    QTimer::singleShot(300000, &loop, &QEventLoop::quit);
    loop.exec();
    QCOMPARE(cloud->pendingDeliveries(), 0);
    qInfo("%d records drained in %lld ms, %d requests, at most %d at once", backlog,
          static_cast<long long>(clock.elapsed()), int(service.requests.size()), service.max_open_requests);
    QCOMPARE(service.work_records.size(), backlog);
    QCOMPARE(service.requests.size(), backlog); // none aborted and sent again
    QVERIFY(service.max_open_requests <= 4);
}

// VX_CLOUD_BODY_MIB sets the size of the answers (default 32 MiB).
void tst_cloud_outbox::large_answers_stay_out_of_memory()
{
    const qint64 body = load_size("VX_CLOUD_BODY_MIB", 32) * kMiB;
    CloudService service;
    QScopedPointer<MorvoCloud> cloud(new_cloud(service.http_port()));
    cloud->setRequestTimeout(60000);
    service.script({answer(200, 0, body), answer(200, 0, body)});
    PeakMeter meter;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] { meter.sample(); });
    sampler.start(2);

    record(cloud.data(), 1); // a delivery: the answer is not needed
    VX_TRY_VERIFY_WITH_TIMEOUT(cloud->pendingDeliveries() == 0, 60000);
    bool answered = false;
    qint64 kept = -1;
    cloud->customRequest(QStringLiteral("device"), "GET", QJsonObject(), [&](QNetworkReply *reply, bool) {
        answered = true;
        kept = reply->bytesAvailable();
    });
    VX_TRY_VERIFY_WITH_TIMEOUT(answered, 60000);
    const qint64 growth = meter.growth();
    qInfo("two answers of %lld MiB: peak memory %.1f MiB above the start", static_cast<long long>(body / kMiB),
          double(growth) / kMiB);
    QVERIFY(kept <= MorvoCloud::kMaxAnswerBytes);
    QVERIFY2(growth < 50 * kMiB, qPrintable(QString::number(growth)));
}

namespace {
// Every debug line of the cloud client, whatever the environment's rules say.
void cloud_debug_on(QLoggingCategory *category)
{
    if (qstrncmp(category->categoryName(), "vx.cloud", 8) == 0)
        category->setEnabled(QtDebugMsg, true);
}
} // namespace

void tst_cloud_outbox::secrets_stay_out_of_logs_and_the_outbox()
{
    CloudService service;
    service.script({answer(503)});
    QUrl address = service.http_base();
    address.setUserName(QStringLiteral("floor"));
    address.setPassword(QStringLiteral("s3cret"));
    const LogCapture log;
    const QLoggingCategory::CategoryFilter previous = QLoggingCategory::installFilter(cloud_debug_on);
    QScopedPointer<MorvoCloud> cloud(new MorvoCloud(address, QUrl(), m_outbox_file));
    cloud->setRetryDelays(50, 400);
    cloud->setBearerToken("t0ken");
    record(cloud.data(), 1);
    VX_TRY_COMPARE(service.requests.size(), 1);
    const QList<CloudOutbox::Entry> waiting = CloudOutbox(m_outbox_file).waiting_entries(10);
    VX_TRY_COMPARE(service.work_records.size(), 1);
    QLoggingCategory::installFilter(previous);

    QCOMPARE(waiting.size(), 1);
    QCOMPARE(waiting.first().service, service.http_base().toString());
    QCOMPARE(waiting.first().account, QStringLiteral("floor"));
    QVERIFY(!g_logged.filter(QStringLiteral("request to")).isEmpty());
    QVERIFY(g_logged.filter(QStringLiteral("s3cret")).isEmpty());
    QVERIFY(g_logged.filter(QStringLiteral("t0ken")).isEmpty());
}

void tst_cloud_outbox::requests_with_a_completion_are_not_kept()
{
    quint16 port = 0;
    {
        CloudService gone;
        port = gone.http_port();
    } // nothing listens there any more
    QScopedPointer<MorvoCloud> cloud(new_cloud(port));
    bool called = false;
    bool answered = true;
    cloud->customRequest(QStringLiteral("device"), "GET", QJsonObject{{"code", "X"}},
                         [&](QNetworkReply *, bool ok) {
                             called = true;
                             answered = ok;
                         });
    VX_TRY_VERIFY(called);
    QVERIFY(!answered);
    QCOMPARE(cloud->pendingDeliveries(), 0);
}

QTEST_GUILESS_MAIN(tst_cloud_outbox)
#include "tst_cloud_outbox.moc"
