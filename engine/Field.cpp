// Field values of the current row: SQLite's storage classes as Variants,
// BOOLEAN columns as Booleans, DATE columns as dates, and binary values read
// in pieces straight from the row.
#include "engine/Field.h"

#include "Cursor.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <sqlite3.h>

#include <algorithm>

namespace engine {

namespace {

// DATE columns hold ISO texts: yyyy-mm-dd, with an optional time.
dvRtns4::Variant dateOf(const QString& text) {
    const QString t = text.trimmed();
    const QDate date = QDate::fromString(t.left(10), Qt::ISODate);
    if (!date.isValid())
        return dvRtns4::Variant(text);
    if (t.size() == 10)
        return dvRtns4::Variant(QDateTime(date, QTime(0, 0)));
    QTime time = QTime::fromString(t.mid(11), Qt::ISODate);
    if (!time.isValid())
        time = QTime::fromString(t.mid(11), Qt::ISODateWithMs);
    if (!time.isValid() || (t[10] != QLatin1Char(' ') && t[10] != QLatin1Char('T')))
        return dvRtns4::Variant(text);
    return dvRtns4::Variant(QDateTime(date, time));
}

} // namespace

detail::Cursor& Field::cursor() const {
    const std::shared_ptr<detail::Cursor> owner = m_owner.lock();
    if (!owner || !owner->open)
        throw EngineError(errors::ObjectClosed,
                          QStringLiteral("Operation is not allowed when the object is closed."));
    return *owner; // the result that handed out this field still holds it
}

QString Field::name() const {
    return cursor().columns->names[static_cast<std::size_t>(m_index)];
}

dvRtns4::Variant Field::value() const {
    detail::Cursor& c = cursor();
    c.requireRow();
    if (const auto edited = c.pending.find(m_index); edited != c.pending.end())
        return dvRtns4::Variant(edited->second);
    sqlite3_stmt* st = c.statement->stmt;
    const detail::ColumnKind kind = c.columns->kinds[static_cast<std::size_t>(m_index)];
    switch (sqlite3_column_type(st, m_index)) {
    case SQLITE_NULL:
        return dvRtns4::Variant::null();
    case SQLITE_INTEGER: {
        const std::int64_t v = sqlite3_column_int64(st, m_index);
        if (kind == detail::ColumnKind::Boolean)
            return dvRtns4::Variant(v != 0);
        return dvRtns4::Variant(v);
    }
    case SQLITE_FLOAT: {
        const double v = sqlite3_column_double(st, m_index);
        if (kind == detail::ColumnKind::Boolean)
            return dvRtns4::Variant(v != 0.0);
        return dvRtns4::Variant(v);
    }
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, m_index));
        const QString s = QString::fromUtf8(text, sqlite3_column_bytes(st, m_index));
        if (kind == detail::ColumnKind::Date)
            return dateOf(s);
        if (kind == detail::ColumnKind::Boolean) {
            if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                return dvRtns4::Variant(true);
            if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                return dvRtns4::Variant(false);
        }
        return dvRtns4::Variant(s);
    }
    default: {
        const void* data = sqlite3_column_blob(st, m_index);
        const int size = sqlite3_column_bytes(st, m_index);
        return dvRtns4::Variant(QByteArray(static_cast<const char*>(data), size));
    }
    }
}

bool Field::isNull() const {
    detail::Cursor& c = cursor();
    c.requireRow();
    if (c.pending.count(m_index))
        return false;
    return sqlite3_column_type(c.statement->stmt, m_index) == SQLITE_NULL;
}

qint64 Field::actualSize() const {
    detail::Cursor& c = cursor();
    c.requireRow();
    if (const auto edited = c.pending.find(m_index); edited != c.pending.end())
        return edited->second.size();
    sqlite3_stmt* st = c.statement->stmt;
    switch (sqlite3_column_type(st, m_index)) {
    case SQLITE_NULL:
        return 0;
    case SQLITE_BLOB:
        return sqlite3_column_bytes(st, m_index);
    default:
        // Numbers and texts: the size of their text as UTF-8.
        sqlite3_column_text(st, m_index);
        return sqlite3_column_bytes(st, m_index);
    }
}

QByteArray Field::getChunk(qint64 size) {
    detail::Cursor& c = cursor();
    c.requireRow();
    sqlite3_stmt* st = c.statement->stmt;
    if (c.chunkOffsets.empty())
        c.chunkOffsets.assign(c.columns->names.size(), 0);
    qint64& offset = c.chunkOffsets[static_cast<std::size_t>(m_index)];
    const int type = sqlite3_column_type(st, m_index);
    if (type == SQLITE_NULL || size <= 0)
        return {};
    // Only the piece asked for is copied out of SQLite's row.
    const char* data = type == SQLITE_BLOB
                           ? static_cast<const char*>(sqlite3_column_blob(st, m_index))
                           : reinterpret_cast<const char*>(sqlite3_column_text(st, m_index));
    const qint64 total = sqlite3_column_bytes(st, m_index);
    const qint64 take = std::min(size, total - offset);
    if (take <= 0)
        return {};
    QByteArray piece(data + offset, static_cast<qsizetype>(take));
    offset += take;
    return piece;
}

void Field::appendChunk(const QByteArray& bytes) {
    detail::Cursor& c = cursor();
    c.requireRow();
    if (c.rowidColumn < 0)
        throw EngineError(errors::NotUpdatable,
                          QStringLiteral("Current Recordset does not support updating. This may "
                                         "be a limitation of the provider, or of the selected "
                                         "locktype."));
    c.pending[m_index] += bytes; // the first piece starts the value afresh
}

} // namespace engine
