#pragma once

#include <QtCore/QList>
#include <QtWidgets/QWidget>

class QLabel;
class QTabWidget;
class VXDeviceInterface;
class VXDeviceProperty;

// The device's settings as a host shows them: a user page (userProperty)
// and a system page (sysProperty), whose editors the properties build
// themselves, with Apply and Cancel. The device must outlive the window.
class SettingsWindow : public QWidget
{
public:
    SettingsWindow(VXDeviceInterface *device, int timeout_ms);

    QTabWidget *tabs() const { return m_tabs; }
    // What the last Apply came to; empty before one.
    QString status_text() const;

private:
    void apply();

    VXDeviceInterface *m_device;
    int m_timeout_ms;
    QList<VXDeviceProperty *> m_shown;
    QTabWidget *m_tabs;
    QLabel *m_status;
};
