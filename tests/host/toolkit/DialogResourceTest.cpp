#include "host/sim/toolkit/DialogResource.hpp"

#include <gtest/gtest.h>

namespace krx::sim::toolkit {
namespace {

ResourceScript parse(const std::string& text) {
    ResourceScript script;
    std::string error;
    EXPECT_TRUE(script.addText(text, "test.grc", &error)) << error;
    return script;
}

TEST(DialogResource, ReadsWindowItemsAndTooltips) {
    const ResourceScript script = parse(R"(
#define ID_TEST 700
#define TOP 12
'GDLG' ID_TEST Palette | leftCaption | close | grow  5 6 400 300 "Test window" {
/* [1] */ Button 10 TOP 80 20 LargePlain "Press"
/* [2] */ MultiSelList 10 40 380 200 SmallPlain HasHeader 18
/* [3] */ UserControl 10 250 20 20 TextPopup
/* [4] */ TextEdit 100 TOP 100 20 SmallPlain MaxLength 31
}
'DLGH' ID_TEST DLG_700_Test {
1 "Presses" Press
3 "Chooses" Choose
}
)");
    PanelDescription panel;
    std::string error;
    ASSERT_TRUE(readPanelDescription(script, 700, &panel, &error)) << error;

    EXPECT_EQ(panel.kind, PanelKind::Palette);
    EXPECT_EQ(panel.flags, (std::vector<std::string>{"leftCaption", "close", "grow"}));
    EXPECT_EQ(panel.rect.left, 5);
    EXPECT_EQ(panel.rect.top, 6);
    EXPECT_EQ(panel.rect.width, 400);
    EXPECT_EQ(panel.rect.height, 300);
    EXPECT_EQ(panel.title, "Test window");
    ASSERT_EQ(panel.items.size(), 4u);

    EXPECT_EQ(panel.items[0].kind, ItemKind::Button);
    EXPECT_EQ(panel.items[0].rect.top, 12);
    EXPECT_EQ(panel.items[0].text, "Press");
    EXPECT_TRUE(panel.items[0].hasFlag("LargePlain"));
    EXPECT_EQ(panel.items[0].tooltip, "Presses");

    EXPECT_EQ(panel.items[1].kind, ItemKind::MultiSelList);
    EXPECT_EQ(panel.items[1].value("HasHeader", 0), 18);
    EXPECT_EQ(panel.items[2].kind, ItemKind::UserControl);
    EXPECT_EQ(panel.items[2].controlClass, "TextPopup");
    EXPECT_EQ(panel.items[2].tooltip, "Chooses");
    EXPECT_EQ(panel.items[3].value("MaxLength", 0), 31);
}

TEST(DialogResource, RefusesMalformedWindows) {
    struct Case {
        const char* name;
        const char* text;
        const char* errorPart;
    };
    const Case cases[] = {
        {"unknown kind", "'GDLG' 1 Floating | close 0 0 10 10 \"t\" {\n}\n", "unknown window kind"},
        {"missing frame", "'GDLG' 1 Palette | close 0 0 10 \"t\" {\n}\n", "frame"},
        {"unknown item", "'GDLG' 1 Modal | grow 0 0 10 10 \"t\" {\n Slider 1 1 5 5\n}\n", "item kind"},
        {"short item rect", "'GDLG' 1 Modal | grow 0 0 10 10 \"t\" {\n Button 1 1 5 \"x\"\n}\n", "rectangle"},
        {"user control without class", "'GDLG' 1 Modal | grow 0 0 10 10 \"t\" {\n UserControl 1 1 5 5\n}\n",
         "control class"},
        {"help for a missing item",
         "'GDLG' 1 Modal | grow 0 0 10 10 \"t\" {\n Button 1 1 5 5 \"x\"\n}\n"
         "'DLGH' 1 H {\n 2 \"tip\" A\n}\n",
         "does not have"},
    };
    for (const Case& c : cases) {
        const ResourceScript script = parse(c.text);
        PanelDescription panel;
        std::string error;
        EXPECT_FALSE(readPanelDescription(script, 1, &panel, &error)) << c.name;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.name << ": " << error;
    }
    PanelDescription panel;
    std::string error;
    EXPECT_FALSE(readPanelDescription(ResourceScript(), 1, &panel, &error));
}

}  // namespace
}  // namespace krx::sim::toolkit
