// Making and checking the private temporary folder with the system calls
// that do not follow links (lstat), so that the check and the use agree.
#include "app/windows/PrivateTempFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexora::windows {

namespace {

QString userName() {
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_name != nullptr)
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(::getuid());
}

[[noreturn]] void fail(const QString& path, const char* why) {
    throw TempFolderError(
        QStringLiteral("Ο φάκελος προσωρινών αρχείων %1 δεν μπορεί να χρησιμοποιηθεί: %2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(why))
            .toStdString());
}

} // namespace

QString privateTempFolder(const QString& base) {
    QString path = QDir::cleanPath(base) + QStringLiteral("/lexora-") + userName();
    const QByteArray native = QFile::encodeName(path);

    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        fail(path, std::strerror(errno));

    struct stat info {};
    if (::lstat(native.constData(), &info) != 0)
        fail(path, std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        fail(path, "είναι σύνδεσμος");
    if (!S_ISDIR(info.st_mode))
        fail(path, "δεν είναι φάκελος");
    if (info.st_uid != ::getuid())
        fail(path, "ανήκει σε άλλο χρήστη");
    if ((info.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        fail(path, std::strerror(errno));

    return path + QLatin1Char('/');
}

QString privateTempFolder() {
    return privateTempFolder(QDir::tempPath());
}

} // namespace lexora::windows
