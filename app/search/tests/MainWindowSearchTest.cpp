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
    auto& f = window->panes();

    f.tabs.SSTab1->setCurrentIndex(lexora::windows::kTabTopics);
    typeAndEnter(f.tabs.txtsearch[1], QStringLiteral("άδεια"));
    EXPECT_EQ(markedKeys(*f.tabs.tvwTree), (QStringList{"l111", "l12"}));
    EXPECT_EQ(expandedKeys(*f.tabs.tvwTree), (QStringList{"l1", "l11"}));
    typeAndEnter(f.tabs.txtsearch[0], QStringLiteral("ισοτητα"));
    EXPECT_EQ(markedKeys(*f.tabs.tvwTree), (QStringList{"l111", "l3"}));

    f.tabs.SSTab1->setCurrentIndex(lexora::windows::kTabLaws);
    typeAndEnter(f.tabs.txtsearchlaw[1], QStringLiteral("αξιολόγηση"));
    EXPECT_EQ(markedKeys(*f.tabs.tvwTreelaw), (QStringList{"c101", "c201", "c202"}));
    f.tabs.txtsearchlaw[0]->setText(QStringLiteral("1566"));
    f.tabs.cmdsearch[0]->click();
    EXPECT_EQ(markedKeys(*f.tabs.tvwTreelaw), (QStringList{"c101"}));
    typeAndEnter(f.tabs.txtsearchlaw[0], QStringLiteral("  "));
    EXPECT_TRUE(markedKeys(*f.tabs.tvwTreelaw).isEmpty());
    EXPECT_EQ(f.tabs.tvwTreelaw->nodeCount(), 6);

    f.tabs.SSTab1->setCurrentIndex(lexora::windows::kTabChartP);
    typeAndEnter(f.tabs.txtsearchSchedule[0], QStringLiteral("Τμήμα"));
    EXPECT_EQ(markedKeys(*f.tabs.tvwTreeschedule[0]), (QStringList{"l100", "l101"}));
    EXPECT_EQ(expandedKeys(*f.tabs.tvwTreeschedule[0]), (QStringList{"l1", "l10"}));

    EXPECT_TRUE(messages.shown.empty());
    window->close();
}

TEST_F(MainWindowSearchTest, TheStatusLineTellsWhatWasFoundAndTheFirstMatchIsSelected) {
    auto window = openWindow();
    auto& f = window->panes();
    ASSERT_NE(f.tabs.lblStatus, nullptr);

    f.tabs.SSTab1->setCurrentIndex(lexora::windows::kTabTopics);
    typeAndEnter(f.tabs.txtsearch[1], QStringLiteral("άδεια"));
    EXPECT_EQ(f.tabs.lblStatus->text(), QStringLiteral("Βρέθηκαν 2 θέματα"));
    ASSERT_NE(f.tabs.tvwTree->selectedNode(), nullptr);
    EXPECT_EQ(f.tabs.tvwTree->selectedNode()->key(), QStringLiteral("l111"));

    f.tabs.SSTab1->setCurrentIndex(lexora::windows::kTabLaws);
    typeAndEnter(f.tabs.txtsearchlaw[0], QStringLiteral("1566"));
    EXPECT_EQ(f.tabs.lblStatus->text(), QStringLiteral("Βρέθηκε 1 νομοθέτημα"));
    EXPECT_EQ(f.tabs.tvwTreelaw->selectedNode()->key(), QStringLiteral("c101"));

    typeAndEnter(f.tabs.txtsearchlaw[1], QStringLiteral("ανύπαρκτο"));
    EXPECT_EQ(f.tabs.lblStatus->text(), QStringLiteral("Δεν βρέθηκε κανένα αποτέλεσμα"));
    EXPECT_EQ(f.tabs.tvwTreelaw->selectedNode(), nullptr);

    // An empty box brings the whole tree back: nothing to report.
    typeAndEnter(f.tabs.txtsearchlaw[1], QString());
    EXPECT_TRUE(f.tabs.lblStatus->text().isEmpty());
    window->close();
}

TEST_F(MainWindowSearchTest, HistoryLoadsSavesAndSurvivesTheNextStart) {
    {
        auto window = openWindow();
        auto& f = window->panes();
        ASSERT_EQ(f.tabs.lsthistory->count(), 2);
        EXPECT_EQ(f.tabs.lsthistory->item(0)->text(),
                  QStringLiteral("Διάταγμα 79/2017 για την οργάνωση"));

        f.tabs.SSTab1->setCurrentIndex(lexora::windows::kTabLaws);
        data.context.state.gLegislationLawId = 102;
        data.context.state.gMainWindowActive = 1;
        f.page.cmdpicsavewholelaw->click();
        f.page.cmdpicsavewholelaw->click(); // the second time: already there
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(f.tabs.lsthistory->count(), 3);

        f.tabs.SSTab1->setCurrentIndex(lexora::windows::kTabHistory);
        f.tabs.lsthistory->setCurrentRow(0);
        f.page.Cmddelete->click();
        window->close(); // unloading writes the file
    }
    QFile file(lexora::history::historyFilePath(data.db.folder()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("101\r\n102\r\n"));
}

} // namespace
