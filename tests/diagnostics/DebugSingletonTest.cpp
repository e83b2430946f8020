#include "diagnostics/DebugSingleton.hpp"

#include "tests/diagnostics/LogText.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

namespace krx {
namespace {

using test::readWholeFile;
using test::splitLines;

const std::string kRule(40, '-');

class DebugSingletonTest : public test::IsolatedEnvironment {
protected:
    std::string logPath() const { return tmp() + "/KorvexLumivo.log"; }
};

TEST_F(DebugSingletonTest, OneLoadWritesHeaderMessagesAndFooter) {
    {
        DebugSingleton debug(tmp());
        debug.log() << "Init" << std::endl;
        debug.log() << "Set session to active"
                    << "\n"
                    << std::flush;
    }

    const std::string text = readWholeFile(logPath());
    const std::string footer = "\nEnd PlugIn\n" + kRule + "\n\n\n\n";
    const auto lines = splitLines(text);
    ASSERT_GE(lines.size(), 7u) << text;
    EXPECT_EQ(lines[0], kRule);
    EXPECT_THAT(lines[1], testing::MatchesRegex("Start Archicad plugin: [0-9]{4}-[0-9]{2}-[0-9]{2} "
                                                "[0-9]{2}:[0-9]{2}:[0-9]{2}\\."));
    EXPECT_EQ(text.substr(kRule.size() + 1 + lines[1].size() + 1),
              "Version 1.1.0.0213\n" + kRule + "\n\nInit\nSet session to active\n" + footer);
}

TEST_F(DebugSingletonTest, EachLoadAppendsItsOwnHeaderAndFooter) {
    for (const char* message : {"first load", "second load"}) {
        DebugSingleton debug(tmp());
        debug.log() << message << std::endl;
    }

    const auto lines = splitLines(readWholeFile(logPath()));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Version 1.1.0.0213"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "End PlugIn"), 2);
    const auto first = std::find(lines.begin(), lines.end(), "first load");
    const auto second = std::find(lines.begin(), lines.end(), "second load");
    ASSERT_NE(first, lines.end());
    ASSERT_NE(second, lines.end());
    EXPECT_LT(first, second);
}

TEST_F(DebugSingletonTest, EveryLineIsInTheFileAsSoonAsItEnds) {
    DebugSingleton debug(tmp());
    debug.log() << "watcher started" << std::endl;
    EXPECT_THAT(splitLines(readWholeFile(logPath())), testing::Contains("watcher started"));

    // A flush inside a line must not let another thread's text in: the part waits for its line end.
    debug.log() << "Parsing json error: " << std::flush;
    EXPECT_THAT(readWholeFile(logPath()), testing::Not(testing::HasSubstr("Parsing json error")));
    debug.log() << 5 << " illegal value" << std::endl;
    EXPECT_THAT(splitLines(readWholeFile(logPath())),
                testing::Contains("Parsing json error: 5 illegal value"));
}

TEST_F(DebugSingletonTest, StreamFormatsBooleansAsWordsAndNumbersWithSixteenDigits) {
    struct FormatCase {
        std::function<void(std::ostream&)> write;
        std::string expected;
    };
    const FormatCase cases[] = {
        {[](std::ostream& out) { out << true; }, "true"},
        {[](std::ostream& out) { out << false; }, "false"},
        {[](std::ostream& out) { out << 1.0 / 3.0; }, "0.3333333333333333"},
        {[](std::ostream& out) { out << 0.1; }, "0.1"},
        {[](std::ostream& out) { out << 12.5; }, "12.5"},
        {[](std::ostream& out) { out << 10.0; }, "10"},
        {[](std::ostream& out) { out << 123456789.123456789; }, "123456789.1234568"},
        {[](std::ostream& out) { out << 1e20; }, "1e+20"},
        {[](std::ostream& out) { out << 3145728; }, "3145728"},
        {[](std::ostream& out) { out << -42L; }, "-42"},
    };

    {
        DebugSingleton debug(tmp());
        for (const auto& c : cases) {
            debug.log() << "value: ";
            c.write(debug.log());
            debug.log() << std::endl;
        }
    }

    const auto lines = splitLines(readWholeFile(logPath()));
    for (const auto& c : cases) {
        EXPECT_THAT(lines, testing::Contains("value: " + c.expected));
    }
}

TEST_F(DebugSingletonTest, PathJoinsTemporaryDirectoryWithOrWithoutTrailingSeparator) {
    struct PathCase {
        std::string tmpdir;
    };
    const PathCase cases[] = {{tmp()}, {tmp() + "/"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tmpdir);
        ASSERT_EQ(setenv("TMPDIR", c.tmpdir.c_str(), 1), 0);
        DebugSingleton debug;
        EXPECT_EQ(debug.getFilePath(), logPath());
        EXPECT_EQ(DebugSingleton::filePathIn(c.tmpdir), logPath());
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(logPath()));
}

TEST_F(DebugSingletonTest, FileAboveThreeMebibytesIsReplacedAndOneAtTheLimitIsKept) {
    struct SizeCase {
        std::uintmax_t size;
        bool kept;
    };
    const SizeCase cases[] = {
        {3145728, true},
        {3145729, false},
        {10, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        {
            std::ofstream old(logPath(), std::ios::binary | std::ios::trunc);
            old << std::string(c.size, 'o');
        }
        { DebugSingleton debug(tmp()); }

        const std::string text = readWholeFile(logPath());
        if (c.kept) {
            EXPECT_EQ(text.substr(0, c.size), std::string(c.size, 'o'));
            EXPECT_EQ(text.substr(c.size, kRule.size()), kRule);
        } else {
            EXPECT_EQ(text.substr(0, kRule.size() + 1), kRule + "\n");
            EXPECT_LT(text.size(), 1000u);
        }
    }
}

TEST_F(DebugSingletonTest, UnopenableFileIsReportedOnceAndLoggingGoesOnQuietly) {
    const std::string missing = tmp() + "/no-such-folder";
    testing::internal::CaptureStderr();
    {
        DebugSingleton debug(missing);
        debug.log() << "lost" << std::endl;
        EXPECT_EQ(debug.getFilePath(), missing + "/KorvexLumivo.log");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Could not open debug log file for writing.\n");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(DebugSingletonTest, ScopedInstanceStandsInForTheAddOnsLogWhileItLives) {
    const std::string innerDir = tmp() + "/inner";
    std::filesystem::create_directory(innerDir);
    {
        DebugSingleton::ScopedInstance outer(tmp());
        EXPECT_EQ(&DebugSingleton::instance(), &outer.log());
        {
            DebugSingleton::ScopedInstance inner(innerDir);
            EXPECT_EQ(&DebugSingleton::instance(), &inner.log());
            DebugSingleton::instance().log() << "to the inner log" << std::endl;
        }
        EXPECT_EQ(&DebugSingleton::instance(), &outer.log());
        DebugSingleton::instance().log() << "to the outer log" << std::endl;
    }

    const auto outerLines = splitLines(readWholeFile(logPath()));
    const auto innerLines = splitLines(readWholeFile(innerDir + "/KorvexLumivo.log"));
    EXPECT_THAT(outerLines, testing::Contains("to the outer log"));
    EXPECT_THAT(outerLines, testing::Not(testing::Contains("to the inner log")));
    EXPECT_THAT(innerLines, testing::Contains("to the inner log"));
}

TEST_F(DebugSingletonTest, NewLogAtAnOldLogsAddressGetsAFreshStream) {
    // Each thread keeps its streams per log object; a half-written line of an ended log must not leak into
    // a later log, even one built in the same storage.
    std::optional<DebugSingleton> debug;
    debug.emplace(tmp());
    debug->log() << "unfinished ";
    debug.reset();
    const std::string secondDir = tmp() + "/second";
    std::filesystem::create_directory(secondDir);
    debug.emplace(secondDir);
    debug->log() << "complete" << std::endl;
    debug.reset();

    EXPECT_THAT(splitLines(readWholeFile(secondDir + "/KorvexLumivo.log")), testing::Contains("complete"));
    EXPECT_THAT(readWholeFile(secondDir + "/KorvexLumivo.log"),
                testing::Not(testing::HasSubstr("unfinished")));
}

}  // namespace
}  // namespace krx
