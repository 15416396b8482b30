// Building the page pane and its operations. The PDF buttons stand beside
// their print buttons and the back and forward buttons before the act's
// print button of the same panel; each follows its print button's showing
// and enabling, so that the window's layout places the print buttons only.
#include "app/shell/PagePane.h"

#include "app/shell/FollowsPrintButton.h"
#include "app/shell/PaneBuilding.h"
#include "app/shell/Twips.h"
#include "controls/progress/Progress.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>

namespace lexora::shell {

namespace {

const QString kBlank = QStringLiteral("about:blank");

QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = named(new QFrame(parent), QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(px(100), px(30), px(75), px(30));
    row->setSpacing(px(75));
    return frame;
}

QLabel* panelCaption(QFrame* panel, const QString& name, const QString& caption) {
    auto* label = named(new QLabel(caption, panel), name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    panel->layout()->addWidget(label);
    return label;
}

bool usable(const QWidget* w) {
    return w != nullptr && w->isVisible() && w->isEnabled();
}

bool holdsFocus(const QWidget* w) {
    const QWidget* focus = QApplication::focusWidget();
    return w != nullptr && focus != nullptr && (w == focus || w->isAncestorOf(focus));
}

void press(QToolButton* button) {
    if (usable(button))
        button->click();
}

} // namespace

PagePane::PagePane(QWidget* window, NavigationTabs& tabs) : m_window(window), m_tabs(tabs) {
    sspAbstract = panel(window, "sspAbstract");
    lblAbstract =
        panelCaption(sspAbstract, QStringLiteral("lblAbstract"), QStringLiteral(" Περίληψη"));
    static_cast<QHBoxLayout*>(sspAbstract->layout())->addStretch(1);
    cmdpicprintabstr = pictureButton(sspAbstract, "cmdpicprintabstr", "print",
                                     QStringLiteral("Εκτύπωση Περίληψης"));
    cmdpiclawhist = pictureButton(sspAbstract, "cmdpiclawhist", "print",
                                  QStringLiteral("Εκτύπωση Τρέχοντος Νομοθετήματος"));
    cmdpicsavewholelaw =
        pictureButton(sspAbstract, "cmdpicsavewholelaw", "savehistory",
                      QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος στο Ιστορικό"));
    Cmddelete = pictureButton(
        sspAbstract, "Cmddelete", "delete",
        QStringLiteral("Διαγραφή από τη λίστα Ιστορικού του Επιλεγμένου Νομοθετήματος"));
    for (QToolButton* b : {cmdpicprintabstr, cmdpiclawhist, cmdpicsavewholelaw, Cmddelete})
        sspAbstract->layout()->addWidget(b);

    brwWebBrowser1 = named(new pages::PageViewer(window), QStringLiteral("brwWebBrowser1"));

    sspLaw = panel(window, "sspLaw");
    lbllaw = panelCaption(sspLaw, QStringLiteral("lbllaw"), QStringLiteral(" Νομοθέτημα"));
    lblDocument = named(new QLabel(sspLaw), QStringLiteral("lblDocument"));
    sspLaw->layout()->addWidget(lblDocument);
    static_cast<QHBoxLayout*>(sspLaw->layout())->addStretch(1);
    cmdpiclaw = pictureButton(sspLaw, "cmdpiclaw", "print",
                              QStringLiteral("Εκτύπωση Τρέχοντος Νομοθετήματος"));
    cmdpichistory =
        pictureButton(sspLaw, "cmdpichistory", "savehistory",
                      QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος στο Ιστορικό"));
    cmdpicWordlaw = pictureButton(sspLaw, "cmdpicWordlaw", "document_other",
                                  QStringLiteral("Προβολή Εγγράφου"));
    for (QToolButton* b : {cmdpiclaw, cmdpichistory, cmdpicWordlaw})
        sspLaw->layout()->addWidget(b);

    brwWebBrowser2 = named(new pages::PageViewer(window), QStringLiteral("brwWebBrowser2"));
    brwWebBrowser3 = named(new pages::PageViewer(window), QStringLiteral("brwWebBrowser3"));
    brwWebBrowserLawFile =
        named(new pages::PageViewer(window), QStringLiteral("brwWebBrowserLawFile"));
    rtbWord = named(new richtext::DocumentBox(window), QStringLiteral("rtbWord"));
    rtbWordLawTopic = named(new richtext::DocumentBox(window), QStringLiteral("rtbWordLawTopic"));
    rtbWordLaw = named(new richtext::DocumentBox(window), QStringLiteral("rtbWordLaw"));
    for (QWidget* w : {static_cast<QWidget*>(brwWebBrowserLawFile), static_cast<QWidget*>(rtbWord),
                       static_cast<QWidget*>(rtbWordLawTopic), static_cast<QWidget*>(rtbWordLaw)}) {
        w->hide();
        w->raise();
    }
    rtbWord->setEnabled(false);
    rtbWordLawTopic->setEnabled(false);
    rtbWordLaw->setEnabled(false);

    ProgressBar1 = named(new Dravik::Progress(window), QStringLiteral("ProgressBar1"));
    ProgressBar1->hide();
    ProgressBar1->raise();

    cmbLexoraAbstracts =
        named(new QComboBox(tabs.frsearchlaw), QStringLiteral("cmbLexoraAbstracts"));
    cmbLexoraAbstracts->setToolTip(
        QStringLiteral("Τα θέματα των οποίων οι περιλήψεις παραπέμπουν στο επιλεγμένο "
                       "Νομοθέτημα."));
    cmbLexoraAbstracts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbLexoraAbstracts->setMinimumContentsLength(10);
    static_cast<QGridLayout*>(tabs.frsearchlaw->layout())
        ->addWidget(cmbLexoraAbstracts, 5, 0, 1, 2);

    imListDocuments[1] = windowIcon("document_rtf");
    imListDocuments[2] = windowIcon("document_xls");
    imListDocuments[3] = windowIcon("document_other");
    cmdpicWordlaw->setIcon(imListDocuments[3]);

    const QString actPdfTip = QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος ως PDF");
    cmdpdflaw = pdfButtonBeside(cmdpiclaw, QStringLiteral("cmdpdflaw"), actPdfTip);
    cmdpdflawhist = pdfButtonBeside(cmdpiclawhist, QStringLiteral("cmdpdflawhist"), actPdfTip);
    cmdpdfabstr = pdfButtonBeside(cmdpicprintabstr, QStringLiteral("cmdpdfabstr"),
                                  QStringLiteral("Αποθήκευση Περίληψης ως PDF"));

    // The topics tab's pair before everything on the act panel; the pair of
    // the legislation and history tabs after the upper panel's caption.
    addTrailButtons(sspLaw, 0, QString(), Tab::Topics);
    addTrailButtons(sspAbstract, 1, QStringLiteral("hist"), Tab::Laws);
    for (const auto& [keys, buttons] :
         {std::pair{QKeySequence(QKeySequence::Back), &m_back},
          std::pair{QKeySequence(QKeySequence::Forward), &m_forward}}) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        const std::array<QToolButton*, 2>* pair = buttons;
        connect(shortcut, &QShortcut::activated, this, [pair] {
            for (QToolButton* b : *pair)
                press(b);
        });
    }

    connect(cmdpiclaw, &QToolButton::clicked, this, &PagePane::printTopicActRequested);
    connect(cmdpiclawhist, &QToolButton::clicked, this, &PagePane::printActRequested);
    connect(cmdpicprintabstr, &QToolButton::clicked, this, &PagePane::printAbstractRequested);
    connect(cmdpdflaw, &QToolButton::clicked, this, &PagePane::pdfTopicActRequested);
    connect(cmdpdflawhist, &QToolButton::clicked, this, &PagePane::pdfActRequested);
    connect(cmdpdfabstr, &QToolButton::clicked, this, &PagePane::pdfAbstractRequested);
    connect(cmdpicWordlaw, &QToolButton::clicked, this, &PagePane::documentRequested);
    connect(cmdpichistory, &QToolButton::clicked, this, &PagePane::saveTopicActRequested);
    connect(cmdpicsavewholelaw, &QToolButton::clicked, this, &PagePane::saveActRequested);
    connect(Cmddelete, &QToolButton::clicked, this, &PagePane::deleteHistoryRequested);
}

PagePane::~PagePane() = default;

QToolButton* PagePane::pdfButtonBeside(QToolButton* print, const QString& name,
                                       const QString& tip) {
    QWidget* parent = print->parentWidget();
    auto* pdf = named(new QToolButton(parent), name);
    pdf->setToolTip(tip);
    pdf->setText(QStringLiteral("PDF"));
    pdf->setIcon(parent->style()->standardIcon(QStyle::SP_DialogSaveButton));
    pdf->setIconSize(print->iconSize());
    pdf->setAutoRaise(print->autoRaise());
    pdf->setToolButtonStyle(Qt::ToolButtonIconOnly);
    if (auto* box = qobject_cast<QBoxLayout*>(parent->layout()))
        box->insertWidget(box->indexOf(print) + 1, pdf);
    new shell::FollowsPrintButton(print, pdf, true);
    return pdf;
}

void PagePane::addTrailButtons(QFrame* panel, int at, const QString& suffix, Tab tab) {
    const std::size_t k = tab == Tab::Topics ? 0 : 1;
    QToolButton* print = tab == Tab::Topics ? cmdpiclaw : cmdpiclawhist;
    const auto make = [&](const QString& name, QStyle::StandardPixmap picture, const QString& tip) {
        auto* b = named(new QToolButton(panel), name + suffix);
        b->setToolTip(tip);
        b->setIcon(b->style()->standardIcon(picture));
        b->setAutoRaise(true);
        b->setEnabled(false);
        return b;
    };
    m_back[k] = make(QStringLiteral("cmdpicback"), QStyle::SP_ArrowBack,
                     QStringLiteral("Προηγούμενο Νομοθέτημα (Alt+Αριστερό βέλος)"));
    m_forward[k] = make(QStringLiteral("cmdpicforward"), QStyle::SP_ArrowForward,
                        QStringLiteral("Επόμενο Νομοθέτημα (Alt+Δεξί βέλος)"));
    if (auto* box = qobject_cast<QBoxLayout*>(panel->layout())) {
        box->insertWidget(at, m_forward[k]);
        box->insertWidget(at, m_back[k]);
    }
    new shell::FollowsPrintButton(print, m_back[k], false);
    new shell::FollowsPrintButton(print, m_forward[k], false);
    // The legislation and history tabs share their viewer and its pair.
    connect(m_back[k], &QToolButton::clicked, this,
            [this, k] { emit backRequested(k == 0 ? Tab::Topics : m_tabs.currentTab()); });
    connect(m_forward[k], &QToolButton::clicked, this,
            [this, k] { emit forwardRequested(k == 0 ? Tab::Topics : m_tabs.currentTab()); });
}

pages::PageViewer* PagePane::actViewer(Tab tab) const {
    switch (tab) {
    case Tab::Topics:
        return brwWebBrowser2;
    case Tab::Laws:
    case Tab::History:
        return brwWebBrowser3;
    case Tab::ChartN:
    case Tab::ChartP:
        break;
    }
    return nullptr;
}

richtext::DocumentBox* PagePane::actDocumentBox(Tab tab) const {
    switch (tab) {
    case Tab::Topics:
        return rtbWordLawTopic;
    case Tab::Laws:
    case Tab::History:
        return rtbWordLaw;
    case Tab::ChartN:
    case Tab::ChartP:
        break;
    }
    return nullptr;
}

QList<pages::PageViewer*> PagePane::pageViewers() const {
    return {brwWebBrowser1, brwWebBrowser2, brwWebBrowser3, brwWebBrowserLawFile};
}

void PagePane::blankTopicPage() {
    brwWebBrowser1->Navigate(kBlank);
}

void PagePane::blankActViewer(Tab tab) {
    if (pages::PageViewer* viewer = actViewer(tab))
        viewer->Navigate(kBlank);
}

void PagePane::prepareActViewer(Tab tab) {
    for (richtext::DocumentBox* box : {rtbWordLawTopic, rtbWordLaw}) {
        box->hide();
        box->setEnabled(false);
    }
    brwWebBrowserLawFile->hide();
    if (pages::PageViewer* viewer = actViewer(tab))
        viewer->show();
}

void PagePane::uncoverActViewer(Tab tab) {
    pages::PageViewer* viewer = actViewer(tab);
    if (!viewer)
        return;
    viewer->show();
    brwWebBrowserLawFile->hide();
    actDocumentBox(tab)->hide();
}

void PagePane::coverActViewer(Tab tab, QWidget& cover) {
    pages::PageViewer* viewer = actViewer(tab);
    if (!viewer)
        return;
    cover.setGeometry(viewer->geometry());
    cover.show();
    viewer->hide();
}

void PagePane::dropActDocument(Tab tab) {
    pages::PageViewer* viewer = actViewer(tab);
    if (!viewer)
        return;
    richtext::DocumentBox* box = actDocumentBox(tab);
    if (!brwWebBrowserLawFile->isHidden()) {
        brwWebBrowserLawFile->Navigate(kBlank);
        brwWebBrowserLawFile->hide();
    } else if (box->Visible()) {
        box->SetText(QString());
        box->hide();
    }
    viewer->show();
    viewer->Refresh();
}

void PagePane::setPageViewersVisible(bool visible) {
    brwWebBrowser1->setVisible(visible);
    brwWebBrowser2->setVisible(visible);
}

void PagePane::hideTemplateDocument() {
    rtbWord->hide();
    rtbWord->setEnabled(false);
}

void PagePane::setAbstractPrintVisible(bool visible) {
    cmdpicprintabstr->setVisible(visible);
}

void PagePane::setDocumentPicture(DocumentPicture picture) {
    cmdpicWordlaw->setIcon(imListDocuments[static_cast<std::size_t>(picture)]);
}

void PagePane::setDocumentToolTip(const QString& text) {
    cmdpicWordlaw->setToolTip(text);
}

QString PagePane::documentToolTip() const {
    return cmdpicWordlaw->toolTip();
}

void PagePane::setDocumentTitle(const QString& title) {
    lblDocument->setText(title);
}

QString PagePane::documentTitle() const {
    return lblDocument->text();
}

void PagePane::clearRelatedTopics() {
    cmbLexoraAbstracts->clear();
}

bool PagePane::hasRelatedTopic(const QString& title) const {
    return cmbLexoraAbstracts->findText(title, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
}

void PagePane::addRelatedTopic(const QString& title, int topicId) {
    cmbLexoraAbstracts->addItem(title, QVariant(topicId));
}

void PagePane::selectFirstRelatedTopic() {
    if (cmbLexoraAbstracts->count() > 0)
        cmbLexoraAbstracts->setCurrentIndex(0);
}

void PagePane::placeProgressOver(const QWidget& target, bool visible) {
    Dravik::Progress* bar = ProgressBar1;
    // The bar lives on the window; the target may sit deeper in it.
    QPoint topLeft = target.pos();
    if (target.parentWidget() && bar->parentWidget() &&
        target.parentWidget() != bar->parentWidget())
        topLeft = target.parentWidget()->mapTo(bar->parentWidget(), topLeft);
    bar->setGeometry(topLeft.x(), topLeft.y() + target.height() - bar->height(), target.width(),
                     bar->height());
    bar->setVisible(visible);
    if (visible)
        bar->raise();
}

void PagePane::endProgress() {
    ProgressBar1->UpdateStatus(1.0F, true);
    ProgressBar1->hide();
}

void PagePane::setTrailState(Tab tab, bool canGoBack, bool canGoForward) {
    const std::size_t k = tab == Tab::Topics ? 0 : 1;
    if (tab == Tab::ChartN || tab == Tab::ChartP)
        return;
    m_back[k]->setEnabled(canGoBack);
    m_forward[k]->setEnabled(canGoForward);
}

void PagePane::printPageInView() {
    if (holdsFocus(brwWebBrowser1) && usable(cmdpicprintabstr)) {
        press(cmdpicprintabstr);
        return;
    }
    const bool actFocused = holdsFocus(brwWebBrowser2) || holdsFocus(rtbWordLawTopic) ||
                            holdsFocus(brwWebBrowserLawFile);
    const bool showsSomething =
        usable(rtbWordLawTopic) || usable(brwWebBrowserLawFile) ||
        (usable(brwWebBrowser2) && !brwWebBrowser2->view()->toPlainText().isEmpty());
    if (usable(cmdpiclaw) && (actFocused || showsSomething)) {
        press(cmdpiclaw);
        return;
    }
    for (QToolButton* b : {cmdpiclawhist, cmdpicprintabstr}) {
        if (usable(b)) {
            press(b);
            return;
        }
    }
}

} // namespace lexora::shell
