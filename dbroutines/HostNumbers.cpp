// The host's integer conversion of values.
#include "dbroutines/HostNumbers.h"

#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"

#include <QDateTime>

#include <cmath>
#include <limits>
#include <optional>

namespace dvDBrtns4::detail {

namespace {

std::optional<double> numberInText(const QString& text) {
    bool ok = false;
    const double number = dvRtns4::trimSpaces(text).toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

dvRtns4::RoutineError typeMismatch() {
    return {13, QStringLiteral("Type mismatch")};
}

} // namespace

qint32 toLong(const dvRtns4::Variant& value) {
    using Kind = dvRtns4::Variant::Kind;
    double number = 0;
    switch (value.kind()) {
    case Kind::Null:
        throw dvRtns4::RoutineError(94, QStringLiteral("Invalid use of Null"));
    case Kind::Bytes:
        throw typeMismatch();
    case Kind::Double:
        number = value.toDouble();
        break;
    case Kind::Text: {
        const std::optional<double> read = numberInText(value.toString());
        if (!read)
            throw typeMismatch();
        number = *read;
        break;
    }
    case Kind::Date: {
        static const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0));
        const QDateTime d = value.toDateTime();
        const QDateTime base(zero.date(), zero.time(), d.timeSpec());
        number = static_cast<double>(base.msecsTo(d)) / 86400000.0;
        break;
    }
    case Kind::Empty:
    case Kind::Boolean:
    case Kind::Integer: {
        const std::int64_t whole = value.toInt();
        if (whole < std::numeric_limits<qint32>::min() ||
            whole > std::numeric_limits<qint32>::max())
            throw dvRtns4::RoutineError::overflow();
        return static_cast<qint32>(whole);
    }
    }
    number = std::nearbyint(number); // the default rounding: half to even
    if (!std::isfinite(number) || number < std::numeric_limits<qint32>::min() ||
        number > std::numeric_limits<qint32>::max())
        throw dvRtns4::RoutineError::overflow();
    return static_cast<qint32>(number);
}

bool isNumeric(const dvRtns4::Variant& value) {
    using Kind = dvRtns4::Variant::Kind;
    switch (value.kind()) {
    case Kind::Empty:
    case Kind::Boolean:
    case Kind::Integer:
    case Kind::Double:
        return true;
    case Kind::Text:
        return numberInText(value.toString()).has_value();
    default:
        return false;
    }
}

} // namespace dvDBrtns4::detail
