// Damaged hierarchies and ids, as a damaged database holds them: a parent
// chain 30,000 levels deep under both hierarchy trees, and ids beyond the
// 32-bit range. The fills and the searches leave such rows out, tell the user
// once, and return in seconds.
#include "app/search/ScheduleSearch.h"
#include "app/search/TopicKeywordSearch.h"
#include "app/search/tests/SearchFixture.h"
#include "app/state/DataDamage.h"
#include "app/trees/LawTreeFill.h"
#include "app/trees/NodeMarking.h"
#include "app/trees/ScheduleTreeFill.h"
#include "app/trees/TopicTreeFill.h"
#include "platform/treeview/TreeNode.h"
#include "tests/support/RecordingMessages.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace lexora;
using lexora::trees::TreeControl;
using lexora::trees::TreeNode;

namespace {

constexpr int kChainLength = 30000;

// Topics and chart entries 100001 to 130000, each the child of the one
// before. Links 10, 64, 500 and 30,000 carry the keyword ΑΛΥΣΙΔΑ (topics)
// or the word Αλυσίδα (chart entries).
QString deepChains() {
    return QStringLiteral(
               "WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i < %1) "
               "INSERT INTO topic SELECT 100000 + i, CASE i WHEN 1 THEN 0 ELSE 99999 + i END, "
               "'Κρίκος ' || i, 9, 0, 0 FROM c;"
               "CREATE TEMP TABLE found (id INTEGER);"
               "INSERT INTO found VALUES (100010), (100064), (100500), (130000);"
               "INSERT INTO abstract SELECT id, id, '<p>κ</p>', 1 FROM found;"
               "INSERT INTO KEYS VALUES (100, 'ΑΛΥΣΙΔΑ');"
               "INSERT INTO ABSTRACT_KEYS SELECT id, 100 FROM found;"
               "INSERT INTO schedule SELECT topic_id, topic_id_parent, CASE WHEN topic_id IN "
               "(SELECT id FROM found) THEN 'Αλυσίδα' ELSE 'Κρίκος' END, 9, 0, 0, 0 FROM topic "
               "WHERE topic_id > 100000;")
        .arg(kChainLength);
}

// Seconds enough for a linear walk, far too few for one that repeats itself
// or crashes; the sanitizers' builds run several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kTimeLimitMs = 120000;
#else
constexpr qint64 kTimeLimitMs = 20000;
#endif

// The number of levels below and including a node.
int depthBelow(const TreeNode& top) {
    int depth = 1;
    for (const TreeNode* n = &top; n->childCount() > 0; n = n->childNode(0))
        ++depth;
    return depth;
}

class DamagedDataTest : public ::testing::Test {
protected:
    void SetUp() override { forgetDataDamageReports(); }
    void TearDown() override { forgetDataDamageReports(); }

    int damageMessages() const {
        int count = 0;
        for (const auto& request : messages.shown)
            if (request.title == kDamagedDataTitle)
                ++count;
        return count;
    }

    testsupport::RecordingMessages messages;
    std::unique_ptr<TreeControl> tree = searchtest::makeTree();
};

class DeepChainTest : public DamagedDataTest {
protected:
    searchtest::SearchDatabase data{deepChains()};
    QElapsedTimer clock;
    void SetUp() override {
        DamagedDataTest::SetUp();
        clock.start();
    }
};

} // namespace

TEST_F(DeepChainTest, TreesShowTheFirstSixtyFourLevelsAndSayOnceThatTheRestIsDamaged) {
    using Fill = void (*)(TreeControl&, engine::Connection&, const trees::SearchIdList&, bool,
                          const trees::SearchIdList&, bool);
    for (const Fill fill : {Fill{&trees::FillTopicTree}, Fill{&trees::FillScheduleTreeP},
                            Fill{&trees::FillScheduleTreeN}}) {
        tree->clearNodes();
        fill(*tree, data.connection(), {}, false, {}, true);
        const TreeNode* top = tree->node(QStringLiteral("l100001"));
        ASSERT_NE(top, nullptr);
        EXPECT_EQ(depthBelow(*top), kMaxHierarchyDepth);
        EXPECT_NE(tree->node(QStringLiteral("l100064")), nullptr);
        EXPECT_EQ(tree->node(QStringLiteral("l100065")), nullptr);
        // The rest of the tree is whole.
        EXPECT_NE(tree->node(QStringLiteral("l1")), nullptr);
    }
    EXPECT_EQ(damageMessages(), 1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_LT(clock.elapsed(), kTimeLimitMs);
}

TEST_F(DeepChainTest, SearchesOverTheChainMarkWhatTheTreeShowsAndReturn) {
    EXPECT_TRUE(search::TreeView_with_search(*tree, data.connection(), QStringLiteral("αλυσιδα")));
    EXPECT_EQ(depthBelow(*tree->node(QStringLiteral("l100001"))), kMaxHierarchyDepth);
    EXPECT_EQ(tree->node(QStringLiteral("l100064"))->backColor(), trees::markedBackColor());
    EXPECT_TRUE(tree->node(QStringLiteral("l100063"))->isExpanded());

    QString text = QStringLiteral("Αλυσίδα");
    tree->clearNodes();
    EXPECT_TRUE(search::TreeView_with_Schedule_search_P(*tree, data.connection(), text));
    EXPECT_EQ(depthBelow(*tree->node(QStringLiteral("l100001"))), kMaxHierarchyDepth);
    EXPECT_EQ(tree->node(QStringLiteral("l100010"))->backColor(), trees::markedBackColor());
    EXPECT_EQ(tree->node(QStringLiteral("l100064"))->backColor(), trees::markedBackColor());

    EXPECT_EQ(damageMessages(), 1);
    EXPECT_LT(clock.elapsed(), kTimeLimitMs);
}

TEST_F(DamagedDataTest, IdsBeyondThirtyTwoBitsAreLeftOutWithOneMessage) {
    // Cut to 32 bits, each of these ids would name another row: topic 4,
    // chart entry 6, type 2 (its acts), act 101.
    searchtest::SearchDatabase data(QStringLiteral(
        "INSERT INTO topic VALUES (4294967300, 1, 'Πέρα από τα όρια', 9, 0, 0);"
        "INSERT INTO topic VALUES (5000, 4294967300, 'Κάτω από αυτό', 1, 0, 0);"
        "INSERT INTO schedule VALUES (4294967302, 1, 'Πέρα από τα όρια', 9, 0, 0, 0);"
        "INSERT INTO LAWTYPE VALUES (-4294967294, 'Πέρα από τα όρια', 1, 1, 9);"
        "INSERT INTO law (law_id, law_code, title, descr, type_id, all_law_flag) VALUES "
        "  (4294967397, '9/2099', 'Πέρα από τα όρια', '<p>x</p>', 1, 1),"
        "  (7001, '7/2001', 'Πράξη τύπου εκτός ορίων', '<p>y</p>', 2, 1);"));

    trees::FillTopicTree(*tree, data.connection(), {}, false, {}, true);
    EXPECT_EQ(tree->node(QStringLiteral("l4")), nullptr);
    EXPECT_EQ(tree->node(QStringLiteral("l5000")), nullptr);
    EXPECT_EQ(tree->node(QStringLiteral("l1"))->childCount(), 2); // 11 and 12, as before

    tree->clearNodes();
    trees::FillScheduleTreeP(*tree, data.connection(), {}, false, {}, true);
    EXPECT_EQ(tree->node(QStringLiteral("l6")), nullptr);

    tree->clearNodes();
    trees::FillLawTree(*tree, data.connection(), {}, false, {}, true);
    EXPECT_EQ(tree->node(QStringLiteral("p2")), nullptr);
    EXPECT_EQ(tree->node(QStringLiteral("c7001")), nullptr);
    ASSERT_NE(tree->node(QStringLiteral("c101")), nullptr);
    EXPECT_EQ(tree->node(QStringLiteral("c101"))->text(), QStringLiteral("1566/1985"));
    EXPECT_EQ(tree->node(QStringLiteral("p1"))->childCount(), 2);

    // A search that finds the row leaves it out the same way.
    QString text = QStringLiteral("όρια");
    tree->clearNodes();
    EXPECT_TRUE(search::TreeView_with_Schedule_search_P(*tree, data.connection(), text));
    EXPECT_EQ(tree->node(QStringLiteral("l6")), nullptr);

    EXPECT_EQ(damageMessages(), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, damageMessage(DataDamage::IdOutOfRange));
}
