#include <cctype>

#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

class Scanner {
public:
  explicit Scanner(std::string_view s) : s_(s) {}

  void Blanks() {
    while (pos_ < s_.size() && static_cast<unsigned char>(s_[pos_]) <= ' ') ++pos_;
  }
  bool Char(char c) {
    Blanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  // Up to MaxDigits digits; Length tells how many were typed.
  bool Number(int& value, int& length, int maxDigits = 4) {
    Blanks();
    value = 0;
    length = 0;
    while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])) && length < maxDigits) {
      value = value * 10 + (s_[pos_++] - '0');
      ++length;
    }
    return length > 0 && !(pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])));
  }
  bool Word(const std::string& w) {
    Blanks();
    if (w.empty() || pos_ + w.size() > s_.size() || !SameText(s_.substr(pos_, w.size()), w)) return false;
    pos_ += w.size();
    return true;
  }
  bool AtEnd() {
    Blanks();
    return pos_ == s_.size();
  }
  size_t Pos() const { return pos_; }
  void SetPos(size_t p) { pos_ = p; }

private:
  std::string_view s_;
  size_t pos_ = 0;
};

// The order of day, month and year in the short date format ("DMY").
std::string dateOrder(const std::string& f) {
  std::string order;
  char quote = 0;
  for (char c : f) {
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '"' || c == '\'') quote = c;
    char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if ((u == 'D' || u == 'M' || u == 'Y') && order.find(u) == std::string::npos) order += u;
  }
  return order.size() == 3 ? order : "DMY";
}

int expandYear(int y, int typedDigits, const TFormatSettings& fs) {
  return typedDigits > 2 ? y : ExpandTwoDigitYear(y, fs);
}

bool scanDate(Scanner& sc, TDateTime& out, const TFormatSettings& fs) {
  int v[3] = {0, 0, 0}, len[3] = {0, 0, 0};
  if (!sc.Number(v[0], len[0]) || !sc.Char(fs.DateSeparator) || !sc.Number(v[1], len[1])) return false;
  std::string order = dateOrder(fs.ShortDateFormat);
  int y = 0, m = 0, d = 0;
  if (sc.Char(fs.DateSeparator)) {
    if (!sc.Number(v[2], len[2])) return false;
    for (int i = 0; i < 3; ++i) {
      if (order[static_cast<size_t>(i)] == 'D') d = v[i];
      else if (order[static_cast<size_t>(i)] == 'M') m = v[i];
      else y = expandYear(v[i], len[i], fs);
    }
  } else {
    // Day and month alone, in the order they have in the format: this year.
    bool monthFirst = order.find('M') < order.find('D');
    m = monthFirst ? v[0] : v[1];
    d = monthFirst ? v[1] : v[0];
    y = YearOf(Now());
  }
  return TryEncodeDate(y, m, d, out);
}

bool scanTime(Scanner& sc, TDateTime& out, const TFormatSettings& fs) {
  int h = 0, n = 0, s = 0, z = 0, len = 0;
  if (!sc.Number(h, len, 2)) return false;
  if (sc.Char(fs.TimeSeparator)) {
    if (!sc.Number(n, len, 2)) return false;
    if (sc.Char(fs.TimeSeparator)) {
      if (!sc.Number(s, len, 2)) return false;
      if (sc.Char(fs.DecimalSeparator)) {
        if (!sc.Number(z, len, 3)) return false;
        for (; len < 3; ++len) z *= 10;  // ".5" is half a second
      }
    }
  }
  bool am = sc.Word(fs.TimeAMString) || sc.Word("AM");
  bool pm = !am && (sc.Word(fs.TimePMString) || sc.Word("PM"));
  if (am || pm) {
    if (h < 1 || h > 12) return false;
    h = h % 12 + (pm ? 12 : 0);
  }
  return TryEncodeTime(h, n, s, z, out);
}

[[noreturn]] void notValid(std::string_view s, const char* what) {
  throw EConvertError("'" + std::string(s) + "' is not a valid " + what);
}

}  // namespace

bool TryStrToDate(std::string_view S, TDateTime& Value, const TFormatSettings& FS) {
  Scanner sc(S);
  TDateTime d = 0;
  if (!scanDate(sc, d, FS) || !sc.AtEnd()) return false;
  Value = d;
  return true;
}

bool TryStrToTime(std::string_view S, TDateTime& Value, const TFormatSettings& FS) {
  Scanner sc(S);
  TDateTime t = 0;
  if (!scanTime(sc, t, FS) || !sc.AtEnd()) return false;
  Value = t;
  return true;
}

bool TryStrToDateTime(std::string_view S, TDateTime& Value, const TFormatSettings& FS) {
  Scanner sc(S);
  TDateTime d = 0, t = 0;
  if (scanDate(sc, d, FS)) {
    if (!sc.AtEnd() && !scanTime(sc, t, FS)) return false;
  } else {
    sc.SetPos(0);
    if (!scanTime(sc, t, FS)) return false;
  }
  if (!sc.AtEnd()) return false;
  Value = d < 0 ? d - t : d + t;
  return true;
}

TDateTime StrToDate(std::string_view S, const TFormatSettings& FS) {
  TDateTime v = 0;
  if (!TryStrToDate(S, v, FS)) notValid(S, "date");
  return v;
}

TDateTime StrToTime(std::string_view S, const TFormatSettings& FS) {
  TDateTime v = 0;
  if (!TryStrToTime(S, v, FS)) notValid(S, "time");
  return v;
}

TDateTime StrToDateTime(std::string_view S, const TFormatSettings& FS) {
  TDateTime v = 0;
  if (!TryStrToDateTime(S, v, FS)) notValid(S, "date and time");
  return v;
}

TDateTime StrToDateDef(std::string_view S, TDateTime Default, const TFormatSettings& FS) {
  TDateTime v = 0;
  return TryStrToDate(S, v, FS) ? v : Default;
}

TDateTime StrToDateTimeDef(std::string_view S, TDateTime Default, const TFormatSettings& FS) {
  TDateTime v = 0;
  return TryStrToDateTime(S, v, FS) ? v : Default;
}

int ExpandTwoDigitYear(int Year, const TFormatSettings& FS) {
  int current = YearOf(Now()) - FS.TwoDigitYearCenturyWindow;
  Year += current / 100 * 100;
  if (FS.TwoDigitYearCenturyWindow > 0 && Year < current) Year += 100;
  return Year;
}
