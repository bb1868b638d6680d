// minimal-host HOST:PORT: loads the device plugin, lists the properties,
// connects to a controller on the network and reads its cutting speed.
#include <vxdeviceinterface.h>
#include <vxdeviceproperty.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QPluginLoader>
#include <QtCore/QTextStream>
#include <QtCore/QTimer>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList address = app.arguments().value(1).split(QLatin1Char(':'));
    if (address.size() != 2) {
        out << "usage: minimal-host HOST:PORT" << Qt::endl;
        return 2;
    }

    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    if (!root) {
        out << loader.errorString() << Qt::endl;
        return 1;
    }
    VXDeviceInterface *device = root->initInstance();
    for (const QByteArray &key : device->dynamicPropertyNames())
        out << key << '\t' << device->property_ptr(key.constData())->label() << '\n';

    VXDeviceProperty *speed = device->property_ptr("SPEED");
    const QVariant before = speed->value();
    const auto on_message = [&](VXDeviceInterface::VXDeviceMessage kind, const QString &text) {
        if (kind != VXDeviceInterface::DevStatus)
            return;
        out << text << Qt::endl;
        if (text == QLatin1String("TCP CONNECTED."))
            device->sendCMD(speed->get_cmd_bytes());
        else
            app.exit(1);
    };
    QObject::connect(device, &VXDeviceInterface::message, &app, on_message);
    // A reply updates the value without a signal: look for it now and then.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (speed->value() != before)
            app.exit(0);
    });
    poll.start(20);
    QTimer::singleShot(5000, &app, [&] { app.exit(3); });

    device->property_ptr("TCP_PORT")->setValue(address.at(1).toInt());
    device->setIPAddress(address.at(0));
    device->connectDevice();
    const int status = app.exec();
    out << "SPEED " << speed->value().toString() << Qt::endl;
    delete device;
    return status;
}
