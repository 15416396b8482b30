// clsListBox over real list widgets: searches, removing and moving lines,
// selecting all and the code lists.
#include "routines/RoutineError.h"
#include "routines/clsListBox.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

#include <initializer_list>

using dvRtns4::adaptListBox;
using dvRtns4::clsListBox;
using dvRtns4::ListBoxAdapter;
using dvRtns4::RoutineError;
using dvRtns4::Variant;

namespace {

// A list widget with the given entries; entry i carries item data 10 * (i + 1).
struct Fixture {
    explicit Fixture(std::initializer_list<const char*> entries, bool checkBoxes = false) {
        if (checkBoxes)
            widget.setProperty("Style", 1);
        box = adaptListBox(widget);
        qint32 data = 10;
        for (const char* entry : entries) {
            box->AddItem(QString::fromUtf8(entry));
            box->setItemData(box->NewIndex(), data);
            data += 10;
        }
    }
    QStringList texts() const {
        QStringList all;
        for (qint32 i = 0; i < box->ListCount(); ++i)
            all << box->List(i);
        return all;
    }
    QListWidget widget;
    std::unique_ptr<ListBoxAdapter> box;
};

TEST(clsListBox, FindsEntriesByTextOrItemData) {
    Fixture f{"5,Πάτρα", "12,Αθήνα", "12", "athens"};
    const struct {
        Variant val;
        dvRtns4::enum_SearchIn in;
        qint32 index;
    } cases[] = {
        {Variant("12,Αθήνα"), dvRtns4::searchIn_List, 1},
        {Variant("12,αθήνα"), dvRtns4::searchIn_List, -1}, // exact letter case
        {Variant(12), dvRtns4::searchIn_List, 2},          // a number meets a numeric text
        {Variant("Athens"), dvRtns4::searchIn_List, -1},
        {Variant(30), dvRtns4::searchIn_Itemdata, 2},
        {Variant("40"), dvRtns4::searchIn_Itemdata, 3},
        {Variant(35), dvRtns4::searchIn_Itemdata, -1},
        {Variant::null(), dvRtns4::searchIn_List, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.val.toString().toStdString());
        EXPECT_EQ(clsListBox::Get_ListIndex(*f.box, c.val, c.in), c.index);
    }
    EXPECT_TRUE(clsListBox::ExistIn_ListBox(*f.box, QStringLiteral("athens")));
    EXPECT_FALSE(clsListBox::ExistIn_ListBox(*f.box, QStringLiteral("Athens")));

    Fixture empty{};
    EXPECT_EQ(clsListBox::Get_ListIndex(*empty.box, Variant("x")), -1);
    EXPECT_FALSE(clsListBox::ExistIn_ListBox(*empty.box, QString()));
}

TEST(clsListBox, RemovingTheCurrentLineMakesThePreviousOneCurrent) {
    const struct {
        qint32 current;
        QStringList left;
        qint32 after;
    } cases[] = {
        {2, {"a", "b", "d"}, 1},
        {0, {"b", "c", "d"}, 0},
        {3, {"a", "b", "c"}, 2},
        {-1, {"a", "b", "c", "d"}, -1}, // no current line: nothing removed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        Fixture f{"a", "b", "c", "d"};
        f.box->setListIndex(c.current);
        clsListBox::RemoveCurrentLine_from_ListBox(*f.box);
        EXPECT_EQ(f.texts(), c.left);
        EXPECT_EQ(f.box->ListIndex(), c.after);
    }
    Fixture only{"a"};
    only.box->setListIndex(0);
    clsListBox::RemoveCurrentLine_from_ListBox(*only.box);
    EXPECT_EQ(only.box->ListCount(), 0);
    EXPECT_EQ(only.box->ListIndex(), -1);
}

TEST(clsListBox, MovingALineTakesItsDataAndCheckMarkAlong) {
    Fixture f{"a", "b", "c", "d", "e"};
    f.box->setListIndex(3);
    clsListBox::MoveLine_in_ListBox(*f.box, dvRtns4::move_direction_Up);
    EXPECT_EQ(f.texts(), QStringList({"a", "b", "d", "c", "e"}));
    EXPECT_EQ(f.box->ItemData(2), 40);
    EXPECT_EQ(f.box->ItemData(3), 30);
    EXPECT_EQ(f.box->ListIndex(), 2);
    EXPECT_TRUE(f.box->Selected(2)); // the selection moved with the line
    clsListBox::MoveLine_in_ListBox(*f.box, dvRtns4::move_direction_Down);
    clsListBox::MoveLine_in_ListBox(*f.box, dvRtns4::move_direction_Down);
    EXPECT_EQ(f.texts(), QStringList({"a", "b", "c", "e", "d"}));
    EXPECT_EQ(f.box->ListIndex(), 4);

    // Check-box list: entry 3 is checked, entry 2 is not.
    Fixture checks{{"a", "b", "c", "d", "e"}, true};
    checks.box->setSelected(3, true);
    checks.box->setSelected(0, true);
    checks.box->setListIndex(3);
    clsListBox::MoveLine_in_ListBox(*checks.box, dvRtns4::move_direction_Up);
    EXPECT_EQ(checks.texts(), QStringList({"a", "b", "d", "c", "e"}));
    EXPECT_TRUE(checks.box->Selected(2));
    EXPECT_FALSE(checks.box->Selected(3));
    EXPECT_TRUE(checks.box->Selected(0)); // other marks stay
    EXPECT_EQ(checks.box->ListIndex(), 2);
}

TEST(clsListBox, MovingALineDoesNothingAtTheEnds) {
    const struct {
        std::initializer_list<const char*> entries;
        qint32 current;
        dvRtns4::enum_MoveDirection direction;
    } cases[] = {
        {{"a", "b"}, 0, dvRtns4::move_direction_Up},
        {{"a", "b"}, 1, dvRtns4::move_direction_Down},
        {{"a", "b"}, -1, dvRtns4::move_direction_Down},
        {{"a"}, 0, dvRtns4::move_direction_Down},
        {{}, -1, dvRtns4::move_direction_Up},
    };
    for (const auto& c : cases) {
        Fixture f{c.entries};
        f.box->setListIndex(c.current);
        const QStringList before = f.texts();
        clsListBox::MoveLine_in_ListBox(*f.box, c.direction);
        EXPECT_EQ(f.texts(), before);
        EXPECT_EQ(f.box->ListIndex(), c.current);
    }
}

TEST(clsListBox, SelectingAllEndsOnTheFirstEntry) {
    Fixture checks{{"a", "b", "c"}, true};
    EXPECT_FALSE(clsListBox::Listbox_HasSelectedItem(*checks.box));
    clsListBox::SelectAll_in_ListBox(*checks.box, true);
    for (qint32 i = 0; i < 3; ++i)
        EXPECT_TRUE(checks.box->Selected(i));
    EXPECT_EQ(checks.box->ListIndex(), 0);
    EXPECT_TRUE(clsListBox::Listbox_HasSelectedItem(*checks.box));
    clsListBox::SelectAll_in_ListBox(*checks.box, false);
    EXPECT_FALSE(clsListBox::Listbox_HasSelectedItem(*checks.box));

    Fixture multi{"a", "b", "c"};
    multi.widget.setSelectionMode(QAbstractItemView::MultiSelection);
    clsListBox::SelectAll_in_ListBox(*multi.box, true);
    EXPECT_EQ(multi.widget.selectedItems().size(), 3);
    EXPECT_EQ(multi.box->ListIndex(), 0);

    Fixture empty{};
    clsListBox::SelectAll_in_ListBox(*empty.box, true);
    EXPECT_EQ(empty.box->ListIndex(), -1);
}

TEST(clsListBox, CodeListsChooseByCode) {
    Fixture f{"5,Patras", " 12 ,Athens", "12,Larisa"};
    f.box->setListIndex(1);
    EXPECT_EQ(clsListBox::ListBox_GetCurrentCode(*f.box), QStringLiteral(" 12 ")); // untrimmed
    clsListBox::SetListIndex_for_Code(*f.box, QStringLiteral("12"));
    EXPECT_EQ(f.box->ListIndex(), 1); // codes are trimmed before comparing
    clsListBox::SetListIndex_for_Code(*f.box, QStringLiteral("5"));
    EXPECT_EQ(f.box->ListIndex(), 0);
    clsListBox::SetListIndex_for_Code(*f.box, QStringLiteral("7"));
    EXPECT_EQ(f.box->ListIndex(), -1);
    EXPECT_EQ(clsListBox::ListBox_GetCurrentCode(*f.box), QString());
    f.box->setListIndex(2);
    clsListBox::SetListIndex_for_Code(*f.box, QString());
    EXPECT_EQ(f.box->ListIndex(), -1);

    Fixture semi{"5;Patras|x", "12;Athens"};
    semi.box->setListIndex(0);
    EXPECT_EQ(clsListBox::ListBox_GetCurrentCode(*semi.box, QStringLiteral(";")),
              QStringLiteral("5"));
    clsListBox::SetListIndex_for_Code(*semi.box, QStringLiteral("12"), QStringLiteral(";"));
    EXPECT_EQ(semi.box->ListIndex(), 1);

    // An entry without the delimiter is the caller's error.
    Fixture bad{"5,Patras", "Athens"};
    bad.box->setListIndex(1);
    EXPECT_THROW(clsListBox::ListBox_GetCurrentCode(*bad.box), RoutineError);
    EXPECT_THROW(clsListBox::SetListIndex_for_Code(*bad.box, QStringLiteral("7")), RoutineError);
}

TEST(clsListBox, ChoosingByTextKeepsTheSelectionWhenNothingMatches) {
    QComboBox combo;
    auto box = adaptListBox(combo);
    for (const char* entry : {"5,Patras", "12,Athens"})
        box->AddItem(QString::fromUtf8(entry));
    clsListBox::SetListIndex_for_List(*box, QStringLiteral("12,Athens"));
    EXPECT_EQ(box->ListIndex(), 1);
    clsListBox::SetListIndex_for_List(*box, QStringLiteral("7,Volos"));
    EXPECT_EQ(box->ListIndex(), 1);
    clsListBox::SetListIndex_for_List(*box, QString());
    EXPECT_EQ(box->ListIndex(), -1);
}

} // namespace
