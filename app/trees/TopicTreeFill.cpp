// The topic tree's fill: the shared hierarchy fill over table topic.
#include "app/trees/TopicTreeFill.h"

#include "app/trees/HierarchyFill.h"

namespace lexora::trees {

void FillTopicTree(TreeControl& tvwTree, engine::Connection& connection,
                   const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                   bool l_init_tree) {
    fill::fillHierarchy(tvwTree, connection, fill::topicTable(), init_topid, bExpand, a,
                        l_init_tree);
}

void AddChildrenNodes(TreeControl& tvwTree, engine::Connection& connection,
                      SearchIdList::Id ParentId, const SearchIdList& a, bool l_init_tree,
                      const SearchIdList& init_topid) {
    fill::addHierarchyChildren(tvwTree, connection, fill::topicTable(), ParentId, a, l_init_tree,
                               init_topid);
}

} // namespace lexora::trees
