// The error the routines libraries raise when a call cannot deliver a result:
// a number in the host's standard numbering and its description, handed to
// the caller instead of a result.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

#include <stdexcept>

namespace dvRtns4 {

class DVRTNS4_EXPORT RoutineError : public std::runtime_error {
public:
    // The numbers the routines raise.
    enum Number : qint32 {
        InvalidArgument = 5,    // "Invalid procedure call or argument"
        Overflow = 6,           // "Overflow"
        SubscriptOutOfRange = 9 // "Subscript out of range"
    };

    RoutineError(qint32 number, const QString& description);

    // An error of a standard number with its standard description.
    static RoutineError invalidArgument();
    static RoutineError overflow();
    static RoutineError subscriptOutOfRange();

    qint32 number() const { return m_number; }
    QString description() const { return m_description; }

private:
    qint32 m_number;
    QString m_description;
};

} // namespace dvRtns4
