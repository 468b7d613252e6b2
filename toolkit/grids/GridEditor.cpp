// TCustomGrid and its in-place editor: when the editor shows, how it is
// filled from the cell and written back, and the focus between the two.

#include "toolkit/forms/Forms.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/grids/Grids.h"

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

std::string TCustomGrid::GetEditText(int, int) { return ""; }
void TCustomGrid::SetEditText(int, int, const std::string&) {}
std::string TCustomGrid::GetEditMask(int, int) { return ""; }
int TCustomGrid::GetEditLimit() { return 0; }

bool TCustomGrid::IsActiveControl() const {
  if (TCustomForm* form = GetParentForm(this); form && form->HandleAllocated())
    return form->ActiveControl() == this;
  return GridFocused();
}

bool TCustomGrid::GridFocused() const {
  if (Focused()) return true;
  return FInplaceEdit && FInplaceEdit->HandleAllocated() && GetFocus() == FInplaceEdit->Handle();
}

bool TCustomGrid::CanEditShow() {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode && HandleAllocated() &&
         (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

void TCustomGrid::SetEditorMode(bool v) {
  if (!v) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (FInplaceEdit) FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor() {
  FEditorMode = true;
  UpdateEdit();
}

void TCustomGrid::HideEditor() {
  FEditorMode = false;
  HideEdit();
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  auto load = [this] {
    FInplaceCol = FCurrent.X;
    FInplaceRow = FCurrent.Y;
    FInplaceEdit->UpdateContents();
    FCanEditModify = FInplaceEdit->MaxLength() != -1;
    FInplaceEdit->SelectAll();
  };
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->SetGrid(this);
    FInplaceEdit->SetParent(this);
    load();
  } else if (FCurrent.X != FInplaceCol || FCurrent.Y != FInplaceRow) {
    HideEdit();
    load();
  }
  if (CanEditShow()) FInplaceEdit->Move(CellRect(FCurrent.X, FCurrent.Y));
}

// Writes the editor's text back to the cell it was opened on, then hides it.
void TCustomGrid::HideEdit() {
  if (!FInplaceEdit) return;
  auto hide = MakeScopeGuard([&] {
    FInplaceCol = FInplaceRow = -1;
    FInplaceEdit->Hide();
  });
  UpdateText();
}

void TCustomGrid::UpdateText() {
  if (FInplaceEdit && FInplaceCol != -1 && FInplaceRow != -1)
    SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
}

// The cell changed under the editor: reload it without writing back.
void TCustomGrid::InvalidateEditor() {
  FInplaceCol = FInplaceRow = -1;
  UpdateEdit();
}

// EN_CHANGE from the editor writes its text to the cell at once; the
// notification then goes back to the editor like any child's.
void TCustomGrid::WMCommand(TWMCommand& Message) {
  if (FInplaceEdit && FInplaceEdit->HandleAllocated() && Message.Ctl == FInplaceEdit->Handle() &&
      Message.NotifyCode == EN_CHANGE && !FInplaceEdit->SettingText())
    UpdateText();
  TCustomControl::WMCommand(Message);
}

// ---- focus ----

void TCustomGrid::WMSetFocus(TWMSetFocus& Message) {
  TCustomControl::WMSetFocus(Message);
  bool fromEditor = FInplaceEdit && FInplaceEdit->HandleAllocated() && Message.FocusedWnd == FInplaceEdit->Handle();
  if (fromEditor) return;
  InvalidateGridRect(Selection());
  InvalidateCell(FCurrent.X, FCurrent.Y);
  UpdateEdit();
}

void TCustomGrid::WMKillFocus(TWMKillFocus& Message) {
  TCustomControl::WMKillFocus(Message);
  InvalidateGridRect(Selection());
  InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::DoEnter() { TCustomControl::DoEnter(); }

// Leaving the grid (not for its own editor, which keeps the grid active)
// closes the editor and writes it back.
void TCustomGrid::DoExit() {
  TCustomControl::DoExit();
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
}
