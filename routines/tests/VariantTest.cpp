#include "routines/Variant.h"

#include <gtest/gtest.h>

using dvRtns4::Variant;

TEST(Variant, EmptyAndNullAreDistinctKinds) {
    EXPECT_TRUE(Variant().isEmpty());
    EXPECT_FALSE(Variant().isNull());
    EXPECT_TRUE(Variant::null().isNull());
    EXPECT_FALSE(Variant::null() == Variant());
    EXPECT_TRUE(Variant(QString()).kind() == Variant::Kind::Text);
}

TEST(Variant, TextForms) {
    struct Case {
        Variant v;
        const char* text;
    } cases[] = {
        {Variant(), ""},
        {Variant::null(), ""},
        {Variant(12), "12"},
        {Variant(-7), "-7"},
        {Variant(2.5), "2.5"},
        {Variant(3.0), "3"},
        {Variant(true), "True"},
        {Variant(QStringLiteral("άρθρο")), "άρθρο"},
        {Variant(QDateTime(QDate(2003, 12, 25), QTime(0, 0))), "25/12/2003"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.v.toString(), QString::fromUtf8(c.text));
}

TEST(Variant, NumericValueOfTextIsItsLeadingNumber) {
    EXPECT_EQ(Variant("12α").toInt(), 12);
    EXPECT_EQ(Variant("α12").toInt(), 0);
    EXPECT_EQ(Variant(" -3 ").toInt(), -3);
    EXPECT_EQ(Variant(true).toInt(), -1);
    EXPECT_EQ(Variant::null().toInt(), 0);
}
