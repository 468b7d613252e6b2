#pragma once
// A drop-down editor for a time of day: the edit shows hours, minutes and
// optionally seconds under an edit mask; the popup holds an analog watch on
// which the time is set by clicking and with keys, and optionally the
// toolkit's time spinner below it. The grid's time cell editor derives from it.

#include <memory>

#include "controls/ExtDropDown.h"
#include "controls/ExtWatch.h"

class TPanel;
class TDateTimePicker;

class TExtTimePickerDropDown : public TExtCustomDropDown {
public:
  explicit TExtTimePickerDropDown(TComponent* AOwner);
  ~TExtTimePickerDropDown() override;
  std::string ClassName() const override { return "TExtTimePickerDropDown"; }

  TDateTime Time() const { return FTime; }
  // Rewrites the edit text (and the open watch); fires nothing.
  void SetTime(TDateTime Value);
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value);
  bool ShowTimePicker() const { return FShowTimePicker; }
  void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
  bool ShowWatchAMPM() const { return FShowWatchAMPM; }
  void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
  bool ShowWatchNumbers() const { return FShowWatchNumbers; }
  void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  int AnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
  TWatchAppearance* WatchAppearance() const { return FWatchAppearance.get(); }
  void SetWatchAppearance(const TWatchAppearance* Value) { FWatchAppearance->Assign(Value); }
  TWatchSettings* WatchSettings() const { return FWatchSettings.get(); }
  void SetWatchSettings(const TWatchSettings* Value) { FWatchSettings->Assign(Value); }
  TNotifyEvent OnTimeChange;

  void SetComponentStyle(TQGSStyle AStyle) override;
  TExtWatch* Watch() const { return FWatch; }
  TDateTimePicker* TimePicker() const { return FTimePicker; }
  TPanel* Panel() const { return FPanel; }

  void DoHideDropDown(bool Cancel) override;
  void AfterHideDropDown() override;
  void PopupKeyDown(uint16_t& Key, TShiftState Shift) override;
  void PopupKeyUp(uint16_t& Key, TShiftState Shift) override;
  void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
  void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void EditChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
  std::string timeText(TDateTime Value) const;
  std::string mask() const;
  void parseText();
  void stepField(bool Up, int Caret);
  void watchChanged();
  void spinnerChanged();
  void prepareSpinner();

  // The picker's own look and settings, copied into the watch at each drop-down.
  std::unique_ptr<TWatchAppearance> FWatchAppearance;
  std::unique_ptr<TWatchSettings> FWatchSettings;
  TPanel* FPanel = nullptr;
  TExtWatch* FWatch = nullptr;
  TDateTimePicker* FTimePicker = nullptr;
  TDateTime FTime = 0;
  bool FShowSeconds = true, FShowTimePicker = false;
  bool FShowWatchAMPM = true, FShowWatchNumbers = true, FAnimation = true;
  int FAnimationFactor = 10;
  // Set while the control writes its own text or mask.
  bool FInternal = false;
};
