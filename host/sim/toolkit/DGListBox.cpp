#include "host/dg/DGListBox.hpp"

#include <string>

#include "host/sim/toolkit/PanelModel.hpp"
#include "host/sim/toolkit/TextConversion.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

using krx::sim::toolkit::HeaderArrow;
using krx::sim::toolkit::ItemKind;
using krx::sim::toolkit::ItemModel;
using krx::sim::toolkit::ListIcon;
using krx::sim::toolkit::ListModel;
using krx::sim::toolkit::TabField;
using krx::sim::toolkit::Toolkit;
using krx::sim::toolkit::uni;
using krx::sim::toolkit::utf8;

namespace DG {

namespace {

ListModel* listOf(const ListBox& box) {
    ItemModel* model = box.GetModel();
    return model ? model->list() : nullptr;
}

// A list whose drawing is not suspended draws every change at once; bulk changes are meant to be
// made with drawing suspended and one Redraw at the end.
void drawn(const ListBox& box) {
    ItemModel* model = box.GetModel();
    if (model != nullptr && model->list() != nullptr && !model->list()->isDrawingSuspended()) {
        ++model->redrawCount;
    }
}

// A number the list does not have is a fault of the caller; the call changes nothing.
bool check(bool ok, const ListBox& box, const char* call, short number) {
    if (!ok) {
        Toolkit::instance().addFault(std::string("ListBox::") + call + ": list item " +
                                     std::to_string(box.GetId()) + " has no number " +
                                     std::to_string(number));
    }
    return ok;
}

krx::sim::toolkit::Justification toModel(ListBox::Justification j) {
    switch (j) {
        case ListBox::Center:
            return krx::sim::toolkit::Justification::Center;
        case ListBox::Right:
            return krx::sim::toolkit::Justification::Right;
        default:
            return krx::sim::toolkit::Justification::Left;
    }
}

krx::sim::toolkit::Truncation toModel(ListBox::Truncation t) {
    switch (t) {
        case ListBox::EndTruncate:
            return krx::sim::toolkit::Truncation::End;
        case ListBox::MiddleTruncate:
            return krx::sim::toolkit::Truncation::Middle;
        default:
            return krx::sim::toolkit::Truncation::None;
    }
}

}  // namespace

ListBox::ListBox(const Panel& panel, short item)
    : Item(panel, item, {ItemKind::SingleSelList, ItemKind::MultiSelList}) {}

SingleSelListBox::SingleSelListBox(const Panel& panel, short item)
    : ListBox(panel, item, {ItemKind::SingleSelList}) {}

MultiSelListBox::MultiSelListBox(const Panel& panel, short item)
    : ListBox(panel, item, {ItemKind::MultiSelList}) {}

short ListBox::GetItemWidth() const {
    return GetWidth();
}

void ListBox::SetTabFieldCount(short count) {
    if (ListModel* list = listOf(*this); list && check(count >= 1, *this, "SetTabFieldCount", count)) {
        list->setTabFieldCount(count);
    }
}

short ListBox::GetTabFieldCount() const {
    const ListModel* list = listOf(*this);
    return list ? list->tabFieldCount() : 0;
}

void ListBox::SetTabFieldProperties(short tabIndex, short begPos, short endPos, Justification justification,
                                    Truncation truncation, bool hasSeparator, bool enabled) {
    ListModel* list = listOf(*this);
    if (list == nullptr) {
        return;
    }
    TabField field;
    field.begin = begPos;
    field.end = endPos;
    field.justification = toModel(justification);
    field.truncation = toModel(truncation);
    field.separator = hasSeparator;
    field.enabled = enabled;
    check(list->setTabField(tabIndex, field), *this, "SetTabFieldProperties", tabIndex);
}

short ListBox::GetTabFieldBeginPosition(short tabIndex) const {
    const ListModel* list = listOf(*this);
    const TabField* field = list ? list->tabField(tabIndex) : nullptr;
    return field ? field->begin : 0;
}

short ListBox::GetTabFieldEndPosition(short tabIndex) const {
    const ListModel* list = listOf(*this);
    const TabField* field = list ? list->tabField(tabIndex) : nullptr;
    return field ? field->end : 0;
}

short ListBox::GetTabFieldWidth(short tabIndex) const {
    return static_cast<short>(GetTabFieldEndPosition(tabIndex) - GetTabFieldBeginPosition(tabIndex));
}

ListBox::Justification ListBox::GetTabFieldJustification(short tabIndex) const {
    const ListModel* list = listOf(*this);
    const TabField* field = list ? list->tabField(tabIndex) : nullptr;
    if (field == nullptr) {
        return Left;
    }
    switch (field->justification) {
        case krx::sim::toolkit::Justification::Center:
            return Center;
        case krx::sim::toolkit::Justification::Right:
            return Right;
        default:
            return Left;
    }
}

ListBox::Truncation ListBox::GetTabFieldTruncation(short tabIndex) const {
    const ListModel* list = listOf(*this);
    const TabField* field = list ? list->tabField(tabIndex) : nullptr;
    if (field == nullptr) {
        return NoTruncate;
    }
    switch (field->truncation) {
        case krx::sim::toolkit::Truncation::End:
            return EndTruncate;
        case krx::sim::toolkit::Truncation::Middle:
            return MiddleTruncate;
        default:
            return NoTruncate;
    }
}

bool ListBox::HasTabFieldSeparator(short tabIndex) const {
    const ListModel* list = listOf(*this);
    const TabField* field = list ? list->tabField(tabIndex) : nullptr;
    return field != nullptr && field->separator;
}

bool ListBox::IsTabFieldEnabled(short tabIndex) const {
    const ListModel* list = listOf(*this);
    const TabField* field = list ? list->tabField(tabIndex) : nullptr;
    return field != nullptr && field->enabled;
}

void ListBox::SetHeaderSynchronState(bool synchron) {
    if (ListModel* list = listOf(*this)) {
        list->setHeaderSynchron(synchron);
    }
}

bool ListBox::GetHeaderSynchronState() const {
    const ListModel* list = listOf(*this);
    return list != nullptr && list->isHeaderSynchron();
}

void ListBox::SetHeaderItemSize(short headerItem, short size) {
    if (ListModel* list = listOf(*this)) {
        check(list->setHeaderItemSize(headerItem, size), *this, "SetHeaderItemSize", headerItem);
    }
}

short ListBox::GetHeaderItemSize(short headerItem) const {
    const ListModel* list = listOf(*this);
    return list ? list->headerItemSize(headerItem) : 0;
}

void ListBox::SetHeaderItemText(short headerItem, const GS::UniString& text) {
    if (ListModel* list = listOf(*this)) {
        if (check(list->setHeaderItemText(headerItem, utf8(text)), *this, "SetHeaderItemText", headerItem)) {
            drawn(*this);
        }
    }
}

GS::UniString ListBox::GetHeaderItemText(short headerItem) const {
    const ListModel* list = listOf(*this);
    return list ? uni(list->headerItemText(headerItem)) : GS::UniString();
}

void ListBox::SetHeaderItemArrowType(short headerItem, ArrowType arrow) {
    ListModel* list = listOf(*this);
    if (list == nullptr) {
        return;
    }
    const HeaderArrow value = arrow == UpArrow     ? HeaderArrow::Up
                              : arrow == DownArrow ? HeaderArrow::Down
                                                   : HeaderArrow::None;
    if (check(list->setHeaderArrow(headerItem, value), *this, "SetHeaderItemArrowType", headerItem)) {
        drawn(*this);
    }
}

ListBox::ArrowType ListBox::GetHeaderItemArrowType(short headerItem) const {
    const ListModel* list = listOf(*this);
    if (list == nullptr) {
        return NoArrow;
    }
    switch (list->headerArrow(headerItem)) {
        case HeaderArrow::Up:
            return UpArrow;
        case HeaderArrow::Down:
            return DownArrow;
        default:
            return NoArrow;
    }
}

void ListBox::SetHeaderPushableButtons(bool pushable) {
    if (ListModel* list = listOf(*this)) {
        list->setHeaderPushable(pushable);
    }
}

bool ListBox::HasHeaderPushableButtons() const {
    const ListModel* list = listOf(*this);
    return list != nullptr && list->isHeaderPushable();
}

short ListBox::GetItemCount() const {
    const ListModel* list = listOf(*this);
    return list ? list->itemCount() : 0;
}

void ListBox::AppendItem() {
    if (ListModel* list = listOf(*this)) {
        list->appendItem();
        drawn(*this);
    }
}

void ListBox::InsertItem(short beforeItem) {
    if (ListModel* list = listOf(*this)) {
        if (check(list->insertItem(beforeItem), *this, "InsertItem", beforeItem)) {
            drawn(*this);
        }
    }
}

void ListBox::DeleteItem(short listItem) {
    if (ListModel* list = listOf(*this)) {
        if (check(list->deleteItem(listItem), *this, "DeleteItem", listItem)) {
            drawn(*this);
        }
    }
}

void ListBox::DeleteAllItems() {
    if (ListModel* list = listOf(*this)) {
        list->deleteAllItems();
        drawn(*this);
    }
}

void ListBox::SetTabItemText(short listItem, short tabIndex, const GS::UniString& text) {
    if (ListModel* list = listOf(*this)) {
        if (check(list->setCellText(listItem, tabIndex, utf8(text)), *this, "SetTabItemText", listItem)) {
            drawn(*this);
        }
    }
}

GS::UniString ListBox::GetTabItemText(short listItem, short tabIndex) const {
    const ListModel* list = listOf(*this);
    if (list == nullptr) {
        return {};
    }
    check(
        listItem >= 1 && listItem <= list->itemCount() && tabIndex >= 1 && tabIndex <= list->tabFieldCount(),
        *this, "GetTabItemText", listItem);
    return uni(list->cellText(listItem, tabIndex));
}

void ListBox::SetTabItemIcon(short listItem, short tabIndex, const Icon& icon) {
    if (ListModel* list = listOf(*this)) {
        if (check(list->setCellIcon(listItem, tabIndex,
                                    ListIcon{icon.GetResourceModule(), icon.GetResourceId()}),
                  *this, "SetTabItemIcon", listItem)) {
            drawn(*this);
        }
    }
}

Icon ListBox::GetTabItemIcon(short listItem, short tabIndex) const {
    const ListModel* list = listOf(*this);
    if (list == nullptr) {
        return {};
    }
    check(
        listItem >= 1 && listItem <= list->itemCount() && tabIndex >= 1 && tabIndex <= list->tabFieldCount(),
        *this, "GetTabItemIcon", listItem);
    const ListIcon icon = list->cellIcon(listItem, tabIndex);
    return Icon(icon.module, static_cast<GSResID>(icon.resourceId));
}

void ListBox::SelectItem(short listItem) {
    if (ListModel* list = listOf(*this)) {
        if (check(list->select(listItem), *this, "SelectItem", listItem)) {
            drawn(*this);
        }
    }
}

void ListBox::DeselectItem(short listItem) {
    if (ListModel* list = listOf(*this)) {
        if (check(list->deselect(listItem), *this, "DeselectItem", listItem)) {
            drawn(*this);
        }
    }
}

void ListBox::DeselectAllItems() {
    if (ListModel* list = listOf(*this)) {
        list->deselectAll();
        drawn(*this);
    }
}

bool ListBox::IsItemSelected(short listItem) const {
    const ListModel* list = listOf(*this);
    return list != nullptr && list->isSelected(listItem);
}

short ListBox::GetSelectedItem() const {
    const ListModel* list = listOf(*this);
    return list ? list->firstSelected() : 0;
}

short ListBox::GetSelectedCount() const {
    const ListModel* list = listOf(*this);
    return list ? static_cast<short>(list->selectedItems().size()) : 0;
}

GS::Array<short> ListBox::GetSelectedItems() const {
    GS::Array<short> items;
    if (const ListModel* list = listOf(*this)) {
        for (short item : list->selectedItems()) {
            items.Push(item);
        }
    }
    return items;
}

void ListBox::SetOnTabItem(short tabIndex, const Item& item) {
    ListModel* list = listOf(*this);
    if (list == nullptr) {
        return;
    }
    if (!check(tabIndex >= 1 && tabIndex <= list->tabFieldCount(), *this, "SetOnTabItem", tabIndex)) {
        return;
    }
    if (item.GetModel() == nullptr || item.GetPanel() != GetPanel()) {
        Toolkit::instance().addFault("ListBox::SetOnTabItem: the item is not an item of the list's panel");
        return;
    }
    list->setOnTabItem(tabIndex, item.GetId());
}

void ListBox::RemoveOnTabItem(short tabIndex) {
    if (ListModel* list = listOf(*this)) {
        list->removeOnTabItem(tabIndex);
    }
}

short ListBox::GetOnTabItem(short tabIndex) const {
    const ListModel* list = listOf(*this);
    return list ? list->onTabItem(tabIndex) : 0;
}

void ListBox::DisableDraw() {
    if (ListModel* list = listOf(*this)) {
        list->suspendDrawing();
    }
}

void ListBox::EnableDraw() {
    if (ListModel* list = listOf(*this)) {
        list->resumeDrawing();
    }
}

short ListBox::GetMouseOffset() const {
    const ListModel* list = listOf(*this);
    return list ? list->mouseOffset() : 0;
}

}  // namespace DG
