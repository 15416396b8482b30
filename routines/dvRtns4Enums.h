// The enumerations the list routines publish.
#pragma once

namespace dvRtns4 {

// Where Get_ListIndex looks for a value: the entries' texts or their item data.
enum enum_SearchIn { searchIn_List = 0, searchIn_Itemdata = 1 };

// Which way MoveLine_in_ListBox moves the current entry.
enum enum_MoveDirection { move_direction_Up = 0, move_direction_Down = 1 };

} // namespace dvRtns4
