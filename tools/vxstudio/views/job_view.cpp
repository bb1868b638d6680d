#include "job_view.h"

#include "job_progress.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QLoggingCategory>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QWheelEvent>

#include <cmath>

Q_LOGGING_CATEGORY(lcView, "vx.studio.view", QtWarningMsg)

namespace {
// The zoomed image stays within this many pixels (64 MiB at 32 bits).
constexpr double kMostPixels = 16.0e6;
constexpr double kZoomStep = 1.25;
}

JobView::JobView(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor JobView::confirmed_colour()
{
    // Ink on the page, in no page's colour: what is cut reads as cut on every page.
    return QColor(0x20, 0x20, 0x20, 0xe0);
}

const QImage &JobView::confirmed_image()
{
    if (m_stale)
        render_now();
    return m_overlay;
}

void JobView::set_sheet(const DesignSheet *sheet)
{
    m_sheet = sheet;
    m_cursor = DesignCursor();
    m_zoom = 1.0;
    m_pan = QPointF();
    m_drawn = DesignPosition();
    m_copy = 0;
    m_in_flight = -1;
    render();
}

void JobView::show_progress(const JobProgress *progress)
{
    if (!progress || !m_sheet) {
        // Only the confirmed part goes: the sheet under it stays drawn.
        m_drawn = DesignPosition();
        m_cursor = DesignCursor();
        m_in_flight = -1;
        m_copy = 0;
        if (!m_overlay.isNull())
            m_overlay.fill(Qt::transparent);
        update();
        return;
    }
    DesignPosition to{progress->page() - 1, progress->page_share()};
    if (progress->finished()) {
        to = DesignPosition{progress->pages(), 0.0};
    } else if (progress->copies_done() != m_copy) {
        // A copy closed: the next is drawn from its start.
        m_copy = progress->copies_done();
        m_drawn = DesignPosition();
        m_overlay.fill(Qt::transparent);
    }
    m_in_flight = progress->finished() ? -1 : to.page;
    draw_confirmed(to);
    update();
    emit progress_shown();
}

// Only forward: what the machine confirmed stays confirmed.
void JobView::draw_confirmed(DesignPosition to)
{
    if (to.page < m_drawn.page || (to.page == m_drawn.page && to.share <= m_drawn.share))
        return;
    if (!m_overlay.isNull() && !m_stale) {
        QPainter painter(&m_overlay);
        QElapsedTimer clock;
        clock.start();
        draw_design_part(painter, m_cells, *m_sheet, m_drawn, to, confirmed_colour(), &m_cursor);
        qCDebug(lcView) << "confirmed part drawn in" << clock.elapsed() << "ms";
    }
    m_drawn = to;
}

void JobView::render()
{
    m_stale = true;
    update();
}

void JobView::render_now()
{
    m_stale = false;
    m_cells.clear();
    // A smaller window after a zoom: the image stays within its bound.
    m_zoom = qMin(m_zoom, qMax(1.0, std::sqrt(kMostPixels / (double(qMax(width(), 1)) * qMax(height(), 1)))));
    if (!m_sheet || width() <= 0 || height() <= 0) {
        m_base = m_overlay = QImage();
        update();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    const QSize size(qMax(1, int(width() * m_zoom)), qMax(1, int(height() * m_zoom)));
    m_base = QImage(size, QImage::Format_RGB32);
    QPainter painter(&m_base);
    const QRectF rect(QPointF(0.0, 0.0), QSizeF(size));
    m_cells = design_cells(rect, *m_sheet);
    draw_design(painter, rect, *m_sheet);
    painter.end();
    m_overlay = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_overlay.fill(Qt::transparent);
    const DesignPosition drawn = m_drawn;
    m_drawn = DesignPosition();
    m_cursor = DesignCursor();
    draw_confirmed(drawn);
    qCDebug(lcView) << "sheet drawn at zoom" << m_zoom << "in" << clock.elapsed() << "ms";
    update();
}

QPointF JobView::origin() const
{
    // Centred while smaller than the view, else where the pan puts it.
    const QPointF centre((width() - m_base.width()) / 2.0, (height() - m_base.height()) / 2.0);
    return centre + m_pan;
}

void JobView::paintEvent(QPaintEvent *)
{
    if (m_stale)
        render_now();
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_base.isNull())
        return;
    const QPointF at = origin();
    painter.drawImage(at, m_base);
    painter.drawImage(at, m_overlay);
    if (m_in_flight >= 0) {
        painter.translate(at);
        mark_design_page(painter, m_cells, m_in_flight, QColor(0xe0, 0x80, 0x00));
    }
}

void JobView::resizeEvent(QResizeEvent *)
{
    render();
}

void JobView::zoom_by(double factor)
{
    const double before = m_zoom;
    // The image stays within its bound of pixels.
    const double most = std::sqrt(kMostPixels / (double(qMax(width(), 1)) * qMax(height(), 1)));
    m_zoom = qBound(0.25, m_zoom * factor, qMax(1.0, most));
    m_pan *= m_zoom / before;
    render();
}

void JobView::fit()
{
    m_zoom = 1.0;
    m_pan = QPointF();
    render();
}

void JobView::wheelEvent(QWheelEvent *event)
{
    zoom_by(event->angleDelta().y() > 0 ? kZoomStep : 1.0 / kZoomStep);
    event->accept();
}

void JobView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_drag_from = event->pos();
    setCursor(Qt::ClosedHandCursor);
}

void JobView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    m_pan += event->pos() - m_drag_from;
    m_drag_from = event->pos();
    update();
}

void JobView::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
    unsetCursor();
}

void JobView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)
        zoom_by(kZoomStep);
    else if (event->key() == Qt::Key_Minus)
        zoom_by(1.0 / kZoomStep);
    else if (event->key() == Qt::Key_0)
        fit();
    else
        QWidget::keyPressEvent(event);
}
