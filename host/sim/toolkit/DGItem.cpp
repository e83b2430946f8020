#include "host/dg/DGItem.hpp"

#include <algorithm>
#include <string>

#include "host/sim/toolkit/PanelModel.hpp"
#include "host/sim/toolkit/TextConversion.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

using krx::sim::toolkit::ItemKind;
using krx::sim::toolkit::ItemModel;
using krx::sim::toolkit::PanelModel;
using krx::sim::toolkit::Toolkit;

namespace DG {

namespace {

// Item moves inside a move-and-resize bracket are drawn when the bracket closes.
void drawn(ItemModel& item) {
    if (item.panel().moveResizeDepth == 0) {
        ++item.redrawCount;
    }
}

}  // namespace

Item::Item(const Panel& panel, short item)
    : panel_(const_cast<Panel*>(&panel)), panelId_(panel.GetId()), item_(item) {
    bind({}, true, nullptr);
}

Item::Item(const Panel& panel, short item, std::initializer_list<ItemKind> kinds, const char* controlClass)
    : panel_(const_cast<Panel*>(&panel)), panelId_(panel.GetId()), item_(item) {
    bind(kinds, false, controlClass);
}

void Item::bind(std::initializer_list<ItemKind> kinds, bool anyKind, const char* controlClass) {
    if (panelId_ == 0) {
        return;  // the panel was not built; its items are silently absent
    }
    Toolkit& toolkit = Toolkit::instance();
    PanelModel* panel = toolkit.panel(panelId_);
    ItemModel* model = panel ? panel->item(item_) : nullptr;
    const std::string where =
        "panel " + std::to_string(panel ? panel->resourceId() : 0) + " item " + std::to_string(item_);
    if (model == nullptr) {
        toolkit.addFault(where + " does not exist");
        return;
    }
    if (!anyKind && std::find(kinds.begin(), kinds.end(), model->kind()) == kinds.end()) {
        toolkit.addFault(where + " is a " + krx::sim::toolkit::itemKindWord(model->kind()) +
                         ", bound as another kind");
        return;
    }
    if (controlClass != nullptr && model->controlClass() != controlClass) {
        toolkit.addFault(where + " hosts '" + model->controlClass() + "', bound as '" + controlClass + "'");
        return;
    }
    model->objects.push_back(this);
    bound_ = true;
}

Item::~Item() {
    if (ItemModel* model = GetModel()) {
        auto& objects = model->objects;
        objects.erase(std::remove(objects.begin(), objects.end(), this), objects.end());
    }
}

ItemModel* Item::GetModel() const {
    if (!bound_) {
        return nullptr;
    }
    PanelModel* panel = Toolkit::instance().panel(panelId_);
    return panel ? panel->item(item_) : nullptr;
}

void Item::Move(short dh, short dv) {
    if (ItemModel* model = GetModel()) {
        model->rect.left = static_cast<short>(model->rect.left + dh);
        model->rect.top = static_cast<short>(model->rect.top + dv);
        drawn(*model);
    }
}

void Item::Resize(short dh, short dv) {
    if (ItemModel* model = GetModel()) {
        model->rect.width = static_cast<short>(model->rect.width + dh);
        model->rect.height = static_cast<short>(model->rect.height + dv);
        drawn(*model);
    }
}

void Item::SetPosition(short x, short y) {
    if (ItemModel* model = GetModel()) {
        model->rect.left = x;
        model->rect.top = y;
        drawn(*model);
    }
}

void Item::SetSize(short width, short height) {
    if (ItemModel* model = GetModel()) {
        model->rect.width = width;
        model->rect.height = height;
        drawn(*model);
    }
}

short Item::GetX() const {
    return GetModel() ? GetModel()->rect.left : 0;
}
short Item::GetY() const {
    return GetModel() ? GetModel()->rect.top : 0;
}
short Item::GetWidth() const {
    return GetModel() ? GetModel()->rect.width : 0;
}
short Item::GetHeight() const {
    return GetModel() ? GetModel()->rect.height : 0;
}

void Item::Show() {
    SetVisibility(true);
}
void Item::Hide() {
    SetVisibility(false);
}

void Item::SetVisibility(bool visible) {
    ItemModel* model = GetModel();
    if (model == nullptr || model->visible == visible) {
        return;
    }
    model->visible = visible;
    if (!visible && model->panel().focusedItem == item_) {
        model->panel().focusedItem = 0;
    }
    drawn(*model);
}

bool Item::IsVisible() const {
    return GetModel() != nullptr && GetModel()->visible;
}

void Item::Enable() {
    if (ItemModel* model = GetModel()) {
        model->enabled = true;
    }
}

void Item::Disable() {
    if (ItemModel* model = GetModel()) {
        model->enabled = false;
        if (model->panel().focusedItem == item_) {
            model->panel().focusedItem = 0;
        }
    }
}

bool Item::IsEnabled() const {
    return GetModel() != nullptr && GetModel()->enabled;
}

void Item::Redraw() {
    ItemModel* model = GetModel();
    if (model == nullptr || (model->list() != nullptr && model->list()->isDrawingSuspended())) {
        return;
    }
    ++model->redrawCount;
}

void Item::SetFocus() {
    if (ItemModel* model = GetModel()) {
        model->panel().focusedItem = item_;
    }
}

bool Item::IsFocused() const {
    const ItemModel* model = GetModel();
    return model != nullptr && model->panel().focusedItem == item_;
}

GS::UniString Item::GetTooltipString() const {
    return GetModel() ? krx::sim::toolkit::uni(GetModel()->tooltip) : GS::UniString();
}

void Item::attachObserver(ItemObserver& observer) {
    if (ItemModel* model = GetModel()) {
        model->observers.attach(static_cast<const ItemObserver*>(&observer));
    }
}

void Item::detachObserver(ItemObserver& observer) {
    if (ItemModel* model = GetModel()) {
        model->observers.detach(static_cast<const ItemObserver*>(&observer));
    }
}

void Item::setItemText(const GS::UniString& text) {
    if (ItemModel* model = GetModel()) {
        model->text = krx::sim::toolkit::utf8(text);
        drawn(*model);
    }
}

GS::UniString Item::itemText() const {
    return GetModel() ? krx::sim::toolkit::uni(GetModel()->text) : GS::UniString();
}

Button::Button(const Panel& panel, short item) : ButtonItem(panel, item, {ItemKind::Button}) {}

StaticText::StaticText(const Panel& panel, short item)
    : Item(panel, item, {ItemKind::LeftText, ItemKind::RightText, ItemKind::CenterText}) {}

TextEdit::TextEdit(const Panel& panel, short item) : Item(panel, item, {ItemKind::TextEdit}) {}

UserControl::UserControl(const Panel& panel, short item) : Item(panel, item, {ItemKind::UserControl}) {}

UserControl::UserControl(const Panel& panel, short item, const char* controlClass)
    : Item(panel, item, {ItemKind::UserControl}, controlClass) {}

void CompoundItemObserver::AttachToAllItems(const Panel& panel) {
    if (PanelModel* model = panel.GetModel()) {
        for (short i = 1; i <= model->itemCount(); ++i) {
            model->item(i)->observers.attach(static_cast<const ItemObserver*>(this));
        }
    }
}

void CompoundItemObserver::DetachFromAllItems(const Panel& panel) {
    if (PanelModel* model = panel.GetModel()) {
        for (short i = 1; i <= model->itemCount(); ++i) {
            model->item(i)->observers.detach(static_cast<const ItemObserver*>(this));
        }
    }
}

}  // namespace DG
