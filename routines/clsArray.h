// clsArray: finding a value in a one- or two-dimensional array. Every search
// runs from the lower to the upper bound and gives the index of the first
// match (in the array's own numbering), -1 when nothing matches. Text
// comparisons are exact: case-sensitive, character by character.
#pragma once

#include "Arrays.h"
#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsArray {
public:
    // An element equal to str or, with bContains, holding str at or after
    // character position startPos (from 1). A startPos below 1 raises
    // RoutineError 5. An empty str is held by every element at least
    // startPos characters long.
    static qint32 StrArray1_Index(const QString& str, const Array1<QString>& arToSearch,
                                  bool bContains = false, qint16 startPos = 1);
    // The row r whose element (columnToSearch, r) equals str. A column
    // outside the first dimension raises RoutineError 9.
    static qint32 StrArrayN_Index(const QString& str, const Array2<QString>& arStrN_ToSearch,
                                  qint16 columnToSearch);
    static qint32 LongArray1_Index(qint32 val, const Array1<qint32>& arToSearch);
    // The row r whose element (columnToSearch, r) equals val.
    static qint32 LongArrayN_Index(qint32 val, const Array2<qint32>& arToSearch,
                                   qint16 columnToSearch);
};

} // namespace dvRtns4
