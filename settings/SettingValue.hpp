#pragma once

#include <ostream>
#include <string>
#include <variant>

namespace krx {

// One option of the add-on: a boolean, a number or a UTF-8 text. The alternative held is the value's type;
// assigning another alternative changes it.
using SettingValue = std::variant<bool, double, std::string>;

// The tag that the settings listing shows after a value: " (bool)", " (double)" or " (string)".
const char* settingTypeTag(const SettingValue& value);

// Writes the value alone, formatted by the stream's own settings.
std::ostream& operator<<(std::ostream& out, const SettingValue& value);

}  // namespace krx
