// What the engine hands to SQLite, for measuring the engine against SQLite
// itself. While a trace lives, every statement that runs on its thread is
// recorded as the text the engine prepared and the values it bound to it,
// in the order they ran; replaying them through SQLite's own interface gives
// the cost of the same work without the engine.
#pragma once

#include "engine/EngineExport.h"

#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace engine {

struct TracedStatement {
    QString sql;                                             // '?' where a value is bound
    std::vector<std::variant<std::int64_t, QString>> values; // in order of the '?'s
};

class LEXORA_ENGINE_EXPORT StatementTrace {
public:
    StatementTrace();  // records the statements of this thread from now on
    ~StatementTrace(); // a trace that was live before this one records again
    StatementTrace(const StatementTrace&) = delete;
    StatementTrace& operator=(const StatementTrace&) = delete;

    const std::vector<TracedStatement>& statements() const { return m_statements; }
    void clear() { m_statements.clear(); }

    // Gives a connection of one's own the functions the engine adds to SQL
    // (val, ucase, lcase, now, like), so that traced texts prepare there.
    static void registerFunctions(sqlite3* db);
    // Binds a traced statement's values to its text prepared there.
    static void bindValues(sqlite3_stmt* statement, const TracedStatement& traced);

private:
    friend struct StatementTraceAccess;
    std::vector<TracedStatement> m_statements;
    StatementTrace* m_previous = nullptr;
};

} // namespace engine
