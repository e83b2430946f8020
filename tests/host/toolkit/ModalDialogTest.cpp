#include <gtest/gtest.h>

#include <memory>

#include "tests/host/toolkit/ToolkitFixture.hpp"

namespace krx::sim::toolkit::test {
namespace {

using Events = std::vector<std::string>;

enum DialogItem : short { OkButton = 1, Properties = 2 };

// A dialog with a property list of a choice, two check boxes and a number, built the way a
// settings dialog is: the dialog observes its panel, its items and the rows.
class TestDialog : public DG::ModalDialog,
                   public DG::PanelObserver,
                   public DG::ButtonItemObserver,
                   public VBAL::APIAttributeListCheckItemObserver,
                   public VBAL::APIAttributeListTextItemObserver,
                   public DG::CompoundItemObserver {
public:
    TestDialog()
        : DG::ModalDialog(testModule, testDialogId, testModule),
          ok(*this, OkButton),
          list(*this, Properties) {
        Attach(static_cast<DG::PanelObserver&>(*this));
        AttachToAllItems(*this);
        first.Attach(static_cast<VBAL::APIAttributeListCheckItemObserver&>(*this));
        second.Attach(static_cast<VBAL::APIAttributeListCheckItemObserver&>(*this));
        language.Attach(static_cast<VBAL::APIAttributeListSelectionItemObserver&>(*this));
        number.Attach(static_cast<VBAL::APIAttributeListTextItemObserver&>(*this));

        list.SuspendUpdates();
        language.SetName("Language:");
        for (const char* entry : {"English", "German", "Polish"}) {
            language.AddEntry(entry);
        }
        language.SetSelected(1);
        first.SetName("First:");
        first.SetToolTip("The first");
        second.SetName("Second:");
        second.SetState(true);
        number.SetName("Interval [ms]");
        number.SetRange(5, 1500);
        number.SetValue(10);
        for (VBAL::APIAttributeListItem* row :
             std::initializer_list<VBAL::APIAttributeListItem*>{&language, &first, &second, &number}) {
            group.AddItem(*row);
        }
        list.AddItem(group);
        list.ResumeUpdates();
        list.Refresh();
    }

    ~TestDialog() override {
        Detach(static_cast<DG::PanelObserver&>(*this));
        DetachFromAllItems(*this);
    }

    void PanelOpened(const DG::PanelOpenEvent&) override { events.push_back("PanelOpened"); }
    void PanelClosed(const DG::PanelCloseEvent& e) override {
        events.push_back(std::string("PanelClosed ") + (e.IsAccepted() ? "accepted" : "cancelled"));
    }
    void PanelCloseRequested(const DG::PanelCloseRequestEvent&, bool*) override {
        events.push_back("PanelCloseRequested");
    }
    void PanelResized(const DG::PanelResizeEvent& e) override {
        BeginMoveResizeItems();
        ok.Move(0, e.GetVerticalChange());
        ok.Resize(e.GetHorizontalChange(), 0);
        list.Resize(e.GetHorizontalChange(), e.GetVerticalChange());
        EndMoveResizeItems();
    }
    void ButtonClicked(const DG::ButtonClickEvent& e) override {
        if (e.GetSource() == &ok) {
            events.push_back("ButtonClicked number " + std::to_string(number.GetValue()));
            PostCloseRequest(Accept);
        }
    }
    void CheckChanged(const VBAL::APIAttributeListCheckItem& item) override {
        events.push_back("CheckChanged " + item.GetName().ToCStr().str() +
                         (item.GetState() ? " on" : " off"));
    }
    void SelectionChanged(const VBAL::APIAttributeListSelectionItem& item) override {
        events.push_back("SelectionChanged " + item.GetEntryText(item.GetSelected()).ToCStr().str());
    }
    void TextChanged(const VBAL::APIAttributeListTextItem& item) override {
        events.push_back("TextChanged " + item.GetText().ToCStr().str());
    }

    std::vector<std::string> events;
    DG::Button ok;
    VBAL::APIAttributeList list;
    VBAL::APIAttributeListGroupItem group;
    VBAL::APIAttributeListSelectionItem language;
    VBAL::APIAttributeListCheckItem first;
    VBAL::APIAttributeListCheckItem second;
    VBAL::APIAttributeListIntegerItem number;
};

class ModalDialogTest : public ToolkitTest {};

TEST_F(ModalDialogTest, TheScriptRunsWhileInvokeIsOnTheStack) {
    TestDialog dialog;
    ASSERT_NE(dialog.GetId(), 0);
    bool ranInside = false;
    driver.whenModalDialogOpens([&](Driver& d, short panel) {
        ranInside = dialog.IsInvoked();
        EXPECT_EQ(panel, dialog.GetId());
        EXPECT_TRUE(d.toggleCheckItem(panel, Properties, d.findAttributeRow(panel, Properties, "First:")));
        EXPECT_TRUE(d.chooseSelectionItem(panel, Properties, 1, 2));
        EXPECT_TRUE(d.editIntegerItem(panel, Properties, 4, 2000));
        EXPECT_TRUE(d.pressButton(panel, OkButton));
        EXPECT_FALSE(d.pressButton(panel, OkButton)) << "the dialog is closing";
    });
    EXPECT_TRUE(dialog.Invoke());
    EXPECT_TRUE(ranInside);
    EXPECT_EQ(dialog.events,
              (Events{"PanelOpened", "CheckChanged First: on", "SelectionChanged German", "TextChanged 1500",
                      "ButtonClicked number 1500", "PanelClosed accepted"}));
    EXPECT_FALSE(dialog.IsInvoked());
    EXPECT_TRUE(dialog.first.GetState());
    EXPECT_EQ(dialog.language.GetSelected(), 2);
}

TEST_F(ModalDialogTest, ClosingWithoutTheButtonCancels) {
    struct Case {
        const char* name;
        Driver::DialogScript script;
        Events events;
    };
    const Case cases[] = {
        {"close box",
         [](Driver& d, short panel) { EXPECT_TRUE(d.closeModalDialog(panel)); },
         {"PanelOpened", "PanelCloseRequested", "PanelClosed cancelled"}},
        {"script ends with the dialog open",
         [](Driver& d, short panel) { d.toggleCheckItem(panel, Properties, 3); },
         {"PanelOpened", "CheckChanged Second: off", "PanelCloseRequested", "PanelClosed cancelled"}},
    };
    for (const Case& c : cases) {
        TestDialog dialog;
        driver.whenModalDialogOpens(c.script);
        EXPECT_FALSE(dialog.Invoke()) << c.name;
        EXPECT_EQ(dialog.events, c.events) << c.name;
    }
    TestDialog unscripted;
    EXPECT_FALSE(unscripted.Invoke()) << "a dialog nobody acts on is closed again";
}

TEST_F(ModalDialogTest, AModalDialogKeepsThePersonFromOtherWindows) {
    TestPalette palette;
    palette.Show();
    TestDialog dialog;
    bool refused = false;
    bool menuRefused = false;
    driver.whenModalDialogOpens([&](Driver& d, short) {
        refused = !d.pressButton(palette.GetId(), SearchButton);
        menuRefused = !d.chooseMenuItem(32503, 1);
    });
    dialog.Invoke();
    EXPECT_TRUE(refused);
    EXPECT_TRUE(menuRefused);
    EXPECT_TRUE(driver.pressButton(palette.GetId(), SearchButton))
        << "once it is closed, the palette reacts again";
}

TEST_F(ModalDialogTest, TheDialogResizesItsItems) {
    TestDialog dialog;
    driver.whenModalDialogOpens([](Driver& d, short panel) { EXPECT_TRUE(d.resizePanel(panel, 340, 230)); });
    dialog.Invoke();
    EXPECT_EQ(dialog.ok.GetY(), 200);
    EXPECT_EQ(dialog.ok.GetWidth(), 320);
    EXPECT_EQ(dialog.GetModel()->item(Properties)->rect.width, 320);
    EXPECT_EQ(dialog.GetModel()->item(Properties)->rect.height, 180);
}

TEST_F(ModalDialogTest, PropertyRowsKeepTheirValuesAndRanges) {
    TestDialog dialog;
    EXPECT_TRUE(dialog.list.IsValid());
    EXPECT_EQ(dialog.list.GetRows().size(), 4u);
    EXPECT_EQ(dialog.list.GetRefreshCount(), 1) << "updates were suspended while the rows were added";
    EXPECT_EQ(dialog.first.GetToolTip(), "The first");
    EXPECT_EQ(dialog.number.GetMinValue(), 5);
    EXPECT_EQ(dialog.number.GetMaxValue(), 1500);
    dialog.number.SetValue(0);
    EXPECT_EQ(dialog.number.GetValue(), 0) << "the range limits the person, not the code";
    dialog.language.SetSelected(4);
    EXPECT_EQ(dialog.language.GetSelected(), 1);
    {
        VBAL::APIAttributeListCheckItem extra;
        dialog.group.AddItem(extra);
        EXPECT_EQ(dialog.list.GetRows().size(), 5u);
    }
    EXPECT_EQ(dialog.list.GetRows().size(), 4u) << "a destroyed row leaves its group";

    driver.whenModalDialogOpens([](Driver& d, short panel) {
        EXPECT_TRUE(d.editIntegerItem(panel, Properties, 4, 1));
        EXPECT_FALSE(d.toggleCheckItem(panel, Properties, 1)) << "the choice is no check box";
        EXPECT_FALSE(d.chooseSelectionItem(panel, Properties, 1, 4));
        EXPECT_FALSE(d.editIntegerItem(panel, Properties, 9, 1));
    });
    dialog.Invoke();
    EXPECT_EQ(dialog.number.GetValue(), 5);
}

}  // namespace
}  // namespace krx::sim::toolkit::test
