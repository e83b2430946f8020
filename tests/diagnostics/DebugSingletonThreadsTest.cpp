#include "diagnostics/DebugSingleton.hpp"

#include "tests/diagnostics/LogText.hpp"
#include "tests/support/IsolatedEnvironment.hpp"
#include "tests/support/WaitUntil.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

TEST_F(DebugSingletonThreadsTest, ThreadEndingInTheMiddleOfALineStillWritesItAsALine) {
    {
        DebugSingleton debug(tmp());
        std::thread writer([&debug] { debug.log() << "listener stopped without line end"; });
        writer.join();
        debug.log() << "main goes on" << std::endl;
    }
    const auto lines = splitLines(readWholeFile(logPath()));
    EXPECT_THAT(lines, testing::Contains("listener stopped without line end"));
    EXPECT_THAT(lines, testing::Contains("main goes on"));
}

TEST_F(DebugSingletonThreadsTest, WriterStillRunningWhenTheLogEndsLosesItsTextButNothingElse) {
    auto debug = std::make_unique<DebugSingleton>(tmp());
    std::atomic<std::ostream*> stream{nullptr};
    std::atomic<bool> stop{false};
    std::atomic<int> written{0};
    std::thread writer([&] {
        std::ostream& out = debug->log();
        stream.store(&out);
        while (!stop.load()) {
            out << "watcher line " << written.load() << std::endl;
            written.fetch_add(1);
        }
    });
    ASSERT_TRUE(test::waitUntil([&] { return written.load() > 100; }));
    debug.reset();
    const int writtenAtEnd = written.load();
    ASSERT_TRUE(test::waitUntil([&] { return written.load() > writtenAtEnd + 100; }));
    stop.store(true);
    writer.join();

    const std::string text = readWholeFile(logPath());
    const std::string footer = "\nEnd PlugIn\n" + std::string(40, '-') + "\n\n\n\n";
    ASSERT_GE(text.size(), footer.size());
    EXPECT_EQ(text.substr(text.size() - footer.size()), footer);
    for (const auto& line : splitLines(text.substr(0, text.size() - footer.size()))) {
        if (line.rfind("watcher", 0) == 0) {
            EXPECT_THAT(line, testing::MatchesRegex("watcher line [0-9]+"));
        }
    }
}

}  // namespace
}  // namespace krx
