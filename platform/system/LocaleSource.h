// The user's regional settings, one value at a time, named by the locale
// information numbers the program has always asked for.
#pragma once

#include <QString>

namespace lexora::platform {

enum class LocaleInfo : int {
    SDecimal = 14,  // decimal symbol
    SThousand = 15, // digit-grouping symbol
    SDate = 29,     // date separator
    STime = 30,     // time separator
    ILDate = 34,    // long-date order: "0" month-day-year, "1" day-month-year, "2" year-month-day
    ITime = 35,     // time format: "0" 12-hour, "1" 24-hour
};

class LocaleSource {
public:
    virtual ~LocaleSource();
    // The value as text; empty when the source cannot supply it.
    virtual QString localeValue(LocaleInfo info) const = 0;
};

} // namespace lexora::platform
