// The private temporary folder: made for the user alone, and refused when the
// name is taken by a link, a file or a folder that is not the user's.
#include "app/windows/PrivateTempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using lexora::windows::privateTempFolder;
using lexora::windows::TempFolderError;

namespace {

QString expectedName(const QString& base) {
    const passwd* pw = ::getpwuid(::getuid());
    return base + QStringLiteral("/lexora-") + QString::fromLocal8Bit(pw->pw_name);
}

int modeOf(const QString& path) {
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return static_cast<int>(info.st_mode & 0777);
}

TEST(PrivateTempFolderTest, MakesAFolderForTheUserAlone) {
    QTemporaryDir base;
    const QString folder = privateTempFolder(base.path());
    EXPECT_EQ(folder, expectedName(base.path()) + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(modeOf(expectedName(base.path())), 0700);
    // A second run finds it and uses it.
    EXPECT_EQ(privateTempFolder(base.path()), folder);
}

TEST(PrivateTempFolderTest, NarrowsTheRightsOfAnExistingFolderOfTheUser) {
    QTemporaryDir base;
    const QString path = expectedName(base.path());
    ASSERT_EQ(::mkdir(QFile::encodeName(path).constData(), 0777), 0);
    ::chmod(QFile::encodeName(path).constData(), 0777);
    privateTempFolder(base.path());
    EXPECT_EQ(modeOf(path), 0700);
}

TEST(PrivateTempFolderTest, RefusesALinkOrAFilePlantedUnderItsName) {
    QTemporaryDir base, elsewhere;
    const QString path = expectedName(base.path());
    ASSERT_TRUE(QFile::link(elsewhere.path(), path));
    EXPECT_THROW(privateTempFolder(base.path()), TempFolderError);
    QFile::remove(path);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_THROW(privateTempFolder(base.path()), TempFolderError);
}

} // namespace
