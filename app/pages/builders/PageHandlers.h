// The page entry points the main window calls: the topic page of a topic
// node, the page of a legislation tree node, the organisation-chart page of
// a chart node (index 0 or 1 of the chart trees), and the wiring of the main
// window's page viewers to the act links of their pages.
#pragma once

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}
namespace lexora::trees {
class TreeNode;
}

namespace lexora::pages {

void ShowTopicPage(shell::Panes& form, startup::ProgramContext& context, trees::TreeNode& node);
void ShowLawTreeNode(shell::Panes& form, startup::ProgramContext& context, trees::TreeNode& node);
void ShowSchedulePage(shell::Panes& form, startup::ProgramContext& context, trees::TreeNode& node,
                      int index);
// Connects BeforeNavigate2 of brwWebBrowser1, brwWebBrowser2 and
// brwWebBrowser3 to the link handlers; call once, after the controls exist.
void connectLinkHandlers(shell::Panes& form, startup::ProgramContext& context);

} // namespace lexora::pages
