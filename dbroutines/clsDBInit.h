// clsDBInit: chooses the database type, and so the SQL dialect, for every
// class of the database routines library.
#pragma once

#include "LibraryState.h"
#include "dvDBrtns4Export.h"

namespace dvDBrtns4 {

class DVDBRTNS4_EXPORT clsDBInit {
public:
    // Sets the database type and returns true. A value outside 1..3 is
    // reported to the user with a message box, leaves the type 0 and returns
    // false.
    static bool DravikDBrtns_Init(enum_DBtype DBtype);
};

} // namespace dvDBrtns4
