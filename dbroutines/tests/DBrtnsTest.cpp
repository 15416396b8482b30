// The record routines: for Access against a small SQLite database through the
// engine, with the rows checked afterwards; for SQL Server and Oracle through
// a recording connection, every statement compared blank for blank.
#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBInit.h"
#include "dbroutines/clsDBrtns.h"
#include "dbroutines/tests/AccessFixture.h"
#include "dbroutines/tests/RecordingConnection.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "tests/support/FixtureDatabase.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>

using namespace dvDBrtns4;
using dvRtns4::Variant;

namespace {

const char* const ItemsSql = R"SQL(
CREATE TABLE item (item_id INTEGER PRIMARY KEY, code INTEGER, descr TEXT, amount REAL, note TEXT);
INSERT INTO item VALUES (1, 10, '  Πρώτο  ', 1.5, NULL);
INSERT INTO item VALUES (2, 20, 'O''Brien', 2.5, '12');
INSERT INTO item VALUES (3, 30, '', 3.5, 'x');
CREATE TABLE empty_item (item_id INTEGER PRIMARY KEY, code INTEGER);
)SQL";

class AccessRoutinesTest : public dbtest::AccessFixture {
protected:
    AccessRoutinesTest() : AccessFixture(ItemsSql) {}

    // Every row of a statement, each as its columns joined by "|".
    QStringList rows(const QString& sql) {
        QStringList out;
        engine::Recordset rs = conn.execute(sql);
        for (; !rs.eof(); rs.moveNext()) {
            QStringList fields;
            for (int i = 0; i < rs.fieldCount(); ++i)
                fields << rs.field(i).value().toString();
            out << fields.join(u'|');
        }
        return out;
    }
};

struct GetRecCase {
    const char* where;
    const char* fieldNames;
    bool quoted;
    const char* delimiter;
    const char* expected;
};

} // namespace

TEST_F(AccessRoutinesTest, GetRecJoinsTheFirstRowsFields) {
    const GetRecCase cases[] = {
        {"item_id = 1", "descr,note", false, ",", "Πρώτο,"},         // trimmed; null as empty
        {"item_id = 2", "descr,note", true, ",", "'O''Brien','12'"}, // quoted values
        {"item_id = 1", "note", true, ",", "''"},                    // a quoted null
        {"item_id = 3", "descr", false, ",", ","}, // an empty text leaves the delimiter
        {"item_id = 3", "descr", false, " - ", " - "},
        {"item_id = 2", "", false, ";", "2;20;O'Brien;2.5;12"}, // every field in order
        {"", "code", false, ",", "10"},                         // no condition: first row
        {"item_id = 99", "code", false, ",", ""},               // no row
    };
    for (const GetRecCase& c : cases) {
        SCOPED_TRACE(c.where);
        QString fields = QString::fromUtf8(c.fieldNames);
        EXPECT_EQ(clsDBrtns::GetRec(conn, QStringLiteral("item"), QString::fromUtf8(c.where),
                                    fields, c.quoted, QString::fromUtf8(c.delimiter)),
                  QString::fromUtf8(c.expected));
    }
}

TEST_F(AccessRoutinesTest, GetRecWritesTheTrimmedFieldListBackAndPassesErrorsOn) {
    QString fields = QStringLiteral("  code  ");
    EXPECT_EQ(
        clsDBrtns::GetRec(conn, QStringLiteral("item"), QStringLiteral("item_id = 2"), fields),
        QStringLiteral("20"));
    EXPECT_EQ(fields, QStringLiteral("code"));

    // Names are used as split: a blank after the comma names no field.
    fields = QStringLiteral("code, descr");
    EXPECT_THROW(clsDBrtns::GetRec(conn, QStringLiteral("item"), QString(), fields),
                 engine::EngineError);
    EXPECT_TRUE(clsDBrtns::GetDBError_Full().isEmpty()); // nothing recorded
}

TEST_F(AccessRoutinesTest, AddRecInsertsFromListsOrNamedArguments) {
    EXPECT_EQ(clsDBrtns::AddRec(conn, QStringLiteral("item"), false, {},
                                QStringLiteral("item_id,code,descr"), QStringLiteral("7,70,'z'")),
              Variant(true));
    // From Args: names upper-cased, values trimmed, an element without a
    // name skipped, sValues ignored.
    const std::vector<Variant> args{Variant("code = 5"), Variant("descr='A'"), Variant("=7"),
                                    Variant("no pair")};
    EXPECT_EQ(clsDBrtns::AddRec(conn, QStringLiteral("item"), false, {}, {},
                                QStringLiteral("ignored"), args),
              Variant(true));
    EXPECT_EQ(rows(QStringLiteral("SELECT item_id, code, descr FROM item WHERE item_id > 3 "
                                  "ORDER BY item_id")),
              (QStringList{QStringLiteral("7|70|z"), QStringLiteral("8|5|A")}));
    EXPECT_TRUE(clsDBrtns::GetDBError_Full().isEmpty());
}

TEST_F(AccessRoutinesTest, AddRecReturnsTheNewKeyWhenAsked) {
    const Variant id = clsDBrtns::AddRec(conn, QStringLiteral("item"), true, {},
                                         QStringLiteral("code"), QStringLiteral("99"));
    ASSERT_EQ(id.kind(), Variant::Kind::Integer);
    EXPECT_EQ(rows(QStringLiteral("SELECT code FROM item WHERE item_id = ") + id.toString()),
              QStringList{QStringLiteral("99")});
}

TEST_F(AccessRoutinesTest, FailuresAreRecordedAndReportedThroughTheResult) {
    const QString engineSource = QString::fromLatin1(engine::ErrorSource);
    struct Case {
        const char* routine;
        std::function<Variant()> call;
        Variant failed;
    };
    const Case cases[] = {
        {"AddRec: nosuch",
         [&] {
             return clsDBrtns::AddRec(conn, QStringLiteral("nosuch"), false, {},
                                      QStringLiteral("a"), QStringLiteral("1"));
         },
         Variant::null()},
        {"AddRec: item", // a key that exists
         [&] {
             return clsDBrtns::AddRec(conn, QStringLiteral("item"), true, {},
                                      QStringLiteral("item_id"), QStringLiteral("1"));
         },
         Variant::null()},
        {"UpdateRec: item", // the WHERE part is always added
         [&] {
             return Variant(
                 clsDBrtns::UpdateRec(conn, QStringLiteral("item"), {}, QStringLiteral("code=1")));
         },
         Variant(false)},
        {"DeleteRecs: item",
         [&] { return Variant(clsDBrtns::DeleteRecs(conn, QStringLiteral("item"), {})); },
         Variant(false)},
        {"SeqCurVal: seq_item", // no sequences in this engine
         [&] { return clsDBrtns::SequenceVal(conn, QStringLiteral("seq_item"), true); },
         Variant(-1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.routine);
        resetLibraryState();
        clsDBInit::DravikDBrtns_Init(db_Access);
        EXPECT_EQ(c.call(), c.failed);
        qint32 number = 0;
        QString source;
        QString description;
        clsDBrtns::GetDBError(number, source, description);
        EXPECT_NE(number, 0);
        EXPECT_EQ(source, QString::fromUtf8(c.routine) + QStringLiteral(" > ") + engineSource);
        EXPECT_FALSE(description.isEmpty());
    }
    EXPECT_EQ(rows(QStringLiteral("SELECT count(*) FROM item")), QStringList{QStringLiteral("3")});

    // A later success leaves the failure readable.
    const QString before = clsDBrtns::GetDBError_Full();
    EXPECT_TRUE(clsDBrtns::DeleteRecs(conn, QStringLiteral("item"), QStringLiteral("item_id=3")));
    EXPECT_EQ(clsDBrtns::GetDBError_Full(), before);
}

TEST_F(AccessRoutinesTest, UpdateAndDeleteChangeTheSelectedRows) {
    EXPECT_TRUE(clsDBrtns::UpdateRec(conn, QStringLiteral("item"), QStringLiteral("item_id=1"),
                                     QStringLiteral("code=11, note='n'")));
    // From Args: the non-blank elements, unchanged, joined by ",".
    const std::vector<Variant> args{Variant("code=22"), Variant("  "), Variant("descr='B'")};
    EXPECT_TRUE(
        clsDBrtns::UpdateRec(conn, QStringLiteral("item"), QStringLiteral("item_id=2"), {}, args));
    EXPECT_EQ(rows(QStringLiteral("SELECT code, descr, note FROM item ORDER BY item_id")),
              (QStringList{QStringLiteral("11|  Πρώτο  |n"), QStringLiteral("22|B|12"),
                           QStringLiteral("30||x")}));

    EXPECT_TRUE(clsDBrtns::DeleteRecs(conn, QStringLiteral("item"), QStringLiteral("code > 25")));
    EXPECT_EQ(rows(QStringLiteral("SELECT item_id FROM item ORDER BY item_id")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(clsDBrtns::DeleteRecs(conn, QStringLiteral("item"), QStringLiteral("*")));
    EXPECT_TRUE(rows(QStringLiteral("SELECT item_id FROM item")).isEmpty());
}

TEST_F(AccessRoutinesTest, MaximumAndExistence) {
    EXPECT_EQ(clsDBrtns::MaxVal_ofField(conn, QStringLiteral("item"), QStringLiteral("code")), 30);
    EXPECT_EQ(clsDBrtns::MaxVal_ofField(conn, QStringLiteral("item"), QStringLiteral("code"),
                                        QStringLiteral("code < 30")),
              20);
    EXPECT_EQ(clsDBrtns::MaxVal_ofField(conn, QStringLiteral("item"), QStringLiteral("amount")),
              4); // 3.5 rounds half to even
    EXPECT_EQ(clsDBrtns::MaxVal_ofField(conn, QStringLiteral("empty_item"), QStringLiteral("code")),
              0);
    EXPECT_TRUE(clsDBrtns::RecExist(conn, QStringLiteral("item"), QStringLiteral("code = 20")));
    EXPECT_FALSE(clsDBrtns::RecExist(conn, QStringLiteral("item"), QStringLiteral("code = 21")));
    EXPECT_THROW(clsDBrtns::RecExist(conn, QStringLiteral("nosuch"), QStringLiteral("1=1")),
                 engine::EngineError);
}

TEST_F(AccessRoutinesTest, ServerTimeIsTheEnginesClock) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QDateTime now = clsDBrtns::ServerDateTime(conn);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
    const QDateTime today = clsDBrtns::ServerDate(conn);
    EXPECT_EQ(today.time(), QTime(0, 0));
    EXPECT_LE(std::abs(today.date().daysTo(now.date())), 1);
}

namespace {

class ServerDialectTest : public testing::Test {
protected:
    void SetUp() override { resetLibraryState(); }
    void TearDown() override { resetLibraryState(); }
    dbtest::RecordingConnection conn;
};

using Texts = std::vector<QString>;

} // namespace

TEST_F(ServerDialectTest, AddRecTextsAndKeyReadBack) {
    const std::vector<Variant> args{Variant("a=1"), Variant("b='x'")};
    struct Case {
        enum_DBtype type;
        bool returnId;
        const char* identityAnswer; // rows answering the read-back, or none
        Texts sent;
        Variant result;
    };
    const QString insert = QStringLiteral("INSERT INTO t (A,B) VALUES (1,'x')");
    const Case cases[] = {
        {db_SQLServer, false, nullptr, {insert}, Variant(true)},
        {db_SQLServer,
         true,
         "SELECT 42 AS NewID",
         {QStringLiteral("SET NOCOUNT ON;") + insert, QStringLiteral("SELECT @@IDENTITY AS NewID")},
         Variant(std::int64_t{42})},
        {db_Oracle, false, nullptr, {insert}, Variant(true)},
        {db_Oracle,
         true,
         "SELECT 7 AS NewID",
         {insert, QStringLiteral("SELECT seq_t.CURRVAL AS NewID FROM DUAL")},
         Variant(std::int64_t{7})},
        {db_Oracle, // a null key is handed back as it is
         true,
         "SELECT NULL AS NewID",
         {insert, QStringLiteral("SELECT seq_t.CURRVAL AS NewID FROM DUAL")},
         Variant::null()},
        {db_typeUknown, true, nullptr, {}, Variant()}, // nothing sent, Empty
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.returnId);
        dbtest::RecordingConnection server;
        if (c.identityAnswer) {
            server.answer(QStringLiteral("SELECT @@IDENTITY AS NewID"),
                          QString::fromUtf8(c.identityAnswer));
            server.answer(QStringLiteral("SELECT seq_t.CURRVAL AS NewID FROM DUAL"),
                          QString::fromUtf8(c.identityAnswer));
        }
        resetLibraryState();
        if (c.type != db_typeUknown)
            clsDBInit::DravikDBrtns_Init(c.type);
        EXPECT_EQ(clsDBrtns::AddRec(server, QStringLiteral("t"), c.returnId,
                                    QStringLiteral("seq_t"), {}, {}, args),
                  c.result);
        EXPECT_EQ(server.texts(), c.sent);
        EXPECT_TRUE(clsDBrtns::GetDBError_Full().isEmpty());
    }
}

TEST_F(ServerDialectTest, SqlServerNullKeyIsRecordedAsTheLibrarysOwnError) {
    clsDBInit::DravikDBrtns_Init(db_SQLServer);
    conn.answer(QStringLiteral("SELECT @@IDENTITY AS NewID"),
                QStringLiteral("SELECT NULL AS NewID"));
    EXPECT_EQ(clsDBrtns::AddRec(conn, QStringLiteral("t"), true, {}, QStringLiteral("a"),
                                QStringLiteral("1")),
              Variant::null());
    qint32 number = 0;
    QString source;
    QString description;
    clsDBrtns::GetDBError(number, source, description);
    EXPECT_EQ(number, -2147220504);
    EXPECT_EQ(source, QStringLiteral("AddRec: t > clsDBrtns"));
    EXPECT_EQ(description, QStringLiteral("AddRec - ID returned is NULL !!!"));
}

TEST_F(ServerDialectTest, StatementTextsOfTheOtherRoutines) {
    clsDBInit::DravikDBrtns_Init(db_Oracle);
    conn.answer(QStringLiteral("SELECT seq_t.nextval AS NewID FROM DUAL"),
                QStringLiteral("SELECT 5 AS NewID"));
    conn.answer(QStringLiteral("SELECT seq_t.currval AS NewID FROM DUAL"),
                QStringLiteral("SELECT 1 AS NewID WHERE 0"));
    conn.answer(QStringLiteral("SELECT MAX(code) as MAX_VAL  FROM t WHERE a=1"),
                QStringLiteral("SELECT 12 AS MAX_VAL"));
    conn.answer(QStringLiteral("SELECT 'x'  FROM t Where a=1"), QStringLiteral("SELECT 'x'"));
    conn.answer(QStringLiteral("SELECT a,b FROM t Where a=1"),
                QStringLiteral("SELECT 'p' AS a, ' q ' AS b"));

    EXPECT_EQ(clsDBrtns::SequenceVal(conn, QStringLiteral("seq_t"), true), Variant(5));
    EXPECT_EQ(clsDBrtns::SequenceVal(conn, QStringLiteral("seq_t"), false), Variant(-1)); // no row
    EXPECT_TRUE(clsDBrtns::UpdateRec(conn, QStringLiteral("t"), QStringLiteral("a=1"),
                                     QStringLiteral("b=2")));
    EXPECT_TRUE(clsDBrtns::DeleteRecs(conn, QStringLiteral("t"), QStringLiteral("a=1")));
    EXPECT_TRUE(clsDBrtns::DeleteRecs(conn, QStringLiteral("t"), QStringLiteral("*")));
    EXPECT_EQ(clsDBrtns::MaxVal_ofField(conn, QStringLiteral("t"), QStringLiteral("code"),
                                        QStringLiteral("a=1")),
              12);
    EXPECT_EQ(clsDBrtns::MaxVal_ofField(conn, QStringLiteral("t"), QStringLiteral("code")), 0);
    EXPECT_TRUE(clsDBrtns::RecExist(conn, QStringLiteral("t"), QStringLiteral("a=1")));
    QString fields = QStringLiteral("a,b");
    EXPECT_EQ(clsDBrtns::GetRec(conn, QStringLiteral("t"), QStringLiteral("a=1"), fields, false,
                                QStringLiteral(" - ")),
              QStringLiteral("p - q"));

    EXPECT_EQ(conn.texts(), (Texts{
                                QStringLiteral("SELECT seq_t.nextval AS NewID FROM DUAL"),
                                QStringLiteral("SELECT seq_t.currval AS NewID FROM DUAL"),
                                QStringLiteral("UPDATE t SET b=2 WHERE a=1"),
                                QStringLiteral("DELETE FROM t WHERE a=1"),
                                QStringLiteral("DELETE FROM t"),
                                QStringLiteral("SELECT MAX(code) as MAX_VAL  FROM t WHERE a=1"),
                                QStringLiteral("SELECT MAX(code) as MAX_VAL  FROM t"),
                                QStringLiteral("SELECT 'x'  FROM t Where a=1"),
                                QStringLiteral("SELECT a,b FROM t Where a=1"),
                            }));
    // The read-only results ask for the cursors the routines need.
    EXPECT_EQ(conn.calls[0].cursor, engine::CursorType::Static);
    EXPECT_EQ(conn.calls[8].cursor, engine::CursorType::Keyset);
    EXPECT_EQ(conn.calls[8].lock, engine::LockType::ReadOnly);
    // The second sequence read found no row: recorded as a failure.
    qint32 number = 0;
    QString source;
    QString description;
    clsDBrtns::GetDBError(number, source, description);
    EXPECT_EQ(number, 3021);
    EXPECT_EQ(source.left(18), QStringLiteral("SeqCurVal: seq_t >"));
}

TEST_F(ServerDialectTest, ServerDateTimePerDialect) {
    conn.answer(QStringLiteral("SELECT GETDATE() AS T"),
                QStringLiteral("SELECT '2030-02-01 13:45:10' AS T"));
    clsDBInit::DravikDBrtns_Init(db_SQLServer);
    EXPECT_EQ(clsDBrtns::ServerDateTime(conn), QDateTime(QDate(2030, 2, 1), QTime(13, 45, 10)));
    // The date part, also past the two-digit year window.
    EXPECT_EQ(clsDBrtns::ServerDate(conn), QDateTime(QDate(2030, 2, 1), QTime(0, 0)));
    EXPECT_EQ(conn.texts(), (Texts{QStringLiteral("SELECT GETDATE() AS T"),
                                   QStringLiteral("SELECT GETDATE() AS T")}));
    EXPECT_EQ(conn.calls[0].cursor, engine::CursorType::ForwardOnly);

    conn.calls.clear();
    clsDBInit::DravikDBrtns_Init(db_Oracle);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QDateTime local = clsDBrtns::ServerDateTime(conn);
    EXPECT_LE(before, local);
    EXPECT_LE(local, QDateTime::currentDateTime().addSecs(1));
    EXPECT_TRUE(conn.calls.empty());

    resetLibraryState();
    EXPECT_EQ(clsDBrtns::ServerDateTime(conn), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_TRUE(conn.calls.empty());
}

TEST_F(ServerDialectTest, DateLiteralsPerDialect) {
    const QDateTime dt(QDate(2003, 2, 1), QTime(14, 5, 9));
    struct Case {
        enum_DBtype type;
        const char* pattern;
        const char* literal;
    };
    const Case cases[] = {
        {db_Access, "dd/mm/yyyy", "#01/02/2003#"},
        {db_Access, "d/m/yy hh:nn:ss", "#1/2/03 14:05:09#"},
        {db_Access, "yyyy-mm-dd hh:mm", "#2003-02-01 14:05#"}, // m after an hour: minutes
        {db_SQLServer, "dd/mm/yyyy", "CONVERT(datetime,'2003-02-01 14:05:09',120)"},
        {db_Oracle, "DD/MM/YYYY", "TO_DATE('01/02/2003','DD/MM/YYYY')"},
        {db_typeUknown, "dd/mm/yyyy", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        resetLibraryState();
        if (c.type != db_typeUknown)
            clsDBInit::DravikDBrtns_Init(c.type);
        EXPECT_EQ(clsDBrtns::ConvDateTime(dt, QString::fromUtf8(c.pattern)),
                  QString::fromUtf8(c.literal));
    }

    clsDBInit::DravikDBrtns_Init(db_Access);
    EXPECT_EQ(clsDBrtns::ConvDateTime(dt), QStringLiteral("#01/02/2003#"));
    const QDateTime later(QDate(2003, 2, 5), QTime(0, 0));
    EXPECT_EQ(clsDBrtns::fCondDates(QStringLiteral("d"), dt, later),
              QStringLiteral(" (d between #01/02/2003# AND #05/02/2003#) "));
    EXPECT_EQ(clsDBrtns::fCondDates(QStringLiteral("d"), later, later),
              QStringLiteral(" (d=#05/02/2003#) "));
    clsDBInit::DravikDBrtns_Init(db_SQLServer);
    EXPECT_EQ(clsDBrtns::fCondDates(QStringLiteral("d"), later, later),
              QStringLiteral(" (d=CONVERT(datetime,'2003-02-05 00:00:00',120)) "));
}

TEST_F(ServerDialectTest, CheckDateMovesOnlyOutOfRangeSqlServerDates) {
    const int thisYear = QDate::currentDate().year();
    const QDateTime old(QDate(1700, 3, 15), QTime(10, 0));
    const QDateTime inRange(QDate(1754, 3, 15), QTime(10, 0));
    clsDBInit::DravikDBrtns_Init(db_SQLServer);
    EXPECT_EQ(clsDBrtns::CheckDate(old), QDateTime(QDate(thisYear, 3, 15), QTime(0, 0)));
    EXPECT_EQ(clsDBrtns::CheckDate(QDateTime(QDate(3001, 1, 2), QTime(0, 0))),
              QDateTime(QDate(thisYear, 1, 2), QTime(0, 0)));
    EXPECT_EQ(clsDBrtns::CheckDate(inRange), inRange);
    const QDate leap =
        QDate::isLeapYear(thisYear) ? QDate(thisYear, 2, 29) : QDate(thisYear, 2, 28);
    EXPECT_EQ(clsDBrtns::CheckDate(QDateTime(QDate(1600, 2, 29), QTime(0, 0))).date(), leap);
    clsDBInit::DravikDBrtns_Init(db_Access);
    EXPECT_EQ(clsDBrtns::CheckDate(old), old);
}

TEST(FixFieldValTest, TrimmedTextOrEmpty) {
    EXPECT_EQ(clsDBrtns::FixFieldVal(Variant()), QString());
    EXPECT_EQ(clsDBrtns::FixFieldVal(Variant::null()), QString());
    EXPECT_EQ(clsDBrtns::FixFieldVal(Variant("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(clsDBrtns::FixFieldVal(Variant(12)), QStringLiteral("12"));
}
