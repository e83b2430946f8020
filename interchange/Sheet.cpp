#include "interchange/Sheet.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace krx {
namespace {

const std::array<std::pair<Sheet::SheetType, const char*>, 7> kSheetTypeTexts = {{
    {Sheet::LAYOUT, "layout"},
    {Sheet::ELEVATION, "elevation"},
    {Sheet::REFLECTIVITY, "reflectivity"},
    {Sheet::COLOR, "color"},
    {Sheet::SHADING, "shading"},
    {Sheet::INDEXED, "indexed"},
    {Sheet::DELTA, "delta"},
}};

}  // namespace

Sheet::SheetType Sheet::sheetTypeStr2SheetType(const std::string& text) {
    for (const auto& [type, name] : kSheetTypeTexts) {
        if (text == name) {
            return type;
        }
    }
    return UNKNOWN;
}

std::string Sheet::sheetType2SheetTypeStr(SheetType type) {
    for (const auto& [known, name] : kSheetTypeTexts) {
        if (type == known) {
            return name;
        }
    }
    return "unknown";
}

Sheet findSheet(const std::vector<Sheet>& sheets, Sheet::SheetType type) {
    const auto it =
        std::find_if(sheets.begin(), sheets.end(), [type](const Sheet& s) { return s.type == type; });
    return it != sheets.end() ? *it : Sheet{};
}

}  // namespace krx
