#include "host/sim/Project.hpp"

#include <algorithm>

namespace krx::sim {
namespace {

API_Guid guidFromCounter(UInt32 prefix, UInt64 counter) {
    API_Guid guid = APINULLGuid;
    guid.time_low = prefix;
    guid.time_mid = 0;
    guid.time_hi_and_version = 0x4000;
    guid.clock_seq_hi_and_reserved = 0x80;
    for (int i = 5; i >= 0; --i) {
        guid.node[i] = static_cast<UInt8>(counter & 0xFF);
        counter >>= 8;
    }
    return guid;
}

}  // namespace

GS::UniString DatabaseRecord::title() const {
    if (ref.IsEmpty()) {
        return name;
    }
    if (name.IsEmpty()) {
        return ref;
    }
    return ref + " " + name;
}

Project Project::fresh() {
    Project project;
    project.stories.push_back({0, 0.0, "Ground Floor"});
    project.stories.push_back({1, 3.0, "First Floor"});
    project.currentStory = 0;
    project.layers.push_back({"Archicad Layer", false});

    DatabaseRecord floorPlan;
    floorPlan.id = project.newDatabaseId();
    floorPlan.type = APIWind_FloorPlanID;
    floorPlan.name = "Floor Plan";
    floorPlan.seq = project.nextSeq++;
    project.floorPlanId = floorPlan.id;
    project.databases[floorPlan.id] = floorPlan;

    DatabaseRecord model3D;
    model3D.id = project.newDatabaseId();
    model3D.type = APIWind_3DModelID;
    model3D.name = "3D Window";
    model3D.seq = project.nextSeq++;
    project.model3DId = model3D.id;
    project.databases[model3D.id] = model3D;

    project.currentDatabase = project.floorPlanId;
    project.currentWindow = {APIWind_FloorPlanID, project.floorPlanId};

    project.projection.isPersp = false;
    project.projection.axono.projMod = 1;
    project.projection.axono.azimuth = 225.0;
    project.projection.axono.elevation = 30.0;
    project.projection.persp.viewCone = 60.0;
    project.projection.persp.pos = {-10.0, -10.0};
    project.projection.persp.cameraZ = 1.7;
    project.projection.persp.targetZ = 1.7;
    project.projection.persp.distance = 14.142135623730951;

    API_Element object{};
    object.header.typeID = API_ObjectID;
    object.header.layer = APIDefaultLayerIndex;
    object.object.libInd = 1;
    project.defaults[API_ObjectID] = object;

    API_Element cutPlane{};
    cutPlane.header.typeID = API_CutPlaneID;
    cutPlane.header.layer = APIDefaultLayerIndex;
    cutPlane.cutPlane.horizontalRange = 10.0;
    project.defaults[API_CutPlaneID] = cutPlane;

    API_Element elevation = cutPlane;
    elevation.header.typeID = API_ElevationID;
    elevation.elevation = cutPlane.cutPlane;
    elevation.cutPlane = {};
    project.defaults[API_ElevationID] = elevation;

    API_Element picture{};
    picture.header.typeID = API_PictureID;
    picture.header.layer = APIDefaultLayerIndex;
    picture.picture.field128 = 1;
    picture.picture.field212 = 1;
    picture.picture.field216 = 1;
    project.defaults[API_PictureID] = picture;
    return project;
}

API_Guid Project::newGuid() {
    return guidFromCounter(0x4B000001, ++guidCounter);
}

API_DatabaseUnId Project::newDatabaseId() {
    return API_DatabaseUnId{guidFromCounter(0x4B0000DB, ++guidCounter)};
}

const StoryRecord* Project::story(Int16 index) const {
    for (const StoryRecord& s : stories) {
        if (s.index == index) {
            return &s;
        }
    }
    return nullptr;
}

DatabaseRecord* Project::database(const API_DatabaseUnId& id) {
    const auto it = databases.find(id);
    return it == databases.end() ? nullptr : &it->second;
}

const DatabaseRecord* Project::database(const API_DatabaseUnId& id) const {
    const auto it = databases.find(id);
    return it == databases.end() ? nullptr : &it->second;
}

ElementRecord* Project::element(const API_Guid& guid) {
    const auto it = elements.find(guid);
    return it == elements.end() ? nullptr : &it->second;
}

GroupRecord* Project::group(const API_Guid& guid) {
    const auto it = groups.find(guid);
    return it == groups.end() ? nullptr : &it->second;
}

std::vector<API_DatabaseUnId> Project::databasesOfType(API_DatabaseTypeID type) const {
    std::vector<const DatabaseRecord*> found;
    for (const auto& entry : databases) {
        if (entry.second.type == type) {
            found.push_back(&entry.second);
        }
    }
    std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->seq < b->seq; });
    std::vector<API_DatabaseUnId> ids;
    for (const DatabaseRecord* record : found) {
        ids.push_back(record->id);
    }
    return ids;
}

std::vector<API_Guid> Project::elementsOf(API_ElemTypeID type, const API_DatabaseUnId& db) const {
    std::vector<const ElementRecord*> found;
    for (const auto& entry : elements) {
        if (entry.second.element.header.typeID == type && entry.second.database == db) {
            found.push_back(&entry.second);
        }
    }
    std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->seq < b->seq; });
    std::vector<API_Guid> guids;
    for (const ElementRecord* record : found) {
        guids.push_back(record->element.header.guid);
    }
    return guids;
}

}  // namespace krx::sim
