// Building frmInitial: its controls, their names, captions, tool tips,
// pictures and colours, and the connection of their events to the handlers.
#include "app/windows/frmInitial.h"

#include "app/shell/PaneBuilding.h"
#include "app/shell/Twips.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/SplitterBar.h"
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

using shell::px;

namespace {

const QColor kWindowColour(146, 132, 131); // 8619154 as 0x00BBGGRR
const QColor kTabColour(177, 149, 138);    // SSTab1 background
const QColor kTabTextColour(112, 85, 75);  // SSTab1 text
const QColor kPanelTextColour(62, 42, 34); // captions on the panels

constexpr int kToolbarHeight = 46;

} // namespace

frmInitial::frmInitial(startup::ProgramContext& context,
                       const startup::ApplicationSettings* settings)
    : m_context(context), m_settings(settings),
      m_edition(editionFor(context.state.applicationTitle)) {
    setObjectName(QStringLiteral("frmInitial"));
    setWindowTitle(context.state.applicationTitle);
    setWindowIcon(shell::windowIcon("appicon"));
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
        return shell::windowIcon("logo_p");
    case EditionLogo::Other:
        return shell::windowIcon("logo_n");
    case EditionLogo::Designed:
        break;
    }
    return shell::windowIcon("logo");
}

void frmInitial::buildControls() {
    buildToolbar();
    m_form = std::make_unique<shell::Panes>(this, shell::TabCaptions{kCaptionChart, kCaptionTopics,
                                                                     kCaptionLaws, kCaptionChart,
                                                                     kCaptionHistory});
    // The splitters and the toolbar stand over the panes.
    m_picDrag2 = shell::named(new SplitterBar(Qt::Horizontal, this), QStringLiteral("picDrag2"));
    m_chrome.picDrag2 = m_picDrag2;
    m_picDrag = shell::named(new SplitterBar(Qt::Vertical, this), QStringLiteral("picDrag"));
    m_chrome.picDrag = m_picDrag;
}

void frmInitial::buildToolbar() {
    m_chrome.sspToolbar = shell::named(new QFrame(this), QStringLiteral("sspToolbar"));
    m_chrome.sspToolbar->setAutoFillBackground(true);
    m_chrome.sspToolbar->setGeometry(0, 0, width(), kToolbarHeight);

    m_chrome.imLogo = shell::named(new QLabel(m_chrome.sspToolbar), QStringLiteral("imLogo"));
    m_logoDesigned = logoPicture(EditionLogo::Designed);
    m_chrome.imLogo->setPixmap(m_logoDesigned.pixmap(QSize(180, 36)));
    m_chrome.imLogo->setGeometry(px(100), (kToolbarHeight - 36) / 2, 180, 36);

    static const char* const pictures[] = {"help", "about", "settings", "exit"};
    // The designed captions, with a letter underlined for Alt.
    static const QString captions[] = {QStringLiteral("&Βοήθεια"),
                                       QStringLiteral("&Για την εφαρμογή"),
                                       QStringLiteral("&Ρυθμίσεις"), QStringLiteral("Έ&ξοδος")};
    for (int i = 0; i < 4; ++i) {
        auto* button =
            shell::named(new QToolButton(m_chrome.sspToolbar), shell::indexed("cmdtoolbar", i));
        button->setText(captions[i]);
        button->setIcon(shell::windowIcon(pictures[i]));
        button->setIconSize(QSize(22, 22));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->resize(button->sizeHint().width() + 6, kToolbarHeight - 10);
        m_chrome.cmdtoolbar[static_cast<std::size_t>(i)] = button;
    }
}

void frmInitial::applyColours() {
    shell::Panes& f = *m_form;
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
    shell::Panes& f = *m_form;
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
    connect(&f.tabs, &shell::NavigationTabs::searchRequested, this, [this](int i) {
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
