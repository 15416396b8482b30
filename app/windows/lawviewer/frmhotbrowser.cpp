// The law viewer window: its controls, load, activation, unload and layout,
// and the single window the program keeps.
#include "app/windows/lawviewer/frmhotbrowser.h"

#include "platform/windowing/WindowPlacement.h"

#include "app/pages/PageStyling.h"
#include "app/pages/builders/LinkNavigation.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "platform/pageview/PageError.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

#include <cmath>

namespace lexora::windows {

using shell::kTwipsPerPixel;

namespace {

QPointer<frmhotbrowser> g_window;
LawViewerHooks g_hooks;

constexpr int kPanelHeight = 40; // pixels
constexpr int kButtonSize = 32;  // pixels
constexpr int kButtonTop = 4;    // pixels
constexpr int kGapTwips = 100;

int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}
int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QIcon themedIcon(const char* name, QStyle::StandardPixmap fallback, const QWidget* widget) {
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
    return icon.isNull() ? widget->style()->standardIcon(fallback) : icon;
}

} // namespace

void setLawViewerHooks(LawViewerHooks hooks) {
    g_hooks = std::move(hooks);
}

frmhotbrowser::frmhotbrowser(shell::Panes& form, startup::ProgramContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_form(form), m_context(context) {
    setObjectName(QStringLiteral("frmhotbrowser"));
    setWindowTitle(QStringLiteral("Περιγραφή Νομοθετήματος"));
    setAttribute(Qt::WA_DeleteOnClose);

    sspLaw = new QFrame(this);
    sspLaw->setObjectName(QStringLiteral("sspLaw"));
    sspLaw->setFrameShape(QFrame::StyledPanel);
    sspLaw->setGeometry(0, 0, 0, kPanelHeight);

    cmdpicsavewholelaw = new QToolButton(sspLaw);
    cmdpicsavewholelaw->setObjectName(QStringLiteral("cmdpicsavewholelaw"));
    cmdpicsavewholelaw->setToolTip(
        QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος στο Ιστορικό"));
    cmdpicsavewholelaw->setIcon(themedIcon("document-save", QStyle::SP_DialogSaveButton, this));
    cmdpicsavewholelaw->setIconSize(QSize(24, 24));
    cmdpicsavewholelaw->setGeometry(0, kButtonTop, kButtonSize, kButtonSize);

    cmdhotconnprint = new QToolButton(sspLaw);
    cmdhotconnprint->setObjectName(QStringLiteral("cmdhotconnprint"));
    cmdhotconnprint->setToolTip(QStringLiteral("Εκτύπωση Τρέχοντος Νομοθετήματος"));
    cmdhotconnprint->setIcon(themedIcon("document-print", QStyle::SP_FileIcon, this));
    cmdhotconnprint->setIconSize(QSize(24, 24));
    cmdhotconnprint->setGeometry(0, kButtonTop, kButtonSize, kButtonSize);

    cmdhotback = new QToolButton(sspLaw);
    cmdhotback->setObjectName(QStringLiteral("cmdhotback"));
    cmdhotback->setToolTip(QStringLiteral("Προηγούμενο Νομοθέτημα (Alt+Αριστερό βέλος)"));
    cmdhotback->setIcon(themedIcon("go-previous", QStyle::SP_ArrowBack, this));
    cmdhotback->setIconSize(QSize(24, 24));
    cmdhotback->setGeometry(pixels(kGapTwips), kButtonTop, kButtonSize, kButtonSize);
    cmdhotforward = new QToolButton(sspLaw);
    cmdhotforward->setObjectName(QStringLiteral("cmdhotforward"));
    cmdhotforward->setToolTip(QStringLiteral("Επόμενο Νομοθέτημα (Alt+Δεξί βέλος)"));
    cmdhotforward->setIcon(themedIcon("go-next", QStyle::SP_ArrowForward, this));
    cmdhotforward->setIconSize(QSize(24, 24));
    cmdhotforward->setGeometry(pixels(kGapTwips) + kButtonSize + 4, kButtonTop, kButtonSize,
                               kButtonSize);
    updateTrailButtons();
    connect(cmdhotback, &QToolButton::clicked, this, &frmhotbrowser::GoBack);
    connect(cmdhotforward, &QToolButton::clicked, this, &frmhotbrowser::GoForward);
    for (const auto& [keys, action] :
         {std::pair{QKeySequence(QKeySequence::Back), &frmhotbrowser::GoBack},
          std::pair{QKeySequence(QKeySequence::Forward), &frmhotbrowser::GoForward}}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }

    brwhotbrowser = new pages::PageViewer(this);
    brwhotbrowser->setObjectName(QStringLiteral("brwhotbrowser"));
    rtbhotBrowser = new richtext::DocumentBox(this);
    rtbhotBrowser->setObjectName(QStringLiteral("rtbhotBrowser"));
    rtbhotBrowser->hide();
    brwFilehotbrowser = new pages::PageViewer(this);
    brwFilehotbrowser->setObjectName(QStringLiteral("brwFilehotbrowser"));
    brwFilehotbrowser->hide();

    connect(brwhotbrowser, &pages::PageViewer::BeforeNavigate2, this,
            [this](const QString& address, bool& cancel) {
                pages::brwhotbrowser_BeforeNavigate2(m_form, m_context, *brwhotbrowser, address,
                                                     cancel);
                if (cancel) { // an act link was followed
                    m_trail.visit(m_context.state.gViewerLawId);
                    updateTrailButtons();
                }
            });
    connect(brwhotbrowser, &pages::PageViewer::DocumentComplete, this,
            [this] { brwhotbrowser_DocumentComplete(); });
    connect(brwFilehotbrowser, &pages::PageViewer::NavigateComplete2, this,
            [this] { pages::set_style(*brwFilehotbrowser); });
    connect(cmdpicsavewholelaw, &QToolButton::clicked, this, [] {
        if (g_hooks.saveAct)
            g_hooks.saveAct();
    });
    connect(cmdhotconnprint, &QToolButton::clicked, this, [this] {
        if (g_hooks.print)
            g_hooks.print(*this);
    });

    resize(800, 600);
}

frmhotbrowser::~frmhotbrowser() {
    if (g_window == this)
        g_window = nullptr;
}

void frmhotbrowser::Form_Load() {
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_form.tabs.currentTab() == shell::Tab::History) {
        cmdpicsavewholelaw->hide();
        cmdpicsavewholelaw->setEnabled(false);
        Form_Resize();
    }
    if (m_context.state.gViewerLawId != 0)
        m_trail.visit(m_context.state.gViewerLawId);
    updateTrailButtons();
    brwhotbrowser->Navigate(QStringLiteral("about:blank"));
}

void frmhotbrowser::GoBack() {
    showTrailAct(m_trail.back());
}

void frmhotbrowser::GoForward() {
    showTrailAct(m_trail.forward());
}

void frmhotbrowser::showTrailAct(std::optional<std::int32_t> id) {
    if (!id)
        return;
    pages::showActInLawViewer(m_form, m_context, *brwhotbrowser, *id);
    updateTrailButtons();
}

void frmhotbrowser::updateTrailButtons() {
    cmdhotback->setEnabled(m_trail.canGoBack());
    cmdhotforward->setEnabled(m_trail.canGoForward());
}

void frmhotbrowser::brwhotbrowser_DocumentComplete() {
    if (!m_context.state.gPageHtml.isEmpty())
        pages::WritePendingPage(m_context, *brwhotbrowser);
}

void frmhotbrowser::Form_Activate() {
    m_context.state.gViewerActive = 1;
    m_context.state.gCurrentLawId = m_context.state.gViewerLawId;
}

void frmhotbrowser::Form_Deactivate() {
    m_context.state.gViewerActive = 0;
}

void frmhotbrowser::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (g_window == this)
        g_window = nullptr;
    m_context.state.gViewerActive = 0;
    if (g_hooks.saveHistory)
        g_hooks.saveHistory();
}

void frmhotbrowser::Form_Resize() {
    const int w = twips(width());
    const int h = twips(height());
    const int p = twips(sspLaw->height());

    sspLaw->setGeometry(0, 0, pixels(w), sspLaw->height());
    const int displayHeight = h - p > 0 ? pixels(h - p) : -1;
    for (QWidget* display :
         std::initializer_list<QWidget*>{brwhotbrowser, rtbhotBrowser, brwFilehotbrowser}) {
        display->setGeometry(0, pixels(p), pixels(w),
                             displayHeight >= 0 ? displayHeight : display->height());
    }

    const int panelWidth = twips(sspLaw->width());
    const int saveWidth = twips(cmdpicsavewholelaw->width());
    int saveLeft = twips(cmdpicsavewholelaw->x());
    if (panelWidth - saveWidth - kGapTwips > 0) {
        saveLeft = panelWidth - saveWidth - kGapTwips;
        cmdpicsavewholelaw->move(pixels(saveLeft), cmdpicsavewholelaw->y());
    }
    if (!cmdpicsavewholelaw->isHidden()) {
        if (saveLeft - saveWidth - kGapTwips > 0)
            cmdhotconnprint->move(pixels(saveLeft - saveWidth - kGapTwips), cmdhotconnprint->y());
    } else {
        cmdhotconnprint->move(cmdpicsavewholelaw->x(), cmdhotconnprint->y());
    }
}

void frmhotbrowser::showEvent(QShowEvent* event) {
    Form_Load();
    QWidget::showEvent(event);
}

void frmhotbrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmhotbrowser::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            Form_Activate();
        else
            Form_Deactivate();
    }
    QWidget::changeEvent(event);
}

void frmhotbrowser::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

frmhotbrowser* openLawViewer() {
    return g_window.data();
}

frmhotbrowser& lawViewer(shell::Panes& form, startup::ProgramContext& context) {
    if (!g_window) {
        g_window = new frmhotbrowser(form, context, form.window);
        if (g_hooks.created)
            g_hooks.created(*g_window);
    }
    return *g_window;
}

void unloadLawViewer() {
    frmhotbrowser* window = g_window.data();
    if (!window)
        return;
    window->Form_Unload();
    delete window;
}

frmhotbrowser& showLawViewer(shell::Panes& form, startup::ProgramContext& context) {
    frmhotbrowser& window = lawViewer(form, context);
    const bool opening = !window.isVisible();
    window.Form_Load();
    if (opening)
        windowing::centreOver(window, form.window);
    window.show();
    return window;
}

} // namespace lexora::windows
