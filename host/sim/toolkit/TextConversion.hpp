#pragma once

// The simulated toolkit keeps its texts as UTF-8; the boundary speaks host strings.

#include <string>

#include "host/api/UniString.hpp"

namespace krx::sim::toolkit {

inline std::string utf8(const GS::UniString& text) {
    return text.ToCStr(GS::CC_UTF8).str();
}
inline GS::UniString uni(const std::string& text) {
    return GS::UniString(text, GS::CC_UTF8);
}

}  // namespace krx::sim::toolkit
