#include "app/pages/documents/DocumentCommandsInstall.h"

#include "app/pages/PageStyling.h"
#include "app/pages/documents/DocumentCommands.h"
#include "app/pages/documents/SaveAsPdf.h"
#include "app/shell/Panes.h"
#include "app/windows/MainWindowHooks.h"
#include "app/windows/lawviewer/frmhotbrowser.h"
#include "platform/office/ProcessRunner.h"
#include "platform/pageview/PageViewer.h"
#include "platform/printing/PdfFileDialog.h"
#include "platform/printing/PrinterDialog.h"

#include <QObject>

namespace lexora::pages {

namespace {

// The program's services and commands, deleted with the main window.
class ProgramDocumentCommands final : public QObject {
public:
    ProgramDocumentCommands(shell::Panes& form, startup::ProgramContext& context)
        : QObject(form.window), commands(form, context, {runner, printerDialog, clock}) {}
    ~ProgramDocumentCommands() override {
        if (&attachedDocuments() == &commands)
            setAttachedDocuments(nullptr);
    }

    office::QProcessRunner runner;
    printing::PrinterDialog printerDialog;
    printing::PdfFileDialog pdfDialog;
    SystemDocumentClock clock;
    DocumentCommands commands;
};

} // namespace

void connectDocumentCommands(DocumentCommands& commands, shell::Panes& form,
                             windows::MainWindowHooks& hooks, windows::LawViewerHooks& viewerHooks,
                             PrintDialogService& printerDialog) {
    setAttachedDocuments(&commands);
    hooks.closeDocuments = [&commands] { commands.CloseDocuments(); };
    viewerHooks.print = [&commands](windows::frmhotbrowser& viewer) {
        commands.cmdhotconnprint_Click(viewer);
    };

    shell::PagePane* page = &form.page;
    QObject::connect(page, &shell::PagePane::documentRequested, form.window,
                     [&commands] { commands.cmdpicWordlaw_Click(); });
    QObject::connect(page, &shell::PagePane::printTopicActRequested, form.window,
                     [&commands] { commands.cmdpiclaw_Click(); });
    QObject::connect(page, &shell::PagePane::printActRequested, form.window,
                     [&commands] { commands.cmdpiclawhist_Click(); });
    QObject::connect(page, &shell::PagePane::printAbstractRequested, form.window,
                     [&commands] { commands.cmdpicprintabstr_Click(); });

    for (PageViewer* viewer : form.page.pageViewers())
        viewer->setPrintDialogService(&printerDialog);
    // An attached HTML document is styled as the program's own pages are.
    PageViewer* fileViewer = &form.page.fileViewer();
    QObject::connect(fileViewer, &PageViewer::NavigateComplete2, fileViewer,
                     [fileViewer] { set_style(*fileViewer); });
}

DocumentCommands& installDocumentCommands(shell::Panes& form, startup::ProgramContext& context,
                                          windows::MainWindowHooks& hooks,
                                          windows::LawViewerHooks& viewerHooks) {
    auto* owner = new ProgramDocumentCommands(form, context);
    connectDocumentCommands(owner->commands, form, hooks, viewerHooks, owner->printerDialog);
    installSaveAsPdf(form, context, viewerHooks, owner->pdfDialog);
    return owner->commands;
}

} // namespace lexora::pages
