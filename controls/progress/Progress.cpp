// Drawing of the progress bar: clear, centred percentage, then the bar laid
// over it with a not-XOR pen so that the covered letters invert.
#include "controls/progress/Progress.h"

#include "controls/progress/StatusSurface.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace Dravik {

namespace {

// Rounds to the nearest 16-bit integer, halves to the even one (the host's
// integer conversion of the text extent and position).
int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(std::clamp(value, -32768.0, 32767.0)));
}

} // namespace

const QColor Progress::BarColour = QColor(0, 0, 128);
const QColor Progress::BackgroundColour = QColor(255, 255, 255);

Progress::Progress(QWidget* parent) : QWidget(parent), picStatus_(new StatusSurface(this)) {
    picStatus_->setGeometry(rect());
}

qint16 Progress::ShownPercent(float sngPercent, bool fBorderCase) {
    // The fraction is widened before the arithmetic: 0.005f lies just below
    // 0.005 and gives 0, not 1.
    const double rounded = std::floor(static_cast<double>(sngPercent) * 100.0 + 0.5);
    if (std::isnan(rounded) || rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max()) {
        throw std::overflow_error("Progress.UpdateStatus: percentage out of range");
    }
    auto percent = static_cast<qint16>(rounded);
    if (!fBorderCase) {
        if (percent == 0) {
            percent = 1;
        } else if (percent == 100) {
            percent = 99;
        }
    }
    return percent;
}

void Progress::UpdateStatus(float sngPercent, bool fBorderCase) {
    StatusSurface& surface = *picStatus_;
    // A control resized while hidden has had no resize event yet.
    surface.setGeometry(rect());
    surface.setForeColor(BarColour);
    surface.setBackColor(BackgroundColour); // clears what earlier calls drew

    const qint16 percent = ShownPercent(sngPercent, fBorderCase);
    const QString text = QString::number(percent) + QLatin1Char('%');

    const int textWidth = roundHalfEven(surface.TextWidth(text));
    const int textHeight = roundHalfEven(surface.TextHeight(text));
    const int x = roundHalfEven((surface.width() - textWidth) / 2.0);
    const int y = roundHalfEven((surface.height() - textHeight) / 2.0);

    surface.setDrawMode(StatusSurface::DrawMode::CopyPen);
    surface.fillBox(x, y, x + textWidth, y + textHeight, surface.BackColor());
    surface.setCurrentPosition(x, y);
    surface.print(text);

    surface.setDrawMode(StatusSurface::DrawMode::NotXorPen);
    if (sngPercent > 0.0f) {
        surface.fillBox(0.0, 0.0, surface.width() * static_cast<double>(sngPercent),
                        surface.height(), surface.ForeColor());
    } else {
        // A white pen under not-XOR changes nothing: only the text shows.
        surface.fillBox(0.0, 0.0, surface.width(), surface.height(), surface.BackColor());
    }

    surface.repaint();
    // Callers run their long work on this thread between calls; this keeps
    // their window painted and responsive meanwhile.
    QCoreApplication::processEvents();
}

QSize Progress::sizeHint() const {
    return {200, QFontMetrics(font()).height() + 6};
}

void Progress::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    picStatus_->setGeometry(0, 0, event->size().width(), event->size().height());
}

} // namespace Dravik
