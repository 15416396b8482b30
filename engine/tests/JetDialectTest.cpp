// The Jet dialect adaptation on its own: statement rewriting, date literals,
// val and the Unicode LIKE.
#include "JetDialect.h"
#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QStringList>

#include <optional>

using engine::jet::adapt;
using engine::jet::Parameter;

namespace {

QString describe(const std::vector<Parameter>& parameters) {
    QStringList out;
    for (const Parameter& p : parameters) {
        if (const auto* n = std::get_if<std::int64_t>(&p))
            out << QString::number(*n);
        else
            out << QLatin1Char('\'') + std::get<QString>(p) + QLatin1Char('\'');
    }
    return out.join(QLatin1Char(','));
}

struct AdaptCase {
    const char* statement;
    const char* sql;
    const char* parameters;
};

class AdaptTest : public testing::TestWithParam<AdaptCase> {};

TEST_P(AdaptTest, RewritesOnlyWhatSqliteLacks) {
    const AdaptCase& c = GetParam();
    // The second time the statement's shape is known.
    for (int time = 1; time <= 2; ++time) {
        const engine::jet::AdaptedStatement a = adapt(QString::fromUtf8(c.statement));
        EXPECT_EQ(a.sql, QString::fromUtf8(c.sql)) << "time " << time;
        EXPECT_EQ(describe(a.parameters), QString::fromUtf8(c.parameters)) << "time " << time;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statements, AdaptTest,
    testing::Values(
        AdaptCase{"Select DISTINCTROW topic.topic_id FROM KEYS",
                  "Select DISTINCT topic.topic_id FROM KEYS", ""},
        AdaptCase{"SELECT count(*) as l_count  From topic Where topic_id_parent = 12",
                  "SELECT count(*) as l_count  From topic Where topic_id_parent = ?", "12"},
        AdaptCase{" SELECT law_id,law_code FROM law WHERE law_code = 'A''12' and all_law_flag = 1 ",
                  " SELECT law_id,law_code FROM law WHERE law_code = ? and all_law_flag = ? ",
                  "'A'12',1"},
        // Text inside literals is never touched, wherever it stands.
        AdaptCase{"SELECT 'DISTINCTROW #1/2/2003#' FROM t",
                  "SELECT 'DISTINCTROW #1/2/2003#' FROM t", ""},
        AdaptCase{"SELECT a FROM t WHERE b = 'it''s #1# \"x\"'", "SELECT a FROM t WHERE b = ?",
                  "'it's #1# \"x\"'"},
        AdaptCase{"SELECT a FROM t -- DISTINCTROW 'x\n WHERE b = 2",
                  "SELECT a FROM t -- DISTINCTROW 'x\n WHERE b = ?", "2"},
        AdaptCase{"SELECT [DISTINCTROW] FROM t", "SELECT [DISTINCTROW] FROM t", ""},
        // Jet strings in double quotes; date literals as ISO texts.
        AdaptCase{"SELECT \"a\"\"b'c\" FROM t", "SELECT 'a\"b''c' FROM t", ""},
        AdaptCase{"SELECT a FROM law WHERE issue_date >= #25/12/2003#",
                  "SELECT a FROM law WHERE issue_date >= ?", "'2003-12-25'"},
        AdaptCase{"SELECT #1/2/2003# AS d FROM t", "SELECT '2003-02-01' AS d FROM t", ""},
        // Positions in ORDER BY and values of other clauses stay literal.
        AdaptCase{"SELECT a, 5 FROM t WHERE b IN (SELECT c FROM d WHERE e = 3) ORDER BY 1 LIMIT 10",
                  "SELECT a, 5 FROM t WHERE b IN (SELECT c FROM d WHERE e = ?) ORDER BY 1 LIMIT 10",
                  "3"},
        AdaptCase{"SELECT a FROM t WHERE x = 1.5 and y = 0x1F and z = -4",
                  "SELECT a FROM t WHERE x = 1.5 and y = 0x1F and z = -?", "4"},
        AdaptCase{"SELECT a FROM t WHERE t.order = 2 ORDER BY val(t.x) asc",
                  "SELECT a FROM t WHERE t.order = ? ORDER BY val(t.x) asc", "2"},
        AdaptCase{"SELECT a FROM x INNER JOIN y ON x.k = y.k AND y.f = 1 WHERE ID In(3,4)",
                  "SELECT a FROM x INNER JOIN y ON x.k = y.k AND y.f = ? WHERE ID In(?,?)",
                  "1,3,4"},
        AdaptCase{" UPDATE  system_law_parameters SET sys_info_display =1",
                  " UPDATE  system_law_parameters SET sys_info_display =1", ""},
        AdaptCase{"DELETE FROM t WHERE a = 'x'", "DELETE FROM t WHERE a = ?", "'x'"},
        AdaptCase{"CREATE TABLE x (a DEFAULT 5 CHECK (a > 1))",
                  "CREATE TABLE x (a DEFAULT 5 CHECK (a > 1))", ""},
        AdaptCase{"INSERT INTO t VALUES (1, 'a')", "INSERT INTO t VALUES (1, 'a')", ""},
        // The caller's own placeholders: nothing is bound for them.
        AdaptCase{"SELECT a FROM t WHERE a = ? and b = 5", "SELECT a FROM t WHERE a = ? and b = 5",
                  ""},
        AdaptCase{"SELECT a FROM t WHERE b = 5 and a = :name",
                  "SELECT a FROM t WHERE b = 5 and a = :name", ""},
        // The last inserted key, however it is spelt; a variable of another
        // name is left for SQLite to refuse.
        AdaptCase{"SELECT @@IDENTITY AS NewID", "SELECT last_insert_rowid() AS NewID", ""},
        AdaptCase{"select @@identity", "select last_insert_rowid()", ""},
        AdaptCase{"SELECT '@@IDENTITY', @@IDENTITYX FROM t",
                  "SELECT '@@IDENTITY', @@IDENTITYX FROM t", ""},
        AdaptCase{"SELECT a FROM t WHERE b = 'unterminated",
                  "SELECT a FROM t WHERE b = 'unterminated", ""},
        // Literals side by side stay two literals (which SQLite refuses, as
        // Jet does), never one that holds an apostrophe.
        AdaptCase{"SELECT 'a '\"b\" FROM t", "SELECT 'a ' 'b' FROM t", ""},
        AdaptCase{"SELECT \"x\"'y FROM t", "SELECT 'x' 'y FROM t", ""}));

// A statement of a known shape with other values is rewritten as if it were
// new: each pair shares a shape, and the second is compared with its fresh
// rewrite (values bound or kept in the text, the FROM of an updatable result).
TEST(AdaptTest, KnownShapeTakesTheNewValues) {
    const char* pairs[][2] = {
        {" SELECT count(*) as l_count  FROM law  WHERE law.article_code = '1' and law.law_code = "
         "'Ν. 1/2000' and law.type_id = 2",
         " SELECT count(*) as l_count  FROM law  WHERE law.article_code = '12α' and "
         "law.law_code = 'A''12' and law.type_id = 2"},
        {"SELECT \"a\", 5, #1/2/2003# FROM t WHERE b = \"x\" AND d = #2/2/2003#",
         "SELECT \"longer text\", 123456, #25/12/1999# FROM t WHERE b = \"y\"\"z\" AND d = "
         "#2003-04-05#"},
        {"SELECT a FROM t WHERE b = 1", "SELECT a FROM t WHERE b = 99999999999999999999"},
        {"SELECT a FROM t WHERE b = 99999999999999999999", "SELECT a FROM t WHERE b = 7"},
        {"SELECT a FROM t WHERE b = 1.5", "SELECT a FROM t WHERE b = 2.75e+3"},
        {"Select DISTINCTROW x, 'a' FROM t WHERE y = 1",
         "Select DISTINCTROW x, 'bcd' FROM t WHERE y = 2"},
        {"SELECT a FROM t WHERE b = 5 and a = ?", "SELECT a FROM t WHERE b = 6 and a = ?"},
        {"INSERT INTO t VALUES (1, 'a')", "INSERT INTO t VALUES (22, 'it''s')"},
    };
    for (const auto& pair : pairs) {
        adapt(QString::fromUtf8(pair[0]));
        const QString second = QString::fromUtf8(pair[1]);
        const engine::jet::AdaptedStatement known = adapt(second);
        const engine::jet::AdaptedStatement fresh = engine::jet::adaptWithoutCache(second);
        EXPECT_EQ(known.sql, fresh.sql) << pair[1];
        EXPECT_EQ(describe(known.parameters), describe(fresh.parameters)) << pair[1];
        EXPECT_EQ(known.selectFrom, fresh.selectFrom) << pair[1];
    }
}

// Statements whose shapes differ only a little, sent in turns so that each
// is compared with shapes used a moment before: a literal of another kind,
// a literal more or less, one at either end, a run that is a prefix of
// another, literals inside comments and brackets, marks of the shapes in
// the statement's own text. Each must come out as its fresh rewrite.
TEST(AdaptTest, NearShapesNeverTakeEachOthersRewrite) {
    const char* statements[] = {
        "SELECT a FROM t WHERE b = 1",
        "SELECT a FROM t WHERE b = 1.5",
        "SELECT a FROM t WHERE b = '1'",
        "SELECT a FROM t WHERE b = \"1\"",
        "SELECT a FROM t WHERE b = #1/2/2003#",
        "SELECT a FROM t WHERE b = 99999999999999999999",
        "SELECT a FROM t WHERE b = 1 and c = 2",
        "SELECT a FROM t WHERE b = 1 and c = 'x'",
        "SELECT a FROM t WHERE b = 1 ",
        "SELECT a FROM t WHERE b = 1a",
        "SELECT a FROM t WHERE b = 12",
        "SELECT a FROM t WHERE b = -3",
        "SELECT a FROM t WHERE b = x1",
        "SELECT a FROM t WHERE b = t.5",
        "SELECT a FROM t WHERE b = .5",
        "SELECT a FROM t WHERE b = 'it''s'",
        "SELECT a FROM t WHERE b = 'a''b''c'",
        "SELECT a FROM t WHERE b = ''",
        "SELECT a FROM t WHERE b = 'unterminated",
        "SELECT a FROM t WHERE b = #31/02/2003#",
        "SELECT a FROM t -- 'x' 1\n WHERE b = 1",
        "SELECT a FROM t /* 'x' 2 */ WHERE b = 1",
        "SELECT [c 1] FROM t WHERE b = 1",
        "SELECT a FROM t WHERE b = 1 -- 'x'",
        "1",
        "'x'",
        "SELECT a FROM t WHERE b = \uE003",
        "SELECT a FROM t WHERE b\uE003 = 1",
        "SELECT a FROM t WHERE b = '\uE003'",
        "SELECT \"a\", 5 FROM t WHERE b = ?",
        "SELECT a FROM t WHERE b = 5 and a = ?",
        "SELECT a FROM t WHERE Ω = 1 and ω١ = 2",
    };
    for (int round = 0; round < 3; ++round) {
        for (const char* statement : statements) {
            const QString text = QString::fromUtf8(statement);
            std::optional<engine::jet::AdaptedStatement> fresh;
            QString freshError;
            try {
                fresh = engine::jet::adaptWithoutCache(text);
            } catch (const engine::EngineError& e) {
                freshError = e.description();
            }
            try {
                const engine::jet::AdaptedStatement known = adapt(text);
                ASSERT_TRUE(fresh) << statement;
                EXPECT_EQ(known.sql, fresh->sql) << statement;
                EXPECT_EQ(describe(known.parameters), describe(fresh->parameters)) << statement;
                EXPECT_EQ(known.selectFrom, fresh->selectFrom) << statement;
            } catch (const engine::EngineError& e) {
                EXPECT_EQ(e.description(), freshError) << statement;
            }
        }
    }
}

TEST(AdaptTest, BadDateLiteralIsAnEngineError) {
    for (const char* s :
         {"SELECT a FROM t WHERE d = #31/02/2003#", "SELECT a FROM t WHERE d = #25/12/2003",
          "SELECT a FROM t WHERE d = #today#"}) {
        try {
            adapt(QString::fromUtf8(s));
            ADD_FAILURE() << s;
        } catch (const engine::EngineError& e) {
            EXPECT_EQ(e.number(), engine::errors::GeneralSql) << s;
        }
    }
}

TEST(IsoDateTest, ReadsDayFirstAndIsoForms) {
    const std::pair<const char*, const char*> cases[] = {
        {"25/12/2003", "2003-12-25"},
        {"1/2/2003", "2003-02-01"},
        {"2003-12-25", "2003-12-25"},
        {" 01.02.2003 ", "2003-02-01"},
        {"1/2/03", "2003-02-01"},
        {"1/2/45", "1945-02-01"},
        {"25/12/2003 10:30", "2003-12-25 10:30:00"},
        {"25/12/2003 00:00:00", "2003-12-25"},
        {"29/02/2004", "2004-02-29"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(engine::jet::isoDateOf(QString::fromUtf8(in)).value_or(QStringLiteral("none")),
                  QString::fromUtf8(out))
            << in;
    for (const char* bad :
         {"", "31/02/2003", "29/02/2003", "12/2003", "25/12/2003 25:00", "a/b/c", "13/13/2003"})
        EXPECT_FALSE(engine::jet::isoDateOf(QString::fromUtf8(bad))) << bad;
}

TEST(ValTest, LeadingNumberOfText) {
    const std::pair<const char*, double> cases[] = {
        {"2", 2},     {"10", 10},   {"12α", 12},     {"13", 13},    {"α", 0},    {"", 0},
        {"  7", 7},   {" 1 2", 12}, {"-3.5x", -3.5}, {"1e3", 1000}, {"12e", 12}, {"1,5", 1},
        {"&H1F", 31}, {"&O17", 15}, {".5", 0.5},     {"+4", 4},     {"Α1", 0},   {"٣", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(engine::jet::val(QString::fromUtf8(text)), value) << text;
}

struct LikeCase {
    const char* text;
    const char* pattern;
    bool matches;
};

// x LIKE pattern as a statement runs it: through the function the engine
// gives SQLite, which reads each row's text as UTF-8 bytes.
bool likeInSql(const QByteArray& pattern, const QByteArray& text) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    engine::jet::registerFunctions(db);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT ?2 LIKE ?1", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, pattern.constData(), static_cast<int>(pattern.size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 2, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    const bool matches = sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == 1;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return matches;
}

TEST(LikeTest, CaseInsensitiveAccentSensitive) {
    const LikeCase cases[] = {
        {"αδεια μητρότητας", "%ΑΔΕΙΑ%", true},
        {"άδεια", "%ΑΔΕΙΑ%", false},
        {"ΆΔΕΙΑ", "%άδεια%", true},
        {"νόμος", "%ΝΌΜΟΣ", true}, // final sigma against capital sigma
        {"ΝΟΜΟΣ", "νομος", true},
        {"abc", "ABC", true},
        {"abxc", "a%c", true},
        {"abxd", "a%c", false},
        {"αβγ", "_β%", true},
        {"αβ", "___", false},
        {"", "%", true},
        {"", "_", false},
        {"aXbXc", "%x%x%", true},
        {"a%c", "a%c", true},
        {"α\u0301δεια", "%ά%", true},           // a decomposed accent is the same letter
        {"x\U0001D538y", "%\U0001D538%", true}, // beyond 16 bits: one letter
        {"x\U0001D538y", "x_y", true},
        {"ab\xFF"
         "c",
         "%B%", true}, // not UTF-8: read as the toolkit reads it
        {"ab\xC3", "ab_", true},
    };
    for (const LikeCase& c : cases) {
        EXPECT_EQ(engine::jet::like(QString::fromUtf8(c.pattern), QString::fromUtf8(c.text)),
                  c.matches)
            << c.text << " LIKE " << c.pattern;
        EXPECT_EQ(likeInSql(c.pattern, c.text), c.matches)
            << c.text << " LIKE " << c.pattern << " in a statement";
    }
}

TEST(LikeTest, EscapeCharacterMakesWildcardsLiteral) {
    EXPECT_TRUE(engine::jet::like(u"10!%", u"10%", U'!'));
    EXPECT_FALSE(engine::jet::like(u"10!%", u"100", U'!'));
    EXPECT_TRUE(engine::jet::like(u"a!_%", u"a_bc", U'!'));
    EXPECT_FALSE(engine::jet::like(u"a!_%", u"abc", U'!'));
}

} // namespace
