// The user's regional settings as the per-user regional store ("Control
// Panel\International") holds them, value by value, and as the process
// locale gives them where the store holds nothing. The long-date order is
// "iLDate" when stored, else read from the stored long-date pattern.
#pragma once

#include "platform/system/LocaleSource.h"
#include "routines/SettingsStore.h"

#include <optional>

namespace lexora::startup {

inline const QString kInternationalKey = QStringLiteral("International");

class RegionalStoreLocaleSource final : public platform::LocaleSource {
public:
    // `store` stands for the user's "Control Panel" key.
    RegionalStoreLocaleSource(const dvRtns4::SettingsStore& store,
                              const platform::LocaleSource& fallback);
    QString localeValue(platform::LocaleInfo info) const override;

private:
    std::optional<QString> stored(const QString& valueName) const;

    const dvRtns4::SettingsStore& m_store;
    const platform::LocaleSource& m_fallback;
};

} // namespace lexora::startup
