#include <gtest/gtest.h>

#include <memory>

#include "tests/host/toolkit/ToolkitFixture.hpp"

namespace krx::sim::toolkit::test {
namespace {

using Events = std::vector<std::string>;

class ObserverTest : public ToolkitTest {
protected:
    std::unique_ptr<TestPalette> palette;
    short id = 0;

    void SetUp() override {
        ToolkitTest::SetUp();
        palette = std::make_unique<TestPalette>();
        id = palette->GetId();
        palette->Show();
        fill(palette->list, {"a", "b"});
    }

    void TearDown() override {
        palette.reset();
        ToolkitTest::TearDown();
    }
};

TEST_F(ObserverTest, EveryAttachedObserverGetsTheEventOnceInAttachOrder) {
    std::vector<std::string> order;
    struct Named : DG::ButtonItemObserver {
        Named(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
        void ButtonClicked(const DG::ButtonClickEvent&) override { log_.push_back(name_); }
        std::vector<std::string>& log_;
        std::string name_;
    };
    Named first(order, "first");
    Named second(order, "second");
    palette->searchButton.Attach(first);
    palette->searchButton.Attach(second);
    palette->searchButton.Attach(first);
    EXPECT_TRUE(driver.pressButton(id, SearchButton));
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second"}));

    palette->searchButton.Detach(first);
    EXPECT_TRUE(driver.pressButton(id, SearchButton));
    EXPECT_EQ(order.back(), "second");
    EXPECT_EQ(order.size(), 3u);
}

TEST_F(ObserverTest, ACompoundObserverHearsEveryItemWithTheHandlersItHas) {
    Recorder recorder;
    recorder.AttachToAllItems(*palette);
    EXPECT_TRUE(driver.pressButton(id, CloseButton));
    EXPECT_TRUE(driver.clickListItem(id, RowList, 1, 5));
    EXPECT_TRUE(driver.typeText(id, SearchEdit, "x"));
    recorder.DetachFromAllItems(*palette);
    EXPECT_TRUE(driver.pressButton(id, CloseButton));
    EXPECT_EQ(recorder.take(), (Events{"ButtonClicked 1", "ListBoxSelectionChanged 6 [1]",
                                       "ListBoxClicked 6 row 1 offset 5", "TextEditChanged 3 x"}));
}

TEST_F(ObserverTest, NoEventReachesADestroyedObserver) {
    {
        Recorder gone;
        palette->Attach(gone);
        gone.AttachToAllItems(*palette);
    }  // destroyed without detaching
    EXPECT_TRUE(driver.pressButton(id, SearchButton));
    EXPECT_TRUE(driver.clickListItem(id, RowList, 2, 5));
    EXPECT_TRUE(driver.resizePanel(id, 410, 310));
    EXPECT_TRUE(palette->GetModel()->observers.isEmpty());
    EXPECT_TRUE(palette->list.GetModel()->observers.isEmpty());
}

TEST_F(ObserverTest, AnObserverDestroyedByAnotherDuringAnEventGetsNothingMore) {
    struct Killer : DG::ButtonItemObserver {
        std::unique_ptr<Recorder>* victim = nullptr;
        void ButtonClicked(const DG::ButtonClickEvent&) override { victim->reset(); }
    } killer;
    auto victim = std::make_unique<Recorder>();
    killer.victim = &victim;
    palette->searchButton.Attach(killer);
    victim->AttachToAllItems(*palette);
    EXPECT_TRUE(driver.pressButton(id, SearchButton));
    EXPECT_EQ(victim, nullptr);
}

TEST_F(ObserverTest, APanelDestroyedDuringAnEventEndsTheDelivery) {
    struct Closer : DG::ButtonItemObserver {
        std::unique_ptr<TestPalette>* palette = nullptr;
        int calls = 0;
        void ButtonClicked(const DG::ButtonClickEvent&) override {
            ++calls;
            palette->reset();
        }
    } closer, after;
    after.palette = &palette;
    closer.palette = &palette;
    palette->closeButton.Attach(closer);
    palette->closeButton.Attach(after);
    EXPECT_TRUE(driver.pressButton(id, CloseButton));
    EXPECT_EQ(closer.calls, 1);
    EXPECT_EQ(after.calls, 0);
    EXPECT_FALSE(driver.pressButton(id, CloseButton));
}

TEST_F(ObserverTest, AThrowingObserverIsAFaultNotACrash) {
    expectFaults = true;
    struct Thrower : DG::ButtonItemObserver {
        void ButtonClicked(const DG::ButtonClickEvent&) override { throw std::runtime_error("boom"); }
    } thrower;
    Recorder recorder;
    palette->searchButton.Attach(thrower);
    palette->searchButton.Attach(recorder);
    EXPECT_TRUE(driver.pressButton(id, SearchButton));
    EXPECT_EQ(recorder.take(), Events{"ButtonClicked 4"}) << "the others still hear it";
    ASSERT_EQ(faults().size(), 1u);
    EXPECT_NE(faults().front().find("boom"), std::string::npos);
}

TEST_F(ObserverTest, PropertyRowObserversLeaveWhenDestroyed) {
    PanelDescription description = testDialog();
    DG::ModalDialog dialog(testModule, testDialogId, testModule);
    VBAL::APIAttributeList list(dialog, 2);
    VBAL::APIAttributeListGroupItem group;
    VBAL::APIAttributeListCheckItem check;
    group.AddItem(check);
    list.AddItem(group);
    {
        struct Watcher : VBAL::APIAttributeListCheckItemObserver {
        } watcher;
        check.Attach(watcher);
        EXPECT_EQ(check.GetObservers().size(), 1u);
    }
    EXPECT_TRUE(check.GetObservers().empty());
}

}  // namespace
}  // namespace krx::sim::toolkit::test
