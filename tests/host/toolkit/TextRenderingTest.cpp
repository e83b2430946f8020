#include <gtest/gtest.h>

#include <memory>

#include "tests/host/toolkit/ToolkitFixture.hpp"

namespace krx::sim::toolkit::test {
namespace {

class TextRenderingTest : public ToolkitTest {};

TEST_F(TextRenderingTest, ShowsTheWindowAsAPersonSeesIt) {
    TestPalette palette;
    DG::MultiSelListBox& list = palette.list;
    list.SetTabFieldCount(4);
    list.SetTabFieldProperties(1, 0, 100, DG::ListBox::Left, DG::ListBox::NoTruncate);
    list.SetTabFieldProperties(2, 100, 200, DG::ListBox::Left, DG::ListBox::NoTruncate);
    list.SetTabFieldProperties(3, 180, 200, DG::ListBox::Left, DG::ListBox::EndTruncate);
    list.SetTabFieldProperties(4, 200, 350, DG::ListBox::Right, DG::ListBox::NoTruncate);
    list.SetHeaderItemText(1, "Name");
    list.SetHeaderItemText(2, "Sheet");
    list.SetHeaderItemText(4, "Import");
    list.SetHeaderItemArrowType(1, DG::ListBox::UpArrow);
    fill(list, {"Alpha", "Beta"});
    list.SetTabItemText(1, 2, "color");
    list.SetTabItemText(2, 2, "layout");
    list.SetTabItemIcon(1, 4, DG::Icon(DG::HostResourceModule, DG::CheckedIconId));
    list.SetTabItemIcon(2, 4, DG::Icon(DG::HostResourceModule, DG::UncheckedIconId));
    palette.popup.AppendItem("color");
    palette.popup.AppendItem("reflectivity");
    palette.popup.SetCurrentItem(2);
    palette.popup.Hide();
    list.SetOnTabItem(3, palette.popup);
    list.SelectItem(2);
    palette.searchEdit.SetText("be");
    palette.searchEdit.SetFocus();
    palette.searchButton.Disable();
    palette.single.Hide();
    palette.Show();

    EXPECT_EQ(driver.render(palette.GetId()),
              "Palette \"Test palette\" 400x300\n"
              "  [1] Button \"Close\"\n"
              "  [2] RightText \"Find\"\n"
              "  [3] TextEdit \"be\" (focus)\n"
              "  [4] Button \"Search\" (disabled)\n"
              "  [5] TextPopup <reflectivity> entries: color | reflectivity (in list 6 row 2, tab 3)\n"
              "  [6] MultiSelList, 2 rows\n"
              "        | Name ^ | Sheet  |                | Import |\n"
              "        | Alpha  | color  |                |    [x] |\n"
              "      * | Beta   | layout | <reflectivity> |    [ ] |\n"
              "  [7] SingleSelList, 0 rows (hidden)\n"
              "        (no rows)\n");

    EXPECT_EQ(driver.renderOpenWindows(), driver.render(palette.GetId()) + "\n");
    DG::ModalDialog hidden(testModule, testDialogId, testModule);
    EXPECT_EQ(driver.renderOpenWindows(), driver.render(palette.GetId()) + "\n") << "only open windows";

    list.DeselectAllItems();
    list.SetHeaderItemArrowType(1, DG::ListBox::DownArrow);
    list.DisableDraw();
    const std::string unselected = driver.render(palette.GetId());
    EXPECT_NE(unselected.find("[5] TextPopup <reflectivity> entries: color | reflectivity (hidden)"),
              std::string::npos)
        << unselected;
    EXPECT_NE(unselected.find("| Name v | Sheet  | Import |"), std::string::npos) << unselected;
    EXPECT_NE(unselected.find("MultiSelList, 2 rows (drawing suspended)"), std::string::npos) << unselected;
}

TEST_F(TextRenderingTest, CellsFollowTheirTabFieldsJustification) {
    TestPalette palette;
    DG::MultiSelListBox& list = palette.list;
    list.SetTabFieldCount(3);
    list.SetTabFieldProperties(1, 0, 100, DG::ListBox::Left, DG::ListBox::NoTruncate);
    list.SetTabFieldProperties(2, 100, 200, DG::ListBox::Center, DG::ListBox::NoTruncate);
    list.SetTabFieldProperties(3, 200, 350, DG::ListBox::Right, DG::ListBox::NoTruncate);
    for (short tab = 1; tab <= 3; ++tab) {
        list.SetHeaderItemText(tab, "Column");
    }
    fill(list, {"a"});
    list.SetTabItemIcon(1, 2, DG::Icon(DG::HostResourceModule, DG::CheckedIconId));
    list.SetTabItemText(1, 3, "c");
    const std::string seen = driver.render(palette.GetId());
    EXPECT_NE(seen.find("  | Column | Column | Column |\n"
                        "        | a      |  [x]   |      c |\n"),
              std::string::npos)
        << seen;
}

TEST_F(TextRenderingTest, ShowsAPropertyList) {
    DG::ModalDialog dialog(testModule, testDialogId, testModule);
    VBAL::APIAttributeList list(dialog, 2);
    VBAL::APIAttributeListGroupItem group;
    VBAL::APIAttributeListSelectionItem language;
    VBAL::APIAttributeListCheckItem check;
    VBAL::APIAttributeListIntegerItem number;
    language.SetName("Language:");
    language.AddEntry("English");
    language.AddEntry("German");
    language.SetSelected(2);
    check.SetName("Lock images after import:");
    check.SetState(true);
    number.SetName("Interface file check time [ms]");
    number.SetRange(5, 1500);
    number.SetValue(12);
    group.AddItem(language);
    group.AddItem(check);
    group.AddItem(number);
    list.AddItem(group);
    EXPECT_EQ(driver.render(dialog.GetId()),
              "Dialog \"Test dialog\" 300x200 (hidden)\n"
              "  [1] Button \"OK\"\n"
              "  [2] AttributeList\n"
              "      Language: <German> of English | German\n"
              "      Lock images after import: [x]\n"
              "      Interface file check time [ms] [12] (5..1500)\n");
}

}  // namespace
}  // namespace krx::sim::toolkit::test
