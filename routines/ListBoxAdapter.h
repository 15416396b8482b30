// A list box as the list routines see it: entries numbered from 0, each with
// a text and a 32-bit number (its item data), a current entry (ListIndex, -1
// for none), a selection or check mark per entry, and the usual ways to add
// and remove entries. One adapter serves the two list widgets a host uses,
// QListWidget and QComboBox; the adapter borrows the widget, which must
// outlive it.
//
// Style 1 is a list with check boxes: there Selected(i) is the entry's check
// mark. A QListWidget is such a list when its "Style" property is 1, or, with
// no such property, when its first entry shows a check box (has a check state). A combo box is
// never one; its only selected entry is its current one.
//
// An entry number outside 0 .. ListCount() - 1 raises RoutineError 381
// ("Invalid property array index").
#pragma once

#include "dvRtns4Export.h"

#include <QString>

#include <memory>

class QComboBox;
class QListWidget;
class QWidget;

namespace dvRtns4 {

class DVRTNS4_EXPORT ListBoxAdapter {
public:
    virtual ~ListBoxAdapter();

    virtual qint32 ListCount() const = 0;
    virtual QString List(qint32 index) const = 0;
    virtual void setList(qint32 index, const QString& text) = 0;
    virtual qint32 ItemData(qint32 index) const = 0;
    virtual void setItemData(qint32 index, qint32 data) = 0;
    virtual bool Selected(qint32 index) const = 0;
    virtual void setSelected(qint32 index, bool selected) = 0;
    // The current entry, -1 for none. Making an entry current selects it in a
    // list that allows one selection only; in a multi-selection list the
    // selection is left as it is.
    virtual qint32 ListIndex() const = 0;
    virtual void setListIndex(qint32 index) = 0;
    // Adds an entry at `index` (at the end when -1); NewIndex() then tells
    // where it went. A new entry of a check-box list is unchecked.
    virtual void AddItem(const QString& text, qint32 index = -1) = 0;
    // The entry added last, -1 when none was added since the last removal.
    virtual qint32 NewIndex() const = 0;
    virtual void RemoveItem(qint32 index) = 0;
    virtual void Clear() = 0;
    // 1 for a list with check boxes, 0 otherwise.
    virtual qint32 Style() const = 0;
};

DVRTNS4_EXPORT std::unique_ptr<ListBoxAdapter> adaptListBox(QListWidget& list);
DVRTNS4_EXPORT std::unique_ptr<ListBoxAdapter> adaptListBox(QComboBox& combo);
// The adapter for a QListWidget or QComboBox; nullptr for any other widget.
DVRTNS4_EXPORT std::unique_ptr<ListBoxAdapter> adaptListBox(QWidget& widget);

} // namespace dvRtns4
