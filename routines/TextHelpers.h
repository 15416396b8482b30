// Two text operations that the routines of both libraries share: trimming
// that removes only blanks, and the platform's character-by-character
// upper-casing, which never changes the length of a text.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

// Removes leading and trailing spaces (U+0020) only; tabs and line breaks stay.
DVRTNS4_EXPORT QString trimSpaces(const QString& s);

// Upper-cases each character to its single capital form; characters without
// one (ΐ, ß, ...) stay as they are.
DVRTNS4_EXPORT QString upperCase(const QString& s);

} // namespace dvRtns4
