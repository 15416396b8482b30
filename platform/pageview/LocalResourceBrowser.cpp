// Local-only resource loading for the page view.
#include "platform/pageview/LocalResourceBrowser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace lexora::pages {

LocalResourceBrowser::LocalResourceBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QString LocalResourceBrowser::localPathFor(const QUrl& name) const {
    if (name.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
        return name.toLocalFile();
    if (!name.scheme().isEmpty() || !name.host().isEmpty())
        return {};
    // Stored pages may separate folders with backslashes.
    const QString path = name.path(QUrl::FullyDecoded).replace(u'\\', u'/');
    if (path.isEmpty())
        return {};
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    if (!m_documentUrl.isLocalFile())
        return {};
    return QDir::cleanPath(QFileInfo(m_documentUrl.toLocalFile()).absoluteDir().filePath(path));
}

QVariant LocalResourceBrowser::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
        return {};
    const QString path = localPathFor(name);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(content);
    return content;
}

} // namespace lexora::pages
