// The places of a run and the working copy of the database.
#include "app/startup/DataPlaces.h"

#include "app/startup/StartupServices.h"
#include "app/store/Statements.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QtEndian>

namespace lexora::startup {

namespace {

// Beside the working copy: "<data version> <modification time>" of the
// installed database it was copied from.
const QString kSourceFileName = QStringLiteral("edudata.source");

struct Source {
    int version = 0;
    QDateTime modified;
};

QString sourceText(const Source& source) {
    return QString::number(source.version) + u' ' +
           source.modified.toUTC().toString(Qt::ISODateWithMs) + u'\n';
}

std::optional<Source> readSource(const std::optional<QString>& text) {
    if (!text)
        return std::nullopt;
    const QStringList parts = text->trimmed().split(u' ');
    if (parts.size() != 2)
        return std::nullopt;
    bool number = false;
    Source source{parts[0].toInt(&number), QDateTime::fromString(parts[1], Qt::ISODateWithMs)};
    if (!number || !source.modified.isValid())
        return std::nullopt;
    return source;
}

QString inFolder(const QString& folder, const QString& name) {
    return folder + u'/' + name;
}

} // namespace

DataFiles::~DataFiles() = default;

QString UserDataFolder(const QString& xdgDataHome, const QString& home) {
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
        return QDir::cleanPath(xdgDataHome + QStringLiteral("/lexora"));
    return QDir::cleanPath(home + QStringLiteral("/.local/share/lexora"));
}

DataPlaces ChooseDataPlaces(DataFiles& files, const QString& applicationFolder,
                            const QString& userDataFolder) {
    const QString installed = inFolder(applicationFolder, kDatabaseFileName);
    const DataPlaces asBefore{applicationFolder, installed, false};
    if (files.folderWritable(applicationFolder) || !files.fileExists(installed))
        return asBefore; // a missing database is reported by start-up as before
    if (userDataFolder.isEmpty() || !files.makeFolder(userDataFolder) ||
        !files.folderWritable(userDataFolder))
        return asBefore;

    const DataPlaces inUserFolder{userDataFolder, inFolder(userDataFolder, kDatabaseFileName),
                                  true};
    const QString copy = inUserFolder.databasePath;
    const QString sourcePath = inFolder(userDataFolder, kSourceFileName);
    const Source installedSource{files.dataVersion(installed).value_or(0),
                                 files.modified(installed)};

    const bool copyExists = files.fileExists(copy);
    bool replace = !copyExists;
    if (copyExists) {
        if (const std::optional<Source> madeFrom = readSource(files.readText(sourcePath))) {
            replace = installedSource.version > madeFrom->version ||
                      (installedSource.version == madeFrom->version &&
                       installedSource.modified > madeFrom->modified);
        } else {
            // A copy of unknown origin is replaced only by a newer version.
            const std::optional<int> copyVersion = files.dataVersion(copy);
            replace = !copyVersion || installedSource.version > *copyVersion;
        }
    }
    if (!replace)
        return inUserFolder;

    const std::optional<int> kept = copyExists ? files.keptValue(copy) : std::nullopt;
    if (!files.replaceFile(installed, copy)) {
        // The old copy serves this run; without one the installed database
        // is read where it lies.
        if (copyExists)
            return inUserFolder;
        return {userDataFolder, installed, false};
    }
    if (kept)
        files.writeKeptValue(copy, *kept);
    files.writeText(sourcePath, sourceText(installedSource));
    return inUserFolder;
}

bool LocalDataFiles::folderWritable(const QString& folder) const {
    QTemporaryFile probe(inFolder(folder, QStringLiteral(".lexora-probe-XXXXXX")));
    return probe.open();
}

bool LocalDataFiles::fileExists(const QString& path) const {
    return QFileInfo(path).isFile();
}

bool LocalDataFiles::makeFolder(const QString& folder) {
    return QDir().mkpath(folder);
}

std::optional<int> LocalDataFiles::dataVersion(const QString& path) const {
    // The header of an SQLite database: its magic text, and the user version
    // as a big-endian number at offset 60.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return std::nullopt;
    return static_cast<int>(qFromBigEndian<qint32>(header.constData() + 60));
}

QDateTime LocalDataFiles::modified(const QString& path) const {
    return QFileInfo(path).lastModified().toUTC();
}

bool LocalDataFiles::replaceFile(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            return false;
        }
    }
    // The copy is the user's own, writable whatever the installed file's mode.
    target.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return target.commit();
}

std::optional<int> LocalDataFiles::keptValue(const QString& database) {
    try {
        engine::Connection connection;
        EngineDatabaseOpener().openMain(connection, database);
        engine::Recordset rs = connection.execute(store::sysInfoDisplayAtStart());
        std::optional<int> value;
        if (!rs.eof() && !rs.field(0).isNull())
            value = rs.field(0).value().toInt();
        rs.close();
        return value;
    } catch (const engine::EngineError&) {
        return std::nullopt;
    }
}

bool LocalDataFiles::writeKeptValue(const QString& database, int value) {
    try {
        engine::Connection connection;
        EngineDatabaseOpener().openMain(connection, database);
        connection.execute(store::updateSysInfoFromInfoWindow(static_cast<std::int16_t>(value)));
        return true;
    } catch (const engine::EngineError&) {
        return false;
    }
}

std::optional<QString> LocalDataFiles::readText(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.read(4096));
}

bool LocalDataFiles::writeText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace lexora::startup
