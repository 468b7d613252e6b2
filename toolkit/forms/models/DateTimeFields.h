#pragma once
// The field editor behind the date-time picker: a Format such as
// "dd/MM/yyyy HH:mm:ss" split into fields, the current field, digits typed
// into it, arrow-key moves and steps, and MinDate/MaxDate clamping. Format
// letters are the picker's own: d day, M month, y year, H 24-hour, h
// 12-hour, m minute, s second, t AM/PM; text in single quotes is literal.

#include <string>
#include <vector>

struct TDateTimeParts {
  int Year = 1899, Month = 12, Day = 30, Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
};

// Calendar conversion for TDateTime (days since 1899-12-30, time as fraction).
TDateTimeParts SplitDateTime(double value);
double JoinDateTime(const TDateTimeParts& p);
int DaysInMonthOf(int year, int month);
// Converts a locale date/time format ("dd/mm/yyyy", "hh:nn:ss", "am/pm")
// into the picker's letters.
std::string PickerFormatFromLocale(const std::string& localeFormat);

class TDateTimeFields {
public:
  enum TFieldKind { fkLiteral, fkDay, fkDayName, fkMonth, fkYear, fkHour24, fkHour12, fkMinute, fkSecond, fkAmPm };
  struct TField {
    TFieldKind Kind = fkLiteral;
    int Width = 0;         // number of format letters
    std::string Literal;
  };

  explicit TDateTimeFields(const std::string& format = "dd/MM/yyyy");
  void SetFormat(const std::string& format);
  const std::vector<TField>& Fields() const { return fields_; }

  double DateTime() const { return value_; }
  // Writes are clamped into MinDate..MaxDate; 0 means no limit.
  void SetDateTime(double value);
  double MinDate() const { return min_; }
  double MaxDate() const { return max_; }
  void SetMinDate(double v) { min_ = v; SetDateTime(value_); }
  void SetMaxDate(double v) { max_ = v; SetDateTime(value_); }

  std::string Text() const;
  // The text of one field and where it stands in Text().
  std::string FieldText(int index) const;
  int FieldStart(int index) const;
  int FieldAtChar(int charPos) const;

  // The field the keys go to (an index into Fields(), never a literal).
  int CurrentField() const { return current_; }
  void SetCurrentField(int index);
  void NextField();   // Right arrow
  void PrevField();   // Left arrow
  void Step(int delta);    // Up/Down arrows: wraps inside the field
  // Digits build the field's number; 'a'/'p' set AM/PM. False when refused.
  bool TypeChar(char c);
  // Ends a digit run (leaving a field or the control).
  void CommitTyping();

private:
  bool Editable(int index) const;
  int GetPart(TFieldKind kind) const;
  void SetPart(TFieldKind kind, int v);
  double Clamp(double v) const;
  std::vector<TField> fields_;
  double value_ = 0;
  double min_ = 0;
  double max_ = 0;
  int current_ = -1;
  std::string typed_;
};
