// The fixed look of every page: inline font, colour and spacing properties
// set on each h1, h2, h3, h4, p and a element of a viewer's document, and on
// the list items and table cells (li, td, th), which read like paragraphs.
// Inline properties override whatever style stored markup gave those tags;
// elements of other tags keep the viewer's defaults. The view is refreshed once, at
// the end.
#pragma once

namespace lexora::pages {

class PageViewer;

// Throws PageError when the viewer holds no document; an element whose
// style cannot be set stops the walk there, and the elements styled so far
// are shown.
void set_style(PageViewer& my_browser);

} // namespace lexora::pages
