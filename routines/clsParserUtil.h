// clsParserUtil: lookups in the coded key lists that clsParser hands out
// («_KEY_=value» pairs joined by commas, escapes coded as control
// characters), decoding of their values and encoding of texts for writing
// into a definition file. Stateless.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsParserUtil {
public:
    // The raw, still coded value of key (any letter case); empty when absent.
    static QString GetValueForKey(const QString& Def, const QString& key);
    // The decoded value of key, or DefaultVal when it is empty.
    static QString GetKeyStr(const QString& Def, const QString& key, const QString& DefaultVal);
    // The decoded value of key as a whole number (rounded half to even), or
    // DefaultVal when it is empty. Throws RoutineError 13 (type mismatch)
    // for a value that is not a number and 6 (overflow) beyond 32 bits.
    static qint32 GetKeyLong(const QString& Def, const QString& key, qint32 DefaultVal);
    // Splits a measure such as "12pt" into its leading number (12) and its
    // unit in capitals ("PT"); a leading "-" belongs to the unit.
    static void TranslateStr(const QString& s, float& sVal, QString& sSymbol);
    // Trims Def and codes its escapes \, \= \$ \{ \} as characters 1, 2, 4, 5, 6.
    static void Parser_EncodeDefinition(QString& Def);
    // s trimmed, with a backslash before every , = $ { }, in double quotes:
    // the form in which a value is written into a definition file.
    static QString Parser_EncodeStr(const QString& s);
    // A coded value back as text: trimmed, codes turned back into their
    // characters and one pair of enclosing double quotes removed.
    static QString Parser_DecodeStr(const QString& s);
    // True when s starts with T or t; removes the first character of s, so
    // that successive calls read a string of flags.
    static bool GetBool(QString& s);
};

} // namespace dvRtns4
