// The node's key is kept in the item's data, so that it outlives the node's
// own destructor while the widget takes the item out of its hash.
#include "platform/treeview/TreeNode.h"

#include "platform/treeview/TreeControl.h"
#include "platform/treeview/TreeError.h"

#include <QBrush>

namespace lexora::trees {

namespace {
constexpr int KeyRole = Qt::UserRole + 1;
} // namespace

TreeNode::TreeNode(TreeControl& owner, const QString& key, const QString& text)
    : QTreeWidgetItem(Type), m_owner(&owner) {
    setData(0, KeyRole, key);
    setText(0, text);
}

TreeNode* TreeNode::from(QTreeWidgetItem* item) {
    return item != nullptr && item->type() == Type ? static_cast<TreeNode*>(item) : nullptr;
}

QString TreeNode::key() const {
    return data(0, KeyRole).toString();
}

QString TreeNode::imageKey() const {
    return m_imageKey;
}

void TreeNode::setImageKey(const QString& key) {
    // A fill sets a parent's image once for each of its children: the same
    // image again changes nothing.
    if (key.isEmpty()) {
        if (!m_imageSet || !m_imageKey.isEmpty())
            showImage(key, QIcon());
        return;
    }
    // The owner, not the widget: a node of a batch is in no widget yet.
    const QIcon* icon = m_owner->imageList().find(key);
    if (icon == nullptr)
        throw TreeError(errors::ElementNotFound, QStringLiteral("Element not found: ") + key);
    if (key != m_imageKey)
        showImage(key, *icon);
}

void TreeNode::showImage(const QString& key, const QIcon& icon) {
    m_imageKey = key;
    m_imageSet = true;
    setIcon(0, icon);
}

bool TreeNode::isExpanded() const {
    return treeWidget() != nullptr ? QTreeWidgetItem::isExpanded() : m_expandWhenShown;
}

void TreeNode::setExpanded(bool expanded) {
    if (treeWidget() != nullptr)
        QTreeWidgetItem::setExpanded(expanded);
    else
        m_expandWhenShown = expanded;
}

QColor TreeNode::backColor() const {
    const QBrush brush = background(0);
    return brush.style() == Qt::NoBrush ? QColor() : brush.color();
}

void TreeNode::setBackColor(const QColor& colour) {
    setBackground(0, colour.isValid() ? QBrush(colour) : QBrush());
}

QColor TreeNode::foreColor() const {
    const QBrush brush = foreground(0);
    return brush.style() == Qt::NoBrush ? QColor() : brush.color();
}

void TreeNode::setForeColor(const QColor& colour) {
    setForeground(0, colour.isValid() ? QBrush(colour) : QBrush());
}

void TreeNode::setBold(bool bold) {
    QFont f = font(0);
    f.setBold(bold);
    setFont(0, f);
}

} // namespace lexora::trees
