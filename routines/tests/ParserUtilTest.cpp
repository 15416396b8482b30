// clsParserUtil: key lookups, decoding, encoding and flag strings.
#include "routines/RoutineError.h"
#include "routines/clsParserUtil.h"

#include <gtest/gtest.h>

using dvRtns4::clsParserUtil;

namespace {
const QString kDef = QStringLiteral("_SIZE_=20,_TEXT_=Hello") + QChar(1) +
                     QStringLiteral(" world,_QUOTED_=\"a") + QChar(5) +
                     QStringLiteral("b\",_XSIZE_=7,_NUM_= 12.5 ,_BAD_=12a,_BIG_=3000000000");
}

TEST(clsParserUtil, LooksUpKeys) {
    struct Case {
        const char* key;
        QString raw;
        QString text;
    } cases[] = {
        {"size", "20", "20"},
        {"SiZe", "20", "20"},
        {"text", "Hello" + QString(QChar(1)) + " world", "Hello, world"},
        {"quoted", "\"a" + QString(QChar(5)) + "b\"", "a{b"},
        {"xsize", "7", "7"},
        {"num", "12.5", "12.5"},
        {"width", "", "default"},
        {"", "", "default"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(clsParserUtil::GetValueForKey(kDef, c.key), c.raw);
        EXPECT_EQ(clsParserUtil::GetKeyStr(kDef, c.key, "default"), c.text);
    }
}

TEST(clsParserUtil, NumbersOfKeys) {
    EXPECT_EQ(clsParserUtil::GetKeyLong(kDef, "size", 0), 20);
    EXPECT_EQ(clsParserUtil::GetKeyLong(kDef, "num", 0), 12); // half to even
    EXPECT_EQ(clsParserUtil::GetKeyLong("_N_=-13.5", "n", 0), -14);
    EXPECT_EQ(clsParserUtil::GetKeyLong(kDef, "width", 100), 100);
    EXPECT_EQ(clsParserUtil::GetKeyLong("_E_=\"\"", "e", 9), 9); // decodes to nothing
    try {
        clsParserUtil::GetKeyLong(kDef, "bad", 0);
        ADD_FAILURE() << "no error";
    } catch (const dvRtns4::RoutineError& e) {
        EXPECT_EQ(e.number(), 13);
    }
    try {
        clsParserUtil::GetKeyLong(kDef, "big", 0);
        ADD_FAILURE() << "no error";
    } catch (const dvRtns4::RoutineError& e) {
        EXPECT_EQ(e.number(), 6);
    }
}

TEST(clsParserUtil, SplitsMeasures) {
    struct Case {
        const char* text;
        float value;
        const char* unit;
    } cases[] = {
        {"12.5", 12.5f, ""}, {"12pt", 12, "PT"}, {" 24px ", 24, "PX"}, {"-5", 0, "-5"},
        {"", 0, ""},         {"px", 0, "PX"},    {"1.2.3", 1.2f, ""},  {"7 mm", 7, " MM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        float value = -1;
        QString unit = QStringLiteral("old");
        clsParserUtil::TranslateStr(QString::fromUtf8(c.text), value, unit);
        EXPECT_FLOAT_EQ(value, c.value);
        EXPECT_EQ(unit, QString::fromUtf8(c.unit));
    }
}

TEST(clsParserUtil, EncodesAndDecodes) {
    struct Case {
        QString plain;
        QString written;
    } cases[] = {
        {"a,b", "\"a\\,b\""}, {"x=$1 {y}", "\"x\\=\\$1 \\{y\\}\""},   {" padded ", "\"padded\""},
        {"", "\"\""},         {"Νόμος, άρθρο", "\"Νόμος\\, άρθρο\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plain.toStdString());
        const QString written = clsParserUtil::Parser_EncodeStr(c.plain);
        EXPECT_EQ(written, c.written);
        // Written into a body and coded as the parser codes it, it reads back.
        QString coded = written;
        clsParserUtil::Parser_EncodeDefinition(coded);
        EXPECT_EQ(clsParserUtil::Parser_DecodeStr(coded), c.plain.trimmed());
    }
    QString def = QStringLiteral("  a\\,b\\=c\\$d\\{e\\}f  ");
    clsParserUtil::Parser_EncodeDefinition(def);
    EXPECT_EQ(def, "a" + QString(QChar(1)) + "b" + QChar(2) + "c" + QChar(4) + "d" + QChar(5) +
                       "e" + QChar(6) + "f");
    EXPECT_EQ(clsParserUtil::Parser_DecodeStr("\""), QStringLiteral("\"")); // a lone quote stays
    EXPECT_EQ(clsParserUtil::Parser_DecodeStr(" \"in\"side\" "), QStringLiteral("in\"side"));
    EXPECT_EQ(clsParserUtil::Parser_DecodeStr(QString()), QString());
}

TEST(clsParserUtil, ReadsFlagsOneByOne) {
    QString flags = QStringLiteral("TfxT");
    std::vector<bool> read;
    while (!flags.isEmpty())
        read.push_back(clsParserUtil::GetBool(flags));
    EXPECT_EQ(read, (std::vector<bool>{true, false, false, true}));
    QString tf = QStringLiteral("TF");
    EXPECT_TRUE(clsParserUtil::GetBool(tf));
    EXPECT_EQ(tf, QStringLiteral("F"));
    EXPECT_FALSE(clsParserUtil::GetBool(tf));
    EXPECT_EQ(tf, QString());
    EXPECT_FALSE(clsParserUtil::GetBool(tf));
}
