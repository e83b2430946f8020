// A real bundle drives the toolkit of the program that loads it: its windows are the ones the
// driver sees, and events reach the bundle's observers with the bundle's own item objects as source.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/sim/Host.hpp"
#include "host/sim/toolkit/Driver.hpp"
#include "host/sim/toolkit/Toolkit.hpp"
#include "resources/DialogItemIds.hpp"
#include "resources/ResourceIds.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

namespace krx::sim::toolkit {
namespace {

class BundleToolkitTest : public krx::test::IsolatedEnvironment {
protected:
    void SetUp() override {
        IsolatedEnvironment::SetUp();
        Host::instance().reset();
        Toolkit::instance().reset();
        std::string error;
        ASSERT_GT(Host::instance().loadBundle(KRX_TOOLKIT_TEST_BUNDLE, &error), 0) << error;
    }
    void TearDown() override {
        Host::instance().quit();
        const std::vector<std::string> faults = Toolkit::instance().faults();
        EXPECT_TRUE(faults.empty()) << (faults.empty() ? "" : faults.front());
        EXPECT_TRUE(Toolkit::instance().panels().empty()) << "unloading the bundle destroyed its palette";
        Toolkit::instance().reset();
        Host::instance().reset();
        IsolatedEnvironment::TearDown();
    }

    // What the bundle wrote, without its prefix.
    static std::vector<std::string> addOnLines() {
        std::vector<std::string> lines;
        for (const std::string& line : Host::instance().debugOutput()) {
            if (line.rfind("ToolkitAddOn ", 0) == 0) {
                lines.push_back(line.substr(13));
            }
        }
        return lines;
    }

    Driver driver;
};

TEST_F(BundleToolkitTest, ThePersonWorksTheBundlesPalette) {
    ASSERT_TRUE(driver.chooseMenuItem(ID_MENU_ORTHOPHOTOS_WINDOW, 1)) << driver.lastError();
    const short palette = driver.findPanel(ID_PALETTE);
    ASSERT_NE(palette, 0);
    EXPECT_TRUE(driver.clickListItem(palette, KRX_PALETTE_LIST, 2, 40));
    EXPECT_TRUE(driver.choosePopupItem(palette, KRX_PALETTE_SHEET_POPUP, "reflectivity"));
    EXPECT_TRUE(driver.pressButton(palette, KRX_PALETTE_SEARCH_BUTTON));
    const std::string seen = driver.render(palette);
    EXPECT_NE(seen.find("* | South        | reflectivity <reflectivity> |"), std::string::npos) << seen;
    EXPECT_TRUE(driver.pressButton(palette, KRX_PALETTE_CLOSE_BUTTON));
    EXPECT_FALSE(driver.pressButton(palette, KRX_PALETTE_SEARCH_BUTTON)) << "the palette is hidden";
    ASSERT_TRUE(driver.chooseMenuItem(ID_MENU_ORTHOPHOTOS_WINDOW, 1));
    EXPECT_TRUE(driver.closeWithCloseBox(palette));

    EXPECT_EQ(addOnLines(),
              (std::vector<std::string>{"opened", "selected 2", "clicked row 2 at 40", "search button",
                                        "close button", "opened", "close requested"}));
}

TEST_F(BundleToolkitTest, TheBundlesDialogAndAlertAreAnswered) {
    driver.whenModalDialogOpens([](Driver& d, short dialog) {
        EXPECT_TRUE(d.toggleCheckItem(dialog, KRX_SETTINGS_PROPERTY_LIST, 1));
        EXPECT_TRUE(d.pressButton(dialog, KRX_SETTINGS_CONFIRM_BUTTON));
    });
    ASSERT_TRUE(driver.chooseMenuItem(ID_MENU_SETTINGS, 1)) << driver.lastError();
    driver.whenModalDialogOpens([](Driver& d, short dialog) { EXPECT_TRUE(d.closeModalDialog(dialog)); });
    ASSERT_TRUE(driver.chooseMenuItem(ID_MENU_SETTINGS, 1));
    driver.answerNextAlert("OK");
    ASSERT_TRUE(driver.chooseMenuItem(ID_MENU_INFO, 1));

    EXPECT_EQ(addOnLines(),
              (std::vector<std::string>{"lock on", "settings accepted", "settings cancelled", "info 1"}));
    EXPECT_EQ(driver.renderAlerts(), "Information \"Version: 1.1.0.0213\" [OK] -> OK\n");
}

}  // namespace
}  // namespace krx::sim::toolkit
