#include "host/sim/toolkit/EventDispatch.hpp"

#include <exception>
#include <string>

#include "host/dg/DGListBox.hpp"
#include "host/dg/DGObservers.hpp"
#include "host/dg/DGPanel.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

namespace krx::sim::toolkit::dispatch {

namespace {

template <typename Handler>
void guarded(const char* event, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        Toolkit::instance().addFault(std::string(event) + ": an observer threw: " + e.what());
    } catch (...) {
        Toolkit::instance().addFault(std::string(event) + ": an observer threw");
    }
}

template <typename Handler>
void toPanel(PanelModel& panel, const char* event, Handler&& handler) {
    Toolkit& toolkit = Toolkit::instance();
    const auto snapshot = panel.observers.observers();
    for (const void* entry : snapshot) {
        if (!toolkit.isAlive(&panel)) {
            return;
        }
        if (!panel.observers.contains(entry)) {
            continue;
        }
        auto* observer = static_cast<DG::PanelObserver*>(const_cast<void*>(entry));
        guarded(event, [&] { handler(*observer); });
    }
}

template <typename Observer, typename Handler>
void toItem(ItemModel& item, const char* event, Handler&& handler) {
    Toolkit& toolkit = Toolkit::instance();
    PanelModel* panel = &item.panel();
    const short number = item.number();
    const auto snapshot = item.observers.observers();
    for (const void* entry : snapshot) {
        if (!toolkit.isAlive(panel) || panel->item(number) != &item) {
            return;
        }
        if (!item.observers.contains(entry)) {
            continue;
        }
        auto* base = static_cast<DG::ItemObserver*>(const_cast<void*>(entry));
        if (auto* observer = dynamic_cast<Observer*>(base)) {
            guarded(event, [&] { handler(*observer); });
        }
    }
}

DG::ListBox* listSource(const ItemModel& item) {
    return dynamic_cast<DG::ListBox*>(item.source());
}

}  // namespace

void panelOpened(PanelModel& panel) {
    const DG::PanelOpenEvent event(panel.object);
    toPanel(panel, "PanelOpened", [&](DG::PanelObserver& o) { o.PanelOpened(event); });
}

void panelClosed(PanelModel& panel, bool accepted) {
    const DG::PanelCloseEvent event(panel.object, accepted);
    toPanel(panel, "PanelClosed", [&](DG::PanelObserver& o) { o.PanelClosed(event); });
}

bool panelCloseRequested(PanelModel& panel) {
    const DG::PanelCloseRequestEvent event(panel.object);
    bool accepted = true;
    toPanel(panel, "PanelCloseRequested",
            [&](DG::PanelObserver& o) { o.PanelCloseRequested(event, &accepted); });
    return accepted;
}

void panelResized(PanelModel& panel, short horizontalChange, short verticalChange, bool byUser) {
    const DG::PanelResizeEvent event(panel.object, horizontalChange, verticalChange, byUser);
    toPanel(panel, "PanelResized", [&](DG::PanelObserver& o) { o.PanelResized(event); });
}

void panelMoved(PanelModel& panel) {
    const DG::PanelMoveEvent event(panel.object);
    toPanel(panel, "PanelMoved", [&](DG::PanelObserver& o) { o.PanelMoved(event); });
}

bool panelHotKeyPressed(PanelModel& panel, short keyId) {
    const DG::PanelHotKeyEvent event(panel.object, keyId);
    bool processed = false;
    toPanel(panel, "PanelHotkeyPressed", [&](DG::PanelObserver& o) {
        bool handled = false;
        o.PanelHotkeyPressed(event, &handled);
        processed = processed || handled;
    });
    return processed;
}

bool panelContextMenuRequested(PanelModel& panel, DG::Point position) {
    const DG::PanelContextMenuEvent event(panel.object, position);
    bool processed = false;
    toPanel(panel, "PanelContextMenuRequested", [&](DG::PanelObserver& o) {
        bool needHelp = false;
        bool handled = false;
        o.PanelContextMenuRequested(event, &needHelp, &handled);
        processed = processed || handled;
    });
    return processed;
}

void listBoxClicked(ItemModel& item, short listItem) {
    const DG::ListBoxClickEvent event(listSource(item), listItem);
    toItem<DG::ListBoxObserver>(item, "ListBoxClicked",
                                [&](DG::ListBoxObserver& o) { o.ListBoxClicked(event); });
}

void listBoxDoubleClicked(ItemModel& item, short listItem) {
    const DG::ListBoxClickEvent event(listSource(item), listItem);
    toItem<DG::ListBoxObserver>(item, "ListBoxDoubleClicked",
                                [&](DG::ListBoxObserver& o) { o.ListBoxDoubleClicked(event); });
}

void listBoxSelectionChanged(ItemModel& item) {
    const DG::ListBoxSelectionEvent event(listSource(item));
    toItem<DG::ListBoxObserver>(item, "ListBoxSelectionChanged",
                                [&](DG::ListBoxObserver& o) { o.ListBoxSelectionChanged(event); });
}

void listBoxHeaderItemClicked(ItemModel& item, short headerItem) {
    const DG::ListBoxHeaderItemClickEvent event(listSource(item), headerItem);
    toItem<DG::ListBoxObserver>(item, "ListBoxHeaderItemClicked",
                                [&](DG::ListBoxObserver& o) { o.ListBoxHeaderItemClicked(event); });
}

bool listBoxContextMenuRequested(ItemModel& item, short listItem, DG::Point position) {
    const DG::ListBoxContextMenuEvent event(listSource(item), listItem, position);
    bool processed = false;
    toItem<DG::ListBoxObserver>(item, "ListBoxContextMenuRequested", [&](DG::ListBoxObserver& o) {
        bool handled = false;
        o.ListBoxContextMenuRequested(event, &handled);
        processed = processed || handled;
    });
    return processed;
}

void buttonClicked(ItemModel& item) {
    const DG::ButtonClickEvent event(dynamic_cast<DG::ButtonItem*>(item.source()));
    toItem<DG::ButtonItemObserver>(item, "ButtonClicked",
                                   [&](DG::ButtonItemObserver& o) { o.ButtonClicked(event); });
}

void userControlChanged(ItemModel& item) {
    const DG::UserControlChangeEvent event(dynamic_cast<DG::UserControl*>(item.source()));
    toItem<DG::UserControlObserver>(item, "UserControlChanged",
                                    [&](DG::UserControlObserver& o) { o.UserControlChanged(event); });
}

void textEditChanged(ItemModel& item) {
    const DG::TextEditChangeEvent event(dynamic_cast<DG::TextEdit*>(item.source()));
    toItem<DG::TextEditObserver>(item, "TextEditChanged",
                                 [&](DG::TextEditObserver& o) { o.TextEditChanged(event); });
}

}  // namespace krx::sim::toolkit::dispatch
