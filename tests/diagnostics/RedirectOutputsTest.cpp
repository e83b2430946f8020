#include "diagnostics/RedirectOutputs.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace krx {
namespace {

TEST(RedirectOutputs, RedirectsForItsScopeAndGivesTheOwnBufferBack) {
    std::ostringstream target;
    std::ostringstream redirected;
    std::streambuf* const ownBuffer = redirected.rdbuf();
    {
        redirect_outputs guard(target, redirected);
        redirected << "captured";
    }
    redirected << "own";

    EXPECT_EQ(redirected.rdbuf(), ownBuffer);
    EXPECT_EQ(target.str(), "captured");
    EXPECT_EQ(redirected.str(), "own");
}

TEST(RedirectOutputs, NestedGuardsUnwindInOrder) {
    std::ostringstream first;
    std::ostringstream second;
    std::ostringstream redirected;
    {
        redirect_outputs outer(first, redirected);
        redirected << "a";
        {
            redirect_outputs inner(second, redirected);
            redirected << "b";
        }
        redirected << "c";
    }
    redirected << "d";

    EXPECT_EQ(first.str(), "ac");
    EXPECT_EQ(second.str(), "b");
    EXPECT_EQ(redirected.str(), "d");
}

}  // namespace
}  // namespace krx
