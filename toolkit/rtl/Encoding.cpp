#include "toolkit/rtl/Encoding.h"

#include "platform/kernel/TextCodec.h"

#include <cstdint>
#include <cstring>

// The conversions themselves live in the platform layer, which needs them for
// the clipboard and drag-and-drop; this unit adds the framework's names and
// the text-file rule on top.

namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

char32_t DecodeUtf8Char(std::string_view s, size_t& i) {
  char32_t cp = platform::NextUtf8(s, i);
  return cp == platform::kInvalidUtf8 ? kReplacement : cp;
}

void AppendUtf8(std::string& out, char32_t cp) { platform::AppendUtf8(out, cp); }

bool IsSevenBitText(std::string_view s) {
  // Eight bytes at a time: most texts are short, and all of them are checked.
  size_t i = 0;
  for (uint64_t word; i + 8 <= s.size(); i += 8) {
    std::memcpy(&word, s.data() + i, 8);
    if (word & 0x8080808080808080u) return false;
  }
  for (; i < s.size(); ++i)
    if (static_cast<unsigned char>(s[i]) >= 128) return false;
  return true;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();)
    if (platform::NextUtf8(s, i) == platform::kInvalidUtf8) return false;
  return true;
}

std::u16string Utf8ToUtf16(std::string_view s) { return platform::Utf8ToUtf16(s); }
std::string Utf16ToUtf8(std::u16string_view s) { return platform::Utf16ToUtf8(s); }
std::string Windows1252ToUtf8(std::string_view s) { return platform::Cp1252ToUtf8(s); }
std::string Utf8ToWindows1252(std::string_view s) { return platform::Utf8ToCp1252(s); }

namespace {

std::string decodeUtf16(std::string_view b, bool bigEndian) {
  std::u16string u;
  u.reserve(b.size() / 2);
  for (size_t i = 0; i + 1 < b.size(); i += 2) {
    auto lo = static_cast<unsigned char>(b[i + (bigEndian ? 1 : 0)]);
    auto hi = static_cast<unsigned char>(b[i + (bigEndian ? 0 : 1)]);
    u += static_cast<char16_t>(lo | (hi << 8));
  }
  std::string out = Utf16ToUtf8(u);
  if (b.size() % 2) AppendUtf8(out, kReplacement);  // a cut-off last unit is not silently dropped
  return out;
}

}  // namespace

std::string DecodeText(std::string_view b, TTextEncoding* Detected) {
  auto set = [&](TTextEncoding e) { if (Detected) *Detected = e; };
  if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") {
    set(TTextEncoding::Utf8Bom);
    return std::string(b.substr(3));
  }
  if (b.size() >= 2 && b.substr(0, 2) == "\xFF\xFE") {
    set(TTextEncoding::Utf16LE);
    return decodeUtf16(b.substr(2), false);
  }
  if (b.size() >= 2 && b.substr(0, 2) == "\xFE\xFF") {
    set(TTextEncoding::Utf16BE);
    return decodeUtf16(b.substr(2), true);
  }
  if (IsValidUtf8(b)) {
    set(TTextEncoding::Utf8);
    return std::string(b);
  }
  set(TTextEncoding::Windows1252);
  return Windows1252ToUtf8(b);
}

std::string DecodeOwnedText(std::string b, TTextEncoding* Detected) {
  const bool bom = b.starts_with("\xEF\xBB\xBF");
  if (!bom && (b.starts_with("\xFF\xFE") || b.starts_with("\xFE\xFF") || !IsValidUtf8(b))) return DecodeText(b, Detected);
  if (Detected) *Detected = bom ? TTextEncoding::Utf8Bom : TTextEncoding::Utf8;
  if (bom) b.erase(0, 3);
  return b;
}

std::string EncodeText(std::string_view utf8, TTextEncoding Encoding) {
  switch (Encoding) {
    case TTextEncoding::Utf8: return std::string(utf8);
    case TTextEncoding::Utf8Bom: return "\xEF\xBB\xBF" + std::string(utf8);
    case TTextEncoding::Windows1252: return Utf8ToWindows1252(utf8);
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE: {
      bool be = Encoding == TTextEncoding::Utf16BE;
      std::string out = be ? "\xFE\xFF" : "\xFF\xFE";
      for (char16_t c : Utf8ToUtf16(utf8)) {
        char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
        out += be ? hi : lo;
        out += be ? lo : hi;
      }
      return out;
    }
  }
  return std::string(utf8);
}
