// Naming the operating system from its version data.
#include "app/startup/OsVersionName.h"

namespace lexora::startup {

QString GetOSVersionName(const platform::OsVersion& version) {
    if (!version.known)
        return kOsVersionUnknown;
    if (version.isOtherPlatform())
        return version.systemName;
    switch (version.platformId) {
    case 0:
        return QStringLiteral("Win32s on Windows 3.1");
    case 1:
        if (version.minor == 0)
            return QStringLiteral("Windows 95");
        if (version.minor == 90)
            return QStringLiteral("Windows Me");
        return QStringLiteral("Windows 98");
    case 2:
        if (version.major == 3)
            return QStringLiteral("Windows NT 3.5");
        if (version.major == 4)
            return QStringLiteral("Windows NT 4.0");
        if (version.major == 5 && version.minor == 0)
            return QStringLiteral("Windows 2000");
        if (version.major == 5 && version.minor == 1)
            return QStringLiteral("Windows XP");
        if (version.major == 5 && version.minor == 2)
            return QStringLiteral("Windows Server 2003");
        if (version.major == 6 && version.minor == 0)
            return QStringLiteral("Windows Vista/Server 2008");
        if (version.major == 6 && version.minor == 1)
            return QStringLiteral("Windows 7/Server 2008 R2");
        if (version.major == 6 && version.minor == 2)
            return QStringLiteral("Windows 8");
        return QStringLiteral("Windows NT");
    default:
        return {};
    }
}

} // namespace lexora::startup
