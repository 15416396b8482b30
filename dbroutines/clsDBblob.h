// clsDBblob: copies a file into a binary field of one row and back out again,
// in pieces of 16000 bytes, over a caller's open connection. The row is the
// first of "SELECT IMAGE_fieldName FROM tableName WHERE sWhere", built by
// plain concatenation (quoting values in sWhere is the caller's business).
//
// Both report success as a Boolean; a failure is recorded in the library's
// last-error record (clsDBrtns::GetDBError) under "SaveBLOB from: " or
// "ReadBLOB to: " + the file name + " > " + the error's own source, and never
// escapes as an exception.
#pragma once

#include "dvDBrtns4Export.h"
#include "engine/StatementRunner.h"

#include <QByteArray>
#include <QString>

namespace dvDBrtns4 {

class DVDBRTNS4_EXPORT clsDBblob {
public:
    // The size of the pieces moved between file and field.
    static constexpr qint64 PieceSize = 16000;

    // Stores the bytes of fileName into the field of the selected row: first
    // a piece of (length mod 16000) bytes, then the full pieces. False, with
    // nothing recorded, for an empty file name or an empty file; False, with
    // the error recorded, for a missing or unreadable file, a condition that
    // selects no row or a failed update.
    bool SaveBLOB(engine::StatementRunner& Conn, const QString& tableName,
                  const QString& IMAGE_fieldName, const QString& sWhere, const QString& fileName);

    // Writes the field's bytes of the selected row to fileName (trimmed of
    // spaces), replacing the file. The bytes go to a temporary file beside
    // the target, which takes the target's name only once every piece is
    // written: a failed read-out leaves no partial file, and an existing
    // file stays as it was. False, with nothing recorded, when no row is
    // selected or the field is empty or null; False, with the error recorded,
    // when the target cannot be written or the database fails.
    bool ReadBLOB(engine::StatementRunner& Conn, const QString& tableName,
                  const QString& IMAGE_fieldName, const QString& sWhere, const QString& fileName);

private:
    QByteArray m_buffer; // the piece in transit; emptied at the end of every call
};

} // namespace dvDBrtns4
