// clsListBox: small routines over a list box (see ListBoxAdapter for the
// list widgets that can be one). Entries are numbered from 0 and counted
// with 32-bit numbers.
//
// Code lists hold entries of the form code, delimiter, description
// («12,Athens»): an entry's code is its text before the first delimiter.
// In ListBox_GetCurrentCode and SetListIndex_for_Code an entry without the
// delimiter raises RoutineError 5.
#pragma once

#include "ListBoxAdapter.h"
#include "Variant.h"
#include "dvRtns4Enums.h"
#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsListBox {
public:
    // The first entry whose text (or item data) equals val, -1 when none.
    // Texts compare exactly; a number matches a text that reads as the same
    // number, and item data match val's numeric value.
    static qint32 Get_ListIndex(const ListBoxAdapter& lstBox, const Variant& val,
                                enum_SearchIn SearchIn = searchIn_List);
    static bool ExistIn_ListBox(const ListBoxAdapter& lstBox, const QString& str);
    // Removes the current entry; the one before it (or the new first one)
    // becomes current. Nothing happens without a current entry.
    static void RemoveCurrentLine_from_ListBox(ListBoxAdapter& lstBox);
    // Exchanges the current entry with its neighbour above or below (text,
    // item data and, in a check-box list, the check mark); the selection
    // moves with the line. Nothing happens at the ends of the list.
    static void MoveLine_in_ListBox(ListBoxAdapter& lstBox, enum_MoveDirection direction);
    // Selects (or deselects) every entry from the last to the first, making
    // each current in turn, so that a non-empty list ends with entry 0 current.
    static void SelectAll_in_ListBox(ListBoxAdapter& lstBox, bool bSelect);
    static bool Listbox_HasSelectedItem(const ListBoxAdapter& lstBox);
    // The current entry's code, untrimmed; empty without a current entry.
    static QString ListBox_GetCurrentCode(const ListBoxAdapter& lstBox,
                                          const QString& delimiter = QStringLiteral(","));
    // Makes current the first entry whose trimmed code equals Code; no
    // entry is current when none does or Code is empty.
    static void SetListIndex_for_Code(ListBoxAdapter& lstBox, const QString& Code,
                                      const QString& delimiter = QStringLiteral(","));
    // Makes current the first entry whose text equals val; an empty val
    // leaves no entry current, a val not in the list leaves the current
    // entry as it was.
    static void SetListIndex_for_List(ListBoxAdapter& lstBox, const QString& val);
};

} // namespace dvRtns4
