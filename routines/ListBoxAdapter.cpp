// The list box adapters over QListWidget and QComboBox. Item data live in
// Qt::UserRole of each entry.
#include "routines/ListBoxAdapter.h"

#include "routines/RoutineError.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QVariant>

namespace dvRtns4 {

namespace {

constexpr qint32 kInvalidPropertyArrayIndex = 381;

void checkIndex(qint32 index, qint32 count) {
    if (index < 0 || index >= count)
        throw RoutineError(kInvalidPropertyArrayIndex,
                           QStringLiteral("Invalid property array index"));
}

qint32 itemDataOf(const QVariant& data) {
    return data.isValid() ? data.toInt() : 0;
}

class ListWidgetAdapter final : public ListBoxAdapter {
public:
    explicit ListWidgetAdapter(QListWidget& list) : m_list(list) {}

    qint32 ListCount() const override { return static_cast<qint32>(m_list.count()); }

    QString List(qint32 index) const override { return item(index)->text(); }
    void setList(qint32 index, const QString& text) override { item(index)->setText(text); }

    qint32 ItemData(qint32 index) const override {
        return itemDataOf(item(index)->data(Qt::UserRole));
    }
    void setItemData(qint32 index, qint32 data) override {
        item(index)->setData(Qt::UserRole, data);
    }

    bool Selected(qint32 index) const override {
        QListWidgetItem* entry = item(index);
        if (Style() == 1)
            return entry->checkState() == Qt::Checked;
        return entry->isSelected();
    }
    void setSelected(qint32 index, bool selected) override {
        QListWidgetItem* entry = item(index);
        if (Style() == 1) {
            entry->setCheckState(selected ? Qt::Checked : Qt::Unchecked);
            return;
        }
        // In a single-selection list, selecting an entry also makes it the
        // current one.
        if (selected && m_list.selectionMode() == QAbstractItemView::SingleSelection)
            setListIndex(index);
        else
            entry->setSelected(selected);
    }

    qint32 ListIndex() const override { return static_cast<qint32>(m_list.currentRow()); }
    void setListIndex(qint32 index) override {
        if (index != -1)
            checkIndex(index, ListCount());
        QItemSelectionModel::SelectionFlags command = QItemSelectionModel::NoUpdate;
        if (m_list.selectionMode() == QAbstractItemView::SingleSelection)
            command =
                index == -1 ? QItemSelectionModel::Clear : QItemSelectionModel::ClearAndSelect;
        m_list.setCurrentRow(index, command);
    }

    void AddItem(const QString& text, qint32 index) override {
        const qint32 count = ListCount();
        if (index != -1 && (index < 0 || index > count))
            checkIndex(index, count); // raises
        const qint32 row = index == -1 ? count : index;
        auto* entry = new QListWidgetItem(text);
        if (Style() == 1) {
            entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
            entry->setCheckState(Qt::Unchecked);
        }
        m_list.insertItem(row, entry); // the list owns the entry
        m_newIndex = row;
    }
    qint32 NewIndex() const override { return m_newIndex; }

    void RemoveItem(qint32 index) override {
        checkIndex(index, ListCount());
        delete m_list.takeItem(index);
        m_newIndex = -1;
    }
    void Clear() override {
        m_list.clear();
        m_newIndex = -1;
    }

    qint32 Style() const override {
        const QVariant style = m_list.property("Style");
        if (style.isValid())
            return style.toInt() == 1 ? 1 : 0;
        const QListWidgetItem* first = m_list.item(0);
        // An entry shows a check box once it has a check state.
        return first && first->data(Qt::CheckStateRole).isValid() ? 1 : 0;
    }

private:
    QListWidgetItem* item(qint32 index) const {
        checkIndex(index, ListCount());
        return m_list.item(index);
    }
    QListWidget& m_list;
    qint32 m_newIndex = -1;
};

class ComboBoxAdapter final : public ListBoxAdapter {
public:
    explicit ComboBoxAdapter(QComboBox& combo) : m_combo(combo) {}

    qint32 ListCount() const override { return static_cast<qint32>(m_combo.count()); }

    QString List(qint32 index) const override {
        checkIndex(index, ListCount());
        return m_combo.itemText(index);
    }
    void setList(qint32 index, const QString& text) override {
        checkIndex(index, ListCount());
        m_combo.setItemText(index, text);
    }

    qint32 ItemData(qint32 index) const override {
        checkIndex(index, ListCount());
        return itemDataOf(m_combo.itemData(index, Qt::UserRole));
    }
    void setItemData(qint32 index, qint32 data) override {
        checkIndex(index, ListCount());
        m_combo.setItemData(index, data, Qt::UserRole);
    }

    bool Selected(qint32 index) const override {
        checkIndex(index, ListCount());
        return m_combo.currentIndex() == index;
    }
    void setSelected(qint32 index, bool selected) override {
        checkIndex(index, ListCount());
        if (selected)
            m_combo.setCurrentIndex(index);
        else if (m_combo.currentIndex() == index)
            m_combo.setCurrentIndex(-1);
    }

    qint32 ListIndex() const override { return static_cast<qint32>(m_combo.currentIndex()); }
    void setListIndex(qint32 index) override {
        if (index != -1)
            checkIndex(index, ListCount());
        m_combo.setCurrentIndex(index);
    }

    void AddItem(const QString& text, qint32 index) override {
        const qint32 count = ListCount();
        if (index != -1 && (index < 0 || index > count))
            checkIndex(index, count); // raises
        const qint32 row = index == -1 ? count : index;
        m_combo.insertItem(row, text);
        m_newIndex = row;
    }
    qint32 NewIndex() const override { return m_newIndex; }

    void RemoveItem(qint32 index) override {
        checkIndex(index, ListCount());
        m_combo.removeItem(index);
        m_newIndex = -1;
    }
    void Clear() override {
        m_combo.clear();
        m_newIndex = -1;
    }

    qint32 Style() const override { return 0; }

private:
    QComboBox& m_combo;
    qint32 m_newIndex = -1;
};

} // namespace

ListBoxAdapter::~ListBoxAdapter() = default;

std::unique_ptr<ListBoxAdapter> adaptListBox(QListWidget& list) {
    return std::make_unique<ListWidgetAdapter>(list);
}

std::unique_ptr<ListBoxAdapter> adaptListBox(QComboBox& combo) {
    return std::make_unique<ComboBoxAdapter>(combo);
}

std::unique_ptr<ListBoxAdapter> adaptListBox(QWidget& widget) {
    if (auto* list = qobject_cast<QListWidget*>(&widget))
        return adaptListBox(*list);
    if (auto* combo = qobject_cast<QComboBox*>(&widget))
        return adaptListBox(*combo);
    return nullptr;
}

} // namespace dvRtns4
