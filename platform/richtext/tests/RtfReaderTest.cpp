// The RTF reader on hand-written snippets, one feature each: text and its
// code pages, \uN with its fallback, paragraphs, character and paragraph
// formats, list bullets, tables, and the destinations that are not shown.
#include "platform/richtext/tests/RtfTestSupport.h"

#include <QColor>

#include <gtest/gtest.h>

#include <optional>

using namespace richtext_test;
using lexora::richtext::RtfReader;
using namespace Qt::Literals::StringLiterals;

namespace {

struct TextCase {
    const char* name;
    QByteArray rtf;
    QString blocks; // block texts joined by '|'
};

TEST(RtfReaderText, ReadsEachFeatureIntoTheRightText) {
    const TextCase cases[] = {
        {"plain", R"({\rtf1 Hello world})", u"Hello world"_s},
        {"paragraphs", R"({\rtf1 One\par Two\par Three})", u"One|Two|Three"_s},
        {"trailing paragraph mark", R"({\rtf1 One\par Two\par})", u"One|Two"_s},
        {"line break", R"({\rtf1 A\line B})", u"A\u2028B"_s},
        {"control symbol newline ends a paragraph", "{\\rtf1 A\\\nB}", u"A|B"_s},
        {"line ends in the source are not text", "{\\rtf1 A\r\nB\nC}", u"ABC"_s},
        {"escaped braces and backslash", R"({\rtf1 \{x\} \\})", u"{x} \\"_s},
        {"delimiting blank belongs to the word", R"({\rtf1\b Bold\b0  text})", u"Bold text"_s},
        {"special spaces and hyphens", R"({\rtf1 a\~b\_c\-d})", u"a\u00A0b\u2011c\u00ADd"_s},
        {"quotes, dashes, bullet, tab",
         R"({\rtf1 \ldblquote x\rdblquote\lquote y\rquote\emdash\endash\bullet\tab z})",
         u"\u201Cx\u201D\u2018y\u2019\u2014\u2013\u2022\tz"_s},
        {"document code page 1253",
         R"({\rtf1\ansi\ansicpg1253 \'c1\'e8\'de\'ed\'e1 \'a2\'f1\'e8\'f1\'ef})", u"Αθήνα Άρθρο"_s},
        {"raw 8-bit text in code page 1253",
         "{\\rtf1\\ansi\\ansicpg1253 \xe1\xe2\xe3 \xd3\xf7\xef\xeb\xe5\xdf\xef}", u"αβγ Σχολείο"_s},
        {"Greek font charset in a Western document",
         R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset161 Arial Greek;}}\f0 caf\'e9 \f1 \'e1\'e2})",
         u"café αβ"_s},
        {"Western font charset in a Greek document",
         R"({\rtf1\ansi\ansicpg1253{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset161 Arial;}}\f0\'e9\'80\f1\'e9})",
         u"é€ι"_s},
        {"default charset follows the document",
         R"({\rtf1\ansicpg1253{\fonttbl{\f0\fcharset1 Arial;}}\f0\'e1})", u"α"_s},
        {"font code page overrides its charset",
         R"({\rtf1{\fonttbl{\f0\fcharset0\cpg1253 Arial;}}\f0\'e1})", u"α"_s},
        {"code page 1252 specials", R"({\rtf1\ansi \'93x\'94 \'85\'96\'80})",
         u"\u201Cx\u201D \u2026\u2013\u20AC"_s},
        {"undefined byte of code page 1253", R"({\rtf1\ansicpg1253 \'d2})", u"\uFFFD"_s},
        {"Symbol font", R"({\rtf1{\fonttbl{\f2\fcharset2 Symbol;}}\f2 abg\'b7\'b3})", u"αβγ•≥"_s},
        {"Wingdings bullets", R"({\rtf1{\fonttbl{\f3\fcharset2 Wingdings;}}\f3\'a7\'fc\'d8})",
         u"\u25AA\u2713\u27A2"_s},
        {"symbol glyphs written as private-use unicode",
         R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}{\f2 Arial;}}\f1\u-3913\'b7 \f2\u-3913\'b7 x})",
         u"\u2022 \u2022 x"_s},
        {"unicode with one fallback character", R"({\rtf1 \u945?\u946?})", u"αβ"_s},
        {"no fallback", R"({\rtf1\uc0\u945 x})", u"αx"_s},
        {"two fallback characters", R"({\rtf1\uc2\u945 ab c})", u"α c"_s},
        {"a hex escape is one fallback character", R"({\rtf1\uc1\u945\'e1 b})", u"α b"_s},
        {"a control word is one fallback character", R"({\rtf1\uc1\u945\bullet b})", u"αb"_s},
        {"negative values, surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", u"\U0001F600"_s},
        {"fallback skipping ends with the group", R"({\rtf1\uc3{\u945 a}b})", u"αb"_s},
        {"fallback count belongs to the group", R"({\rtf1{\uc0\u945}\u946 x})", u"αβ"_s},
        {"destinations that are not shown",
         R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}{\*\generator G;}{\header H}{\footer F}{\pict\wmetafile8 0102ff}{\*\unknown U{\nested N}}Body})",
         u"Body"_s},
        {"binary data is skipped by length", "{\\rtf1{\\pict\\bin6 {}}\\a}}After}", u"After"_s},
        {"field shows its result, not its instruction",
         R"({\rtf1{\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt Link}} done})", u"Link done"_s},
        {"old-style bullet shown once",
         R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1{\pntxtb\'b7}}Item\par})",
         u"•\tItem"_s},
        {"bullet given twice shown once",
         R"({\rtf1{\listtext\pard\plain \u8226\'95\tab}{\pntext \'95\tab}One\par{\listtext \u8226\'95\tab}Two\par})",
         u"•\tOne|•\tTwo"_s},
        {"numbered list text", R"({\rtf1{\pntext 1.\tab}First\par{\pntext 2.\tab}Second})",
         u"1.\tFirst|2.\tSecond"_s},
        {"list level definition without \\*", R"({\rtf1{\pn\pnlvlblt{\pntxtb B}}x})", u"x"_s},
        {"font table without groups",
         R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f1\fcharset161 Greek;}\f1\'e1})", u"α"_s},
        {"page and section breaks end paragraphs", R"({\rtf1 A\page B\sect C})", u"A|B|C"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(blocksOf(c.rtf), c.blocks) << c.name;
    }
}

struct CharCase {
    const char* name;
    QByteArray rtf;
    QString at;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<double> points;
    std::optional<QString> family;
};

TEST(RtfReaderFormat, CharacterFormatsFollowControlWordsAndGroups) {
    const QByteArray fonts =
        R"({\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss\fcharset161{\*\panose 020b0604030504040204}Verdana{\*\falt Tahoma};}{\f2\fcharset2 Symbol;}})";
    const CharCase cases[] = {
        {"bold on", R"({\rtf1 a\b Bx\b0 cx})", u"Bx"_s, true, false, false, {}, {}},
        {"bold off", R"({\rtf1 a\b Bx\b0 cx})", u"cx"_s, false, {}, {}, {}, {}},
        {"italic", R"({\rtf1\i Ix\i0 nx})", u"Ix"_s, false, true, {}, {}, {}},
        {"italic off", R"({\rtf1\i Ix\i0 nx})", u"nx"_s, {}, false, {}, {}, {}},
        {"underline", R"({\rtf1\ul Ux\ulnone nx})", u"Ux"_s, {}, {}, true, {}, {}},
        {"underline none", R"({\rtf1\ul Ux\ulnone nx})", u"nx"_s, {}, {}, false, {}, {}},
        {"double underline", R"({\rtf1\uldb Ux\ul0 nx})", u"Ux"_s, {}, {}, true, {}, {}},
        {"group restores", R"({\rtf1{\b\i Gx}yy})", u"yy"_s, false, false, {}, {}, {}},
        {"default size", R"({\rtf1 Dx})", u"Dx"_s, {}, {}, {}, 12.0, {}},
        {"half points", R"({\rtf1\fs30 Bx})", u"Bx"_s, {}, {}, {}, 15.0, {}},
        {"font name",
         "{\\rtf1\\deff0" + fonts + R"(\f1 Vx})",
         u"Vx"_s,
         {},
         {},
         {},
         {},
         u"Verdana"_s},
        {"default font",
         "{\\rtf1\\deff0" + fonts + R"( Tx})",
         u"Tx"_s,
         {},
         {},
         {},
         {},
         u"Times New Roman"_s},
        {"plain returns to the default font and size",
         "{\\rtf1\\deff0" + fonts + R"(\f1\b\fs40 Vx\plain Px})", u"Px"_s, false, false, false,
         12.0, u"Times New Roman"_s},
    };
    for (const auto& c : cases) {
        const auto document = readRtf(c.rtf);
        ASSERT_TRUE(document) << c.name;
        ASSERT_FALSE(document->find(c.at).isNull())
            << c.name << ": " << blocksOf(*document).toStdString();
        const QTextCharFormat format = formatAt(*document, c.at);
        if (c.bold) {
            EXPECT_EQ(format.fontWeight() >= QFont::Bold, *c.bold) << c.name;
        }
        if (c.italic) {
            EXPECT_EQ(format.fontItalic(), *c.italic) << c.name;
        }
        if (c.underline) {
            EXPECT_EQ(format.fontUnderline(), *c.underline) << c.name;
        }
        if (c.points) {
            EXPECT_DOUBLE_EQ(format.fontPointSize(), *c.points) << c.name;
        }
        if (c.family) {
            EXPECT_EQ(format.fontFamilies().toStringList().value(0), *c.family) << c.name;
        }
    }
}

TEST(RtfReaderFormat, SymbolTextIsShownInTheOrdinaryFontAndColoursApply) {
    const auto document = readRtf(
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f2\fcharset2 Symbol;}}{\colortbl;\red255\green0\blue0;}\f2 a\f0\cf1 Red})");
    ASSERT_TRUE(document);
    EXPECT_TRUE(formatAt(*document, u"α"_s).fontFamilies().toStringList().isEmpty());
    EXPECT_EQ(formatAt(*document, u"Red"_s).foreground().color(), QColor(255, 0, 0));
}

TEST(RtfReaderFormat, ParagraphAlignmentAndIndents) {
    const auto document = readRtf(
        R"({\rtf1\qc Centre\par\qr Right\par\qj Justified\par\pard Left\par\li720\fi-360\sb240\tx720\tx2160 Hanging\par})");
    ASSERT_TRUE(document);
    EXPECT_EQ(blockFormatAt(*document, u"Centre"_s).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(blockFormatAt(*document, u"Right"_s).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(blockFormatAt(*document, u"Justified"_s).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
    EXPECT_EQ(blockFormatAt(*document, u"Left"_s).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    const QTextBlockFormat hanging = blockFormatAt(*document, u"Hanging"_s);
    EXPECT_DOUBLE_EQ(hanging.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(hanging.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(hanging.topMargin(), 16.0);
    // The bullet's tab reaches the paragraph's indent; later stops count
    // from where the hanging first line starts.
    const QList<QTextOption::Tab> tabs = hanging.tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, 24.0);
    EXPECT_DOUBLE_EQ(tabs[1].position, 120.0);
}

TEST(RtfReaderTable, RowsAndCellsBecomeATableAndTextAfterItLeavesIt) {
    const auto document =
        readRtf(R"({\rtf1 Before\par\trowd\cellx1500\cellx3000\intbl A\cell B\cell\row)"
                R"(\trowd\cellx1500\cellx3000\intbl C1\par C2\cell\cell\row\pard After\par})");
    ASSERT_TRUE(document);
    const auto tables = tablesOf(*document);
    ASSERT_EQ(tables.size(), 1);
    QTextTable* table = tables.first();
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(cellText(table, 0, 0), u"A"_s);
    EXPECT_EQ(cellText(table, 0, 1), u"B"_s);
    EXPECT_EQ(cellText(table, 1, 0), u"C1\u2029C2"_s);
    EXPECT_EQ(cellText(table, 1, 1), QString());
    const QTextCursor before = document->find(u"Before"_s);
    const QTextCursor after = document->find(u"After"_s);
    ASSERT_FALSE(after.isNull());
    EXPECT_EQ(before.currentTable(), nullptr);
    EXPECT_EQ(after.currentTable(), nullptr);
    EXPECT_LT(before.position(), table->firstPosition());
    EXPECT_GT(after.position(), table->lastPosition());
}

TEST(RtfReaderTable, CellsBeyondTheDefinitionWidenTheTable) {
    const auto document = readRtf(R"({\rtf1\trowd\cellx1000\intbl A\cell B\cell C\cell\row})");
    ASSERT_TRUE(document);
    const auto tables = tablesOf(*document);
    ASSERT_EQ(tables.size(), 1);
    EXPECT_EQ(tables.first()->rows(), 1);
    EXPECT_EQ(tables.first()->columns(), 3);
    EXPECT_EQ(cellText(tables.first(), 0, 2), u"C"_s);
}

TEST(RtfReaderTable, ABulletInsideACellStaysInTheCell) {
    const auto document = readRtf(
        R"({\rtf1\trowd\cellx2000\cellx4000\pard\intbl{\listtext\pard\plain \'95\tab}Item\cell Two\cell\row})");
    ASSERT_TRUE(document);
    const auto tables = tablesOf(*document);
    ASSERT_EQ(tables.size(), 1);
    EXPECT_EQ(cellText(tables.first(), 0, 0), u"•\tItem"_s);
    EXPECT_EQ(cellText(tables.first(), 0, 1), u"Two"_s);
}

TEST(RtfReaderInput, OnlyRtfIsRead) {
    EXPECT_EQ(readRtf("Hello"), nullptr);
    EXPECT_EQ(readRtf(""), nullptr);
    EXPECT_EQ(readRtf("{\\rt"), nullptr);
    EXPECT_EQ(readRtf("<html><body>{\\rtf1 x}</body></html>"), nullptr);
    EXPECT_EQ(readRtf("\x89PNG\r\n\x1a\n"), nullptr);
    EXPECT_EQ(blocksOf(QByteArray(" \r\n{\\rtf1 x}")), u"x"_s);
    EXPECT_TRUE(RtfReader::looksLikeRtf("{\\rtf1\\ansi}"));
}

} // namespace
