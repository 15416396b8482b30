// The topic tree's fill: keys, texts and sibling order, images after a full
// fill, the marking and opening of a search fill, rows that must never
// appear, a cycle in the parent column and an error in the middle of a fill.
#include "app/trees/TopicTreeFill.h"
#include "app/trees/tests/FillTestSupport.h"

#include "engine/EngineError.h"

#include <gtest/gtest.h>

using namespace lexora::trees;
using fillstest::outline;

namespace {

// Siblings ordered by all three order columns; an orphan (parent 99) and a
// topic that is its own parent; ids beyond 16 bits (70000 = 4464 + 65536).
const char* const Topics = R"SQL(
INSERT INTO topic VALUES (1, 0, 'Εκπαιδευτικοί', 1, 0, 0);
INSERT INTO topic VALUES (2, 0, 'Μαθητές', 1, 0, 1);
INSERT INTO topic VALUES (3, 1, 'Άδειες', 2, 0, 0);
INSERT INTO topic VALUES (4, 1, 'Μεταθέσεις', 1, 5, 0);
INSERT INTO topic VALUES (5, 1, 'Αποσπάσεις', 1, 2, 0);
INSERT INTO topic VALUES (6, 3, 'Κανονική άδεια', 1, 0, 0);
INSERT INTO topic VALUES (7, 2, 'Εγγραφές', 1, 0, 0);
INSERT INTO topic VALUES (8, 99, 'Ορφανό', 0, 0, 0);
INSERT INTO topic VALUES (9, 9, 'Αυτοαναφορά', 0, 0, 0);
INSERT INTO topic VALUES (40000, 0, 'Υπηρεσίες', 3, 0, 0);
INSERT INTO topic VALUES (70000, 40000, 'Γραμματεία', 1, 0, 0);
INSERT INTO topic VALUES (4464, 0, 'Σύλλογοι', 2, 0, 0);
)SQL";

const QStringList FullOutline = {
    "l1 closed", "  l5 open", "  l4 open",  "  l3 closed",   "    l6 open",
    "l2 closed", "  l7 open", "l4464 open", "l40000 closed", "  l70000 open",
};

class TopicTreeFillTest : public ::testing::Test {
protected:
    fillstest::FilledDatabase data{QString::fromUtf8(Topics)};
    fillstest::Tree tvwTree;
};

} // namespace

TEST_F(TopicTreeFillTest, FullFillAddsEveryReachableTopicInSiblingOrderCollapsed) {
    FillTopicTree(tvwTree, data.connection, {}, false, {}, true);

    EXPECT_EQ(outline(tvwTree), FullOutline);
    EXPECT_EQ(tvwTree.node("l3")->text(), "Άδειες");
    EXPECT_EQ(tvwTree.node("l70000")->text(), "Γραμματεία");
    EXPECT_EQ(tvwTree.node("l6")->parentNode(), tvwTree.node("l3"));
    // Reached from 0 downwards only: an orphan and a topic that is its own
    // parent never appear.
    EXPECT_EQ(tvwTree.node("l8"), nullptr);
    EXPECT_EQ(tvwTree.node("l9"), nullptr);
    EXPECT_EQ(tvwTree.nodeCount(), FullOutline.size());
}

TEST_F(TopicTreeFillTest, SearchFillMarksFoundTopicsAndOpensTheListedBranches) {
    const struct {
        const char* what;
        SearchIdList marked;
        bool expand;
        SearchIdList open;
        QStringList expected;
    } cases[] = {
        {"a topic deep down opens every branch above it",
         {6},
         true,
         {3, 1},
         {"l1 open +", "  l5 open", "  l4 open", "  l3 open +", "    l6 open *", "l2 closed",
          "  l7 open", "l4464 open", "l40000 closed", "  l70000 open"}},
        {"a found top-level topic is marked but stays collapsed",
         {1},
         false,
         {},
         {"l1 closed *", "  l5 open", "  l4 open", "  l3 closed", "    l6 open", "l2 closed",
          "  l7 open", "l4464 open", "l40000 closed", "  l70000 open"}},
        {"a found top-level topic that is also an ancestor opens",
         {1, 6},
         true,
         {3, 1},
         {"l1 open + *", "  l5 open", "  l4 open", "  l3 open +", "    l6 open *", "l2 closed",
          "  l7 open", "l4464 open", "l40000 closed", "  l70000 open"}},
        {"without the expand flag a listed top-level topic stays collapsed",
         {},
         false,
         {2},
         {"l1 closed", "  l5 open", "  l4 open", "  l3 closed", "    l6 open", "l2 closed",
          "  l7 open", "l4464 open", "l40000 closed", "  l70000 open"}},
        {"ids beyond 16 bits are compared by their whole value",
         {70000, 70000},
         true,
         {40000},
         {"l1 closed", "  l5 open", "  l4 open", "  l3 closed", "    l6 open", "l2 closed",
          "  l7 open", "l4464 open", "l40000 open +", "  l70000 open *"}},
        {"a small id does not mark the large id it would wrap to",
         {4464},
         false,
         {},
         {"l1 closed", "  l5 open", "  l4 open", "  l3 closed", "    l6 open", "l2 closed",
          "  l7 open", "l4464 open *", "l40000 closed", "  l70000 open"}},
        {"a search that found nothing shows the tree as a full fill does",
         {},
         false,
         {},
         FullOutline},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tvwTree.clearNodes();
        FillTopicTree(tvwTree, data.connection, c.marked, c.expand, c.open, false);
        EXPECT_EQ(outline(tvwTree), c.expected);
    }
}

TEST_F(TopicTreeFillTest, AddChildrenNodesStopsAtATopicThatIsItsOwnParent) {
    tvwTree.addNode({}, "l9", "Αυτοαναφορά", "open");
    EXPECT_NO_THROW(AddChildrenNodes(tvwTree, data.connection, 9, {}, true, {}));
    EXPECT_EQ(outline(tvwTree), QStringList{"l9 open"});
}

TEST(TopicTreeFillCycles, ATopicMetAgainIsNeitherAddedTwiceNorDescendedInto) {
    // A table without a key, as an imported file may have: topic 1 is also a
    // child of its own child 2, and topic 2 is also stored under topic 3.
    fillstest::FilledDatabase data(QStringLiteral(R"SQL(
        DROP TABLE topic;
        CREATE TABLE topic (topic_id INTEGER, topic_id_parent INTEGER, descr TEXT,
                            order_flag_lev1 INTEGER, order_flag_lev2 INTEGER,
                            order_flag_lev3 INTEGER);
        INSERT INTO topic VALUES (1, 0, 'Α', 1, 0, 0);
        INSERT INTO topic VALUES (2, 1, 'Β', 1, 0, 0);
        INSERT INTO topic VALUES (1, 2, 'Α ξανά', 1, 0, 0);
        INSERT INTO topic VALUES (3, 0, 'Γ', 2, 0, 0);
        INSERT INTO topic VALUES (2, 3, 'Β ξανά', 1, 0, 0);
        INSERT INTO topic VALUES (4, 3, 'Δ', 2, 0, 0);
    )SQL"));
    fillstest::Tree tvwTree;

    ASSERT_NO_THROW(FillTopicTree(tvwTree, data.connection, {}, false, {}, true));
    EXPECT_EQ(outline(tvwTree), (QStringList{"l1 closed", "  l2 open", "l3 closed", "  l4 open"}));
    EXPECT_EQ(tvwTree.node("l1")->text(), "Α");

    tvwTree.clearNodes();
    ASSERT_NO_THROW(FillTopicTree(tvwTree, data.connection, {2, 4}, true, {1, 3}, false));
    EXPECT_EQ(tvwTree.nodeCount(), 4);
    EXPECT_TRUE(tvwTree.node("l1")->isExpanded());
    EXPECT_TRUE(tvwTree.node("l3")->isExpanded());
    EXPECT_EQ(tvwTree.node("l4")->parentNode(), tvwTree.node("l3"));
}

TEST(TopicTreeFillErrors, AnErrorEndsTheFillAndKeepsTheNodesAdded) {
    // Reading topic 6 fails, so the children of topic 3 cannot be read.
    fillstest::FilledDatabase data(QString::fromUtf8(Topics) + QStringLiteral(R"SQL(
        ALTER TABLE topic RENAME TO topic_rows;
        CREATE VIEW topic AS
            SELECT topic_id, topic_id_parent,
                   CASE WHEN topic_id = 6 THEN json('not json') ELSE descr END AS descr,
                   order_flag_lev1, order_flag_lev2, order_flag_lev3
            FROM topic_rows;
    )SQL"));
    fillstest::Tree tvwTree;

    EXPECT_THROW(FillTopicTree(tvwTree, data.connection, {}, false, {}, true), engine::EngineError);
    EXPECT_EQ(outline(tvwTree), (QStringList{"l1 closed", "  l5 open", "  l4 open", "  l3 open"}));
}
