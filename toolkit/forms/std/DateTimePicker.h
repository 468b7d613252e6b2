#pragma once
// TMonthCalendar (a month of days with navigation) and TDateTimePicker (a
// date or time edited field by field, with a drop-down calendar or spin
// buttons). Changes reach the parent as WM_NOTIFY and come back as CN_NOTIFY.

#include <cstdint>
#include <functional>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/models/DateTimeFields.h"

class TCustomForm;

struct TSystemTime {
  uint16_t wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0, wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};
using SYSTEMTIME = TSystemTime;
constexpr WPARAM GDT_VALID = 0;
constexpr WPARAM GDT_NONE = 1;
constexpr LRESULT GDT_ERROR = -1;

class TMonthCalendar : public TCustomControl {
public:
  explicit TMonthCalendar(TComponent* AOwner);
  std::string ClassName() const override { return "TMonthCalendar"; }
  double Date() const { return date_; }
  // Clamped into MinDate..MaxDate (0 = no limit); shows the date's month.
  void SetDate(double v);
  double MinDate() const { return min_; }
  void SetMinDate(double v) { min_ = v; SetDate(date_); }
  double MaxDate() const { return max_; }
  void SetMaxDate(double v) { max_ = v; SetDate(date_); }
  int ShownYear() const { return year_; }
  int ShownMonth() const { return month_; }
  void ShowMonth(int Year, int Month);
  void NextMonth() { ShowMonth(year_, month_ + 1); }
  void PrevMonth() { ShowMonth(year_, month_ - 1); }
  // The smallest size that shows a whole month.
  TRect MinReqRect();
  TRect DayRect(int Day);
  TRect PrevButtonRect();
  TRect NextButtonRect();
  // Fires when a day is chosen by the user (mouse or Enter).
  std::function<void(double Date)> OnDayChosen;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

private:
  bool dayPressed_ = false;
  int cellWidth();
  int cellHeight();
  int firstColumn() const;
  void userDate(double v);
  double date_ = 0;
  double min_ = 0, max_ = 0;
  int year_ = 2000, month_ = 1;
};

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };
enum TDTDateMode { dmComboBox, dmUpDown };
using TDTParseInputEvent = std::function<void(TObject* Sender, const std::string& UserString, double& DateAndTime, bool& AllowChange)>;

class TDateTimePicker : public TCustomControl {
public:
  explicit TDateTimePicker(TComponent* AOwner);
  ~TDateTimePicker() override;
  std::string ClassName() const override { return "TDateTimePicker"; }

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind v);
  double DateTime() const { return fields_.DateTime(); }
  void SetDateTime(double v);
  double Date() const;
  void SetDate(double v);
  double Time() const;
  void SetTime(double v);
  // An empty Format follows Kind and DateFormat through the locale settings.
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& v);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat v);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode v) { dateMode_ = v; Invalidate(); }
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool v) { showCheckbox_ = v; Invalidate(); }
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; Invalidate(); }
  double MinDate() const { return fields_.MinDate(); }
  void SetMinDate(double v) { fields_.SetMinDate(v); Invalidate(); }
  double MaxDate() const { return fields_.MaxDate(); }
  void SetMaxDate(double v) { fields_.SetMaxDate(v); Invalidate(); }
  bool DroppedDown() const { return dropped_; }
  void SetDroppedDown(bool v);
  // The text as shown and the field the keys go to.
  std::string DisplayText() const { return fields_.Text(); }
  int CurrentField() const { return fields_.CurrentField(); }
  TMonthCalendar* Calendar() const { return calendar_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDTParseInputEvent OnUserInput;
  void Dispatch(TMessage& Message) override;

protected:
  virtual void Change();
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  TRect ButtonRect() const;
  TRect CheckRect() const;
  int TextLeft() const;

private:
  void applyFormat();
  void notify(int code);
  void userChanged(double before);
  TDateTimeFields fields_;
  TDateTimeKind kind_ = dtkDate;
  std::string format_;
  TDTDateFormat dateFormat_ = dfShort;
  TDTDateMode dateMode_ = dmComboBox;
  bool showCheckbox_ = false;
  bool checked_ = true;
  bool dropped_ = false;
  bool focused_ = false;
  bool reflected_ = false;
  TCustomForm* popup_ = nullptr;
  TMonthCalendar* calendar_ = nullptr;
};
