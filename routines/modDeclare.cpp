// The pending-error record and its report.
#include "routines/modDeclare.h"

#include "routines/MessagePresenter.h"
#include "routines/RoutineError.h"

namespace dvRtns4 {

namespace {
thread_local std::optional<PendingError> t_pending;
} // namespace

void SetPendingError(qint32 number, const QString& description, const QString& source) {
    t_pending = PendingError{number, description, source};
}

void SetPendingError(const RoutineError& error, const QString& source) {
    SetPendingError(error.number(), error.description(), source);
}

std::optional<PendingError> GetPendingError() {
    return t_pending;
}

void ClearPendingError() {
    t_pending.reset();
}

bool ShowPendingError(const QString& where) {
    if (!t_pending)
        return false;
    // Clear first: a presenter that reports again must not see this error twice.
    const PendingError error = *t_pending;
    t_pending.reset();
    const QString crlf = QStringLiteral("\r\n");
    MessageRequest request;
    request.icon = MsgIcon::Critical;
    request.text = where + crlf + QString(100, u'*') + crlf + QStringLiteral("Προέλευση : ") +
                   error.source + crlf + QStringLiteral("Κωδικός   : ") +
                   QString::number(error.number) + crlf + QStringLiteral("Περιγραφή : ") +
                   error.description;
    messagePresenter().show(request);
    return true;
}

} // namespace dvRtns4
