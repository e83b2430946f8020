#pragma once

// The state of one list box of the simulated toolkit: tab fields, header, rows and selection.
// Everything is numbered from 1 as the toolkit's callers count; out-of-range numbers are refused
// (false or an empty value) rather than clamped, so a wrong number never changes another row.

#include <map>
#include <string>
#include <vector>

namespace krx::sim::toolkit {

enum class Justification { Left, Center, Right };
enum class Truncation { None, End, Middle };
enum class HeaderArrow { None, Up, Down };

struct TabField {
    short begin = 0;
    short end = 0;
    Justification justification = Justification::Left;
    Truncation truncation = Truncation::None;
    bool separator = false;
    bool enabled = true;
};

// An image shown in a list cell, known by the resource it came from. Two icons are the same icon
// when they name the same resource of the same module; the empty icon names none.
struct ListIcon {
    int module = 0;
    int resourceId = 0;
    bool isEmpty() const { return module == 0 && resourceId == 0; }
    bool operator==(const ListIcon& other) const {
        return module == other.module && resourceId == other.resourceId;
    }
    bool operator!=(const ListIcon& other) const { return !(*this == other); }
};

class ListModel {
public:
    explicit ListModel(bool multiSelection);

    bool isMultiSelection() const { return multiSelection_; }

    void setTabFieldCount(short count);
    short tabFieldCount() const { return static_cast<short>(tabFields_.size()); }
    bool setTabField(short tab, const TabField& field);
    const TabField* tabField(short tab) const;

    void setHeaderSynchron(bool on) { headerSynchron_ = on; }
    bool isHeaderSynchron() const { return headerSynchron_; }
    void setHeaderPushable(bool on) { headerPushable_ = on; }
    bool isHeaderPushable() const { return headerPushable_; }
    bool setHeaderItemSize(short headerItem, short size);
    // With synchronisation on, a header item is as wide as its tab field.
    short headerItemSize(short headerItem) const;
    bool setHeaderItemText(short headerItem, const std::string& text);
    std::string headerItemText(short headerItem) const;
    bool setHeaderArrow(short headerItem, HeaderArrow arrow);
    HeaderArrow headerArrow(short headerItem) const;

    short itemCount() const { return static_cast<short>(rows_.size()); }
    void appendItem();
    bool insertItem(short before);
    bool deleteItem(short item);
    void deleteAllItems();
    bool setCellText(short item, short tab, const std::string& text);
    std::string cellText(short item, short tab) const;
    bool setCellIcon(short item, short tab, const ListIcon& icon);
    ListIcon cellIcon(short item, short tab) const;

    // A single-selection list replaces its selection; a multi-selection list adds to it.
    bool select(short item);
    bool deselect(short item);
    void deselectAll();
    bool isSelected(short item) const;
    std::vector<short> selectedItems() const;
    short firstSelected() const;

    void setOnTabItem(short tab, short panelItem);
    void removeOnTabItem(short tab);
    short onTabItem(short tab) const;
    const std::map<short, short>& onTabItems() const { return onTabItems_; }

    void suspendDrawing() { ++drawSuspension_; }
    // Returns true when this call ended the last suspension.
    bool resumeDrawing();
    bool isDrawingSuspended() const { return drawSuspension_ > 0; }

    void setMouseOffset(short offset) { mouseOffset_ = offset; }
    short mouseOffset() const { return mouseOffset_; }

private:
    struct Cell {
        std::string text;
        ListIcon icon;
    };
    struct Row {
        std::vector<Cell> cells;
        bool selected = false;
    };
    struct HeaderItem {
        std::string text;
        short size = 0;
        HeaderArrow arrow = HeaderArrow::None;
    };

    bool validItem(short item) const { return item >= 1 && item <= itemCount(); }
    bool validTab(short tab) const { return tab >= 1 && tab <= tabFieldCount(); }
    Row newRow() const;

    bool multiSelection_;
    std::vector<TabField> tabFields_;
    std::vector<HeaderItem> headerItems_;
    std::vector<Row> rows_;
    std::map<short, short> onTabItems_;
    bool headerSynchron_ = true;
    bool headerPushable_ = false;
    int drawSuspension_ = 0;
    short mouseOffset_ = 0;
};

}  // namespace krx::sim::toolkit
