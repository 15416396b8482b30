// The RTF reader on broken and hostile input: it must return, quickly, with
// whatever text it could read, never crash or loop.
#include "platform/richtext/tests/RtfTestSupport.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <random>

using namespace richtext_test;
using lexora::richtext::RtfReader;
using namespace Qt::Literals::StringLiterals;

namespace {

struct MalformedCase {
    const char* name;
    QByteArray rtf;
    QString blocks;
};

QByteArray repeated(const QByteArray& piece, int times) {
    return piece.repeated(times);
}

TEST(RtfMalformedInput, ReadsWhatCanBeRead) {
    const MalformedCase cases[] = {
        {"extra closing braces end the document", R"({\rtf1 a}}}b)", u"a"_s},
        {"missing closing braces", R"({\rtf1{\b bold)", u"bold"_s},
        {"truncated after a backslash", "{\\rtf1 x\\", u"x"_s},
        {"truncated hex escape", "{\\rtf1 x\\'", u"x"_s},
        {"half a hex escape", "{\\rtf1 x\\'e", u"xe"_s},
        {"bad hex digits", R"({\rtf1 x\'zz})", u"xzz"_s},
        {"truncated unicode", "{\\rtf1 x\\u", u"x"_s},
        {"truncated negative unicode", "{\\rtf1 x\\u-", u"x"_s},
        {"truncated font table", R"({\rtf1{\fonttbl{\f0 Ari)", QString()},
        {"unicode far out of range", R"({\rtf1 a\u99999999999?b})", u"ab"_s},
        {"negative unicode far out of range", R"({\rtf1 a\u-99999999999?b})", u"ab"_s},
        {"zero unicode", R"({\rtf1 a\u0?b})", u"ab"_s},
        {"huge fallback count", R"({\rtf1\uc99999999\u945 abc})", u"α"_s},
        {"binary length beyond the end", R"({\rtf1 a\bin99999999999 xyz})", u"a"_s},
        {"negative binary length", R"({\rtf1 a\bin-5 xyz})", u"axyz"_s},
        {"huge font number", R"({\rtf1\f99999999999 a})", u"a"_s},
        {"huge colour number", R"({\rtf1{\colortbl;\red999\green-4\blue0;}\cf99999999999 a\cf1 b})",
         u"ab"_s},
        {"huge indents", R"({\rtf1\li99999999999\fi-99999999999 a})", u"a"_s},
        {"huge code page", R"({\rtf1\ansicpg99999999999 \'e1})", u"á"_s},
        {"null bytes and control characters",
         QByteArray("{\\rtf1 a\0\x01\x1f"
                    "b}",
                    13),
         u"ab"_s},
        {"table words without a table", R"({\rtf1 a\cell b\row c\trowd\cellx99999999999 d})",
         u"a||bcd"_s},
        {"unbalanced group inside a table cell", R"({\rtf1\trowd\cellx100\intbl{a\cell}\row})",
         u"|a|"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(blocksOf(c.rtf), c.blocks) << c.name;
    }
}

TEST(RtfMalformedInput, HugeFontSizeIsCappedAtTheLargestPointSize) {
    const auto document = readRtf(R"({\rtf1\fs999999999 Huge\fs-6 Normal})");
    ASSERT_TRUE(document);
    EXPECT_DOUBLE_EQ(formatAt(*document, u"Huge"_s).fontPointSize(), 1638.0);
    EXPECT_DOUBLE_EQ(formatAt(*document, u"Normal"_s).fontPointSize(), 12.0);
}

TEST(RtfMalformedInput, DeepNestingIsReadWithoutRecursion) {
    QElapsedTimer timer;
    timer.start();
    const int depth = 100000;
    const QByteArray balanced =
        "{\\rtf1 top" + repeated("{", depth) + "\\b deep" + repeated("}", depth) + " end}";
    EXPECT_EQ(blocksOf(balanced), u"topdeep end"_s);

    const QByteArray unclosed = "{\\rtf1 top" + repeated("{", depth) + "deep";
    EXPECT_EQ(blocksOf(unclosed), u"topdeep"_s);

    const QByteArray destinations =
        "{\\rtf1 top" + repeated("{\\*\\x ", depth) + "hidden" + repeated("}", depth) + " shown}";
    EXPECT_EQ(blocksOf(destinations), u"top shown"_s);
    EXPECT_LT(timer.elapsed(), 30000);
}

TEST(RtfMalformedInput, LongTokensAndWideTablesStayBounded) {
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(blocksOf("{\\rtf1 a\\" + repeated("x", 100000) + " b}"), u"ab"_s);
    EXPECT_EQ(blocksOf("{\\rtf1 a\\fs" + repeated("9", 100000) + " b}"), u"ab"_s);

    const auto wide = readRtf("{\\rtf1\\trowd" + repeated("\\cellx100", 100000) + "\\intbl " +
                              repeated("x\\cell ", 100000) + "\\row}");
    ASSERT_TRUE(wide);
    const auto tables = tablesOf(*wide);
    ASSERT_EQ(tables.size(), 1);
    EXPECT_EQ(tables.first()->rows(), 1);
    EXPECT_EQ(tables.first()->columns(), RtfReader::MaxTableColumns);

    const auto long_ = readRtf("{\\rtf1\\trowd\\cellx100\\cellx200" +
                               repeated("\\intbl a\\par b\\cell c\\cell\\row", 20000) + "}");
    ASSERT_TRUE(long_);
    ASSERT_EQ(tablesOf(*long_).size(), 1);
    EXPECT_EQ(tablesOf(*long_).first()->rows(), 20000);
    EXPECT_EQ(cellText(tablesOf(*long_).first(), 19999, 0), u"a\u2029b"_s);

    // Past the number of tables a document may hold, tables are shown as text.
    const auto manyTables = readRtf(
        "{\\rtf1" + repeated("\\trowd\\cellx100\\intbl x\\cell y\\cell\\row\\pard z\\par ", 5000) +
        "}");
    ASSERT_TRUE(manyTables);
    EXPECT_EQ(tablesOf(*manyTables).size(), 1000);
    EXPECT_TRUE(manyTables->toPlainText().endsWith(u"x\ty\nz"_s));

    const auto many = readRtf("{\\rtf1" + repeated("\\par", 100000) + " x}");
    ASSERT_TRUE(many);
    EXPECT_EQ(many->blockCount(), 100001);
    EXPECT_LT(timer.elapsed(), 30000);
}

TEST(RtfMalformedInput, BinaryJunkAfterTheHeaderNeverBreaksTheReader) {
    std::mt19937 generator(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> syntax(0, 7);
    const char tokens[] = {'{', '}', '\\', '\'', 'u', '-', '9', ' '};
    for (int round = 0; round < 20; ++round) {
        QByteArray junk("{\\rtf1 ");
        for (int i = 0; i < 65536; ++i) {
            // Half the bytes are RTF syntax so that the junk reaches deep states.
            junk.append(i % 2 == 0 ? static_cast<char>(byte(generator))
                                   : tokens[syntax(generator)]);
        }
        const auto document = readRtf(junk);
        ASSERT_TRUE(document) << "round " << round;
        EXPECT_GE(document->blockCount(), 1);
        // Every prefix is a truncated file.
        ASSERT_TRUE(readRtf(junk.left(1000 + round * 997)));
    }
}

} // namespace
