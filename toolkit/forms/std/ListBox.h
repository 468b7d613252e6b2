#pragma once
// TCustomListBox/TListBox: a scrolling list of strings with objects, single
// or multiple selection, owner drawing, type-ahead and the LB_ messages.
// LBN_SELCHANGE goes to the parent and comes back as CN_COMMAND, which fires
// OnClick; only the user's selections do that.

#include <functional>
#include <memory>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/models/ItemSearch.h"
#include "toolkit/forms/std/InnerScrollBar.h"
#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/rtl/StringList.h"

enum TOwnerDrawStateItem {
  odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive, odNoAccel,
  odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

class TCustomListBox : public TCustomControl {
public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;
  std::string ClassName() const override { return "TCustomListBox"; }

  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings* v) { items_->Assign(v); }
  int Count() const { return items_->Count(); }
  int ItemIndex() const { return itemIndex_; }
  // Out-of-range values mean no item; fires no OnClick.
  void SetItemIndex(int v);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool v);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool v) { extendedSelect_ = v; }
  bool Selected(int Index) const;
  void SetSelected(int Index, bool v);
  int SelCount() const;
  void ClearSelection();
  void SelectAll();
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool v) { items_->SetSorted(v); }
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int v);
  int ItemHeight();
  void SetItemHeight(int v) { itemHeight_ = v; Invalidate(); }
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle v) { style_ = v; Invalidate(); }
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int v) { tabWidth_ = v; Invalidate(); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v) { borderStyle_ = v; Invalidate(); }
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool v) { integralHeight_ = v; }

  // -1 (or, without Existing, Count) when no item is at the point.
  int ItemAtPos(TPoint Pos, bool Existing);
  TRect ItemRect(int Index);
  void Clear() { items_->Clear(); }
  void MakeVisible(int Index);

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  TNotifyEvent OnData;

  void Dispatch(TMessage& Message) override;

  // The drop-down of the combo box uses the list without a focus of its own.
  void SetHotTrack(bool v) { hotTrack_ = v; }
  std::function<void(int Index)> OnItemChosen;
  // Selects as a user would (fires LBN_SELCHANGE / OnClick).
  void UserSelect(int Index, TShiftState Shift = {});

protected:
  void Paint() override;
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual int ItemHeightOf(int Index);
  // Space left of the text, for the check boxes of TCheckListBox.
  virtual int ItemIndent() { return 0; }
  virtual void ItemClicked(int Index, TPoint Pos) { (void)Index; (void)Pos; }
  TRect ListRect();
  int VisibleCount();
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  bool HasFocus() const { return focused_; }
  void ItemsChanged();

private:
  void notify(uint16_t code);
  void handleListMessage(TMessage& m);
  void updateScrollBar();
  std::unique_ptr<TStringList> items_;
  std::vector<bool> selected_;
  int itemIndex_ = -1;
  int anchor_ = -1;
  int topIndex_ = 0;
  int itemHeight_ = 0;
  int tabWidth_ = 0;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool integralHeight_ = false;
  bool hotTrack_ = false;
  bool focused_ = false;
  bool selecting_ = false;
  bool reflected_ = false;
  TListBoxStyle style_ = lbStandard;
  TBorderStyle borderStyle_ = bsSingle;
  TInnerScrollBar scroll_;
  TTypeAhead typeAhead_;
};

class TListBox : public TCustomListBox {
public:
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
  std::string ClassName() const override { return "TListBox"; }
};
