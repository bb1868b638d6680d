#include "notifier.h"

#include <QtCore/QSettings>
#include <QtGui/QIcon>
#include <QtWidgets/QApplication>
#include <QtWidgets/QSystemTrayIcon>

namespace {
const QString kSetting = QStringLiteral("notifications/desktop");
}

Notifier::Notifier(QObject *parent)
    : QObject(parent), m_enabled(QSettings().value(kSetting, true).toBool())
{
    tray();
}

// The desktop's tray once it has one: a tray (or a panel) may start after the console.
QSystemTrayIcon *Notifier::tray()
{
    if (!m_tray && QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(QApplication::windowIcon(), this);
        m_tray->setToolTip(QStringLiteral("vxstudio"));
        m_tray->setVisible(m_enabled);
    }
    return m_tray;
}

bool Notifier::desktop_available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable() && QSystemTrayIcon::supportsMessages();
}

void Notifier::set_desktop_enabled(bool on)
{
    m_enabled = on;
    QSettings().setValue(kSetting, on);
    if (m_tray)
        m_tray->setVisible(on);
}

void Notifier::notify(const QString &title, const QString &text)
{
    emit noted(title, text);
    if (m_enabled && desktop_available() && tray())
        m_tray->showMessage(title, text, QSystemTrayIcon::Information);
}
