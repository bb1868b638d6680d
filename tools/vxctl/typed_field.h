#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtGui/QPalette>

class QAbstractSpinBox;
class QLineEdit;
class VXDeviceProperty;

// What the operator typed into one spin box of the settings window. The
// box drops a keystroke that would take it out of its range, and puts
// its last value back over text it cannot take, both without a word: this
// keeps the text as typed, says whether the box took it, and marks the box
// (colour and tooltip) while it did not. The tooltip shows the range
// the property's editor accepts.
class TypedField : public QObject
{
    Q_OBJECT

public:
    // Lives as long as the box; label and unit as the operator reads them.
    TypedField(QAbstractSpinBox *box, const VXDeviceProperty *property, const QString &label, const QString &unit);

    QString key() const;
    QString label() const { return m_label; }
    QString typed() const { return m_typed; }
    bool taken() const { return m_taken; }
    // What the box takes: "10 to 300 mm/s".
    QString range() const { return m_range; }
    // The box was given a value: what it shows now is what counts.
    Q_SLOT void reset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void set_typed(const QString &text, bool taken);
    bool acceptable(QString text) const;

    QAbstractSpinBox *m_box;
    QLineEdit *m_edit;
    QString m_label;
    QString m_range;
    QString m_typed;
    bool m_taken = true;
    bool m_dropping = false; // the last key was not seen taken
    QPalette m_palette;
};
