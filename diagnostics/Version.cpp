#include "diagnostics/Version.hpp"

namespace krx {

namespace {
constexpr int kMajor = 1;
constexpr int kMinor = 1;
constexpr int kPatch = 0;
// Kept as text: the build number carries its leading zero.
constexpr const char* kBuild = "0213";
}  // namespace

std::string addOnVersion() {
    return std::to_string(kMajor) + "." + std::to_string(kMinor) + "." + std::to_string(kPatch) + "." +
           kBuild;
}

}  // namespace krx
