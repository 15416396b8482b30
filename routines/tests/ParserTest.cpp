// clsParser: definitions read from fixture files and from texts in memory,
// constants, global definitions, escapes, comments, error reports and
// malformed or oversized input; the pending-error report.
#include "routines/clsParser.h"
#include "routines/clsParserUtil.h"
#include "routines/modDeclare.h"
#include "tests/support/RecordingMessages.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using dvRtns4::clsParser;
using dvRtns4::clsParserUtil;

namespace {

const QString kFixtures = QStringLiteral(LEXORA_SOURCE_DIR "/routines/tests/fixtures/parser/");

struct Read {
    bool ok;
    QString symbol;
    QString def;
    bool eof;
    bool operator==(const Read&) const = default;
};

void PrintTo(const Read& r, std::ostream* os) {
    *os << (r.ok ? "ok " : "FAILED ") << '[' << r.symbol.toStdString() << "] ["
        << r.def.toStdString() << ']' << (r.eof ? " eof" : "");
}

// Reads on until the end of the source or a failure.
std::vector<Read> readAll(clsParser& parser, std::size_t limit = 20) {
    std::vector<Read> reads;
    while (reads.size() < limit) {
        Read r{};
        r.ok = parser.ReadNextDefinition(r.symbol, r.def, r.eof);
        reads.push_back(r);
        if (r.eof)
            break;
    }
    return reads;
}

std::vector<Read> readText(const QString& text) {
    clsParser parser;
    EXPECT_TRUE(parser.Init(QStringLiteral("<?>") + text, QString(), false));
    return readAll(parser);
}

QString code(char16_t c) {
    return QString(QChar(c));
}

QString firstLine(const dvRtns4::MessageRequest& r) {
    return r.text.section(QStringLiteral("\r\n"), 0, 0);
}
QString numberLine(const dvRtns4::MessageRequest& r) {
    return r.text.section(QStringLiteral("\r\n"), 3, 3);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace

TEST(clsParser, ReadsDefinitionsWithAGlobalFile) {
    testsupport::RecordingMessages messages;
    clsParser parser;
    ASSERT_TRUE(parser.Init(kFixtures + "main.def", kFixtures + "global.def"));
    const std::vector<Read> expected = {
        {true, "TITLE", "_FONT_=Arial,_SIZE_=10", false},
        {true, "CAPTION", "_TEXT_=Hello" + code(1) + " world,_COLOR_=255,_SIZE_=20", false},
        {true, "", "", true},
    };
    const std::vector<Read> reads = readAll(parser);
    EXPECT_EQ(reads, expected);
    EXPECT_TRUE(messages.shown.empty());

    const QString caption = reads[1].def;
    EXPECT_EQ(clsParserUtil::GetKeyStr(caption, "text", ""), QStringLiteral("Hello, world"));
    EXPECT_EQ(clsParserUtil::GetKeyLong(caption, "Color", 0), 255);
    EXPECT_EQ(clsParserUtil::GetKeyLong(caption, "width", 100), 100);

    // Once used up, the source stays used up, whatever the caller passes in.
    Read again{false, "CONST", "$A=1", false};
    EXPECT_TRUE(parser.ReadNextDefinition(again.symbol, again.def, again.eof));
    EXPECT_EQ(again, (Read{false, "", "", true}));
}

TEST(clsParser, GlobalFileIsOptional) {
    testsupport::RecordingMessages messages;
    clsParser without;
    ASSERT_TRUE(without.Init(kFixtures + "main.def", kFixtures + "global.def", false));
    // BASE was never read, so the first definition fails with a report.
    Read r{};
    EXPECT_FALSE(without.ReadNextDefinition(r.symbol, r.def, r.eof));
    EXPECT_EQ(r.symbol, QStringLiteral("TITLE"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(firstLine(messages.shown[0]),
              "ReplaceConstInDef: " + kFixtures + "main.def  *$$BASE*");

    messages.shown.clear();
    clsParser missingGlobal;
    EXPECT_TRUE(missingGlobal.Init(QStringLiteral("<?>#A{x=1}"), kFixtures + "none.def"));
    EXPECT_FALSE(missingGlobal.Init(kFixtures + "none.def", QString()));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(clsParser, EveryConstructOfAFile) {
    testsupport::RecordingMessages messages;
    clsParser parser;
    ASSERT_TRUE(parser.Init(kFixtures + "constructs.def", QString(), true, true));
    const QString caption =
        "A" + code(5) + "b" + code(6) + " " + code(2) + " c" + code(1) + " d " + code(4) + "5";
    const std::vector<Read> expected = {
        {true, "#FRAME", "_BORDER_=1,_COLOR_=32768", false},
        {true, "PANEL", "_BORDER_=1,_COLOR_=32768", false},
        {true, "LABEL", "_CAPTION_=" + caption + ",_WIDTH_=24PX,_HEIGHT_=4,_FLAGS_=TFT", false},
        {true, "PLAIN", "no pairs here", false},
        {true, "", "", true},
    };
    const std::vector<Read> reads = readAll(parser);
    EXPECT_EQ(reads, expected);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(clsParserUtil::GetKeyStr(reads[2].def, "caption", ""),
              QStringLiteral("A{b} = c, d $5"));
    // The last body as written, before coding.
    EXPECT_EQ(parser.InitialDef(), QStringLiteral("no pairs here"));
}

TEST(clsParser, DefinitionsInMemory) {
    testsupport::RecordingMessages messages;
    QString manyConstants;
    for (int i = 0; i < 20000; ++i)
        manyConstants += QStringLiteral("#CONST{$C%1=%1}\n").arg(i);
    struct Case {
        const char* what;
        QString text;
        std::vector<Read> reads;
    } cases[] = {
        {"one definition", "#A{x=1}", {{true, "A", "_X_=1", true}}},
        {"empty body", "#A{}", {{false, "A", "", true}}},
        {"empty name", "#{x=1}", {{false, "", "", false}, {true, "", "", true}}},
        {"pairs without key or value", "#A{x=1, y, =2, z=}", {{true, "A", "_X_=1", true}}},
        {"no pair", "#A{plain}", {{true, "A", "plain", true}}},
        {"body starting with a line break", "#A{\r\nx=1\r\n}", {{true, "A", "_X_=1", true}}},
        {"escaped brace", "#A{s=a\\}b}", {{true, "A", "_S_=a" + code(6) + "b", true}}},
        {"lines joined by commas",
         "#A{a=1\n b=2,\n\tc=3}",
         {{true, "A", "_A_=1,_B_=2,_C_=3", true}}},
        {"comment with a definition in it", "' #X{a=1}\r\n#B{b=2}", {{true, "B", "_B_=2", true}}},
        {"comment ended by a line feed",
         "' #X{a=1}\n#B{b=2}\r\n' #Y{}\r\n#C{c=3}",
         {{true, "B", "_B_=2", false}, {true, "C", "_C_=3", true}}},
        {"comment to the end",
         "#B{b=2}\n' #X{a=1}",
         {{true, "B", "_B_=2", false}, {true, "", "", true}}},
        {"escaped hash", "\\#X{a=1} #B{b=2}", {{true, "B", "_B_=2", true}}},
        {"keys and constants in any case",
         "#const{$red=1}#a{Color=$RED}",
         {{true, "A", "_COLOR_=1", true}}},
        {"colours and sums",
         "#CONST{$A=5, $C=(1:2:3), $F=(1:2), $W=12pt, $S=($W + $W)}#B{a=$A, c=$C, f=$F, s=$S}",
         {{true, "B", "_A_=5,_C_=197121,_F_=,_S_=24PT", true}}},
        {"sums round half to even",
         "#CONST{$H=0.5, $T=1.5, $A=($H + $H), $B=($T + $T)}#R{a=$A, b=$B}",
         {{true, "R", "_A_=0,_B_=4", true}}},
        {"constants last",
         "#A{x=1}\n#CONST{$Z=1}",
         {{true, "A", "_X_=1", false}, {true, "", "", true}}},
        {"constants at the very end", "#CONST{$Z=1}", {{true, "", "", true}}},
        {"many constants in a row",
         manyConstants + "#B{b=$C19999}",
         {{true, "B", "_B_=19999", true}}},
        {"global definition",
         "##BASE{font=Arial}#T{$$base}",
         {{true, "#BASE", "_FONT_=Arial", false}, {true, "T", "_FONT_=Arial", true}}},
        {"a global keeps its first definition",
         "##G{a=1}##G{a=2}#T{$$G}",
         {{true, "#G", "_A_=1", false}, {true, "#G", "_A_=2", false}, {true, "T", "_A_=1", true}}},
        {"a constant that names itself", "#CONST{$X=$X}#A{v=$X}", {{true, "A", "_V_=$X", true}}},
        {"name without a body", "#A", {{false, "A", "", true}}},
        {"name then end", "#A{", {{false, "A", "", true}}},
        {"nothing", "", {{true, "", "", true}}},
        {"no definition", "just words\r\n", {{true, "", "", true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        EXPECT_EQ(readText(c.text), c.reads);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(clsParser, ErrorsAreReportedWithTheirPlace) {
    testsupport::RecordingMessages messages;
    struct Case {
        const char* what;
        QString text;
        std::vector<Read> reads;
        QStringList firstLines;
        QStringList numbers;
    } cases[] = {
        {"unknown constant",
         "#A{x=$NOPE}#B{y=2}",
         {{false, "A", "x=$NOPE", false}, {true, "B", "_Y_=2", true}},
         {"ReplaceConstInDef:   *x=$NOPE*"},
         {"5"}},
        {"unknown global definition",
         "#A{$$NONE}",
         {{false, "A", "$$NONE", true}},
         {"ReplaceConstInDef:   *$$NONE*"},
         {"5"}},
        {"a global that names itself",
         "##A{$$A}",
         {{false, "#A", "$$A", true}},
         {"ReplaceConstInDef:   *$$A*"},
         {"5"}},
        {"unknown constant in a sum",
         "#CONST{$S=($NOPE + 1)}#A{s=$S}",
         {{true, "A", "_S_=", true}},
         {"EvalExpression :   *($NOPE + 1)*"},
         {"5"}},
        {"a sum of itself",
         "#CONST{$Y=($Y + $Y)}#A{y=$Y}",
         {{true, "A", "_Y_=", true}},
         {"EvalExpression :   *($Y + $Y)*"},
         {"5"}},
        {"colour part beyond 16 bits",
         "#CONST{$C=(70000:0:0)}#A{c=$C}",
         {{true, "A", "_C_=", true}},
         {"EvalExpression :   *(70000:0:0)*"},
         {"6"}},
        {"a duplicate ends the constants",
         "#CONST{$A=1, $A=2, $B=3}#T{b=$B}",
         {{false, "T", "b=$B", true}},
         {"ReplaceConstInDef:   *b=$B*"},
         {"5"}},
        {"body without its brace",
         "#A{x=1, y=2",
         {{false, "A", "x=1, y=2", true}},
         {"ReadNextDefinition : [] [A] [x=1, y=2]"},
         {"62"}},
        {"escaped last brace",
         "#A{x=1\\}",
         {{false, "A", "x=1\\}", true}},
         {"ReadNextDefinition : [] [A] [x=1\\}]"},
         {"62"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        EXPECT_EQ(readText(c.text), c.reads);
        QStringList lines;
        QStringList numbers;
        for (const auto& m : messages.shown) {
            EXPECT_EQ(m.icon, dvRtns4::MsgIcon::Critical);
            lines << firstLine(m);
            numbers << numberLine(m).section(u':', 1).trimmed();
        }
        EXPECT_EQ(lines, c.firstLines);
        EXPECT_EQ(numbers, c.numbers);
    }
}

TEST(clsParser, ErrorFixturesAndTheirFileName) {
    testsupport::RecordingMessages messages;
    clsParser parser;
    const QString file = kFixtures + "errors.def";
    ASSERT_TRUE(parser.Init(file, kFixtures + "selfref.def"));
    // The global file's own error was reported while it was read, once.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(firstLine(messages.shown[0]),
              "ReplaceConstInDef: " + kFixtures + "selfref.def  *$$SELF*");
    messages.shown.clear();

    const std::vector<Read> expected = {
        {true, "GOOD", "_A_=1", false},
        {false, "BAD", "v=$MISSING", false},
        {false, "OPEN", "x=1, y=2", true},
    };
    EXPECT_EQ(readAll(parser, 3), expected);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(firstLine(messages.shown[0]), "ReplaceConstInDef: " + file + "  *v=$MISSING*");
    EXPECT_EQ(firstLine(messages.shown[1]),
              "ReadNextDefinition : [" + file + "] [OPEN] [x=1, y=2]");
}

TEST(clsParser, FileEncodings) {
    testsupport::RecordingMessages messages;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* what;
        QByteArray bytes;
        QString title;
    } cases[] = {
        {"UTF-8", "#A{t=\xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1}", "Αθήνα"},
        {"UTF-8 with a byte-order mark",
         "\xef\xbb\xbf#A{t=\xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1}", "Αθήνα"},
        {"Windows-1253", "#A{t=\xc1\xe8\xde\xed\xe1}", "Αθήνα"},
        // One byte that is not UTF-8, far into the file, decides for all of it.
        {"Windows-1253 after a long UTF-8-like start",
         QByteArray(200000, ' ') + "#A{t=\xc1\xe8\xde\xed\xe1 \xa2\xf1\xe8\xf1\xef}",
         "Αθήνα Άρθρο"},
        {"UTF-8 cut in the middle of a character", "#A{t=x}\xce", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = dir.filePath(QStringLiteral("enc.def"));
        writeBytes(file, c.bytes);
        clsParser parser;
        ASSERT_TRUE(parser.Init(file, QString(), false));
        Read r{};
        EXPECT_TRUE(parser.ReadNextDefinition(r.symbol, r.def, r.eof));
        EXPECT_EQ(clsParserUtil::GetKeyStr(r.def, "t", ""), c.title);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST(clsParser, SourcesThatCannotBeRead) {
    testsupport::RecordingMessages messages;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A pipe never ends: it is refused, not waited on.
    const QString pipe = dir.filePath(QStringLiteral("pipe.def"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    clsParser parser;
    EXPECT_FALSE(parser.Init(pipe, QString(), false));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(firstLine(messages.shown[0]), "InitFile: " + pipe);
    EXPECT_EQ(numberLine(messages.shown[0]), QStringLiteral("Κωδικός   : 75"));

    // A global file that cannot be read fails Init with its report.
    messages.shown.clear();
    clsParser second;
    EXPECT_FALSE(second.Init(QStringLiteral("<?>#A{x=1}"), pipe));
    ASSERT_EQ(messages.shown.size(), 1u);

    // A folder is not a definition file.
    messages.shown.clear();
    clsParser third;
    EXPECT_FALSE(third.Init(dir.path(), QString(), false));
    EXPECT_TRUE(messages.shown.empty());

    if (::geteuid() != 0) { // permissions do not stop the superuser
        messages.shown.clear();
        const QString locked = dir.filePath(QStringLiteral("locked.def"));
        writeBytes(locked, "#A{x=1}");
        ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
        clsParser fourth;
        EXPECT_FALSE(fourth.Init(locked, QString(), false));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(numberLine(messages.shown[0]), QStringLiteral("Κωδικός   : 70"));
    }
}

TEST(clsParser, LargeInputEndsInBoundedTime) {
    testsupport::RecordingMessages messages;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QElapsedTimer timer;
    timer.start();

    // 50 MB of comment lines before one definition.
    const QString big = dir.filePath(QStringLiteral("big.def"));
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray line = "' " + QByteArray(1022, 'c') + "#{\n";
        for (int i = 0; i < 50 * 1024; ++i)
            f.write(line);
        f.write("#A{x=1}");
    }
    clsParser parser;
    ASSERT_TRUE(parser.Init(big, QString(), false));
    EXPECT_EQ(readAll(parser), (std::vector<Read>{{true, "A", "_X_=1", true}}));

    // A value on a line of 1 MB.
    const QString longValue(1 << 20, u'v');
    std::vector<Read> reads = readText("#A{x=" + longValue + "\n}");
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(clsParserUtil::GetKeyStr(reads[0].def, "x", ""), longValue);
    EXPECT_TRUE(messages.shown.empty());

    // A body that never ends stops at a bound, with a report.
    reads = readText("#A{x=" + QString(5 << 20, u'v'));
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_FALSE(reads[0].ok);
    EXPECT_TRUE(reads[0].eof);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(numberLine(messages.shown[0]), QStringLiteral("Κωδικός   : 7"));
    EXPECT_LT(messages.shown[0].text.size(), 2000); // the report quotes a part of it

    EXPECT_LT(timer.elapsed(), 60000);
}

TEST(ShowPendingError, ShowsAndClearsTheRecord) {
    testsupport::RecordingMessages messages;
    dvRtns4::ClearPendingError();
    EXPECT_FALSE(dvRtns4::ShowPendingError(QStringLiteral("nothing")));
    EXPECT_TRUE(messages.shown.empty());

    dvRtns4::SetPendingError(53, QStringLiteral("File not found"), QStringLiteral("dvRtns4"));
    EXPECT_TRUE(dvRtns4::ShowPendingError(QStringLiteral("Where")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_TRUE(messages.shown[0].title.isEmpty());
    EXPECT_EQ(messages.shown[0].text, "Where\r\n" + QString(100, u'*') +
                                          "\r\nΠροέλευση : dvRtns4\r\nΚωδικός   : 53\r\n"
                                          "Περιγραφή : File not found");
    EXPECT_FALSE(dvRtns4::GetPendingError().has_value());
    EXPECT_FALSE(dvRtns4::ShowPendingError(QStringLiteral("again")));
    EXPECT_EQ(messages.shown.size(), 1u);
}
