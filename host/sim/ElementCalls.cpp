// Elements: defaults, creation, reading, user data, deletion, locking and grouping.
#include <algorithm>
#include <cstring>

#include "host/sim/HostState.hpp"

using krx::sim::Call;
using krx::sim::ElementRecord;
using krx::sim::HostState;
using krx::sim::Project;
using krx::sim::state;

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

bool isSectionType(API_ElemTypeID type) {
    return type == API_CutPlaneID || type == API_ElevationID;
}

API_SectionElemType& sectionPart(API_Element& element) {
    return element.header.typeID == API_ElevationID ? element.elevation : element.cutPlane;
}

bool is2DDatabase(API_DatabaseTypeID type) {
    return type == APIWind_FloorPlanID || type == APIWind_SectionID || type == APIWind_ElevationID ||
           type == APIWind_WorksheetID;
}

// The database whose elements the model calls see: the 3D window shows the floor plan's model.
API_DatabaseUnId modelDatabase(const Project& project) {
    return project.currentDatabase == project.model3DId ? project.floorPlanId : project.currentDatabase;
}

GSErrCode normalizeLayer(const Project& project, API_AttributeIndex* layer) {
    if (*layer == 0) {
        *layer = APIDefaultLayerIndex;
    }
    if (*layer < 1 || *layer > static_cast<API_AttributeIndex>(project.layers.size()) ||
        project.layers[static_cast<std::size_t>(*layer - 1)].deleted) {
        return APIERR_BADPARS;
    }
    return NoError;
}

bool readCoords(const API_Coord* block, Int32 count, std::vector<API_Coord>* out) {
    if (count <= 0) {
        out->clear();
        return true;
    }
    if (block == nullptr || BMGetPtrSize(reinterpret_cast<GSConstPtr>(block)) <
                                static_cast<GSSize>(count) * static_cast<GSSize>(sizeof(API_Coord))) {
        return false;
    }
    out->assign(block, block + count);
    return true;
}

API_Coord* copyCoords(const std::vector<API_Coord>& coords) {
    if (coords.empty()) {
        return nullptr;
    }
    auto* block = reinterpret_cast<API_Coord*>(
        krx::sim::allocatePtr(static_cast<GSSize>(coords.size() * sizeof(API_Coord))));
    std::memcpy(block, coords.data(), coords.size() * sizeof(API_Coord));
    return block;
}

GSErrCode defaultsOf(const Project& project, API_Element* element) {
    if (element == nullptr) {
        return APIERR_BADPARS;
    }
    const auto it = project.defaults.find(element->header.typeID);
    if (it == project.defaults.end()) {
        return APIERR_BADPARS;
    }
    *element = it->second;
    element->header.guid = APINULLGuid;
    element->header.floorInd = project.currentStory;
    return NoError;
}

GSErrCode createElement(HostState& s, API_Element* element, API_ElementMemo* memo, UInt32 nSubElems,
                        API_SubElement* subElems) {
    Project& project = s.project;
    if (!s.openCommand) {
        return APIERR_NEEDSUNDOSCOPE;
    }
    if (element == nullptr || (nSubElems > 0 && subElems == nullptr)) {
        return APIERR_BADPARS;
    }
    const krx::sim::DatabaseRecord* current = project.database(project.currentDatabase);
    if (current == nullptr) {
        return APIERR_BADDATABASE;
    }
    ElementRecord record;
    record.element = *element;
    API_Elem_Head& head = record.element.header;
    if (normalizeLayer(project, &head.layer) != NoError) {
        return APIERR_BADPARS;
    }
    head.groupGuid = APINULLGuid;
    head.locked = false;
    switch (head.typeID) {
        case API_ObjectID:
            if (current->type != APIWind_FloorPlanID && current->type != APIWind_3DModelID) {
                return APIERR_BADDATABASE;
            }
            if (project.story(head.floorInd) == nullptr) {
                return APIERR_INVALFLOOR;
            }
            record.database = project.floorPlanId;
            break;
        case API_CutPlaneID:
        case API_ElevationID: {
            if (current->type != APIWind_FloorPlanID) {
                return APIERR_BADDATABASE;
            }
            if (project.story(head.floorInd) == nullptr) {
                return APIERR_INVALFLOOR;
            }
            const API_SectionElemType& section = sectionPart(record.element);
            if (memo == nullptr || section.nMainCoord < 2 || section.nDistCoord < 0 ||
                section.nDepthCoord < 0 ||
                !readCoords(memo->sectionSegmentMainCoords, section.nMainCoord, &record.mainCoords) ||
                !readCoords(memo->sectionSegmentDistCoords, section.nDistCoord, &record.distCoords) ||
                !readCoords(memo->sectionSegmentDepthCoords, section.nDepthCoord, &record.depthCoords)) {
                return APIERR_BADPARS;
            }
            if (record.mainCoords[0].x == record.mainCoords[1].x &&
                record.mainCoords[0].y == record.mainCoords[1].y) {
                return APIERR_REFUSEDPAR;  // a section line of zero length
            }
            for (UInt32 i = 0; i < nSubElems; ++i) {
                if (subElems[i].subType != APISubElement_MainMarker) {
                    return APIERR_BADPARS;
                }
                record.marker = subElems[i].subElem;
            }
            record.database = project.floorPlanId;
            break;
        }
        case API_PictureID: {
            if (!is2DDatabase(current->type)) {
                return APIERR_BADDATABASE;
            }
            const API_Box& box = record.element.picture.destBox;
            if (box.xMin == box.xMax || box.yMin == box.yMax) {
                return APIERR_REFUSEDPAR;
            }
            if (memo == nullptr || memo->pictHdl == nullptr) {
                return APIERR_BADPARS;
            }
            {
                const auto it = s.allocations.find(memo->pictHdl);
                if (it == s.allocations.end() || it->second.kind != krx::sim::Allocation::Kind::Handle ||
                    it->second.size == 0) {
                    return APIERR_BADPARS;
                }
                record.pictureData.assign(*memo->pictHdl, static_cast<std::size_t>(it->second.size));
            }
            record.database = project.currentDatabase;
            break;
        }
        default:
            return APIERR_BADPARS;
    }
    head.guid = project.newGuid();
    head.hasMemo = isSectionType(head.typeID) || head.typeID == API_PictureID;
    record.seq = project.nextSeq++;
    s.touchElement(head.guid);
    if (isSectionType(head.typeID)) {
        krx::sim::DatabaseRecord db;
        db.id = project.newDatabaseId();
        db.type = head.typeID == API_CutPlaneID ? APIWind_SectionID : APIWind_ElevationID;
        const API_SectionElemType& section = sectionPart(record.element);
        db.name = GS::UniString(section.name);
        db.ref = GS::UniString(section.refId);
        db.linkedElement = head.guid;
        db.seq = project.nextSeq++;
        s.touchDatabase(db.id);
        project.databases[db.id] = db;
        record.linkedDatabase = db.id;
    }
    project.elements[head.guid] = record;
    element->header.guid = head.guid;
    element->header.layer = head.layer;
    return NoError;
}

// Removes an element with what hangs on it: a section's database and what was drawn into it.
void eraseElement(HostState& s, const API_Guid& guid) {
    Project& project = s.project;
    ElementRecord* record = project.element(guid);
    if (record == nullptr) {
        return;
    }
    const API_Guid groupGuid = record->element.header.groupGuid;
    if (krx::sim::GroupRecord* group = project.group(groupGuid)) {
        s.touchGroup(groupGuid);
        auto& members = group->members;
        members.erase(std::remove(members.begin(), members.end(), guid), members.end());
        if (members.empty()) {
            project.groups.erase(groupGuid);
        }
    }
    const API_DatabaseUnId linked = record->linkedDatabase;
    s.touchElement(guid);
    project.elements.erase(guid);
    if (project.database(linked) != nullptr) {
        for (const API_ElemTypeID type : {API_PictureID}) {
            for (const API_Guid& drawn : project.elementsOf(type, linked)) {
                eraseElement(s, drawn);
            }
        }
        s.eraseDatabase(linked);
    }
}

}  // namespace

GSErrCode ACAPI_Element_GetDefaults(API_Element* element, API_ElementMemo* memo) {
    Call call("ACAPI_Element_GetDefaults");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    const GSErrCode result = defaultsOf(state().project, element);
    if (result == NoError && memo != nullptr) {
        *memo = {};
    }
    return call.done(result);
}

GSErrCode ACAPI_Element_GetDefaultsExt(API_Element* element, API_ElementMemo* memo, UInt32 nSubElems,
                                       API_SubElement* subElems) {
    Call call("ACAPI_Element_GetDefaultsExt");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    if (nSubElems > 0 && subElems == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    const GSErrCode result = defaultsOf(state().project, element);
    if (result != NoError) {
        return call.done(result);
    }
    for (UInt32 i = 0; i < nSubElems; ++i) {
        if (subElems[i].subType != APISubElement_MainMarker || !isSectionType(element->header.typeID)) {
            return call.done(APIERR_BADPARS);
        }
        API_Element marker{};
        marker.header.typeID = API_ObjectID;
        defaultsOf(state().project, &marker);
        marker.object.field152 = 1;
        subElems[i].subElem = marker;
        subElems[i].memo = {};
    }
    if (memo != nullptr) {
        *memo = {};
    }
    return call.done(NoError);
}

GSErrCode ACAPI_Element_Create(API_Element* element, API_ElementMemo* memo) {
    Call call("ACAPI_Element_Create");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    return call.done(createElement(state(), element, memo, 0, nullptr));
}

GSErrCode ACAPI_Element_CreateExt(API_Element* element, API_ElementMemo* memo, UInt32 nSubElems,
                                  API_SubElement* subElems) {
    Call call("ACAPI_Element_CreateExt");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    return call.done(createElement(state(), element, memo, nSubElems, subElems));
}

GSErrCode ACAPI_Element_Get(API_Element* element, UInt32 /*mask*/) {
    Call call("ACAPI_Element_Get");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    if (element == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    const ElementRecord* record = state().project.element(element->header.guid);
    if (record == nullptr) {
        return call.done(APIERR_BADID);
    }
    *element = record->element;
    return call.done(NoError);
}

GSErrCode ACAPI_Element_GetMemo(const API_Guid& guid, API_ElementMemo* memo, UInt64 mask) {
    Call call("ACAPI_Element_GetMemo");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    if (memo == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    const ElementRecord* record = state().project.element(guid);
    if (record == nullptr) {
        return call.done(APIERR_BADID);
    }
    *memo = {};
    if ((mask & APIMemoMask_SectionSegment) != 0) {
        memo->sectionSegmentMainCoords = copyCoords(record->mainCoords);
        memo->sectionSegmentDistCoords = copyCoords(record->distCoords);
        memo->sectionSegmentDepthCoords = copyCoords(record->depthCoords);
    }
    if ((mask & APIMemoMask_Picture) != 0 && record->element.header.typeID == API_PictureID) {
        memo->pictHdl = krx::sim::allocateHandle(static_cast<GSSize>(record->pictureData.size()),
                                                 krx::sim::Allocation::Kind::Handle);
        std::memcpy(*memo->pictHdl, record->pictureData.data(), record->pictureData.size());
    }
    return call.done(NoError);
}

GSErrCode ACAPI_Element_GetElemList(API_ElemTypeID typeID, GS::Array<API_Guid>* elemList,
                                    API_ElemFilterFlags /*filterBits*/, const API_Guid& /*parentGuid*/) {
    Call call("ACAPI_Element_GetElemList");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    if (elemList == nullptr || state().project.defaults.count(typeID) == 0) {
        return call.done(APIERR_BADPARS);
    }
    elemList->Clear();
    for (const API_Guid& guid : state().project.elementsOf(typeID, modelDatabase(state().project))) {
        elemList->Push(guid);
    }
    return call.done(NoError);
}

GSErrCode ACAPI_Element_GetUserData(const API_Elem_Head* head, API_ElementUserData* userData) {
    Call call("ACAPI_Element_GetUserData");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    if (head == nullptr || userData == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    const ElementRecord* record = state().project.element(head->guid);
    if (record == nullptr) {
        return call.done(APIERR_BADID);
    }
    *userData = {};
    if (record->userData) {
        userData->dataVersion = record->userData->dataVersion;
        userData->platformSign = record->userData->platformSign;
        userData->flags = record->userData->flags;
        userData->dataHdl = krx::sim::allocateHandle(static_cast<GSSize>(record->userData->data.size()),
                                                     krx::sim::Allocation::Kind::Handle);
        std::memcpy(*userData->dataHdl, record->userData->data.data(), record->userData->data.size());
    }
    return call.done(NoError);
}

GSErrCode ACAPI_Element_SetUserData(const API_Elem_Head* head, const API_ElementUserData* userData) {
    Call call("ACAPI_Element_SetUserData");
    if (call.refused()) {
        return call.refusal();
    }
    HostState& s = state();
    Lock lock(s.mutex);
    if (!s.openCommand) {
        return call.done(APIERR_NEEDSUNDOSCOPE);
    }
    if (head == nullptr || userData == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    ElementRecord* record = s.project.element(head->guid);
    if (record == nullptr) {
        return call.done(APIERR_BADID);
    }
    if (record->element.header.locked) {
        return call.done(APIERR_LOCKEDELEMENT);
    }
    krx::sim::UserDataRecord data;
    data.dataVersion = userData->dataVersion;
    data.platformSign = userData->platformSign;
    data.flags = userData->flags;
    if (userData->dataHdl != nullptr) {
        const auto it = s.allocations.find(userData->dataHdl);
        if (it == s.allocations.end() || it->second.kind != krx::sim::Allocation::Kind::Handle) {
            return call.done(APIERR_BADPARS);
        }
        data.data.assign(*userData->dataHdl, static_cast<std::size_t>(it->second.size));
    }
    s.touchElement(head->guid);
    record->userData = data;
    return call.done(NoError);
}

GSErrCode ACAPI_Element_Delete(const GS::Array<API_Guid>& elements) {
    Call call("ACAPI_Element_Delete");
    if (call.refused()) {
        return call.refusal();
    }
    HostState& s = state();
    Lock lock(s.mutex);
    if (!s.openCommand) {
        return call.done(APIERR_NEEDSUNDOSCOPE);
    }
    for (const API_Guid& guid : elements) {
        const ElementRecord* record = s.project.element(guid);
        if (record == nullptr) {
            return call.done(APIERR_BADID);
        }
        if (record->element.header.locked) {
            return call.done(APIERR_LOCKEDELEMENT);
        }
    }
    for (const API_Guid& guid : elements) {
        eraseElement(s, guid);
    }
    return call.done(NoError);
}

GSErrCode ACAPI_Element_Tool(const GS::Array<API_Guid>& elements, API_ToolCmdID command,
                             void* /*parameters*/) {
    Call call("ACAPI_Element_Tool", command);
    if (call.refused()) {
        return call.refusal();
    }
    HostState& s = state();
    Lock lock(s.mutex);
    if (!s.openCommand) {
        return call.done(APIERR_NEEDSUNDOSCOPE);
    }
    if (command != APITool_Lock && command != APITool_Unlock) {
        return call.done(APIERR_NOTSUPPORTED);
    }
    if (elements.IsEmpty()) {
        return call.done(APIERR_BADPARS);
    }
    for (const API_Guid& guid : elements) {
        if (s.project.element(guid) == nullptr && s.project.group(guid) == nullptr) {
            return call.done(APIERR_BADID);
        }
    }
    const bool lockIt = command == APITool_Lock;
    const auto setLocked = [&](const API_Guid& guid) {
        if (ElementRecord* record = s.project.element(guid)) {
            s.touchElement(guid);
            record->element.header.locked = lockIt;
        }
    };
    for (const API_Guid& guid : elements) {
        if (krx::sim::GroupRecord* group = s.project.group(guid)) {
            s.touchGroup(guid);
            group->locked = lockIt;
            for (const API_Guid& member : group->members) {
                setLocked(member);
            }
        } else {
            setLocked(guid);
        }
    }
    return call.done(NoError);
}

GSErrCode ACAPI_ElementGroup_Create(const GS::Array<API_Guid>& elements, API_Guid* groupGuid,
                                    const API_Guid* parentGroupGuid) {
    Call call("ACAPI_ElementGroup_Create");
    if (call.refused()) {
        return call.refusal();
    }
    HostState& s = state();
    Lock lock(s.mutex);
    if (!s.openCommand) {
        return call.done(APIERR_NEEDSUNDOSCOPE);
    }
    if (groupGuid == nullptr || elements.IsEmpty()) {
        return call.done(APIERR_BADPARS);
    }
    if (parentGroupGuid != nullptr && *parentGroupGuid != APINULLGuid &&
        s.project.group(*parentGroupGuid) == nullptr) {
        return call.done(APIERR_BADID);
    }
    for (const API_Guid& guid : elements) {
        const ElementRecord* record = s.project.element(guid);
        if (record == nullptr) {
            return call.done(APIERR_BADID);
        }
        if (record->element.header.groupGuid != APINULLGuid) {
            return call.done(APIERR_BADPARS);  // already in a group
        }
    }
    krx::sim::GroupRecord group;
    group.guid = s.project.newGuid();
    group.parent = parentGroupGuid == nullptr ? APINULLGuid : *parentGroupGuid;
    group.seq = s.project.nextSeq++;
    group.database = s.project.currentDatabase;
    for (const API_Guid& guid : elements) {
        if (std::find(group.members.begin(), group.members.end(), guid) == group.members.end()) {
            group.members.push_back(guid);
        }
        s.touchElement(guid);
        s.project.element(guid)->element.header.groupGuid = group.guid;
    }
    s.touchGroup(group.guid);
    s.project.groups[group.guid] = group;
    *groupGuid = group.guid;
    return call.done(NoError);
}

GSErrCode ACAPI_DisposeElemMemoHdls(API_ElementMemo* memo) {
    Call call("ACAPI_DisposeElemMemoHdls");
    if (call.refused()) {
        return call.refusal();
    }
    if (memo == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    BMKillPtr(reinterpret_cast<GSPtr*>(&memo->sectionSegmentMainCoords));
    BMKillPtr(reinterpret_cast<GSPtr*>(&memo->sectionSegmentDistCoords));
    BMKillPtr(reinterpret_cast<GSPtr*>(&memo->sectionSegmentDepthCoords));
    BMKillHandle(&memo->pictHdl);
    return call.done(NoError);
}
