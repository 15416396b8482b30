// The main window's keys: F1 help, Ctrl+Q exit, Ctrl+P print the page in
// view, Ctrl+L to the search box of the current tab (again: to its other
// box), and Alt with the underlined letter of a toolbar button (the same
// physical key works with the Latin layout: Alt+B, Alt+G, Alt+R, Alt+J).
// Each key presses the button that does the job, so that it behaves exactly
// as a click does.
#pragma once

#include <array>

class QToolButton;

namespace lexora::shell {
struct Panes;
}
namespace lexora::windows {

void installWindowKeys(shell::Panes& panes, const std::array<QToolButton*, 4>& toolbar);

} // namespace lexora::windows
