// Reading back the last recorded database error.
#include "clsDBrtns.h"

#include "LibraryState.h"

namespace dvDBrtns4 {

void clsDBrtns::GetDBError(qint32& errNunber, QString& errSource, QString& errDescription) {
    const DBErrorRecord e = lastDBError();
    errNunber = e.number;
    errSource = e.source;
    errDescription = e.description;
}

QString clsDBrtns::GetDBError_Full() {
    const DBErrorRecord e = lastDBError();
    if (e.number == 0)
        return {};
    return QStringLiteral("## DB error:\r\n") + QStringLiteral("Προέλευση : ") + e.source +
           QStringLiteral("\r\n") + QStringLiteral("Κωδικός   : ") + QString::number(e.number) +
           QStringLiteral("\r\n") + QStringLiteral("Περιγραφή : ") + e.description;
}

} // namespace dvDBrtns4
