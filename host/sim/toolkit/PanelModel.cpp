#include "host/sim/toolkit/PanelModel.hpp"

#include "host/sim/toolkit/Toolkit.hpp"

namespace krx::sim::toolkit {

ItemModel::ItemModel(PanelModel& panel, short number, const ItemDescription& description)
    : rect(description.rect),
      text(description.text),
      tooltip(description.tooltip),
      panel_(&panel),
      number_(number),
      kind_(description.kind),
      controlClass_(description.controlClass) {
    if (kind_ == ItemKind::SingleSelList || kind_ == ItemKind::MultiSelList) {
        list_ = std::make_unique<ListModel>(kind_ == ItemKind::MultiSelList);
        // A list always has at least one tab field, over its whole width, until the add-on lays out
        // its own.
        list_->setTabFieldCount(1);
        TabField whole;
        whole.end = rect.width;
        list_->setTabField(1, whole);
        const auto header = description.values.find("HasHeader");
        hasHeader = header != description.values.end() || description.hasFlag("HasHeader");
        headerHeight =
            static_cast<short>(header != description.values.end() ? header->second : (hasHeader ? 20 : 0));
        rowHeight = static_cast<short>(description.value("RowHeight", rowHeight));
    }
    if (kind_ == ItemKind::UserControl && controlClass_ == "TextPopup") {
        popup_ = std::make_unique<PopupModel>();
    }
    if (kind_ == ItemKind::TextEdit) {
        maxLength = static_cast<short>(description.value("MaxLength", 0));
    }
}

bool ItemModel::isReachable() const {
    return visible && enabled && panel_->visible;
}

PanelModel::PanelModel(const PanelDescription& description, int resourceModule, short resourceId)
    : title(description.title),
      left(description.rect.left),
      top(description.rect.top),
      clientWidth(description.rect.width),
      clientHeight(description.rect.height),
      originalWidth(description.rect.width),
      originalHeight(description.rect.height),
      id_(0),
      kind_(description.kind),
      resourceModule_(resourceModule),
      resourceId_(resourceId),
      closeBox_(description.hasFlag("close")),
      growable_(description.hasFlag("grow")) {
    for (std::size_t i = 0; i < description.items.size(); ++i) {
        items_.push_back(std::make_unique<ItemModel>(*this, static_cast<short>(i + 1), description.items[i]));
    }
    id_ = Toolkit::instance().registerPanel(this);
}

PanelModel::~PanelModel() {
    Toolkit::instance().unregisterPanel(this);
}

ItemModel* PanelModel::item(short number) const {
    if (number < 1 || number > itemCount()) {
        return nullptr;
    }
    return items_[static_cast<std::size_t>(number - 1)].get();
}

}  // namespace krx::sim::toolkit
