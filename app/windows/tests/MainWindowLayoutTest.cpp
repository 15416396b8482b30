// The arrangement of the main window: the two splitters within their limits,
// the resize step and its lower bound.
#include "app/windows/tests/MainWindowFixture.h"

#include "app/shell/Twips.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace windowstest;
using namespace lexora::windows;
using lexora::shell::px;

namespace {

class MainWindowLayoutTest : public MainWindowFixture {
protected:
    void SetUp() override {
        build();
        window->resize(1200, 800);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QWidget* picDrag() { return window->chrome().picDrag; }
    QWidget* picDrag2() { return window->chrome().picDrag2; }

    // Drags a splitter bar with the mouse by an offset.
    static void drag(QWidget* bar, QPoint offset) {
        const QPoint grab = bar->rect().center();
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grab);
        QMouseEvent move(QEvent::MouseMove, QPointF(grab + offset),
                         bar->mapToGlobal(QPointF(grab + offset)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, grab + offset);
    }
};

TEST_F(MainWindowLayoutTest, AtItsSmallestTheToolbarAndBothViewersStayUsable) {
    QTabWidget* tabs = controls().SSTab1;
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) == QStringLiteral("Θέματα"))
            tabs->setCurrentIndex(i);
    }
    window->resize(200, 150);
    QApplication::processEvents();
    ASSERT_EQ(window->size(), window->minimumSize());
    ASSERT_GT(window->minimumWidth(), 200);

    // Every toolbar button whole, right of the logo, none over another.
    const QRect bar = window->chrome().sspToolbar->rect();
    int left = window->chrome().imLogo->geometry().right();
    for (const QToolButton* button : window->chrome().cmdtoolbar) {
        EXPECT_TRUE(bar.contains(button->geometry())) << button->text().toStdString();
        EXPECT_GT(button->x(), left) << button->text().toStdString();
        left = button->geometry().right();
    }
    // Both viewers keep room for several lines of text, inside the window,
    // even with the horizontal splitter at its lowest.
    for (const QWidget* viewer : {static_cast<QWidget*>(controls().brwWebBrowser1),
                                  static_cast<QWidget*>(controls().brwWebBrowser2)}) {
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_GE(viewer->height(), 80);
        EXPECT_GE(viewer->width(), 300);
        EXPECT_TRUE(window->rect().contains(viewer->geometry()));
    }
}

TEST_F(MainWindowLayoutTest, TheVerticalSplitterStaysBetweenAFifthAndTwoThirdsOfTheWidth) {
    const int w = window->width();
    const int tabWidth = controls().SSTab1->width();
    const int left = picDrag()->x();
    const struct {
        int newLeft;
        bool accepted;
    } cases[] = {
        {w / 5 - 1, false},
        {w / 5 + 1, true},
        {w * 2 / 3, true},
        {w * 2 / 3 + 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.newLeft);
        const int before = picDrag()->x();
        const int beforeTab = controls().SSTab1->width();
        EXPECT_EQ(window->picDrag_MouseMove(c.newLeft - before), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(picDrag()->x(), c.newLeft);
            EXPECT_EQ(controls().SSTab1->width(), beforeTab + c.newLeft - before);
            // The right pane begins 25 twips right of the splitter.
            EXPECT_EQ(controls().brwWebBrowser1->x(), picDrag()->geometry().right() + 1 + px(25));
            EXPECT_EQ(controls().brwWebBrowser1->geometry().right(),
                      controls().brwWebBrowser2->geometry().right());
        } else {
            EXPECT_EQ(picDrag()->x(), before);
            EXPECT_EQ(controls().SSTab1->width(), beforeTab);
        }
    }
    // With the mouse: a drag by 60 pixels from the start moves it by 60.
    window->picDrag_MouseMove(left - picDrag()->x());
    drag(picDrag(), QPoint(60, 0));
    EXPECT_EQ(controls().SSTab1->width(), tabWidth + 60);
    drag(picDrag(), QPoint(-w, 0));
    EXPECT_EQ(controls().SSTab1->width(), tabWidth + 60);
}

TEST_F(MainWindowLayoutTest, TheHorizontalSplitterStaysWithinItsBounds) {
    const int h = window->height();
    const QRect upper = controls().brwWebBrowser1->geometry();
    const int top = picDrag2()->y();
    const int highest = upper.top() + upper.height() / 5 + px(500);

    EXPECT_FALSE(window->picDrag2_MouseMove(highest - 1 - top));
    EXPECT_EQ(picDrag2()->y(), top);
    EXPECT_FALSE(window->picDrag2_MouseMove(h - px(2000) + 1 - top));
    EXPECT_EQ(picDrag2()->y(), top);

    const QRect lowerBefore = controls().brwWebBrowser2->geometry();
    const QRect panelBefore = controls().sspLaw->geometry();
    ASSERT_TRUE(window->picDrag2_MouseMove(40));
    EXPECT_EQ(picDrag2()->y(), top + 40);
    EXPECT_EQ(controls().brwWebBrowser1->height(), upper.height() + 40);
    EXPECT_EQ(controls().sspLaw->y(), panelBefore.y() + 40);
    EXPECT_EQ(controls().brwWebBrowser2->y(), lowerBefore.y() + 40);
    EXPECT_EQ(controls().brwWebBrowser2->height(), lowerBefore.height() - 40);
    EXPECT_EQ(controls().brwWebBrowser2->geometry().bottom(), lowerBefore.bottom());

    drag(picDrag2(), QPoint(0, -30));
    EXPECT_EQ(picDrag2()->y(), top + 10);
}

TEST_F(MainWindowLayoutTest, TheHorizontalSplitterIsHiddenOnTheLegislationAndHistoryTabs) {
    for (int tab : {kTabLaws, kTabHistory}) {
        chooseTab(tab);
        EXPECT_FALSE(picDrag2()->isVisible());
        EXPECT_EQ(controls().brwWebBrowser3->geometry().bottom(),
                  window->height() - frmInitial::kStatusHeight - px(100) - 1);
    }
    chooseTab(kTabTopics);
    EXPECT_TRUE(picDrag2()->isVisible());
}

TEST_F(MainWindowLayoutTest, TheResizeStepArrangesTheWindow) {
    window->resize(1000, 700);
    const QRect tab = controls().SSTab1->geometry();
    // The panes reach the status line along the foot.
    EXPECT_EQ(tab.bottom(), 700 - frmInitial::kStatusHeight - 1);
    EXPECT_EQ(controls().lblStatus->geometry().top(), 700 - frmInitial::kStatusHeight);
    EXPECT_EQ(window->chrome().sspToolbar->width(), 1000);
    EXPECT_EQ(window->chrome().cmdtoolbar[3]->geometry().right(), 1000 - px(200) - 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(window->chrome().cmdtoolbar[static_cast<std::size_t>(i + 1)]->x() -
                      window->chrome().cmdtoolbar[static_cast<std::size_t>(i)]->geometry().right() -
                      1,
                  px(200));
    EXPECT_EQ(controls().brwWebBrowser2->geometry().bottom(),
              700 - frmInitial::kStatusHeight - px(100) - 1);
    EXPECT_EQ(picDrag()->x(), tab.right() + 1);
}

TEST_F(MainWindowLayoutTest, AWindowLowerThan5000TwipsKeepsItsArrangement) {
    window->setMinimumSize(0, 0); // below the window's own minimum
    const QRect tab = controls().SSTab1->geometry();
    const QRect upper = controls().brwWebBrowser1->geometry();
    const QRect lower = controls().brwWebBrowser2->geometry();
    window->resize(900, 333); // 4995 twips
    EXPECT_EQ(controls().SSTab1->geometry(), tab);
    EXPECT_EQ(controls().brwWebBrowser1->geometry(), upper);
    EXPECT_EQ(controls().brwWebBrowser2->geometry(), lower);
    window->resize(900, 334);
    EXPECT_NE(controls().SSTab1->geometry(), tab);
}

TEST_F(MainWindowLayoutTest, ResizingOnTheLegislationTabClearsItsActPage) {
    chooseTab(kTabLaws);
    state().gLegislationLawId = 22;
    state().gCurrentLawId = 5;
    writePage(controls().brwWebBrowser3, QStringLiteral("<p>Ν. 1566/1985</p>"));
    window->resize(1100, 760);
    EXPECT_TRUE(bodyOf(controls().brwWebBrowser3).isEmpty());
    EXPECT_EQ(state().gCurrentLawId, 22);
    EXPECT_TRUE(state().gOnTabNomoi);
}

TEST_F(MainWindowLayoutTest, DocumentBoxesCoverTheViewerOfTheirTab) {
    EXPECT_EQ(controls().rtbWordLawTopic->geometry(), controls().brwWebBrowser2->geometry());
    EXPECT_EQ(controls().brwWebBrowserLawFile->geometry(), controls().brwWebBrowser2->geometry());
    chooseTab(kTabLaws);
    EXPECT_EQ(controls().rtbWordLaw->geometry(), controls().brwWebBrowser3->geometry());
    EXPECT_EQ(controls().brwWebBrowserLawFile->geometry(), controls().brwWebBrowser3->geometry());
}

} // namespace
