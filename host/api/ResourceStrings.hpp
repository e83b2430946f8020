#pragma once

#include "host/api/Types.hpp"
#include "host/api/UniString.hpp"

// Item `index` (from 1) of string list resource `resID` of a resource module (ACAPI_GetOwnResModule).
// False, with `text` unchanged, when the module has no such list or item.
bool RSGetIndString(GS::UniString* text, GSResID resID, Int32 index, GSResModule resModule);
