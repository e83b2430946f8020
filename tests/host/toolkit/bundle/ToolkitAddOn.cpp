// An add-on of the toolkit tests' own, loaded as a bundle: its palette and settings dialog come from
// the add-on's real resources, and every event it gets is written to the host's debug output, so the
// test sees that events cross from the host's toolkit into the bundle with their sources intact.
#include <memory>
#include <string>

#include "host/api/ACAPinc.hpp"
#include "host/dg/DG.hpp"
#include "resources/DialogItemIds.hpp"
#include "resources/ResourceIds.hpp"

namespace {

class TestPalette : public DG::Palette,
                    public DG::PanelObserver,
                    public DG::ListBoxObserver,
                    public DG::ButtonItemObserver,
                    public DG::UserControlObserver,
                    public DG::CompoundItemObserver {
public:
    TestPalette()
        : DG::Palette(ACAPI_GetOwnResModule(), ID_PALETTE, ACAPI_GetOwnResModule(),
                      GS::UniString("{FEE27B6B-3873-4834-98B5-E0081AA4CD45}")),
          closeButton_(*this, KRX_PALETTE_CLOSE_BUTTON),
          searchButton_(*this, KRX_PALETTE_SEARCH_BUTTON),
          sheetPopUp_(*this, KRX_PALETTE_SHEET_POPUP),
          listBox_(*this, KRX_PALETTE_LIST) {
        Attach(static_cast<DG::PanelObserver&>(*this));
        AttachToAllItems(*this);
        listBox_.SetTabFieldCount(2);
        listBox_.SetTabFieldProperties(1, 0, 300, DG::ListBox::Left, DG::ListBox::NoTruncate);
        listBox_.SetTabFieldProperties(2, 300, 580, DG::ListBox::Left, DG::ListBox::NoTruncate);
        listBox_.SetHeaderItemText(1, "Element name");
        listBox_.SetHeaderItemText(2, "Sheet name");
        for (const char* name : {"North", "South"}) {
            listBox_.AppendItem();
            listBox_.SetTabItemText(listBox_.GetItemCount(), 1, name);
        }
        sheetPopUp_.Initialize("SheetPopUpHeader", 100, 1);
        sheetPopUp_.AppendItem("color");
        sheetPopUp_.AppendItem("reflectivity");
        sheetPopUp_.Hide();
        listBox_.SetOnTabItem(2, sheetPopUp_);
        BeginEventProcessing();
    }

    ~TestPalette() override {
        EndEventProcessing();
        Detach(static_cast<DG::PanelObserver&>(*this));
        DetachFromAllItems(*this);
    }

    void PanelOpened(const DG::PanelOpenEvent&) override { DBPrintf("ToolkitAddOn opened"); }
    void PanelCloseRequested(const DG::PanelCloseRequestEvent&, bool* accepted) override {
        DBPrintf("ToolkitAddOn close requested");
        *accepted = true;
    }
    void ButtonClicked(const DG::ButtonClickEvent& event) override {
        if (event.GetSource() == &closeButton_) {
            Hide();
            DBPrintf("ToolkitAddOn close button");
        } else if (event.GetSource() == &searchButton_) {
            DBPrintf("ToolkitAddOn search button");
        }
    }
    void ListBoxClicked(const DG::ListBoxClickEvent& event) override {
        if (event.GetSource() == &listBox_) {
            DBPrintf("ToolkitAddOn clicked row %d at %d", event.GetListItem(), listBox_.GetMouseOffset());
        }
    }
    void ListBoxSelectionChanged(const DG::ListBoxSelectionEvent& event) override {
        if (event.GetSource() == &listBox_) {
            DBPrintf("ToolkitAddOn selected %d", listBox_.GetSelectedItem());
        }
    }
    void UserControlChanged(const DG::UserControlChangeEvent& event) override {
        if (event.GetSource() == &sheetPopUp_) {
            for (short item : listBox_.GetSelectedItems()) {
                listBox_.SetTabItemText(item, 2, sheetPopUp_.GetCurrentItemText());
            }
        }
    }

private:
    DG::Button closeButton_;
    DG::Button searchButton_;
    UC::TextPopup sheetPopUp_;
    DG::MultiSelListBox listBox_;
};

class SettingsDialog : public DG::ModalDialog,
                       public DG::ButtonItemObserver,
                       public VBAL::APIAttributeListCheckItemObserver,
                       public DG::CompoundItemObserver {
public:
    SettingsDialog()
        : DG::ModalDialog(ACAPI_GetOwnResModule(), ID_SETTINGS_DIALOG, ACAPI_GetOwnResModule()),
          button_(*this, KRX_SETTINGS_CONFIRM_BUTTON),
          list_(*this, KRX_SETTINGS_PROPERTY_LIST) {
        AttachToAllItems(*this);
        lock_.Attach(*this);
        lock_.SetName("Lock images after import:");
        group_.AddItem(lock_);
        list_.AddItem(group_);
    }
    ~SettingsDialog() override {
        DetachFromAllItems(*this);
        lock_.Detach(*this);
    }

    void ButtonClicked(const DG::ButtonClickEvent& event) override {
        if (event.GetSource() == &button_) {
            PostCloseRequest(Accept);
        }
    }
    void CheckChanged(const VBAL::APIAttributeListCheckItem& item) override {
        if (&item == &lock_) {
            DBPrintf("ToolkitAddOn lock %s", item.GetState() ? "on" : "off");
        }
    }

private:
    DG::Button button_;
    VBAL::APIAttributeList list_;
    VBAL::APIAttributeListGroupItem group_;
    VBAL::APIAttributeListCheckItem lock_;
};

std::unique_ptr<TestPalette> palette;

GSErrCode MenuHandler(const API_MenuParams* menuParams) {
    switch (menuParams->menuItemRef.menuResID) {
        case ID_MENU_ORTHOPHOTOS_WINDOW:
            if (!palette) {
                palette = std::make_unique<TestPalette>();
                ACAPI_KeepInMemory(true);
            }
            palette->IsVisible() ? palette->Hide() : palette->Show();
            return NoError;
        case ID_MENU_SETTINGS: {
            SettingsDialog dialog;
            if (dialog.GetId() == 0) {
                return -7003;
            }
            DBPrintf("ToolkitAddOn settings %s", dialog.Invoke() ? "accepted" : "cancelled");
            return NoError;
        }
        case ID_MENU_INFO:
            DBPrintf("ToolkitAddOn info %d", DG::InformationAlert("Version: 1.1.0.0213", "", "OK"));
            return NoError;
        default:
            return NoError;
    }
}

}  // namespace

API_AddonType CheckEnvironment(API_EnvirParams* envir) {
    RSGetIndString(&envir->addOnInfo.name, ID_ADDON_INFO, 1, ACAPI_GetOwnResModule());
    return APIAddon_Normal;
}

GSErrCode RegisterInterface(void) {
    GSErrCode err =
        ACAPI_Register_Menu(ID_MENU_ORTHOPHOTOS_WINDOW, ID_MENU_PROMPTS, MenuCode_UserDef, Menu_Flag_None);
    err += ACAPI_Register_Menu(ID_MENU_SETTINGS, ID_MENU_PROMPTS, MenuCode_UserDef, MenuFlag_InsertIntoSame);
    err += ACAPI_Register_Menu(ID_MENU_INFO, ID_MENU_PROMPTS, MenuCode_UserDef, MenuFlag_InsertIntoSame);
    return err;
}

GSErrCode Initialize(void) {
    GSErrCode err = ACAPI_Install_MenuHandler(ID_MENU_ORTHOPHOTOS_WINDOW, MenuHandler);
    err += ACAPI_Install_MenuHandler(ID_MENU_SETTINGS, MenuHandler);
    err += ACAPI_Install_MenuHandler(ID_MENU_INFO, MenuHandler);
    return err;
}

GSErrCode FreeData(void) {
    palette.reset();
    return NoError;
}
