#pragma once

// A property list on a UserControl item ("AttributeList" in the resource): groups of named rows,
// each with a tooltip: check boxes, choices among texts, and whole numbers within a range. The
// person's changes reach the row's observers; changes in code send nothing. The row objects belong
// to the caller; a row or group that is destroyed leaves its list.

#include <vector>

#include "host/api/UniString.hpp"
#include "host/dg/DGPanel.hpp"

namespace VBAL {

class APIAttributeListCheckItem;
class APIAttributeListTextItem;
class APIAttributeListSelectionItem;
class APIAttributeListGroupItem;
class APIAttributeList;

class APIAttributeListItemObserver {
public:
    APIAttributeListItemObserver() = default;
    virtual ~APIAttributeListItemObserver();
    APIAttributeListItemObserver(const APIAttributeListItemObserver&) = delete;
    APIAttributeListItemObserver& operator=(const APIAttributeListItemObserver&) = delete;
};

class APIAttributeListCheckItemObserver : public virtual APIAttributeListItemObserver {
public:
    virtual void CheckChanged(const APIAttributeListCheckItem&) {}
};

class APIAttributeListSelectionItemObserver : public virtual APIAttributeListItemObserver {
public:
    virtual void SelectionChanged(const APIAttributeListSelectionItem&) {}
};

// Text rows include the number rows; an observer of text rows can also observe choices.
class APIAttributeListTextItemObserver : public virtual APIAttributeListSelectionItemObserver {
public:
    virtual void TextChanged(const APIAttributeListTextItem&) {}
};

class APIAttributeListItem {
public:
    virtual ~APIAttributeListItem();
    APIAttributeListItem(const APIAttributeListItem&) = delete;
    APIAttributeListItem& operator=(const APIAttributeListItem&) = delete;

    void SetName(const GS::UniString& name) { name_ = name; }
    const GS::UniString& GetName() const { return name_; }
    void SetToolTip(const GS::UniString& toolTip) { toolTip_ = toolTip; }
    const GS::UniString& GetToolTip() const { return toolTip_; }
    APIAttributeListGroupItem* GetGroup() const { return group_; }

    // For the simulated toolkit itself: the observers attached to this row, oldest first.
    const std::vector<APIAttributeListItemObserver*>& GetObservers() const { return observers_; }

protected:
    APIAttributeListItem();
    void attachObserver(APIAttributeListItemObserver& observer);
    void detachObserver(APIAttributeListItemObserver& observer);

private:
    friend class APIAttributeListGroupItem;
    friend class APIAttributeListItemObserver;
    friend class APIAttributeList;
    GS::UniString name_;
    GS::UniString toolTip_;
    APIAttributeListGroupItem* group_ = nullptr;
    std::vector<APIAttributeListItemObserver*> observers_;
};

class APIAttributeListGroupItem : public APIAttributeListItem {
public:
    APIAttributeListGroupItem() = default;
    ~APIAttributeListGroupItem() override;

    // A row is in at most one group; adding it again moves it to the end of this one.
    void AddItem(APIAttributeListItem& item);
    void RemoveItem(APIAttributeListItem& item);
    short GetItemCount() const { return static_cast<short>(items_.size()); }
    APIAttributeListItem* GetItem(short index) const;
    APIAttributeList* GetList() const { return list_; }

private:
    friend class APIAttributeList;
    friend class APIAttributeListItem;
    std::vector<APIAttributeListItem*> items_;
    APIAttributeList* list_ = nullptr;
};

class APIAttributeListCheckItem : public APIAttributeListItem {
public:
    APIAttributeListCheckItem() = default;
    void SetState(bool checked) { checked_ = checked; }
    bool GetState() const { return checked_; }
    void Attach(APIAttributeListCheckItemObserver& observer) { attachObserver(observer); }
    void Detach(APIAttributeListCheckItemObserver& observer) { detachObserver(observer); }

private:
    bool checked_ = false;
};

class APIAttributeListTextItem : public APIAttributeListItem {
public:
    void Attach(APIAttributeListTextItemObserver& observer) { attachObserver(observer); }
    void Detach(APIAttributeListTextItemObserver& observer) { detachObserver(observer); }
    // The row's value as shown.
    virtual GS::UniString GetText() const = 0;

protected:
    APIAttributeListTextItem() = default;
};

class APIAttributeListSelectionItem : public APIAttributeListItem {
public:
    APIAttributeListSelectionItem() = default;
    void Attach(APIAttributeListSelectionItemObserver& observer) { attachObserver(observer); }
    void Detach(APIAttributeListSelectionItemObserver& observer) { detachObserver(observer); }

    void AddEntry(const GS::UniString& text) { entries_.push_back(text); }
    short GetEntryCount() const { return static_cast<short>(entries_.size()); }
    GS::UniString GetEntryText(short index) const;
    // Entries are numbered from 1; 0 selects none. Numbers out of range are ignored.
    void SetSelected(short index);
    short GetSelected() const { return selected_; }

private:
    std::vector<GS::UniString> entries_;
    short selected_ = 0;
};

class APIAttributeListIntegerItem : public APIAttributeListTextItem {
public:
    APIAttributeListIntegerItem() = default;
    // The value in code is kept as given; the range limits what the person can enter.
    void SetValue(Int32 value) { value_ = value; }
    Int32 GetValue() const { return value_; }
    void SetRange(Int32 minValue, Int32 maxValue);
    Int32 GetMinValue() const { return min_; }
    Int32 GetMaxValue() const { return max_; }
    GS::UniString GetText() const override;

private:
    Int32 value_ = 0;
    Int32 min_ = -2147483647 - 1;
    Int32 max_ = 2147483647;
};

class APIAttributeList {
public:
    APIAttributeList(const DG::Panel& panel, short item);
    ~APIAttributeList();
    APIAttributeList(const APIAttributeList&) = delete;
    APIAttributeList& operator=(const APIAttributeList&) = delete;

    bool IsValid() const;
    void AddItem(APIAttributeListGroupItem& group);
    void RemoveItem(APIAttributeListGroupItem& group);
    short GetGroupCount() const { return static_cast<short>(groups_.size()); }
    APIAttributeListGroupItem* GetGroup(short index) const;
    // Every row of every group, top to bottom.
    std::vector<APIAttributeListItem*> GetRows() const;

    // While updates are suspended the list is not redrawn; Refresh draws it again.
    void SuspendUpdates();
    void ResumeUpdates();
    bool IsUpdateSuspended() const { return suspended_ > 0; }
    void Refresh();
    int GetRefreshCount() const { return refreshCount_; }

    // Follow the move and resize of the item the list lives on.
    void Move(short dh, short dv);
    void Resize(short dh, short dv);

private:
    friend class APIAttributeListGroupItem;
    short panelId_;
    short item_;
    std::vector<APIAttributeListGroupItem*> groups_;
    int suspended_ = 0;
    int refreshCount_ = 0;
};

}  // namespace VBAL
