// modDeclare: the library's pending run-time error and its report.
//
// A member of the routines that fails records the error here (number,
// description, source) instead of throwing it; ShowPendingError later shows
// the record in an error box, with the place that noticed it, and clears it.
// The record belongs to the thread that set it.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

#include <optional>

namespace dvRtns4 {

class RoutineError;

struct PendingError {
    qint32 number = 0;
    QString description;
    QString source;
};

// Records an error as pending, replacing any earlier one.
DVRTNS4_EXPORT void SetPendingError(qint32 number, const QString& description,
                                    const QString& source);
DVRTNS4_EXPORT void SetPendingError(const RoutineError& error, const QString& source);
// The pending error, if any.
DVRTNS4_EXPORT std::optional<PendingError> GetPendingError();
DVRTNS4_EXPORT void ClearPendingError();

// When an error is pending: shows it in an error box (the library's default
// title) as `where`, a row of 100 asterisks, then its source, number and
// description, one per line; clears it and returns true. Otherwise does
// nothing and returns false.
DVRTNS4_EXPORT bool ShowPendingError(const QString& where);

} // namespace dvRtns4
