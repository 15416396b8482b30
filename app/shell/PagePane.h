// The right-hand side of the main window: the three page viewers (topic and
// chart pages, the act of the topics tab, the act of the legislation and
// history tabs), the viewer of attached HTML files, the document boxes, the
// progress bar, the document label, the list of abstracts and the print,
// document and history buttons. The main window builds the controls; the
// features show pages through the operations below and reach the controls by
// the names the program gives them.
#pragma once

#include "app/shell/NavigationTabs.h"

#include <QIcon>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QToolButton;

namespace Dravik {
class Progress;
}
namespace lexora::pages {
class PageViewer;
}
namespace lexora::richtext {
class DocumentBox;
}

namespace lexora::shell {

class PagePane {
public:
    // The viewer that shows acts on that tab: brwWebBrowser2 on the topics
    // tab, brwWebBrowser3 on the legislation and history tabs, none on the
    // organisation-chart tabs.
    pages::PageViewer* actViewer(Tab tab) const;
    // The document box that shows an act's RTF document on that tab, beside
    // actViewer(tab).
    richtext::DocumentBox* actDocumentBox(Tab tab) const;
    // Hides the act document controls and shows the act viewer of the tab,
    // ready for a new act page.
    void prepareActViewer(Tab tab) const;

    pages::PageViewer* brwWebBrowser1 = nullptr;
    pages::PageViewer* brwWebBrowser2 = nullptr;
    pages::PageViewer* brwWebBrowser3 = nullptr;
    pages::PageViewer* brwWebBrowserLawFile = nullptr;
    richtext::DocumentBox* rtbWord = nullptr;
    richtext::DocumentBox* rtbWordLawTopic = nullptr;
    richtext::DocumentBox* rtbWordLaw = nullptr;
    QFrame* sspAbstract = nullptr;
    QFrame* sspLaw = nullptr;
    QLabel* lbllaw = nullptr;
    QLabel* lblDocument = nullptr;
    Dravik::Progress* ProgressBar1 = nullptr;
    // The abstracts of the chosen act (on the legislation tab's search panel).
    QComboBox* cmbLexoraAbstracts = nullptr;

    QToolButton* cmdpichistory = nullptr;
    QToolButton* cmdpiclaw = nullptr;
    QToolButton* cmdpicWordlaw = nullptr;
    QToolButton* cmdpiclawhist = nullptr;
    QToolButton* cmdpicsavewholelaw = nullptr;
    QToolButton* cmdpicprintabstr = nullptr;
    QToolButton* Cmddelete = nullptr;

    // imListDocuments: pictures 1 to 3 of the document button (index 0 unused).
    std::array<QIcon, 4> imListDocuments{};
};

} // namespace lexora::shell
