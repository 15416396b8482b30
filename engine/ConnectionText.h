// The connection text of the program's database: building it for a path and
// reading the file path back out of it ("Data source=").
#pragma once

#include "engine/EngineExport.h"

#include <QString>

namespace engine {

// The value of "Data source=" (key matched without regard to letter case or
// blanks around it), trimmed; empty when the text names no source.
LEXORA_ENGINE_EXPORT QString dataSourceOf(const QString& connectionText);

} // namespace engine
