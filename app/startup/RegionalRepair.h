// The repair of the user's regional settings: the Greek values written into
// the per-user regional store, chosen by operating system.
#pragma once

#include "platform/system/OsVersion.h"
#include "routines/SettingsStore.h"

#include <QString>

#include <utility>
#include <vector>

namespace lexora::startup {

using RegionalValue = std::pair<QString, QString>; // value name, value

// The values the repair writes, in the order written. Windows systems get
// the set their version knows; another platform gets the whole set, as its
// regional store is read by this program alone.
std::vector<RegionalValue> RegionalRepairValues(const platform::OsVersion& version);

// Writes one string value into the regional store's "International" key
// (the user's "Control Panel\International"), creating the key; an empty
// value is written as one blank.
bool SetRegStrValueControlPanel(dvRtns4::SettingsStore& regionalStore, const QString& name,
                                const QString& value);

} // namespace lexora::startup
