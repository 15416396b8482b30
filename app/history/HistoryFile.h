// The history file, "history.txt" in the application folder: one act id per
// line in decimal, each line ended by CR LF, in list order. Only ids are
// stored; titles are read again from the database.
#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lexora::history {

QString historyFilePath(const QString& applicationFolder);

// What is read of a file at most. A real history holds tens of acts; a file
// beyond these limits is read up to them (a device or a pipe in its place
// is not read at all).
inline constexpr qint64 kMaxHistoryFileSize = 1024 * 1024;
inline constexpr std::size_t kMaxHistoryEntries = 10000;

struct HistoryRead {
    enum class Status {
        Missing,    // no file: an empty history
        Read,       // a regular file, read (perhaps up to the limits)
        NotRegular, // a folder, a symbolic link, a device or a pipe: not read
        Unreadable, // a regular file that could not be read
    };
    Status status = Status::Missing;
    std::vector<std::int32_t> ids;
    bool leftOut = false; // the file holds more than the limits let in
};

// The ids of the file, in order, up to the first line that is not an id
// (an empty line, a line with anything but digits, an id that does not fit
// in 32 bits) or up to the limits above. A last line without CR LF counts.
// Only a regular file is read, never through a symbolic link, in time
// linear in what is read.
HistoryRead readHistory(const QString& path);

// The ids of readHistory; none for a file that was not read.
std::vector<std::int32_t> readHistoryFile(const QString& path);

// Writes the file whole: into a temporary file beside it, which then
// replaces the old one, so that a failed write leaves the old file as it
// was. Only a regular file is replaced: where a symbolic link, a folder or
// anything else stands at the path, nothing is written. False when the file
// was not written.
bool writeHistoryFile(const QString& path, const std::vector<std::int32_t>& ids);

} // namespace lexora::history
