// The four searches on the fixture database: what each marks, opens and
// leaves closed, and how a database error ends a search.
#include "app/search/LawSearch.h"
#include "app/search/ScheduleSearch.h"
#include "app/search/SearchSupport.h"
#include "app/search/TopicKeywordSearch.h"
#include "app/search/TopicTitleSearch.h"
#include "app/search/tests/SearchFixture.h"
#include "app/trees/LawTreeFill.h"
#include "app/trees/ScheduleTreeFill.h"
#include "app/trees/TopicTreeFill.h"
#include "platform/treeview/TreeNode.h"
#include "tests/support/RecordingMessages.h"

#include <QGuiApplication>
#include <QRegularExpression>

#include <functional>

#include <gtest/gtest.h>

using namespace lexora::search;
using lexora::trees::TreeControl;
using searchtest::expandedKeys;
using searchtest::markedKeys;

namespace {

QStringList keys(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* k : list)
        result << QString::fromUtf8(k);
    result.sort();
    return result;
}

// Collects what goes to the log while it lives.
class LogCapture {
public:
    LogCapture() {
        lines().clear();
        m_previous = qInstallMessageHandler(&LogCapture::record);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    static QStringList& lines() {
        static QStringList recorded;
        return recorded;
    }

private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& text) {
        lines() << text;
    }
    QtMessageHandler m_previous;
};

bool hasLatinLetters(const QString& text) {
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    return text.contains(latin);
}

// A message that says in Greek what happened, the engine's own text after.
bool greekThenEngineText(const QString& text, const QString& engineWords) {
    const qsizetype engineAt = text.indexOf(engineWords, 0, Qt::CaseInsensitive);
    return text.startsWith(kSearchErrorText) && engineAt > 0 &&
           !hasLatinLetters(text.left(engineAt).section(QStringLiteral("\n\n"), 0, 0));
}

// The nodes of a tree's full fill, as at start-up.
int fullTreeSize(engine::Connection& connection, TreeFill fill) {
    auto tree = searchtest::makeTree();
    fill(*tree, connection, {}, false, {}, true);
    return tree->nodeCount();
}

class SearchesTest : public ::testing::Test {
protected:
    searchtest::SearchDatabase data;
    std::unique_ptr<TreeControl> tree = searchtest::makeTree();
    testsupport::RecordingMessages messages;
};

// --- Topic keyword search ---------------------------------------------------

struct KeywordCase {
    const char* text;
    QStringList marked;
    QStringList expanded;
};

TEST_F(SearchesTest, TopicKeywordSearchMarksMatchesAndOpensTheirAncestors) {
    const KeywordCase cases[] = {
        // 111 through two abstracts and two keywords, 12 beside it: the shared
        // parent 1 opens once; the matches stay closed.
        {"αδεια", keys({"l111", "l12"}), keys({"l1", "l11"})},
        {"ΆΔΕΙΑ ΚΥΉΣΗΣ", keys({"l111", "l12"}), keys({"l1", "l11"})},
        {"αδεια+κυησης", keys({"l111", "l12"}), keys({"l1", "l11"})},
        {"αδεια+ανατροφης", keys({"l111"}), keys({"l1", "l11"})},
        {"μεταθεση, φοίτηση", keys({"l111", "l2"}), keys({"l1", "l11"})},
        // A root match is marked and stays closed.
        {"φοιτηση", keys({"l2"}), {}},
        // The fourth level: every level above opens.
        {"εκπτωση", keys({"l1111"}), keys({"l1", "l11", "l111"})},
        // An apostrophe is doubled inside the literal.
        {"ο' ταξη", keys({"l21"}), keys({"l2"})},
        // % and _ are the engine's wildcards: any run of letters, any one letter.
        {"50%", keys({"l1111"}), keys({"l1", "l11", "l111"})},
        {"ενοτητα_α", keys({"l3"}), {}},
        {"%", keys({"l111", "l12", "l2", "l21", "l1111", "l3"}), keys({"l1", "l11", "l111", "l2"})},
        {"καμία", {}, {}},
    };
    for (const auto& c : cases) {
        tree->clearNodes();
        EXPECT_TRUE(TreeView_with_search(*tree, data.connection(), QString::fromUtf8(c.text)));
        EXPECT_EQ(tree->nodeCount(), 9) << c.text; // every topic, whatever was found
        EXPECT_EQ(markedKeys(*tree), c.marked) << c.text;
        EXPECT_EQ(expandedKeys(*tree), c.expanded) << c.text;
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(SearchesTest, TopicKeywordSearchGivesImagesToTheNodesItDoesNotOpen) {
    TreeView_with_search(*tree, data.connection(), QStringLiteral("αδεια"));
    EXPECT_EQ(tree->node(QStringLiteral("l1"))->imageKey(), QStringLiteral("open"));
    EXPECT_EQ(tree->node(QStringLiteral("l111"))->imageKey(), QStringLiteral("closed"));
    EXPECT_EQ(tree->node(QStringLiteral("l12"))->imageKey(), QStringLiteral("open"));
    EXPECT_EQ(tree->node(QStringLiteral("l2"))->imageKey(), QStringLiteral("closed"));
}

TEST(SearchErrors, ParentWithoutRowIsReportedInGreekAndTheWholeTreeComesBack) {
    // Topic 99 and chart entry 99 name parents that have no row.
    searchtest::SearchDatabase data(QStringLiteral(
        "INSERT INTO topic VALUES (99,500,'Ορφανό',1,0,0);"
        "INSERT INTO abstract VALUES (99,99,'<p>x</p>',1);"
        "INSERT INTO KEYS VALUES (99,'ΟΡΦΑΝΟ'); INSERT INTO ABSTRACT_KEYS VALUES (99,99);"
        "INSERT INTO schedule VALUES (99,500,'Ορφανό',1,0,0,0);"));
    testsupport::RecordingMessages messages;
    const LogCapture log;
    auto topics = searchtest::makeTree();
    auto chart = searchtest::makeTree();

    EXPECT_FALSE(TreeView_with_search(*topics, data.connection(), QStringLiteral("ορφανο")));
    QString text = QStringLiteral("Ορφανό");
    EXPECT_FALSE(TreeView_with_Schedule_search_P(*chart, data.connection(), text));

    ASSERT_EQ(messages.shown.size(), 2u);
    for (const auto& shown : messages.shown) {
        EXPECT_EQ(shown.icon, dvRtns4::MsgIcon::Critical);
        EXPECT_EQ(shown.title, kSearchErrorTitle);
        EXPECT_TRUE(greekThenEngineText(shown.text, QStringLiteral("Either BOF or EOF is True")))
            << shown.text.toStdString();
    }
    // The engine's own words go to the log too.
    EXPECT_EQ(LogCapture::lines().filter(QStringLiteral("Either BOF or EOF is True")).size(), 2);
    // Not an empty tree: the whole tree, nothing marked.
    EXPECT_EQ(topics->nodeCount(), fullTreeSize(data.connection(), &lexora::trees::FillTopicTree));
    EXPECT_EQ(chart->nodeCount(),
              fullTreeSize(data.connection(), &lexora::trees::FillScheduleTreeP));
    EXPECT_TRUE(markedKeys(*topics).isEmpty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The next search runs as usual.
    topics->clearNodes();
    EXPECT_TRUE(TreeView_with_search(*topics, data.connection(), QStringLiteral("φοιτηση")));
    EXPECT_EQ(markedKeys(*topics), keys({"l2"}));
}

TEST(SearchErrors, StatementTheEngineRejectsIsLoggedWithItsDescription) {
    searchtest::SearchDatabase data(
        QStringLiteral("DROP TABLE ABSTRACT_KEYS; DROP TABLE LAW_KEYS;"));
    testsupport::RecordingMessages messages;
    const LogCapture log;
    auto topics = searchtest::makeTree();
    auto laws = searchtest::makeTree();

    EXPECT_FALSE(TreeView_with_search(*topics, data.connection(), QStringLiteral("αδεια")));
    QString text = QStringLiteral("αξιολογηση");
    EXPECT_FALSE(TreeView_with_law_search(*laws, data.connection(), text, true));

    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(greekThenEngineText(messages.shown[0].text, QStringLiteral("ABSTRACT_KEYS")))
        << messages.shown[0].text.toStdString();
    EXPECT_TRUE(greekThenEngineText(messages.shown[1].text, QStringLiteral("LAW_KEYS")))
        << messages.shown[1].text.toStdString();
    const QString logged = LogCapture::lines().join(u'\n');
    EXPECT_TRUE(logged.contains(QStringLiteral("ABSTRACT_KEYS"), Qt::CaseInsensitive))
        << logged.toStdString();
    EXPECT_TRUE(logged.contains(QStringLiteral("LAW_KEYS"), Qt::CaseInsensitive))
        << logged.toStdString();
    EXPECT_EQ(topics->nodeCount(), 9);
    EXPECT_EQ(laws->nodeCount(), fullTreeSize(data.connection(), &lexora::trees::FillLawTree));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(SearchErrors, FillErrorIsReportedOnce) {
    // A tree without the "closed" image: every fill stops at the first node
    // that needs it, the search's and the full fill after it alike.
    searchtest::SearchDatabase data;
    testsupport::RecordingMessages messages;
    const LogCapture log;
    TreeControl tree;
    lexora::trees::ImageList onlyOpen;
    onlyOpen.add(QStringLiteral("open"), QIcon());
    tree.setImageList(onlyOpen);

    EXPECT_FALSE(TreeView_with_search(tree, data.connection(), QStringLiteral("αδεια")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(LogCapture::lines().join(u'\n').contains(QStringLiteral("closed")));
    EXPECT_GT(tree.nodeCount(), 0);
    EXPECT_LT(tree.nodeCount(), 9);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Texts that hold only separators and blanks give an empty condition: each
// search treats them as an empty search and shows the whole tree.
TEST(SearchSeparatorsOnly, GiveTheWholeTreeWithoutAMessage) {
    searchtest::SearchDatabase data;
    testsupport::RecordingMessages messages;
    const int topics = fullTreeSize(data.connection(), &lexora::trees::FillTopicTree);
    const int laws = fullTreeSize(data.connection(), &lexora::trees::FillLawTree);
    const int chart = fullTreeSize(data.connection(), &lexora::trees::FillScheduleTreeP);
    for (const char* typed : {",", "+", " , ,", "+ + ", ",+,"}) {
        const QString text = QString::fromUtf8(typed);
        struct Run {
            const char* search;
            int expected;
            std::function<bool(TreeControl&)> run;
        };
        const Run runs[] = {
            {"topic keywords", topics,
             [&](TreeControl& t) { return TreeView_with_search(t, data.connection(), text); }},
            {"law titles", laws,
             [&](TreeControl& t) {
                 QString l_text = text;
                 return TreeView_with_law_search(t, data.connection(), l_text, false);
             }},
            {"law keywords", laws,
             [&](TreeControl& t) {
                 QString l_text = text;
                 return TreeView_with_law_search(t, data.connection(), l_text, true);
             }},
            {"chart", chart,
             [&](TreeControl& t) {
                 QString l_text = text;
                 return TreeView_with_Schedule_search_P(t, data.connection(), l_text);
             }},
        };
        for (const Run& r : runs) {
            auto tree = searchtest::makeTree();
            EXPECT_TRUE(r.run(*tree)) << r.search << " «" << typed << "»";
            EXPECT_EQ(tree->nodeCount(), r.expected) << r.search << " «" << typed << "»";
            EXPECT_TRUE(markedKeys(*tree).isEmpty()) << r.search << " «" << typed << "»";
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

// --- Topic title search -----------------------------------------------------

class TitleSearchTest : public SearchesTest {
protected:
    TitleSearchTest() {
        lexora::trees::FillTopicTree(*tree, data.connection(), {}, false, {}, true);
    }
};

TEST_F(TitleSearchTest, MarksTitlesDownToTheFourthLevelAndOpensTheWayToThem) {
    const KeywordCase cases[] = {
        // A root match opens itself; a lower one opens what lies above it.
        // The fifth-level «Ισότητα βαθμού πέντε» stays plain and hidden.
        {"ισοτητα", keys({"l111", "l3"}), keys({"l1", "l11", "l3"})},
        {"ΐσότητα", keys({"l111", "l3"}), keys({"l1", "l11", "l3"})},
        // The space is part of the query.
        {"ΤΗΤΑ Τ", keys({"l111"}), keys({"l1", "l11"})},
        {"άδειες", keys({"l1111"}), keys({"l1", "l11", "l111"})},
        {"σχολ", keys({"l1", "l12"}), keys({"l1"})},
        {"", {}, {}},
        {"   ", {}, {}},
    };
    for (const auto& c : cases) {
        TreeView_with_search_titles(*tree, QString::fromUtf8(c.text));
        EXPECT_EQ(markedKeys(*tree), c.marked) << c.text;
        EXPECT_EQ(expandedKeys(*tree), c.expanded) << c.text;
    }
    EXPECT_EQ(tree->nodeCount(), 9);
}

TEST_F(TitleSearchTest, RemovesEarlierMarksOnlyWhereItLooks) {
    // Marks of an earlier search on the first four levels go; a mark on the
    // fifth level is not visited and stays.
    tree->clearNodes();
    TreeView_with_search(*tree, data.connection(), QStringLiteral("εκπτωση"));
    tree->node(QStringLiteral("l11111"))->setBold(true);
    tree->node(QStringLiteral("l11111"))->setBackColor(QColor(230, 207, 195));
    tree->node(QStringLiteral("l11111"))->setForeColor(QColor(0, 0, 128));

    TreeView_with_search_titles(*tree, QStringLiteral("μαθητ"));
    EXPECT_EQ(markedKeys(*tree), keys({"l11111", "l2"}));
    EXPECT_EQ(expandedKeys(*tree), keys({"l2"}));
    const auto* plain = tree->node(QStringLiteral("l1111"));
    EXPECT_FALSE(plain->isBold());
    EXPECT_FALSE(plain->backColor().isValid());
    EXPECT_FALSE(plain->foreColor().isValid());
}

TEST(TitleSearch, EmptyTreeStaysEmpty) {
    auto tree = searchtest::makeTree();
    TreeView_with_search_titles(*tree, QStringLiteral("ισοτητα"));
    EXPECT_EQ(tree->nodeCount(), 0);
}

// --- Legislation search -----------------------------------------------------

struct LawCase {
    const char* text;
    bool keywords;
    QStringList marked;
    QStringList expanded;
};

TEST_F(SearchesTest, LawSearchMarksActsOfDisplayedTypesAndOpensTheirTypes) {
    const LawCase cases[] = {
        // Titles, as typed: letter case ignored, accents kept. The hidden type
        // 4 and type 95 (no branch) add no node.
        {"1566", false, keys({"c101"}), keys({"p1"})},
        {"ΝΌΜΟΣ", false, keys({"c101", "c102"}), keys({"p1"})},
        {"νομος", false, {}, {}},
        {"1566, 79/", false, keys({"c101", "c201"}), keys({"p1", "p3"})},
        {"διάταγμα+2018", false, keys({"c202"}), keys({"p3"})},
        {"Ν' 1566", false, {}, {}},
        {"%", false, keys({"c101", "c102", "c201", "c202"}), keys({"p1", "p3"})},
        {"Διάταγμα __/2018", false, keys({"c202"}), keys({"p3"})},
        // Keywords, folded; several acts of type 3 open it once.
        {"αξιολόγηση", true, keys({"c101", "c201", "c202"}), keys({"p1", "p3"})},
        {"μετάθεση", true, keys({"c102"}), keys({"p1"})},
        {"καμία", true, {}, {}},
    };
    for (const auto& c : cases) {
        tree->clearNodes();
        QString text = QString::fromUtf8(c.text);
        EXPECT_TRUE(TreeView_with_law_search(*tree, data.connection(), text, c.keywords)) << c.text;
        EXPECT_EQ(tree->nodeCount(), 6) << c.text; // two types, four acts
        EXPECT_EQ(markedKeys(*tree), c.marked) << c.text;
        EXPECT_EQ(expandedKeys(*tree), c.expanded) << c.text;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SearchesTest, LawSearchHandsBackTheCondition) {
    QString text = QStringLiteral("1566");
    TreeView_with_law_search(*tree, data.connection(), text, false);
    EXPECT_EQ(text.trimmed(), QStringLiteral("(law.title LIKE '%1566%' )"));
    text = QStringLiteral("άδεια");
    tree->clearNodes();
    TreeView_with_law_search(*tree, data.connection(), text, true); // also when it fails
    EXPECT_EQ(text.trimmed(), QStringLiteral("(KEYS.descr LIKE '%ΑΔΕΙΑ%' )"));
}

// --- Organisation-chart search ----------------------------------------------

TEST_F(SearchesTest, ChartSearchMarksEntriesAndOpensEveryEntryAboveThem) {
    const KeywordCase cases[] = {
        // Two entries under one parent: it opens once.
        {"τμήμα", keys({"l100", "l101"}), keys({"l1", "l10"})},
        {"ΤΜΉΜΑ", keys({"l100", "l101"}), keys({"l1", "l10"})},
        // As typed: accents are not folded away.
        {"τμημα", {}, {}},
        {"Α' Σπουδών", keys({"l100"}), keys({"l1", "l10"})},
        {"Υπουργείο", keys({"l1"}), {}},
        {"Διεύθυνση", keys({"l10", "l20"}), keys({"l1", "l2"})},
        {"Εκπαίδευσης+Διεύθυνση", keys({"l20"}), keys({"l2"})},
    };
    using Search = bool (*)(TreeControl&, engine::Connection&, QString&);
    for (const Search search :
         {&TreeView_with_Schedule_search_P, &TreeView_with_Schedule_search_N}) {
        for (const auto& c : cases) {
            tree->clearNodes();
            QString text = QString::fromUtf8(c.text);
            EXPECT_TRUE(search(*tree, data.connection(), text)) << c.text;
            EXPECT_TRUE(text.contains(QStringLiteral("Schedule.descr LIKE"))) << text.toStdString();
            EXPECT_EQ(tree->nodeCount(), 6) << c.text;
            EXPECT_EQ(markedKeys(*tree), c.marked) << c.text;
            EXPECT_EQ(expandedKeys(*tree), c.expanded) << c.text;
        }
    }
}

} // namespace
