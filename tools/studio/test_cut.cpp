#include "test_cut.h"

#include "plot_path.h"
#include "studio_text_p.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QDoubleSpinBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLabel>

#include <cmath>

namespace {

// Without a known area: a bed of up to 10 m.
constexpr double kUnboundedMm = 10000.0;

qint64 units(double mm)
{
    return qint64(std::llround(mm * PlotPage::kUnitsPerMm));
}

QDoubleSpinBox *mm_box(const QString &name, double value)
{
    auto *box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setRange(0.0, kUnboundedMm);
    box->setValue(value);
    return box;
}

} // namespace

QString test_cut_text(QPointF at_mm, double size_mm)
{
    const qint64 x0 = units(at_mm.x()), y0 = units(at_mm.y());
    const qint64 side = units(size_mm);
    const qint64 x1 = x0 + side, y1 = y0 + side;
    const qint64 xm = x0 + side / 2, ym = y0 + side / 2;
    return QStringLiteral("IN;PU%1,%2;PD%3,%2,%3,%4,%1,%4,%1,%2;PU%5,%2;PD%5,%4;PU%1,%6;PD%3,%6;PU;PG;")
        .arg(x0).arg(y0).arg(x1).arg(y1).arg(xm).arg(ym);
}

TestCutDialog::TestCutDialog(const WorkArea &area, QWidget *parent)
    : QDialog(parent), m_area(area), m_x(mm_box(QStringLiteral("x"), 10.0)), m_y(mm_box(QStringLiteral("y"), 10.0)),
      m_size(mm_box(QStringLiteral("size"), 20.0)), m_summary(new QLabel)
{
    setWindowTitle(StudioText::tr("Test cut"));
    m_size->setRange(kMinSizeMm, kMaxSizeMm);
    if (area.known())
        m_size->setMaximum(qBound(kMinSizeMm, qMin(area.width_mm, area.height_mm), kMaxSizeMm));
    auto *form = new QFormLayout;
    form->addRow(StudioText::tr("Lower left corner, x:"), m_x);
    form->addRow(StudioText::tr("Lower left corner, y:"), m_y);
    form->addRow(StudioText::tr("Size of the square:"), m_size);
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(StudioText::tr("Cut"), QDialogButtonBox::AcceptRole);
    buttons->addButton(StudioText::tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    for (QDoubleSpinBox *box : {m_x, m_y, m_size})
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &TestCutDialog::bound);
    bound();
}

QPointF TestCutDialog::at_mm() const
{
    return QPointF(m_x->value(), m_y->value());
}

double TestCutDialog::size_mm() const
{
    return m_size->value();
}

// The corner stays where the whole square fits the area.
void TestCutDialog::bound()
{
    const double size = m_size->value();
    if (m_area.known()) {
        m_x->setMaximum(qMax(0.0, m_area.width_mm - size));
        m_y->setMaximum(qMax(0.0, m_area.height_mm - size));
    }
    m_summary->setText(m_area.known()
                           ? StudioText::tr("A square with a cross, inside the working area %1.").arg(m_area.text())
                           : StudioText::tr("A square with a cross. The working area is unknown: check the place "
                                            "before cutting."));
}
