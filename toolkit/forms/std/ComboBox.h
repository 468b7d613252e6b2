#pragma once
// TCustomComboBox/TComboBox: an edit (or a static field) with a list that
// drops down in a popup window. The CBN_ notifications go to the parent and
// come back as CN_COMMAND; OnChange fires for the user's changes only.

#include <memory>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/models/ItemSearch.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/ListBox.h"
#include "toolkit/rtl/StringList.h"

class TCustomForm;
class TCustomComboBox;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// The edit inside a drop-down combo; its keys go past the combo first.
class TComboEdit : public TCustomEdit {
public:
  TComboEdit(TComponent* AOwner, TCustomComboBox* Combo);
  std::string ClassName() const override { return "TComboEdit"; }

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  // The combo decides which dialog keys it keeps, for its edit too.
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  void Change() override;

private:
  TCustomComboBox* combo_;
};

class TCustomComboBox : public TCustomControl {
public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;
  std::string ClassName() const override { return "TCustomComboBox"; }

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle v);
  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings* v) { items_->Assign(v); }
  int ItemIndex() const { return itemIndex_; }
  // Out-of-range values mean no item; programmatic writes fire no events.
  void SetItemIndex(int v);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool v) { items_->SetSorted(v); }
  bool DroppedDown() const { return popup_ != nullptr && dropped_; }
  void SetDroppedDown(bool v);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int v) { dropDownCount_ = std::max(1, v); }
  int DroppedWidth() const { return droppedWidth_; }
  void SetDroppedWidth(int v) { droppedWidth_ = v; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool v) { autoComplete_ = v; }
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase v);
  int ItemHeight();
  void SetItemHeight(int v) { itemHeight_ = v; Invalidate(); }
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  std::string SelText() const;
  void SelectAll();
  void Clear();
  // The child edit of csDropDown and csSimple (nullptr otherwise).
  TCustomEdit* EditControl() const { return edit_; }
  HWND EditHandle() const;
  TCustomListBox* ListControl() const { return list_; }
  void SetFocus() override;
  bool Focused() const override;

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

  void Dispatch(TMessage& Message) override;

  // Keys from the child edit, or from the combo itself in the list styles;
  // returns true when the combo used the key.
  bool ComboKey(uint16_t Key, TShiftState Shift);
  void EditTextChanged();
  void EditFocusLost(HWND NewFocus);
  // Draws the closed combo on any canvas (a grid cell, a snapshot).
  void PaintComboOn(TCanvas* Canvas, bool IncludeEditText);

protected:
  std::string GetText() const override;
  void RealSetText(const std::string& v) override;
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  void Paint() override;
  void CreateParams(TCreateParams& Params) override;
  void BoundsChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void WMCancelMode(TMessage& Message) override;
  TRect ButtonRect() const;
  TRect FieldRect() const;
  // The drop button's width inside the frame; a combo with its own look widens it.
  virtual int DropButtonWidth() const { return 17; }

private:
  friend class TComboEdit;
  void notify(uint16_t code);
  void onNotify(uint16_t code);
  void userSelect(int index);
  void chooseFromList(int index);
  void layoutChildren();
  void createChildren();
  void itemsChanged();
  void handleComboMessage(TMessage& m);
  void showPopup();
  void hidePopup();
  std::string itemText(int i) const { return items_->Get(i); }

  TComboBoxStyle style_ = csDropDown;
  std::unique_ptr<TStringList> items_;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
  int droppedWidth_ = 0;
  int maxLength_ = 0;
  bool autoComplete_ = true;
  TEditCharCase charCase_ = ecNormal;
  int itemHeight_ = 0;
  std::string staticText_;      // the text of the list styles
  TComboEdit* edit_ = nullptr;
  TCustomListBox* list_ = nullptr;  // csSimple's list, or the drop-down's
  TCustomForm* popup_ = nullptr;
  bool dropped_ = false;
  bool focused_ = false;
  bool reflected_ = false;
  bool settingText_ = false;
  bool completing_ = false;
  TTypeAhead typeAhead_;
};

class TComboBox : public TCustomComboBox {
public:
  explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
  std::string ClassName() const override { return "TComboBox"; }
};
