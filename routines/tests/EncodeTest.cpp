// clsEncode.CodeStr: texts scrambled by hand from the shifting rule (codes of
// Windows-1253, position from 1, wrap-around by 255), round trips, and the
// rule's stated exceptions.
#include "routines/CodePage.h"
#include "routines/RoutineError.h"
#include "routines/clsEncode.h"
#include "routines/clsIDGenerator.h"

#include <gtest/gtest.h>

#include <limits>

using dvRtns4::clsEncode;

namespace {

QString ansiText(const QByteArray& bytes) {
    return dvRtns4::SingleByteCodePage::windows1253().decode(bytes);
}

TEST(clsEncode, ScramblesByTheShiftingRule) {
    const struct {
        QString plain;
        qint16 shift;
        QString scrambled;
    } cases[] = {
        // 'a' 97+2-1, 'b' 98+2-2, 'c' 99+2-3
        {QStringLiteral("abc"), 2, QStringLiteral("bbb")},
        // Α 0xC1+2-1 = Β, Β 0xC2+2-2 = Β, Γ 0xC3+2-3 = Β
        {QStringLiteral("ΑΒΓ"), 2, QStringLiteral("ΒΒΒ")},
        // spaces trimmed first: 'x' 120+5-1 = '|', 'y' 121+5-2 = '|'
        {QStringLiteral("  xy  "), 5, QStringLiteral("||")},
        // ώ 0xFE+100-1 = 353, -255 = 98 'b'
        {QStringLiteral("ώ"), 100, QStringLiteral("b")},
        // a shift above 100 (or below 0) is taken as 100: 'A' 65+100-1 = 164 '¤'
        {QStringLiteral("A"), 101, QStringLiteral("¤")},
        {QStringLiteral("A"), -1, QStringLiteral("¤")},
        // shift 0: '1' 49-1 = '0', '1' 49-2 = '/'
        {QStringLiteral("11"), 0, QStringLiteral("0/")},
        // below 0 wraps: NUL 0+0-1 = -1, +255 = 254 ώ
        {QString(QChar(0)), 0, QStringLiteral("ώ")},
        {QString(), 2, QString()},
        {QStringLiteral("   "), 2, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plain.toStdString() + " by " + std::to_string(c.shift));
        EXPECT_EQ(clsEncode::CodeStr(c.plain, c.shift), c.scrambled);
        // (a NUL comes back as code 255, see below)
        if (c.shift >= 0 && c.shift <= 100 && !c.plain.contains(QChar(0))) {
            EXPECT_EQ(clsEncode::CodeStr(c.scrambled, c.shift, false), c.plain.trimmed());
        }
    }
    // The default shift is 2.
    EXPECT_EQ(clsEncode::CodeStr(QStringLiteral("abc")), QStringLiteral("bbb"));
}

TEST(clsEncode, RoundTripsGiveTheTrimmedTextBack) {
    const QString texts[] = {
        QStringLiteral("Κωδικός1!"),
        QStringLiteral("Ά Έ Ή Ί Ό Ύ Ώ ΐ ΰ"),
        QStringLiteral("p@ss w0rd ~{}"),
        QStringLiteral(" «εισαγωγικά» "),
    };
    for (const QString& text : texts) {
        for (const qint16 shift : {qint16(0), qint16(2), qint16(57), qint16(100)}) {
            const QString scrambled = clsEncode::CodeStr(text, shift);
            EXPECT_EQ(scrambled.size(), text.trimmed().size());
            EXPECT_EQ(clsEncode::CodeStr(scrambled, shift, false), text.trimmed())
                << text.toStdString() << " by " << shift;
        }
    }
}

TEST(clsEncode, LongTextsAreCutTo200Characters) {
    QString text;
    for (int i = 0; i < 250; ++i)
        text.append(QChar(u"αβγδεζηθικ"[i % 10]));
    const QString scrambled = clsEncode::CodeStr(text, 7);
    EXPECT_EQ(scrambled.size(), 200);
    EXPECT_EQ(clsEncode::CodeStr(scrambled, 7, false), text.left(200));
}

TEST(clsEncode, CodesZeroAnd255DoNotComeBack) {
    // 255 + 2 - 1 = 256, -255 = 1; decoding 1 - 2 + 1 = 0.
    const QString c255 = ansiText(QByteArray(1, '\xFF'));
    EXPECT_EQ(clsEncode::CodeStr(c255), ansiText(QByteArray(1, '\x01')));
    EXPECT_EQ(clsEncode::CodeStr(clsEncode::CodeStr(c255), 2, false), QString(QChar(0)));
    // A NUL at position 3: 0 + 2 - 3 = -1, +255 = 254; decoding 254 - 2 + 3 = 255.
    const QString withNul = QStringLiteral("ab") + QChar(0);
    EXPECT_EQ(clsEncode::CodeStr(clsEncode::CodeStr(withNul), 2, false),
              QStringLiteral("ab") + c255);
}

TEST(clsEncode, UnicodeEncodingScramblesTheTextsBytes) {
    // "A" is the bytes 0x41 0x00: 0x41+2-1 = 'B', 0x00+2-2 = NUL.
    EXPECT_EQ(clsEncode::CodeStr(QStringLiteral("A"), 2, true, true),
              QStringLiteral("B") + QChar(0));
    // "Ω" (U+03A9) is 0xA9 0x03: 0xA9+2-1 = 0xAA, 0x03+2-2 = 0x03.
    EXPECT_EQ(clsEncode::CodeStr(QStringLiteral("Ω"), 2, true, true),
              ansiText(QByteArray("\xAA\x03", 2)));
    // Decoding has no counterpart: the bytes come back as characters.
    EXPECT_EQ(clsEncode::CodeStr(QStringLiteral("B") + QChar(0), 2, false, true),
              QStringLiteral("A") + QChar(0));
}

TEST(clsIDGenerator, CountsForTheWholeLibraryAndStopsAtTheLargestNumber) {
    dvRtns4::clsIDGenerator first;
    dvRtns4::clsIDGenerator second;
    const qint32 a = first.GetNextClassID();
    EXPECT_GE(a, 1);
    EXPECT_EQ(second.GetNextClassID(), a + 1); // one counter for every instance
    EXPECT_EQ(first.GetNextClassID(), a + 2);

    dvRtns4::RunningNumber number(std::numeric_limits<qint32>::max() - 1);
    EXPECT_EQ(number.next(), std::numeric_limits<qint32>::max());
    try {
        number.next();
        ADD_FAILURE() << "no overflow";
    } catch (const dvRtns4::RoutineError& e) {
        EXPECT_EQ(e.number(), 6);
    }
    EXPECT_EQ(number.last(), std::numeric_limits<qint32>::max()); // the number stays
    EXPECT_EQ(dvRtns4::RunningNumber().next(), 1);
}

} // namespace
