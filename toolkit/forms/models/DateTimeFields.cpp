#include "toolkit/forms/models/DateTimeFields.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cctype>

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};
constexpr double kMsPerDay = 86400000.0;

const char* const kMonthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                   "August", "September", "October", "November", "December"};
const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Pad(int v, int width) {
  std::string s = std::to_string(v);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
  return s;
}

bool IsFormatLetter(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == 'H' || c == 'h' || c == 'm' || c == 's' || c == 't';
}

// The largest value a field holds and how many digits finish typing it.
int FieldMax(TDateTimeFields::TFieldKind k) {
  switch (k) {
    case TDateTimeFields::fkDay: return 31;
    case TDateTimeFields::fkMonth: return 12;
    case TDateTimeFields::fkYear: return 9999;
    case TDateTimeFields::fkHour24: return 23;
    case TDateTimeFields::fkHour12: return 12;
    case TDateTimeFields::fkMinute: case TDateTimeFields::fkSecond: return 59;
    default: return 0;
  }
}

}  // namespace

TDateTimeParts SplitDateTime(double value) {
  TDateTimeParts p;
  double whole = std::floor(value);
  long long ms = std::llround((value - whole) * kMsPerDay);
  if (ms >= static_cast<long long>(kMsPerDay)) { ms -= static_cast<long long>(kMsPerDay); whole += 1; }
  year_month_day ymd{kEpoch + days{static_cast<long long>(whole)}};
  p.Year = static_cast<int>(ymd.year());
  p.Month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  p.Day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  p.Hour = static_cast<int>(ms / 3600000);
  p.Minute = static_cast<int>(ms / 60000 % 60);
  p.Second = static_cast<int>(ms / 1000 % 60);
  p.MilliSecond = static_cast<int>(ms % 1000);
  return p;
}

double JoinDateTime(const TDateTimeParts& p) {
  int day = std::min(p.Day, DaysInMonthOf(p.Year, p.Month));
  sys_days d{year{p.Year} / month{static_cast<unsigned>(p.Month)} / day};
  double whole = static_cast<double>((d - kEpoch).count());
  double frac = (p.Hour * 3600000.0 + p.Minute * 60000.0 + p.Second * 1000.0 + p.MilliSecond) / kMsPerDay;
  return whole + frac;
}

int DaysInMonthOf(int y, int m) {
  if (m < 1 || m > 12) return 31;
  return static_cast<int>(static_cast<unsigned>(
      year_month_day_last{year{y}, month_day_last{month{static_cast<unsigned>(m)}}}.day()));
}

std::string PickerFormatFromLocale(const std::string& f) {
  std::string out;
  bool ampm = false;
  for (size_t i = 0; i + 1 < f.size() + 1; ++i) {
    if (f.compare(i, 5, "am/pm") == 0 || f.compare(i, 5, "AM/PM") == 0) ampm = true;
  }
  for (size_t i = 0; i < f.size(); ++i) {
    char c = f[i];
    if (f.compare(i, 5, "am/pm") == 0 || f.compare(i, 5, "AM/PM") == 0) { out += "tt"; i += 4; continue; }
    switch (std::tolower(static_cast<unsigned char>(c))) {
      case 'd': out += 'd'; break;
      case 'm': out += 'M'; break;
      case 'y': out += 'y'; break;
      case 'h': out += ampm ? 'h' : 'H'; break;
      case 'n': out += 'm'; break;
      case 's': out += 's'; break;
      case '"': case '\'': {
        size_t end = f.find(c, i + 1);
        if (end == std::string::npos) end = f.size();
        out += '\'' + f.substr(i + 1, end - i - 1) + '\'';
        i = end;
        break;
      }
      default: out += c; break;
    }
  }
  return out;
}

TDateTimeFields::TDateTimeFields(const std::string& format) { SetFormat(format); }

void TDateTimeFields::SetFormat(const std::string& format) {
  fields_.clear();
  for (size_t i = 0; i < format.size();) {
    char c = format[i];
    if (c == '\'') {
      size_t end = format.find('\'', i + 1);
      if (end == std::string::npos) end = format.size();
      fields_.push_back({fkLiteral, 0, format.substr(i + 1, end - i - 1)});
      i = end + 1;
      continue;
    }
    if (!IsFormatLetter(c)) {
      fields_.push_back({fkLiteral, 0, std::string(1, c)});
      ++i;
      continue;
    }
    size_t j = i;
    while (j < format.size() && format[j] == c) ++j;
    int w = static_cast<int>(j - i);
    TFieldKind k = c == 'd' ? (w >= 3 ? fkDayName : fkDay) : c == 'M' ? fkMonth : c == 'y' ? fkYear
                 : c == 'H' ? fkHour24 : c == 'h' ? fkHour12 : c == 'm' ? fkMinute : c == 's' ? fkSecond : fkAmPm;
    fields_.push_back({k, w, ""});
    i = j;
  }
  current_ = -1;
  typed_.clear();
  for (int i = 0; i < static_cast<int>(fields_.size()) && current_ < 0; ++i)
    if (Editable(i)) current_ = i;
}

bool TDateTimeFields::Editable(int index) const {
  return index >= 0 && index < static_cast<int>(fields_.size()) && fields_[index].Kind != fkLiteral &&
         fields_[index].Kind != fkDayName;
}

double TDateTimeFields::Clamp(double v) const {
  if (min_ != 0 && v < min_) v = min_;
  if (max_ != 0 && v > max_) v = max_;
  return v;
}

void TDateTimeFields::SetDateTime(double value) { value_ = Clamp(value); }

std::string TDateTimeFields::FieldText(int index) const {
  const TField& f = fields_[index];
  TDateTimeParts p = SplitDateTime(value_);
  // While digits are being typed the field shows them as typed.
  if (index == current_ && !typed_.empty())
    return f.Kind == fkYear ? typed_ : Pad(std::stoi(typed_), f.Width >= 2 ? 2 : 1);
  switch (f.Kind) {
    case fkLiteral: return f.Literal;
    case fkDay: return Pad(p.Day, f.Width >= 2 ? 2 : 1);
    case fkDayName: {
      int wd = static_cast<int>(weekday{sys_days{year{p.Year} / month{static_cast<unsigned>(p.Month)} /
                                                 day{static_cast<unsigned>(p.Day)}}}.c_encoding());
      return f.Width == 3 ? std::string(kDayNames[wd], 3) : kDayNames[wd];
    }
    case fkMonth:
      if (f.Width >= 4) return kMonthNames[p.Month - 1];
      if (f.Width == 3) return std::string(kMonthNames[p.Month - 1], 3);
      return Pad(p.Month, f.Width);
    case fkYear: return f.Width <= 2 ? Pad(p.Year % 100, 2) : Pad(p.Year, f.Width == 3 ? 4 : f.Width);
    case fkHour24: return Pad(p.Hour, f.Width >= 2 ? 2 : 1);
    case fkHour12: return Pad(p.Hour % 12 == 0 ? 12 : p.Hour % 12, f.Width >= 2 ? 2 : 1);
    case fkMinute: return Pad(p.Minute, f.Width >= 2 ? 2 : 1);
    case fkSecond: return Pad(p.Second, f.Width >= 2 ? 2 : 1);
    case fkAmPm: return f.Width == 1 ? (p.Hour < 12 ? "A" : "P") : (p.Hour < 12 ? "AM" : "PM");
  }
  return {};
}

std::string TDateTimeFields::Text() const {
  std::string s;
  for (int i = 0; i < static_cast<int>(fields_.size()); ++i) s += FieldText(i);
  return s;
}

int TDateTimeFields::FieldStart(int index) const {
  int pos = 0;
  for (int i = 0; i < index && i < static_cast<int>(fields_.size()); ++i) pos += static_cast<int>(FieldText(i).size());
  return pos;
}

int TDateTimeFields::FieldAtChar(int charPos) const {
  int best = -1;
  for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
    if (!Editable(i)) continue;
    if (best < 0 || FieldStart(i) <= charPos) best = i;
  }
  return best;
}

void TDateTimeFields::SetCurrentField(int index) {
  if (!Editable(index)) return;
  CommitTyping();
  current_ = index;
}

void TDateTimeFields::NextField() {
  for (int i = current_ + 1; i < static_cast<int>(fields_.size()); ++i)
    if (Editable(i)) { SetCurrentField(i); return; }
  CommitTyping();
}

void TDateTimeFields::PrevField() {
  for (int i = current_ - 1; i >= 0; --i)
    if (Editable(i)) { SetCurrentField(i); return; }
  CommitTyping();
}

int TDateTimeFields::GetPart(TFieldKind kind) const {
  TDateTimeParts p = SplitDateTime(value_);
  switch (kind) {
    case fkDay: return p.Day;
    case fkMonth: return p.Month;
    case fkYear: return p.Year;
    case fkHour24: case fkHour12: case fkAmPm: return p.Hour;
    case fkMinute: return p.Minute;
    case fkSecond: return p.Second;
    default: return 0;
  }
}

void TDateTimeFields::SetPart(TFieldKind kind, int v) {
  TDateTimeParts p = SplitDateTime(value_);
  switch (kind) {
    case fkDay: p.Day = v; break;
    case fkMonth: p.Month = v; break;
    case fkYear: p.Year = v; break;
    case fkHour24: case fkHour12: case fkAmPm: p.Hour = v; break;
    case fkMinute: p.Minute = v; break;
    case fkSecond: p.Second = v; break;
    default: return;
  }
  p.Day = std::min(p.Day, DaysInMonthOf(p.Year, p.Month));
  SetDateTime(JoinDateTime(p));
}

void TDateTimeFields::Step(int delta) {
  CommitTyping();
  if (!Editable(current_)) return;
  TFieldKind k = fields_[current_].Kind;
  int v = GetPart(k);
  switch (k) {
    case fkDay: {
      TDateTimeParts p = SplitDateTime(value_);
      int n = DaysInMonthOf(p.Year, p.Month);
      SetPart(k, (v - 1 + delta % n + n) % n + 1);
      break;
    }
    case fkMonth: SetPart(k, (v - 1 + delta % 12 + 12) % 12 + 1); break;
    case fkYear: SetPart(k, std::clamp(v + delta, 1, 9999)); break;
    case fkHour24: case fkHour12: SetPart(k, (v + delta % 24 + 24) % 24); break;
    case fkAmPm: SetPart(k, (v + 12) % 24); break;
    case fkMinute: case fkSecond: SetPart(k, (v + delta % 60 + 60) % 60); break;
    default: break;
  }
}

bool TDateTimeFields::TypeChar(char c) {
  if (!Editable(current_)) return false;
  TFieldKind k = fields_[current_].Kind;
  if (k == fkAmPm) {
    char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (l != 'a' && l != 'p') return false;
    int h = GetPart(fkHour24);
    if ((l == 'a') != (h < 12)) SetPart(fkHour24, (h + 12) % 24);
    return true;
  }
  if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  if (k == fkMonth && fields_[current_].Width >= 3) return false;  // names are stepped, not typed
  int digits = k == fkYear ? (fields_[current_].Width <= 2 ? 2 : 4) : 2;
  std::string next = typed_ + c;
  // A number too big for the field starts again with the new digit.
  if (static_cast<int>(next.size()) > digits || (k != fkYear && std::stoi(next) > FieldMax(k))) next = std::string(1, c);
  typed_ = next;
  if (k != fkYear) {
    int v = std::stoi(typed_);
    if (k == fkHour12) {
      bool pm = GetPart(fkHour24) >= 12;
      if (v >= 1 && v <= 12) SetPart(fkHour24, v % 12 + (pm ? 12 : 0));
    } else if (v >= (k == fkDay || k == fkMonth ? 1 : 0)) {
      SetPart(k, v);
    }
  }
  if (static_cast<int>(typed_.size()) == digits) CommitTyping();
  return true;
}

void TDateTimeFields::CommitTyping() {
  if (typed_.empty()) return;
  std::string t = typed_;
  typed_.clear();
  if (Editable(current_) && fields_[current_].Kind == fkYear) {
    int y = std::stoi(t);
    // One or two digits mean a year near now, as short dates do.
    if (t.size() <= 2) y += y < 50 ? 2000 : 1900;
    if (y >= 1) SetPart(fkYear, y);
  }
}
