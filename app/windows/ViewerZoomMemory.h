// Each page viewer and document box of a window keeps its zoom between runs:
// the zoom is read when the window is made and written at every change, under
// the program's user key "LEXORA\Zoom", one value per control name.
#pragma once

class QWidget;

namespace lexora::startup {
class ApplicationSettings;
}

namespace lexora::windows {

inline constexpr const char* kZoomKey = "\\LEXORA\\Zoom";

// Applies the stored zoom to every named viewer and box inside window and
// stores each later change.
void rememberViewerZoom(QWidget& window, startup::ApplicationSettings& settings);

} // namespace lexora::windows
