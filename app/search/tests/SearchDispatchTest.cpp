// The press of the search buttons on each tab, with full, empty and blank
// boxes, and Enter in a search box.
#include "app/search/SearchDispatch.h"
#include "app/search/SearchFeedback.h"
#include "app/search/SearchInstall.h"
#include "app/search/SearchSupport.h"
#include "app/search/tests/SearchFixture.h"
#include "app/shell/SearchBoxes.h"
#include "app/trees/TopicTreeFill.h"
#include "app/windows/MainWindowHooks.h"
#include "platform/pageview/PageViewer.h"
#include "platform/treeview/TreeNode.h"
#include "tests/support/RecordingMessages.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QTabWidget>
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
        lexora::trees::FillTopicTree(*c.tvwTree, data.connection(), {}, false, {}, true);
        for (auto* viewer : {c.brwWebBrowser1, c.brwWebBrowser2, c.brwWebBrowser3})
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
        return {c.tvwTree, c.tvwTreelaw, c.tvwTreeschedule[0], c.tvwTreeschedule[1]};
    }
    static bool blanked(lexora::pages::PageViewer* viewer) {
        return viewer->LocationURL() == QStringLiteral("about:blank");
    }
    void press(int index) { cmdsearch_Click(f, data.context, index); }

    searchtest::SearchDatabase data;
    searchtest::SearchWindow window;
    lexora::shell::Panes& f = window.form;
    testsupport::PaneControls& c = window.controls;
    testsupport::RecordingMessages messages;
};

TEST_F(DispatchTest, TopicsTab) {
    onTab(Tab::Topics);
    c.txtsearch[0]->setText(QStringLiteral("  ισοτητα "));
    press(0); // titles: the tree as it stands
    EXPECT_EQ(c.tvwTree->nodeCount(), 10);
    EXPECT_EQ(markedKeys(*c.tvwTree), (QStringList{"l111", "l3"}));
    EXPECT_TRUE(blanked(c.brwWebBrowser1) && blanked(c.brwWebBrowser2));
    EXPECT_FALSE(blanked(c.brwWebBrowser3));

    c.txtsearch[0]->clear();
    press(0); // an empty title box still runs: marks go, all collapses
    EXPECT_EQ(c.tvwTree->nodeCount(), 10);
    EXPECT_TRUE(markedKeys(*c.tvwTree).isEmpty());
    EXPECT_TRUE(expandedKeys(*c.tvwTree).isEmpty());

    c.txtsearch[1]->setText(QStringLiteral("αδεια"));
    press(1); // keywords: the tree is refilled around the matches
    EXPECT_EQ(c.tvwTree->nodeCount(), 9);
    EXPECT_EQ(markedKeys(*c.tvwTree), (QStringList{"l111", "l12"}));
    EXPECT_EQ(expandedKeys(*c.tvwTree), (QStringList{"l1", "l11"}));

    c.txtsearch[1]->setText(QStringLiteral("   "));
    press(1); // blank: the full fill
    EXPECT_EQ(c.tvwTree->nodeCount(), 9);
    EXPECT_TRUE(markedKeys(*c.tvwTree).isEmpty());
    EXPECT_TRUE(expandedKeys(*c.tvwTree).isEmpty());

    for (TreeControl* t : {c.tvwTreelaw, c.tvwTreeschedule[0], c.tvwTreeschedule[1]})
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
    for (const auto& k : cases) {
        c.brwWebBrowser3->Navigate(QStringLiteral("about:blank#old"));
        c.txtsearchlaw[static_cast<std::size_t>(k.button)]->setText(QString::fromUtf8(k.text));
        press(k.button);
        EXPECT_EQ(c.tvwTreelaw->nodeCount(), 6) << k.text;
        EXPECT_EQ(markedKeys(*c.tvwTreelaw), k.marked) << k.text;
        EXPECT_TRUE(blanked(c.brwWebBrowser3)) << k.text;
        c.txtsearchlaw[static_cast<std::size_t>(k.button)]->clear();
    }
    EXPECT_FALSE(blanked(c.brwWebBrowser1));
    EXPECT_EQ(c.tvwTree->nodeCount(), 10); // the topics tab's tree is untouched
}

TEST_F(DispatchTest, ChartTabsSearchTheirOwnTreeWithTheFirstButton) {
    const struct {
        Tab tab;
        std::size_t index;
    } tabs[] = {{Tab::ChartP, 0}, {Tab::ChartN, 1}};
    for (const auto& t : tabs) {
        onTab(t.tab);
        TreeControl* own = c.tvwTreeschedule[t.index];
        TreeControl* other = c.tvwTreeschedule[1 - t.index];
        const int otherCount = other->nodeCount();

        c.txtsearchSchedule[t.index]->setText(QStringLiteral("τμήμα"));
        press(1); // no action on these tabs
        EXPECT_EQ(own->node(QStringLiteral("l100")), nullptr);

        press(0);
        EXPECT_EQ(own->nodeCount(), 6);
        EXPECT_EQ(markedKeys(*own), (QStringList{"l100", "l101"}));
        EXPECT_TRUE(blanked(c.brwWebBrowser3));

        c.txtsearchSchedule[t.index]->setText(QStringLiteral(" "));
        press(0);
        EXPECT_EQ(own->nodeCount(), 6);
        EXPECT_TRUE(markedKeys(*own).isEmpty());
        EXPECT_EQ(other->nodeCount(), otherCount);
    }
}

TEST_F(DispatchTest, HistoryTabDoesNothing) {
    onTab(Tab::History);
    for (auto* box : {c.txtsearch[0], c.txtsearch[1], c.txtsearchlaw[0], c.txtsearchlaw[1],
                      c.txtsearchSchedule[0], c.txtsearchSchedule[1]})
        box->setText(QStringLiteral("αδεια"));
    press(0);
    press(1);
    EXPECT_EQ(c.tvwTree->nodeCount(), 10);
    for (TreeControl* t : {c.tvwTreelaw, c.tvwTreeschedule[0], c.tvwTreeschedule[1]})
        EXPECT_EQ(t->nodeCount(), 1);
    for (auto* viewer : {c.brwWebBrowser1, c.brwWebBrowser2, c.brwWebBrowser3})
        EXPECT_FALSE(blanked(viewer));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(DispatchTest, SearchErrorIsShownAndThePointerRestored) {
    searchtest::SearchDatabase broken(QStringLiteral("DROP TABLE ABSTRACT_KEYS;"));
    broken.context.state.gOnTabThemata = true;
    c.txtsearch[1]->setText(QStringLiteral("αδεια"));
    cmdsearch_Click(f, broken.context, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].title, lexora::search::kSearchErrorTitle);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The program goes on: the same press on a sound database works.
    data.context.state.gOnTabThemata = true;
    press(1);
    EXPECT_EQ(markedKeys(*c.tvwTree), (QStringList{"l111", "l12"}));
}

// --- Enter in a search box --------------------------------------------------

class SearchBoxTest : public DispatchTest {
protected:
    SearchBoxTest() {
        lexora::search::installSearch(f, hooks, data.context);
        for (int i = 0; i < 2; ++i)
            QObject::connect(c.cmdsearch[static_cast<std::size_t>(i)], &QToolButton::clicked,
                             [this, i] { pressed.push_back(i); });
        window.window->show();
        window.window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.window.get()));
    }
    void enterIn(QLineEdit* box) {
        // The box's tab comes to the front first, as a user would bring it.
        for (int i = 0; i < c.SSTab1->count(); ++i)
            if (c.SSTab1->widget(i)->isAncestorOf(box))
                c.SSTab1->setCurrentIndex(i);
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
        {c.txtsearch[0], 0},    {c.txtsearch[1], 1},         {c.txtsearchlaw[0], 0},
        {c.txtsearchlaw[1], 1}, {c.txtsearchSchedule[0], 0}, {c.txtsearchSchedule[1], 0},
    };
    for (const auto& k : cases) {
        pressed.clear();
        enterIn(k.box);
        EXPECT_EQ(pressed, std::vector<int>{k.button}) << k.box->objectName().toStdString();
    }
}

TEST_F(SearchBoxTest, ButtonStopsBeingTheDefaultWhenItsBoxLosesTheFocus) {
    auto* defaults = f.window->findChild<lexora::shell::SearchDefaultButton*>();
    ASSERT_NE(defaults, nullptr);
    enterIn(c.txtsearchlaw[1]);
    EXPECT_EQ(defaults->defaultButton(), c.cmdsearch[1]);
    c.tvwTree->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(defaults->defaultButton(), nullptr);
}

TEST_F(SearchBoxTest, EnterInTheLegislationKeywordBoxRunsTheKeywordSearch) {
    // The window connects its buttons to the searchClicked hook.
    for (int i = 0; i < 2; ++i)
        QObject::connect(c.cmdsearch[static_cast<std::size_t>(i)], &QToolButton::clicked,
                         [this, i] { hooks.searchClicked(i); });
    onTab(Tab::Laws);
    c.txtsearchlaw[1]->setText(QStringLiteral("αξιολόγηση"));
    enterIn(c.txtsearchlaw[1]);
    EXPECT_EQ(markedKeys(*c.tvwTreelaw), (QStringList{"c101", "c201", "c202"}));
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
