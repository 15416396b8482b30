// What a borrower of a database connection may do with it: run a statement,
// open a result, read the command timeout. The database routines take this
// rather than the whole connection, so that a test can put a recording
// connection in its place; a program hands them its Connection wrapped in a
// ConnectionRunner for the call.
#pragma once

#include "engine/EngineExport.h"
#include "engine/Recordset.h"

#include <QString>

namespace engine {

class Connection;

// The source under which callers record an EngineError (it carries a number
// and a description only).
inline constexpr auto ErrorSource = "Lexora database engine";

class LEXORA_ENGINE_EXPORT StatementRunner {
public:
    StatementRunner() = default;
    virtual ~StatementRunner();
    StatementRunner(const StatementRunner&) = delete;
    StatementRunner& operator=(const StatementRunner&) = delete;

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

// An open connection lent to a borrower: every call goes to the connection,
// which must outlive the runner.
class LEXORA_ENGINE_EXPORT ConnectionRunner final : public StatementRunner {
public:
    explicit ConnectionRunner(Connection& connection) : m_connection(connection) {}
    Recordset execute(const QString& statement) override;
    Recordset openRecordset(const QString& statement, CursorType cursor = CursorType::Static,
                            LockType lock = LockType::ReadOnly,
                            CommandType command = CommandType::Text) override;
    int commandTimeout() const override;

private:
    Connection& m_connection;
};

} // namespace engine
