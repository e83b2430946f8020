// Loading, registering, initialising and unloading add-ons; menu selection and the event loop.
#include <dlfcn.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "host/sim/HostState.hpp"

namespace krx::sim {
namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

bool readResources(AddOnRecord& addOn, std::string* error) {
    const std::filesystem::path dir = std::filesystem::path(addOn.bundlePath) / "Contents" / "Resources";
    std::vector<std::string> scripts;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".grc") {
            scripts.push_back(entry.path().string());
        }
    }
    std::sort(scripts.begin(), scripts.end());
    for (const std::string& script : scripts) {
        if (!addOn.resources.addFile(script, error, {dir.string()})) {
            return false;
        }
    }
    // The module identifier: the two numbers of the first 'MDID' resource.
    for (const ResourceBlock& block : addOn.resources.blocks()) {
        if (block.type != "MDID") {
            continue;
        }
        std::vector<long long> numbers;
        for (const ResourceItem& item : block.items) {
            for (const ResourceToken& token : item.tokens) {
                if (token.kind == ResourceToken::Kind::Number) {
                    numbers.push_back(token.number);
                }
            }
        }
        if (numbers.size() != 2) {
            if (error != nullptr) {
                *error = block.file + ":" + std::to_string(block.line) + ": 'MDID' needs two numbers";
            }
            return false;
        }
        addOn.mdid = API_ModulID{static_cast<UInt32>(numbers[0]), static_cast<UInt32>(numbers[1])};
        break;
    }
    return true;
}

std::string findModule(const std::string& bundlePath) {
    std::error_code ec;
    std::vector<std::string> candidates;
    const std::filesystem::path dir = std::filesystem::path(bundlePath) / "Contents" / "MacOS";
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (entry.is_regular_file()) {
            candidates.push_back(entry.path().string());
        }
    }
    std::sort(candidates.begin(), candidates.end());
    return candidates.empty() ? std::string() : candidates.front();
}

void setPhase(GSResModule module, AddOnPhase phase) {
    Lock lock(state().mutex);
    if (AddOnRecord* addOn = state().addOn(module)) {
        addOn->phase = phase;
    }
}

void note(GSResModule module, const std::string& step) {
    Lock lock(state().mutex);
    if (AddOnRecord* addOn = state().addOn(module)) {
        addOn->lifecycle.push_back(step);
    }
}

InProcessAddOn entriesOf(GSResModule module) {
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().addOn(module);
    return addOn == nullptr ? InProcessAddOn() : addOn->entries;
}

void freeData(GSResModule module) {
    const InProcessAddOn entries = entriesOf(module);
    setPhase(module, AddOnPhase::Freeing);
    note(module, "FreeData");
    if (entries.freeData != nullptr) {
        callOut(module, GSErrCode(APIERR_GENERAL), [&] { return entries.freeData(); });
    }
    Lock lock(state().mutex);
    if (AddOnRecord* addOn = state().addOn(module)) {
        addOn->initialized = false;
        addOn->phase = AddOnPhase::Idle;
    }
}

// Runs one posted command: the handler, then the completion callback, which owns the list then.
void runCommand(const PostedCommand& command) {
    GSErrCode result = APIERR_MODULNOTINSTALLED;
    APIModulCommandProc* handler = nullptr;
    APICommandCallBackProc* callback = command.callbackInModule ? nullptr : command.callback;
    bool loaded = false;
    if (ensureInitialized(command.module)) {
        Lock lock(state().mutex);
        const AddOnRecord* addOn = state().addOn(command.module);
        loaded = addOn != nullptr && addOn->loaded;
        if (command.callbackInModule && addOn->base != nullptr) {
            callback = reinterpret_cast<APICommandCallBackProc*>(
                reinterpret_cast<std::uintptr_t>(addOn->base + command.callbackOffset));
        }
        for (const ServiceRecord& service : addOn->services) {
            if (service.cmdID == command.cmdID && service.cmdVersion == command.cmdVersion) {
                handler = service.handler;
            }
        }
        result = APIERR_MODULCMDNOTSUPPORTED;
    }
    if (handler != nullptr) {
        result = callOut(command.module, GSErrCode(APIERR_GENERAL),
                         [&] { return handler(command.params, nullptr, command.silentMode); });
    }
    GSHandle params = command.params;
    if (callback != nullptr && loaded) {
        callOut(command.module, GSErrCode(NoError), [&] {
            callback(&params, nullptr, result);
            return GSErrCode(NoError);
        });
    } else if (params != nullptr) {
        bool isList = false;
        {
            Lock lock(state().mutex);
            isList = state().parameterLists.count(params) != 0;
        }
        if (isList) {
            releaseHandle(params);
        }
    }
    releaseAfterCommand(command.module);
}

}  // namespace

bool loadModule(AddOnRecord& addOn, std::string* error) {
    if (addOn.inProcess) {
        addOn.loaded = true;
        addOn.lifecycle.push_back("load");
        return true;
    }
    void* library = dlopen(addOn.modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        if (error != nullptr) {
            const char* message = dlerror();
            *error = message != nullptr ? message : "cannot load " + addOn.modulePath;
        }
        return false;
    }
    InProcessAddOn entries;
    entries.bundlePath = addOn.bundlePath;
    entries.checkEnvironment =
        reinterpret_cast<API_AddonType (*)(API_EnvirParams*)>(dlsym(library, "CheckEnvironment"));
    entries.registerInterface = reinterpret_cast<GSErrCode (*)()>(dlsym(library, "RegisterInterface"));
    entries.initialize = reinterpret_cast<GSErrCode (*)()>(dlsym(library, "Initialize"));
    entries.freeData = reinterpret_cast<GSErrCode (*)()>(dlsym(library, "FreeData"));
    if (entries.checkEnvironment == nullptr || entries.registerInterface == nullptr ||
        entries.initialize == nullptr || entries.freeData == nullptr) {
        dlclose(library);
        if (error != nullptr) {
            *error = addOn.modulePath + ": an entry point is missing";
        }
        return false;
    }
    addOn.library = library;
    Dl_info where{};
    if (dladdr(reinterpret_cast<void*>(entries.initialize), &where) != 0) {
        addOn.base = static_cast<const char*>(where.dli_fbase);
    }
    addOn.entries = entries;
    addOn.loaded = true;
    addOn.lifecycle.push_back("load");
    return true;
}

void unloadModule(AddOnRecord& addOn) {
    void* library = nullptr;
    {
        Lock lock(state().mutex);
        // Registrations stay with the host; what pointed into the module goes with it.
        for (MenuRecord& menu : state().menus) {
            if (menu.module == addOn.module) {
                menu.handler = nullptr;
            }
        }
        for (ServiceRecord& service : addOn.services) {
            service.handler = nullptr;
        }
        addOn.eventHandler = nullptr;
        addOn.eventMask = 0;
        addOn.loaded = false;
        addOn.initialized = false;
        addOn.keepInMemory = false;
        if (!addOn.inProcess) {
            addOn.entries = InProcessAddOn();
            addOn.entries.bundlePath = addOn.bundlePath;
        }
        library = addOn.library;
        addOn.library = nullptr;
        addOn.base = nullptr;
        addOn.lifecycle.push_back("unload");
    }
    // Without the lock: the module's destructors may call the host and join their threads. They
    // run as the add-on, so the host knows whose menus and resources they mean.
    if (library != nullptr) {
        callOut(addOn.module, 0, [&] { return dlclose(library); });
    }
}

bool ensureInitialized(GSResModule module) {
    AddOnRecord* addOn = nullptr;
    {
        Lock lock(state().mutex);
        addOn = state().addOn(module);
        if (addOn == nullptr) {
            return false;
        }
        if (addOn->initialized) {
            return true;
        }
    }
    if (!addOn->loaded && !loadModule(*addOn, nullptr)) {
        return false;
    }
    const InProcessAddOn entries = entriesOf(module);
    setPhase(module, AddOnPhase::Initializing);
    note(module, "Initialize");
    const GSErrCode result = entries.initialize == nullptr ? NoError
                                                           : callOut(module, GSErrCode(APIERR_GENERAL),
                                                                     [&] { return entries.initialize(); });
    setPhase(module, AddOnPhase::Running);
    if (result != NoError) {
        unloadModule(*addOn);
        return false;
    }
    Lock lock(state().mutex);
    addOn->initialized = true;
    return true;
}

void releaseAfterCommand(GSResModule module) {
    AddOnRecord* addOn = nullptr;
    {
        Lock lock(state().mutex);
        addOn = state().addOn(module);
        if (addOn == nullptr || addOn->keepInMemory || addOn->inProcess || !addOn->loaded) {
            return;
        }
    }
    if (addOn->initialized) {
        freeData(module);
    }
    unloadModule(*addOn);
}

namespace {

// Gives an add-on its module number and keeps its record in the host.
AddOnRecord* enrol(AddOnRecord&& record) {
    Lock lock(state().mutex);
    const GSResModule module = state().nextModule++;
    record.module = module;
    return &(state().addOns[module] = std::move(record));
}

// CheckEnvironment, the first call an add-on gets; the host keeps what the add-on says of itself.
API_AddonType checkEnvironment(GSResModule module, AddOnRecord& addOn, const InProcessAddOn& entries) {
    API_EnvirParams envir{};
    envir.serverInfo = {26, 0};
    API_AddonType type = APIAddon_Normal;
    if (entries.checkEnvironment != nullptr) {
        setPhase(module, AddOnPhase::CheckingEnvironment);
        note(module, "CheckEnvironment");
        type = callOut(module, APIAddon_DontRegister, [&] { return entries.checkEnvironment(&envir); });
    }
    Lock lock(state().mutex);
    addOn.info = envir.addOnInfo;
    addOn.type = type;
    return type;
}

void registerInterface(GSResModule module, const InProcessAddOn& entries) {
    if (entries.registerInterface == nullptr) {
        return;
    }
    setPhase(module, AddOnPhase::Registering);
    note(module, "RegisterInterface");
    callOut(module, GSErrCode(APIERR_GENERAL), [&] { return entries.registerInterface(); });
}

}  // namespace

void deliverProjectEvent(API_NotifyEventID event) {
    std::vector<std::pair<GSResModule, APIProjectEventHandlerProc*>> targets;
    {
        Lock lock(state().mutex);
        for (const auto& entry : state().addOns) {
            if (entry.second.loaded && entry.second.eventHandler != nullptr &&
                (entry.second.eventMask & static_cast<GSFlags>(event)) != 0) {
                targets.emplace_back(entry.first, entry.second.eventHandler);
            }
        }
    }
    for (const auto& target : targets) {
        callOut(target.first, GSErrCode(APIERR_GENERAL), [&] { return target.second(event, 0); });
    }
}

GSResModule Host::loadBundle(const std::string& bundlePath, std::string* error) {
    AddOnRecord record;
    record.bundlePath = bundlePath;
    record.modulePath = findModule(bundlePath);
    if (record.modulePath.empty()) {
        if (error != nullptr) {
            *error = bundlePath + ": no module in Contents/MacOS";
        }
        return 0;
    }
    if (!readResources(record, error)) {
        return 0;
    }
    AddOnRecord* addOn = enrol(std::move(record));
    const GSResModule module = addOn->module;
    if (!loadModule(*addOn, error)) {
        Lock lock(state().mutex);
        state().addOns.erase(module);
        return 0;
    }
    const InProcessAddOn entries = entriesOf(module);
    const API_AddonType type = checkEnvironment(module, *addOn, entries);
    if (type == APIAddon_DontRegister) {
        setPhase(module, AddOnPhase::Idle);
        unloadModule(*addOn);
        if (error != nullptr) {
            *error = bundlePath + ": the add-on does not register";
        }
        return module;
    }
    registerInterface(module, entries);
    setPhase(module, AddOnPhase::Idle);
    if (type != APIAddon_Preload) {
        unloadModule(*addOn);
    }
    return module;
}

GSResModule Host::attachAddOn(const InProcessAddOn& definition, std::string* error) {
    AddOnRecord record;
    record.bundlePath = definition.bundlePath;
    record.inProcess = true;
    record.entries = definition;
    if (!readResources(record, error)) {
        return 0;
    }
    AddOnRecord* addOn = enrol(std::move(record));
    const GSResModule module = addOn->module;
    loadModule(*addOn, error);
    if (checkEnvironment(module, *addOn, definition) != APIAddon_DontRegister) {
        registerInterface(module, definition);
    }
    setPhase(module, AddOnPhase::Running);
    return module;
}

GSErrCode Host::selectMenuItem(Int16 menuResID, Int16 itemIndex) {
    GSResModule module = 0;
    {
        Lock lock(state().mutex);
        const MenuRecord* found = nullptr;
        for (const MenuRecord& menu : state().menus) {
            if (menu.menuResID == menuResID) {
                found = &menu;
            }
        }
        if (found == nullptr || itemIndex < 1 || itemIndex > static_cast<Int16>(found->items.size())) {
            return APIERR_BADPARS;
        }
        if ((found->items[static_cast<std::size_t>(itemIndex - 1)].flags & API_MenuItemDisabled) != 0) {
            return APIERR_REFUSEDCMD;
        }
        module = found->module;
    }
    if (!ensureInitialized(module)) {
        return APIERR_GENERAL;
    }
    APIMenuCommandProc* handler = nullptr;
    {
        Lock lock(state().mutex);
        for (const MenuRecord& menu : state().menus) {
            if (menu.menuResID == menuResID && menu.module == module) {
                handler = menu.handler;
            }
        }
    }
    GSErrCode result = APIERR_REFUSEDCMD;
    if (handler != nullptr) {
        API_MenuParams params{};
        params.menuItemRef = {menuResID, itemIndex};
        result = callOut(module, GSErrCode(APIERR_GENERAL), [&] { return handler(&params); });
    }
    releaseAfterCommand(module);
    return result;
}

LeakReport Host::quit() {
    std::vector<GSResModule> modules;
    {
        Lock lock(state().mutex);
        for (const auto& entry : state().addOns) {
            modules.push_back(entry.first);
        }
    }
    for (GSResModule module : modules) {
        AddOnRecord* addOn = nullptr;
        {
            Lock lock(state().mutex);
            addOn = state().addOn(module);
        }
        if (addOn->initialized) {
            freeData(module);
        }
        if (addOn->loaded && !addOn->inProcess) {
            unloadModule(*addOn);
        }
    }
    LeakReport report = leaks();
    Lock lock(state().mutex);
    for (const std::string& line : report.lines) {
        state().debugOutput.push_back("Leak: " + line);
    }
    return report;
}

std::size_t Host::processPending() {
    std::size_t ran = 0;
    while (true) {
        PostedCommand command;
        {
            Lock lock(state().mutex);
            if (state().queue.empty()) {
                break;
            }
            command = state().queue.front();
            state().queue.pop_front();
        }
        runCommand(command);
        ++ran;
    }
    return ran;
}

bool Host::runUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (true) {
        processPending();
        if (condition()) {
            return true;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= end) {
            return false;
        }
        std::unique_lock<std::recursive_mutex> lock(state().mutex);
        state().posted.wait_until(lock, std::min(end, now + std::chrono::milliseconds(5)),
                                  [] { return !state().queue.empty(); });
    }
}

void Host::runContinuously(const std::atomic<bool>& stop) {
    while (!stop.load()) {
        processPending();
        std::unique_lock<std::recursive_mutex> lock(state().mutex);
        state().posted.wait_for(lock, std::chrono::milliseconds(10),
                                [&] { return !state().queue.empty() || stop.load(); });
    }
}

std::size_t Host::pendingCommands() const {
    Lock lock(state().mutex);
    return state().queue.size();
}

}  // namespace krx::sim
