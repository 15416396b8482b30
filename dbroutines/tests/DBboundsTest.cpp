// Related-record lines: one-to-many over an SQLite table through the engine,
// many-to-many through it and, for a server dialect, through a recording
// connection.
#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBInit.h"
#include "dbroutines/clsDBbounds.h"
#include "dbroutines/tests/AccessFixture.h"
#include "dbroutines/tests/RecordingConnection.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "tests/support/FixtureDatabase.h"

#include <gtest/gtest.h>

using namespace dvDBrtns4;

namespace {

using Texts = std::vector<QString>;

const char* const RelatedSql = R"SQL(
CREATE TABLE person (person_id INTEGER PRIMARY KEY, name TEXT, town TEXT, dept_id INTEGER);
INSERT INTO person VALUES (1, ' Άννα ', 'Αθήνα', 10);
INSERT INTO person VALUES (2, 'Βασίλης', NULL, 20);
INSERT INTO person VALUES (3, NULL, NULL, 99);
INSERT INTO person VALUES (4, 'Γιώργος', 'Πάτρα', 10);
CREATE TABLE dept (dept_id INTEGER PRIMARY KEY, title TEXT, code TEXT);
INSERT INTO dept VALUES (10, 'Λογιστήριο', 'L'), (20, 'Γραμματεία', 'G');
)SQL";

class BoundsTest : public dbtest::AccessFixture {
protected:
    BoundsTest() : AccessFixture(RelatedSql) {}
    clsDBbounds bounds;
    Texts keys{QStringLiteral("stale")};
    Texts recs{QStringLiteral("stale")};
};

} // namespace

TEST_F(BoundsTest, OneToManyLinesInOrderSkippingEmptyLines) {
    bounds.GetRecsOM(conn, QStringLiteral("person"), QStringLiteral("person_id < 4"),
                     QStringLiteral("person_id"), QStringLiteral("name,town"), keys, recs);
    // Row 3 has only nulls, so its line is the delimiter itself, not empty.
    EXPECT_EQ(keys, (Texts{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(recs, (Texts{QStringLiteral("Άννα - Αθήνα"), QStringLiteral("Βασίλης - "),
                           QStringLiteral(" - ")}));

    // Without a delimiter a null gives an empty line: skipped, and the
    // positions left over stay empty at the end.
    bounds.GetRecsOM(conn, QStringLiteral("person"), {}, QStringLiteral("person_id"),
                     QStringLiteral("town"), keys, recs, QString(),
                     QStringLiteral("person_id DESC"));
    EXPECT_EQ(keys, (Texts{QStringLiteral("4"), QStringLiteral("1"), {}, {}}));
    EXPECT_EQ(recs, (Texts{QStringLiteral("Πάτρα"), QStringLiteral("Αθήνα"), {}, {}}));

    // No field list: every field in column order.
    bounds.GetRecsOM(conn, QStringLiteral("dept"), QStringLiteral("dept_id = 20"),
                     QStringLiteral("code"), {}, keys, recs, QStringLiteral("|"));
    EXPECT_EQ(keys, Texts{QStringLiteral("G")});
    EXPECT_EQ(recs, Texts{QStringLiteral("20|Γραμματεία|G")});
}

TEST_F(BoundsTest, NoRowLeavesOneEmptyKeyAndTheLinesAsTheyWere) {
    bounds.GetRecsOM(conn, QStringLiteral("person"), QStringLiteral("person_id > 9"),
                     QStringLiteral("person_id"), QStringLiteral("name"), keys, recs);
    EXPECT_EQ(keys, Texts{QString()});
    EXPECT_EQ(recs, Texts{QStringLiteral("stale")});
    recs = {QStringLiteral("stale")};
    bounds.GetRecsMM(conn, QStringLiteral("person"), QStringLiteral("person_id > 9"),
                     QStringLiteral("dept"), QStringLiteral("dept_id"), QStringLiteral("dept_id"),
                     QStringLiteral("title"), keys, recs);
    EXPECT_EQ(keys, Texts{QString()});
    EXPECT_EQ(recs, Texts{QStringLiteral("stale")});
}

TEST_F(BoundsTest, ManyToManyFindsTheRelatedRowOfEachRow) {
    bounds.GetRecsMM(conn, QStringLiteral("person"), QStringLiteral("1=1"), QStringLiteral("dept"),
                     QStringLiteral("dept_id"), QStringLiteral("dept_id"),
                     QStringLiteral("title,code"), keys, recs);
    // Person 3's department does not exist: no line, its position at the end.
    EXPECT_EQ(keys, (Texts{QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("10"), {}}));
    EXPECT_EQ(recs, (Texts{QStringLiteral("Λογιστήριο - L"),
                           QStringLiteral("Γραμματεία - G"),
                           QStringLiteral("Λογιστήριο - L"),
                           {}}));
}

TEST_F(BoundsTest, ErrorsReachTheCallerUnrecorded) {
    EXPECT_THROW(bounds.GetRecsOM(conn, QStringLiteral("person"), {}, QStringLiteral("person_id"),
                                  QStringLiteral("nosuch"), keys, recs),
                 engine::EngineError);
    EXPECT_THROW(bounds.GetRecsMM(conn, QStringLiteral("nosuch"), QStringLiteral("1=1"),
                                  QStringLiteral("dept"), QStringLiteral("a"), QStringLiteral("b"),
                                  QStringLiteral("title"), keys, recs),
                 engine::EngineError);
    EXPECT_EQ(lastDBError().number, 0);
}

TEST(BoundsServerTest, ManyToManyQuotesTheKeyForServers) {
    resetLibraryState();
    clsDBInit::DravikDBrtns_Init(db_Oracle);
    dbtest::RecordingConnection server;
    server.answer(QStringLiteral("SELECT * FROM a Where x=1"),
                  QStringLiteral("SELECT 5 AS k UNION ALL SELECT 'O''K' ORDER BY 1"));
    server.answer(QStringLiteral("SELECT d FROM b Where kb='5'"),
                  QStringLiteral("SELECT ' five ' AS d"));
    std::vector<QString> keys;
    std::vector<QString> recs;
    clsDBbounds().GetRecsMM(server, QStringLiteral("a"), QStringLiteral("x=1"), QStringLiteral("b"),
                            QStringLiteral("k"), QStringLiteral("kb"), QStringLiteral("d"), keys,
                            recs);
    EXPECT_EQ(server.texts(), (Texts{QStringLiteral("SELECT * FROM a Where x=1"),
                                     QStringLiteral("SELECT d FROM b Where kb='5'"),
                                     QStringLiteral("SELECT d FROM b Where kb='O''K'")}));
    EXPECT_EQ(keys, (Texts{QStringLiteral("5"), {}}));
    EXPECT_EQ(recs, (Texts{QStringLiteral("five"), {}}));
    resetLibraryState();
}
