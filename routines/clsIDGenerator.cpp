// The library's running number.
#include "clsIDGenerator.h"

#include "RoutineError.h"

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
