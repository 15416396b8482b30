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

    m_form.imListDocuments[1] = icon("document_rtf");
    m_form.imListDocuments[2] = icon("document_xls");
    m_form.imListDocuments[3] = icon("document_other");
    m_form.cmdpicWordlaw->setIcon(m_form.imListDocuments[3]);
}

void frmInitial::buildToolbar() {
    MainForm& f = m_form;
    f.sspToolbar = named(new QFrame(this), QStringLiteral("sspToolbar"));
    f.sspToolbar->setAutoFillBackground(true);
    f.sspToolbar->setGeometry(0, 0, width(), kToolbarHeight);

    f.imLogo = named(new QLabel(f.sspToolbar), QStringLiteral("imLogo"));
    m_logoDesigned = logoPicture(EditionLogo::Designed);
    f.imLogo->setPixmap(m_logoDesigned.pixmap(QSize(180, 36)));
    f.imLogo->setGeometry(px(100), (kToolbarHeight - 36) / 2, 180, 36);

    static const char* const pictures[] = {"help", "about", "settings", "exit"};
    // The designed captions, with a letter underlined for Alt.
    static const QString captions[] = {QStringLiteral("&Βοήθεια"),
                                       QStringLiteral("&Για την εφαρμογή"),
                                       QStringLiteral("&Ρυθμίσεις"), QStringLiteral("Έ&ξοδος")};
    for (int i = 0; i < 4; ++i) {
        auto* button = named(new QToolButton(f.sspToolbar), indexed("cmdtoolbar", i));
        button->setText(captions[i]);
        button->setIcon(icon(pictures[i]));
        button->setIconSize(QSize(22, 22));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->resize(button->sizeHint().width() + 6, kToolbarHeight - 10);
        f.cmdtoolbar[static_cast<std::size_t>(i)] = button;
    }
}

void frmInitial::buildTabs() {
    MainForm& f = m_form;
    f.SSTab1 = named(new QTabWidget(this), QStringLiteral("SSTab1"));
    f.SSTab1->setUsesScrollButtons(true);
    f.SSTab1->setDocumentMode(false);

    // Organisation-chart search frames: index 0 on tab 3, index 1 on tab 0.
    const QString chartToolTip = QStringLiteral(
        "Αναζήτηση στους τίτλους των θεμάτων που εμφανίζονται στο δέντρο του Οργανογράμματος.");
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        f.frSearchSchedule[k] = searchFrame(this, indexed("frSearchSchedule", i));
        f.lblsearchschedule[k] =
            searchLabel(f.frSearchSchedule[k], indexed("lblsearchschedule", i),
                        i == 0 ? m_edition.lblsearchschedule0 : m_edition.lblsearchschedule1, 0);
        f.txtsearchSchedule[k] = searchBox(
            f.frSearchSchedule[k], indexed("txtsearchSchedule", i),
            i == 0 ? QStringLiteral("Αναζήτηση στους τίτλους των θεμάτων του Οδηγού Εγγραφού που "
                                    "εμφανίζονται στο δέντρο Εγγράφων.")
                   : chartToolTip,
            1);
        f.tvwTreeschedule[k] = tree(this, indexed("tvwTreeschedule", i));
    }
    // The designed captions; the edition replaces some in the load step.
    f.lblsearchschedule[0]->setText(QStringLiteral("Αναζήτηση στον Οδηγό Εγγράφων "));
    f.lblsearchschedule[1]->setText(QStringLiteral("Αναζήτηση στο Οργανόγραμμα"));

    f.frSearch = searchFrame(this, QStringLiteral("frSearch"));
    f.lblsearch[0] = searchLabel(f.frSearch, QStringLiteral("lblsearch_0"),
                                 QStringLiteral("Αναζήτηση στα Θέματα"), 0);
    f.txtsearch[0] = searchBox(f.frSearch, QStringLiteral("txtsearch_0"),
                               QStringLiteral("Αναζήτηση βάσει λέξεων κλειδιών στους τίτλους που "
                                              "εμφανίζονται στο δέντρο Θεμάτων."),
                               1);
    f.lblsearch[1] = searchLabel(f.frSearch, QStringLiteral("lblsearch_1"),
                                 QStringLiteral("Αναζήτηση στο Περιεχόμενο των Θεμάτων"), 2);
    f.txtsearch[1] = searchBox(
        f.frSearch, QStringLiteral("txtsearch_1"),
        QStringLiteral("Αναζήτηση βάσει λέξεων κλειδιών στο κείμενο των περιλήψεων και των "
                       "νομοθετημάτων που αντιστοιχούν στα θέματα του δέντρου Θεμάτων."),
        3);
    f.tvwTree = tree(this, QStringLiteral("tvwTree"));

    f.frsearchlaw = searchFrame(this, QStringLiteral("frsearchlaw"));
    f.lblsearchlaw[0] = searchLabel(f.frsearchlaw, QStringLiteral("lblsearchlaw_0"),
                                    QStringLiteral("Αναζήτηση Νομοθετημάτων"), 0);
    f.txtsearchlaw[0] = searchBox(f.frsearchlaw, QStringLiteral("txtsearchlaw_0"),
                                  QStringLiteral("Αναζήτηση στους τίτλους των Νομοθετημάτων που "
                                                 "εμφανίζονται στο δέντρο των Νομοθετημάτων."),
                                  1);
    f.lblsearchlaw[1] = searchLabel(f.frsearchlaw, QStringLiteral("lblsearchlaw_1"),
                                    QStringLiteral("Αναζήτηση στο κείμενο των Νομοθετημάτων"), 2);
    f.txtsearchlaw[1] = searchBox(f.frsearchlaw, QStringLiteral("txtsearchlaw_1"),
                                  QStringLiteral("Αναζήτηση στο κείμενο των Νομοθετήματων βάσει "
                                                 "των λέξεων κλειδιών που εισάγετε."),
                                  3);
    f.lblsearchlaw[2] = searchLabel(f.frsearchlaw, QStringLiteral("lblsearchlaw_2"),
                                    QStringLiteral("Θέματα που παραπέμπουν στο Νομοθέτημα"), 4);
    f.cmbLexoraAbstracts =
        named(new QComboBox(f.frsearchlaw), QStringLiteral("cmbLexoraAbstracts"));
    f.cmbLexoraAbstracts->setToolTip(
        QStringLiteral("Τα θέματα των οποίων οι περιλήψεις παραπέμπουν στο επιλεγμένο "
                       "Νομοθέτημα."));
    f.cmbLexoraAbstracts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    f.cmbLexoraAbstracts->setMinimumContentsLength(10);
    static_cast<QGridLayout*>(f.frsearchlaw->layout())->addWidget(f.cmbLexoraAbstracts, 5, 0, 1, 2);
    f.tvwTreelaw = tree(this, QStringLiteral("tvwTreelaw"));

    f.lsthistory = named(new QListWidget(this), QStringLiteral("lsthistory"));

    // The search buttons, shared by the tabs: the tab layout puts them into
    // the frame of the current tab.
    for (int i = 0; i < 2; ++i) {
        auto* button = named(new QToolButton(f.frSearch), indexed("cmdsearch", i));
        button->setText(QStringLiteral("Αναζήτηση"));
        button->setIcon(icon("search"));
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        f.cmdsearch[static_cast<std::size_t>(i)] = button;
    }

    tabPage(f.SSTab1, kCaptionChart, f.frSearchSchedule[1], f.tvwTreeschedule[1]);
    tabPage(f.SSTab1, kCaptionTopics, f.frSearch, f.tvwTree);
    tabPage(f.SSTab1, kCaptionLaws, f.frsearchlaw, f.tvwTreelaw);
    tabPage(f.SSTab1, kCaptionChart, f.frSearchSchedule[0], f.tvwTreeschedule[0]);
    tabPage(f.SSTab1, kCaptionHistory, nullptr, f.lsthistory);
    f.SSTab1->setCurrentIndex(kTabTopics);
}

void frmInitial::buildRightPane() {
    MainForm& f = m_form;

    f.sspAbstract = panel(this, "sspAbstract");
    m_lblAbstract =
        panelCaption(f.sspAbstract, QStringLiteral("lblAbstract"), QStringLiteral(" Περίληψη"));
    static_cast<QHBoxLayout*>(f.sspAbstract->layout())->addStretch(1);
    f.cmdpicprintabstr = pictureButton(f.sspAbstract, "cmdpicprintabstr", "print",
                                       QStringLiteral("Εκτύπωση Περίληψης"));
    f.cmdpiclawhist = pictureButton(f.sspAbstract, "cmdpiclawhist", "print",
                                    QStringLiteral("Εκτύπωση Τρέχοντος Νομοθετήματος"));
    f.cmdpicsavewholelaw =
        pictureButton(f.sspAbstract, "cmdpicsavewholelaw", "savehistory",
                      QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος στο Ιστορικό"));
    f.Cmddelete = pictureButton(
        f.sspAbstract, "Cmddelete", "delete",
        QStringLiteral("Διαγραφή από τη λίστα Ιστορικού του Επιλεγμένου Νομοθετήματος"));
    for (QToolButton* b : {f.cmdpicprintabstr, f.cmdpiclawhist, f.cmdpicsavewholelaw, f.Cmddelete})
        f.sspAbstract->layout()->addWidget(b);

    f.brwWebBrowser1 = named(new pages::PageViewer(this), QStringLiteral("brwWebBrowser1"));

    m_picDrag2 = named(new SplitterBar(Qt::Horizontal, this), QStringLiteral("picDrag2"));
    f.picDrag2 = m_picDrag2;

    f.sspLaw = panel(this, "sspLaw");
    f.lbllaw = panelCaption(f.sspLaw, QStringLiteral("lbllaw"), QStringLiteral(" Νομοθέτημα"));
    f.lblDocument = named(new QLabel(f.sspLaw), QStringLiteral("lblDocument"));
    f.sspLaw->layout()->addWidget(f.lblDocument);
    static_cast<QHBoxLayout*>(f.sspLaw->layout())->addStretch(1);
    f.cmdpiclaw = pictureButton(f.sspLaw, "cmdpiclaw", "print",
                                QStringLiteral("Εκτύπωση Τρέχοντος Νομοθετήματος"));
    f.cmdpichistory =
        pictureButton(f.sspLaw, "cmdpichistory", "savehistory",
                      QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος στο Ιστορικό"));
    f.cmdpicWordlaw = pictureButton(f.sspLaw, "cmdpicWordlaw", "document_other",
                                    QStringLiteral("Προβολή Εγγράφου"));
    for (QToolButton* b : {f.cmdpiclaw, f.cmdpichistory, f.cmdpicWordlaw})
        f.sspLaw->layout()->addWidget(b);

    f.brwWebBrowser2 = named(new pages::PageViewer(this), QStringLiteral("brwWebBrowser2"));
    f.brwWebBrowser3 = named(new pages::PageViewer(this), QStringLiteral("brwWebBrowser3"));
    f.brwWebBrowserLawFile =
        named(new pages::PageViewer(this), QStringLiteral("brwWebBrowserLawFile"));
    f.rtbWord = named(new richtext::DocumentBox(this), QStringLiteral("rtbWord"));
    f.rtbWordLawTopic = named(new richtext::DocumentBox(this), QStringLiteral("rtbWordLawTopic"));
    f.rtbWordLaw = named(new richtext::DocumentBox(this), QStringLiteral("rtbWordLaw"));
    for (QWidget* w :
         {static_cast<QWidget*>(f.brwWebBrowserLawFile), static_cast<QWidget*>(f.rtbWord),
          static_cast<QWidget*>(f.rtbWordLawTopic), static_cast<QWidget*>(f.rtbWordLaw)}) {
        w->hide();
        w->raise();
    }
    f.rtbWord->setEnabled(false);
    f.rtbWordLawTopic->setEnabled(false);
    f.rtbWordLaw->setEnabled(false);

    f.lblStatus = named(new QLabel(this), QStringLiteral("lblStatus"));
    f.lblStatus->setTextFormat(Qt::PlainText);

    f.ProgressBar1 = named(new Dravik::Progress(this), QStringLiteral("ProgressBar1"));
    f.ProgressBar1->hide();
    f.ProgressBar1->raise();

    m_picDrag = named(new SplitterBar(Qt::Vertical, this), QStringLiteral("picDrag"));
    f.picDrag = m_picDrag;
}

void frmInitial::applyColours() {
    MainForm& f = m_form;
    setAutoFillBackground(true);
    QPalette window = palette();
    window.setColor(QPalette::Window, kWindowColour);
    setPalette(window);

    QPalette toolbar = f.sspToolbar->palette();
    toolbar.setColor(QPalette::Window, kWindowColour);
    toolbar.setColor(QPalette::Button, kWindowColour);
    toolbar.setColor(QPalette::ButtonText, Qt::white);
    toolbar.setColor(QPalette::WindowText, Qt::white);
    f.sspToolbar->setPalette(toolbar);
    for (QToolButton* b : f.cmdtoolbar) {
        QFont font = b->font();
        font.setBold(true);
        b->setFont(font);
    }

    QPalette tabs = f.SSTab1->palette();
    for (auto role : {QPalette::Window, QPalette::Button})
        tabs.setColor(role, kTabColour);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText})
        tabs.setColor(role, kTabTextColour);
    f.SSTab1->setPalette(tabs);

    QPalette panels = tabs;
    panels.setColor(QPalette::WindowText, kPanelTextColour);
    f.sspAbstract->setPalette(panels);
    f.sspLaw->setPalette(panels);
}

void frmInitial::connectEvents() {
    MainForm& f = m_form;
    using trees::TreeControl;

    connect(f.SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = m_currentTab;
        m_currentTab = index;
        if (!m_loading)
            guarded([&] { SSTab1_Click(previous); });
    });
    for (int i = 0; i < 4; ++i)
        connect(f.cmdtoolbar[static_cast<std::size_t>(i)], &QToolButton::clicked, this,
                [this, i] { guarded([&] { cmdtoolbar_Click(i); }); });
    for (int i = 0; i < 2; ++i)
        connect(f.cmdsearch[static_cast<std::size_t>(i)], &QToolButton::clicked, this, [this, i] {
            guarded([&] {
                if (m_hooks.searchClicked)
                    m_hooks.searchClicked(i);
            });
        });

    connect(f.tvwTree, &TreeControl::Click, this, [this] { guarded([&] { tvwTree_Click(); }); });
    connect(f.tvwTree, &TreeControl::KeyDown, this,
            [this](int code, Qt::KeyboardModifiers) { guarded([&] { tvwTree_KeyDown(code); }); });
    connect(f.tvwTree, &TreeControl::KeyPress, this,
            [this](int character) { guarded([&] { tvwTree_KeyPress(character); }); });
    connect(f.tvwTree, &TreeControl::MouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, const QPoint& p) {
                guarded([&] { tvwTree_MouseUp(p); });
            });

    connect(f.tvwTreelaw, &TreeControl::Click, this,
            [this] { guarded([&] { tvwTreelaw_Click(); }); });
    connect(f.tvwTreelaw, &TreeControl::DblClick, this,
            [this] { guarded([&] { tvwTreelaw_DblClick(); }); });
    connect(f.tvwTreelaw, &TreeControl::KeyDown, this, [this](int code, Qt::KeyboardModifiers) {
        guarded([&] { tvwTreelaw_KeyDown(code); });
    });
    connect(f.tvwTreelaw, &TreeControl::MouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, const QPoint& p) {
                guarded([&] { tvwTreelaw_MouseUp(p); });
            });

    for (int i = 0; i < 2; ++i) {
        TreeControl* chart = f.tvwTreeschedule[static_cast<std::size_t>(i)];
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
    connect(f.brwWebBrowser3, &pages::PageViewer::GotFocus, this,
            [this] { m_context.state.gMainWindowActive = 1; });

    connect(m_picDrag, &SplitterBar::MouseMove, this, [this](int x) { picDrag_MouseMove(x); });
    connect(m_picDrag2, &SplitterBar::MouseMove, this, [this](int y) { picDrag2_MouseMove(y); });
}

} // namespace lexora::windows
