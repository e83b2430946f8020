#include "host/sim/HostState.hpp"

#include <algorithm>

namespace krx::sim {
namespace {

constexpr std::size_t kMaxCallRecords = 200000;

struct SelectorName {
    GSType code;
    const char* name;
};

const SelectorName kSelectors[] = {
    {APIDb_GetCurrentDatabaseID, "APIDb_GetCurrentDatabaseID"},
    {APIDb_ChangeCurrentDatabaseID, "APIDb_ChangeCurrentDatabaseID"},
    {APIDb_NewDatabaseID, "APIDb_NewDatabaseID"},
    {APIDb_DeleteDatabaseID, "APIDb_DeleteDatabaseID"},
    {APIDb_GetFloorPlanDatabaseID, "APIDb_GetFloorPlanDatabaseID"},
    {APIDb_GetSectionDatabasesID, "APIDb_GetSectionDatabasesID"},
    {APIDb_GetElevationDatabasesID, "APIDb_GetElevationDatabasesID"},
    {APIDb_GetWorksheetDatabasesID, "APIDb_GetWorksheetDatabasesID"},
    {APIDb_GetDatabaseInfoID, "APIDb_GetDatabaseInfoID"},
    {APIDb_GetCurrentWindowID, "APIDb_GetCurrentWindowID"},
    {APIDb_SetZoomID, "APIDb_SetZoomID"},
    {APIDo_ChangeWindowID, "APIDo_ChangeWindowID"},
    {APIEnv_GetStorySettingsID, "APIEnv_GetStorySettingsID"},
    {APIEnv_ChangeStorySettingsID, "APIEnv_ChangeStorySettingsID"},
    {APIEnv_Get3DProjectionSetsID, "APIEnv_Get3DProjectionSetsID"},
    {APIEnv_Change3DProjectionSetsID, "APIEnv_Change3DProjectionSetsID"},
    {APIEnv_CreateGhostRecordID, "APIEnv_CreateGhostRecordID"},
    {APIEnv_GetLibrariesID, "APIEnv_GetLibrariesID"},
    {APIEnv_AddLibrariesID, "APIEnv_AddLibrariesID"},
    {APIAny_InitMDCLParameterListID, "APIAny_InitMDCLParameterListID"},
    {APIAny_AddMDCLParameterID, "APIAny_AddMDCLParameterID"},
    {APIAny_GetMDCLParameterID, "APIAny_GetMDCLParameterID"},
    {APIAny_GetMDCLParameterNumID, "APIAny_GetMDCLParameterNumID"},
    {APIAny_FreeMDCLParameterListID, "APIAny_FreeMDCLParameterListID"},
    {APIIo_GetMenuItemFlagsID, "APIIo_GetMenuItemFlagsID"},
    {APIIo_SetMenuItemFlagsID, "APIIo_SetMenuItemFlagsID"},
    {APIIo_GetMenuItemTextID, "APIIo_GetMenuItemTextID"},
    {APIIo_SetMenuItemTextID, "APIIo_SetMenuItemTextID"},
    {APITool_Lock, "APITool_Lock"},
    {APITool_Unlock, "APITool_Unlock"},
};

// A fault applies once per call, to the first of its names that has one.
bool takeFault(HostState& s, const std::string& key, GSErrCode* code) {
    const auto it = s.faults.find(key);
    if (it == s.faults.end() || it->second.remaining == 0) {
        return false;
    }
    *code = it->second.code;
    if (it->second.remaining > 0) {
        --it->second.remaining;
    }
    return true;
}

}  // namespace

HostState& state() {
    static HostState* instance = new HostState();  // lives to the very end: add-ons call it at unload
    return *instance;
}

std::string fourCCText(GSType code) {
    std::string text(4, ' ');
    for (int i = 0; i < 4; ++i) {
        text[static_cast<std::size_t>(i)] = static_cast<char>((code >> (24 - 8 * i)) & 0xFF);
    }
    return text;
}

std::string selectorName(GSType selector) {
    for (const SelectorName& entry : kSelectors) {
        if (entry.code == selector) {
            return entry.name;
        }
    }
    return {};
}

void HostState::touchElement(const API_Guid& guid) {
    if (!openCommand || openCommand->elements.count(guid) != 0) {
        return;
    }
    const auto it = project.elements.find(guid);
    openCommand->elements[guid] =
        it == project.elements.end() ? std::nullopt : std::optional<ElementRecord>(it->second);
}

void HostState::touchGroup(const API_Guid& guid) {
    if (!openCommand || openCommand->groups.count(guid) != 0) {
        return;
    }
    const auto it = project.groups.find(guid);
    openCommand->groups[guid] =
        it == project.groups.end() ? std::nullopt : std::optional<GroupRecord>(it->second);
}

void HostState::touchDatabase(const API_DatabaseUnId& id) {
    if (!openCommand || openCommand->databases.count(id) != 0) {
        return;
    }
    const auto it = project.databases.find(id);
    openCommand->databases[id] =
        it == project.databases.end() ? std::nullopt : std::optional<DatabaseRecord>(it->second);
}

void HostState::touchGhosts() {
    if (openCommand && !openCommand->ghosts) {
        openCommand->ghosts = project.ghosts;
    }
}

void HostState::eraseDatabase(const API_DatabaseUnId& id) {
    auto& ghosts = project.ghosts;
    const auto shows = [&](const API_GhostRecord& g) {
        return g.parentDatabase == id || g.ghostDatabase == id;
    };
    if (std::any_of(ghosts.begin(), ghosts.end(), shows)) {
        touchGhosts();
        ghosts.erase(std::remove_if(ghosts.begin(), ghosts.end(), shows), ghosts.end());
    }
    touchDatabase(id);
    project.databases.erase(id);
    if (project.currentDatabase == id) {
        project.currentDatabase = project.floorPlanId;
    }
    if (project.currentWindow.id == id) {
        project.currentWindow = {APIWind_FloorPlanID, project.floorPlanId};
    }
}

AddOnRecord* HostState::callingAddOn() {
    if (!callContext.empty()) {
        return addOn(callContext.back());
    }
    if (addOns.size() == 1) {
        return &addOns.begin()->second;
    }
    return nullptr;
}

AddOnRecord* HostState::addOn(GSResModule module) {
    const auto it = addOns.find(module);
    return it == addOns.end() ? nullptr : &it->second;
}

Call::Call(const char* function, GSType selector, Threads threads) {
    HostState& s = state();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    CallRecord record;
    record.function = function;
    record.selector = selector == 0 ? std::string() : fourCCText(selector);
    record.mainThread = std::this_thread::get_id() == s.mainThread;
    if (threads == Threads::MainOnly && !record.mainThread) {
        refused_ = true;
        refusal_ = APIERR_NOTMAINTHREAD;
    } else {
        GSErrCode code = NoError;
        const std::string name = selector == 0 ? std::string() : selectorName(selector);
        if (takeFault(s, function, &code) || (selector != 0 && takeFault(s, record.selector, &code)) ||
            (!name.empty() && takeFault(s, name, &code))) {
            refused_ = true;
            refusal_ = code;
        }
    }
    if (refused_) {
        record.result = refusal_;
    }
    if (refused_ && refusal_ == APIERR_NOTMAINTHREAD) {
        s.offMainThread.push_back(record);
    }
    if (s.calls.size() >= kMaxCallRecords) {
        s.calls.pop_front();
    }
    s.calls.push_back(record);
    record_ = s.calls.size() - 1;
    recorded_ = true;
}

GSErrCode Call::done(GSErrCode result) {
    HostState& s = state();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    // Calls made meanwhile (nested ones) may have shifted the record out; then it stays as it is.
    if (recorded_ && record_ < s.calls.size()) {
        s.calls[record_].result = result;
    }
    return result;
}

}  // namespace krx::sim
