#include "host/dg/DGMenu.hpp"

#include "host/sim/toolkit/TextConversion.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

using krx::sim::toolkit::MenuChoice;
using krx::sim::toolkit::MenuEntryRecord;
using krx::sim::toolkit::MenuRecord;
using krx::sim::toolkit::Toolkit;
using krx::sim::toolkit::utf8;

namespace DG {

CommandDescriptor::CommandDescriptor(const Command& command, const GS::UniString& text,
                                     const GS::UniString& description, bool enabled, bool systemCommand)
    : command_(command),
      text_(text),
      description_(description),
      enabled_(enabled),
      systemCommand_(systemCommand) {
    Toolkit::instance().registerCommand(command_.GetId(), this);
}

CommandDescriptor::~CommandDescriptor() {
    Toolkit::instance().unregisterCommand(command_.GetId(), this);
}

std::unique_ptr<CommandEvent> ContextMenu::Display(const Point& position) const {
    Toolkit& toolkit = Toolkit::instance();
    MenuRecord record;
    record.name = utf8(menu_->GetName());
    record.x = position.x;
    record.y = position.y;
    for (const MenuSimpleItem& item : menu_->GetItems()) {
        MenuEntryRecord entry;
        entry.command = item.GetCommand().GetId();
        if (const CommandDescriptor* descriptor = toolkit.commandDescriptor(entry.command)) {
            entry.text = utf8(descriptor->GetText());
            entry.enabled = descriptor->IsEnabled();
        }
        record.entries.push_back(entry);
    }

    // The menu stays open until the person chooses; one who was told nothing presses Escape.
    MenuChoice choice;
    const MenuEntryRecord* chosen = nullptr;
    if (toolkit.takeMenuChoice(&choice)) {
        for (std::size_t i = 0; i < record.entries.size() && chosen == nullptr; ++i) {
            const MenuEntryRecord& entry = record.entries[i];
            if ((choice.by == MenuChoice::By::Text && entry.text == choice.text) ||
                (choice.by == MenuChoice::By::Position &&
                 static_cast<std::size_t>(choice.position) == i + 1)) {
                chosen = &entry;
            }
        }
        if (choice.by != MenuChoice::By::Nothing && chosen == nullptr) {
            toolkit.addFault("context menu '" + record.name + "' has no entry " +
                             (choice.by == MenuChoice::By::Text ? "'" + choice.text + "'"
                                                                : std::to_string(choice.position)));
        }
    }
    std::unique_ptr<CommandEvent> result;
    if (chosen != nullptr && chosen->enabled) {
        record.chosenCommand = chosen->command;
        result = std::make_unique<CommandEvent>(Command(chosen->command));
    }
    toolkit.recordMenu(std::move(record));
    return result;
}

}  // namespace DG
