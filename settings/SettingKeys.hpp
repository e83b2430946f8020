#pragma once

namespace krx::settingkeys {

// The thirteen keys of the settings store, spelled once.
inline constexpr const char* kVersion = "version";
inline constexpr const char* kLanguage = "language";
inline constexpr const char* kCreateWorksheets = "createWorksheets";
inline constexpr const char* kName = "name";
inline constexpr const char* kDeleteOrthophotoOnSorvaneDelete = "deleteOrthophotoOnSorvaneDelete";
inline constexpr const char* kLockImages = "lockImages";
inline constexpr const char* kWarnAboutDuplicates = "warnAboutDuplicates";
inline constexpr const char* kRemoveOrthophotoFromListAfterImport = "removeOrthophotoFromListAfterImport";
inline constexpr const char* kInterfaceFileCheckTimerMS = "interfaceFileCheckTimerMS";
inline constexpr const char* kParseCompleteKPJOnFirstLoad = "parseCompleteKPJOnFirstLoad";
inline constexpr const char* kImportMerger = "importMerger";
inline constexpr const char* kDeleteSection = "deleteSection";
inline constexpr const char* kDeleteWorksheet = "deleteWorksheet";

}  // namespace krx::settingkeys
