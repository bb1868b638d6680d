#pragma once

#include <QtCore/QMap>
#include <QtWidgets/QMenu>

// The simulator's faults to practise on, from vxsim's own table: switches
// checked on and off, values asked for. Each change goes to changed(); the
// simulator takes them when it is started next.
class PracticeFaultsMenu : public QMenu
{
    Q_OBJECT
public:
    explicit PracticeFaultsMenu(QWidget *parent = nullptr);
    void set_faults(const QMap<QString, QString> &faults);
    QMap<QString, QString> faults() const { return m_faults; }

signals:
    void changed();

private:
    void rebuild();

    QMap<QString, QString> m_faults;
};
