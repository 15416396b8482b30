// Date values in SQL text: reading a date as the user writes it (day first,
// the Greek regional form) and writing it as a literal of a database dialect.
// Internal to the library.
#pragma once

#include "LibraryState.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace dvDBrtns4 {

// Reads d/m/yyyy (or d-m-yyyy, d.m.yyyy, a two-digit year, yyyy-m-d), with an
// optional time h:mm or h:mm:ss; nothing when the text is not a valid date.
std::optional<QDateTime> readRegionalDate(const QString& text);

// The literal of value as a date in the dialect of type: SQL Server
// CONVERT(datetime,'yyyy-mm-dd hh:nn:ss',120), Access #dd/mm/yyyy#, Oracle
// TO_DATE('value','pattern'), any other type the value itself. A value that
// cannot be read as a date never goes into the SQL unquoted.
QString dateLiteral(enum_DBtype type, const QString& value, const QString& pattern);

// dt written in a date pattern of the routines: d, m, y, h, n (minutes), s,
// with "m" read as minutes right after an hour or right before seconds; "/"
// is the date separator, ":" the time separator; dd/mm as two digits, ddd/mmm
// and dddd/mmmm as short and long Greek names, yy as two digits and yyyy as
// four, y alone as the day of the year. Any other character is copied.
QString formatDate(const QDateTime& dt, const QString& pattern);

} // namespace dvDBrtns4
