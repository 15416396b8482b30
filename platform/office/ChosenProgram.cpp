// The chosen program's command line. Joining the path and the document with a
// blank and splitting at blanks again would break a program path such as
// "/opt/My Office/bin/writer" into pieces, so the whole path is tried first.
#include "platform/office/ChosenProgram.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace lexora::office {

QStringList desktopEntryCommand(const QString& entryPath, const QString& documentPath) {
    QFile file(entryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString exec;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        } else if (inMainGroup && line.startsWith(QLatin1String("Exec"))) {
            const QString key = line.section(u'=', 0, 0).trimmed();
            if (key == QLatin1String("Exec")) {
                exec = line.section(u'=', 1).trimmed();
                break;
            }
        }
    }
    QStringList command;
    bool placed = false;
    for (const QString& word : QProcess::splitCommand(exec)) {
        // Field codes: one file or address, or a list of them, is the
        // document; the others (icon, name, entry location) are dropped.
        if (word == QLatin1String("%f") || word == QLatin1String("%F") ||
            word == QLatin1String("%u") || word == QLatin1String("%U")) {
            command << documentPath;
            placed = true;
        } else if (word.size() == 2 && word.startsWith(u'%') && word != QLatin1String("%%")) {
            continue;
        } else {
            command << QString(word).replace(QLatin1String("%%"), QLatin1String("%"));
        }
    }
    if (!command.isEmpty() && !placed)
        command << documentPath;
    return command;
}

LaunchResult startChosenProgram(ProcessRunner& runner, const QString& command,
                                const QString& documentPath) {
    const QString trimmed = command.trimmed();
    if (trimmed.isEmpty())
        return LaunchResult::NotStarted;
    if (trimmed.endsWith(QLatin1String(".desktop")) && QFileInfo(trimmed).isFile()) {
        QStringList entry = desktopEntryCommand(trimmed, documentPath);
        if (entry.isEmpty())
            return LaunchResult::NotStarted;
        const QString program = entry.takeFirst();
        return runner.launch(program, entry, kEarlyFailureWatchMs);
    }
    if (QFileInfo(trimmed).isFile())
        return runner.launch(trimmed, {documentPath}, kEarlyFailureWatchMs);
    QStringList parts = QProcess::splitCommand(trimmed);
    if (parts.isEmpty())
        return LaunchResult::NotStarted;
    const QString program = parts.takeFirst();
    return runner.launch(program, parts << documentPath, kEarlyFailureWatchMs);
}

} // namespace lexora::office
