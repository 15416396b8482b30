// The tree control of the navigation trees: a tree widget whose nodes have
// unique keys (found through a hash), image keys from an image list, and the
// events the tree handlers are written for, raised in this order:
//   a click:        MouseUp, then Click (left button; none for a click on a
//                   node's expand button, which only opens or closes it);
//   a double click: MouseUp, Click, DblClick, MouseUp;
//   a key:          the tree moves its selection first, then KeyDown with the
//                   key code, then KeyPress with the character code for keys
//                   that type one (Enter gives 13).
// The selection changes when the button goes down, so a MouseUp receiver
// that empties the selection (a click on empty space) is seen by Click.
// A double click does not open or close a node by itself.
#pragma once

#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeNode.h"

#include <QHash>
#include <QPoint>
#include <QString>
#include <QTreeWidget>

namespace lexora::trees {

// Key codes of KeyDown and KeyPress.
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyDown = 40;

// The key code of KeyDown for a key of the toolkit (0 for keys without one).
int keyCodeOf(int qtKey);

class TreeControl : public QTreeWidget {
    Q_OBJECT
public:
    explicit TreeControl(QWidget* parent = nullptr);
    ~TreeControl() override;

    // Nodes already in the tree take their icons from the new list.
    void setImageList(const ImageList& images);
    const ImageList& imageList() const { return m_images; }

    // Adds a node as the last top-level node (empty parentKey) or as the last
    // child of the node with parentKey, collapsed. Throws TreeError for an
    // empty key, a key already in the tree, a parent key not found or an
    // image key not in the image list; the tree is then unchanged.
    TreeNode* addNode(const QString& parentKey, const QString& key, const QString& text,
                      const QString& imageKey = QString());

    // The node with that key, or nullptr.
    TreeNode* node(const QString& key) const { return m_nodes.value(key); }
    int nodeCount() const { return static_cast<int>(m_nodes.size()); }

    // Removes every node.
    void clearNodes();

    // While a batch lives, new top-level nodes, and every node added below
    // them, enter the widget together when the outermost batch ends: a fill
    // of thousands of nodes changes the widget's model once instead of once
    // per node and per property. Meanwhile nodes are found by key, take
    // children, images, colours and the expanded state as always; they are
    // not shown, selected or hit. Nodes added under a node already in the
    // widget enter at once. The batch also ends by an exception, so the
    // nodes added so far stay.
    class Batch {
    public:
        explicit Batch(TreeControl& tree);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        TreeControl& m_tree;
    };

    TreeNode* selectedNode() const;
    // Selects a node and makes it current; nullptr empties the selection.
    void setSelectedNode(TreeNode* node);

    // The node at a point of the viewport (the coordinates MouseUp gives), or
    // nullptr.
    TreeNode* hitTest(const QPoint& point) const;

signals:
    void Click();
    void DblClick();
    void KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void KeyPress(int keyAscii);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& point);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isOnExpandButton(const QPoint& point) const;
    void forget(QTreeWidgetItem* item);
    void insertPending();
    // Opens the nodes of a subtree that were set expanded while out of the
    // widget.
    static void openWaitingNodes(QTreeWidgetItem* top);

    ImageList m_images;
    QHash<QString, TreeNode*> m_nodes;
    int m_batchDepth = 0;
    QList<QTreeWidgetItem*> m_pending; // top-level nodes of the open batch
    bool m_pressOnExpandButton = false;
    bool m_releaseEndsDoubleClick = false;
};

} // namespace lexora::trees
