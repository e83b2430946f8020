#include "host/dg/DGAlert.hpp"

#include "host/sim/toolkit/TextConversion.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

using krx::sim::toolkit::AlertAnswer;
using krx::sim::toolkit::AlertRecord;
using krx::sim::toolkit::Toolkit;
using krx::sim::toolkit::utf8;

namespace DG {

namespace {

short showAlert(AlertRecord::Kind kind, const GS::UniString& largeText, const GS::UniString& smallText,
                const GS::UniString& button1, const GS::UniString& button2, const GS::UniString& button3) {
    Toolkit& toolkit = Toolkit::instance();
    AlertRecord record;
    record.kind = kind;
    record.largeText = utf8(largeText);
    record.smallText = utf8(smallText);
    record.buttons = {utf8(button1), utf8(button2), utf8(button3)};
    while (!record.buttons.empty() && record.buttons.back().empty()) {
        record.buttons.pop_back();
    }
    const auto shown = [&](short button) {
        return button >= 1 && button <= static_cast<short>(record.buttons.size()) &&
               !record.buttons[static_cast<std::size_t>(button - 1)].empty();
    };

    record.pressed = AlertButton1;
    AlertAnswer answer;
    if (toolkit.takeAlertAnswer(&answer)) {
        short button = answer.button;
        for (short i = 1; button == 0 && i <= static_cast<short>(record.buttons.size()); ++i) {
            if (record.buttons[static_cast<std::size_t>(i - 1)] == answer.buttonText) {
                button = i;
            }
        }
        if (shown(button)) {
            record.pressed = button;
            record.scripted = true;
        } else {
            toolkit.addFault(
                "alert '" + record.largeText + "' has no button " +
                (answer.button != 0 ? std::to_string(answer.button) : "'" + answer.buttonText + "'") +
                "; the first button was pressed");
        }
    }
    const short pressed = record.pressed;
    toolkit.recordAlert(std::move(record));
    return pressed;
}

}  // namespace

short WarningAlert(const GS::UniString& largeText, const GS::UniString& smallText,
                   const GS::UniString& button1, const GS::UniString& button2, const GS::UniString& button3) {
    return showAlert(AlertRecord::Kind::Warning, largeText, smallText, button1, button2, button3);
}

short InformationAlert(const GS::UniString& largeText, const GS::UniString& smallText,
                       const GS::UniString& button1, const GS::UniString& button2,
                       const GS::UniString& button3) {
    return showAlert(AlertRecord::Kind::Information, largeText, smallText, button1, button2, button3);
}

}  // namespace DG
