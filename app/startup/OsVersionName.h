// The operating-system name shown by the regional-settings window and used
// to choose the values its repair writes.
#pragma once

#include "platform/system/OsVersion.h"

#include <QString>

namespace lexora::startup {

inline const QString kOsVersionUnknown = QStringLiteral("Αδυναμία αναγνώρισης έκδοσης Windows.");

// Windows version data are named by their table ("Windows XP", "Windows 8",
// ...); another platform by its own name.
QString GetOSVersionName(const platform::OsVersion& version);

} // namespace lexora::startup
