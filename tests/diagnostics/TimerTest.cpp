#include "diagnostics/Timer.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "tests/diagnostics/LogText.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace krx {
namespace {

using namespace std::chrono_literals;

const std::string kMicro = "\xCE\xBC";

TEST(TimerText, NamePaddingAndUnitFollowTheElapsedTime) {
    struct TextCase {
        std::string name;
        Timer::Clock::duration elapsed;
        std::string expected;
    };
    const std::string name10 = "readLayout";
    const std::string name32(32, 'n');
    const std::string name40(40, 'n');
    const TextCase cases[] = {
        {"", 250us, "Timer Unkonwn " + std::string(25, '.') + " 250 [" + kMicro + "s]"},
        {name10, 250ms, "Timer readLayout " + std::string(22, '.') + " 250 [ms]"},
        {name32, 2500ms, "Timer " + name32 + "  2.5 [s]"},
        {name40, 2500ms, "Timer " + name40 + " " + std::string(8, '.') + " 2.5 [s]"},
        // Unit boundaries: each unit holds up to, not including, the next.
        {name10, 999999ns, "Timer readLayout " + std::string(22, '.') + " 999 [" + kMicro + "s]"},
        {name10, 1ms, "Timer readLayout " + std::string(22, '.') + " 1 [ms]"},
        {name10, 999999us, "Timer readLayout " + std::string(22, '.') + " 999 [ms]"},
        {name10, 1s, "Timer readLayout " + std::string(22, '.') + " 1 [s]"},
        {name10, 0ns, "Timer readLayout " + std::string(22, '.') + " 0 [" + kMicro + "s]"},
        {name10, 1234567891234ns, "Timer readLayout " + std::string(22, '.') + " 1234.567891234 [s]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Timer::elapsedTimeText(c.name, c.elapsed), c.expected);
    }
}

class TimerTest : public test::IsolatedEnvironment {};

TEST_F(TimerTest, EndOfScopeWritesOneLineToTheLog) {
    {
        DebugSingleton::ScopedInstance debug(tmp());
        { Timer timer("import"); }
        { Timer timer("explicit", debug.log()); }
    }

    const auto lines = test::splitLines(test::readWholeFile(tmp() + "/KorvexLumivo.log"));
    // The unit depends on the machine's speed; name and padding do not.
    const std::string unit = "( [0-9]+ \\[(" + kMicro + "s|ms)\\]| [0-9.e+-]+ \\[s\\])";
    EXPECT_THAT(lines, testing::Contains(testing::MatchesRegex("Timer import \\.{26}" + unit)));
    EXPECT_THAT(lines, testing::Contains(testing::MatchesRegex("Timer explicit \\.{24}" + unit)));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.rfind("Timer ", 0) == 0; }),
              2);
}

}  // namespace
}  // namespace krx
