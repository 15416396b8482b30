// The operating system's name on this desktop.
#include "platform/system/OsVersion.h"

#include <QFile>
#include <QSysInfo>

namespace lexora::platform {

OsVersionSource::~OsVersionSource() = default;

SystemOsVersionSource::SystemOsVersionSource(QStringList osReleaseFiles)
    : m_osReleaseFiles(std::move(osReleaseFiles)) {}

OsVersion SystemOsVersionSource::osVersion() const {
    OsVersion version;
    for (const QString& path : m_osReleaseFiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        const QString name = prettyNameOf(QString::fromUtf8(file.readAll()));
        if (!name.isEmpty()) {
            version.known = true;
            version.systemName = name;
            return version;
        }
    }
    const QString kernel =
        (QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion()).trimmed();
    if (!kernel.isEmpty()) {
        version.known = true;
        version.systemName = kernel;
    }
    return version;
}

QString prettyNameOf(const QString& osReleaseText) {
    const QStringList lines = osReleaseText.split(QLatin1Char('\n'));
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (!line.startsWith(QLatin1String("PRETTY_NAME=")))
            continue;
        QString value = line.mid(int(sizeof("PRETTY_NAME=")) - 1);
        if (value.size() >= 2 &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front()) {
            const QChar quote = value.front();
            value = value.mid(1, value.size() - 2);
            if (quote == QLatin1Char('"')) {
                // Shell-style escapes inside double quotes.
                QString unescaped;
                for (qsizetype i = 0; i < value.size(); ++i) {
                    if (value.at(i) == QLatin1Char('\\') && i + 1 < value.size())
                        ++i;
                    unescaped += value.at(i);
                }
                value = unescaped;
            }
        }
        return value.trimmed();
    }
    return {};
}

} // namespace lexora::platform
