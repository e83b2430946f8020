#pragma once

#include <string>

namespace krx {

// The add-on's version text, shown in the debug log's header and answered by the settings store.
std::string addOnVersion();

}  // namespace krx
