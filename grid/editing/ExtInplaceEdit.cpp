// TExtInplaceEdit: window set-up, filling from the cell, focus, typed and
// pasted text, clipboard events and look-up completion. The keys that end
// an edit or walk to another cell are in ExtInplaceEditKeys.cpp.

#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/GridWrapperSupport.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/CellEditorText.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "grid/editing/EditFilters.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/Clipboard.h"
#include "toolkit/rtl/SysUtils.h"

TExtInplaceEdit::TExtInplaceEdit(TExtStringGrid* AGrid) : TInplaceEdit(AGrid), FGrid(AGrid) {
  FLengthLimit = AGrid->GetEditLimit();
}

void TExtInplaceEdit::CreateParams(TCreateParams& Params) {
  TInplaceEdit::CreateParams(Params);
  FWordWrap = FGrid->WordWrap();
  GotKey = false;
  Workmode = true;
}

void TExtInplaceEdit::CreateWnd() {
  TInplaceEdit::CreateWnd();
  if (FGrid->EditControl == edPassword) SetPasswordChar(FGrid->PasswordChar());
  FLengthLimit = FGrid->GetEditLimit();
}

// The window's styles follow the cell: right-justified text, a password,
// word wrap; the editor always takes Enter itself.
static uint32_t editStyleFor(bool Right, bool Password, bool Wrap) {
  uint32_t s = ES_WANTRETURN;
  if (Right) s |= ES_RIGHT;
  if (Password) s |= ES_PASSWORD;
  else if (Wrap) s |= ES_MULTILINE;
  return s;
}

void TExtInplaceEdit::SetVAlign(bool Value) {
  FValign = Value;
  SetEditStyle(editStyleFor(FValign, FGrid->EditControl == edPassword, FWordWrap));
}

void TExtInplaceEdit::SetWordWrap(bool Value) {
  FWordWrap = Value;
  SetEditStyle(editStyleFor(FValign, FGrid->EditControl == edPassword, FWordWrap));
}

void TExtInplaceEdit::SetLengthLimit(int Value) {
  FLengthLimit = Value;
  SetMaxLength(Value > 0 ? Value : 0);
}

void TExtInplaceEdit::UpdateContents() {
  FGrid->FNoEditChange = true;
  FWordWrap = FGrid->WordWrap();
  SetEditStyle(editStyleFor(FValign, FGrid->EditControl == edPassword, FWordWrap));
  SetPasswordChar(FGrid->EditControl == edPassword ? FGrid->PasswordChar() : 0);
  TInplaceEdit::UpdateContents();
  FGrid->FNoEditChange = false;
  int c = FGrid->Col(), r = FGrid->Row();
  TBrush brush;
  TFont font;
  font.Assign(FGrid->Font());
  brush.SetColor(FGrid->Color());
  TGridDrawState state;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  FGrid->GetVisualProperties(c, r, state, false, false, true, &brush, colorTo, mirror, mirrorTo, &font, ha, va, ww, gd);
  SetColor(brush.Color());
  Font()->Assign(&font);
  FColE = c;
  FRowE = r;
  FGrid->DoGetEditorProp(FGrid->RealColIndex(c), r, nullptr);
}

// The text sits where the cell draws it; the editor keeps the grid line free.
void TExtInplaceEdit::BoundsChanged() {
  TInplaceEdit::BoundsChanged();
}

void TExtInplaceEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SYSKEYDOWN:
      if (Message.WParam == VK_BACK) FAltBack = true;
      break;
    case WM_SYSKEYUP:
      if (Message.WParam == VK_BACK) FAltBack = false;
      break;
    case WM_SETFOCUS:
      TInplaceEdit::WndProc(Message);
      setFocus(Message);
      return;
    case WM_KILLFOCUS:
      killFocus(Message);
      return;
    case WM_KEYDOWN:
      FGrid->InplaceWMKeyDown(Message);
      if (keyDownMessage(Message)) return;
      break;
    case WM_KEYUP:
      TInplaceEdit::WndProc(Message);
      keyUpMessage(Message);
      return;
    case WM_CHAR:
      if (charMessage(Message)) return;
      break;
    case WM_PASTE: paste(); return;
    case WM_COPY:
    case WM_CUT:
      if (!clipboardAllowed(Message.Msg == WM_CUT)) return;
      break;
    case WM_LBUTTONDBLCLK:
      TInplaceEdit::WndProc(Message);
      if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
      return;
    default: break;
  }
  TInplaceEdit::WndProc(Message);
}

void TExtInplaceEdit::setFocus(TMessage&) {
  FGotFocus = true;
  FGrid->FNoEditChange = false;
  SetLengthLimit(FGrid->GetEditLimit());
  if (!EditMask().empty() && !FGrid->LButFlg && FGrid->Navigation()->ImproveMaskSel()) {
    SetSelStart(0);
    SetSelLength(1);
    return;
  }
  if (!FGrid->Navigation()->EditSelectAll()) Deselect();
  PlaceCaretAtMouse(FGrid, this);
}

void TExtInplaceEdit::killFocus(TMessage& Message) {
  FGrid->FStartEditChar = 0;
  if (FGrid->LookupHistory() && !Text().empty() && FGrid->LookupItems()->IndexOf(Text()) < 0)
    FGrid->LookupItems()->Add(Text());
  TInplaceEdit::WndProc(Message);
  if (FAltBack) return;
  HWND to = reinterpret_cast<HWND>(Message.WParam);
  bool toGrid = FGrid->HandleAllocated() && to == FGrid->Handle();
  if (!toGrid && FGrid->FEditing) {
    // Leaving the grid validates; the edit ends whatever the validation does.
    auto end = MakeScopeGuard([this] {
      FGrid->HideInplaceEdit();
      FGrid->FEditing = false;
      FGrid->EditMode = false;
    });
    if (FGrid->ValidateCell(Text())) {
      FGrid->FNoEditChange = true;
      SetText(FGrid->GetCurrentCell());
      FGrid->FNoEditChange = false;
    }
  }
  if (!toGrid && FColE >= 0) FGrid->SelectCell(FColE, FRowE);
  if (FGotFocus) {
    FGotFocus = false;
    FGrid->EditingDone(FGrid->RealColIndex(FColE), FRowE);
  }
}

void TExtInplaceEdit::Change() {
  TInplaceEdit::Change();
  FGrid->FormulaModeChanged(Text().rfind('=', 0) == 0);
  if (FGrid->FNoEditChange || SettingText()) return;
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TExtInplaceEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  TInplaceEdit::WMGetDlgCode(Message);
  if (FGrid->TabValidates()) Message.Result |= DLGC_WANTTAB;
}

// ---- typed characters ----

bool TExtInplaceEdit::charMessage(TMessage& Message) {
  uint32_t ch = static_cast<uint32_t>(Message.WParam);
  const TNavigation* nav = FGrid->Navigation();
  bool textEditing = FGrid->AllowsLineFeed();
  if (ch == 1) return true;  // Ctrl+A is handled at key-down
  if (ch == 10 && !(nav->AllowCtrlEnter() && textEditing)) return true;
  TEditorType kind = FGrid->EditControl;
  TEditCharContext x;
  std::string text = Text();
  x.Kind = kind;
  x.Text = text;
  x.SelStart = SelStart();
  x.SelLength = SelLength();
  x.Ctrl = GetKeyState(VK_CONTROL) < 0;
  x.DecimalSeparator = FormatSettings.DecimalSeparator;
  x.ThousandSeparator = FormatSettings.ThousandSeparator;
  std::string valid = FGrid->ValidChars();
  x.ValidChars = valid;
  x.ValidCharSet = &FGrid->ValidCharSet();
  x.LengthLimit = FLengthLimit;
  bool lineFeedKind = kind == edNormal || kind == edCapital || kind == edMixedCase || kind == edLowerCase ||
                      kind == edUpperCase || kind == edValidChars;
  if (ch == 13 && nav->LineFeedOnEnter() && lineFeedKind) return false;
  TCharFilterResult r = FilterEditChar(x, ch);
  if (r.Verdict == TCharVerdict::Beep) {
    MessageBeep(0);
    return true;
  }
  if (r.Verdict == TCharVerdict::Ignore) return true;
  Message.WParam = r.Char;
  int caret = SelStart();
  TInplaceEdit::WndProc(Message);
  if (kind == edMixedCase && r.Char >= 32) {
    std::string mixed = ToMixedCase(Text());
    if (mixed != Text()) {
      SetText(mixed);
      SetSelStart(caret + 1);
    }
  }
  int limit = FGrid->MaxEditLength();
  if (nav->AdvanceAuto() && nav->AdvanceOnEnter() && limit > 0 && static_cast<int>(Text().size()) == limit &&
      SelLength() == 0 && SelStart() == limit) {
    char enter = '\r';
    FGrid->KeyPress(enter);
  }
  return true;
}

// ---- clipboard ----

bool TExtInplaceEdit::clipboardAllowed(bool Cut) {
  bool allow = true;
  if (Cut && FGrid->OnClipboardCut) FGrid->OnClipboardCut(this, allow);
  if (!Cut && FGrid->OnClipboardCopy) FGrid->OnClipboardCopy(this, allow);
  return allow;
}

void TExtInplaceEdit::paste() { PasteIntoCellEditor(FGrid, this, FGrid->EditControl, FLengthLimit); }

// ---- look-up completion ----

void TExtInplaceEdit::DoChange() {
  if (Workmode && CompleteCellEditorText(FGrid, this)) GotKey = false;
}
