#pragma once

// Panels of the host's dialog toolkit: the windows built from the add-on's 'GDLG' resources.
// A panel whose resource cannot be found is not built: its GetId() is 0 and every call on it does
// nothing.

#include <memory>

#include "host/api/Types.hpp"
#include "host/api/UniString.hpp"
#include "host/dg/DGObservers.hpp"

namespace krx::sim::toolkit {
class PanelModel;
}  // namespace krx::sim::toolkit

namespace DG {

namespace Key {
enum Special {
    NoSpecial = 0,
    Return,  // the main keyboard's confirm key
    Enter,   // the numeric keypad's confirm key
    Escape,
    Tab,
    Back,
    Delete,
    Left,
    Right,
    Up,
    Down,
};
enum Modifier { NoModifier = 0, Command = 1, Option = 2, Shift = 4 };
}  // namespace Key

class Panel {
public:
    virtual ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    short GetId() const;
    bool IsValid() const { return GetId() != 0; }
    short GetItemCount() const;

    void Attach(PanelObserver& observer);
    void Detach(PanelObserver& observer);

    // The key, pressed while the panel is active, reaches PanelHotkeyPressed with the returned
    // identifier (never 0; 0 when the panel is not built).
    short RegisterHotKey(Key::Special key, int modifiers = Key::NoModifier);
    void UnregisterHotKey(short keyId);

    // For the simulated toolkit itself.
    krx::sim::toolkit::PanelModel* GetModel() const { return model_.get(); }

protected:
    enum class Kind { Palette, ModalDialog, ModelessDialog };
    Panel(GSResModule resModule, GSResID resId, Kind kind);

private:
    std::unique_ptr<krx::sim::toolkit::PanelModel> model_;
};

class Dialog : public Panel {
public:
    void SetTitle(const GS::UniString& title);
    GS::UniString GetTitle() const;

    // Changing the size sends PanelResized with the change, as a resize by the person does.
    void SetClientSize(short width, short height);
    short GetClientWidth() const;
    short GetClientHeight() const;
    // The client size the resource defines.
    short GetOriginalClientWidth() const;
    short GetOriginalClientHeight() const;
    short GetX() const;
    short GetY() const;

    // Item moves and resizes between these two are drawn once, at the end.
    void BeginMoveResizeItems();
    void EndMoveResizeItems();

protected:
    using Panel::Panel;
};

class ModelessBase : public Dialog {
public:
    enum class Placement { Front, Back };

    // Showing a hidden panel opens it: PanelOpened follows.
    void Show(Placement placement = Placement::Front);
    void Hide();
    bool IsVisible() const;

    // A modeless panel reacts to the person only while its event processing runs.
    void BeginEventProcessing();
    void EndEventProcessing();
    bool IsEventProcessing() const;

protected:
    using Dialog::Dialog;
};

class Palette : public ModelessBase {
public:
    // The GUID (registry form) identifies the palette to the host across sessions.
    Palette(GSResModule resModule, GSResID resId, GSResModule iconResModule, const GS::UniString& guid);
    GS::UniString GetGuid() const;
};

class ModalDialog : public Dialog {
public:
    enum ModalResponse { Accept, Cancel };

    ModalDialog(GSResModule resModule, GSResID resId, GSResModule iconResModule);

    // Opens the dialog and returns when it closes: true when it closed with Accept. Until then the
    // person acts on it (in the simulation: the next script the driver queued).
    bool Invoke();
    // Ends the modal loop once the current event handler has returned.
    void PostCloseRequest(ModalResponse response);
    bool IsInvoked() const;
};

}  // namespace DG
