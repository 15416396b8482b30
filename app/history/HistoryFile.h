// The history file, "history.txt" in the application folder: one act id per
// line in decimal, each line ended by CR LF, in list order. Only ids are
// stored; titles are read again from the database.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace lexora::history {

QString historyFilePath(const QString& applicationFolder);

// The ids of the file, in order, up to the first line that is not an id
// (an empty line, a line with anything but digits, an id that does not fit
// in 32 bits). A last line without CR LF counts. A missing or unreadable
// file gives no ids.
std::vector<std::int32_t> readHistoryFile(const QString& path);

// Writes the file whole: into a temporary file beside it, which then
// replaces the old one, so that a failed write leaves the old file as it
// was. False when the file could not be written.
bool writeHistoryFile(const QString& path, const std::vector<std::int32_t>& ids);

} // namespace lexora::history
