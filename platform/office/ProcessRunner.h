// Starting other programs: one that the program keeps and ends later (an
// office program showing a document), one that runs to its end (a headless
// print job), and one that is handed over to the user for good (the program
// chosen in the settings). The program uses QProcess; tests may replace it.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace lexora::office {

// A program started and kept: ending it closes whatever it shows.
class RunningProcess {
public:
    virtual ~RunningProcess();
    virtual bool isRunning() const = 0;
    // Asks the program to end, then stops it if it does not; nothing when it
    // has already ended.
    virtual void end() = 0;
    // Waits up to ms for the program to end; true when it ended with an error
    // (a non-zero exit code or a crash) by then.
    virtual bool failsWithin(int ms) = 0;
};

// How long a program just started is watched for an early failure.
inline constexpr int kEarlyFailureWatchMs = 800;

// How a program handed over to the user fared in its first moments.
enum class LaunchResult {
    NotStarted,   // it could not be started at all
    FailedAtOnce, // it ended with an error (a non-zero exit code or a crash) at once
    Started,      // it runs, or ended well (a launcher that passed the document on)
};

// The result of a program run to its end.
struct RunResult {
    bool started = false;  // false: it could not be started
    bool finished = false; // false: it did not end in time and was stopped
    int exitCode = -1;
    bool ok() const { return started && finished && exitCode == 0; }
};

class ProcessRunner {
public:
    virtual ~ProcessRunner();
    // Starts program with the arguments (no shell, no splitting); nullptr
    // when it cannot be started.
    virtual std::unique_ptr<RunningProcess> start(const QString& program,
                                                  const QStringList& arguments) = 0;
    // Runs program and waits for its end, at most timeoutMs.
    virtual RunResult run(const QString& program, const QStringList& arguments, int timeoutMs) = 0;
    // Starts program on its own; the program outlives this one.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    // Starts program on its own, as startDetached, and watches it for watchMs
    // so that a program that fails at once can be reported. This default
    // only tells whether it started.
    virtual LaunchResult launch(const QString& program, const QStringList& arguments, int watchMs);
};

// The runner over QProcess.
class QProcessRunner final : public ProcessRunner {
public:
    std::unique_ptr<RunningProcess> start(const QString& program,
                                          const QStringList& arguments) override;
    RunResult run(const QString& program, const QStringList& arguments, int timeoutMs) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
    // A child of its own session, reaped when it ends early and otherwise
    // by a later launch.
    LaunchResult launch(const QString& program, const QStringList& arguments, int watchMs) override;
};

} // namespace lexora::office
