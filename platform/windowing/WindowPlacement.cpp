// The window's own size is known before it is shown; its frame is not, so
// the centre is taken from the owner's frame and the window's size.
#include "platform/windowing/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace lexora::windowing {

void centreOver(QWidget& window, const QWidget* owner) {
    if (owner == nullptr || !owner->isVisible())
        return;
    // A window never resized takes its size from its layout when shown; take
    // it now, so that the centre is the one the user will see.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QRect over = owner->frameGeometry();
    QPoint topLeft(over.center().x() - window.width() / 2, over.center().y() - window.height() / 2);
    if (const QScreen* screen = owner->screen()) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() - window.width())));
        topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() - window.height())));
    }
    window.move(topLeft);
}

} // namespace lexora::windowing
