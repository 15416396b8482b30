// The statement trace: a per-thread recorder the cursors report to.
#include "engine/StatementTrace.h"

#include "JetDialect.h"
#include "StatementTraceSink.h"

#include <sqlite3.h>

namespace engine {

namespace {
thread_local StatementTrace* t_current = nullptr;
} // namespace

struct StatementTraceAccess {
    static void record(StatementTrace& trace, const jet::AdaptedStatement& statement) {
        trace.m_statements.push_back({statement.sql, statement.parameters});
    }
};

StatementTrace::StatementTrace() : m_previous(t_current) {
    t_current = this;
}

StatementTrace::~StatementTrace() {
    t_current = m_previous;
}

void StatementTrace::registerFunctions(sqlite3* db) {
    jet::registerFunctions(db);
}

void StatementTrace::bindValues(sqlite3_stmt* statement, const TracedStatement& traced) {
    int index = 1;
    for (const auto& value : traced.values) {
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            sqlite3_bind_int64(statement, index++, *number);
        } else {
            const QByteArray text = std::get<QString>(value).toUtf8();
            sqlite3_bind_text(statement, index++, text.constData(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
        }
    }
}

void detail::traceStatement(const jet::AdaptedStatement& statement) {
    if (t_current)
        StatementTraceAccess::record(*t_current, statement);
}

} // namespace engine
