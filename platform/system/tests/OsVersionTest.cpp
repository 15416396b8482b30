// The system's name from os-release, and the kernel's when there is none.
#include "platform/system/OsVersion.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lexora::platform;

namespace {

TEST(OsVersion, PrettyNameOfOsRelease) {
    const struct {
        const char* text;
        const char* name;
    } cases[] = {
        {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n",
         "Debian GNU/Linux 12 (bookworm)"},
        {"PRETTY_NAME=Fedora\n", "Fedora"},
        {"PRETTY_NAME='Arch Linux'\n", "Arch Linux"},
        {"PRETTY_NAME=\"Say \\\"hi\\\" \\\\ OS\"\n", "Say \"hi\" \\ OS"},
        {"NAME=Alpine\n", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(prettyNameOf(QString::fromUtf8(c.text)), QString::fromUtf8(c.name)) << c.text;
}

TEST(OsVersion, ReadsTheFirstOsReleaseThatNamesTheSystem) {
    QTemporaryDir dir;
    QFile unnamed(dir.filePath(QStringLiteral("unnamed")));
    ASSERT_TRUE(unnamed.open(QIODevice::WriteOnly));
    unnamed.write("ID=x\n");
    unnamed.close();
    QFile named(dir.filePath(QStringLiteral("named")));
    ASSERT_TRUE(named.open(QIODevice::WriteOnly));
    named.write("PRETTY_NAME=\"Λίνουξ 1\"\n");
    named.close();

    const SystemOsVersionSource source(
        {dir.filePath(QStringLiteral("missing")), unnamed.fileName(), named.fileName()});
    const OsVersion version = source.osVersion();
    EXPECT_TRUE(version.isOtherPlatform());
    EXPECT_EQ(version.systemName, QStringLiteral("Λίνουξ 1"));
}

TEST(OsVersion, WithoutOsReleaseTheKernelNamesTheSystem) {
    const SystemOsVersionSource source({QStringLiteral("/nonexistent/os-release")});
    const OsVersion version = source.osVersion();
    EXPECT_TRUE(version.isOtherPlatform());
    EXPECT_FALSE(version.systemName.isEmpty());
}

} // namespace
