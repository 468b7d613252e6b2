#pragma once
// The spin editor: a single-line edit with a two-arrow button inside its
// right edge, holding an integer, a float with fixed decimals, a date or a
// time of day. Arrows, Up/Down and Page Up/Page Down step the value (dates
// and times step the part under the caret); typed characters are filtered by
// kind; values are clamped to optional bounds; text follows FormatSettings.

#include <memory>
#include <string>

#include "controls/ButtonColors.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/forms/std/MaskEdit.h"

enum TEsgSpinType : int { sptNormal, sptFloat, sptDate, sptTime };
enum TSpinDirection { spVertical, spHorizontal };
enum TEditAlign { eaLeft, eaRight, eaCenter };

// The repeat of a held arrow: the first repeat after this delay, then at the steady rate.
constexpr uint32_t kSpinRepeatDelay = 400;
constexpr uint32_t kSpinRepeatRate = 100;

class TEsgSpinButton;

// An arrow of the spin button; while held down it clicks again and again.
class TExtTimerSpeedButton : public TSpeedButton {
public:
  explicit TExtTimerSpeedButton(TComponent* AOwner);
  std::string ClassName() const override { return "TExtTimerSpeedButton"; }
  TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(TTimeBtnState Value) { FTimeBtnState = Value; }
  TButtonDirection ButtonDirection() const { return FButtonDirection; }
  void SetButtonDirection(TButtonDirection Value) {
    FButtonDirection = Value;
    Invalidate();
  }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value) {
    FIsWinXP = Value;
    Invalidate();
  }
  bool HasMouse() const { return FHasMouse; }
  // The repeat timer (none before the first press that repeats).
  TTimer* RepeatTimer() const { return FRepeatTimer; }

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMMouseEnter(TCMControlMsg& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;

private:
  void timerExpired(TObject* Sender);
  void invalidateParent();
  TTimer* FRepeatTimer = nullptr;
  TTimeBtnState FTimeBtnState;
  TButtonDirection FButtonDirection = bdUp;
  bool FIsWinXP = false;
  bool FHasMouse = false;
};

// The two arrows inside the spin edit, up/down or left/right.
class TEsgSpinButton : public TCustomControl, public TButtonColors {
public:
  explicit TEsgSpinButton(TComponent* AOwner);
  std::string ClassName() const override { return "TEsgSpinButton"; }
  TExtTimerSpeedButton* UpButton() const { return FUpButton; }
  TExtTimerSpeedButton* DownButton() const { return FDownButton; }
  TExtTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  // None reloads the built-in arrow bitmap.
  void SetUpGlyph(const TBitmap* Value);
  void SetDownGlyph(const TBitmap* Value);
  int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
  void SetUpNumGlyphs(int Value) { FUpButton->SetNumGlyphs(Value); }
  int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
  void SetDownNumGlyphs(int Value) { FDownButton->SetNumGlyphs(Value); }
  void SetIsWinXP(bool Value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void WMSize(TWMSize& Message) override;

private:
  // Width at least 15 (vertical) or 20 (horizontal); the arrows share the rest.
  void adjustSize(int& W, int& H);
  void pressed(TExtTimerSpeedButton* Button);
  void clicked(TExtTimerSpeedButton* Button);
  void setFocusMark(bool On);
  TExtTimerSpeedButton* FUpButton;
  TExtTimerSpeedButton* FDownButton;
  TExtTimerSpeedButton* FFocusedButton;
  TWinControl* FFocusControl = nullptr;
  TSpinDirection FDirection = spVertical;
  bool FIsWinXP = false;
};

class TEsgSpinEdit : public TCustomMaskEdit {
public:
  explicit TEsgSpinEdit(TComponent* AOwner);
  ~TEsgSpinEdit() override;
  std::string ClassName() const override { return "TEsgSpinEdit"; }

  TEsgSpinButton* Button() const { return FButton; }
  TEsgSpinType SpinType() const { return FSpinType; }
  // Rewrites the current value through the new kind's reader and writer.
  void SetSpinType(TEsgSpinType Value);

  // ---- values: read from the text, written clamped and formatted ----
  int Value() const;
  void SetValue(int Value);
  double FloatValue() const;
  void SetFloatValue(double Value);
  double DateValue() const;
  void SetDateValue(double Value);
  double TimeValue() const;
  void SetTimeValue(double Value);

  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value) { FMinValue = Value; }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value) { FMaxValue = Value; }
  double MinFloatValue() const { return FMinFloatValue; }
  void SetMinFloatValue(double Value) { FMinFloatValue = Value; }
  double MaxFloatValue() const { return FMaxFloatValue; }
  void SetMaxFloatValue(double Value) { FMaxFloatValue = Value; }
  double MinDateValue() const { return FMinDateValue; }
  void SetMinDateValue(double Value) { FMinDateValue = Value; }
  double MaxDateValue() const { return FMaxDateValue; }
  void SetMaxDateValue(double Value) { FMaxDateValue = Value; }
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  double IncrementFloat() const { return FIncrementFloat; }
  void SetIncrementFloat(double Value) { FIncrementFloat = Value; }
  double IncrementFloatPage() const { return FIncrementFloatPage; }
  void SetIncrementFloatPage(double Value) { FIncrementFloatPage = Value; }
  int IncrementSeconds() const { return FIncrementSeconds; }
  void SetIncrementSeconds(int Value) { FIncrementSeconds = Value; }
  int IncrementMinutes() const { return FIncrementMinutes; }
  void SetIncrementMinutes(int Value) { FIncrementMinutes = Value; }
  int IncrementHours() const { return FIncrementHours; }
  void SetIncrementHours(int Value) { FIncrementHours = Value; }
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value);
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign Value);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool SpinFlat() const { return FSpinFlat; }
  void SetSpinFlat(bool Value);
  bool SpinTransparent() const { return FSpinTransparent; }
  void SetSpinTransparent(bool Value);
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value) { FShowSeconds = Value; }
  bool AllowEmptyValue() const { return FAllowEmptyValue; }
  void SetAllowEmptyValue(bool Value) { FAllowEmptyValue = Value; }
  // Set by each date step: the short date format puts the month before the day.
  bool UsDates() const { return FUsDates; }
  void SetIsWinXP(bool Value);

  // One step up or down (Page: the float page step).
  virtual void IncrementValue(bool Page);
  virtual void DecrementValue(bool Page);
  // Whether a typed character is acceptable here.
  virtual bool IsValidChar(char& Key);
  virtual void UpClick(TObject* Sender);
  virtual void DownClick(TObject* Sender);

protected:
  void Loaded() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMSize(TWMSize& Message) override;
  // The button and the text follow every size change, also before the window exists.
  void BoundsChanged() override;
  void DoEnter() override;
  void DoExit() override;
  void Dispatch(TMessage& Message) override;
  // The keys the editor steps with itself; a descendant may take them over.
  virtual bool IsStepKey(uint16_t Key) const;

private:
  void step(int Sign, bool Page);
  void stepDate(int Sign);
  void stepTime(int Sign);
  void layout();
  void setFormatRect();
  // Rewrites the current value when clamping changes it.
  void clampText();
  std::string timeText(double Value) const;

  int FMinValue = 0, FMaxValue = 100;
  double FMinFloatValue = 0, FMaxFloatValue = 100.0;
  double FMinDateValue = 0, FMaxDateValue = 0;
  double FDateValue = 0;
  double FTimeValue = 0;
  int FIncrement = 1;
  double FIncrementFloat = 0.1;
  TEsgSpinButton* FButton = nullptr;
  bool FEditorEnabled = true;
  TSpinDirection FDirection = spVertical;
  TEsgSpinType FSpinType = sptNormal;
  int FPrecision = 0;
  bool FReturnIsTab = false;
  bool FIsWinXP = false;
  bool FExcelStyleDecimalSeparator = false;
  bool FUsDates = false;
  bool FShowSeconds = true;
  int FIncrementSeconds = 1, FIncrementMinutes = 1, FIncrementHours = 1;
  TEditAlign FEditAlign = eaLeft;
  bool FSpinFlat = false;
  bool FSpinTransparent = false;
  bool FAllowEmptyValue = false;
  double FIncrementFloatPage = 1.0;
  bool FKeypadDecimal = false;  // the last key down was the keypad's decimal key
};
