// The accent folding of search texts: Greek capitals without accents or
// diaeresis, so that «ΐσότητα» and «ισοτητα» compare equal.
#pragma once

#include <QString>

namespace lexora::search {

// Upper-cases the text letter by letter (the simple case mapping, under
// which final ς becomes Σ and ΐ, ΰ stay single letters), trims the spaces at
// both ends and replaces the accented capitals and those with diaeresis by
// their plain capitals. A null text gives the empty text.
QString FoldGreekText(const QString& value);

} // namespace lexora::search
