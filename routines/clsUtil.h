// clsUtil: the larger and the smaller of two values, starting a program and
// the last day of a month.
//
// Maximum and Minimum compare as the host's variants always did: two numbers
// (Booleans, integers, floating numbers, dates) by value, two texts
// character by character (so «9» is above «10»), a number always below a
// text, Empty as 0 beside a number and as "" beside a text. Of two equal
// values the second is returned; a Null on either side makes the comparison
// fail, which also returns the second.
#pragma once

#include "Variant.h"
#include "dvRtns4Export.h"

#include <QDate>
#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsUtil {
public:
    static Variant Maximum(const Variant& Arg1, const Variant& Arg2);
    static Variant Minimum(const Variant& Arg1, const Variant& Arg2);
    // Starts AppName + " " + args through the library's ProgramStarter. The
    // result is the started program's process id; when it did not start, the
    // warning "Πρόβλημα με την εκτέλεση της εφαρμογής " + AppName is shown
    // (under the default message title) and the result is Empty. Never raises.
    static Variant RunApp(const QString& AppName, const QString& args = QString());
    // The last day of d's month (Gregorian leap years). An invalid date
    // raises RoutineError 5.
    static QDate LastDayOfMonth(const QDate& d);
};

} // namespace dvRtns4
