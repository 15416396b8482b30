#include "platform/office/tests/FakeOffice.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <sys/types.h>

namespace testsupport {

namespace {

// Only shell built-ins and absolute paths: the PATH may hold nothing else.
QByteArray script(const QString& log, const QString& pids, int exitCode) {
    return QStringLiteral("#!/bin/sh\n"
                          "headless=\n"
                          "case \" $* \" in *\" --headless \"*) headless=1;; esac\n"
                          "if [ -z \"$headless\" ] && [ -n \"$FAKE_OFFICE_STAYS\" ]; then\n"
                          "  printf '%s\\n' $$ >> '%2'\n"
                          "fi\n"
                          "for a in \"$@\"; do printf '%s\\n' \"$a\"; done >> '%1'\n"
                          "printf -- '--\\n' >> '%1'\n"
                          "if [ -z \"$headless\" ] && [ -n \"$FAKE_OFFICE_STAYS\" ]; then\n"
                          "  exec /bin/sleep 30\n"
                          "fi\n"
                          "exit %3\n")
        .arg(log, pids)
        .arg(exitCode)
        .toUtf8();
}

} // namespace

FakeOffice::FakeOffice(const QStringList& names, int headlessExitCode)
    : m_oldPath(qgetenv("PATH")) {
    for (const QString& name : names) {
        const QString path = m_dir.filePath(QStringLiteral("bin/") + name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(script(m_dir.filePath(QStringLiteral("calls.log")),
                          m_dir.filePath(QStringLiteral("pids.log")), headlessExitCode));
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Only the fake's folder: a real suite on this machine stays out of reach.
    qputenv("PATH", m_dir.filePath(QStringLiteral("bin")).toUtf8());
    qputenv("FAKE_OFFICE_STAYS", "1");
}

FakeOffice::~FakeOffice() {
    qputenv("PATH", m_oldPath);
    qunsetenv("FAKE_OFFICE_STAYS");
    for (qint64 pid : windowPids()) {
        if (processAlive(pid))
            ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
}

void FakeOffice::writeProgram(const QString& path, int exitCode) const {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(script(m_dir.filePath(QStringLiteral("calls.log")),
                      m_dir.filePath(QStringLiteral("pids.log")), exitCode)
                   .replace("$FAKE_OFFICE_STAYS", ""));
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QList<QStringList> FakeOffice::calls() const {
    QFile file(m_dir.filePath(QStringLiteral("calls.log")));
    QList<QStringList> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QStringList current;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line == "--") {
            result.append(current);
            current.clear();
        } else if (!line.isEmpty()) {
            current.append(QString::fromUtf8(line));
        }
    }
    return result;
}

bool FakeOffice::waitForCalls(int n) const {
    QElapsedTimer timer;
    timer.start();
    while (calls().size() < n) {
        if (timer.elapsed() > 5000)
            return false;
        QThread::msleep(20);
    }
    return true;
}

QList<qint64> FakeOffice::windowPids() const {
    QFile file(m_dir.filePath(QStringLiteral("pids.log")));
    QList<qint64> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            result.append(line.toLongLong());
    }
    return result;
}

bool FakeOffice::processAlive(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0;
}

} // namespace testsupport
