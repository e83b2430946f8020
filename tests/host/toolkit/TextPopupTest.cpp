#include <gtest/gtest.h>

#include "tests/host/toolkit/ToolkitFixture.hpp"

namespace krx::sim::toolkit::test {
namespace {

class TextPopupTest : public ToolkitTest {};

TEST_F(TextPopupTest, TheCurrentEntryFollowsAppendsAndDeletes) {
    TestPalette palette;
    UC::TextPopup& popup = palette.popup;
    popup.Initialize("Header", 100, 1);
    EXPECT_EQ(popup.GetCurrentItem(), 0) << "an empty pop-up has no current entry";
    EXPECT_EQ(popup.GetCurrentItemText(), "");

    struct Step {
        const char* name;
        void (*act)(UC::TextPopup&);
        short current;
        const char* text;
    };
    const Step steps[] = {
        {"the first entry becomes current",
         [](UC::TextPopup& p) {
             p.AppendItem("a");
             p.AppendItem("b");
             p.AppendItem("c");
         },
         1, "a"},
        {"chosen in code", [](UC::TextPopup& p) { p.SetCurrentItem(3); }, 3, "c"},
        {"an entry before it goes", [](UC::TextPopup& p) { p.DeleteItem(1); }, 2, "c"},
        {"the current last entry goes", [](UC::TextPopup& p) { p.DeleteItem(2); }, 1, "b"},
        {"the current entry goes, the next takes its place",
         [](UC::TextPopup& p) {
             p.AppendItem("d");
             p.DeleteItem(1);
         },
         1, "d"},
        {"all go", [](UC::TextPopup& p) { p.DeleteAllItems(); }, 0, ""},
        {"refilled", [](UC::TextPopup& p) { p.AppendItem("e"); }, 1, "e"},
    };
    for (const Step& step : steps) {
        step.act(popup);
        EXPECT_EQ(popup.GetCurrentItem(), step.current) << step.name;
        EXPECT_EQ(popup.GetCurrentItemText(), step.text) << step.name;
    }
    EXPECT_EQ(popup.GetItemCount(), 1);
    EXPECT_EQ(popup.GetItemText(1), "e");
}

TEST_F(TextPopupTest, ChangesInCodeSendNothingAndWrongNumbersAreFaults) {
    expectFaults = true;
    TestPalette palette;
    Recorder recorder;
    palette.popup.Attach(recorder);
    palette.Show();
    palette.popup.AppendItem("a");
    palette.popup.SetCurrentItem(1);
    palette.popup.SetCurrentItem(2);
    palette.popup.DeleteItem(0);
    EXPECT_TRUE(recorder.take().empty());
    EXPECT_EQ(faults().size(), 2u);

    EXPECT_TRUE(driver.choosePopupItem(palette.GetId(), ChoicePopup, 1));
    EXPECT_FALSE(driver.choosePopupItem(palette.GetId(), ChoicePopup, 2));
    EXPECT_FALSE(driver.choosePopupItem(palette.GetId(), ChoicePopup, "zz"));
    EXPECT_FALSE(driver.choosePopupItem(palette.GetId(), SearchButton, 1)) << "not a pop-up";
    EXPECT_EQ(recorder.take(), std::vector<std::string>{"UserControlChanged 5"});
}

}  // namespace
}  // namespace krx::sim::toolkit::test
