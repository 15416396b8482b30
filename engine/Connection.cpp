// The connection: opening the file named by the connection text, running
// statements, and the read-only second open of start-up.
#include "engine/Connection.h"

#include "Cursor.h"
#include "SqliteError.h"
#include "engine/ConnectionText.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <sqlite3.h>

#include <climits>
#include <mutex>
#include <set>
#include <utility>

namespace engine {

namespace {

// The open connections of this process. A statement that writes needs the
// file to itself, so every connection lets go of a read transaction it keeps
// for speed (its open results keep theirs).
std::mutex registryMutex;
std::set<Connection::Impl*>& registry() {
    static std::set<Connection::Impl*> connections;
    return connections;
}

} // namespace

void detail::releaseReadTransactionsOfAll() {
    const std::lock_guard<std::mutex> lock(registryMutex);
    // A connection belongs to the thread that uses it; those of other
    // threads are left alone (their own event loops let go).
    for (Connection::Impl* impl : registry())
        if (impl->thread == QThread::currentThread())
            impl->releaseReadTransaction();
}

Connection::Impl::Impl() : thread(QThread::currentThread()) {
    const std::lock_guard<std::mutex> lock(registryMutex);
    registry().insert(this);
}

Connection::Impl::~Impl() {
    closeDatabase();
    const std::lock_guard<std::mutex> lock(registryMutex);
    registry().erase(this);
}

void Connection::Impl::closeDatabase() {
    // Results still open are closed with their connection.
    const std::vector<detail::Cursor*> cursors = openCursors;
    for (detail::Cursor* cursor : cursors)
        cursor->close();
    openCursors.clear();
    releaseReadTransaction();
    sqlite3_finalize(readKeeper);
    readKeeper = nullptr;
    cache.reset();
    if (db)
        sqlite3_close_v2(db);
    db = nullptr;
}

void Connection::Impl::holdReadTransaction() {
    // Only inside an event loop, which lets go of it when the current event
    // has been handled: the file is never kept locked while the program waits
    // for the user, nor for code that runs without an event loop.
    if (readHeld || !db || !QCoreApplication::instance() ||
        QThread::currentThread()->loopLevel() == 0)
        return;
    if (!readKeeper &&
        sqlite3_prepare_v3(db, "SELECT count(*) FROM sqlite_master", -1, SQLITE_PREPARE_PERSISTENT,
                           &readKeeper, nullptr) != SQLITE_OK)
        return;
    if (sqlite3_step(readKeeper) != SQLITE_ROW) {
        sqlite3_reset(readKeeper); // busy or failing: the statement itself will say
        return;
    }
    readHeld = true;
    QTimer::singleShot(0, [weak = self] {
        if (const std::shared_ptr<Impl> impl = weak.lock())
            impl->releaseReadTransaction();
    });
}

void Connection::Impl::releaseReadTransaction() {
    if (!readHeld)
        return;
    readHeld = false;
    sqlite3_reset(readKeeper);
}

namespace {

void applyTimeout(sqlite3* db, int seconds) {
    // 0 means "wait as long as it takes", as a command timeout of 0 did.
    const int ms = seconds <= 0 ? INT_MAX : (seconds > INT_MAX / 1000 ? INT_MAX : seconds * 1000);
    sqlite3_busy_timeout(db, ms);
}

const Connection::Impl& requireOpen(const std::shared_ptr<Connection::Impl>& impl) {
    if (!impl || !impl->db)
        throw EngineError(errors::ObjectClosed,
                          QStringLiteral("Operation is not allowed when the object is closed."));
    return *impl;
}

} // namespace

Connection::Connection() = default;

Connection::~Connection() {
    if (m_impl)
        m_impl->closeDatabase();
}

void Connection::open(const QString& connectionText, const QString& user, const QString& password) {
    // The user and password belong to the Jet connection text; an SQLite
    // file carries no password, so there is nothing to check them against.
    Q_UNUSED(user);
    Q_UNUSED(password);
    if (isOpen())
        throw EngineError(errors::GeneralSql,
                          QStringLiteral("Operation is not allowed when the object is open."));
    const QString path = dataSourceOf(connectionText);
    auto impl = std::make_shared<Impl>();
    impl->db = detail::openDatabaseFile(path, false);
    impl->path = path;
    impl->readOnly = sqlite3_db_readonly(impl->db, "main") == 1;
    try {
        jet::registerFunctions(impl->db);
    } catch (...) {
        impl->closeDatabase();
        throw;
    }
    if (m_impl) // a timeout set before the open
        impl->commandTimeout = m_impl->commandTimeout;
    applyTimeout(impl->db, impl->commandTimeout);
    impl->cache = std::make_unique<detail::StatementCache>(impl->db);
    impl->self = impl;
    m_impl = std::move(impl);
}

bool Connection::isOpen() const {
    return m_impl && m_impl->db;
}

void Connection::close() {
    if (m_impl)
        m_impl->closeDatabase();
}

QString Connection::path() const {
    return m_impl ? m_impl->path : QString();
}

bool Connection::isReadOnly() const {
    return m_impl && m_impl->readOnly;
}

Recordset Connection::execute(const QString& statement) {
    return openRecordset(statement, CursorType::ForwardOnly, LockType::ReadOnly, CommandType::Text);
}

Recordset Connection::openRecordset(const QString& statement, CursorType cursor, LockType lock,
                                    CommandType command) {
    requireOpen(m_impl);
    QString text = statement;
    if (command == CommandType::Table)
        text = QStringLiteral("SELECT * FROM ") + statement;
    jet::AdaptedStatement adapted = jet::adapt(text);
    std::unique_ptr<detail::Prepared> prepared;
    bool withRowid = false;
    if (lock != LockType::ReadOnly && adapted.selectFrom >= 0) {
        // A SELECT over one table also reads the row id, by which update()
        // finds the row again; over several tables the row id is ambiguous
        // and the result stays read-only.
        jet::AdaptedStatement updatable = adapted;
        updatable.sql.insert(adapted.selectFrom, QStringLiteral(", _ROWID_ "));
        try {
            prepared = m_impl->cache->acquire(updatable.sql);
        } catch (const EngineError&) {
        }
        // Every field must be a column of the row id's table.
        if (prepared && !detail::columnsOfOneTable(prepared->stmt)) {
            m_impl->cache->release(std::move(prepared));
            prepared.reset();
        }
        if (prepared) {
            adapted = std::move(updatable);
            withRowid = true;
        }
    }
    if (!prepared)
        prepared = m_impl->cache->acquire(adapted.sql);
    const bool returnsRows = !prepared->columns->names.empty();
    // A statement that writes (or ends a transaction) must find no read
    // transaction of ours open, or its changes would wait for it.
    if (returnsRows && sqlite3_stmt_readonly(prepared->stmt))
        m_impl->holdReadTransaction();
    else
        detail::releaseReadTransactionsOfAll();
    auto impl =
        std::make_shared<detail::Cursor>(m_impl, std::move(prepared), std::move(adapted), cursor);
    if (withRowid)
        impl->rowidColumn = static_cast<int>(impl->columns->names.size()) - 1;
    impl->bindAndStep();
    if (!returnsRows)
        impl->close(); // nothing to read: a closed result, as for an UPDATE
    return Recordset(std::move(impl));
}

void Connection::setCommandTimeout(int seconds) {
    if (!m_impl)
        m_impl = std::make_shared<Impl>();
    m_impl->commandTimeout = seconds;
    if (m_impl->db)
        applyTimeout(m_impl->db, seconds);
}

int Connection::commandTimeout() const {
    return m_impl ? m_impl->commandTimeout : 30;
}

ReadOnlyDatabase::~ReadOnlyDatabase() {
    close();
}

ReadOnlyDatabase::ReadOnlyDatabase(ReadOnlyDatabase&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)) {}

ReadOnlyDatabase& ReadOnlyDatabase::operator=(ReadOnlyDatabase&& other) noexcept {
    if (this != &other) {
        close();
        m_db = std::exchange(other.m_db, nullptr);
    }
    return *this;
}

ReadOnlyDatabase ReadOnlyDatabase::open(const QString& path) {
    ReadOnlyDatabase database;
    database.m_db = detail::openDatabaseFile(path, true);
    return database;
}

bool ReadOnlyDatabase::isOpen() const {
    return m_db != nullptr;
}

void ReadOnlyDatabase::close() {
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

} // namespace engine
