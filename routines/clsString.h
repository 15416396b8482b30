// clsString: the string helpers used to build SQL text and compare texts:
// trimming characters off either end, replacing, searching from the right,
// padding, quoting a value as an SQL literal, delimited lists and Greek
// upper-casing. Stateless; every method may be called on the class or on an
// instance. Failures are thrown as dvRtns4::RoutineError.
#pragma once

#include "Variant.h"
#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsString {
public:
    // s without its last NoOfChars characters; s unchanged when it is empty or
    // NoOfChars is not less than its length.
    static QString DelStrRight(const QString& s, qint16 NoOfChars);
    // s without its first NoOfChars characters; empty when nothing is left.
    static QString DelStrLeft(const QString& s, qint16 NoOfChars);
    // Every occurrence of FromChar (any letter case) replaced by ToChar.
    static QString ReplaceCharInStr(const QString& InS, const QString& FromChar,
                                    const QString& ToChar);
    // 1-based position of the last occurrence of Str2 in Str1, 0 if none.
    // Throws Overflow when the position does not fit in 16 bits.
    static qint16 InstrR(const QString& Str1, const QString& Str2);
    // Trimmed str padded on the right with the first character of sChar, or
    // cut, to exactly FinalLen characters. Throws InvalidArgument for an empty
    // sChar or a negative FinalLen.
    static QString PadR(const QString& str, qint16 FinalLen,
                        const QString& sChar = QStringLiteral(" "));
    // Trimmed str padded on the left, or cut on the left, to FinalLen characters.
    static QString PadL(const QString& str, qint16 FinalLen,
                        const QString& sChar = QStringLiteral(" "));
    // The value as an SQL string literal: apostrophes doubled, enclosed in
    // apostrophes; Empty, Null and the empty text give ''.
    static QString FixQuotes(const Variant& pString);
    // strMain with strToAdd appended after delimiter, unless strToAdd is
    // already one of its comma-separated items.
    static QString Append2Str(const QString& strMain, const QString& strToAdd,
                              const QString& delimiter = QStringLiteral(","));
    // The trimmed text before the first delimiter; empty when there is none.
    static QString StrLeft(const QString& s, const QString& delimiter);
    // Upper-cased text without Greek accents, diaereses or final sigma.
    static QString UCaseGreek(const QString& str);
};

} // namespace dvRtns4
