// The main window remembers itself between runs: its size, place and
// maximised state, both splitters and the last tab, kept under the program's
// user key "LEXORA\Window". A place on a monitor that is no longer there is
// brought back onto a screen.
#pragma once

#include <QList>
#include <QRect>

namespace lexora::startup {
class ApplicationSettings;
}

namespace lexora::windows {

class frmInitial;

inline constexpr const char* kWindowKey = "\\LEXORA\\Window";

// Gives the window its stored size and place now, its splitters and tab when
// it is first shown, and stores them all when it closes.
void rememberWindow(frmInitial& window, startup::ApplicationSettings& settings);

// A window frame moved (and if need be shrunk) so that it lies on one of the
// screens' available areas; unchanged when enough of it is on one already.
QRect ontoScreens(const QRect& frame, const QList<QRect>& screens);

} // namespace lexora::windows
