// Values turned into 32-bit integers as the host's integer conversion turns
// them, for the library's own routines (not published).
#pragma once

#include "routines/Variant.h"

#include <QtGlobal>

namespace dvDBrtns4::detail {

// A value as a 32-bit integer: fractions rounded half to even (2.5 gives 2,
// 3.5 gives 4), Booleans -1 and 0, Empty 0, a text by the number it reads as
// (trimmed), a date by its day number. Raises dvRtns4::RoutineError 94
// ("Invalid use of Null") for a null, 13 ("Type mismatch") for a text that
// is not a number and for raw bytes, 6 ("Overflow") outside the 32-bit range.
qint32 toLong(const dvRtns4::Variant& value);

// Whether toLong can read the value as a number: Empty, Booleans, numbers and
// texts that read as a number. Nulls, dates and raw bytes are not numeric.
bool isNumeric(const dvRtns4::Variant& value);

} // namespace dvDBrtns4::detail
