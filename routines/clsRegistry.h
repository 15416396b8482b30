// clsRegistry: small text settings under the maker's key, kept in settings
// stores that stand for the registry (SettingsStore; INI files in the XDG
// configuration folders unless the caller hands in its own stores).
//
// The key path given by the caller ("\LEXORA") follows "Software\DRAVIK" when
// writing and "SOFTWARE\DRAVIK" when reading; key and value names are not
// case-sensitive, so both name the same key. bAreaIsUser chooses the current
// user's store, otherwise the machine's.
//
// Writing creates the key when it is missing and stores an empty value as one
// blank, so that the value exists. Reading never creates anything: a missing
// key or value, a value that is empty once cut at its first NUL character
// and trimmed of blanks, or a value too long to read gives the default.
//
// Too long means above 3990 bytes, counted as the value would take in the
// ANSI code page: one byte per character (a character outside the basic
// plane counts once), whatever the store's own file encoding.
#pragma once

#include "SettingsStore.h"
#include "dvRtns4Export.h"

#include <QString>

#include <memory>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsRegistry {
public:
    static constexpr qsizetype kReadBufferBytes = 3990;

    // The stores of this desktop: ~/.config/DRAVIK/Software.ini for the
    // user, the machine's DRAVIK/SOFTWARE.ini under the XDG system folders.
    clsRegistry();
    // Borrowed stores, each standing for the "Software" key of its area; they
    // must outlive this object.
    clsRegistry(SettingsStore& userStore, SettingsStore& machineStore);
    // A machine store that may only be read: writes to it return False.
    clsRegistry(SettingsStore& userStore, const SettingsStore& machineStore);
    ~clsRegistry();
    clsRegistry(const clsRegistry&) = delete;
    clsRegistry& operator=(const clsRegistry&) = delete;

    bool SetRegStrValue(const QString& key, const QString& KeyParam, const QString& ParamValue,
                        bool bAreaIsUser = true);
    QString GetRegStrValue(const QString& key, const QString& KeyParam, const QString& DefaultValue,
                           bool bAreaIsUser = true) const;

    // One value of any key of `store` (a path below its "Software" key) read
    // with the rules above: Ok with the cut and trimmed text (which may be
    // empty), ValueNotFound also for a value without any text, MoreData for
    // one too long to read.
    static SettingsRead ReadStrValue(const SettingsStore& store, const QString& keyPath,
                                     const QString& valueName);

private:
    struct Stores;
    std::unique_ptr<Stores> m_stores;
};

} // namespace dvRtns4
