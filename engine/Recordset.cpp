// Results: a cursor over one prepared statement, read forward from the first
// row, with the statement handed back to the connection's cache at the end.
#include "engine/Recordset.h"

#include "Cursor.h"
#include "SqliteError.h"
#include "StatementTraceSink.h"

#include <sqlite3.h>

#include <algorithm>

namespace engine {

namespace detail {

namespace {

[[noreturn]] void closedError() {
    throw EngineError(errors::ObjectClosed,
                      QStringLiteral("Operation is not allowed when the object is closed."));
}

} // namespace

Cursor::Cursor(std::shared_ptr<Connection::Impl> conn, std::unique_ptr<Prepared> prepared,
               jet::AdaptedStatement adaptedStatement, CursorType cursorType)
    : connection(std::move(conn)), statement(std::move(prepared)), columns(statement->columns),
      adapted(std::move(adaptedStatement)), type(cursorType) {
    connection->openCursors.push_back(this);
}

Cursor::~Cursor() {
    close();
}

void Cursor::bindAndStep() {
    traceStatement(adapted);
    sqlite3_stmt* st = statement->stmt;
    int index = 1;
    for (const jet::Parameter& p : adapted.parameters) {
        int rc = SQLITE_OK;
        if (const auto* number = std::get_if<std::int64_t>(&p)) {
            rc = sqlite3_bind_int64(st, index, *number);
        } else {
            const QByteArray text = std::get<QString>(p).toUtf8();
            rc = sqlite3_bind_text(st, index, text.constData(), static_cast<int>(text.size()),
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            throwLastError(connection->db, rc);
        ++index;
    }
    position = -1;
    step();
}

void Cursor::step() {
    if (!statement) {
        atEnd = true;
        return;
    }
    const int rc = sqlite3_step(statement->stmt);
    if (!chunkOffsets.empty())
        std::fill(chunkOffsets.begin(), chunkOffsets.end(), 0);
    if (rc == SQLITE_ROW) {
        atEnd = false;
        ++position;
        return;
    }
    atEnd = true;
    if (rc == SQLITE_DONE) {
        count = position + 1; // every row has been seen, from the first
        connection->cache->release(std::move(statement));
        return;
    }
    // Keep SQLite's text before the reset clears it.
    const QString text = QString::fromUtf8(sqlite3_errmsg(connection->db));
    connection->cache->release(std::move(statement));
    throw EngineError(errorNumberFor(rc), text);
}

void Cursor::moveFirst() {
    requireOpen();
    if (!atEnd)
        saveRow();
    if (position == 0 && !atEnd)
        return;
    if (statement) {
        sqlite3_reset(statement->stmt);
    } else {
        if (!connection->db)
            closedError();
        statement = connection->cache->acquire(adapted.sql);
    }
    sqlite3_clear_bindings(statement->stmt);
    bindAndStep();
}

bool columnsOfOneTable(sqlite3_stmt* stmt) {
    const int last = sqlite3_column_count(stmt) - 1;
    const char* table = last >= 0 ? sqlite3_column_table_name(stmt, last) : nullptr;
    if (!table)
        return false;
    for (int i = 0; i < last; ++i) {
        const char* own = sqlite3_column_table_name(stmt, i);
        if (!own || qstrcmp(own, table) != 0 || !sqlite3_column_origin_name(stmt, i))
            return false;
    }
    return true;
}

void Cursor::saveRow() {
    if (pending.empty())
        return;
    requireRow();
    sqlite3_stmt* st = statement->stmt;
    const char* rowTable = sqlite3_column_table_name(st, rowidColumn);
    const sqlite3_int64 rowid = sqlite3_column_int64(st, rowidColumn);
    auto quoted = [](const char* name) {
        return '"' + QByteArray(name).replace('"', "\"\"") + '"';
    };
    for (const auto& [column, bytes] : pending) {
        const char* table = sqlite3_column_table_name(st, column);
        const char* origin = sqlite3_column_origin_name(st, column);
        const char* database = sqlite3_column_database_name(st, column);
        if (!table || !origin || !database || !rowTable || qstrcmp(table, rowTable) != 0)
            throw EngineError(errors::NotUpdatable,
                              QStringLiteral("Field '%1' cannot be updated: it is not a column "
                                             "of the result's table.")
                                  .arg(columns->names[static_cast<std::size_t>(column)]));
        // The value is sized first (zeroblob writes no bytes of memory) and
        // then written in place, so that a large document is never copied
        // whole into a second buffer on its way into the file.
        const QByteArray sql = "UPDATE " + quoted(database) + '.' + quoted(table) + " SET " +
                               quoted(origin) + " = zeroblob(?) WHERE _ROWID_ = ?";
        releaseReadTransactionsOfAll();
        sqlite3* db = connection->db;
        const auto fail = [db](int rc) {
            throw EngineError(errorNumberFor(rc), QString::fromUtf8(sqlite3_errmsg(db)));
        };
        sqlite3_stmt* write = nullptr;
        int rc = sqlite3_prepare_v2(db, sql.constData(), -1, &write, nullptr);
        if (rc == SQLITE_OK) {
            sqlite3_bind_int64(write, 1, bytes.size());
            sqlite3_bind_int64(write, 2, rowid);
            rc = sqlite3_step(write);
        }
        if (rc != SQLITE_OK && rc != SQLITE_DONE) {
            const QString text = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_finalize(write);
            throw EngineError(errorNumberFor(rc), text);
        }
        sqlite3_finalize(write);
        if (bytes.isEmpty())
            continue;
        sqlite3_blob* blob = nullptr;
        rc = sqlite3_blob_open(db, database, table, origin, rowid, 1, &blob);
        if (rc != SQLITE_OK) {
            sqlite3_blob_close(blob);
            fail(rc);
        }
        constexpr qsizetype piece = 1 << 20;
        for (qsizetype at = 0; at < bytes.size() && rc == SQLITE_OK; at += piece)
            rc = sqlite3_blob_write(blob, bytes.constData() + at,
                                    static_cast<int>(std::min(piece, bytes.size() - at)),
                                    static_cast<int>(at));
        if (rc != SQLITE_OK) {
            const QString text = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_blob_close(blob);
            throw EngineError(errorNumberFor(rc), text);
        }
        rc = sqlite3_blob_close(blob);
        if (rc != SQLITE_OK)
            fail(rc);
    }
    pending.clear();
}

void Cursor::close() {
    if (!open)
        return;
    open = false;
    pending.clear();
    atEnd = true;
    if (statement && connection->cache)
        connection->cache->release(std::move(statement));
    statement.reset();
    std::vector<Cursor*>& cursors = connection->openCursors;
    if (const auto at = std::find(cursors.begin(), cursors.end(), this); at != cursors.end()) {
        *at = cursors.back();
        cursors.pop_back();
    }
}

long Cursor::recordCount() {
    requireOpen();
    if (type != CursorType::Static && type != CursorType::Keyset)
        return -1;
    if (count >= 0)
        return count;
    // Counted on first request by the same statement wrapped in count(*), so
    // that nothing of the rows (large documents included) is read for it.
    jet::AdaptedStatement counting{QStringLiteral("SELECT count(*) FROM (") + adapted.sql +
                                       QStringLiteral("\n)"),
                                   adapted.parameters};
    try {
        Cursor counter(connection, connection->cache->acquire(counting.sql), counting,
                       CursorType::ForwardOnly);
        counter.bindAndStep();
        if (!counter.atEnd)
            count = static_cast<long>(sqlite3_column_int64(counter.statement->stmt, 0));
    } catch (const EngineError&) {
        // Not a plain SELECT (a PRAGMA, say): count by stepping a copy.
        Cursor copy(connection, connection->cache->acquire(adapted.sql), adapted,
                    CursorType::ForwardOnly);
        copy.bindAndStep();
        while (!copy.atEnd)
            copy.step();
        count = copy.position + 1;
    }
    return count;
}

void Cursor::requireOpen() const {
    if (!open)
        closedError();
}

void Cursor::requireRow() const {
    requireOpen();
    if (atEnd)
        throw EngineError(errors::NoCurrentRecord,
                          QStringLiteral("Either BOF or EOF is True, or the current record has "
                                         "been deleted. Requested operation requires a current "
                                         "record."));
}

int Cursor::indexOf(const QString& name) const {
    const int index = columns->indexOf(name);
    if (index < 0 || index >= visibleCount())
        throw EngineError(errors::ItemNotFound,
                          QStringLiteral("Item cannot be found in the collection corresponding "
                                         "to the requested name or ordinal: '%1'.")
                              .arg(name));
    return index;
}

void Cursor::checkIndex(int index) const {
    if (index < 0 || index >= visibleCount())
        throw EngineError(errors::ItemNotFound,
                          QStringLiteral("Item cannot be found in the collection corresponding "
                                         "to the requested name or ordinal: %1.")
                              .arg(index));
}

} // namespace detail

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::Recordset(std::shared_ptr<Impl> impl) : m_impl(std::move(impl)) {}

bool Recordset::isOpen() const {
    return m_impl && m_impl->open;
}

bool Recordset::eof() const {
    return !m_impl || m_impl->atEnd;
}

bool Recordset::bof() const {
    // Rows are only ever read forward from the first: before the first row
    // is only where an empty result stands.
    return !m_impl || (m_impl->atEnd && m_impl->count == 0);
}

void Recordset::moveFirst() {
    if (!m_impl)
        detail::closedError();
    m_impl->moveFirst();
}

void Recordset::moveNext() {
    if (!m_impl)
        detail::closedError();
    m_impl->requireRow();
    m_impl->saveRow(); // as leaving an edited row does
    m_impl->step();
}

void Recordset::close() {
    if (m_impl)
        m_impl->close();
}

long Recordset::recordCount() const {
    if (!m_impl)
        detail::closedError();
    return m_impl->recordCount();
}

int Recordset::fieldCount() const {
    if (!m_impl)
        detail::closedError();
    m_impl->requireOpen();
    return m_impl->visibleCount();
}

bool Recordset::isUpdatable() const {
    return m_impl && m_impl->open && m_impl->rowidColumn >= 0;
}

void Recordset::update() {
    if (!m_impl)
        detail::closedError();
    m_impl->requireOpen();
    m_impl->saveRow();
}

void Recordset::cancelUpdate() {
    if (m_impl)
        m_impl->pending.clear();
}

Field Recordset::field(const QString& name) const {
    if (!m_impl)
        detail::closedError();
    m_impl->requireOpen();
    return Field(m_impl, m_impl->indexOf(name));
}

Field Recordset::field(int index) const {
    if (!m_impl)
        detail::closedError();
    m_impl->requireOpen();
    m_impl->checkIndex(index);
    return Field(m_impl, index);
}

} // namespace engine
