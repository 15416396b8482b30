// Doubles for the services of start-up: a locale of given values, a fixed
// operating system, an instance lock that is free or held, a file system
// that records what was asked of it, a database opener that can be made to
// fail, and a main window factory that records its call.
#pragma once

#include "app/startup/DataPlaces.h"
#include "app/startup/StartupServices.h"
#include "platform/system/FileSystem.h"
#include "platform/system/InstanceLock.h"
#include "platform/system/LocaleSource.h"
#include "platform/system/OsVersion.h"

#include <QMap>
#include <QStringList>

#include <optional>

namespace startuptest {

using lexora::platform::LocaleInfo;

// Greek conventions unless a test changes a value.
class FakeLocale final : public lexora::platform::LocaleSource {
public:
    QMap<LocaleInfo, QString> values = {
        {LocaleInfo::SDecimal, QStringLiteral(",")}, {LocaleInfo::SThousand, QStringLiteral(".")},
        {LocaleInfo::ILDate, QStringLiteral("1")},   {LocaleInfo::SDate, QStringLiteral("/")},
        {LocaleInfo::ITime, QStringLiteral("1")},    {LocaleInfo::STime, QStringLiteral(":")},
    };
    QString localeValue(LocaleInfo info) const override { return values.value(info); }
};

class FakeOsVersion final : public lexora::platform::OsVersionSource {
public:
    lexora::platform::OsVersion version{true, 0, 0, 0, QStringLiteral("Debian GNU/Linux 12")};
    lexora::platform::OsVersion osVersion() const override { return version; }
};

inline lexora::platform::OsVersion windowsVersion(int major, int minor) {
    return lexora::platform::OsVersion{true, 2, major, minor, {}};
}

class FakeInstanceLock final : public lexora::platform::InstanceLock {
public:
    bool free = true;
    int asked = 0;
    bool tryLock() override {
        ++asked;
        return free;
    }
};

class RecordingFileSystem final : public lexora::platform::FileSystem {
public:
    mutable QStringList fileQueries;
    QStringList removed;
    bool fileExists(const QString& path) const override {
        fileQueries << path;
        return m_real.fileExists(path);
    }
    bool folderExists(const QString& path) const override { return m_real.folderExists(path); }
    QString canonicalPath(const QString& path) const override { return m_real.canonicalPath(path); }
    bool removeFile(const QString& path) override {
        const bool done = m_real.removeFile(path);
        if (done)
            removed << path;
        return done;
    }

private:
    lexora::platform::LocalFileSystem m_real;
};

// The real engine, unless a test sets an error for one of the opens.
class FakeDatabaseOpener final : public lexora::startup::DatabaseOpener {
public:
    std::optional<engine::EngineError> mainError;
    std::optional<engine::EngineError> secondError;
    int mainOpens = 0;
    int secondOpens = 0;
    QString openedPath;

    void openMain(engine::Connection& connection, const QString& path) override {
        ++mainOpens;
        openedPath = path;
        if (mainError)
            throw *mainError;
        m_real.openMain(connection, path);
    }
    engine::ReadOnlyDatabase openSecond(const QString& path) override {
        ++secondOpens;
        if (secondError)
            throw *secondError;
        return m_real.openSecond(path);
    }

private:
    lexora::startup::EngineDatabaseOpener m_real;
};

class RecordingMainWindow final : public lexora::startup::MainWindowFactory {
public:
    int created = 0;
    void createAndShow(lexora::startup::ProgramContext&) override { ++created; }
};

// The real disk, with the application folder taken as read-only whoever
// runs the test (root writes into a read-only folder).
class ReadOnlyApplicationFolder final : public lexora::startup::DataFiles {
public:
    explicit ReadOnlyApplicationFolder(QString folder) : m_folder(std::move(folder)) {}
    bool folderWritable(const QString& folder) const override {
        return folder != m_folder && m_disk.folderWritable(folder);
    }
    bool fileExists(const QString& path) const override { return m_disk.fileExists(path); }
    bool makeFolder(const QString& folder) override { return m_disk.makeFolder(folder); }
    std::optional<int> dataVersion(const QString& path) const override {
        return m_disk.dataVersion(path);
    }
    QDateTime modified(const QString& path) const override { return m_disk.modified(path); }
    bool replaceFile(const QString& from, const QString& to) override {
        return m_disk.replaceFile(from, to);
    }
    std::optional<int> keptValue(const QString& database) override {
        return m_disk.keptValue(database);
    }
    bool writeKeptValue(const QString& database, int value) override {
        return m_disk.writeKeptValue(database, value);
    }
    std::optional<QString> readText(const QString& path) const override {
        return m_disk.readText(path);
    }
    bool writeText(const QString& path, const QString& text) override {
        return m_disk.writeText(path, text);
    }

private:
    QString m_folder;
    lexora::startup::LocalDataFiles m_disk;
};

} // namespace startuptest
