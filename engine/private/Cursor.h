// The inside of a connection and of a result: the SQLite handle with its
// statement cache, and a cursor stepping one prepared statement forward.
#pragma once

#include "JetDialect.h"
#include "StatementCache.h"
#include "engine/Connection.h"
#include "engine/Recordset.h"

#include <QThread>

#include <map>
#include <memory>
#include <set>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace engine {

struct Connection::Impl {
    Impl();
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
    void closeDatabase();
    // Every statement outside a transaction starts one, and starting one
    // costs SQLite several file-lock calls. Between statements that only read
    // while one event is handled, one read transaction is kept open until the
    // program returns to its event loop, or until a statement that writes.
    void holdReadTransaction();
    void releaseReadTransaction();

    sqlite3* db = nullptr;
    QString path;
    bool readOnly = false;
    int commandTimeout = 30; // seconds, as the original default
    std::unique_ptr<detail::StatementCache> cache;
    // Closed with the connection; a handful at a time, so a vector serves
    // without an allocation per result.
    std::vector<detail::Cursor*> openCursors;
    sqlite3_stmt* readKeeper = nullptr; // stepped to its row while held
    bool readHeld = false;
    std::weak_ptr<Impl> self;
    QThread* thread = nullptr; // the thread that opened it
};

namespace detail {

// A result over one statement, read forward. Values are read from SQLite's
// current row when asked; a binary value is handed out in pieces straight
// from it, so a large document is not copied as a whole.
struct Cursor {
    Cursor(std::shared_ptr<Connection::Impl> connection, std::unique_ptr<Prepared> statement,
           jet::AdaptedStatement adapted, CursorType type);
    ~Cursor();

    void bindAndStep(); // runs the statement from its first row
    void step();        // the next row, or the end (statement returned to the cache)
    void moveFirst();
    void close();
    long recordCount();
    void requireOpen() const;
    void requireRow() const;
    int indexOf(const QString& name) const; // throws ItemNotFound
    void checkIndex(int index) const;

    std::shared_ptr<Connection::Impl> connection;
    std::unique_ptr<Prepared> statement; // null once at the end or closed
    std::shared_ptr<const Columns> columns;
    jet::AdaptedStatement adapted;
    CursorType type;
    bool open = true;
    bool atEnd = true;
    long position = -1;               // 0-based index of the current row
    long count = -1;                  // known row count, -1 while unknown
    std::vector<qint64> chunkOffsets; // per column, for the current row; sized on first use
    // Updatable results carry their table's row id as a last, hidden column.
    int rowidColumn = -1;
    std::map<int, QByteArray> pending; // appended values not yet saved

    int visibleCount() const {
        return static_cast<int>(columns->names.size()) - (rowidColumn >= 0 ? 1 : 0);
    }
    void saveRow(); // writes `pending` into the current row
};

// True when every column of the statement but its last (the row id) comes
// from the table of the last.
bool columnsOfOneTable(sqlite3_stmt* stmt);

// Lets every connection of this thread go of the read transaction it keeps
// between statements (see Connection::Impl), before a write.
void releaseReadTransactionsOfAll();

} // namespace detail
} // namespace engine
