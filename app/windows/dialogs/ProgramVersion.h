// The program's version as the about window shows it: the major number, a
// dot and the minor number with at least two digits ("Έκδοση: 21.02").
#pragma once

#include <QString>

namespace lexora::dialogs {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
};

// The version this program was built as.
ProgramVersion programVersion();
// "Έκδοση: " + major + "." + minor padded to two digits; no revision.
QString versionLine(ProgramVersion version);

} // namespace lexora::dialogs
