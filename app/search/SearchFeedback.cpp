// The tree and box searched are those the dispatch chose for the same button
// and tab; the marking is read back from the tree, so that every search
// (database or title search) is counted the same way.
#include "app/search/SearchFeedback.h"

#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/trees/NodeMarking.h"
#include "platform/treeview/TreeControl.h"
#include "platform/treeview/TreeNode.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidgetItemIterator>

namespace lexora::search {

namespace {

struct Searched {
    trees::TreeControl* tree = nullptr;
    QLineEdit* box = nullptr;
    FoundKind kind = FoundKind::Topics;
};

Searched searchedBy(shell::Panes& f, const ProgramState& state, int Index) {
    if (Index == 0) {
        if (state.gOnTabOrganogramma_N)
            return {f.tabs.tvwTreeschedule[1], f.tabs.txtsearchSchedule[1],
                    FoundKind::ChartEntries};
        if (state.gOnTabOrganogramma_P)
            return {f.tabs.tvwTreeschedule[0], f.tabs.txtsearchSchedule[0],
                    FoundKind::ChartEntries};
        if (state.gOnTabThemata)
            return {f.tabs.tvwTree, f.tabs.txtsearch[0], FoundKind::Topics};
        if (state.gOnTabNomoi)
            return {f.tabs.tvwTreelaw, f.tabs.txtsearchlaw[0], FoundKind::Acts};
    } else if (Index == 1) {
        if (state.gOnTabThemata)
            return {f.tabs.tvwTree, f.tabs.txtsearch[1], FoundKind::Topics};
        if (state.gOnTabNomoi)
            return {f.tabs.tvwTreelaw, f.tabs.txtsearchlaw[1], FoundKind::Acts};
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
    const Searched searched = searchedBy(form, context.state, Index);
    if (searched.tree == nullptr || searched.box == nullptr)
        return;
    QString message;
    if (!searched.box->text().trimmed().isEmpty()) {
        const MarkedNodes found = markedNodes(*searched.tree);
        message = foundMessage(found.count, searched.kind);
        searched.tree->setSelectedNode(found.first);
        if (found.first != nullptr)
            searched.tree->scrollToItem(found.first, QAbstractItemView::PositionAtCenter);
    }
    if (form.tabs.lblStatus)
        form.tabs.lblStatus->setText(message);
}

} // namespace lexora::search
