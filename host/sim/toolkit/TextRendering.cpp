#include "host/sim/toolkit/TextRendering.hpp"

#include <algorithm>
#include <sstream>

#include "host/dg/DGImage.hpp"
#include "host/dg/VBALAttributeList.hpp"
#include "host/sim/toolkit/TextConversion.hpp"

namespace krx::sim::toolkit {

namespace {

std::size_t displayWidth(const std::string& text) {
    return uni(text).GetLength();
}

std::string pad(const std::string& text, std::size_t width, Justification justification) {
    const std::size_t length = displayWidth(text);
    if (length >= width) {
        return text;
    }
    const std::size_t fill = width - length;
    switch (justification) {
        case Justification::Right:
            return std::string(fill, ' ') + text;
        case Justification::Center:
            return std::string(fill / 2, ' ') + text + std::string(fill - fill / 2, ' ');
        case Justification::Left:
            break;
    }
    return text + std::string(fill, ' ');
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string iconText(const ListIcon& icon) {
    if (icon.isEmpty()) {
        return {};
    }
    if (icon.module == DG::HostResourceModule && icon.resourceId == DG::CheckedIconId) {
        return "[x]";
    }
    if (icon.module == DG::HostResourceModule && icon.resourceId == DG::UncheckedIconId) {
        return "[ ]";
    }
    return "[icon " + std::to_string(icon.module) + "/" + std::to_string(icon.resourceId) + "]";
}

std::string cellText(const ListModel& list, short row, short tab) {
    const std::string icon = iconText(list.cellIcon(row, tab));
    const std::string text = list.cellText(row, tab);
    if (icon.empty()) {
        return text;
    }
    return text.empty() ? icon : icon + " " + text;
}

std::string popupLine(const ItemModel& item) {
    const PopupModel& popup = *item.popup();
    std::string line = "TextPopup <" + popup.currentText() + ">";
    line += " entries:";
    if (popup.itemCount() == 0) {
        line += " none";
    }
    for (short i = 1; i <= popup.itemCount(); ++i) {
        line += (i == 1 ? " " : " | ") + popup.itemText(i);
    }
    return line;
}

// The list whose selected row shows this item, with the row and tab field; false when none does.
bool onTabPlace(const ItemModel& item, short* list, short* row, short* tab) {
    const PanelModel& panel = item.panel();
    for (short i = 1; i <= panel.itemCount(); ++i) {
        const ItemModel* candidate = panel.item(i);
        if (!candidate->isList()) {
            continue;
        }
        for (const auto& [field, number] : candidate->list()->onTabItems()) {
            if (number == item.number() && candidate->list()->firstSelected() != 0) {
                *list = i;
                *row = candidate->list()->firstSelected();
                *tab = field;
                return true;
            }
        }
    }
    return false;
}

std::string attributeRowText(const VBAL::APIAttributeListItem& row) {
    std::string text = utf8(row.GetName()) + " ";
    if (const auto* check = dynamic_cast<const VBAL::APIAttributeListCheckItem*>(&row)) {
        text += check->GetState() ? "[x]" : "[ ]";
    } else if (const auto* selection = dynamic_cast<const VBAL::APIAttributeListSelectionItem*>(&row)) {
        text += "<" + utf8(selection->GetEntryText(selection->GetSelected())) + "> of";
        for (short i = 1; i <= selection->GetEntryCount(); ++i) {
            text += (i == 1 ? " " : " | ") + utf8(selection->GetEntryText(i));
        }
    } else if (const auto* integer = dynamic_cast<const VBAL::APIAttributeListIntegerItem*>(&row)) {
        text += "[" + std::to_string(integer->GetValue()) + "] (" + std::to_string(integer->GetMinValue()) +
                ".." + std::to_string(integer->GetMaxValue()) + ")";
    }
    return text;
}

void renderAttributeList(std::ostringstream& out, const VBAL::APIAttributeList& list) {
    for (short g = 1; g <= list.GetGroupCount(); ++g) {
        const VBAL::APIAttributeListGroupItem* group = list.GetGroup(g);
        if (!group->GetName().IsEmpty()) {
            out << "      " << utf8(group->GetName()) << "\n";
        }
        for (short i = 1; i <= group->GetItemCount(); ++i) {
            out << "      " << attributeRowText(*group->GetItem(i)) << "\n";
        }
    }
}

const char* panelKindName(PanelKind kind) {
    switch (kind) {
        case PanelKind::Palette:
            return "Palette";
        case PanelKind::ModalDialog:
            return "Dialog";
        case PanelKind::ModelessDialog:
            return "Window";
    }
    return "?";
}

}  // namespace

std::string renderList(const ItemModel& item) {
    const ListModel& list = *item.list();
    const PanelModel& panel = item.panel();
    const short first = list.firstSelected();

    // A tab field is a column when it has a header text, or something shows in it.
    std::vector<short> columns;
    for (short tab = 1; tab <= list.tabFieldCount(); ++tab) {
        bool used = !list.headerItemText(tab).empty() || (first != 0 && list.onTabItem(tab) != 0);
        for (short row = 1; row <= list.itemCount() && !used; ++row) {
            used = !cellText(list, row, tab).empty();
        }
        if (used) {
            columns.push_back(tab);
        }
    }

    std::vector<std::vector<std::string>> table;
    std::vector<std::string> header;
    for (short tab : columns) {
        std::string text = list.headerItemText(tab);
        if (list.headerArrow(tab) == HeaderArrow::Up) {
            text += " ^";
        } else if (list.headerArrow(tab) == HeaderArrow::Down) {
            text += " v";
        }
        header.push_back(text);
    }
    for (short row = 1; row <= list.itemCount(); ++row) {
        std::vector<std::string> cells;
        for (short tab : columns) {
            std::string text = cellText(list, row, tab);
            const ItemModel* onTab = row == first ? panel.item(list.onTabItem(tab)) : nullptr;
            if (onTab != nullptr) {
                const std::string shown = onTab->popup() ? onTab->popup()->currentText()
                                                         : (onTab->text.empty() ? "?" : onTab->text);
                text = text.empty() ? "<" + shown + ">" : text + " <" + shown + ">";
            }
            cells.push_back(text);
        }
        table.push_back(cells);
    }
    std::vector<std::size_t> widths;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        std::size_t width = item.hasHeader ? displayWidth(header[c]) : 0;
        for (const auto& cells : table) {
            width = std::max(width, displayWidth(cells[c]));
        }
        widths.push_back(width);
    }

    std::ostringstream out;
    const auto line = [&](const std::string& mark, const std::vector<std::string>& cells, bool isHeader) {
        out << "      " << mark;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const TabField* field = list.tabField(columns[c]);
            const Justification justification =
                isHeader || field == nullptr ? Justification::Left : field->justification;
            out << (c == 0 ? "| " : " | ") << pad(cells[c], widths[c], justification);
        }
        out << (cells.empty() ? "|" : " |") << "\n";
    };
    if (item.hasHeader) {
        line("  ", header, true);
    }
    for (short row = 1; row <= list.itemCount(); ++row) {
        line(list.isSelected(row) ? "* " : "  ", table[static_cast<std::size_t>(row - 1)], false);
    }
    if (list.itemCount() == 0) {
        out << "        (no rows)\n";
    }
    return out.str();
}

std::string renderPanel(const PanelModel& panel) {
    std::ostringstream out;
    out << panelKindName(panel.kind()) << " " << quoted(panel.title) << " " << panel.clientWidth << "x"
        << panel.clientHeight;
    if (!panel.visible) {
        out << " (hidden)";
    }
    out << "\n";
    for (short i = 1; i <= panel.itemCount(); ++i) {
        const ItemModel& item = *panel.item(i);
        short list = 0;
        short row = 0;
        short tab = 0;
        const bool onTab = onTabPlace(item, &list, &row, &tab);
        out << "  [" << i << "] ";
        switch (item.kind()) {
            case ItemKind::Button:
                out << "Button " << quoted(item.text);
                break;
            case ItemKind::LeftText:
            case ItemKind::RightText:
            case ItemKind::CenterText:
                out << itemKindWord(item.kind()) << " " << quoted(item.text);
                break;
            case ItemKind::TextEdit:
                out << "TextEdit " << quoted(item.text);
                break;
            case ItemKind::UserControl:
                if (item.popup() != nullptr) {
                    out << popupLine(item);
                } else if (item.attributeList != nullptr) {
                    out << "AttributeList";
                } else {
                    out << "UserControl " << item.controlClass();
                }
                break;
            case ItemKind::SingleSelList:
            case ItemKind::MultiSelList: {
                const ListModel& model = *item.list();
                out << itemKindWord(item.kind()) << ", " << model.itemCount() << " rows";
                if (model.isDrawingSuspended()) {
                    out << " (drawing suspended)";
                }
                break;
            }
        }
        if (onTab) {
            out << " (in list " << list << " row " << row << ", tab " << tab << ")";
        } else if (!item.visible) {
            out << " (hidden)";
        }
        if (!item.enabled) {
            out << " (disabled)";
        }
        if (panel.focusedItem == i) {
            out << " (focus)";
        }
        out << "\n";
        if (item.isList()) {
            out << renderList(item);
        } else if (item.attributeList != nullptr) {
            renderAttributeList(out, *item.attributeList);
        }
    }
    return out.str();
}

std::string renderAlerts(const std::vector<AlertRecord>& alerts) {
    std::ostringstream out;
    for (const AlertRecord& alert : alerts) {
        out << (alert.kind == AlertRecord::Kind::Warning ? "Warning " : "Information ")
            << quoted(alert.largeText);
        if (!alert.smallText.empty()) {
            out << " " << quoted(alert.smallText);
        }
        for (std::size_t i = 0; i < alert.buttons.size(); ++i) {
            if (!alert.buttons[i].empty()) {
                out << " [" << alert.buttons[i] << "]";
            }
        }
        const auto pressed = static_cast<std::size_t>(alert.pressed);
        out << " -> " << (pressed >= 1 && pressed <= alert.buttons.size() ? alert.buttons[pressed - 1] : "?");
        if (!alert.scripted) {
            out << " (unanswered: first button)";
        }
        out << "\n";
    }
    return out.str();
}

std::string renderMenus(const std::vector<MenuRecord>& menus) {
    std::ostringstream out;
    for (const MenuRecord& menu : menus) {
        out << "Menu " << quoted(menu.name) << ":";
        std::string chosen = "nothing";
        for (const MenuEntryRecord& entry : menu.entries) {
            out << " [" << entry.text << (entry.enabled ? "" : " (disabled)") << "]";
            if (entry.command == menu.chosenCommand) {
                chosen = quoted(entry.text);
            }
        }
        out << " -> " << chosen << "\n";
    }
    return out.str();
}

}  // namespace krx::sim::toolkit
