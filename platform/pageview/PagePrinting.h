// Printing a rendered page: the page is laid out again for the printer's
// paper at the size it has on screen and drawn page by page. This is the one
// path that puts a page viewer's document on paper or into a PDF file.
#pragma once

#include <QtGlobal>

class QPagedPaintDevice;
class QTextDocument;

namespace lexora::pages {

// Page sizes are given in CSS pixels, and a CSS pixel is 1/96 inch on a
// screen of ordinary density: a 13-pixel paragraph prints at 9.75 pt.
inline constexpr qreal kCssPixelsPerInch = 96.0;
// Paper margins are never narrower than this, whatever the printer offers.
inline constexpr qreal kMinimumPageMarginMm = 15.0;

// Draws `page` on `printer`: the width of the paper inside its margins
// becomes the page width, lines are kept whole (a line that would cross the
// foot of a sheet starts the next one), and images are loaded as the page
// loads them on screen. Widens the printer's margins to the minimum. Returns
// false when the printer could not be started or a new sheet could not be
// begun; the caller also looks at the printer's own error state.
bool printPage(const QTextDocument& page, QPagedPaintDevice& printer);

} // namespace lexora::pages
