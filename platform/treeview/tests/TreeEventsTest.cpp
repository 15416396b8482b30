// The events of the tree control in the order the tree handlers rely on:
// mouse up before click (so that a click on empty space finds no node),
// double click, the expand button, and keys after the selection moved.
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeControl.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace lexora::trees;

namespace {

class TreeEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.setImageList(treeImageList());
        tree.resize(300, 400);
        tree.addNode({}, "l1", "Εκπαιδευτικοί", "closed");
        tree.addNode("l1", "l11", "Μεταθέσεις", "open");
        tree.addNode({}, "l2", "Μαθητές", "open");
        tree.addNode({}, "l3", "Σχολεία", "open");
        tree.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));

        // What the main window's handlers do and see.
        QObject::connect(&tree, &TreeControl::MouseUp,
                         [this](Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& p) {
                             events << QStringLiteral("MouseUp %1")
                                           .arg(button == Qt::LeftButton ? "left" : "other");
                             if (tree.hitTest(p) == nullptr)
                                 tree.setSelectedNode(nullptr);
                         });
        QObject::connect(&tree, &TreeControl::Click,
                         [this] { events << QStringLiteral("Click ") + selected(); });
        QObject::connect(&tree, &TreeControl::DblClick,
                         [this] { events << QStringLiteral("DblClick"); });
        QObject::connect(&tree, &TreeControl::KeyDown, [this](int code, Qt::KeyboardModifiers) {
            events << QStringLiteral("KeyDown %1 ").arg(code) + selected();
        });
        QObject::connect(&tree, &TreeControl::KeyPress, [this](int character) {
            events << QStringLiteral("KeyPress %1").arg(character);
        });
    }

    QString selected() const {
        const TreeNode* node = tree.selectedNode();
        return node ? node->key() : QStringLiteral("none");
    }
    QPoint centreOf(const char* key) const { return tree.visualItemRect(tree.node(key)).center(); }
    QPoint emptySpace() const {
        return QPoint(centreOf("l3").x(), tree.visualItemRect(tree.node("l3")).bottom() + 40);
    }

    TreeControl tree;
    QStringList events;
};

} // namespace

TEST_F(TreeEventsTest, AClickOnANodeSelectsItBeforeTheClickEvent) {
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, centreOf("l2"));
    EXPECT_EQ(events, (QStringList{"MouseUp left", "Click l2"}));
    EXPECT_EQ(tree.selectedNode(), tree.node("l2"));
}

TEST_F(TreeEventsTest, AClickOnEmptySpaceReachesTheClickWithNoNodeSelected) {
    tree.setSelectedNode(tree.node("l2"));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, emptySpace());
    EXPECT_EQ(events, (QStringList{"MouseUp left", "Click none"}));
    EXPECT_EQ(tree.selectedNode(), nullptr);
}

TEST_F(TreeEventsTest, OtherButtonsRaiseMouseUpOnly) {
    tree.setSelectedNode(tree.node("l2"));
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, emptySpace());
    EXPECT_EQ(events, QStringList{"MouseUp other"});
    EXPECT_EQ(tree.selectedNode(), nullptr);
}

TEST_F(TreeEventsTest, ADoubleClickFollowsItsClickAndLeavesTheExpansionAlone) {
    const QPoint point = centreOf("l1");
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, point);
    EXPECT_EQ(events, (QStringList{"MouseUp left", "Click l1", "DblClick", "MouseUp left"}));
    EXPECT_FALSE(tree.node("l1")->isExpanded());
}

TEST_F(TreeEventsTest, TheExpandButtonOpensTheNodeWithoutAClick) {
    tree.setSelectedNode(tree.node("l3"));
    const QRect row = tree.visualItemRect(tree.node("l1"));
    const QPoint button(row.left() - tree.indentation() / 2, row.center().y());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, button);
    EXPECT_TRUE(tree.node("l1")->isExpanded());
    EXPECT_EQ(tree.node("l1")->imageKey(), "closed"); // the image is the handlers' business
    EXPECT_EQ(events, QStringList{"MouseUp left"});
    EXPECT_EQ(tree.selectedNode(), tree.node("l3"));
}

TEST_F(TreeEventsTest, KeysAreRaisedAfterTheSelectionMoved) {
    tree.setFocus();
    tree.setSelectedNode(tree.node("l1"));
    const struct {
        const char* what;
        Qt::Key key;
        QStringList expected;
    } cases[] = {
        {"down over a closed branch", Qt::Key_Down, {"KeyDown 40 l2"}},
        {"down", Qt::Key_Down, {"KeyDown 40 l3"}},
        {"up", Qt::Key_Up, {"KeyDown 38 l2"}},
        {"enter", Qt::Key_Return, {"KeyDown 13 l2", "KeyPress 13"}},
        {"a letter", Qt::Key_X, {"KeyDown 88 l2", "KeyPress 120"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        events.clear();
        QTest::keyClick(&tree, c.key);
        EXPECT_EQ(events, c.expected);
    }
}
