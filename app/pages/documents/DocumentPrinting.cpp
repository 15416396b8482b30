// The print buttons: an act in whichever form is visible, the abstract page,
// and on the organisation-chart tabs the template's stored document through
// the office suite. A cancelled printer dialog ends the printing silently.
#include "app/pages/documents/DocumentCommands.h"

#include "app/pages/builders/BuilderSupport.h"
#include "app/pages/documents/DocumentTexts.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/lawviewer/frmhotbrowser.h"
#include "platform/office/OfficeApplication.h"
#include "platform/pageview/PageViewer.h"
#include "platform/pageview/PrintDialogService.h"
#include "platform/richtext/DocumentBox.h"
#include "routines/MessagePresenter.h"

#include <QPrinter>

#include <exception>
#include <stdexcept>

namespace lexora::pages {

using namespace documents_text;

namespace {

void showPlain(const QString& text) {
    dvRtns4::messagePresenter().show({dvRtns4::MsgIcon::None, QString(), text});
}

void reportPrintError(const std::exception& error) {
    showPlain(kPrintError + QString::fromUtf8(error.what()));
}

bool shown(const QWidget* widget) {
    return widget != nullptr && !widget->isHidden();
}

// The viewer's own print command when it is enabled.
void printViewer(PageViewer& viewer, int status) {
    if ((status & OLECMDF_ENABLED) != 0)
        viewer.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);
    else
        showPlain(kPrintDisabled);
}

} // namespace

void DocumentCommands::PrintActView(richtext::DocumentBox* box, PageViewer* fileViewer,
                                    PageViewer* pageViewer) {
    try {
        if (shown(box)) {
            QPrinter* printer = m_services.printerDialog.choosePrinter(m_form.window);
            if (printer == nullptr)
                return;
            if (!printer->isValid())
                throw std::runtime_error("The printer is not available.");
            box->Print(printer);
            if (printer->printerState() == QPrinter::Error)
                throw std::runtime_error("The document could not be printed.");
            return; // the box covers both viewers
        }
        for (PageViewer* viewer : {fileViewer, pageViewer}) {
            if (viewer)
                viewer->setPrintDialogService(&m_services.printerDialog);
        }
        if (shown(pageViewer)) {
            const int status = shown(fileViewer) ? fileViewer->QueryStatusWB(OLECMDID_PRINT)
                                                 : pageViewer->QueryStatusWB(OLECMDID_PRINT);
            printViewer(*pageViewer, status);
        } else if (shown(fileViewer)) {
            printViewer(*fileViewer, fileViewer->QueryStatusWB(OLECMDID_PRINT));
        }
    } catch (const std::exception& error) {
        reportPrintError(error);
    }
}

void DocumentCommands::cmdpiclaw_Click() {
    ProgramState& state = m_context.state;
    state.gCurrentLawId = state.gTopicsLawId;
    if (state.gCurrentLawId == 0) {
        dvRtns4::messagePresenter().show({dvRtns4::MsgIcon::Critical, kNoActTitle, kNoActText});
        return;
    }
    if (!m_form.tabs.onChartTab()) {
        PrintActView(m_form.page.actDocumentBox(shell::Tab::Topics), &m_form.page.fileViewer(),
                     m_form.page.actViewer(shell::Tab::Topics));
        return;
    }
    if (!gDocumentType.isEmpty())
        printTemplateDocument();
}

void DocumentCommands::printTemplateDocument() {
    closeDocApplication();
    if (!StartDocApplication(gDocumentType, false))
        return;
    try {
        if (!openInDocApplication(subBodyPath(gDocumentType)))
            throw office::OfficeError("The document could not be opened.");
        if (gDocApplication->kind() == office::OfficeKind::WordProcessor) {
            QPrinter* printer = m_services.printerDialog.choosePrinter(m_form.window);
            if (printer == nullptr) {
                closeDocApplication();
                return;
            }
            gDocApplication->setActivePrinter(printer->printerName());
        }
        gDocApplication->PrintOut();
    } catch (const std::exception& error) {
        reportPrintError(error);
    }
    closeDocApplication();
}

void DocumentCommands::cmdpiclawhist_Click() {
    PrintActView(m_form.page.actDocumentBox(shell::Tab::Laws), &m_form.page.fileViewer(),
                 m_form.page.actViewer(shell::Tab::Laws));
}

void DocumentCommands::cmdhotconnprint_Click(windows::frmhotbrowser& viewer) {
    viewer.cdPrintRTF = &m_services.printerDialog;
    PrintActView(viewer.rtbhotBrowser, viewer.brwFilehotbrowser, viewer.brwhotbrowser);
}

void DocumentCommands::cmdpicprintabstr_Click() {
    PageViewer& viewer = m_form.page.topicViewer();
    try {
        viewer.setPrintDialogService(&m_services.printerDialog);
        printViewer(viewer, viewer.QueryStatusWB(OLECMDID_PRINT));
    } catch (const std::exception& error) {
        reportPrintError(error);
    }
}

} // namespace lexora::pages
