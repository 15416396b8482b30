// The text browser that draws a page viewer's document. It never follows a
// link by itself and loads only local files: images and style sheets named
// by an absolute path, a file: address, or a path relative to the folder of
// the page's own file. Anything else (http and other schemes) is not fetched.
#pragma once

#include <QTextBrowser>
#include <QUrl>

namespace lexora::pages {

class LocalResourceBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit LocalResourceBrowser(QWidget* parent = nullptr);

    // The address of the document shown, against which relative names resolve.
    void setDocumentUrl(const QUrl& url) { m_documentUrl = url; }

    // The local file a resource name refers to; empty when it is not local.
    QString localPathFor(const QUrl& name) const;

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QUrl m_documentUrl;
};

} // namespace lexora::pages
