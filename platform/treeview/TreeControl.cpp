// The tree control: keyed nodes and the platform's event order.
#include "platform/treeview/TreeControl.h"

#include "platform/treeview/TreeError.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <memory>
#include <vector>

namespace lexora::trees {

int keyCodeOf(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // the same codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vbKeyReturn;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return vbKeyUp;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return vbKeyDown;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    default:
        return 0;
    }
}

TreeControl::TreeControl(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setIconSize(QSize(16, 16));

    // Keep the key hash true however nodes leave the tree.
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_nodes.clear(); });
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                QTreeWidgetItem* parentItem = itemFromIndex(parent);
                for (int row = first; row <= last; ++row)
                    forget(parentItem ? parentItem->child(row) : topLevelItem(row));
            });
}

TreeControl::~TreeControl() {
    // The base destructor empties the model after this object's members are
    // gone: the index must not hear of it.
    disconnect(model(), nullptr, this, nullptr);
    qDeleteAll(m_pending);
}

void TreeControl::clearNodes() {
    qDeleteAll(m_pending);
    m_pending.clear();
    // A tree is mostly cleared to be filled again with about as many nodes:
    // the key hash keeps its room, so that the fill does not grow it anew.
    const qsizetype room = m_nodes.capacity();
    clear();
    m_nodes.clear(); // also the keys of the nodes that waited
    m_nodes.reserve(room);
}

TreeControl::Batch::Batch(TreeControl& tree) : m_tree(tree) {
    ++m_tree.m_batchDepth;
}

TreeControl::Batch::~Batch() {
    if (--m_tree.m_batchDepth == 0)
        m_tree.insertPending();
}

void TreeControl::openWaitingNodes(QTreeWidgetItem* top) {
    std::vector<QTreeWidgetItem*> stack{top};
    while (!stack.empty()) {
        QTreeWidgetItem* item = stack.back();
        stack.pop_back();
        for (int i = 0; i < item->childCount(); ++i)
            stack.push_back(item->child(i));
        if (TreeNode* node = TreeNode::from(item); node && node->m_expandWhenShown) {
            node->m_expandWhenShown = false;
            node->setExpanded(true);
        }
    }
}

void TreeControl::insertPending() {
    if (m_pending.isEmpty())
        return;
    const QList<QTreeWidgetItem*> pending = std::exchange(m_pending, {});
    addTopLevelItems(pending);
    for (QTreeWidgetItem* item : pending)
        openWaitingNodes(item);
}

void TreeControl::forget(QTreeWidgetItem* item) {
    if (item == nullptr)
        return;
    if (item->type() == TreeNode::Type) {
        // The node's key lives in the item's data; the item may be in its
        // base destructor already, so it is not cast here.
        const QString key = item->data(0, Qt::UserRole + 1).toString();
        const auto found = m_nodes.constFind(key);
        if (found != m_nodes.cend() && static_cast<QTreeWidgetItem*>(found.value()) == item)
            m_nodes.erase(found);
    }
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
}

void TreeControl::setImageList(const ImageList& images) {
    m_images = images;
    for (TreeNode* node : std::as_const(m_nodes))
        node->setIcon(0, m_images.icon(node->imageKey()));
}

TreeNode* TreeControl::addNode(const QString& parentKey, const QString& key, const QString& text,
                               const QString& imageKey) {
    if (key.isEmpty())
        throw TreeError(errors::InvalidKey, QStringLiteral("Invalid key"));
    if (m_nodes.contains(key))
        throw TreeError(errors::KeyNotUnique,
                        QStringLiteral("Key is not unique in collection: ") + key);
    TreeNode* parentNode = nullptr;
    if (!parentKey.isEmpty()) {
        parentNode = m_nodes.value(parentKey);
        if (parentNode == nullptr)
            throw TreeError(errors::ElementNotFound,
                            QStringLiteral("Element not found: ") + parentKey);
    }
    QIcon icon;
    if (!imageKey.isEmpty()) {
        const auto image = m_images.find(imageKey);
        if (!image)
            throw TreeError(errors::ElementNotFound,
                            QStringLiteral("Element not found: ") + imageKey);
        icon = *image;
    }

    auto owned = std::unique_ptr<TreeNode>(new TreeNode(*this, key, text));
    TreeNode* node = owned.get();
    if (parentNode != nullptr)
        parentNode->addChild(owned.release());
    else if (m_batchDepth > 0)
        m_pending.append(owned.release());
    else
        addTopLevelItem(owned.release());
    m_nodes.insert(key, node);
    node->showImage(imageKey, icon);
    return node;
}

TreeNode* TreeControl::selectedNode() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : TreeNode::from(selected.first());
}

void TreeControl::setSelectedNode(TreeNode* node) {
    if (node == nullptr) {
        clearSelection();
        return;
    }
    setCurrentItem(node);
    node->setSelected(true);
}

TreeNode* TreeControl::hitTest(const QPoint& point) const {
    return TreeNode::from(itemAt(point));
}

bool TreeControl::isOnExpandButton(const QPoint& point) const {
    QTreeWidgetItem* item = itemAt(point);
    if (item == nullptr || item->childCount() == 0)
        return false;
    const QRect rect = visualItemRect(item); // starts after the indentation
    return point.x() < rect.left() && point.x() >= rect.left() - indentation();
}

void TreeControl::mousePressEvent(QMouseEvent* event) {
    m_pressOnExpandButton = isOnExpandButton(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
}

void TreeControl::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    const bool onExpandButton = std::exchange(m_pressOnExpandButton, false);
    emit MouseUp(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::LeftButton && !endsDoubleClick && !onExpandButton)
        emit Click();
}

void TreeControl::mouseDoubleClickEvent(QMouseEvent* event) {
    m_pressOnExpandButton = isOnExpandButton(event->position().toPoint());
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_releaseEndsDoubleClick = true;
    if (!m_pressOnExpandButton)
        emit DblClick();
}

void TreeControl::keyPressEvent(QKeyEvent* event) {
    QTreeWidget::keyPressEvent(event);
    emit KeyDown(keyCodeOf(event->key()), event->modifiers());
    int character = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        character = vbKeyReturn;
    else if (!event->text().isEmpty())
        character = event->text().at(0).unicode();
    if (character != 0)
        emit KeyPress(character);
}

} // namespace lexora::trees
