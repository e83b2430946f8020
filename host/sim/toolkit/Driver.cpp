#include "host/sim/toolkit/Driver.hpp"

#include <algorithm>
#include <limits>
#include <optional>

#include "host/dg/DGPanel.hpp"
#include "host/dg/VBALAttributeList.hpp"
#include "host/sim/Host.hpp"
#include "host/sim/toolkit/EventDispatch.hpp"
#include "host/sim/toolkit/PanelModel.hpp"
#include "host/sim/toolkit/TextConversion.hpp"
#include "host/sim/toolkit/TextRendering.hpp"

namespace krx::sim::toolkit {

namespace {

std::string panelName(const PanelModel& panel) {
    return "window " + std::to_string(panel.resourceId());
}

std::string itemName(const ItemModel& item) {
    return panelName(item.panel()) + " item " + std::to_string(item.number());
}

// A modal dialog in front takes every action for itself.
const PanelModel* frontModal() {
    const PanelModel* front = nullptr;
    for (const PanelModel* panel : Toolkit::instance().panels()) {
        if (panel->kind() == PanelKind::ModalDialog && panel->modalRunning && !panel->closeRequested) {
            front = panel;  // ids grow, so the last one found opened last
        }
    }
    return front;
}

// Where a pop-up attached to a list shows: the list and the tab field, when a row is selected.
bool shownOnTab(const ItemModel& popup, const ItemModel** list, short* tab) {
    const PanelModel& panel = popup.panel();
    for (short i = 1; i <= panel.itemCount(); ++i) {
        const ItemModel* candidate = panel.item(i);
        if (!candidate->isList() || !candidate->isReachable() || candidate->list()->firstSelected() == 0) {
            continue;
        }
        for (const auto& [field, number] : candidate->list()->onTabItems()) {
            if (number == popup.number()) {
                *list = candidate;
                *tab = field;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

short Driver::findPanel(short resourceId) const {
    const PanelModel* panel = Toolkit::instance().findPanelByResource(resourceId);
    return panel ? panel->id() : 0;
}

short Driver::findPanelByGuid(const std::string& guid) const {
    const PanelModel* panel = Toolkit::instance().findPanelByGuid(guid);
    return panel ? panel->id() : 0;
}

bool Driver::fail(std::string reason) {
    lastError_ = std::move(reason);
    return false;
}

PanelModel* Driver::actionablePanel(short id) {
    PanelModel* panel = Toolkit::instance().panel(id);
    if (panel == nullptr) {
        fail("there is no window " + std::to_string(id));
        return nullptr;
    }
    if (!panel->visible) {
        fail(panelName(*panel) + " is not open");
        return nullptr;
    }
    if (panel->kind() == PanelKind::ModalDialog && (!panel->modalRunning || panel->closeRequested)) {
        fail(panelName(*panel) + " is closing");
        return nullptr;
    }
    if (!panel->eventProcessing) {
        fail(panelName(*panel) + " does not process events");
        return nullptr;
    }
    const PanelModel* modal = frontModal();
    if (modal != nullptr && modal != panel) {
        fail("modal " + panelName(*modal) + " is in front of " + panelName(*panel));
        return nullptr;
    }
    lastError_.clear();
    return panel;
}

ItemModel* Driver::actionableItem(short panelId, short number) {
    PanelModel* panel = actionablePanel(panelId);
    if (panel == nullptr) {
        return nullptr;
    }
    ItemModel* item = panel->item(number);
    if (item == nullptr) {
        fail(panelName(*panel) + " has no item " + std::to_string(number));
        return nullptr;
    }
    if (!item->visible) {
        fail(itemName(*item) + " is hidden");
        return nullptr;
    }
    if (!item->enabled) {
        fail(itemName(*item) + " is disabled");
        return nullptr;
    }
    return item;
}

ItemModel* Driver::actionableList(short panel, short number) {
    ItemModel* item = actionableItem(panel, number);
    if (item != nullptr && !item->isList()) {
        fail(itemName(*item) + " is not a list");
        return nullptr;
    }
    return item;
}

bool Driver::chooseMenuItem(short menuResId, short itemIndex) {
    if (const PanelModel* modal = frontModal()) {
        return fail("modal " + panelName(*modal) + " is in front of the menus");
    }
    // Whether the person can choose the item is the menu's state; what the handler then returns is
    // its own answer, even when it is one of the codes the host uses to refuse an item.
    const std::string name = "menu " + std::to_string(menuResId) + " item " + std::to_string(itemIndex);
    const std::optional<MenuItemState> item = Host::instance().menuItem(menuResId, itemIndex);
    if (!item) {
        return fail(name + " does not exist");
    }
    if ((item->flags & API_MenuItemDisabled) != 0) {
        return fail(name + " is disabled");
    }
    lastMenuResult_ = Host::instance().selectMenuItem(menuResId, itemIndex);
    lastError_.clear();
    return true;
}

bool Driver::closeWithCloseBox(short id) {
    PanelModel* panel = actionablePanel(id);
    if (panel == nullptr) {
        return false;
    }
    if (panel->kind() == PanelKind::ModalDialog) {
        return closeModalDialog(id);
    }
    if (!panel->hasCloseBox()) {
        return fail(panelName(*panel) + " has no close box");
    }
    if (dispatch::panelCloseRequested(*panel) && Toolkit::instance().isAlive(panel)) {
        panel->visible = false;
    }
    return true;
}

bool Driver::movePanel(short id, short dx, short dy) {
    PanelModel* panel = actionablePanel(id);
    if (panel == nullptr) {
        return false;
    }
    panel->left = static_cast<short>(panel->left + dx);
    panel->top = static_cast<short>(panel->top + dy);
    if (dx != 0 || dy != 0) {
        dispatch::panelMoved(*panel);
    }
    return true;
}

bool Driver::resizePanel(short id, short width, short height) {
    PanelModel* panel = actionablePanel(id);
    if (panel == nullptr) {
        return false;
    }
    if (!panel->isGrowable()) {
        return fail(panelName(*panel) + " cannot be resized");
    }
    if (width < 0 || height < 0) {
        return fail("a window cannot be smaller than nothing");
    }
    const short dh = static_cast<short>(width - panel->clientWidth);
    const short dv = static_cast<short>(height - panel->clientHeight);
    panel->clientWidth = width;
    panel->clientHeight = height;
    if (dh != 0 || dv != 0) {
        dispatch::panelResized(*panel, dh, dv, true);
    }
    return true;
}

bool Driver::pressButton(short panel, short number) {
    ItemModel* item = actionableItem(panel, number);
    if (item == nullptr) {
        return false;
    }
    if (item->kind() != ItemKind::Button) {
        return fail(itemName(*item) + " is not a button");
    }
    dispatch::buttonClicked(*item);
    return true;
}

bool Driver::focusItem(short panel, short number) {
    ItemModel* item = actionableItem(panel, number);
    if (item == nullptr) {
        return false;
    }
    item->panel().focusedItem = item->number();
    return true;
}

bool Driver::typeText(short panel, short number, const std::string& text) {
    ItemModel* item = actionableItem(panel, number);
    if (item == nullptr) {
        return false;
    }
    if (item->kind() != ItemKind::TextEdit) {
        return fail(itemName(*item) + " is not a text edit");
    }
    item->panel().focusedItem = item->number();
    GS::UniString typed = uni(text);
    if (item->maxLength > 0 && typed.GetLength() > static_cast<USize>(item->maxLength)) {
        typed.Truncate(static_cast<USize>(item->maxLength));
    }
    item->text = utf8(typed);
    dispatch::textEditChanged(*item);
    return true;
}

bool Driver::pressKey(short id, Key key, int modifiers) {
    keyProcessed_ = false;
    PanelModel* panel = actionablePanel(id);
    if (panel == nullptr) {
        return false;
    }
    for (const HotKey& hotKey : panel->hotKeys) {
        if (hotKey.key == key && hotKey.modifiers == modifiers) {
            keyProcessed_ = dispatch::panelHotKeyPressed(*panel, hotKey.id);
            break;
        }
    }
    return true;
}

bool Driver::deliverClick(ItemModel& list, short row, short offset, Click click, bool twice) {
    ListModel& model = *list.list();
    const std::vector<short> before = model.selectedItems();
    model.setMouseOffset(offset);
    list.panel().focusedItem = list.number();
    if (row == 0) {
        model.deselectAll();
    } else if (click == Click::Extend && model.isMultiSelection()) {
        model.isSelected(row) ? model.deselect(row) : model.select(row);
    } else if (model.isSelected(row)) {
        // A click inside the selection keeps it, so that a click in a column acts on every
        // selected row.
    } else {
        model.deselectAll();
        model.select(row);
    }
    // The selection changes as the mouse goes down, the click is reported as it comes up.
    if (model.selectedItems() != before) {
        dispatch::listBoxSelectionChanged(list);
    }
    PanelModel* panel = &list.panel();
    const short number = list.number();
    if (!Toolkit::instance().isAlive(panel)) {
        return true;
    }
    dispatch::listBoxClicked(list, row);
    if (twice && Toolkit::instance().isAlive(panel) && panel->item(number) == &list) {
        dispatch::listBoxDoubleClicked(list, row);
    }
    return true;
}

bool Driver::clickListItem(short panel, short number, short row, short offset, Click click) {
    ItemModel* list = actionableList(panel, number);
    if (list == nullptr) {
        return false;
    }
    if (row < 1 || row > list->list()->itemCount()) {
        return fail(itemName(*list) + " has no row " + std::to_string(row));
    }
    if (offset < 0 || offset >= list->rect.width) {
        return fail("offset " + std::to_string(offset) + " is outside " + itemName(*list));
    }
    return deliverClick(*list, row, offset, click, false);
}

bool Driver::doubleClickListItem(short panel, short number, short row, short offset) {
    ItemModel* list = actionableList(panel, number);
    if (list == nullptr) {
        return false;
    }
    if (row < 1 || row > list->list()->itemCount()) {
        return fail(itemName(*list) + " has no row " + std::to_string(row));
    }
    return deliverClick(*list, row, offset, Click::Plain, true);
}

bool Driver::clickListEmptyArea(short panel, short number) {
    ItemModel* list = actionableList(panel, number);
    if (list == nullptr) {
        return false;
    }
    return deliverClick(*list, 0, 0, Click::Plain, false);
}

bool Driver::selectListItems(short panel, short number, const std::vector<short>& rows) {
    ItemModel* list = actionableList(panel, number);
    if (list == nullptr) {
        return false;
    }
    for (short row : rows) {
        if (row < 1 || row > list->list()->itemCount()) {
            return fail(itemName(*list) + " has no row " + std::to_string(row));
        }
    }
    if (rows.size() > 1 && !list->list()->isMultiSelection()) {
        return fail(itemName(*list) + " selects one row at a time");
    }
    const TabField* first = list->list()->tabField(1);
    const short offset = first ? first->begin : 0;
    // A click inside the selection would keep it: start from nothing selected.
    if (!rows.empty() && list->list()->isSelected(rows.front()) && list->list()->selectedItems().size() > 1 &&
        !clickListEmptyArea(panel, number)) {
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool alreadySelected = i > 0 && list->list()->isSelected(rows[i]);
        if (!alreadySelected &&
            !clickListItem(panel, number, rows[i], offset, i == 0 ? Click::Plain : Click::Extend)) {
            return false;
        }
    }
    return true;
}

bool Driver::deselectListItem(short panel, short number, short row) {
    ItemModel* list = actionableList(panel, number);
    if (list == nullptr) {
        return false;
    }
    if (!list->list()->isSelected(row)) {
        return fail(itemName(*list) + " row " + std::to_string(row) + " is not selected");
    }
    if (!list->list()->isMultiSelection()) {
        return fail(itemName(*list) + " keeps its one selected row");
    }
    const TabField* first = list->list()->tabField(1);
    return clickListItem(panel, number, row, first ? first->begin : 0, Click::Extend);
}

bool Driver::clickHeaderItem(short panel, short number, short headerItem) {
    ItemModel* list = actionableList(panel, number);
    if (list == nullptr) {
        return false;
    }
    if (!list->hasHeader) {
        return fail(itemName(*list) + " has no header");
    }
    if (headerItem < 1 || headerItem > list->list()->tabFieldCount()) {
        return fail(itemName(*list) + " has no header item " + std::to_string(headerItem));
    }
    // A header item without width (given no size while the header is not synchronised) is not
    // there to click.
    if (list->list()->headerItemSize(headerItem) <= 0) {
        return fail(itemName(*list) + " header item " + std::to_string(headerItem) + " has no width");
    }
    // A header that is not made of push buttons does not react to clicks.
    if (list->list()->isHeaderPushable()) {
        dispatch::listBoxHeaderItemClicked(*list, headerItem);
    }
    return true;
}

bool Driver::openListContextMenu(short panelId, short number, short row, const MenuChoice& choice) {
    ItemModel* list = actionableList(panelId, number);
    if (list == nullptr) {
        return false;
    }
    if (row < 0 || row > list->list()->itemCount()) {
        return fail(itemName(*list) + " has no row " + std::to_string(row));
    }
    Toolkit& toolkit = Toolkit::instance();
    PanelModel* panel = &list->panel();
    const short rowHeight = list->rowHeight;
    const short rowTop = static_cast<short>(
        list->headerHeight + (row > 0 ? (row - 1) * rowHeight : list->list()->itemCount() * rowHeight));
    const DG::Point position{static_cast<short>(list->rect.left + list->rect.width / 2),
                             static_cast<short>(list->rect.top + rowTop + rowHeight / 2)};
    toolkit.clearMenuChoices();
    toolkit.queueMenuChoice(choice);
    const bool processed = dispatch::listBoxContextMenuRequested(*list, row, position);
    if (!processed && toolkit.isAlive(panel)) {
        dispatch::panelContextMenuRequested(*panel, position);
    }
    // A menu nobody showed leaves nothing for the next one.
    toolkit.clearMenuChoices();
    return true;
}

bool Driver::openPanelContextMenu(short panelId, const MenuChoice& choice) {
    PanelModel* panel = actionablePanel(panelId);
    if (panel == nullptr) {
        return false;
    }
    Toolkit& toolkit = Toolkit::instance();
    toolkit.clearMenuChoices();
    toolkit.queueMenuChoice(choice);
    dispatch::panelContextMenuRequested(*panel, DG::Point{static_cast<short>(panel->clientWidth / 2),
                                                          static_cast<short>(panel->clientHeight / 2)});
    toolkit.clearMenuChoices();
    return true;
}

MenuChoice Driver::chooseText(const std::string& text) {
    MenuChoice choice;
    choice.by = MenuChoice::By::Text;
    choice.text = text;
    return choice;
}

MenuChoice Driver::choosePosition(short position) {
    MenuChoice choice;
    choice.by = MenuChoice::By::Position;
    choice.position = position;
    return choice;
}

MenuChoice Driver::chooseNothing() {
    return MenuChoice{};
}

bool Driver::choosePopupItem(short panelId, short number, short entry) {
    PanelModel* panel = actionablePanel(panelId);
    if (panel == nullptr) {
        return false;
    }
    ItemModel* item = panel->item(number);
    if (item == nullptr || item->popup() == nullptr) {
        return fail(panelName(*panel) + " item " + std::to_string(number) + " is not a text pop-up");
    }
    const ItemModel* list = nullptr;
    short tab = 0;
    if (!item->enabled || (!item->visible && !shownOnTab(*item, &list, &tab))) {
        return fail(itemName(*item) + " is not shown");
    }
    if (!item->popup()->setCurrent(entry)) {
        return fail(itemName(*item) + " has no entry " + std::to_string(entry));
    }
    // Every choice the person makes is reported, also the entry that was already current: it is how
    // one value is given to several selected rows.
    dispatch::userControlChanged(*item);
    return true;
}

bool Driver::choosePopupItem(short panelId, short number, const std::string& entryText) {
    PanelModel* panel = Toolkit::instance().panel(panelId);
    ItemModel* item = panel ? panel->item(number) : nullptr;
    if (item != nullptr && item->popup() != nullptr) {
        for (short entry = 1; entry <= item->popup()->itemCount(); ++entry) {
            if (item->popup()->itemText(entry) == entryText) {
                return choosePopupItem(panelId, number, entry);
            }
        }
        return fail(itemName(*item) + " has no entry '" + entryText + "'");
    }
    return choosePopupItem(panelId, number, static_cast<short>(0));
}

void Driver::answerNextAlert(short button) {
    Toolkit::instance().queueAlertAnswer(AlertAnswer{button, {}});
}

void Driver::answerNextAlert(const std::string& buttonText) {
    Toolkit::instance().queueAlertAnswer(AlertAnswer{0, buttonText});
}

void Driver::whenModalDialogOpens(DialogScript script) {
    Toolkit::instance().queueModalScript(
        [this, script = std::move(script)](short panel) { script(*this, panel); });
}

bool Driver::closeModalDialog(short id) {
    PanelModel* panel = actionablePanel(id);
    if (panel == nullptr) {
        return false;
    }
    if (panel->kind() != PanelKind::ModalDialog) {
        return fail(panelName(*panel) + " is not a modal dialog");
    }
    if (dispatch::panelCloseRequested(*panel) && Toolkit::instance().isAlive(panel) &&
        !panel->closeRequested) {
        panel->closeRequested = true;
        panel->accepted = false;
    }
    return true;
}

namespace {

VBAL::APIAttributeListItem* attributeRow(const ItemModel* item, short row) {
    if (item == nullptr || item->attributeList == nullptr) {
        return nullptr;
    }
    const auto rows = item->attributeList->GetRows();
    if (row < 1 || row > static_cast<short>(rows.size())) {
        return nullptr;
    }
    return rows[static_cast<std::size_t>(row - 1)];
}

}  // namespace

short Driver::findAttributeRow(short panelId, short number, const std::string& name) const {
    const PanelModel* panel = Toolkit::instance().panel(panelId);
    const ItemModel* item = panel ? panel->item(number) : nullptr;
    if (item == nullptr || item->attributeList == nullptr) {
        return 0;
    }
    const auto rows = item->attributeList->GetRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (utf8(rows[i]->GetName()) == name) {
            return static_cast<short>(i + 1);
        }
    }
    return 0;
}

bool Driver::toggleCheckItem(short panel, short number, short row) {
    ItemModel* item = actionableItem(panel, number);
    auto* check = dynamic_cast<VBAL::APIAttributeListCheckItem*>(attributeRow(item, row));
    if (check == nullptr) {
        return item == nullptr
                   ? false
                   : fail("row " + std::to_string(row) + " of " + itemName(*item) + " is no check box");
    }
    check->SetState(!check->GetState());
    dispatch::attributeCheckChanged(*check);
    return true;
}

bool Driver::chooseSelectionItem(short panel, short number, short row, short entry) {
    ItemModel* item = actionableItem(panel, number);
    auto* selection = dynamic_cast<VBAL::APIAttributeListSelectionItem*>(attributeRow(item, row));
    if (selection == nullptr) {
        return item == nullptr
                   ? false
                   : fail("row " + std::to_string(row) + " of " + itemName(*item) + " is no choice");
    }
    if (entry < 1 || entry > selection->GetEntryCount()) {
        return fail("row " + std::to_string(row) + " of " + itemName(*item) + " has no entry " +
                    std::to_string(entry));
    }
    selection->SetSelected(entry);
    dispatch::attributeSelectionChanged(*selection);
    return true;
}

bool Driver::editIntegerItem(short panel, short number, short row, long long value) {
    ItemModel* item = actionableItem(panel, number);
    auto* integer = dynamic_cast<VBAL::APIAttributeListIntegerItem*>(attributeRow(item, row));
    if (integer == nullptr) {
        return item == nullptr
                   ? false
                   : fail("row " + std::to_string(row) + " of " + itemName(*item) + " is no number");
    }
    const long long clamped = std::clamp<long long>(value, integer->GetMinValue(), integer->GetMaxValue());
    integer->SetValue(static_cast<Int32>(clamped));
    dispatch::attributeTextChanged(*integer);
    return true;
}

std::string Driver::render(short panel) const {
    const PanelModel* model = Toolkit::instance().panel(panel);
    return model ? renderPanel(*model) : std::string();
}

std::string Driver::renderOpenWindows() const {
    std::string text;
    for (const PanelModel* panel : Toolkit::instance().panels()) {
        if (panel->visible) {
            text += renderPanel(*panel) + "\n";
        }
    }
    return text;
}

std::string Driver::renderAlerts() const {
    return krx::sim::toolkit::renderAlerts(Toolkit::instance().alerts());
}

std::string Driver::renderMenus() const {
    return krx::sim::toolkit::renderMenus(Toolkit::instance().menus());
}

}  // namespace krx::sim::toolkit
