// The fixture of the search tests: a small database with a topic hierarchy
// five levels deep, keywords, acts of displayed and hidden types and an
// organisation chart; a main-window form built from real controls; and
// helpers that read the marking and opening of a tree.
#pragma once

#include "app/shell/Panes.h"
#include "app/shell/tests/PaneControls.h"
#include "app/startup/ProgramContext.h"
#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"
#include "tests/support/FixtureDatabase.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace searchtest {

extern const char* const kSearchData;

// An empty tree control with the tree images.
std::unique_ptr<lexora::trees::TreeControl> makeTree();

// The keys of the marked nodes and of the expanded nodes, sorted.
QStringList markedKeys(const lexora::trees::TreeControl& tree);
QStringList expandedKeys(const lexora::trees::TreeControl& tree);

class SearchDatabase {
public:
    explicit SearchDatabase(const QString& extraSql = {});
    testsupport::FixtureDatabase db;
    lexora::startup::ProgramContext context;
    engine::Connection& connection() { return context.connection; }
};

// A window with the real panes the searches work on.
struct SearchWindow {
    SearchWindow();
    std::unique_ptr<QWidget> window;
    lexora::shell::Panes form;
    testsupport::PaneControls controls{window.get()};
};

} // namespace searchtest
