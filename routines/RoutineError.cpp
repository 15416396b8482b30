// The error of the routines libraries and its standard numbers and texts.
#include "routines/RoutineError.h"

namespace dvRtns4 {

RoutineError::RoutineError(qint32 number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

RoutineError RoutineError::invalidArgument() {
    return {InvalidArgument, QStringLiteral("Invalid procedure call or argument")};
}

RoutineError RoutineError::overflow() {
    return {Overflow, QStringLiteral("Overflow")};
}

RoutineError RoutineError::subscriptOutOfRange() {
    return {SubscriptOutOfRange, QStringLiteral("Subscript out of range")};
}

} // namespace dvRtns4
