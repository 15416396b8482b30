// The program's own settings between runs: reading a value of the per-user
// or machine-wide "SOFTWARE\DRAVIK" key, writing one into the per-user key,
// and reading the machine's program-files folder. Each store stands for the
// "Software" key of its area, so the key paths here start below it.
#pragma once

#include "routines/SettingsStore.h"
#include "routines/clsRegistry.h"

#include <QString>

namespace lexora::startup {

// Below the "Software" key of either area.
inline const QString kWindowsVersionKey = QStringLiteral("Microsoft\\Windows\\CurrentVersion");

class ApplicationSettings {
public:
    ApplicationSettings(dvRtns4::SettingsStore& userStore,
                        const dvRtns4::SettingsStore& machineStore);

    // The value of "SOFTWARE\DRAVIK" + subKey (user or machine area), cut at
    // its first zero character and trimmed of blanks; `defaultValue` when it
    // cannot be read, is longer than 3990 bytes or is empty.
    QString ReadSetting(bool userArea, const QString& subKey, const QString& valueName,
                        const QString& defaultValue) const;
    // Writes "Software\DRAVIK" + subKey in the user area, creating the key;
    // an empty value is written as one blank, so that the value exists.
    bool WriteUserSetting(const QString& subKey, const QString& valueName, const QString& value);
    // The machine's "ProgramFilesDir" value. `status` is 1 when a non-empty
    // value was read; otherwise the text is "?" and the status tells why:
    // 2 access denied, 3 no key, 5 no value (or too long), 0 anything else.
    QString ReadProgramFilesFolder(int& status) const;

private:
    dvRtns4::clsRegistry m_registry;
    const dvRtns4::SettingsStore& m_machine;
};

} // namespace lexora::startup
