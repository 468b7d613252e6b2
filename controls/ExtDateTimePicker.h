#pragma once
// TCustomDateTimePicker: the in-place picker with AutoTab (after a typed
// digit completes a field the caret moves to the next field).
// TExtDateTimePicker: a date, a time or both (both: the date picker with a
// time-only picker embedded in its right part), with its own TimeFormat and
// an attached caption label.

#include <cstdint>
#include <string>

#include "controls/AttachedLabel.h"
#include "controls/EsgDateTimePicker.h"
#include "toolkit/forms/Timer.h"

// The message a picker posts to itself after a typed digit: by then the
// picker has taken the digit and the changed field can be told.
UINT DTPShiftFocusMessage();

class TCustomDateTimePicker : public TEsgDateTimePicker {
public:
  explicit TCustomDateTimePicker(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomDateTimePicker"; }
  bool AutoTab() const { return FAutoTab; }
  virtual void SetAutoTab(bool Value) { FAutoTab = Value; }
  void WndProc(TMessage& Message) override;

protected:
  void KeyPress(char& Key) override;
  // Records the value a typed digit is about to change.
  virtual void RecordBeforeDigit();
  // Moves to the next field when the digit changed the field it was typed in.
  virtual void ShiftFocus();
  bool NoMetroLook() const override { return true; }
  uint16_t Fh = 0, Fm = 0, Fs = 0, Fms = 0;

private:
  bool FAutoTab = false;
};

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };

class TExtDateTimePicker : public TCustomDateTimePicker {
public:
  explicit TExtDateTimePicker(TComponent* AOwner);
  ~TExtDateTimePicker() override;
  std::string ClassName() const override { return "TExtDateTimePicker"; }

  TExtDateTimeKind Kind() const { return FKind; }
  void SetKind(TExtDateTimeKind Value);
  // The embedded time picker (dkDateTime only).
  TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

  // Milliseconds are dropped; the time picker follows.
  double DateTime() const;
  void SetDateTime(double Value);
  // Keeps the time of day.
  double Date() const { return TDateTimePicker::Date(); }
  void SetDate(double Value);
  double Time() const;
  void SetTime(double Value);
  const std::string& TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const std::string& Value);
  void SetAutoTab(bool Value) override;
  void SetBorderStyle(TBorderStyle Value) override;
  uint32_t GetVersionNr() const override { return 0x01020000; }

  // ---- label ----
  TLabel* PickerLabel() const { return FLabel.Label(); }
  std::string LabelCaption() const { return FLabel.Caption(); }
  void SetLabelCaption(const std::string& Value) { FLabel.SetCaption(Value); }
  TLabelPosition LabelPosition() const { return FLabel.Position(); }
  void SetLabelPosition(TLabelPosition Value) { FLabel.SetPosition(Value); }
  int LabelMargin() const { return FLabel.Margin(); }
  void SetLabelMargin(int Value) { FLabel.SetMargin(Value); }
  bool LabelTransparent() const { return FLabel.Transparent(); }
  void SetLabelTransparent(bool Value) { FLabel.SetTransparent(Value); }
  bool LabelAlwaysEnabled() const { return FLabel.AlwaysEnabled(); }
  void SetLabelAlwaysEnabled(bool Value) { FLabel.SetAlwaysEnabled(Value); }
  TFont* LabelFont() const { return FLabel.Font(); }
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool Value) { FFocusLabel = Value; }
  TNotifyEvent& OnLabelClick() { return FLabel.OnClick; }
  TNotifyEvent& OnLabelDblClick() { return FLabel.OnDblClick; }

  void SetParent(TWinControl* AParent) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetEnabled(bool v) override;
  void SetChecked(bool Value);
  TNotifyEvent OnTimeChange;

protected:
  void Loaded() override;
  void CreateWnd() override;
  void Change() override;
  void Paint() override;
  void RecordBeforeDigit() override;
  void ShiftFocus() override;
  bool NoMetroLook() const override { return false; }
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMColorChanged(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void createTimePicker();
  // Places, shows, enables and fills the time picker; frees it when the kind has none.
  void layoutTimePicker();
  void followCheck();
  TExtDateTimeKind FKind = dkDateTime;
  std::string FTimeFormat;
  uint16_t Fy = 0, Fmo = 0, Fd = 0;
  TAttachedLabel FLabel;
  bool FFocusLabel = false;
  bool FFirstRun = true;
  TCustomDateTimePicker* FTimePicker = nullptr;
};
