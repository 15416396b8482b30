// Moving a file into a binary field and back, piece by piece: the file is
// never held in memory as a whole by the library (the engine keeps the value
// once on its way into the database file).
#include "dbroutines/clsDBblob.h"

#include "dbroutines/RecordedError.h"
#include "engine/EngineError.h"
#include "routines/TextHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace dvDBrtns4 {

namespace {

using engine::CursorType;
using engine::LockType;
using engine::Recordset;

// The platform's run-time errors for file access, numbered and described as
// callers of the library know them.
[[noreturn]] void fileError(qint32 number, const QString& description) {
    throw RoutineFailure(number, QString::fromLatin1(LibrarySource), description);
}

[[noreturn]] void cannotOpen(const QString& path, bool forWriting) {
    const QFileInfo info(path);
    if (forWriting ? !info.absoluteDir().exists() : !info.exists())
        fileError(forWriting ? 76 : 53,
                  forWriting ? QStringLiteral("Path not found") : QStringLiteral("File not found"));
    if (info.isDir())
        fileError(75, QStringLiteral("Path/File access error"));
    fileError(70, QStringLiteral("Permission denied"));
}

QString selectOf(const QString& tableName, const QString& IMAGE_fieldName, const QString& sWhere) {
    return QStringLiteral("SELECT ") + IMAGE_fieldName + QStringLiteral(" FROM ") + tableName +
           QStringLiteral(" WHERE ") + sWhere;
}

// The sizes of the pieces of a value of `total` bytes: the remainder first
// (possibly empty), then the full pieces.
template <typename MovePiece> void forEachPiece(qint64 total, MovePiece move) {
    move(total % clsDBblob::PieceSize);
    for (qint64 k = 0; k < total / clsDBblob::PieceSize; ++k)
        move(clsDBblob::PieceSize);
}

} // namespace

bool clsDBblob::SaveBLOB(engine::StatementRunner& Conn, const QString& tableName,
                         const QString& IMAGE_fieldName, const QString& sWhere,
                         const QString& fileName) {
    if (fileName.isEmpty())
        return false;
    Recordset rs;
    QFile file(fileName);
    const auto release = [&] {
        file.close();
        rs.close(); // drops a value not yet saved
        m_buffer.clear();
    };
    try {
        rs = Conn.openRecordset(selectOf(tableName, IMAGE_fieldName, sWhere), CursorType::Dynamic,
                                LockType::Pessimistic);
        if (!file.open(QIODevice::ReadOnly))
            cannotOpen(fileName, false);
        const qint64 length = file.size();
        if (length == 0) {
            release();
            return false;
        }
        engine::Field field = rs.field(0);
        forEachPiece(length, [&](qint64 size) {
            m_buffer.resize(static_cast<qsizetype>(size));
            const qint64 read = file.read(m_buffer.data(), size);
            if (read < 0)
                fileError(57, QStringLiteral("Device I/O error"));
            if (read != size) // the file shrank while it was read
                fileError(62, QStringLiteral("Input past end of file"));
            field.appendChunk(m_buffer);
        });
        try {
            rs.update();
        } catch (const engine::EngineError& e) {
            // Another user saved the row meanwhile: the provider reports it so
            // and the value has been stored all the same.
            if (e.description() != QLatin1String("Cursor operation conflict"))
                throw;
        }
        release();
        return true;
    } catch (...) {
        recordCaughtError(QStringLiteral("SaveBLOB from: ") + fileName);
        release();
        return false;
    }
}

bool clsDBblob::ReadBLOB(engine::StatementRunner& Conn, const QString& tableName,
                         const QString& IMAGE_fieldName, const QString& sWhere,
                         const QString& fileName) {
    const QString target = dvRtns4::trimSpaces(fileName);
    Recordset rs;
    // Written under a temporary name beside the target; the target is only
    // replaced by commit(), and a file not committed is removed.
    QSaveFile file(target);
    const auto release = [&] {
        file.cancelWriting();
        rs.close();
        m_buffer.clear();
    };
    try {
        rs = Conn.openRecordset(selectOf(tableName, IMAGE_fieldName, sWhere), CursorType::Static,
                                LockType::ReadOnly);
        if (rs.eof()) {
            release();
            return false;
        }
        if (target.isEmpty() || !file.open(QIODevice::WriteOnly))
            cannotOpen(target, true);
        engine::Field field = rs.field(0);
        const qint64 size = field.actualSize();
        if (size <= 0) {
            release();
            return false;
        }
        forEachPiece(size, [&](qint64 pieceSize) {
            m_buffer = field.getChunk(pieceSize);
            if (m_buffer.size() != pieceSize)
                fileError(62, QStringLiteral("Input past end of file"));
            if (file.write(m_buffer) != m_buffer.size())
                fileError(75, QStringLiteral("Path/File access error"));
        });
        if (!file.commit())
            fileError(75, QStringLiteral("Path/File access error"));
        rs.close();
        m_buffer.clear();
        return true;
    } catch (...) {
        recordCaughtError(QStringLiteral("ReadBLOB to: ") + target);
        release();
        return false;
    }
}

} // namespace dvDBrtns4
