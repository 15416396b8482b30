// clsDBbounds: related records as display lines. The one-to-many routines
// (OM) read the rows of one table that satisfy a condition; the many-to-many
// routines (MM) read, for every row of a first table, the first row of a
// second table whose key matches. A line is the values of the chosen fields,
// each trimmed (a null as empty), joined by a delimiter. Each routine fills
// either a caller's list box (the _IntoLstbox forms, through the list adapter
// of the general routines, over a QListWidget or a QComboBox) or two text
// arrays, keys and lines.
//
// Statements are built by plain concatenation: conditions and orders go in
// verbatim, and quoting values in them is the caller's business. No routine
// catches errors: a database error, an unknown field name or a full array
// reaches the caller as the exception that raised it, and nothing is
// recorded in the last-error record. Lines already added to a list box stay
// there; the list forms clear the list box before they query, so a statement
// that fails leaves it empty rather than holding the lines of an earlier call.
#pragma once

#include "dvDBrtns4Export.h"
#include "engine/StatementRunner.h"
#include "routines/ListBoxAdapter.h"

#include <QString>

#include <vector>

namespace dvDBrtns4 {

class DVDBRTNS4_EXPORT clsDBbounds {
public:
    // Clears lstBox, then adds the line (of fieldNames, every field when
    // empty) of each row of "SELECT * FROM tableName[ Where sWhere][ ORDER
    // BY fieldsForOrder]", empty lines included. arKeys is sized to the
    // number of rows, all empty; for each row added, the trimmed value of
    // keyField (when not empty) goes to the next position. With
    // fieldForItemdata, that field's value is the new item's ItemData, as a
    // 32-bit integer (rounded half to even; RoutineError 94 for a null, 13
    // for a text that is not a number, 6 outside the range). With
    // maxLinesInListBox above 0 the fill stops once the list box holds that
    // many items. With no row arKeys becomes one empty text.
    void GetRecsOM_IntoLstbox(engine::StatementRunner& Conn, const QString& tableName,
                              const QString& sWhere, const QString& keyField,
                              const QString& fieldNames, dvRtns4::ListBoxAdapter& lstBox,
                              std::vector<QString>& arKeys,
                              const QString& delimiter = QStringLiteral(","),
                              qint16 maxLinesInListBox = 0, const QString& fieldForItemdata = {},
                              const QString& fieldsForOrder = {});

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

    // Clears lstBox, then, for every row of "SELECT * FROM table1 Where
    // where1", adds the line of fieldNames2 of the first row of table2 whose
    // key2 equals the row's key1 (an empty line when none does), with key1 as
    // its ItemData when key1 is numeric (rounded half to even; RoutineError 6
    // outside the 32-bit range), 0 otherwise. The key is written into the
    // condition on table2 as in GetRecsMM.
    void GetRecsMM_IntoLstbox(engine::StatementRunner& Conn, const QString& table1,
                              const QString& where1, const QString& table2, const QString& key1,
                              const QString& key2, const QString& fieldNames2,
                              dvRtns4::ListBoxAdapter& lstBox,
                              const QString& delimiter = QStringLiteral(","));

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
