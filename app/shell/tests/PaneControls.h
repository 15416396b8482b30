// The controls of the panes as the widget tests see them: found on the
// window by the names the program gives them.
#pragma once

#include "app/shell/NavigationTabs.h"
#include "controls/progress/Progress.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/TreeControl.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include <array>

namespace testsupport {

// The captions the tests give the tabs.
inline lexora::shell::TabCaptions testTabCaptions() {
    return {QStringLiteral("Οργανόγραμμα"), QStringLiteral("Θέματα"),
            QStringLiteral("Νομοθετήματα"), QStringLiteral("Οργανόγραμμα"),
            QStringLiteral("Ιστορικό")};
}

struct PaneControls {
    explicit PaneControls(QWidget* window) : w(window) {}

    template <typename T> T* find(const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    template <typename T, std::size_t N> std::array<T*, N> findAll(const char* name) const {
        std::array<T*, N> found{};
        for (std::size_t i = 0; i < N; ++i)
            found[i] = w->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        return found;
    }

    QWidget* w;

    // Navigation tabs.
    QTabWidget* SSTab1 = find<QTabWidget>("SSTab1");
    std::array<QLineEdit*, 2> txtsearch = findAll<QLineEdit, 2>("txtsearch");
    std::array<QLineEdit*, 2> txtsearchlaw = findAll<QLineEdit, 2>("txtsearchlaw");
    std::array<QLineEdit*, 2> txtsearchSchedule = findAll<QLineEdit, 2>("txtsearchSchedule");
    std::array<QToolButton*, 2> cmdsearch = findAll<QToolButton, 2>("cmdsearch");
    lexora::trees::TreeControl* tvwTree = find<lexora::trees::TreeControl>("tvwTree");
    lexora::trees::TreeControl* tvwTreelaw = find<lexora::trees::TreeControl>("tvwTreelaw");
    std::array<lexora::trees::TreeControl*, 2> tvwTreeschedule =
        findAll<lexora::trees::TreeControl, 2>("tvwTreeschedule");
    QListWidget* lsthistory = find<QListWidget>("lsthistory");
    QLabel* lblStatus = find<QLabel>("lblStatus");
    QFrame* frSearch = find<QFrame>("frSearch");
    QFrame* frsearchlaw = find<QFrame>("frsearchlaw");
    std::array<QFrame*, 2> frSearchSchedule = findAll<QFrame, 2>("frSearchSchedule");
    std::array<QLabel*, 2> lblsearch = findAll<QLabel, 2>("lblsearch");
    std::array<QLabel*, 3> lblsearchlaw = findAll<QLabel, 3>("lblsearchlaw");
    std::array<QLabel*, 2> lblsearchschedule = findAll<QLabel, 2>("lblsearchschedule");

    // Page pane.
    lexora::pages::PageViewer* brwWebBrowser1 = find<lexora::pages::PageViewer>("brwWebBrowser1");
    lexora::pages::PageViewer* brwWebBrowser2 = find<lexora::pages::PageViewer>("brwWebBrowser2");
    lexora::pages::PageViewer* brwWebBrowser3 = find<lexora::pages::PageViewer>("brwWebBrowser3");
    lexora::pages::PageViewer* brwWebBrowserLawFile =
        find<lexora::pages::PageViewer>("brwWebBrowserLawFile");
    lexora::richtext::DocumentBox* rtbWord = find<lexora::richtext::DocumentBox>("rtbWord");
    lexora::richtext::DocumentBox* rtbWordLawTopic =
        find<lexora::richtext::DocumentBox>("rtbWordLawTopic");
    lexora::richtext::DocumentBox* rtbWordLaw = find<lexora::richtext::DocumentBox>("rtbWordLaw");
    QFrame* sspAbstract = find<QFrame>("sspAbstract");
    QFrame* sspLaw = find<QFrame>("sspLaw");
    QLabel* lblAbstract = find<QLabel>("lblAbstract");
    QLabel* lbllaw = find<QLabel>("lbllaw");
    QLabel* lblDocument = find<QLabel>("lblDocument");
    Dravik::Progress* ProgressBar1 = find<Dravik::Progress>("ProgressBar1");
    QComboBox* cmbLexoraAbstracts = find<QComboBox>("cmbLexoraAbstracts");
    QToolButton* cmdpichistory = find<QToolButton>("cmdpichistory");
    QToolButton* cmdpiclaw = find<QToolButton>("cmdpiclaw");
    QToolButton* cmdpicWordlaw = find<QToolButton>("cmdpicWordlaw");
    QToolButton* cmdpiclawhist = find<QToolButton>("cmdpiclawhist");
    QToolButton* cmdpicsavewholelaw = find<QToolButton>("cmdpicsavewholelaw");
    QToolButton* cmdpicprintabstr = find<QToolButton>("cmdpicprintabstr");
    QToolButton* Cmddelete = find<QToolButton>("Cmddelete");
};

} // namespace testsupport
