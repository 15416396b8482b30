// The string literals and parameter marks of a statement, in order, as a
// reader of SQL texts sees them: '...' with '' for an apostrophe and, in
// Jet's dialect, "..." with "" for a double quote; a ? outside them is a
// parameter mark. Bracketed and quoted identifiers, comments and Jet's date
// literals hold none; the scan ends at an unterminated literal.
#pragma once

#include <QString>

#include <vector>

namespace fuzzing {

enum class Dialect { Jet, Sqlite };

struct SqlToken {
    bool parameter = false; // a ? mark; otherwise a string literal
    QString text;           // the literal's value
};

std::vector<SqlToken> literalsOf(const QString& sql, Dialect dialect);

} // namespace fuzzing
