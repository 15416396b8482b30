// The regional settings of a Qt locale (by default the process locale, as
// the environment sets it): decimal and grouping symbols, the short date
// format's separator and field order, the short time format's clock and
// separator.
#pragma once

#include "platform/system/LocaleSource.h"

#include <QLocale>

namespace lexora::platform {

class SystemLocaleSource final : public LocaleSource {
public:
    explicit SystemLocaleSource(const QLocale& locale = QLocale::system());
    QString localeValue(LocaleInfo info) const override;

private:
    QLocale m_locale;
};

} // namespace lexora::platform
