#pragma once

// Sends one toolkit event to every observer attached to its panel or item, in the order they were
// attached. Delivery is safe against handlers that detach or destroy observers, items or the panel:
// an observer gets the event only while it is still attached, and delivery stops when the panel is
// gone. An exception from a handler is recorded as a fault, never passed through the toolkit.

#include "host/dg/DGEvents.hpp"
#include "host/sim/toolkit/PanelModel.hpp"

namespace VBAL {
class APIAttributeListCheckItem;
class APIAttributeListSelectionItem;
class APIAttributeListTextItem;
}  // namespace VBAL

namespace krx::sim::toolkit::dispatch {

void panelOpened(PanelModel& panel);
void panelClosed(PanelModel& panel, bool accepted);
// Whether the observers let the panel close.
bool panelCloseRequested(PanelModel& panel);
void panelResized(PanelModel& panel, short horizontalChange, short verticalChange, bool byUser);
void panelMoved(PanelModel& panel);
// Whether an observer processed the key.
bool panelHotKeyPressed(PanelModel& panel, short keyId);
bool panelContextMenuRequested(PanelModel& panel, DG::Point position);

void listBoxClicked(ItemModel& item, short listItem);
void listBoxDoubleClicked(ItemModel& item, short listItem);
void listBoxSelectionChanged(ItemModel& item);
void listBoxHeaderItemClicked(ItemModel& item, short headerItem);
// Whether an observer processed the request; when none did, the panel is asked.
bool listBoxContextMenuRequested(ItemModel& item, short listItem, DG::Point position);
void buttonClicked(ItemModel& item);
void userControlChanged(ItemModel& item);
void textEditChanged(ItemModel& item);

// Property-list rows: to the row's observers of the matching kind.
void attributeCheckChanged(VBAL::APIAttributeListCheckItem& row);
void attributeSelectionChanged(VBAL::APIAttributeListSelectionItem& row);
void attributeTextChanged(VBAL::APIAttributeListTextItem& row);

}  // namespace krx::sim::toolkit::dispatch
