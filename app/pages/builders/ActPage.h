// The act page: the HTML of one legislative act, shown from its header row,
// assembled from the rows of its articles, paragraphs and sub-paragraphs, or
// handed to the attached documents. The page is left in gPageHtml for the
// caller to write; the list cmbLexoraAbstracts gains the topics that cite
// the act.
#pragma once

#include <QString>

namespace lexora::windows {
struct MainForm;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages {

// brwname "not_history": the act is gCurrentLawId; any other text: the act of
// the history list's selected entry (its Qt::UserRole data). HotBrowser: an
// attached document goes to the law viewer window. A database error is shown
// to the user; the page is then empty unless it was complete already.
void navigate_to_hotbrowser(windows::MainForm& form, startup::ProgramContext& context,
                            const QString& brwname, bool HotBrowser);

inline const QString kNotHistory = QStringLiteral("not_history");
inline const QString kHistory = QStringLiteral("history");

} // namespace lexora::pages
