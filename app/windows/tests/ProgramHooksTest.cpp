// The main window with the program's own hooks: the trees are complete when
// it appears, and a topic click shows the topic's page.
#include "app/windows/tests/MainWindowFixture.h"

#include "app/windows/ProgramHooks.h"
#include "platform/pageview/PageViewer.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace windowstest;
using namespace lexora::windows;

namespace {

const QString kContent =
    kSmallContent +
    QStringLiteral("INSERT INTO abstract (abstract_id, topic_id, descr, aa_abstr_flag) VALUES "
                   " (10, 3, '<p>Οι μεταθέσεις γίνονται κάθε χρόνο.</p>', 1);");

class ProgramHooksTest : public MainWindowFixture {
protected:
    void SetUp() override {
        build(lexora::kTitleKestrani, kContent, false);
        installProgramHooks(*window, nullptr);
        window->hooks().endProgram = [this] { calls << QStringLiteral("endProgram"); };
        window->Form_Load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
};

TEST_F(ProgramHooksTest, TheTreesAreCompleteAndCollapsedWhenTheWindowAppears) {
    const auto* topics = controls().tvwTree;
    EXPECT_EQ(topics->nodeCount(), 3);
    EXPECT_EQ(topics->node(QStringLiteral("l1"))->imageKey(), QStringLiteral("closed"));
    EXPECT_FALSE(topics->node(QStringLiteral("l1"))->isExpanded());
    EXPECT_EQ(topics->node(QStringLiteral("l2"))->imageKey(), QStringLiteral("open"));
    EXPECT_EQ(controls().tvwTreeschedule[0]->nodeCount(), 2);
    EXPECT_EQ(controls().tvwTreeschedule[1]->nodeCount(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProgramHooksTest, AClickOnATopicShowsItsPageAndEmptySpaceBlanksIt) {
    auto* tree = controls().tvwTree;
    tree->expandAll();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree->visualItemRect(tree->node(QStringLiteral("l3"))).center());
    const QString page = bodyOf(controls().brwWebBrowser1);
    EXPECT_TRUE(page.contains(QStringLiteral("Μεταθέσεις"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("κάθε χρόνο"))) << page.toStdString();

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(20, tree->viewport()->height() - 5));
    EXPECT_TRUE(bodyOf(controls().brwWebBrowser1).isEmpty());
    EXPECT_FALSE(calls.contains(QStringLiteral("endProgram")));
}

TEST_F(ProgramHooksTest, TheWindowKeysPressTheButtonsThatDoTheJob) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    testsupport::PaneControls f = controls();

    // Ctrl+L: the upper search box of the tab, then the lower one, then back.
    f.SSTab1->setCurrentIndex(kTabLaws);
    f.tvwTreelaw->setFocus(); // the tab change put the focus in the upper box
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(f.txtsearchlaw[0]->hasFocus());
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(f.txtsearchlaw[1]->hasFocus());
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(f.txtsearchlaw[0]->hasFocus());

    // Ctrl+P presses the print button of the page in view; what it does
    // then is the button's own business.
    const auto pressesOf = [](QToolButton* button) {
        QObject::disconnect(button, &QToolButton::clicked, nullptr, nullptr);
        return std::make_unique<QSignalSpy>(button, &QToolButton::clicked);
    };
    auto lawPrint = pressesOf(f.cmdpiclawhist);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(lawPrint->size(), 1);
    f.SSTab1->setCurrentIndex(kTabTopics);
    auto abstractPrint = pressesOf(f.cmdpicprintabstr);
    auto actPrint = pressesOf(f.cmdpiclaw);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(abstractPrint->size(), 1); // no act shown yet
    f.brwWebBrowser2->setFocus();
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(actPrint->size(), 1);

    // F1, Alt+B (the help button's letter), Ctrl+Q.
    auto help = pressesOf(window->chrome().cmdtoolbar[0]);
    QTest::keyClick(window.get(), Qt::Key_F1);
    QTest::keyClick(window.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(help->size(), 2);
    EXPECT_EQ(window->chrome().cmdtoolbar[3]->text(), QStringLiteral("Έ&ξοδος"));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(calls.contains(QStringLiteral("endProgram")));
}

} // namespace
