// The left-hand side of the main window: the tab control with the
// navigation trees, their search boxes and buttons, the history list, and
// the status line that reports what a search found. The main window builds
// the controls; the features read the current tab as a value of Tab and work
// on the trees and boxes by the names the program gives them.
#pragma once

#include <QString>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;

namespace lexora::trees {
class TreeControl;
}

namespace lexora::shell {

// The tabs by their place in the tab control.
enum class Tab { ChartN = 0, Topics = 1, Laws = 2, ChartP = 3, History = 4 };

class NavigationTabs {
public:
    // The tab shown; Tab::Topics while there is no tab control.
    Tab currentTab() const;
    void setCurrentTab(Tab tab);
    // True on either organisation-chart tab.
    bool onChartTab() const { return currentTab() == Tab::ChartN || currentTab() == Tab::ChartP; }
    // The tab's caption as the edition set it; empty without a tab control.
    QString caption(Tab tab) const;

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
    trees::TreeControl* tvwTreelaw = nullptr;

    // Organisation-chart tabs (index 0 on tab 3, index 1 on tab 0).
    std::array<QFrame*, 2> frSearchSchedule{};
    std::array<QLineEdit*, 2> txtsearchSchedule{};
    std::array<QLabel*, 2> lblsearchschedule{};
    std::array<trees::TreeControl*, 2> tvwTreeschedule{};

    // History tab.
    QListWidget* lsthistory = nullptr;

    // The search buttons (index 0 topics, 1 legislation).
    std::array<QToolButton*, 2> cmdsearch{};

    // The status line along the window's foot (what a search found).
    QLabel* lblStatus = nullptr;
};

} // namespace lexora::shell
