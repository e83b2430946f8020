#pragma once

#include "host/api/ErrorCodes.hpp"
#include "host/api/Types.hpp"

// Module-command parameter lists: host-owned lists of named values addressed through a handle.
// These calls are safe from any thread.

enum API_MDCLParameterType : Int32 {
    MDCLPar_string = 1,
    MDCLPar_int = 2,
    MDCLPar_float = 3,
    MDCLPar_pointer = 4,
    MDCLPar_bool = 5,
};

struct API_MDCLParameter {
    Int32 index;       // position from 1 (GCLP by position when name is null)
    const char* name;  // NUL-terminated; names are unique within a list
    Int32 type;        // API_MDCLParameterType
    Int32 int_par;
    bool bool_par;
    double float_par;
    const char* string_par;  // ACLP copies it; from GCLP it lives as long as the list
    void* ptr_par;
};

// Selectors of ACAPI_Goodies and what par1, par2 are.
enum API_GoodiesID : GSType {
    APIAny_InitMDCLParameterListID = FourCC("ICLP"),  // GSHandle* out: a new empty list
    APIAny_AddMDCLParameterID = FourCC("ACLP"),       // GSHandle list, const API_MDCLParameter* in
    APIAny_GetMDCLParameterID = FourCC("GCLP"),       // GSHandle list, API_MDCLParameter* in: name
    APIAny_GetMDCLParameterNumID = FourCC("GNCP"),    // GSHandle list, Int32* out: number of entries
    APIAny_FreeMDCLParameterListID = FourCC("FCLP"),  // GSHandle* in: the list; set to null
};

GSErrCode ACAPI_Goodies(API_GoodiesID code, void* par1 = nullptr, void* par2 = nullptr);
