// The splitter bar: the offset is taken from the point where the bar was
// grabbed, so the bar follows the pointer without a jump.
#include "app/windows/SplitterBar.h"

#include <QMouseEvent>
#include <QPainter>

namespace lexora::windows {

SplitterBar::SplitterBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation) {
    setCursor(orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        m_grab = m_orientation == Qt::Vertical ? p.x() : p.y();
    }
    event->accept();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint p = event->position().toPoint();
    const int offset = (m_orientation == Qt::Vertical ? p.x() : p.y()) - m_grab;
    if (offset != 0)
        emit MouseMove(offset);
    event->accept();
}

void SplitterBar::paintEvent(QPaintEvent*) {
    // A raised ridge along the bar, in the window's own colours.
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, palette().window());
    const QColor light = palette().window().color().lighter(125);
    const QColor dark = palette().window().color().darker(135);
    if (m_orientation == Qt::Vertical) {
        painter.setPen(light);
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
        painter.setPen(dark);
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    } else {
        painter.setPen(light);
        painter.drawLine(r.left(), r.top(), r.right(), r.top());
        painter.setPen(dark);
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    }
}

} // namespace lexora::windows
