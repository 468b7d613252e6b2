#include "controls/ExtCalculatorDropDown.h"

#include <cmath>

#include "controls/ExtDropDownForm.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool HasDecimal(const std::string& s) { return s.find(GetDecimalSeparator()) != std::string::npos; }

}  // namespace

TExtCalculatorDropdown::TExtCalculatorDropdown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()) {
  SetComponentStyle(GetComponentStyle());
  SetEditType(etFloat);
  SetPrecision(2);
  SetDropDownWidth(230);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  CreateDropDownForm();
}

void TExtCalculatorDropdown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (FDropDownForm == nullptr) return;
  if (FKeypad == nullptr) {
    FKeypad = new TCustomButtonPanel(this);
    FKeypad->Calculator = this;
    FKeypad->SetParent(FDropDownForm);
    FKeypad->SetBounds(0, 0, 230, 150);
    FKeypad->BuildButtons();
  }
  SetControl(FKeypad);
  FKeypad->OnButtonClick = [this](TObject*, int Index) { KeyClick(Index); };
}

void TExtCalculatorDropdown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  FDropDownForm->SetCancelOnDeActivate(false);
  if (FKeypad != nullptr) {
    FKeypad->SetButtonAppearance(FCalcButtonAppearance.get());
    FKeypad->SetColor(DropDownColor());
    FKeypad->LayoutButtons();
  }
  Newval = true;
  Decim = 0;
  CalcClosed = false;
}

void TExtCalculatorDropdown::SetComponentStyle(TQGSStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  if (!FCalcButtonAppearance) return;
  const TExtButtonAppearance& b = *ButtonAppearance();
  TButtonAppearance& c = *FCalcButtonAppearance;
  c.SetBorderColorChecked(b.BorderColorDisabled());
  c.SetBorderColor(b.BorderColor());
  c.SetBorderColorHot(b.BorderColorHot());
  c.SetBorderColorDown(b.BorderColorDown());
  c.SetColor(b.Color());
  c.SetColorTo(b.ColorTo());
  c.SetColorDown(b.ColorDown());
  c.SetColorDownTo(b.ColorDownTo());
  c.SetColorChecked(b.ColorDisabledTo());
  c.SetColorCheckedTo(b.ColorHotTo());
  c.SetColorDisabled(b.ColorDisabled());
  c.SetColorDisabledTo(b.ColorDisabledTo());
  c.SetColorHot(b.ColorHot());
  c.SetColorHotTo(b.ColorHotTo());
  const bool office2010 = AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black;
  c.GlowColorDown = office2010 ? b.ColorHot() : TColor(0xD5C244);
  c.GlowColorHot = office2010 ? b.ColorHot() : b.ColorDownTo();
}

void TExtCalculatorDropdown::SetShowThousandSeparator(bool Value) {
  if (Value == FShowThousandSeparator) return;
  FShowThousandSeparator = Value;
  SetEditType(Value ? etMoney : etFloat);
  show(FloatValue());
}

// The display read as a number with every thousand separator removed;
// nothing when it is no number.
std::optional<double> TExtCalculatorDropdown::parse() const {
  double v = 0;
  if (!TryStrToFloat(RemoveThousandSeparators(Text()), v)) return std::nullopt;
  return v;
}

double TExtCalculatorDropdown::Value() {
  if (Text().empty()) setText("0");
  return parse().value_or(0);
}

void TExtCalculatorDropdown::SetValue(double Value) { setText(Format("%g", Value)); }

bool TExtCalculatorDropdown::atMaxLength() const { return MaxLength() > 0 && int(Text().size()) >= MaxLength(); }

bool TExtCalculatorDropdown::popupShowing() const {
  return !CalcClosed && FDropDownForm != nullptr && FDropDownForm->Visible();
}

// A display that is no number abandons the step and leaves the state as it was.
bool TExtCalculatorDropdown::compute() {
  if (Text().empty() || Text() == "Error") setText("0");
  const std::optional<double> x = parse();
  if (!x) return false;
  switch (Prevop) {
    case 0: Prevval = *x + Prevval; break;
    case 1: Prevval = *x * Prevval; break;
    case 2: Prevval = Prevval - *x; break;
    case 3:
      if (*x == 0) {
        Prevval = 0;
        setText("Error");
        return true;
      }
      Prevval = Prevval / *x;
      break;
    default: Prevval = parse().value_or(0); break;
  }
  show(Prevval);
  Newval = true;
  return true;
}

void TExtCalculatorDropdown::operation(int Op) {
  if (compute()) Prevop = Op;
}

void TExtCalculatorDropdown::equals() {
  if (!compute()) return;
  if (Text().empty()) setText("0");
  Prevop = -1;
  if (Text() != "Error") Prevval = parse().value_or(Prevval);
}

void TExtCalculatorDropdown::percent() {
  if (Text().empty() || Text() == "Error") setText("0");
  const std::optional<double> x = parse();
  if (!x) return;
  setText(Format("%g", Prevval * *x / 100));
}

void TExtCalculatorDropdown::clearAll(bool ResetValue) {
  setText("0");
  if (ResetValue) Prevval = 0;
  Prevop = -1;
}

void TExtCalculatorDropdown::KeyClick(int Index) {
  if (FKeypad == nullptr || Index < 0 || Index >= FKeypad->Buttons()->Count()) return;
  BeforeKey();
  const int t = FKeypad->Buttons()->Items(Index)->Tag;
  if ((t >= 10 && t <= 14) || (t >= 16 && t <= 18)) Decim = 0;
  if ((t < 10 || t == 14 || t == 15) && atMaxLength()) return;
  if (t >= 0 && t <= 9) {
    double v = FloatValue();
    if ((v == 0 && Decim == 0) || Newval) {
      setText(std::string(1, char('0' + t)));
      Newval = false;
    } else {
      if (Decim > 0) {
        v = v < 0 ? v - double(t) / Decim : v + double(t) / Decim;
        Decim *= 10;
      } else {
        v = v < 0 ? v * 10 - t : v * 10 + t;
      }
      show(v);
    }
  } else {
    switch (t) {
      case 10: operation(0); break;
      case 11: operation(2); break;
      case 12: operation(1); break;
      case 13: operation(3); break;
      case 14: {
        std::string s = Text();
        if (s.find('-') != std::string::npos) s.erase(0, 1);
        else s.insert(0, "-");
        setText(s);
        break;
      }
      case 15:
        if (!HasDecimal(Text())) setText(Text() + GetDecimalSeparator());
        Decim = 10;
        if (Newval) setText("0");
        Newval = false;
        break;
      case 16:
      case 30:
      case 32: clearAll(true); break;
      case 17: equals(); break;
      case 18: percent(); break;
      case 31:
        if (Prevop < 0) {
          std::string s = FloatToStr(FloatValue());
          s.pop_back();
          setText(s);
        }
        break;
      case 33: MVal = 0; break;
      case 34: show(MVal); break;
      case 35:
      case 36: {
        double v = 0;
        if (!TryStrToFloat(Text(), v)) return;
        MVal = t == 35 ? v : MVal + v;
        break;
      }
      case 37:
        if (FloatValue() >= 0) show(std::sqrt(FloatValue()));
        else setText("Error");
        break;
      case 38:
        if (FloatValue() != 0) show(1 / FloatValue());
        else setText("Error");
        break;
      default: break;
    }
  }
  SetIsModified(true);
}

void TExtCalculatorDropdown::KeyPress(char& Key) {
  if (!popupShowing()) {
    switch (Key) {
      case 13:
      case '=': equals(); break;
      case '%': percent(); break;
      case '*': operation(1); break;
      case '+': operation(0); break;
      case '-': operation(2); break;
      case '/': operation(3); break;
      case 'C':
      case 'c':
        setText("0");
        Newval = true;
        Prevop = -1;
        break;
      default: break;
    }
  }
  const char dec = GetDecimalSeparator();
  if (!(IsDigit(Key) || Key == dec || Key == 8 || Key == '-')) {
    Key = 0;
    return;
  }
  if ((Text() == "0" || Newval) && IsDigit(Key)) {
    setText(std::string(1, Key));
    Key = 0;
    SetSelStart(int(Prefix().size()) + 1);
    Newval = false;
    return;
  }
  if (Text().size() == 1 && Key == 8) {
    setText("0");
    Key = 0;
    SetSelStart(int(Prefix().size()) + 1);
    return;
  }
  if (Key == GetThousandSeparator() || (Key == dec && HasDecimal(Text()))) {
    Key = 0;
    return;
  }
  TExtCustomDropDown::KeyPress(Key);
}

void TExtCalculatorDropdown::PopupKeyPress(char& Key) {
  TExtCustomDropDown::PopupKeyPress(Key);
  BeforeKey();
  if (Key == GetDecimalSeparator() && !HasDecimal(Text())) setText(Text() + Key);
  if (IsDigit(Key) && atMaxLength()) return;
  switch (Key) {
    case 13:
      equals();
      HideDropDown(false);
      break;
    case 27: HideDropDown(true); break;
    case '%': percent(); break;
    case '*': operation(1); break;
    case '+': operation(0); break;
    case '-': operation(2); break;
    case '/': operation(3); break;
    case '=': equals(); break;
    case 'C':
    case 'c':
      setText("0");
      Prevval = 0;
      Newval = true;
      Prevop = -1;
      break;
    default:
      if (Key == '&' && GetKeyState(VK_MENU) < 0) HideDropDown(true);
      else if (IsDigit(Key) && (Text() == "0" || Newval)) Newval = false;
      break;
  }
}

void TExtCalculatorDropdown::PopupKeyDown(uint16_t& Key, TShiftState Shift) {
  TExtCustomDropDown::PopupKeyDown(Key, Shift);
  if (Key == VK_TAB || Key == VK_F4) HideDropDown(false);
  if (Key == VK_BACK) {
    std::string s = Text();
    if (!s.empty()) s.pop_back();
    setText(s.empty() || s == "Error" ? "0" : s);
  }
}

void TExtCalculatorDropdown::WMKeyDown(TWMKey& Message) {
  const uint16_t key = uint16_t(Message.CharCode);
  TExtCustomDropDown::WMKeyDown(Message);
  if (key == VK_DELETE && (Text().empty() || Text() == "Error")) setText("0");
}
