// Links between pages. A link to an act is "#" or "#f" followed by the act's
// id; the viewer's navigation is cancelled, the act page (or, on the
// organisation-chart tabs, the template page) is built and written into the
// viewer the link's origin determines. Also the common step that writes a
// pending page into a viewer, with its images taken from the help folder.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages {

class PageViewer;

// The act id of a viewer's reported address: nothing when the address has
// no "#" (the viewer then navigates), otherwise the value of the leading
// digits after "#" or "#f" (0 when there are none).
std::optional<std::int32_t> decodeLinkAddress(const QString& address);

// Every <img ... src=q...q> of the page gets the source
// applicationFolder/help/<file name of the old source>.
QString RedirectImages(const QString& html, const QString& applicationFolder);

// Writes gPageHtml (images redirected) into the viewer's body and styles
// the viewer; nothing when gPageHtml is empty.
void WritePendingPage(startup::ProgramContext& context, PageViewer& viewer);

// The page builder for the current tab: the template page on the
// organisation-chart tabs, otherwise the act page.
void buildPageForLink(shell::Panes& form, startup::ProgramContext& context, bool HotBrowser);

// Navigation-start handlers.
// brwWebBrowser1 (topic and chart pages): the act opens in brwWebBrowser2.
void brwWebBrowser1_BeforeNavigate2(shell::Panes& form, startup::ProgramContext& context,
                                    const QString& address, bool& cancel);
// brwWebBrowser2 and brwWebBrowser3 (act pages): the act opens in a new law
// viewer window.
void actPage_BeforeNavigate2(shell::Panes& form, startup::ProgramContext& context,
                             const QString& address, bool& cancel);
// brwhotbrowser (the law viewer window): the act opens in the same viewer.
void brwhotbrowser_BeforeNavigate2(shell::Panes& form, startup::ProgramContext& context,
                                   PageViewer& brwhotbrowser, const QString& address, bool& cancel);
// Shows an act in the law viewer window's page viewer (or its document
// controls), as a link inside that window does.
void showActInLawViewer(shell::Panes& form, startup::ProgramContext& context,
                        PageViewer& brwhotbrowser, std::int32_t id);

} // namespace lexora::pages
