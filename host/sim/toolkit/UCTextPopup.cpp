#include "host/dg/UCTextPopup.hpp"

#include <string>

#include "host/sim/toolkit/PanelModel.hpp"
#include "host/sim/toolkit/TextConversion.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

using krx::sim::toolkit::PopupModel;
using krx::sim::toolkit::Toolkit;
using krx::sim::toolkit::uni;
using krx::sim::toolkit::utf8;

namespace UC {

namespace {

PopupModel* popupOf(const TextPopup& popup) {
    krx::sim::toolkit::ItemModel* model = popup.GetModel();
    return model ? model->popup() : nullptr;
}

void refuse(const TextPopup& popup, const char* call, short index) {
    Toolkit::instance().addFault(std::string("TextPopup::") + call + ": pop-up item " +
                                 std::to_string(popup.GetId()) + " has no entry " + std::to_string(index));
}

}  // namespace

TextPopup::TextPopup(const DG::Panel& panel, short item) : DG::UserControl(panel, item, "TextPopup") {}

void TextPopup::Initialize(const GS::UniString& header, short maxVisibleItems, short style) {
    if (PopupModel* popup = popupOf(*this)) {
        popup->initialize(utf8(header), maxVisibleItems, style);
    }
}

void TextPopup::AppendItem(const GS::UniString& text) {
    if (PopupModel* popup = popupOf(*this)) {
        popup->appendItem(utf8(text));
    }
}

void TextPopup::DeleteItem(short index) {
    if (PopupModel* popup = popupOf(*this); popup != nullptr && !popup->deleteItem(index)) {
        refuse(*this, "DeleteItem", index);
    }
}

void TextPopup::DeleteAllItems() {
    if (PopupModel* popup = popupOf(*this)) {
        popup->deleteAllItems();
    }
}

short TextPopup::GetItemCount() const {
    const PopupModel* popup = popupOf(*this);
    return popup ? popup->itemCount() : 0;
}

GS::UniString TextPopup::GetItemText(short index) const {
    const PopupModel* popup = popupOf(*this);
    if (popup == nullptr) {
        return {};
    }
    if (index < 1 || index > popup->itemCount()) {
        refuse(*this, "GetItemText", index);
    }
    return uni(popup->itemText(index));
}

short TextPopup::GetCurrentItem() const {
    const PopupModel* popup = popupOf(*this);
    return popup ? popup->current() : 0;
}

void TextPopup::SetCurrentItem(short index) {
    if (PopupModel* popup = popupOf(*this); popup != nullptr && !popup->setCurrent(index)) {
        refuse(*this, "SetCurrentItem", index);
    }
}

GS::UniString TextPopup::GetCurrentItemText() const {
    const PopupModel* popup = popupOf(*this);
    return popup ? uni(popup->currentText()) : GS::UniString();
}

}  // namespace UC
