// Related records read into display lines.
#include "dbroutines/clsDBbounds.h"

#include "dbroutines/HostNumbers.h"
#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBrtns.h"
#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"
#include "routines/clsString.h"

#include <QStringList>

#include <limits>

namespace dvDBrtns4 {

namespace {

using engine::CursorType;
using engine::LockType;
using engine::Recordset;

QString trimmedValue(const Recordset& rs, const QString& field) {
    return dvRtns4::trimSpaces(rs.field(field).value().toString());
}

// The line of the current row: the fields of `fieldNames` as split at ","
// (every field by position when empty), trimmed, each followed by the
// delimiter, which is then removed once from the end.
QString lineOf(const Recordset& rs, const QString& fieldNames, const QString& delimiter) {
    QString line;
    if (fieldNames.isEmpty()) {
        for (int i = 0; i < rs.fieldCount(); ++i)
            line += dvRtns4::trimSpaces(rs.field(i).value().toString()) + delimiter;
    } else {
        for (const QString& name : fieldNames.split(u','))
            line += trimmedValue(rs, name) + delimiter;
    }
    return dvRtns4::clsString::DelStrRight(
        line, static_cast<qint16>(
                  std::min<qsizetype>(delimiter.size(), std::numeric_limits<qint16>::max())));
}

// Stores a key and a line at the next common position of the two arrays.
void store(std::vector<QString>& arKeys, std::vector<QString>& arRecs, std::size_t& next,
           const QString& key, const QString& line) {
    if (next >= arKeys.size() || next >= arRecs.size()) // more rows than counted
        throw dvRtns4::RoutineError::subscriptOutOfRange();
    arKeys[next] = key;
    arRecs[next] = line;
    ++next;
}

// Sizes both arrays to the rows of the result, all empty; with no row arKeys
// becomes one empty text, arRecs stays as it was, and the result is false.
bool sizeForRows(const Recordset& rs, std::vector<QString>& arKeys, std::vector<QString>& arRecs) {
    if (rs.eof()) {
        arKeys.assign(1, QString());
        return false;
    }
    const auto rows = static_cast<std::size_t>(std::max(rs.recordCount(), 0L));
    arKeys.assign(rows, QString());
    arRecs.assign(rows, QString());
    return true;
}

// The key of table1 as a literal in the condition on table2.
QString keyLiteral(const dvRtns4::Variant& key) {
    const auto kind = key.kind();
    if (currentDBType() == db_Access &&
        (kind == dvRtns4::Variant::Kind::Integer || kind == dvRtns4::Variant::Kind::Double))
        return key.toString();
    return dvRtns4::clsString::FixQuotes(key);
}

QString oneToManySql(const QString& tableName, const QString& sWhere,
                     const QString& fieldsForOrder) {
    QString sql = QStringLiteral("SELECT * FROM ") + tableName;
    if (!sWhere.isEmpty())
        sql += QStringLiteral(" Where ") + sWhere;
    if (!fieldsForOrder.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + fieldsForOrder;
    return sql;
}

QString manyToManySql(const QString& table1, const QString& where1) {
    return QStringLiteral("SELECT * FROM ") + table1 + QStringLiteral(" Where ") + where1;
}

// The line of table2 related to the current row of table1.
QString relatedLine(engine::StatementRunner& Conn, const dvRtns4::Variant& key,
                    const QString& table2, const QString& key2, const QString& fieldNames2,
                    const QString& delimiter) {
    QString fields = fieldNames2;
    return clsDBrtns::GetRec(Conn, table2, key2 + u'=' + keyLiteral(key), fields, false, delimiter);
}

} // namespace

void clsDBbounds::GetRecsOM_IntoLstbox(engine::StatementRunner& Conn, const QString& tableName,
                                       const QString& sWhere, const QString& keyField,
                                       const QString& fieldNames, dvRtns4::ListBoxAdapter& lstBox,
                                       std::vector<QString>& arKeys, const QString& delimiter,
                                       qint16 maxLinesInListBox, const QString& fieldForItemdata,
                                       const QString& fieldsForOrder) {
    lstBox.Clear();
    Recordset rs = Conn.openRecordset(oneToManySql(tableName, sWhere, fieldsForOrder),
                                      CursorType::Keyset, LockType::ReadOnly);
    if (rs.eof()) {
        arKeys.assign(1, QString());
        return;
    }
    arKeys.assign(static_cast<std::size_t>(std::max(rs.recordCount(), 0L)), QString());
    std::size_t next = 0;
    for (; !rs.eof(); rs.moveNext()) {
        lstBox.AddItem(lineOf(rs, fieldNames, delimiter));
        if (!fieldForItemdata.isEmpty())
            lstBox.setItemData(lstBox.NewIndex(),
                               detail::toLong(rs.field(fieldForItemdata).value()));
        if (!keyField.isEmpty()) {
            if (next >= arKeys.size()) // more rows than counted
                throw dvRtns4::RoutineError::subscriptOutOfRange();
            arKeys[next++] = trimmedValue(rs, keyField);
        }
        if (maxLinesInListBox > 0 && lstBox.ListCount() >= maxLinesInListBox)
            break;
    }
    rs.close();
}

void clsDBbounds::GetRecsOM(engine::StatementRunner& Conn, const QString& tableName,
                            const QString& sWhere, const QString& key, const QString& fieldNames,
                            std::vector<QString>& arKeys, std::vector<QString>& arRecs,
                            const QString& delimiter, const QString& fieldsForOrder) {
    Recordset rs = Conn.openRecordset(oneToManySql(tableName, sWhere, fieldsForOrder),
                                      CursorType::Keyset, LockType::ReadOnly);
    if (!sizeForRows(rs, arKeys, arRecs))
        return;
    std::size_t next = 0;
    for (; !rs.eof(); rs.moveNext()) {
        const QString line = lineOf(rs, fieldNames, delimiter);
        if (!line.isEmpty())
            store(arKeys, arRecs, next, trimmedValue(rs, key), line);
    }
    rs.close();
}

void clsDBbounds::GetRecsMM_IntoLstbox(engine::StatementRunner& Conn, const QString& table1,
                                       const QString& where1, const QString& table2,
                                       const QString& key1, const QString& key2,
                                       const QString& fieldNames2, dvRtns4::ListBoxAdapter& lstBox,
                                       const QString& delimiter) {
    lstBox.Clear();
    Recordset rs = Conn.openRecordset(manyToManySql(table1, where1), CursorType::ForwardOnly,
                                      LockType::ReadOnly);
    for (; !rs.eof(); rs.moveNext()) {
        const dvRtns4::Variant key = rs.field(key1).value();
        lstBox.AddItem(relatedLine(Conn, key, table2, key2, fieldNames2, delimiter));
        lstBox.setItemData(lstBox.NewIndex(), detail::isNumeric(key) ? detail::toLong(key) : 0);
    }
    rs.close();
}

void clsDBbounds::GetRecsMM(engine::StatementRunner& Conn, const QString& table1,
                            const QString& where1, const QString& table2, const QString& key1,
                            const QString& key2, const QString& fieldNames2,
                            std::vector<QString>& arKeys, std::vector<QString>& arRecs,
                            const QString& delimiter) {
    Recordset rs =
        Conn.openRecordset(manyToManySql(table1, where1), CursorType::Static, LockType::ReadOnly);
    if (!sizeForRows(rs, arKeys, arRecs))
        return;
    std::size_t next = 0;
    for (; !rs.eof(); rs.moveNext()) {
        const dvRtns4::Variant key = rs.field(key1).value();
        const QString line = relatedLine(Conn, key, table2, key2, fieldNames2, delimiter);
        if (!line.isEmpty())
            store(arKeys, arRecs, next, dvRtns4::trimSpaces(key.toString()), line);
    }
    rs.close();
}

} // namespace dvDBrtns4
