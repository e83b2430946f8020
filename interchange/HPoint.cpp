#include "interchange/HPoint.hpp"

namespace krx {

std::string HPoint::pointStr() const {
    return id_ + ' ' + std::to_string(number_) + ' ' + std::to_string(point3d_.x()) + ' ' +
           std::to_string(point3d_.y()) + ' ' + std::to_string(point3d_.z());
}

}  // namespace krx
