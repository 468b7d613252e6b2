#include <algorithm>
#include <cctype>

#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
int sign(int v) { return (v > 0) - (v < 0); }

// Simple one-to-one case pairs of the Latin, Greek and Cyrillic letters.
char32_t lowerChar(char32_t c) {
  if (c < 0x80) return static_cast<char32_t>(lowerAscii(static_cast<char>(c)));
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x17F) {
    bool evenUpper = (c < 0x138) || (c >= 0x14A && c < 0x178);
    bool oddUpper = (c >= 0x139 && c < 0x149) || (c >= 0x179 && c < 0x17F);
    if (c == 0x130) return 'i';
    if (evenUpper && c % 2 == 0 && c != 0x130) return c + 1;
    if (oddUpper && c % 2 == 1) return c + 1;
    return c;
  }
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

char32_t upperChar(char32_t c) {
  if (c < 0x80) return static_cast<char32_t>(upperAscii(static_cast<char>(c)));
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x131) return 'I';
    bool evenUpper = (c < 0x138) || (c >= 0x14A && c < 0x178);
    bool oddUpper = (c >= 0x139 && c < 0x149) || (c >= 0x179 && c < 0x17F);
    if (evenUpper && c % 2 == 1) return c - 1;
    if (oddUpper && c % 2 == 0 && c != 0x138 && c != 0x178) return c - 1;
    return c;
  }
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

template <typename Map>
std::string mapChars(std::string_view s, Map map) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    size_t at = i;
    char32_t c = DecodeUtf8Char(s, i);
    if (c == 0xFFFD && i - at == 1) out += s[at];  // keep bytes that are not UTF-8
    else AppendUtf8(out, map(c));
  }
  return out;
}

// Compares by character through Map; returns the sign.
template <typename Map>
int compareChars(std::string_view a, std::string_view b, Map map) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    char32_t ca = map(DecodeUtf8Char(a, i)), cb = map(DecodeUtf8Char(b, j));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return (i < a.size()) - (j < b.size());
}

}  // namespace

int Pos(std::string_view SubStr, std::string_view S) { return PosEx(SubStr, S, 1); }

int PosEx(std::string_view SubStr, std::string_view S, int Offset) {
  if (SubStr.empty() || Offset < 1 || static_cast<size_t>(Offset) > S.size()) return 0;
  size_t p = S.find(SubStr, static_cast<size_t>(Offset - 1));
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string Copy(std::string_view S, int Index, int Count) {
  if (Index < 1) Index = 1;
  if (Count <= 0 || static_cast<size_t>(Index) > S.size()) return {};
  return std::string(S.substr(static_cast<size_t>(Index - 1), static_cast<size_t>(Count)));
}

void Delete(std::string& S, int Index, int Count) {
  if (Index < 1 || Count <= 0 || static_cast<size_t>(Index) > S.size()) return;
  S.erase(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

void Insert(std::string_view Source, std::string& S, int Index) {
  size_t at = Index < 1 ? 0 : std::min(S.size(), static_cast<size_t>(Index - 1));
  S.insert(at, Source);
}

std::string TrimLeft(std::string_view S) {
  size_t b = 0;
  while (b < S.size() && isBlank(S[b])) ++b;
  return std::string(S.substr(b));
}

std::string TrimRight(std::string_view S) {
  size_t e = S.size();
  while (e > 0 && isBlank(S[e - 1])) --e;
  return std::string(S.substr(0, e));
}

std::string Trim(std::string_view S) { return TrimLeft(TrimRight(S)); }

std::string UpperCase(std::string_view S) {
  std::string r(S);
  std::transform(r.begin(), r.end(), r.begin(), upperAscii);
  return r;
}

std::string LowerCase(std::string_view S) {
  std::string r(S);
  std::transform(r.begin(), r.end(), r.begin(), lowerAscii);
  return r;
}

std::string AnsiUpperCase(std::string_view S) { return mapChars(S, upperChar); }
std::string AnsiLowerCase(std::string_view S) { return mapChars(S, lowerChar); }

int CompareStr(std::string_view S1, std::string_view S2) { return sign(S1.compare(S2)); }

int CompareText(std::string_view S1, std::string_view S2) {
  size_t n = std::min(S1.size(), S2.size());
  for (size_t i = 0; i < n; ++i) {
    auto a = static_cast<unsigned char>(lowerAscii(S1[i]));
    auto b = static_cast<unsigned char>(lowerAscii(S2[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  return sign(static_cast<int>(S1.size() > S2.size()) - static_cast<int>(S1.size() < S2.size()));
}

bool SameStr(std::string_view S1, std::string_view S2) { return S1 == S2; }
bool SameText(std::string_view S1, std::string_view S2) { return CompareText(S1, S2) == 0; }

int AnsiCompareText(std::string_view S1, std::string_view S2) {
  // ASCII runs, the usual case, compare byte by byte; the rest by character.
  size_t i = 0, n = std::min(S1.size(), S2.size());
  while (i < n && static_cast<unsigned char>(S1[i]) < 0x80 && static_cast<unsigned char>(S2[i]) < 0x80) {
    char a = lowerAscii(S1[i]), b = lowerAscii(S2[i]);
    if (a != b) return a < b ? -1 : 1;
    ++i;
  }
  return compareChars(S1.substr(i), S2.substr(i), lowerChar);
}

int AnsiCompareStr(std::string_view S1, std::string_view S2) {
  if (int r = AnsiCompareText(S1, S2)) return r;
  // Equal but for case: lower case first. Swapping the case of both sides
  // turns that into a plain comparison by code point.
  auto swapCase = [](char32_t c) { char32_t l = lowerChar(c); return l != c ? l : upperChar(c); };
  return compareChars(S1, S2, swapCase);
}

bool AnsiSameText(std::string_view S1, std::string_view S2) { return AnsiCompareText(S1, S2) == 0; }
bool AnsiSameStr(std::string_view S1, std::string_view S2) { return S1 == S2; }
int AnsiPos(std::string_view SubStr, std::string_view S) { return Pos(SubStr, S); }

bool StartsText(std::string_view SubText, std::string_view Text) {
  return SubText.size() <= Text.size() && AnsiSameText(SubText, Text.substr(0, SubText.size()));
}

bool EndsText(std::string_view SubText, std::string_view Text) {
  return SubText.size() <= Text.size() && AnsiSameText(SubText, Text.substr(Text.size() - SubText.size()));
}

std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags) {
  if (OldPattern.empty()) return std::string(S);
  bool ignoreCase = Flags.Contains(rfIgnoreCase);
  std::string hay = ignoreCase ? AnsiUpperCase(S) : std::string(S);
  std::string needle = ignoreCase ? AnsiUpperCase(OldPattern) : std::string(OldPattern);
  // Upper-casing may change byte lengths of odd letters; fall back to ASCII then.
  if (hay.size() != S.size()) {
    hay = UpperCase(S);
    needle = UpperCase(OldPattern);
  }
  std::string out;
  size_t from = 0;
  for (;;) {
    size_t p = hay.find(needle, from);
    if (p == std::string::npos) break;
    out.append(S.substr(from, p - from)).append(NewPattern);
    from = p + needle.size();
    if (!Flags.Contains(rfReplaceAll)) break;
  }
  out.append(S.substr(from));
  return out;
}

std::string QuotedStr(std::string_view S) { return AnsiQuotedStr(S, '\''); }

std::string AnsiQuotedStr(std::string_view S, char Quote) {
  std::string r(1, Quote);
  for (char c : S) {
    r += c;
    if (c == Quote) r += c;
  }
  r += Quote;
  return r;
}

std::string AnsiExtractQuotedStr(std::string_view S, size_t& Pos, char Quote) {
  if (Pos >= S.size() || S[Pos] != Quote) return {};
  std::string r;
  size_t i = Pos + 1;
  while (i < S.size()) {
    if (S[i] == Quote) {
      if (i + 1 < S.size() && S[i + 1] == Quote) {
        r += Quote;
        i += 2;
        continue;
      }
      ++i;  // the closing quote
      break;
    }
    r += S[i++];
  }
  Pos = i;
  return r;
}

std::string AnsiDequotedStr(std::string_view S, char Quote) {
  size_t pos = 0;
  if (S.empty() || S[0] != Quote) return std::string(S);
  return AnsiExtractQuotedStr(S, pos, Quote);
}

std::string StringOfChar(char Ch, int Count) { return std::string(Count > 0 ? static_cast<size_t>(Count) : 0, Ch); }
