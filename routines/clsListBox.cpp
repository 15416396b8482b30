// The list box routines, over the list box adapter.
#include "routines/clsListBox.h"

#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"

namespace dvRtns4 {

namespace {

// The text before the first delimiter; an entry without one is the
// caller's error.
QString codeOf(const QString& entry, const QString& delimiter) {
    const qsizetype at = delimiter.isEmpty() ? -1 : entry.indexOf(delimiter);
    if (at < 0)
        throw RoutineError::invalidArgument();
    return entry.left(at);
}

bool textMatches(const QString& text, const Variant& val) {
    switch (val.kind()) {
    case Variant::Kind::Integer:
    case Variant::Kind::Double:
    case Variant::Kind::Boolean: {
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        return ok && number == val.toDouble();
    }
    case Variant::Kind::Null:
        return false;
    default:
        return text == val.toString();
    }
}

bool dataMatches(qint32 data, const Variant& val) {
    switch (val.kind()) {
    case Variant::Kind::Null:
        return false;
    case Variant::Kind::Text: {
        bool ok = false;
        const double number = val.toString().trimmed().toDouble(&ok);
        return ok && number == data;
    }
    default:
        return val.toDouble() == data;
    }
}

} // namespace

qint32 clsListBox::Get_ListIndex(const ListBoxAdapter& lstBox, const Variant& val,
                                 enum_SearchIn SearchIn) {
    const qint32 count = lstBox.ListCount();
    for (qint32 i = 0; i < count; ++i) {
        const bool found = SearchIn == searchIn_Itemdata ? dataMatches(lstBox.ItemData(i), val)
                                                         : textMatches(lstBox.List(i), val);
        if (found)
            return i;
    }
    return -1;
}

bool clsListBox::ExistIn_ListBox(const ListBoxAdapter& lstBox, const QString& str) {
    const qint32 count = lstBox.ListCount();
    for (qint32 i = 0; i < count; ++i) {
        if (lstBox.List(i) == str)
            return true;
    }
    return false;
}

void clsListBox::RemoveCurrentLine_from_ListBox(ListBoxAdapter& lstBox) {
    const qint32 current = lstBox.ListIndex();
    if (current < 0)
        return;
    lstBox.RemoveItem(current);
    if (lstBox.ListCount() > 0)
        lstBox.setListIndex(current == 0 ? 0 : current - 1);
}

void clsListBox::MoveLine_in_ListBox(ListBoxAdapter& lstBox, enum_MoveDirection direction) {
    const qint32 count = lstBox.ListCount();
    const qint32 i = lstBox.ListIndex();
    if (count <= 1 || i < 0)
        return;
    if (direction == move_direction_Up && i == 0)
        return;
    if (direction == move_direction_Down && i == count - 1)
        return;
    const qint32 j = direction == move_direction_Up ? i - 1 : i + 1;

    const QString text = lstBox.List(i);
    const qint32 data = lstBox.ItemData(i);
    lstBox.setList(i, lstBox.List(j));
    lstBox.setItemData(i, lstBox.ItemData(j));
    lstBox.setList(j, text);
    lstBox.setItemData(j, data);
    if (lstBox.Style() == 1) {
        const bool markI = lstBox.Selected(i);
        const bool markJ = lstBox.Selected(j);
        lstBox.setSelected(i, markJ);
        lstBox.setSelected(j, markI);
    }
    lstBox.setListIndex(j);
}

void clsListBox::SelectAll_in_ListBox(ListBoxAdapter& lstBox, bool bSelect) {
    for (qint32 i = lstBox.ListCount() - 1; i >= 0; --i) {
        lstBox.setSelected(i, bSelect);
        lstBox.setListIndex(i);
    }
}

bool clsListBox::Listbox_HasSelectedItem(const ListBoxAdapter& lstBox) {
    const qint32 count = lstBox.ListCount();
    for (qint32 i = 0; i < count; ++i) {
        if (lstBox.Selected(i))
            return true;
    }
    return false;
}

QString clsListBox::ListBox_GetCurrentCode(const ListBoxAdapter& lstBox, const QString& delimiter) {
    const qint32 current = lstBox.ListIndex();
    if (current < 0)
        return {};
    return codeOf(lstBox.List(current), delimiter);
}

void clsListBox::SetListIndex_for_Code(ListBoxAdapter& lstBox, const QString& Code,
                                       const QString& delimiter) {
    if (!Code.isEmpty()) {
        const qint32 count = lstBox.ListCount();
        for (qint32 i = 0; i < count; ++i) {
            if (trimSpaces(codeOf(lstBox.List(i), delimiter)) == Code) {
                lstBox.setListIndex(i);
                return;
            }
        }
    }
    lstBox.setListIndex(-1);
}

void clsListBox::SetListIndex_for_List(ListBoxAdapter& lstBox, const QString& val) {
    if (val.isEmpty()) {
        lstBox.setListIndex(-1);
        return;
    }
    const qint32 count = lstBox.ListCount();
    for (qint32 i = 0; i < count; ++i) {
        if (lstBox.List(i) == val) {
            lstBox.setListIndex(i);
            return;
        }
    }
}

} // namespace dvRtns4
