// clsOEMtxt: converting text between the system's OEM (console) code page and
// its ANSI code page. On this platform the OEM code page is Greek DOS 737 and
// the ANSI code page Windows-1253.
//
// A text crosses the call as the host's strings always did, one ANSI byte per
// character: OEM2Win takes a text whose characters are really OEM bytes read
// as ANSI (a DOS file opened as a Windows one) and gives the same letters as
// ANSI text; Win2OEM does the reverse. Characters that the target code page
// lacks become "?".
//
// The conversion goes through a buffer of sLen characters, so the text must
// be shorter than sLen; a longer text, or an sLen below 1, raises
// RoutineError 5 (invalid argument) and converts nothing. The result ends at
// the first NUL character of the converted text.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsOEMtxt {
public:
    static QString OEM2Win(const QString& sOEM, qint16 sLen = 1000);
    static QString Win2OEM(const QString& sWin, qint16 sLen = 1000);
};

} // namespace dvRtns4
