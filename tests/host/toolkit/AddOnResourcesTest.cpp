// The add-on's own palette and settings dialog resources, read by the toolkit through the simulated
// host as the add-on's code builds them, and a menu item that opens the palette.

#include <gtest/gtest.h>

#include <memory>

#include "host/api/Registration.hpp"
#include "host/sim/Host.hpp"
#include "host/sim/toolkit/DialogResource.hpp"
#include "resources/DialogItemIds.hpp"
#include "resources/ResourceIds.hpp"
#include "tests/host/toolkit/ToolkitFixture.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

namespace krx::sim::toolkit::test {
namespace {

using Events = std::vector<std::string>;

TEST(AddOnResources, ThePaletteAndTheSettingsDialogHaveTheirItems) {
    ResourceScript script;
    std::string error;
    ASSERT_TRUE(script.addFile(KRX_TEST_RESOURCES_DIR "/KorvexLumivoDialogs.grc", &error)) << error;

    PanelDescription palette;
    ASSERT_TRUE(readPanelDescription(script, ID_PALETTE, &palette, &error)) << error;
    EXPECT_EQ(palette.kind, PanelKind::Palette);
    EXPECT_TRUE(palette.hasFlag("close"));
    EXPECT_TRUE(palette.hasFlag("grow"));
    ASSERT_EQ(palette.items.size(), 8u);
    struct Expected {
        short number;
        ItemKind kind;
        const char* text;
        const char* controlClass;
    };
    const Expected items[] = {
        {KRX_PALETTE_CLOSE_BUTTON, ItemKind::Button, "Close", ""},
        {KRX_PALETTE_FIND_LABEL, ItemKind::RightText, "Find element", ""},
        {KRX_PALETTE_SEARCH_EDIT, ItemKind::TextEdit, "", ""},
        {KRX_PALETTE_SEARCH_BUTTON, ItemKind::Button, "Search", ""},
        {KRX_PALETTE_REFERENCE_POPUP, ItemKind::UserControl, "", "TextPopup"},
        {KRX_PALETTE_SHEET_POPUP, ItemKind::UserControl, "", "TextPopup"},
        {KRX_PALETTE_LAYER_POPUP, ItemKind::UserControl, "", "TextPopup"},
        {KRX_PALETTE_LIST, ItemKind::MultiSelList, "", ""},
    };
    for (const Expected& e : items) {
        const ItemDescription& item = palette.items[static_cast<std::size_t>(e.number - 1)];
        EXPECT_EQ(item.kind, e.kind) << e.number;
        EXPECT_EQ(item.text, e.text) << e.number;
        EXPECT_EQ(item.controlClass, e.controlClass) << e.number;
    }
    const ItemDescription& list = palette.items[KRX_PALETTE_LIST - 1];
    const ItemDescription& close = palette.items[KRX_PALETTE_CLOSE_BUTTON - 1];
    EXPECT_GT(list.value("HasHeader", 0), 0);
    EXPECT_LE(list.rect.top + list.rect.height, close.rect.top) << "the Close button sits below the list";
    EXPECT_LE(close.rect.top + close.rect.height, palette.rect.height);
    EXPECT_LE(list.rect.left + list.rect.width, palette.rect.width);

    PanelDescription settings;
    ASSERT_TRUE(readPanelDescription(script, ID_SETTINGS_DIALOG, &settings, &error)) << error;
    EXPECT_EQ(settings.kind, PanelKind::ModalDialog);
    ASSERT_EQ(settings.items.size(), 2u);
    EXPECT_EQ(settings.items[KRX_SETTINGS_CONFIRM_BUTTON - 1].kind, ItemKind::Button);
    EXPECT_EQ(settings.items[KRX_SETTINGS_PROPERTY_LIST - 1].controlClass, "AttributeList");
}

// A minimal add-on: its menu item shows and hides a palette built from the add-on's palette resource.
std::unique_ptr<DG::Palette> thePalette;

GSErrCode menuHandler(const API_MenuParams* params) {
    if (params->menuItemRef.menuResID != ID_MENU_ORTHOPHOTOS_WINDOW) {
        return NoError;
    }
    if (!thePalette) {
        thePalette =
            std::make_unique<DG::Palette>(ACAPI_GetOwnResModule(), ID_PALETTE, ACAPI_GetOwnResModule(),
                                          GS::UniString("{FEE27B6B-3873-4834-98B5-E0081AA4CD45}"));
        thePalette->BeginEventProcessing();
    }
    if (thePalette->IsVisible()) {
        thePalette->Hide();
    } else {
        thePalette->Show();
    }
    return NoError;
}

GSErrCode registerInterface() {
    return ACAPI_Register_Menu(ID_MENU_ORTHOPHOTOS_WINDOW, ID_MENU_PROMPTS, MenuCode_UserDef, Menu_Flag_None);
}

GSErrCode initialize() {
    return ACAPI_Install_MenuHandler(ID_MENU_ORTHOPHOTOS_WINDOW, menuHandler);
}

class AddOnPaletteTest : public krx::test::IsolatedEnvironment {
protected:
    void SetUp() override {
        IsolatedEnvironment::SetUp();
        Host::instance().reset();
        Toolkit::instance().reset();
    }
    void TearDown() override {
        thePalette.reset();
        EXPECT_TRUE(Toolkit::instance().faults().empty());
        Toolkit::instance().reset();
        Host::instance().reset();
        IsolatedEnvironment::TearDown();
    }
    Driver driver;
};

TEST_F(AddOnPaletteTest, TheMenuOpensThePaletteFromTheAddOnsResources) {
    InProcessAddOn addOn;
    addOn.bundlePath = KRX_TEST_BUNDLE_DIR;
    addOn.registerInterface = registerInterface;
    addOn.initialize = initialize;
    std::string error;
    ASSERT_GT(Host::instance().attachAddOn(addOn, &error), 0) << error;

    ASSERT_TRUE(driver.chooseMenuItem(ID_MENU_ORTHOPHOTOS_WINDOW, 1)) << driver.lastError();
    EXPECT_EQ(driver.lastMenuResult(), NoError);
    const short palette = driver.findPanelByGuid("{FEE27B6B-3873-4834-98B5-E0081AA4CD45}");
    ASSERT_NE(palette, 0);
    EXPECT_EQ(palette, driver.findPanel(ID_PALETTE));
    EXPECT_TRUE(thePalette->IsVisible());
    EXPECT_EQ(driver.render(palette).substr(0, driver.render(palette).find('\n')),
              "Palette \"Korvex Sorvane Orthophotos\" 600x320");
    EXPECT_TRUE(driver.typeText(palette, KRX_PALETTE_SEARCH_EDIT, "north"));

    ASSERT_TRUE(driver.chooseMenuItem(ID_MENU_ORTHOPHOTOS_WINDOW, 1));
    EXPECT_FALSE(thePalette->IsVisible());
    EXPECT_FALSE(driver.typeText(palette, KRX_PALETTE_SEARCH_EDIT, "south"));
    EXPECT_FALSE(driver.chooseMenuItem(ID_MENU_SETTINGS, 1)) << "the add-on registered no such menu";
}

// A handler may answer with the very codes the host uses to refuse an item; the item was still chosen.
GSErrCode refusingHandler(const API_MenuParams*) {
    return APIERR_REFUSEDCMD;
}

TEST_F(AddOnPaletteTest, AHandlersOwnRefusalIsItsResultNotAnItemThatCannotBeChosen) {
    InProcessAddOn addOn;
    addOn.bundlePath = KRX_TEST_BUNDLE_DIR;
    addOn.registerInterface = [] {
        return ACAPI_Register_Menu(ID_MENU_INFO, ID_MENU_PROMPTS, MenuCode_UserDef, Menu_Flag_None);
    };
    addOn.initialize = [] { return ACAPI_Install_MenuHandler(ID_MENU_INFO, refusingHandler); };
    std::string error;
    ASSERT_GT(Host::instance().attachAddOn(addOn, &error), 0) << error;

    EXPECT_TRUE(driver.chooseMenuItem(ID_MENU_INFO, 1)) << driver.lastError();
    EXPECT_EQ(driver.lastMenuResult(), APIERR_REFUSEDCMD);
    EXPECT_FALSE(driver.chooseMenuItem(ID_MENU_INFO, 2));
    EXPECT_NE(driver.lastError().find("does not exist"), std::string::npos) << driver.lastError();
}

}  // namespace
}  // namespace krx::sim::toolkit::test
