// What the searches share: the busy mouse pointer, the report of a search
// that a database or tree error stopped, and reading the ids of a row.
#pragma once

#include "Connection.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace lexora::search {

// The busy mouse pointer while the object lives; restored on every way out.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

inline const QString kSearchErrorTitle = QStringLiteral("Ανεπιτυχής Αναζήτηση");

// Runs a search step. A database error (engine::EngineError) or a tree error
// (trees::TreeError) is shown in a message box with its description, and the
// result is false; what the step had done by then stays. Other errors pass.
bool runReportingErrors(const std::function<void()>& step);

// The field of the current row as a 32-bit id: the numeric value of its text
// (0 for a null or a text that is not a number).
std::int32_t idField(const engine::Recordset& rs, const QString& field);

// Opens a statement of the searches: read-only, keyset, text command.
engine::Recordset openSearch(engine::Connection& connection, const QString& statement);

} // namespace lexora::search
