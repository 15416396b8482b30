// Reading and writing the program's settings with the registry's rules:
// values are cut at a zero character and trimmed of blanks, and an empty
// value is kept as one blank.
#include "ApplicationSettings.h"

namespace lexora::startup {

namespace {

using platform::SettingsReadStatus;

QString subKeyPath(const QString& subKey) {
    // The sub-keys are written "\LEXORA": joined to the key as they stand.
    return kDravikKey + subKey;
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString cutAtZero(const QString& text) {
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? text : text.left(zero);
}

} // namespace

ApplicationSettings::ApplicationSettings(platform::SettingsStore& userStore,
                                         const platform::SettingsStore& machineStore)
    : m_user(userStore), m_machine(machineStore) {}

QString ApplicationSettings::ReadSetting(bool userArea, const QString& subKey,
                                         const QString& valueName,
                                         const QString& defaultValue) const {
    const platform::SettingsStore& store = userArea ? m_user : m_machine;
    const auto read = store.read(subKeyPath(subKey), valueName, kSettingBufferBytes);
    if (read.status != SettingsReadStatus::Ok || read.text.isEmpty())
        return defaultValue;
    const QString text = trimBlanks(cutAtZero(read.text));
    return text.isEmpty() ? defaultValue : text;
}

bool ApplicationSettings::WriteUserSetting(const QString& subKey, const QString& valueName,
                                           const QString& value) {
    return m_user.write(subKeyPath(subKey), valueName,
                        value.isEmpty() ? QStringLiteral(" ") : value);
}

QString ApplicationSettings::ReadProgramFilesFolder(int& status) const {
    const auto read =
        m_machine.read(kWindowsVersionKey, QStringLiteral("ProgramFilesDir"), kSettingBufferBytes);
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
        status = 5;
        return QStringLiteral("?");
    }
    const QString text = trimBlanks(cutAtZero(read.text));
    if (text.isEmpty()) {
        status = 0;
        return QStringLiteral("?");
    }
    status = 1;
    return text;
}

} // namespace lexora::startup
