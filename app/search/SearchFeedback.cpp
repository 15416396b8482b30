// The tree and box searched are those the dispatch chose for the same button
// and tab; the marking is read back from the tree, so that every search
// (database or title search) is counted the same way.
#include "app/search/SearchFeedback.h"

#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/trees/NodeMarking.h"
#include "platform/treeview/TreeControl.h"
#include "platform/treeview/TreeNode.h"

#include <QTreeWidgetItemIterator>

namespace lexora::search {

namespace {

struct Searched {
    shell::Tab tab = shell::Tab::Topics;
    int box = -1; // none searched
    FoundKind kind = FoundKind::Topics;
};

Searched searchedBy(const ProgramState& state, int Index) {
    if (Index == 0) {
        if (state.gOnTabOrganogramma_N)
            return {shell::Tab::ChartN, 0, FoundKind::ChartEntries};
        if (state.gOnTabOrganogramma_P)
            return {shell::Tab::ChartP, 0, FoundKind::ChartEntries};
        if (state.gOnTabThemata)
            return {shell::Tab::Topics, 0, FoundKind::Topics};
        if (state.gOnTabNomoi)
            return {shell::Tab::Laws, 0, FoundKind::Acts};
    } else if (Index == 1) {
        if (state.gOnTabThemata)
            return {shell::Tab::Topics, 1, FoundKind::Topics};
        if (state.gOnTabNomoi)
            return {shell::Tab::Laws, 1, FoundKind::Acts};
    }
    return {};
}

} // namespace

QString foundMessage(int count, FoundKind kind) {
    if (count <= 0)
        return QStringLiteral("Δεν βρέθηκε κανένα αποτέλεσμα");
    QString one;
    QString many;
    switch (kind) {
    case FoundKind::Topics:
    case FoundKind::ChartEntries:
        one = QStringLiteral("θέμα");
        many = QStringLiteral("θέματα");
        break;
    case FoundKind::Acts:
        one = QStringLiteral("νομοθέτημα");
        many = QStringLiteral("νομοθετήματα");
        break;
    }
    if (count == 1)
        return QStringLiteral("Βρέθηκε 1 ") + one;
    return QStringLiteral("Βρέθηκαν %1 ").arg(count) + many;
}

MarkedNodes markedNodes(const trees::TreeControl& tree) {
    MarkedNodes found;
    for (QTreeWidgetItemIterator it(const_cast<trees::TreeControl*>(&tree)); *it; ++it) {
        auto* node = dynamic_cast<trees::TreeNode*>(*it);
        if (node == nullptr || !node->isBold() || node->backColor() != trees::markedBackColor())
            continue;
        if (found.count++ == 0)
            found.first = node;
    }
    return found;
}

void reportSearch(shell::Panes& form, const startup::ProgramContext& context, int Index) {
    const Searched searched = searchedBy(context.state, Index);
    trees::TreeControl* tree = form.tabs.tree(searched.tab);
    if (searched.box < 0 || tree == nullptr)
        return;
    QString message;
    if (!form.tabs.searchText(searched.tab, searched.box).isEmpty()) {
        const MarkedNodes found = markedNodes(*tree);
        message = foundMessage(found.count, searched.kind);
        tree->setSelectedNode(found.first);
        if (found.first != nullptr)
            tree->scrollToItem(found.first, QAbstractItemView::PositionAtCenter);
    }
    form.tabs.setStatus(message);
}

} // namespace lexora::search
