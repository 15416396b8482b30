// Topic keyword search: statement, ancestor walk, search fill.
#include "app/search/TopicKeywordSearch.h"

#include "app/search/FoldGreekText.h"
#include "app/search/HierarchySearch.h"
#include "app/search/SearchSupport.h"
#include "app/store/Statements.h"
#include "app/trees/TopicTreeFill.h"
#include "dbroutines/clsDBcond.h"

namespace lexora::search {

bool TreeView_with_search(trees::TreeControl& tvwTree, engine::Connection& connection,
                          const QString& l_text, bool pKeyWords) {
    Q_UNUSED(pKeyWords);
    const BusyPointer busy;
    const QString folded = FoldGreekText(l_text);
    const QString cond = dvDBrtns4::clsDBcond::BuildCond(QStringLiteral("KEYS.descr"), folded,
                                                         dvDBrtns4::opContains);
    return runTreeSearch(tvwTree, connection, cond, &trees::FillTopicTree, [&] {
        const ParentWalk walk{&store::topicAncestor, QStringLiteral("topic_id"),
                              QStringLiteral("topic_id_parent")};
        const HierarchyMatches found =
            collectHierarchyMatches(connection, store::topicKeywordSearch(cond), walk);
        trees::FillTopicTree(tvwTree, connection, found.matches, found.ancestorsCollected,
                             found.ancestors, false);
    });
}

} // namespace lexora::search
