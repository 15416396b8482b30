// The main window as start-up creates it: frmInitial with the program's
// hooks (ProgramHooks.h, then the caller's wiring), its load step run, the
// window shown. An error the load step does
// not skip is reported in Greek and ends the program.
#pragma once

#include "app/startup/StartupServices.h"
#include "app/windows/frmInitial.h"

#include <functional>
#include <memory>

namespace lexora::startup {
class ApplicationSettings;
}

namespace lexora::windows {

// Fills the hooks that the program's other parts provide.
using MainWindowWiring = std::function<void(frmInitial&)>;

class frmInitialFactory final : public startup::MainWindowFactory {
public:
    // `endProgram` ends the run; `wiring` runs on the new window before its
    // load step.
    frmInitialFactory(startup::ApplicationSettings* settings, std::function<void()> endProgram,
                      MainWindowWiring wiring = {});
    ~frmInitialFactory() override;

    void createAndShow(startup::ProgramContext& context) override;
    frmInitial* window() const { return m_window.get(); }

private:
    startup::ApplicationSettings* m_settings;
    std::function<void()> m_endProgram;
    MainWindowWiring m_wiring;
    std::unique_ptr<frmInitial> m_window;
};

} // namespace lexora::windows
