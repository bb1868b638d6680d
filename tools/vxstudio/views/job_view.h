#pragma once

#include "design_picture.h"

#include <QtGui/QImage>
#include <QtWidgets/QWidget>

class JobProgress;

// The sheet: the working area and the design, every page numbered, drawn
// once per zoom into an image by the shared renderer; over it the part the
// machine confirmed cut, drawn a piece at a time as its reports arrive,
// and the page in flight framed. Wheel and +/- zoom, dragging pans.
class JobView : public QWidget
{
    Q_OBJECT
public:
    explicit JobView(QWidget *parent = nullptr);

    // The sheet outlives the view's use of it; null shows nothing.
    void set_sheet(const DesignSheet *sheet);
    const DesignSheet *sheet() const { return m_sheet; }
    // What the progress says the machine confirmed in the copy being cut;
    // null forgets it.
    void show_progress(const JobProgress *progress);

    double zoom() const { return m_zoom; }
    void zoom_by(double factor);
    void fit();
    // Where the confirmed part drawn ends, and the image it is drawn in.
    DesignPosition confirmed() const { return m_drawn; }
    const QImage &confirmed_image();
    static QColor confirmed_colour();

signals:
    // The confirmed part was drawn as the progress shown says.
    void progress_shown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The images drawn again at the next paint.
    void render();
    void render_now();
    void draw_confirmed(DesignPosition to);
    QPointF origin() const;

    const DesignSheet *m_sheet = nullptr;
    QVector<DesignCell> m_cells;
    QImage m_base;
    QImage m_overlay;
    double m_zoom = 1.0;
    QPointF m_pan;
    QPoint m_drag_from;
    bool m_dragging = false;
    bool m_stale = true; // the images are to be drawn again
    DesignPosition m_drawn;
    DesignCursor m_cursor; // where m_drawn lies in its page's points
    int m_copy = 0;       // copies done when the drawn part was begun
    int m_in_flight = -1; // 0-based
};
