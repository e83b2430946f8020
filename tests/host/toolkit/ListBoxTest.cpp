#include <gtest/gtest.h>

#include <memory>

#include "tests/host/toolkit/ToolkitFixture.hpp"

namespace krx::sim::toolkit::test {
namespace {

using Events = std::vector<std::string>;

class ListBoxTest : public ToolkitTest {
protected:
    Recorder recorder;
    std::unique_ptr<TestPalette> palette;
    short id = 0;

    void SetUp() override {
        ToolkitTest::SetUp();
        palette = std::make_unique<TestPalette>();
        id = palette->GetId();
        palette->Attach(recorder);
        recorder.AttachToAllItems(*palette);
        palette->Show();
        recorder.take();
    }

    void TearDown() override {
        palette.reset();
        ToolkitTest::TearDown();
    }

    DG::MultiSelListBox& list() { return palette->list; }

    // Three columns of 100 with a pop-up place of 20 at the right end of the second, and an icon
    // column to the end of the list.
    void layOut() {
        list().SetTabFieldCount(4);
        list().SetHeaderSynchronState(false);
        list().SetTabFieldProperties(1, 0, 100, DG::ListBox::Left, DG::ListBox::NoTruncate);
        list().SetTabFieldProperties(2, 100, 200, DG::ListBox::Left, DG::ListBox::NoTruncate);
        list().SetTabFieldProperties(3, 180, 200, DG::ListBox::Left, DG::ListBox::EndTruncate);
        list().SetTabFieldProperties(4, 200, 350, DG::ListBox::Right, DG::ListBox::NoTruncate, true);
    }
};

TEST_F(ListBoxTest, TabFieldsAndHeaderItemsKeepTheirGeometry) {
    layOut();
    list().SetHeaderItemSize(1, 100);
    list().SetHeaderItemSize(2, 100);
    list().SetHeaderItemSize(4, 170);
    EXPECT_EQ(list().GetTabFieldCount(), 4);
    EXPECT_EQ(list().GetTabFieldBeginPosition(3), 180);
    EXPECT_EQ(list().GetTabFieldEndPosition(3), 200);
    EXPECT_EQ(list().GetTabFieldWidth(4), 150);
    EXPECT_EQ(list().GetTabFieldJustification(4), DG::ListBox::Right);
    EXPECT_EQ(list().GetTabFieldTruncation(3), DG::ListBox::EndTruncate);
    EXPECT_TRUE(list().HasTabFieldSeparator(4));
    EXPECT_FALSE(list().HasTabFieldSeparator(1));
    EXPECT_TRUE(list().IsTabFieldEnabled(2));
    EXPECT_FALSE(list().GetHeaderSynchronState());
    EXPECT_EQ(list().GetHeaderItemSize(4), 170) << "without synchronisation the header keeps its own sizes";
    EXPECT_EQ(list().GetHeaderItemSize(3), 0);

    list().SetHeaderSynchronState(true);
    EXPECT_EQ(list().GetHeaderItemSize(4), 150) << "with synchronisation the header follows the tab fields";

    list().Resize(0, 40);
    EXPECT_EQ(list().GetTabFieldEndPosition(4), 350) << "resizing the list leaves the layout alone";
}

TEST_F(ListBoxTest, ANumberTheListDoesNotHaveIsAFault) {
    expectFaults = true;
    layOut();
    fill(list(), {"a"});
    list().SetTabFieldProperties(5, 0, 10, DG::ListBox::Left, DG::ListBox::NoTruncate);
    list().SetTabItemText(2, 1, "b");
    list().SelectItem(0);
    list().DeleteItem(2);
    EXPECT_EQ(list().GetItemCount(), 1);
    EXPECT_EQ(list().GetSelectedCount(), 0);
    EXPECT_EQ(faults().size(), 4u);
}

TEST_F(ListBoxTest, RowsCarryTextsAndIconsPerTabField) {
    layOut();
    fill(list(), {"a", "b"});
    const DG::Icon checked(DG::HostResourceModule, DG::CheckedIconId);
    const DG::Icon unchecked(DG::HostResourceModule, DG::UncheckedIconId);
    list().SetTabItemIcon(1, 4, checked);
    list().SetTabItemIcon(2, 4, unchecked);
    list().SetTabItemText(2, 2, "second");
    EXPECT_EQ(list().GetTabItemIcon(1, 4), checked);
    EXPECT_NE(list().GetTabItemIcon(2, 4), checked);
    EXPECT_EQ(list().GetTabItemIcon(2, 4), DG::Icon(DG::HostResourceModule, DG::UncheckedIconId));
    EXPECT_TRUE(list().GetTabItemIcon(1, 1).IsEmpty());

    list().InsertItem(1);
    EXPECT_EQ(list().GetItemCount(), 3);
    EXPECT_EQ(list().GetTabItemText(3, 2), "second");
    list().DeleteItem(1);
    EXPECT_EQ(list().GetTabItemText(1, 1), "a");
    list().DeleteAllItems();
    EXPECT_EQ(list().GetItemCount(), 0);
}

TEST_F(ListBoxTest, SelectingInCodeSendsNothing) {
    fill(list(), {"a", "b", "c"});
    fill(palette->single, {"x", "y"});
    list().SelectItem(3);
    list().SelectItem(1);
    palette->single.SelectItem(1);
    palette->single.SelectItem(2);
    EXPECT_EQ(list().GetSelectedItems(), (GS::Array<short>{1, 3})) << "a multi-selection list adds";
    EXPECT_EQ(list().GetSelectedItem(), 1);
    EXPECT_EQ(palette->single.GetSelectedItems(), GS::Array<short>{2}) << "a single-selection list replaces";
    list().DeselectItem(1);
    EXPECT_EQ(list().GetSelectedItem(), 3);
    list().DeleteItem(3);
    EXPECT_EQ(list().GetSelectedCount(), 0) << "a deleted row takes its selection along";
    EXPECT_TRUE(recorder.take().empty());
}

TEST_F(ListBoxTest, ClicksSelectFirstAndReportTheClickAfter) {
    layOut();
    fill(list(), {"a", "b", "c"});
    struct Case {
        const char* name;
        short row;
        short offset;
        Driver::Click click;
        Events events;
        GS::Array<short> selection;
    };
    const Case cases[] = {
        {"plain click selects",
         2,
         30,
         Driver::Click::Plain,
         {"ListBoxSelectionChanged 6 [2]", "ListBoxClicked 6 row 2 offset 30"},
         {2}},
        {"same row again: no selection change",
         2,
         340,
         Driver::Click::Plain,
         {"ListBoxClicked 6 row 2 offset 340"},
         {2}},
        {"extend adds",
         3,
         10,
         Driver::Click::Extend,
         {"ListBoxSelectionChanged 6 [2,3]", "ListBoxClicked 6 row 3 offset 10"},
         {2, 3}},
        {"plain click inside the selection keeps it",
         3,
         340,
         Driver::Click::Plain,
         {"ListBoxClicked 6 row 3 offset 340"},
         {2, 3}},
        {"extend on a selected row removes it",
         2,
         10,
         Driver::Click::Extend,
         {"ListBoxSelectionChanged 6 [3]", "ListBoxClicked 6 row 2 offset 10"},
         {3}},
        {"plain click replaces",
         1,
         0,
         Driver::Click::Plain,
         {"ListBoxSelectionChanged 6 [1]", "ListBoxClicked 6 row 1 offset 0"},
         {1}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(driver.clickListItem(id, RowList, c.row, c.offset, c.click)) << c.name;
        EXPECT_EQ(recorder.take(), c.events) << c.name;
        EXPECT_EQ(list().GetSelectedItems(), c.selection) << c.name;
    }
    EXPECT_TRUE(list().IsFocused()) << "a click gives the list the keyboard focus";

    EXPECT_TRUE(driver.clickListEmptyArea(id, RowList));
    EXPECT_EQ(recorder.take(), (Events{"ListBoxSelectionChanged 6 []", "ListBoxClicked 6 row 0 offset 0"}));
    EXPECT_FALSE(driver.clickListItem(id, RowList, 4, 0));
    EXPECT_FALSE(driver.clickListItem(id, RowList, 1, 350)) << "the offset lies within the rows";
    EXPECT_TRUE(recorder.take().empty());
}

TEST_F(ListBoxTest, ADoubleClickIsAClickFollowedByTheDoubleClick) {
    fill(list(), {"a", "b"});
    EXPECT_TRUE(driver.doubleClickListItem(id, RowList, 2, 12));
    EXPECT_EQ(recorder.take(), (Events{"ListBoxSelectionChanged 6 [2]", "ListBoxClicked 6 row 2 offset 12",
                                       "ListBoxDoubleClicked 6 row 2"}));
}

TEST_F(ListBoxTest, SelectingSeveralRowsAndDeselectingOne) {
    fill(list(), {"a", "b", "c", "d"});
    fill(palette->single, {"x", "y"});
    EXPECT_TRUE(driver.selectListItems(id, RowList, {1, 3, 4}));
    EXPECT_EQ(list().GetSelectedItems(), (GS::Array<short>{1, 3, 4}));
    EXPECT_TRUE(driver.deselectListItem(id, RowList, 3));
    EXPECT_EQ(list().GetSelectedItems(), (GS::Array<short>{1, 4}));
    EXPECT_TRUE(driver.selectListItems(id, RowList, {4, 2}));
    EXPECT_EQ(list().GetSelectedItems(), (GS::Array<short>{2, 4})) << "row 1 is no longer selected";
    EXPECT_FALSE(driver.deselectListItem(id, RowList, 1));
    EXPECT_FALSE(driver.selectListItems(id, SingleList, {1, 2})) << "one row at a time";
    EXPECT_TRUE(driver.clickListItem(id, SingleList, 2, 5, Driver::Click::Extend));
    EXPECT_EQ(palette->single.GetSelectedItems(), GS::Array<short>{2});
    const Events events = recorder.take();
    EXPECT_EQ(events.front(), "ListBoxSelectionChanged 6 [1]");
    EXPECT_EQ(events.back(), "ListBoxClicked 7 row 2 offset 5");
}

TEST_F(ListBoxTest, HeaderItemsCarryTextArrowAndPushButtons) {
    layOut();
    list().SetHeaderItemSize(2, 100);
    list().SetHeaderItemText(1, "Name");
    list().SetHeaderItemArrowType(1, DG::ListBox::UpArrow);
    list().SetHeaderItemArrowType(2, DG::ListBox::DownArrow);
    EXPECT_EQ(list().GetHeaderItemText(1), "Name");
    EXPECT_EQ(list().GetHeaderItemArrowType(1), DG::ListBox::UpArrow);
    EXPECT_EQ(list().GetHeaderItemArrowType(2), DG::ListBox::DownArrow);
    EXPECT_EQ(list().GetHeaderItemArrowType(3), DG::ListBox::NoArrow);

    EXPECT_TRUE(driver.clickHeaderItem(id, RowList, 2));
    EXPECT_TRUE(recorder.take().empty()) << "a header of labels does not react";
    list().SetHeaderPushableButtons(true);
    EXPECT_TRUE(list().HasHeaderPushableButtons());
    EXPECT_TRUE(driver.clickHeaderItem(id, RowList, 2));
    EXPECT_EQ(recorder.take(), Events{"ListBoxHeaderItemClicked 6 2"});
    EXPECT_FALSE(driver.clickHeaderItem(id, RowList, 5));
    list().SetHeaderItemSize(2, 0);
    EXPECT_FALSE(driver.clickHeaderItem(id, RowList, 2)) << "a header item without width is not there";
    EXPECT_TRUE(recorder.take().empty());
    EXPECT_FALSE(driver.clickHeaderItem(id, SingleList, 1)) << "that list has no header";
}

TEST_F(ListBoxTest, AnOnTabItemShowsInTheSelectedRowOnly) {
    layOut();
    fill(list(), {"a", "b"});
    palette->popup.Initialize("Choices", 100, 1);
    palette->popup.AppendItem("one");
    palette->popup.AppendItem("two");
    palette->popup.Hide();
    list().SetOnTabItem(3, palette->popup);
    EXPECT_EQ(list().GetOnTabItem(3), ChoicePopup);

    EXPECT_FALSE(driver.choosePopupItem(id, ChoicePopup, 2)) << "hidden, and no row to show it in";
    list().SelectItem(2);
    EXPECT_TRUE(driver.choosePopupItem(id, ChoicePopup, "two"));
    EXPECT_TRUE(driver.choosePopupItem(id, ChoicePopup, 2)) << "choosing the current entry is a choice too";
    EXPECT_EQ(recorder.take(), (Events{"UserControlChanged 5", "UserControlChanged 5"}));
    EXPECT_EQ(palette->popup.GetCurrentItemText(), "two");

    list().RemoveOnTabItem(3);
    EXPECT_FALSE(driver.choosePopupItem(id, ChoicePopup, 1));
}

TEST_F(ListBoxTest, DrawingSuspendedUntilResumed) {
    ItemModel* model = list().GetModel();
    const int draws = model->redrawCount;
    list().DisableDraw();
    list().DisableDraw();
    fill(list(), {"a", "b"});
    list().Redraw();
    list().EnableDraw();
    list().Redraw();
    EXPECT_EQ(model->redrawCount, draws) << "still suspended once";
    list().EnableDraw();
    list().Redraw();
    EXPECT_EQ(model->redrawCount, draws + 1);
}

// Refilling a list row by row draws it at every change unless drawing is suspended around it.
TEST_F(ListBoxTest, ABulkChangeIsDrawnOnceOnlyWithDrawingSuspended) {
    layOut();
    ItemModel* model = list().GetModel();
    const auto refill = [&] {
        list().DeleteAllItems();
        for (short row = 1; row <= 3; ++row) {
            list().AppendItem();
            list().SetTabItemText(row, 1, "name");
            list().SetTabItemIcon(row, 4, DG::Icon(DG::HostResourceModule, DG::UncheckedIconId));
        }
        list().SelectItem(2);
        list().DeselectAllItems();
        list().SetHeaderItemArrowType(1, DG::ListBox::UpArrow);
    };
    struct Case {
        const char* name;
        bool suspended;
        int draws;
    };
    const Case cases[] = {
        {"drawn at every change", false,
         /* clear */ 1 + /* rows */ 3 * 3 + /* selection, arrow */ 3 + /* Redraw */ 1},
        {"drawn once", true, 1},
    };
    for (const Case& c : cases) {
        const int before = model->redrawCount;
        if (c.suspended) {
            list().DisableDraw();
        }
        refill();
        if (c.suspended) {
            list().EnableDraw();
        }
        list().Redraw();
        EXPECT_EQ(model->redrawCount - before, c.draws) << c.name;
    }
}

}  // namespace
}  // namespace krx::sim::toolkit::test
