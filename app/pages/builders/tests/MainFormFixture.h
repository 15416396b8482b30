// A window with the real panes for the page tests, and a program context
// connected to a fixture database.
#pragma once

#include "app/shell/Panes.h"
#include "app/shell/tests/PaneControls.h"
#include "app/startup/ProgramContext.h"
#include "tests/support/FixtureDatabase.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace testsupport {

// Tab indexes of the fixture's tab control.
inline constexpr int kTabScheduleN = 0;
inline constexpr int kTabTopics = 1;
inline constexpr int kTabLegislation = 2;
inline constexpr int kTabScheduleP = 3;
inline constexpr int kTabHistory = 4;

class MainFormFixture {
public:
    explicit MainFormFixture(const QString& fillSql);
    ~MainFormFixture();

    // The body markup a viewer holds ("" without a document).
    static QString bodyOf(lexora::pages::PageViewer* viewer);
    void selectTab(int index);

    FixtureDatabase db;
    std::unique_ptr<QWidget> window;
    lexora::shell::Panes form;
    PaneControls controls{window.get()};
    lexora::startup::ProgramContext context;
};

} // namespace testsupport
