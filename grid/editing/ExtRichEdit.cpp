#include "grid/editing/ExtRichEdit.h"

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/WinApi.h"

TExtRichEdit::TExtRichEdit(TComponent* AOwner)
    : TRichEdit(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner)) {
  OnResizeRequest = [this](TObject*, TRect R) { sizeRequested(R); };
}

void TExtRichEdit::SetSelOffset(int Twips) {
  TCharFormat cf;
  cf.dwMask = CFM_OFFSET;
  cf.yOffset = Twips;
  Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

int TExtRichEdit::SelOffset() {
  TCharFormat cf;
  cf.dwMask = CFM_OFFSET;
  Perform(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  return cf.yOffset;
}

bool TExtRichEdit::singleLineCells() const { return FGrid && !FGrid->AllowsLineFeed(); }

void TExtRichEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  TRichEdit::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTTAB;
}

// The content's size is asked for after every change, as a bottomless rich edit reports it.
void TExtRichEdit::Change() {
  TRichEdit::Change();
  if (FGrid) RequestSize();
}

void TExtRichEdit::sizeRequested(const TRect& R) {
  if (!FGrid) return;
  if (this == FGrid->RichEdit(false)) {
    FReqWidth = R.Width();
    FReqHeight = R.Height();
    return;
  }
  if (this != FGrid->InplaceRichEdit(false) || !FGrid->SizeWhileTyping()->Height || FLocked) return;
  int h = R.Height();
  int row = FGrid->Row();
  TRect cell = FGrid->CellRect(FGrid->Col(), row);
  // The row never grows past the grid's bottom edge.
  if (FGrid->RowHeights(row) < h + 5 && cell.Top + h + 5 < FGrid->Height()) {
    SetHeight(h + 9);
    FGrid->SetRowHeights(row, h + 10);
    if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
  }
}

void TExtRichEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!FGrid || this != FGrid->InplaceRichEdit(false)) {
    TRichEdit::KeyDown(Key, Shift);
    return;
  }
  bool vertical = Key == VK_UP || Key == VK_DOWN;
  // Enter ends the edit unless the grid's cells hold several lines.
  if (Key == VK_ESCAPE || (Key == VK_RETURN && !FGrid->Multilinecells())) {
    if (Key == VK_ESCAPE) FGrid->CancelSpecialEdit();
    uint16_t key = Key;
    FGrid->DoneInplaceEdit(key, Shift);
    Key = 0;
    return;
  }
  if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
    FGrid->SetFocus();
    FGrid->KeyDown(Key, Shift);
    FGrid->ShowInplaceEdit();
    Key = 0;
    return;
  }
  if (vertical && singleLineCells()) {
    FGrid->SetFocus();
    FGrid->KeyDown(Key, Shift);
    Key = 0;
    return;
  }
  TRichEdit::KeyDown(Key, Shift);
}

void TExtRichEdit::WMKillFocus(TWMKillFocus& Message) {
  if (FGrid && FGrid->FocusChangeGuarded()) return;
  if (FGrid && this == FGrid->InplaceRichEdit(false) && Message.FocusedWnd && FGrid->HandleAllocated() &&
      Message.FocusedWnd == FGrid->Handle())
    FGrid->HideInplaceEdit();
  TRichEdit::WMKillFocus(Message);
}
