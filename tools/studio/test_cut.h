#pragma once

#include "work_area.h"

#include <QtCore/QPointF>
#include <QtCore/QString>
#include <QtWidgets/QDialog>

class QDoubleSpinBox;
class QLabel;

// A test cut: a square of size_mm with its lower left corner at at_mm (mm
// from the origin, y up, as every design), and a cross through its middle
// from side to side, as one page of plotter text (40 units per mm, corners
// rounded to the unit). The knife cuts 6 x size_mm.
QString test_cut_text(QPointF at_mm, double size_mm);

// Where and how large the test cut is; the console cuts its text as a job.
class TestCutDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr double kMinSizeMm = 5.0;
    static constexpr double kMaxSizeMm = 100.0;

    // area: where the knife reaches; the square is kept inside it when known.
    explicit TestCutDialog(const WorkArea &area, QWidget *parent = nullptr);

    QPointF at_mm() const;
    double size_mm() const;
    QString text() const { return test_cut_text(at_mm(), size_mm()); }

private:
    void bound();

    WorkArea m_area;
    QDoubleSpinBox *m_x;
    QDoubleSpinBox *m_y;
    QDoubleSpinBox *m_size;
    QLabel *m_summary;
};
