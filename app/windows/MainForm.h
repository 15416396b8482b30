// The controls of the main window frmInitial, by the names the program's
// code uses for them. The window (frmInitial) creates them and owns them
// through Qt parenthood; the pages, searches, history and document commands
// work on them through this view, so that they need not know the window.
// Repeated controls are arrays indexed from 0; their object names carry the
// index after an underscore ("txtsearch_0").
#pragma once

#include <QIcon>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;
class QWidget;

namespace Dravik {
class Progress;
}
namespace lexora::pages {
class PageViewer;
}
namespace lexora::richtext {
class DocumentBox;
}
namespace lexora::trees {
class TreeControl;
}

namespace lexora::windows {

struct MainForm {
    QWidget* window = nullptr; // frmInitial itself
    QTabWidget* SSTab1 = nullptr;

    // Topics tab.
    QFrame* frSearch = nullptr;
    std::array<QLineEdit*, 2> txtsearch{};
    std::array<QLabel*, 2> lblsearch{};
    trees::TreeControl* tvwTree = nullptr;

    // Legislation tab.
    QFrame* frsearchlaw = nullptr;
    std::array<QLineEdit*, 2> txtsearchlaw{};
    std::array<QLabel*, 3> lblsearchlaw{};
    QComboBox* cmbLexoraAbstracts = nullptr;
    trees::TreeControl* tvwTreelaw = nullptr;

    // Organisation-chart tabs (index 0 on tab 3, index 1 on tab 0).
    std::array<QFrame*, 2> frSearchSchedule{};
    std::array<QLineEdit*, 2> txtsearchSchedule{};
    std::array<QLabel*, 2> lblsearchschedule{};
    std::array<trees::TreeControl*, 2> tvwTreeschedule{};

    // History tab.
    QListWidget* lsthistory = nullptr;

    // Right pane.
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
    // The status line along the window's foot (what a search found).
    QLabel* lblStatus = nullptr;

    // Command buttons.
    QToolButton* cmdpichistory = nullptr;
    QToolButton* cmdpiclaw = nullptr;
    QToolButton* cmdpicWordlaw = nullptr;
    QToolButton* cmdpiclawhist = nullptr;
    QToolButton* cmdpicsavewholelaw = nullptr;
    QToolButton* cmdpicprintabstr = nullptr;
    QToolButton* Cmddelete = nullptr;
    std::array<QToolButton*, 2> cmdsearch{};

    // Toolbar and pictures.
    QFrame* sspToolbar = nullptr;
    std::array<QToolButton*, 4> cmdtoolbar{};
    QLabel* imLogo = nullptr;
    QWidget* picDrag = nullptr;
    QWidget* picDrag2 = nullptr;
    // imListDocuments: pictures 1 to 3 of the document button (index 0 unused).
    std::array<QIcon, 4> imListDocuments{};
};

} // namespace lexora::windows
