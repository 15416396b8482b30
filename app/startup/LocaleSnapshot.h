// The snapshot of the user's regional settings taken once at start-up, and
// the start-up test that decides whether the program can run with them.
#pragma once

#include "platform/system/LocaleSource.h"

#include <QString>

namespace lexora::startup {

// Six one-character slots; a value the locale cannot supply leaves a blank.
struct LocaleSnapshot {
    QString decimalSymbol = QStringLiteral(" ");
    QString groupingSymbol = QStringLiteral(" ");
    QString longDateOrder = QStringLiteral(" ");
    QString dateSeparator = QStringLiteral(" ");
    QString timeFormat = QStringLiteral(" ");
    QString timeSeparator = QStringLiteral(" ");

    bool numbersWrong() const;
    bool datesWrong() const;
    bool timesWrong() const;
};

// One locale value, up to its first NUL character.
QString GetLocaleValue(const platform::LocaleSource& locale, platform::LocaleInfo type);
LocaleSnapshot ReadLocaleSnapshot(const platform::LocaleSource& locale);
// True when the snapshot is not the Greek conventions: decimal symbol equal
// to the grouping symbol, time separator not ":", date separator not "/",
// long-date order not day-month-year, or a 12-hour clock.
bool RegionalSettingsWrong(const LocaleSnapshot& snapshot);

} // namespace lexora::startup
