// The wait window and its hourglass picture, drawn rather than stored.
#include "app/startup/frmWait.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace lexora::startup {

frmWait::frmWait(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Παρακαλώ Περιμένετε . . ."));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* layout = new QHBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgWait"));
    picture->setPixmap(hourglass(48));
    layout->addWidget(picture);
    auto* lblWait = new QLabel(QStringLiteral("Παρακαλώ περιμένετε..."), this);
    lblWait->setObjectName(QStringLiteral("lblWait"));
    QFont font = lblWait->font();
    font.setBold(true);
    lblWait->setFont(font);
    layout->addWidget(lblWait);
    layout->setContentsMargins(18, 12, 24, 12);
    layout->setSpacing(14);
    setFixedSize(sizeHint());
}

QPixmap frmWait::hourglass(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal left = s * 0.22;
    const qreal right = s * 0.78;
    const qreal top = s * 0.12;
    const qreal bottom = s * 0.88;
    const qreal middle = s * 0.5;
    const qreal neck = s * 0.04;

    // The glass.
    QPainterPath glass;
    glass.moveTo(left, top);
    glass.lineTo(right, top);
    glass.cubicTo(right, middle - s * 0.12, middle + neck, middle - s * 0.04, middle + neck,
                  middle);
    glass.cubicTo(middle + neck, middle + s * 0.04, right, middle + s * 0.12, right, bottom);
    glass.lineTo(left, bottom);
    glass.cubicTo(left, middle + s * 0.12, middle - neck, middle + s * 0.04, middle - neck, middle);
    glass.cubicTo(middle - neck, middle - s * 0.04, left, middle - s * 0.12, left, top);
    painter.setPen(QPen(QColor(40, 60, 110), s / 32));
    painter.setBrush(QColor(225, 236, 250));
    painter.drawPath(glass);

    // Sand: what is left above, the heap below and the falling thread.
    const QColor sand(214, 164, 62);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sand);
    QPainterPath upper;
    upper.moveTo(left + s * 0.12, middle - s * 0.2);
    upper.lineTo(right - s * 0.12, middle - s * 0.2);
    upper.lineTo(middle, middle - s * 0.02);
    upper.closeSubpath();
    painter.drawPath(upper);
    QPainterPath lower;
    lower.moveTo(left + s * 0.04, bottom - s * 0.02);
    lower.lineTo(right - s * 0.04, bottom - s * 0.02);
    lower.lineTo(middle, bottom - s * 0.18);
    lower.closeSubpath();
    painter.drawPath(lower);
    painter.drawRect(QRectF(middle - s / 64, middle, s / 32, bottom - middle - s * 0.16));

    // The wooden ends.
    painter.setBrush(QColor(120, 72, 36));
    painter.drawRoundedRect(QRectF(s * 0.14, s * 0.06, s * 0.72, s * 0.08), s * 0.02, s * 0.02);
    painter.drawRoundedRect(QRectF(s * 0.14, s * 0.86, s * 0.72, s * 0.08), s * 0.02, s * 0.02);
    return pixmap;
}

} // namespace lexora::startup
