#pragma once

// Small test windows of the tests' own, an observer that writes down every event it receives, and a
// fixture that starts each test with a fresh toolkit and ends it with no toolkit fault recorded.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/api/HashTable.hpp"
#include "host/dg/DG.hpp"
#include "host/sim/toolkit/Driver.hpp"
#include "host/sim/toolkit/PanelDescription.hpp"
#include "host/sim/toolkit/PanelModel.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

namespace krx::sim::toolkit::test {

constexpr GSResModule testModule = 9001;
constexpr short testPaletteId = 700;
constexpr short testDialogId = 701;

// Items of the test palette.
enum TestItem : short {
    CloseButton = 1,
    FindLabel = 2,
    SearchEdit = 3,
    SearchButton = 4,
    ChoicePopup = 5,
    RowList = 6,
    SingleList = 7,
};

inline ItemDescription item(ItemKind kind, Rect rect, const std::string& text = {},
                            const std::string& controlClass = {}) {
    ItemDescription description;
    description.kind = kind;
    description.rect = rect;
    description.text = text;
    description.controlClass = controlClass;
    return description;
}

// A palette of 400 x 300 with a close box, that can grow.
inline PanelDescription testPalette() {
    PanelDescription panel;
    panel.kind = PanelKind::Palette;
    panel.flags = {"leftCaption", "close", "grow"};
    panel.rect = {20, 30, 400, 300};
    panel.title = "Test palette";
    panel.items = {
        item(ItemKind::Button, {310, 270, 80, 22}, "Close"),
        item(ItemKind::RightText, {10, 12, 60, 18}, "Find"),
        item(ItemKind::TextEdit, {75, 10, 150, 22}),
        item(ItemKind::Button, {230, 10, 80, 22}, "Search"),
        item(ItemKind::UserControl, {0, 0, 20, 18}, {}, "TextPopup"),
        item(ItemKind::MultiSelList, {10, 40, 350, 200}),
        item(ItemKind::SingleSelList, {10, 250, 200, 15}),
    };
    panel.items[RowList - 1].values["HasHeader"] = 20;
    panel.items[RowList - 1].values["RowHeight"] = 24;
    panel.items[CloseButton - 1].tooltip = "Closes";
    return panel;
}

// A modal dialog of 300 x 200 with a confirm button and a property list.
inline PanelDescription testDialog() {
    PanelDescription panel;
    panel.kind = PanelKind::ModalDialog;
    panel.flags = {"grow"};
    panel.rect = {0, 0, 300, 200};
    panel.title = "Test dialog";
    panel.items = {
        item(ItemKind::Button, {10, 170, 280, 22}, "OK"),
        item(ItemKind::UserControl, {10, 10, 280, 150}, {}, "AttributeList"),
    };
    return panel;
}

// Writes down each event as one line: "<event> <source item> <details>".
class Recorder : public DG::PanelObserver,
                 public DG::ListBoxObserver,
                 public DG::ButtonItemObserver,
                 public DG::UserControlObserver,
                 public DG::TextEditObserver,
                 public DG::CompoundItemObserver {
public:
    std::vector<std::string> events;
    bool acceptClose = true;
    bool processKeys = true;

    void PanelOpened(const DG::PanelOpenEvent&) override { events.push_back("PanelOpened"); }
    void PanelClosed(const DG::PanelCloseEvent& e) override {
        events.push_back(std::string("PanelClosed ") + (e.IsAccepted() ? "accepted" : "cancelled"));
    }
    void PanelCloseRequested(const DG::PanelCloseRequestEvent&, bool* accepted) override {
        events.push_back("PanelCloseRequested");
        *accepted = acceptClose;
    }
    void PanelResized(const DG::PanelResizeEvent& e) override {
        events.push_back("PanelResized " + std::to_string(e.GetHorizontalChange()) + " " +
                         std::to_string(e.GetVerticalChange()) + (e.IsUserResize() ? " user" : " code"));
    }
    void PanelMoved(const DG::PanelMoveEvent&) override { events.push_back("PanelMoved"); }
    void PanelHotkeyPressed(const DG::PanelHotKeyEvent& e, bool* processed) override {
        events.push_back("PanelHotkeyPressed " + std::to_string(e.GetKeyId()));
        *processed = processKeys;
    }
    void PanelContextMenuRequested(const DG::PanelContextMenuEvent&, bool* needHelp,
                                   bool* processed) override {
        events.push_back("PanelContextMenuRequested");
        *needHelp = false;
        *processed = false;
    }
    void ListBoxClicked(const DG::ListBoxClickEvent& e) override {
        events.push_back("ListBoxClicked " + id(e.GetSource()) + " row " + std::to_string(e.GetListItem()) +
                         " offset " + std::to_string(e.GetSource()->GetMouseOffset()));
    }
    void ListBoxDoubleClicked(const DG::ListBoxClickEvent& e) override {
        events.push_back("ListBoxDoubleClicked " + id(e.GetSource()) + " row " +
                         std::to_string(e.GetListItem()));
    }
    void ListBoxSelectionChanged(const DG::ListBoxSelectionEvent& e) override {
        std::string line = "ListBoxSelectionChanged " + id(e.GetSource()) + " [";
        for (short selected : e.GetSource()->GetSelectedItems()) {
            line += (line.back() == '[' ? "" : ",") + std::to_string(selected);
        }
        events.push_back(line + "]");
    }
    void ListBoxHeaderItemClicked(const DG::ListBoxHeaderItemClickEvent& e) override {
        events.push_back("ListBoxHeaderItemClicked " + id(e.GetSource()) + " " +
                         std::to_string(e.GetHeaderItem()));
    }
    void ListBoxContextMenuRequested(const DG::ListBoxContextMenuEvent& e, bool*) override {
        events.push_back("ListBoxContextMenuRequested " + id(e.GetSource()) + " row " +
                         std::to_string(e.GetListItem()));
    }
    void ButtonClicked(const DG::ButtonClickEvent& e) override {
        events.push_back("ButtonClicked " + id(e.GetSource()));
    }
    void UserControlChanged(const DG::UserControlChangeEvent& e) override {
        events.push_back("UserControlChanged " + id(e.GetSource()));
    }
    void TextEditChanged(const DG::TextEditChangeEvent& e) override {
        events.push_back("TextEditChanged " + id(e.GetSource()) + " " +
                         e.GetSource()->GetText().ToCStr().str());
    }

    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(events);
        return taken;
    }

private:
    static std::string id(const DG::Item* item) { return item ? std::to_string(item->GetId()) : "null"; }
};

// The test palette with its items bound, as an add-on's palette class would hold them.
class TestPalette : public DG::Palette {
public:
    TestPalette()
        : DG::Palette(testModule, testPaletteId, testModule,
                      GS::UniString("{11111111-2222-3333-4444-555555555555}")),
          closeButton(*this, CloseButton),
          findLabel(*this, FindLabel),
          searchEdit(*this, SearchEdit),
          searchButton(*this, SearchButton),
          popup(*this, ChoicePopup),
          list(*this, RowList),
          single(*this, SingleList) {
        BeginEventProcessing();
    }

    DG::Button closeButton;
    DG::RightText findLabel;
    DG::TextEdit searchEdit;
    DG::Button searchButton;
    UC::TextPopup popup;
    DG::MultiSelListBox list;
    DG::SingleSelListBox single;
};

class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        Toolkit::instance().reset();
        Toolkit::instance().addPanelDescription(testModule, testPaletteId, testPalette());
        Toolkit::instance().addPanelDescription(testModule, testDialogId, testDialog());
    }

    void TearDown() override {
        if (!expectFaults) {
            const std::vector<std::string> left = faults();
            EXPECT_TRUE(left.empty()) << "first fault: " << (left.empty() ? "" : left.front());
        }
        Toolkit::instance().reset();
    }

    static std::vector<std::string> faults() { return Toolkit::instance().faults(); }

    // Fills the list with rows whose first tab field reads as given.
    static void fill(DG::ListBox& list, const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            list.AppendItem();
            list.SetTabItemText(list.GetItemCount(), 1, GS::UniString(name));
        }
    }

    Driver driver;
    bool expectFaults = false;
};

}  // namespace krx::sim::toolkit::test
