// A main window on a small fixture database, with hooks that record what the
// window asked for, loaded as start-up loads it.
#pragma once

#include "app/shell/tests/PaneControls.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/StartupServices.h"
#include "app/windows/frmInitial.h"
#include "platform/pageview/PageViewer.h"
#include "platform/treeview/TreeControl.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingMessages.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace windowstest {

using lexora::shell::Panes;
using lexora::windows::frmInitial;

// Two topics with a child, two chart services, one act type with an act.
inline const QString kSmallContent = QStringLiteral(
    "INSERT INTO topic (topic_id, topic_id_parent, descr, order_flag_lev1) VALUES "
    " (1, 0, 'Εκπαιδευτικοί', 1), (2, 0, 'Μαθητές', 2), (3, 1, 'Μεταθέσεις', 1);"
    "INSERT INTO schedule (schedule_id, schedule_id_parent, descr, order_flag_lev1) VALUES "
    " (1, 0, 'Διεύθυνση', 1), (2, 1, 'Τμήμα Προσωπικού', 1);"
    "INSERT INTO system_law_parameters (sys_info_display) VALUES (1);");

class MainWindowFixture : public ::testing::Test {
protected:
    // Opens the fixture database and builds the window for an edition;
    // `load` runs its load step.
    void build(const QString& title = lexora::kTitleKestrani,
               const QString& content = kSmallContent, bool load = true) {
        database = std::make_unique<testsupport::FixtureDatabase>(content);
        context = std::make_unique<lexora::startup::ProgramContext>();
        context->state.applicationTitle = title;
        context->state.applicationFolder = database->folder();
        context->connection.open(
            engine::connectionTextFor(database->path(), lexora::startup::kDatabasePassword));
        window = std::make_unique<frmInitial>(*context);
        recordHooks(*window);
        if (load) {
            window->Form_Load();
            calls.clear();
        }
    }

    // Every hook records its name; the fills add one node each, so a test
    // sees which tree was filled.
    void recordHooks(frmInitial& w) {
        auto& h = w.hooks();
        auto record = [this](const char* name) {
            return [this, name] { calls << QString::fromLatin1(name); };
        };
        h.loadHistory = record("loadHistory");
        h.saveHistory = record("saveHistory");
        h.closeDocuments = record("closeDocuments");
        h.showInformationWindow = record("showInformationWindow");
        h.showHelp = record("showHelp");
        h.showAbout = record("showAbout");
        h.openSettings = record("openSettings");
        h.closeOtherWindows = record("closeOtherWindows");
        h.endProgram = record("endProgram");
        h.searchClicked = [this](int i) { calls << QStringLiteral("search %1").arg(i); };
        h.showTopicPage = [this](lexora::trees::TreeNode& n) {
            calls << QStringLiteral("topic ") + n.key();
        };
        h.showLawTreeNode = [this](lexora::trees::TreeNode& n) {
            calls << QStringLiteral("law ") + n.key();
        };
        h.showSchedulePage = [this](lexora::trees::TreeNode& n, int index) {
            calls << QStringLiteral("chart%1 ").arg(index) + n.key();
        };
        Panes& f = w.panes();
        h.fillTopicTree = [this, &f] {
            calls << QStringLiteral("fillTopicTree");
            f.tabs.tree(lexora::shell::Tab::Topics)
                ->addNode({}, QStringLiteral("l1"), QStringLiteral("Εκπαιδευτικοί"), "closed");
            f.tabs.tree(lexora::shell::Tab::Topics)
                ->addNode(QStringLiteral("l1"), QStringLiteral("l3"), QStringLiteral("Μεταθέσεις"),
                          "open");
            f.tabs.tree(lexora::shell::Tab::Topics)
                ->addNode({}, QStringLiteral("l2"), QStringLiteral("Μαθητές"), "open");
        };
        h.fillLawTree = [this, &f] {
            calls << QStringLiteral("fillLawTree");
            f.tabs.tree(lexora::shell::Tab::Laws)
                ->addNode({}, QStringLiteral("p1"), QStringLiteral("Νόμοι"), "closed");
            f.tabs.tree(lexora::shell::Tab::Laws)
                ->addNode(QStringLiteral("p1"), QStringLiteral("c7"),
                          QStringLiteral("Ν. 1566/1985"), "open");
        };
        h.fillScheduleTreeP = [this, &f] {
            calls << QStringLiteral("fillScheduleTreeP");
            f.tabs.tree(lexora::shell::Tab::ChartP)
                ->addNode({}, QStringLiteral("l1"), QStringLiteral("Διεύθυνση"), "open");
        };
        h.fillScheduleTreeN = [this, &f] {
            calls << QStringLiteral("fillScheduleTreeN");
            f.tabs.tree(lexora::shell::Tab::ChartN)
                ->addNode({}, QStringLiteral("l1"), QStringLiteral("Διεύθυνση"), "open");
        };
    }

    Panes& form() { return window->panes(); }
    // The window's controls, found by name.
    testsupport::PaneControls controls() { return testsupport::PaneControls(window.get()); }
    lexora::ProgramState& state() { return context->state; }

    void chooseTab(int index) { form().tabs.setCurrentTab(lexora::shell::Tab(index)); }

    // Writes a page into a viewer, so that blanking it shows.
    static void writePage(lexora::pages::PageViewer* viewer, const QString& html) {
        viewer->Document().body().setInnerHTML(html);
    }
    static QString bodyOf(lexora::pages::PageViewer* viewer) {
        return viewer->Document().body().innerHTML();
    }

    testsupport::RecordingMessages messages;
    std::unique_ptr<testsupport::FixtureDatabase> database;
    std::unique_ptr<lexora::startup::ProgramContext> context;
    std::unique_ptr<frmInitial> window;
    QStringList calls;
};

} // namespace windowstest
