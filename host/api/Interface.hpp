#pragma once

#include "host/api/ErrorCodes.hpp"
#include "host/api/Registration.hpp"
#include "host/api/Types.hpp"

// Menu item flags and texts.
constexpr GSFlags API_MenuItemDisabled = 1;
constexpr GSFlags API_MenuItemChecked = 2;

// Selectors of ACAPI_Interface; par1 is always a const API_MenuItemRef* (menu resource id, item from 1).
enum API_InterfaceID : GSType {
    APIIo_GetMenuItemFlagsID = FourCC("GMIF"),  // par2: GSFlags* out
    APIIo_SetMenuItemFlagsID = FourCC("SMIF"),  // par2: const GSFlags* in
    APIIo_GetMenuItemTextID = FourCC("GMIT"),   // par2: GS::UniString* out
    APIIo_SetMenuItemTextID = FourCC("SMIT"),   // par2: const GS::UniString* in
};

GSErrCode ACAPI_Interface(API_InterfaceID code, void* par1 = nullptr, void* par2 = nullptr,
                          void* par3 = nullptr);
