// Reading a date or time format pattern ("dd/MM/yyyy", "dddd, d MMMM yyyy",
// "HH:mm:ss", "h:mm AP"): the order of its day, month and year fields, the
// separator after a field and whether it shows a 24-hour clock.
// Qt's patterns and the regional store's patterns use the same letters.
#pragma once

#include <QString>

namespace lexora::platform {

// "0" month-day-year, "1" day-month-year, "2" year-month-day; empty when the
// pattern lacks a field or orders them otherwise. Day names (ddd, dddd) are
// not the day field.
QString dateOrderOf(const QString& pattern);
// The text between the first field written with one of `fieldLetters` and
// the field after it ("/" in "d/M/yy" for "dMy", ":" in "AP h:mm" for
// "Hh"); empty when there is none. Quoted literals count as separator text.
QString separatorAfter(const QString& pattern, const QString& fieldLetters);
// "1" when the time pattern shows a 24-hour clock (no AM/PM marker), "0"
// when it shows a 12-hour one, empty when it shows no hour.
QString clockOf(const QString& timePattern);

} // namespace lexora::platform
