#pragma once

#include "host/api/Array.hpp"
#include "host/api/ErrorCodes.hpp"
#include "host/api/Geometry.hpp"
#include "host/api/Guid.hpp"
#include "host/api/Types.hpp"
#include "host/api/UniString.hpp"

// Elements of the model. Records are plain, trivially copyable structs: zero them (`= {}`), set the
// type, ask for the defaults, change fields, create. Several fields are known only by their byte
// position in the host's own records; host/README.md maps those positions to the fields here.

enum API_ElemTypeID : Int32 {
    API_ZombieElemID = 0,
    API_ObjectID = 1,
    API_CutPlaneID = 2,
    API_ElevationID = 3,
    API_PictureID = 4,
};

using API_AttributeIndex = Int32;
using API_ElemFilterFlags = UInt32;

// Layer index given to an element when the caller gives 0: the host's own default layer.
constexpr API_AttributeIndex APIDefaultLayerIndex = 1;

struct API_Elem_Head {
    API_ElemTypeID typeID;
    API_Guid guid;
    API_AttributeIndex layer;
    Int16 floorInd;  // home story
    bool hasMemo;
    API_Guid groupGuid;  // the group holding the element, or null (filled by the host)
    bool locked;         // filled by the host
};

struct API_ObjectType {
    API_Coord pos;
    double level;  // height above the home story
    double angle;
    Int32 libInd;    // library part
    UInt8 field152;  // 8-bit field at byte 152; 0 on a section marker (see host/README.md)
};

// Cut planes and elevations share one record kind.
struct API_SectionElemType {
    GS::UniChar refId[256];  // reference ID text
    GS::UniChar name[256];   // name text
    Int32 nMainCoord;        // three consecutive counts at byte 1352
    Int32 nDistCoord;
    Int32 nDepthCoord;
    UInt8 flag1596;  // 8-bit flag at byte 1596
    double horizontalRange;
};

using API_CutPlaneType = API_SectionElemType;
using API_ElevationType = API_SectionElemType;

struct API_PictureType {
    Int16 field128;   // 16-bit field at byte 128
    UInt8 field134;   // 8-bit field at byte 134
    Int64 field136;   // 64-bit field at byte 136
    API_Box destBox;  // destination box at byte 144: x min, y min, x max, y max
    Int32 field212;   // 32-bit fields at 212 and 216
    Int32 field216;
    GS::UniChar pictName[256];  // picture name at byte 224
    UInt32 pixelWidth;          // filled by the host from the image
    UInt32 pixelHeight;
};

// The host reads the member that matches header.typeID.
struct API_Element {
    API_Elem_Head header;
    API_ObjectType object;
    API_CutPlaneType cutPlane;
    API_ElevationType elevation;
    API_PictureType picture;
};

// Variable-length parts of an element. Coordinate blocks are BMAllocatePtr blocks holding as many
// coordinates as the element's counts say; the picture data is a handle with the image file's bytes.
// The host fills memos with memory of its own that the caller releases with ACAPI_DisposeElemMemoHdls.
struct API_ElementMemo {
    API_Coord* sectionSegmentMainCoords;
    API_Coord* sectionSegmentDistCoords;
    API_Coord* sectionSegmentDepthCoords;
    GSHandle pictHdl;
};

constexpr UInt64 APIMemoMask_SectionSegment = 0x0000000000000001ull;
constexpr UInt64 APIMemoMask_Picture = 0x0000000000000002ull;
constexpr UInt64 APIMemoMask_All = 0x3FFFFFFFBFFFFFFFull;

enum API_SubElementType : UInt32 {
    APISubElement_NoParams = 0,
    APISubElement_MainMarker = 1,
};

// A section's marker: an object element of its own with its own memo.
struct API_SubElement {
    API_Element subElem;
    API_ElementMemo memo;
    UInt32 subType;
};

// Platform signatures of user data: the platform that wrote it.
constexpr UInt16 GS_MAC_PLATFORM_SIGN = 0x6D6D;                // 'mm'
constexpr UInt16 GS_WIN_PLATFORM_SIGN = 0x7777;                // 'ww'
constexpr UInt16 GS_ACT_PLATFORM_SIGN = GS_MAC_PLATFORM_SIGN;  // the add-on runs on macOS

struct API_ElementUserData {
    Int16 dataVersion;
    UInt16 platformSign;
    GSFlags flags;
    GSHandle dataHdl;  // the data; from ACAPI_Element_GetUserData it belongs to the caller
};

enum API_ToolCmdID : GSType {
    APITool_Lock = FourCC("LOCK"),
    APITool_Unlock = FourCC("UNLK"),
};

// Defaults of the element type in element->header.typeID (and of one sub-element per entry).
GSErrCode ACAPI_Element_GetDefaults(API_Element* element, API_ElementMemo* memo);
GSErrCode ACAPI_Element_GetDefaultsExt(API_Element* element, API_ElementMemo* memo, UInt32 nSubElems,
                                       API_SubElement* subElems);
// Creates in the current database, inside an undoable command; fills element->header.guid.
GSErrCode ACAPI_Element_Create(API_Element* element, API_ElementMemo* memo);
GSErrCode ACAPI_Element_CreateExt(API_Element* element, API_ElementMemo* memo, UInt32 nSubElems,
                                  API_SubElement* subElems);
// Reads the element named by element->header.guid. `mask` is not used.
GSErrCode ACAPI_Element_Get(API_Element* element, UInt32 mask = 0);
GSErrCode ACAPI_Element_GetMemo(const API_Guid& guid, API_ElementMemo* memo, UInt64 mask = APIMemoMask_All);
// The elements of a type in the current database, in creation order.
GSErrCode ACAPI_Element_GetElemList(API_ElemTypeID typeID, GS::Array<API_Guid>* elemList,
                                    API_ElemFilterFlags filterBits = 0,
                                    const API_Guid& parentGuid = APINULLGuid);
// An element without user data gives NoError with a zeroed record.
GSErrCode ACAPI_Element_GetUserData(const API_Elem_Head* head, API_ElementUserData* userData);
GSErrCode ACAPI_Element_SetUserData(const API_Elem_Head* head, const API_ElementUserData* userData);
// Deletes all listed elements or, on a refusal, none.
GSErrCode ACAPI_Element_Delete(const GS::Array<API_Guid>& elements);
// Applies a tool command to elements and groups (a group's members with it).
GSErrCode ACAPI_Element_Tool(const GS::Array<API_Guid>& elements, API_ToolCmdID command, void* parameters);
GSErrCode ACAPI_ElementGroup_Create(const GS::Array<API_Guid>& elements, API_Guid* groupGuid,
                                    const API_Guid* parentGroupGuid = nullptr);
// Releases every block and handle of a memo and sets them to null.
GSErrCode ACAPI_DisposeElemMemoHdls(API_ElementMemo* memo);
