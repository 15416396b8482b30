// What a borrower of a database connection may do with it: run a statement,
// open a result, read the command timeout. The database routines take this
// rather than the whole connection, so that a test can put a recording
// connection in its place; the program hands them its Connection.
#pragma once

#include "EngineExport.h"
#include "Recordset.h"

#include <QString>

namespace engine {

class LEXORA_ENGINE_EXPORT StatementRunner {
public:
    virtual ~StatementRunner();

    // Runs a statement and returns its rows, read forward only; a statement
    // that returns no rows gives a closed result.
    virtual Recordset execute(const QString& statement) = 0;
    // Opens a result of the given cursor and lock kind. Results opened with
    // a lock other than read-only over one table can save binary fields.
    virtual Recordset openRecordset(const QString& statement,
                                    CursorType cursor = CursorType::Static,
                                    LockType lock = LockType::ReadOnly,
                                    CommandType command = CommandType::Text) = 0;
    // Seconds a statement may wait for the file; 0 waits as long as it takes.
    virtual int commandTimeout() const = 0;
};

} // namespace engine
