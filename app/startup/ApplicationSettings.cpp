// The program's settings through the routines library's registry, which
// holds the rules for blanks, NUL characters, the read limit and missing keys.
#include "app/startup/ApplicationSettings.h"

namespace lexora::startup {

ApplicationSettings::ApplicationSettings(dvRtns4::SettingsStore& userStore,
                                         const dvRtns4::SettingsStore& machineStore)
    : m_registry(userStore, machineStore), m_machine(machineStore) {}

QString ApplicationSettings::ReadSetting(bool userArea, const QString& subKey,
                                         const QString& valueName,
                                         const QString& defaultValue) const {
    return m_registry.GetRegStrValue(subKey, valueName, defaultValue, userArea);
}

bool ApplicationSettings::WriteUserSetting(const QString& subKey, const QString& valueName,
                                           const QString& value) {
    return m_registry.SetRegStrValue(subKey, valueName, value, true);
}

QString ApplicationSettings::ReadProgramFilesFolder(int& status) const {
    using dvRtns4::SettingsReadStatus;
    const auto read = dvRtns4::clsRegistry::ReadStrValue(m_machine, kWindowsVersionKey,
                                                         QStringLiteral("ProgramFilesDir"));
    switch (read.status) {
    case SettingsReadStatus::Ok:
        break;
    case SettingsReadStatus::AccessDenied:
        status = 2;
        return QStringLiteral("?");
    case SettingsReadStatus::KeyNotFound:
        status = 3;
        return QStringLiteral("?");
    case SettingsReadStatus::ValueNotFound:
    case SettingsReadStatus::MoreData:
        status = 5;
        return QStringLiteral("?");
    case SettingsReadStatus::KeyOpenFailed:
        status = 0;
        return QStringLiteral("?");
    }
    if (read.text.isEmpty()) {
        status = 0;
        return QStringLiteral("?");
    }
    status = 1;
    return read.text;
}

} // namespace lexora::startup
