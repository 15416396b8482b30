// The text layout measures a page on a reference surface of 96 dots per inch
// and the painter scales it to the printer's resolution, so CSS pixel sizes
// keep their screen size on paper instead of becoming printer dots.
#include "platform/pageview/PagePrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace lexora::pages {

namespace {

void ensureMargins(QPagedPaintDevice& printer) {
    QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    const auto widen = [](qreal side) { return std::max(side, kMinimumPageMarginMm); };
    const QMarginsF wanted(widen(margins.left()), widen(margins.top()), widen(margins.right()),
                           widen(margins.bottom()));
    if (wanted != margins)
        printer.setPageMargins(wanted, QPageLayout::Millimeter);
}

// A surface that only reports its density: the layout measures text on it.
QImage referenceSurface() {
    QImage surface(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(kCssPixelsPerInch / 0.0254);
    surface.setDotsPerMeterX(dotsPerMetre);
    surface.setDotsPerMeterY(dotsPerMetre);
    return surface;
}

} // namespace

bool printPage(const QTextDocument& page, QPagedPaintDevice& printer) {
    ensureMargins(printer);

    // The copy asks the page's own owner for its images, as the page does.
    const std::unique_ptr<QTextDocument> copy(page.clone(page.parent()));
    QImage surface = referenceSurface();
    QAbstractTextDocumentLayout* layout = copy->documentLayout();
    layout->setPaintDevice(&surface);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const qreal scaleX = printer.logicalDpiX() / kCssPixelsPerInch;
    const qreal scaleY = printer.logicalDpiY() / kCssPixelsPerInch;
    const QSizeF sheet(printer.width() / scaleX, printer.height() / scaleY);
    copy->setPageSize(sheet);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    const int sheets = copy->pageCount();
    for (int i = 0; i < sheets; ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        const QRectF shown(QPointF(0, i * sheet.height()), sheet);
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        context.clip = shown;
        layout->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace lexora::pages
