// Where the program's settings stores live on this desktop: the per-user
// stores in the user's configuration folder (XDG_CONFIG_HOME, usually
// ~/.config), the machine-wide one in the system configuration folder
// (/etc/xdg), all under "DRAVIK".
#pragma once

#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

// The user's "Software" key: ~/.config/DRAVIK/Software.ini
DVRTNS4_EXPORT QString userSoftwareSettingsFile();
// The machine's "SOFTWARE" key: /etc/xdg/DRAVIK/SOFTWARE.ini
DVRTNS4_EXPORT QString machineSoftwareSettingsFile();
// The user's "Control Panel" key (regional settings): ~/.config/DRAVIK/ControlPanel.ini
DVRTNS4_EXPORT QString userControlPanelSettingsFile();

} // namespace dvRtns4
