// A store of named text values grouped under key paths ("DRAVIK\LEXORA"),
// the way the program keeps its few settings between runs. Key paths and
// value names are matched without regard to letter case, as the program has
// always spelled the same key in more than one way.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

enum class SettingsReadStatus {
    Ok,            // the value was read (its text may still be empty)
    KeyNotFound,   // the key (or the whole store) does not exist
    AccessDenied,  // the store exists but may not be read
    KeyOpenFailed, // the key could not be opened for another reason
    ValueNotFound, // the key exists but holds no value of that name
    MoreData,      // the value is longer than the reader's buffer
};

struct SettingsRead {
    SettingsReadStatus status = SettingsReadStatus::KeyNotFound;
    QString text; // only with Ok
};

class DVRTNS4_EXPORT SettingsStore {
public:
    virtual ~SettingsStore();

    // Reads one value. A value whose stored form takes more than
    // `bufferBytes` bytes is not read (MoreData); 0 means no limit.
    virtual SettingsRead read(const QString& keyPath, const QString& valueName,
                              qsizetype bufferBytes = 0) const = 0;
    // Writes one text value, creating the key (and the store) when missing.
    // True when the value was written.
    virtual bool write(const QString& keyPath, const QString& valueName, const QString& value) = 0;
};

} // namespace dvRtns4
