#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/api/ACAPinc.hpp"
#include "host/sim/Project.hpp"

namespace krx::sim {

class ResourceScript;

// One host call as the host saw it.
struct CallRecord {
    std::string function;  // "ACAPI_Database", "BMAllocateHandle", ...
    std::string selector;  // four-character code of a multiplexed call, else empty
    bool mainThread = true;
    GSErrCode result = NoError;
};

// Memory and parameter lists that the add-ons allocated (or were given) and did not release.
struct LeakReport {
    std::size_t handles = 0;
    std::size_t pointers = 0;
    std::size_t parameterLists = 0;
    std::vector<std::string> lines;  // one per leaked block, in allocation order

    bool empty() const { return handles == 0 && pointers == 0 && parameterLists == 0; }
};

struct MenuItemState {
    Int16 menuResID = 0;
    Int16 itemIndex = 0;
    GS::UniString text;
    GS::UniString prompt;
    GSFlags flags = 0;
    int module = 0;  // the add-on that registered it
};

// An add-on linked into the test program itself instead of loaded from a bundle's module: the host
// calls the given entry points (any may be null) and treats `bundlePath` as the add-on's location,
// reading its resources from <bundlePath>/Contents/Resources. It cannot be unloaded.
struct InProcessAddOn {
    std::string bundlePath;
    API_AddonType (*checkEnvironment)(API_EnvirParams*) = nullptr;
    GSErrCode (*registerInterface)() = nullptr;
    GSErrCode (*initialize)() = nullptr;
    GSErrCode (*freeData)() = nullptr;
};

// The simulated host, one per process, and the driver that tests and tools use to work it as a user
// and the host's own main loop would. Driver operations run on the main thread (the thread that
// created or last reset the host); the host calls of host/api check that themselves.
class Host {
public:
    static Host& instance();

    // Back to a freshly started host: the add-ons are freed and unloaded as at quit, then a fresh
    // project, no add-ons, no posted commands, faults, records, debug output or memory accounting.
    // The calling thread becomes the main thread.
    void reset();
    bool isMainThread() const;

    // --- Add-ons -------------------------------------------------------------------------------------
    // Registers a bundle as the host does at start-up: loads its module and resources, calls
    // CheckEnvironment and RegisterInterface, and unloads it again (unless it asks to be preloaded).
    // Returns its resource module (> 0), or 0 with `error` set.
    GSResModule loadBundle(const std::string& bundlePath, std::string* error = nullptr);
    GSResModule attachAddOn(const InProcessAddOn& addOn, std::string* error = nullptr);
    bool isLoaded(GSResModule module) const;
    bool isInitialized(GSResModule module) const;
    // What the host did with an add-on, one word per step: "load", "CheckEnvironment",
    // "RegisterInterface", "unload", "Initialize", "FreeData".
    std::vector<std::string> lifecycle(GSResModule module) const;
    const ResourceScript* resources(GSResModule module) const;
    API_AddOnInfo addOnInfo(GSResModule module) const;
    std::optional<API_ModulID> moduleId(GSResModule module) const;

    // The user chooses a menu item: loads and initialises its add-on if needed, then calls its menu
    // handler. APIERR_REFUSEDCMD for a disabled item, APIERR_BADPARS for an unknown one.
    GSErrCode selectMenuItem(Int16 menuResID, Int16 itemIndex);
    std::vector<MenuItemState> menuItems() const;
    std::optional<MenuItemState> menuItem(Int16 menuResID, Int16 itemIndex) const;

    // The host quits: FreeData for every initialised add-on, unloads all, reports the leaks (also
    // written to the debug output).
    LeakReport quit();

    // --- Event loop ----------------------------------------------------------------------------------
    // Runs posted module commands (handler, then completion callback, in posting order) until none
    // is pending, including those posted meanwhile. Returns how many ran.
    std::size_t processPending();
    // Processes posts until `condition` holds (checked after each round) or `deadline` passes.
    bool runUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline);
    // Processes posts as they come until `stop` is set.
    void runContinuously(const std::atomic<bool>& stop);
    std::size_t pendingCommands() const;

    // --- Project -------------------------------------------------------------------------------------
    // The project, for setting up and inspecting (main thread; no rules applied, nothing recorded).
    Project& project();
    void newProject(bool reset);  // APINotify_New or APINotify_NewAndReset
    GSErrCode saveProject(const std::string& path) const;
    GSErrCode openProject(const std::string& path);  // APINotify_Open
    void closeProject();                             // APINotify_Close, then an empty fresh project
    std::vector<std::string> undoNames() const;
    // Takes back the last undo entry; false when there is none.
    bool undo();

    // --- Faults --------------------------------------------------------------------------------------
    // Makes the next `count` calls of `call` fail with `code`. `call` names a function
    // ("ACAPI_Element_Create", "BMAllocateHandle", "GX::ImageBase::GetFileInfo", "IO::File::ReadBin"),
    // a selector ("APIDb_ChangeCurrentDatabaseID") or a four-character code ("CDAT").
    void failNext(const std::string& call, int count, GSErrCode code);
    void failAlways(const std::string& call, GSErrCode code);
    void clearFaults();

    // --- Inspection ----------------------------------------------------------------------------------
    std::vector<CallRecord> calls() const;
    std::vector<CallRecord> offMainThreadCalls() const;  // refused calls from other threads
    std::size_t callCount(const std::string& call) const;
    void clearCalls();
    std::vector<std::string> debugOutput() const;
    LeakReport leaks() const;
    // The whole host state as JSON in a stable order.
    std::string snapshotJson() const;

private:
    Host() = default;
};

}  // namespace krx::sim
