#pragma once

// Items of a panel, bound by their number in the panel's resource. An item object bound to an item
// of another kind, or to a number the panel does not have, is not valid and does nothing.

#include <initializer_list>

#include "host/api/UniString.hpp"
#include "host/dg/DGObservers.hpp"
#include "host/dg/DGPanel.hpp"

namespace krx::sim::toolkit {
class ItemModel;
enum class ItemKind;
}  // namespace krx::sim::toolkit

namespace DG {

class Item {
public:
    Item(const Panel& panel, short item);
    virtual ~Item();
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    bool IsValid() const { return GetModel() != nullptr; }
    short GetId() const { return item_; }
    Panel* GetPanel() const { return panel_; }

    void Move(short dh, short dv);
    void Resize(short dh, short dv);
    void SetPosition(short x, short y);
    void SetSize(short width, short height);
    short GetX() const;
    short GetY() const;
    short GetWidth() const;
    short GetHeight() const;

    void Show();
    void Hide();
    void SetVisibility(bool visible);
    bool IsVisible() const;
    void Enable();
    void Disable();
    bool IsEnabled() const;
    void Redraw();

    void SetFocus();
    bool IsFocused() const;

    GS::UniString GetTooltipString() const;

    // For the simulated toolkit itself.
    krx::sim::toolkit::ItemModel* GetModel() const;

protected:
    // Binds only to an item of one of the kinds given, hosting the control class given if any (a
    // fault is recorded otherwise).
    Item(const Panel& panel, short item, std::initializer_list<krx::sim::toolkit::ItemKind> kinds,
         const char* controlClass = nullptr);

    void attachObserver(ItemObserver& observer);
    void detachObserver(ItemObserver& observer);
    void setItemText(const GS::UniString& text);
    GS::UniString itemText() const;

private:
    void bind(std::initializer_list<krx::sim::toolkit::ItemKind> kinds, bool anyKind,
              const char* controlClass);

    Panel* panel_;
    short panelId_;
    short item_;
    bool bound_ = false;
};

class ButtonItem : public Item {
public:
    void Attach(ButtonItemObserver& observer) { attachObserver(observer); }
    void Detach(ButtonItemObserver& observer) { detachObserver(observer); }
    void SetText(const GS::UniString& text) { setItemText(text); }
    GS::UniString GetText() const { return itemText(); }

protected:
    using Item::Item;
};

class Button : public ButtonItem {
public:
    Button(const Panel& panel, short item);
};

class StaticText : public Item {
public:
    StaticText(const Panel& panel, short item);
    void SetText(const GS::UniString& text) { setItemText(text); }
    GS::UniString GetText() const { return itemText(); }
};

class LeftText : public StaticText {
public:
    using StaticText::StaticText;
};

class RightText : public StaticText {
public:
    using StaticText::StaticText;
};

class CenterText : public StaticText {
public:
    using StaticText::StaticText;
};

class TextEdit : public Item {
public:
    TextEdit(const Panel& panel, short item);
    void Attach(TextEditObserver& observer) { attachObserver(observer); }
    void Detach(TextEditObserver& observer) { detachObserver(observer); }
    void SetText(const GS::UniString& text) { setItemText(text); }
    GS::UniString GetText() const { return itemText(); }
};

// An item whose drawing and behaviour a control of its own provides (text pop-ups, property lists).
class UserControl : public Item {
public:
    UserControl(const Panel& panel, short item);
    void Attach(UserControlObserver& observer) { attachObserver(observer); }
    void Detach(UserControlObserver& observer) { detachObserver(observer); }

protected:
    // Binds only to a user control hosting that control class.
    UserControl(const Panel& panel, short item, const char* controlClass);
};

}  // namespace DG
