// An ADO-style connection to an edudata database, over SQLite. The program
// and the database routines library send Jet-dialect statement texts; the
// connection adapts them (see JetDialect.h) so that callers never know.
#pragma once

#include "engine/EngineError.h"
#include "engine/EngineExport.h"
#include "engine/Recordset.h"

#include <QString>

#include <memory>

struct sqlite3;

namespace engine {

class LEXORA_ENGINE_EXPORT Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file named by "Data source=" in the connection text. The
    // user and password are accepted as the connection text carries them;
    // an SQLite file has no password, so they are not checked. The schema is
    // read at once, so a damaged file or one that is not a database fails
    // here. A write-protected file opens read-only (writes then fail).
    void open(const QString& connectionText, const QString& user = {},
              const QString& password = {});
    bool isOpen() const;
    void close();
    QString path() const;
    bool isReadOnly() const;

    // Runs a statement and returns its rows (forward-only; an UPDATE gives an
    // empty, closed-at-end result).
    Recordset execute(const QString& statement);
    // Opens a read-only result: static and keyset results know their count.
    Recordset openRecordset(const QString& statement, CursorType cursor = CursorType::Static,
                            LockType lock = LockType::ReadOnly,
                            CommandType command = CommandType::Text);

    void setCommandTimeout(int seconds);
    int commandTimeout() const;

    struct Impl;

private:
    std::shared_ptr<Impl> m_impl;
};

// The second, read-only open that start-up makes through the engine's native
// interface: it must fail for a file that cannot be opened read-only.
class LEXORA_ENGINE_EXPORT ReadOnlyDatabase {
public:
    ReadOnlyDatabase() = default;
    ~ReadOnlyDatabase();
    ReadOnlyDatabase(ReadOnlyDatabase&&) noexcept;
    ReadOnlyDatabase& operator=(ReadOnlyDatabase&&) noexcept;
    static ReadOnlyDatabase open(const QString& path); // throws EngineError
    bool isOpen() const;
    void close();

private:
    ::sqlite3* m_db = nullptr;
};

// Builds the connection text the program uses for a database path.
LEXORA_ENGINE_EXPORT QString connectionTextFor(const QString& path, const QString& password);

} // namespace engine
