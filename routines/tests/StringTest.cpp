// Tables of cases for clsString, one test per group of methods.
#include "routines/RoutineError.h"
#include "routines/clsString.h"

#include <gtest/gtest.h>

#include <functional>

using dvRtns4::clsString;
using dvRtns4::RoutineError;
using dvRtns4::Variant;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

// Runs call and returns the number of the RoutineError it throws, 0 if none.
qint32 errorNumberOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RoutineError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(clsString, DeletesCharactersFromEitherEnd) {
    struct Case {
        const char* s;
        qint16 n;
        const char* right; // DelStrRight
        const char* left;  // DelStrLeft
    } cases[] = {
        {"abc", 3, "abc", ""},  // as many as the text has: whole vs empty
        {"abc", 4, "abc", ""},  // more than the text has
        {"abc", 1, "ab", "bc"}, //
        {"abc", 0, "abc", "abc"}, {"abc", -2, "abc", "abc"},  {"abc, ", 2, "abc", "c, "},
        {"", 1, "", ""},          {"άρθρο", 2, "άρθ", "θρο"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.s << " / " << c.n);
        EXPECT_EQ(clsString::DelStrRight(u8(c.s), c.n), u8(c.right));
        EXPECT_EQ(clsString::DelStrLeft(u8(c.s), c.n), u8(c.left));
    }
}

TEST(clsString, ReplacesIgnoringLetterCase) {
    struct Case {
        const char* in;
        const char* from;
        const char* to;
        const char* result;
    } cases[] = {
        {"aXbxc", "x", "-", "a-b-c"},
        {"a--b--c", "--", "+", "a+b+c"},
        {"ΝΌΜΟΣ νόμος", "νόμος", "Ν", "Ν Ν"},
        {"abc", "", "-", "abc"},
        {"", "a", "-", ""},
        {"abc", "b", "", "ac"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(clsString::ReplaceCharInStr(u8(c.in), u8(c.from), u8(c.to)), u8(c.result));
    }
}

TEST(clsString, FindsTheLastOccurrence) {
    struct Case {
        const char* s1;
        const char* s2;
        qint16 pos;
    } cases[] = {
        {"abcabc", "b", 5}, {"aaa", "aa", 2}, {"abc", "z", 0}, {"abc", "B", 0},
        {"", "a", 0},       {"abc", "", 3},   {"a", "a", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.s1 << " / " << c.s2);
        EXPECT_EQ(clsString::InstrR(u8(c.s1), u8(c.s2)), c.pos);
    }

    const QString fits = QString(32766, u'a') + u'b';
    EXPECT_EQ(clsString::InstrR(fits, QStringLiteral("b")), 32767);
    const QString tooFar = QString(32767, u'a') + u'b';
    EXPECT_EQ(errorNumberOf([&] { clsString::InstrR(tooFar, QStringLiteral("b")); }),
              RoutineError::Overflow);
    // Not found stays 0 however long the text.
    EXPECT_EQ(clsString::InstrR(tooFar, QStringLiteral("c")), 0);
}

TEST(clsString, PadsToExactLength) {
    struct Case {
        const char* str;
        qint16 len;
        const char* fill;
        const char* right; // PadR
        const char* left;  // PadL
    } cases[] = {
        {"  ab ", 4, "*", "ab**", "**ab"},
        {"12", 5, "0", "12000", "00012"},
        {"123456", 3, " ", "123", "456"},
        {"ab", 4, "xy", "abxx", "xxab"}, // only the first character of sChar pads
        {"ab", 0, "*", "", ""},
        {"", 2, " ", "  ", "  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.str);
        EXPECT_EQ(clsString::PadR(u8(c.str), c.len, u8(c.fill)), u8(c.right));
        EXPECT_EQ(clsString::PadL(u8(c.str), c.len, u8(c.fill)), u8(c.left));
    }
    EXPECT_EQ(clsString::PadL(QStringLiteral("123456"), 3), QStringLiteral("456"));
    EXPECT_EQ(clsString::PadR(QStringLiteral("a"), 3), QStringLiteral("a  "));

    EXPECT_EQ(errorNumberOf([] { clsString::PadR(QStringLiteral("a"), 3, QString()); }),
              RoutineError::InvalidArgument);
    EXPECT_EQ(errorNumberOf([] { clsString::PadL(QStringLiteral("a"), 3, QString()); }),
              RoutineError::InvalidArgument);
    EXPECT_EQ(errorNumberOf([] { clsString::PadR(QStringLiteral("a"), -1); }),
              RoutineError::InvalidArgument);
    EXPECT_EQ(errorNumberOf([] { clsString::PadL(QStringLiteral("a"), -1); }),
              RoutineError::InvalidArgument);
}

TEST(clsString, QuotesAnyValueAsAnSqlLiteral) {
    struct Case {
        Variant value;
        const char* literal;
    } cases[] = {
        {Variant(), "''"},
        {Variant::null(), "''"},
        {Variant(QString()), "''"},
        {Variant(""), "''"},
        {Variant("it's"), "'it''s'"},
        {Variant("''"), "''''''"},
        {Variant(" a "), "' a '"}, // not trimmed
        {Variant("νόμος"), "'νόμος'"},
        {Variant(12), "'12'"},
        {Variant(-3.5), "'-3.5'"},
        {Variant(true), "'True'"},
        {Variant(QDateTime(QDate(2003, 12, 25), QTime(0, 0))), "'25/12/2003'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.literal);
        EXPECT_EQ(clsString::FixQuotes(c.value), u8(c.literal));
    }
}

TEST(clsString, AppendsMissingItemsToDelimitedLists) {
    struct Case {
        const char* main;
        const char* add;
        const char* delimiter;
        const char* result;
    } cases[] = {
        {"1,2", "2", ",", "1,2"},   {"1,2", "3", ",", "1,2,3"},
        {"1,", "3", ",", "1,3"},    {" ", "x", ",", "x"},
        {"", " x ", ",", " x "}, // the first item is taken untrimmed
        {" 1,2 ", "1", ",", "1,2"}, {"12,3", "2", ",", "12,3,2"}, // whole items only
        {"a;b", "b", ";", "a;b;b"},                               // membership is judged on commas
        {"a,b", "b", ";", "a,b"},   {"a", "b", "; ", "a; b"},
        {"a;", "b", "; ", "a;; b"}, // the last character is compared with the whole delimiter
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.main << " + " << c.add);
        EXPECT_EQ(clsString::Append2Str(u8(c.main), u8(c.add), u8(c.delimiter)), u8(c.result));
    }
    EXPECT_EQ(clsString::Append2Str(QStringLiteral("1"), QStringLiteral("2")),
              QStringLiteral("1,2"));
}

TEST(clsString, TakesTheTextBeforeADelimiter) {
    struct Case {
        const char* s;
        const char* delimiter;
        const char* result;
    } cases[] = {
        {" ab = c", "=", "ab"}, {"abc", "=", ""}, {"=c", "=", ""},
        {"a::b::c", "::", "a"}, {"", "=", ""},    {"\tab =c", "=", "\tab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.s);
        EXPECT_EQ(clsString::StrLeft(u8(c.s), u8(c.delimiter)), u8(c.result));
    }
}

TEST(clsString, UpperCasesGreekWithoutAccents) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"ϊς", "ΙΣ"},
        {"Άρθρο", "ΑΡΘΡΟ"},
        {"νόμος", "ΝΟΜΟΣ"},
        {"έόήάίύώ", "ΕΟΗΑΙΥΩ"},
        {"ΈΌΉΆΊΎΏΪΫ", "ΕΟΗΑΙΥΩΙΥ"},
        {"ϋ", "Υ"},
        {"ΐΰ", "ΐΰ"}, // no single capital: unchanged
        {"Law 5/2003, άρθρο 1", "LAW 5/2003, ΑΡΘΡΟ 1"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(clsString::UCaseGreek(u8(c.in)), u8(c.out));
    }
}
