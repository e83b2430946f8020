#include "host/sim/toolkit/PopupModel.hpp"

namespace krx::sim::toolkit {

void PopupModel::initialize(const std::string& header, short maxVisibleItems, short style) {
    initialized_ = true;
    header_ = header;
    maxVisibleItems_ = maxVisibleItems;
    style_ = style;
}

void PopupModel::appendItem(const std::string& text) {
    items_.push_back(text);
    if (current_ == 0) {
        current_ = 1;
    }
}

bool PopupModel::deleteItem(short item) {
    if (item < 1 || item > itemCount()) {
        return false;
    }
    items_.erase(items_.begin() + (item - 1));
    if (item < current_ || current_ > itemCount()) {
        --current_;
    }
    return true;
}

void PopupModel::deleteAllItems() {
    items_.clear();
    current_ = 0;
}

std::string PopupModel::itemText(short item) const {
    if (item < 1 || item > itemCount()) {
        return {};
    }
    return items_[static_cast<std::size_t>(item - 1)];
}

bool PopupModel::setCurrent(short item) {
    if (item < 1 || item > itemCount()) {
        return false;
    }
    current_ = item;
    return true;
}

}  // namespace krx::sim::toolkit
