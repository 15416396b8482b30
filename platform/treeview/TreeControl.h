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
    void clearNodes() { clear(); }

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

    ImageList m_images;
    QHash<QString, TreeNode*> m_nodes;
    bool m_pressOnExpandButton = false;
    bool m_releaseEndsDoubleClick = false;
};

} // namespace lexora::trees
