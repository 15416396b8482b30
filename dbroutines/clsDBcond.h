// clsDBcond: turns one search criterion (a field, the text the user typed, an
// operator and a few options) into a piece of an SQL WHERE clause in the
// dialect of the library's database type. Stateless; touches no database.
#pragma once

#include "dvDBrtns4Export.h"

#include <QString>

namespace dvDBrtns4 {

// The comparison a condition makes (published; the values are fixed).
enum enum_operator : qint32 {
    opNone = 0,           // no condition
    opEqual = 1,          // equality, or membership in a list
    opGreaterOrEqual = 2, // field >= first value
    opLessOrEqual = 3,    // field <= first value
    opStarts = 4,         // LIKE value%
    opContains = 5,       // LIKE %value%
    opBetween = 6,        // BETWEEN first AND second value
    opIsNULL = 7,         // IS NULL; the values play no part
};

// How searched values are upper-cased (published; the values are fixed).
enum enum_upcase : qint32 {
    upcaseNONE = 0,  // unchanged
    upcaseENGL = 1,  // upper-cased
    upcaseGREEK = 2, // upper-cased without Greek accents (clsString::UCaseGreek)
};

class DVDBRTNS4_EXPORT clsDBcond {
public:
    // The condition on field for values: items separated by "," (any of
    // them) or "+" (all of them), compared by eOper. dateFormat "NUM" or
    // "STR" (any case) marks a numeric or text field; any other non-empty
    // text marks date values and is the date pattern. Returns the empty text
    // when there is no condition. Throws dvRtns4::RoutineError (subscript out
    // of range) for opBetween with a single value.
    static QString BuildCond(const QString& field, const QString& values, enum_operator eOper,
                             bool bNot = false, bool bUpcaseField = false,
                             enum_upcase eUpcaseValues = upcaseNONE,
                             const QString& dateFormat = QString());

    // A date-range condition on field from two optional dates (day first):
    // BETWEEN when both are given, else the one given compared by eOper.
    // The empty text when neither is given or the database type is unknown.
    static QString BuildCond_Dates(const QString& field, const QString& dt1, const QString& dt2,
                                   enum_operator eOper = opNone,
                                   const QString& dateFormat = QStringLiteral("dd/mm/yyyy"));
};

} // namespace dvDBrtns4
