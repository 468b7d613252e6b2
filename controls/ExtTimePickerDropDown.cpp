#include "controls/ExtTimePickerDropDown.h"

#include <algorithm>
#include <cctype>

#include "controls/ExtDropDownForm.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/DateTimePicker.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

char sep() { return FormatSettings.TimeSeparator; }

std::string twoDigits(int V) { return (V < 10 ? "0" : "") + std::to_string(V); }

// A time field: digits only (an empty field counts 0); false for anything else.
bool readField(const std::string& Text, int& Value) {
  const std::string t = Trim(Text);
  if (!std::all_of(t.begin(), t.end(), [](unsigned char c) { return std::isdigit(c); })) return false;
  Value = t.empty() ? 0 : std::stoi(t.substr(0, 4));
  return true;
}

bool steppingKey(uint16_t Key) { return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN; }

}  // namespace

TExtTimePickerDropDown::TExtTimePickerDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>()) {
  FWatchAppearance->OnChange = [](TObject*) {};
  // The base styled itself before this look existed.
  ApplyWatchComponentStyle(*FWatchAppearance, GetComponentStyle());
  SetEditorEnabled(false);
  FInternal = true;
  SetEditMask(mask());
  SetTextDirect(timeText(0));
  FInternal = false;
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  CreateDropDownForm();
}

TExtTimePickerDropDown::~TExtTimePickerDropDown() = default;

std::string TExtTimePickerDropDown::mask() const {
  const std::string s(1, sep());
  return FShowSeconds ? "!90" + s + "00" + s + "00;1; " : "!90" + s + "00;1; ";
}

std::string TExtTimePickerDropDown::timeText(TDateTime Value) const {
  uint16_t h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(Value, h, m, s, ms);
  std::string t = twoDigits(h) + sep() + twoDigits(m);
  if (FShowSeconds) t += sep() + twoDigits(s);
  return t;
}

void TExtTimePickerDropDown::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  FTime = Value;
  FInternal = true;
  SetTextDirect(timeText(Value));
  FInternal = false;
  if (!DroppedDown()) return;
  if (FWatch) FWatch->SetTime(Value);
  if (FShowTimePicker && FTimePicker) FTimePicker->SetTime(Value);
}

void TExtTimePickerDropDown::SetShowSeconds(bool Value) {
  if (Value == FShowSeconds) return;
  FShowSeconds = Value;
  const TDateTime time = FTime;
  FInternal = true;
  SetEditMask("");
  SetTextDirect("");
  FInternal = false;
  SetEditMask(mask());
  // Made to differ, so that the writer rewrites the text in the new format.
  FTime = time + 1;
  SetTime(time);
}

void TExtTimePickerDropDown::SetComponentStyle(TQGSStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  if (FWatchAppearance) ApplyWatchComponentStyle(*FWatchAppearance, AStyle);
}

// ---- the typed text

void TExtTimePickerDropDown::EditChanged() {
  TExtCustomDropDown::EditChanged();
  if (!FInternal) parseText();
}

void TExtTimePickerDropDown::parseText() {
  std::string text = Text();
  if (text.empty() || Trim(text).size() != (FShowSeconds ? 8u : 5u)) return;
  if (std::count(text.begin(), text.end(), sep()) != (FShowSeconds ? 2 : 1)) return;
  std::replace(text.begin(), text.end(), ' ', '0');
  const size_t first = text.find(sep());
  std::string minutes = text.substr(first + 1), seconds;
  if (FShowSeconds) {
    const size_t second = minutes.find(sep());
    seconds = minutes.substr(second + 1);
    minutes = minutes.substr(0, second);
  }
  int h = 0, m = 0, s = 0;
  if (!readField(text.substr(0, first), h) || !readField(minutes, m) || !readField(seconds, s)) return;
  // Hours past 23 or minutes and seconds past 59 keep the time as it was.
  TDateTime time = 0;
  if (!TryEncodeTime(h, m, s, 0, time)) return;
  FTime = time;
  if (m == 0 && s == 0 && timeText(time) != Text()) {
    FInternal = true;
    SetText(timeText(time));
    FInternal = false;
  }
}

void TExtTimePickerDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
  // The edit moves the caret on Up and Down; the field is the one it was in.
  const uint16_t key = Key;
  const int caret = SelStart();
  TExtCustomDropDown::KeyDown(Key, Shift);
  if (GetKeyState(VK_MENU) < 0 || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl)) return;
  if (key == VK_UP || key == VK_DOWN) stepField(key == VK_UP, caret);
}

void TExtTimePickerDropDown::stepField(bool Up, int Caret) {
  const std::string text = Text();
  const size_t a = text.find(sep()) + 1;  // 1-based; 0 when there is none
  enum { hours, minutes, seconds } field = minutes;
  if (Caret < int(a)) {
    field = hours;
  } else {
    const size_t b = text.substr(a).find(sep()) + 1;
    if (FShowSeconds && Caret - int(a) >= int(b)) field = seconds;
  }
  uint16_t hms[4] = {};
  DecodeTime(FTime, hms[0], hms[1], hms[2], hms[3]);
  const int top = field == hours ? 23 : 59;
  int value = hms[field];
  value = Up ? (value == 0 ? top : value - 1) : (value == top ? 0 : value + 1);
  if (value != hms[field]) {
    hms[field] = uint16_t(value);
    SetTime(EncodeTime(hms[0], hms[1], hms[2], hms[3]));
    if (OnTimeChange) OnTimeChange(this);
  }
  SetSelStart(Caret);
  SetSelLength(0);
}

// ---- the popup

void TExtTimePickerDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (FDropDownForm == nullptr) return;
  if (FPanel == nullptr) {
    FPanel = new TPanel(this);
    FPanel->SetParent(FDropDownForm);
    FPanel->SetCtl3D(false);
    FPanel->SetBorderWidth(0);
    FPanel->SetBevelInner(bvNone);
  }
  FPanel->SetBounds(0, 0, FPanel->Width(), 180);
  if (FWatch == nullptr) {
    FWatch = new TExtWatch(this);
    FWatch->SetParent(FPanel);
  }
  FWatch->SetAlign(alClient);
  SetControl(FPanel);
}

void TExtTimePickerDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  FPanel->SetBounds(FPanel->Left(), FPanel->Top(), 170, 170);
  // Lays the popup out again.
  FDropDownForm->SetWidth(FDropDownForm->Width() + 1);
  FDropDownForm->SetWidth(FDropDownForm->Width() - 1);
  // Clicking elsewhere keeps the time set on the watch.
  FDropDownForm->SetCancelOnDeActivate(false);
  FPanel->SetColor(DropDownColor());
  FWatch->SetAppearance(FWatchAppearance.get());
  FWatch->SetSettings(FWatchSettings.get());
  FWatch->SetShowAMPM(FShowWatchAMPM);
  FWatch->SetShowNumbers(FShowWatchNumbers);
  FWatch->SetAnimation(FAnimation);
  FWatch->SetAnimationFactor(FAnimationFactor);
  FWatch->OnChange = nullptr;
  if (!FWatchSettings->Auto()) FWatch->SetTime(FTime);
  FWatch->OnChange = [this](TObject*) { watchChanged(); };
  prepareSpinner();
}

void TExtTimePickerDropDown::prepareSpinner() {
  if (!FShowTimePicker) {
    if (FTimePicker) FTimePicker->SetVisible(false);
    return;
  }
  if (FTimePicker == nullptr) {
    FTimePicker = new TDateTimePicker(this);
    FTimePicker->SetParent(FPanel);
    FTimePicker->SetKind(dtkTime);
  }
  FTimePicker->OnChange = nullptr;
  FTimePicker->SetAlign(alBottom);
  FTimePicker->SetVisible(true);
  FTimePicker->SetTime(FTime);
  FTimePicker->BringToFront();
  FTimePicker->OnChange = [this](TObject*) { spinnerChanged(); };
  FTimePicker->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
  FTimePicker->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
  FTimePicker->OnKeyPress = [this](TObject*, char& Key) { ControlKeyPress(Key); };
  FTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
  FPanel->SetHeight(FTimePicker->Height() + 170);
}

void TExtTimePickerDropDown::watchChanged() {
  if (FTimePicker && FShowTimePicker && FTimePicker->Time() != FWatch->Time()) {
    FTimePicker->SetTime(FWatch->Time());
    if (OnTimeChange) OnTimeChange(this);
  }
  SetTime(FWatch->Time());
}

void TExtTimePickerDropDown::spinnerChanged() {
  if (FTimePicker == nullptr || FWatch == nullptr || FWatchSettings->Auto()) return;
  // The watch's time writer tells nobody; the watch handler passes it on.
  FWatch->SetTime(FTimePicker->Time());
  watchChanged();
}

void TExtTimePickerDropDown::DoHideDropDown(bool Cancel) {
  TExtCustomDropDown::DoHideDropDown(Cancel);
  if (FWatch == nullptr) return;
  if (Cancel) FWatch->SetTime(FTime);
  else SetTime(FWatch->Time());
}

void TExtTimePickerDropDown::AfterHideDropDown() {
  TExtCustomDropDown::AfterHideDropDown();
  if (FWatch) SetTime(FWatch->Time());
}

// ---- keys

void TExtTimePickerDropDown::PopupKeyDown(uint16_t& Key, TShiftState Shift) {
  if (!steppingKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::PopupKeyDown(Key, Shift);
  if (FDropDownForm && FDropDownForm->Visible() && FWatch) FWatch->WatchKeyDown(Key);
}

void TExtTimePickerDropDown::PopupKeyUp(uint16_t& Key, TShiftState Shift) {
  if (!steppingKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::PopupKeyUp(Key, Shift);
}

void TExtTimePickerDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) {
  if (!steppingKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtTimePickerDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) {
  if (!steppingKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::ControlKeyUp(Key, Shift);
}
