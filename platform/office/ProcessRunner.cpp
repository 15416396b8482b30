// The QProcess runner. Programs get no input: their standard input is closed
// at once, so that nothing waits for the keyboard of a program with no window.
#include "ProcessRunner.h"

#include <QProcess>

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

} // namespace

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

} // namespace lexora::office
