// The history commands of the main window and the law viewer window:
//   cmdpichistory_Click      saves the act last opened from a topic page;
//   cmdpicsavewholelaw_Click saves the act of the legislation tab, or, while
//                            the law viewer window is active, the act it shows;
//   lsthistory_Click         shows the chosen entry's act in brwWebBrowser3;
//   Cmddelete_Click          removes the chosen entry (the file changes at
//                            the next save).
// Saving changes the list only; the file is written when a window unloads.
// A database error is shown to the user; the list stays as it was.
#pragma once

#include <QString>

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::history {

void cmdpichistory_Click(shell::Panes& form, startup::ProgramContext& context);
void cmdpicsavewholelaw_Click(shell::Panes& form, startup::ProgramContext& context);
void lsthistory_Click(shell::Panes& form, startup::ProgramContext& context);
void Cmddelete_Click(shell::Panes& form, startup::ProgramContext& context);

inline const QString kNoActTitle = QStringLiteral("Ανεπιτυχής Αποθήκευση στο Ιστορικό");

} // namespace lexora::history
