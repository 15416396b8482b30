#include "engine/EngineError.h"

namespace engine {

EngineError::EngineError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

} // namespace engine
