// Number reading and rounding shared by the definition-file parser and its
// utilities. Internal to the library.
#pragma once

#include <QString>

#include <optional>

namespace dvRtns4::parserdetail {

// The whole text as a decimal number ("12", " -3.5 ", "1e3"); nothing for
// any other text, infinities and NaN included.
std::optional<double> parseNumber(const QString& text);
// The number at the start of a text, 0 when there is none ("12px" gives 12).
double leadingNumber(const QString& text);
// Rounded half to even; RoutineError overflow outside the range.
qint32 roundToInt32(double value);
qint16 roundToInt16(double value);

} // namespace dvRtns4::parserdetail
