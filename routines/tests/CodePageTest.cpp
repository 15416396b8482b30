// The Greek code pages and clsOEMtxt: every Greek letter, accented or not, in
// Windows-1253 and DOS 737, conversions both ways, characters neither code
// page has, and the buffer length.
#include "routines/CodePage.h"
#include "routines/RoutineError.h"
#include "routines/clsOEMtxt.h"

#include <gtest/gtest.h>

using dvRtns4::clsOEMtxt;
using dvRtns4::SingleByteCodePage;

namespace {

struct Letter {
    char16_t letter;
    unsigned char ansi; // Windows-1253
    unsigned char oem;  // DOS 737
};

// From the two code pages' published charts.
const Letter kGreek[] = {
    {u'Α', 0xC1, 0x80}, {u'Β', 0xC2, 0x81}, {u'Γ', 0xC3, 0x82}, {u'Δ', 0xC4, 0x83},
    {u'Ε', 0xC5, 0x84}, {u'Ζ', 0xC6, 0x85}, {u'Η', 0xC7, 0x86}, {u'Θ', 0xC8, 0x87},
    {u'Ι', 0xC9, 0x88}, {u'Κ', 0xCA, 0x89}, {u'Λ', 0xCB, 0x8A}, {u'Μ', 0xCC, 0x8B},
    {u'Ν', 0xCD, 0x8C}, {u'Ξ', 0xCE, 0x8D}, {u'Ο', 0xCF, 0x8E}, {u'Π', 0xD0, 0x8F},
    {u'Ρ', 0xD1, 0x90}, {u'Σ', 0xD3, 0x91}, {u'Τ', 0xD4, 0x92}, {u'Υ', 0xD5, 0x93},
    {u'Φ', 0xD6, 0x94}, {u'Χ', 0xD7, 0x95}, {u'Ψ', 0xD8, 0x96}, {u'Ω', 0xD9, 0x97},
    {u'α', 0xE1, 0x98}, {u'β', 0xE2, 0x99}, {u'γ', 0xE3, 0x9A}, {u'δ', 0xE4, 0x9B},
    {u'ε', 0xE5, 0x9C}, {u'ζ', 0xE6, 0x9D}, {u'η', 0xE7, 0x9E}, {u'θ', 0xE8, 0x9F},
    {u'ι', 0xE9, 0xA0}, {u'κ', 0xEA, 0xA1}, {u'λ', 0xEB, 0xA2}, {u'μ', 0xEC, 0xA3},
    {u'ν', 0xED, 0xA4}, {u'ξ', 0xEE, 0xA5}, {u'ο', 0xEF, 0xA6}, {u'π', 0xF0, 0xA7},
    {u'ρ', 0xF1, 0xA8}, {u'σ', 0xF3, 0xA9}, {u'ς', 0xF2, 0xAA}, {u'τ', 0xF4, 0xAB},
    {u'υ', 0xF5, 0xAC}, {u'φ', 0xF6, 0xAD}, {u'χ', 0xF7, 0xAE}, {u'ψ', 0xF8, 0xAF},
    {u'ω', 0xF9, 0xE0}, {u'ά', 0xDC, 0xE1}, {u'έ', 0xDD, 0xE2}, {u'ή', 0xDE, 0xE3},
    {u'ϊ', 0xFA, 0xE4}, {u'ί', 0xDF, 0xE5}, {u'ό', 0xFC, 0xE6}, {u'ύ', 0xFD, 0xE7},
    {u'ϋ', 0xFB, 0xE8}, {u'ώ', 0xFE, 0xE9}, {u'Ά', 0xA2, 0xEA}, {u'Έ', 0xB8, 0xEB},
    {u'Ή', 0xB9, 0xEC}, {u'Ί', 0xBA, 0xED}, {u'Ό', 0xBC, 0xEE}, {u'Ύ', 0xBE, 0xEF},
    {u'Ώ', 0xBF, 0xF0}, {u'Ϊ', 0xDA, 0xF4}, {u'Ϋ', 0xDB, 0xF5},
};

QString ansiView(const QByteArray& bytes) {
    return SingleByteCodePage::windows1253().decode(bytes);
}

TEST(CodePages, EveryGreekLetterHasItsByteInBothCodePages) {
    const auto& ansi = SingleByteCodePage::windows1253();
    const auto& oem = SingleByteCodePage::dos737();
    for (const auto& l : kGreek) {
        SCOPED_TRACE(QString(QChar(l.letter)).toStdString());
        EXPECT_EQ(ansi.byte(l.letter), l.ansi);
        EXPECT_EQ(ansi.character(l.ansi), l.letter);
        EXPECT_EQ(oem.byte(l.letter), l.oem);
        EXPECT_EQ(oem.character(l.oem), l.letter);
    }
    // With both dialytika and tonos: only in the Windows code page.
    EXPECT_EQ(ansi.byte(u'ΐ'), 0xC0);
    EXPECT_EQ(ansi.byte(u'ΰ'), 0xE0);
    EXPECT_FALSE(oem.contains(u'ΐ'));
    EXPECT_FALSE(oem.contains(u'ΰ'));
}

TEST(CodePages, EveryWindowsByteSurvivesATripThroughText) {
    const auto& ansi = SingleByteCodePage::windows1253();
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ansi.encode(ansi.decode(all)), all);
    EXPECT_EQ(ansi.character(0xAA), u'\xF8F9'); // the bytes the code page leaves undefined
    EXPECT_EQ(ansi.character(0x81), u'\x0081');
    EXPECT_EQ(ansi.encode(u"€Ω漢😀"), QByteArray("\x80\xD9??"));
}

// For showing a document the undefined bytes are not characters: every byte
// that has a character of its own keeps it, every other one gives U+FFFD.
TEST(CodePages, ADocumentSeesTheUndefinedBytesAsReplacementCharacters) {
    const auto& ansi = SingleByteCodePage::windows1253();
    const QList<unsigned char> undefined = {0x81, 0x88, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x98,
                                            0x9A, 0x9C, 0x9D, 0x9E, 0x9F, 0xAA, 0xD2, 0xFF};
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        SCOPED_TRACE(b);
        if (undefined.contains(byte))
            EXPECT_EQ(ansi.definedCharacter(byte), u'\xFFFD');
        else
            EXPECT_EQ(ansi.definedCharacter(byte), ansi.character(byte));
    }
    EXPECT_EQ(ansi.definedCharacter(0xC1), u'Α');
    EXPECT_EQ(ansi.definedCharacter(0xA2), u'Ά');
}

TEST(clsOEMtxt, ConvertsEveryGreekLetterBothWays) {
    QByteArray ansiBytes;
    QByteArray oemBytes;
    QString letters;
    for (const auto& l : kGreek) {
        letters.append(QChar(l.letter));
        ansiBytes.append(static_cast<char>(l.ansi));
        oemBytes.append(static_cast<char>(l.oem));
        // One letter at a time, so that a wrong one is named.
        const QString dosText = ansiView(QByteArray(1, static_cast<char>(l.oem)));
        EXPECT_EQ(clsOEMtxt::OEM2Win(dosText), QString(QChar(l.letter)));
        EXPECT_EQ(clsOEMtxt::Win2OEM(QString(QChar(l.letter))), dosText);
    }
    // A DOS text read as a Windows one comes out right, and back.
    EXPECT_EQ(clsOEMtxt::OEM2Win(ansiView(oemBytes)), letters);
    EXPECT_EQ(clsOEMtxt::Win2OEM(letters), ansiView(oemBytes));
    EXPECT_EQ(clsOEMtxt::OEM2Win(QStringLiteral("Law 1566/85, art. 2")),
              QStringLiteral("Law 1566/85, art. 2"));
}

TEST(clsOEMtxt, CharactersWithoutAPlaceBecomeQuestionMarks) {
    // ΐ and ΰ are not in DOS 737; box drawing (DOS 0xC4) is not in Windows-1253;
    // Chinese and emoji are in neither.
    EXPECT_EQ(clsOEMtxt::Win2OEM(QStringLiteral("ΐΰ")), QStringLiteral("??"));
    EXPECT_EQ(clsOEMtxt::OEM2Win(ansiView(QByteArray("\xC4\x80", 2))), QStringLiteral("?Α"));
    EXPECT_EQ(clsOEMtxt::Win2OEM(QStringLiteral("漢Α")), QStringLiteral("?") + ansiView("\x80"));
}

TEST(clsOEMtxt, TheTextMustFitItsBuffer) {
    const QString nine(9, QLatin1Char('a'));
    EXPECT_EQ(clsOEMtxt::OEM2Win(nine, 10), nine);
    EXPECT_THROW(clsOEMtxt::OEM2Win(nine + QLatin1Char('a'), 10), dvRtns4::RoutineError);
    EXPECT_THROW(clsOEMtxt::Win2OEM(QStringLiteral("a"), 0), dvRtns4::RoutineError);
    EXPECT_THROW(clsOEMtxt::Win2OEM(QString(1000, QLatin1Char('a'))), dvRtns4::RoutineError);
    EXPECT_EQ(clsOEMtxt::Win2OEM(QString(999, QLatin1Char('a'))).size(), 999);
    // The converted text ends at its first NUL.
    EXPECT_EQ(clsOEMtxt::OEM2Win(QStringLiteral("ab") + QChar(0) + QStringLiteral("cd")),
              QStringLiteral("ab"));
}

} // namespace
