// Temporary folder and files.
#include "routines/clsFile.h"

#include "routines/FileSystemObject.h"

#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace dvRtns4 {

QString clsFile::FindTempFName(const QString& Prefix) {
    // The prefix becomes part of a name: a separator in it must not lead elsewhere.
    QString head = Prefix.left(3);
    for (QChar& c : head) {
        if (c == u'/' || c == QChar(0))
            c = u'_';
    }
    QByteArray pattern = QFile::encodeName(FindTempPath() + head + QStringLiteral("~XXXXXX"));
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return {};
    ::close(fd);
    return QFile::decodeName(pattern);
}

QString clsFile::FindTempPath() {
    QString folder = FileSystemObject::GetTempFolder();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace dvRtns4
