// The topics whose abstracts cite an act, added to the list
// cmbLexoraAbstracts beside the act page. When the id is also a type id with
// acts, the acts the legislation tree shows under that type count as well.
#pragma once

#include "engine/Connection.h"

#include <cstdint>
#include <vector>

class QComboBox;

namespace lexora::shell {
struct Panes;
}

namespace lexora::pages::detail {

// The id followed by the acts that the legislation tree shows under the type
// of that id, if any.
std::vector<std::int32_t> ExtendActIdList(engine::Connection& connection, std::int32_t id);

// Appends the citing topics to cmbLexoraAbstracts. Topics that cite the act
// rows themselves are appended as they come; outside the history, topics
// citing any row with the same act code follow, each text at most once in
// the list. Throws engine::EngineError.
void addRelatedTopics(shell::Panes& form, engine::Connection& connection, std::int32_t id,
                      bool fromHistory);

} // namespace lexora::pages::detail
