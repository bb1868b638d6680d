#pragma once

#include <QtCore/QObject>

class QSystemTrayIcon;

// What the operator should know without watching the window: a line in
// the window's log always, and a desktop notification where the desktop
// has a tray, unless switched off (remembered). Without a notification
// service Qt shows it as its own balloon at the tray's icon.
class Notifier : public QObject
{
    Q_OBJECT
public:
    explicit Notifier(QObject *parent = nullptr);

    bool desktop_enabled() const { return m_enabled; }
    void set_desktop_enabled(bool on);
    bool desktop_available() const;
    void notify(const QString &title, const QString &text);

signals:
    // Every notification, for the window's log.
    void noted(const QString &title, const QString &text);

private:
    QSystemTrayIcon *tray();

    QSystemTrayIcon *m_tray = nullptr;
    bool m_enabled = true;
};
