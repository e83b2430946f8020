#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "tests/host/toolkit/ToolkitFixture.hpp"

namespace krx::sim::toolkit::test {
namespace {

using Events = std::vector<std::string>;

class PanelTest : public ToolkitTest {
protected:
    Recorder recorder;
    std::unique_ptr<TestPalette> palette;

    void SetUp() override {
        ToolkitTest::SetUp();
        palette = std::make_unique<TestPalette>();
        palette->Attach(recorder);
        recorder.AttachToAllItems(*palette);
    }

    void TearDown() override {
        palette.reset();
        ToolkitTest::TearDown();
    }
};

TEST_F(PanelTest, BuildsFromItsResourceOrNotAtAll) {
    EXPECT_NE(palette->GetId(), 0);
    EXPECT_EQ(palette->GetItemCount(), 7);
    EXPECT_EQ(palette->GetTitle(), "Test palette");
    EXPECT_EQ(palette->GetGuid(), "{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(palette->closeButton.GetText(), "Close");
    EXPECT_EQ(palette->closeButton.GetTooltipString(), "Closes");
    EXPECT_EQ(palette->list.GetItemWidth(), 350);
    EXPECT_FALSE(palette->IsVisible());
    EXPECT_EQ(driver.findPanel(testPaletteId), palette->GetId());
    EXPECT_EQ(driver.findPanelByGuid("{11111111-2222-3333-4444-555555555555}"), palette->GetId());

    DG::ModalDialog missing(testModule, 4711, testModule);
    EXPECT_EQ(missing.GetId(), 0);
    EXPECT_FALSE(missing.Invoke());
    DG::Button orphan(missing, 1);
    EXPECT_FALSE(orphan.IsValid());
    EXPECT_TRUE(faults().empty()) << "a window that is not built is no fault";
}

TEST_F(PanelTest, BindingTheWrongKindIsAFaultAndDoesNothing) {
    expectFaults = true;
    DG::TextEdit notAnEdit(*palette, CloseButton);
    UC::TextPopup notAPopup(*palette, RowList);
    DG::Button beyond(*palette, 42);
    EXPECT_FALSE(notAnEdit.IsValid());
    EXPECT_FALSE(notAPopup.IsValid());
    EXPECT_FALSE(beyond.IsValid());
    notAnEdit.SetText("x");
    EXPECT_EQ(palette->closeButton.GetText(), "Close");
    EXPECT_EQ(faults().size(), 3u);
}

TEST_F(PanelTest, ShowingOpensAndTheCloseBoxHidesUnlessRefused) {
    palette->Show();
    palette->Show();
    EXPECT_EQ(recorder.take(), Events{"PanelOpened"}) << "showing a visible palette opens nothing";

    recorder.acceptClose = false;
    EXPECT_TRUE(driver.closeWithCloseBox(palette->GetId()));
    EXPECT_TRUE(palette->IsVisible());
    recorder.acceptClose = true;
    EXPECT_TRUE(driver.closeWithCloseBox(palette->GetId()));
    EXPECT_FALSE(palette->IsVisible());
    EXPECT_EQ(recorder.take(), (Events{"PanelCloseRequested", "PanelCloseRequested"}));

    EXPECT_FALSE(driver.pressButton(palette->GetId(), SearchButton)) << "a hidden palette takes no clicks";
    EXPECT_NE(driver.lastError().find("not open"), std::string::npos);
    palette->Show();
    EXPECT_EQ(recorder.take(), Events{"PanelOpened"});
}

TEST_F(PanelTest, NoActionWithoutEventProcessing) {
    palette->Show();
    palette->EndEventProcessing();
    EXPECT_FALSE(driver.pressButton(palette->GetId(), SearchButton));
    palette->BeginEventProcessing();
    EXPECT_TRUE(driver.pressButton(palette->GetId(), SearchButton));
    EXPECT_EQ(recorder.take(), (Events{"PanelOpened", "ButtonClicked 4"}));
}

TEST_F(PanelTest, ResizesReportTheirChange) {
    palette->Show();
    recorder.take();
    EXPECT_TRUE(driver.resizePanel(palette->GetId(), 400, 340));
    EXPECT_TRUE(driver.resizePanel(palette->GetId(), 450, 340));
    EXPECT_TRUE(driver.resizePanel(palette->GetId(), 450, 340));
    EXPECT_EQ(palette->GetClientHeight(), 340);
    EXPECT_EQ(palette->GetOriginalClientHeight(), 300);
    palette->SetClientSize(palette->GetOriginalClientWidth(), palette->GetOriginalClientHeight());
    EXPECT_TRUE(driver.movePanel(palette->GetId(), 5, 5));
    EXPECT_EQ(recorder.take(), (Events{"PanelResized 0 40 user", "PanelResized 50 0 user",
                                       "PanelResized -50 -40 code", "PanelMoved"}));
    EXPECT_EQ(palette->GetX(), 25);
}

TEST_F(PanelTest, ItemMovesInsideTheBracketAreDrawnOnce) {
    palette->Show();
    ItemModel* list = palette->list.GetModel();
    const int panelDraws = palette->GetModel()->redrawCount;
    const int listDraws = list->redrawCount;
    palette->BeginMoveResizeItems();
    palette->closeButton.Move(0, 40);
    palette->list.Resize(0, 40);
    palette->EndMoveResizeItems();
    EXPECT_EQ(palette->closeButton.GetY(), 310);
    EXPECT_EQ(palette->list.GetHeight(), 240);
    EXPECT_EQ(list->redrawCount, listDraws);
    EXPECT_EQ(palette->GetModel()->redrawCount, panelDraws + 1);
}

TEST_F(PanelTest, HotKeysReachThePanelOnlyWhenRegistered) {
    const short returnKey = palette->RegisterHotKey(DG::Key::Return);
    const short enterKey = palette->RegisterHotKey(DG::Key::Enter);
    EXPECT_NE(returnKey, 0);
    EXPECT_NE(returnKey, enterKey);
    EXPECT_EQ(palette->RegisterHotKey(DG::Key::Return), 0) << "one registration per key";
    palette->Show();
    recorder.take();

    EXPECT_TRUE(driver.typeText(palette->GetId(), SearchEdit, "abc"));
    EXPECT_TRUE(palette->searchEdit.IsFocused());
    EXPECT_TRUE(driver.pressKey(palette->GetId(), DG::Key::Enter));
    EXPECT_TRUE(driver.keyProcessed());
    recorder.processKeys = false;
    EXPECT_TRUE(driver.pressKey(palette->GetId(), DG::Key::Return));
    EXPECT_FALSE(driver.keyProcessed());
    EXPECT_TRUE(driver.pressKey(palette->GetId(), DG::Key::Escape));
    EXPECT_FALSE(driver.keyProcessed());
    palette->UnregisterHotKey(enterKey);
    EXPECT_TRUE(driver.pressKey(palette->GetId(), DG::Key::Enter));

    EXPECT_EQ(recorder.take(),
              (Events{"TextEditChanged 3 abc", "PanelHotkeyPressed " + std::to_string(enterKey),
                      "PanelHotkeyPressed " + std::to_string(returnKey)}));
    EXPECT_EQ(palette->searchEdit.GetText(), "abc");
}

TEST_F(PanelTest, HiddenOrDisabledItemsCannotBeUsed) {
    palette->Show();
    palette->searchButton.Hide();
    EXPECT_FALSE(driver.pressButton(palette->GetId(), SearchButton));
    palette->searchButton.Show();
    palette->searchButton.Disable();
    EXPECT_FALSE(driver.pressButton(palette->GetId(), SearchButton));
    EXPECT_FALSE(driver.pressButton(palette->GetId(), FindLabel)) << "a label is no button";
    EXPECT_FALSE(driver.typeText(palette->GetId(), CloseButton, "x"));
    EXPECT_EQ(recorder.take(), Events{"PanelOpened"});
}

TEST_F(PanelTest, EventsNameTheBoundItemAsSource) {
    struct SourceCheck : DG::ButtonItemObserver {
        const DG::ButtonItem* source = nullptr;
        void ButtonClicked(const DG::ButtonClickEvent& e) override { source = e.GetSource(); }
    } check;
    palette->closeButton.Attach(check);
    palette->Show();
    {
        DG::Button second(*palette, CloseButton);  // a later object for the same item is not the source
        EXPECT_TRUE(driver.pressButton(palette->GetId(), CloseButton));
    }
    EXPECT_EQ(check.source, &palette->closeButton);
}

TEST_F(PanelTest, TheToolkitBelongsToTheMainThread) {
    expectFaults = true;
    struct Case {
        const char* name;
        void (*offMainThread)();
    };
    const Case cases[] = {
        {"a toolkit call", [] { Toolkit::instance(); }},
        {"an observer made and destroyed", [] { DG::PanelObserver observer; }},
        {"a property row made and destroyed", [] { VBAL::APIAttributeListCheckItem row; }},
    };
    for (const Case& c : cases) {
        Toolkit::instance().reset();
        std::thread worker(c.offMainThread);
        worker.join();
        const std::vector<std::string> recorded = faults();
        ASSERT_FALSE(recorded.empty()) << c.name;
        for (const std::string& fault : recorded) {
            EXPECT_EQ(fault, "the toolkit was used off the main thread") << c.name;
        }
    }
}

}  // namespace
}  // namespace krx::sim::toolkit::test
