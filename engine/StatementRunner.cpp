// Lending a connection through the borrower's interface.
#include "engine/StatementRunner.h"

#include "engine/Connection.h"

namespace engine {

StatementRunner::~StatementRunner() = default;

Recordset ConnectionRunner::execute(const QString& statement) {
    return m_connection.execute(statement);
}

Recordset ConnectionRunner::openRecordset(const QString& statement, CursorType cursor,
                                          LockType lock, CommandType command) {
    return m_connection.openRecordset(statement, cursor, lock, command);
}

int ConnectionRunner::commandTimeout() const {
    return m_connection.commandTimeout();
}

} // namespace engine
