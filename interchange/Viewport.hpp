#pragma once

#include "interchange/Geometry.hpp"

#include <array>
#include <string>

namespace krx {

// A camera of Sorvane.
class Viewport {
public:
    enum CAMERATYPE : int {
        NONE = 0,
        PROJECTIVE = 1,
        ORTHOGRAPHIC = 2,
    };

    const Matrix4d& world() const { return world_; }
    void setWorld(const Matrix4d& world) { world_ = world; }
    // xMin, yMin, xMax, yMax.
    const std::array<double, 4>& getVisRect() const { return visRect_; }
    void setVisRect(const std::array<double, 4>& rect) { visRect_ = rect; }
    // As sent, not converted.
    double fov() const { return fov_; }
    void setFov(double fov) { fov_ = fov; }
    CAMERATYPE camType() const { return camType_; }
    void setCamType(CAMERATYPE type) { camType_ = type; }

    // "none" for every value but PROJECTIVE and ORTHOGRAPHIC.
    static std::string cameraType2Str(CAMERATYPE type);
    // Exact, case-sensitive; any other text is NONE.
    static CAMERATYPE cameraTypeStr2CameraType(const std::string& text);

private:
    Matrix4d world_;
    std::array<double, 4> visRect_{};
    double fov_ = 0.0;
    CAMERATYPE camType_ = NONE;
};

}  // namespace krx
