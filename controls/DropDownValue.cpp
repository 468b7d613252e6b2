#include "controls/DropDownValue.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "controls/ExtDropDownUtil.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSignedKind(TDropDownEditType t) { return t == etNumeric || t == etFloat || t == etMoney; }
bool IsPassedControl(char c) { return c == 8 || c == 9 || c == 13; }
bool IsAlnum(char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsHexChar(char c) { return IsDigit(c) || c == '-' || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool Has(const std::string& s, char c) { return s.find(c) != std::string::npos; }

// A "-" may only lead a pasted number.
bool SignLeadsOnly(const std::string& s) {
  size_t p = s.find('-');
  return p == std::string::npos || p == 0;
}

std::string Formatted(double v, int precision, char kind) {
  if (precision < 0) return Format("%g", v);
  return FormatArgs(std::string("%.") + std::to_string(precision) + kind, {TFormatArg(v)});
}

}  // namespace

double DropDownTextToFloat(const std::string& Text) {
  double v = 0;
  return TryStrToFloat(RemoveThousandSeparators(Text), v) ? v : 0;
}

TDropDownValue::TDropDownValue(TTextEditModel& Edit) : E(Edit) {}

std::string TDropDownValue::Value() const {
  std::string t = E.Text();
  if (!Prefix.empty() && t.compare(0, Prefix.size(), Prefix) == 0) t.erase(0, Prefix.size());
  if (!Suffix.empty() && t.size() >= Suffix.size() && t.compare(t.size() - Suffix.size(), Suffix.size(), Suffix) == 0)
    t.erase(t.size() - Suffix.size());
  return t;
}

void TDropDownValue::SetText(std::string Text) {
  if (Text.empty() && (EditType == etNumeric || EditType == etFloat || EditType == etMoney || EditType == etHex))
    Text = "0";
  if (Precision > 0 && !Text.empty() && Text != "Error") {
    if (EditType == etMoney) Text = Formatted(DropDownTextToFloat(Text), Precision, 'n');
    else if (EditType == etFloat) Text = Formatted(DropDownTextToFloat(Text), Precision, 'f');
  }
  if (EditType == etHex) Text = UpperCase(Text);
  SetTextDirect(Prefix + Text + Suffix);
  OldText = Text;
  SetModified(false);
}

void TDropDownValue::SetTextDirect(const std::string& Text) { E.SetText(Text); }

double TDropDownValue::FloatValue() const {
  std::string v = Value();
  switch (EditType) {
    case etString: {
      double d = 0;
      return TryStrToFloat(v, d) ? d : 0;
    }
    case etNumeric:
    case etFloat:
      if (v.empty() || v == "Error" || v == "-") return 0;
      return DropDownTextToFloat(v);
    case etMoney: {
      v = RemoveThousandSeparators(v);
      if (!v.empty() && v.back() == GetDecimalSeparator()) v.pop_back();
      if (v.empty() || v == "-") return 0;
      return DropDownTextToFloat(v);
    }
    case etHex: return v.empty() ? 0 : HexToInt(v);
    default: return 0;
  }
}

void TDropDownValue::SetFloatValue(double Value) {
  switch (EditType) {
    case etString:
    case etFloat: SetText(Formatted(Value, Precision, 'f')); break;
    case etNumeric: SetText(Formatted(Value, Precision, 'n')); break;
    case etMoney:
      SetText(Formatted(Value, Precision, 'f'));
      ThousandRewrite();
      break;
    case etHex: SetText(IntToHex(uint64_t(int64_t(std::trunc(Value))), 1)); break;
    default: break;
  }
  SetModified(true);
}

void TDropDownValue::SetIntValue(int Value) {
  switch (EditType) {
    case etNumeric:
    case etFloat: SetText(IntToStr(Value)); break;
    case etMoney:
      SetText(IntToStr(Value));
      ThousandRewrite();
      break;
    case etHex: SetText(IntToHex(Value, 1)); break;
    default: break;
  }
  SetModified(true);
}

void TDropDownValue::SetEditType(TDropDownEditType Value) {
  if (Value == EditType) return;
  EditType = Value;
  const int kind = NumberKind(this->Value());
  if ((Value == etNumeric && kind != 0) || (Value == etHex && kind != 0 && kind != 5)) SetIntValue(0);
  else if ((Value == etFloat || Value == etMoney) && kind != 0 && kind != 1) SetFloatValue(0);
}

void TDropDownValue::SetPrecision(int Value) {
  if (Value == Precision || (EditType != etString && EditType != etFloat && EditType != etMoney)) return;
  Precision = Value;
  const int kind = NumberKind(this->Value());
  SetFloatValue(kind == 0 || kind == 1 ? FloatValue() : 0);
}

void TDropDownValue::SetModified(bool Value) {
  if (Loading || !EditorEnabled || E.ReadOnly()) return;
  E.SetModified(Value);
  modified_ = Value;
}

void TDropDownValue::SelectAll() { E.SetSel(ValueStart(), ValueEnd()); }

void TDropDownValue::SelectBeforeDecimal() {
  size_t p = Value().find(GetDecimalSeparator());
  placeCaret(p == std::string::npos ? ValueStart() : ValueStart() + int(p));
}

void TDropDownValue::SelectAfterDecimal() {
  size_t p = Value().find(GetDecimalSeparator());
  placeCaret(p == std::string::npos ? ValueStart() : ValueStart() + int(p) + 1);
}

void TDropDownValue::NotifyChanged() {
  if (BlockChange) {
    BlockChange = false;
    return;
  }
  ++reported_;
  if (OnChange) OnChange();
}

void TDropDownValue::inherited(char Key) {
  if (InheritedChar) {
    InheritedChar(Key);
    return;
  }
  if (Key == 8) E.Backspace();
  else if (static_cast<unsigned char>(Key) >= 32) E.InsertText(std::string(1, Key));
}

// Every keystroke that changes the text tells it once: the notification that
// a whole-value replacement swallows is given again when nothing else told it.
void TDropDownValue::TypeChar(char Key, bool ControlHeld, bool Keypad) {
  const std::string before = E.Text();
  const int reported = reported_;
  const std::string v = Value();
  if (E.SelLength() == int(v.size()) && !v.empty()) BlockChange = true;
  typeChar(Key, ControlHeld, Keypad);
  BlockChange = false;
  if (E.Text() != before && reported_ == reported) NotifyChanged();
  if (E.Modified()) SetModified(true);
}

std::string TDropDownValue::integerPart(const std::string& V) const {
  std::string s = V.substr(0, std::min(V.size(), V.find(GetDecimalSeparator())));
  s = RemoveThousandSeparators(s);
  if (Signed && IsSignedKind(EditType)) s.erase(std::remove(s.begin(), s.end(), '-'), s.end());
  return s;
}

bool TDropDownValue::selectionHas(char Ch) const { return Has(E.SelText(), Ch); }

void TDropDownValue::typeChar(char Key, bool ControlHeld, bool Keypad) {
  const char dec = GetDecimalSeparator();
  if (ExcelStyleDecimalSeparator && Keypad && (Key == '.' || Key == ',')) Key = dec;
  const std::string v = Value();
  const int vs = ValueStart();
  if (Key == 8 && !Prefix.empty() && E.SelStart() <= vs && E.SelLength() == 0) return;
  const bool allowedMinus = Key == '-' && Signed && IsSignedKind(EditType);
  if (LengthLimit > 0 && E.SelLength() == 0 && Key != 8 && Key != dec && !allowedMinus) {
    size_t decPos = v.find(dec);
    bool caretBefore = decPos == std::string::npos || E.SelStart() - vs <= int(decPos);
    if (int(integerPart(v).size()) >= LengthLimit && caretBefore) return;
  }
  if (Key == 8) {
    inherited(Key);
    return;
  }
  if (Key == 10 && ControlHeld) return;
  if (Key == '-' && IsSignedKind(EditType) && !Signed) return;
  switch (EditType) {
    case etString:
    case etPassword:
      SetModified(true);
      inherited(Key);
      break;
    case etUppercase: inherited(char(std::toupper(static_cast<unsigned char>(Key)))); break;
    case etLowerCase: inherited(char(std::tolower(static_cast<unsigned char>(Key)))); break;
    case etMixedCase: {
      int caret = E.SelStart();
      inherited(Key);
      E.SetText(Prefix + ToMixedCase(Value()) + Suffix);
      placeCaret(caret + 1);
      break;
    }
    case etNumeric: typeNumeric(Key, ControlHeld); break;
    case etFloat: typeFloat(Key); break;
    case etMoney: typeMoney(Key); break;
    case etRange: typeRange(Key); break;
    case etHex:
    case etAlphaNumeric:
    case etValidChars: {
      bool ok = EditType == etHex           ? IsPassedControl(Key) || IsHexChar(Key)
                : EditType == etAlphaNumeric ? IsPassedControl(Key) || IsAlnum(Key)
                                             : Key == 8 || Has(ValidChars, Key);
      if (!ok) return;
      SetModified(true);
      inherited(Key);
      break;
    }
  }
}

void TDropDownValue::toggleSign() {
  const std::string v = Value();
  const int caret = E.SelStart();
  if (!Has(v, '-')) {
    E.SetText(Prefix + "-" + v + Suffix);
    placeCaret(caret + 1);
  } else {
    E.SetText(Prefix + v.substr(1) + Suffix);
    placeCaret(std::max(caret - 1, ValueStart()));
  }
  SetModified(true);
}

void TDropDownValue::typeNumeric(char Key, bool ControlHeld) {
  const std::string v = Value();
  if (Key == '-') {
    if (!v.empty() && E.SelLength() == int(v.size())) {
      E.SetText(Prefix + "-" + Suffix);
      placeCaret(ValueStart() + 1);
      SetModified(true);
    } else {
      toggleSign();
    }
    return;
  }
  if (IsPassedControl(Key) || IsDigit(Key) || ControlHeld) inherited(Key);
}

bool TDropDownValue::separatorPlacementOk(char Key) const {
  const char thousand = GetThousandSeparator();
  const std::string v = Value();
  if ((Key != thousand && Key != GetDecimalSeparator()) || !Has(v, thousand)) return true;
  const int p = E.SelStart() - ValueStart();
  int nearest = 1 << 30;
  for (size_t t = 0; t < v.size(); ++t)
    if (v[t] == thousand) nearest = std::min(nearest, p > int(t) ? p - int(t) - 1 : int(t) - p);
  return nearest == 3;
}

bool TDropDownValue::decimalsFull() const {
  const std::string v = Value();
  size_t d = v.find(GetDecimalSeparator());
  if (Precision <= 0 || d == std::string::npos) return false;
  return E.SelStart() - ValueStart() > int(d) && int(v.size() - d - 1) >= Precision;
}

// Rules 3 to 6 shared by decimal and money values; true when the key is done with.
void TDropDownValue::typeFloat(char Key) {
  const char dec = GetDecimalSeparator(), thousand = GetThousandSeparator();
  if ((Key == ',' || Key == '.') && Key != dec && Key != thousand) return;
  if (!(IsPassedControl(Key) || Key == ',' || Key == '-' || Key == '.' || IsDigit(Key))) return;
  const std::string v = Value();
  if (Key == dec && !selectionHas(dec)) {
    if (Has(v, dec) || Precision == 0) {
      if (Precision > 0 && Has(v, dec)) SelectAfterDecimal();
      return;
    }
  }
  if (Key == ',' && Has(v, ',') && !selectionHas(',') && thousand != ',') return;
  if (!separatorPlacementOk(Key)) return;
  if (decimalsFull() && E.SelLength() == 0 && (IsDigit(Key) || Key == dec)) {
    if (Key == dec || E.SelStart() >= ValueEnd()) return;
    E.SetSel(E.SelStart(), E.SelStart() + 1);
    inherited(Key);
    return;
  }
  if (Key == dec && E.SelStart() - ValueStart() == 0 && v.empty()) {
    E.SetText(Prefix + "0" + dec + Suffix);
    placeCaret(ValueStart() + 2);
    SetModified(true);
    return;
  }
  if (Key == '-' && E.SelLength() == 0) {
    toggleSign();
    return;
  }
  inherited(Key);
}

void TDropDownValue::typeMoney(char Key) {
  const char dec = GetDecimalSeparator();
  const std::string v = Value();
  if (Key == dec && (Has(v, dec) || Precision == 0)) {
    if (Precision > 0) {
      if (!v.empty() && E.SelLength() == int(v.size())) SetText(std::string("0") + dec + "0");
      SelectAfterDecimal();
    }
    return;
  }
  if (!(IsPassedControl(Key) || Key == '-' || IsDigit(Key) || Key == dec)) return;
  if (!separatorPlacementOk(Key)) return;
  if (decimalsFull() && E.SelLength() == 0 && (IsDigit(Key) || Key == dec)) {
    if (Key == dec || E.SelStart() >= ValueEnd()) return;
    E.SetSel(E.SelStart(), E.SelStart() + 1);
  } else if (Key == dec && E.SelStart() - ValueStart() == 0 && v.empty()) {
    E.SetText(Prefix + "0" + dec + Suffix);
    placeCaret(ValueStart() + 2);
    SetModified(true);
    return;
  } else if (Key == '-' && E.SelLength() == 0) {
    toggleSign();
    return;
  }
  inherited(Key);
  const std::string now = Value();
  if (!now.empty() && now != "-" && Key != dec) {
    if (E.Modified()) SetModified(true);
    ThousandRewrite();
  }
}

void TDropDownValue::typeRange(char Key) {
  if (!(IsPassedControl(Key) || IsRangeDelimiter(Key) || IsDigit(Key))) return;
  SetModified(true);
  if (IsRangeDelimiter(Key)) {
    const std::string t = E.Text();
    const int c = E.SelStart();
    if (c <= ValueStart()) return;
    if (c > 0 && IsRangeDelimiter(t[c - 1])) return;
    if (c < int(t.size()) && IsRangeDelimiter(t[c])) return;
  }
  inherited(Key);
}

void TDropDownValue::ThousandRewrite() {
  std::string v = Value();
  if (v.empty()) return;
  const int oldLen = int(v.size());
  const int caret = E.SelStart();
  std::string sign;
  if (v[0] == '-') {
    sign = "-";
    v.erase(0, 1);
  }
  std::string fraction;
  size_t d = v.find(GetDecimalSeparator());
  if (d != std::string::npos) fraction = v.substr(d, 255);
  double whole = std::trunc(std::fabs(FloatValue()));
  std::string ip = Format(AutoThousandSeparator ? "%n" : "%f", whole);
  ip = ip.substr(0, ip.find(GetDecimalSeparator()));
  const std::string text = Prefix + sign + ip + fraction + Suffix;
  BlockChange = E.Text() != text;
  E.SetText(text);
  BlockChange = false;
  const int newLen = int(Value().size());
  placeCaret(std::clamp(caret + newLen - oldLen, ValueStart(), ValueEnd()));
}

bool TDropDownValue::KeyDown(uint16_t Key, bool ShiftHeld) {
  const int vs = ValueStart(), ve = ValueEnd();
  const int selEnd = E.SelStart() + E.SelLength();
  switch (Key) {
    case VK_RIGHT: return !Suffix.empty() && selEnd >= ve;
    case VK_LEFT: return !Prefix.empty() && selEnd <= vs;
    case VK_END:
      if (Suffix.empty()) return false;
      if (ShiftHeld) E.SetSel(E.SelStart(), ve);
      else placeCaret(ve);
      return true;
    case VK_HOME:
      if (Prefix.empty()) return false;
      if (ShiftHeld) E.SetSel(ve, vs);
      else placeCaret(vs);
      return true;
    case VK_BACK:
      if (!Prefix.empty() && E.SelStart() <= vs + 1) return true;
      if (!Prefix.empty()) SetModified(true);
      return false;
    case VK_DELETE: {
      if (!Suffix.empty() && selEnd >= ve && E.SelLength() == 0) return true;
      if (E.SelStart() >= vs) {
        std::string v = Value();
        int from = E.SelStart() - vs;
        std::string rest = v;
        if (from < int(v.size())) rest.erase(size_t(from), size_t(std::max(1, E.SelLength())));
        if (LengthLimit > 0 && int(integerPart(rest).size()) > LengthLimit) return true;
      }
      SetModified(true);
      return false;
    }
    default: return false;
  }
}

void TDropDownValue::AfterKeyDown(uint16_t Key) {
  if (Key == VK_DELETE && EditType == etMoney) ThousandRewrite();
  if (!Prefix.empty() && E.SelStart() < ValueStart()) placeCaret(ValueStart());
}

void TDropDownValue::MouseUp() {
  const int vs = ValueStart(), ve = ValueEnd();
  if (!Prefix.empty() && E.SelStart() < vs) {
    SelectAll();
    return;
  }
  if (Suffix.empty()) return;
  if (E.SelLength() == 0 && E.SelStart() > ve) placeCaret(ve);
  else if (E.SelStart() + E.SelLength() > ve) E.SetSel(E.SelStart(), ve);
}

void TDropDownValue::FocusLost() {
  if (Loading) return;
  const std::string v = Value();
  const bool decimalKind = EditType == etFloat || EditType == etMoney;
  if (Precision > 0 && decimalKind && (!v.empty() || !AllowNumericNullValue)) {
    const bool was = modified_;
    SetFloatValue(FloatValue());
    modified_ = was;
    E.SetModified(was);
  }
  if (EditType == etNumeric && Value().empty() && !AllowNumericNullValue) SetText("0");
  if (decimalKind && Value().empty() && !AllowNumericNullValue) SetFloatValue(0);
}

std::string TDropDownValue::SelectedValue() const {
  const std::string v = Value();
  int from = std::clamp(E.SelStart() - ValueStart(), 0, int(v.size()));
  return v.substr(size_t(from), size_t(E.SelLength()));
}

void TDropDownValue::Paste(const std::string& Clip) {
  if (E.ReadOnly() || Clip.empty()) return;
  const std::string v = Value();
  const int at = std::clamp(E.SelStart() - ValueStart(), 0, int(v.size()));
  const int len = std::min(E.SelLength(), int(v.size()) - at);
  const std::string n = v.substr(0, size_t(at)) + Clip + v.substr(size_t(at + len));
  bool allow = true;
  if (OnPaste) OnPaste(n, allow);
  if (!allow) return;
  if (E.MaxLength() > 0 && int(Clip.size() + v.size()) - len > E.MaxLength()) return;
  const int kind = NumberKind(n);
  switch (EditType) {
    case etString:
    case etPassword: SetText(n); break;
    case etNumeric:
      if (kind != 0 || !SignLeadsOnly(n) || (!Signed && Has(n, '-'))) return;
      SetText(n);
      SetModified(true);
      break;
    case etFloat:
    case etMoney:
      if ((kind != 0 && kind != 1) || !SignLeadsOnly(n) || (Precision == 0 && Has(Clip, GetDecimalSeparator())))
        return;
      if (!Signed && Has(n, '-')) return;
      SetText(n);
      SetFloatValue(FloatValue());
      SetModified(true);
      break;
    case etUppercase: SetText(UpperCase(n)); break;
    case etLowerCase: SetText(LowerCase(n)); break;
    case etMixedCase: SetText(ToMixedCase(n)); break;
    case etAlphaNumeric:
    case etValidChars: {
      for (char c : n)
        if (EditType == etAlphaNumeric ? !IsAlnum(c) : !Has(ValidChars, c)) return;
      SetText(n);
      SetModified(true);
      break;
    }
    case etRange:
    case etHex: return;
  }
  if (EditType == etMoney && Value().size() > 3) SelectAll();
  else if (len > 0) E.SetSel(ValueStart() + at, ValueStart() + at + int(Clip.size()));
  else placeCaret(ValueStart() + at + int(Clip.size()));
  if (EditType == etString || EditType == etUppercase || EditType == etMixedCase || EditType == etLowerCase ||
      EditType == etPassword)
    SetModified(true);
}
