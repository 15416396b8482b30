// A settings store kept in one INI file (QSettings' INI format, UTF-8). Each
// component of a key path is a group; the file and its folder are created on
// the first write. Values are stored as UTF-8 text, so the byte limit of a
// read counts UTF-8 bytes.
#pragma once

#include "SettingsStore.h"
#include "dvRtns4Export.h"

namespace dvRtns4 {

class DVRTNS4_EXPORT IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString filePath);

    const QString& filePath() const { return m_filePath; }

    SettingsRead read(const QString& keyPath, const QString& valueName,
                      qsizetype bufferBytes = 0) const override;
    bool write(const QString& keyPath, const QString& valueName, const QString& value) override;

private:
    QString m_filePath;
};

} // namespace dvRtns4
