#include "toolkit/forms/std/MaskEdit.h"

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/Clipboard.h"
#include "toolkit/rtl/SysUtils.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const std::string& v) {
  std::string text = Text();
  maskText_ = v;
  mask_ = TEditMask(v, FormatSettings.DateSeparator, FormatSettings.TimeSeparator);
  SetMaxLength(mask_.IsMasked() ? mask_.Length() : 0);
  RealSetText(text);
}

std::string TCustomMaskEdit::GetText() const {
  if (!mask_.IsMasked()) return Model().Text();
  return mask_.TextFromEditText(Model().Text());
}

void TCustomMaskEdit::RealSetText(const std::string& v) {
  TCustomEdit::RealSetText(mask_.IsMasked() ? mask_.EditTextFromText(v) : v);
}

void TCustomMaskEdit::SetEditText(const std::string& v) {
  TCustomEdit::RealSetText(mask_.IsMasked() ? mask_.Normalise(v) : v);
}

void TCustomMaskEdit::apply(const std::string& editText, int selStart, int selLength) {
  if (editText != Model().Text()) {
    Model().SetText(editText);
    Model().SetModified(true);
  }
  Model().SetSel(selStart, selStart + selLength);
  SetSelStart(SelStart());
  if (selLength > 0) SetSelLength(selLength);
}

bool TCustomMaskEdit::EditKey(uint16_t Key, TShiftState Shift) {
  if (!IsMasked() || Key != VK_DELETE || Shift.Contains(ssShift)) return TCustomEdit::EditKey(Key, Shift);
  DeleteUserText(true, false);
  return true;
}

void TCustomMaskEdit::EditChar(char Key) {
  if (IsMasked() && Key == 24) {  // Ctrl+X: copy, then blank the positions
    CopyToClipboard();
    DeleteUserText(true, false);
    return;
  }
  TCustomEdit::EditChar(Key);
}

void TCustomMaskEdit::InsertUserText(const std::string& s) {
  if (!IsMasked()) { TCustomEdit::InsertUserText(s); return; }
  if (ReadOnly()) { MessageBeep(0); return; }
  std::string et = Model().Text();
  int start = SelStart(), len = SelLength();
  bool ok = s.size() == 1 ? mask_.TypeChar(et, start, len, s[0]) : mask_.Paste(et, start, len, s);
  if (!ok) { MessageBeep(0); return; }
  apply(et, start, len);
}

void TCustomMaskEdit::DeleteUserText(bool forward, bool word) {
  if (!IsMasked()) { TCustomEdit::DeleteUserText(forward, word); return; }
  if (ReadOnly()) { MessageBeep(0); return; }
  std::string et = Model().Text();
  int start = SelStart(), len = SelLength();
  bool ok = forward ? mask_.Delete(et, start, len) : mask_.Backspace(et, start, len);
  if (ok) apply(et, start, len);
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked() || !Modified()) return;
  int bad = mask_.FirstInvalid(Model().Text());
  if (bad >= 0) ValidateError(bad);
}

void TCustomMaskEdit::ValidateError(int Position) {
  MessageBeep(0);
  SetSelStart(Position);
  SetSelLength(1);
  throw EDBEditError(SMaskEditErr, Position);
}

void TCustomMaskEdit::DoExit() {
  // Nothing is validated while the edit or its form goes away.
  TCustomForm* form = GetParentForm(this);
  bool closing = ComponentState().Contains(csDestroying) || (form && form->ComponentState().Contains(csDestroying));
  if (closing) {
    TCustomEdit::DoExit();
    return;
  }
  try {
    ValidateEdit();
  } catch (const EDBEditError& e) {
    // The user stays in the edit, on the position to correct; the error box
    // comes from the loop.
    if (CanFocus()) SetFocus();
    SetSelStart(e.Position());
    throw;
  }
  TCustomEdit::DoExit();
}
