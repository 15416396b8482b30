// Creating frmInitial for start-up.
#include "app/windows/frmInitialFactory.h"

#include "app/startup/ProgramContext.h"
#include "app/windows/ProgramHooks.h"

namespace lexora::windows {

frmInitialFactory::frmInitialFactory(startup::ApplicationSettings* settings,
                                     std::function<void()> endProgram, MainWindowWiring wiring)
    : m_settings(settings), m_endProgram(std::move(endProgram)), m_wiring(std::move(wiring)) {}

frmInitialFactory::~frmInitialFactory() = default;

void frmInitialFactory::createAndShow(startup::ProgramContext& context) {
    m_window = std::make_unique<frmInitial>(context, m_settings);
    m_window->hooks().endProgram = m_endProgram;
    installProgramHooks(*m_window, m_settings);
    if (m_wiring)
        m_wiring(*m_window);
    try {
        m_window->Form_Load();
    } catch (const std::exception& error) {
        m_window->hide();
        m_window->reportFatalError(QString::fromUtf8(error.what()));
    } catch (...) {
        m_window->hide();
        m_window->reportFatalError(QStringLiteral("Άγνωστο σφάλμα."));
    }
}

} // namespace lexora::windows
