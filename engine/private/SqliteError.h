// Turning SQLite result codes into EngineError, and opening a database file
// the way the original engine did: missing file and folder reported by their
// own numbers, a file that is not a database (or is damaged) failing at once.
#pragma once

#include "engine/EngineError.h"

#include <QString>

struct sqlite3;

namespace engine::detail {

// The engine error number for an SQLite result code.
int errorNumberFor(int sqliteCode);

// Throws the error of the last failed call on `db`, SQLite's text kept.
[[noreturn]] void throwLastError(sqlite3* db, int rc);

// Opens `path` (read-write when the file allows it, read-only otherwise or
// when `readOnly`), never creating a file, and reads the schema so that a
// file that is not an intact database fails here. Throws EngineError.
sqlite3* openDatabaseFile(const QString& path, bool readOnly);

} // namespace engine::detail
