// What one run of the program holds from start-up on: its program-wide
// values, the main connection to edudata.mdb, the database of the second,
// read-only open (the main window closes it first when it loads), the
// regional snapshot and the start-up windows that are still open.
#pragma once

#include "app/startup/LocaleSnapshot.h"
#include "app/startup/frmWait.h"
#include "app/startup/frmWrongRegionalSettings.h"
#include "app/state/ProgramState.h"
#include "engine/Connection.h"

#include <memory>

namespace lexora::startup {

struct ProgramContext {
    ProgramState state;
    engine::Connection connection;           // the main connection, open for the whole run
    engine::ReadOnlyDatabase secondDatabase; // the second open of start-up
    LocaleSnapshot localeSnapshot;
    std::unique_ptr<frmWait> waitWindow; // shown by start-up, hidden by the main window
    std::unique_ptr<frmWrongRegionalSettings> regionalSettingsWindow;
};

} // namespace lexora::startup
