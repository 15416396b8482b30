#include "EngineError.h"

namespace engine {

EngineError::EngineError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

QString EngineError::source() const {
    return QStringLiteral("Lexora database engine");
}

} // namespace engine
