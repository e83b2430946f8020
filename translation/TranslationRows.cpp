#include "translation/TranslationRows.hpp"

namespace krx {

namespace {

constexpr const char* kMenu = "Menu";
constexpr const char* kContextMenu = "ContextMenu";
constexpr const char* kOrthophotoWindow = "OrthophotoWindow";
constexpr const char* kSettings = "Settings";

// Source texts and keys must match the translation files and the callers byte for byte.
constexpr TranslationRow kRows[] = {
    {kMenu, "Receive 3D points", "Receive 3D points", 1},
    {kMenu, "Orthophotos window", "Orthophotos window", 1},
    {kMenu, "Receive Viewport", "Receive Viewport", 1},
    {kMenu, "Settings", "Settings", 1},
    {kMenu, "Info", "Info", 1},
    {kMenu, "Plugin interface to get data from Korvex Sorvane to Archicad",
     "Plugin interface to get data from Korvex Sorvane to Archicad", 1},
    {kContextMenu, "Delete selected from list", "Delete selected from list", 1},
    {kContextMenu, "Delete selected from project", "Delete selected from project", 1},
    {kContextMenu, "Delete selected from list and project", "Delete selected from list and project", 1},
    {kOrthophotoWindow, "Korvex Sorvane Orthophotos", "Korvex Sorvane Orthophotos", 1},
    {kOrthophotoWindow, "Close", "Close", 1},
    {kOrthophotoWindow, "Find element", "Find element", 1},
    {kOrthophotoWindow, "Search", "Search", 1},
    {kOrthophotoWindow, "Element name", "Element name", 1},
    {kOrthophotoWindow, "Sheet name", "Sheet name", 1},
    {kOrthophotoWindow, "Reference to", "Reference to", 1},
    {kOrthophotoWindow, "Layer name", "Layer name", 1},
    {kOrthophotoWindow, "Import", "Import", 1},
    {kSettings, "Settings Korvex Lumivo plugin", "Settings Korvex Lumivo plugin", 1},
    {kSettings, "Language:", "Language:", 1},
    // The translation files know these two under the doubled "import import" wording.
    {kSettings, "Create Worksheets and import import images to them:",
     "Create Worksheets and import images to them:", 1},
    {kSettings, "Create Worksheets and import import images to them",
     "Create Worksheets and import images to them", 1},
    {kSettings, "Delete Orthophotos on Sorvane delete:", "Delete Orthophotos on Sorvane delete:", 1},
    {kSettings, "Delete Orthophotos on Sorvane delete", "Delete Orthophotos on Sorvane delete", 1},
    {kSettings, "Lock images after import:", "Lock images after import:", 1},
    {kSettings, "Lock images after import", "Lock images after import", 1},
    {kSettings, "Remove from list after import:", "Remove from list after import:", 1},
    {kSettings, "Remove from list after import", "Remove from list after import", 1},
    {kSettings, "Warn if section is duplicate:", "Warn if section is duplicate:", 1},
    {kSettings, "Warn if section is duplicate", "Warn if section is duplicate", 1},
    // Name and tooltip of the settings row are the same text.
    {kSettings, "Interface file check time [ms]", "Interface file check time [ms]", 2},
    {kSettings, "Parse complete KPJ project on first read:", "Parse complete KPJ project on first read:", 1},
    {kSettings,
     "When the interface file is generated the first time, parses the complete open project into elements",
     "When the interface file is generated the first time, parses the complete open project into elements",
     1},
    {kSettings, "Import Merger image instead of Layout/Section tiles:",
     "Import Merger image instead of Layout/Section tiles:", 1},
    {kSettings, "When checked the PlugIn will try to load the Merger image instead of Layout/Section tiles",
     "When checked the PlugIn will try to load the Merger image instead of Layout/Section tiles", 1},
    {kSettings, "Delete section from project on delete:", "Delete section from project on delete:", 1},
    {kSettings, "When checked the PlugIn will try to delete sections from the project which were deleted",
     "When checked the PlugIn will try to delete sections from the project which were deleted", 1},
    {kSettings, "Delete worksheet from project on delete:", "Delete worksheet from project on delete:", 1},
    {kSettings, "When checked the PlugIn will try to delete worksheets from the project which were deleted",
     "When checked the PlugIn will try to delete worksheets from the project which were deleted", 1},
    // Shares its key with the palette's "Import" column, which therefore shows this context's text.
    {kSettings, "Import", "Import", 2},
};

}  // namespace

const TranslationRow* translationRows() {
    return kRows;
}

std::size_t translationRowCount() {
    return sizeof(kRows) / sizeof(kRows[0]);
}

}  // namespace krx
