// The right-hand side of the main window: the three page viewers (topic and
// chart pages, the act of the topics tab, the act of the legislation and
// history tabs), the viewer of attached HTML files, the document boxes, the
// progress bar, the document label, the list of abstracts and the panels'
// print, PDF, document, history and back/forward buttons. The pane builds and
// owns its controls (children of the window, named as the program names
// them); the features show pages through the operations below and learn of
// the buttons through its signals. The window that lays the pane out reaches
// the controls themselves.
#pragma once

#include "app/shell/NavigationTabs.h"

#include <QIcon>
#include <QList>
#include <QObject>

#include <array>
#include <cstdint>

class QComboBox;
class QFrame;
class QLabel;
class QToolButton;
class QWidget;

namespace Dravik {
class Progress;
}
namespace lexora::pages {
class PageViewer;
}
namespace lexora::richtext {
class DocumentBox;
}

namespace lexora::shell {

// The pictures of the document button, by the kind of document it opens.
enum class DocumentPicture { Rtf = 1, Spreadsheet = 2, Other = 3 };

class PagePane final : public QObject {
    Q_OBJECT
public:
    // Builds the controls on the window; the list of abstracts goes into the
    // legislation tab's search frame.
    PagePane(QWidget* window, NavigationTabs& tabs);
    ~PagePane() override;
    PagePane(const PagePane&) = delete;
    PagePane& operator=(const PagePane&) = delete;

    // --- Viewers.
    // The page of a topic or of an organisation-chart entry (brwWebBrowser1).
    pages::PageViewer& topicViewer() const { return *brwWebBrowser1; }
    // The viewer that shows acts on that tab: brwWebBrowser2 on the topics
    // tab, brwWebBrowser3 on the legislation and history tabs, none on the
    // organisation-chart tabs.
    pages::PageViewer* actViewer(Tab tab) const;
    // The document box that shows an act's RTF document on that tab, over
    // actViewer(tab); none on the organisation-chart tabs.
    richtext::DocumentBox* actDocumentBox(Tab tab) const;
    // The chart tabs' template page, under the chart page (brwWebBrowser2),
    // and the box of its stored RTF document (rtbWord).
    pages::PageViewer& templateViewer() const { return *brwWebBrowser2; }
    richtext::DocumentBox& templateDocumentBox() const { return *rtbWord; }
    // The viewer of an act's attached HTML document, over the act viewer.
    pages::PageViewer& fileViewer() const { return *brwWebBrowserLawFile; }
    // The four page viewers, for services they all take.
    QList<pages::PageViewer*> pageViewers() const;

    // --- What the pages show.
    // Empties the topic page.
    void blankTopicPage();
    // Empties the act viewer of the tab.
    void blankActViewer(Tab tab);
    // Hides every act document and shows the act viewer of the tab, ready for
    // a new act page.
    void prepareActViewer(Tab tab);
    // Shows the act viewer of the tab over its document box and the file
    // viewer, keeping what the box holds.
    void uncoverActViewer(Tab tab);
    // Shows a loaded document box or the file viewer where the act viewer of
    // the tab stands, and hides the viewer.
    void coverActViewer(Tab tab, QWidget& cover);
    // Empties and hides whatever document covers the act viewer of the tab
    // (the file viewer, else the document box) and shows the viewer again.
    void dropActDocument(Tab tab);
    // The topic page and the act viewer under it, shown or hidden together
    // (a chart entry whose page is a stored document hides both).
    void setPageViewersVisible(bool visible);
    // Hides and disables the template's document box.
    void hideTemplateDocument();

    // --- The panels.
    void setAbstractPrintVisible(bool visible);
    void setDocumentPicture(DocumentPicture picture);
    QIcon documentPicture(DocumentPicture picture) const {
        return imListDocuments[static_cast<std::size_t>(picture)];
    }
    void setDocumentToolTip(const QString& text);
    QString documentToolTip() const;
    // The title of the template shown, beside the document button.
    void setDocumentTitle(const QString& title);
    QString documentTitle() const;

    // --- The abstracts of the chosen act (the topics that cite it).
    void clearRelatedTopics();
    bool hasRelatedTopic(const QString& title) const;
    void addRelatedTopic(const QString& title, int topicId);
    void selectFirstRelatedTopic();

    // --- Progress of a document being written.
    // Covers the lower edge of target (a control of the window) with the
    // progress bar, or hides the bar.
    void placeProgressOver(const QWidget& target, bool visible);
    Dravik::Progress* progressBar() const { return ProgressBar1; }
    // Fills the bar and hides it.
    void endProgress();

    // --- Going back and forward through the acts a viewer showed.
    // Tells that the act viewer of the tab now shows act id.
    void noteActShown(Tab tab, std::int32_t id) { emit actShown(tab, id); }
    // Enables the back and forward buttons of the tab's act viewer.
    void setTrailState(Tab tab, bool canGoBack, bool canGoForward);

    // Presses the print button of the page in view: the page holding the
    // focus when one does, else the act page when one is shown, else the
    // first print button the tab shows.
    void printPageInView();

signals:
    void actShown(lexora::shell::Tab tab, std::int32_t id);
    void printTopicActRequested(); // cmdpiclaw: the act under the topic page
    void printActRequested();      // cmdpiclawhist: the act of the legislation/history tab
    void printAbstractRequested(); // cmdpicprintabstr: the topic or chart page
    void pdfTopicActRequested();
    void pdfActRequested();
    void pdfAbstractRequested();
    void documentRequested();      // cmdpicWordlaw: the template's document
    void saveTopicActRequested();  // cmdpichistory: the topic page's act to the history
    void saveActRequested();       // cmdpicsavewholelaw: the legislation act to the history
    void deleteHistoryRequested(); // Cmddelete
    // The back and forward buttons (or Alt+Left/Alt+Right) of a tab's act
    // viewer.
    void backRequested(lexora::shell::Tab tab);
    void forwardRequested(lexora::shell::Tab tab);

private:
    friend class windows::frmInitial; // lays the pane out

    QToolButton* pdfButtonBeside(QToolButton* print, const QString& name, const QString& tip);
    void addTrailButtons(QFrame* panel, int at, const QString& suffix, Tab tab);

    QWidget* m_window;
    NavigationTabs& m_tabs;

    pages::PageViewer* brwWebBrowser1 = nullptr;
    pages::PageViewer* brwWebBrowser2 = nullptr;
    pages::PageViewer* brwWebBrowser3 = nullptr;
    pages::PageViewer* brwWebBrowserLawFile = nullptr;
    richtext::DocumentBox* rtbWord = nullptr;
    richtext::DocumentBox* rtbWordLawTopic = nullptr;
    richtext::DocumentBox* rtbWordLaw = nullptr;
    QFrame* sspAbstract = nullptr;
    QFrame* sspLaw = nullptr;
    QLabel* lblAbstract = nullptr;
    QLabel* lbllaw = nullptr;
    QLabel* lblDocument = nullptr;
    Dravik::Progress* ProgressBar1 = nullptr;
    // The abstracts of the chosen act (on the legislation tab's search panel).
    QComboBox* cmbLexoraAbstracts = nullptr;

    QToolButton* cmdpichistory = nullptr;
    QToolButton* cmdpiclaw = nullptr;
    QToolButton* cmdpicWordlaw = nullptr;
    QToolButton* cmdpiclawhist = nullptr;
    QToolButton* cmdpicsavewholelaw = nullptr;
    QToolButton* cmdpicprintabstr = nullptr;
    QToolButton* Cmddelete = nullptr;
    QToolButton* cmdpdflaw = nullptr;
    QToolButton* cmdpdflawhist = nullptr;
    QToolButton* cmdpdfabstr = nullptr;
    // Back and forward: [0] the topics tab's act viewer (on the act panel),
    // [1] the legislation and history tabs' (on the upper panel).
    std::array<QToolButton*, 2> m_back{};
    std::array<QToolButton*, 2> m_forward{};

    // imListDocuments: pictures 1 to 3 of the document button (index 0 unused).
    std::array<QIcon, 4> imListDocuments{};
};

} // namespace lexora::shell
