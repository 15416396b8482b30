// Taking the regional snapshot and testing it.
#include "app/startup/LocaleSnapshot.h"

namespace lexora::startup {

using platform::LocaleInfo;

namespace {

QString slotOf(const QString& value) {
    return value.isEmpty() ? QStringLiteral(" ") : value.left(1);
}

// The number that leads a text, 0 when none does (as the original read the
// time-format character).
int leadingNumber(const QString& text) {
    int number = 0;
    for (const QChar c : text) {
        if (!c.isDigit() || c.digitValue() < 0)
            break;
        number = number * 10 + c.digitValue();
    }
    return number;
}

} // namespace

bool LocaleSnapshot::numbersWrong() const {
    return decimalSymbol == groupingSymbol;
}

bool LocaleSnapshot::datesWrong() const {
    return dateSeparator != QStringLiteral("/") || longDateOrder != QStringLiteral("1");
}

bool LocaleSnapshot::timesWrong() const {
    return timeSeparator != QStringLiteral(":") || leadingNumber(timeFormat) != 1;
}

QString GetLocaleValue(const platform::LocaleSource& locale, LocaleInfo type) {
    const QString value = locale.localeValue(type);
    const qsizetype nul = value.indexOf(QChar(0));
    return nul < 0 ? value : value.left(nul);
}

LocaleSnapshot ReadLocaleSnapshot(const platform::LocaleSource& locale) {
    LocaleSnapshot snapshot;
    snapshot.decimalSymbol = slotOf(GetLocaleValue(locale, LocaleInfo::SDecimal));
    snapshot.groupingSymbol = slotOf(GetLocaleValue(locale, LocaleInfo::SThousand));
    snapshot.longDateOrder = slotOf(GetLocaleValue(locale, LocaleInfo::ILDate));
    snapshot.dateSeparator = slotOf(GetLocaleValue(locale, LocaleInfo::SDate));
    snapshot.timeFormat = slotOf(GetLocaleValue(locale, LocaleInfo::ITime));
    snapshot.timeSeparator = slotOf(GetLocaleValue(locale, LocaleInfo::STime));
    return snapshot;
}

bool RegionalSettingsWrong(const LocaleSnapshot& snapshot) {
    return snapshot.numbersWrong() || snapshot.timesWrong() || snapshot.datesWrong();
}

} // namespace lexora::startup
