#include "tests/diagnostics/LogText.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <string>

namespace krx {
namespace {

using test::readWholeFile;
using test::splitLines;

class ModuleUnloadTest : public test::IsolatedEnvironment {};

// The host loads the add-on once to register it and again to use it, unloading it in between. Each load
// must write its own header and footer, which needs the module to be really unloaded, and nothing the
// log leaves behind in the loading thread may pin it in memory.
TEST_F(ModuleUnloadTest, EachLoadOfTheModuleWritesItsOwnHeaderAndFooter) {
    for (const char* message : {"RegisterInterface", "Initialize"}) {
        void* module = dlopen(KRX_TEST_LOG_MODULE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(module, nullptr) << dlerror();
        auto write = reinterpret_cast<void (*)(const char*)>(dlsym(module, "krxLogModuleWrite"));
        ASSERT_NE(write, nullptr) << dlerror();
        write(message);
        ASSERT_EQ(dlclose(module), 0);
        if (void* pinned = dlopen(KRX_TEST_LOG_MODULE, RTLD_NOW | RTLD_NOLOAD)) {
            dlclose(pinned);
            ADD_FAILURE() << "the module stayed loaded after " << message;
        }
    }

    const auto lines = splitLines(readWholeFile(tmp() + "/KorvexLumivo.log"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Version 1.1.0.0213"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "End PlugIn"), 2);
    const auto first = std::find(lines.begin(), lines.end(), "RegisterInterface");
    const auto firstEnd = std::find(lines.begin(), lines.end(), "End PlugIn");
    const auto second = std::find(lines.begin(), lines.end(), "Initialize");
    EXPECT_TRUE(first < firstEnd && firstEnd < second && second != lines.end());
}

}  // namespace
}  // namespace krx
