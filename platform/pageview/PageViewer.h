// The page viewer: shows an HTML document held as a document object model
// (HtmlDocument) and rendered by a text browser. It runs no script and fetches
// nothing from the network. Navigation is synchronous: when Navigate returns,
// the new document is in place and its events have been raised.
//
// Addresses: "about:blank" gives an empty document; "file:" followed by a
// full path, a file: URL, or a full path loads that file; an address with a
// fragment ("...#12") also scrolls to that anchor. A file that cannot be read,
// and any other address, shows the viewer's own error page.
//
// Events, raised on the calling thread (connect directly: the cancel flag is
// written by the receiver):
//   BeforeNavigate2(address, cancel) before every navigation, by a call or by
//     a link; a receiver that sets cancel stops it. A link's address is
//     resolved against the document's address: href "#42" in about:blank
//     gives "about:blank#42".
//   NavigateComplete2(address), then DocumentComplete(address), once the new
//     document is in place (also after Refresh).
//   GotFocus() when the view receives the keyboard focus.
//
// The reader can find in the page (a find bar below it, Ctrl+F) and zoom it
// (Ctrl++, Ctrl+-, Ctrl+0, Ctrl+wheel); the zoom stays through navigations.
#pragma once

#include "platform/pageview/HtmlDocument.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QTextBrowser;
class QTextDocument;

namespace lexora::textview {
class FindBar;
class TextZoom;
} // namespace lexora::textview

namespace lexora::pages {

class LocalResourceBrowser;
class PrintDialogService;

// The print command and its status bits, as the print buttons use them.
inline constexpr int OLECMDID_PRINT = 6;
inline constexpr int OLECMDEXECOPT_PROMPTUSER = 1;
inline constexpr int OLECMDF_SUPPORTED = 1;
inline constexpr int OLECMDF_ENABLED = 2;

class PageViewer : public QWidget {
    Q_OBJECT
public:
    explicit PageViewer(QWidget* parent = nullptr);
    ~PageViewer() override;

    void Navigate(const QString& address);
    void Navigate2(const QString& address) { Navigate(address); }
    // Reloads the current address without asking BeforeNavigate2; what was
    // written into the document since it was loaded is gone.
    void Refresh();

    // The address of the document shown, with the fragment last navigated to.
    QString LocationURL() const { return m_location; }

    bool hasDocument() const { return m_document.has_value(); }
    // The document shown; throws PageError before the first navigation.
    HtmlDocument Document() const;

    // OLECMDID_PRINT: supported, and enabled while there is a document;
    // other commands: 0.
    int QueryStatusWB(int command) const;
    // OLECMDID_PRINT asks the print dialog service for a printer and prints
    // the rendered document on it; a cancelled dialog prints nothing. The
    // dialog is shown whatever the option: the viewer never prints unasked.
    // Throws PageError for another command, a disabled command or a failure.
    void ExecWB(int command, int option);
    void setPrintDialogService(PrintDialogService* service) { m_printService = service; }

    // Follows a link of the document as a click on it does.
    void activateLink(const QString& href);

    // The view that draws the document (for layout, focus and tests).
    QTextBrowser* view() const;

    textview::FindBar* findBar() const { return m_find; }
    textview::TextZoom* zoom() const { return m_zoom; }
    // The rendered document at its own sizes, whatever the zoom, for paper.
    std::unique_ptr<QTextDocument> unzoomedDocument() const;

signals:
    void BeforeNavigate2(const QString& address, bool& cancel);
    void NavigateComplete2(const QString& address);
    void DocumentComplete(const QString& address);
    void GotFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load(const QString& address);
    void showDocument(HtmlDocument document, const QString& location, const QString& fragment);
    void render(bool structural);
    void applyZoom(double factor);

    LocalResourceBrowser* m_view;
    textview::FindBar* m_find;
    textview::TextZoom* m_zoom;
    QFont m_baseFont;
    double m_zoomFactor = 1.0;
    std::optional<HtmlDocument> m_document;
    QString m_location;
    PrintDialogService* m_printService = nullptr;
};

} // namespace lexora::pages
