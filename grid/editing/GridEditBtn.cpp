#include "grid/editing/GridEditBtn.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/CellEditorText.h"
#include "grid/editing/EditFilters.h"
#include "grid/editing/GridWrapperSupport.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool endsEdit(uint16_t Key) {
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
         Key == VK_UP || Key == VK_DOWN;
}

// The character filter of the cell's kind; true when the character goes on to the edit.
bool filterChar(TExtStringGrid* Grid, TCustomEdit* Edit, TWMKey& Message) {
  TEditorType kind = ButtonEditorTextKind(Grid->EditControl);
  if (kind == edNone) return false;
  TEditCharContext x;
  x.Kind = kind;
  std::string text = Edit->Text();
  x.Text = text;
  x.SelStart = Edit->SelStart();
  x.SelLength = Edit->SelLength();
  x.Ctrl = GetKeyState(VK_CONTROL) < 0;
  x.DecimalSeparator = FormatSettings.DecimalSeparator;
  x.ThousandSeparator = FormatSettings.ThousandSeparator;
  x.LengthLimit = Edit->MaxLength();
  TCharFilterResult r = FilterEditChar(x, Message.CharCode);
  if (r.Verdict == TCharVerdict::Beep) MessageBeep(0);
  return r.Verdict == TCharVerdict::Accept;
}

}  // namespace

TEditorType ButtonEditorTextKind(TEditorType Kind) {
  switch (Kind) {
    case edEditBtn:
    case edMaskEditBtn:
    case edUnitEditBtn: return edNormal;
    case edNumericEditBtn:
    case edNumericUnitEditBtn: return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn: return edFloat;
    default: return edNone;
  }
}

// ---- edit with button ----

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner), FGrid(EditorGridOf(AOwner)) {
  OnClickBtn = [this](TObject*) { buttonClicked(); };
}

void TGridEditBtn::buttonClicked() {
  SetText(FGrid->DoEllipsClick(Text()));
  SetSelStart(0);
  SetSelLength(static_cast<int>(Text().size()));
  Repaint();
  if (!FStopEditAfterClick) return;
  FGrid->HideInplaceEdit();
  if (FGrid->CanFocus()) FGrid->SetFocus();
}

void TGridEditBtn::DoExit() {
  FGrid->HideInplaceEdit();
  TEsgEditBtn::DoExit();
}

void TGridEditBtn::Change() {
  TEsgEditBtn::Change();
  NotifyEditChange(FGrid, Text());
}

void TGridEditBtn::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (!ClaimEditorKey(FGrid, Message, false)) TEsgEditBtn::CMWantSpecialKey(Message);
}

void TGridEditBtn::WMChar(TWMKey& Message) {
  if (Message.CharCode == '\r' || Message.CharCode == '\t') {
    Message.Result = 1;
    return;
  }
  if (filterChar(FGrid, this, Message)) TEsgEditBtn::WMChar(Message);
}

// Paste follows the text editor's rules for the cell's kind and writes the cell at once.
void TGridEditBtn::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_PASTE && EditorEnabled() && !ReadOnly()) {
    PasteIntoCellEditor(FGrid, this, ButtonEditorTextKind(FGrid->EditControl), MaxLength());
    return;
  }
  TEsgEditBtn::Dispatch(Message);
}

void TGridEditBtn::KeyPress(char& Key) {
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
  if (Key != '\t') TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::DblClick() {
  TEsgEditBtn::DblClick();
  if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!endsEdit(Key) && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
  if (Key != VK_BACK && Key != VK_DELETE) WorkMode = true;
  else WorkMode = false;
  FSelKeyDown = SelStart();
  if (Shift.Contains(ssCtrl) || !endsEdit(Key)) {
    TEsgEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  TEditorType kind = FGrid->EditControl;
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    FGrid->SetCurrentCell(Text());
    if (!FGrid->ValidateCell(Text())) {
      SetText(FGrid->FNewCellText);
      SelectAll();
      Repaint();
      Key = 0;
      FGrid->EditControl = kind;
      return;
    }
    SetText(FGrid->GetCurrentCell());
  }
  if (Key == VK_TAB && FGrid->TabValidates()) {
    if (TabOutOfEditor(FGrid, Key, Shift)) return;
    FGrid->tabOn();
  }
  if (Key == VK_ESCAPE) {
    FGrid->CancelSpecialEdit();
    SetText(FGrid->OriginalCellValue());
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

void TGridEditBtn::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
  // Left walks only when the caret stood at the start before the key moved it.
  if (SelLength() == 0)
    WalkOutOfEditor(FGrid, Text(), Key, Shift, FSelKeyDown == 0, SelStart() == static_cast<int>(Text().size()));
  if (Key != VK_RETURN) TEsgEditBtn::KeyUp(Key, Shift);
  if (WorkMode) CompleteCellEditorText(FGrid, this);
}

// ---- unit edit ----

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TEsgUnitEditBtn(AOwner), FGrid(EditorGridOf(AOwner)) {
  OnClickBtn = [this](TObject*) {
    SetText(FGrid->DoEllipsClick(Text()));
    SetSelStart(0);
    SetSelLength(static_cast<int>(Text().size()));
    Repaint();
  };
  OnUnitChanged = [this](TObject* Sender, const std::string& NewUnit) { FGrid->DoUnitChanged(Sender, NewUnit); };
}

void TGridUnitEditBtn::DoExit() {
  FGrid->HideInplaceEdit();
  TEsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (!ClaimEditorKey(FGrid, Message, true)) TEsgUnitEditBtn::CMWantSpecialKey(Message);
}

void TGridUnitEditBtn::WMChar(TWMKey& Message) {
  if (Message.CharCode == '\r') {
    Message.Result = 0;
    return;
  }
  if (filterChar(FGrid, this, Message)) TEsgUnitEditBtn::WMChar(Message);
}

void TGridUnitEditBtn::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!endsEdit(Key)) {
    TEsgUnitEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    FGrid->SetCurrentCell(TextAndUnit());
    if (!FGrid->ValidateCell(TextAndUnit())) {
      SetText(FGrid->GetCurrentCell());
      return;
    }
    SetTextAndUnit(FGrid->GetCurrentCell());
  }
  const TNavigation* nav = FGrid->Navigation();
  if (Key == VK_RETURN && nav->AdvanceOnEnter()) {
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    Key = 0;
    FGrid->AdvanceToNextCell(FGrid->Col(), FGrid->Row(), false, true, true, false, true);
    return;
  }
  if (TabOutOfEditor(FGrid, Key, Shift)) return;
  if (Key == VK_ESCAPE) {
    // The unit goes with the text: the cell's own text comes back whole.
    FGrid->CancelSpecialEdit();
    SetUnitID("");
    SetText(FGrid->OriginalCellValue());
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
}
