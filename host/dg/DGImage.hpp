#pragma once

// Images of the host's dialog toolkit, known by the resource they come from: two images are the same
// image when they name the same resource of the same resource module.

#include "host/api/Types.hpp"

namespace DG {

class Image {
public:
    Image() = default;
    Image(GSResModule resModule, GSResID resId) : module_(resModule), resId_(resId) {}
    virtual ~Image() = default;
    Image(const Image&) = default;
    Image& operator=(const Image&) = default;

    bool IsEmpty() const { return module_ == 0 && resId_ == 0; }
    GSResModule GetResourceModule() const { return module_; }
    GSResID GetResourceId() const { return resId_; }

    bool operator==(const Image& other) const { return module_ == other.module_ && resId_ == other.resId_; }
    bool operator!=(const Image& other) const { return !(*this == other); }

private:
    GSResModule module_ = 0;
    GSResID resId_ = 0;
};

class Icon : public Image {
public:
    using Image::Image;
};

// The host's own resource module and the check-box icons it provides for lists.
constexpr GSResModule HostResourceModule = -4;
constexpr GSResID CheckedIconId = -3;
constexpr GSResID UncheckedIconId = -4;

}  // namespace DG
