// A fake office suite for tests: a shell script named soffice (or another
// name) in a temporary folder put first on the PATH. Each run appends its
// arguments, one a line, and a line "--" to a log; a headless run ends with
// the exit code the test chose, any other run stays until it is ended, as a
// window would. The PATH is restored when the fake goes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

class FakeOffice {
public:
    // names: the programs to place ("soffice", "libreoffice"); none: the PATH
    // then holds no office suite at all.
    explicit FakeOffice(const QStringList& names = {QStringLiteral("soffice")},
                        int headlessExitCode = 0);
    ~FakeOffice();
    FakeOffice(const FakeOffice&) = delete;
    FakeOffice& operator=(const FakeOffice&) = delete;

    QString folder() const { return m_dir.path(); }
    // Writes a recording program at path (folders made as needed).
    void writeProgram(const QString& path, int exitCode = 0) const;
    // The argument lists of the runs so far, oldest first.
    QList<QStringList> calls() const;
    // Waits (up to five seconds) until there are at least n runs.
    bool waitForCalls(int n) const;
    // The process ids of the runs that stayed, oldest first.
    QList<qint64> windowPids() const;
    static bool processAlive(qint64 pid);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

} // namespace testsupport
