// Variant comparison for Maximum and Minimum, starting programs and the
// month's last day.
#include "routines/clsUtil.h"

#include "routines/MessagePresenter.h"
#include "routines/ProgramStarter.h"
#include "routines/RoutineError.h"

#include <optional>

namespace dvRtns4 {

namespace {

bool isNumber(Variant::Kind kind) {
    return kind == Variant::Kind::Boolean || kind == Variant::Kind::Integer ||
           kind == Variant::Kind::Double || kind == Variant::Kind::Date;
}

// A date as the host's date number: days since 30 December 1899 with the
// time as a fraction.
double dateNumber(const QDateTime& d) {
    static const QDate origin(1899, 12, 30);
    return static_cast<double>(origin.daysTo(d.date())) +
           static_cast<double>(d.time().msecsSinceStartOfDay()) / 86400000.0;
}

double numberOf(const Variant& v) {
    if (v.kind() == Variant::Kind::Date)
        return dateNumber(v.toDateTime());
    return v.toDouble(); // Booleans give -1 and 0, Empty 0
}

template <typename T> int order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The order of a and b, or nothing when a Null takes part.
std::optional<int> compare(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull())
        return std::nullopt;
    const auto ka = a.kind();
    const auto kb = b.kind();
    const bool aNumber = isNumber(ka) || (a.isEmpty() && !(kb == Variant::Kind::Text));
    const bool bNumber = isNumber(kb) || (b.isEmpty() && !(ka == Variant::Kind::Text));
    if (aNumber && bNumber)
        return order(numberOf(a), numberOf(b));
    if (aNumber)
        return -1; // a number is below any text
    if (bNumber)
        return 1;
    return order(a.toString().compare(b.toString()), 0);
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

Variant clsUtil::Maximum(const Variant& Arg1, const Variant& Arg2) {
    const auto c = compare(Arg1, Arg2);
    return c && *c > 0 ? Arg1 : Arg2;
}

Variant clsUtil::Minimum(const Variant& Arg1, const Variant& Arg2) {
    const auto c = compare(Arg1, Arg2);
    return c && *c < 0 ? Arg1 : Arg2;
}

Variant clsUtil::RunApp(const QString& AppName, const QString& args) {
    std::optional<qint64> task;
    try {
        task = programStarter().start(AppName + QLatin1Char(' ') + args);
    } catch (...) {
        task.reset(); // a failure to start is reported below like any other
    }
    if (task)
        return Variant(std::int64_t{*task});
    try {
        messagePresenter().show(
            {MsgIcon::Exclamation, QString(),
             QStringLiteral("Πρόβλημα με την εκτέλεση της εφαρμογής ") + AppName,
             MsgButtons::OkOnly});
    } catch (...) {
        // The warning is a courtesy; the empty result tells the caller.
    }
    return Variant();
}

QDate clsUtil::LastDayOfMonth(const QDate& d) {
    if (!d.isValid())
        throw RoutineError::invalidArgument();
    const int month = d.month();
    int day = 31;
    if (month == 4 || month == 6 || month == 9 || month == 11)
        day = 30;
    else if (month == 2)
        day = isLeapYear(d.year()) ? 29 : 28;
    return QDate(d.year(), month, day);
}

} // namespace dvRtns4
