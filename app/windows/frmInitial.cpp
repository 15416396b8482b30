// Building frmInitial: its controls, their names, captions, tool tips,
// pictures and colours, and the connection of their events to the handlers.
#include "app/windows/frmInitial.h"

#include "app/startup/ProgramContext.h"
#include "app/windows/SplitterBar.h"
#include "app/windows/Twips.h"
#include "controls/progress/Progress.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeControl.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace lexora::windows {

namespace {

const QColor kWindowColour(146, 132, 131); // 8619154 as 0x00BBGGRR
const QColor kTabColour(177, 149, 138);    // SSTab1 background
const QColor kTabTextColour(112, 85, 75);  // SSTab1 text
const QColor kPanelTextColour(62, 42, 34); // captions on the panels

constexpr int kToolbarHeight = 46;
constexpr int kPictureButtonSize = 30;

QIcon icon(const char* name) {
    return QIcon(QStringLiteral(":/lexora/windows/%1.svg").arg(QLatin1String(name)));
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QToolButton* pictureButton(QWidget* parent, const char* name, const char* picture,
                           const QString& toolTip) {
    auto* button = named(new QToolButton(parent), QString::fromLatin1(name));
    button->setIcon(icon(picture));
    button->setIconSize(QSize(22, 22));
    button->setFixedSize(kPictureButtonSize, kPictureButtonSize);
    button->setToolTip(toolTip);
    button->setAutoRaise(true);
    return button;
}

QFrame* searchFrame(QWidget* parent, const QString& name) {
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(px(100), px(60), px(100), px(100));
    grid->setHorizontalSpacing(px(100));
    grid->setVerticalSpacing(px(30));
    grid->setColumnStretch(0, 1);
    return frame;
}

QLineEdit* searchBox(QFrame* frame, const QString& name, const QString& toolTip, int row) {
    auto* box = named(new QLineEdit(frame), name);
    box->setToolTip(toolTip);
    box->setClearButtonEnabled(true);
    static_cast<QGridLayout*>(frame->layout())->addWidget(box, row, 0);
    return box;
}

QLabel* searchLabel(QFrame* frame, const QString& name, const QString& caption, int row) {
    auto* label = named(new QLabel(caption, frame), name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    static_cast<QGridLayout*>(frame->layout())->addWidget(label, row, 0, 1, 2);
    return label;
}

trees::TreeControl* tree(QWidget* parent, const QString& name) {
    auto* control = named(new trees::TreeControl(parent), name);
    control->setImageList(trees::treeImageList());
    return control;
}

QWidget* tabPage(QTabWidget* tabs, const QString& caption, QFrame* frame, QWidget* content) {
    auto* page = new QWidget(tabs);
    page->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(px(100), px(100), px(100), px(100));
    column->setSpacing(px(100));
    if (frame != nullptr) {
        frame->setParent(page);
        column->addWidget(frame);
    }
    content->setParent(page);
    column->addWidget(content, 1);
    tabs->addTab(page, caption);
    return page;
}

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

} // namespace

frmInitial::frmInitial(startup::ProgramContext& context,
                       const startup::ApplicationSettings* settings)
    : m_context(context), m_settings(settings),
      m_edition(editionFor(context.state.applicationTitle)) {
    setObjectName(QStringLiteral("frmInitial"));
    setWindowTitle(context.state.applicationTitle);
    setWindowIcon(icon("appicon"));
    m_form.window = this;
    buildControls();
    applyColours();
    connectEvents();
    setMinimumSize(minimumWindowSize());
    resize(1180, 780);
}

frmInitial::~frmInitial() = default;

QIcon frmInitial::logoPicture(EditionLogo logo) {
    switch (logo) {
    case EditionLogo::Primary:
        return icon("logo_p");
    case EditionLogo::Other:
        return icon("logo_n");
    case EditionLogo::Designed:
        break;
    }
    return icon("logo");
}

void frmInitial::buildControls() {
    buildToolbar();
    buildTabs();
    buildRightPane();

    m_form.page.imListDocuments[1] = icon("document_rtf");
    m_form.page.imListDocuments[2] = icon("document_xls");
    m_form.page.imListDocuments[3] = icon("document_other");
    m_form.page.cmdpicWordlaw->setIcon(m_form.page.imListDocuments[3]);
}

void frmInitial::buildToolbar() {
    m_chrome.sspToolbar = named(new QFrame(this), QStringLiteral("sspToolbar"));
    m_chrome.sspToolbar->setAutoFillBackground(true);
    m_chrome.sspToolbar->setGeometry(0, 0, width(), kToolbarHeight);

    m_chrome.imLogo = named(new QLabel(m_chrome.sspToolbar), QStringLiteral("imLogo"));
    m_logoDesigned = logoPicture(EditionLogo::Designed);
    m_chrome.imLogo->setPixmap(m_logoDesigned.pixmap(QSize(180, 36)));
    m_chrome.imLogo->setGeometry(px(100), (kToolbarHeight - 36) / 2, 180, 36);

    static const char* const pictures[] = {"help", "about", "settings", "exit"};
    // The designed captions, with a letter underlined for Alt.
    static const QString captions[] = {QStringLiteral("&Βοήθεια"),
                                       QStringLiteral("&Για την εφαρμογή"),
                                       QStringLiteral("&Ρυθμίσεις"), QStringLiteral("Έ&ξοδος")};
    for (int i = 0; i < 4; ++i) {
        auto* button = named(new QToolButton(m_chrome.sspToolbar), indexed("cmdtoolbar", i));
        button->setText(captions[i]);
        button->setIcon(icon(pictures[i]));
        button->setIconSize(QSize(22, 22));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->resize(button->sizeHint().width() + 6, kToolbarHeight - 10);
        m_chrome.cmdtoolbar[static_cast<std::size_t>(i)] = button;
    }
}

void frmInitial::buildTabs() {
    shell::Panes& f = m_form;
    f.tabs.SSTab1 = named(new QTabWidget(this), QStringLiteral("SSTab1"));
    f.tabs.SSTab1->setUsesScrollButtons(true);
    f.tabs.SSTab1->setDocumentMode(false);

    // Organisation-chart search frames: index 0 on tab 3, index 1 on tab 0.
    const QString chartToolTip = QStringLiteral(
        "Αναζήτηση στους τίτλους των θεμάτων που εμφανίζονται στο δέντρο του Οργανογράμματος.");
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        f.tabs.frSearchSchedule[k] = searchFrame(this, indexed("frSearchSchedule", i));
        f.tabs.lblsearchschedule[k] =
            searchLabel(f.tabs.frSearchSchedule[k], indexed("lblsearchschedule", i),
                        i == 0 ? m_edition.lblsearchschedule0 : m_edition.lblsearchschedule1, 0);
        f.tabs.txtsearchSchedule[k] = searchBox(
            f.tabs.frSearchSchedule[k], indexed("txtsearchSchedule", i),
            i == 0 ? QStringLiteral("Αναζήτηση στους τίτλους των θεμάτων του Οδηγού Εγγραφού που "
                                    "εμφανίζονται στο δέντρο Εγγράφων.")
                   : chartToolTip,
            1);
        f.tabs.tvwTreeschedule[k] = tree(this, indexed("tvwTreeschedule", i));
    }
    // The designed captions; the edition replaces some in the load step.
    f.tabs.lblsearchschedule[0]->setText(QStringLiteral("Αναζήτηση στον Οδηγό Εγγράφων "));
    f.tabs.lblsearchschedule[1]->setText(QStringLiteral("Αναζήτηση στο Οργανόγραμμα"));

    f.tabs.frSearch = searchFrame(this, QStringLiteral("frSearch"));
    f.tabs.lblsearch[0] = searchLabel(f.tabs.frSearch, QStringLiteral("lblsearch_0"),
                                      QStringLiteral("Αναζήτηση στα Θέματα"), 0);
    f.tabs.txtsearch[0] =
        searchBox(f.tabs.frSearch, QStringLiteral("txtsearch_0"),
                  QStringLiteral("Αναζήτηση βάσει λέξεων κλειδιών στους τίτλους που "
                                 "εμφανίζονται στο δέντρο Θεμάτων."),
                  1);
    f.tabs.lblsearch[1] = searchLabel(f.tabs.frSearch, QStringLiteral("lblsearch_1"),
                                      QStringLiteral("Αναζήτηση στο Περιεχόμενο των Θεμάτων"), 2);
    f.tabs.txtsearch[1] = searchBox(
        f.tabs.frSearch, QStringLiteral("txtsearch_1"),
        QStringLiteral("Αναζήτηση βάσει λέξεων κλειδιών στο κείμενο των περιλήψεων και των "
                       "νομοθετημάτων που αντιστοιχούν στα θέματα του δέντρου Θεμάτων."),
        3);
    f.tabs.tvwTree = tree(this, QStringLiteral("tvwTree"));

    f.tabs.frsearchlaw = searchFrame(this, QStringLiteral("frsearchlaw"));
    f.tabs.lblsearchlaw[0] = searchLabel(f.tabs.frsearchlaw, QStringLiteral("lblsearchlaw_0"),
                                         QStringLiteral("Αναζήτηση Νομοθετημάτων"), 0);
    f.tabs.txtsearchlaw[0] =
        searchBox(f.tabs.frsearchlaw, QStringLiteral("txtsearchlaw_0"),
                  QStringLiteral("Αναζήτηση στους τίτλους των Νομοθετημάτων που "
                                 "εμφανίζονται στο δέντρο των Νομοθετημάτων."),
                  1);
    f.tabs.lblsearchlaw[1] =
        searchLabel(f.tabs.frsearchlaw, QStringLiteral("lblsearchlaw_1"),
                    QStringLiteral("Αναζήτηση στο κείμενο των Νομοθετημάτων"), 2);
    f.tabs.txtsearchlaw[1] =
        searchBox(f.tabs.frsearchlaw, QStringLiteral("txtsearchlaw_1"),
                  QStringLiteral("Αναζήτηση στο κείμενο των Νομοθετήματων βάσει "
                                 "των λέξεων κλειδιών που εισάγετε."),
                  3);
    f.tabs.lblsearchlaw[2] =
        searchLabel(f.tabs.frsearchlaw, QStringLiteral("lblsearchlaw_2"),
                    QStringLiteral("Θέματα που παραπέμπουν στο Νομοθέτημα"), 4);
    f.page.cmbLexoraAbstracts =
        named(new QComboBox(f.tabs.frsearchlaw), QStringLiteral("cmbLexoraAbstracts"));
    f.page.cmbLexoraAbstracts->setToolTip(
        QStringLiteral("Τα θέματα των οποίων οι περιλήψεις παραπέμπουν στο επιλεγμένο "
                       "Νομοθέτημα."));
    f.page.cmbLexoraAbstracts->setSizeAdjustPolicy(
        QComboBox::AdjustToMinimumContentsLengthWithIcon);
    f.page.cmbLexoraAbstracts->setMinimumContentsLength(10);
    static_cast<QGridLayout*>(f.tabs.frsearchlaw->layout())
        ->addWidget(f.page.cmbLexoraAbstracts, 5, 0, 1, 2);
    f.tabs.tvwTreelaw = tree(this, QStringLiteral("tvwTreelaw"));

    f.tabs.lsthistory = named(new QListWidget(this), QStringLiteral("lsthistory"));

    // The search buttons, shared by the tabs: the tab layout puts them into
    // the frame of the current tab.
    for (int i = 0; i < 2; ++i) {
        auto* button = named(new QToolButton(f.tabs.frSearch), indexed("cmdsearch", i));
        button->setText(QStringLiteral("Αναζήτηση"));
        button->setIcon(icon("search"));
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        f.tabs.cmdsearch[static_cast<std::size_t>(i)] = button;
    }

    tabPage(f.tabs.SSTab1, kCaptionChart, f.tabs.frSearchSchedule[1], f.tabs.tvwTreeschedule[1]);
    tabPage(f.tabs.SSTab1, kCaptionTopics, f.tabs.frSearch, f.tabs.tvwTree);
    tabPage(f.tabs.SSTab1, kCaptionLaws, f.tabs.frsearchlaw, f.tabs.tvwTreelaw);
    tabPage(f.tabs.SSTab1, kCaptionChart, f.tabs.frSearchSchedule[0], f.tabs.tvwTreeschedule[0]);
    tabPage(f.tabs.SSTab1, kCaptionHistory, nullptr, f.tabs.lsthistory);
    f.tabs.SSTab1->setCurrentIndex(kTabTopics);
}

void frmInitial::buildRightPane() {
    shell::Panes& f = m_form;

    f.page.sspAbstract = panel(this, "sspAbstract");
    m_lblAbstract = panelCaption(f.page.sspAbstract, QStringLiteral("lblAbstract"),
                                 QStringLiteral(" Περίληψη"));
    static_cast<QHBoxLayout*>(f.page.sspAbstract->layout())->addStretch(1);
    f.page.cmdpicprintabstr = pictureButton(f.page.sspAbstract, "cmdpicprintabstr", "print",
                                            QStringLiteral("Εκτύπωση Περίληψης"));
    f.page.cmdpiclawhist = pictureButton(f.page.sspAbstract, "cmdpiclawhist", "print",
                                         QStringLiteral("Εκτύπωση Τρέχοντος Νομοθετήματος"));
    f.page.cmdpicsavewholelaw =
        pictureButton(f.page.sspAbstract, "cmdpicsavewholelaw", "savehistory",
                      QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος στο Ιστορικό"));
    f.page.Cmddelete = pictureButton(
        f.page.sspAbstract, "Cmddelete", "delete",
        QStringLiteral("Διαγραφή από τη λίστα Ιστορικού του Επιλεγμένου Νομοθετήματος"));
    for (QToolButton* b : {f.page.cmdpicprintabstr, f.page.cmdpiclawhist, f.page.cmdpicsavewholelaw,
                           f.page.Cmddelete})
        f.page.sspAbstract->layout()->addWidget(b);

    f.page.brwWebBrowser1 = named(new pages::PageViewer(this), QStringLiteral("brwWebBrowser1"));

    m_picDrag2 = named(new SplitterBar(Qt::Horizontal, this), QStringLiteral("picDrag2"));
    m_chrome.picDrag2 = m_picDrag2;

    f.page.sspLaw = panel(this, "sspLaw");
    f.page.lbllaw =
        panelCaption(f.page.sspLaw, QStringLiteral("lbllaw"), QStringLiteral(" Νομοθέτημα"));
    f.page.lblDocument = named(new QLabel(f.page.sspLaw), QStringLiteral("lblDocument"));
    f.page.sspLaw->layout()->addWidget(f.page.lblDocument);
    static_cast<QHBoxLayout*>(f.page.sspLaw->layout())->addStretch(1);
    f.page.cmdpiclaw = pictureButton(f.page.sspLaw, "cmdpiclaw", "print",
                                     QStringLiteral("Εκτύπωση Τρέχοντος Νομοθετήματος"));
    f.page.cmdpichistory =
        pictureButton(f.page.sspLaw, "cmdpichistory", "savehistory",
                      QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος στο Ιστορικό"));
    f.page.cmdpicWordlaw = pictureButton(f.page.sspLaw, "cmdpicWordlaw", "document_other",
                                         QStringLiteral("Προβολή Εγγράφου"));
    for (QToolButton* b : {f.page.cmdpiclaw, f.page.cmdpichistory, f.page.cmdpicWordlaw})
        f.page.sspLaw->layout()->addWidget(b);

    f.page.brwWebBrowser2 = named(new pages::PageViewer(this), QStringLiteral("brwWebBrowser2"));
    f.page.brwWebBrowser3 = named(new pages::PageViewer(this), QStringLiteral("brwWebBrowser3"));
    f.page.brwWebBrowserLawFile =
        named(new pages::PageViewer(this), QStringLiteral("brwWebBrowserLawFile"));
    f.page.rtbWord = named(new richtext::DocumentBox(this), QStringLiteral("rtbWord"));
    f.page.rtbWordLawTopic =
        named(new richtext::DocumentBox(this), QStringLiteral("rtbWordLawTopic"));
    f.page.rtbWordLaw = named(new richtext::DocumentBox(this), QStringLiteral("rtbWordLaw"));
    for (QWidget* w :
         {static_cast<QWidget*>(f.page.brwWebBrowserLawFile), static_cast<QWidget*>(f.page.rtbWord),
          static_cast<QWidget*>(f.page.rtbWordLawTopic),
          static_cast<QWidget*>(f.page.rtbWordLaw)}) {
        w->hide();
        w->raise();
    }
    f.page.rtbWord->setEnabled(false);
    f.page.rtbWordLawTopic->setEnabled(false);
    f.page.rtbWordLaw->setEnabled(false);

    f.tabs.lblStatus = named(new QLabel(this), QStringLiteral("lblStatus"));
    f.tabs.lblStatus->setTextFormat(Qt::PlainText);

    f.page.ProgressBar1 = named(new Dravik::Progress(this), QStringLiteral("ProgressBar1"));
    f.page.ProgressBar1->hide();
    f.page.ProgressBar1->raise();

    m_picDrag = named(new SplitterBar(Qt::Vertical, this), QStringLiteral("picDrag"));
    m_chrome.picDrag = m_picDrag;
}

void frmInitial::applyColours() {
    shell::Panes& f = m_form;
    setAutoFillBackground(true);
    QPalette window = palette();
    window.setColor(QPalette::Window, kWindowColour);
    setPalette(window);

    QPalette toolbar = m_chrome.sspToolbar->palette();
    toolbar.setColor(QPalette::Window, kWindowColour);
    toolbar.setColor(QPalette::Button, kWindowColour);
    toolbar.setColor(QPalette::ButtonText, Qt::white);
    toolbar.setColor(QPalette::WindowText, Qt::white);
    m_chrome.sspToolbar->setPalette(toolbar);
    for (QToolButton* b : m_chrome.cmdtoolbar) {
        QFont font = b->font();
        font.setBold(true);
        b->setFont(font);
    }

    QPalette tabs = f.tabs.SSTab1->palette();
    for (auto role : {QPalette::Window, QPalette::Button})
        tabs.setColor(role, kTabColour);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText})
        tabs.setColor(role, kTabTextColour);
    f.tabs.SSTab1->setPalette(tabs);

    QPalette panels = tabs;
    panels.setColor(QPalette::WindowText, kPanelTextColour);
    f.page.sspAbstract->setPalette(panels);
    f.page.sspLaw->setPalette(panels);
}

void frmInitial::connectEvents() {
    shell::Panes& f = m_form;
    using trees::TreeControl;

    connect(f.tabs.SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = m_currentTab;
        m_currentTab = index;
        if (!m_loading)
            guarded([&] { SSTab1_Click(previous); });
    });
    for (int i = 0; i < 4; ++i)
        connect(m_chrome.cmdtoolbar[static_cast<std::size_t>(i)], &QToolButton::clicked, this,
                [this, i] { guarded([&] { cmdtoolbar_Click(i); }); });
    for (int i = 0; i < 2; ++i)
        connect(f.tabs.cmdsearch[static_cast<std::size_t>(i)], &QToolButton::clicked, this,
                [this, i] {
                    guarded([&] {
                        if (m_hooks.searchClicked)
                            m_hooks.searchClicked(i);
                    });
                });

    connect(f.tabs.tvwTree, &TreeControl::Click, this,
            [this] { guarded([&] { tvwTree_Click(); }); });
    connect(f.tabs.tvwTree, &TreeControl::KeyDown, this,
            [this](int code, Qt::KeyboardModifiers) { guarded([&] { tvwTree_KeyDown(code); }); });
    connect(f.tabs.tvwTree, &TreeControl::KeyPress, this,
            [this](int character) { guarded([&] { tvwTree_KeyPress(character); }); });
    connect(f.tabs.tvwTree, &TreeControl::MouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, const QPoint& p) {
                guarded([&] { tvwTree_MouseUp(p); });
            });

    connect(f.tabs.tvwTreelaw, &TreeControl::Click, this,
            [this] { guarded([&] { tvwTreelaw_Click(); }); });
    connect(f.tabs.tvwTreelaw, &TreeControl::DblClick, this,
            [this] { guarded([&] { tvwTreelaw_DblClick(); }); });
    connect(
        f.tabs.tvwTreelaw, &TreeControl::KeyDown, this,
        [this](int code, Qt::KeyboardModifiers) { guarded([&] { tvwTreelaw_KeyDown(code); }); });
    connect(f.tabs.tvwTreelaw, &TreeControl::MouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, const QPoint& p) {
                guarded([&] { tvwTreelaw_MouseUp(p); });
            });

    for (int i = 0; i < 2; ++i) {
        TreeControl* chart = f.tabs.tvwTreeschedule[static_cast<std::size_t>(i)];
        connect(chart, &TreeControl::Click, this,
                [this, i] { guarded([&] { tvwTreeschedule_Click(i); }); });
        connect(chart, &TreeControl::KeyDown, this, [this, i](int code, Qt::KeyboardModifiers) {
            guarded([&] { tvwTreeschedule_KeyDown(i, code); });
        });
        connect(chart, &TreeControl::MouseUp, this,
                [this, i](Qt::MouseButton, Qt::KeyboardModifiers, const QPoint& p) {
                    guarded([&] { tvwTreeschedule_MouseUp(i, p); });
                });
    }

    // A focus in the act viewer of the legislation and history tabs marks the
    // window active, as its activation does.
    connect(f.page.brwWebBrowser3, &pages::PageViewer::GotFocus, this,
            [this] { m_context.state.gMainWindowActive = 1; });

    connect(m_picDrag, &SplitterBar::MouseMove, this, [this](int x) { picDrag_MouseMove(x); });
    connect(m_picDrag2, &SplitterBar::MouseMove, this, [this](int y) { picDrag2_MouseMove(y); });
}

} // namespace lexora::windows
