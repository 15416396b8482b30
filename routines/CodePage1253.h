// The Greek single-byte code page (Windows-1253) that older texts of the
// program's users are written in.
#pragma once

#include "dvRtns4Export.h"

#include <QByteArrayView>
#include <QChar>
#include <QString>

namespace dvRtns4 {

// The character a byte stands for; U+FFFD for the bytes the code page leaves undefined.
DVRTNS4_EXPORT QChar windows1253ToUnicode(unsigned char byte);
DVRTNS4_EXPORT QString fromWindows1253(QByteArrayView bytes);

} // namespace dvRtns4
