// A small edudata database for the engine's tests, and reading a column of
// every row of a statement as texts.
#pragma once

#include "engine/Connection.h"
#include "tests/support/FixtureDatabase.h"

#include <QStringList>

namespace enginetest {

// Topics 1-4 (1 and 2 top level), abstracts citing acts, acts of two codes
// with articles coded 2, 10, 12, 12α, 13 and Α, keywords in Greek, types with
// LAWTYPE_SHOW on and off, an organisation chart of three nodes.
inline const char* const FillSql = R"SQL(
INSERT INTO topic VALUES (1, 0, 'Άδεια μητρότητας', 2, 0, 0);
INSERT INTO topic VALUES (2, 0, 'αδεια ασθενειας', 1, 0, 0);
INSERT INTO topic VALUES (3, 1, 'Προϋποθέσεις', 1, 0, 0);
INSERT INTO topic VALUES (4, 1, 'Διάρκεια', 1, 1, 0);
INSERT INTO abstract VALUES (10, 1, '<p>Περίληψη α</p>', 2);
INSERT INTO abstract VALUES (11, 1, '<p>Περίληψη β</p>', 1);
INSERT INTO abstract VALUES (12, 3, '<p>Περίληψη γ</p>', 1);
INSERT INTO abstract_law VALUES (10, 100, 1, 2);
INSERT INTO abstract_law VALUES (10, 102, 1, 1);
INSERT INTO abstract_law VALUES (11, 103, 0, 1);
INSERT INTO abstract_law VALUES (12, 200, 1, 1);
INSERT INTO LAWTYPE VALUES (1, 'Νόμοι', 1, 1, 2);
INSERT INTO LAWTYPE VALUES (2, 'Άρθρα', 1, 0, 1);
INSERT INTO LAWTYPE VALUES (3, 'Εγκύκλιοι', 1, 1, 1);
INSERT INTO LAWTYPE VALUES (95, 'Λοιπά', 1, 1, 0);
INSERT INTO LAWTYPE VALUES (4, 'Κρυφά', 0, 1, 0);
INSERT INTO law (law_id, law_code, title, descr, type_id, all_law_flag, issue_date, law_year, article_code, parag_code)
VALUES (100, 'Ν.1566/85', 'Νόμος 1566', 'Κείμενο', 1, 1, '1985-09-30', 1985, NULL, NULL),
       (101, 'Ν.1566/85', 'Άρθρο 10', NULL, 2, 0, NULL, NULL, '10', NULL),
       (102, 'Ν.1566/85', 'Άρθρο 2', NULL, 2, 0, NULL, NULL, '2', NULL),
       (103, 'Ν.1566/85', 'Άρθρο 12α', NULL, 2, 0, NULL, NULL, '12α', '1'),
       (104, 'Ν.1566/85', 'Άρθρο 13', NULL, 2, 0, NULL, NULL, '13', NULL),
       (105, 'Ν.1566/85', 'Άρθρο 12', NULL, 2, 0, NULL, NULL, '12', NULL),
       (106, 'Ν.1566/85', 'Παράρτημα', NULL, 2, 0, NULL, NULL, 'Α', NULL),
       (200, 'A''12', 'Εγκύκλιος A''12', 'Σώμα', 3, 1, '2003-12-25', 2003, NULL, NULL),
       (201, 'Π.Δ.50/96', 'Διάταγμα', NULL, 3, 1, '1996-03-01', 1996, NULL, NULL);
INSERT INTO KEYS VALUES (1, 'ΑΔΕΙΑ ΜΗΤΡΟΤΗΤΑΣ');
INSERT INTO KEYS VALUES (2, 'ΑΣΘΕΝΕΙΑ');
INSERT INTO ABSTRACT_KEYS VALUES (10, 1);
INSERT INTO ABSTRACT_KEYS VALUES (11, 1);
INSERT INTO ABSTRACT_KEYS VALUES (12, 2);
INSERT INTO LAW_KEYS VALUES (100, 1);
INSERT INTO LAW_KEYS VALUES (102, 1);
INSERT INTO schedule VALUES (1, 0, 'Διεύθυνση', 1, 0, 0, 0);
INSERT INTO schedule VALUES (2, 1, 'Τμήμα', 1, 0, 0, 1);
INSERT INTO schedule VALUES (3, 1, 'Γραφείο', 2, 0, 0, 0);
INSERT INTO ScheduleAbstract (Abstract_id, Schedule_id, descr, aa_abstr_flag) VALUES (1, 2, 'Έντυπο', 1);
INSERT INTO Schedulelaw (law_id, law_code, title, type_id, all_law_flag) VALUES (1, 'Υ1', 'Υπόδειγμα', 1, 1);
INSERT INTO system_law_parameters VALUES (0);
)SQL";

// The text of `field` in every row of the statement, in order.
inline QStringList columnOf(engine::Connection& connection, const QString& statement,
                            const QString& field,
                            engine::CursorType cursor = engine::CursorType::ForwardOnly) {
    QStringList values;
    engine::Recordset rs = cursor == engine::CursorType::ForwardOnly
                               ? connection.execute(statement)
                               : connection.openRecordset(statement, cursor);
    while (!rs.eof()) {
        values << rs.value(field).toString();
        rs.moveNext();
    }
    rs.close();
    return values;
}

inline void openOn(engine::Connection& connection, const testsupport::FixtureDatabase& db) {
    connection.open(engine::connectionTextFor(db.path(), QStringLiteral("$tr4vo")),
                    QStringLiteral("Admin"), QString());
}

} // namespace enginetest
