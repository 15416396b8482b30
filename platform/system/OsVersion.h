// What the operating system says about itself: the version data of the
// platform the program was first written for (platform id, major and minor
// version), or, on any other platform, the system's own name.
#pragma once

#include <QString>
#include <QStringList>

namespace lexora::platform {

struct OsVersion {
    bool known = false; // false: the system could not be asked
    int platformId = 0; // Windows version data: 0 Win32s, 1 Windows 9x, 2 NT
    int major = 0;
    int minor = 0;
    QString systemName; // not empty: another platform, named so ("Debian GNU/Linux 12")

    bool isOtherPlatform() const { return known && !systemName.isEmpty(); }
};

class OsVersionSource {
public:
    virtual ~OsVersionSource();
    virtual OsVersion osVersion() const = 0;
};

// This desktop: the distribution's PRETTY_NAME from os-release, else the
// kernel's name and release.
class SystemOsVersionSource final : public OsVersionSource {
public:
    // The os-release files to try, in order.
    explicit SystemOsVersionSource(QStringList osReleaseFiles = {
                                       QStringLiteral("/etc/os-release"),
                                       QStringLiteral("/usr/lib/os-release")});
    OsVersion osVersion() const override;

private:
    QStringList m_osReleaseFiles;
};

// The PRETTY_NAME of an os-release text (quotes and escapes removed), or an
// empty text.
QString prettyNameOf(const QString& osReleaseText);

} // namespace lexora::platform
