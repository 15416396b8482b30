// clsDBcond: conditions for every operator and dialect, read as SQL text
// where every blank counts.
#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBInit.h"
#include "dbroutines/clsDBcond.h"
#include "dbroutines/clsDBrtns.h"
#include "routines/RoutineError.h"
#include "tests/support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <functional>

using namespace dvDBrtns4;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

class DBcondTest : public testing::Test {
protected:
    void SetUp() override { resetLibraryState(); }
    void TearDown() override { resetLibraryState(); }

    // Sets the database type as the program does; 0 only by a reset.
    void useDialect(enum_DBtype type) {
        resetLibraryState();
        if (type != db_typeUknown) {
            ASSERT_TRUE(clsDBInit::DravikDBrtns_Init(type));
        }
    }

    testsupport::RecordingMessages messages;
};

struct Row {
    const char* call; // shown when the row fails
    enum_DBtype dialect;
    std::function<QString()> build;
    const char* expected;
};

QString cond(const char* field, const char* values, enum_operator op, bool bNot = false,
             bool bUpcaseField = false, enum_upcase upcase = upcaseNONE,
             const char* dateFormat = "") {
    return clsDBcond::BuildCond(u8(field), u8(values), op, bNot, bUpcaseField, upcase,
                                u8(dateFormat));
}

QString dates(const char* field, const char* dt1, const char* dt2, enum_operator op = opNone) {
    return clsDBcond::BuildCond_Dates(u8(field), u8(dt1), u8(dt2), op);
}

QString dates(const char* field, const char* dt1, const char* dt2, enum_operator op,
              const char* dateFormat) {
    return clsDBcond::BuildCond_Dates(u8(field), u8(dt1), u8(dt2), op, u8(dateFormat));
}

void runRows(const std::vector<Row>& rows, const std::function<void(enum_DBtype)>& useDialect) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.call);
        useDialect(row.dialect);
        EXPECT_EQ(row.build(), u8(row.expected));
    }
}

} // namespace

TEST_F(DBcondTest, BuildsTheConditionsOfTheReferenceTable) {
    const std::vector<Row> rows = {
        {"contains one word", db_Access, [] { return cond("KEYS.descr", "ΝΟΜΟΣ", opContains); },
         " (KEYS.descr LIKE '%ΝΟΜΟΣ%' ) "},
        {"contains any of two", db_Access,
         [] { return cond("law.title", "νόμος, άρθρο", opContains); },
         " (law.title LIKE '%νόμος%' OR  law.title LIKE '%άρθρο%' ) "},
        {"contains both", db_Access, [] { return cond("descr", "ΑΔΕΙΑ+ΜΗΤΡΟΤΗΤΑΣ", opContains); },
         " (descr LIKE '%ΑΔΕΙΑ%' AND descr LIKE '%ΜΗΤΡΟΤΗΤΑΣ%' ) "},
        {"starts", db_Access, [] { return cond("code", "Α1", opStarts); }, " (code LIKE 'Α1%' ) "},
        {"equal, list", db_Access, [] { return cond("id", "3,7", opEqual); }, " (id IN ('3','7'))"},
        {"equal, one", db_Access, [] { return cond("id", "3", opEqual); }, "id='3'"},
        {"equal, all", db_Access, [] { return cond("id", "3+7", opEqual); },
         " (id='3' AND id='7' ) "},
        {"equal, apostrophe", db_Access, [] { return cond("name", "O'Brien", opEqual); },
         "name='O''Brien'"},
        {"not less or equal", db_Access, [] { return cond("x", "5", opLessOrEqual, true); },
         "NOT (x<='5')"},
        {"between", db_Access, [] { return cond("x", "1,9", opBetween); }, "x BETWEEN '1' AND '9'"},
        {"between nothing, not", db_Access, [] { return cond("x", "", opBetween, true); }, ""},
        {"is null, num", db_Access,
         [] { return cond("x", "", opIsNULL, false, false, upcaseNONE, "num"); },
         "(x IS NULL OR x=0)"},
        {"equal, NUM", db_Access,
         [] { return cond("x", "5", opEqual, false, false, upcaseNONE, "NUM"); }, "x='5'"},
        {"greek upcase, Access", db_Access,
         [] { return cond("t", "άρθρο", opContains, false, true, upcaseGREEK); },
         " (UCASE(t) LIKE '%ΑΡΘΡΟ%' ) "},
        {"greek upcase, Oracle", db_Oracle,
         [] { return cond("t", "άρθρο", opContains, false, true, upcaseGREEK); },
         " (UPPER(t) LIKE '%ΑΡΘΡΟ%' ) "},
        {"greek upcase, SQL Server", db_SQLServer,
         [] { return cond("t", "άρθρο", opContains, false, true, upcaseGREEK); },
         " (t LIKE '%άρθρο%' ) "},
        {"equal date, Access", db_Access,
         [] { return cond("d", "25/12/2003", opEqual, false, false, upcaseNONE, "dd/mm/yyyy"); },
         "d=#25/12/2003#"},
        {"date >=, SQL Server", db_SQLServer,
         [] {
             return cond("d", "25/12/2003", opGreaterOrEqual, false, false, upcaseNONE,
                         "dd/mm/yyyy");
         },
         "d>=CONVERT(datetime,'2003-12-25 00:00:00',120)"},
        {"dates between, Oracle", db_Oracle,
         [] {
             return cond("d", "25/12/2003,31/12/2003", opBetween, false, false, upcaseNONE,
                         "DD/MM/YYYY");
         },
         "d BETWEEN TO_DATE('25/12/2003','DD/MM/YYYY') AND TO_DATE('31/12/2003','DD/MM/YYYY')"},
        {"no operator", db_Access, [] { return cond("x", "5", opNone); }, ""},
        {"not contains", db_Access, [] { return cond("x", "a", opContains, true); },
         "NOT ( (x LIKE '%a%' ) )"},
        {"from date, SQL Server", db_SQLServer, [] { return dates("d", "01/02/2003", ""); },
         " (d>=CONVERT(datetime,'2003-02-01 00:00:00',120)) "},
        {"date range, SQL Server", db_SQLServer,
         [] { return dates("d", "01/02/2003", "05/02/2003"); },
         " (d BETWEEN CONVERT(datetime,'2003-02-01 00:00:00',120) AND "
         "CONVERT(datetime,'2003-02-05 00:00:00',120)) "},
        {"date equal, Access", db_Access, [] { return dates("d", "01/02/2003", "", opEqual); },
         " (d=#01/02/2003#) "},
        {"until date, Oracle", db_Oracle,
         [] { return dates("d", "", "01/02/2003", opNone, "DD/MM/YYYY"); },
         " (d<=TO_DATE('01/02/2003','DD/MM/YYYY')) "},
        {"no dates", db_Access, [] { return dates("d", "", ""); }, ""},
        {"dates, no type", db_typeUknown, [] { return dates("d", "01/02/2003", "05/02/2003"); },
         ""},
    };
    runRows(rows, [this](enum_DBtype t) { useDialect(t); });
}

TEST_F(DBcondTest, BuildsEveryOperatorAndDialect) {
    const std::vector<Row> rows = {
        // Kinds of field for IS NULL; values and upper-casing play no part.
        {"is null", db_Access, [] { return cond("x", "abc", opIsNULL, false, true, upcaseENGL); },
         "x IS NULL"},
        {"is null, str", db_Access,
         [] { return cond("x", "", opIsNULL, false, false, upcaseNONE, "Str"); },
         "(x IS NULL OR x='')"},
        {"is null, not", db_Oracle, [] { return cond("x", "", opIsNULL, true); },
         "NOT (x IS NULL)"},
        {"is null, date pattern", db_Access,
         [] { return cond("x", "", opIsNULL, false, false, upcaseNONE, "dd/mm/yyyy"); },
         "x IS NULL"},
        // Blanks only count as nothing, whatever bNot says.
        {"blank values", db_Access, [] { return cond("x", "   ", opContains, true); }, ""},
        // Empty items are skipped; a list without any item gives nothing.
        {"empty items in a list", db_Access, [] { return cond("id", " 3, ,7 ", opEqual); },
         " (id IN ('3','7'))"},
        {"only separators", db_Access, [] { return cond("id", ",", opEqual); }, ""},
        {"only plus", db_Access, [] { return cond("x", "+", opContains); }, ""},
        {"starts, any of", db_Access, [] { return cond("c", "a,b", opStarts); },
         " (c LIKE 'a%' OR  c LIKE 'b%' ) "},
        // A comma inside a "+" list stays part of its item.
        {"comma within all", db_Access, [] { return cond("x", "a,b+c", opContains); },
         " (x LIKE '%a,b%' AND x LIKE '%c%' ) "},
        {"apostrophe in like", db_Access, [] { return cond("x", "it's", opContains); },
         " (x LIKE '%it''s%' ) "},
        {"greater or equal, first only", db_Access,
         [] { return cond("x", "5,9", opGreaterOrEqual); }, "x>='5'"},
        {"less or equal, empty first", db_Access, [] { return cond("x", ",9", opLessOrEqual); },
         ""},
        {"between, third ignored", db_Access, [] { return cond("x", "1,9,12", opBetween); },
         "x BETWEEN '1' AND '9'"},
        {"between, empty second", db_Access, [] { return cond("x", "1,", opBetween); }, ""},
        {"between, all", db_Access, [] { return cond("x", "1+9", opBetween); },
         "x BETWEEN '1' AND '9'"},
        // Upper-casing of values: everywhere but SQL Server; field only where a function exists.
        {"english upcase, Access", db_Access,
         [] { return cond("t", "Law ά", opContains, false, false, upcaseENGL); },
         " (t LIKE '%LAW Ά%' ) "},
        {"english upcase, SQL Server", db_SQLServer,
         [] { return cond("t", "law", opContains, false, true, upcaseENGL); },
         " (t LIKE '%law%' ) "},
        {"greek upcase, no type", db_typeUknown,
         [] { return cond("t", "νόμος", opEqual, false, true, upcaseGREEK); }, "t='ΝΟΜΟΣ'"},
        {"field upcase, no value upcase", db_Oracle,
         [] { return cond("t", "a", opEqual, false, true); }, "UPPER(t)='a'"},
        // Dates in each dialect.
        {"date <=, Access", db_Access,
         [] { return cond("d", "1/2/2003 14:30", opLessOrEqual, false, false, upcaseNONE, "x"); },
         "d<=#01/02/2003#"},
        {"date with time, SQL Server", db_SQLServer,
         [] { return cond("d", "1-2-03 9:05:07", opEqual, false, false, upcaseNONE, "x"); },
         "d=CONVERT(datetime,'2003-02-01 09:05:07',120)"},
        {"dates between, Access", db_Access,
         [] {
             return cond("d", "25/12/2003, 31/12/2003", opBetween, false, false, upcaseNONE,
                         "dd/mm/yyyy");
         },
         "d BETWEEN #25/12/2003# AND #31/12/2003#"},
        {"date equal, first of a list", db_Access,
         [] { return cond("d", "1/2/2003,2/2/2003", opEqual, false, false, upcaseNONE, "x"); },
         "d=#01/02/2003#"},
        {"date like, quoted", db_Access,
         [] { return cond("d", "1/2/2003", opContains, false, false, upcaseNONE, "x"); },
         " (d LIKE '%#01/02/2003#%' ) "},
        {"date, no type", db_typeUknown,
         [] { return cond("d", "1/2/2003", opEqual, false, false, upcaseNONE, "x"); },
         "d=1/2/2003"},
        {"date, Oracle keeps the text", db_Oracle,
         [] { return cond("d", "2003-12", opEqual, false, false, upcaseNONE, "YYYY-MM"); },
         "d=TO_DATE('2003-12','YYYY-MM')"},
    };
    runRows(rows, [this](enum_DBtype t) { useDialect(t); });
}

TEST_F(DBcondTest, BuildsDateRangesForEveryOperator) {
    const std::vector<Row> rows = {
        {"from, Access", db_Access, [] { return dates("d", "1/2/2003", ""); },
         " (d>=#01/02/2003#) "},
        {"until, Access", db_Access, [] { return dates("d", "", "5/2/2003"); },
         " (d<=#05/02/2003#) "},
        {"operator wins for one date", db_Access,
         [] { return dates("d", "", "5/2/2003", opGreaterOrEqual); }, " (d>=#05/02/2003#) "},
        {"less or equal", db_SQLServer, [] { return dates("d", "1/2/2003", "", opLessOrEqual); },
         " (d<=CONVERT(datetime,'2003-02-01 00:00:00',120)) "},
        {"range ignores the operator", db_Oracle,
         [] { return dates("d", "1/2/2003", "5/2/2003", opEqual); },
         " (d BETWEEN TO_DATE('1/2/2003','dd/mm/yyyy') AND TO_DATE('5/2/2003','dd/mm/yyyy')) "},
        {"Access ignores the pattern", db_Access,
         [] { return dates("d", "2003-02-01", "", opEqual, "yyyy-mm-dd"); }, " (d=#01/02/2003#) "},
    };
    runRows(rows, [this](enum_DBtype t) { useDialect(t); });
}

TEST_F(DBcondTest, TextThatIsNotADateStaysInsideALiteral) {
    // Whatever the user typed, it cannot end the SQL piece it was put in.
    const std::vector<Row> rows = {
        {"Access", db_Access,
         [] { return cond("d", "1#) OR (1=1", opEqual, false, false, upcaseNONE, "x"); },
         "d='1#) OR (1=1'"},
        {"SQL Server", db_SQLServer,
         [] { return cond("d", "x') OR ('1", opGreaterOrEqual, false, false, upcaseNONE, "x"); },
         "d>=CONVERT(datetime,'x'') OR (''1',120)"},
        {"Oracle", db_Oracle,
         [] { return cond("d", "x') OR ('1", opEqual, false, false, upcaseNONE, "p'q"); },
         "d=TO_DATE('x'') OR (''1','p''q')"},
        {"no type", db_typeUknown,
         [] { return cond("d", "1 OR 1=1", opEqual, false, false, upcaseNONE, "x"); },
         "d='1 OR 1=1'"},
        {"impossible day", db_Access, [] { return dates("d", "31/02/2003", "", opEqual); },
         " (d='31/02/2003') "},
    };
    runRows(rows, [this](enum_DBtype t) { useDialect(t); });
}

TEST_F(DBcondTest, FailuresGoToTheCaller) {
    useDialect(db_Access);
    try {
        cond("x", "5", opBetween);
        FAIL() << "a single value for BETWEEN must fail";
    } catch (const dvRtns4::RoutineError& e) {
        EXPECT_EQ(e.number(), dvRtns4::RoutineError::SubscriptOutOfRange);
    }
    EXPECT_THROW(dates("d", "1/2/2003", "", opContains), dvRtns4::RoutineError);
    // Nothing is recorded and nothing is shown.
    EXPECT_TRUE(clsDBrtns::GetDBError_Full().isEmpty());
    EXPECT_TRUE(messages.shown.empty());
}
