// The legislation tree's fill: which types get a branch and in what order,
// which act rows get a node (the whole-text rule) and in what order, images
// after a full fill, the marking and opening of a search fill, and an error
// in the middle of a fill.
#include "app/trees/LawTreeFill.h"
#include "app/trees/tests/FillTestSupport.h"

#include "engine/EngineError.h"
#include "platform/treeview/TreeNode.h"

#include <QTextDocumentFragment>

#include <gtest/gtest.h>

using namespace lexora::trees;
using fillstest::outline;

namespace {

const char* const Types = R"SQL(
INSERT INTO LAWTYPE VALUES (1, 'Νόμοι', 1, 1, 2);
INSERT INTO LAWTYPE VALUES (2, 'Άρθρα', 1, 0, 1);
INSERT INTO LAWTYPE VALUES (3, 'Εγκύκλιοι', 1, 1, 1);
INSERT INTO LAWTYPE VALUES (8, 'Τμήματα', 1, 1, 4);
)SQL";

QString withTypes(const char* rows) {
    return QString::fromUtf8(Types) +
           QStringLiteral("INSERT INTO law (law_id, law_code, type_id, all_law_flag, issue_date, "
                          "law_year) VALUES ") +
           QString::fromUtf8(rows) + QLatin1Char(';');
}

// Every rule at once, for the search fill.
const char* const Laws = R"SQL(
(100, 'Ν.1566/85', 1, 1, '1985-09-30', 1985),
(110, 'Ν.1566/85', 1, 0, '1985-09-30', 1985),
(120, 'Ν.1566/85', 2, 0, NULL, NULL),
(103, 'Ν.3000/02', 1, 0, '2002-05-10', 2002),
(70000, 'Φ.1/2005', 3, 1, '2005-01-10', 2005),
(4464, 'Φ.2/1990', 3, 1, '1990-02-01', 1990),
(300, 'Ν.1566/85', 8, 0, '1985-09-30', 1985),
(950, 'Κ.Υ.Α. 5', 95, 1, '2000-01-01', 2000)
)SQL";

} // namespace

TEST(LawTreeFill, FullFillShowsTheShownTypesAndOneNodePerAct) {
    const struct {
        const char* what;
        QString sql;
        QStringList expected;
    } cases[] = {
        {"types not displayed, not shown or numbered 90 and above get no branch",
         QString::fromUtf8(Types) + QStringLiteral(R"SQL(
            INSERT INTO LAWTYPE VALUES (4, 'Κρυφά', 0, 1, 0);
            INSERT INTO LAWTYPE VALUES (89, 'Διατάγματα', 1, 1, 0);
            INSERT INTO LAWTYPE VALUES (90, 'Όριο', 1, 1, 0);
            INSERT INTO LAWTYPE VALUES (95, 'Λοιπά', 1, 1, 0);
            INSERT INTO law (law_id, law_code, type_id, all_law_flag)
            VALUES (400, 'Κρυφό', 4, 1), (120, 'Άρθρο', 2, 1), (900, 'Όριο', 90, 1),
                   (950, 'Λοιπό', 95, 1), (890, 'Π.Δ. 1/99', 89, 1);
         )SQL"),
         {"p89 [Διατάγματα] closed", "  c890 [Π.Δ. 1/99] open", "p3 [Εγκύκλιοι] open",
          "p1 [Νόμοι] open", "p8 [Τμήματα] open"}},
        {"a whole-text row and a header row of one act in one type show one node",
         withTypes("(100, 'Ν.1566/85', 1, 1, '1985-09-30', 1985),"
                   "(110, 'Ν.1566/85', 1, 0, '1985-09-30', 1985)"),
         {"p3 [Εγκύκλιοι] open", "p1 [Νόμοι] closed", "  c100 [Ν.1566/85] open",
          "p8 [Τμήματα] open"}},
        {"two whole-text rows of one code show two nodes",
         withTypes("(101, 'Ν.2525/97', 1, 1, '1997-07-04', 1997),"
                   "(102, 'Ν.2525/97', 1, 1, '1997-08-01', 1997)"),
         {"p3 [Εγκύκλιοι] open", "p1 [Νόμοι] closed", "  c102 [Ν.2525/97] open",
          "  c101 [Ν.2525/97] open", "p8 [Τμήματα] open"}},
        {"a type whose rows are all parts of acts kept whole elsewhere stays open and empty",
         withTypes("(100, 'Ν.1566/85', 1, 1, '1985-09-30', 1985),"
                   "(300, 'Ν.1566/85', 8, 0, '1985-09-30', 1985),"
                   "(301, 'Ν.1566/85', 8, 0, '1985-09-30', 1985)"),
         {"p3 [Εγκύκλιοι] open", "p1 [Νόμοι] closed", "  c100 [Ν.1566/85] open",
          "p8 [Τμήματα] open"}},
        {"rows of an act without a whole-text row are all shown",
         withTypes("(103, 'Ν.3000/02', 1, 0, '2002-05-10', 2002),"
                   "(104, 'Ν.3000/02', 1, 0, '2002-05-10', 2001)"),
         {"p3 [Εγκύκλιοι] open", "p1 [Νόμοι] closed", "  c103 [Ν.3000/02] open",
          "  c104 [Ν.3000/02] open", "p8 [Τμήματα] open"}},
        {"acts appear newest first, then by code descending as text",
         withTypes("(4464, 'Φ.2/1990', 3, 1, '1990-02-01', 1990),"
                   "(200, 'Φ.12/45', 3, 1, '2003-12-25', 2003),"
                   "(201, 'Φ.12/50', 3, 1, '2003-12-25', 2003),"
                   "(202, 'Φ.9/10', 3, 1, '2003-12-25', 2003),"
                   "(203, 'Φ.7/03', 3, 1, '2003-12-25', 2002),"
                   "(70000, 'Φ.1/2005', 3, 1, '2005-01-10', 2005)"),
         {"p3 [Εγκύκλιοι] closed", "  c70000 [Φ.1/2005] open", "  c202 [Φ.9/10] open",
          "  c201 [Φ.12/50] open", "  c200 [Φ.12/45] open", "  c203 [Φ.7/03] open",
          "  c4464 [Φ.2/1990] open", "p1 [Νόμοι] open", "p8 [Τμήματα] open"}},
        {"an act code with an apostrophe finds its whole-text row",
         withTypes("(500, 'Α''12', 1, 1, '2012-01-01', 2012),"
                   "(501, 'Α''12', 1, 0, '2012-01-01', 2012)"),
         {"p3 [Εγκύκλιοι] open", "p1 [Νόμοι] closed", "  c500 [Α'12] open", "p8 [Τμήματα] open"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fillstest::FilledDatabase data(c.sql);
        fillstest::Tree tvwTreelaw;
        FillLawTree(tvwTreelaw, data.connection, {}, false, {}, true);
        EXPECT_EQ(outline(tvwTreelaw, true), c.expected);
    }
}

TEST(LawTreeFill, SearchFillOpensTheListedTypesAndMarksTheFoundActs) {
    fillstest::FilledDatabase data(withTypes(Laws) +
                                   QStringLiteral("INSERT INTO LAWTYPE VALUES (95, 'Λοιπά', "
                                                  "1, 1, 0);"));
    const struct {
        const char* what;
        SearchIdList marked;
        SearchIdList open;
        QStringList expected;
    } cases[] = {
        {"found acts marked by their whole id, a left-out row and a hidden type mark nothing",
         {110, 103, 950, 70000},
         {1, 95, 3},
         {"p3 open +", "  c70000 open *", "  c4464 open", "p1 open +", "  c103 open *",
          "  c100 open", "p8 closed"}},
        {"types not listed get their image from the number of their rows",
         {4464},
         {3},
         {"p3 open +", "  c70000 open", "  c4464 open *", "p1 closed", "  c103 open", "  c100 open",
          "p8 closed"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fillstest::Tree tvwTreelaw;
        FillLawTree(tvwTreelaw, data.connection, c.marked, true, c.open, false);
        EXPECT_EQ(outline(tvwTreelaw), c.expected);
    }
}

TEST(LawTreeFill, AnErrorEndsTheFillAndKeepsTheNodesAdded) {
    // The acts of the first type cannot be read once the types have been.
    fillstest::FilledDatabase data(QString::fromUtf8(Types) + QStringLiteral("DROP TABLE law;"));
    fillstest::Tree tvwTreelaw;

    EXPECT_THROW(FillLawTree(tvwTreelaw, data.connection, {}, false, {}, true),
                 engine::EngineError);
    EXPECT_EQ(outline(tvwTreelaw), QStringList{"p3 open"});
}

TEST(LawTreeFill, ActNodesCarryTheActTitleAsToolTip) {
    fillstest::FilledDatabase data(QString::fromUtf8(Types) + QStringLiteral(R"SQL(
        INSERT INTO law (law_id, law_code, type_id, all_law_flag, title) VALUES
            (100, 'Ν.1566/85', 1, 1, 'Δομή & "λειτουργία" της <πρωτοβάθμιας> εκπαίδευσης'),
            (101, 'Ν.2525/97', 1, 1, NULL);
    )SQL"));
    fillstest::Tree tvwTreelaw;
    FillLawTree(tvwTreelaw, data.connection, {}, false, {}, true);
    const TreeNode* titled = tvwTreelaw.node(QStringLiteral("c100"));
    ASSERT_NE(titled, nullptr);
    EXPECT_EQ(QTextDocumentFragment::fromHtml(titled->toolTip(0)).toPlainText(),
              QStringLiteral("Δομή & \"λειτουργία\" της <πρωτοβάθμιας> εκπαίδευσης"));
    ASSERT_NE(tvwTreelaw.node(QStringLiteral("c101")), nullptr);
    EXPECT_TRUE(tvwTreelaw.node(QStringLiteral("c101"))->toolTip(0).isEmpty());
}
