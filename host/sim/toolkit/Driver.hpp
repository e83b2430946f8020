#pragma once

// A person in front of the simulated toolkit, for tests and tools. Each action changes what the
// person changes and sends the events the toolkit sends for it, in the same order. An action that a
// person could not perform (the window is hidden or not processing events, the item is hidden or
// disabled, a modal dialog is in front, the number does not exist) changes nothing, sends nothing
// and returns false; lastError() says why.
//
// Windows are named by panel id (DG::Panel::GetId(), or findPanel()); items by their number in
// the window's resource; list rows, tab fields, header items, pop-up entries and property rows
// from 1.

#include <functional>
#include <string>
#include <vector>

#include "host/sim/toolkit/Toolkit.hpp"

namespace krx::sim::toolkit {

class ItemModel;
class PanelModel;

class Driver {
public:
    enum class Click { Plain, Extend };
    // DG::Key values.
    using Key = int;

    // The newest window built from that resource, or with that GUID; 0 when there is none.
    short findPanel(short resourceId) const;
    short findPanelByGuid(const std::string& guid) const;

    const std::string& lastError() const { return lastError_; }

    // Menus of the host: the person chooses an add-on's menu item and the simulated host calls its
    // menu handler. False when the item could not be chosen (unknown, disabled, a modal dialog in
    // front); what the handler returned: lastMenuResult().
    bool chooseMenuItem(short menuResId, short itemIndex);
    int lastMenuResult() const { return lastMenuResult_; }

    // Windows.
    bool closeWithCloseBox(short panel);
    bool movePanel(short panel, short dx, short dy);
    bool resizePanel(short panel, short width, short height);

    // Buttons, text edits, keys.
    bool pressButton(short panel, short item);
    bool focusItem(short panel, short item);
    // Clicks into the edit and replaces its text with what the person types.
    bool typeText(short panel, short item, const std::string& text);
    // True when the action happened; whether a hot-key observer processed the key: keyProcessed().
    bool pressKey(short panel, Key key, int modifiers = 0);
    bool keyProcessed() const { return keyProcessed_; }

    // Lists. A click selects (Plain: only that row, unless the row is already selected, which keeps
    // the selection; Extend: toggles the row in a multi-selection list), sends
    // ListBoxSelectionChanged when the selection changed, then ListBoxClicked. The offset is the
    // click's horizontal position within the rows.
    bool clickListItem(short panel, short item, short row, short offset, Click click = Click::Plain);
    bool doubleClickListItem(short panel, short item, short row, short offset);
    // Clicks below the last row: the selection empties.
    bool clickListEmptyArea(short panel, short item);
    // Plain click on the first row, extending clicks on the others, each at the start of tab field 1.
    bool selectListItems(short panel, short item, const std::vector<short>& rows);
    bool deselectListItem(short panel, short item, short row);
    bool clickHeaderItem(short panel, short item, short headerItem);
    // Right-click on a row (0: below the rows) and answer the menu that opens. The selection stays as
    // it is. When the list's observers do not process the request, the panel's are asked.
    bool openListContextMenu(short panel, short item, short row, const MenuChoice& choice);
    bool openPanelContextMenu(short panel, const MenuChoice& choice);
    static MenuChoice chooseText(const std::string& text);
    static MenuChoice choosePosition(short position);
    static MenuChoice chooseNothing();

    // Pop-ups: a visible pop-up, or one shown inside the selected row of a list.
    bool choosePopupItem(short panel, short item, short entry);
    bool choosePopupItem(short panel, short item, const std::string& entryText);

    // Alerts are answered in advance: the next alert shown gets this button.
    void answerNextAlert(short button);
    void answerNextAlert(const std::string& buttonText);

    // Modal dialogs: what the person does in the next modal dialog that opens, while its Invoke runs.
    // A dialog still open when the script ends is closed without its button, as with the close box.
    using DialogScript = std::function<void(Driver& driver, short panel)>;
    void whenModalDialogOpens(DialogScript script);
    // Closes the modal dialog without pressing its button (close box, Escape).
    bool closeModalDialog(short panel);

    // Property lists: rows from 1, top to bottom over all groups, or found by their name.
    short findAttributeRow(short panel, short item, const std::string& name) const;
    bool toggleCheckItem(short panel, short item, short row);
    bool chooseSelectionItem(short panel, short item, short row, short entry);
    // Ends the edit like the person: a value out of the row's range becomes the nearest limit.
    bool editIntegerItem(short panel, short item, short row, long long value);

    // What the person sees (TextRendering).
    std::string render(short panel) const;
    // Every open window, oldest first, each followed by an empty line.
    std::string renderOpenWindows() const;
    std::string renderAlerts() const;
    std::string renderMenus() const;

private:
    bool fail(std::string reason);
    PanelModel* actionablePanel(short panel);
    ItemModel* actionableItem(short panel, short item);
    ItemModel* actionableList(short panel, short item);
    bool deliverClick(ItemModel& list, short row, short offset, Click click, bool twice);

    std::string lastError_;
    bool keyProcessed_ = false;
    int lastMenuResult_ = 0;
};

}  // namespace krx::sim::toolkit
