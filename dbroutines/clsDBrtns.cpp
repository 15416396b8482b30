// The record routines, the date literals of the dialects and the reading back
// of the last recorded database error.
#include "dbroutines/clsDBrtns.h"

#include "dbroutines/DateLiterals.h"
#include "dbroutines/HostNumbers.h"
#include "dbroutines/LibraryState.h"
#include "dbroutines/RecordedError.h"
#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"
#include "routines/clsCommonUse.h"
#include "routines/clsString.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace dvDBrtns4 {

namespace {

using engine::CursorType;
using engine::LockType;
using engine::Recordset;
using engine::StatementRunner;

QString delimitedValue(const dvRtns4::Variant& value, bool quoted) {
    const QString text = dvRtns4::trimSpaces(value.toString()); // a null is empty
    return quoted ? dvRtns4::clsString::FixQuotes(dvRtns4::Variant(text)) : text;
}

// The text with its last `count` characters removed, as DelStrRight does.
QString dropTrailing(const QString& text, qsizetype count) {
    return dvRtns4::clsString::DelStrRight(
        text, static_cast<qint16>(std::min<qsizetype>(count, std::numeric_limits<qint16>::max())));
}

// The name=value elements of Args as a field list and a value list.
void listsFromArgs(const std::vector<dvRtns4::Variant>& Args, QString& fields, QString& values) {
    fields.clear();
    values.clear();
    for (const dvRtns4::Variant& element : Args) {
        QString name;
        QString value;
        dvRtns4::clsCommonUse::Split_Pair(element.toString(), name, value);
        if (name.isEmpty())
            continue;
        fields += name + u',';
        values += value + u',';
    }
    fields = dropTrailing(fields, 1);
    values = dropTrailing(values, 1);
}

dvRtns4::Variant readNewID(StatementRunner& Conn, const QString& statement, CursorType cursor) {
    Recordset rs = Conn.openRecordset(statement, cursor, LockType::ReadOnly);
    const dvRtns4::Variant id = rs.value(QStringLiteral("NewID"));
    rs.close();
    return id;
}

} // namespace

QString clsDBrtns::GetRec(StatementRunner& Conn, const QString& tableName, const QString& sWhere,
                          QString& fieldNames, bool bQuoted, const QString& delimiter) {
    fieldNames = dvRtns4::trimSpaces(fieldNames);
    QString sql = QStringLiteral("SELECT ") +
                  (fieldNames.isEmpty() ? QStringLiteral("*") : fieldNames) +
                  QStringLiteral(" FROM ") + tableName;
    if (!sWhere.isEmpty())
        sql += QStringLiteral(" Where ") + sWhere;
    Recordset rs = Conn.openRecordset(sql, CursorType::Keyset, LockType::ReadOnly);
    if (rs.eof())
        return {};
    QString result;
    if (fieldNames.isEmpty()) {
        for (int i = 0; i < rs.fieldCount(); ++i)
            result += delimitedValue(rs.field(i).value(), bQuoted) + delimiter;
    } else {
        for (const QString& name : fieldNames.split(u','))
            result += delimitedValue(rs.field(name).value(), bQuoted) + delimiter;
    }
    rs.close();
    return dropTrailing(result, delimiter.size());
}

dvRtns4::Variant clsDBrtns::SequenceVal(StatementRunner& Conn, const QString& sequenceName,
                                        bool bNext) {
    try {
        return readNewID(Conn,
                         QStringLiteral("SELECT ") + sequenceName +
                             (bNext ? QStringLiteral(".nextval") : QStringLiteral(".currval")) +
                             QStringLiteral(" AS NewID FROM DUAL"),
                         CursorType::Static);
    } catch (...) {
        recordCaughtError(QStringLiteral("SeqCurVal: ") + sequenceName);
        return dvRtns4::Variant(-1);
    }
}

dvRtns4::Variant clsDBrtns::AddRec(StatementRunner& Conn, const QString& tableName, bool bReturnID,
                                   const QString& sequenceName, const QString& sFields,
                                   const QString& sValues,
                                   const std::vector<dvRtns4::Variant>& Args) {
    try {
        QString fields = sFields;
        QString values = sValues;
        if (sFields.isEmpty())
            listsFromArgs(Args, fields, values);
        const QString insert = QStringLiteral("INSERT INTO ") + tableName + QStringLiteral(" (") +
                               fields + QStringLiteral(") VALUES (") + values + QStringLiteral(")");
        switch (currentDBType()) {
        case db_SQLServer: {
            Conn.execute(bReturnID ? QStringLiteral("SET NOCOUNT ON;") + insert : insert);
            if (!bReturnID)
                return dvRtns4::Variant(true);
            const dvRtns4::Variant id =
                readNewID(Conn, QStringLiteral("SELECT @@IDENTITY AS NewID"), CursorType::Static);
            if (id.isNull())
                throw RoutineFailure(-2147220504, QStringLiteral("clsDBrtns"),
                                     QStringLiteral("AddRec - ID returned is NULL !!!"));
            return id;
        }
        case db_Access:
            Conn.execute(insert);
            if (!bReturnID)
                return dvRtns4::Variant(true);
            // The engine keeps the key of the connection's last insert.
            return readNewID(Conn, QStringLiteral("SELECT @@IDENTITY AS NewID"),
                             CursorType::Static);
        case db_Oracle:
            Conn.execute(insert);
            if (!bReturnID)
                return dvRtns4::Variant(true);
            return readNewID(Conn,
                             QStringLiteral("SELECT ") + sequenceName +
                                 QStringLiteral(".CURRVAL AS NewID FROM DUAL"),
                             CursorType::ForwardOnly);
        default:
            return {};
        }
    } catch (...) {
        recordCaughtError(QStringLiteral("AddRec: ") + tableName);
        return dvRtns4::Variant::null();
    }
}

bool clsDBrtns::UpdateRec(StatementRunner& Conn, const QString& tableName, const QString& sWhere,
                          const QString& sSET, const std::vector<dvRtns4::Variant>& Args) {
    try {
        QString set = sSET;
        if (set.isEmpty()) {
            for (const dvRtns4::Variant& element : Args) {
                const QString text = element.toString();
                if (!dvRtns4::trimSpaces(text).isEmpty())
                    set += text + u',';
            }
            set = dropTrailing(set, 1);
        }
        Conn.execute(QStringLiteral("UPDATE ") + tableName + QStringLiteral(" SET ") + set +
                     QStringLiteral(" WHERE ") + sWhere);
        return true;
    } catch (...) {
        recordCaughtError(QStringLiteral("UpdateRec: ") + tableName);
        return false;
    }
}

bool clsDBrtns::DeleteRecs(StatementRunner& Conn, const QString& tableName, const QString& sWhere) {
    try {
        QString sql = QStringLiteral("DELETE FROM ") + tableName;
        if (sWhere != QLatin1String("*"))
            sql += QStringLiteral(" WHERE ") + sWhere;
        Conn.execute(sql);
        return true;
    } catch (...) {
        recordCaughtError(QStringLiteral("DeleteRecs: ") + tableName);
        return false;
    }
}

qint32 clsDBrtns::MaxVal_ofField(StatementRunner& Conn, const QString& tableName,
                                 const QString& sField, const QString& sWhere) {
    QString sql = QStringLiteral("SELECT MAX(") + sField + QStringLiteral(") as MAX_VAL ") +
                  QStringLiteral(" FROM ") + tableName;
    if (!sWhere.isEmpty())
        sql += QStringLiteral(" WHERE ") + sWhere;
    Recordset rs = Conn.openRecordset(sql, CursorType::Static, LockType::ReadOnly);
    if (rs.eof())
        return 0;
    const dvRtns4::Variant max = rs.value(QStringLiteral("MAX_VAL"));
    rs.close();
    return max.isMissing() ? 0 : detail::toLong(max);
}

bool clsDBrtns::RecExist(StatementRunner& Conn, const QString& tableName, const QString& sWhere) {
    Recordset rs = Conn.openRecordset(QStringLiteral("SELECT 'x' ") + QStringLiteral(" FROM ") +
                                          tableName + QStringLiteral(" Where ") + sWhere,
                                      CursorType::Static, LockType::ReadOnly);
    const bool found = !rs.eof();
    rs.close();
    return found;
}

QString clsDBrtns::FixFieldVal(const dvRtns4::Variant& pString) {
    return pString.isMissing() ? QString() : dvRtns4::trimSpaces(pString.toString());
}

QDateTime clsDBrtns::CheckDate(const QDateTime& d) {
    const int year = d.date().year();
    if (currentDBType() != db_SQLServer || (year > 1753 && year <= 3000))
        return d;
    const int thisYear = QDate::currentDate().year();
    QDate moved(thisYear, d.date().month(), d.date().day());
    if (!moved.isValid()) // 29 February in a common year
        moved = QDate(thisYear, d.date().month(), 1).addMonths(1).addDays(-1);
    return QDateTime(moved, QTime(0, 0));
}

QString clsDBrtns::fCondDates(const QString& field, const QDateTime& Date1,
                              const QDateTime& Date2) {
    const QString pattern = QStringLiteral("dd/mm/yyyy");
    if (Date1 == Date2)
        return QStringLiteral(" (") + field + u'=' + ConvDateTime(Date1, pattern) +
               QStringLiteral(") ");
    return QStringLiteral(" (") + field + QStringLiteral(" between ") +
           ConvDateTime(Date1, pattern) + QStringLiteral(" AND ") + ConvDateTime(Date2, pattern) +
           QStringLiteral(") ");
}

QString clsDBrtns::ConvDateTime(const QDateTime& dt, const QString& dateFormat) {
    switch (currentDBType()) {
    case db_SQLServer:
        return QStringLiteral("CONVERT(datetime,'") +
               formatDate(dt, QStringLiteral("yyyy-mm-dd hh:nn:ss")) + QStringLiteral("',120)");
    case db_Access:
        return u'#' + formatDate(dt, dateFormat) + u'#';
    case db_Oracle:
        return QStringLiteral("TO_DATE('") + formatDate(dt, dateFormat) + QStringLiteral("','") +
               dateFormat + QStringLiteral("')");
    default:
        return {};
    }
}

QDateTime clsDBrtns::ServerDateTime(StatementRunner& Conn) {
    QString sql;
    switch (currentDBType()) {
    case db_SQLServer:
        sql = QStringLiteral("SELECT GETDATE() AS T");
        break;
    case db_Access:
        sql = QStringLiteral("SELECT Now() AS T");
        break;
    case db_Oracle:
        return QDateTime::currentDateTime();
    default:
        return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    }
    Recordset rs = Conn.openRecordset(sql, CursorType::ForwardOnly, LockType::ReadOnly);
    const QDateTime t = rs.value(QStringLiteral("T")).toDateTime();
    rs.close();
    return t;
}

QDateTime clsDBrtns::ServerDate(StatementRunner& Conn) {
    return QDateTime(ServerDateTime(Conn).date(), QTime(0, 0));
}

void clsDBrtns::GetDBError(qint32& errNunber, QString& errSource, QString& errDescription) {
    const DBErrorRecord e = lastDBError();
    errNunber = e.number;
    errSource = e.source;
    errDescription = e.description;
}

QString clsDBrtns::GetDBError_Full() {
    const DBErrorRecord e = lastDBError();
    if (e.number == 0)
        return {};
    return QStringLiteral("## DB error:\r\n") + QStringLiteral("Προέλευση : ") + e.source +
           QStringLiteral("\r\n") + QStringLiteral("Κωδικός   : ") + QString::number(e.number) +
           QStringLiteral("\r\n") + QStringLiteral("Περιγραφή : ") + e.description;
}

} // namespace dvDBrtns4
