// clsDBrtns: the record routines of the database routines library, and the
// reading back of the last database error they recorded.
#pragma once

#include "dvDBrtns4Export.h"

#include <QString>

namespace dvDBrtns4 {

class DVDBRTNS4_EXPORT clsDBrtns {
public:
    // Copies the last recorded error into the three arguments (0 and two
    // empty texts when none was recorded).
    static void GetDBError(qint32& errNunber, QString& errSource, QString& errDescription);
    // The last recorded error as four lines joined by CR LF, or the empty
    // text when none was recorded.
    static QString GetDBError_Full();
};

} // namespace dvDBrtns4
