#include "settings/Settings.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>

namespace krx {
namespace {

using testing::Contains;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

const std::string kDefaultFile =
    "{\n"
    "    \"createWorksheets\": true,\n"
    "    \"deleteOrthophotoOnSorvaneDelete\": false,\n"
    "    \"deleteSection\": true,\n"
    "    \"deleteWorksheet\": false,\n"
    "    \"importMerger\": false,\n"
    "    \"interfaceFileCheckTimerMS\": 10,\n"
    "    \"language\": \"en\",\n"
    "    \"lockImages\": true,\n"
    "    \"name\": \"archicad\",\n"
    "    \"parseCompleteKPJOnFirstLoad\": false,\n"
    "    \"removeOrthophotoFromListAfterImport\": false,\n"
    "    \"version\": 1,\n"
    "    \"warnAboutDuplicates\": true\n"
    "}\n";

// The default file with one member's value replaced by the given JSON text.
std::string defaultFileWith(const std::string& key, const std::string& json) {
    std::string text = kDefaultFile;
    const std::string member = "\"" + key + "\": ";
    const auto start = text.find(member) + member.size();
    const auto end = text.find_first_of(",\n", start);
    return text.replace(start, end - start, json);
}

std::string readWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        result.push_back(line);
    }
    return result;
}

class SettingsTest : public test::IsolatedEnvironment {
protected:
    void SetUp() override {
        IsolatedEnvironment::SetUp();
        log_.emplace(tmp());
        logPath_ = log_->log().getFilePath();
    }
    void TearDown() override {
        log_.reset();
        IsolatedEnvironment::TearDown();
    }

    std::string folder() const { return home() + "/.Korvex/KorvexLumivo"; }
    std::string settingsPath() const { return folder() + "/settings.json"; }

    void writeSettingsFile(const std::string& content) const {
        std::filesystem::create_directories(folder());
        std::ofstream(settingsPath(), std::ios::binary | std::ios::trunc) << content;
    }

    // Only the message lines, without the log's header.
    std::vector<std::string> logLines() const {
        auto all = lines(readWholeFile(logPath_));
        const auto version = std::find(all.begin(), all.end(), "Version 1.1.0.0213");
        return std::vector<std::string>(version == all.end() ? all.begin() : version + 3, all.end());
    }

    std::optional<DebugSingleton::ScopedInstance> log_;
    std::string logPath_;
};

TEST_F(SettingsTest, DefaultsAreWrittenByteForByte) {
    std::filesystem::create_directories(folder());
    Settings settings;

    ASSERT_TRUE(settings.writeSettings2File());

    EXPECT_EQ(readWholeFile(settingsPath()), kDefaultFile);
    EXPECT_EQ(settings.filePath(), settingsPath());
    EXPECT_EQ(settings.relativePath(), "KorvexLumivo/settings.json");
    EXPECT_EQ(settings.getVersion(), "1.1.0.0213");
}

TEST_F(SettingsTest, GlobalStoreHoldsTheDefaultsFromProgramLoad) {
    Settings::Table defaults;
    for (const auto& [key, value] : Settings::defaults()) {
        defaults[key] = value;
    }
    EXPECT_EQ(defaults.size(), 13u);
    EXPECT_EQ(_krxsettings_.values(), defaults);
}

struct LoadCase {
    const char* name;
    std::optional<std::string> file;  // nullopt: no file at all
    bool loaded;
    std::vector<std::string> expectedLog;
    // The file afterwards; nullopt: no file is there.
    std::optional<std::string> fileAfter;
    std::function<void(const Settings&)> check;
};

TEST_F(SettingsTest, LoadMergesTheFileOverTheDefaults) {
    const std::string defaultsUnchanged = kDefaultFile;
    const LoadCase cases[] = {
        {"no file", std::nullopt, false, {}, std::nullopt, nullptr},
        {"known and unknown key",
         "{\"lockImages\": false, \"oldOption\": 3}",
         true,
         {"This key is not used anymore - remove: oldOption"},
         defaultFileWith("lockImages", "false"),
         [](const Settings& s) { EXPECT_FALSE(s.boolValue("lockImages")); }},
        {"invalid JSON", "{\"lockImages\": fals", false, {}, "{\"lockImages\": fals", nullptr},
        {"empty file", "", false, {}, "", nullptr},
        {"top level is an array", "[{\"lockImages\": false}]", true, {}, defaultsUnchanged, nullptr},
        {"null, array and object values keep the defaults",
         "{\"deleteSection\": null, \"createWorksheets\": [false], \"language\": {\"de\": 1}}",
         true,
         {},
         defaultsUnchanged,
         [](const Settings& s) {
             EXPECT_TRUE(s.boolValue("deleteSection"));
             EXPECT_TRUE(s.boolValue("createWorksheets"));
             EXPECT_EQ(s.textValue("language"), "en");
         }},
        {"a string where a number was",
         "{\"interfaceFileCheckTimerMS\": \"fast\"}",
         true,
         {},
         defaultFileWith("interfaceFileCheckTimerMS", "\"fast\""),
         [](const Settings& s) {
             EXPECT_EQ(s.value("interfaceFileCheckTimerMS"), SettingValue(std::string("fast")));
             // Never 0: the watcher would turn into a busy poll.
             EXPECT_EQ(s.numberValue("interfaceFileCheckTimerMS"), 10.0);
         }},
        {"a fraction of a millisecond",
         "{\"interfaceFileCheckTimerMS\": 12.5}",
         true,
         {},
         defaultFileWith("interfaceFileCheckTimerMS", "12.5"),
         [](const Settings& s) {
             EXPECT_EQ(s.numberValue("interfaceFileCheckTimerMS"), 12.5);
             EXPECT_EQ(static_cast<int>(s.numberValue("interfaceFileCheckTimerMS")), 12);
         }},
        {"a boolean where a text was",
         "{\"language\": true, \"name\": \"sorvane-\\u00fc\"}",
         true,
         {},
         defaultFileWith("name", "\"sorvane-\xC3\xBC\"").replace(kDefaultFile.find("\"en\""), 4, "true"),
         [](const Settings& s) {
             EXPECT_EQ(s.value("language"), SettingValue(true));
             EXPECT_EQ(s.textValue("language"), "en");
             EXPECT_EQ(s.textValue("name"), "sorvane-\xC3\xBC");
         }},
        {"keys are case-sensitive",
         "{\"LockImages\": false}",
         true,
         {"This key is not used anymore - remove: LockImages"},
         defaultsUnchanged,
         [](const Settings& s) { EXPECT_TRUE(s.boolValue("lockImages")); }},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(home() + "/.Korvex");
        if (c.file) {
            writeSettingsFile(*c.file);
        }
        const auto logBefore = logLines().size();

        Settings settings;
        EXPECT_EQ(settings.load(), c.loaded);

        const auto all = logLines();
        const std::vector<std::string> logged(all.begin() + static_cast<long>(logBefore), all.end());
        if (!c.file) {
            ASSERT_EQ(logged.size(), 1u);
            EXPECT_THAT(logged[0], StartsWith("Could not open json settings: " + settingsPath() + " "));
            EXPECT_GT(logged[0].size(), ("Could not open json settings: " + settingsPath() + " ").size());
            EXPECT_TRUE(std::filesystem::is_directory(folder()));
        } else if (!c.loaded) {
            ASSERT_EQ(logged.size(), 1u);
            EXPECT_THAT(logged[0], testing::MatchesRegex("Parsing json error: [0-9]+ .+"));
        } else {
            EXPECT_EQ(logged, c.expectedLog);
        }

        if (c.fileAfter) {
            EXPECT_EQ(readWholeFile(settingsPath()), *c.fileAfter);
        } else {
            EXPECT_FALSE(std::filesystem::exists(settingsPath()));
        }
        if (!c.loaded) {
            EXPECT_EQ(settings.values(), Settings().values());
        }
        if (c.check) {
            c.check(settings);
        }
    }
}

TEST_F(SettingsTest, LoadAgainStartsFromTheDefaults) {
    Settings settings;
    writeSettingsFile("{\"lockImages\": false}");
    ASSERT_TRUE(settings.load());
    ASSERT_TRUE(settings.setValue("deleteWorksheet", true));
    ASSERT_TRUE(settings.setValue("language", std::string("pl")));

    writeSettingsFile("{\"importMerger\": true}");
    ASSERT_TRUE(settings.load());
    EXPECT_TRUE(settings.boolValue("lockImages"));
    EXPECT_FALSE(settings.boolValue("deleteWorksheet"));
    EXPECT_EQ(settings.textValue("language"), "en");
    EXPECT_TRUE(settings.boolValue("importMerger"));

    // Also when the file has gone in between.
    ASSERT_TRUE(settings.setValue("deleteWorksheet", true));
    std::filesystem::remove(settingsPath());
    EXPECT_FALSE(settings.load());
    EXPECT_EQ(settings.values(), Settings().values());
}

TEST_F(SettingsTest, TypedReadersFallBackForUnknownKeysAndForeignTypes) {
    Settings settings;
    struct ReadCase {
        std::string key;
        bool asBool;
        double asNumber;
        std::string asText;
    };
    const ReadCase cases[] = {
        {"lockImages", true, 0.0, ""},  {"interfaceFileCheckTimerMS", false, 10.0, ""},
        {"language", false, 0.0, "en"}, {"noSuchKey", false, 0.0, ""},
        {"LOCKIMAGES", false, 0.0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(settings.boolValue(c.key), c.asBool);
        EXPECT_EQ(settings.numberValue(c.key), c.asNumber);
        EXPECT_EQ(settings.textValue(c.key), c.asText);
    }
    EXPECT_FALSE(settings.contains("noSuchKey"));
    EXPECT_EQ(settings.value("noSuchKey"), SettingValue(false));
}

TEST_F(SettingsTest, SetValueAssignsOnlyExistingKeysWithTheirDefaultsType) {
    Settings settings;
    std::filesystem::create_directories(folder());
    struct AssignCase {
        std::string key;
        SettingValue value;
        bool accepted;
    };
    const AssignCase cases[] = {
        {"lockImages", false, true},
        {"interfaceFileCheckTimerMS", 250.0, true},
        {"language", std::string("de"), true},
        {"lockImages", std::string("false"), false},
        {"interfaceFileCheckTimerMS", true, false},
        {"brandNewKey", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const SettingValue before = settings.value(c.key);
        EXPECT_EQ(settings.setValue(c.key, c.value), c.accepted);
        EXPECT_EQ(settings.value(c.key), c.accepted ? c.value : before);
    }
    EXPECT_EQ(settings.values().size(), 13u);
    EXPECT_FALSE(std::filesystem::exists(settingsPath()));
}

TEST_F(SettingsTest, PrintListsEveryKeyWithValueAndType) {
    Settings settings;
    settings.setValue("interfaceFileCheckTimerMS", 12.5);
    settings.print();

    EXPECT_EQ(logLines(), (std::vector<std::string>{
                              "createWorksheets : true (bool)",
                              "deleteOrthophotoOnSorvaneDelete : false (bool)",
                              "deleteSection : true (bool)",
                              "deleteWorksheet : false (bool)",
                              "importMerger : false (bool)",
                              "interfaceFileCheckTimerMS : 12.5 (double)",
                              "language : en (string)",
                              "lockImages : true (bool)",
                              "name : archicad (string)",
                              "parseCompleteKPJOnFirstLoad : false (bool)",
                              "removeOrthophotoFromListAfterImport : false (bool)",
                              "version : 1 (double)",
                              "warnAboutDuplicates : true (bool)",
                          }));
}

TEST_F(SettingsTest, WritingWithoutTheFolderFailsAndCreatesNothing) {
    Settings settings;
    EXPECT_FALSE(settings.writeSettings2File());

    const auto logged = logLines();
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_THAT(logged[0], StartsWith("Writing settings file failed: "));
    EXPECT_GT(logged[0].size(), std::string("Writing settings file failed: ").size());
    EXPECT_FALSE(std::filesystem::exists(home() + "/.Korvex"));
}

TEST_F(SettingsTest, RewriteReplacesTheFileWholeInsteadOfTruncatingIt) {
    const std::string previous = defaultFileWith("lockImages", "false");
    writeSettingsFile(previous);
    // A reader of the previous file keeps seeing it complete: the new file is written beside it and
    // swapped in, so the old one is never cut short in place.
    std::ifstream reader(settingsPath(), std::ios::binary);

    Settings settings;
    ASSERT_TRUE(settings.setValue("language", std::string("de")));
    ASSERT_TRUE(settings.writeSettings2File());

    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), std::istreambuf_iterator<char>()),
              previous);
    EXPECT_EQ(readWholeFile(settingsPath()), defaultFileWith("language", "\"de\""));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"settings.json"});
}

}  // namespace
}  // namespace krx
