// clsDBbounds: related records as display lines. The one-to-many routines
// (OM) read the rows of one table that satisfy a condition; the many-to-many
// routines (MM) read, for every row of a first table, the first row of a
// second table whose key matches. A line is the values of the chosen fields,
// each trimmed (a null as empty), joined by a delimiter.
//
// Statements are built by plain concatenation: conditions and orders go in
// verbatim, and quoting values in them is the caller's business. No routine
// catches errors: a database error, an unknown field name or a full array
// reaches the caller as the exception that raised it, and nothing is
// recorded in the last-error record.
#pragma once

#include "dvDBrtns4Export.h"
#include "engine/StatementRunner.h"

#include <QString>

#include <vector>

namespace dvDBrtns4 {

class DVDBRTNS4_EXPORT clsDBbounds {
public:
    // The rows of "SELECT * FROM tableName[ Where sWhere][ ORDER BY
    // fieldsForOrder]": for each row whose line (of fieldNames, every field
    // when empty) is not empty, the trimmed value of `key` and the line, at
    // the next common position of arKeys and arRecs. Both arrays are sized
    // to the number of rows (positions left over stay empty). With no row
    // arKeys becomes one empty text and arRecs is left as it was.
    void GetRecsOM(engine::StatementRunner& Conn, const QString& tableName, const QString& sWhere,
                   const QString& key, const QString& fieldNames, std::vector<QString>& arKeys,
                   std::vector<QString>& arRecs, const QString& delimiter = QStringLiteral(" - "),
                   const QString& fieldsForOrder = {});

    // For every row of "SELECT * FROM table1 Where where1": the line of
    // fieldNames2 of the first row of table2 whose key2 equals the row's key1
    // (clsDBrtns::GetRec); when it is not empty, the trimmed key1 and the
    // line at the next common position of arKeys and arRecs, both sized to
    // the rows of table1. The key is written as FixQuotes makes a text
    // literal; for Access a numeric key is written as a plain number. With
    // no row in table1 arKeys becomes one empty text.
    void GetRecsMM(engine::StatementRunner& Conn, const QString& table1, const QString& where1,
                   const QString& table2, const QString& key1, const QString& key2,
                   const QString& fieldNames2, std::vector<QString>& arKeys,
                   std::vector<QString>& arRecs, const QString& delimiter = QStringLiteral(" - "));
};

} // namespace dvDBrtns4
