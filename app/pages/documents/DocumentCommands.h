// The attached documents of acts, templates and chart abstracts, and the
// commands around them: writing a stored document into the program's private
// temporary folder, showing it in a document box or a file viewer, opening it
// in the office suite (or the program chosen in the settings) with the
// document button, printing whatever form of an act is visible, and deleting
// the document files when the main window loads and closes.
#pragma once

#include "app/pages/builders/AttachedDocuments.h"
#include "app/pages/documents/DocumentFile.h"

#include <QString>

class QWidget;

#include <cstdint>
#include <memory>

namespace Dravik {
class Progress;
}
namespace lexora::office {
class OfficeApplication;
class ProcessRunner;
} // namespace lexora::office
namespace lexora::richtext {
class DocumentBox;
}
namespace lexora::windows {
class frmhotbrowser;
}

namespace lexora::pages {

class PageViewer;
class PrintDialogService;

// What the commands reach outside the program.
struct DocumentServices {
    office::ProcessRunner& runner;     // the office programs and the chosen program
    PrintDialogService& printerDialog; // cdPrintRTF
    const DocumentClock& clock;        // the progress bar's clock
};

class DocumentCommands final : public AttachedDocuments {
public:
    DocumentCommands(shell::Panes& form, startup::ProgramContext& context,
                     DocumentServices services);
    ~DocumentCommands() override;

    // AttachedDocuments.
    void ShowLawFile(shell::Panes& form, startup::ProgramContext& context, std::int32_t LawId,
                     bool HotBrowser) override;
    void ShowScheduleDocument(shell::Panes& form, startup::ProgramContext& context, std::int32_t id,
                              QString& page) override;
    QString WriteAbstractDocument(shell::Panes& form, startup::ProgramContext& context,
                                  const QString& sql) override;
    void ClearDocumentType() override { gDocumentType.clear(); }

    // Writes the BlobBody of the statement's first row to "BlobSubBody." +
    // type after closing the office document that may hold that file; the
    // file's path, or empty when there is no row or writing fails.
    QString WriteDocumentFile(const QString& sql, const QString& type, Dravik::Progress* progress);
    // Moves the progress bar on by the time since gLoadStartTime.
    void StepProgress(Dravik::Progress& progress);
    // Covers the lower edge of target with the progress bar.
    void PlaceProgressBar(const QWidget& target, bool visible);
    // Creates the office application for the type; shows why when it cannot.
    bool StartDocApplication(const QString& type, bool visible);
    // Closes the office document and application and deletes the document
    // files of the temporary folder.
    void CloseDocuments();

    // The buttons.
    void cmdpicWordlaw_Click();
    void cmdpiclaw_Click();
    void cmdpiclawhist_Click();
    void cmdpicprintabstr_Click();
    // cmdhotconnprint of the law viewer window.
    void cmdhotconnprint_Click(windows::frmhotbrowser& viewer);
    // Prints whichever form of an act is visible: the document box after the
    // printer dialog, else the file viewer or the page viewer by their own
    // print command.
    void PrintActView(richtext::DocumentBox* box, PageViewer* fileViewer, PageViewer* pageViewer);

    QString documentType() const { return gDocumentType; }
    float loadStartTime() const { return gLoadStartTime; }
    // The office application started, or nullptr.
    const office::OfficeApplication* docApplication() const { return gDocApplication.get(); }

private:
    void closeDocApplication();
    QString subBodyPath(const QString& type) const;
    bool openInDocApplication(const QString& path);
    void printTemplateDocument();

    shell::Panes& m_form;
    startup::ProgramContext& m_context;
    DocumentServices m_services;

    std::unique_ptr<office::OfficeApplication> gDocApplication; // holds gDocument
    QString gDocumentType;
    float gLoadStartTime = 0.0F;
};

} // namespace lexora::pages
