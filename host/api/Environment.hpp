#pragma once

#include "host/api/Databases.hpp"
#include "host/api/ErrorCodes.hpp"
#include "host/api/Geometry.hpp"
#include "host/api/Location.hpp"
#include "host/api/Types.hpp"
#include "host/api/UniString.hpp"

// Stories, the 3D projection, ghost records and the project's libraries.

struct API_StoryType {
    Int16 index;
    double level;
    GS::UniChar uName[256];
};

struct API_StoryInfo {
    Int16 firstStory;
    Int16 lastStory;
    Int16 actStory;        // the current story
    API_StoryType** data;  // a handle of lastStory - firstStory + 1 entries; the caller releases it
                           // with BMKillHandle(reinterpret_cast<GSHandle*>(&info.data))
};

enum API_StoryCmdID : Int32 {
    APIStory_GoTo = 0,
};

struct API_StoryCmdType {
    API_StoryCmdID action;
    Int16 index;
};

struct API_PerspPars {
    double azimuth;
    API_Coord pos;     // camera position
    API_Coord target;  // target position
    double cameraZ;    // camera height
    double targetZ;    // target height
    double viewCone;   // view angle in degrees, 1 to 120
    double rollAngle;
    double distance;
};

struct API_AxonoPars {
    Int16 projMod;
    double azimuth;
    double elevation;
};

struct API_3DProjectionInfo {
    bool isPersp;
    API_PerspPars persp;
    API_AxonoPars axono;
};

// A trace reference: one database shown as a ghost behind another. A zero-filled record of 248 bytes
// in the host; the fields are named after their byte positions (host/README.md).
struct API_GhostRecord {
    double field16;
    double field24;
    API_DatabaseUnId ghostDatabase;   // byte 40: the database shown as the ghost
    API_DatabaseUnId parentDatabase;  // byte 56: the database in which the ghost appears
    Int32 field76;
    UInt8 bytes80[73];  // bytes 80 to 152
    Int16 field158;
    UInt8 field162;
    UInt8 field163;
    double field184;
    double field192;
    UInt8 field200;
    UInt8 field201;
    UInt8 field202;
    double field224;
    double field232;
    Int16 field240;
    UInt8 field242;
    UInt8 field244;
};

struct API_LibraryInfo {
    IO::Location location;
    GS::UniString name;
};

// Selectors of ACAPI_Environment and what par1, par2 are.
enum API_EnvironmentID : GSType {
    APIEnv_GetStorySettingsID = FourCC("GSTO"),        // API_StoryInfo* out
    APIEnv_ChangeStorySettingsID = FourCC("CSTO"),     // const API_StoryCmdType* in
    APIEnv_Get3DProjectionSetsID = FourCC("GP3D"),     // API_3DProjectionInfo* out
    APIEnv_Change3DProjectionSetsID = FourCC("CP3D"),  // const API_3DProjectionInfo* in, const bool* (false)
    APIEnv_CreateGhostRecordID = FourCC("CGRE"),       // const API_GhostRecord* in
    APIEnv_GetLibrariesID = FourCC("GLIB"),            // GS::Array<API_LibraryInfo>* out
    APIEnv_AddLibrariesID = FourCC("ALIB"),            // const IO::Location* in: an existing folder
};

GSErrCode ACAPI_Environment(API_EnvironmentID code, void* par1 = nullptr, void* par2 = nullptr,
                            void* par3 = nullptr);
