// The office side of the documents: starting the word processor or the
// spreadsheet program, the document button, and closing everything when the
// main window loads or closes.
#include "app/pages/documents/DocumentCommands.h"

#include "app/pages/documents/DocumentTexts.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "platform/office/ChosenProgram.h"
#include "platform/office/OfficeApplication.h"
#include "routines/MessagePresenter.h"

#include <QDir>
#include <QFileInfo>

namespace lexora::pages {

using namespace documents_text;

void DocumentCommands::closeDocApplication() {
    if (gDocApplication) {
        gDocApplication->CloseDocument();
        gDocApplication->Quit();
        gDocApplication.reset();
    }
}

bool DocumentCommands::StartDocApplication(const QString& type, bool visible) {
    const office::OfficeKind kind = office::officeKindFor(type);
    gDocApplication = office::OfficeApplication::create(kind, m_services.runner);
    if (gDocApplication) {
        gDocApplication->setVisible(visible);
        return true;
    }
    dvRtns4::MessageRequest request;
    if (kind == office::OfficeKind::Spreadsheet) {
        request.icon = dvRtns4::MsgIcon::Critical;
        request.title = kNoOfficeTitle;
        request.text = kNoExcelText1 + QStringLiteral("\r\n") + kNoExcelText2;
    } else {
        request.text = kNoWordText1 + QStringLiteral("\r\n") + kNoWordText2;
    }
    dvRtns4::messagePresenter().show(request);
    return false;
}

bool DocumentCommands::openInDocApplication(const QString& path) {
    try {
        if (gDocApplication->kind() == office::OfficeKind::Spreadsheet)
            gDocApplication->WorkBooksAdd(path);
        else
            gDocApplication->DocumentsOpen(path);
        return true;
    } catch (const office::OfficeError&) {
        return false;
    }
}

namespace {

// The program started but could not show the document: the user hears of it
// instead of waiting for a window that never comes.
void reportNotOpened(const QString& program, office::LaunchResult result, bool chosen) {
    QString text =
        (result == office::LaunchResult::NotStarted ? kCannotStartText : kFailedAtOnceText)
            .arg(program);
    if (chosen)
        text += QStringLiteral("\r\n") + kCheckChosenProgram;
    dvRtns4::messagePresenter().show({dvRtns4::MsgIcon::Critical, kNoOfficeTitle, text});
}

} // namespace

void DocumentCommands::cmdpicWordlaw_Click() {
    ProgramState& state = m_context.state;
    state.gCurrentLawId = state.gTopicsLawId;
    if (state.gCurrentLawId == 0) {
        dvRtns4::messagePresenter().show(
            {dvRtns4::MsgIcon::Critical, kNoDocumentTitle, kNoDocumentText});
        return;
    }
    const QString path = subBodyPath(gDocumentType);
    if (!state.gDocumentViewerPath.isEmpty()) {
        // The chosen program gets only a document that is there.
        if (!gDocumentType.isEmpty() && QFileInfo(path).isFile()) {
            const office::LaunchResult result =
                office::startChosenProgram(m_services.runner, state.gDocumentViewerPath, path);
            if (result != office::LaunchResult::Started)
                reportNotOpened(state.gDocumentViewerPath, result, true);
        }
        return;
    }
    closeDocApplication();
    if (gDocumentType.isEmpty())
        return;
    if (StartDocApplication(gDocumentType, true) && !openInDocApplication(path)) {
        const bool spreadsheet =
            office::officeKindFor(gDocumentType) == office::OfficeKind::Spreadsheet;
        reportNotOpened(spreadsheet ? kSpreadsheetName : kWordProcessorName,
                        office::LaunchResult::FailedAtOnce, false);
        closeDocApplication();
    }
}

void DocumentCommands::CloseDocuments() {
    closeDocApplication();
    const QString folder = m_context.state.gTempFolder;
    if (folder.isEmpty())
        return; // never the working folder
    QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("BlobSubBody.*"), QStringLiteral("BlobBody.*")},
                      QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    for (const QString& name : names)
        dir.remove(name);
}

} // namespace lexora::pages
