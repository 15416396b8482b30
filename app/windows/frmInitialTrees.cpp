// The mouse and keyboard handlers of the four navigation trees: a click
// shows the page of the selected node, or blanks the pages when no node is
// selected; Up and Down (and Enter in the topic tree) act as a click; a
// mouse button released over empty space empties the selection first.
#include "app/windows/frmInitial.h"

#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/TreeControl.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace lexora::windows {

namespace {

const QString kBlank = QStringLiteral("about:blank");

bool isArrowKey(int keyCode) {
    return keyCode == trees::vbKeyUp || keyCode == trees::vbKeyDown;
}

} // namespace

void frmInitial::emptySelectionWhenMissed(trees::TreeControl& tree, const QPoint& point) {
    if (tree.hitTest(point) == nullptr)
        tree.setSelectedNode(nullptr);
}

// Topic tree.

void frmInitial::tvwTree_Click() {
    if (trees::TreeNode* node = m_form->tabs.tvwTree->selectedNode()) {
        if (m_hooks.showTopicPage)
            m_hooks.showTopicPage(*node);
        return;
    }
    blankTopicPages();
}

void frmInitial::tvwTree_KeyDown(int keyCode) {
    if (isArrowKey(keyCode))
        tvwTree_Click();
}

void frmInitial::tvwTree_KeyPress(int keyAscii) {
    if (keyAscii == trees::vbKeyReturn)
        tvwTree_Click();
}

void frmInitial::tvwTree_MouseUp(const QPoint& point) {
    emptySelectionWhenMissed(*m_form->tabs.tvwTree, point);
}

void frmInitial::blankTopicPages() {
    shell::Panes& f = *m_form;
    f.page.brwWebBrowser1->Navigate2(kBlank);
    f.page.brwWebBrowser2->show();
    f.page.brwWebBrowser2->Navigate2(kBlank);
    f.page.brwWebBrowserLawFile->hide();
    f.page.rtbWordLawTopic->hide();
}

// Legislation tree.

void frmInitial::tvwTreelaw_Click() {
    m_form->page.cmbLexoraAbstracts->clear();
    if (trees::TreeNode* node = m_form->tabs.tvwTreelaw->selectedNode()) {
        if (m_hooks.showLawTreeNode)
            m_hooks.showLawTreeNode(*node);
        return;
    }
    blankLawPage();
}

void frmInitial::tvwTreelaw_DblClick() {
    m_form->page.cmbLexoraAbstracts->clear();
}

void frmInitial::tvwTreelaw_KeyDown(int keyCode) {
    if (isArrowKey(keyCode))
        tvwTreelaw_Click();
}

void frmInitial::tvwTreelaw_MouseUp(const QPoint& point) {
    emptySelectionWhenMissed(*m_form->tabs.tvwTreelaw, point);
}

void frmInitial::blankLawPage() {
    shell::Panes& f = *m_form;
    f.page.brwWebBrowser3->show();
    f.page.brwWebBrowser3->Navigate2(kBlank);
    f.page.brwWebBrowserLawFile->hide();
    f.page.rtbWordLaw->hide();
}

// Organisation-chart trees.

void frmInitial::tvwTreeschedule_Click(int index) {
    trees::TreeControl* tree = m_form->tabs.tvwTreeschedule[index == 0 ? 0 : 1];
    if (trees::TreeNode* node = tree->selectedNode()) {
        if (m_hooks.showSchedulePage)
            m_hooks.showSchedulePage(*node, index);
    } else {
        blankChartPages();
    }
    m_form->page.lblDocument->setText(QString());
}

void frmInitial::tvwTreeschedule_KeyDown(int index, int keyCode) {
    if (isArrowKey(keyCode))
        tvwTreeschedule_Click(index);
}

void frmInitial::tvwTreeschedule_MouseUp(int index, const QPoint& point) {
    emptySelectionWhenMissed(*m_form->tabs.tvwTreeschedule[index == 0 ? 0 : 1], point);
}

void frmInitial::blankChartPages() {
    shell::Panes& f = *m_form;
    f.page.brwWebBrowser1->Navigate2(kBlank);
    f.page.brwWebBrowser2->Navigate2(kBlank);
    f.page.rtbWord->SetText(QString());
    f.page.cmdpicWordlaw->setIcon(f.page.imListDocuments[3]);
}

} // namespace lexora::windows
