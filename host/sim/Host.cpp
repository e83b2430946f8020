#include "host/sim/Host.hpp"

#include <sstream>

#include "host/sim/HostState.hpp"

namespace krx::sim {
namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

const char* kindName(Allocation::Kind kind) {
    switch (kind) {
        case Allocation::Kind::Handle:
            return "handle";
        case Allocation::Kind::Pointer:
            return "pointer";
        case Allocation::Kind::ParameterList:
            return "parameter list";
    }
    return "block";
}

void freeEverything(HostState& s) {
    for (const auto& [block, allocation] : s.allocations) {
        if (allocation.kind == Allocation::Kind::Pointer) {
            delete[] static_cast<const char*>(block);
        } else {
            auto handle = const_cast<GSHandle>(static_cast<const char* const*>(block));
            delete[] * handle;
            delete handle;
        }
    }
    s.allocations.clear();
    s.parameterLists.clear();
}

}  // namespace

Host& Host::instance() {
    static Host host;
    return host;
}

void Host::reset() {
    // As at quit: add-ons stop their threads in FreeData before their modules go.
    quit();
    HostState& s = state();
    Lock lock(s.mutex);
    s.queue.clear();  // the lists of posted commands are freed with every other allocation below
    freeEverything(s);
    s.mainThread = std::this_thread::get_id();
    s.project = Project::fresh();
    s.undo.clear();
    s.openCommand.reset();
    s.addOns.clear();
    s.nextModule = 1;
    s.menus.clear();
    s.nextMenuGroup = 1;
    s.callContext.clear();
    s.faults.clear();
    s.calls.clear();
    s.offMainThread.clear();
    s.debugOutput.clear();
    s.allocationSeq = 0;
}

bool Host::isMainThread() const {
    Lock lock(state().mutex);
    return std::this_thread::get_id() == state().mainThread;
}

bool Host::isLoaded(GSResModule module) const {
    Lock lock(state().mutex);
    const AddOnRecord* addOn = state().addOn(module);
    return addOn != nullptr && addOn->loaded;
}

bool Host::isInitialized(GSResModule module) const {
    Lock lock(state().mutex);
    const AddOnRecord* addOn = state().addOn(module);
    return addOn != nullptr && addOn->initialized;
}

std::vector<std::string> Host::lifecycle(GSResModule module) const {
    Lock lock(state().mutex);
    const AddOnRecord* addOn = state().addOn(module);
    return addOn == nullptr ? std::vector<std::string>() : addOn->lifecycle;
}

const ResourceScript* Host::resources(GSResModule module) const {
    Lock lock(state().mutex);
    const AddOnRecord* addOn = state().addOn(module);
    return addOn == nullptr ? nullptr : &addOn->resources;
}

API_AddOnInfo Host::addOnInfo(GSResModule module) const {
    Lock lock(state().mutex);
    const AddOnRecord* addOn = state().addOn(module);
    return addOn == nullptr ? API_AddOnInfo() : addOn->info;
}

std::optional<API_ModulID> Host::moduleId(GSResModule module) const {
    Lock lock(state().mutex);
    const AddOnRecord* addOn = state().addOn(module);
    return addOn == nullptr ? std::nullopt : addOn->mdid;
}

std::vector<MenuItemState> Host::menuItems() const {
    Lock lock(state().mutex);
    std::vector<MenuItemState> items;
    for (const MenuRecord& menu : state().menus) {
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            items.push_back({menu.menuResID, static_cast<Int16>(i + 1), menu.items[i].text,
                             menu.items[i].prompt, menu.items[i].flags, menu.module});
        }
    }
    return items;
}

std::optional<MenuItemState> Host::menuItem(Int16 menuResID, Int16 itemIndex) const {
    for (const MenuItemState& item : menuItems()) {
        if (item.menuResID == menuResID && item.itemIndex == itemIndex) {
            return item;
        }
    }
    return std::nullopt;
}

Project& Host::project() {
    return state().project;
}

void Host::newProject(bool reset) {
    {
        Lock lock(state().mutex);
        state().project = Project::fresh();
        state().undo.clear();
    }
    deliverProjectEvent(reset ? APINotify_NewAndReset : APINotify_New);
}

void Host::closeProject() {
    deliverProjectEvent(APINotify_Close);
    Lock lock(state().mutex);
    state().project = Project::fresh();
    state().undo.clear();
}

void Host::failNext(const std::string& call, int count, GSErrCode code) {
    Lock lock(state().mutex);
    state().faults[call] = Fault{count, code};
}

void Host::failAlways(const std::string& call, GSErrCode code) {
    Lock lock(state().mutex);
    state().faults[call] = Fault{-1, code};
}

void Host::clearFaults() {
    Lock lock(state().mutex);
    state().faults.clear();
}

std::vector<CallRecord> Host::calls() const {
    Lock lock(state().mutex);
    return std::vector<CallRecord>(state().calls.begin(), state().calls.end());
}

std::vector<CallRecord> Host::offMainThreadCalls() const {
    Lock lock(state().mutex);
    return state().offMainThread;
}

std::size_t Host::callCount(const std::string& call) const {
    Lock lock(state().mutex);
    std::size_t count = 0;
    for (const CallRecord& record : state().calls) {
        if (record.function == call || (!record.selector.empty() && record.selector == call)) {
            ++count;
        }
    }
    return count;
}

void Host::clearCalls() {
    Lock lock(state().mutex);
    state().calls.clear();
    state().offMainThread.clear();
}

std::vector<std::string> Host::debugOutput() const {
    Lock lock(state().mutex);
    return state().debugOutput;
}

LeakReport Host::leaks() const {
    Lock lock(state().mutex);
    std::vector<std::pair<UInt64, std::string>> lines;
    LeakReport report;
    for (const auto& [block, allocation] : state().allocations) {
        switch (allocation.kind) {
            case Allocation::Kind::Handle:
                ++report.handles;
                break;
            case Allocation::Kind::Pointer:
                ++report.pointers;
                break;
            case Allocation::Kind::ParameterList:
                ++report.parameterLists;
                break;
        }
        std::ostringstream line;
        line << kindName(allocation.kind) << " #" << allocation.seq;
        if (allocation.kind == Allocation::Kind::ParameterList) {
            const auto it =
                state().parameterLists.find(const_cast<GSHandle>(static_cast<const char* const*>(block)));
            line << " with " << (it == state().parameterLists.end() ? 0 : it->second.size()) << " parameters";
        } else {
            line << " of " << allocation.size << " bytes";
        }
        lines.emplace_back(allocation.seq, line.str());
    }
    std::sort(lines.begin(), lines.end());
    for (const auto& line : lines) {
        report.lines.push_back(line.second);
    }
    return report;
}

}  // namespace krx::sim
