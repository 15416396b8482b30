// The library's running number.
#include "routines/clsIDGenerator.h"

#include "routines/RoutineError.h"

#include <limits>

namespace dvRtns4 {

namespace {

RunningNumber& libraryNumber() {
    static RunningNumber number;
    return number;
}

} // namespace

qint32 RunningNumber::next() {
    if (m_last == std::numeric_limits<qint32>::max())
        throw RoutineError::overflow();
    return ++m_last;
}

qint32 clsIDGenerator::GetNextClassID() {
    return libraryNumber().next();
}

} // namespace dvRtns4
