// Stories, the 3D projection, ghost records, libraries and layers.
#include <cstring>
#include <filesystem>

#include "host/sim/HostState.hpp"

using krx::sim::Call;
using krx::sim::HostState;
using krx::sim::Project;
using krx::sim::state;

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

GSErrCode environment(HostState& s, API_EnvironmentID code, void* par1) {
    Project& project = s.project;
    switch (code) {
        case APIEnv_GetStorySettingsID: {
            auto* info = static_cast<API_StoryInfo*>(par1);
            if (info == nullptr || project.stories.empty()) {
                return APIERR_BADPARS;
            }
            *info = {};
            info->firstStory = project.stories.front().index;
            info->lastStory = project.stories.back().index;
            info->actStory = project.currentStory;
            const std::size_t count = project.stories.size();
            GSHandle data = krx::sim::allocateHandle(static_cast<GSSize>(count * sizeof(API_StoryType)),
                                                     krx::sim::Allocation::Kind::Handle);
            auto* stories = reinterpret_cast<API_StoryType*>(*data);
            for (std::size_t i = 0; i < count; ++i) {
                stories[i] = {};
                stories[i].index = project.stories[i].index;
                stories[i].level = project.stories[i].level;
                GS::CopyToField(stories[i].uName, 256, project.stories[i].name);
            }
            info->data = reinterpret_cast<API_StoryType**>(data);
            return NoError;
        }
        case APIEnv_ChangeStorySettingsID: {
            const auto* command = static_cast<const API_StoryCmdType*>(par1);
            if (command == nullptr || command->action != APIStory_GoTo) {
                return APIERR_BADPARS;
            }
            if (project.story(command->index) == nullptr) {
                return APIERR_BADINDEX;
            }
            project.currentStory = command->index;
            return NoError;
        }
        case APIEnv_Get3DProjectionSetsID: {
            auto* info = static_cast<API_3DProjectionInfo*>(par1);
            if (info == nullptr) {
                return APIERR_BADPARS;
            }
            *info = project.projection;
            return NoError;
        }
        case APIEnv_Change3DProjectionSetsID: {
            const auto* info = static_cast<const API_3DProjectionInfo*>(par1);
            if (info == nullptr) {
                return APIERR_BADPARS;
            }
            if (info->isPersp) {
                const API_PerspPars& p = info->persp;
                if (!(p.viewCone >= 1.0 && p.viewCone <= 120.0)) {
                    return APIERR_BADPARS;
                }
                if (p.pos.x == p.target.x && p.pos.y == p.target.y && p.cameraZ == p.targetZ) {
                    return APIERR_REFUSEDPAR;  // a camera looking at itself
                }
            }
            project.projection = *info;
            return NoError;
        }
        case APIEnv_CreateGhostRecordID: {
            const auto* ghost = static_cast<const API_GhostRecord*>(par1);
            if (ghost == nullptr) {
                return APIERR_BADPARS;
            }
            const krx::sim::DatabaseRecord* parent = project.database(ghost->parentDatabase);
            const krx::sim::DatabaseRecord* shown = project.database(ghost->ghostDatabase);
            if (parent == nullptr || shown == nullptr || parent->id == shown->id ||
                parent->type == APIWind_3DModelID || shown->type == APIWind_3DModelID) {
                return APIERR_BADDATABASE;
            }
            s.touchGhosts();
            project.ghosts.push_back(*ghost);
            return NoError;
        }
        case APIEnv_GetLibrariesID: {
            auto* list = static_cast<GS::Array<API_LibraryInfo>*>(par1);
            if (list == nullptr) {
                return APIERR_BADPARS;
            }
            list->Clear();
            for (const GS::UniString& path : project.libraries) {
                API_LibraryInfo info;
                info.location = IO::Location(path);
                info.name = info.location.GetLastLocalName();
                list->Push(info);
            }
            return NoError;
        }
        case APIEnv_AddLibrariesID: {
            const auto* location = static_cast<const IO::Location*>(par1);
            GS::UniString path;
            if (location == nullptr || location->ToPath(&path) != NoError || path.IsEmpty()) {
                return APIERR_BADPARS;
            }
            std::error_code ec;
            if (!std::filesystem::is_directory(path.ToCStr().str(), ec)) {
                return APIERR_BADPARS;  // a library is a folder that exists
            }
            project.libraries.push_back(path);
            return NoError;
        }
    }
    return APIERR_NOTSUPPORTED;
}

}  // namespace

GSErrCode ACAPI_Environment(API_EnvironmentID code, void* par1, void* /*par2*/, void* /*par3*/) {
    Call call("ACAPI_Environment", code);
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    return call.done(environment(state(), code, par1));
}

GSErrCode ACAPI_Attribute_GetNum(API_AttrTypeID typeID, API_AttributeIndex* count) {
    Call call("ACAPI_Attribute_GetNum");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    if (typeID != API_LayerID || count == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    *count = static_cast<API_AttributeIndex>(state().project.layers.size());
    return call.done(NoError);
}

GSErrCode ACAPI_Attribute_Get(API_Attribute* attribute) {
    Call call("ACAPI_Attribute_Get");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    if (attribute == nullptr || attribute->header.typeID != API_LayerID) {
        return call.done(APIERR_BADPARS);
    }
    const auto& layers = state().project.layers;
    const API_AttributeIndex index = attribute->header.index;
    if (index < 1 || index > static_cast<API_AttributeIndex>(layers.size())) {
        return call.done(APIERR_BADINDEX);
    }
    const krx::sim::LayerRecord& layer = layers[static_cast<std::size_t>(index - 1)];
    if (layer.deleted) {
        return call.done(APIERR_DELETED);
    }
    std::memset(attribute->header.name, 0, sizeof attribute->header.name);
    std::strncpy(attribute->header.name, layer.name.c_str(), sizeof attribute->header.name - 1);
    attribute->layer = {};
    return call.done(NoError);
}
