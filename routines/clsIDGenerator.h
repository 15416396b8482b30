// clsIDGenerator: a running number kept by the library for as long as it is
// loaded and shared by every instance: 1, 2, 3, ... At the largest 32-bit
// value the call raises RoutineError 6 (overflow) and the number stays.
// Not protected by a lock: use it from one thread.
#pragma once

#include "dvRtns4Export.h"

#include <QtGlobal>

namespace dvRtns4 {

// A counter that gives the next number of a run and refuses to pass the
// largest 32-bit value.
class DVRTNS4_EXPORT RunningNumber {
public:
    explicit RunningNumber(qint32 last = 0) : m_last(last) {}
    qint32 next();
    qint32 last() const { return m_last; }

private:
    qint32 m_last;
};

class DVRTNS4_EXPORT clsIDGenerator {
public:
    qint32 GetNextClassID();
};

} // namespace dvRtns4
