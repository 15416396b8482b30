// Number routines the controls share: the numeric value of a typed text, a
// number formatted with a numeric format mask, and a formatted number turned
// back into plain digits. Grouping and decimal symbols are those of the
// default locale (QLocale()).
#pragma once

#include "DravikExport.h"

#include <QString>

namespace Dravik {

// The number at the start of text: optional blanks and sign, digits, "." as
// the decimal point and an optional exponent; reading stops at the first
// character that cannot continue the number. "", "-" and "+" give 0.
DRAVIK_EXPORT double NumericValue(const QString& text);

// value in the locale's general number form: no grouping, as many decimals as
// needed.
DRAVIK_EXPORT QString GeneralNumber(double value);

// value formatted with a numeric mask: "0" a required digit, "#" an optional
// one, "," digit grouping (between digit places), "." the decimal point, "%"
// a percentage; other characters, "\"-escaped characters and quoted texts are
// copied. A second section after ";" formats negative numbers, a third zero.
// An empty mask gives the general number form.
DRAVIK_EXPORT QString FormatNumber(double value, const QString& mask);

// A display text turned back into edit text: leading characters other than
// digits, ".", "+" and "-" are dropped; nothing left gives "0"; a number in
// the locale's symbols comes back in general form (the Greek 1.234 gives
// 1234); any other rest comes back unchanged.
DRAVIK_EXPORT QString PlainNumberText(const QString& text);

} // namespace Dravik
