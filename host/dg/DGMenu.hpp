#pragma once

// Commands and menus. A command is a number; its descriptor, while it exists, gives the command its
// text and enabled state wherever a menu shows it. A context menu shows a menu at a point and waits
// for the person's choice.

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "host/api/UniString.hpp"
#include "host/dg/DGEvents.hpp"

namespace DG {

class Command {
public:
    Command() = default;
    explicit Command(Int32 id) : id_(id) {}
    Int32 GetId() const { return id_; }
    bool IsValid() const { return id_ != 0; }

    bool operator==(const Command& other) const { return id_ == other.id_; }
    bool operator!=(const Command& other) const { return id_ != other.id_; }
    bool operator<(const Command& other) const { return id_ < other.id_; }
    std::size_t GetHashValue() const { return static_cast<std::size_t>(id_); }

private:
    Int32 id_ = 0;
};

class CommandDescriptor {
public:
    CommandDescriptor(const Command& command, const GS::UniString& text,
                      const GS::UniString& description = {}, bool enabled = true, bool systemCommand = false);
    ~CommandDescriptor();
    CommandDescriptor(const CommandDescriptor&) = delete;
    CommandDescriptor& operator=(const CommandDescriptor&) = delete;

    Command GetCommand() const { return command_; }
    const GS::UniString& GetText() const { return text_; }
    void SetText(const GS::UniString& text) { text_ = text; }
    const GS::UniString& GetDescription() const { return description_; }
    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    void Enable() { enabled_ = true; }
    void Disable() { enabled_ = false; }
    bool IsSystemCommand() const { return systemCommand_; }

private:
    Command command_;
    GS::UniString text_;
    GS::UniString description_;
    bool enabled_;
    bool systemCommand_;
};

class MenuSimpleItem {
public:
    explicit MenuSimpleItem(const Command& command) : command_(command) {}
    Command GetCommand() const { return command_; }

private:
    Command command_;
};

class Menu {
public:
    explicit Menu(const GS::UniString& name) : name_(name) {}
    const GS::UniString& GetName() const { return name_; }
    void AddItem(const MenuSimpleItem& item) { items_.push_back(item); }
    short GetItemCount() const { return static_cast<short>(items_.size()); }
    const std::vector<MenuSimpleItem>& GetItems() const { return items_; }

private:
    GS::UniString name_;
    std::vector<MenuSimpleItem> items_;
};

// How the toolkit reports the chosen command.
class CommandEvent {
public:
    explicit CommandEvent(const Command& command) : command_(command) {}
    Command GetCommand() const { return command_; }

private:
    Command command_;
};

class ContextMenu {
public:
    explicit ContextMenu(const Menu& menu) : menu_(&menu) {}

    // Shows the menu's entries with their descriptors' texts and waits for the person. Returns the
    // chosen command, or null when the person chose nothing (or an entry that was disabled).
    std::unique_ptr<CommandEvent> Display(const Point& position) const;

private:
    const Menu* menu_;
};

}  // namespace DG

namespace std {
template <>
struct hash<DG::Command> {
    std::size_t operator()(const DG::Command& command) const { return command.GetHashValue(); }
};
}  // namespace std
