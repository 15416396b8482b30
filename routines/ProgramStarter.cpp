// Starting programs with QProcess, and the library's current starter.
#include "routines/ProgramStarter.h"

#include <QProcess>
#include <QStringList>

namespace dvRtns4 {

namespace {

ProgramStarter* g_starter = nullptr;

} // namespace

ProgramStarter::~ProgramStarter() = default;

std::optional<qint64> DetachedProgramStarter::start(const QString& commandLine) {
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return std::nullopt;
    const QString program = words.takeFirst();
    qint64 pid = 0;
    if (!QProcess::startDetached(program, words, QString(), &pid))
        return std::nullopt;
    return pid;
}

ProgramStarter& programStarter() {
    static DetachedProgramStarter detached;
    return g_starter ? *g_starter : detached;
}

void setProgramStarter(ProgramStarter* starter) {
    g_starter = starter;
}

} // namespace dvRtns4
