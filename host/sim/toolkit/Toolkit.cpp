#include "host/sim/toolkit/Toolkit.hpp"

#include "host/sim/Host.hpp"
#include "host/sim/ResourceScript.hpp"
#include "host/sim/toolkit/DialogResource.hpp"
#include "host/sim/toolkit/PanelModel.hpp"

namespace krx::sim::toolkit {

Toolkit& Toolkit::instance() {
    // Never destroyed: an add-on linked into the program may destroy its windows at exit, after
    // the toolkit's own statics would be gone.
    static auto* toolkit = new Toolkit;
    if (!toolkit->isMainThread()) {
        toolkit->addFault("the toolkit was used off the main thread");
    }
    return *toolkit;
}

void Toolkit::addFault(std::string fault) {
    std::lock_guard<std::mutex> lock(faultsMutex_);
    faults_.push_back(std::move(fault));
}

std::vector<std::string> Toolkit::faults() const {
    std::lock_guard<std::mutex> lock(faultsMutex_);
    return faults_;
}

void Toolkit::reset() {
    mainThread_.store(std::this_thread::get_id());
    lookup_ = nullptr;
    descriptions_.clear();
    alertAnswers_.clear();
    alerts_.clear();
    menuChoices_.clear();
    menus_.clear();
    modalScripts_.clear();
    std::lock_guard<std::mutex> lock(faultsMutex_);
    faults_.clear();
}

void Toolkit::addPanelDescription(int module, short resourceId, PanelDescription description) {
    descriptions_[{module, resourceId}] = std::move(description);
}

bool Toolkit::findPanelDescription(int module, short resourceId, PanelDescription* description) {
    const auto it = descriptions_.find({module, resourceId});
    if (it != descriptions_.end()) {
        *description = it->second;
        return true;
    }
    if (lookup_ && lookup_(module, resourceId, description)) {
        return true;
    }
    // The resource file of the loaded add-on that owns the module.
    const ResourceScript* script = Host::instance().resources(module);
    if (script == nullptr || script->find("GDLG", resourceId) == nullptr) {
        return false;
    }
    std::string error;
    if (!readPanelDescription(*script, resourceId, description, &error)) {
        addFault(error);
        return false;
    }
    return true;
}

short Toolkit::registerPanel(PanelModel* panel) {
    // Panel ids are never 0 (a panel that could not be built has id 0) and never reused while the
    // program runs, so a stale id finds nothing.
    const short id = nextPanelId_++;
    if (nextPanelId_ <= 0) {
        nextPanelId_ = 1;
    }
    panels_[id] = panel;
    return id;
}

void Toolkit::unregisterPanel(PanelModel* panel) {
    for (auto it = panels_.begin(); it != panels_.end(); ++it) {
        if (it->second == panel) {
            panels_.erase(it);
            return;
        }
    }
}

PanelModel* Toolkit::panel(short id) const {
    const auto it = panels_.find(id);
    return it == panels_.end() ? nullptr : it->second;
}

bool Toolkit::isAlive(const PanelModel* panel) const {
    for (const auto& entry : panels_) {
        if (entry.second == panel) {
            return true;
        }
    }
    return false;
}

std::vector<PanelModel*> Toolkit::panels() const {
    std::vector<PanelModel*> result;
    for (const auto& entry : panels_) {
        result.push_back(entry.second);
    }
    return result;
}

PanelModel* Toolkit::findPanelByResource(short resourceId) const {
    PanelModel* found = nullptr;
    for (const auto& entry : panels_) {
        if (entry.second->resourceId() == resourceId) {
            found = entry.second;
        }
    }
    return found;
}

PanelModel* Toolkit::findPanelByGuid(const std::string& guid) const {
    PanelModel* found = nullptr;
    for (const auto& entry : panels_) {
        if (!guid.empty() && entry.second->guid == guid) {
            found = entry.second;
        }
    }
    return found;
}

void Toolkit::registerCommand(int command, DG::CommandDescriptor* descriptor) {
    commands_[command] = descriptor;
}

void Toolkit::unregisterCommand(int command, const DG::CommandDescriptor* descriptor) {
    const auto it = commands_.find(command);
    if (it != commands_.end() && it->second == descriptor) {
        commands_.erase(it);
    }
}

DG::CommandDescriptor* Toolkit::commandDescriptor(int command) const {
    const auto it = commands_.find(command);
    return it == commands_.end() ? nullptr : it->second;
}

bool Toolkit::takeAlertAnswer(AlertAnswer* answer) {
    if (alertAnswers_.empty()) {
        return false;
    }
    *answer = std::move(alertAnswers_.front());
    alertAnswers_.pop_front();
    return true;
}

bool Toolkit::takeMenuChoice(MenuChoice* choice) {
    if (menuChoices_.empty()) {
        return false;
    }
    *choice = std::move(menuChoices_.front());
    menuChoices_.pop_front();
    return true;
}

bool Toolkit::takeModalScript(ModalScript* script) {
    if (modalScripts_.empty()) {
        return false;
    }
    *script = std::move(modalScripts_.front());
    modalScripts_.pop_front();
    return true;
}

}  // namespace krx::sim::toolkit
