#pragma once

#include <QtCore/QString>

class QTabWidget;
class QTextStream;
class VXDeviceInterface;

// The device's settings as a host shows them: a window with a user page
// (userProperty) and a system page (sysProperty), whose editors the
// properties build themselves. The pages are named "settings-user" and
// "settings-system". The caller owns the window; the device must outlive it.
QTabWidget *build_settings_window(VXDeviceInterface *device);

// Writes every page of the window as "<page name>.png" into the directory,
// creating it if needed. False, with the reason in error, when a file
// cannot be written.
bool save_settings_pages(QTabWidget *window, const QString &directory, QString *error);

// The settings command on a device whose settings were read: with a
// directory the pages are written there, otherwise the window is shown
// until closed.
int run_settings(VXDeviceInterface *device, const QString &screenshot_dir, QTextStream &out,
                 QTextStream &err);
