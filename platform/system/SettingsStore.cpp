// The settings store interface's out-of-line destructor.
#include "SettingsStore.h"

namespace lexora::platform {

SettingsStore::~SettingsStore() = default;

} // namespace lexora::platform
