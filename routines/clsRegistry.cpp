// Registry values over the settings stores, with the registry's rules for
// blanks, NUL characters, the read buffer and missing keys.
#include "routines/clsRegistry.h"

#include "routines/IniSettingsStore.h"
#include "routines/SettingsLocations.h"
#include "routines/TextHelpers.h"

#include <optional>

namespace dvRtns4 {

namespace {

// The maker's key below "Software"; the caller's path starts with "\".
const QString kMakerKey = QStringLiteral("DRAVIK");

qsizetype ansiBytes(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

} // namespace

struct clsRegistry::Stores {
    std::optional<IniSettingsStore> ownUser;
    std::optional<IniSettingsStore> ownMachine;
    SettingsStore* user = nullptr;
    SettingsStore* machine = nullptr; // null when the machine store is read-only
    const SettingsStore* machineForReading = nullptr;
};

clsRegistry::clsRegistry() : m_stores(std::make_unique<Stores>()) {
    m_stores->ownUser.emplace(userSoftwareSettingsFile());
    m_stores->ownMachine.emplace(machineSoftwareSettingsFile());
    m_stores->user = &*m_stores->ownUser;
    m_stores->machine = &*m_stores->ownMachine;
    m_stores->machineForReading = m_stores->machine;
}

clsRegistry::clsRegistry(SettingsStore& userStore, SettingsStore& machineStore)
    : m_stores(std::make_unique<Stores>()) {
    m_stores->user = &userStore;
    m_stores->machine = &machineStore;
    m_stores->machineForReading = &machineStore;
}

clsRegistry::clsRegistry(SettingsStore& userStore, const SettingsStore& machineStore)
    : m_stores(std::make_unique<Stores>()) {
    m_stores->user = &userStore;
    m_stores->machineForReading = &machineStore;
}

clsRegistry::~clsRegistry() = default;

bool clsRegistry::SetRegStrValue(const QString& key, const QString& KeyParam,
                                 const QString& ParamValue, bool bAreaIsUser) {
    SettingsStore* store = bAreaIsUser ? m_stores->user : m_stores->machine;
    if (!store)
        return false;
    return store->write(kMakerKey + key, KeyParam,
                        ParamValue.isEmpty() ? QStringLiteral(" ") : ParamValue);
}

QString clsRegistry::GetRegStrValue(const QString& key, const QString& KeyParam,
                                    const QString& DefaultValue, bool bAreaIsUser) const {
    const SettingsStore& store = bAreaIsUser ? *m_stores->user : *m_stores->machineForReading;
    const SettingsRead read = ReadStrValue(store, kMakerKey + key, KeyParam);
    if (read.status != SettingsReadStatus::Ok || read.text.isEmpty())
        return DefaultValue;
    return read.text;
}

SettingsRead clsRegistry::ReadStrValue(const SettingsStore& store, const QString& keyPath,
                                       const QString& valueName) {
    SettingsRead read = store.read(keyPath, valueName);
    if (read.status != SettingsReadStatus::Ok)
        return {read.status, {}};
    if (ansiBytes(read.text) > kReadBufferBytes)
        return {SettingsReadStatus::MoreData, {}};
    if (read.text.isEmpty())
        return {SettingsReadStatus::ValueNotFound, {}};
    const qsizetype zero = read.text.indexOf(QChar(0));
    return {SettingsReadStatus::Ok, trimSpaces(zero < 0 ? read.text : read.text.left(zero))};
}

} // namespace dvRtns4
