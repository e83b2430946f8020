#include "host/dg/VBALAttributeList.hpp"

#include <algorithm>
#include <set>
#include <string>

#include "host/sim/toolkit/EventDispatch.hpp"
#include "host/sim/toolkit/PanelModel.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

using krx::sim::toolkit::ItemKind;
using krx::sim::toolkit::ItemModel;
using krx::sim::toolkit::PanelModel;
using krx::sim::toolkit::Toolkit;

namespace VBAL {

namespace {

// Every row that exists, so an observer that is destroyed can leave all of them. Main thread only,
// like the rest of the toolkit: a use from another thread is recorded as a fault.
std::set<APIAttributeListItem*>& liveRows() {
    Toolkit::instance();
    static auto* rows = new std::set<APIAttributeListItem*>;  // never destroyed, like the toolkit
    return *rows;
}

template <typename T>
void erase(std::vector<T*>& items, const T* item) {
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

ItemModel* itemOf(short panelId, short item) {
    PanelModel* panel = Toolkit::instance().panel(panelId);
    return panel ? panel->item(item) : nullptr;
}

}  // namespace

APIAttributeListItemObserver::~APIAttributeListItemObserver() {
    for (APIAttributeListItem* row : liveRows()) {
        erase(row->observers_, this);
    }
}

APIAttributeListItem::APIAttributeListItem() {
    liveRows().insert(this);
}

APIAttributeListItem::~APIAttributeListItem() {
    if (group_ != nullptr) {
        erase(group_->items_, this);
    }
    liveRows().erase(this);
}

void APIAttributeListItem::attachObserver(APIAttributeListItemObserver& observer) {
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) {
        observers_.push_back(&observer);
    }
}

void APIAttributeListItem::detachObserver(APIAttributeListItemObserver& observer) {
    erase(observers_, &observer);
}

APIAttributeListGroupItem::~APIAttributeListGroupItem() {
    for (APIAttributeListItem* item : items_) {
        item->group_ = nullptr;
    }
    if (list_ != nullptr) {
        erase(list_->groups_, this);
    }
}

void APIAttributeListGroupItem::AddItem(APIAttributeListItem& item) {
    if (&item == this) {
        return;
    }
    if (item.group_ != nullptr) {
        erase(item.group_->items_, &item);
    }
    item.group_ = this;
    items_.push_back(&item);
}

void APIAttributeListGroupItem::RemoveItem(APIAttributeListItem& item) {
    if (item.group_ == this) {
        erase(items_, &item);
        item.group_ = nullptr;
    }
}

APIAttributeListItem* APIAttributeListGroupItem::GetItem(short index) const {
    if (index < 1 || index > GetItemCount()) {
        return nullptr;
    }
    return items_[static_cast<std::size_t>(index - 1)];
}

GS::UniString APIAttributeListSelectionItem::GetEntryText(short index) const {
    if (index < 1 || index > GetEntryCount()) {
        return {};
    }
    return entries_[static_cast<std::size_t>(index - 1)];
}

void APIAttributeListSelectionItem::SetSelected(short index) {
    if (index >= 0 && index <= GetEntryCount()) {
        selected_ = index;
    }
}

void APIAttributeListIntegerItem::SetRange(Int32 minValue, Int32 maxValue) {
    min_ = std::min(minValue, maxValue);
    max_ = std::max(minValue, maxValue);
}

GS::UniString APIAttributeListIntegerItem::GetText() const {
    return GS::UniString(std::to_string(value_));
}

APIAttributeList::APIAttributeList(const DG::Panel& panel, short item)
    : panelId_(panel.GetId()), item_(item) {
    if (panelId_ == 0) {
        return;
    }
    ItemModel* model = itemOf(panelId_, item_);
    if (model == nullptr || model->kind() != ItemKind::UserControl ||
        model->controlClass() != "AttributeList") {
        Toolkit::instance().addFault("APIAttributeList: item " + std::to_string(item) +
                                     " is not an AttributeList user control");
        panelId_ = 0;
        return;
    }
    if (model->attributeList != nullptr) {
        Toolkit::instance().addFault("APIAttributeList: item " + std::to_string(item) +
                                     " already has a list");
        panelId_ = 0;
        return;
    }
    model->attributeList = this;
}

APIAttributeList::~APIAttributeList() {
    for (APIAttributeListGroupItem* group : groups_) {
        group->list_ = nullptr;
    }
    if (ItemModel* model = itemOf(panelId_, item_); model != nullptr && model->attributeList == this) {
        model->attributeList = nullptr;
    }
}

bool APIAttributeList::IsValid() const {
    return itemOf(panelId_, item_) != nullptr;
}

void APIAttributeList::AddItem(APIAttributeListGroupItem& group) {
    if (group.list_ != nullptr) {
        erase(group.list_->groups_, &group);
    }
    group.list_ = this;
    groups_.push_back(&group);
}

void APIAttributeList::RemoveItem(APIAttributeListGroupItem& group) {
    if (group.list_ == this) {
        erase(groups_, &group);
        group.list_ = nullptr;
    }
}

APIAttributeListGroupItem* APIAttributeList::GetGroup(short index) const {
    if (index < 1 || index > GetGroupCount()) {
        return nullptr;
    }
    return groups_[static_cast<std::size_t>(index - 1)];
}

std::vector<APIAttributeListItem*> APIAttributeList::GetRows() const {
    std::vector<APIAttributeListItem*> rows;
    for (const APIAttributeListGroupItem* group : groups_) {
        rows.insert(rows.end(), group->items_.begin(), group->items_.end());
    }
    return rows;
}

void APIAttributeList::SuspendUpdates() {
    ++suspended_;
}

void APIAttributeList::ResumeUpdates() {
    if (suspended_ > 0) {
        --suspended_;
    }
}

void APIAttributeList::Refresh() {
    if (suspended_ == 0) {
        ++refreshCount_;
    }
}

void APIAttributeList::Move(short dh, short dv) {
    if (ItemModel* model = itemOf(panelId_, item_)) {
        model->rect.left = static_cast<short>(model->rect.left + dh);
        model->rect.top = static_cast<short>(model->rect.top + dv);
    }
}

void APIAttributeList::Resize(short dh, short dv) {
    if (ItemModel* model = itemOf(panelId_, item_)) {
        model->rect.width = static_cast<short>(model->rect.width + dh);
        model->rect.height = static_cast<short>(model->rect.height + dv);
    }
}

}  // namespace VBAL

namespace krx::sim::toolkit::dispatch {

namespace {

template <typename Observer, typename Row, typename Handler>
void toRow(Row& row, const char* event, Handler&& handler) {
    const auto snapshot = row.GetObservers();
    for (VBAL::APIAttributeListItemObserver* entry : snapshot) {
        if (VBAL::liveRows().count(&row) == 0) {
            return;
        }
        const auto& current = row.GetObservers();
        if (std::find(current.begin(), current.end(), entry) == current.end()) {
            continue;
        }
        if (auto* observer = dynamic_cast<Observer*>(entry)) {
            try {
                handler(*observer);
            } catch (...) {
                Toolkit::instance().addFault(std::string(event) + ": an observer threw");
            }
        }
    }
}

}  // namespace

void attributeCheckChanged(VBAL::APIAttributeListCheckItem& row) {
    toRow<VBAL::APIAttributeListCheckItemObserver>(
        row, "CheckChanged", [&](VBAL::APIAttributeListCheckItemObserver& o) { o.CheckChanged(row); });
}

void attributeSelectionChanged(VBAL::APIAttributeListSelectionItem& row) {
    toRow<VBAL::APIAttributeListSelectionItemObserver>(
        row, "SelectionChanged",
        [&](VBAL::APIAttributeListSelectionItemObserver& o) { o.SelectionChanged(row); });
}

void attributeTextChanged(VBAL::APIAttributeListTextItem& row) {
    toRow<VBAL::APIAttributeListTextItemObserver>(
        row, "TextChanged", [&](VBAL::APIAttributeListTextItemObserver& o) { o.TextChanged(row); });
}

}  // namespace krx::sim::toolkit::dispatch
