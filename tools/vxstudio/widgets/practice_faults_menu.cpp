#include "practice_faults_menu.h"

#include "simulator_faults.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QInputDialog>

PracticeFaultsMenu::PracticeFaultsMenu(QWidget *parent)
    : QMenu(tr("Practice &faults"), parent)
{
    rebuild();
}

void PracticeFaultsMenu::set_faults(const QMap<QString, QString> &faults)
{
    m_faults = faults;
    rebuild();
}

void PracticeFaultsMenu::rebuild()
{
    clear();
    for (const vx::sim::SimulatorFault &fault : vx::sim::simulator_faults()) {
        // vxctl's --sim-... rows, the reset of a dropped link and the silence.
        const QString flag = QString::fromLatin1(fault.flag);
        const bool reset = flag == QLatin1String("reset"), silent = flag == QLatin1String("silent-after");
        if (!fault.host_help && !reset && !silent)
            continue;
        const QString text = fault.host_help ? QCoreApplication::translate("vxctl", fault.host_help)
                             : reset         ? tr("Simulator: a dropped link is a reset.")
                                             : tr("Simulator: say nothing more after n pages.");
        QAction *action = addAction(fault.value_name && m_faults.contains(flag)
                                        ? tr("%1 (%2)").arg(text, m_faults.value(flag)) : text);
        action->setObjectName(QStringLiteral("fault_") + flag);
        action->setCheckable(true);
        action->setChecked(m_faults.contains(flag));
        const bool valued = fault.value_name != nullptr;
        const double min = fault.min, max = fault.max;
        const bool whole = !std::holds_alternative<double vx::sim::SimulatorOptions::*>(fault.member);
        connect(action, &QAction::triggered, this, [this, flag, valued, min, max, whole, text](bool on) {
            if (!on) {
                m_faults.remove(flag);
            } else if (!valued) {
                m_faults.insert(flag, QString());
            } else {
                bool ok = false;
                const double value = QInputDialog::getDouble(parentWidget(), tr("Practice faults"), text,
                                                             m_faults.value(flag, QStringLiteral("1")).toDouble(),
                                                             min, max, whole ? 0 : 1, &ok);
                if (!ok) {
                    rebuild();
                    return;
                }
                m_faults.insert(flag, QString::number(value));
            }
            // Later: this action goes with the menu's rebuild.
            QMetaObject::invokeMethod(this, [this] {
                rebuild();
                emit changed();
            }, Qt::QueuedConnection);
        });
    }
    addSeparator();
    QAction *none = addAction(tr("No faults"));
    none->setObjectName(QStringLiteral("fault_none"));
    connect(none, &QAction::triggered, this, [this] {
        m_faults.clear();
        QMetaObject::invokeMethod(this, [this] {
            rebuild();
            emit changed();
        }, Qt::QueuedConnection);
    });
}
