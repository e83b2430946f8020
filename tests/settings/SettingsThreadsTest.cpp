#include "settings/Settings.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace krx {
namespace {

// The watcher and the listener read while the dialog assigns on the main thread: every read must give one
// of the values assigned, never a torn or foreign one.
TEST(SettingsThreads, WorkerReadsSeeWholeValuesWhileTheMainThreadAssigns) {
    Settings settings;
    const std::vector<std::string> languages = {"en", "de", "pl"};
    std::atomic<bool> stop{false};
    std::atomic<int> reads{0};
    std::atomic<int> wrongReads{0};

    std::vector<std::thread> readers;
    for (int r = 0; r < 2; ++r) {
        readers.emplace_back([&] {
            while (!stop.load()) {
                const double period = settings.numberValue("interfaceFileCheckTimerMS");
                const std::string language = settings.textValue("language");
                // A bool cannot be torn; it is read so that the race detector sees the access.
                static_cast<void>(settings.boolValue("lockImages"));
                const SettingValue name = settings.value("name");
                const bool periodOk = period == 10.0 || period == 1500.0;
                const bool languageOk = language == "en" || language == "de" || language == "pl";
                const bool nameOk = name == SettingValue(std::string("archicad")) ||
                                    name == SettingValue(std::string(200, 'n'));
                if (!periodOk || !languageOk || !nameOk) {
                    wrongReads.fetch_add(1);
                }
                reads.fetch_add(1);
            }
        });
    }

    // Assign until the readers have read plenty, within a generous deadline for slow sanitizer runs.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (int i = 0; (reads.load() < 20000 || i < 2000) && std::chrono::steady_clock::now() < deadline; ++i) {
        settings.setValue("interfaceFileCheckTimerMS", i % 2 == 0 ? 1500.0 : 10.0);
        settings.setValue("language", languages[static_cast<std::size_t>(i) % languages.size()]);
        settings.setValue("lockImages", i % 3 == 0);
        settings.setValue("name", i % 2 == 0 ? std::string(200, 'n') : std::string("archicad"));
        if (i % 500 == 0) {
            settings.standardValues();
        }
    }
    stop.store(true);
    for (auto& reader : readers) {
        reader.join();
    }

    EXPECT_GE(reads.load(), 20000);
    EXPECT_EQ(wrongReads.load(), 0);
}

}  // namespace
}  // namespace krx
