#include "host/dg/DGPanel.hpp"

#include <exception>
#include <string>

#include "host/dg/DGObservers.hpp"
#include "host/sim/toolkit/EventDispatch.hpp"
#include "host/sim/toolkit/PanelModel.hpp"
#include "host/sim/toolkit/TextConversion.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

using krx::sim::toolkit::ObserverList;
using krx::sim::toolkit::PanelDescription;
using krx::sim::toolkit::PanelKind;
using krx::sim::toolkit::PanelModel;
using krx::sim::toolkit::Toolkit;
namespace dispatch = krx::sim::toolkit::dispatch;

namespace DG {

namespace {

PanelKind panelKind(int kind) {
    switch (kind) {
        case 0:
            return PanelKind::Palette;
        case 1:
            return PanelKind::ModalDialog;
        default:
            return PanelKind::ModelessDialog;
    }
}

const char* kindName(PanelKind kind) {
    switch (kind) {
        case PanelKind::Palette:
            return "palette";
        case PanelKind::ModalDialog:
            return "modal dialog";
        case PanelKind::ModelessDialog:
            return "modeless dialog";
    }
    return "?";
}

}  // namespace

PanelObserver::~PanelObserver() {
    ObserverList::forgetEverywhere(static_cast<const PanelObserver*>(this));
}

ItemObserver::~ItemObserver() {
    ObserverList::forgetEverywhere(static_cast<const ItemObserver*>(this));
}

Panel::Panel(GSResModule resModule, GSResID resId, Kind kind) {
    Toolkit& toolkit = Toolkit::instance();
    PanelDescription description;
    if (!toolkit.findPanelDescription(resModule, resId, &description)) {
        return;
    }
    const PanelKind wanted = panelKind(static_cast<int>(kind));
    if (description.kind != wanted) {
        toolkit.addFault("resource " + std::to_string(resId) + " is a " + kindName(description.kind) +
                         ", built as a " + kindName(wanted));
        return;
    }
    model_ = std::make_unique<PanelModel>(description, resModule, resId);
    model_->object = this;
    model_->eventProcessing = wanted == PanelKind::ModalDialog;
}

Panel::~Panel() = default;

short Panel::GetId() const {
    return model_ ? model_->id() : 0;
}

short Panel::GetItemCount() const {
    return model_ ? model_->itemCount() : 0;
}

void Panel::Attach(PanelObserver& observer) {
    if (model_) {
        model_->observers.attach(static_cast<const PanelObserver*>(&observer));
    }
}

void Panel::Detach(PanelObserver& observer) {
    if (model_) {
        model_->observers.detach(static_cast<const PanelObserver*>(&observer));
    }
}

short Panel::RegisterHotKey(Key::Special key, int modifiers) {
    if (!model_) {
        return 0;
    }
    for (const auto& hotKey : model_->hotKeys) {
        if (hotKey.key == key && hotKey.modifiers == modifiers) {
            return 0;
        }
    }
    const short id = model_->nextHotKeyId++;
    model_->hotKeys.push_back({id, key, modifiers});
    return id;
}

void Panel::UnregisterHotKey(short keyId) {
    if (!model_) {
        return;
    }
    auto& keys = model_->hotKeys;
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        if (it->id == keyId) {
            keys.erase(it);
            return;
        }
    }
}

void Dialog::SetTitle(const GS::UniString& title) {
    if (PanelModel* model = GetModel()) {
        model->title = krx::sim::toolkit::utf8(title);
    }
}

GS::UniString Dialog::GetTitle() const {
    const PanelModel* model = GetModel();
    return model ? krx::sim::toolkit::uni(model->title) : GS::UniString();
}

void Dialog::SetClientSize(short width, short height) {
    PanelModel* model = GetModel();
    if (model == nullptr) {
        return;
    }
    const short dh = static_cast<short>(width - model->clientWidth);
    const short dv = static_cast<short>(height - model->clientHeight);
    model->clientWidth = width;
    model->clientHeight = height;
    if (dh != 0 || dv != 0) {
        dispatch::panelResized(*model, dh, dv, false);
    }
}

short Dialog::GetClientWidth() const {
    return GetModel() ? GetModel()->clientWidth : 0;
}

short Dialog::GetClientHeight() const {
    return GetModel() ? GetModel()->clientHeight : 0;
}

short Dialog::GetOriginalClientWidth() const {
    return GetModel() ? GetModel()->originalWidth : 0;
}

short Dialog::GetOriginalClientHeight() const {
    return GetModel() ? GetModel()->originalHeight : 0;
}

short Dialog::GetX() const {
    return GetModel() ? GetModel()->left : 0;
}

short Dialog::GetY() const {
    return GetModel() ? GetModel()->top : 0;
}

void Dialog::BeginMoveResizeItems() {
    if (PanelModel* model = GetModel()) {
        ++model->moveResizeDepth;
    }
}

void Dialog::EndMoveResizeItems() {
    PanelModel* model = GetModel();
    if (model == nullptr || model->moveResizeDepth == 0) {
        return;
    }
    if (--model->moveResizeDepth == 0) {
        ++model->redrawCount;
    }
}

void ModelessBase::Show(Placement /*placement*/) {
    PanelModel* model = GetModel();
    if (model == nullptr || model->visible) {
        return;
    }
    model->visible = true;
    dispatch::panelOpened(*model);
}

void ModelessBase::Hide() {
    if (PanelModel* model = GetModel()) {
        model->visible = false;
    }
}

bool ModelessBase::IsVisible() const {
    return GetModel() != nullptr && GetModel()->visible;
}

void ModelessBase::BeginEventProcessing() {
    if (PanelModel* model = GetModel()) {
        model->eventProcessing = true;
    }
}

void ModelessBase::EndEventProcessing() {
    if (PanelModel* model = GetModel()) {
        model->eventProcessing = false;
    }
}

bool ModelessBase::IsEventProcessing() const {
    return GetModel() != nullptr && GetModel()->eventProcessing;
}

Palette::Palette(GSResModule resModule, GSResID resId, GSResModule /*iconResModule*/,
                 const GS::UniString& guid)
    : ModelessBase(resModule, resId, Kind::Palette) {
    if (PanelModel* model = GetModel()) {
        model->guid = krx::sim::toolkit::utf8(guid);
    }
}

GS::UniString Palette::GetGuid() const {
    return GetModel() ? krx::sim::toolkit::uni(GetModel()->guid) : GS::UniString();
}

ModalDialog::ModalDialog(GSResModule resModule, GSResID resId, GSResModule /*iconResModule*/)
    : Dialog(resModule, resId, Kind::ModalDialog) {}

bool ModalDialog::Invoke() {
    PanelModel* model = GetModel();
    Toolkit& toolkit = Toolkit::instance();
    if (model == nullptr || model->modalRunning) {
        return false;
    }
    model->modalRunning = true;
    model->closeRequested = false;
    model->accepted = false;
    model->visible = true;
    const short id = model->id();
    dispatch::panelOpened(*model);

    // The modal loop: the person does what the driver scripted for this dialog, all of it while
    // Invoke is on the stack.
    Toolkit::ModalScript script;
    if (toolkit.panel(id) == model && !model->closeRequested && toolkit.takeModalScript(&script)) {
        try {
            script(id);
        } catch (const std::exception& e) {
            toolkit.addFault(std::string("modal dialog script threw: ") + e.what());
        } catch (...) {
            toolkit.addFault("modal dialog script threw");
        }
    }
    if (toolkit.panel(id) != model) {
        return false;
    }
    // A person who is done with a dialog and has not pressed its button closes it with the close box.
    if (!model->closeRequested) {
        if (dispatch::panelCloseRequested(*model) || toolkit.panel(id) != model) {
            model->accepted = false;
        } else {
            toolkit.addFault("modal dialog " + std::to_string(model->resourceId()) +
                             " refused to close at the end of its script; closed with cancel");
            model->accepted = false;
        }
        model->closeRequested = true;
    }
    if (toolkit.panel(id) != model) {
        return false;
    }
    model->modalRunning = false;
    model->visible = false;
    const bool accepted = model->accepted;
    dispatch::panelClosed(*model, accepted);
    return accepted;
}

void ModalDialog::PostCloseRequest(ModalResponse response) {
    PanelModel* model = GetModel();
    if (model == nullptr || !model->modalRunning || model->closeRequested) {
        return;
    }
    model->closeRequested = true;
    model->accepted = response == Accept;
}

bool ModalDialog::IsInvoked() const {
    return GetModel() != nullptr && GetModel()->modalRunning;
}

}  // namespace DG
