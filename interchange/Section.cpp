#include "interchange/Section.hpp"

namespace krx {

std::string Section::dwgPath() const {
    const std::size_t dot = vsqPath_.rfind('.');
    if (dot == std::string::npos) {
        return "dwg";
    }
    return vsqPath_.substr(0, dot + 1) + "dwg";
}

void Section::setControls(const Point3d& px, const Point3d& nx, const Point3d& py, const Point3d& ny,
                          const Point3d& pz, const Point3d& nz) {
    controlPX_ = px;
    controlNX_ = nx;
    controlPY_ = py;
    controlNY_ = ny;
    controlPZ_ = pz;
    controlNZ_ = nz;
}

}  // namespace krx
