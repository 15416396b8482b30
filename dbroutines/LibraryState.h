// The library-wide state of the database routines: the database type whose
// SQL dialect the classes generate, and the record of the last database error
// a routine met. One copy per loaded library, zeroed at load, unguarded: the
// library is called from one thread only.
#pragma once

#include "dvDBrtns4Export.h"

#include <QString>

namespace dvDBrtns4 {

// The database types (published; the values are fixed).
enum enum_DBtype : qint32 {
    db_typeUknown = 0,
    db_SQLServer = 1,
    db_Access = 2,
    db_Oracle = 3,
};

// The last recorded failure; number 0 means none.
struct DBErrorRecord {
    qint32 number = 0;
    QString source;
    QString description;
};

// The database type last set by clsDBInit::DravikDBrtns_Init (0 until then,
// and after a failed initialisation).
DVDBRTNS4_EXPORT enum_DBtype currentDBType();

// The last recorded failure. A successful call never clears it.
DVDBRTNS4_EXPORT DBErrorRecord lastDBError();

// Records a failure, replacing the previous one. For the library's own
// routines; not part of the published classes.
DVDBRTNS4_EXPORT void SetDBError(qint32 number, const QString& source, const QString& description);

// Sets the database type; only DravikDBrtns_Init calls it.
void setDBType(enum_DBtype type);

// Puts the state back as it is when the library is loaded. For tests, which
// share one loaded library between cases.
DVDBRTNS4_EXPORT void resetLibraryState();

} // namespace dvDBrtns4
