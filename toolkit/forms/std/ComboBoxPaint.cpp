// The combo box's drop-down window and painting.

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"

void TCustomComboBox::SetDroppedDown(bool v) {
  if (style_ == csSimple || v == dropped_) return;
  if (v) {
    notify(CBN_DROPDOWN);  // OnDropDown may still fill the items
    showPopup();
    dropped_ = true;
  } else {
    dropped_ = false;
    hidePopup();
    notify(CBN_CLOSEUP);
  }
  Invalidate();
}

void TCustomComboBox::showPopup() {
  if (popup_ == nullptr) {
    popup_ = new TForm(this);
    popup_->SetPopup(true, GetParentForm(this));
    popup_->SetBorderStyle(bsNone);
    list_ = new TCustomListBox(popup_);
    list_->SetParent(popup_);
    list_->SetAlign(alClient);
    list_->SetHotTrack(true);
    list_->SetTabStop(false);
    list_->OnItemChosen = [this](int i) { chooseFromList(i); };
  }
  list_->SetFont(Font());
  list_->SetStyle(style_ == csOwnerDrawFixed ? lbOwnerDrawFixed
                  : style_ == csOwnerDrawVariable ? lbOwnerDrawVariable : lbStandard);
  if (itemHeight_ > 0) list_->SetItemHeight(itemHeight_);
  list_->OnDrawItem = OnDrawItem;
  list_->OnMeasureItem = OnMeasureItem;
  list_->Items()->Assign(items_.get());
  int rows = std::clamp(items_->Count(), 1, dropDownCount_);
  int height = rows * list_->ItemHeight() + 4;
  int width = std::max(Width(), droppedWidth_);
  TPoint below = ClientToScreen({0, Height()});
  if (Screen != nullptr && below.Y + height > Screen->Height()) below.Y = ClientToScreen({0, 0}).Y - height;
  popup_->SetBounds(below.X, below.Y, width, height);
  list_->SetItemIndex(itemIndex_);
  popup_->Show();
}

void TCustomComboBox::hidePopup() {
  if (popup_ != nullptr) popup_->Hide();
}

void TCustomComboBox::PaintComboOn(TCanvas* c, bool IncludeEditText) {
  TRect r = ClientRect();
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(style_ == csSimple ? clBtnFace : Color());
  c->FillRect(r);
  if (style_ == csSimple) return;
  TRect field = r;
  DrawFieldFrame(c, field, Enabled(), Focused());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  c->FillRect(field);
  DrawComboButton(c, ButtonRect(), DroppedDown(), Enabled());
  TRect text = FieldRect();
  if (edit_ != nullptr && IncludeEditText) {
    TRect t = text;
    t.Left += 2;
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    c->DrawText(Text(), t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return;
  }
  if (edit_ != nullptr) return;
  bool highlight = focused_ && !DroppedDown();
  TRect item = text;
  InflateRect(item, -1, -1);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(highlight ? clHighlight : Color());
  c->Font()->SetColor(!Enabled() ? clGrayText : highlight ? clHighlightText : Font()->Color());
  if (style_ >= csOwnerDrawFixed && OnDrawItem) {
    TOwnerDrawState state{odComboBoxEdit};
    if (highlight) state += TOwnerDrawState{odSelected, odFocused};
    c->FillRect(item);
    if (itemIndex_ >= 0) OnDrawItem(this, itemIndex_, item, state);
  } else {
    c->FillRect(item);
    TRect t = item;
    t.Left += 2;
    c->Brush()->SetStyle(bsClear);
    c->DrawText(staticText_, t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (highlight) DrawFocusFrame(c, item);
}

void TCustomComboBox::Paint() { PaintComboOn(Canvas(), false); }
