#include "host/sim/toolkit/ListModel.hpp"

#include <algorithm>

namespace krx::sim::toolkit {

ListModel::ListModel(bool multiSelection) : multiSelection_(multiSelection) {}

ListModel::Row ListModel::newRow() const {
    Row row;
    row.cells.resize(tabFields_.size());
    return row;
}

void ListModel::setTabFieldCount(short count) {
    const auto size = static_cast<std::size_t>(std::max<short>(count, 0));
    tabFields_.resize(size);
    headerItems_.resize(size);
    for (Row& row : rows_) {
        row.cells.resize(size);
    }
    for (auto it = onTabItems_.begin(); it != onTabItems_.end();) {
        it = it->first > count ? onTabItems_.erase(it) : std::next(it);
    }
}

bool ListModel::setTabField(short tab, const TabField& field) {
    if (!validTab(tab)) {
        return false;
    }
    tabFields_[static_cast<std::size_t>(tab - 1)] = field;
    return true;
}

const TabField* ListModel::tabField(short tab) const {
    return validTab(tab) ? &tabFields_[static_cast<std::size_t>(tab - 1)] : nullptr;
}

bool ListModel::setHeaderItemSize(short headerItem, short size) {
    if (!validTab(headerItem)) {
        return false;
    }
    headerItems_[static_cast<std::size_t>(headerItem - 1)].size = size;
    return true;
}

short ListModel::headerItemSize(short headerItem) const {
    if (!validTab(headerItem)) {
        return 0;
    }
    const auto index = static_cast<std::size_t>(headerItem - 1);
    if (headerSynchron_) {
        return static_cast<short>(tabFields_[index].end - tabFields_[index].begin);
    }
    return headerItems_[index].size;
}

bool ListModel::setHeaderItemText(short headerItem, const std::string& text) {
    if (!validTab(headerItem)) {
        return false;
    }
    headerItems_[static_cast<std::size_t>(headerItem - 1)].text = text;
    return true;
}

std::string ListModel::headerItemText(short headerItem) const {
    return validTab(headerItem) ? headerItems_[static_cast<std::size_t>(headerItem - 1)].text : std::string();
}

bool ListModel::setHeaderArrow(short headerItem, HeaderArrow arrow) {
    if (!validTab(headerItem)) {
        return false;
    }
    headerItems_[static_cast<std::size_t>(headerItem - 1)].arrow = arrow;
    return true;
}

HeaderArrow ListModel::headerArrow(short headerItem) const {
    return validTab(headerItem) ? headerItems_[static_cast<std::size_t>(headerItem - 1)].arrow
                                : HeaderArrow::None;
}

void ListModel::appendItem() {
    rows_.push_back(newRow());
}

bool ListModel::insertItem(short before) {
    if (before < 1 || before > itemCount() + 1) {
        return false;
    }
    rows_.insert(rows_.begin() + (before - 1), newRow());
    return true;
}

bool ListModel::deleteItem(short item) {
    if (!validItem(item)) {
        return false;
    }
    rows_.erase(rows_.begin() + (item - 1));
    return true;
}

void ListModel::deleteAllItems() {
    rows_.clear();
}

bool ListModel::setCellText(short item, short tab, const std::string& text) {
    if (!validItem(item) || !validTab(tab)) {
        return false;
    }
    rows_[static_cast<std::size_t>(item - 1)].cells[static_cast<std::size_t>(tab - 1)].text = text;
    return true;
}

std::string ListModel::cellText(short item, short tab) const {
    if (!validItem(item) || !validTab(tab)) {
        return {};
    }
    return rows_[static_cast<std::size_t>(item - 1)].cells[static_cast<std::size_t>(tab - 1)].text;
}

bool ListModel::setCellIcon(short item, short tab, const ListIcon& icon) {
    if (!validItem(item) || !validTab(tab)) {
        return false;
    }
    rows_[static_cast<std::size_t>(item - 1)].cells[static_cast<std::size_t>(tab - 1)].icon = icon;
    return true;
}

ListIcon ListModel::cellIcon(short item, short tab) const {
    if (!validItem(item) || !validTab(tab)) {
        return {};
    }
    return rows_[static_cast<std::size_t>(item - 1)].cells[static_cast<std::size_t>(tab - 1)].icon;
}

bool ListModel::select(short item) {
    if (!validItem(item)) {
        return false;
    }
    if (!multiSelection_) {
        deselectAll();
    }
    rows_[static_cast<std::size_t>(item - 1)].selected = true;
    return true;
}

bool ListModel::deselect(short item) {
    if (!validItem(item)) {
        return false;
    }
    rows_[static_cast<std::size_t>(item - 1)].selected = false;
    return true;
}

void ListModel::deselectAll() {
    for (Row& row : rows_) {
        row.selected = false;
    }
}

bool ListModel::isSelected(short item) const {
    return validItem(item) && rows_[static_cast<std::size_t>(item - 1)].selected;
}

std::vector<short> ListModel::selectedItems() const {
    std::vector<short> items;
    for (short item = 1; item <= itemCount(); ++item) {
        if (isSelected(item)) {
            items.push_back(item);
        }
    }
    return items;
}

short ListModel::firstSelected() const {
    for (short item = 1; item <= itemCount(); ++item) {
        if (isSelected(item)) {
            return item;
        }
    }
    return 0;
}

void ListModel::setOnTabItem(short tab, short panelItem) {
    if (validTab(tab)) {
        onTabItems_[tab] = panelItem;
    }
}

void ListModel::removeOnTabItem(short tab) {
    onTabItems_.erase(tab);
}

short ListModel::onTabItem(short tab) const {
    const auto it = onTabItems_.find(tab);
    return it == onTabItems_.end() ? 0 : it->second;
}

bool ListModel::resumeDrawing() {
    if (drawSuspension_ == 0) {
        return false;
    }
    return --drawSuspension_ == 0;
}

}  // namespace krx::sim::toolkit
