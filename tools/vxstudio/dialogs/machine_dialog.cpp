#include "machine_dialog.h"

#include "serial_ports.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QRadioButton>

MachineDialog::MachineDialog(const MachineChoice &choice, QWidget *parent)
    : QDialog(parent), m_choice(choice)
{
    setWindowTitle(tr("Machine"));
    m_simulator = new QRadioButton(tr("&Simulator (practice; faults in the Machine menu)"));
    m_tcp = new QRadioButton(tr("&TCP address (HOST or HOST:PORT)"));
    m_usb = new QRadioButton(tr("&USB device"));
    m_address = new QLineEdit(choice.tcp);
    m_ports = new QComboBox;
    m_ports->setEditable(true);
    for (const SerialPort &port : serial_ports())
        m_ports->addItem(port.line, port.path);
    if (!choice.usb.isEmpty() && m_ports->findData(choice.usb) < 0)
        m_ports->addItem(choice.usb, choice.usb);
    m_ports->setCurrentIndex(qMax(0, m_ports->findData(choice.usb)));
    (choice.kind == Target::Tcp ? m_tcp : choice.kind == Target::Usb ? m_usb : m_simulator)->setChecked(true);

    auto *form = new QFormLayout(this);
    form->addRow(m_simulator);
    form->addRow(m_tcp, m_address);
    form->addRow(m_usb, m_ports);
    if (m_ports->count() == 0)
        m_ports->setPlaceholderText(tr("no serial devices found"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &MachineDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

MachineChoice MachineDialog::choice() const
{
    return m_choice;
}

void MachineDialog::accept()
{
    MachineChoice chosen = m_choice;
    chosen.kind = m_tcp->isChecked() ? Target::Tcp : m_usb->isChecked() ? Target::Usb : Target::Simulator;
    chosen.tcp = m_address->text().trimmed();
    const int index = m_ports->findText(m_ports->currentText());
    chosen.usb = index >= 0 ? m_ports->itemData(index).toString() : m_ports->currentText().trimmed();
    Target target;
    if (!chosen.target(&target)) {
        QMessageBox::warning(this, windowTitle(),
                             chosen.kind == Target::Tcp ? tr("%1 is no TCP address (HOST or HOST:PORT)").arg(chosen.tcp)
                                                        : tr("name a USB device"));
        return;
    }
    m_choice = chosen;
    QDialog::accept();
}
