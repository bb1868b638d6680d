// minimal-host HOST:PORT [FILE]: loads the device plugin, lists the
// properties, connects to a controller on the network and reads its cutting
// speed; with a plotter file, cuts two copies of it and follows the job.
#include <vxdeviceinterface.h>
#include <vxdeviceproperty.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QJsonObject>
#include <QtCore/QPluginLoader>
#include <QtCore/QTextStream>
#include <QtCore/QTimer>

#include <limits>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList address = app.arguments().value(1).split(QLatin1Char(':'));
    QFile job(app.arguments().value(2));
    if (address.size() != 2 || (argc > 2 && !job.open(QIODevice::ReadOnly))) {
        out << "usage: minimal-host HOST:PORT [FILE]" << Qt::endl;
        return 2;
    }

    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    if (!root) {
        out << loader.errorString() << Qt::endl;
        return 1;
    }
    VXDeviceInterface *device = root->initInstance(); // the host owns it
    for (const QByteArray &key : device->dynamicPropertyNames())
        out << key << '\t' << device->property_ptr(key.constData())->label() << '\n';

    // Values keep their type: SPEED is a uint, TASK_COPIES and TASK_MODE
    // ints, TASK the job record as a QJsonObject.
    VXDeviceProperty *speed = device->property_ptr("SPEED");
    VXDeviceProperty *task = device->property_ptr("TASK");
    const int copies = 2;

    // A reply takes the value silently, without valueChanged(): mark it with
    // a value no reply carries and look again until the mark is gone.
    const QVariant before = speed->value();
    const QVariant unread = std::numeric_limits<uint>::max();
    speed->set_value_silently(unread);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (speed->value() == unread)
            return;
        poll.stop();
        out << "SPEED " << speed->value().toUInt() << Qt::endl;
        if (!job.isOpen()) {
            app.exit(0);
            return;
        }
        // A plotter job (mode 0), two copies: each setting is written with
        // its own frame, then the text is cut into pages at every "PG;".
        const auto write = [&](const char *key, const QVariant &value) {
            VXDeviceProperty *property = device->property_ptr(key);
            property->setValue(value);
            device->sendCMD(property->set_cmd_bytes());
        };
        write("TASK_MODE", 0);
        write("TASK_COPIES", copies);
        device->setPlt(QString::fromUtf8(job.readAll()));
        device->startTask();
    });

    // The job record notifies: the machine's progress reports and every copy
    // the plugin closes reach the host through valueChanged().
    QObject::connect(task, &VXDeviceProperty::valueChanged, &app, [&] {
        const QJsonObject record = task->value().toJsonObject();
        const int finished = record.value(QStringLiteral("Finished")).toInt();
        out << "machine at " << record.value(QStringLiteral("Percent")).toInt() << "%, " << finished << " of "
            << copies << " copies finished" << Qt::endl;
        if (job.isOpen() && finished >= copies) {
            out << "finished " << finished << " of " << copies << " copies" << Qt::endl;
            app.exit(0);
        }
    });

    const auto on_message = [&](VXDeviceInterface::VXDeviceMessage kind, const QString &text) {
        if (kind == VXDeviceInterface::DevTasK && text == QLatin1String(vx::message::Stop)) {
            out << "stopped on the machine" << Qt::endl; // the record says how far it got
            app.exit(1);
        }
        if (kind != VXDeviceInterface::DevStatus)
            return;
        out << text << Qt::endl;
        if (text == QStringLiteral("TCP") + QLatin1String(vx::message::Connected)) {
            device->sendCMD(speed->get_cmd_bytes());
            poll.start(20);
        } else {
            app.exit(1); // the link is gone: whether the job went on is unknown
        }
    };
    QObject::connect(device, &VXDeviceInterface::message, &app, on_message);
    QTimer::singleShot(job.isOpen() ? 60000 : 5000, &app, [&] {
        if (speed->value() == unread)
            speed->set_value_silently(before); // never write the mark to the machine
        out << "no answer in time" << Qt::endl;
        app.exit(3);
    });

    // The port is a property: set it before connecting.
    device->property_ptr("TCP_PORT")->setValue(address.at(1).toInt());
    device->setIPAddress(address.at(0));
    device->connectDevice();
    const int status = app.exec();

    // Teardown: stop listening, close the job (which reports the finished
    // copies to the cloud, if one is bound, and resets the record), delete
    // the device; it lets go of its socket with deleteLater().
    QObject::disconnect(device, nullptr, &app, nullptr);
    QObject::disconnect(task, nullptr, &app, nullptr);
    device->stopTask();
    delete device;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
