#pragma once

// Alerts: a message with up to three buttons, shown until the person presses one. Each returns the
// number of the pressed button, 1 for the first. Buttons with an empty text are not shown.

#include "host/api/UniString.hpp"

namespace DG {

constexpr short AlertButton1 = 1;
constexpr short AlertButton2 = 2;
constexpr short AlertButton3 = 3;

short WarningAlert(const GS::UniString& largeText, const GS::UniString& smallText,
                   const GS::UniString& button1, const GS::UniString& button2 = {},
                   const GS::UniString& button3 = {});

short InformationAlert(const GS::UniString& largeText, const GS::UniString& smallText,
                       const GS::UniString& button1, const GS::UniString& button2 = {},
                       const GS::UniString& button3 = {});

}  // namespace DG
