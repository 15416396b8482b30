// Mouse and keyboard on the navigation trees of the main window: the page of
// the chosen node, blank pages after a click on empty space, arrow keys and
// Enter.
#include "app/windows/tests/MainWindowFixture.h"

#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace windowstest;
using namespace lexora::windows;
using lexora::trees::TreeControl;

namespace {

class MainWindowTreesTest : public MainWindowFixture {
protected:
    void SetUp() override {
        build();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    static QPoint centreOf(TreeControl* tree, const char* key) {
        return tree->visualItemRect(tree->node(QLatin1String(key))).center();
    }
    static QPoint emptySpace(TreeControl* tree) {
        return QPoint(20, tree->viewport()->height() - 5);
    }
    // A click, far enough after the last one not to make a double click.
    static void click(TreeControl* tree, const QPoint& p) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, p,
                          QApplication::doubleClickInterval() + 10);
    }
};

TEST_F(MainWindowTreesTest, AClickOnATopicShowsItsPage) {
    click(form().tvwTree, centreOf(form().tvwTree, "l2"));
    EXPECT_EQ(calls, QStringList{"topic l2"});
}

TEST_F(MainWindowTreesTest, AClickOnEmptySpaceEmptiesTheSelectionAndBlanksTheTopicPages) {
    TreeControl* tree = form().tvwTree;
    click(tree, centreOf(tree, "l1"));
    writePage(form().brwWebBrowser1, QStringLiteral("<h1>Εκπαιδευτικοί</h1>"));
    writePage(form().brwWebBrowser2, QStringLiteral("<p>Ν. 1566/1985</p>"));
    form().brwWebBrowser2->hide();
    form().rtbWordLawTopic->show();
    form().brwWebBrowserLawFile->show();
    calls.clear();

    click(tree, emptySpace(tree));
    EXPECT_EQ(tree->selectedNode(), nullptr);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(bodyOf(form().brwWebBrowser1).isEmpty());
    EXPECT_TRUE(bodyOf(form().brwWebBrowser2).isEmpty());
    EXPECT_TRUE(form().brwWebBrowser2->isVisible());
    EXPECT_FALSE(form().rtbWordLawTopic->isVisible());
    EXPECT_FALSE(form().brwWebBrowserLawFile->isVisible());
}

TEST_F(MainWindowTreesTest, ArrowKeysAndEnterShowTheSelectedTopic) {
    TreeControl* tree = form().tvwTree;
    click(tree, centreOf(tree, "l1"));
    calls.clear();
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Up);
    QTest::keyClick(tree, Qt::Key_Return);
    QTest::keyClick(tree, Qt::Key_A);
    QTest::keyClick(tree, Qt::Key_Right); // opens the branch: not a page change
    EXPECT_EQ(calls, (QStringList{"topic l2", "topic l1", "topic l1"}));
}

TEST_F(MainWindowTreesTest, ChoosingTheTopicsTabRebuildsThePageOfTheSelectedTopic) {
    click(form().tvwTree, centreOf(form().tvwTree, "l2"));
    chooseTab(kTabLaws);
    calls.clear();
    chooseTab(kTabTopics);
    EXPECT_EQ(calls, QStringList{"topic l2"});
}

TEST_F(MainWindowTreesTest, TheLegislationClickClearsTheTopicListAndShowsTheNode) {
    chooseTab(kTabLaws);
    TreeControl* tree = form().tvwTreelaw;
    QComboBox* list = form().cmbLexoraAbstracts;
    window->hooks().showLawTreeNode = [&](lexora::trees::TreeNode& node) {
        calls << QStringLiteral("law ") + node.key();
        list->addItem(QStringLiteral("Μεταθέσεις"), 3);
    };
    calls.clear();
    click(tree, centreOf(tree, "p1"));
    EXPECT_EQ(calls, QStringList{"law p1"});
    EXPECT_EQ(list->count(), 1);

    // A double click clears what its click filled.
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(tree, "p1"));
    EXPECT_EQ(list->count(), 0);
}

TEST_F(MainWindowTreesTest, AClickOnEmptySpaceBlanksTheLegislationPage) {
    chooseTab(kTabLaws);
    TreeControl* tree = form().tvwTreelaw;
    click(tree, centreOf(tree, "p1"));
    writePage(form().brwWebBrowser3, QStringLiteral("<p>Ν. 1566/1985</p>"));
    form().rtbWordLaw->show();
    click(tree, emptySpace(tree));
    EXPECT_EQ(tree->selectedNode(), nullptr);
    EXPECT_TRUE(bodyOf(form().brwWebBrowser3).isEmpty());
    EXPECT_FALSE(form().rtbWordLaw->isVisible());
    EXPECT_TRUE(form().brwWebBrowser3->isVisible());
}

TEST_F(MainWindowTreesTest, EnterOnTheLegislationTreeDoesNothing) {
    chooseTab(kTabLaws);
    TreeControl* tree = form().tvwTreelaw;
    click(tree, centreOf(tree, "p1"));
    calls.clear();
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(calls.isEmpty());
    QTest::keyClick(tree, Qt::Key_Down); // the arrow keys act as a click
    EXPECT_EQ(calls, QStringList{"law p1"});
}

TEST_F(MainWindowTreesTest, AChartClickShowsThePageAndEmptiesTheDocumentLabel) {
    chooseTab(kTabChartP);
    TreeControl* tree = form().tvwTreeschedule[0];
    window->hooks().showSchedulePage = [&](lexora::trees::TreeNode& node, int index) {
        calls << QStringLiteral("chart%1 ").arg(index) + node.key();
        form().lblDocument->setText(QStringLiteral("Έγγραφο"));
    };
    calls.clear();
    click(tree, centreOf(tree, "l1"));
    EXPECT_EQ(calls, QStringList{"chart0 l1"});
    EXPECT_TRUE(form().lblDocument->text().isEmpty());

    form().rtbWord->SetText(QStringLiteral("Υπόδειγμα"));
    form().cmdpicWordlaw->setIcon(form().imListDocuments[1]);
    writePage(form().brwWebBrowser1, QStringLiteral("<h1>Διεύθυνση</h1>"));
    click(tree, emptySpace(tree));
    EXPECT_EQ(tree->selectedNode(), nullptr);
    EXPECT_TRUE(bodyOf(form().brwWebBrowser1).isEmpty());
    EXPECT_TRUE(form().rtbWord->Text().isEmpty());
    EXPECT_EQ(form().cmdpicWordlaw->icon().cacheKey(), form().imListDocuments[3].cacheKey());
}

TEST_F(MainWindowTreesTest, AnErrorInAPageBuilderIsReportedAndEndsTheProgram) {
    window->hooks().showTopicPage = [](lexora::trees::TreeNode&) {
        throw std::runtime_error("no such table: abstract");
    };
    click(form().tvwTree, centreOf(form().tvwTree, "l1"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("θα τερματιστεί")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("no such table: abstract")));
    EXPECT_EQ(calls.count("endProgram"), 1);
}

} // namespace
