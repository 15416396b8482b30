// The press of the search buttons on each tab, with full, empty and blank
// boxes, and Enter in a search box.
#include "app/search/SearchDispatch.h"
#include "app/search/SearchBoxes.h"
#include "app/search/SearchFeedback.h"
#include "app/search/SearchInstall.h"
#include "app/search/SearchSupport.h"
#include "app/search/tests/SearchFixture.h"
#include "app/trees/TopicTreeFill.h"
#include "app/windows/MainWindowHooks.h"
#include "platform/pageview/PageViewer.h"
#include "platform/treeview/TreeNode.h"
#include "tests/support/RecordingMessages.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using lexora::search::cmdsearch_Click;
using lexora::trees::TreeControl;
using searchtest::expandedKeys;
using searchtest::markedKeys;

namespace {

enum class Tab { Topics, Laws, ChartP, ChartN, History };

class DispatchTest : public ::testing::Test {
protected:
    DispatchTest() {
        // Every tree and viewer holds something before the press.
        for (TreeControl* t : allTrees())
            t->addNode({}, QStringLiteral("l777"), QStringLiteral("παλιό"), QStringLiteral("open"));
        lexora::trees::FillTopicTree(*f.tabs.tvwTree, data.connection(), {}, false, {}, true);
        for (auto* viewer : {f.page.brwWebBrowser1, f.page.brwWebBrowser2, f.page.brwWebBrowser3})
            viewer->Navigate(QStringLiteral("about:blank#old"));
    }
    void onTab(Tab tab) {
        auto& s = data.context.state;
        s.gOnTabThemata = tab == Tab::Topics;
        s.gOnTabNomoi = tab == Tab::Laws;
        s.gOnTabOrganogramma_P = tab == Tab::ChartP;
        s.gOnTabOrganogramma_N = tab == Tab::ChartN;
    }
    std::vector<TreeControl*> allTrees() {
        return {f.tabs.tvwTree, f.tabs.tvwTreelaw, f.tabs.tvwTreeschedule[0],
                f.tabs.tvwTreeschedule[1]};
    }
    static bool blanked(lexora::pages::PageViewer* viewer) {
        return viewer->LocationURL() == QStringLiteral("about:blank");
    }
    void press(int index) { cmdsearch_Click(f, data.context, index); }

    searchtest::SearchDatabase data;
    searchtest::SearchWindow window;
    lexora::shell::Panes& f = window.form;
    testsupport::RecordingMessages messages;
};

TEST_F(DispatchTest, TopicsTab) {
    onTab(Tab::Topics);
    f.tabs.txtsearch[0]->setText(QStringLiteral("  ισοτητα "));
    press(0); // titles: the tree as it stands
    EXPECT_EQ(f.tabs.tvwTree->nodeCount(), 10);
    EXPECT_EQ(markedKeys(*f.tabs.tvwTree), (QStringList{"l111", "l3"}));
    EXPECT_TRUE(blanked(f.page.brwWebBrowser1) && blanked(f.page.brwWebBrowser2));
    EXPECT_FALSE(blanked(f.page.brwWebBrowser3));

    f.tabs.txtsearch[0]->clear();
    press(0); // an empty title box still runs: marks go, all collapses
    EXPECT_EQ(f.tabs.tvwTree->nodeCount(), 10);
    EXPECT_TRUE(markedKeys(*f.tabs.tvwTree).isEmpty());
    EXPECT_TRUE(expandedKeys(*f.tabs.tvwTree).isEmpty());

    f.tabs.txtsearch[1]->setText(QStringLiteral("αδεια"));
    press(1); // keywords: the tree is refilled around the matches
    EXPECT_EQ(f.tabs.tvwTree->nodeCount(), 9);
    EXPECT_EQ(markedKeys(*f.tabs.tvwTree), (QStringList{"l111", "l12"}));
    EXPECT_EQ(expandedKeys(*f.tabs.tvwTree), (QStringList{"l1", "l11"}));

    f.tabs.txtsearch[1]->setText(QStringLiteral("   "));
    press(1); // blank: the full fill
    EXPECT_EQ(f.tabs.tvwTree->nodeCount(), 9);
    EXPECT_TRUE(markedKeys(*f.tabs.tvwTree).isEmpty());
    EXPECT_TRUE(expandedKeys(*f.tabs.tvwTree).isEmpty());

    for (TreeControl* t : {f.tabs.tvwTreelaw, f.tabs.tvwTreeschedule[0], f.tabs.tvwTreeschedule[1]})
        EXPECT_EQ(t->nodeCount(), 1); // other tabs untouched
}

TEST_F(DispatchTest, LegislationTab) {
    onTab(Tab::Laws);
    const struct {
        int button;
        const char* text;
        QStringList marked;
    } cases[] = {
        {0, "1566", {"c101"}},
        {1, "αξιολογηση", {"c101", "c201", "c202"}},
        {0, "", {}},
        {1, "  ", {}},
    };
    for (const auto& c : cases) {
        f.page.brwWebBrowser3->Navigate(QStringLiteral("about:blank#old"));
        f.tabs.txtsearchlaw[static_cast<std::size_t>(c.button)]->setText(QString::fromUtf8(c.text));
        press(c.button);
        EXPECT_EQ(f.tabs.tvwTreelaw->nodeCount(), 6) << c.text;
        EXPECT_EQ(markedKeys(*f.tabs.tvwTreelaw), c.marked) << c.text;
        EXPECT_TRUE(blanked(f.page.brwWebBrowser3)) << c.text;
        f.tabs.txtsearchlaw[static_cast<std::size_t>(c.button)]->clear();
    }
    EXPECT_FALSE(blanked(f.page.brwWebBrowser1));
    EXPECT_EQ(f.tabs.tvwTree->nodeCount(), 10); // the topics tab's tree is untouched
}

TEST_F(DispatchTest, ChartTabsSearchTheirOwnTreeWithTheFirstButton) {
    const struct {
        Tab tab;
        std::size_t index;
    } tabs[] = {{Tab::ChartP, 0}, {Tab::ChartN, 1}};
    for (const auto& t : tabs) {
        onTab(t.tab);
        TreeControl* own = f.tabs.tvwTreeschedule[t.index];
        TreeControl* other = f.tabs.tvwTreeschedule[1 - t.index];
        const int otherCount = other->nodeCount();

        f.tabs.txtsearchSchedule[t.index]->setText(QStringLiteral("τμήμα"));
        press(1); // no action on these tabs
        EXPECT_EQ(own->node(QStringLiteral("l100")), nullptr);

        press(0);
        EXPECT_EQ(own->nodeCount(), 6);
        EXPECT_EQ(markedKeys(*own), (QStringList{"l100", "l101"}));
        EXPECT_TRUE(blanked(f.page.brwWebBrowser3));

        f.tabs.txtsearchSchedule[t.index]->setText(QStringLiteral(" "));
        press(0);
        EXPECT_EQ(own->nodeCount(), 6);
        EXPECT_TRUE(markedKeys(*own).isEmpty());
        EXPECT_EQ(other->nodeCount(), otherCount);
    }
}

TEST_F(DispatchTest, HistoryTabDoesNothing) {
    onTab(Tab::History);
    for (auto* box :
         {f.tabs.txtsearch[0], f.tabs.txtsearch[1], f.tabs.txtsearchlaw[0], f.tabs.txtsearchlaw[1],
          f.tabs.txtsearchSchedule[0], f.tabs.txtsearchSchedule[1]})
        box->setText(QStringLiteral("αδεια"));
    press(0);
    press(1);
    EXPECT_EQ(f.tabs.tvwTree->nodeCount(), 10);
    for (TreeControl* t : {f.tabs.tvwTreelaw, f.tabs.tvwTreeschedule[0], f.tabs.tvwTreeschedule[1]})
        EXPECT_EQ(t->nodeCount(), 1);
    for (auto* viewer : {f.page.brwWebBrowser1, f.page.brwWebBrowser2, f.page.brwWebBrowser3})
        EXPECT_FALSE(blanked(viewer));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(DispatchTest, SearchErrorIsShownAndThePointerRestored) {
    searchtest::SearchDatabase broken(QStringLiteral("DROP TABLE ABSTRACT_KEYS;"));
    broken.context.state.gOnTabThemata = true;
    f.tabs.txtsearch[1]->setText(QStringLiteral("αδεια"));
    cmdsearch_Click(f, broken.context, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].title, lexora::search::kSearchErrorTitle);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The program goes on: the same press on a sound database works.
    data.context.state.gOnTabThemata = true;
    press(1);
    EXPECT_EQ(markedKeys(*f.tabs.tvwTree), (QStringList{"l111", "l12"}));
}

// --- Enter in a search box --------------------------------------------------

class SearchBoxTest : public DispatchTest {
protected:
    SearchBoxTest() {
        lexora::search::installSearch(f, hooks, data.context);
        for (int i = 0; i < 2; ++i)
            QObject::connect(f.tabs.cmdsearch[static_cast<std::size_t>(i)], &QToolButton::clicked,
                             [this, i] { pressed.push_back(i); });
        window.window->show();
        window.window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.window.get()));
    }
    void enterIn(QLineEdit* box) {
        box->setFocus();
        QCoreApplication::processEvents();
        QTest::keyClick(box, Qt::Key_Return);
    }
    lexora::windows::MainWindowHooks hooks;
    std::vector<int> pressed;
};

TEST_F(SearchBoxTest, EnterPressesTheButtonOfTheFocusedBox) {
    const struct {
        QLineEdit* box;
        int button;
    } cases[] = {
        {f.tabs.txtsearch[0], 0},         {f.tabs.txtsearch[1], 1},
        {f.tabs.txtsearchlaw[0], 0},      {f.tabs.txtsearchlaw[1], 1},
        {f.tabs.txtsearchSchedule[0], 0}, {f.tabs.txtsearchSchedule[1], 0},
    };
    for (const auto& c : cases) {
        pressed.clear();
        enterIn(c.box);
        EXPECT_EQ(pressed, std::vector<int>{c.button}) << c.box->objectName().toStdString();
    }
}

TEST_F(SearchBoxTest, ButtonStopsBeingTheDefaultWhenItsBoxLosesTheFocus) {
    auto* defaults = f.window->findChild<lexora::search::SearchDefaultButton*>();
    ASSERT_NE(defaults, nullptr);
    enterIn(f.tabs.txtsearchlaw[1]);
    EXPECT_EQ(defaults->defaultButton(), f.tabs.cmdsearch[1]);
    f.tabs.tvwTree->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(defaults->defaultButton(), nullptr);
}

TEST_F(SearchBoxTest, EnterInTheLegislationKeywordBoxRunsTheKeywordSearch) {
    // The window connects its buttons to the searchClicked hook.
    for (int i = 0; i < 2; ++i)
        QObject::connect(f.tabs.cmdsearch[static_cast<std::size_t>(i)], &QToolButton::clicked,
                         [this, i] { hooks.searchClicked(i); });
    onTab(Tab::Laws);
    f.tabs.txtsearchlaw[1]->setText(QStringLiteral("αξιολόγηση"));
    enterIn(f.tabs.txtsearchlaw[1]);
    EXPECT_EQ(markedKeys(*f.tabs.tvwTreelaw), (QStringList{"c101", "c201", "c202"}));
}

} // namespace

TEST(SearchFeedbackTest, TheSentenceAgreesWithTheNumberAndTheKind) {
    using lexora::search::FoundKind;
    const struct {
        int count;
        FoundKind kind;
        const char* text;
    } cases[] = {
        {0, FoundKind::Topics, "Δεν βρέθηκε κανένα αποτέλεσμα"},
        {0, FoundKind::Acts, "Δεν βρέθηκε κανένα αποτέλεσμα"},
        {1, FoundKind::Topics, "Βρέθηκε 1 θέμα"},
        {8, FoundKind::Topics, "Βρέθηκαν 8 θέματα"},
        {1, FoundKind::Acts, "Βρέθηκε 1 νομοθέτημα"},
        {1001, FoundKind::Acts, "Βρέθηκαν 1001 νομοθετήματα"},
        {3, FoundKind::ChartEntries, "Βρέθηκαν 3 θέματα"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lexora::search::foundMessage(c.count, c.kind), QString::fromUtf8(c.text))
            << c.count;
}
