#pragma once

// A pop-up of texts on a UserControl item ("TextPopup" in the resource). Entries are numbered from
// 1. Choosing an entry sends UserControlChanged; changing the entries or the current entry in code
// sends nothing. The first entry appended to an empty pop-up becomes current.

#include "host/dg/DGItem.hpp"

namespace UC {

class TextPopup : public DG::UserControl {
public:
    TextPopup(const DG::Panel& panel, short item);

    // `header` is the pop-up's own name; at most `maxVisibleItems` entries show at once when the
    // pop-up is open; `style` 1 is the plain list of texts (the only style there is).
    void Initialize(const GS::UniString& header, short maxVisibleItems, short style);

    void AppendItem(const GS::UniString& text);
    void DeleteItem(short index);
    void DeleteAllItems();
    short GetItemCount() const;
    GS::UniString GetItemText(short index) const;

    // 0 when the pop-up is empty.
    short GetCurrentItem() const;
    void SetCurrentItem(short index);
    GS::UniString GetCurrentItemText() const;
};

}  // namespace UC
