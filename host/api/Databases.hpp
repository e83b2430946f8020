#pragma once

#include <cstddef>
#include <functional>

#include "host/api/ErrorCodes.hpp"
#include "host/api/Guid.hpp"
#include "host/api/Types.hpp"
#include "host/api/UniString.hpp"

// Databases (floor plan, sections, elevations, worksheets, the 3D model) and the windows on them.
// The current database (where elements are created and listed) and the current window are two
// things: changing the database leaves the window, changing the window changes both.

enum API_WindowTypeID : Int32 {
    APIWind_NoneID = 0,
    APIWind_FloorPlanID = 1,
    APIWind_SectionID = 2,
    APIWind_3DModelID = 4,
    APIWind_ElevationID = 10,
    APIWind_WorksheetID = 12,
};
using API_DatabaseTypeID = API_WindowTypeID;

struct API_DatabaseUnId {
    API_Guid elemSetId;  // 16 bytes
};

inline bool operator==(const API_DatabaseUnId& a, const API_DatabaseUnId& b) {
    return a.elemSetId == b.elemSetId;
}
inline bool operator!=(const API_DatabaseUnId& a, const API_DatabaseUnId& b) {
    return !(a == b);
}
inline bool operator<(const API_DatabaseUnId& a, const API_DatabaseUnId& b) {
    return a.elemSetId < b.elemSetId;
}
inline GS::UniString APIDatabaseUnIdToString(const API_DatabaseUnId& id) {
    return APIGuidToString(id.elemSetId);
}

namespace std {
template <>
struct hash<API_DatabaseUnId> {
    std::size_t operator()(const API_DatabaseUnId& id) const { return std::hash<API_Guid>()(id.elemSetId); }
};
}  // namespace std

constexpr USize API_DatabaseTextCapacity = 256;  // 255 characters and the terminating 0

struct API_DatabaseInfo {
    API_DatabaseTypeID typeID;
    Int32 index;
    API_DatabaseUnId databaseUnId;
    GS::UniChar name[API_DatabaseTextCapacity];
    GS::UniChar ref[API_DatabaseTextCapacity];    // reference ID
    GS::UniChar title[API_DatabaseTextCapacity];  // filled by the host: reference ID, a blank, name
    API_Guid linkedElement;  // the cut plane or elevation of a section or elevation database
};

struct API_WindowInfo {
    API_WindowTypeID typeID;
    Int32 index;
    API_DatabaseUnId databaseUnId;
};

// Selectors of ACAPI_Database and what par1, par2, par3 are.
enum API_DatabaseID : GSType {
    APIDb_GetCurrentDatabaseID = FourCC("GDAT"),     // API_DatabaseInfo* out
    APIDb_ChangeCurrentDatabaseID = FourCC("CDAT"),  // API_DatabaseInfo* in: typeID and databaseUnId
                                                     // (floor plan and 3D model need no identifier)
    APIDb_NewDatabaseID = FourCC("NDAT"),            // API_DatabaseInfo* in/out: worksheet type, name, ref
    APIDb_DeleteDatabaseID = FourCC("DDAT"),         // API_DatabaseInfo* in: a worksheet's databaseUnId
    APIDb_GetFloorPlanDatabaseID = FourCC("GGOD"),   // const Int16* reserved (0), const Int32* database
                                                     // type (1, floor plan), API_DatabaseUnId* out
    APIDb_GetSectionDatabasesID = FourCC("GSDI"),    // par1 null, GS::Array<API_DatabaseUnId>* out
    APIDb_GetElevationDatabasesID = FourCC("GEDI"),  // par1 null, GS::Array<API_DatabaseUnId>* out
    APIDb_GetWorksheetDatabasesID = FourCC("GWDI"),  // par1 null, GS::Array<API_DatabaseUnId>* out
    APIDb_GetDatabaseInfoID = FourCC("GDBI"),        // API_DatabaseInfo* in: databaseUnId; out: the rest
    APIDb_GetCurrentWindowID = FourCC("GWIN"),       // API_WindowInfo* out
    APIDb_SetZoomID = FourCC("SZOM"),                // const API_Box* in, const API_Tranmat* (may be null)
};

GSErrCode ACAPI_Database(API_DatabaseID code, void* par1 = nullptr, void* par2 = nullptr,
                         void* par3 = nullptr);

enum API_AutomateID : GSType {
    APIDo_ChangeWindowID = FourCC("CHWD"),  // const API_WindowInfo* in: typeID and databaseUnId
};

GSErrCode ACAPI_Automate(API_AutomateID code, void* par1 = nullptr, void* par2 = nullptr,
                         void* par3 = nullptr);
