#pragma once

#include "settings/SettingValue.hpp"

#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace krx {

// The add-on's options: thirteen fixed keys with their defaults, kept in
// ~/.Korvex/KorvexLumivo/settings.json. The main thread loads and changes them; the watcher and the listener
// read them on their own threads, so every value access takes the store's lock. The key set never changes
// after construction.
class Settings {
public:
    using Table = std::map<std::string, SettingValue>;

    Settings();

    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // Every key back to its default value and type.
    void standardValues();
    // The start-up merge: defaults, then the file's values over them, then the result written back. Returns
    // false, without writing, when the file cannot be read or is not JSON.
    bool load();
    // Takes over the file's values for known keys; true when the file was opened and parsed as JSON.
    bool readSettingsFromFile();
    // Replaces the file with the whole table. The folder must exist; the file is swapped in only once it
    // is complete, so a failure never leaves a truncated file behind.
    bool writeSettings2File() const;

    std::string getVersion() const;
    // The whole table into the debug log, one line per key.
    void print() const;

    // Typed readers. An unknown key, or a key whose default is of another type than asked for, reads as
    // false, 0 or the empty text; a stored value of another type than the key's default (left there by a
    // file) reads as the key's default.
    bool boolValue(const std::string& key) const;
    double numberValue(const std::string& key) const;
    std::string textValue(const std::string& key) const;

    // The value as stored, whatever its type; false for an unknown key.
    SettingValue value(const std::string& key) const;
    bool contains(const std::string& key) const;
    // A copy of the whole table, in key order.
    Table values() const;

    // Assigns an existing key a value of its default's type; anything else is refused. The file is not
    // written.
    bool setValue(const std::string& key, const SettingValue& value);

    // "KorvexLumivo/settings.json", below the ".Korvex" folder of the home directory.
    const std::string& relativePath() const { return relativePath_; }
    // The full path of the settings file in the current home directory.
    std::string filePath() const;

    // The keys and their defaults, in the order they are assigned.
    static const std::vector<std::pair<std::string, SettingValue>>& defaults();
    // The key's default, or nullptr for an unknown key.
    static const SettingValue* defaultValue(const std::string& key);

private:
    template <typename T>
    T typedValue(const std::string& key) const;

    mutable std::mutex mutex_;
    Table table_;
    std::string relativePath_;
};

}  // namespace krx

// The add-on's one settings store, with its defaults from program load on.
extern krx::Settings _krxsettings_;
