// The settings files under the XDG configuration folders.
#include "routines/SettingsLocations.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace dvRtns4 {

namespace {

QString userConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace

QString userSoftwareSettingsFile() {
    return userConfigFolder() + QStringLiteral("/DRAVIK/Software.ini");
}

QString machineSoftwareSettingsFile() {
    const QString relative = QStringLiteral("/DRAVIK/SOFTWARE.ini");
    // The system folders follow the user's own one in XDG_CONFIG_DIRS order;
    // the first that holds the file wins, /etc/xdg when none does.
    const QString user = userConfigFolder();
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        if (folder != user && QFileInfo::exists(folder + relative))
            return folder + relative;
    }
    return QStringLiteral("/etc/xdg") + relative;
}

QString userControlPanelSettingsFile() {
    return userConfigFolder() + QStringLiteral("/DRAVIK/ControlPanel.ini");
}

} // namespace dvRtns4
