// Reading date and time patterns, and the regional values of Qt locales.
#include "platform/system/LocaleFormat.h"
#include "platform/system/SystemLocaleSource.h"

#include <gtest/gtest.h>

using namespace lexora::platform;

namespace {

struct DatePattern {
    const char* pattern;
    const char* order;
    const char* separator;
};

TEST(LocaleFormat, DatePatterns) {
    const DatePattern cases[] = {
        {"dd/MM/yyyy", "1", "/"},
        {"d/M/yy", "1", "/"},
        {"M/d/yy", "0", "/"},
        {"yyyy-MM-dd", "2", "-"},
        {"dd.MM.yy", "1", "."},
        {"dddd, d MMMM yyyy", "1", ", "}, // day name first: the day is the later "d"
        {"d 'de' MMMM 'de' yyyy", "1", " de "},
        {"yy'/'MM'/'dd", "2", "/"},
        {"MM-yyyy-dd", "", "-"},
        {"MMMM yyyy", "", " "},
        {"", "", ""},
        {"dd", "", ""},
    };
    for (const auto& c : cases) {
        const QString pattern = QString::fromUtf8(c.pattern);
        EXPECT_EQ(dateOrderOf(pattern), QString::fromUtf8(c.order)) << c.pattern;
        EXPECT_EQ(separatorAfter(pattern, QStringLiteral("dMy")), QString::fromUtf8(c.separator))
            << c.pattern;
    }
}

TEST(LocaleFormat, TimePatterns) {
    const struct {
        const char* pattern;
        const char* clock;
        const char* separator;
    } cases[] = {
        {"HH:mm:ss", "1", ":"}, {"H.mm", "1", "."},    {"h:mm AP", "0", ":"},
        {"h:mm a", "0", ":"},   {"AP h:mm", "0", ":"}, {"HH 'h' mm", "1", " h "},
        {"mm:ss", "", ""},      {"", "", ""},
    };
    for (const auto& c : cases) {
        const QString pattern = QString::fromUtf8(c.pattern);
        EXPECT_EQ(clockOf(pattern), QString::fromUtf8(c.clock)) << c.pattern;
        EXPECT_EQ(separatorAfter(pattern, QStringLiteral("Hh")), QString::fromUtf8(c.separator))
            << c.pattern;
    }
}

TEST(SystemLocaleSource, GermanLocale) {
    const SystemLocaleSource source{QLocale(QLocale::German, QLocale::Germany)};
    EXPECT_EQ(source.localeValue(LocaleInfo::SDecimal), QStringLiteral(","));
    EXPECT_EQ(source.localeValue(LocaleInfo::SThousand), QStringLiteral("."));
    EXPECT_EQ(source.localeValue(LocaleInfo::SDate), QStringLiteral("."));
    EXPECT_EQ(source.localeValue(LocaleInfo::ILDate), QStringLiteral("1"));
    EXPECT_EQ(source.localeValue(LocaleInfo::ITime), QStringLiteral("1"));
    EXPECT_EQ(source.localeValue(LocaleInfo::STime), QStringLiteral(":"));
}

TEST(SystemLocaleSource, UnitedStatesLocale) {
    const SystemLocaleSource source{QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_EQ(source.localeValue(LocaleInfo::SDecimal), QStringLiteral("."));
    EXPECT_EQ(source.localeValue(LocaleInfo::SThousand), QStringLiteral(","));
    EXPECT_EQ(source.localeValue(LocaleInfo::SDate), QStringLiteral("/"));
    EXPECT_EQ(source.localeValue(LocaleInfo::ILDate), QStringLiteral("0"));
    EXPECT_EQ(source.localeValue(LocaleInfo::ITime), QStringLiteral("0"));
    EXPECT_EQ(source.localeValue(LocaleInfo::STime), QStringLiteral(":"));
}

TEST(SystemLocaleSource, GreekLocaleFollowsItsPatterns) {
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    const SystemLocaleSource source{greek};
    EXPECT_EQ(source.localeValue(LocaleInfo::SDecimal), QStringLiteral(","));
    EXPECT_EQ(source.localeValue(LocaleInfo::SThousand), QStringLiteral("."));
    EXPECT_EQ(source.localeValue(LocaleInfo::SDate), QStringLiteral("/"));
    EXPECT_EQ(source.localeValue(LocaleInfo::ILDate), QStringLiteral("1"));
    EXPECT_EQ(source.localeValue(LocaleInfo::ITime),
              clockOf(greek.timeFormat(QLocale::ShortFormat)));
}

} // namespace
