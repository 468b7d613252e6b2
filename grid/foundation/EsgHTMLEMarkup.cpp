// The markup rules shared by the HTML text renderer and its routines:
// preparing a text, entities of a run, attributes, numbers and colours.
#include <algorithm>
#include <cctype>
#include <utility>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEInternal.h"

namespace {

struct TNamedColor {
  const char* Name;
  TColor Value;
};

const TNamedColor kColorNames[] = {
    {"clred", RGB(255, 0, 0)},       {"clblack", RGB(0, 0, 0)},          {"clblue", RGB(0, 0, 255)},
    {"clgreen", RGB(0, 128, 0)},     {"claqua", RGB(0, 255, 255)},       {"clyellow", RGB(255, 255, 0)},
    {"clfuchsia", RGB(255, 0, 255)}, {"clwhite", RGB(255, 255, 255)},    {"cllime", RGB(0, 255, 0)},
    {"clsilver", RGB(192, 192, 192)}, {"clgray", RGB(128, 128, 128)},    {"clolive", RGB(128, 128, 0)},
    {"clnavy", RGB(0, 0, 128)},      {"clpurple", RGB(128, 0, 128)},     {"clteal", RGB(0, 128, 128)},
    {"clmaroon", RGB(128, 0, 0)},    {"clbackground", SystemColor(1)},   {"clactivecaption", SystemColor(2)},
    {"clinactivecaption", SystemColor(3)}, {"clmenu", SystemColor(4)},   {"clwindow", SystemColor(5)},
    {"clwindowframe", SystemColor(6)}, {"clmenutext", SystemColor(7)},   {"clwindowtext", SystemColor(8)},
    {"clcaptiontext", SystemColor(9)}, {"clactiveborder", SystemColor(10)},
    {"clinactiveborder", SystemColor(11)}, {"clappworkspace", SystemColor(12)},
    {"clhighlight", SystemColor(13)}, {"clhighlighttext", SystemColor(14)}, {"clbtnface", SystemColor(15)},
    {"clbtnshadow", SystemColor(16)}, {"clgraytext", SystemColor(17)},   {"clbtntext", SystemColor(18)},
    {"clinactivecaptiontext", SystemColor(19)}, {"clbtnhighlight", SystemColor(20)},
    {"cl3ddkshadow", SystemColor(21)}, {"cl3dlight", SystemColor(22)},   {"clinfotext", SystemColor(23)},
    {"clinfobk", SystemColor(24)},
};

// Replaced before layout; "&amp;" becomes the prefix escape "&&".
const std::pair<const char*, const char*> kPrepareEntities[] = {
    {"&amp;", "&&"},          {"&quot;", "\""},         {"&sect;", "\xC2\xA7"},
    {"&permil;", "\xE2\x80\xB0"}, {"&reg;", "\xC2\xAE"}, {"&copy;", "\xC2\xA9"},
    {"&para;", "\xC2\xB6"},   {"&trade;", "\xE2\x84\xA2"}, {"&euro;", "\xE2\x82\xAC"},
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

}  // namespace

namespace htmle {

std::string UpperAZ(std::string s) {
  for (char& c : s) c = UpAZ(c);
  return s;
}

std::string LowerAZ(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return s;
}

size_t FindNoCase(const std::string& hay, const std::string& needle, size_t from) {
  if (needle.empty() || hay.size() < needle.size()) return std::string::npos;
  for (size_t i = from; i + needle.size() <= hay.size(); ++i) {
    size_t k = 0;
    while (k < needle.size() && UpAZ(hay[i + k]) == UpAZ(needle[k])) ++k;
    if (k == needle.size()) return i;
  }
  return std::string::npos;
}

bool ReplaceFirstNoCase(std::string& s, const std::string& what, const std::string& with) {
  size_t p = FindNoCase(s, what);
  if (p == std::string::npos) return false;
  s.replace(p, what.size(), with);
  return true;
}

void ReplaceAll(std::string& s, const std::string& what, const std::string& with) {
  if (what.empty()) return;
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + with.size()))
    s.replace(p, what.size(), with);
}

}  // namespace htmle

using namespace htmle;

std::string PrepareHTMLText(std::string Text) {
  if (Text.find('&') != std::string::npos) {
    // Each replacement shortens the text, so the passes end.
    bool replaced = true;
    while (replaced) {
      replaced = false;
      for (const auto& [entity, ch] : kPrepareEntities) replaced = ReplaceFirstNoCase(Text, entity, ch) || replaced;
    }
  }
  for (size_t p = Text.find("<#"); p != std::string::npos; p = Text.find("<#", p)) {
    Text.erase(p, 1);
    size_t gt = Text.find('>', p);
    if (gt != std::string::npos) Text.erase(gt, 1);
  }
  ReplaceAll(Text, "\r", "<BR>");
  Text.erase(std::remove(Text.begin(), Text.end(), '\n'), Text.end());
  return Text;
}

std::string ReplaceRunEntities(std::string Run) {
  static const std::pair<const char*, const char*> kRun[] = {{"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}};
  for (const auto& [entity, ch] : kRun)
    while (Run.find(entity) != std::string::npos) ReplaceFirstNoCase(Run, entity, ch);
  return Run;
}

TColor HTMLColorValue(const std::string& Value) {
  if (!Value.empty() && Value[0] == '#') {
    auto pair = [&](size_t i) {
      char hi = i < Value.size() ? Value[i] : '0';
      char lo = i + 1 < Value.size() ? Value[i + 1] : '0';
      return uint8_t(16 * HexDigit(hi) + HexDigit(lo));
    };
    return RGB(pair(1), pair(3), pair(5));
  }
  const std::string name = LowerAZ(Value);
  for (const auto& c : kColorNames)
    if (name == c.Name) return c.Value;
  return clBlack;
}

std::string HTMLTagAttribute(const std::string& Tag, const std::string& UpperTag, const std::string& Name,
                             bool KeepCase) {
  size_t p = UpperTag.find(Name);
  if (p == std::string::npos) return {};
  size_t q1 = UpperTag.find('"', p + Name.size());
  if (q1 == std::string::npos) return {};
  size_t q2 = UpperTag.find('"', q1 + 1);
  if (q2 == std::string::npos) return {};
  return (KeepCase ? Tag : UpperTag).substr(q1 + 1, q2 - q1 - 1);
}

namespace htmle {
int ParseHTMLNumberIn(const std::string& S, int Lo, int Hi, bool* Valid) {
  return std::clamp(ParseHTMLNumber(S, Valid), Lo, Hi);
}
}  // namespace htmle

int ParseHTMLNumber(const std::string& S, bool* Valid) {
  size_t i = 0;
  while (i < S.size() && (S[i] == ' ' || S[i] == '\t')) ++i;
  bool neg = false;
  if (i < S.size() && (S[i] == '-' || S[i] == '+')) neg = S[i++] == '-';
  int base = 10;
  if (i < S.size() && S[i] == '$') {
    base = 16;
    ++i;
  } else if (i < S.size() && (S[i] == 'x' || S[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < S.size() && S[i] == '0' && (S[i + 1] == 'x' || S[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  int64_t value = 0;
  size_t digits = 0;
  for (; i < S.size(); ++i, ++digits) {
    char c = S[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else break;
    value = std::min<int64_t>(value * base + d, int64_t(INT32_MAX));
  }
  if (Valid) *Valid = digits > 0 && i == S.size();
  return int(neg ? -value : value);
}
