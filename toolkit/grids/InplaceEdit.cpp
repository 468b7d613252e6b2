// TInplaceEdit: the masked edit over the grid's current cell. It hands the
// navigation keys to the grid, keeps the grid the form's active control while
// it has the keyboard, and is filled and emptied by the grid.

#include "platform/kernel/Clock.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/grids/Grids.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetAutoSize(false);
  SetBorderStyle(bsNone);
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetTabStop(false);
  SetVisible(false);
}

TInplaceEdit::~TInplaceEdit() = default;

void TInplaceEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= editStyle_ & (ES_RIGHT | ES_PASSWORD | ES_WANTRETURN | ES_MULTILINE);
}

void TInplaceEdit::SetEditStyle(uint32_t Styles) {
  if (Styles == editStyle_) return;
  editStyle_ = Styles;
  SetAlignment((Styles & ES_RIGHT) ? taRightJustify : taLeftJustify);
  SetPasswordChar((Styles & ES_PASSWORD) ? '*' : 0);
  bool wrap = (Styles & ES_MULTILINE) && !(Styles & ES_AUTOHSCROLL);
  SetMultiLine(wrap);
  SetWordWrap(wrap);
  SetWantReturns((Styles & ES_WANTRETURN) != 0);
  if (HandleAllocated()) {
    bool hadFocus = Focused();
    RecreateWnd();
    if (hadFocus && Visible()) SetFocus();
  }
}

void TInplaceEdit::RealSetText(const std::string& v) {
  ++settingText_;
  auto done = MakeScopeGuard([&] { --settingText_; });
  TCustomMaskEdit::RealSetText(v);
}

void TInplaceEdit::UpdateContents() {
  if (!grid_) return;
  ++settingText_;
  auto done = MakeScopeGuard([&] { --settingText_; });
  SetText("");
  SetEditMask(grid_->GetEditMask(grid_->Col(), grid_->Row()));
  SetText(grid_->GetEditText(grid_->Col(), grid_->Row()));
  SetMaxLength(grid_->GetEditLimit());
  SetModified(false);
}

void TInplaceEdit::Deselect() {
  int len = static_cast<int>(Text().size());
  SetSelStart(len);
  SetSelLength(0);
}

bool TInplaceEdit::PosEqual(const TRect& Rect) const { return BoundsRect() == Rect; }

void TInplaceEdit::Move(const TRect& Loc) {
  if (Loc.IsEmpty()) {
    Hide();
    return;
  }
  if (!PosEqual(Loc)) SetBoundsRect(Loc);
  if (!Visible()) SetVisible(true);
  BoundsChanged();
  Invalidate();
  if (grid_ && grid_->Focused()) SetFocus();
}

void TInplaceEdit::Hide() {
  if (!Visible()) return;
  // The keyboard goes back to the grid before the window disappears.
  if (grid_ && HandleAllocated() && GetFocus() == Handle() && grid_->HandleAllocated()) ::SetFocus(grid_->Handle());
  SetVisible(false);
}

void TInplaceEdit::SetFocus() {
  if (Visible() && HandleAllocated() && IsWindowVisible(Handle())) ::SetFocus(Handle());
}

void TInplaceEdit::BoundsChanged() {
  TCustomMaskEdit::BoundsChanged();
  if (!HandleAllocated()) return;
  // The text sits where the grid draws a cell's text: 2 pixels in from the top left.
  int bottom = MultiLine() ? Height() : std::min(Height(), 2 + LineHeight());
  TRect margins{2, 2, std::max(2, Width() - 2), std::max(2, bottom)};
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&margins));
  Perform(EM_SCROLLCARET);
}

void TInplaceEdit::NoteClick() {
  clickTime_ = GetTickCount();
  clickNoted_ = true;
}

void TInplaceEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: {
      // The grid stays the form's active control while its editor has the keyboard.
      TCustomForm* form = GetParentForm(this);
      if (form && grid_ && !form->SetFocusedControl(grid_)) return;
      TControl::WndProc(Message);
      return;
    }
    case WM_LBUTTONDOWN:
      if (clickNoted_ && GetTickCount() - clickTime_ < GetDoubleClickTime()) Message.Msg = WM_LBUTTONDBLCLK;
      clickNoted_ = false;
      break;
    default: break;
  }
  TCustomMaskEdit::WndProc(Message);
}

void TInplaceEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (grid_ && grid_->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!grid_) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    return;
  }
  auto toGrid = [&] {
    grid_->KeyDown(Key, Shift);
    Key = 0;
  };
  auto gridEvent = [&] {
    if (grid_->OnKeyDown) grid_->OnKeyDown(grid_, Key, Shift);
  };
  int len = static_cast<int>(Text().size());
  int s = SelStart(), l = SelLength();
  bool atStart = s == 0 && (l == 0 || l == len);
  bool atEnd = s + l == len && (l == 0 || s == 0);
  bool ctrl = Shift.Contains(ssCtrl);
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: toGrid(); return;
    case VK_TAB:
      if (!Shift.Contains(ssAlt)) { toGrid(); return; }
      break;
    case VK_LEFT:
    case VK_HOME:
      if (ctrl || atStart) { toGrid(); return; }
      break;
    case VK_RIGHT:
    case VK_END:
      if (ctrl || atEnd) { toGrid(); return; }
      break;
    case VK_INSERT:
      if (Shift.Empty()) { toGrid(); return; }
      if (Shift == TShiftState{ssShift} && !grid_->CanEditModify()) { Key = 0; return; }
      break;
    case VK_DELETE:
      if (ctrl) { toGrid(); return; }
      if (!grid_->CanEditModify()) { Key = 0; return; }
      break;
    case VK_F2:
      gridEvent();
      if (Key == VK_F2) Deselect();
      return;
    default: break;
  }
  gridEvent();
  if (Key != 0) TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char& Key) {
  if (grid_) {
    grid_->KeyPress(Key);
    unsigned char u = static_cast<unsigned char>(Key);
    if (u >= 32 && !grid_->CanEditAcceptKey(Key)) {
      Key = 0;
      MessageBeep(0);
    }
    switch (Key) {
      case '\t':
      case 27: Key = 0; break;
      case '\r':
        // Enter with the editor always shown: toggles between all selected and the caret at the end.
        if (SelStart() == 0 && SelLength() == static_cast<int>(Text().size())) Deselect();
        else SelectAll();
        Key = 0;
        break;
      case 8:
      case 22:
      case 24:
        if (!grid_->CanEditModify()) Key = 0;
        break;
      default:
        if (static_cast<unsigned char>(Key) >= 32 && !grid_->CanEditModify()) Key = 0;
        break;
    }
  }
  if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (grid_) grid_->KeyUp(Key, Shift);
  else TCustomMaskEdit::KeyUp(Key, Shift);
}

void TInplaceEdit::DblClick() {
  if (grid_) grid_->DblClick();
  TCustomMaskEdit::DblClick();
}
