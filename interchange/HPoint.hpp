#pragma once

#include "interchange/Geometry.hpp"

#include <string>

namespace krx {

// A height point.
class HPoint {
public:
    const std::string& id() const { return id_; }
    void setId(const std::string& id) { id_ = id; }
    Point3d point3d() const { return point3d_; }
    void setPoint3d(Point3d point) { point3d_ = point; }
    // Carried from the file; no consumer uses it.
    Point3d origin() const { return origin_; }
    void setOrigin(Point3d origin) { origin_ = origin; }
    int number() const { return number_; }
    void setNumber(int number) { number_ = number; }

    // "id number x y z", coordinates with six decimals.
    std::string pointStr() const;

private:
    std::string id_;
    Point3d point3d_;
    Point3d origin_;
    int number_ = -1;
};

}  // namespace krx
