// The outbox under kill -9: host processes record work records against a
// flaky cloud service and are killed at random moments, again and again;
// a last one delivers what is left. Every record a process reported kept
// must reach the service. Run by scripts/cloud-soak, not by CTest.
//
//   vxoutbox_soak CLIENT RUNS
#include "cloud_service.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QProcess>
#include <QtCore/QRandomGenerator>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTextStream>
#include <QtCore/QTimer>

#include <signal.h>

namespace {

void wait_ms(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Slow now and then, failing now and then, hanging up now and then.
QList<CloudService::Answer> flaky_answers(int count)
{
    QList<CloudService::Answer> answers;
    QRandomGenerator *random = QRandomGenerator::global();
    for (int i = 0; i < count; ++i) {
        CloudService::Answer answer;
        const int dice = random->bounded(10);
        answer.status = dice == 0 ? 503 : dice == 1 ? 0 : 200;
        answer.delay_ms = random->bounded(60);
        answers << answer;
    }
    return answers;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const QString client = args.value(1);
    const int runs = args.value(2, QStringLiteral("100")).toInt();
    QTemporaryDir dir;
    const QString outbox = dir.filePath(QStringLiteral("outbox.sqlite"));
    CloudService service;
    service.script(flaky_answers(runs * 40));
    const QString url = service.http_base().toString();

    QSet<QString> recorded;
    for (int run = 1; run <= runs; ++run) {
        QProcess process;
        process.start(client, {url, outbox, QStringLiteral("5"), QStringLiteral("r%1").arg(run), QStringLiteral("300")});
        process.waitForStarted();
        wait_ms(20 + QRandomGenerator::global()->bounded(400));
        if (process.processId() > 0) // a client that finished has none: kill(0) would hit us
            ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished();
        for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
            if (line.startsWith("recorded "))
                recorded.insert(QString::fromUtf8(line.mid(9)));
        }
    }

    QProcess last;
    last.start(client, {url, outbox, QStringLiteral("0"), QStringLiteral("last"), QStringLiteral("300")});
    QElapsedTimer clock;
    clock.start();
    while (last.state() != QProcess::NotRunning && clock.elapsed() < 300000)
        wait_ms(50);
    const bool drained = last.readAllStandardOutput().contains("drained");

    QSet<QString> stored;
    QHash<QString, int> deliveries;
    for (const QJsonObject &record : qAsConst(service.work_records)) {
        const QString name = QStringLiteral("%1 %2").arg(record.value(QStringLiteral("tag")).toString())
                                 .arg(record.value(QStringLiteral("n")).toInt());
        stored.insert(name);
        ++deliveries[name];
    }
    int most = 0;
    for (int count : qAsConst(deliveries))
        most = qMax(most, count);
    QSet<QByteArray> keys;
    for (const CloudService::Request &request : qAsConst(service.requests))
        keys.insert(request.idempotency_key);
    const QSet<QString> lost = recorded - stored;
    out << "runs killed: " << runs << ", records kept: " << recorded.size() << ", stored by the service: "
        << stored.size() << " (" << service.work_records.size() - stored.size() << " repeats, at most " << most
        << " of one record), requests: "
        << service.requests.size() << " with " << keys.size() << " idempotency keys, lost: " << lost.size()
        << ", outbox drained: " << (drained ? "yes" : "no") << '\n';
    for (const QString &record : lost)
        out << "lost: " << record << '\n';
    return lost.isEmpty() && drained ? 0 : 1;
}
