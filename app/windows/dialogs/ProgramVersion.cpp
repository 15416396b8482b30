// The version comes from the build (LEXORA_VERSION_MAJOR and _MINOR).
#include "app/windows/dialogs/ProgramVersion.h"

#include "app/windows/dialogs/DialogTexts.h"

namespace lexora::dialogs {

ProgramVersion programVersion() {
    return {LEXORA_VERSION_MAJOR, LEXORA_VERSION_MINOR};
}

QString versionLine(ProgramVersion version) {
    return texts::kVersionPrefix + QString::number(version.major) + QLatin1Char('.') +
           QStringLiteral("%1").arg(version.minor, 2, 10, QLatin1Char('0'));
}

} // namespace lexora::dialogs
