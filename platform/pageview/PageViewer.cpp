// The page viewer: addresses, navigation, events, rendering and printing.
#include "platform/pageview/PageViewer.h"

#include "platform/pageview/LocalResourceBrowser.h"
#include "platform/pageview/PageError.h"
#include "platform/pageview/PagePrinting.h"
#include "platform/pageview/PrintDialogService.h"
#include "platform/textview/FindBar.h"
#include "platform/textview/TextScaling.h"
#include "platform/textview/TextZoom.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QScrollBar>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace lexora::pages {

namespace {

// Where an address leads.
struct Target {
    enum Kind { Blank, File, Other } kind = Other;
    QString documentUrl; // the address without its fragment
    QString filePath;
    QString fragment;

    QString location() const {
        return fragment.isEmpty() ? documentUrl : documentUrl + u'#' + fragment;
    }
};

QString splitFragment(QString& address) {
    const qsizetype hash = address.indexOf(u'#');
    if (hash < 0)
        return {};
    const QString fragment = address.mid(hash + 1);
    address.truncate(hash);
    return fragment;
}

Target fileTarget(const QString& path, const QString& fragment) {
    const QString clean = QDir::cleanPath(path);
    return {Target::File, QUrl::fromLocalFile(clean).toString(), clean, fragment};
}

Target classify(const QString& address) {
    QString text = address.trimmed();
    if (text.startsWith(QLatin1String("about:"), Qt::CaseInsensitive)) {
        const QString fragment = splitFragment(text);
        return {Target::Blank, QStringLiteral("about:blank"), QString(), fragment};
    }
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(text.replace(u'\\', u'/'));
        const QString fragment = url.fragment(QUrl::FullyDecoded);
        QString path = url.toLocalFile();
        // "file:/" + "/home/..." makes "home" a host name; take it back.
        const QString host = url.host();
        if (!host.isEmpty() && host != QLatin1String("localhost")) {
            const QString joined = u'/' + host + url.path(QUrl::FullyDecoded);
            if (QFileInfo::exists(joined))
                path = joined;
        }
        if (path.isEmpty())
            return {Target::Other, address, QString(), QString()};
        return fileTarget(path, fragment);
    }
    if (QDir::isAbsolutePath(text))
        return fileTarget(text, QString());
    return {Target::Other, address, QString(), QString()};
}

HtmlDocument errorPage(const QString& address, const QString& reason) {
    const QString page =
        QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>"
                       "<h3>Η σελίδα δεν μπορεί να εμφανιστεί</h3><p>%1</p><p>%2</p></body></html>")
            .arg(reason.toHtmlEscaped(), address.toHtmlEscaped());
    return HtmlDocument::fromBytes(page.toUtf8(), address);
}

HtmlDocument documentFor(const Target& target) {
    switch (target.kind) {
    case Target::Blank:
        return HtmlDocument::blank(target.documentUrl);
    case Target::File: {
        QFile file(target.filePath);
        if (!QFileInfo(target.filePath).isFile() || !file.open(QIODevice::ReadOnly))
            return errorPage(target.documentUrl, QStringLiteral("Το αρχείο δεν βρέθηκε:"));
        return HtmlDocument::fromBytes(file.readAll(), target.documentUrl);
    }
    case Target::Other:
        break;
    }
    return errorPage(target.documentUrl, QStringLiteral("Η διεύθυνση δεν είναι τοπικό αρχείο:"));
}

} // namespace

PageViewer::PageViewer(QWidget* parent)
    : QWidget(parent), m_view(new LocalResourceBrowser(this)),
      m_find(new textview::FindBar(m_view, this, this)),
      m_zoom(new textview::TextZoom(m_view, this, [this](double factor) { applyZoom(factor); })) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_find);
    setFocusProxy(m_view);
    m_view->installEventFilter(this);

    // A browser's default face for text the page does not style.
    m_baseFont = QFont(QStringLiteral("Times New Roman"));
    m_baseFont.setStyleHint(QFont::Serif);
    m_baseFont.setPointSize(12);
    m_view->document()->setDefaultFont(m_baseFont);

    connect(m_view, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { activateLink(url.toString()); });
}

PageViewer::~PageViewer() {
    if (m_document)
        m_document->setChangeObserver({});
}

QTextBrowser* PageViewer::view() const {
    return m_view;
}

HtmlDocument PageViewer::Document() const {
    if (!m_document)
        throw PageError(QStringLiteral("The page viewer holds no document."));
    return *m_document;
}

void PageViewer::Navigate(const QString& address) {
    bool cancel = false;
    emit BeforeNavigate2(address, cancel);
    if (cancel)
        return;

    const Target target = classify(address);
    if (m_document && !target.fragment.isEmpty() && target.documentUrl == m_document->url()) {
        // A fragment of the document shown: scroll, keep the document.
        m_location = target.location();
        m_view->scrollToAnchor(target.fragment);
        emit NavigateComplete2(m_location);
        emit DocumentComplete(m_location);
        return;
    }
    load(address);
}

void PageViewer::Refresh() {
    if (m_document)
        load(m_location);
}

void PageViewer::load(const QString& address) {
    const Target target = classify(address);
    showDocument(documentFor(target), target.location(), target.fragment);
}

void PageViewer::showDocument(HtmlDocument document, const QString& location,
                              const QString& fragment) {
    if (m_document)
        m_document->setChangeObserver({});
    m_document = std::move(document);
    m_location = location;
    m_view->setDocumentUrl(QUrl(m_document->url()));
    m_document->setChangeObserver([this](bool structural) { render(structural); });
    render(true);
    if (!fragment.isEmpty())
        m_view->scrollToAnchor(fragment);
    emit NavigateComplete2(m_location);
    emit DocumentComplete(m_location);
}

void PageViewer::render(bool structural) {
    QScrollBar* bar = m_view->verticalScrollBar();
    const int position = bar->value();
    QFont font = m_baseFont;
    font.setPointSizeF(m_baseFont.pointSizeF() * m_zoomFactor);
    m_view->document()->setDefaultFont(font);
    m_view->setHtml(m_document->renderableMarkup());
    textview::scaleTextSizes(*m_view->document(), m_zoomFactor);
    if (!structural) {
        // A change of style keeps the reader's place; size() lays the page out.
        (void)m_view->document()->size();
        bar->setValue(position);
    }
    m_find->refresh();
}

void PageViewer::applyZoom(double factor) {
    m_zoomFactor = factor;
    if (!m_document)
        return;
    // Keep the reader at the same part of the page.
    QScrollBar* bar = m_view->verticalScrollBar();
    const double share = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
    render(true);
    (void)m_view->document()->size();
    bar->setValue(static_cast<int>(share * bar->maximum() + 0.5));
}

std::unique_ptr<QTextDocument> PageViewer::unzoomedDocument() const {
    // Owned by the view while it lives, so that it finds the page's images.
    std::unique_ptr<QTextDocument> copy(m_view->document()->clone(m_view));
    if (m_zoomFactor != 1.0) {
        copy->setDefaultFont(m_baseFont);
        textview::scaleTextSizes(*copy, 1.0 / m_zoomFactor);
    }
    return copy;
}

void PageViewer::activateLink(const QString& href) {
    if (!m_document)
        return;
    const QString link = href.trimmed();
    if (link.isEmpty() || link.startsWith(QLatin1String("javascript:"), Qt::CaseInsensitive))
        return; // no script runs here

    QString address;
    if (link.startsWith(u'#')) {
        address = m_document->url() + link;
    } else {
        const QUrl url(link);
        const QUrl base(m_document->url());
        address = url.isRelative() && base.isLocalFile() ? base.resolved(url).toString() : link;
    }

    if (classify(address).kind == Target::Other) {
        // A web or mail address: the page stays, whatever the receivers say.
        bool cancel = false;
        emit BeforeNavigate2(address, cancel);
        return;
    }
    Navigate(address);
}

int PageViewer::QueryStatusWB(int command) const {
    if (command != OLECMDID_PRINT)
        return 0;
    return hasDocument() ? OLECMDF_SUPPORTED | OLECMDF_ENABLED : OLECMDF_SUPPORTED;
}

void PageViewer::ExecWB(int command, int /*option: the dialog is always shown*/) {
    if (command != OLECMDID_PRINT)
        throw PageError(QStringLiteral("The command is not supported: ") +
                        QString::number(command));
    if ((QueryStatusWB(command) & OLECMDF_ENABLED) == 0)
        throw PageError(QStringLiteral("The print command is not available."));
    if (m_printService == nullptr)
        throw PageError(QStringLiteral("No printer dialog is available."));
    QPrinter* printer = m_printService->choosePrinter(this);
    if (printer == nullptr)
        return;
    if (!printer->isValid())
        throw PageError(QStringLiteral("The printer is not available."));
    if (!printPage(*unzoomedDocument(), *printer) || printer->printerState() == QPrinter::Error)
        throw PageError(QStringLiteral("The page could not be printed."));
}

bool PageViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::FocusIn)
        emit GotFocus();
    return QWidget::eventFilter(watched, event);
}

} // namespace lexora::pages
