// The settings store interface's out-of-line destructor.
#include "routines/SettingsStore.h"

namespace dvRtns4 {

SettingsStore::~SettingsStore() = default;

} // namespace dvRtns4
