// The searches and the history in the real main window, used as a user
// does: type into a box, press Enter or the button, look at the tree; save
// an act, close the window, find it in the list at the next start.
#include "app/history/HistoryFile.h"
#include "app/search/tests/SearchFixture.h"
#include "app/windows/ProgramHooks.h"
#include "app/windows/frmInitial.h"
#include "platform/treeview/TreeNode.h"
#include "tests/support/RecordingMessages.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using lexora::windows::frmInitial;
using searchtest::expandedKeys;
using searchtest::markedKeys;

namespace {

class MainWindowSearchTest : public ::testing::Test {
protected:
    MainWindowSearchTest() {
        data.db.exec(QStringLiteral("INSERT INTO system_law_parameters VALUES (1);"));
        QFile history(lexora::history::historyFilePath(data.db.folder()));
        if (history.open(QIODevice::WriteOnly))
            history.write("201\r\n101\r\n");
    }
    std::unique_ptr<frmInitial> openWindow() {
        auto window = std::make_unique<frmInitial>(data.context);
        lexora::windows::installProgramHooks(*window, nullptr);
        window->hooks().endProgram = [] {};
        window->Form_Load();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
    static void typeAndEnter(QLineEdit* box, const QString& text) {
        box->setFocus();
        QCoreApplication::processEvents();
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    searchtest::SearchDatabase data;
    testsupport::RecordingMessages messages;
};

TEST_F(MainWindowSearchTest, SearchesFromTheBoxesOfEachTab) {
    auto window = openWindow();
    testsupport::PaneControls c(window.get());

    c.SSTab1->setCurrentIndex(lexora::windows::kTabTopics);
    typeAndEnter(c.txtsearch[1], QStringLiteral("άδεια"));
    EXPECT_EQ(markedKeys(*c.tvwTree), (QStringList{"l111", "l12"}));
    EXPECT_EQ(expandedKeys(*c.tvwTree), (QStringList{"l1", "l11"}));
    typeAndEnter(c.txtsearch[0], QStringLiteral("ισοτητα"));
    EXPECT_EQ(markedKeys(*c.tvwTree), (QStringList{"l111", "l3"}));

    c.SSTab1->setCurrentIndex(lexora::windows::kTabLaws);
    typeAndEnter(c.txtsearchlaw[1], QStringLiteral("αξιολόγηση"));
    EXPECT_EQ(markedKeys(*c.tvwTreelaw), (QStringList{"c101", "c201", "c202"}));
    c.txtsearchlaw[0]->setText(QStringLiteral("1566"));
    c.cmdsearch[0]->click();
    EXPECT_EQ(markedKeys(*c.tvwTreelaw), (QStringList{"c101"}));
    typeAndEnter(c.txtsearchlaw[0], QStringLiteral("  "));
    EXPECT_TRUE(markedKeys(*c.tvwTreelaw).isEmpty());
    EXPECT_EQ(c.tvwTreelaw->nodeCount(), 6);

    c.SSTab1->setCurrentIndex(lexora::windows::kTabChartP);
    typeAndEnter(c.txtsearchSchedule[0], QStringLiteral("Τμήμα"));
    EXPECT_EQ(markedKeys(*c.tvwTreeschedule[0]), (QStringList{"l100", "l101"}));
    EXPECT_EQ(expandedKeys(*c.tvwTreeschedule[0]), (QStringList{"l1", "l10"}));

    EXPECT_TRUE(messages.shown.empty());
    window->close();
}

TEST_F(MainWindowSearchTest, TheStatusLineTellsWhatWasFoundAndTheFirstMatchIsSelected) {
    auto window = openWindow();
    testsupport::PaneControls c(window.get());
    ASSERT_NE(c.lblStatus, nullptr);

    c.SSTab1->setCurrentIndex(lexora::windows::kTabTopics);
    typeAndEnter(c.txtsearch[1], QStringLiteral("άδεια"));
    EXPECT_EQ(c.lblStatus->text(), QStringLiteral("Βρέθηκαν 2 θέματα"));
    ASSERT_NE(c.tvwTree->selectedNode(), nullptr);
    EXPECT_EQ(c.tvwTree->selectedNode()->key(), QStringLiteral("l111"));

    c.SSTab1->setCurrentIndex(lexora::windows::kTabLaws);
    typeAndEnter(c.txtsearchlaw[0], QStringLiteral("1566"));
    EXPECT_EQ(c.lblStatus->text(), QStringLiteral("Βρέθηκε 1 νομοθέτημα"));
    EXPECT_EQ(c.tvwTreelaw->selectedNode()->key(), QStringLiteral("c101"));

    typeAndEnter(c.txtsearchlaw[1], QStringLiteral("ανύπαρκτο"));
    EXPECT_EQ(c.lblStatus->text(), QStringLiteral("Δεν βρέθηκε κανένα αποτέλεσμα"));
    EXPECT_EQ(c.tvwTreelaw->selectedNode(), nullptr);

    // An empty box brings the whole tree back: nothing to report.
    typeAndEnter(c.txtsearchlaw[1], QString());
    EXPECT_TRUE(c.lblStatus->text().isEmpty());
    window->close();
}

TEST_F(MainWindowSearchTest, HistoryLoadsSavesAndSurvivesTheNextStart) {
    {
        auto window = openWindow();
        testsupport::PaneControls c(window.get());
        ASSERT_EQ(c.lsthistory->count(), 2);
        EXPECT_EQ(c.lsthistory->item(0)->text(),
                  QStringLiteral("Διάταγμα 79/2017 για την οργάνωση"));

        c.SSTab1->setCurrentIndex(lexora::windows::kTabLaws);
        data.context.state.gLegislationLawId = 102;
        data.context.state.gMainWindowActive = 1;
        c.cmdpicsavewholelaw->click();
        c.cmdpicsavewholelaw->click(); // the second time: already there
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(c.lsthistory->count(), 3);

        c.SSTab1->setCurrentIndex(lexora::windows::kTabHistory);
        c.lsthistory->setCurrentRow(0);
        c.Cmddelete->click();
        window->close(); // unloading writes the file
    }
    QFile file(lexora::history::historyFilePath(data.db.folder()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("101\r\n102\r\n"));
}

} // namespace
