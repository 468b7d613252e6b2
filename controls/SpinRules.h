#pragma once
// The spin editor's rules, apart from the control: clamping to bounds,
// number text, the date or time part under the caret and its step, and the
// filter of typed characters.

#include <string>
#include <string_view>

#include "toolkit/rtl/SysUtils.h"

enum TEsgSpinType : int;

// Equal bounds mean no bounds.
template <typename T>
T ClampSpinValue(T Value, T Min, T Max) {
  if (Min == Max) return Value;
  return Value < Min ? Min : Value > Max ? Max : Value;
}

// Fixed notation with Precision decimals (15 significant digits, half away
// from zero, no thousands separators); with Precision 0 the shortest general
// form. The locale's decimal separator.
std::string SpinFloatText(double Value, int Precision);

// Whether the month comes before the day in a short date format.
bool MonthBeforeDay(std::string_view ShortDateFormat);

enum class TDateField { Day, Month, Year };
enum class TTimeField { Hours, Minutes, Seconds };

// The part of a date text that the caret (0-based) stands in.
TDateField DateFieldAt(std::string_view Text, int Caret, char DateSeparator, bool MonthFirst);
// The part of a time text that the caret stands in; seconds only when shown.
TTimeField TimeFieldAt(std::string_view Text, int Caret, char TimeSeparator, bool ShowSeconds);

// One step of Sign (+1 or -1) of the field; false (Result untouched) when
// the new date does not exist, such as 29 February of another year.
bool StepDate(double Date, TDateField Field, int Sign, double& Result);

struct TTimeIncrements {
  int Hours = 1;
  int Minutes = 1;
  int Seconds = 1;
};
// Up adds the amount; down goes back across midnight to the evening before.
// False when the amount is no time of day (24 hours, 60 minutes or more).
bool StepTime(double Time, TTimeField Field, int Sign, const TTimeIncrements& Inc, double& Result);

// The state a typed character meets.
struct TSpinCharContext {
  TEsgSpinType Kind{};
  std::string_view Text;
  int SelStart = 0;
  int SelLength = 0;
  int Precision = 0;
  bool EditorEnabled = true;
};
bool SpinCharAllowed(const TSpinCharContext& Context, char Key, const TFormatSettings& FS);
