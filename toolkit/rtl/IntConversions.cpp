#include <limits>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The magnitude and sign of an integer text; false on any syntax error or
// when the digits exceed Bits (hexadecimal) or the signed range (decimal),
// the latter also setting *tooLarge.
bool parseInteger(std::string_view s, int bits, int64_t& out, bool* tooLarge = nullptr) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  bool hex = false;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == s.size()) return false;
  uint64_t limit = hex ? (bits == 32 ? 0xFFFFFFFFull : ~0ull)
                       : static_cast<uint64_t>(bits == 32 ? std::numeric_limits<int32_t>::max()
                                                          : std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  uint64_t v = 0;
  unsigned base = hex ? 16 : 10;
  for (; i < s.size(); ++i) {
    int d = hex ? hexValue(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (d < 0) return false;
    if (v > (limit - static_cast<unsigned>(d)) / base) {
      // Only a text that is all digits to its end is a number too large.
      for (++i; i < s.size(); ++i)
        if (hex ? hexValue(s[i]) < 0 : (s[i] < '0' || s[i] > '9')) return false;
      if (tooLarge) *tooLarge = true;
      return false;
    }
    v = v * base + static_cast<unsigned>(d);
  }
  // Hexadecimal is a bit pattern of the target width: $FFFFFFFF is -1.
  int64_t signedValue = bits == 32 && hex ? static_cast<int32_t>(static_cast<uint32_t>(v)) : static_cast<int64_t>(v);
  out = negative ? static_cast<int64_t>(0ull - static_cast<uint64_t>(signedValue)) : signedValue;
  if (bits == 32 && hex && negative) out = static_cast<int32_t>(static_cast<uint32_t>(out));
  return true;
}

[[noreturn]] void invalidInteger(std::string_view s) {
  throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
}

}  // namespace

std::string IntToHex(uint64_t Value, int Digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string r;
  do {
    r.insert(r.begin(), kDigits[Value & 15]);
    Value >>= 4;
  } while (Value);
  if (static_cast<int>(r.size()) < Digits) r.insert(0, static_cast<size_t>(Digits) - r.size(), '0');
  return r;
}

bool TryStrToInt(std::string_view S, int& Value) {
  int64_t v = 0;
  if (!parseInteger(S, 32, v)) return false;
  Value = static_cast<int>(v);
  return true;
}

int StrToInt(std::string_view S) {
  int v = 0;
  if (!TryStrToInt(S, v)) invalidInteger(S);
  return v;
}

int StrToIntDef(std::string_view S, int Default) {
  int v = 0;
  return TryStrToInt(S, v) ? v : Default;
}

bool TryStrToInt64(std::string_view S, int64_t& Value) { return parseInteger(S, 64, Value); }

bool TryStrToInt64(std::string_view S, int64_t& Value, bool& OutOfRange) {
  OutOfRange = false;
  return parseInteger(S, 64, Value, &OutOfRange);
}

int64_t StrToInt64(std::string_view S) {
  int64_t v = 0;
  if (!TryStrToInt64(S, v)) invalidInteger(S);
  return v;
}

int64_t StrToInt64Def(std::string_view S, int64_t Default) {
  int64_t v = 0;
  return TryStrToInt64(S, v) ? v : Default;
}

bool TryStrToBool(std::string_view S, bool& Value) {
  std::string t = Trim(S);
  if (SameText(t, "true")) { Value = true; return true; }
  if (SameText(t, "false")) { Value = false; return true; }
  int64_t n = 0;
  if (!TryStrToInt64(t, n)) return false;
  Value = n != 0;
  return true;
}

bool StrToBool(std::string_view S) {
  bool v = false;
  if (!TryStrToBool(S, v)) throw EConvertError("'" + std::string(S) + "' is not a valid boolean value");
  return v;
}

std::string BoolToStr(bool B, bool UseBoolStrs) {
  if (UseBoolStrs) return B ? "True" : "False";
  return B ? "-1" : "0";
}
