// The act page: the HTML of one legislative act, shown from its header row,
// assembled from the rows of its articles, paragraphs and sub-paragraphs, or
// handed to the attached documents. The page is left in gPageHtml for the
// caller to write; the list cmbLexoraAbstracts gains the topics that cite
// the act.
#pragma once

#include <QString>

#include <cstdint>

namespace engine {
class Connection;
}
namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages {

// brwname "not_history": the act is gCurrentLawId; any other text: the act of
// the history list's selected entry (its Qt::UserRole data). HotBrowser: an
// attached document goes to the law viewer window. A database error is shown
// to the user; the page is then empty unless it was complete already.
void navigate_to_hotbrowser(shell::Panes& form, startup::ProgramContext& context,
                            const QString& brwname, bool HotBrowser);

// The page of an act as the legislation tab shows it, without showing it.
struct ActPageContent {
    enum Kind {
        Missing,    // no act with that id
        Attachment, // the act is an attached document, not a page
        Page,
    } kind = Missing;
    QString html; // with Page
};
// Throws engine::EngineError for a database error.
ActPageContent actPageContent(engine::Connection& connection, std::int32_t id);

inline const QString kNotHistory = QStringLiteral("not_history");
inline const QString kHistory = QStringLiteral("history");

} // namespace lexora::pages
