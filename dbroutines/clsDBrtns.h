// clsDBrtns: single-statement record routines over a caller's open
// connection (read the first matching row as one delimited text, insert,
// update, delete, a maximum, an existence test, a sequence value), dates as
// literals of the library's SQL dialect, and the reading back of the last
// database error the routines recorded.
//
// Every SQL text is built by plain concatenation: table names, field lists,
// conditions and values go in verbatim. Quoting values is the caller's
// business (clsString::FixQuotes); a value that is not quoted can change the
// statement.
//
// The connection is borrowed for the call, never opened or closed. SequenceVal,
// AddRec, UpdateRec and DeleteRecs catch every error, record it (GetDBError)
// and report failure through their result; the other routines that read the
// database pass an error on to the caller as the exception that raised it
// (engine::EngineError, dvRtns4::RoutineError) and record nothing.
#pragma once

#include "dvDBrtns4Export.h"
#include "engine/StatementRunner.h"
#include "routines/Variant.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace dvDBrtns4 {

class DVDBRTNS4_EXPORT clsDBrtns {
public:
    // The fields of the first row of "SELECT fields FROM tableName[ Where
    // sWhere]" as one text: each value trimmed (a null as empty), quoted with
    // FixQuotes when bQuoted, followed by delimiter; the trailing delimiter
    // is then removed (a text no longer than it stays as it is). fieldNames
    // is trimmed and written back; its names are used exactly as split at ","
    // (no name: every field, in column order). The empty text when no row
    // matches.
    static QString GetRec(engine::StatementRunner& Conn, const QString& tableName,
                          const QString& sWhere, QString& fieldNames, bool bQuoted = false,
                          const QString& delimiter = QStringLiteral(","));

    // The next (bNext) or current value of a sequence, read with
    // "SELECT name.nextval|.currval AS NewID FROM DUAL" whatever the database
    // type. On failure -1, with the error recorded.
    static dvRtns4::Variant SequenceVal(engine::StatementRunner& Conn, const QString& sequenceName,
                                        bool bNext);

    // Inserts a row: "INSERT INTO tableName (sFields) VALUES (sValues)". With
    // sFields empty the lists come from Args, elements "name=value" (name
    // trimmed and upper-cased, value trimmed; elements without a name are
    // skipped) and sValues is not used. Results: True; with bReturnID the new
    // key (SQL Server: @@IDENTITY; Access: the key the engine gave the row;
    // Oracle: sequenceName.CURRVAL, which may be null); Empty, with nothing
    // sent, when the library has no database type; Null on failure, with the
    // error recorded.
    static dvRtns4::Variant AddRec(engine::StatementRunner& Conn, const QString& tableName,
                                   bool bReturnID, const QString& sequenceName,
                                   const QString& sFields, const QString& sValues,
                                   const std::vector<dvRtns4::Variant>& Args = {});

    // "UPDATE tableName SET sSET WHERE sWhere"; with sSET empty the set list
    // is the non-blank elements of Args joined by ",". An empty sWhere makes
    // the statement fail. False on failure, with the error recorded.
    static bool UpdateRec(engine::StatementRunner& Conn, const QString& tableName,
                          const QString& sWhere, const QString& sSET,
                          const std::vector<dvRtns4::Variant>& Args = {});

    // "DELETE FROM tableName WHERE sWhere"; sWhere "*" deletes every row, an
    // empty sWhere makes the statement fail. False on failure, with the error
    // recorded.
    static bool DeleteRecs(engine::StatementRunner& Conn, const QString& tableName,
                           const QString& sWhere);

    // MAX(sField) over the rows of tableName[ WHERE sWhere] as a 32-bit
    // integer; 0 when there is none. Throws RoutineError (overflow) for a
    // maximum outside 32 bits.
    static qint32 MaxVal_ofField(engine::StatementRunner& Conn, const QString& tableName,
                                 const QString& sField, const QString& sWhere = {});

    // Whether tableName has a row satisfying sWhere (always applied).
    static bool RecExist(engine::StatementRunner& Conn, const QString& tableName,
                         const QString& sWhere);

    // The text form of a value trimmed of spaces; Empty and Null give "".
    static QString FixFieldVal(const dvRtns4::Variant& pString);

    // SQL Server keeps dates between 1753 and 3000: outside them the day and
    // month of d in the current year (29 February in a common year becomes
    // 28 February); otherwise, and for other database types, d unchanged.
    static QDateTime CheckDate(const QDateTime& d);

    // " (field between lit1 AND lit2) ", or " (field=lit1) " when the two
    // dates are equal; the literals as ConvDateTime writes them in dd/mm/yyyy.
    static QString fCondDates(const QString& field, const QDateTime& Date1, const QDateTime& Date2);

    // dt as an SQL literal of the dialect: SQL Server
    // CONVERT(datetime,'yyyy-mm-dd hh:nn:ss',120); Access #dt in dateFormat#;
    // Oracle TO_DATE('dt in dateFormat','dateFormat'); no type: the empty
    // text. Pattern letters: d, m (minutes right after an hour), y, h, n, s;
    // "/" is the date separator and ":" the time separator.
    static QString ConvDateTime(const QDateTime& dt,
                                const QString& dateFormat = QStringLiteral("dd/mm/yyyy"));

    // The server's date and time: SQL Server asks "SELECT GETDATE() AS T";
    // Access asks the engine "SELECT Now() AS T", which reads the local
    // machine's clock; Oracle gives the local machine's clock without asking;
    // no database type gives the zero date, 30 December 1899 00:00.
    static QDateTime ServerDateTime(engine::StatementRunner& Conn);
    // The date part of ServerDateTime, at midnight.
    static QDateTime ServerDate(engine::StatementRunner& Conn);

    // Copies the last recorded error into the three arguments (0 and two
    // empty texts when none was recorded).
    static void GetDBError(qint32& errNunber, QString& errSource, QString& errDescription);
    // The last recorded error as four lines joined by CR LF, or the empty
    // text when none was recorded.
    static QString GetDBError_Full();
};

} // namespace dvDBrtns4
