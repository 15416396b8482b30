// Reading and writing the history file. A line is taken as an id only when
// it is made of digits: what stood on a line used to go into a statement as
// it was, so a damaged file could not be told from an id.
#include "app/history/HistoryFile.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>
#include <optional>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexora::history {

namespace {

std::optional<std::int32_t> idOfLine(QByteArrayView line) {
    if (line.isEmpty() || line.size() > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : line) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

QString historyFilePath(const QString& applicationFolder) {
    return QDir(applicationFolder).filePath(QStringLiteral("history.txt"));
}

HistoryRead readHistory(const QString& path) {
    HistoryRead result;
    // Opened without following a link and without waiting on a pipe; only a
    // regular file is read.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            result.status = HistoryRead::Status::Missing;
        else if (errno == ELOOP)
            result.status = HistoryRead::Status::NotRegular;
        else
            result.status = QFileInfo(path).isFile() && !QFileInfo(path).isSymLink()
                                ? HistoryRead::Status::Unreadable
                                : HistoryRead::Status::NotRegular;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.status = HistoryRead::Status::NotRegular;
        return result;
    }
    // One byte beyond the limit tells whether anything was left out.
    QByteArray content(kMaxHistoryFileSize + 1, Qt::Uninitialized);
    qsizetype length = 0;
    bool failed = false;
    while (length < content.size()) {
        const ssize_t got =
            ::read(fd, content.data() + length, static_cast<size_t>(content.size() - length));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            failed = true;
        if (got <= 0)
            break;
        length += got;
    }
    ::close(fd);
    if (failed) {
        result.status = HistoryRead::Status::Unreadable;
        return result;
    }
    result.status = HistoryRead::Status::Read;
    bool truncated = length > kMaxHistoryFileSize;
    if (truncated) {
        // The last line the limit cuts through is not read either.
        length = kMaxHistoryFileSize;
        while (length > 0 && content[length - 1] != '\n')
            --length;
    }
    content.truncate(length);

    qsizetype begin = 0;
    while (begin < content.size()) {
        if (result.ids.size() == kMaxHistoryEntries) {
            truncated = true;
            break;
        }
        qsizetype end = content.indexOf('\n', begin);
        if (end < 0)
            end = content.size();
        qsizetype lineEnd = end;
        if (lineEnd > begin && content[lineEnd - 1] == '\r')
            --lineEnd;
        const std::optional<std::int32_t> id =
            idOfLine(QByteArrayView(content.constData() + begin, lineEnd - begin));
        if (!id) {
            truncated = false; // the file's own end of the list, as always
            break;
        }
        result.ids.push_back(*id);
        begin = end + 1;
    }
    result.leftOut = truncated;
    return result;
}

std::vector<std::int32_t> readHistoryFile(const QString& path) {
    return readHistory(path).ids;
}

bool writeHistoryFile(const QString& path, const std::vector<std::int32_t>& ids) {
    QByteArray content;
    for (const std::int32_t id : ids)
        content += QByteArray::number(id) + "\r\n";
    // The temporary file is renamed onto the path, which replaces whatever
    // stands there without following it; but a link, a folder or a device at
    // the path is the user's, and is left alone.
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A short write (a full disk, a size limit) is not always reported by
    // write() itself: the size of what reached the disk is checked before the
    // new file takes the place of the old one.
    const bool written = file.write(content) == content.size() && file.flush() &&
                         file.error() == QFileDevice::NoError && file.size() == content.size();
    if (!written) {
        file.cancelWriting();
        file.commit(); // removes the temporary file; the old file stays
        return false;
    }
    return file.commit();
}

} // namespace lexora::history
