#pragma once

#include "interchange/Geometry.hpp"

#include <string>

namespace krx {

// One image tile of a sheet.
struct Tile {
    std::string filePath;
    // As written in the section description file; all zero for the tile of a merger sheet.
    Point3d cornerLeftUpper;
    Point3d cornerLeftBottom;
    Point3d cornerRightUpper;
    Point3d cornerRightBottom;
    // The corners through the sheet's projection matrix; for a merger sheet the merger's bounding
    // rectangle.
    Point3d projectedLeftUpper;
    Point3d projectedLeftBottom;
    Point3d projectedRightUpper;
    Point3d projectedRightBottom;
    int id = -1;
};

}  // namespace krx
