#include "diagnostics/DebugSingleton.hpp"

#include "tests/diagnostics/LogText.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <sstream>
#include <thread>
#include <vector>

namespace krx {
namespace {

using test::readWholeFile;
using test::splitLines;

class DebugSingletonThreadsTest : public test::IsolatedEnvironment {
protected:
    std::string logPath() const { return tmp() + "/KorvexLumivo.log"; }
};

TEST_F(DebugSingletonThreadsTest, LinesOfThreadsWritingAtOnceStayWhole) {
    constexpr int kThreads = 4;
    constexpr int kLines = 3000;
    {
        DebugSingleton::ScopedInstance debug(tmp());
        std::atomic<int> ready{0};
        std::vector<std::thread> writers;
        for (int t = 0; t < kThreads; ++t) {
            writers.emplace_back([t, &ready] {
                ready.fetch_add(1);
                while (ready.load() < kThreads) {
                    std::this_thread::yield();
                }
                for (int i = 0; i < kLines; ++i) {
                    // Many small insertions per line, ended in both ways callers use.
                    std::ostream& out = DebugSingleton::instance().log();
                    out << "thread " << t << " line " << i << ' ' << (i % 2 == 0) << ' '
                        << std::string(static_cast<std::size_t>(i % 50), 'x') << " end";
                    if (i % 2 == 0) {
                        out << std::endl;
                    } else {
                        out << "\n" << std::flush;
                    }
                }
            });
        }
        for (auto& writer : writers) {
            writer.join();
        }
    }

    std::map<int, int> nextLine;
    int messages = 0;
    for (const auto& line : splitLines(readWholeFile(logPath()))) {
        if (line.rfind("thread ", 0) != 0) {
            continue;
        }
        // "thread <t> line <i> <true|false> x... end", rebuilt from its numbers and compared whole.
        std::istringstream fields(line);
        std::string word;
        int thread = -1;
        int index = -1;
        fields >> word >> thread >> word >> index;
        ASSERT_TRUE(thread >= 0 && thread < kThreads && index >= 0) << "broken line: " << line;
        std::ostringstream expected;
        expected << "thread " << thread << " line " << index << ' ' << std::boolalpha << (index % 2 == 0)
                 << ' ' << std::string(static_cast<std::size_t>(index % 50), 'x') << " end";
        ASSERT_EQ(line, expected.str()) << "broken line";
        ASSERT_EQ(index, nextLine[thread]) << "line lost or out of order: " << line;
        ++nextLine[thread];
        ++messages;
    }
    EXPECT_EQ(messages, kThreads * kLines);
}

TEST_F(DebugSingletonThreadsTest, LinesThatEndedThreadsLeftUnfinishedGoInWholeBeforeTheFooter) {
    {
        DebugSingleton debug(tmp());
        std::thread watcher([&debug] { debug.log() << "watcher stopped " << 1 << " without line end"; });
        std::thread listener([&debug] { debug.log() << "listener stopped " << true; });
        watcher.join();
        listener.join();
        debug.log() << "main goes on" << std::endl;
        // A thread started later begins a line of its own, never inside an ended thread's text.
        std::thread next([&debug] { debug.log() << "next thread" << std::endl; });
        next.join();
    }
    const auto lines = splitLines(readWholeFile(logPath()));
    const auto footer = std::find(lines.begin(), lines.end(), "End PlugIn");
    ASSERT_NE(footer, lines.end());
    for (const char* line :
         {"watcher stopped 1 without line end", "listener stopped true", "main goes on", "next thread"}) {
        EXPECT_NE(std::find(lines.begin(), footer, line), footer) << line;
    }
}

}  // namespace
}  // namespace krx
