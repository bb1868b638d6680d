#pragma once

#include "plotter_pages_p.h"
#include "vxcommoninterface.h"

#include <QtCore/QStringList>
#include <QtCore/QTranslator>

// The conveyor-belt flatbed cutter with registration camera. One object is
// the plugin's root and hands out device instances; every instance is
// another object of this class carrying the machine's 35 properties.
class VXLT3050PROCam : public VXCommonInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QGenericPluginFactoryInterface" FILE "vxlt3050procam.json")
    Q_INTERFACES(VXDeviceInterface)

public:
    explicit VXLT3050PROCam(QObject *parent = nullptr);

    VXDeviceInterface *initInstance() override;
    QStringList userProperty() override;
    QStringList sysProperty() override;
    void startTask() override;
    void move(int, int) override;
    int icon() override;
    void setPlt(QString plt) override;
    void decode_cmd(QString frame) override;

    // Sends the next page, or closes the current copy after the last one;
    // does nothing once the job was stopped.
    void advance_task();

protected:
    void dispatch_reply(const vx::protocol::Reply &reply) override;

private:
    bool handle_machine_reply(const vx::protocol::Reply &reply);
    void stop_job();
    void send_next_page();
    void close_copy();
    VXDeviceProperty *page_carrier();
    void prepare_page(int index);

    QTranslator m_translator;
    PlotterPages plt_pages;
    int page_index = 0;
    bool job_stopped = false; // by the host or on the machine, until the next startTask

    // The page after the one being cut, with its frame, made while the
    // machine cuts: a page-done report is answered with a frame ready to go.
    struct PreparedPage
    {
        int index = -1;
        QString text;
        QByteArray frame;
    };
    PreparedPage next_page;
};
