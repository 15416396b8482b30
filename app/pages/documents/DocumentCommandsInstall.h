// Putting the document commands into the main window: the document and print
// buttons, the page builders' attached documents, the page viewers' printer
// dialog, the closeDocuments hook and the law viewer's print button.
#pragma once

namespace lexora::shell {
struct Panes;
}
namespace lexora::windows {
struct MainWindowHooks;
struct LawViewerHooks;
} // namespace lexora::windows
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages {

class DocumentCommands;
class PrintDialogService;

// Connects commands to the window's controls and hooks and installs them as
// the attached documents; fills viewerHooks.print, which the caller hands to
// setLawViewerHooks with the rest of the law viewer's hooks. The commands
// must outlive the window.
void connectDocumentCommands(DocumentCommands& commands, shell::Panes& form,
                             windows::MainWindowHooks& hooks, windows::LawViewerHooks& viewerHooks,
                             PrintDialogService& printerDialog);

// The commands over the program's own services (the office suite through
// QProcess, QPrintDialog, the system clock), owned by the main window and
// connected as connectDocumentCommands does. Call once, after the window's
// controls exist.
DocumentCommands& installDocumentCommands(shell::Panes& form, startup::ProgramContext& context,
                                          windows::MainWindowHooks& hooks,
                                          windows::LawViewerHooks& viewerHooks);

} // namespace lexora::pages
