// Writes a large edudata database with the shapes of the sample: the topic
// tree with abstracts citing acts, acts of every kind stored as one whole-text
// row or as a header row with its articles, paragraphs and sub-paragraphs,
// keywords on abstracts and acts, and the organisation chart with its pages
// and templates. Texts are Greek, of the lengths real acts have (1 to 20 KB a
// row); ids start above the 16-bit range. The same size always gives the same
// file.
//
//   lexora_generate_database M|L <output file>
#include "bench/GeneratedShapes.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using lexora::bench::DatabaseSize;

// Words of the running text, titles and headings.
const std::array kWords = {
    "εκπαίδευση",  "σχολική",        "μονάδα",       "διευθυντής",    "εκπαιδευτικών", "μαθητών",
    "νηπιαγωγείο", "δημοτικό",       "σχολείο",      "πρόγραμμα",     "ωρολόγιο",      "διδασκαλία",
    "σύλλογος",    "διδασκόντων",    "περιφερειακή", "διεύθυνση",     "υπηρεσία",      "άδεια",
    "απόφαση",     "υπουργείο",      "παιδείας",     "αρμόδιο",       "όργανο",        "ορίζεται",
    "σύμφωνα",     "διατάξεις",      "άρθρου",       "παραγράφου",    "νόμου",         "εφαρμογή",
    "ρύθμιση",     "θέματα",         "λειτουργίας",  "οργάνωσης",     "αξιολόγηση",    "επιμόρφωση",
    "μετάθεση",    "απόσπαση",       "τοποθέτηση",   "πρόσληψη",      "αναπληρωτών",   "ωρομισθίων",
    "εγγραφή",     "φοίτηση",        "απουσίες",     "βαθμολογία",    "τάξη",          "τμήμα",
    "ένταξης",     "παράλληλη",      "στήριξη",      "ειδική",        "αγωγή",         "ολοήμερο",
    "πρωινή",      "ζώνη",           "σχολικό",      "έτος",          "διάρκεια",      "ημερών",
    "αίτηση",      "δικαιολογητικά", "προθεσμία",    "υποβολή",       "έγκριση",       "χορήγηση",
    "κανονική",    "αναρρωτική",     "κύησης",       "λοχείας",       "ανατροφής",     "τέκνου",
    "μονίμων",     "υπαλλήλων",      "κλάδου",       "βαθμού",        "υπηρεσιακή",    "κατάσταση",
    "συμβούλιο",   "περιοχής",       "νομού",        "δήμου",         "κοινότητας",    "γονέων",
    "κηδεμόνων",   "μεταφορά",       "σίτιση",       "υγεία",         "ασφάλεια",      "κτιρίων",
    "εξοπλισμού",  "βιβλίων",        "αρχείων",      "πιστοποιητικό", "βεβαίωση",      "πράξη",
    "ανάθεση",     "μαθημάτων",      "ωρών",         "εβδομάδα",      "εργασίας",      "καθηκόντων",
    "ευθύνη",      "έλεγχος",        "εποπτεία",     "συντονισμός",   "καθοδήγηση",    "συνεργασία",
    "ενημέρωση",   "ανακοίνωση",     "προκήρυξη",    "κριτήρια",      "μόρια",         "πίνακες",
};

// Keywords are written as the searches compare them: capitals, no accents.
const std::array kKeyNouns = {
    "ΑΔΕΙΑ",       "ΑΞΙΟΛΟΓΗΣΗ", "ΜΕΤΑΘΕΣΗ",   "ΑΠΟΣΠΑΣΗ", "ΕΓΓΡΑΦΗ",       "ΦΟΙΤΗΣΗ",
    "ΔΙΟΡΙΣΜΟΣ",   "ΕΠΙΜΟΡΦΩΣΗ", "ΠΡΟΓΡΑΜΜΑ",  "ΤΜΗΜΑ",    "ΣΥΛΛΟΓΟΣ",      "ΣΧΟΛΕΙΟ",
    "ΝΗΠΙΑΓΩΓΕΙΟ", "ΕΚΔΡΟΜΗ",    "ΜΕΤΑΦΟΡΑ",   "ΣΙΤΙΣΗ",   "ΒΑΘΜΟΛΟΓΙΑ",    "ΑΠΟΥΣΙΕΣ",
    "ΩΡΑΡΙΟ",      "ΠΡΟΣΛΗΨΗ",   "ΤΟΠΟΘΕΤΗΣΗ", "ΑΝΑΘΕΣΗ",  "ΕΠΟΠΤΕΙΑ",      "ΥΓΕΙΑ",
    "ΑΣΦΑΛΕΙΑ",    "ΚΤΙΡΙΑ",     "ΒΙΒΛΙΑ",     "ΑΡΧΕΙΑ",   "ΠΙΣΤΟΠΟΙΗΤΙΚΟ", "ΠΡΟΚΗΡΥΞΗ",
};
const std::array kKeyQualifiers = {
    "ΚΑΝΟΝΙΚΗ",        "ΕΙΔΙΚΗ",           "ΕΚΠΑΙΔΕΥΤΙΚΩΝ", "ΜΑΘΗΤΩΝ",        "ΔΙΕΥΘΥΝΤΩΝ",
    "ΑΝΑΠΛΗΡΩΤΩΝ",     "ΝΗΠΙΑΓΩΓΩΝ",       "ΔΑΣΚΑΛΩΝ",      "ΠΕΡΙΦΕΡΕΙΑΚΗ",   "ΣΧΟΛΙΚΗ",
    "ΥΠΗΡΕΣΙΑΚΗ",      "ΕΣΩΤΕΡΙΚΗ",        "ΕΞΩΤΕΡΙΚΗ",     "ΟΛΟΗΜΕΡΟΥ",      "ΠΡΩΙΝΗΣ ΖΩΝΗΣ",
    "ΕΙΔΙΚΗΣ ΑΓΩΓΗΣ",  "ΤΜΗΜΑΤΟΣ ΕΝΤΑΞΗΣ", "ΓΟΝΕΩΝ",        "ΚΗΔΕΜΟΝΩΝ",      "ΑΛΛΟΔΑΠΩΝ",
    "ΠΑΛΙΝΝΟΣΤΟΥΝΤΩΝ", "ΜΟΝΙΜΩΝ",          "ΩΡΟΜΙΣΘΙΩΝ",    "ΔΗΜΟΤΙΚΟΥ",      "ΝΗΠΙΑΓΩΓΕΙΟΥ",
    "ΠΕΙΡΑΜΑΤΙΚΟΥ",    "ΜΟΥΣΙΚΟΥ",         "ΜΕΙΟΝΟΤΙΚΟΥ",   "ΕΣΠΕΡΙΝΟΥ",      "ΔΙΑΠΟΛΙΤΙΣΜΙΚΟΥ",
    "ΔΙΑΡΚΕΙΑΣ",       "ΕΤΗΣΙΑ",           "ΠΡΟΣΩΡΙΝΗ",     "ΟΡΙΣΤΙΚΗ",       "ΤΑΚΤΙΚΗ",
    "ΕΚΤΑΚΤΗ",         "ΤΡΙΜΗΝΗ",          "ΕΞΑΜΗΝΗ",       "ΕΝΙΑΙΑ",         "ΤΟΠΙΚΗ",
    "ΚΕΝΤΡΙΚΗ",        "ΗΛΕΚΤΡΟΝΙΚΗ",      "ΓΡΑΠΤΗ",        "ΠΡΟΦΟΡΙΚΗ",      "ΑΤΟΜΙΚΗ",
    "ΟΜΑΔΙΚΗ",         "ΠΡΟΑΙΡΕΤΙΚΗ",      "ΥΠΟΧΡΕΩΤΙΚΗ",   "ΣΥΜΠΛΗΡΩΜΑΤΙΚΗ", "ΑΝΑΛΥΤΙΚΗ",
};

const std::array kChartKinds = {"Διεύθυνση", "Τμήμα", "Γραφείο", "Αυτοτελές Τμήμα"};
const std::array kChartDomains = {
    "Προσωπικού",         "Σπουδών",
    "Ειδικής Αγωγής",     "Διοικητικού",
    "Οικονομικού",        "Εκπαιδευτικών Θεμάτων",
    "Μαθητικών Θεμάτων",  "Πληροφορικής",
    "Κτιριακών Υποδομών", "Επιμόρφωσης",
    "Συμβουλευτικής",     "Αξιολόγησης",
    "Προγραμματισμού",    "Νομικής Υποστήριξης",
    "Πρωτοκόλλου",        "Μεταφοράς Μαθητών",
};

struct ActKind {
    int typeId;
    const char* codeFormat; // number, year
    int weight;
};
const std::array kActKinds = {
    ActKind{1, "Ν. %d/%d", 25},           ActKind{3, "Π.Δ. %d/%d", 15},
    ActKind{4, "Υ.Α. Φ.%d/Δ1/%d", 22},    ActKind{4, "Υ.Α. %d/Γ2'/%d", 3},
    ActKind{8, "Κ.Υ.Α. %d/%d", 10},       ActKind{6, "Εγκ. %d/Δ2/%d", 15},
    ActKind{12, "Ν. %d/%d (καταργ.)", 3}, ActKind{13, "Απ. %d/%d", 4},
    ActKind{95, "Β.Δ. %d/%d", 3},
};
constexpr int kArticle = 2;
constexpr int kParagraph = 5;
constexpr int kSubParagraph = 7;

class Generator {
public:
    Generator(sqlite3* db, const DatabaseSize& size) : m_db(db), m_size(size), m_random(1985) {}

    void run() {
        exec("BEGIN");
        acts();
        topics();
        keywords();
        chart();
        exec("COMMIT");
    }

private:
    // --- SQLite ---------------------------------------------------------
    void exec(const char* sql) {
        char* message = nullptr;
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "?";
            sqlite3_free(message);
            throw std::runtime_error(text);
        }
    }

    class Insert {
    public:
        Insert(sqlite3* db, const char* sql) : m_db(db) {
            if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
                throw std::runtime_error(sqlite3_errmsg(db));
        }
        ~Insert() { sqlite3_finalize(m_stmt); }
        Insert(const Insert&) = delete;
        Insert& operator=(const Insert&) = delete;
        Insert& operator<<(long long v) {
            sqlite3_bind_int64(m_stmt, ++m_column, v);
            return *this;
        }
        Insert& operator<<(const std::string& v) {
            sqlite3_bind_text(m_stmt, ++m_column, v.data(), static_cast<int>(v.size()),
                              SQLITE_TRANSIENT);
            return *this;
        }
        Insert& operator<<(std::nullptr_t) {
            sqlite3_bind_null(m_stmt, ++m_column);
            return *this;
        }
        void run() {
            if (sqlite3_step(m_stmt) != SQLITE_DONE)
                throw std::runtime_error(sqlite3_errmsg(m_db));
            sqlite3_reset(m_stmt);
            sqlite3_clear_bindings(m_stmt);
            m_column = 0;
        }

    private:
        sqlite3* m_db;
        sqlite3_stmt* m_stmt = nullptr;
        int m_column = 0;
    };

    // --- Random pieces -------------------------------------------------------
    int uniform(int low, int high) { // inclusive
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    const char* word() { return kWords[static_cast<std::size_t>(uniform(0, kWords.size() - 1))]; }

    std::string words(int count) {
        std::string out;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                out += ' ';
            out += word();
        }
        return out;
    }

    // Paragraphs of sentences, about `bytes` long in UTF-8.
    std::string text(std::size_t bytes) {
        std::string out;
        out.reserve(bytes + 200);
        while (out.size() < bytes) {
            out += "<p>";
            const int sentences = uniform(2, 6);
            for (int s = 0; s < sentences && out.size() < bytes; ++s) {
                std::string sentence = words(uniform(8, 22));
                if (chance(0.2))
                    sentence += " <b>" + words(2) + "</b>";
                out += sentence;
                out += ". ";
            }
            out += "</p>";
        }
        return out;
    }

    // A row's text: 1 to 20 KB, most of them short.
    std::size_t rowTextBytes() {
        const double u = std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
        return 1000 + static_cast<std::size_t>(19000.0 * u * u * u);
    }

    std::string heading(const std::string& prefix) {
        std::string title = words(uniform(4, 12));

        return prefix + " – " + title;
    }

    // --- Acts ---------------------------------------------------------------
    struct Act {
        std::int32_t firstId;
        int typeId;
        std::string code;
        int year;
        std::string date;
    };

    Act newAct(std::int32_t firstId) {
        int total = 0;
        for (const ActKind& k : kActKinds)
            total += k.weight;
        int pick = uniform(1, total);
        const ActKind* kind = &kActKinds[0];
        for (const ActKind& k : kActKinds) {
            if (pick <= k.weight) {
                kind = &k;
                break;
            }
            pick -= k.weight;
        }
        const int year = uniform(1975, 2024);
        char code[96];
        std::snprintf(code, sizeof code, kind->codeFormat, 100 + m_acts.size(), year);
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, uniform(1, 12), uniform(1, 28));
        return {firstId, kind->typeId, code, year, date};
    }

    void lawRow(Insert& insert, std::int32_t id, const Act& act, int typeId, int wholeText,
                const char* article, const char* paragraph, const char* sub,
                const std::string& title, const std::string& body) {
        insert << id << act.code << title << body << typeId << wholeText << act.date << act.year;
        article ? insert << std::string(article) : insert << nullptr;
        paragraph ? insert << std::string(paragraph) : insert << nullptr;
        sub ? insert << std::string(sub) : insert << nullptr;
        insert.run();
        ++m_lawRows;
    }

    // A header row and `rows` - 1 parts: articles, paragraphs where an article
    // is not stored as a row of its own, sub-paragraphs below some of them.
    void assembledAct(Insert& insert, const Act& act, int rows, bool shortParts) {
        std::int32_t id = act.firstId;
        lawRow(insert, id++, act, act.typeId, 0, nullptr, nullptr, nullptr, heading(act.code),
               text(rowTextBytes()));
        const auto partText = [&] {
            return text(shortParts ? static_cast<std::size_t>(uniform(200, 900))
                                   : rowTextBytes() / 2);
        };
        int made = 1;
        for (int a = 1; made < rows; ++a) {
            const std::string article = std::to_string(a) + (chance(0.05) ? "α" : "");
            const bool articleRow = chance(0.7);
            if (articleRow) {
                lawRow(insert, id++, act, kArticle, 0, article.c_str(), nullptr, nullptr,
                       heading("Άρθρο " + article), partText());
                ++made;
            }
            const int paragraphs = uniform(0, 4);
            for (int p = 1; p <= paragraphs && made < rows; ++p) {
                const std::string parag = std::to_string(p);
                if (!articleRow || chance(0.3)) {
                    lawRow(insert, id++, act, kParagraph, 0, article.c_str(), parag.c_str(),
                           nullptr, heading("Άρθρο " + article + " παρ. " + parag), partText());
                    ++made;
                }
                const int subs = chance(0.4) ? uniform(1, 3) : 0;
                for (int s = 1; s <= subs && made < rows; ++s) {
                    const std::string sub = std::to_string(s);
                    const char* letters[] = {"α", "β", "γ"};
                    lawRow(
                        insert, id++, act, kSubParagraph, 0, article.c_str(), parag.c_str(),
                        sub.c_str(),
                        heading("Άρθρο " + article + " παρ. " + parag + " περ. " + letters[s - 1]),
                        partText());
                    ++made;
                }
            }
        }
    }

    void acts() {
        Insert insert(m_db, "INSERT INTO law (law_id, law_code, title, descr, type_id, "
                            "all_law_flag, issue_date, law_year, article_code, parag_code, "
                            "parag_subcode) VALUES (?,?,?,?,?,?,?,?,?,?,?)");
        // The two acts whose pages are timed: laws, assembled from their rows.
        auto fixed = [&](std::int32_t id, int rows, bool shortParts) {
            Act act = newAct(id);
            act.typeId = 1;
            char code[32];
            std::snprintf(code, sizeof code, "Ν. %d/2024", 5000 + static_cast<int>(m_acts.size()));
            act.code = code;
            act.year = 2024;
            act.date = "2024-06-30";
            assembledAct(insert, act, rows, shortParts);
            m_acts.push_back(act);
        };
        fixed(lexora::bench::kSmallActId, lexora::bench::kSmallActRows, false);
        fixed(lexora::bench::kLargeActId, lexora::bench::kLargeActRows, true);

        std::int32_t next = lexora::bench::kLargeActId + lexora::bench::kLargeActRows;
        while (m_lawRows < m_size.lawRows) {
            const Act act = newAct(next);
            const int left = m_size.lawRows - m_lawRows;
            int rows = 0;
            if (chance(0.4)) {
                // The whole text in one row; now and then a header row of the
                // same act beside it, which the legislation tree leaves out.
                lawRow(insert, next, act, act.typeId, 1, nullptr, nullptr, nullptr,
                       heading(act.code), text(rowTextBytes()));
                rows = 1;
                if (chance(0.1) && left > 1) {
                    lawRow(insert, next + 1, act, act.typeId, 0, nullptr, nullptr, nullptr,
                           heading(act.code), text(1000));
                    rows = 2;
                }
            } else {
                rows = std::min(left, uniform(4, 24));
                assembledAct(insert, act, rows, false);
            }
            m_acts.push_back(act);
            next += (rows + 99) / 100 * 100;
        }
    }

    std::int32_t randomAct() {
        return m_acts[static_cast<std::size_t>(uniform(0, static_cast<int>(m_acts.size()) - 1))]
            .firstId;
    }

    // --- Trees ----------------------------------------------------------------
    // Parents for `count` nodes: a few top-level ones, the rest under a random
    // earlier node no deeper than the fourth level.
    std::vector<std::int32_t> hierarchy(std::int32_t firstId, int count, int topLevel) {
        std::vector<std::int32_t> parents;
        std::vector<int> depth;
        std::vector<std::size_t> shallow; // nodes that may still get children
        for (int n = 0; n < count; ++n) {
            if (n < topLevel) {
                parents.push_back(0);
                depth.push_back(1);
            } else {
                const std::size_t p = shallow[static_cast<std::size_t>(
                    uniform(0, static_cast<int>(shallow.size()) - 1))];
                parents.push_back(firstId + static_cast<std::int32_t>(p));
                depth.push_back(depth[p] + 1);
            }
            if (depth.back() < 4)
                shallow.push_back(static_cast<std::size_t>(n));
        }
        return parents;
    }

    void treeRows(const char* sql, std::int32_t firstId, const std::vector<std::int32_t>& parents,
                  const std::function<std::string(int)>& title, bool withBlobFlag) {
        Insert insert(m_db, sql);
        std::vector<int> siblings(parents.size() + 1, 0);
        int topSiblings = 0;
        for (std::size_t n = 0; n < parents.size(); ++n) {
            const std::int32_t parent = parents[n];
            int& order =
                parent == 0 ? topSiblings : siblings[static_cast<std::size_t>(parent - firstId)];
            ++order;
            insert << (firstId + static_cast<long long>(n)) << parent << title(static_cast<int>(n))
                   << order << static_cast<long long>(n % 7) << 0LL;
            if (withBlobFlag)
                insert << 0LL;
            insert.run();
        }
    }

    void topics() {
        const std::int32_t first = lexora::bench::kFirstTopicId;
        const std::vector<std::int32_t> parents =
            hierarchy(first, m_size.topics, std::max(10, m_size.topics / 200));
        treeRows(
            "INSERT INTO topic (topic_id, topic_id_parent, descr, order_flag_lev1, "
            "order_flag_lev2, order_flag_lev3) VALUES (?,?,?,?,?,?)",
            first, parents,
            [&](int) {
                std::string t = words(uniform(2, 6));
                return t;
            },
            false);

        Insert abstract(m_db, "INSERT INTO abstract (abstract_id, topic_id, descr, aa_abstr_flag) "
                              "VALUES (?,?,?,?)");
        Insert cites(m_db, "INSERT OR IGNORE INTO abstract_law (abstract_id, law_id, "
                           "display_conn_flag, aa_law_flag) VALUES (?,?,?,?)");
        for (int n = 0; n < m_size.topics; ++n) {
            const int count = uniform(0, 3);
            for (int k = 1; k <= count; ++k) {
                const std::int32_t id = ++m_abstracts;
                abstract << id << (first + static_cast<long long>(n))
                         << text(static_cast<std::size_t>(uniform(300, 2000))) << k;
                abstract.run();
                const int links = uniform(1, 4);
                for (int l = 1; l <= links; ++l) {
                    cites << id << randomAct() << (chance(0.9) ? 1LL : 0LL) << l;
                    cites.run();
                }
            }
        }
    }

    void keywords() {
        const int count = std::max(60, m_size.topics * 3 / 10);
        Insert key(m_db, "INSERT INTO KEYS (KEY_ID, descr) VALUES (?,?)");
        for (int k = 1; k <= count; ++k) {
            const std::string noun = kKeyNouns[static_cast<std::size_t>(k % kKeyNouns.size())];
            const std::string qualifier = kKeyQualifiers[static_cast<std::size_t>(
                k / kKeyNouns.size() % kKeyQualifiers.size())];
            std::string descr = k % 2 ? qualifier + ' ' + noun : noun + ' ' + qualifier;
            if (k > static_cast<int>(kKeyNouns.size() * kKeyQualifiers.size()))
                descr += ' ' + std::to_string(k);
            key << k << descr;
            key.run();
        }
        Insert abstractKey(
            m_db, "INSERT OR IGNORE INTO ABSTRACT_KEYS (ABSTRACT_ID, KEY_ID) VALUES (?,?)");
        for (std::int32_t a = 1; a <= m_abstracts; ++a)
            for (int n = uniform(1, 3); n > 0; --n) {
                abstractKey << a << uniform(1, count);
                abstractKey.run();
            }
        Insert lawKey(m_db, "INSERT OR IGNORE INTO LAW_KEYS (LAW_ID, KEY_ID) VALUES (?,?)");
        for (const Act& act : m_acts)
            for (int n = uniform(1, 3); n > 0; --n) {
                lawKey << act.firstId << uniform(1, count);
                lawKey.run();
            }
    }

    void chart() {
        const std::int32_t first = lexora::bench::kFirstChartId;
        const std::vector<std::int32_t> parents =
            hierarchy(first, m_size.chartNodes, std::max(4, m_size.chartNodes / 100));
        treeRows(
            "INSERT INTO schedule (schedule_id, schedule_id_parent, descr, order_flag_lev1, "
            "order_flag_lev2, order_flag_lev3, IsBlob) VALUES (?,?,?,?,?,?,?)",
            first, parents,
            [&](int n) {
                return std::string(kChartKinds[static_cast<std::size_t>(
                           uniform(0, kChartKinds.size() - 1))]) +
                       ' ' +
                       kChartDomains[static_cast<std::size_t>(
                           uniform(0, kChartDomains.size() - 1))] +
                       ' ' + std::to_string(n % 97 + 1);
            },
            true);

        const int templates = std::max(20, m_size.chartNodes / 10);
        Insert page(m_db, "INSERT INTO ScheduleAbstract (Abstract_id, Schedule_id, descr, "
                          "aa_abstr_flag) VALUES (?,?,?,?)");
        for (int n = 0; n < m_size.chartNodes; ++n) {
            std::string body = text(static_cast<std::size_t>(uniform(300, 3000)));
            body += "<p><a href=\"#f" + std::to_string(uniform(1, templates)) + "\">" + words(3) +
                    "</a></p>";
            page << (n + 1LL) << (first + static_cast<long long>(n)) << body << 1LL;
            page.run();
        }
        Insert templ(m_db, "INSERT INTO Schedulelaw (law_id, law_code, title, descr, type_id, "
                           "all_law_flag) VALUES (?,?,?,?,90,1)");
        for (int t = 1; t <= templates; ++t) {
            templ << t << ("ΥΠ-" + std::to_string(t)) << heading("Υπόδειγμα " + std::to_string(t))
                  << text(static_cast<std::size_t>(uniform(500, 3000)));
            templ.run();
        }
    }

    sqlite3* m_db;
    const DatabaseSize& m_size;
    std::mt19937 m_random;
    std::vector<Act> m_acts;
    int m_lawRows = 0;
    std::int32_t m_abstracts = 0;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "M") != 0 && std::strcmp(argv[1], "L") != 0)) {
        std::fprintf(stderr, "usage: %s M|L <output file>\n", argv[0]);
        return 2;
    }
    const DatabaseSize& size =
        std::strcmp(argv[1], "M") == 0 ? lexora::bench::kSizeM : lexora::bench::kSizeL;
    const std::string output = argv[2];
    const std::string partial = output + ".partial";
    std::remove(partial.c_str());
    sqlite3* db = nullptr;
    try {
        if (sqlite3_open(partial.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot create " + partial);
        const std::string data = LEXORA_DATA_DIR;
        // The shipped schema, the kinds of act and the setting as the sample has them.
        std::string sql = readFile(data + "/schema.sql") + readFile(data + "/sql/lawtype.sql") +
                          readFile(data + "/sql/settings.sql");
        sqlite3_exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr,
                     nullptr);
        char* message = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "?";
            sqlite3_free(message);
            throw std::runtime_error(text);
        }
        Generator(db, size).run();
        sqlite3_close(db);
        db = nullptr;
        if (std::rename(partial.c_str(), output.c_str()) != 0)
            throw std::runtime_error("cannot rename " + partial);
    } catch (const std::exception& e) {
        sqlite3_close(db);
        std::remove(partial.c_str());
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    std::printf("%s: size %s, %d topics, %d act rows, %d chart nodes\n", output.c_str(), size.name,
                size.topics, size.lawRows, size.chartNodes);
    return 0;
}
