// Databases and windows.
#include <algorithm>

#include "host/sim/HostState.hpp"

using krx::sim::Call;
using krx::sim::DatabaseRecord;
using krx::sim::HostState;
using krx::sim::Project;
using krx::sim::state;

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

void fill(const DatabaseRecord& db, API_DatabaseInfo* info) {
    info->typeID = db.type;
    info->index = 0;
    info->databaseUnId = db.id;
    GS::CopyToField(info->name, API_DatabaseTextCapacity, db.name);
    GS::CopyToField(info->ref, API_DatabaseTextCapacity, db.ref);
    GS::CopyToField(info->title, API_DatabaseTextCapacity, db.title());
    info->linkedElement = db.linkedElement;
}

// The database a (type, identifier) pair names. The floor plan and the 3D model are unique, so their
// identifier may be left zero; every other type must match the database's own.
const DatabaseRecord* resolve(const Project& project, API_DatabaseTypeID type, const API_DatabaseUnId& id) {
    const API_DatabaseUnId none{};
    if (type == APIWind_FloorPlanID && (id == none || id == project.floorPlanId)) {
        return project.database(project.floorPlanId);
    }
    if (type == APIWind_3DModelID && (id == none || id == project.model3DId)) {
        return project.database(project.model3DId);
    }
    const DatabaseRecord* db = project.database(id);
    return db != nullptr && db->type == type ? db : nullptr;
}

GSErrCode listOfType(const Project& project, API_DatabaseTypeID type, void* out) {
    auto* list = static_cast<GS::Array<API_DatabaseUnId>*>(out);
    if (list == nullptr) {
        return APIERR_BADPARS;
    }
    list->Clear();
    for (const API_DatabaseUnId& id : project.databasesOfType(type)) {
        list->Push(id);
    }
    return NoError;
}

bool is2DWindow(API_WindowTypeID type) {
    return type == APIWind_FloorPlanID || type == APIWind_SectionID || type == APIWind_ElevationID ||
           type == APIWind_WorksheetID;
}

GSErrCode database(HostState& s, API_DatabaseID code, void* par1, void* par2, void* par3) {
    Project& project = s.project;
    auto* info = static_cast<API_DatabaseInfo*>(par1);
    switch (code) {
        case APIDb_GetCurrentDatabaseID: {
            const DatabaseRecord* db = project.database(project.currentDatabase);
            if (info == nullptr || db == nullptr) {
                return APIERR_BADPARS;
            }
            fill(*db, info);
            return NoError;
        }
        case APIDb_ChangeCurrentDatabaseID: {
            if (info == nullptr) {
                return APIERR_BADPARS;
            }
            const DatabaseRecord* db = resolve(project, info->typeID, info->databaseUnId);
            if (db == nullptr) {
                return APIERR_BADDATABASE;
            }
            project.currentDatabase = db->id;
            return NoError;
        }
        case APIDb_NewDatabaseID: {
            if (info == nullptr || info->typeID != APIWind_WorksheetID) {
                return APIERR_BADPARS;
            }
            DatabaseRecord db;
            db.id = project.newDatabaseId();
            db.type = APIWind_WorksheetID;
            // The text fields hold at most 255 characters, whatever the caller left after them.
            db.name = GS::UniString(info->name,
                                    std::min<USize>(GS::ucslen(info->name), API_DatabaseTextCapacity - 1));
            db.ref = GS::UniString(info->ref,
                                   std::min<USize>(GS::ucslen(info->ref), API_DatabaseTextCapacity - 1));
            db.seq = project.nextSeq++;
            s.touchDatabase(db.id);
            project.databases[db.id] = db;
            fill(db, info);
            return NoError;
        }
        case APIDb_DeleteDatabaseID: {
            if (info == nullptr) {
                return APIERR_BADPARS;
            }
            const DatabaseRecord* db = project.database(info->databaseUnId);
            if (db == nullptr || db->type != APIWind_WorksheetID) {
                return APIERR_BADDATABASE;
            }
            const API_DatabaseUnId id = db->id;
            for (const API_Guid& guid : project.elementsOf(API_PictureID, id)) {
                s.touchElement(guid);
                project.elements.erase(guid);
            }
            for (const auto& [guid, group] : std::map<API_Guid, krx::sim::GroupRecord>(project.groups)) {
                if (group.database == id) {
                    s.touchGroup(guid);
                    project.groups.erase(guid);
                }
            }
            s.eraseDatabase(id);
            return NoError;
        }
        case APIDb_GetFloorPlanDatabaseID: {
            auto* out = static_cast<API_DatabaseUnId*>(par3);
            const auto* type = static_cast<const Int32*>(par2);
            if (out == nullptr || (type != nullptr && *type != APIWind_FloorPlanID)) {
                return APIERR_BADPARS;
            }
            *out = project.floorPlanId;
            return NoError;
        }
        case APIDb_GetSectionDatabasesID:
            return listOfType(project, APIWind_SectionID, par2);
        case APIDb_GetElevationDatabasesID:
            return listOfType(project, APIWind_ElevationID, par2);
        case APIDb_GetWorksheetDatabasesID:
            return listOfType(project, APIWind_WorksheetID, par2);
        case APIDb_GetDatabaseInfoID: {
            if (info == nullptr) {
                return APIERR_BADPARS;
            }
            const DatabaseRecord* db = project.database(info->databaseUnId);
            if (db == nullptr) {
                return APIERR_BADDATABASE;
            }
            fill(*db, info);
            return NoError;
        }
        case APIDb_GetCurrentWindowID: {
            auto* window = static_cast<API_WindowInfo*>(par1);
            if (window == nullptr) {
                return APIERR_BADPARS;
            }
            *window = {};
            window->typeID = project.currentWindow.type;
            window->databaseUnId = project.currentWindow.id;
            return NoError;
        }
        case APIDb_SetZoomID: {
            const auto* box = static_cast<const API_Box*>(par1);
            if (box == nullptr || box->xMin == box->xMax || box->yMin == box->yMax) {
                return APIERR_BADPARS;
            }
            if (!is2DWindow(project.currentWindow.type)) {
                return APIERR_BADWINDOW;
            }
            DatabaseRecord* db = project.database(project.currentWindow.id);
            if (db == nullptr) {
                return APIERR_BADWINDOW;
            }
            s.touchDatabase(db->id);
            db->zoom = API_Box{std::min(box->xMin, box->xMax), std::min(box->yMin, box->yMax),
                               std::max(box->xMin, box->xMax), std::max(box->yMin, box->yMax)};
            return NoError;
        }
    }
    return APIERR_NOTSUPPORTED;
}

}  // namespace

GSErrCode ACAPI_Database(API_DatabaseID code, void* par1, void* par2, void* par3) {
    Call call("ACAPI_Database", code);
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    return call.done(database(state(), code, par1, par2, par3));
}

GSErrCode ACAPI_Automate(API_AutomateID code, void* par1, void* /*par2*/, void* /*par3*/) {
    Call call("ACAPI_Automate", code);
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    if (code != APIDo_ChangeWindowID) {
        return call.done(APIERR_NOTSUPPORTED);
    }
    const auto* window = static_cast<const API_WindowInfo*>(par1);
    if (window == nullptr || window->typeID == APIWind_NoneID) {
        return call.done(APIERR_BADPARS);
    }
    Project& project = state().project;
    // A window type that does not match its database is refused: a section's database cannot be
    // opened as an elevation window and the other way round.
    const DatabaseRecord* db = resolve(project, window->typeID, window->databaseUnId);
    if (db == nullptr) {
        return call.done(APIERR_BADDATABASE);
    }
    project.currentWindow = {window->typeID, db->id};
    project.currentDatabase = db->id;
    return call.done(NoError);
}
