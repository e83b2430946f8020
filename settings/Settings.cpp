#include "settings/Settings.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "diagnostics/Version.hpp"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>

#include <algorithm>

krx::Settings _krxsettings_;

namespace krx {

namespace {

QString homeDirectory() {
    const QStringList homes = QStandardPaths::standardLocations(QStandardPaths::HomeLocation);
    return homes.isEmpty() ? QDir::homePath() : homes.first();
}

QString korvexFolder() {
    return homeDirectory() + "/.Korvex/";
}

QJsonValue toJson(const SettingValue& value) {
    if (const bool* flag = std::get_if<bool>(&value)) {
        return QJsonValue(*flag);
    }
    if (const double* number = std::get_if<double>(&value)) {
        return QJsonValue(*number);
    }
    return QJsonValue(QString::fromStdString(std::get<std::string>(value)));
}

}  // namespace

Settings::Settings() : relativePath_("KorvexLumivo/settings.json") {
    standardValues();
}

const std::vector<std::pair<std::string, SettingValue>>& Settings::defaults() {
    // Function-local, so that the global store, built at program load, never meets an unbuilt table.
    static const std::vector<std::pair<std::string, SettingValue>> table = {
        {"version", 1.0},
        {"language", std::string("en")},
        {"createWorksheets", true},
        {"name", std::string("archicad")},
        {"deleteOrthophotoOnSorvaneDelete", false},
        {"lockImages", true},
        {"warnAboutDuplicates", true},
        {"removeOrthophotoFromListAfterImport", false},
        {"interfaceFileCheckTimerMS", 10.0},
        {"parseCompleteKPJOnFirstLoad", false},
        {"importMerger", false},
        {"deleteSection", true},
        {"deleteWorksheet", false},
    };
    return table;
}

const SettingValue* Settings::defaultValue(const std::string& key) {
    const auto& table = defaults();
    const auto found =
        std::find_if(table.begin(), table.end(), [&key](const auto& entry) { return entry.first == key; });
    return found == table.end() ? nullptr : &found->second;
}

void Settings::standardValues() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [key, value] : defaults()) {
        table_[key] = value;
    }
}

bool Settings::load() {
    standardValues();
    if (!readSettingsFromFile()) {
        return false;
    }
    return writeSettings2File();
}

bool Settings::readSettingsFromFile() {
    const QString folder = korvexFolder();
    QDir().mkpath(folder + "KorvexLumivo");

    QFile file(folder + QString::fromStdString(relativePath_));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        DebugSingleton::instance().log() << "Could not open json settings: " << file.fileName().toStdString()
                                         << " " << file.errorString().toStdString() << std::endl;
        return false;
    }
    const QByteArray content = file.readAll();
    file.close();

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        DebugSingleton::instance().log() << "Parsing json error: " << static_cast<int>(parseError.error)
                                         << " " << parseError.errorString().toStdString() << std::endl;
        return false;
    }

    const QJsonObject members = document.isObject() ? document.object() : QJsonObject();
    for (auto member = members.begin(); member != members.end(); ++member) {
        const std::string key = member.key().toStdString();
        const QJsonValue json = member.value();
        std::unique_lock<std::mutex> lock(mutex_);
        const auto entry = table_.find(key);
        if (entry == table_.end()) {
            lock.unlock();
            DebugSingleton::instance().log() << "This key is not used anymore - remove: " << key << std::endl;
            continue;
        }
        // The file's type wins over the default's; the typed readers fall back to the default.
        if (json.isBool()) {
            entry->second = json.toBool();
        } else if (json.isDouble()) {
            entry->second = json.toDouble();
        } else if (json.isString()) {
            entry->second = json.toString().toStdString();
        }
    }
    return true;
}

bool Settings::writeSettings2File() const {
    QJsonObject members;
    for (const auto& [key, value] : values()) {
        members.insert(QString::fromStdString(key), toJson(value));
    }

    // Written beside the old file and renamed over it once complete: a crash in between keeps every setting.
    QSaveFile file(korvexFolder() + QString::fromStdString(relativePath_));
    if (!file.open(QIODevice::WriteOnly)) {
        DebugSingleton::instance().log()
            << "Writing settings file failed: " << file.errorString().toStdString() << std::endl;
        return false;
    }
    file.write(QJsonDocument(members).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        DebugSingleton::instance().log()
            << "Writing settings file failed: " << file.errorString().toStdString() << std::endl;
        return false;
    }
    return true;
}

std::string Settings::getVersion() const {
    return addOnVersion();
}

void Settings::print() const {
    for (const auto& [key, value] : values()) {
        DebugSingleton::instance().log() << key << " : " << value << settingTypeTag(value) << std::endl;
    }
}

template <typename T>
T Settings::typedValue(const std::string& key) const {
    const SettingValue* fallback = defaultValue(key);
    if (fallback == nullptr || !std::holds_alternative<T>(*fallback)) {
        return T();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    const auto entry = table_.find(key);
    if (entry != table_.end() && std::holds_alternative<T>(entry->second)) {
        return std::get<T>(entry->second);
    }
    return std::get<T>(*fallback);
}

bool Settings::boolValue(const std::string& key) const {
    return typedValue<bool>(key);
}

double Settings::numberValue(const std::string& key) const {
    return typedValue<double>(key);
}

std::string Settings::textValue(const std::string& key) const {
    return typedValue<std::string>(key);
}

SettingValue Settings::value(const std::string& key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto entry = table_.find(key);
    return entry == table_.end() ? SettingValue(false) : entry->second;
}

bool Settings::contains(const std::string& key) const {
    return defaultValue(key) != nullptr;
}

Settings::Table Settings::values() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return table_;
}

bool Settings::setValue(const std::string& key, const SettingValue& value) {
    const SettingValue* fallback = defaultValue(key);
    if (fallback == nullptr || fallback->index() != value.index()) {
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    table_[key] = value;
    return true;
}

std::string Settings::filePath() const {
    return (korvexFolder() + QString::fromStdString(relativePath_)).toStdString();
}

}  // namespace krx
