#include <algorithm>
#include <cmath>
#include <vector>

#include "toolkit/rtl/FloatDigits.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

// One section of a picture, taken apart.
struct Picture {
  enum TokKind { Literal, IntDigit, Point, FracDigit, Exponent };
  struct Token {
    TokKind Kind;
    std::string Text;
  };
  std::vector<Token> Tokens;
  int IntCount = 0;     // placeholders before the point
  int MinInt = 0;       // from the first '0' before the point to the point
  int FracMin = 0;      // up to the last '0' after the point
  int FracMax = 0;      // placeholders after the point
  bool Thousands = false;
  bool Scientific = false;
  bool ExpPlus = false;
  int ExpDigits = 0;
  bool HasPlaceholders() const { return IntCount + FracMax > 0; }
};

std::vector<std::string> splitSections(std::string_view f) {
  std::vector<std::string> out(1);
  char quote = 0;
  for (char c : f) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      out.emplace_back();
      continue;
    }
    out.back() += c;
  }
  return out;
}

Picture parsePicture(const std::string& f) {
  Picture p;
  bool afterPoint = false;
  int intPos = 0, firstZero = -1;
  for (size_t i = 0; i < f.size(); ++i) {
    char c = f[i];
    if (c == '"' || c == '\'') {
      size_t end = f.find(c, i + 1);
      if (end == std::string::npos) end = f.size();
      p.Tokens.push_back({Picture::Literal, f.substr(i + 1, end - i - 1)});
      i = end;
    } else if (c == '0' || c == '#') {
      if (afterPoint) {
        ++p.FracMax;
        if (c == '0') p.FracMin = p.FracMax;
        p.Tokens.push_back({Picture::FracDigit, ""});
      } else {
        if (c == '0' && firstZero < 0) firstZero = intPos;
        ++intPos;
        ++p.IntCount;
        p.Tokens.push_back({Picture::IntDigit, ""});
      }
    } else if (c == '.' ) {
      if (!afterPoint) p.Tokens.push_back({Picture::Point, ""});
      afterPoint = true;
    } else if (c == ',') {
      if (!afterPoint) p.Thousands = true;
    } else if ((c == 'E' || c == 'e') && i + 1 < f.size() && (f[i + 1] == '+' || f[i + 1] == '-') && !p.Scientific) {
      p.Scientific = true;
      p.ExpPlus = f[i + 1] == '+';
      i += 2;
      while (i < f.size() && f[i] == '0') ++p.ExpDigits, ++i;
      --i;
      p.Tokens.push_back({Picture::Exponent, std::string(1, c)});
    } else {
      p.Tokens.push_back({Picture::Literal, std::string(1, c)});
    }
  }
  p.MinInt = firstZero < 0 ? 0 : p.IntCount - firstZero;
  return p;
}

struct Rendered {
  std::string Int, Frac;
  int Exp = 0;
  bool Zero = true;
};

Rendered renderDigits(const Picture& p, double absValue, char thousands) {
  Rendered r;
  TFloatDigits d = FloatDigits(absValue);
  if (p.Scientific) {
    int intCount = std::max(1, p.IntCount);
    RoundSignificant(d, intCount + p.FracMax);
    if (!d.IsZero()) {
      r.Exp = d.PointPos - intCount;
      d.PointPos = intCount;
    }
  } else {
    RoundDecimals(d, p.FracMax);
  }
  r.Zero = d.IsZero();
  r.Int = IntegerDigits(d);
  if (r.Int == "0" && p.MinInt == 0) r.Int.clear();
  if (static_cast<int>(r.Int.size()) < p.MinInt) r.Int.insert(0, static_cast<size_t>(p.MinInt) - r.Int.size(), '0');
  if (p.Thousands && thousands) r.Int = GroupThousands(r.Int, thousands);
  r.Frac = FractionDigits(d, p.FracMax);
  while (static_cast<int>(r.Frac.size()) > p.FracMin && r.Frac.back() == '0') r.Frac.pop_back();
  return r;
}

std::string render(const Picture& p, const Rendered& r, const TFormatSettings& fs) {
  std::string out;
  bool intDone = false;
  size_t frac = 0;
  for (const auto& t : p.Tokens) {
    switch (t.Kind) {
      case Picture::Literal: out += t.Text; break;
      case Picture::IntDigit:
        if (!intDone) out += r.Int;
        intDone = true;
        break;
      case Picture::Point:
        if (!intDone) out += r.Int;
        intDone = true;
        if (!r.Frac.empty()) out += fs.DecimalSeparator;
        break;
      case Picture::FracDigit:
        if (frac < r.Frac.size()) out += r.Frac[frac];
        ++frac;
        break;
      case Picture::Exponent: {
        if (!intDone) out += r.Int;
        intDone = true;
        std::string e = std::to_string(std::abs(r.Exp));
        if (static_cast<int>(e.size()) < p.ExpDigits) e.insert(0, static_cast<size_t>(p.ExpDigits) - e.size(), '0');
        out += t.Text + (r.Exp < 0 ? "-" : p.ExpPlus ? "+" : "") + e;
        break;
      }
    }
  }
  return out;
}

}  // namespace

std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& FS) {
  if (Format.empty() || !std::isfinite(Value)) return FloatToStr(Value, FS);
  std::vector<std::string> sections = splitSections(Format);
  auto usable = [&](size_t i) { return i < sections.size() && !sections[i].empty(); };
  size_t section = 0;
  if (Value < 0 && usable(1)) section = 1;
  if (Value == 0 && usable(2)) section = 2;
  Picture p = parsePicture(sections[section]);
  if (!p.HasPlaceholders() && !p.Scientific) return render(p, Rendered{}, FS);
  Rendered r = renderDigits(p, std::fabs(Value), FS.ThousandSeparator);
  // The negative section carries its own sign; a value shown as zero gets none.
  std::string sign = Value < 0 && section == 0 && !r.Zero ? "-" : "";
  return sign + render(p, r, FS);
}
