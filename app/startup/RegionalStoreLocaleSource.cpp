// Regional values from the per-user regional store, the locale behind it.
#include "app/startup/RegionalStoreLocaleSource.h"

#include "platform/system/LocaleFormat.h"

namespace lexora::startup {

using platform::LocaleInfo;

RegionalStoreLocaleSource::RegionalStoreLocaleSource(const dvRtns4::SettingsStore& store,
                                                     const platform::LocaleSource& fallback)
    : m_store(store), m_fallback(fallback) {}

std::optional<QString> RegionalStoreLocaleSource::stored(const QString& valueName) const {
    const auto read = m_store.read(kInternationalKey, valueName);
    if (read.status != dvRtns4::SettingsReadStatus::Ok)
        return std::nullopt;
    return read.text;
}

QString RegionalStoreLocaleSource::localeValue(LocaleInfo info) const {
    std::optional<QString> value;
    switch (info) {
    case LocaleInfo::SDecimal:
        value = stored(QStringLiteral("sDecimal"));
        break;
    case LocaleInfo::SThousand:
        value = stored(QStringLiteral("sThousand"));
        break;
    case LocaleInfo::SDate:
        value = stored(QStringLiteral("sDate"));
        break;
    case LocaleInfo::STime:
        value = stored(QStringLiteral("sTime"));
        break;
    case LocaleInfo::ITime:
        value = stored(QStringLiteral("iTime"));
        break;
    case LocaleInfo::ILDate:
        value = stored(QStringLiteral("iLDate"));
        if (!value) {
            if (const auto longDate = stored(QStringLiteral("sLongDate")))
                value = platform::dateOrderOf(*longDate);
        }
        break;
    }
    return value ? *value : m_fallback.localeValue(info);
}

} // namespace lexora::startup
