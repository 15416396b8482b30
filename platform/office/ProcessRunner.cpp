// The QProcess runner. Programs get no input: their standard input is closed
// at once, so that nothing waits for the keyboard of a program with no window.
#include "platform/office/ProcessRunner.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace lexora::office {

RunningProcess::~RunningProcess() = default;
ProcessRunner::~ProcessRunner() = default;

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kEndTimeoutMs = 3000;

class QRunningProcess final : public RunningProcess {
public:
    explicit QRunningProcess(std::unique_ptr<QProcess> process) : m_process(std::move(process)) {}
    ~QRunningProcess() override { end(); }

    bool isRunning() const override { return m_process->state() != QProcess::NotRunning; }

    bool failsWithin(int ms) override {
        if (isRunning() && !m_process->waitForFinished(ms))
            return false;
        return m_process->exitStatus() != QProcess::NormalExit || m_process->exitCode() != 0;
    }

    void end() override {
        if (!isRunning())
            return;
        m_process->terminate();
        if (!m_process->waitForFinished(kEndTimeoutMs)) {
            m_process->kill();
            m_process->waitForFinished(kEndTimeoutMs);
        }
    }

private:
    std::unique_ptr<QProcess> m_process;
};

// Launched programs still running when their watch ended; reaped when they
// are found ended, so that they do not linger as zombies.
std::vector<pid_t>& launchedPids() {
    static std::vector<pid_t> pids;
    return pids;
}

void reapEnded() {
    std::erase_if(launchedPids(), [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

} // namespace

LaunchResult ProcessRunner::launch(const QString& program, const QStringList& arguments, int) {
    return startDetached(program, arguments) ? LaunchResult::Started : LaunchResult::NotStarted;
}

std::unique_ptr<RunningProcess> QProcessRunner::start(const QString& program,
                                                      const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, arguments);
    if (!process->waitForStarted(kStartTimeoutMs))
        return nullptr;
    process->closeWriteChannel();
    return std::make_unique<QRunningProcess>(std::move(process));
}

RunResult QProcessRunner::run(const QString& program, const QStringList& arguments, int timeoutMs) {
    RunResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(kStartTimeoutMs))
        return result;
    result.started = true;
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(kEndTimeoutMs);
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    return result;
}

bool QProcessRunner::startDetached(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

// QProcess can either keep a program (and end it with itself) or detach it
// (and never learn its exit code); a program handed over to the user must
// outlive this one and still have its early failure noticed, so it is forked
// here. Between fork and exec the child calls only async-signal-safe
// functions; the argument vector is ready before the fork.
LaunchResult QProcessRunner::launch(const QString& program, const QStringList& arguments,
                                    int watchMs) {
    reapEnded();
    const QString path = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !QFileInfo(path).isExecutable())
        return LaunchResult::NotStarted;
    std::vector<QByteArray> texts{QFile::encodeName(path)};
    for (const QString& argument : arguments)
        texts.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return LaunchResult::NotStarted;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return LaunchResult::NotStarted;
    }
    if (pid == 0) {
        ::setsid();
        const int input = ::open("/dev/null", O_RDONLY);
        if (input >= 0)
            ::dup2(input, STDIN_FILENO);
        ::execv(argv[0], argv.data());
        const int error = errno;
        [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    // The pipe closes unread when exec succeeds, and carries errno otherwise.
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got > 0) {
        ::waitpid(pid, nullptr, 0);
        return LaunchResult::NotStarted;
    }

    QElapsedTimer watch;
    watch.start();
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? LaunchResult::Started
                                                                 : LaunchResult::FailedAtOnce;
        if (ended < 0 || watch.elapsed() >= watchMs)
            break;
        QThread::msleep(20);
    }
    launchedPids().push_back(pid);
    return LaunchResult::Started;
}

} // namespace lexora::office
