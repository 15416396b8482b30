// The plans SQLite makes, in the shipped schema, for the statements that run
// once per tree node, once per act row or once per row of an act: each must
// find its rows through an index, without building one on the fly, and the
// ones marked so without reading the table's rows (which hold texts of many
// KB) or sorting. A schema change that loses an index fails here instead of
// making a large database slow. The plans are those of the statements as the
// engine prepares them, with their values bound.
#include "app/store/Statements.h"
#include "engine/Connection.h"
#include "engine/StatementTrace.h"
#include "tests/support/FixtureDatabase.h"

#include <QFile>
#include <QStringList>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace store = lexora::store;
using dvRtns4::Variant;

namespace {

// The lines of EXPLAIN QUERY PLAN for the text the engine prepared when it
// ran the statement.
QStringList planOf(const testsupport::FixtureDatabase& database, const QString& statement) {
    engine::Connection connection;
    connection.open(engine::connectionTextFor(database.path(), QString()));
    engine::StatementTrace trace;
    connection.execute(statement).close();
    if (trace.statements().empty())
        return {QStringLiteral("(not run)")};
    const engine::TracedStatement prepared = trace.statements().back();
    connection.close();

    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(database.path()).constData(), &db, SQLITE_OPEN_READONLY,
                    nullptr);
    engine::StatementTrace::registerFunctions(db);
    const QByteArray sql = (QStringLiteral("EXPLAIN QUERY PLAN ") + prepared.sql).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    QStringList lines;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        lines << QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        engine::StatementTrace::bindValues(stmt, prepared);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            lines << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return lines;
}

struct PlanCase {
    const char* what;
    QString statement;
    QStringList expected; // lines the plan must hold
    bool sorts = false;   // whether the plan may sort into a temporary tree
};

const Variant kCode(QStringLiteral("Ν. 1566/1985"));
const Variant kArticle(QStringLiteral("3"));
const Variant kParagraph(QStringLiteral("2"));

class StatementPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(StatementPlanTest, FindsItsRowsThroughAnIndex) {
    const testsupport::FixtureDatabase database;
    const PlanCase& c = GetParam();
    const QStringList plan = planOf(database, c.statement);
    const std::string shown = plan.join(QStringLiteral("\n")).toStdString();
    for (const QString& line : c.expected) {
        EXPECT_TRUE(plan.contains(line))
            << c.what << ": no line «" << line.toStdString() << "» in the plan\n"
            << shown;
    }
    for (const QString& line : plan) {
        EXPECT_FALSE(line.contains(QLatin1String("AUTOMATIC"))) << c.what << "\n" << shown;
        EXPECT_FALSE(line.startsWith(QLatin1String("SCAN law")) &&
                     !line.contains(QLatin1String("COVERING")))
            << c.what << ": the rows of law read one by one\n"
            << shown;
        if (!c.sorts) {
            EXPECT_FALSE(line.contains(QLatin1String("TEMP B-TREE"))) << c.what << "\n" << shown;
        }
    }
}

const PlanCase kCases[] = {
    // The act page: one count per paragraph and sub-paragraph row.
    {"article row count",
     store::articleRowCount(kArticle, kCode),
     {"SEARCH law USING COVERING INDEX law_code_parts (law_code=? AND type_id=? AND "
      "article_code=?)"}},
    {"paragraph row count",
     store::paragraphRowCount(kArticle, kCode, kParagraph),
     {"SEARCH law USING COVERING INDEX law_code_parts (law_code=? AND type_id=? AND "
      "article_code=? AND parag_code=?)"}},
    {"rows of an act",
     store::assembledActRows(kCode),
     {"SEARCH law USING INDEX law_code_parts (law_code=?)"},
     true},
    // The legislation tree: per type, then per act row.
    {"acts of a type",
     store::lawsOfType(1),
     {"SEARCH law USING COVERING INDEX law_type_order (type_id=?)"}},
    {"acts of a type, counted",
     store::lawCountOfType(1),
     {"SEARCH law USING COVERING INDEX law_type_order (type_id=?)"}},
    {"acts of a type, counted for the image",
     store::lawCountOfTypeForImage(1),
     {"SEARCH law USING COVERING INDEX law_type_order (type_id=?)"}},
    {"whole-text row of an act",
     store::wholeTextRowOf(kCode),
     {"SEARCH law USING COVERING INDEX law_code_parts (law_code=?)"}},
    // The topic and chart trees: per node.
    {"children of a topic",
     store::topicChildren(7),
     {"SEARCH topic USING COVERING INDEX topic_children (topic_id_parent=?)"}},
    {"children of a topic, counted",
     store::topicChildCount(7),
     {"SEARCH topic USING COVERING INDEX topic_children (topic_id_parent=?)"}},
    {"children of a chart node",
     store::scheduleChildren(7),
     {"SEARCH schedule USING COVERING INDEX schedule_children (schedule_id_parent=?)"}},
    {"children of a chart node, counted",
     store::scheduleChildCount(7),
     {"SEARCH schedule USING COVERING INDEX schedule_children (schedule_id_parent=?)"}},
    // The keyword searches: the rows found reached by their keys.
    {"topic keyword search",
     store::topicKeywordSearch(QStringLiteral("(KEYS.descr LIKE '%Α%')")),
     {"SEARCH ABSTRACT USING INTEGER PRIMARY KEY (rowid=?)",
      "SEARCH TOPIC USING INTEGER PRIMARY KEY (rowid=?)"},
     true},
    {"legislation keyword search",
     store::lawKeywordSearch(QStringLiteral("(KEYS.descr LIKE '%Α%')")),
     {"SEARCH law USING INTEGER PRIMARY KEY (rowid=?)"},
     true},
};

INSTANTIATE_TEST_SUITE_P(Statements, StatementPlanTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PlanCase>& info) {
                             return std::to_string(info.index);
                         });

} // namespace
