// The drop-down edit base: keys, characters, mouse, focus and clipboard.

#include "controls/ExtDropDown.h"
#include "controls/ExtDropDownForm.h"
#include "platform/kernel/Clock.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/Clipboard.h"

namespace {

bool Held(int Key) { return GetKeyState(Key) < 0; }

TShiftState HeldShift() {
  TShiftState s;
  if (Held(VK_SHIFT)) s.Include(ssShift);
  if (Held(VK_CONTROL)) s.Include(ssCtrl);
  if (Held(VK_MENU)) s.Include(ssAlt);
  return s;
}

}  // namespace

void TExtCustomDropDown::popupToggle() {
  if (FDropDownForm != nullptr && FDropDownForm->Visible()) DoHideDropDown(false);
  else DoShowDropDown();
}

void TExtCustomDropDown::postKey(UINT Msg, uint16_t Key) {
  if (Parent() != nullptr) PostMessage(Parent()->Handle(), Msg, Key, 0);
}

// While the popup is open it holds the keyboard, as the window that has
// been activated would: keys typed into the edit reach the popup's relays
// first, which hand them back to the edit (flagged, so they stay there).
void TExtCustomDropDown::WndProc(TMessage& Message) {
  const UINT m = Message.Msg;
  const bool key = m == WM_KEYDOWN || m == WM_SYSKEYDOWN || m == WM_KEYUP || m == WM_CHAR;
  if (key && FDroppedDown && !FRelaying && FDropDownForm != nullptr && FDropDownForm->Visible()) {
    if (m == WM_CHAR) {
      char k = char(Message.WParam);
      if (FDropDownForm->OnKeyPress) FDropDownForm->OnKeyPress(FDropDownForm, k);
    } else {
      uint16_t k = uint16_t(Message.WParam);
      TShiftState shift = HeldShift();
      const TKeyEvent& e = m == WM_KEYUP ? FDropDownForm->OnKeyUp : FDropDownForm->OnKeyDown;
      if (e) e(FDropDownForm, k, shift);
    }
    return;
  }
  switch (m) {
    case WM_GETDLGCODE:
      // The edit is a multi-line one, which wants Return and Escape for
      // itself (its special-key query hands them on to the dialog); while
      // the popup is open it holds the keyboard, Tab included.
      TCustomMaskEdit::WndProc(Message);
      Message.Result |= DLGC_WANTALLKEYS | (FDroppedDown ? DLGC_WANTTAB : 0);
      return;
    case WM_PASTE: pasteFromClipboard(); return;
    case WM_COPY: copyToClipboard(); return;
    case WM_CUT: cutToClipboard(); return;
    default: break;
  }
  TCustomMaskEdit::WndProc(Message);
}

void TExtCustomDropDown::relayToEdit(UINT Msg, WPARAM Key) {
  if (!HandleAllocated()) return;
  const bool was = FRelaying;
  FRelaying = true;
  SendMessage(Handle(), Msg, Key, 0);
  FRelaying = was;
}

void TExtCustomDropDown::PopupKeyPress(char& Key) { relayToEdit(WM_CHAR, WPARAM(uint8_t(Key))); }
void TExtCustomDropDown::PopupKeyDown(uint16_t& Key, TShiftState) { relayToEdit(WM_KEYDOWN, Key); }
void TExtCustomDropDown::PopupKeyUp(uint16_t& Key, TShiftState) { relayToEdit(WM_KEYUP, Key); }

void TExtCustomDropDown::WMKeyUp(TWMKey& Message) { TCustomMaskEdit::WMKeyUp(Message); }

void TExtCustomDropDown::WMKeyDown(TWMKey& Message) {
  if (ComponentState().Contains(csDesigning)) return;
  uint16_t key = uint16_t(Message.CharCode);
  if (Held(VK_MENU) && (key == VK_UP || key == VK_DOWN)) {
    if (FDroppedDown) DoHideDropDown(false);
    else DoShowDropDown();
  }
  if (!FEditorEnabled) {
    if (!Enabled()) return;
    if (!ReadOnly()) {
      if (key == VK_RETURN) DoHideDropDown(false);
      else if (key == VK_ESCAPE) DoHideDropDown(true);
      else if (key == VK_F4) popupToggle();
    }
    if (key == VK_RETURN || key == VK_ESCAPE) TCustomMaskEdit::WMKeyDown(Message);
    return;
  }
  if (Held(VK_CONTROL) && (key == VK_TAB || key == VK_RETURN)) {
    TCustomMaskEdit::WMKeyDown(Message);
    return;
  }
  if (key == VK_RETURN && FReturnIsTab) {
    key = VK_TAB;
    Message.CharCode = VK_TAB;
    if (Visible() && HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (FValue.KeyDown(key, Held(VK_SHIFT))) {
    Message.Result = 0;
    return;
  }
  TCustomMaskEdit::WMKeyDown(Message);
  FValue.AfterKeyDown(key);
  if (key == VK_RETURN) DoHideDropDown(false);
  else if (key == VK_ESCAPE) DoHideDropDown(true);
  else if (key == VK_F4) popupToggle();
}

void TExtCustomDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
  const uint16_t key = Key;
  TCustomMaskEdit::KeyDown(Key, Shift);
  if (Shift.Contains(ssAlt) && (key == VK_UP || key == VK_DOWN)) {
    if (FDroppedDown) DoHideDropDown(false);
    else DoShowDropDown();
  }
}

void TExtCustomDropDown::KeyPress(char& Key) {
  TCustomMaskEdit::KeyPress(Key);
  if (Key == 13) Key = 0;
}

void TExtCustomDropDown::WMChar(TWMKey& Message) {
  if (!FEditorEnabled) return;
  const char key = char(Message.CharCode);
  const bool ctrl = Held(VK_CONTROL);
  TCustomForm* form = GetParentForm(this);
  const bool preview = form != nullptr && form->KeyPreview();
  if (key == 13) {
    if (ctrl) {
      Message.Result = 1;
      return;
    }
    char k = 13;
    KeyPress(k);
    if (!FDefaultHandling && Parent() != nullptr) {
      postKey(WM_KEYDOWN, VK_RETURN);
      if (!preview) postKey(WM_KEYUP, VK_RETURN);
    }
    return;
  }
  if (key == 27 && !FDefaultHandling && Parent() != nullptr) {
    if (preview) {
      TCustomMaskEdit::WMChar(Message);
      return;
    }
    postKey(WM_KEYDOWN, VK_ESCAPE);
    postKey(WM_KEYUP, VK_ESCAPE);
  }
  FKeypadChar = (Message.KeyData >> 22) & 1;
  TCustomMaskEdit::WMChar(Message);
  FKeypadChar = false;
}

void TExtCustomDropDown::EditChar(char Key) {
  switch (Key) {
    case 1: case 3: case 22: case 24: case 26: TCustomMaskEdit::EditChar(Key); return;
    case 27:
      if (!FCanUndo) TCustomMaskEdit::EditChar(Key);
      return;
    default: FValue.TypeChar(Key, Held(VK_CONTROL), FKeypadChar);
  }
}

// Asked for every special key. Escape undoes (selects the value, which is no
// longer modified) and, handled by default, goes on to the parent, as does
// Return when the parent holds the focus. Only an Escape that was not used
// for undo, while the popup is open, stays here to close the popup.
void TExtCustomDropDown::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return;
  const bool toParent = FDefaultHandling && Parent() != nullptr;
  if (!form->KeyPreview() && Message.CharCode == VK_ESCAPE && FCanUndo) {
    FValue.SelectAll();
    FValue.SetModified(false);
    Message.CharCode = 0;
    if (toParent) {
      postKey(WM_KEYDOWN, VK_ESCAPE);
      postKey(WM_KEYUP, VK_ESCAPE);
    }
  }
  if (!form->KeyPreview() && Message.CharCode == VK_RETURN && toParent && Parent()->HandleAllocated() &&
      GetFocus() == Parent()->Handle()) {
    postKey(WM_KEYDOWN, VK_RETURN);
    postKey(WM_KEYUP, VK_RETURN);
  }
  TCustomMaskEdit::CMWantSpecialKey(Message);
  if (FDroppedDown && Message.CharCode == VK_ESCAPE) Message.Result = 1;
}

// ---- mouse

void TExtCustomDropDown::buttonClick() {
  if (FDropDownForm == nullptr || FDropDownForm->Visible()) return;
  if (FDropDownForm->WasDeactivated() && GetTickCount() - FDropDownForm->DeActivateTime() <= 250) return;
  DoShowDropDown();
}

void TExtCustomDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FEditorEnabled && Focused() && SelLength() > 0) {
    const int pos = CharFromPos({X, Y});
    if (pos >= SelStart() && pos < SelStart() + SelLength()) {
      FButtonDown = true;
      FButtonDownPos = pos;
      return;
    }
  }
  TCustomMaskEdit::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && !FEditorEnabled) buttonClick();
}

void TExtCustomDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomMaskEdit::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (FButtonDown) {
    FButtonDown = false;
    SetSelStart(FButtonDownPos);
    SetSelLength(0);
  }
  FValue.MouseUp();
  if (!FEditorEnabled || ReadOnly()) PaintFocusedEdit();
}

bool TExtCustomDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool r = TCustomMaskEdit::DoMouseWheelDown(Shift, MousePos);
  DoMouseWheelDown();
  return r;
}

bool TExtCustomDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool r = TCustomMaskEdit::DoMouseWheelUp(Shift, MousePos);
  DoMouseWheelUp();
  return r;
}

void TExtCustomDropDown::PopupMouseWheelDown(TShiftState, TPoint, bool&) { DoMouseWheelDown(); }
void TExtCustomDropDown::PopupMouseWheelUp(TShiftState, TPoint, bool&) { DoMouseWheelUp(); }

// ---- focus

void TExtCustomDropDown::WMSetFocus(TWMSetFocus& Message) {
  TCustomMaskEdit::WMSetFocus(Message);
  if (ComponentState().Contains(csLoading)) return;
  if (FEditorEnabled) {
    if (AutoSelect()) FValue.SelectAll();
    else if (EditType() == etFloat || EditType() == etMoney) FValue.SelectBeforeDecimal();
  } else {
    Invalidate();
  }
  SetEditRect();
}

void TExtCustomDropDown::DoEnter() {
  if (AutoSelect() && !Held(VK_LBUTTON)) FValue.SelectAll();
  TCustomMaskEdit::DoEnter();
  Invalidate();
}

void TExtCustomDropDown::DoExit() {
  FValue.FocusLost();
  TCustomMaskEdit::DoExit();
  Invalidate();
}

// ---- clipboard

void TExtCustomDropDown::copyToClipboard() {
  bool allow = true;
  if (OnClipboardCopy && !FBlockCopy) OnClipboardCopy(this, FValue.SelectedValue(), allow);
  FBlockCopy = false;
  if (allow && SelLength() > 0) SetClipboardText(SelText());
}

void TExtCustomDropDown::cutToClipboard() {
  if (!FEditorEnabled || ReadOnly()) return;
  bool allow = true;
  FBlockCopy = true;
  if (OnClipboardCut) OnClipboardCut(this, FValue.SelectedValue(), allow);
  if (allow && SelLength() > 0) {
    SetClipboardText(SelText());
    TCustomEdit::Model().ClearSelection();
  }
  FBlockCopy = false;
}

void TExtCustomDropDown::pasteFromClipboard() {
  FValue.OnPaste = [this](const std::string& Value, bool& Allow) {
    if (OnClipboardPaste) OnClipboardPaste(this, Value, Allow);
  };
  FValue.Paste(ClipboardText());
}
