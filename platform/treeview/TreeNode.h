// One node of a tree control: its unique key, text, parent, image key from
// the tree's image list, expanded state, back and fore colours and bold.
// Nodes are made and owned by their TreeControl (TreeControl::addNode); a
// node pointer stays valid until its tree is cleared.
#pragma once

#include <QColor>
#include <QString>
#include <QTreeWidgetItem>

namespace lexora::trees {

class TreeControl;

class TreeNode : public QTreeWidgetItem {
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;

    // The node an item of a tree control is, or nullptr for another item.
    static TreeNode* from(QTreeWidgetItem* item);

    QString key() const;

    using QTreeWidgetItem::setText;
    using QTreeWidgetItem::text;
    QString text() const { return text(0); }
    void setText(const QString& text) { setText(0, text); }

    TreeNode* parentNode() const { return from(parent()); }
    TreeNode* childNode(int index) const { return from(child(index)); }

    QString imageKey() const;
    // Throws TreeError when the tree's image list has no such key.
    void setImageKey(const QString& key);

    // Also for a node that waits in a batch (TreeControl::Batch) to enter
    // its tree: it opens when it enters.
    bool isExpanded() const;
    void setExpanded(bool expanded);

    // An invalid colour while the node keeps the tree's own colour.
    QColor backColor() const;
    void setBackColor(const QColor& colour);
    QColor foreColor() const;
    void setForeColor(const QColor& colour);
    bool isBold() const { return font(0).bold(); }
    void setBold(bool bold);

private:
    friend class TreeControl;
    TreeNode(TreeControl& owner, const QString& key, const QString& text);
    // Sets the image of a key the image list has (or the empty key).
    void showImage(const QString& key, const QIcon& icon);

    TreeControl* m_owner;
    QString m_imageKey;
    bool m_imageSet = false; // once an image (or none) has been set
    bool m_expandWhenShown = false;
};

} // namespace lexora::trees
