// Requests nobody waits for still reach the cloud: kept on disk while the
// service is down or failing, retried with growing pauses, sent after a
// restart, and delivered once when the service answered.
#include "cloud_service.h"
#include "morvocloud.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QJsonObject>
#include <QtCore/QRegularExpression>
#include <QtCore/QScopedPointer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

class tst_cloud_outbox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void work_record_survives_an_outage();
    void work_record_survives_a_restart();
    void server_errors_are_retried_with_growing_pauses();
    void refused_request_is_dropped();
    void requests_with_a_completion_are_not_kept();

private:
    MorvoCloud *new_cloud(quint16 port);
    void stop_finished_job(VXDeviceInterface *device);

    QTemporaryDir m_dir;
    QString m_outbox_file;
    VXLT3050PROCam m_root;
};

void tst_cloud_outbox::init()
{
    m_outbox_file = m_dir.filePath(QStringLiteral("outbox-%1.sqlite").arg(QTest::currentTestFunction()));
}

MorvoCloud *tst_cloud_outbox::new_cloud(quint16 port)
{
    auto *cloud = new MorvoCloud(QUrl(QStringLiteral("http://127.0.0.1:%1/api/").arg(port)), QUrl(),
                                 m_outbox_file);
    cloud->setRetryDelays(50, 400);
    cloud->setRequestTimeout(1000);
    return cloud;
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
    QTRY_VERIFY(device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().contains("id"));

    service.reset(); // the service goes down
    stop_finished_job(device.data());
    QTRY_COMPARE(cloud->pendingDeliveries(), 1);
    QTest::qWait(200); // a few failed attempts

    service.reset(new CloudService(port)); // and comes back
    QTRY_COMPARE_WITH_TIMEOUT(service->work_records.size(), 1, 5000);
    QTRY_COMPARE(cloud->pendingDeliveries(), 0);
    QTest::qWait(500);
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
        QTRY_VERIFY(device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().contains("id"));
        service.reset();
        stop_finished_job(device.data());
        QTRY_COMPARE(cloud->pendingDeliveries(), 1);
    } // the host quits with the record undelivered

    CloudService service(port);
    QScopedPointer<MorvoCloud> cloud(new_cloud(port)); // the host starts again
    QTRY_COMPARE_WITH_TIMEOUT(service.work_records.size(), 1, 5000);
    QTRY_COMPARE(cloud->pendingDeliveries(), 0);
    QTest::qWait(300);
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
    cloud->customRequest(QStringLiteral("device_work_records"), "POST", QJsonObject{{"n", 1}},
                         MorvoCloud::Completion());
    QTRY_VERIFY_WITH_TIMEOUT(attempts.size() >= 5, 5000);
    QVERIFY(service.work_records.isEmpty());
    // 50, 100, 200, 400 ms apart: each pause longer than the one before.
    QVERIFY2(attempts.at(4) - attempts.at(3) > attempts.at(2) - attempts.at(1), qPrintable(
        QStringLiteral("%1 %2 %3 %4 %5").arg(attempts[0]).arg(attempts[1]).arg(attempts[2]).arg(attempts[3]).arg(attempts[4])));

    service.set_behaviour(CloudService::Behaviour::Normal);
    QTRY_COMPARE_WITH_TIMEOUT(service.work_records.size(), 1, 5000);
    QTRY_COMPARE(cloud->pendingDeliveries(), 0); // the reply may still be on its way
}

void tst_cloud_outbox::refused_request_is_dropped()
{
    CloudService service;
    QScopedPointer<MorvoCloud> cloud(new_cloud(service.http_port()));
    QSignalSpy delivered(cloud.data(), &MorvoCloud::delivered);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("the cloud refused .*no_such_resource.* 404"));
    cloud->customRequest(QStringLiteral("no_such_resource"), "POST", QJsonObject(), MorvoCloud::Completion());
    QTRY_COMPARE(delivered.count(), 1);
    QCOMPARE(delivered.first().at(1).toInt(), 404);
    QCOMPARE(cloud->pendingDeliveries(), 0);
    QTest::qWait(200);
    QCOMPARE(service.requests.size(), 1);
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
    QTRY_VERIFY(called);
    QVERIFY(!answered);
    QCOMPARE(cloud->pendingDeliveries(), 0);
}

QTEST_GUILESS_MAIN(tst_cloud_outbox)
#include "tst_cloud_outbox.moc"
