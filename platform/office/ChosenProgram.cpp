// The chosen program's command line. Joining the path and the document with a
// blank and splitting at blanks again would break a program path such as
// "/opt/My Office/bin/writer" into pieces, so the whole path is tried first.
#include "ChosenProgram.h"

#include <QFileInfo>
#include <QProcess>

namespace lexora::office {

bool startChosenProgram(ProcessRunner& runner, const QString& command,
                        const QString& documentPath) {
    const QString trimmed = command.trimmed();
    if (trimmed.isEmpty())
        return false;
    if (QFileInfo(trimmed).isFile())
        return runner.startDetached(trimmed, {documentPath});
    QStringList parts = QProcess::splitCommand(trimmed);
    if (parts.isEmpty())
        return false;
    const QString program = parts.takeFirst();
    return runner.startDetached(program, parts << documentPath);
}

} // namespace lexora::office
