#pragma once

#include "interchange/Geometry.hpp"
#include "interchange/Tile.hpp"

#include <string>
#include <vector>

namespace krx {

// One image layer (orthophoto) of a section or merger.
struct Sheet {
    enum SheetType : int {
        UNKNOWN = -1,
        LAYOUT = 0,
        ELEVATION = 1,
        REFLECTIVITY = 2,
        COLOR = 3,
        SHADING = 4,
        INDEXED = 5,
        DELTA = 6,
    };

    std::vector<Tile> tiles;
    Matrix4d projectionMatrix;
    double resolution = 0.0;
    SheetType type = UNKNOWN;

    // Exact, case-sensitive; any other text is UNKNOWN.
    static SheetType sheetTypeStr2SheetType(const std::string& text);
    // "unknown" for any value outside LAYOUT..DELTA.
    static std::string sheetType2SheetTypeStr(SheetType type);
};

// The first sheet of the given type, or a default sheet (type UNKNOWN) when there is none.
Sheet findSheet(const std::vector<Sheet>& sheets, Sheet::SheetType type);

}  // namespace krx
