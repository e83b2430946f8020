// Undoable commands and taking them back.
#include "host/sim/HostState.hpp"

namespace krx::sim {

// Puts every record an entry touched back as it was before the entry.
void restoreEntry(HostState& s, const UndoEntry& entry) {
    Project& project = s.project;
    for (const auto& [guid, before] : entry.elements) {
        if (before) {
            project.elements[guid] = *before;
        } else {
            project.elements.erase(guid);
        }
    }
    for (const auto& [guid, before] : entry.groups) {
        if (before) {
            project.groups[guid] = *before;
        } else {
            project.groups.erase(guid);
        }
    }
    for (const auto& [id, before] : entry.databases) {
        if (before) {
            project.databases[id] = *before;
        } else {
            project.databases.erase(id);
        }
    }
    if (entry.ghosts) {
        project.ghosts = *entry.ghosts;
    }
    if (project.database(project.currentDatabase) == nullptr) {
        project.currentDatabase = project.floorPlanId;
    }
    if (project.database(project.currentWindow.id) == nullptr) {
        project.currentWindow = {APIWind_FloorPlanID, project.floorPlanId};
    }
}

std::vector<std::string> Host::undoNames() const {
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    std::vector<std::string> names;
    for (const UndoEntry& entry : state().undo) {
        names.push_back(entry.name.ToCStr().str());
    }
    return names;
}

bool Host::undo() {
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    HostState& s = state();
    if (s.undo.empty() || s.openCommand) {
        return false;
    }
    const UndoEntry entry = s.undo.back();
    s.undo.pop_back();
    restoreEntry(s, entry);
    return true;
}

}  // namespace krx::sim

GSErrCode ACAPI_CallUndoableCommand(const GS::UniString& undoString,
                                    const std::function<GSErrCode()>& command) {
    using krx::sim::state;
    krx::sim::Call call("ACAPI_CallUndoableCommand");
    if (call.refused()) {
        return call.refusal();
    }
    {
        std::lock_guard<std::recursive_mutex> lock(state().mutex);
        if (state().openCommand) {
            return call.done(APIERR_REFUSEDCMD);  // undoable commands do not nest
        }
        if (!command) {
            return call.done(APIERR_BADPARS);
        }
        state().openCommand = krx::sim::UndoEntry();
        state().openCommand->name = undoString;
    }
    GSErrCode result = APIERR_GENERAL;
    try {
        result = command();
    } catch (...) {
        result = APIERR_GENERAL;
    }
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    krx::sim::UndoEntry entry = std::move(*state().openCommand);
    state().openCommand.reset();
    if (result != NoError) {
        krx::sim::restoreEntry(state(), entry);
    } else {
        state().undo.push_back(std::move(entry));
    }
    return call.done(result);
}
