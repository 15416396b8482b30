// clsRegistry over temporary INI stores: round trips, the blank and default
// rules, the read limit, letter case and the two areas.
#include "routines/IniSettingsStore.h"
#include "routines/clsRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using dvRtns4::clsRegistry;
using dvRtns4::IniSettingsStore;
using dvRtns4::SettingsReadStatus;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    IniSettingsStore user{dir.path() + QStringLiteral("/user/DRAVIK/Software.ini")};
    IniSettingsStore machine{dir.path() + QStringLiteral("/machine/DRAVIK/SOFTWARE.ini")};
    clsRegistry registry{user, machine};

    QString read(const QString& name, bool userArea = true) const {
        return registry.GetRegStrValue(QStringLiteral("\\LEXORA"), name, QStringLiteral("default"),
                                       userArea);
    }
};

TEST_F(RegistryTest, ValuesReadBackAsWrittenInTheirOwnArea) {
    EXPECT_EQ(read(QStringLiteral("Path")), QStringLiteral("default"));
    EXPECT_FALSE(QFile::exists(user.filePath())); // reading created nothing

    const QString values[] = {
        QStringLiteral("/usr/bin/libreoffice"),
        QStringLiteral("/home/μαρία/Έγγραφα/επεξεργαστής"),
        QStringLiteral("a, b, c"),
        QStringLiteral("x"), // a single character is not lost
        QStringLiteral("12=3;[section]"),
    };
    for (const QString& value : values) {
        EXPECT_TRUE(
            registry.SetRegStrValue(QStringLiteral("\\LEXORA"), QStringLiteral("Path"), value));
        EXPECT_EQ(read(QStringLiteral("Path")), value);
    }
    EXPECT_EQ(read(QStringLiteral("Path"), false), QStringLiteral("default"));

    EXPECT_TRUE(registry.SetRegStrValue(QStringLiteral("\\LEXORA\\Sub"), QStringLiteral("N"),
                                        QStringLiteral("machine"), false));
    EXPECT_EQ(registry.GetRegStrValue(QStringLiteral("\\lexora\\SUB"), QStringLiteral("n"),
                                      QString(), false),
              QStringLiteral("machine"));
    EXPECT_EQ(registry.GetRegStrValue(QStringLiteral("\\LEXORA\\Sub"), QStringLiteral("N"),
                                      QStringLiteral("none")),
              QStringLiteral("none"));
}

TEST_F(RegistryTest, BlanksNulsAndLongValuesGiveTheDefault) {
    const struct {
        QString stored;
        QString read;
    } cases[] = {
        {QStringLiteral("   "), QStringLiteral("default")},
        {QString(), QStringLiteral("default")},
        {QStringLiteral("  /opt/x  "), QStringLiteral("/opt/x")},
        {QStringLiteral("/opt/x") + QChar(0) + QStringLiteral("rest"), QStringLiteral("/opt/x")},
        {QChar(0) + QStringLiteral("rest"), QStringLiteral("default")},
        {QString(3990, QLatin1Char('x')), QString(3990, QLatin1Char('x'))},
        {QString(3991, QLatin1Char('x')), QStringLiteral("default")},
        // One byte a letter, as in the ANSI code page, not two as in UTF-8.
        {QString(3990, QChar(u'λ')), QString(3990, QChar(u'λ'))},
        {QString(3991, QChar(u'λ')), QStringLiteral("default")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.left(20).toStdString());
        ASSERT_TRUE(user.write(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("V"), c.stored));
        EXPECT_EQ(read(QStringLiteral("V")), c.read);
    }
}

TEST_F(RegistryTest, AnEmptyValueIsStoredAsOneBlank) {
    ASSERT_TRUE(
        registry.SetRegStrValue(QStringLiteral("\\LEXORA"), QStringLiteral("V"), QString()));
    const auto raw = user.read(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("V"));
    EXPECT_EQ(raw.status, SettingsReadStatus::Ok);
    EXPECT_EQ(raw.text, QStringLiteral(" "));
    EXPECT_EQ(read(QStringLiteral("V")), QStringLiteral("default"));
}

TEST_F(RegistryTest, AStoreThatCannotBeUsedGivesDefaultsAndFalse) {
    QDir().mkpath(user.filePath()); // a folder where the file should be
    EXPECT_FALSE(registry.SetRegStrValue(QStringLiteral("\\LEXORA"), QStringLiteral("V"),
                                         QStringLiteral("x")));
    EXPECT_EQ(read(QStringLiteral("V")), QStringLiteral("default"));

    // A machine store handed in for reading only.
    const IniSettingsStore& readOnly = machine;
    clsRegistry reader(user, readOnly);
    EXPECT_FALSE(reader.SetRegStrValue(QStringLiteral("\\LEXORA"), QStringLiteral("V"),
                                       QStringLiteral("x"), false));
    EXPECT_FALSE(QFile::exists(machine.filePath()));
}

TEST(clsRegistryRead, StatusesOfTheLowerLevelRead) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path() + QStringLiteral("/x.ini"));
    const QString key = QStringLiteral("Microsoft\\Windows\\CurrentVersion");
    EXPECT_EQ(clsRegistry::ReadStrValue(store, key, QStringLiteral("P")).status,
              SettingsReadStatus::KeyNotFound);
    ASSERT_TRUE(store.write(key, QStringLiteral("Q"), QString()));
    EXPECT_EQ(clsRegistry::ReadStrValue(store, key, QStringLiteral("P")).status,
              SettingsReadStatus::ValueNotFound);
    EXPECT_EQ(clsRegistry::ReadStrValue(store, key, QStringLiteral("Q")).status,
              SettingsReadStatus::ValueNotFound); // a value without any text
    ASSERT_TRUE(store.write(key, QStringLiteral("P"), QStringLiteral("  ")));
    const auto blank = clsRegistry::ReadStrValue(store, key, QStringLiteral("P"));
    EXPECT_EQ(blank.status, SettingsReadStatus::Ok);
    EXPECT_EQ(blank.text, QString());
    ASSERT_TRUE(store.write(key, QStringLiteral("P"), QString(4000, QLatin1Char('x'))));
    EXPECT_EQ(clsRegistry::ReadStrValue(store, key, QStringLiteral("P")).status,
              SettingsReadStatus::MoreData);
}

} // namespace
