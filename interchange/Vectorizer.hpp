#pragma once

#include "interchange/Geometry.hpp"

#include <string>
#include <vector>

namespace krx {

class Line {
public:
    Line() = default;
    Line(Point3d start, Point3d end) : startPoint_(start), endPoint_(end) {}

    Point3d startPoint() const { return startPoint_; }
    void setStartPoint(Point3d point) { startPoint_ = point; }
    Point3d endPoint() const { return endPoint_; }
    void setEndPoint(Point3d point) { endPoint_ = point; }

private:
    Point3d startPoint_;
    Point3d endPoint_;
};

// A vectorizer line group.
class Vectorizer {
public:
    const std::string& name() const { return name_; }
    void setName(const std::string& name) { name_ = name; }
    const std::vector<Line>& lines() const { return lines_; }
    void setLines(const std::vector<Line>& lines) { lines_ = lines; }

private:
    std::string name_;
    std::vector<Line> lines_;
};

}  // namespace krx
