#pragma once

// Observers of panels and items. An observer is attached to a panel or to items and receives their
// events with the source named; an observer that is destroyed is detached from everything first, so
// no event reaches it afterwards. One object may derive from several observer classes: the item
// observers share one ItemObserver base, through which CompoundItemObserver attaches the object to
// every item of a panel at once, and each item event reaches the classes that handle it.

#include "host/dg/DGEvents.hpp"

namespace DG {

class PanelObserver {
public:
    PanelObserver() = default;
    virtual ~PanelObserver();
    PanelObserver(const PanelObserver&) = delete;
    PanelObserver& operator=(const PanelObserver&) = delete;

    virtual void PanelOpened(const PanelOpenEvent&) {}
    virtual void PanelClosed(const PanelCloseEvent&) {}
    // Leave *accepted true to let the panel close (a palette hides, a modal dialog ends cancelled).
    virtual void PanelCloseRequested(const PanelCloseRequestEvent&, bool* /*accepted*/) {}
    virtual void PanelResized(const PanelResizeEvent&) {}
    virtual void PanelMoved(const PanelMoveEvent&) {}
    virtual void PanelHotkeyPressed(const PanelHotKeyEvent&, bool* /*processed*/) {}
    virtual void PanelContextMenuRequested(const PanelContextMenuEvent&, bool* /*needHelp*/,
                                           bool* /*processed*/) {}
};

class ItemObserver {
public:
    ItemObserver() = default;
    virtual ~ItemObserver();
    ItemObserver(const ItemObserver&) = delete;
    ItemObserver& operator=(const ItemObserver&) = delete;
};

class ListBoxObserver : public virtual ItemObserver {
public:
    virtual void ListBoxClicked(const ListBoxClickEvent&) {}
    virtual void ListBoxDoubleClicked(const ListBoxClickEvent&) {}
    virtual void ListBoxSelectionChanged(const ListBoxSelectionEvent&) {}
    virtual void ListBoxHeaderItemClicked(const ListBoxHeaderItemClickEvent&) {}
    // Set *processed when the observer showed a menu; otherwise the panel is asked next.
    virtual void ListBoxContextMenuRequested(const ListBoxContextMenuEvent&, bool* /*processed*/) {}
};

class ButtonItemObserver : public virtual ItemObserver {
public:
    virtual void ButtonClicked(const ButtonClickEvent&) {}
};

class UserControlObserver : public virtual ItemObserver {
public:
    virtual void UserControlChanged(const UserControlChangeEvent&) {}
};

class TextEditObserver : public virtual ItemObserver {
public:
    virtual void TextEditChanged(const TextEditChangeEvent&) {}
};

class CompoundItemObserver : public virtual ItemObserver {
public:
    // Every item of the panel, whatever its kind; each item event reaches the observer classes of
    // this object that handle it.
    void AttachToAllItems(const Panel& panel);
    void DetachFromAllItems(const Panel& panel);
};

}  // namespace DG
