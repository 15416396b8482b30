// Related-record lines, into arrays and into list boxes: one-to-many over an
// SQLite table through the engine, many-to-many through it and, for the
// server dialects, through a recording connection.
#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBInit.h"
#include "dbroutines/clsDBbounds.h"
#include "dbroutines/tests/AccessFixture.h"
#include "dbroutines/tests/RecordingConnection.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "routines/ListBoxAdapter.h"
#include "routines/RoutineError.h"
#include "tests/support/FixtureDatabase.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

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

// The list forms, on each list widget the adapter serves.
namespace {

struct ListKind {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

const ListKind kListKinds[] = {
    {"QListWidget", [] { return std::make_unique<QListWidget>(); }},
    {"QComboBox", [] { return std::make_unique<QComboBox>(); }},
};

struct ListContents {
    Texts lines;
    std::vector<qint32> itemData;
};

ListContents contentsOf(const dvRtns4::ListBoxAdapter& box) {
    ListContents c;
    for (qint32 i = 0; i < box.ListCount(); ++i) {
        c.lines.push_back(box.List(i));
        c.itemData.push_back(box.ItemData(i));
    }
    return c;
}

// A list that already holds a line, as a form's list does between fills.
std::unique_ptr<dvRtns4::ListBoxAdapter> staleList(QWidget& widget) {
    auto box = dvRtns4::adaptListBox(widget);
    box->AddItem(QStringLiteral("stale"));
    box->setItemData(box->NewIndex(), 77);
    return box;
}

qint32 routineErrorNumber(const std::function<void()>& call) {
    try {
        call();
    } catch (const dvRtns4::RoutineError& e) {
        return e.number();
    }
    return 0;
}

const char* const ListSql = R"SQL(
CREATE TABLE person (person_id INTEGER PRIMARY KEY, name TEXT, town TEXT, dept_id INTEGER);
INSERT INTO person VALUES (1, ' Άννα ', 'Αθήνα', 10);
INSERT INTO person VALUES (2, 'Βασίλης', NULL, 20);
INSERT INTO person VALUES (3, NULL, NULL, 99);
INSERT INTO person VALUES (4, 'Γιώργος', 'Πάτρα', 10);
CREATE TABLE dept (dept_id INTEGER PRIMARY KEY, title TEXT, code TEXT);
INSERT INTO dept VALUES (10, 'Λογιστήριο', 'L'), (20, 'Γραμματεία', 'G');
CREATE TABLE town (name TEXT, region TEXT);
INSERT INTO town VALUES ('Αθήνα', 'Αττική'), ('Πάτρα', 'Αχαΐα');
CREATE TABLE num AS WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 25)
    SELECT n, 'γραμμή ' || n AS label FROM c;
CREATE TABLE val (id INTEGER PRIMARY KEY, v);
INSERT INTO val VALUES (1, 2.5), (2, 3.5), (3, -2.5), (4, '  12 '), (5, '7.5'), (6, 2147483647),
    (7, -2147483648), (8, 2147483648), (9, -2147483649), (10, 1e300), (11, NULL), (12, 'δώδεκα'),
    (13, ''), (14, x'3132');
CREATE TABLE link (link_id INTEGER PRIMARY KEY, ref);
INSERT INTO link VALUES (1, 10), (2, '20'), (3, 20.5), (4, 'L'), (5, 3000000000);
)SQL";

class BoundsListTest : public dbtest::AccessFixture {
protected:
    BoundsListTest() : AccessFixture(ListSql) {}
    clsDBbounds bounds;
    Texts keys{QStringLiteral("stale")};
};

struct OneToManyCase {
    const char* name;
    QString table;
    QString where;
    QString keyField;
    QString fieldNames;
    std::optional<QString> delimiter; // none: only the required arguments
    qint16 maxLines;
    QString itemDataField;
    QString order;
    ListContents expected;
    Texts expectedKeys;
};

} // namespace

TEST_F(BoundsListTest, OneToManyFillsTheListInOrder) {
    const auto numbered = [](int from, int to) {
        Texts lines;
        for (int n = from; n <= to; ++n)
            lines.push_back(QStringLiteral("γραμμή %1").arg(n));
        return lines;
    };
    const auto ten = numbered(1, 10);
    Texts tenKeys;
    for (int n = 1; n <= 25; ++n)
        tenKeys.push_back(n <= 10 ? QString::number(n) : QString());

    const OneToManyCase cases[] = {
        {"the defaults: delimiter \",\", every row, item data 0; empty lines kept",
         QStringLiteral("person"),
         {},
         QStringLiteral("person_id"),
         QStringLiteral("name,town"),
         std::nullopt,
         0,
         {},
         {},
         {{QStringLiteral("Άννα,Αθήνα"), QStringLiteral("Βασίλης,"), QStringLiteral(","),
           QStringLiteral("Γιώργος,Πάτρα")},
          {0, 0, 0, 0}},
         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}},
        {"condition, order and item data from a field",
         QStringLiteral("person"),
         QStringLiteral("dept_id = 10"),
         QStringLiteral("name"),
         QStringLiteral("town"),
         QStringLiteral(" - "),
         0,
         QStringLiteral("person_id"),
         QStringLiteral("person_id DESC"),
         {{QStringLiteral("Πάτρα"), QStringLiteral("Αθήνα")}, {4, 1}},
         {QStringLiteral("Γιώργος"), QStringLiteral("Άννα")}},
        {"every field in column order, no key field",
         QStringLiteral("dept"),
         QStringLiteral("dept_id = 20"),
         {},
         {},
         QStringLiteral("|"),
         0,
         {},
         {},
         {{QStringLiteral("20|Γραμματεία|G")}, {0}},
         {QString()}},
        {"stops at the maximum, the keys left over stay empty",
         QStringLiteral("num"),
         {},
         QStringLiteral("n"),
         QStringLiteral("label"),
         QStringLiteral(","),
         10,
         QStringLiteral("n"),
         QStringLiteral("n"),
         {ten, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
         tenKeys},
        {"a maximum above the rows reads them all",
         QStringLiteral("num"),
         QStringLiteral("n > 22"),
         {},
         QStringLiteral("label"),
         QStringLiteral(","),
         10,
         {},
         QStringLiteral("n"),
         {numbered(23, 25), {0, 0, 0}},
         {QString(), QString(), QString()}},
        {"no row: an empty list and one empty key",
         QStringLiteral("person"),
         QStringLiteral("person_id > 9"),
         QStringLiteral("person_id"),
         QStringLiteral("name"),
         QStringLiteral(","),
         0,
         QStringLiteral("dept_id"),
         {},
         {},
         {QString()}},
    };
    for (const auto& kind : kListKinds) {
        for (const OneToManyCase& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.name);
            auto widget = kind.make();
            auto box = staleList(*widget);
            keys = {QStringLiteral("stale")};
            if (c.delimiter)
                bounds.GetRecsOM_IntoLstbox(conn, c.table, c.where, c.keyField, c.fieldNames, *box,
                                            keys, *c.delimiter, c.maxLines, c.itemDataField,
                                            c.order);
            else
                bounds.GetRecsOM_IntoLstbox(conn, c.table, c.where, c.keyField, c.fieldNames, *box,
                                            keys);
            const ListContents got = contentsOf(*box);
            EXPECT_EQ(got.lines, c.expected.lines);
            EXPECT_EQ(got.itemData, c.expected.itemData);
            EXPECT_EQ(keys, c.expectedKeys);
        }
    }
}

TEST_F(BoundsListTest, ItemDataIsTheFieldRoundedToAWholeNumberOrAnError) {
    struct Case {
        int id;
        qint32 itemData; // when no error
        qint32 error;    // the routine error raised, 0 for none
    };
    const Case cases[] = {
        {1, 2, 0},          // half to even
        {2, 4, 0},          //
        {3, -2, 0},         //
        {4, 12, 0},         // a text that reads as a number, trimmed
        {5, 8, 0},          //
        {6, 2147483647, 0}, // the range's ends
        {7, -2147483647 - 1, 0},
        {8, 0, 6},   // just outside it: overflow
        {9, 0, 6},   //
        {10, 0, 6},  //
        {11, 0, 94}, // a null
        {12, 0, 13}, // a text that is not a number
        {13, 0, 13}, // an empty text
        {14, 0, 13}, // raw bytes
    };
    for (const auto& kind : kListKinds) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": row " + std::to_string(c.id));
            auto widget = kind.make();
            auto box = dvRtns4::adaptListBox(*widget);
            const qint32 error = routineErrorNumber([&] {
                bounds.GetRecsOM_IntoLstbox(conn, QStringLiteral("val"),
                                            QStringLiteral("id = %1").arg(c.id),
                                            QStringLiteral("id"), QStringLiteral("id"), *box, keys,
                                            QStringLiteral(","), 0, QStringLiteral("v"));
            });
            EXPECT_EQ(error, c.error);
            // The line was added before its item data failed, and stays.
            ASSERT_EQ(box->ListCount(), 1);
            EXPECT_EQ(box->List(0), QString::number(c.id));
            if (c.error == 0) {
                EXPECT_EQ(box->ItemData(0), c.itemData);
            }
        }
    }
    EXPECT_EQ(lastDBError().number, 0); // nothing recorded
}

TEST_F(BoundsListTest, ManyToManyAddsALinePerRowWithTheNumericKey) {
    struct Case {
        const char* name;
        QString table1, where1, table2, key1, key2, fields2;
        std::optional<QString> delimiter;
        ListContents expected;
    };
    const Case cases[] = {
        {"numeric keys; a row without a related row gives an empty line",
         QStringLiteral("person"),
         QStringLiteral("1=1"),
         QStringLiteral("dept"),
         QStringLiteral("dept_id"),
         QStringLiteral("dept_id"),
         QStringLiteral("title,code"),
         std::nullopt,
         {{QStringLiteral("Λογιστήριο,L"), QStringLiteral("Γραμματεία,G"), QString(),
           QStringLiteral("Λογιστήριο,L")},
          {10, 20, 99, 10}}},
        {"text keys give 0, a null key an empty line",
         QStringLiteral("person"),
         QStringLiteral("person_id <> 3"),
         QStringLiteral("town"),
         QStringLiteral("town"),
         QStringLiteral("name"),
         QStringLiteral("region,name"),
         QStringLiteral(" - "),
         {{QStringLiteral("Αττική - Αθήνα"), QString(), QStringLiteral("Αχαΐα - Πάτρα")},
          {0, 0, 0}}},
        {"a key that reads as a number is one, rounded half to even",
         QStringLiteral("link"),
         QStringLiteral("link_id < 5"),
         QStringLiteral("dept"),
         QStringLiteral("ref"),
         QStringLiteral("dept_id"),
         QStringLiteral("title"),
         std::nullopt,
         {{QStringLiteral("Λογιστήριο"), QStringLiteral("Γραμματεία"), QString(), QString()},
          {10, 20, 20, 0}}},
        {"no row in the first table: an empty list",
         QStringLiteral("person"),
         QStringLiteral("person_id > 9"),
         QStringLiteral("dept"),
         QStringLiteral("dept_id"),
         QStringLiteral("dept_id"),
         QStringLiteral("title"),
         std::nullopt,
         {}},
    };
    for (const auto& kind : kListKinds) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.name);
            auto widget = kind.make();
            auto box = staleList(*widget);
            if (c.delimiter)
                bounds.GetRecsMM_IntoLstbox(conn, c.table1, c.where1, c.table2, c.key1, c.key2,
                                            c.fields2, *box, *c.delimiter);
            else
                bounds.GetRecsMM_IntoLstbox(conn, c.table1, c.where1, c.table2, c.key1, c.key2,
                                            c.fields2, *box);
            const ListContents got = contentsOf(*box);
            EXPECT_EQ(got.lines, c.expected.lines);
            EXPECT_EQ(got.itemData, c.expected.itemData);
        }
    }
}

TEST_F(BoundsListTest, FailuresReachTheCallerWithTheListCleared) {
    for (const auto& kind : kListKinds) {
        SCOPED_TRACE(kind.name);
        keys = {QStringLiteral("stale")};
        auto widget = kind.make();
        auto box = staleList(*widget);
        EXPECT_THROW(
            bounds.GetRecsOM_IntoLstbox(conn, QStringLiteral("nosuch"), {}, {}, {}, *box, keys),
            engine::EngineError);
        EXPECT_EQ(box->ListCount(), 0);
        EXPECT_EQ(keys, Texts{QStringLiteral("stale")});

        box = staleList(*widget);
        EXPECT_THROW(bounds.GetRecsMM_IntoLstbox(conn, QStringLiteral("nosuch"),
                                                 QStringLiteral("1=1"), QStringLiteral("dept"),
                                                 QStringLiteral("a"), QStringLiteral("b"),
                                                 QStringLiteral("title"), *box),
                     engine::EngineError);
        EXPECT_EQ(box->ListCount(), 0);

        // An unknown field fails on the first row, after its line went in.
        box = staleList(*widget);
        EXPECT_THROW(bounds.GetRecsOM_IntoLstbox(conn, QStringLiteral("person"), {},
                                                 QStringLiteral("nosuch"), QStringLiteral("name"),
                                                 *box, keys),
                     engine::EngineError);
        EXPECT_EQ(contentsOf(*box).lines, Texts{QStringLiteral("Άννα")});

        // A key beyond 32 bits cannot be item data: the rows before it stay.
        box = staleList(*widget);
        EXPECT_EQ(routineErrorNumber([&] {
                      bounds.GetRecsMM_IntoLstbox(conn, QStringLiteral("link"),
                                                  QStringLiteral("link_id >= 4 ORDER BY link_id"),
                                                  QStringLiteral("dept"), QStringLiteral("ref"),
                                                  QStringLiteral("dept_id"),
                                                  QStringLiteral("title"), *box);
                  }),
                  dvRtns4::RoutineError::Overflow);
        EXPECT_EQ(contentsOf(*box).lines, (Texts{QString(), QString()}));
    }
    EXPECT_EQ(lastDBError().number, 0);
}

TEST(BoundsServerTest, ListFormsSendTheirTextsToServers) {
    for (const enum_DBtype type : {db_SQLServer, db_Oracle}) {
        SCOPED_TRACE(type);
        resetLibraryState();
        clsDBInit::DravikDBrtns_Init(type);
        dbtest::RecordingConnection server;
        server.answer(QStringLiteral("SELECT * FROM t Where a > 1 ORDER BY b, c"),
                      QStringLiteral("SELECT 7 AS id, ' x ' AS b UNION ALL SELECT 8, 'y'"));
        server.answer(QStringLiteral("SELECT * FROM a Where x=1"),
                      QStringLiteral("SELECT 5 AS k UNION ALL SELECT 'O''K' ORDER BY 1"));
        server.answer(QStringLiteral("SELECT d,e FROM b Where kb='5'"),
                      QStringLiteral("SELECT ' five ' AS d, NULL AS e"));
        QListWidget list;
        auto box = dvRtns4::adaptListBox(list);
        Texts keys;
        clsDBbounds bounds;
        bounds.GetRecsOM_IntoLstbox(server, QStringLiteral("t"), QStringLiteral("a > 1"),
                                    QStringLiteral("id"), QStringLiteral("b"), *box, keys,
                                    QStringLiteral(","), 0, QStringLiteral("id"),
                                    QStringLiteral("b, c"));
        EXPECT_EQ(contentsOf(*box).lines, (Texts{QStringLiteral("x"), QStringLiteral("y")}));
        EXPECT_EQ(contentsOf(*box).itemData, (std::vector<qint32>{7, 8}));
        EXPECT_EQ(keys, (Texts{QStringLiteral("7"), QStringLiteral("8")}));
        bounds.GetRecsOM_IntoLstbox(server, QStringLiteral("t"), {}, {}, {}, *box, keys);
        bounds.GetRecsMM_IntoLstbox(server, QStringLiteral("a"), QStringLiteral("x=1"),
                                    QStringLiteral("b"), QStringLiteral("k"), QStringLiteral("kb"),
                                    QStringLiteral("d,e"), *box, QStringLiteral("/"));
        EXPECT_EQ(
            server.texts(),
            (Texts{QStringLiteral("SELECT * FROM t Where a > 1 ORDER BY b, c"),
                   QStringLiteral("SELECT * FROM t"), QStringLiteral("SELECT * FROM a Where x=1"),
                   QStringLiteral("SELECT d,e FROM b Where kb='5'"),
                   QStringLiteral("SELECT d,e FROM b Where kb='O''K'")}));
        ASSERT_EQ(server.calls.size(), 5u);
        EXPECT_EQ(server.calls[0].cursor, engine::CursorType::Keyset);
        EXPECT_EQ(server.calls[2].cursor, engine::CursorType::ForwardOnly);
        EXPECT_EQ(contentsOf(*box).lines, (Texts{QStringLiteral("five/"), QString()}));
        EXPECT_EQ(contentsOf(*box).itemData, (std::vector<qint32>{5, 0}));
        resetLibraryState();
    }
}
