#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "host/api/ACAPinc.hpp"
#include "host/sim/Host.hpp"
#include "host/sim/Project.hpp"
#include "host/sim/ResourceScript.hpp"

// Internal state of the simulated host, shared by the files that implement the host calls. Not for
// the add-on or the tests: they use host/api and host/sim/Host.hpp.
namespace krx::sim {

enum class AddOnPhase { Idle, CheckingEnvironment, Registering, Initializing, Running, Freeing };

struct ServiceRecord {
    GSType cmdID = 0;
    Int32 cmdVersion = 0;
    APIModulCommandProc* handler = nullptr;
};

struct AddOnRecord {
    GSResModule module = 0;
    std::string bundlePath;
    std::string modulePath;  // empty for an in-process add-on
    ResourceScript resources;
    std::optional<API_ModulID> mdid;
    API_AddOnInfo info;
    API_AddonType type = APIAddon_DontRegister;
    void* library = nullptr;
    const char* base = nullptr;  // load address of the module while loaded
    bool inProcess = false;
    bool loaded = false;
    bool initialized = false;
    bool keepInMemory = false;
    AddOnPhase phase = AddOnPhase::Idle;
    InProcessAddOn entries;  // resolved entry points while loaded
    std::vector<ServiceRecord> services;
    GSFlags eventMask = 0;
    APIProjectEventHandlerProc* eventHandler = nullptr;
    std::vector<std::string> lifecycle;
};

struct MenuItemRecord {
    GS::UniString text;
    GS::UniString prompt;
    GSFlags flags = 0;
};

struct MenuRecord {
    Int16 menuResID = 0;
    Int16 promptResID = 0;
    GSFlags registrationFlags = 0;
    GSResModule module = 0;
    int group = 0;  // menus registered into the same host menu share a group
    std::vector<MenuItemRecord> items;
    APIMenuCommandProc* handler = nullptr;
};

struct PostedCommand {
    GSResModule module = 0;
    GSType cmdID = 0;
    Int32 cmdVersion = 0;
    GSHandle params = nullptr;
    bool silentMode = false;
    APICommandCallBackProc* callback = nullptr;
    // A callback inside the add-on's module is kept relative to the module, which may be unloaded
    // and loaded again at another address before the command runs.
    std::ptrdiff_t callbackOffset = 0;
    bool callbackInModule = false;
};

// What one undoable command changed: the state of every touched record before it.
struct UndoEntry {
    GS::UniString name;
    std::map<API_Guid, std::optional<ElementRecord>> elements;
    std::map<API_Guid, std::optional<GroupRecord>> groups;
    std::map<API_DatabaseUnId, std::optional<DatabaseRecord>> databases;
    std::optional<std::vector<API_GhostRecord>> ghosts;  // the whole list, when the entry changed it
};

struct Fault {
    int remaining = 0;  // < 0: every call
    GSErrCode code = NoError;
};

struct Allocation {
    enum class Kind { Handle, Pointer, ParameterList };
    Kind kind = Kind::Handle;
    GSSize size = 0;
    UInt64 seq = 0;
};

struct Parameter {
    std::string name;
    Int32 type = 0;
    Int32 intValue = 0;
    bool boolValue = false;
    double floatValue = 0.0;
    std::string stringValue;
    void* pointerValue = nullptr;
};

struct HostState {
    mutable std::recursive_mutex mutex;
    std::condition_variable_any posted;  // signalled when a command is posted
    std::thread::id mainThread = std::this_thread::get_id();

    Project project = Project::fresh();
    std::vector<UndoEntry> undo;
    std::optional<UndoEntry> openCommand;

    std::map<GSResModule, AddOnRecord> addOns;
    GSResModule nextModule = 1;
    std::vector<MenuRecord> menus;
    int nextMenuGroup = 1;
    std::deque<PostedCommand> queue;
    std::vector<GSResModule> callContext;  // the add-on whose code runs, innermost last

    std::map<std::string, Fault> faults;
    std::deque<CallRecord> calls;
    std::vector<CallRecord> offMainThread;
    std::vector<std::string> debugOutput;

    std::map<const void*, Allocation> allocations;  // handles, pointers and lists held by add-ons
    std::map<GSHandle, std::vector<Parameter>> parameterLists;
    UInt64 allocationSeq = 0;

    // Journal a record before changing it, when an undoable command is open.
    void touchElement(const API_Guid& guid);
    void touchGroup(const API_Guid& guid);
    void touchDatabase(const API_DatabaseUnId& id);
    void touchGhosts();
    // A database goes: the ghosts shown in it or showing it go with it, and it stops being current.
    void eraseDatabase(const API_DatabaseUnId& id);

    // The add-on whose code is running, or the only add-on there is; null when neither.
    AddOnRecord* callingAddOn();
    AddOnRecord* addOn(GSResModule module);
};

HostState& state();

// Gate at the start of every host call: records it, refuses it when it is a main-thread call made
// on another thread or when a fault is injected for it.
class Call {
public:
    enum class Threads { MainOnly, Any };

    Call(const char* function, GSType selector = 0, Threads threads = Threads::MainOnly);
    bool refused() const { return refused_; }
    GSErrCode refusal() const { return refusal_; }
    // Records the result and returns it.
    GSErrCode done(GSErrCode result);

private:
    std::size_t record_ = 0;
    bool recorded_ = false;
    bool refused_ = false;
    GSErrCode refusal_ = NoError;
};

// Name of a selector ("APIDb_ChangeCurrentDatabaseID"), or empty for an unknown code.
std::string selectorName(GSType selector);
std::string fourCCText(GSType code);

// Runs add-on code with `module` as the calling add-on; an exception never reaches the host, the
// call then yields `fallback`. Never called with the state's mutex held.
template <typename R, typename F>
R callOut(GSResModule module, R fallback, F&& f) {
    {
        std::lock_guard<std::recursive_mutex> lock(state().mutex);
        state().callContext.push_back(module);
    }
    struct Pop {
        ~Pop() {
            std::lock_guard<std::recursive_mutex> lock(state().mutex);
            state().callContext.pop_back();
        }
    } pop;
    try {
        return f();
    } catch (...) {
        return fallback;
    }
}

// Memory bookkeeping used by the host itself when it hands memory to an add-on.
GSHandle allocateHandle(GSSize size, Allocation::Kind kind);
void releaseHandle(GSHandle handle);
GSPtr allocatePtr(GSSize size);

// Add-on life cycle (AddOns.cpp).
bool loadModule(AddOnRecord& addOn, std::string* error);
void unloadModule(AddOnRecord& addOn);
// Loads (when needed) and initialises an add-on before one of its commands; false when it fails.
bool ensureInitialized(GSResModule module);
// After a command: an add-on that is not kept in memory is freed and unloaded again.
void releaseAfterCommand(GSResModule module);
void deliverProjectEvent(API_NotifyEventID event);
// Puts back every record an undo entry touched (UndoCalls.cpp).
void restoreEntry(HostState& s, const UndoEntry& entry);

}  // namespace krx::sim
