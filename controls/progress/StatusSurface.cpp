// Drawing on the progress bar's surface: a QImage painted with the raster
// operations the bar relies on, shown as it is by paintEvent.
#include "controls/progress/StatusSurface.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Dravik {

namespace {

QPainter::CompositionMode compositionFor(StatusSurface::DrawMode mode) {
    return mode == StatusSurface::DrawMode::NotXorPen ? QPainter::RasterOp_NotSourceXorDestination
                                                      : QPainter::CompositionMode_Source;
}

// Pixel edge for a coordinate, kept inside [0, limit] whatever the value.
int pixelEdge(double value, int limit) {
    if (!(value > 0.0)) { // also NaN
        return 0;
    }
    if (value >= static_cast<double>(limit)) {
        return limit;
    }
    return static_cast<int>(std::lround(value));
}

} // namespace

StatusSurface::StatusSurface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picStatus"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Smoothed glyph edges would mix the two colours and break the inversion
    // under the bar: every pixel is either bar colour or background.
    QFont surfaceFont = font();
    surfaceFont.setStyleStrategy(QFont::NoAntialias);
    setFont(surfaceFont);
    picture_ = QImage(QSize(1, 1), QImage::Format_RGB32);
    picture_.fill(backColor_);
}

void StatusSurface::setBackColor(const QColor& colour) {
    backColor_ = colour;
    fitPicture();
    picture_.fill(colour);
    update();
}

void StatusSurface::setCurrentPosition(int x, int y) {
    currentX_ = x;
    currentY_ = y;
}

double StatusSurface::TextWidth(const QString& text) const {
    return QFontMetricsF(font()).horizontalAdvance(text);
}

double StatusSurface::TextHeight(const QString&) const {
    return QFontMetricsF(font()).height();
}

void StatusSurface::fillBox(double x1, double y1, double x2, double y2, const QColor& colour) {
    fitPicture();
    const int width = picture_.width();
    const int height = picture_.height();
    const double lowX = std::min(x1, x2);
    const double highX = std::max(x1, x2);
    const double lowY = std::min(y1, y2);
    const double highY = std::max(y1, y2);
    const int left = pixelEdge(lowX, width);
    int right = pixelEdge(highX, width);
    const int top = pixelEdge(lowY, height);
    int bottom = pixelEdge(highY, height);
    if (right == left && highX > lowX && highX > 0.0 && lowX < width) {
        right = std::min(left + 1, width);
    }
    if (bottom == top && highY > lowY && highY > 0.0 && lowY < height) {
        bottom = std::min(top + 1, height);
    }
    if (right <= left || bottom <= top) {
        return;
    }
    QPainter painter(&picture_);
    painter.setCompositionMode(compositionFor(drawMode_));
    painter.fillRect(QRect(left, top, right - left, bottom - top), colour);
    update();
}

void StatusSurface::print(const QString& text) {
    fitPicture();
    QPainter painter(&picture_);
    painter.setCompositionMode(compositionFor(drawMode_));
    painter.setFont(font());
    painter.setPen(foreColor_);
    const QFontMetrics metrics(font());
    painter.drawText(QPoint(currentX_, currentY_ + metrics.ascent()), text);
    update();
}

void StatusSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), backColor_);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void StatusSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitPicture();
}

void StatusSurface::fitPicture() {
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (size == picture_.size()) {
        return;
    }
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(backColor_);
    QPainter painter(&resized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), picture_);
    painter.end();
    picture_ = std::move(resized);
}

} // namespace Dravik
