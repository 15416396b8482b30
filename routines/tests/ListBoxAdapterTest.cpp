// The list box adapter over QListWidget and QComboBox: entries, item data,
// the current entry, selections and check marks, and out-of-range entries.
#include "routines/ListBoxAdapter.h"
#include "routines/RoutineError.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using dvRtns4::adaptListBox;
using dvRtns4::ListBoxAdapter;
using dvRtns4::RoutineError;

namespace {

// Each widget kind the adapter serves, behind the same checks.
struct WidgetKind {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

const WidgetKind kKinds[] = {
    {"QListWidget", [] { return std::make_unique<QListWidget>(); }},
    {"QComboBox", [] { return std::make_unique<QComboBox>(); }},
};

qint32 errorNumber(const std::function<void()>& call) {
    try {
        call();
    } catch (const RoutineError& e) {
        return e.number();
    }
    return 0;
}

TEST(ListBoxAdapter, AddsReadsAndRemovesEntriesOnEveryKind) {
    for (const auto& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        auto widget = kind.make();
        auto box = adaptListBox(*widget);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->ListCount(), 0);
        EXPECT_EQ(box->ListIndex(), -1);
        EXPECT_EQ(box->NewIndex(), -1);

        box->AddItem(QStringLiteral("5,Πάτρα"));
        box->setItemData(box->NewIndex(), 5);
        box->AddItem(QStringLiteral("12,Αθήνα"));
        box->setItemData(box->NewIndex(), 12);
        box->AddItem(QStringLiteral("1,Άργος"), 0); // inserted before the others
        EXPECT_EQ(box->NewIndex(), 0);
        box->setItemData(0, -7);

        ASSERT_EQ(box->ListCount(), 3);
        EXPECT_EQ(box->List(0), QStringLiteral("1,Άργος"));
        EXPECT_EQ(box->List(1), QStringLiteral("5,Πάτρα"));
        EXPECT_EQ(box->List(2), QStringLiteral("12,Αθήνα"));
        EXPECT_EQ(box->ItemData(0), -7);
        EXPECT_EQ(box->ItemData(2), 12);

        box->setList(1, QStringLiteral("6,Πύργος"));
        EXPECT_EQ(box->List(1), QStringLiteral("6,Πύργος"));
        EXPECT_EQ(box->ItemData(1), 5); // the text changed, not the data

        box->setListIndex(2);
        EXPECT_EQ(box->ListIndex(), 2);
        EXPECT_TRUE(box->Selected(2));
        box->RemoveItem(0);
        EXPECT_EQ(box->ListCount(), 2);
        EXPECT_EQ(box->List(0), QStringLiteral("6,Πύργος"));
        EXPECT_EQ(box->NewIndex(), -1);

        box->setListIndex(-1);
        EXPECT_EQ(box->ListIndex(), -1);
        EXPECT_FALSE(box->Selected(0));
        EXPECT_FALSE(box->Selected(1));

        EXPECT_EQ(box->Style(), 0);
        box->Clear();
        EXPECT_EQ(box->ListCount(), 0);
        EXPECT_EQ(box->ListIndex(), -1);
    }
}

TEST(ListBoxAdapter, EntriesOutOfRangeRaiseTheIndexError) {
    for (const auto& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        auto widget = kind.make();
        auto box = adaptListBox(*widget);
        box->AddItem(QStringLiteral("a"));
        const std::function<void()> calls[] = {
            [&] { (void)box->List(1); },     [&] { (void)box->List(-1); },
            [&] { (void)box->ItemData(1); }, [&] { box->setItemData(1, 0); },
            [&] { (void)box->Selected(1); }, [&] { box->setSelected(1, true); },
            [&] { box->setListIndex(1); },   [&] { box->setListIndex(-2); },
            [&] { box->RemoveItem(1); },     [&] { box->AddItem(QStringLiteral("b"), 2); },
        };
        for (const auto& call : calls)
            EXPECT_EQ(errorNumber(call), 381);
        EXPECT_EQ(box->ListCount(), 1);
        EXPECT_EQ(box->List(0), QStringLiteral("a"));
    }
}

TEST(ListBoxAdapter, CurrentEntryOfAMultiSelectionListKeepsTheSelection) {
    QListWidget list;
    list.setSelectionMode(QAbstractItemView::MultiSelection);
    auto box = adaptListBox(list);
    for (const char* text : {"a", "b", "c"})
        box->AddItem(QString::fromUtf8(text));
    box->setSelected(0, true);
    box->setSelected(2, true);
    box->setListIndex(1);
    EXPECT_EQ(box->ListIndex(), 1);
    EXPECT_TRUE(box->Selected(0));
    EXPECT_FALSE(box->Selected(1));
    EXPECT_TRUE(box->Selected(2));
    box->setSelected(0, false);
    EXPECT_FALSE(box->Selected(0));
    EXPECT_TRUE(box->Selected(2));
}

TEST(ListBoxAdapter, CurrentEntryOfASingleSelectionListIsTheSelectedOne) {
    QListWidget list;
    auto box = adaptListBox(list);
    for (const char* text : {"a", "b"})
        box->AddItem(QString::fromUtf8(text));
    box->setListIndex(0);
    box->setSelected(1, true);
    EXPECT_EQ(box->ListIndex(), 1);
    EXPECT_FALSE(box->Selected(0));
    EXPECT_TRUE(box->Selected(1));
}

TEST(ListBoxAdapter, CheckBoxListSelectsByCheckMark) {
    // Declared by the widget's property, even while the list is empty.
    QListWidget declared;
    declared.setProperty("Style", 1);
    auto box = adaptListBox(declared);
    EXPECT_EQ(box->Style(), 1);
    box->AddItem(QStringLiteral("a"));
    box->AddItem(QStringLiteral("b"));
    EXPECT_TRUE(declared.item(0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(declared.item(0)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(box->Selected(0));
    box->setSelected(1, true);
    EXPECT_EQ(declared.item(1)->checkState(), Qt::Checked);
    EXPECT_TRUE(box->Selected(1));
    // Moving the current entry leaves the check marks alone.
    box->setListIndex(0);
    EXPECT_TRUE(box->Selected(1));
    EXPECT_FALSE(box->Selected(0));

    // Recognised by its entries when the host filled it itself.
    QListWidget filled;
    auto* entry = new QListWidgetItem(QStringLiteral("x"), &filled);
    entry->setCheckState(Qt::Checked);
    EXPECT_EQ(adaptListBox(filled)->Style(), 1);
    EXPECT_TRUE(adaptListBox(filled)->Selected(0));
}

TEST(ListBoxAdapter, ComboBoxHasOneSelectedEntryItsCurrentOne) {
    QComboBox combo;
    auto box = adaptListBox(combo);
    box->AddItem(QStringLiteral("a"));
    box->AddItem(QStringLiteral("b"));
    box->setSelected(1, true);
    EXPECT_EQ(box->ListIndex(), 1);
    box->setSelected(0, false); // not the current one: nothing changes
    EXPECT_EQ(box->ListIndex(), 1);
    box->setSelected(1, false);
    EXPECT_EQ(box->ListIndex(), -1);
}

TEST(ListBoxAdapter, OtherWidgetsHaveNoAdapter) {
    QLabel label;
    EXPECT_EQ(adaptListBox(static_cast<QWidget&>(label)), nullptr);
}

} // namespace
