// The search id lists and the marking of found nodes.
#include "app/trees/SearchIdList.h"
#include "app/trees/tests/FillTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace lexora::trees;

TEST(SearchIdList, HoldsAsManyWholeIdsAsASearchFinds) {
    SearchIdList list;
    for (SearchIdList::Id id = 1; id <= 5000; ++id)
        list.append(id * 20);
    EXPECT_EQ(list.size(), 5000u);
    EXPECT_TRUE(list.contains(100000));
    EXPECT_FALSE(list.contains(100000 - 65536));
    EXPECT_FALSE(list.contains(0));

    SearchIdList ancestors{std::numeric_limits<SearchIdList::Id>::max()};
    EXPECT_TRUE(ancestors.contains(std::numeric_limits<SearchIdList::Id>::max()));
    EXPECT_FALSE(ancestors.appendUnique(std::numeric_limits<SearchIdList::Id>::max()));
    EXPECT_TRUE(ancestors.appendUnique(-1));
    EXPECT_EQ(ancestors.ids(), (std::vector<SearchIdList::Id>{2147483647, -1}));
}

TEST(HighlightNode, MarksOnlyAListedNode) {
    fillstest::Tree tree;
    TreeNode* found = tree.addNode({}, "l70000", "Βρέθηκε", "open");
    TreeNode* other = tree.addNode({}, "l4464", "Άλλο", "open");
    const SearchIdList init_topid{12, 70000};

    HighlightNode(*found, 70000, init_topid);
    HighlightNode(*other, 4464, init_topid);

    EXPECT_EQ(found->backColor(), QColor(230, 207, 195));
    EXPECT_EQ(found->foreColor(), QColor(0, 0, 128));
    EXPECT_TRUE(found->isBold());
    EXPECT_FALSE(other->backColor().isValid());
    EXPECT_FALSE(other->foreColor().isValid());
    EXPECT_FALSE(other->isBold());
}
