// Linear searches over the routines' arrays.
#include "routines/clsArray.h"

namespace dvRtns4 {

namespace {

// Whether `text` holds `part` at or after character position `start` (from 1).
bool holdsFrom(const QString& text, const QString& part, qint16 start) {
    if (start > text.size())
        return false;
    return text.indexOf(part, start - 1) >= 0;
}

template <typename T> qint32 rowOf(const T& value, const Array2<T>& array, qint16 column) {
    if (column < array.LBound(1) || column > array.UBound(1))
        throw RoutineError::subscriptOutOfRange();
    for (qint32 r = array.LBound(2); r <= array.UBound(2); ++r) {
        if (array(column, r) == value)
            return r;
    }
    return -1;
}

} // namespace

qint32 clsArray::StrArray1_Index(const QString& str, const Array1<QString>& arToSearch,
                                 bool bContains, qint16 startPos) {
    if (bContains && startPos < 1)
        throw RoutineError::invalidArgument();
    for (qint32 i = arToSearch.LBound(); i <= arToSearch.UBound(); ++i) {
        const QString& element = arToSearch(i);
        if (bContains ? holdsFrom(element, str, startPos) : element == str)
            return i;
    }
    return -1;
}

qint32 clsArray::StrArrayN_Index(const QString& str, const Array2<QString>& arStrN_ToSearch,
                                 qint16 columnToSearch) {
    return rowOf(str, arStrN_ToSearch, columnToSearch);
}

qint32 clsArray::LongArray1_Index(qint32 val, const Array1<qint32>& arToSearch) {
    for (qint32 i = arToSearch.LBound(); i <= arToSearch.UBound(); ++i) {
        if (arToSearch(i) == val)
            return i;
    }
    return -1;
}

qint32 clsArray::LongArrayN_Index(qint32 val, const Array2<qint32>& arToSearch,
                                  qint16 columnToSearch) {
    return rowOf(val, arToSearch, columnToSearch);
}

} // namespace dvRtns4
