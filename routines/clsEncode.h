// clsEncode: a reversible scrambler for short texts such as passwords. Each
// character's code in the ANSI code page (Windows-1253) is shifted by iShift
// and by its position; decoding with the same shift undoes it.
//
// The text is trimmed of spaces and cut to its first 200 characters before
// it is shifted. Codes wrap around by 255, not 256, so a character of code
// 255 can come back as code 0 and one of code 0 as code 255. A shift below 0
// or above 100 is taken as 100. With bAsUnicode (encoding only) the text's
// UTF-16 bytes are scrambled as characters of their own; decoding has no
// counterpart and gives those characters back.
//
// Characters outside the ANSI code page are scrambled as "?". The result uses
// the characters the original platform gives every code, so texts scrambled
// by earlier installations decode to the same text.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsEncode {
public:
    static QString CodeStr(const QString& sPsw, qint16 iShift = 2, bool bEncode = true,
                           bool bAsUnicode = false);
};

} // namespace dvRtns4
