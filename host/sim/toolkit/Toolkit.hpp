#pragma once

// The simulated toolkit's global state: the window resources it can build, the panels that exist,
// the command table of context menus, and what the driver has scripted for the moments when the
// toolkit itself waits for the user (alerts, context menus, modal dialogs). Main thread only.

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "host/sim/toolkit/PanelDescription.hpp"

namespace DG {
class CommandDescriptor;
}  // namespace DG

namespace krx::sim::toolkit {

class PanelModel;

struct AlertRecord {
    enum class Kind { Warning, Information };
    Kind kind = Kind::Warning;
    std::string largeText;
    std::string smallText;
    std::vector<std::string> buttons;  // the buttons shown, from the first
    short pressed = 0;                 // 1 for the first button
    bool scripted = false;             // false: nobody had answered it in advance
};

struct MenuEntryRecord {
    int command = 0;
    std::string text;
    bool enabled = false;
};

struct MenuRecord {
    std::string name;
    std::vector<MenuEntryRecord> entries;
    short x = 0;
    short y = 0;
    int chosenCommand = 0;  // 0: no command chosen
};

// How the person answers a context menu: by the entry's text, by its place from 1, or not at all.
struct MenuChoice {
    enum class By { Nothing, Text, Position };
    By by = By::Nothing;
    std::string text;
    short position = 0;
};

struct AlertAnswer {
    short button = 0;  // 0: look the button up by its text
    std::string buttonText;
};

class Toolkit {
public:
    // The toolkit belongs to the main thread: the thread that first used it or last reset it. A use
    // from any other thread is recorded as a fault (and is a data race, as with the real toolkit).
    static Toolkit& instance();

    // Forgets scripts, records, faults and window resources; panels that still exist stay. The
    // calling thread becomes the main thread.
    void reset();
    bool isMainThread() const { return std::this_thread::get_id() == mainThread_.load(); }

    using ResourceLookup = std::function<bool(int module, short resourceId, PanelDescription*)>;
    // Window resources are looked up in those added directly, then through the lookup given, then in
    // the resource file of the add-on the simulated host loaded for that module.
    void setResourceLookup(ResourceLookup lookup) { lookup_ = std::move(lookup); }
    void addPanelDescription(int module, short resourceId, PanelDescription description);
    bool findPanelDescription(int module, short resourceId, PanelDescription* description);

    short registerPanel(PanelModel* panel);
    void unregisterPanel(PanelModel* panel);
    PanelModel* panel(short id) const;
    bool isAlive(const PanelModel* panel) const;
    std::vector<PanelModel*> panels() const;
    // The newest existing panel built from that resource, or with that GUID; null when none.
    PanelModel* findPanelByResource(short resourceId) const;
    PanelModel* findPanelByGuid(const std::string& guid) const;

    void registerCommand(int command, DG::CommandDescriptor* descriptor);
    void unregisterCommand(int command, const DG::CommandDescriptor* descriptor);
    DG::CommandDescriptor* commandDescriptor(int command) const;

    void queueAlertAnswer(AlertAnswer answer) { alertAnswers_.push_back(std::move(answer)); }
    // The next answer, or none: an alert nobody answered in advance gets its first button, as if the
    // person had pressed Return; it is recorded as not scripted.
    bool takeAlertAnswer(AlertAnswer* answer);
    void recordAlert(AlertRecord record) { alerts_.push_back(std::move(record)); }
    const std::vector<AlertRecord>& alerts() const { return alerts_; }

    void queueMenuChoice(MenuChoice choice) { menuChoices_.push_back(std::move(choice)); }
    bool takeMenuChoice(MenuChoice* choice);
    void clearMenuChoices() { menuChoices_.clear(); }
    void recordMenu(MenuRecord record) { menus_.push_back(std::move(record)); }
    const std::vector<MenuRecord>& menus() const { return menus_; }

    using ModalScript = std::function<void(short panelId)>;
    // What the person does while the next modal dialog is open; run while Invoke is on the stack.
    void queueModalScript(ModalScript script) { modalScripts_.push_back(std::move(script)); }
    bool takeModalScript(ModalScript* script);
    std::size_t pendingModalScripts() const { return modalScripts_.size(); }

    // Calls the toolkit could not honour (an item of the wrong kind, a number out of range): a real
    // toolkit would assert; tests check that none happened.
    void addFault(std::string fault);
    std::vector<std::string> faults() const;

private:
    Toolkit() = default;

    ResourceLookup lookup_;
    std::map<std::pair<int, short>, PanelDescription> descriptions_;
    std::map<short, PanelModel*> panels_;
    short nextPanelId_ = 1;
    std::map<int, DG::CommandDescriptor*> commands_;
    std::deque<AlertAnswer> alertAnswers_;
    std::vector<AlertRecord> alerts_;
    std::deque<MenuChoice> menuChoices_;
    std::vector<MenuRecord> menus_;
    std::deque<ModalScript> modalScripts_;
    std::atomic<std::thread::id> mainThread_{std::this_thread::get_id()};
    mutable std::mutex faultsMutex_;
    std::vector<std::string> faults_;
};

}  // namespace krx::sim::toolkit
