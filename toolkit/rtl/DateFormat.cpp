#include <cctype>

#include "toolkit/rtl/DateUtils.h"

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string pad2(int v) {
  std::string digits = std::to_string(v);
  if (v < 10) digits.insert(0, 1, '0');
  return digits;
}

bool startsNoCase(std::string_view s, size_t i, std::string_view word) {
  if (i + word.size() > s.size()) return false;
  for (size_t k = 0; k < word.size(); ++k)
    if (lower(s[i + k]) != word[k]) return false;
  return true;
}

// True when the picture asks for a 12-hour clock.
bool wantsAmPm(std::string_view f) {
  char quote = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    if (quote) {
      if (f[i] == quote) quote = 0;
    } else if (f[i] == '"' || f[i] == '\'') {
      quote = f[i];
    } else if (startsNoCase(f, i, "am/pm") || startsNoCase(f, i, "a/p") || startsNoCase(f, i, "ampm")) {
      return true;
    }
  }
  return false;
}

class DateWriter {
public:
  DateWriter(TDateTime d, const TFormatSettings& fs) : d_(d), fs_(fs) {
    DecodeDateTime(d, y_, m_, day_, h_, n_, s_, z_);
  }

  void Write(std::string& out, std::string_view f, int depth) {
    bool twelve = wantsAmPm(f);
    bool afterHour = false;
    for (size_t i = 0; i < f.size();) {
      char c = f[i];
      char lc = lower(c);
      size_t run = 1;
      while (i + run < f.size() && lower(f[i + run]) == lc) ++run;
      if (c == '"' || c == '\'') {
        size_t end = f.find(c, i + 1);
        if (end == std::string_view::npos) end = f.size();
        out.append(f.substr(i + 1, end - i - 1));
        i = end + 1;
        continue;
      }
      if (lc == 'a') {
        i += amPm(out, f, i);
        continue;
      }
      bool letter = std::string_view("cdmyhnszt").find(lc) != std::string_view::npos;
      if (!letter) {
        out += c == '/' ? fs_.DateSeparator : c == ':' ? fs_.TimeSeparator : c;
        ++i;
        continue;
      }
      if (lc == 'm' && afterHour) lc = 'n';
      element(out, lc, run, twelve, depth);
      afterHour = lc == 'h';
      i += lc == 'c' ? 1 : run;
    }
  }

private:
  void nested(std::string& out, const std::string& f, int depth) {
    if (depth < 2) Write(out, f, depth + 1);  // settings may not recurse for ever
  }

  void element(std::string& out, char lc, size_t run, bool twelve, int depth) {
    switch (lc) {
      case 'c':
        nested(out, fs_.ShortDateFormat, depth);
        if (h_ || n_ || s_ || z_) {
          out += ' ';
          nested(out, fs_.LongTimeFormat, depth);
        }
        break;
      case 'd':
        if (run == 1) out += std::to_string(day_);
        else if (run == 2) out += pad2(day_);
        else if (run == 3) out += fs_.ShortDayNames[static_cast<size_t>(DayOfWeek(d_) - 1)];
        else if (run == 4) out += fs_.LongDayNames[static_cast<size_t>(DayOfWeek(d_) - 1)];
        else nested(out, run == 5 ? fs_.ShortDateFormat : fs_.LongDateFormat, depth);
        break;
      case 'm':
        if (run == 1) out += std::to_string(m_);
        else if (run == 2) out += pad2(m_);
        else out += (run == 3 ? fs_.ShortMonthNames : fs_.LongMonthNames)[static_cast<size_t>(m_ - 1)];
        break;
      case 'y':
        out += run <= 2 ? pad2(y_ % 100) : std::string(4 - std::min<size_t>(4, std::to_string(y_).size()), '0') + std::to_string(y_);
        break;
      case 'h': {
        int h = twelve ? (h_ % 12 == 0 ? 12 : h_ % 12) : h_;
        out += run == 1 ? std::to_string(h) : pad2(h);
        break;
      }
      case 'n': out += run == 1 ? std::to_string(n_) : pad2(n_); break;
      case 's': out += run == 1 ? std::to_string(s_) : pad2(s_); break;
      case 'z': out += run < 3 ? std::to_string(z_) : (z_ < 10 ? "00" : z_ < 100 ? "0" : "") + std::to_string(z_); break;
      case 't': nested(out, run == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, depth); break;
      default: break;
    }
  }

  // "am/pm" and "a/p" keep the case written in the picture; "ampm" uses the settings.
  size_t amPm(std::string& out, std::string_view f, size_t i) {
    bool pm = h_ >= 12;
    if (startsNoCase(f, i, "am/pm")) {
      std::string_view w = f.substr(i + (pm ? 3 : 0), 2);
      out.append(w);
      return 5;
    }
    if (startsNoCase(f, i, "a/p")) {
      out += f[i + (pm ? 2 : 0)];
      return 3;
    }
    if (startsNoCase(f, i, "ampm")) {
      out += pm ? fs_.TimePMString : fs_.TimeAMString;
      return 4;
    }
    out += f[i];
    return 1;
  }

  TDateTime d_;
  const TFormatSettings& fs_;
  uint16_t y_ = 0, m_ = 0, day_ = 0, h_ = 0, n_ = 0, s_ = 0, z_ = 0;
};

}  // namespace

std::string FormatDateTime(std::string_view Format, TDateTime D, const TFormatSettings& FS) {
  std::string out;
  DateWriter(D, FS).Write(out, Format.empty() ? std::string_view("c") : Format, 0);
  return out;
}

std::string DateToStr(TDateTime D, const TFormatSettings& FS) { return FormatDateTime(FS.ShortDateFormat, D, FS); }
std::string TimeToStr(TDateTime D, const TFormatSettings& FS) { return FormatDateTime(FS.LongTimeFormat, D, FS); }
std::string DateTimeToStr(TDateTime D, const TFormatSettings& FS) { return FormatDateTime("c", D, FS); }
