#pragma once

// The simulated toolkit's state of one open panel (palette or dialog) and its items. The boundary
// classes of DG, UC and VBAL are views on this state; the driver changes it as a person would and
// sends the events that follow.

#include <memory>
#include <string>
#include <vector>

#include "host/sim/toolkit/ListModel.hpp"
#include "host/sim/toolkit/ObserverList.hpp"
#include "host/sim/toolkit/PanelDescription.hpp"
#include "host/sim/toolkit/PopupModel.hpp"

namespace DG {
class Item;
class Panel;
}  // namespace DG
namespace VBAL {
class APIAttributeList;
}  // namespace VBAL

namespace krx::sim::toolkit {

class PanelModel;

class ItemModel {
public:
    ItemModel(PanelModel& panel, short number, const ItemDescription& description);

    PanelModel& panel() const { return *panel_; }
    short number() const { return number_; }
    ItemKind kind() const { return kind_; }
    const std::string& controlClass() const { return controlClass_; }
    bool isList() const { return list_ != nullptr; }
    ListModel* list() const { return list_.get(); }
    PopupModel* popup() const { return popup_.get(); }

    Rect rect;
    std::string text;
    std::string tooltip;
    bool visible = true;
    bool enabled = true;
    bool hasHeader = false;
    short headerHeight = 0;
    short rowHeight = 18;
    short maxLength = 0;
    int redrawCount = 0;
    ObserverList observers;
    // The boundary objects bound to this item, oldest first; the oldest is the source of events.
    std::vector<DG::Item*> objects;
    VBAL::APIAttributeList* attributeList = nullptr;

    DG::Item* source() const { return objects.empty() ? nullptr : objects.front(); }
    // Visible and enabled, in a visible panel: a person can reach it.
    bool isReachable() const;

private:
    PanelModel* panel_;
    short number_;
    ItemKind kind_;
    std::string controlClass_;
    std::unique_ptr<ListModel> list_;
    std::unique_ptr<PopupModel> popup_;
};

struct HotKey {
    short id = 0;
    int key = 0;
    int modifiers = 0;
};

class PanelModel {
public:
    PanelModel(const PanelDescription& description, int resourceModule, short resourceId);
    ~PanelModel();
    PanelModel(const PanelModel&) = delete;
    PanelModel& operator=(const PanelModel&) = delete;

    short id() const { return id_; }
    PanelKind kind() const { return kind_; }
    int resourceModule() const { return resourceModule_; }
    short resourceId() const { return resourceId_; }
    bool hasCloseBox() const { return closeBox_; }
    bool isGrowable() const { return growable_; }

    short itemCount() const { return static_cast<short>(items_.size()); }
    ItemModel* item(short number) const;

    std::string guid;
    std::string title;
    short left = 0;
    short top = 0;
    short clientWidth = 0;
    short clientHeight = 0;
    short originalWidth = 0;
    short originalHeight = 0;
    bool visible = false;
    bool eventProcessing = false;
    short focusedItem = 0;
    int moveResizeDepth = 0;
    int redrawCount = 0;
    std::vector<HotKey> hotKeys;
    short nextHotKeyId = 1;
    ObserverList observers;
    DG::Panel* object = nullptr;

    // Modal dialogs: the loop runs while `modalRunning`; a close request ends it after the handler.
    bool modalRunning = false;
    bool closeRequested = false;
    bool accepted = false;

private:
    short id_;
    PanelKind kind_;
    int resourceModule_;
    short resourceId_;
    bool closeBox_;
    bool growable_;
    std::vector<std::unique_ptr<ItemModel>> items_;
};

}  // namespace krx::sim::toolkit
