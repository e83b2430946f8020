// The host's handling of a real bundle: loading and unloading with the module's destructors seen,
// registration, menus, module commands posted from a worker thread, project events, quitting.
#include <dlfcn.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "host/sim/Host.hpp"
#include "tests/host/bundle/TestAddOnIds.hpp"
#include "tests/support/IsolatedEnvironment.hpp"
#include "tests/support/WaitUntil.hpp"

namespace {

using krx::sim::Host;

const std::string kBundle = KRX_TEST_BUNDLE;
const std::string kModule = kBundle + "/Contents/MacOS/TestAddOn";

class BundleLoadingTest : public krx::test::IsolatedEnvironment {
protected:
    void SetUp() override {
        IsolatedEnvironment::SetUp();
        host().reset();
        std::string error;
        module_ = host().loadBundle(kBundle, &error);
        ASSERT_GT(module_, 0) << error;
    }
    void TearDown() override {
        host().quit();
        host().reset();
        IsolatedEnvironment::TearDown();
    }

    static Host& host() { return Host::instance(); }

    // Debug output lines of the test add-on, without its prefix.
    static std::vector<std::string> addOnLines() {
        std::vector<std::string> lines;
        for (const std::string& line : host().debugOutput()) {
            if (line.rfind("TestAddOn ", 0) == 0) {
                lines.push_back(line.substr(10));
            }
        }
        return lines;
    }

    static bool moduleIsMapped() {
        void* handle = dlopen(kModule.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (handle != nullptr) {
            dlclose(handle);
        }
        return handle != nullptr;
    }

    // The line of the bundle's program-unload destructor: it still runs as the add-on.
    std::string unloaded() const { return "unloaded " + std::to_string(module_); }

    GSResModule module_ = 0;
};

TEST_F(BundleLoadingTest, RegistersThenReallyUnloadsUntilTheFirstCommand) {
    EXPECT_EQ(host().lifecycle(module_),
              (std::vector<std::string>{"load", "CheckEnvironment", "RegisterInterface", "unload"}));
    EXPECT_EQ(addOnLines(), (std::vector<std::string>{"loaded", "RegisterInterface 0", unloaded()}));
    EXPECT_FALSE(moduleIsMapped());
    EXPECT_EQ(host().addOnInfo(module_).name, "Test Add-On");
    EXPECT_EQ(host().addOnInfo(module_).description, "A bundle the host tests load");
    ASSERT_TRUE(host().moduleId(module_).has_value());
    EXPECT_EQ(host().moduleId(module_)->developerID, static_cast<UInt32>(TEST_MDID_DEVELOPER));

    // The two registrations form one host menu; its prompts are numbered through both.
    const auto items = host().menuItems();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "Toggle check");
    EXPECT_EQ(items[2].prompt, "Posts commands from a worker thread");
    EXPECT_EQ(items[3].menuResID, TEST_MENU_EXTRA);
    EXPECT_EQ(items[3].prompt, "Allocates a handle and forgets it");

    // A command of an add-on that does not stay in memory: load, Initialize, handler, FreeData, unload.
    EXPECT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 1), NoError);
    EXPECT_FALSE(moduleIsMapped());
    EXPECT_EQ(host().menuItem(TEST_MENU_MAIN, 1)->flags, API_MenuItemChecked);
    EXPECT_EQ(host().menuItem(TEST_MENU_MAIN, 1)->text, "Toggle check (toggled)");
    const auto lines = addOnLines();
    const std::vector<std::string> tail(lines.end() - 5, lines.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"loaded", "Initialize 0", "menu 32010 1", "FreeData", unloaded()}));
}

TEST_F(BundleLoadingTest, KeepInMemoryHoldsTheAddOnUntilQuit) {
    ASSERT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 2), NoError);
    EXPECT_TRUE(moduleIsMapped());
    EXPECT_TRUE(host().isInitialized(module_));
    ASSERT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 1), NoError);
    const auto steps = host().lifecycle(module_);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "Initialize"), 1);

    host().newProject(true);
    host().closeProject();
    const auto lines = addOnLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "event 2"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "event 32"), lines.end());

    EXPECT_TRUE(host().quit().empty());
    EXPECT_FALSE(moduleIsMapped());
    EXPECT_EQ(addOnLines().back(), unloaded());
    EXPECT_EQ(*(addOnLines().end() - 2), "FreeData");
}

TEST_F(BundleLoadingTest, DisabledAndUnknownItemsAreRefused) {
    API_MenuItemRef ref{TEST_MENU_MAIN, 1};
    GSFlags flags = API_MenuItemDisabled;
    ASSERT_EQ(ACAPI_Interface(APIIo_SetMenuItemFlagsID, &ref, &flags), NoError);
    EXPECT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 1), APIERR_REFUSEDCMD);
    EXPECT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 9), APIERR_BADPARS);
    EXPECT_EQ(host().selectMenuItem(31999, 1), APIERR_BADPARS);
    EXPECT_FALSE(host().isLoaded(module_));
    EXPECT_EQ(host().lifecycle(module_).size(), 4u);  // never loaded for a refused selection

    ref.itemIndex = 5;
    EXPECT_EQ(ACAPI_Interface(APIIo_GetMenuItemFlagsID, &ref, &flags), APIERR_BADPARS);
}

TEST_F(BundleLoadingTest, WorkerPostsRunOnTheMainThreadInOrderAndTheWorkerIsRefusedModelCalls) {
    ASSERT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 2), NoError);
    ASSERT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 3), NoError);
    int seen = 0;
    ASSERT_TRUE(host().runUntil(
        [&] {
            const auto lines = addOnLines();
            seen = static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
                return l.rfind("callback", 0) == 0;
            }));
            return seen == 5;
        },
        std::chrono::seconds(20)));
    std::vector<std::string> commands;
    for (const std::string& line : addOnLines()) {
        if (line.rfind("command", 0) == 0 || line.rfind("callback", 0) == 0) {
            commands.push_back(line);
        }
    }
    ASSERT_EQ(commands.size(), 10u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(commands[2 * i], "command n=" + std::to_string(i + 1) + " GDAT 0");
        EXPECT_EQ(commands[2 * i + 1], "callback 0");
    }
    ASSERT_TRUE(krx::test::waitUntil([] {
        const auto lines = addOnLines();
        return std::any_of(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.rfind("worker", 0) == 0; });
    }));
    const auto off = host().offMainThreadCalls();
    ASSERT_EQ(off.size(), 1u);
    EXPECT_EQ(off[0].function, "ACAPI_Database");
    EXPECT_EQ(off[0].selector, "GDAT");
    EXPECT_TRUE(host().quit().empty());
}

TEST_F(BundleLoadingTest, CommandsForAnUnloadedAddOnLoadItAgain) {
    // The worker posts, the add-on is freed and unloaded right after the menu command; every post
    // then loads it again, and the completion callback is found in the newly loaded module.
    ASSERT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 3), NoError);
    EXPECT_FALSE(moduleIsMapped());
    ASSERT_TRUE(host().runUntil([] { return host().pendingCommands() == 0 && host().processPending() == 0; },
                                std::chrono::seconds(20)));
    const auto lines = addOnLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "callback 0"), 5);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Initialize 0"), 6);
    EXPECT_TRUE(host().leaks().empty());
}

TEST_F(BundleLoadingTest, UnloadDestructorsRunAsTheirAddOnBesideOtherAddOns) {
    krx::sim::InProcessAddOn other;
    other.bundlePath = tmp() + "/Other.bundle";
    ASSERT_GT(host().attachAddOn(other), 0);
    ASSERT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 2), NoError);
    EXPECT_TRUE(host().quit().empty());
    EXPECT_EQ(addOnLines().back(), unloaded());
}

TEST_F(BundleLoadingTest, QuitReportsWhatTheAddOnNeverReleased) {
    ASSERT_EQ(host().selectMenuItem(TEST_MENU_MAIN, 2), NoError);
    ASSERT_EQ(host().selectMenuItem(TEST_MENU_EXTRA, 1), NoError);
    host().failNext("APIAny_AddMDCLParameterID", 1, APIERR_GENERAL);
    const krx::sim::LeakReport report = host().quit();
    EXPECT_EQ(report.handles, 1u);
    EXPECT_EQ(report.parameterLists, 0u);
    ASSERT_EQ(report.lines.size(), 1u);
    EXPECT_EQ(report.lines[0], "handle #1 of 16 bytes");
    EXPECT_EQ(host().debugOutput().back(), "Leak: handle #1 of 16 bytes");
}

}  // namespace
