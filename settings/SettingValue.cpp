#include "settings/SettingValue.hpp"

namespace krx {

const char* settingTypeTag(const SettingValue& value) {
    switch (value.index()) {
        case 0:
            return " (bool)";
        case 1:
            return " (double)";
        default:
            return " (string)";
    }
}

std::ostream& operator<<(std::ostream& out, const SettingValue& value) {
    std::visit([&out](const auto& alternative) { out << alternative; }, value);
    return out;
}

}  // namespace krx
