#pragma once

// List boxes: rows of tab fields (columns) under a header, with texts and icons per tab field,
// pop-ups shown inside the selected row, and single or multiple selection. Rows, tab fields and
// header items are numbered from 1.

#include "host/api/Array.hpp"
#include "host/dg/DGImage.hpp"
#include "host/dg/DGItem.hpp"

namespace DG {

class ListBox : public Item {
public:
    enum Justification { Left, Center, Right };
    enum Truncation { NoTruncate, EndTruncate, MiddleTruncate };
    enum ArrowType { NoArrow = 0, UpArrow = 1, DownArrow = 2 };

    // Binds a single- or a multi-selection list.
    ListBox(const Panel& panel, short item);

    void Attach(ListBoxObserver& observer) { attachObserver(observer); }
    void Detach(ListBoxObserver& observer) { detachObserver(observer); }

    // The width rows are drawn in; tab field positions are offsets within it.
    short GetItemWidth() const;

    void SetTabFieldCount(short count);
    short GetTabFieldCount() const;
    void SetTabFieldProperties(short tabIndex, short begPos, short endPos, Justification justification,
                               Truncation truncation, bool hasSeparator = false, bool enabled = true);
    short GetTabFieldBeginPosition(short tabIndex) const;
    short GetTabFieldEndPosition(short tabIndex) const;
    short GetTabFieldWidth(short tabIndex) const;
    Justification GetTabFieldJustification(short tabIndex) const;
    Truncation GetTabFieldTruncation(short tabIndex) const;
    bool HasTabFieldSeparator(short tabIndex) const;
    bool IsTabFieldEnabled(short tabIndex) const;

    // With synchronisation on (the default) each header item is as wide as its tab field; off, the
    // header items keep the sizes set with SetHeaderItemSize.
    void SetHeaderSynchronState(bool synchron);
    bool GetHeaderSynchronState() const;
    void SetHeaderItemSize(short headerItem, short size);
    short GetHeaderItemSize(short headerItem) const;
    void SetHeaderItemText(short headerItem, const GS::UniString& text);
    GS::UniString GetHeaderItemText(short headerItem) const;
    void SetHeaderItemArrowType(short headerItem, ArrowType arrow);
    ArrowType GetHeaderItemArrowType(short headerItem) const;
    // Push buttons: a click on a header item reaches ListBoxHeaderItemClicked.
    void SetHeaderPushableButtons(bool pushable);
    bool HasHeaderPushableButtons() const;

    short GetItemCount() const;
    void AppendItem();
    void InsertItem(short beforeItem);
    void DeleteItem(short listItem);
    void DeleteAllItems();
    void SetTabItemText(short listItem, short tabIndex, const GS::UniString& text);
    GS::UniString GetTabItemText(short listItem, short tabIndex) const;
    void SetTabItemIcon(short listItem, short tabIndex, const Icon& icon);
    Icon GetTabItemIcon(short listItem, short tabIndex) const;

    // Selecting in code sends no event. In a multi-selection list SelectItem adds to the selection.
    void SelectItem(short listItem);
    void DeselectItem(short listItem);
    void DeselectAllItems();
    bool IsItemSelected(short listItem) const;
    // The first selected item, or 0.
    short GetSelectedItem() const;
    short GetSelectedCount() const;
    // Ascending.
    GS::Array<short> GetSelectedItems() const;

    // The item is shown inside the selected row at the tab field, as long as it stays attached.
    void SetOnTabItem(short tabIndex, const Item& item);
    void RemoveOnTabItem(short tabIndex);
    short GetOnTabItem(short tabIndex) const;

    // Each change of rows, selection or header draws the list at once, unless drawing is suspended:
    // it stays suspended until as many EnableDraw calls, and Redraw then draws the list once.
    void DisableDraw();
    void EnableDraw();

    // The horizontal offset, within the rows, of the last click on the list.
    short GetMouseOffset() const;

protected:
    using Item::Item;
};

class SingleSelListBox : public ListBox {
public:
    SingleSelListBox(const Panel& panel, short item);
};

class MultiSelListBox : public ListBox {
public:
    MultiSelListBox(const Panel& panel, short item);
};

}  // namespace DG
