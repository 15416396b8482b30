// The dialogs' built-in files (artwork, icons, the two legal texts) live in
// a resource of this static library; the windows make sure it is registered
// before they read from it.
#pragma once

namespace lexora::dialogs {

void ensureDialogResources();

} // namespace lexora::dialogs
