// Opening a document with the program the user chose in the settings: the
// command line is the program's path followed by the document's path.
#pragma once

#include "platform/office/ProcessRunner.h"

#include <QString>

namespace lexora::office {

// A path that names an existing file is the program itself, blanks
// included; a desktop application entry (a ".desktop" file) starts the
// command of its Exec key, the document in place of its file or address
// field code; otherwise the command is split into a program and its own
// arguments as a shell would split it. The document's path is always one
// argument of its own. The program is watched for a moment, so that one that
// cannot start or fails at once can be reported.
// The program and arguments of a desktop entry's Exec key for a document;
// empty when the file has no such key.
QStringList desktopEntryCommand(const QString& entryPath, const QString& documentPath);

LaunchResult startChosenProgram(ProcessRunner& runner, const QString& command,
                                const QString& documentPath);

} // namespace lexora::office
