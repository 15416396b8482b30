// Number routines under Greek settings (the test main's default locale):
// masks, the numeric value of typed text and display text back to digits.
#include "controls/textint/DravikCode.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double value;
    const char* mask;
    const char* expected;
};

struct TextCase {
    const char* text;
    double expected;
};

struct PlainCase {
    const char* text;
    const char* expected;
};

} // namespace

TEST(DravikCode, FormatNumberFollowsTheMaskWithGreekSymbols) {
    const FormatCase cases[] = {
        {1234567, "#,##0", "1.234.567"},
        {0, "#,##0", "0"},
        {-1234, "#,##0", "-1.234"},
        {999, "#,##0", "999"},
        {1234.5, "#,##0", "1.235"}, // halves away from zero
        {-2.5, "0", "-3"},
        {1234.5, "#,##0.00", "1.234,50"},
        {12.3, "#.##", "12,3"},
        {5, "000", "005"},
        {0, "#,###", ""},
        {0.25, "0%", "25%"},
        {-5, "0;(0)", "(5)"},
        {0, "0;(0);\"zero\"", "zero"},
        {3, "\"Nr \"0", "Nr 3"},
        {7, "\\#0", "#7"},
        {-0.4, "0", "0"},
        {1234.25, "", "1234,25"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Dravik::FormatNumber(c.value, QString::fromUtf8(c.mask)),
                  QString::fromUtf8(c.expected))
            << c.value << " with " << c.mask;
    }
}

TEST(DravikCode, NumericValueReadsTheNumberAtTheStart) {
    const TextCase cases[] = {
        {"", 0},       {"-", 0},      {"+", 0},     {"12", 12}, {"-12", -12},
        {"+7", 7},     {"12abc", 12}, {"1.5", 1.5}, {"1,5", 1}, {" 7", 7},
        {"1e3", 1000}, {"1e", 1},     {"3-4", 3},   {"abc", 0}, {"007", 7},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Dravik::NumericValue(QString::fromUtf8(c.text)), c.expected) << c.text;
    }
}

TEST(DravikCode, PlainNumberTextTurnsDisplayTextBackIntoDigits) {
    const PlainCase cases[] = {
        {"1.234", "1234"}, {"1.234.567", "1234567"}, {"-1.234", "-1234"}, {"", "0"},
        {"abc", "0"},      {"€ 1.234,5", "1234,5"},  {"0", "0"},          {"12-3", "12-3"},
        {"(5)", "5)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Dravik::PlainNumberText(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected))
            << c.text;
    }
}
