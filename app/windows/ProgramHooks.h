// The program's hooks of frmInitial: the full fills of the navigation trees,
// the pages of their nodes (with the page viewers' link handlers connected),
// the searches, the help, information, settings and about windows, the
// history and the document commands (which also serve the law viewer).
#pragma once

namespace lexora::startup {
class ApplicationSettings;
}

namespace lexora::windows {

class frmInitial;

// Call once, before the load step. `settings` null: the document program is
// not stored between runs.
void installProgramHooks(frmInitial& window, startup::ApplicationSettings* settings);

} // namespace lexora::windows
