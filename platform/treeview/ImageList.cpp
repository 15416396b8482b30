// The navigation trees' images, drawn from the SVG files of the library's
// resources at the sizes a tree row uses.
#include "platform/treeview/ImageList.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace lexora::trees {

namespace {

QIcon iconFromSvg(const QString& resource) {
    QSvgRenderer renderer(resource);
    QIcon icon;
    for (const int size : {16, 20, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

ImageList treeImageList() {
    ImageList list;
    list.add(QStringLiteral("open"), iconFromSvg(QStringLiteral(":/lexora/trees/open.svg")));
    list.add(QStringLiteral("closed"), iconFromSvg(QStringLiteral(":/lexora/trees/closed.svg")));
    return list;
}

} // namespace lexora::trees
