// Regional settings derived from a Qt locale.
#include "platform/system/SystemLocaleSource.h"

#include "platform/system/LocaleFormat.h"

namespace lexora::platform {

LocaleSource::~LocaleSource() = default;

SystemLocaleSource::SystemLocaleSource(const QLocale& locale) : m_locale(locale) {}

QString SystemLocaleSource::localeValue(LocaleInfo info) const {
    switch (info) {
    case LocaleInfo::SDecimal:
        return m_locale.decimalPoint();
    case LocaleInfo::SThousand:
        return m_locale.groupSeparator();
    case LocaleInfo::SDate:
        return separatorAfter(m_locale.dateFormat(QLocale::ShortFormat), QStringLiteral("dMy"));
    case LocaleInfo::STime:
        return separatorAfter(m_locale.timeFormat(QLocale::ShortFormat), QStringLiteral("Hh"));
    case LocaleInfo::ILDate:
        return dateOrderOf(m_locale.dateFormat(QLocale::ShortFormat));
    case LocaleInfo::ITime:
        return clockOf(m_locale.timeFormat(QLocale::ShortFormat));
    }
    return {};
}

} // namespace lexora::platform
