#pragma once

#include "host/api/Elements.hpp"
#include "host/api/ErrorCodes.hpp"
#include "host/api/Types.hpp"

// Attributes of the project; the add-on reads layers. Layer indices count from 1; index 1 is the
// host's own default layer.
enum API_AttrTypeID : Int32 {
    API_ZombieAttrID = 0,
    API_LayerID = 1,
};

struct API_Attr_Head {
    API_AttrTypeID typeID;
    API_AttributeIndex index;
    char name[256];  // UTF-8
};

struct API_LayerType {
    bool hidden;
    bool locked;
};

struct API_Attribute {
    API_Attr_Head header;
    API_LayerType layer;
};

// The highest index in use (deleted attributes keep their index).
GSErrCode ACAPI_Attribute_GetNum(API_AttrTypeID typeID, API_AttributeIndex* count);
// Reads attribute->header.index of attribute->header.typeID; APIERR_DELETED for a deleted one.
GSErrCode ACAPI_Attribute_Get(API_Attribute* attribute);
