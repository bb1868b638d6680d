#pragma once

#include <QtWidgets/QDialog>

class QLineEdit;
class QRadioButton;
class QSpinBox;

// A QR-code job: the folder of cut files named after the codes, or a map
// file of "code=file" lines; the copies; how many unusable codes in a row
// end it.
class QrDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QrDialog(QWidget *parent = nullptr);
    QString source() const;
    bool is_map() const;
    int copies() const;
    int max_skips() const;

private:
    QRadioButton *m_folder;
    QRadioButton *m_map;
    QLineEdit *m_path;
    QSpinBox *m_copies;
    QSpinBox *m_skips;
};
