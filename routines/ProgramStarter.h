// Starting another program from a command line, as the routines ask for it.
// The library starts real processes; tests record the requests instead.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

#include <optional>

namespace dvRtns4 {

class DVRTNS4_EXPORT ProgramStarter {
public:
    virtual ~ProgramStarter();
    // Starts the program of `commandLine` (program, then its arguments, split
    // at blanks outside double quotes) without waiting for it. Its process id,
    // or nothing when it could not be started.
    virtual std::optional<qint64> start(const QString& commandLine) = 0;
};

// The starter that runs real, detached processes (QProcess).
class DVRTNS4_EXPORT DetachedProgramStarter final : public ProgramStarter {
public:
    std::optional<qint64> start(const QString& commandLine) override;
};

// The starter the routines use. Until one is set, a DetachedProgramStarter.
DVRTNS4_EXPORT ProgramStarter& programStarter();
// Sets the starter (not owned; nullptr restores the default).
DVRTNS4_EXPORT void setProgramStarter(ProgramStarter* starter);

} // namespace dvRtns4
