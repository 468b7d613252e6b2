// Cell text kinds, the wide-text encoding and small HTML text helpers.

#include "grid/foundation/ExtUtil.h"

#include <cstdio>

#include "toolkit/forms/models/RichText.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr std::string_view kWidePrefix = "|\\";

bool HasWidePrefix(std::string_view t) { return t.substr(0, 2) == kWidePrefix; }

std::string EightDigits(size_t n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%08zu", n);
  return buf;
}

bool IsURLChar(char c) {
  return c == '%' || c == '(' || c == ')' || c == '-' || c == '.' || c == '/' || (c >= '0' && c <= ':') ||
         c == '@' || (c >= 'A' && c <= 'Z') || c == '\\' || c == '_' || (c >= 'a' && c <= 'z') || c == '{' ||
         c == '}';
}

}  // namespace

std::string RichTextToPlain(const std::string& Rtf) {
  TRichText rich;
  rich.LoadRtf(Rtf);
  return rich.PlainText();
}

int GetTextKind(std::string_view Text, bool HTMLEnabled) {
  if (Text.empty()) return 0;
  if (Text.front() == '=') return 3;
  if (HasWidePrefix(Text)) {
    // A formula only when the first wide unit itself is "=".
    bool formula = Text.size() >= 4 && Text[2] == '\0' && Text[3] == '=';
    return formula ? 3 : 5;
  }
  if (Text.substr(0, 2) == "{\\") return 2;
  if (!HTMLEnabled) return 0;
  for (std::string_view tag : {"</", "<B", "<I", "<C"})
    if (Text.find(tag) != std::string_view::npos) return 1;
  return 0;
}

std::string EncodeWideText(std::u16string_view W) {
  std::string out(kWidePrefix);
  for (char16_t u : W) {
    out += static_cast<char>(u >> 8);
    out += static_cast<char>(u & 0xFF);
  }
  return out;
}

std::u16string DecodeWideText(std::string_view Text) {
  if (!HasWidePrefix(Text)) return Utf8ToUtf16(Text);
  std::u16string out;
  for (size_t i = 2; i + 1 < Text.size(); i += 2) {
    unsigned hi = static_cast<unsigned char>(Text[i]);
    unsigned lo = static_cast<unsigned char>(Text[i + 1]);
    out += static_cast<char16_t>((hi << 8) | lo);
  }
  return out;
}

int WidePos(std::u16string_view SubText, std::u16string_view Text) {
  if (SubText.empty()) return 0;
  size_t p = Text.find(SubText);
  return p == std::u16string_view::npos ? 0 : static_cast<int>(p) + 1;
}

void BuildCFHTML(std::string& Fragment) {
  static const std::string prologue =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
      "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head>"
      "<body><!--StartFragment-->";
  static const std::string epilogue = "<!--EndFragment--></body></html>";
  const size_t n = Fragment.size();
  std::string header = "Version:1.0\r\nStartHTML:00000097\r\nEndHTML:" + EightDigits(n + 306) +
                       "\r\nStartFragment:00000274\r\nEndFragment:" + EightDigits(n + 274) + "\r\n";
  Fragment = header + prologue + Fragment + epilogue;
}

bool IsURL(std::string_view Text) {
  return Text.find("://") != std::string_view::npos || Text.find("mailto:") != std::string_view::npos;
}

void StripURLProtocol(std::string& Text) {
  size_t p = Text.find("://");
  if (p != std::string::npos) { Text.erase(0, p + 3); return; }
  p = Text.find("mailto:");
  if (p != std::string::npos) Text.erase(0, p + 7);
}

bool HyperlinkURLInText(std::string_view Text, std::string_view Prefix, std::string& Dest) {
  if (PosInUpperCase(Prefix, Text) == 0) return false;
  std::string d = StringReplace(StringReplace(Text, "<", "&lt;", {rfReplaceAll}), ">", "&gt;", {rfReplaceAll});
  int found = PosInUpperCase(Prefix, d);
  if (found == 0) return false;
  size_t start = static_cast<size_t>(found - 1);
  size_t end = start;
  while (end < d.size() && IsURLChar(d[end])) ++end;
  std::string url = d.substr(start, end - start);
  Dest = d.substr(0, start) + "<a href=\"" + url + "\">" + url + "</a>" + d.substr(end);
  return true;
}

std::string CRToBreakTags(std::string_view Text) { return StringReplace(Text, "\r", "<br>", {rfReplaceAll}); }

std::string ColorToHexRGB(TColor Color) {
  uint32_t c = static_cast<uint32_t>(Color);
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}
