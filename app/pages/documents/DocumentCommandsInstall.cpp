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
#include <QToolButton>

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

void onClick(QToolButton* button, std::function<void()> handler) {
    if (button)
        QObject::connect(button, &QToolButton::clicked, button, std::move(handler));
}

} // namespace

void connectDocumentCommands(DocumentCommands& commands, shell::Panes& form,
                             windows::MainWindowHooks& hooks, windows::LawViewerHooks& viewerHooks,
                             PrintDialogService& printerDialog) {
    setAttachedDocuments(&commands);
    hooks.closeDocuments = [&commands] { commands.CloseDocuments(); };
    viewerHooks.print = [&commands](windows::frmhotbrowser& viewer) {
        commands.cmdhotconnprint_Click(viewer);
    };

    onClick(form.page.cmdpicWordlaw, [&commands] { commands.cmdpicWordlaw_Click(); });
    onClick(form.page.cmdpiclaw, [&commands] { commands.cmdpiclaw_Click(); });
    onClick(form.page.cmdpiclawhist, [&commands] { commands.cmdpiclawhist_Click(); });
    onClick(form.page.cmdpicprintabstr, [&commands] { commands.cmdpicprintabstr_Click(); });

    for (PageViewer* viewer : {form.page.brwWebBrowser1, form.page.brwWebBrowser2,
                               form.page.brwWebBrowser3, form.page.brwWebBrowserLawFile}) {
        if (viewer)
            viewer->setPrintDialogService(&printerDialog);
    }
    // An attached HTML document is styled as the program's own pages are.
    if (PageViewer* fileViewer = form.page.brwWebBrowserLawFile) {
        QObject::connect(fileViewer, &PageViewer::NavigateComplete2, fileViewer,
                         [fileViewer] { set_style(*fileViewer); });
    }
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
