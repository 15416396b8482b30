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
    click(controls().tvwTree, centreOf(controls().tvwTree, "l2"));
    EXPECT_EQ(calls, QStringList{"topic l2"});
}

TEST_F(MainWindowTreesTest, AClickOnEmptySpaceEmptiesTheSelectionAndBlanksTheTopicPages) {
    TreeControl* tree = controls().tvwTree;
    click(tree, centreOf(tree, "l1"));
    writePage(controls().brwWebBrowser1, QStringLiteral("<h1>Εκπαιδευτικοί</h1>"));
    writePage(controls().brwWebBrowser2, QStringLiteral("<p>Ν. 1566/1985</p>"));
    controls().brwWebBrowser2->hide();
    controls().rtbWordLawTopic->show();
    controls().brwWebBrowserLawFile->show();
    calls.clear();

    click(tree, emptySpace(tree));
    EXPECT_EQ(tree->selectedNode(), nullptr);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(bodyOf(controls().brwWebBrowser1).isEmpty());
    EXPECT_TRUE(bodyOf(controls().brwWebBrowser2).isEmpty());
    EXPECT_TRUE(controls().brwWebBrowser2->isVisible());
    EXPECT_FALSE(controls().rtbWordLawTopic->isVisible());
    EXPECT_FALSE(controls().brwWebBrowserLawFile->isVisible());
}

TEST_F(MainWindowTreesTest, ArrowKeysAndEnterShowTheSelectedTopic) {
    TreeControl* tree = controls().tvwTree;
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
    click(controls().tvwTree, centreOf(controls().tvwTree, "l2"));
    chooseTab(kTabLaws);
    calls.clear();
    chooseTab(kTabTopics);
    EXPECT_EQ(calls, QStringList{"topic l2"});
}

TEST_F(MainWindowTreesTest, TheLegislationClickClearsTheTopicListAndShowsTheNode) {
    chooseTab(kTabLaws);
    TreeControl* tree = controls().tvwTreelaw;
    QComboBox* list = controls().cmbLexoraAbstracts;
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
    TreeControl* tree = controls().tvwTreelaw;
    click(tree, centreOf(tree, "p1"));
    writePage(controls().brwWebBrowser3, QStringLiteral("<p>Ν. 1566/1985</p>"));
    controls().rtbWordLaw->show();
    click(tree, emptySpace(tree));
    EXPECT_EQ(tree->selectedNode(), nullptr);
    EXPECT_TRUE(bodyOf(controls().brwWebBrowser3).isEmpty());
    EXPECT_FALSE(controls().rtbWordLaw->isVisible());
    EXPECT_TRUE(controls().brwWebBrowser3->isVisible());
}

TEST_F(MainWindowTreesTest, EnterOnTheLegislationTreeDoesNothing) {
    chooseTab(kTabLaws);
    TreeControl* tree = controls().tvwTreelaw;
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
    TreeControl* tree = controls().tvwTreeschedule[0];
    window->hooks().showSchedulePage = [&](lexora::trees::TreeNode& node, int index) {
        calls << QStringLiteral("chart%1 ").arg(index) + node.key();
        controls().lblDocument->setText(QStringLiteral("Έγγραφο"));
    };
    calls.clear();
    click(tree, centreOf(tree, "l1"));
    EXPECT_EQ(calls, QStringList{"chart0 l1"});
    EXPECT_TRUE(controls().lblDocument->text().isEmpty());

    controls().rtbWord->SetText(QStringLiteral("Υπόδειγμα"));
    controls().cmdpicWordlaw->setIcon(
        form().page.documentPicture(lexora::shell::DocumentPicture::Rtf));
    writePage(controls().brwWebBrowser1, QStringLiteral("<h1>Διεύθυνση</h1>"));
    click(tree, emptySpace(tree));
    EXPECT_EQ(tree->selectedNode(), nullptr);
    EXPECT_TRUE(bodyOf(controls().brwWebBrowser1).isEmpty());
    EXPECT_TRUE(controls().rtbWord->Text().isEmpty());
    EXPECT_EQ(controls().cmdpicWordlaw->icon().cacheKey(),
              form().page.documentPicture(lexora::shell::DocumentPicture::Other).cacheKey());
}

TEST_F(MainWindowTreesTest, AnErrorInAPageBuilderIsReportedAndEndsTheProgram) {
    window->hooks().showTopicPage = [](lexora::trees::TreeNode&) {
        throw std::runtime_error("no such table: abstract");
    };
    click(controls().tvwTree, centreOf(controls().tvwTree, "l1"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("θα τερματιστεί")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("no such table: abstract")));
    EXPECT_EQ(calls.count("endProgram"), 1);
}

} // namespace
