#include "toolkit/forms/std/CheckListBox.h"

#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Exceptions.h"

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

// The per-item states follow the item count; new items start unchecked.
void TCheckListBox::fit() const {
  states_.resize(Count(), cbUnchecked);
  enabled_.resize(Count(), true);
}

TCheckBoxState TCheckListBox::State(int Index) const {
  fit();
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return states_[Index];
}

void TCheckListBox::SetState(int Index, TCheckBoxState v) {
  fit();
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  states_[Index] = v;
  Invalidate();
}

bool TCheckListBox::ItemEnabled(int Index) const {
  fit();
  return Index >= 0 && Index < Count() && enabled_[Index];
}

void TCheckListBox::SetItemEnabled(int Index, bool v) {
  fit();
  if (Index >= 0 && Index < Count()) enabled_[Index] = v;
  Invalidate();
}

void TCheckListBox::toggle(int Index) {
  if (!ItemEnabled(Index)) return;
  TCheckBoxState s = State(Index);
  SetState(Index, s == cbUnchecked ? cbChecked : s == cbChecked && allowGrayed_ ? cbGrayed : cbUnchecked);
  if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::ItemClicked(int Index, TPoint Pos) {
  TRect r = ItemRect(Index);
  if (Pos.X >= r.Left && Pos.X < r.Left + ItemIndent()) toggle(Index);
}

void TCheckListBox::KeyPress(char& Key) {
  if (Key == ' ' && ItemIndex() >= 0) {
    toggle(ItemIndex());
    Key = 0;
    return;
  }
  TCustomListBox::KeyPress(Key);
}

void TCheckListBox::DrawItem(int Index, TRect R, TOwnerDrawState State) {
  TCanvas* c = Canvas();
  TColor back = c->Brush()->Color();
  c->Brush()->SetColor(Color());
  c->FillRect(Rect(R.Left, R.Top, R.Left + ItemIndent(), R.Bottom));
  int size = std::min(13, R.Height());
  TRect box = Bounds(R.Left + 1, R.Top + (R.Height() - size) / 2, size, size);
  TCheckBoxState s = this->State(Index);
  DrawCheckGlyph(c, box, s == cbChecked ? cpsChecked : s == cbGrayed ? cpsMixed : cpsUnchecked, false, false,
                 Enabled() && ItemEnabled(Index));
  c->Brush()->SetColor(back);
  c->Brush()->SetStyle(bsSolid);
  TRect text = Rect(R.Left + ItemIndent(), R.Top, R.Right, R.Bottom);
  c->FillRect(text);
  if (!ItemEnabled(Index)) c->Font()->SetColor(clGrayText);
  text.Left += 2;
  c->Brush()->SetStyle(bsClear);
  c->DrawText(Items()->Get(Index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  (void)State;
}
