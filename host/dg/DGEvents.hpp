#pragma once

// The events the toolkit sends to observers. Each names its source: the panel, or the boundary
// object bound to the item the person acted on (null when the add-on bound no object to it).

namespace DG {

class Panel;
class ListBox;
class ButtonItem;
class UserControl;
class TextEdit;

struct Point {
    short x = 0;
    short y = 0;
};

class PanelEvent {
public:
    explicit PanelEvent(Panel* source) : source_(source) {}
    Panel* GetSource() const { return source_; }

private:
    Panel* source_;
};

class PanelOpenEvent : public PanelEvent {
public:
    using PanelEvent::PanelEvent;
};

class PanelCloseEvent : public PanelEvent {
public:
    PanelCloseEvent(Panel* source, bool accepted) : PanelEvent(source), accepted_(accepted) {}
    // Modal dialogs: whether the dialog closed with the accept response.
    bool IsAccepted() const { return accepted_; }

private:
    bool accepted_;
};

class PanelCloseRequestEvent : public PanelEvent {
public:
    using PanelEvent::PanelEvent;
};

class PanelResizeEvent : public PanelEvent {
public:
    PanelResizeEvent(Panel* source, short horizontalChange, short verticalChange, bool byUser)
        : PanelEvent(source), dh_(horizontalChange), dv_(verticalChange), byUser_(byUser) {}
    short GetHorizontalChange() const { return dh_; }
    short GetVerticalChange() const { return dv_; }
    // False when the add-on changed the size itself (SetClientSize).
    bool IsUserResize() const { return byUser_; }

private:
    short dh_;
    short dv_;
    bool byUser_;
};

class PanelMoveEvent : public PanelEvent {
public:
    using PanelEvent::PanelEvent;
};

class PanelHotKeyEvent : public PanelEvent {
public:
    PanelHotKeyEvent(Panel* source, short keyId) : PanelEvent(source), keyId_(keyId) {}
    // The identifier RegisterHotKey returned.
    short GetKeyId() const { return keyId_; }

private:
    short keyId_;
};

class PanelContextMenuEvent : public PanelEvent {
public:
    PanelContextMenuEvent(Panel* source, Point position) : PanelEvent(source), position_(position) {}
    Point GetPosition() const { return position_; }

private:
    Point position_;
};

class ListBoxEvent {
public:
    explicit ListBoxEvent(ListBox* source) : source_(source) {}
    ListBox* GetSource() const { return source_; }

private:
    ListBox* source_;
};

class ListBoxClickEvent : public ListBoxEvent {
public:
    ListBoxClickEvent(ListBox* source, short listItem) : ListBoxEvent(source), listItem_(listItem) {}
    // The item clicked, or 0 for the empty space below the last item.
    short GetListItem() const { return listItem_; }

private:
    short listItem_;
};

class ListBoxSelectionEvent : public ListBoxEvent {
public:
    using ListBoxEvent::ListBoxEvent;
};

class ListBoxHeaderItemClickEvent : public ListBoxEvent {
public:
    ListBoxHeaderItemClickEvent(ListBox* source, short headerItem)
        : ListBoxEvent(source), headerItem_(headerItem) {}
    short GetHeaderItem() const { return headerItem_; }

private:
    short headerItem_;
};

class ListBoxContextMenuEvent : public ListBoxEvent {
public:
    ListBoxContextMenuEvent(ListBox* source, short listItem, Point position)
        : ListBoxEvent(source), listItem_(listItem), position_(position) {}
    // The item under the pointer, or 0.
    short GetListItem() const { return listItem_; }
    Point GetPosition() const { return position_; }

private:
    short listItem_;
    Point position_;
};

class ButtonClickEvent {
public:
    explicit ButtonClickEvent(ButtonItem* source) : source_(source) {}
    ButtonItem* GetSource() const { return source_; }

private:
    ButtonItem* source_;
};

class UserControlChangeEvent {
public:
    explicit UserControlChangeEvent(UserControl* source) : source_(source) {}
    UserControl* GetSource() const { return source_; }

private:
    UserControl* source_;
};

class TextEditChangeEvent {
public:
    explicit TextEditChangeEvent(TextEdit* source) : source_(source) {}
    TextEdit* GetSource() const { return source_; }

private:
    TextEdit* source_;
};

}  // namespace DG
