// The regional snapshot, its test, the regional store as a locale source,
// the operating-system names and the values of the repair.
#include "app/startup/LocaleSnapshot.h"
#include "app/startup/OsVersionName.h"
#include "app/startup/RegionalRepair.h"
#include "app/startup/RegionalStoreLocaleSource.h"
#include "app/startup/tests/StartupDoubles.h"
#include "platform/system/SystemLocaleSource.h"
#include "routines/IniSettingsStore.h"

#include <QTemporaryDir>

#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace lexora::startup;
using dvRtns4::IniSettingsStore;
using lexora::platform::LocaleInfo;
using lexora::platform::OsVersion;
using startuptest::FakeLocale;
using startuptest::windowsVersion;

namespace {

TEST(LocaleSnapshot, SlotsHoldTheFirstCharacterOrABlank) {
    FakeLocale locale;
    locale.values[LocaleInfo::SDate] = QStringLiteral("//-");
    locale.values[LocaleInfo::SThousand] = QString();
    locale.values[LocaleInfo::STime] = QChar(0) + QStringLiteral(":");
    const LocaleSnapshot snapshot = ReadLocaleSnapshot(locale);
    EXPECT_EQ(snapshot.decimalSymbol, QStringLiteral(","));
    EXPECT_EQ(snapshot.groupingSymbol, QStringLiteral(" "));
    EXPECT_EQ(snapshot.dateSeparator, QStringLiteral("/"));
    EXPECT_EQ(snapshot.timeSeparator, QStringLiteral(" ")); // cut at the NUL
    EXPECT_EQ(snapshot.longDateOrder, QStringLiteral("1"));
    EXPECT_EQ(snapshot.timeFormat, QStringLiteral("1"));
}

TEST(LocaleSnapshot, StartUpTest) {
    using Values = std::vector<std::pair<LocaleInfo, const char*>>;
    const struct {
        const char* what;
        Values changes; // from the Greek conventions
        bool wrong;
    } cases[] = {
        {"Greek conventions", {}, false},
        {"decimal point, grouping comma",
         {{LocaleInfo::SDecimal, "."}, {LocaleInfo::SThousand, ","}},
         false},
        {"decimal equal to grouping", {{LocaleInfo::SDecimal, "."}}, true},
        {"date separator -", {{LocaleInfo::SDate, "-"}}, true},
        {"date separator of several characters", {{LocaleInfo::SDate, "/."}}, false},
        {"month-day-year", {{LocaleInfo::ILDate, "0"}}, true},
        {"12-hour clock", {{LocaleInfo::ITime, "0"}}, true},
        {"no time format", {{LocaleInfo::ITime, ""}}, true},
        {"time separator .", {{LocaleInfo::STime, "."}}, true},
        {"no time separator", {{LocaleInfo::STime, ""}}, true},
    };
    for (const auto& c : cases) {
        FakeLocale locale;
        for (const auto& [info, value] : c.changes)
            locale.values[info] = QString::fromUtf8(value);
        EXPECT_EQ(RegionalSettingsWrong(ReadLocaleSnapshot(locale)), c.wrong) << c.what;
    }
}

TEST(LocaleSnapshot, TwoMissingSeparatorsAreEqualAndFail) {
    FakeLocale locale;
    locale.values[LocaleInfo::SDecimal] = QString();
    locale.values[LocaleInfo::SThousand] = QString();
    const LocaleSnapshot snapshot = ReadLocaleSnapshot(locale);
    EXPECT_TRUE(snapshot.numbersWrong());
    EXPECT_TRUE(RegionalSettingsWrong(snapshot));
}

class RegionalStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    IniSettingsStore store{dir.path() + QStringLiteral("/DRAVIK/ControlPanel.ini")};
    // A locale that fails: United States conventions.
    lexora::platform::SystemLocaleSource unitedStates{
        QLocale(QLocale::English, QLocale::UnitedStates)};
};

TEST_F(RegionalStoreTest, EmptyStoreLeavesTheLocale) {
    const RegionalStoreLocaleSource source(store, unitedStates);
    const LocaleSnapshot snapshot = ReadLocaleSnapshot(source);
    EXPECT_EQ(snapshot.longDateOrder, QStringLiteral("0"));
    EXPECT_EQ(snapshot.timeFormat, QStringLiteral("0"));
    EXPECT_TRUE(RegionalSettingsWrong(snapshot));
}

TEST_F(RegionalStoreTest, StoredValuesOverrideTheLocaleOneByOne) {
    ASSERT_TRUE(store.write(kInternationalKey, QStringLiteral("sDate"), QStringLiteral("-")));
    ASSERT_TRUE(store.write(kInternationalKey, QStringLiteral("iTime"), QStringLiteral("1")));
    const RegionalStoreLocaleSource source(store, unitedStates);
    EXPECT_EQ(source.localeValue(LocaleInfo::SDate), QStringLiteral("-"));
    EXPECT_EQ(source.localeValue(LocaleInfo::ITime), QStringLiteral("1"));
    EXPECT_EQ(source.localeValue(LocaleInfo::SDecimal), QStringLiteral("."));
    EXPECT_EQ(source.localeValue(LocaleInfo::ILDate), QStringLiteral("0"));
}

TEST_F(RegionalStoreTest, LongDateOrderFromIldateOrTheLongDatePattern) {
    ASSERT_TRUE(
        store.write(kInternationalKey, QStringLiteral("sLongDate"), QStringLiteral("yyyy MMMM d")));
    const RegionalStoreLocaleSource source(store, unitedStates);
    EXPECT_EQ(source.localeValue(LocaleInfo::ILDate), QStringLiteral("2"));
    ASSERT_TRUE(store.write(kInternationalKey, QStringLiteral("iLDate"), QStringLiteral("1")));
    EXPECT_EQ(source.localeValue(LocaleInfo::ILDate), QStringLiteral("1"));
}

TEST_F(RegionalStoreTest, RepairMakesTheNextStartPass) {
    for (const auto& [name, value] : RegionalRepairValues(startuptest::FakeOsVersion().version))
        ASSERT_TRUE(SetRegStrValueControlPanel(store, name, value));
    // The next start: a fresh store object over the same file.
    const IniSettingsStore nextRun(store.filePath());
    const RegionalStoreLocaleSource source(nextRun, unitedStates);
    const LocaleSnapshot snapshot = ReadLocaleSnapshot(source);
    EXPECT_FALSE(RegionalSettingsWrong(snapshot));
    EXPECT_EQ(snapshot.decimalSymbol, QStringLiteral(","));
    EXPECT_EQ(snapshot.groupingSymbol, QStringLiteral("."));
}

TEST_F(RegionalStoreTest, EmptyValueIsWrittenAsOneBlank) {
    ASSERT_TRUE(SetRegStrValueControlPanel(store, QStringLiteral("sList"), QString()));
    EXPECT_EQ(store.read(kInternationalKey, QStringLiteral("sList")).text, QStringLiteral(" "));
}

TEST(OsVersionName, WindowsTableAndOtherPlatforms) {
    const struct {
        OsVersion version;
        const char* name;
    } cases[] = {
        {OsVersion{false, 0, 0, 0, {}}, "Αδυναμία αναγνώρισης έκδοσης Windows."},
        {OsVersion{true, 0, 3, 10, {}}, "Win32s on Windows 3.1"},
        {OsVersion{true, 1, 4, 0, {}}, "Windows 95"},
        {OsVersion{true, 1, 4, 90, {}}, "Windows Me"},
        {OsVersion{true, 1, 4, 10, {}}, "Windows 98"},
        {windowsVersion(3, 51), "Windows NT 3.5"},
        {windowsVersion(4, 0), "Windows NT 4.0"},
        {windowsVersion(5, 0), "Windows 2000"},
        {windowsVersion(5, 1), "Windows XP"},
        {windowsVersion(5, 2), "Windows Server 2003"},
        {windowsVersion(6, 0), "Windows Vista/Server 2008"},
        {windowsVersion(6, 1), "Windows 7/Server 2008 R2"},
        {windowsVersion(6, 2), "Windows 8"},
        {windowsVersion(6, 3), "Windows NT"},
        {windowsVersion(10, 0), "Windows NT"},
        {OsVersion{true, 3, 1, 0, {}}, ""},
        {OsVersion{true, 0, 0, 0, QStringLiteral("Debian GNU/Linux 12")}, "Debian GNU/Linux 12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetOSVersionName(c.version), QString::fromUtf8(c.name)) << c.name;
}

TEST(RegionalRepair, ValuesWrittenPerSystem) {
    const struct {
        OsVersion version;
        std::size_t count;
    } cases[] = {
        {windowsVersion(6, 1), 21},
        {windowsVersion(6, 2), 21},
        {windowsVersion(6, 0), 20},
        {windowsVersion(5, 1), 18},
        {windowsVersion(5, 0), 18},
        {windowsVersion(4, 0), 0},
        {windowsVersion(5, 2), 0},
        {OsVersion{false, 0, 0, 0, {}}, 0},
        {OsVersion{true, 0, 0, 0, QStringLiteral("Fedora Linux 40")}, 21},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RegionalRepairValues(c.version).size(), c.count)
            << GetOSVersionName(c.version).toStdString();
}

TEST(RegionalRepair, OrderOfTheWholeSet) {
    const auto values = RegionalRepairValues(windowsVersion(6, 1));
    QStringList names;
    for (const auto& [name, value] : values)
        names << name;
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("iTime iTLZero Locale s1159 s2359 sCountry sCurrency sDate sDecimal "
                             "sLanguage sList sLongDate sShortDate sThousand sTime sTimeFormat "
                             "sMonDecimalSep sMonThousandSep LocaleName sYearMonth sShortTime"));
    EXPECT_EQ(values[6].second, QStringLiteral("€"));
    EXPECT_EQ(values[11].second, QStringLiteral("dddd, d MMMM yyyy"));
    EXPECT_EQ(values[12].second, QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(values[15].second, QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(values[18].second, QStringLiteral("el-GR"));
    EXPECT_EQ(values[19].second, QStringLiteral("MMMM yyyy"));
    EXPECT_EQ(values[20].second, QStringLiteral("HH:mm"));
    EXPECT_EQ(RegionalRepairValues(OsVersion{true, 0, 0, 0, QStringLiteral("Linux")}), values);
}

} // namespace
