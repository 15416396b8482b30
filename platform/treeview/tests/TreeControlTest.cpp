// The tree control's nodes: keys and parents, the errors of adding, clearing,
// image keys, the marking colours and the hit test.
#include "platform/treeview/TreeControl.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeError.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace lexora::trees;

namespace {

class TreeControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.setImageList(treeImageList());
        tree.resize(300, 400);
        tree.addNode({}, "l1", "Εκπαιδευτικοί", "closed");
        tree.addNode("l1", "l11", "Μεταθέσεις", "open");
        tree.addNode("l1", "l12", "Άδειες", "open");
        tree.addNode({}, "l2", "Μαθητές", "open");
    }

    TreeControl tree;
};

} // namespace

TEST_F(TreeControlTest, NodesAreFoundByKeyUnderTheirParents) {
    EXPECT_EQ(tree.nodeCount(), 4);
    EXPECT_EQ(tree.topLevelItemCount(), 2);
    TreeNode* branch = tree.node("l1");
    ASSERT_NE(branch, nullptr);
    EXPECT_EQ(branch->key(), "l1");
    EXPECT_EQ(branch->text(), "Εκπαιδευτικοί");
    EXPECT_EQ(branch->parentNode(), nullptr);
    EXPECT_EQ(branch->childCount(), 2);
    EXPECT_EQ(branch->childNode(0), tree.node("l11"));
    EXPECT_EQ(branch->childNode(1), tree.node("l12"));
    EXPECT_EQ(tree.node("l12")->parentNode(), branch);
    EXPECT_EQ(tree.node("l3"), nullptr);
    EXPECT_FALSE(branch->isExpanded()); // nodes are added collapsed
}

TEST_F(TreeControlTest, AddingFailsVisiblyAndLeavesTheTreeUnchanged) {
    const struct {
        const char* what;
        QString parent;
        QString key;
        QString image;
        int number;
    } cases[] = {
        {"duplicate top-level key", {}, "l1", "open", errors::KeyNotUnique},
        {"duplicate child key", "l2", "l11", "open", errors::KeyNotUnique},
        {"unknown parent", "l9", "l91", "open", errors::ElementNotFound},
        {"unknown image", "l2", "l21", "half-open", errors::ElementNotFound},
        {"empty key", "l2", {}, "open", errors::InvalidKey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            tree.addNode(c.parent, c.key, "x", c.image);
            ADD_FAILURE() << "no error";
        } catch (const TreeError& e) {
            EXPECT_EQ(e.number(), c.number);
        }
        EXPECT_EQ(tree.nodeCount(), 4);
        EXPECT_EQ(tree.topLevelItemCount(), 2);
        EXPECT_EQ(tree.node("l2")->childCount(), 0);
    }
    EXPECT_EQ(tree.node("l11")->parentNode(), tree.node("l1"));
}

TEST_F(TreeControlTest, RemovedNodesLeaveTheKeyIndex) {
    delete tree.node("l1"); // with its children
    EXPECT_EQ(tree.node("l1"), nullptr);
    EXPECT_EQ(tree.node("l11"), nullptr);
    EXPECT_EQ(tree.nodeCount(), 1);
    EXPECT_NO_THROW(tree.addNode({}, "l11", "again"));

    tree.clearNodes();
    EXPECT_EQ(tree.nodeCount(), 0);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    EXPECT_EQ(tree.node("l2"), nullptr);
    EXPECT_NO_THROW(tree.addNode({}, "l2", "Μαθητές", "open"));

    tree.clear(); // the widget's own clear keeps the index true as well
    EXPECT_EQ(tree.node("l2"), nullptr);
    EXPECT_NO_THROW(tree.addNode({}, "l2", "Μαθητές", "open"));
}

TEST_F(TreeControlTest, ImageKeysChooseIconsOfTheImageList) {
    TreeNode* branch = tree.node("l1");
    EXPECT_EQ(branch->imageKey(), "closed");
    EXPECT_EQ(branch->icon(0).cacheKey(), tree.imageList().icon("closed").cacheKey());
    branch->setImageKey("open");
    EXPECT_EQ(branch->imageKey(), "open");
    EXPECT_EQ(branch->icon(0).cacheKey(), tree.imageList().icon("open").cacheKey());
    EXPECT_THROW(branch->setImageKey("ajar"), TreeError);
    EXPECT_EQ(branch->imageKey(), "open");
    // The same image again, as a fill sets a parent's for each child, and
    // no image at all.
    branch->setImageKey("open");
    EXPECT_EQ(branch->icon(0).cacheKey(), tree.imageList().icon("open").cacheKey());
    branch->setImageKey({});
    EXPECT_EQ(branch->imageKey(), QString());
    EXPECT_TRUE(branch->icon(0).isNull());
    branch->setImageKey("open");
    EXPECT_EQ(branch->icon(0).cacheKey(), tree.imageList().icon("open").cacheKey());

    ImageList other;
    QPixmap red(16, 16);
    red.fill(Qt::red);
    other.add("open", QIcon(red));
    other.add("closed", QIcon(red));
    tree.setImageList(other); // nodes already added follow the new list
    EXPECT_EQ(branch->icon(0).cacheKey(), other.icon("open").cacheKey());
    tree.setImageList(treeImageList());

    const QImage open = tree.imageList().icon("open").pixmap(16, 16).toImage();
    const QImage closed = tree.imageList().icon("closed").pixmap(16, 16).toImage();
    EXPECT_FALSE(open.isNull());
    EXPECT_NE(open, closed);
}

TEST_F(TreeControlTest, MarkingColoursAndBoldAreShown) {
    const QColor marked(230, 207, 195);
    const QColor navy(0, 0, 128);
    TreeNode* found = tree.node("l2");
    found->setBackColor(marked);
    found->setForeColor(navy);
    found->setBold(true);
    EXPECT_EQ(found->backColor(), marked);
    EXPECT_EQ(found->foreColor(), navy);
    EXPECT_TRUE(found->isBold());
    EXPECT_FALSE(tree.node("l1")->isBold());
    EXPECT_FALSE(tree.node("l1")->backColor().isValid());

    tree.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
    const QRect row = tree.visualItemRect(found);
    const QImage shown = tree.viewport()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(row.right() - 2, row.center().y())), marked);
}

TEST_F(TreeControlTest, HitTestFindsTheNodeUnderAPoint) {
    tree.show();
    tree.node("l1")->setExpanded(true);
    for (const char* key : {"l1", "l11", "l12", "l2"}) {
        SCOPED_TRACE(key);
        const QRect row = tree.visualItemRect(tree.node(key));
        EXPECT_EQ(tree.hitTest(row.center()), tree.node(key));
    }
    const QRect last = tree.visualItemRect(tree.node("l2"));
    EXPECT_EQ(tree.hitTest(QPoint(last.center().x(), last.bottom() + 20)), nullptr);
    tree.node("l1")->setExpanded(false);
    const QRect second = tree.visualItemRect(tree.node("l2"));
    EXPECT_EQ(tree.hitTest(second.center()), tree.node("l2"));
}

// Nodes added in a batch enter the widget together when it ends: found by key
// and holding their images and expanded state all along, shown in order
// after the nodes already there; children added under a node already in the
// widget enter at once. An error inside the batch keeps what was added.
TEST_F(TreeControlTest, ABatchAddsItsNodesWhenItEnds) {
    TreeNode* early = nullptr;
    try {
        const TreeControl::Batch batch(tree);
        TreeNode* branch = tree.addNode({}, "l3", "Διευθυντές", "open");
        tree.addNode("l3", "l31", "Επιλογή", "open");
        tree.addNode("l31", "l311", "Κρίσεις", "open");
        early = tree.addNode("l1", "l13", "Αποσπάσεις", "open");
        EXPECT_EQ(tree.topLevelItemCount(), 2) << "waits for the end of the batch";
        EXPECT_EQ(tree.node("l31")->parentNode(), branch);
        tree.node("l31")->setExpanded(true);
        branch->setImageKey("closed");
        EXPECT_TRUE(tree.node("l31")->isExpanded());
        EXPECT_THROW(tree.node("l311")->setImageKey("nothing"), TreeError);
        tree.addNode("missing", "l4", "Χωρίς γονέα", "open"); // throws: the batch ends
    } catch (const TreeError&) {
    }
    ASSERT_EQ(tree.topLevelItemCount(), 3);
    EXPECT_EQ(tree.topLevelItem(2), tree.node("l3"));
    EXPECT_EQ(tree.nodeCount(), 8);
    EXPECT_EQ(early->treeWidget(), &tree);
    EXPECT_TRUE(tree.node("l31")->isExpanded());
    EXPECT_TRUE(tree.isExpanded(tree.indexFromItem(tree.node("l31"))));
    EXPECT_FALSE(tree.node("l3")->isExpanded());
    EXPECT_EQ(tree.node("l3")->imageKey(), "closed");
    EXPECT_FALSE(tree.node("l3")->icon(0).isNull());
    EXPECT_FALSE(tree.node("l311")->icon(0).isNull());
}

TEST_F(TreeControlTest, ClearingInABatchDropsTheNodesThatWaited) {
    const TreeControl::Batch batch(tree);
    tree.addNode({}, "l3", "Διευθυντές", "open");
    tree.addNode("l3", "l31", "Επιλογή", "open");
    tree.clearNodes();
    EXPECT_EQ(tree.nodeCount(), 0);
    EXPECT_EQ(tree.node("l3"), nullptr);
    tree.addNode({}, "l3", "Διευθυντές", "open"); // the key is free again
    EXPECT_EQ(tree.nodeCount(), 1);
}
