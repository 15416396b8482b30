// The calls the page builders make into the attached documents: showing an
// act's document, a template's document (with the note page a spreadsheet
// gets) and writing a chart abstract's stored document. The program installs
// the real implementation; until one is installed the calls show nothing,
// return nothing and leave the page empty.
#pragma once

#include <QString>

#include <cstdint>

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages {

class AttachedDocuments {
public:
    virtual ~AttachedDocuments();
    // Shows the document of act LawId; with HotBrowser in the law viewer
    // window, otherwise beside the main window's page viewer.
    virtual void ShowLawFile(shell::Panes& form, startup::ProgramContext& context,
                             std::int32_t LawId, bool HotBrowser) = 0;
    // Shows the document of template id; page receives the note page shown
    // instead of the text, or stays empty.
    virtual void ShowScheduleDocument(shell::Panes& form, startup::ProgramContext& context,
                                      std::int32_t id, QString& page) = 0;
    // Writes a chart abstract's stored document; the file's path, or empty.
    virtual QString WriteAbstractDocument(shell::Panes& form, startup::ProgramContext& context,
                                          const QString& sql) = 0;
    // Forgets the type of the template document last shown.
    virtual void ClearDocumentType() = 0;
};

// The implementation in use (one that does nothing until one is installed).
AttachedDocuments& attachedDocuments();
// Installs an implementation (not owned); nullptr restores the default.
void setAttachedDocuments(AttachedDocuments* documents);

} // namespace lexora::pages
