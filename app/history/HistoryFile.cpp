// Reading and writing the history file. A line is taken as an id only when
// it is made of digits: what stood on a line used to go into a statement as
// it was, so a damaged file could not be told from an id.
#include "HistoryFile.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <limits>
#include <optional>

namespace lexora::history {

namespace {

std::optional<std::int32_t> idOfLine(const QByteArray& line) {
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

std::vector<std::int32_t> readHistoryFile(const QString& path) {
    std::vector<std::int32_t> ids;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ids;
    const QByteArray content = file.readAll();
    if (content.isEmpty())
        return ids;
    QByteArrayList lines = content.split('\n');
    if (content.endsWith('\n'))
        lines.removeLast(); // the line ended by the last CR LF is the last line
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const std::optional<std::int32_t> id = idOfLine(line);
        if (!id)
            break;
        ids.push_back(*id);
    }
    return ids;
}

bool writeHistoryFile(const QString& path, const std::vector<std::int32_t>& ids) {
    QByteArray content;
    for (const std::int32_t id : ids)
        content += QByteArray::number(id) + "\r\n";
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
