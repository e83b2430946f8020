#include "interchange/Viewport.hpp"

namespace krx {

std::string Viewport::cameraType2Str(CAMERATYPE type) {
    switch (type) {
        case PROJECTIVE:
            return "projective";
        case ORTHOGRAPHIC:
            return "orthographic";
        default:
            return "none";
    }
}

Viewport::CAMERATYPE Viewport::cameraTypeStr2CameraType(const std::string& text) {
    if (text == "projective") {
        return PROJECTIVE;
    }
    if (text == "orthographic") {
        return ORTHOGRAPHIC;
    }
    return NONE;
}

}  // namespace krx
