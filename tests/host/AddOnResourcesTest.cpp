// The add-on's own resource scripts parse, and every resource its code refers to is there.
#include <gtest/gtest.h>

#include "host/sim/ResourceScript.hpp"
#include "resources/ResourceIds.hpp"

namespace {

TEST(AddOnResourcesTest, EveryResourceTheCodeNamesIsDefined) {
    krx::sim::ResourceScript script;
    std::string error;
    ASSERT_TRUE(script.addFile(KRX_SOURCE_DIR "/resources/KorvexLumivo.grc", &error)) << error;
    ASSERT_TRUE(script.addFile(KRX_SOURCE_DIR "/resources/KorvexLumivoDialogs.grc", &error)) << error;

    EXPECT_EQ(script.indString(ID_ADDON_INFO, 1), "Korvex Lumivo");
    EXPECT_TRUE(script.indString(ID_ADDON_INFO, 2).has_value());
    EXPECT_EQ(script.stringCount(ID_MENU_PROMPTS), 5);

    // Each menu's item 1 is the English text under which the translator finds it.
    const std::pair<int, const char*> menus[] = {
        {ID_MENU_RECEIVE_3D_POINTS, "Receive 3D points"},
        {ID_MENU_ORTHOPHOTOS_WINDOW, "Orthophotos window"},
        {ID_MENU_SETTINGS, "Settings"},
        {ID_MENU_INFO, "Info"},
        {ID_MENU_RECEIVE_VIEWPORT, "Receive Viewport"},
    };
    for (const auto& [id, text] : menus) {
        EXPECT_EQ(script.stringCount(id), 1) << id;
        EXPECT_EQ(script.indString(id, 1), text) << id;
    }
    EXPECT_EQ(script.indString(ID_CONTEXT_MENU_TEXTS, 1), "Delete selected from list");
    EXPECT_EQ(script.indString(ID_CONTEXT_MENU_TEXTS, 2), "Delete selected from project");
    EXPECT_EQ(script.indString(ID_CONTEXT_MENU_TEXTS, 3), "Delete selected from list and project");

    const krx::sim::ResourceBlock* mdid = script.find("MDID", ID_ADDON_INFO);
    ASSERT_NE(mdid, nullptr);
    ASSERT_EQ(mdid->items.size(), 2u);
    EXPECT_EQ(mdid->items[0].tokens[0].number, KRX_MDID_DEVELOPER_ID);
    EXPECT_EQ(mdid->items[1].tokens[0].number, KRX_MDID_LOCAL_ID);

    ASSERT_NE(script.find("GDLG", ID_PALETTE), nullptr);
    EXPECT_EQ(script.find("GDLG", ID_PALETTE)->items.size(), 8u);
    ASSERT_NE(script.find("GDLG", ID_SETTINGS_DIALOG), nullptr);
    EXPECT_EQ(script.find("GDLG", ID_SETTINGS_DIALOG)->items.size(), 2u);
}

}  // namespace
