// The letter folding under which Greek texts compare without regard to case,
// accents and diaeresis: «ΐσότητα» and «ισοτητα» both become «ΙΣΟΤΗΤΑ».
#pragma once

#include <QString>

namespace lexora::text {

// Upper-cases each character to its single capital (the simple mapping, under
// which final ς becomes Σ and ΐ, ΰ stay single letters) and replaces accented
// capitals and those with diaeresis by their plain capitals. The result has
// the length of the text, character for character, so that a position found
// in the folded text is the same position in the original.
QString foldGreekLetters(const QString& value);

} // namespace lexora::text
