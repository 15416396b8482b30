// Opening a document with the program the user chose in the settings: the
// command line is the program's path followed by the document's path.
#pragma once

#include "ProcessRunner.h"

#include <QString>

namespace lexora::office {

// A path that names an existing file is the program itself, blanks
// included; otherwise the command is split into a program and its own
// arguments as a shell would split it. The document's path is always one
// argument of its own. False when nothing could be started.
bool startChosenProgram(ProcessRunner& runner, const QString& command, const QString& documentPath);

} // namespace lexora::office
