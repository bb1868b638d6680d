#include "typed_field.h"

#include "setting_value.h"
#include "vxdeviceproperty.h"
#include "vxeditor.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaProperty>
#include <QtGui/QClipboard>
#include <QtGui/QGuiApplication>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QAbstractSpinBox>
#include <QtWidgets/QLineEdit>

#include <algorithm>

namespace {

const QColor kNotTakenBase(255, 214, 214);

// The text a key press puts in, if any: typed characters or a paste.
QString inserted_text(const QKeyEvent *key)
{
    const QString text = key->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text() : key->text();
    const bool printable = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); });
    return printable ? text : QString();
}

} // namespace

TypedField::TypedField(QAbstractSpinBox *box, const VXDeviceProperty *property, const QString &label,
                       const QString &unit)
    : QObject(box), m_box(box), m_edit(box->findChild<QLineEdit *>()), m_label(label), m_palette(box->palette())
{
    const VXEditor::Accepts accepts = VXEditor(property).accepts();
    m_range = range_text(accepts.min, accepts.max, unit);
    box->installEventFilter(this);
    // What the box took as typed: it may be text it cannot take yet ("5" for 10 to 300).
    if (m_edit)
        connect(m_edit, &QLineEdit::textEdited, this,
                [this](const QString &text) { set_typed(text, acceptable(text)); });
    // A step (arrow key, wheel) gives the box a value of its own, which its user property tells.
    const QMetaProperty value = box->metaObject()->userProperty();
    if (value.hasNotifySignal())
        connect(box, value.notifySignal(), this, metaObject()->method(metaObject()->indexOfSlot("reset()")));
    reset();
}

QString TypedField::key() const
{
    return m_box->objectName();
}

void TypedField::reset()
{
    set_typed(m_box->text(), true);
}

bool TypedField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || !m_edit)
        return false;
    // Back in the field, the operator edits what the box shows.
    if (event->type() == QEvent::FocusIn)
        m_dropping = false;
    if (event->type() != QEvent::KeyPress)
        return false;
    const QString text = inserted_text(static_cast<QKeyEvent *>(event));
    if (text.isEmpty())
        return false;
    // The text as it reads with the key taken; the box corrects it
    // (textEdited) when it does take the key. While the box drops keys it
    // shows an older text, and the operator's typing goes on at the end.
    const bool dropping = m_dropping && m_typed != m_edit->text();
    QString candidate = dropping ? m_typed : m_edit->text();
    if (dropping)
        candidate += text;
    else if (m_edit->hasSelectedText())
        candidate.replace(m_edit->selectionStart(), m_edit->selectedText().size(), text);
    else
        candidate.insert(m_edit->cursorPosition(), text);
    set_typed(candidate, !dropping && acceptable(candidate));
    m_dropping = true;
    return false;
}

void TypedField::set_typed(const QString &text, bool taken)
{
    m_dropping = false;
    m_typed = text;
    m_taken = taken;
    if (taken) {
        m_box->setPalette(m_palette);
        m_box->setToolTip(range());
        return;
    }
    QPalette marked = m_palette;
    marked.setColor(QPalette::Base, kNotTakenBase);
    m_box->setPalette(marked);
    m_box->setToolTip(
        QCoreApplication::translate("vxctl", "“%1” is not taken: this field takes %2. Apply does not send it.")
            .arg(text, range()));
}

bool TypedField::acceptable(QString text) const
{
    int position = text.size();
    return m_box->validate(text, position) == QValidator::Acceptable;
}
