// The template page of the organisation-chart tabs: a template built like an
// act from its rows, or its stored document when it has no text. The page is
// left in gPageHtml for the caller to write; lblDocument shows the
// template's title.
#pragma once

#include <QString>

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages {

// brwname as for navigate_to_hotbrowser. A database error is shown to the
// user and leaves the page empty.
void navigate_to_hotbrowserSchedule(shell::Panes& form, startup::ProgramContext& context,
                                    const QString& brwname);

} // namespace lexora::pages
