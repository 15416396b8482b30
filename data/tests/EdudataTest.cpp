// Checks over the built sample database edudata.mdb and the help folder:
// the trees have no cycles, every citation, keyword link and "#" link names
// a row that exists, ids fit the 16-bit lists of the searches, every stored
// document starts as its type says, every image that stored HTML names is
// in the help folder, and the content has the shapes the program's page
// builders and searches are written for.
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::optional<QString>>;

// Read-only handle on the built database; every query returns all its rows
// as texts (null stays null), which is all these checks need.
class Edudata {
public:
    Edudata() {
        if (sqlite3_open_v2(LEXORA_EDUDATA_PATH, &m_db, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK) {
            m_error = sqlite3_errmsg(m_db);
        }
    }
    ~Edudata() { sqlite3_close(m_db); }
    Edudata(const Edudata&) = delete;
    Edudata& operator=(const Edudata&) = delete;

    const std::string& error() const { return m_error; }

    std::vector<Row> rows(const QString& sql) const {
        std::vector<Row> out;
        sqlite3_stmt* stmt = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << "cannot prepare: " << text.constData() << ": " << sqlite3_errmsg(m_db);
            return out;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                if (sqlite3_column_type(stmt, c) == SQLITE_NULL) {
                    row.emplace_back(std::nullopt);
                } else {
                    row.emplace_back(QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                        sqlite3_column_bytes(stmt, c)));
                }
            }
            out.push_back(std::move(row));
        }
        sqlite3_finalize(stmt);
        return out;
    }

    long long number(const QString& sql) const {
        const auto result = rows(sql);
        if (result.empty() || result.front().empty() || !result.front().front()) {
            ADD_FAILURE() << "no value from " << sql.toStdString();
            return -1;
        }
        return result.front().front()->toLongLong();
    }

    std::vector<long long> ids(const QString& sql) const {
        std::vector<long long> out;
        for (const auto& row : rows(sql)) {
            out.push_back(row.front() ? row.front()->toLongLong() : 0);
        }
        return out;
    }

    QByteArray blob(const QString& sql) const {
        QByteArray out;
        sqlite3_stmt* stmt = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW) {
            out = QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, 0)),
                             sqlite3_column_bytes(stmt, 0));
        }
        sqlite3_finalize(stmt);
        return out;
    }

private:
    sqlite3* m_db = nullptr;
    std::string m_error;
};

class EdudataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new Edudata; }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_db->error().empty()) << s_db->error(); }
    const Edudata& db() const { return *s_db; }

private:
    static inline Edudata* s_db = nullptr;
};

// Follows parent links from every node; a chain must reach 0 through nodes
// that exist, without meeting a node twice.
void expectRootedTree(const Edudata& db, const QString& table, const QString& id,
                      const QString& parent) {
    std::map<long long, long long> parents;
    for (const auto& row : db.rows("SELECT " + id + ", " + parent + " FROM " + table)) {
        parents[row[0]->toLongLong()] = row[1] ? row[1]->toLongLong() : -1;
    }
    ASSERT_FALSE(parents.empty()) << table.toStdString();
    for (const auto& [node, first] : parents) {
        std::set<long long> seen{node};
        long long p = first;
        while (p != 0) {
            ASSERT_TRUE(parents.count(p))
                << table.toStdString() << " " << node << ": parent " << p << " does not exist";
            ASSERT_TRUE(seen.insert(p).second)
                << table.toStdString() << " " << node << ": cycle through " << p;
            p = parents[p];
        }
    }
}

// The "#" targets of the anchors of a stored HTML text, decoded as the link
// handler decodes them ("#f" + id or "#" + id).
std::vector<QString> linkTargets(const QString& html) {
    static const QRegularExpression href(QStringLiteral(R"re(href\s*=\s*["']?(#[^"'\s>]*))re"),
                                         QRegularExpression::CaseInsensitiveOption);
    std::vector<QString> out;
    auto it = href.globalMatch(html);
    while (it.hasNext()) {
        out.push_back(it.next().captured(1));
    }
    return out;
}

// The file names the image redirection takes from "<img ... src=q...q".
std::vector<QString> imageNames(const QString& html) {
    std::vector<QString> out;
    qsizetype pos = 0;
    while ((pos = html.indexOf(QStringLiteral("<img"), pos)) >= 0) {
        const qsizetype src = html.indexOf(QStringLiteral("src="), pos);
        if (src < 0) {
            break;
        }
        const QChar quote = html.at(src + 4);
        const qsizetype close = html.indexOf(quote, src + 5);
        if (close < 0) {
            break;
        }
        const QString source = html.mid(src + 5, close - src - 5).trimmed();
        const qsizetype cut = std::max(source.lastIndexOf('/'), source.lastIndexOf('\\'));
        out.push_back(source.mid(cut + 1));
        pos = close + 1;
    }
    return out;
}

struct HtmlColumn {
    const char* table;
    const char* column;
    const char* linkTable; // where "#" links of this text lead
};

const HtmlColumn kHtmlColumns[] = {
    {"abstract", "descr", "law"},
    {"law", "descr", "law"},
    {"law", "title", "law"},
    {"ScheduleAbstract", "descr", "Schedulelaw"},
    {"Schedulelaw", "descr", "Schedulelaw"},
    {"Schedulelaw", "title", "Schedulelaw"},
};

TEST_F(EdudataTest, TreesAreRootedWithoutCycles) {
    expectRootedTree(db(), "topic", "topic_id", "topic_id_parent");
    expectRootedTree(db(), "schedule", "schedule_id", "schedule_id_parent");
}

TEST_F(EdudataTest, EveryReferenceNamesAnExistingRow) {
    const char* dangling[] = {
        "SELECT count(*) FROM abstract WHERE topic_id NOT IN (SELECT topic_id FROM topic)",
        "SELECT count(*) FROM abstract_law WHERE abstract_id NOT IN (SELECT abstract_id FROM "
        "abstract)",
        "SELECT count(*) FROM abstract_law WHERE law_id NOT IN (SELECT law_id FROM law)",
        "SELECT count(*) FROM law WHERE type_id NOT IN (SELECT type_id FROM LAWTYPE)",
        "SELECT count(*) FROM Schedulelaw WHERE type_id NOT IN (SELECT type_id FROM LAWTYPE)",
        "SELECT count(*) FROM LAW_KEYS WHERE LAW_ID NOT IN (SELECT law_id FROM law)",
        "SELECT count(*) FROM LAW_KEYS WHERE KEY_ID NOT IN (SELECT KEY_ID FROM KEYS)",
        "SELECT count(*) FROM ABSTRACT_KEYS WHERE ABSTRACT_ID NOT IN (SELECT abstract_id FROM "
        "abstract)",
        "SELECT count(*) FROM ABSTRACT_KEYS WHERE KEY_ID NOT IN (SELECT KEY_ID FROM KEYS)",
        "SELECT count(*) FROM ScheduleAbstract WHERE Schedule_id NOT IN (SELECT schedule_id FROM "
        "schedule)",
        "SELECT count(*) FROM KEYS WHERE KEY_ID NOT IN (SELECT KEY_ID FROM LAW_KEYS) "
        "AND KEY_ID NOT IN (SELECT KEY_ID FROM ABSTRACT_KEYS)",
    };
    for (const char* sql : dangling) {
        EXPECT_EQ(db().number(sql), 0) << sql;
    }
}

TEST_F(EdudataTest, EveryStoredLinkNamesAnExistingRow) {
    static const QRegularExpression idLink(QStringLiteral("^#f?(\\d+)$"));
    int links = 0;
    for (const auto& col : kHtmlColumns) {
        const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %1 LIKE '%#%'")
                                .arg(QLatin1String(col.column), QLatin1String(col.table));
        for (const auto& row : db().rows(sql)) {
            for (const QString& target : linkTargets(*row[0])) {
                const auto m = idLink.match(target);
                ASSERT_TRUE(m.hasMatch()) << col.table << "." << col.column << ": link "
                                          << target.toStdString() << " names no row";
                const QString exists = QStringLiteral("SELECT count(*) FROM %1 WHERE law_id = %2")
                                           .arg(QLatin1String(col.linkTable), m.captured(1));
                EXPECT_EQ(db().number(exists), 1)
                    << col.table << "." << col.column << ": " << target.toStdString();
                ++links;
            }
        }
    }
    EXPECT_GT(links, 20);
    EXPECT_GT(db().number("SELECT count(*) FROM ScheduleAbstract WHERE descr LIKE '%href=\"#f%'"),
              0);
    EXPECT_GT(db().number("SELECT count(*) FROM ScheduleAbstract WHERE descr LIKE '%href=\"#5%'"),
              0);
}

TEST_F(EdudataTest, SearchableIdsFitSixteenBits) {
    const char* ranges[] = {
        "SELECT count(*) FROM topic WHERE topic_id NOT BETWEEN 1 AND 32767",
        "SELECT count(*) FROM schedule WHERE schedule_id NOT BETWEEN 1 AND 32767",
        "SELECT count(*) FROM law WHERE law_id NOT BETWEEN 1 AND 32767",
        "SELECT count(*) FROM Schedulelaw WHERE law_id NOT BETWEEN 1 AND 32767",
        "SELECT count(*) FROM LAWTYPE WHERE type_id NOT BETWEEN 1 AND 32767",
        "SELECT count(*) FROM abstract WHERE abstract_id NOT BETWEEN 1 AND 32767",
    };
    for (const char* sql : ranges) {
        EXPECT_EQ(db().number(sql), 0) << sql;
    }
}

TEST_F(EdudataTest, StoredDocumentsStartAsTheirTypeSays) {
    const std::map<QString, QByteArray> magic = {
        {"rtf", QByteArray("{\\rtf")},
        {"xls", QByteArray::fromHex("d0cf11e0a1b11ae1")},
        {"xlsx", QByteArray("PK\x03\x04")},
        {"html", QByteArray("<")},
    };
    std::set<QString> lawTypes;
    std::set<QString> templateTypes;
    const struct {
        const char* table;
        std::set<QString>* seen;
    } tables[] = {{"law", &lawTypes}, {"Schedulelaw", &templateTypes}};
    for (const auto& t : tables) {
        for (const auto& row :
             db().rows(QStringLiteral("SELECT law_id, BlobType FROM %1 WHERE "
                                      "BlobBody IS NOT NULL OR ifnull(BlobType, '') <> ''")
                           .arg(QLatin1String(t.table)))) {
            // A template without a type is shown as rtf; an act without one has no document.
            const QString type = row[1].value_or(QStringLiteral("rtf"));
            t.seen->insert(row[1] ? type : QStringLiteral("(null)"));
            ASSERT_TRUE(magic.count(type))
                << t.table << " " << row[0]->toStdString() << ": " << type.toStdString();
            const QByteArray body =
                db().blob(QStringLiteral("SELECT BlobBody FROM %1 WHERE law_id = %2")
                              .arg(QLatin1String(t.table), *row[0]));
            EXPECT_TRUE(body.startsWith(magic.at(type)))
                << t.table << " " << row[0]->toStdString() << " is not " << type.toStdString();
        }
    }
    EXPECT_EQ(lawTypes, (std::set<QString>{"rtf", "html"}));
    EXPECT_EQ(templateTypes, (std::set<QString>{"rtf", "xls", "xlsx", "(null)"}));

    // A chart node whose page is a stored document has it in its first abstract.
    const auto blobNodes = db().ids("SELECT schedule_id FROM schedule WHERE IsBlob");
    ASSERT_EQ(blobNodes.size(), 1u);
    const QByteArray page =
        db().blob(QStringLiteral("SELECT BlobBody FROM ScheduleAbstract WHERE Schedule_id = %1 "
                                 "ORDER BY aa_abstr_flag LIMIT 1")
                      .arg(blobNodes.front()));
    EXPECT_TRUE(page.startsWith("{\\rtf"));
}

TEST_F(EdudataTest, RtfDocumentsAreGreekWordProcessorFiles) {
    const QByteArray rtf = db().blob("SELECT BlobBody FROM law WHERE BlobType = 'rtf'");
    EXPECT_TRUE(rtf.contains("\\ansicpg1253"));
    EXPECT_TRUE(rtf.contains("\\fcharset161"));
    EXPECT_TRUE(rtf.contains("\\u913\\'c1") ||
                rtf.contains("\\u927\\'cf")); // Greek capitals with their cp1253 byte
    // Control words \b and \i, not the longer words that start with them.
    const QString text = QString::fromLatin1(rtf);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(R"(\\b(?![a-z]))")))) << "bold run";
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(R"(\\i(?![a-z]))"))))
        << "italic run";
    EXPECT_TRUE(rtf.contains("\\listtext")) << "bulleted list";
    EXPECT_TRUE(rtf.contains("\\trowd")) << "table";
}

TEST_F(EdudataTest, EveryImageOfStoredHtmlIsInTheHelpFolder) {
    std::set<QString> names;
    for (const auto& col : kHtmlColumns) {
        const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %1 LIKE '%<img%'")
                                .arg(QLatin1String(col.column), QLatin1String(col.table));
        for (const auto& row : db().rows(sql)) {
            for (const QString& name : imageNames(*row[0])) {
                names.insert(name);
            }
        }
    }
    EXPECT_GE(names.size(), 3u);
    for (const QString& page : {QStringLiteral("law_help.html"), QStringLiteral("LawInfo.htm")}) {
        QFile file(QStringLiteral(LEXORA_HELP_DIR "/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        for (const QString& name : imageNames(QString::fromUtf8(file.readAll()))) {
            names.insert(name);
        }
    }
    names.insert(QStringLiteral("excel.ico")); // the spreadsheet note names it by path
    for (const QString& name : names) {
        const QImage image(QStringLiteral(LEXORA_HELP_DIR "/") + name);
        EXPECT_FALSE(image.isNull()) << name.toStdString() << " is missing or not a picture";
    }
    // Both quote styles of the source attribute occur.
    EXPECT_GT(db().number("SELECT count(*) FROM law WHERE descr LIKE '%<img src=\"%'"), 0);
    EXPECT_GT(db().number("SELECT count(*) FROM law WHERE descr LIKE '%<img src=''%'"), 0);
}

TEST_F(EdudataTest, LegislationTypesGiveBranchesOnlyToKindsOfAct) {
    // The branches of the legislation tree, in their order.
    const auto branches =
        db().ids("SELECT type_id FROM LAWTYPE WHERE display_flag = 1 AND LAWTYPE_SHOW "
                 "AND type_id < 90 ORDER BY LAWTYPE_ORDERNO, type_id");
    EXPECT_EQ(branches, (std::vector<long long>{1, 3, 4, 8, 6}));
    EXPECT_GT(
        db().number("SELECT count(*) FROM LAWTYPE WHERE display_flag = 1 AND NOT LAWTYPE_SHOW "
                    "AND type_id NOT IN (2, 5, 7)"),
        0);
    EXPECT_GT(
        db().number(
            "SELECT count(*) FROM LAWTYPE WHERE display_flag = 0 AND type_id NOT IN (2, 5, 7)"),
        0);
    EXPECT_GT(db().number("SELECT count(*) FROM law WHERE type_id >= 90"), 0);
    // Each branch holds acts, and the hidden kinds hold acts too.
    for (long long type : branches) {
        EXPECT_GT(
            db().number(QStringLiteral("SELECT count(*) FROM law WHERE type_id = %1").arg(type)), 0)
            << type;
    }
    EXPECT_EQ(db().number("SELECT count(*) FROM LAWTYPE WHERE type_id IN (2, 5, 7) AND "
                          "(LAWTYPE_SHOW OR display_flag <> 0)"),
              0);
}

TEST_F(EdudataTest, ActsHaveTheShapesThePagesAreBuiltFrom) {
    // Acts: header or whole-text rows, one code each.
    EXPECT_GE(
        db().number("SELECT count(DISTINCT law_code) FROM law WHERE type_id NOT IN (2, 5, 7)"), 30);
    EXPECT_GE(db().number("SELECT count(DISTINCT type_id) FROM law WHERE type_id NOT IN (2, 5, 7)"),
              5);
    EXPECT_GE(db().number("SELECT count(DISTINCT law_code) FROM law WHERE type_id = 2"), 8);
    EXPECT_GE(db().number("SELECT count(*) FROM law WHERE all_law_flag = 1"), 15);
    // Every part belongs to an act that has a header row.
    EXPECT_EQ(
        db().number(
            "SELECT count(*) FROM law p WHERE p.type_id IN (2, 5, 7) AND NOT EXISTS "
            "(SELECT 1 FROM law h WHERE h.law_code = p.law_code AND h.type_id NOT IN (2, 5, 7))"),
        0);

    const char* shapes[] = {
        // a paragraph whose article is not stored as a row
        "SELECT count(*) FROM law p WHERE p.type_id = 5 AND NOT EXISTS (SELECT 1 FROM law a WHERE "
        "a.type_id = 2 AND a.law_code = p.law_code AND a.article_code = p.article_code)",
        // a sub-paragraph whose paragraph and article are not stored
        "SELECT count(*) FROM law s WHERE s.type_id = 7 AND NOT EXISTS (SELECT 1 FROM law o WHERE "
        "o.type_id IN (2, 5) AND o.law_code = s.law_code AND o.article_code = s.article_code)",
        // a paragraph whose article is stored (must not be shown twice)
        "SELECT count(*) FROM law p WHERE p.type_id = 5 AND EXISTS (SELECT 1 FROM law a WHERE "
        "a.type_id = 2 AND a.law_code = p.law_code AND a.article_code = p.article_code)",
        // an act with a whole-text row and a header row of the same type
        "SELECT count(*) FROM law w JOIN law h ON h.law_code = w.law_code AND h.type_id = "
        "w.type_id "
        "AND h.law_id <> w.law_id WHERE w.all_law_flag = 1 AND h.all_law_flag = 0",
        // a code with an apostrophe
        "SELECT count(*) FROM law WHERE law_code LIKE '%''%'",
        // an article code with a letter after its number
        "SELECT count(*) FROM law WHERE type_id = 2 AND article_code GLOB '[0-9]*[^0-9]'",
        // templates: assembled, single rows, the same odd parts as acts
        "SELECT count(*) FROM Schedulelaw WHERE type_id = 2",
        "SELECT count(*) FROM Schedulelaw WHERE all_law_flag = 1",
        "SELECT count(*) FROM Schedulelaw p WHERE p.type_id = 5 AND NOT EXISTS (SELECT 1 FROM "
        "Schedulelaw a WHERE a.type_id = 2 AND a.law_code = p.law_code AND a.article_code = "
        "p.article_code)",
        "SELECT count(*) FROM Schedulelaw s WHERE s.type_id = 7 AND NOT EXISTS (SELECT 1 FROM "
        "Schedulelaw o WHERE o.type_id IN (2, 5) AND o.law_code = s.law_code AND o.article_code = "
        "s.article_code)",
    };
    for (const char* sql : shapes) {
        EXPECT_GT(db().number(sql), 0) << sql;
    }
}

TEST_F(EdudataTest, ArticleCodesOrderOnlyByNumericValue) {
    // The act whose articles are stored out of order: by numeric value they
    // read 2, 10, 12, 12α, 13; as texts 10 would come first.
    const QString code = QStringLiteral("'Υ.Α. Φ.353.1/324/105657/Δ1/2002'");
    std::vector<QString> numeric;
    for (const auto& row :
         db().rows("SELECT article_code FROM law WHERE type_id = 2 AND law_code = " + code +
                   " ORDER BY CAST(article_code AS INTEGER), law_id")) {
        numeric.push_back(*row[0]);
    }
    EXPECT_EQ(numeric, (std::vector<QString>{"2", "10", "12", "12α", "13", "37"}));
    const auto firstAsText =
        db().rows("SELECT article_code FROM law WHERE type_id = 2 AND law_code = " + code +
                  " ORDER BY article_code LIMIT 1");
    EXPECT_EQ(*firstAsText.front()[0], QStringLiteral("10"));
}

TEST_F(EdudataTest, ActsCarryDatesForNewestFirst) {
    EXPECT_EQ(db().number(
                  "SELECT count(*) FROM law WHERE type_id NOT IN (2, 5, 7) AND (issue_date IS NULL "
                  "OR issue_date NOT GLOB '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]' "
                  "OR law_year <> CAST(substr(issue_date, 1, 4) AS INTEGER))"),
              0);
    EXPECT_GE(db().number("SELECT count(DISTINCT law_year) FROM law"), 15);
    // Two acts of one type share a date and year, so their codes decide.
    EXPECT_GT(db().number("SELECT count(*) FROM law a JOIN law b ON a.type_id = b.type_id AND "
                          "a.issue_date = b.issue_date AND a.law_code < b.law_code "
                          "WHERE a.type_id NOT IN (2, 5, 7)"),
              0);
}

TEST_F(EdudataTest, TopicsAndAbstractsHaveTheShapesThePagesExpect) {
    EXPECT_GE(db().number("SELECT count(*) FROM topic"), 40);
    // Four levels: a topic whose grandparent has a parent.
    EXPECT_GT(
        db().number("SELECT count(*) FROM topic t JOIN topic p ON t.topic_id_parent = p.topic_id "
                    "JOIN topic g ON p.topic_id_parent = g.topic_id WHERE g.topic_id_parent <> 0"),
        0);
    // Siblings never tie on their sort keys.
    EXPECT_EQ(
        db().number(
            "SELECT count(*) FROM (SELECT topic_id_parent FROM topic GROUP BY topic_id_parent, "
            "order_flag_lev1, order_flag_lev2, order_flag_lev3 HAVING count(*) > 1)"),
        0);
    EXPECT_GT(
        db().number(
            "SELECT count(*) FROM topic WHERE topic_id NOT IN (SELECT topic_id FROM abstract)"),
        0);
    EXPECT_GT(
        db().number(
            "SELECT count(*) FROM abstract a WHERE a.descr IS NULL AND a.aa_abstr_flag = "
            "(SELECT min(aa_abstr_flag) FROM abstract b WHERE b.topic_id = a.topic_id) AND EXISTS "
            "(SELECT 1 FROM abstract c WHERE c.topic_id = a.topic_id AND c.descr IS NOT NULL)"),
        0);
    EXPECT_GT(db().number("SELECT count(*) FROM abstract_law WHERE display_conn_flag = 0"), 0);
    EXPECT_GE(db().number("SELECT count(*) FROM abstract WHERE descr IS NOT NULL"), 40);
    // Every abstract with text cites at least one act and carries a keyword.
    EXPECT_EQ(
        db().number("SELECT count(*) FROM abstract WHERE descr IS NOT NULL AND abstract_id NOT IN "
                    "(SELECT abstract_id FROM abstract_law WHERE display_conn_flag = 1)"),
        0);
    EXPECT_EQ(
        db().number("SELECT count(*) FROM abstract WHERE descr IS NOT NULL AND abstract_id NOT IN "
                    "(SELECT ABSTRACT_ID FROM ABSTRACT_KEYS)"),
        0);
}

TEST_F(EdudataTest, OrganisationChartHasThreeLevelsAndTemplates) {
    EXPECT_GE(db().number("SELECT count(*) FROM schedule"), 20);
    EXPECT_GT(db().number("SELECT count(*) FROM schedule t JOIN schedule p ON t.schedule_id_parent "
                          "= p.schedule_id "
                          "WHERE p.schedule_id_parent <> 0"),
              0);
    EXPECT_GE(db().number("SELECT count(*) FROM ScheduleAbstract WHERE descr LIKE '%href=%'"), 5);
    // Every template can be reached from some chart page.
    for (long long id : db().ids("SELECT law_id FROM Schedulelaw WHERE type_id = 90")) {
        const QString sql =
            QStringLiteral("SELECT count(*) FROM ScheduleAbstract WHERE descr LIKE '%\"#%1\"%' "
                           "OR descr LIKE '%\"#f%1\"%'")
                .arg(id);
        EXPECT_GT(db().number(sql), 0) << "template " << id << " is not linked";
    }
}

TEST_F(EdudataTest, KeywordsAreFoldedGreekCapitals) {
    static const QRegularExpression folded(QStringLiteral("^[Α-Ω][Α-Ω ]*$"));
    for (const auto& row : db().rows("SELECT descr FROM KEYS")) {
        EXPECT_TRUE(folded.match(*row[0]).hasMatch()) << row[0]->toStdString();
    }
}

// The conditions the condition builder writes for "," (any part) and "+"
// (all parts), run as the keyword searches run them.
struct SearchCase {
    const char* text;
    const char* condition;
    std::vector<long long> topics;    // must be among the topics found
    std::vector<long long> notTopics; // must not be found
    std::vector<long long> acts;      // must be among the acts found
};

TEST_F(EdudataTest, KeywordSearchesFindWhatAUserExpects) {
    const SearchCase cases[] = {
        {"άδεια",
         "KEYS.descr LIKE '%ΑΔΕΙΑ%'",
         {331, 332, 3331, 3332, 3333, 334, 335, 33},
         {321},
         {600, 1300, 2500}},
        {"μετάθεση", "KEYS.descr LIKE '%ΜΕΤΑΘΕΣΗ%'", {321, 322, 323}, {331}, {1500, 3200}},
        {"αξιολόγηση",
         "KEYS.descr LIKE '%ΑΞΙΟΛΟΓΗΣΗ%'",
         {23, 34, 43},
         {321},
         {1400, 1700, 3300, 2600}},
        {"αδεια, μετάθεση",
         "(KEYS.descr LIKE '%ΑΔΕΙΑ%' OR KEYS.descr LIKE '%ΜΕΤΑΘΕΣΗ%')",
         {331, 3331, 321, 322},
         {23},
         {600, 1500}},
        {"αδεια+κυησης",
         "(KEYS.descr LIKE '%ΑΔΕΙΑ%' AND KEYS.descr LIKE '%ΚΥΗΣΗΣ%')",
         {3331},
         {331, 3332, 321},
         {600, 2500}},
        {"εγγραφή", "KEYS.descr LIKE '%ΕΓΓΡΑΦΗ%'", {211, 212, 213}, {22}, {1600, 2300}},
    };
    for (const auto& c : cases) {
        const QString condition = QString::fromUtf8(c.condition);
        const auto topics = db().ids("SELECT DISTINCT topic.topic_id FROM KEYS INNER JOIN ((TOPIC "
                                     "INNER JOIN ABSTRACT ON TOPIC.TOPIC_ID = "
                                     "ABSTRACT.TOPIC_ID) INNER JOIN ABSTRACT_KEYS ON "
                                     "ABSTRACT.ABSTRACT_ID = ABSTRACT_KEYS.ABSTRACT_ID) ON "
                                     "KEYS.KEY_ID = ABSTRACT_KEYS.KEY_ID WHERE " +
                                     condition);
        const std::set<long long> found(topics.begin(), topics.end());
        for (long long t : c.topics) {
            EXPECT_TRUE(found.count(t)) << c.text << ": topic " << t << " not found";
        }
        for (long long t : c.notTopics) {
            EXPECT_FALSE(found.count(t)) << c.text << ": topic " << t << " found";
        }
        const auto acts =
            db().ids("SELECT DISTINCT law.LAW_ID FROM KEYS INNER JOIN ((LAWTYPE INNER JOIN law ON "
                     "LAWTYPE.TYPE_ID = "
                     "law.TYPE_ID) INNER JOIN LAW_KEYS ON LAW.LAW_ID = LAW_KEYS.LAW_ID) ON "
                     "KEYS.KEY_ID = LAW_KEYS.KEY_ID "
                     "WHERE LAWTYPE.display_flag = 1 AND LAWTYPE.type_id = law.type_id AND " +
                     condition);
        const std::set<long long> foundActs(acts.begin(), acts.end());
        for (long long a : c.acts) {
            EXPECT_TRUE(foundActs.count(a)) << c.text << ": act " << a << " not found";
        }
    }
}

TEST_F(EdudataTest, SettingRowAsksForTheInformationWindow) {
    const auto rows = db().rows("SELECT sys_info_display FROM system_law_parameters");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(*rows.front()[0], QStringLiteral("0"));
}

} // namespace
