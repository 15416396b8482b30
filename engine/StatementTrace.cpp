// The statement trace: a per-thread recorder the cursors report to.
#include "engine/StatementTrace.h"

#include "JetDialect.h"
#include "engine/StatementTraceSink.h"

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

void detail::traceStatement(const jet::AdaptedStatement& statement) {
    if (t_current)
        StatementTraceAccess::record(*t_current, statement);
}

} // namespace engine
