// The search texts' folding: the viewers' letter folding with the blanks at
// both ends trimmed (the replacements touch no blank, so the order of the two
// steps does not matter).
#include "app/search/FoldGreekText.h"

#include "platform/text/GreekFolding.h"
#include "routines/TextHelpers.h"

namespace lexora::search {

QString FoldGreekText(const QString& value) {
    return dvRtns4::trimSpaces(lexora::text::foldGreekLetters(value));
}

} // namespace lexora::search
