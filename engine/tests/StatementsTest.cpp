// The program's statement shapes in the Jet dialect, run through the engine
// on a small database: each case exercises one feature of the dialect.
#include "engine/tests/EngineFixture.h"

#include <gtest/gtest.h>

namespace {

using engine::CursorType;

const QString TopicJoin = QStringLiteral(
    " FROM TOPIC INNER JOIN (ABSTRACT INNER JOIN (LAW INNER JOIN ABSTRACT_LAW ON LAW.LAW_ID = "
    "ABSTRACT_LAW.LAW_ID) ON ABSTRACT.ABSTRACT_ID = ABSTRACT_LAW.ABSTRACT_ID) ON TOPIC.TOPIC_ID = "
    "ABSTRACT.TOPIC_ID");

struct StatementCase {
    const char* name;
    QString statement;
    const char* field;
    const char* expected; // the field's texts joined by "|"
    CursorType cursor = CursorType::ForwardOnly;
    bool anyOrder = false;
};

class StatementsTest : public testing::TestWithParam<StatementCase> {
protected:
    static void SetUpTestSuite() {
        db = new testsupport::FixtureDatabase(QString::fromUtf8(enginetest::FillSql));
        connection = new engine::Connection;
        enginetest::openOn(*connection, *db);
    }
    static void TearDownTestSuite() {
        delete connection;
        delete db;
    }
    static inline testsupport::FixtureDatabase* db = nullptr;
    static inline engine::Connection* connection = nullptr;
};

TEST_P(StatementsTest, GivesTheRowsJetWould) {
    const StatementCase& c = GetParam();
    QStringList got =
        enginetest::columnOf(*connection, c.statement, QString::fromUtf8(c.field), c.cursor);
    QStringList want = QString::fromUtf8(c.expected).split(QLatin1Char('|'));
    if (QString::fromUtf8(c.expected).isEmpty())
        want.clear();
    if (c.anyOrder) {
        got.sort();
        want.sort();
    }
    EXPECT_EQ(got, want) << c.statement.toStdString();
}

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

INSTANTIATE_TEST_SUITE_P(
    JetDialect, StatementsTest,
    testing::Values(
        StatementCase{"MaxWithAlias", s("SELECT max(TYPE_ID) as sMaxTypeId FROM LAWTYPE "),
                      "SMAXTYPEID", "95", CursorType::Static},
        StatementCase{"CountWithAlias",
                      s("SELECT count(*) as l_count ") + s(" From topic ") +
                          s("Where topic_id_parent = 1"),
                      "l_count", "2"},
        StatementCase{"AscOrderAndFieldCase",
                      s("SELECT topic.topic_id, topic.descr ") + s(" From topic ") +
                          s(" Where topic_id_parent = 0 ORDER BY order_flag_lev1 "
                            "asc,order_flag_lev2 asc,order_flag_lev3 asc "),
                      "topic_Id", "2|1"},
        StatementCase{
            "BooleanColumnAlone",
            s("SELECT LAWTYPE.type_id, LAWTYPE.descr From LAWTYPE  Where LAWTYPE.display_flag = "
              "1 ") +
                s(" And LAWTYPE_SHOW And LAWTYPE.type_id < 90 ORDER BY  LAWTYPE_ORDERNO,type_id "),
            "type_id", "3|1"},
        StatementCase{"BooleanColumnNegated",
                      s("SELECT schedule_id FROM schedule WHERE NOT IsBlob"), "schedule_id", "1|3",
                      CursorType::ForwardOnly, true},
        StatementCase{
            "DescOrder",
            s(" SELECT law.law_id, law.law_code,law.title,law.type_id,law.all_law_flag  From "
              "law ") +
                s(" Where law.type_id =   3 ORDER BY issue_date Desc,law_year Desc,law_code Desc "),
            "LAW_ID", "200|201"},
        StatementCase{
            "QuoteInsideCode",
            s(" SELECT law_id,law_code FROM law WHERE law_code = 'A''12' and all_law_flag = 1 "),
            "law_code", "A'12"},
        StatementCase{"JetDoubleQuotedString",
                      s("SELECT law_id FROM law WHERE law_code = \"A'12\""), "law_id", "200"},
        StatementCase{"CommaJoinWithAliases",
                      s("SELECT topic.descr as topic_descr, abstract.abstract_id, abstract.descr "
                        "as abstr_descr ") +
                          s(" FROM topic, abstract  WHERE topic.topic_id = abstract.topic_id and "
                            "topic.topic_id = 1") +
                          s(" ORDER BY aa_abstr_flag asc "),
                      "ABSTR_DESCR", "<p>Περίληψη β</p>|<p>Περίληψη α</p>"},
        StatementCase{
            "ThreeTableCommaJoin",
            s(" SELECT law.law_id,law.descr, law.title  FROM abstract, abstract_law, law ") +
                s(" WHERE abstract_law.abstract_id = 10 and abstract.abstract_id = "
                  "abstract_law.abstract_id ") +
                s(" and abstract_law.law_id = law.law_id  and abstract_law.display_conn_flag = "
                  "1 ") +
                s(" ORDER BY abstract_law.aa_law_flag "),
            "law_id", "102|100", CursorType::Keyset},
        StatementCase{"ValOrdering",
                      s("SELECT law.law_id,law.title, law.descr, law.type_id, "
                        "law.article_code,law.law_code,law.parag_code,BlobType ") +
                          s(" FROM law  WHERE law.law_code = 'Ν.1566/85' ORDER BY "
                            "val(law.article_code) asc, ") +
                          s("val(law.parag_code) asc,val(law.parag_subcode) asc"),
                      "article_code", "|Α|2|10|12|12α|13"},
        StatementCase{"NestedInnerJoinWithInList",
                      s(" SELECT TOPIC.TOPIC_ID, TOPIC.DESCR") + TopicJoin +
                          s(" WHERE ABSTRACT_LAW.LAW_ID In(100,200)"),
                      "topic_id", "1|3", CursorType::Static, true},
        StatementCase{"DistinctWithCodeList",
                      s(" SELECT dISTINCT TOPIC.TOPIC_ID, TOPIC.DESCR") + TopicJoin +
                          s(" WHERE LAW.LAW_CODE In('Ν.1566/85','A''12')"),
                      "TOPIC_ID", "1|3", CursorType::Static, true},
        StatementCase{
            "DistinctRowOverNestedJoin",
            s("Select DISTINCTROW topic.topic_id, topic.topic_id_parent FROM KEYS INNER JOIN "
              "((TOPIC INNER JOIN ") +
                s("ABSTRACT ON TOPIC.TOPIC_ID = ABSTRACT.TOPIC_ID) INNER JOIN ABSTRACT_KEYS ON ") +
                s("ABSTRACT.ABSTRACT_ID = ABSTRACT_KEYS.ABSTRACT_ID) ON KEYS.KEY_ID = "
                  "ABSTRACT_KEYS.KEY_ID") +
                s(" WHERE (KEYS.descr LIKE '%αδεια%' )"),
            "topic_id", "1", CursorType::Keyset},
        StatementCase{
            "LikeKeepsAccents",
            s("Select DISTINCTROW topic.topic_id FROM KEYS INNER JOIN ((TOPIC INNER JOIN ") +
                s("ABSTRACT ON TOPIC.TOPIC_ID = ABSTRACT.TOPIC_ID) INNER JOIN ABSTRACT_KEYS ON ") +
                s("ABSTRACT.ABSTRACT_ID = ABSTRACT_KEYS.ABSTRACT_ID) ON KEYS.KEY_ID = "
                  "ABSTRACT_KEYS.KEY_ID") +
                s(" WHERE (KEYS.descr LIKE '%άδεια%' )"),
            "topic_id", "", CursorType::Keyset},
        StatementCase{"UcaseOfGreekWithLike",
                      s(" SELECT topic.topic_id, topic.topic_id_parent   FROM topic  WHERE "
                        "(UCASE(topic.descr) LIKE '%ΑΔΕΙΑ%' )"),
                      "topic_id", "2", CursorType::Keyset},
        StatementCase{"UcaseKeepsAccents",
                      s("SELECT ucase(descr) as u FROM topic WHERE topic_id = 1"), "u",
                      "ΆΔΕΙΑ ΜΗΤΡΌΤΗΤΑΣ"},
        StatementCase{"KeywordSearchOfActs",
                      s(" SELECT DISTINCT law.LAW_ID, law.TYPE_ID, law.TITLE FROM KEYS INNER JOIN "
                        "((LAWTYPE INNER JOIN law ON ") +
                          s("LAWTYPE.TYPE_ID = law.TYPE_ID) INNER JOIN LAW_KEYS ON LAW.LAW_ID = "
                            "LAW_KEYS.LAW_ID) ON ") +
                          s("KEYS.KEY_ID = LAW_KEYS.KEY_ID WHERE  LAWTYPE.display_flag = 1 and "
                            "LAWTYPE.type_id = law.type_id and ") +
                          s("(KEYS.descr LIKE '%μητροτητας%' )"),
                      "law_id", "100|102", CursorType::Keyset, true},
        StatementCase{"TitleSearchEitherWord",
                      s(" SELECT distinct law.LAW_ID, law.TYPE_ID, law.TITLE FROM law INNER JOIN "
                        "LAWTYPE ON ") +
                          s("law.TYPE_ID = LAWTYPE.TYPE_ID WHERE  LAWTYPE.display_flag = 1 and "
                            "LAWTYPE.type_id = law.type_id and ") +
                          s("(law.title LIKE '%εγκύκλιος%' OR  law.title LIKE '%ΔΙΆΤΑΓΜΑ%' )"),
                      "law_id", "200|201", CursorType::Keyset, true},
        StatementCase{
            "BooleanFieldAndAlias",
            s("SELECT Schedule.IsBlob,Schedule.descr as Schedule_descr, "
              "ScheduleAbstract.Abstract_id, ") +
                s("ScheduleAbstract.descr as abstr_descr  FROM Schedule, ScheduleAbstract ") +
                s(" WHERE Schedule.Schedule_id = ScheduleAbstract.Schedule_id and "
                  "Schedule.Schedule_id = 2") +
                s(" ORDER BY aa_abstr_flag asc "),
            "isblob", "True"},
        StatementCase{"ScheduleFieldCase",
                      s(" SELECT Schedule.Schedule_id, Schedule.Schedule_id_parent  FROM Schedule  "
                        "WHERE Schedule.Schedule_id =  3"),
                      "schedule_id_parent", "1", CursorType::Keyset},
        StatementCase{"IdListOfCodes", s("Select LAW_CODE from LAW Where LAW_ID In(100,200)"),
                      "law_code", "A'12|Ν.1566/85", CursorType::Static, true},
        StatementCase{
            "DateLiteralRange",
            s("SELECT law_id FROM law WHERE issue_date >= #01/01/1990# ORDER BY issue_date"),
            "law_id", "201|200"},
        StatementCase{"DateLiteralEqual",
                      s("SELECT law_id FROM law WHERE issue_date = #25/12/2003#"), "law_id", "200"},
        StatementCase{"DateColumnIsADate", s("SELECT issue_date FROM law WHERE law_id = 200"),
                      "issue_date", "25/12/2003"}),
    [](const testing::TestParamInfo<StatementCase>& info) { return std::string(info.param.name); });

TEST(SettingStatementsTest, UpdateReadsBackThroughBothSelects) {
    testsupport::FixtureDatabase db(QString::fromUtf8(enginetest::FillSql));
    engine::Connection connection;
    enginetest::openOn(connection, db);
    for (int value : {1, 0, 1}) {
        engine::Recordset update = connection.execute(
            QStringLiteral(" UPDATE  system_law_parameters SET sys_info_display =") +
            QString::number(value));
        EXPECT_FALSE(update.isOpen());
        EXPECT_TRUE(update.eof());
        EXPECT_EQ(enginetest::columnOf(
                      connection,
                      QStringLiteral(" SELECT sys_info_display FROM system_law_parameters "),
                      QStringLiteral("sys_info_display")),
                  QStringList{QString::number(value)});
        EXPECT_EQ(enginetest::columnOf(
                      connection,
                      QStringLiteral(" SELECT sys_info_display FROM  system_law_parameters "),
                      QStringLiteral("SYS_INFO_DISPLAY")),
                  QStringList{QString::number(value)});
    }
    // The change is in the file, not only in this connection.
    engine::Connection other;
    enginetest::openOn(other, db);
    EXPECT_EQ(enginetest::columnOf(
                  other, QStringLiteral("SELECT sys_info_display FROM system_law_parameters"),
                  QStringLiteral("sys_info_display")),
              QStringList{QStringLiteral("1")});
}

} // namespace
