// frmInitial's arrangement: the resize step, the layout of the current tab
// with its focus order, and the two splitters. The controls of the right pane
// are placed by hand, all in the window's own coordinates, because the
// document boxes, the file viewer and the progress bar are laid over a
// viewer by taking its position and size.
#include "app/windows/frmInitial.h"

#include "app/shell/Twips.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/SplitterBar.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/TreeControl.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

namespace lexora::windows {

using shell::kTwipsPerPixel;
using shell::px;

namespace {

constexpr int kPanelHeight = 34;
constexpr int kSplitterThickness = 6;
// The smallest right pane: at this width and height both viewers keep room
// for several lines beside and below their panels (about 250 and 170 pixels
// high at the first split).
constexpr int kMinimumViewerWidth = 360;
constexpr int kMinimumWindowHeight = 560;
const QString kBlank = QStringLiteral("about:blank");

bool shown(const QWidget* w) {
    return !w->isHidden();
}

} // namespace

void frmInitial::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resizeStep();
}

QSize frmInitial::minimumWindowSize() const {
    // The toolbar: the logo, then the buttons with their gaps, from the right.
    int toolbar = m_chrome.imLogo->x() + m_chrome.imLogo->width() + px(200);
    for (const QToolButton* b : m_chrome.cmdtoolbar)
        toolbar += b->width() + px(200);
    // The tab control at its designed width and a right pane that still
    // shows a line of text and its buttons.
    const int panes =
        px(60) + px(6700) + kSplitterThickness + px(25) + kMinimumViewerWidth + px(60);
    return {std::max(toolbar, panes), kMinimumWindowHeight};
}

void frmInitial::resizeStep() {
    // 1. Nothing while loading, nor in a window too low to arrange.
    if (m_loading || height() * kTwipsPerPixel < 5000)
        return;
    shell::Panes& f = *m_form;

    // 3, 4. The toolbar across the top, its buttons from the right.
    placeToolbar();

    // 5. The tab control keeps its top and left and reaches the bottom.
    const QRect tab = f.tabs.SSTab1->geometry();
    const int tabTop = m_chrome.sspToolbar->height() + px(60);
    const int tabHeight = innerHeight() - tabTop;
    if (tabHeight > 0)
        f.tabs.SSTab1->setGeometry(tab.left() > 0 ? tab.left() : px(60), tabTop,
                                   tab.width() > 0 ? tab.width() : px(6700), tabHeight);

    // 6, 7. The splitter and the right pane.
    placeRightPane();

    f.tabs.lblStatus->setGeometry(px(60), innerHeight(), width() - px(120), kStatusHeight);

    // 8, 9.
    ApplyTabLayout();
    restoreTabState();
}

void frmInitial::placeToolbar() {
    m_chrome.sspToolbar->setGeometry(0, 0, width(), m_chrome.sspToolbar->height());
    int right = width() - px(200);
    for (int i = 3; i >= 0; --i) {
        QToolButton* b = m_chrome.cmdtoolbar[static_cast<std::size_t>(i)];
        b->move(right - b->width(), (m_chrome.sspToolbar->height() - b->height()) / 2);
        right = b->x() - px(200);
    }
    m_chrome.imLogo->move(px(100), m_chrome.imLogo->y());
}

void frmInitial::placeRightPane() {
    shell::Panes& f = *m_form;
    const QRect tab = f.tabs.SSTab1->geometry();
    m_picDrag->setGeometry(tab.right() + 1, tab.top(), kSplitterThickness, tab.height());

    const int left = m_picDrag->geometry().right() + 1 + px(25);
    const int width = std::max(1, this->width() - px(60) - left);
    const int top = tab.top();
    const int bottom = innerHeight() - px(100); // the viewers end 100 twips above the bottom

    f.page.sspAbstract->setGeometry(left, top, width, kPanelHeight);
    const int upperTop = top + kPanelHeight;

    // The horizontal splitter keeps its place while the window allows it.
    const int lowest = innerHeight() - px(2000);
    const int highest = upperTop + px(500);
    if (m_splitTop < 0)
        m_splitTop = upperTop + (bottom - upperTop) * 55 / 100;
    m_splitTop = std::max(highest, std::min(m_splitTop, lowest));

    f.page.brwWebBrowser1->setGeometry(left, upperTop, width, std::max(1, m_splitTop - upperTop));
    m_picDrag2->setGeometry(left, m_splitTop, width, kSplitterThickness);
    f.page.sspLaw->setGeometry(left, m_splitTop + kSplitterThickness, width, kPanelHeight);
    const int lowerTop = f.page.sspLaw->geometry().bottom() + 1;
    const QRect lower(left, lowerTop, width, std::max(1, bottom - lowerTop));
    const QRect whole(left, upperTop, width, std::max(1, bottom - upperTop));

    f.page.brwWebBrowser2->setGeometry(lower);
    f.page.rtbWordLawTopic->setGeometry(lower);
    f.page.rtbWord->setGeometry(lower);
    f.page.brwWebBrowser3->setGeometry(whole);
    f.page.rtbWordLaw->setGeometry(whole);
    // The file viewer covers the act viewer of the tab it serves.
    const QString caption = currentTabCaption();
    f.page.brwWebBrowserLawFile->setGeometry(
        caption == kCaptionLaws || caption == kCaptionHistory ? whole : lower);
}

void frmInitial::restoreTabState() {
    ProgramState& state = m_context.state;
    const QString caption = currentTabCaption();
    state.gOnTabThemata = false;
    state.gOnTabNomoi = false;
    state.gOnTabOrganogramma_P = false;
    state.gOnTabOrganogramma_N = false;
    if (isChartCaption(caption)) {
        if (state.isPrimaryOrSecondary()) {
            state.gOnTabOrganogramma_P = true;
            state.gCurrentLawId = state.gScheduleLawIdP;
        } else {
            state.gOnTabOrganogramma_N = true;
            state.gCurrentLawId = state.gScheduleLawIdN;
        }
    } else if (caption == kCaptionTopics) {
        state.gOnTabThemata = true;
        state.gCurrentLawId = state.gTopicsLawId;
    } else if (caption == kCaptionLaws) {
        state.gOnTabNomoi = true;
        state.gCurrentLawId = state.gLegislationLawId;
    }
    if (caption == kCaptionHistory || caption == kCaptionLaws)
        m_form->page.brwWebBrowser3->Navigate2(kBlank);
}

void frmInitial::ApplyTabLayout() {
    shell::Panes& f = *m_form;
    const QString caption = currentTabCaption();
    const bool topics = caption == kCaptionTopics;
    const bool laws = caption == kCaptionLaws;
    const bool history = caption == kCaptionHistory;
    const bool chart = isChartCaption(caption);

    // 1.
    f.page.cmbLexoraAbstracts->clear();

    // 2. Search frames.
    f.tabs.frSearch->setVisible(topics);
    f.tabs.frsearchlaw->setVisible(laws);
    f.tabs.frSearchSchedule[0]->hide();
    f.tabs.frSearchSchedule[1]->hide();
    // The frame on the edition's own chart tab (tab 3 holds frame 0, tab 0
    // frame 1), so that every edition sees its chart search box.
    const int chartIndex = m_edition.usesChartTabP ? 0 : 1;
    QFrame* chartFrame = f.tabs.frSearchSchedule[static_cast<std::size_t>(chartIndex)];
    if (chart)
        chartFrame->show();

    // 3.
    f.page.lblDocument->setVisible(chart);

    // 4. Search buttons, inside the frame of the tab beside its boxes.
    f.tabs.cmdsearch[0]->setVisible(!history);
    f.tabs.cmdsearch[1]->setVisible(topics || laws);
    if (topics)
        placeSearchButtons(f.tabs.frSearch, f.tabs.txtsearch[0], f.tabs.txtsearch[1]);
    else if (laws)
        placeSearchButtons(f.tabs.frsearchlaw, f.tabs.txtsearchlaw[0], f.tabs.txtsearchlaw[1]);
    else if (chart)
        placeSearchButtons(chartFrame,
                           f.tabs.txtsearchSchedule[static_cast<std::size_t>(chartIndex)], nullptr);

    // 5. Command buttons.
    f.page.cmdpicprintabstr->setVisible(!history && !laws);
    f.page.cmdpiclawhist->setVisible(history || laws);
    f.page.cmdpicsavewholelaw->setVisible(laws);
    f.page.Cmddelete->setVisible(history);
    f.page.cmdpichistory->setVisible(topics);
    f.page.cmdpiclaw->setVisible(topics);
    f.page.cmdpicWordlaw->setVisible(chart);
    m_form->page.lblAbstract->setText(history || laws ? QStringLiteral(" Νομοθέτημα")
                                                      : QStringLiteral(" Περίληψη"));

    // 6. Viewers.
    f.page.brwWebBrowser1->setVisible(!history && !laws);
    f.page.brwWebBrowser2->setVisible(!history && !laws);
    if (topics && !shown(f.page.brwWebBrowserLawFile) && !f.page.rtbWordLawTopic->isEnabled()) {
        f.page.brwWebBrowserLawFile->hide();
        f.page.brwWebBrowser2->show();
    }
    f.page.brwWebBrowser3->setVisible(history || laws);
    m_picDrag2->setVisible(shown(f.page.brwWebBrowser2));
    f.page.sspLaw->setVisible(shown(f.page.brwWebBrowser2));
    placeRightPane();

    // 7. Focus order.
    QList<QWidget*> block;
    if (topics)
        block = {f.tabs.txtsearch[0], f.tabs.cmdsearch[0], f.tabs.txtsearch[1],
                 f.tabs.cmdsearch[1], f.tabs.tvwTree,      f.page.cmdpicprintabstr,
                 f.page.cmdpiclaw,    f.page.cmdpichistory};
    else if (laws)
        block = {f.tabs.txtsearchlaw[0], f.tabs.cmdsearch[0],       f.tabs.txtsearchlaw[1],
                 f.tabs.cmdsearch[1],    f.page.cmbLexoraAbstracts, f.tabs.tvwTreelaw,
                 f.page.cmdpiclawhist,   f.page.cmdpicsavewholelaw};
    else if (history)
        block = {f.tabs.lsthistory, f.page.cmdpiclawhist, f.page.Cmddelete};
    else if (chart)
        block = {f.tabs.txtsearchSchedule[static_cast<std::size_t>(chartIndex)],
                 f.tabs.cmdsearch[0], f.tabs.tvwTreeschedule[static_cast<std::size_t>(chartIndex)],
                 f.page.cmdpicprintabstr, f.page.cmdpicWordlaw};
    applyFocusOrder(block);
}

void frmInitial::placeSearchButtons(QFrame* frame, QWidget* upperBox, QWidget* lowerBox) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    const auto place = [&](QToolButton* button, QWidget* box) {
        if (box == nullptr)
            return;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(box), &row, &column, &rowSpan, &columnSpan);
        if (button->parentWidget() != frame) {
            if (QWidget* old = button->parentWidget(); old != nullptr && old->layout() != nullptr)
                old->layout()->removeWidget(button);
            button->setParent(frame);
        }
        grid->addWidget(button, row, 1);
        button->setVisible(true);
    };
    place(m_form->tabs.cmdsearch[0], upperBox);
    place(m_form->tabs.cmdsearch[1], lowerBox);
    if (lowerBox == nullptr)
        m_form->tabs.cmdsearch[1]->hide();
}

void frmInitial::applyFocusOrder(const QList<QWidget*>& block) {
    if (block.isEmpty())
        return;
    // The block goes where the first of its controls stands in the chain.
    QWidget* first = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (block.contains(w)) {
            first = w;
            break;
        }
    }
    if (first == nullptr)
        return;
    QWidget* before = first->previousInFocusChain();
    if (before != this && !block.contains(before))
        QWidget::setTabOrder(before, block.front());
    for (qsizetype i = 0; i + 1 < block.size(); ++i)
        QWidget::setTabOrder(block[i], block[i + 1]);
}

bool frmInitial::picDrag_MouseMove(int x) {
    const int newLeft = m_picDrag->x() + x;
    const int inner = width();
    if (newLeft * 5 < inner || newLeft * 3 > inner * 2)
        return false;
    QRect tab = m_form->tabs.SSTab1->geometry();
    if (tab.width() + x > 0) {
        tab.setWidth(tab.width() + x);
        m_form->tabs.SSTab1->setGeometry(tab);
    }
    placeRightPane();
    return true;
}

int frmInitial::leftPaneWidth() const {
    return m_form->tabs.SSTab1->width();
}

void frmInitial::restoreSplitters(int leftPaneWidth, int splitTop) {
    const int inner = width();
    if (leftPaneWidth > 0 && leftPaneWidth * 5 >= inner && leftPaneWidth * 3 <= inner * 2) {
        QRect tab = m_form->tabs.SSTab1->geometry();
        tab.setWidth(leftPaneWidth);
        m_form->tabs.SSTab1->setGeometry(tab);
    }
    if (splitTop > 0)
        m_splitTop = splitTop; // the layout keeps it within the window
    resizeStep();
}

bool frmInitial::picDrag2_MouseMove(int y) {
    const int newTop = m_picDrag2->y() + y;
    const QRect upper = m_form->page.brwWebBrowser1->geometry();
    if (newTop < upper.top() + upper.height() / 5 + px(500))
        return false;
    if (newTop > innerHeight() - px(2000))
        return false;
    m_splitTop = newTop;
    placeRightPane();
    return true;
}

} // namespace lexora::windows
