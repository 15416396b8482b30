// The left-hand side of the main window: the tab control with the
// navigation trees, their search boxes and buttons, the history list, and
// the status line that reports what a search found. The pane builds and owns
// its controls (children of the window, named as the program names them);
// the features work on it through the operations below: the current tab as a
// value of Tab, the tree of a tab, the text of a search box, the history list
// and the status line. The window that lays the pane out reaches the controls
// themselves.
#pragma once

#include <QObject>
#include <QString>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;
class QWidget;

namespace lexora::trees {
class TreeControl;
}
namespace lexora::windows {
class frmInitial;
}

namespace lexora::shell {

class PagePane;
class SearchDefaultButton;

// The tabs by their place in the tab control.
enum class Tab { ChartN = 0, Topics = 1, Laws = 2, ChartP = 3, History = 4 };

// The captions of the five tabs, in the tab control's order.
using TabCaptions = std::array<QString, 5>;

class NavigationTabs final : public QObject {
    Q_OBJECT
public:
    NavigationTabs(QWidget* window, const TabCaptions& captions);
    ~NavigationTabs() override;
    NavigationTabs(const NavigationTabs&) = delete;
    NavigationTabs& operator=(const NavigationTabs&) = delete;

    // The tab shown.
    Tab currentTab() const;
    void setCurrentTab(Tab tab);
    // True on either organisation-chart tab.
    bool onChartTab() const { return currentTab() == Tab::ChartN || currentTab() == Tab::ChartP; }
    // The tab's caption as the window set it.
    QString caption(Tab tab) const;
    // True when the tab is shown and can be chosen (an edition hides one
    // of the chart tabs).
    bool isTabShown(Tab tab) const;

    // The navigation tree of a tab; none on the history tab.
    trees::TreeControl* tree(Tab tab) const;
    // The text of a tab's search box, trimmed: box 0 is the upper box (the
    // titles), box 1 the lower (the contents); the chart tabs have box 0
    // only. Empty for a box the tab does not have.
    QString searchText(Tab tab, int box) const;
    // Moves the focus to the next search box in view, the first when none
    // of them has it, with its text selected.
    void focusNextSearchBox();

    // The list of acts saved to the history.
    QListWidget& historyList() const { return *lsthistory; }

    // The status line along the window's foot.
    void setStatus(const QString& text);
    QString status() const;

signals:
    // A search button was pressed: 0 the upper (titles, or the chart), 1 the
    // lower (contents).
    void searchRequested(int index);
    // Another tab is shown.
    void currentTabChanged(lexora::shell::Tab tab);

private:
    friend class windows::frmInitial; // lays the pane out
    friend class PagePane;            // puts the abstracts list into frsearchlaw

    QLineEdit* searchBox(Tab tab, int box) const;

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

    SearchDefaultButton* m_defaultButton = nullptr;
};

} // namespace lexora::shell
