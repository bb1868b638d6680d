// A host process that records work records in a cloud outbox and delivers
// them, for the tests and the soak run that share an outbox between
// processes or kill one in the middle of a delivery.
//
//   vxoutbox_client SERVICE OUTBOX RECORDS TAG [TIMEOUT_MS]
//
// Prints "recorded TAG N" once record N is kept, then "drained" when
// nothing of its service waits any more, and exits.
#include "morvocloud.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QJsonObject>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>
#include <QtCore/QTimer>
#include <QtCore/QUrl>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5)
        return 2;
    MorvoCloud cloud(QUrl(args.at(1)), QUrl(), args.at(2));
    cloud.setRetryDelays(20, 200);
    cloud.setRequestTimeout(args.value(5, QStringLiteral("1000")).toInt());
    QTextStream out(stdout);
    const int records = args.at(3).toInt();
    for (int n = 0; n < records; ++n) {
        cloud.customRequest(QStringLiteral("device_work_records"), "POST",
                            QJsonObject{{QStringLiteral("tag"), args.at(4)}, {QStringLiteral("n"), n}},
                            MorvoCloud::Completion());
        out << "recorded " << args.at(4) << ' ' << n << Qt::endl;
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (cloud.pendingDeliveries() == 0) {
            out << "drained" << Qt::endl;
            app.quit();
        }
    });
    poll.start(5);
    return app.exec();
}
