#pragma once

#include "machine_choice.h"

#include <QtWidgets/QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

// Which machine: the simulator, a controller's TCP address, or a USB
// device from the serial devices found (the list vxctl ports prints).
class MachineDialog : public QDialog
{
    Q_OBJECT
public:
    MachineDialog(const MachineChoice &choice, QWidget *parent = nullptr);
    MachineChoice choice() const;

private:
    void accept() override;

    MachineChoice m_choice;
    QRadioButton *m_simulator;
    QRadioButton *m_tcp;
    QRadioButton *m_usb;
    QLineEdit *m_address;
    QComboBox *m_ports;
};
