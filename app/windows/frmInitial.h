// frmInitial, the main window: the tab control with the navigation trees and
// the history list on the left, the page viewers and their command buttons on
// the right, the toolbar above. It owns its controls (the panes of app/shell
// name them for the rest of the program), runs the load step, the tab change,
// the tree handlers, the layout and the two splitters, and the two ways of
// closing.
// What it calls outside itself goes through its hooks.
#pragma once

#include "app/shell/Panes.h"
#include "app/windows/Edition.h"
#include "app/windows/MainWindowHooks.h"

#include <QIcon>
#include <QString>
#include <QWidget>

#include <QList>

#include <array>

#include <exception>
#include <functional>
#include <memory>

namespace lexora::startup {
struct ProgramContext;
class ApplicationSettings;
} // namespace lexora::startup

namespace lexora::windows {

class SplitterBar;

// The controls of the window that belong to no pane: the toolbar with its
// logo and the two splitters.
struct WindowChrome {
    QFrame* sspToolbar = nullptr;
    std::array<QToolButton*, 4> cmdtoolbar{};
    QLabel* imLogo = nullptr;
    QWidget* picDrag = nullptr;
    QWidget* picDrag2 = nullptr;
};

// Tabs of SSTab1 by index.
enum TabIndex { kTabChartN = 0, kTabTopics = 1, kTabLaws = 2, kTabChartP = 3, kTabHistory = 4 };

class frmInitial final : public QWidget {
    Q_OBJECT
public:
    // `settings` gives the document program ("Application2Open"); none: no
    // such setting.
    explicit frmInitial(startup::ProgramContext& context,
                        const startup::ApplicationSettings* settings = nullptr);
    ~frmInitial() override;

    shell::Panes& panes() { return *m_form; }
    WindowChrome& chrome() { return m_chrome; }
    MainWindowHooks& hooks() { return m_hooks; }
    startup::ProgramContext& context() { return m_context; }

    // The load step: fills the trees, shows the window and runs the tab
    // change for the current tab. Errors of the steps from the history to the
    // showing of the window are skipped; any other error is thrown.
    void Form_Load();
    bool isLoading() const { return m_loading; }

    // Tab change, with the tab that was current before.
    void SSTab1_Click(int previousTab);
    QString currentTabCaption() const;
    // Toolbar button by index: help, about, settings, exit.
    void cmdtoolbar_Click(int index);
    // Closes the other windows and this one; the program then ends.
    void ExitProgram();

    // Tree handlers.
    void tvwTree_Click();
    void tvwTree_KeyDown(int keyCode);
    void tvwTree_KeyPress(int keyAscii);
    void tvwTree_MouseUp(const QPoint& point);
    void tvwTreelaw_Click();
    void tvwTreelaw_DblClick();
    void tvwTreelaw_KeyDown(int keyCode);
    void tvwTreelaw_MouseUp(const QPoint& point);
    void tvwTreeschedule_Click(int index);
    void tvwTreeschedule_KeyDown(int index, int keyCode);
    void tvwTreeschedule_MouseUp(int index, const QPoint& point);

    // Splitter moves by an offset in pixels; false when the move is refused.
    bool picDrag_MouseMove(int x);
    bool picDrag2_MouseMove(int y);

    // Applies the arrangement of the current tab (also run by the resize).
    void ApplyTabLayout();

    // The two splitters' places, in pixels: the width of the left pane and
    // the top of the horizontal splitter (-1 before it was first placed).
    int leftPaneWidth() const;
    int splitTop() const { return m_splitTop; }
    // Puts the splitters back, within the limits a drag keeps to.
    void restoreSplitters(int leftPaneWidth, int splitTop);

    // Reports an error the program cannot go on from, in Greek, and ends
    // the program through the endProgram hook.
    void reportFatalError(const QString& description);

    // The status line along the window's foot, below both panes.
    static constexpr int kStatusHeight = 22;

    const Edition& edition() const { return m_edition; }
    static QIcon logoPicture(EditionLogo logo);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildToolbar();
    void connectEvents();
    void applyColours();

    void runLoadSteps();
    void ignoringErrors(const std::function<void()>& step);
    void applyEdition();
    void showInformationWindowWhenAsked();
    void unload();

    // Runs an event handler; an error it lets through ends the program.
    void guarded(const std::function<void()>& handler);

    void resizeStep();
    // The smallest size at which every toolbar button and both viewers stay
    // usable; the window's minimum size.
    QSize minimumWindowSize() const;
    // The height the panes share: the window's less the status line.
    int innerHeight() const { return height() - kStatusHeight; }
    void placeToolbar();
    void placeRightPane();
    void restoreTabState();
    void applyFocusOrder(const QList<QWidget*>& block);
    void placeSearchButtons(QFrame* frame, QWidget* upperBox, QWidget* lowerBox);

    void blankTopicPages();
    void blankLawPage();
    void blankChartPages();
    void emptySelectionWhenMissed(trees::TreeControl& tree, const QPoint& point);

    startup::ProgramContext& m_context;
    const startup::ApplicationSettings* m_settings;
    Edition m_edition;
    // Built after the toolbar, so that the focus passes the toolbar first.
    std::unique_ptr<shell::Panes> m_form;
    WindowChrome m_chrome;
    MainWindowHooks m_hooks;

    QIcon m_logoDesigned;
    SplitterBar* m_picDrag = nullptr;
    SplitterBar* m_picDrag2 = nullptr;

    bool m_loading = false;
    bool m_unloaded = false;
    bool m_ending = false;
    int m_currentTab = kTabTopics;
    int m_splitTop = -1; // top of picDrag2, in pixels; -1 until first placed
};

} // namespace lexora::windows
