// Every statement, run against a small fixture database: the rows each one
// returns, read by column name and alias as the program reads them.
#include "app/store/Statements.h"
#include "engine/Connection.h"
#include "tests/support/FixtureDatabase.h"

#include <gtest/gtest.h>

#include <functional>

namespace store = lexora::store;
using dvRtns4::Variant;

namespace {

const char* kFill = R"SQL(
INSERT INTO LAWTYPE VALUES (1,'Νόμοι',1,1,1), (3,'Προεδρικά Διατάγματα',1,1,2),
  (2,'Άρθρο',1,0,90), (5,'Παράγραφος',1,0,91), (7,'Υποπαράγραφος',1,0,92),
  (4,'Εγκύκλιοι',1,0,3), (6,'Αρχειακά',0,1,4), (95,'Ειδικά',1,1,5);
INSERT INTO law (law_id,law_code,title,descr,type_id,all_law_flag,issue_date,law_year,article_code,parag_code,parag_subcode,BlobType) VALUES
  (100,'1566/1985','Ν. 1566/1985','<p>Δομή</p>',1,0,'1985-09-30',1985,NULL,NULL,NULL,NULL),
  (101,'1566/1985','Άρθρο 2','<p>α2</p>',2,0,NULL,1985,'2',NULL,NULL,NULL),
  (102,'1566/1985','Άρθρο 10','<p>α10</p>',2,0,NULL,1985,'10',NULL,NULL,NULL),
  (103,'1566/1985','Άρθρο 12','<p>α12</p>',2,0,NULL,1985,'12',NULL,NULL,NULL),
  (104,'1566/1985','Άρθρο 12α','<p>α12α</p>',2,0,NULL,1985,'12α',NULL,NULL,NULL),
  (105,'1566/1985','Άρθρο 13','<p>α13</p>',2,0,NULL,1985,'13',NULL,NULL,NULL),
  (106,'1566/1985','Παρ. 1','<p>π1</p>',5,0,NULL,1985,'2','1',NULL,NULL),
  (111,'1566/1985','Προοίμιο','<p>π</p>',2,0,NULL,1985,'α',NULL,NULL,NULL),
  (107,'A''12','Εγκύκλιος A''12','<p>όλο</p>',1,1,'2010-01-01',2010,NULL,NULL,NULL,NULL),
  (108,'A''12','Εγκύκλιος A''12 (κεφαλίδα)',NULL,1,0,'2009-05-01',2009,NULL,NULL,NULL,NULL),
  (109,'Π.Δ. 79/2017','Π.Δ. 79/2017',NULL,3,1,'2017-08-01',2017,NULL,NULL,NULL,'rtf'),
  (110,NULL,'Χωρίς κωδικό',NULL,1,0,'2001-01-01',2001,NULL,NULL,NULL,NULL),
  (112,'ΕΙΔ-1','Ειδική πράξη',NULL,95,1,'2020-01-01',2020,NULL,NULL,NULL,NULL);
INSERT INTO topic VALUES (1,0,'Εκπαιδευτικοί',1,0,0), (2,0,'Μαθητές',2,0,0),
  (3,1,'Άδειες',1,0,0), (4,3,'Άδεια κύησης',1,0,0), (5,1,'Μεταθέσεις',2,0,0);
INSERT INTO abstract VALUES (10,3,'<p>Κανονικές άδειες</p>',1), (11,3,'<p>Ειδικές άδειες</p>',2),
  (12,4,'<p>Κύηση</p>',1);
INSERT INTO abstract_law VALUES (10,100,1,1), (10,107,0,2), (11,109,1,1), (12,101,1,1), (12,107,1,0);
INSERT INTO KEYS VALUES (1,'ΑΔΕΙΑ'), (2,'ΑΔΕΙΑ ΚΥΗΣΗΣ'), (3,'ΜΕΤΑΘΕΣΗ');
INSERT INTO ABSTRACT_KEYS VALUES (10,1), (12,2), (12,1);
INSERT INTO LAW_KEYS VALUES (100,3), (107,1), (109,1), (112,1);
INSERT INTO schedule VALUES (1,0,'Διεύθυνση',1,0,0,0), (2,1,'Τμήμα Α',1,0,0,0), (3,1,'Γραφείο',2,0,0,1);
INSERT INTO ScheduleAbstract (Abstract_id,Schedule_id,descr,aa_abstr_flag) VALUES
  (20,1,'<p>Δες <a href=#200>υπόδειγμα</a></p>',1), (21,3,NULL,1);
INSERT INTO Schedulelaw (law_id,law_code,title,descr,type_id,all_law_flag,article_code,parag_code,parag_subcode,BlobType) VALUES
  (200,'Υ1','Υπόδειγμα αίτησης',NULL,1,0,NULL,NULL,NULL,NULL),
  (201,'Υ1','Άρθρο 1','<p>1</p>',2,0,'1',NULL,NULL,NULL),
  (202,'Υ1','Παρ. 1','<p>1.1</p>',5,0,'1','1',NULL,NULL),
  (203,'Υ2','Πίνακας',NULL,1,1,NULL,NULL,NULL,'xls');
INSERT INTO system_law_parameters VALUES (0);
)SQL";

class StatementsTest : public ::testing::Test {
protected:
    StatementsTest() : db(QString::fromUtf8(kFill)) {
        db.setBlob(QStringLiteral("law"), QStringLiteral("BlobBody"), QStringLiteral("law_id=109"),
                   QByteArray("{\\rtf1 x}"));
        connection.open(engine::connectionTextFor(db.path(), QStringLiteral("$tr4vo")),
                        QStringLiteral("Admin"), QString());
    }

    // Rows as "a|b|c" texts of the named columns.
    QStringList rows(const QString& sql, const QStringList& columns, bool readOnlyOpen) {
        engine::Recordset rs =
            readOnlyOpen ? connection.openRecordset(sql) : connection.execute(sql);
        QStringList out;
        while (!rs.eof()) {
            QStringList cells;
            for (const QString& c : columns)
                cells << rs.value(c).toString();
            out << cells.join(u'|');
            rs.moveNext();
        }
        rs.close();
        return out;
    }

    testsupport::FixtureDatabase db;
    engine::Connection connection;
};

struct Case {
    const char* name;
    std::function<QString()> build;
    const char* columns; // comma-separated, read as the program reads them
    bool readOnlyOpen;
    QStringList expected; // rows, "|" between columns
};

QString u(const char* s) {
    return QString::fromUtf8(s);
}

TEST_F(StatementsTest, EveryStatementReturnsItsRows) {
    const std::vector<Case> cases = {
        {"maxTypeId", [] { return store::maxTypeId(); }, "sMaxTypeId", true, {u("95")}},
        {"sysInfoAtStart",
         [] { return store::sysInfoDisplayAtStart(); },
         "sys_info_display",
         false,
         {u("0")}},
        {"sysInfoForSettings",
         [] { return store::sysInfoDisplayForSettings(); },
         "sys_info_display",
         false,
         {u("0")}},
        {"topicTopLevel",
         [] { return store::topicTopLevel(); },
         "topic_id,descr",
         false,
         {u("1|Εκπαιδευτικοί"), u("2|Μαθητές")}},
        {"topicChildren",
         [] { return store::topicChildren(1); },
         "Topic_Id,descr",
         false,
         {u("3|Άδειες"), u("5|Μεταθέσεις")}},
        {"topicChildCount", [] { return store::topicChildCount(1); }, "l_count", false, {u("2")}},
        {"scheduleTopLevel",
         [] { return store::scheduleTopLevel(); },
         "schedule_id,descr",
         false,
         {u("1|Διεύθυνση")}},
        {"scheduleChildren",
         [] { return store::scheduleChildren(1); },
         "Schedule_id,descr",
         false,
         {u("2|Τμήμα Α"), u("3|Γραφείο")}},
        {"scheduleChildCount",
         [] { return store::scheduleChildCount(3); },
         "l_count",
         false,
         {u("0")}},
        // Shown types only: not the row types, not the hidden one, not display_flag 0, not 90+.
        {"lawTypeBranches",
         [] { return store::lawTypeBranches(); },
         "type_id,descr",
         false,
         {u("1|Νόμοι"), u("3|Προεδρικά Διατάγματα")}},
        {"lawCountOfTypeForImage",
         [] { return store::lawCountOfTypeForImage(1); },
         "l_count",
         false,
         {u("4")}},
        {"lawsOfType newest first",
         [] { return store::lawsOfType(1); },
         "law_id,law_code",
         false,
         {u("107|A'12"), u("108|A'12"), u("110|"), u("100|1566/1985")}},
        {"lawCountOfType", [] { return store::lawCountOfType(3); }, "l_count", false, {u("1")}},
        {"wholeTextRowOf with a quote",
         [] { return store::wholeTextRowOf(Variant(u("A'12"))); },
         "law_id,law_code",
         false,
         {u("107|A'12")}},
        {"wholeTextRowOf null code",
         [] { return store::wholeTextRowOf(Variant::null()); },
         "law_id",
         false,
         {}},
        {"topicPage",
         [] { return store::topicPage(3); },
         "topic_descr,abstract_id,abstr_descr",
         false,
         {u("Άδειες|10|<p>Κανονικές άδειες</p>"), u("Άδειες|11|<p>Ειδικές άδειες</p>")}},
        {"abstractLinks shown only, in order",
         [] { return store::abstractLinks(12); },
         "law_id,title",
         true,
         {u("107|Εγκύκλιος A'12"), u("101|Άρθρο 2")}},
        {"abstractLinks hides display 0",
         [] { return store::abstractLinks(10); },
         "law_id",
         true,
         {u("100")}},
        {"actHeaderFromHistory",
         [] { return store::actHeaderFromHistory(109); },
         "title,type_id,all_law_flag,BlobType,display_flag",
         true,
         {u("Π.Δ. 79/2017|3|1|rtf|1")}},
        {"actHeader",
         [] { return store::actHeader(112); },
         "title,type_id,display_flag",
         true,
         {u("Ειδική πράξη|95|1")}},
        {"assembledActHead",
         [] { return store::assembledActHead(100); },
         "title,law_code,BlobType",
         false,
         {u("Ν. 1566/1985|1566/1985|")}},
        {"assembledActRows in numeric order",
         [] { return store::assembledActRows(Variant(u("1566/1985"))); },
         "law_id,article_code,parag_code",
         false,
         {u("100||"), u("111|α|"), u("101|2|"), u("106|2|1"), u("102|10|"), u("103|12|"),
          u("104|12α|"), u("105|13|")}},
        {"articleRowCount",
         [] { return store::articleRowCount(Variant(u("2")), Variant(u("1566/1985"))); },
         "l_count",
         false,
         {u("1")}},
        {"paragraphRowCount",
         [] {
             return store::paragraphRowCount(Variant(u("2")), Variant(u("1566/1985")),
                                             Variant(u("1")));
         },
         "l_count",
         false,
         {u("1")}},
        {"topicsCitingAct",
         [] {
             return store::topicsCitingAct({100, 109});
         },
         "TOPIC_ID,DESCR",
         true,
         {u("3|Άδειες"), u("3|Άδειες")}},
        {"topicsCitingActFromHistory",
         [] { return store::topicsCitingActFromHistory({101}); },
         "topic_id,descr",
         true,
         {u("4|Άδεια κύησης")}},
        {"lawCodesOf", [] { return store::lawCodesOf({107}); }, "LAW_CODE", true, {u("A'12")}},
        {"topicsCitingCodes",
         [] {
             return store::topicsCitingCodes({u("1566/1985"), u("A'12")});
         },
         "TOPIC_ID",
         true,
         {u("3"), u("4")}},
        {"schedulePage",
         [] { return store::schedulePage(3); },
         "IsBlob,Schedule_descr,Abstract_id",
         false,
         {u("True|Γραφείο|21")}},
        {"scheduleAbstractDocument",
         [] { return store::scheduleAbstractDocument(20); },
         "Schedule_id",
         true,
         {u("1")}},
        {"templateHeader",
         [] { return store::templateHeader(203); },
         "title,all_law_flag,display_flag",
         true,
         {u("Πίνακας|1|1")}},
        {"assembledTemplateHead",
         [] { return store::assembledTemplateHead(200); },
         "title,law_code",
         false,
         {u("Υπόδειγμα αίτησης|Υ1")}},
        {"assembledTemplateRows",
         [] { return store::assembledTemplateRows(Variant(u("Υ1"))); },
         "law_id",
         false,
         {u("200"), u("201"), u("202")}},
        {"templateArticleRowCount",
         [] { return store::templateArticleRowCount(Variant(u("1")), Variant(u("Υ1"))); },
         "l_count",
         false,
         {u("1")}},
        {"templateParagraphRowCount",
         [] {
             return store::templateParagraphRowCount(Variant(u("1")), Variant(u("Υ1")),
                                                     Variant(u("1")));
         },
         "l_count",
         false,
         {u("1")}},
        {"actDocument", [] { return store::actDocument(109); }, "BlobType", true, {u("rtf")}},
        {"templateDocument",
         [] { return store::templateDocument(203); },
         "BlobType",
         true,
         {u("xls")}},
        {"historyEntry",
         [] { return store::historyEntry(107); },
         "title,law_id",
         true,
         {u("Εγκύκλιος A'12|107")}},
        {"actForHistory",
         [] { return store::actForHistory(101); },
         "title,descr",
         true,
         {u("Άρθρο 2|<p>α2</p>")}},
        {"topicKeywordSearch",
         [] { return store::topicKeywordSearch(u(" (KEYS.descr LIKE '%ΑΔΕΙΑ%' ) ")); },
         "topic_id,topic_id_parent",
         true,
         {u("3|1"), u("4|3")}},
        {"topicTitleSearch",
         [] { return store::topicTitleSearch(u(" (ucase(topic.descr) LIKE '%ΆΔΕΙ%' ) ")); },
         "topic_id,topic_id_parent",
         true,
         {u("3|1"), u("4|3")}},
        {"topicAncestor",
         [] { return store::topicAncestor(4); },
         "topic_id,topic_id_parent",
         true,
         {u("4|3")}},
        {"lawKeywordSearch",
         [] { return store::lawKeywordSearch(u(" (KEYS.descr LIKE '%αδεια%' ) ")); },
         "law_id,type_id",
         true,
         {u("107|1"), u("109|3"), u("112|95")}},
        {"lawTitleSearch",
         [] { return store::lawTitleSearch(u(" (law.title LIKE '%a''12%' ) ")); },
         "law_id",
         true,
         {u("107"), u("108")}},
        {"scheduleSearch",
         [] { return store::scheduleSearch(u(" (Schedule.descr LIKE '%τμήμα%' ) ")); },
         "schedule_id,schedule_id_parent",
         true,
         {u("2|1")}},
        {"scheduleAncestor",
         [] { return store::scheduleAncestor(2); },
         "Schedule_id,Schedule_id_parent",
         true,
         {u("2|1")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList got;
        ASSERT_NO_THROW(got = rows(c.build(), u(c.columns).split(u','), c.readOnlyOpen));
        if (QString::fromUtf8(c.name).startsWith(u("topicsCiting")) ||
            QString::fromUtf8(c.name).startsWith(u("lawKeyword")) ||
            QString::fromUtf8(c.name).startsWith(u("lawTitle")) ||
            QString::fromUtf8(c.name).startsWith(u("topicKeyword")) ||
            QString::fromUtf8(c.name).startsWith(u("topicTitle"))) {
            got.sort(); // these statements have no ORDER BY
        }
        EXPECT_EQ(got, c.expected);
    }
}

TEST_F(StatementsTest, SettingWrittenByEitherUpdateReadsBackThroughBothSelects) {
    connection.execute(store::updateSysInfoFromInfoWindow(1));
    EXPECT_EQ(rows(store::sysInfoDisplayAtStart(), {u("sys_info_display")}, false),
              QStringList{u("1")});
    connection.execute(store::updateSysInfoFromSettings(0));
    EXPECT_EQ(rows(store::sysInfoDisplayForSettings(), {u("sys_info_display")}, false),
              QStringList{u("0")});
}

TEST(StatementTexts, PiecesKeepTheirBlanksAndQuoting) {
    struct Text {
        QString built;
        const char* expected;
    } texts[] = {
        {store::updateSysInfoFromInfoWindow(1),
         " UPDATE  system_law_parameters SET sys_info_display =1"},
        {store::updateSysInfoFromSettings(0),
         " UPDATE system_law_parameters SET sys_info_display = 0"},
        {store::topicChildren(-3),
         "SELECT topic.topic_id, topic.descr  From topic Where topic_id_parent =  -3 "
         "ORDER BY order_flag_lev1 asc,order_flag_lev2 asc,order_flag_lev3 asc "},
        {store::wholeTextRowOf(Variant(u("A'12"))),
         " SELECT law_id,law_code FROM law WHERE law_code = 'A''12' and all_law_flag = 1 "},
        {store::wholeTextRowOf(Variant::null()),
         " SELECT law_id,law_code FROM law WHERE law_code = '' and all_law_flag = 1 "},
        {store::wholeTextRowOf(Variant()),
         " SELECT law_id,law_code FROM law WHERE law_code = '' and all_law_flag = 1 "},
        {store::lawCodesOf({7, 2147483647}),
         "Select LAW_CODE from LAW Where LAW_ID In(7,2147483647)"},
        {store::topicsCitingCodes({u("A'1"), u("B")}).right(33),
         "WHERE LAW.LAW_CODE In('A''1','B')"},
        {store::scheduleSearch(u("  (x)  ")),
         " SELECT Schedule.Schedule_id, Schedule.Schedule_id_parent   FROM Schedule  WHERE (x)"},
        {store::templateDocument(5), "Select BlobType, BlobBody from Schedulelaw Where LAW_ID=5"},
    };
    for (const Text& t : texts)
        EXPECT_EQ(t.built, u(t.expected));
}

} // namespace
