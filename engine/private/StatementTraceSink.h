// Where cursors report the statements they run to a live StatementTrace.
#pragma once

#include "JetDialect.h"

namespace engine::detail {

// Records the statement in the trace of this thread, if one lives.
void traceStatement(const jet::AdaptedStatement& statement);

} // namespace engine::detail
