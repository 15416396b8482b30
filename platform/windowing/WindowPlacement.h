// Where a secondary window opens: over the window it belongs to, not at the
// edge of the screen where the window manager or the toolkit may put it.
#pragma once

class QWidget;

namespace lexora::windowing {

// Moves `window` so that it is centred over `owner`, kept inside the
// available area of the owner's screen (its top left corner first, so that
// the title bar stays reachable). Nothing when there is no owner or the owner
// is not shown.
void centreOver(QWidget& window, const QWidget* owner);

} // namespace lexora::windowing
