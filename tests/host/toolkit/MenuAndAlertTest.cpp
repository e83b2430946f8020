#include <gtest/gtest.h>

#include <memory>

#include "tests/host/toolkit/ToolkitFixture.hpp"

namespace krx::sim::toolkit::test {
namespace {

using Events = std::vector<std::string>;

// Shows a context menu of three commands when the list asks for one, as a palette's observer does.
class MenuObserver : public DG::ListBoxObserver {
public:
    explicit MenuObserver(DG::ListBox& list) : menu_("-"), list_(list) {
        for (Int32 id = 1; id <= 3; ++id) {
            menu_.AddItem(DG::MenuSimpleItem(DG::Command(id)));
            descriptors_.push_back(std::make_unique<DG::CommandDescriptor>(
                DG::Command(id), GS::UniString(std::string("Command ") + std::to_string(id)), GS::UniString(),
                true));
        }
        list_.Attach(*this);
    }

    void ListBoxContextMenuRequested(const DG::ListBoxContextMenuEvent& event, bool* processed) override {
        if (event.GetSource() != &list_) {
            return;
        }
        requests.push_back(event.GetListItem());
        const DG::ContextMenu contextMenu(menu_);
        std::unique_ptr<DG::CommandEvent> chosen = contextMenu.Display(event.GetPosition());
        if (chosen == nullptr) {
            return;
        }
        commands.push_back(chosen->GetCommand().GetId());
        *processed = true;
    }

    DG::CommandDescriptor& descriptor(int id) { return *descriptors_[static_cast<std::size_t>(id - 1)]; }

    std::vector<short> requests;
    std::vector<Int32> commands;

private:
    DG::Menu menu_;
    DG::ListBox& list_;
    std::vector<std::unique_ptr<DG::CommandDescriptor>> descriptors_;
};

class MenuAndAlertTest : public ToolkitTest {
protected:
    std::unique_ptr<TestPalette> palette;
    Recorder panelRecorder;
    short id = 0;

    void SetUp() override {
        ToolkitTest::SetUp();
        palette = std::make_unique<TestPalette>();
        id = palette->GetId();
        palette->Attach(panelRecorder);
        palette->Show();
        fill(palette->list, {"a", "b", "c"});
        palette->list.SelectItem(2);
    }

    void TearDown() override {
        palette.reset();
        ToolkitTest::TearDown();
    }
};

TEST_F(MenuAndAlertTest, TheContextMenuReportsTheChosenCommand) {
    MenuObserver observer(palette->list);
    observer.descriptor(3).Disable();
    struct Case {
        const char* name;
        MenuChoice choice;
        std::vector<Int32> commands;
        bool panelAsked;
    };
    const Case cases[] = {
        {"by text", Driver::chooseText("Command 2"), {2}, false},
        {"by place", Driver::choosePosition(1), {1}, false},
        {"nothing", Driver::chooseNothing(), {}, true},
        {"a disabled entry", Driver::chooseText("Command 3"), {}, true},
    };
    for (const Case& c : cases) {
        observer.commands.clear();
        panelRecorder.take();
        EXPECT_TRUE(driver.openListContextMenu(id, RowList, 1, c.choice)) << c.name;
        EXPECT_EQ(observer.commands, c.commands) << c.name;
        EXPECT_EQ(panelRecorder.take(), c.panelAsked ? Events{"PanelContextMenuRequested"} : Events{})
            << c.name << ": an unprocessed request goes on to the panel";
    }
    EXPECT_EQ(palette->list.GetSelectedItems(), GS::Array<short>{2}) << "a right-click keeps the selection";
    EXPECT_EQ(driver.renderMenus(),
              "Menu \"-\": [Command 1] [Command 2] [Command 3 (disabled)] -> \"Command 2\"\n"
              "Menu \"-\": [Command 1] [Command 2] [Command 3 (disabled)] -> \"Command 1\"\n"
              "Menu \"-\": [Command 1] [Command 2] [Command 3 (disabled)] -> nothing\n"
              "Menu \"-\": [Command 1] [Command 2] [Command 3 (disabled)] -> nothing\n");

    EXPECT_TRUE(driver.openListContextMenu(id, RowList, 0, Driver::choosePosition(2)));
    EXPECT_EQ(observer.requests.back(), 0) << "below the rows";
}

TEST_F(MenuAndAlertTest, TheMenuOpensWhereThePersonClicked) {
    MenuObserver observer(palette->list);
    // The list of the test palette: 350 wide at (10, 40), a header of 20, rows of 24, three rows.
    EXPECT_TRUE(driver.openListContextMenu(id, RowList, 2, Driver::chooseNothing()));
    EXPECT_TRUE(driver.openListContextMenu(id, RowList, 0, Driver::chooseNothing()));
    const auto& menus = Toolkit::instance().menus();
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].x, 10 + 350 / 2);
    EXPECT_EQ(menus[0].y, 40 + 20 + 24 + 24 / 2) << "in the middle of the second row";
    EXPECT_EQ(menus[1].y, 40 + 20 + 3 * 24 + 24 / 2) << "below the last row";
}

TEST_F(MenuAndAlertTest, AMenuEntryThatIsNotThereIsAFault) {
    expectFaults = true;
    MenuObserver observer(palette->list);
    EXPECT_TRUE(driver.openListContextMenu(id, RowList, 1, Driver::chooseText("Command 9")));
    EXPECT_TRUE(observer.commands.empty());
    ASSERT_EQ(faults().size(), 1u);
    EXPECT_NE(faults().front().find("Command 9"), std::string::npos);
}

TEST_F(MenuAndAlertTest, AChoiceNobodyAskedForDoesNotLinger) {
    EXPECT_TRUE(driver.openListContextMenu(id, RowList, 1, Driver::chooseText("Command 1")));
    MenuObserver observer(palette->list);
    EXPECT_TRUE(driver.openListContextMenu(id, RowList, 1, Driver::chooseNothing()));
    EXPECT_TRUE(observer.commands.empty());
}

TEST_F(MenuAndAlertTest, CommandsAreKnownWhileTheirDescriptorLives) {
    {
        DG::CommandDescriptor descriptor(DG::Command(7), "Seven");
        EXPECT_EQ(Toolkit::instance().commandDescriptor(7), &descriptor);
    }
    EXPECT_EQ(Toolkit::instance().commandDescriptor(7), nullptr);
    GS::HashTable<DG::Command, int> table;
    EXPECT_TRUE(table.Add(DG::Command(1), 10));
    EXPECT_FALSE(table.Add(DG::Command(1), 11));
}

TEST_F(MenuAndAlertTest, AlertsReturnTheButtonThePersonPresses) {
    driver.answerNextAlert("Abort");
    driver.answerNextAlert(1);
    EXPECT_EQ(DG::WarningAlert("Duplicate element found", "An element with that name already exist.",
                               "Create anyway", "Abort"),
              DG::AlertButton2);
    EXPECT_EQ(DG::WarningAlert("Again", "", "Create anyway", "Abort"), DG::AlertButton1);
    EXPECT_EQ(DG::InformationAlert("Version: 1.1.0.0213", "", "OK"), DG::AlertButton1);
    EXPECT_EQ(
        driver.renderAlerts(),
        "Warning \"Duplicate element found\" \"An element with that name already exist.\" [Create anyway] "
        "[Abort] -> Abort\n"
        "Warning \"Again\" [Create anyway] [Abort] -> Create anyway\n"
        "Information \"Version: 1.1.0.0213\" [OK] -> OK (unanswered: first button)\n");
    const auto& alerts = Toolkit::instance().alerts();
    ASSERT_EQ(alerts.size(), 3u);
    EXPECT_EQ(alerts[2].kind, AlertRecord::Kind::Information);
    EXPECT_EQ(alerts[2].buttons, std::vector<std::string>{"OK"});
}

TEST_F(MenuAndAlertTest, AButtonTheAlertDoesNotShowIsAFault) {
    expectFaults = true;
    driver.answerNextAlert(3);
    EXPECT_EQ(DG::WarningAlert("Two buttons", "", "Yes", "No"), DG::AlertButton1);
    EXPECT_EQ(faults().size(), 1u);
}

}  // namespace
}  // namespace krx::sim::toolkit::test
