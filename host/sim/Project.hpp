#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/api/ACAPinc.hpp"

namespace krx::sim {

// The project the simulated host holds: plain data, no rules. The rules live in the host calls.

struct UserDataRecord {
    Int16 dataVersion = 0;
    UInt16 platformSign = 0;
    GSFlags flags = 0;
    std::string data;
};

struct ElementRecord {
    API_Element element{};  // header.guid is the key
    std::vector<API_Coord> mainCoords;
    std::vector<API_Coord> distCoords;
    std::vector<API_Coord> depthCoords;
    std::string pictureData;
    std::optional<UserDataRecord> userData;
    std::optional<API_Element> marker;
    API_DatabaseUnId database{};        // where the element lives
    API_DatabaseUnId linkedDatabase{};  // the section or elevation database of a cut plane or elevation
    UInt64 seq = 0;                     // creation order
};

struct GroupRecord {
    API_Guid guid{};
    std::vector<API_Guid> members;
    API_Guid parent{};
    bool locked = false;
    API_DatabaseUnId database{};
    UInt64 seq = 0;
};

struct DatabaseRecord {
    API_DatabaseUnId id{};
    API_DatabaseTypeID type = APIWind_NoneID;
    GS::UniString name;
    GS::UniString ref;
    API_Guid linkedElement{};
    std::optional<API_Box> zoom;
    UInt64 seq = 0;

    GS::UniString title() const;
};

struct StoryRecord {
    Int16 index = 0;
    double level = 0.0;
    GS::UniString name;
};

struct LayerRecord {
    std::string name;
    bool deleted = false;
};

struct WindowRef {
    API_WindowTypeID type = APIWind_NoneID;
    API_DatabaseUnId id{};
};

struct Project {
    std::vector<StoryRecord> stories;  // contiguous indices, ascending
    Int16 currentStory = 0;
    std::vector<LayerRecord> layers;  // attribute index = position + 1
    std::map<API_Guid, ElementRecord> elements;
    std::map<API_Guid, GroupRecord> groups;
    std::map<API_DatabaseUnId, DatabaseRecord> databases;
    API_DatabaseUnId floorPlanId{};
    API_DatabaseUnId model3DId{};
    API_DatabaseUnId currentDatabase{};
    WindowRef currentWindow;
    API_3DProjectionInfo projection{};
    std::vector<API_GhostRecord> ghosts;
    std::vector<GS::UniString> libraries;
    std::map<int, API_Element> defaults;  // by API_ElemTypeID
    UInt64 nextSeq = 1;
    UInt64 guidCounter = 0;

    // A fresh project: stories 0 "Ground Floor" and 1 "First Floor", the default layer, the floor
    // plan and 3D model databases, the floor plan window, an axonometric 3D view.
    static Project fresh();

    API_Guid newGuid();
    API_DatabaseUnId newDatabaseId();

    const StoryRecord* story(Int16 index) const;
    DatabaseRecord* database(const API_DatabaseUnId& id);
    const DatabaseRecord* database(const API_DatabaseUnId& id) const;
    ElementRecord* element(const API_Guid& guid);
    GroupRecord* group(const API_Guid& guid);
    // Databases of one type in creation order.
    std::vector<API_DatabaseUnId> databasesOfType(API_DatabaseTypeID type) const;
    // Elements of one type in one database, in creation order.
    std::vector<API_Guid> elementsOf(API_ElemTypeID type, const API_DatabaseUnId& database) const;
};

}  // namespace krx::sim
