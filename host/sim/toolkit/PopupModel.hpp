#pragma once

// The entries of one text pop-up. Entries are numbered from 1; 0 means "no current entry", which
// only an empty pop-up has.

#include <string>
#include <vector>

namespace krx::sim::toolkit {

class PopupModel {
public:
    void initialize(const std::string& header, short maxVisibleItems, short style);
    bool isInitialized() const { return initialized_; }
    const std::string& header() const { return header_; }
    short maxVisibleItems() const { return maxVisibleItems_; }
    short style() const { return style_; }

    // The first entry of an empty pop-up becomes its current entry.
    void appendItem(const std::string& text);
    // Deleting the current entry makes the entry that takes its place current (or the new last one);
    // deleting one before it keeps the same entry current.
    bool deleteItem(short item);
    void deleteAllItems();

    short itemCount() const { return static_cast<short>(items_.size()); }
    std::string itemText(short item) const;
    bool setCurrent(short item);
    short current() const { return current_; }
    std::string currentText() const { return itemText(current_); }

private:
    bool initialized_ = false;
    std::string header_;
    short maxVisibleItems_ = 0;
    short style_ = 0;
    std::vector<std::string> items_;
    short current_ = 0;
};

}  // namespace krx::sim::toolkit
