// HTML table pieces: styles, escaping, anchors and the document frame.

#include "grid/exchange/HTMLTable.h"

#include "grid/core/ExtGridPrintSettings.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/SysUtils.h"

#include <algorithm>

namespace {

const char* const kXHTMLPrologue =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n";

std::string Hex(TColor C) { return "#" + ColorToHexRGB(ColorToRGB(C)); }

// A font name inside a style block: nothing that could end the declaration or the element.
std::string CSSName(std::string_view Name) {
  std::string out;
  for (char ch : Name)
    if (std::string_view("<>&{};\"").find(ch) == std::string_view::npos) out += ch;
  return out;
}

bool Unreserved(unsigned char c) { return std::isalnum(c) || std::string_view("-._~/").find(c) != std::string_view::npos; }

// The part of a link the cell shows: after the scheme, or all of it with URLFull.
std::string ShownLinkText(const std::string& Text, const std::string& Marker, bool Full) {
  if (Full) return Text;
  return Text.substr(Text.find(Marker) + Marker.size(), 255);
}

}  // namespace

std::string CellStyleToCSS(const THTMLCellStyle& S, bool SaveColor) {
  std::vector<std::string> d;
  if (SaveColor && S.Background != clNone) d.push_back("background-color: " + Hex(S.Background));
  if (SaveColor && S.FontColor != clNone) d.push_back("color: " + Hex(S.FontColor));
  d.push_back("font-size:" + std::to_string(S.FontSize) + "pt");
  if (S.Italic) d.push_back("font-style: italic");
  if (S.Bold) d.push_back("font-weight: bold");
  d.push_back("font-family: " + CSSName(S.FontName));
  if (S.HAlign == taRightJustify) d.push_back("text-align: right");
  if (S.HAlign == taCenter) d.push_back("text-align: center");
  d.push_back(S.VAlign == vtaTop ? "vertical-align: top" : S.VAlign == vtaCenter ? "vertical-align: middle" : "vertical-align: bottom");
  std::string out;
  for (const std::string& x : d) out += (out.empty() ? "" : ";") + x;
  return out;
}

int THTMLStyleClasses::IndexOf(const std::string& CSS) {
  auto it = std::find(FStyles.begin(), FStyles.end(), CSS);
  if (it != FStyles.end()) return static_cast<int>(it - FStyles.begin());
  FStyles.push_back(CSS);
  return static_cast<int>(FStyles.size()) - 1;
}

std::string THTMLStyleClasses::StyleBlock(bool XHTML) const {
  std::string out = XHTML ? "<style type=\"text/css\">\r\n" : "<style>\r\n";
  for (size_t i = 0; i < FStyles.size(); ++i) out += ".c" + std::to_string(i) + " {" + FStyles[i] + "}\r\n";
  return out + "</style>\r\n";
}

std::string EscapeHTML(std::string_view Text) { return EncodeHTMLEntities(std::string(Text), false); }

std::string NonAsciiToCharRefs(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    if (static_cast<unsigned char>(Text[i]) < 0x80) {
      out += Text[i++];
      continue;
    }
    out += "&#" + std::to_string(static_cast<uint32_t>(DecodeUtf8Char(Text, i))) + ";";
  }
  return out;
}

std::string FileURL(const std::string& AbsolutePath) {
  static const char* hex = "0123456789ABCDEF";
  std::string out = "file://";
  for (unsigned char c : AbsolutePath) {
    if (Unreserved(c)) out += static_cast<char>(c);
    else out += std::string{'%', hex[c >> 4], hex[c & 15]};
  }
  return out;
}

std::string THTMLMarkup::Name(std::string_view UpperName) const {
  return XHTML ? LowerCase(UpperName) : std::string(UpperName);
}

std::string THTMLMarkup::ImageTag(const std::string& URL) const {
  return XHTML ? "<img src=\"" + EscapeHTML(URL) + "\" alt=\"\" />" : "<img src=\"" + EscapeHTML(URL) + "\">";
}

std::string THTMLMarkup::Flag(std::string_view FlagName) const {
  return " " + std::string(FlagName) + (XHTML ? "=\"" + std::string(FlagName) + "\"" : "");
}

std::string THTMLMarkup::Attribute(std::string_view UpperName, const std::string& Value) const {
  return " " + Name(UpperName) + "=\"" + EscapeHTML(Value) + "\"";
}

std::string CellTextToHTML(const std::string& Text, bool IsHTMLText, const THTMLTextRules& R, const THTMLMarkup& M) {
  if (IsHTMLText) {
    // XHTML must stay well-formed whatever markup a cell holds: it gets the cell's plain text.
    if (!M.XHTML) return CRToBreakTags(Text);
    // Its entities are decoded once so that escaping does not double them.
    const std::string plain = DecodeHTMLEntities(StripHTMLTags(Text), true);
    return StringReplace(EscapeHTML(plain), "\r\n", M.Break(), {rfReplaceAll});
  }
  auto body = [&](const std::string& T) {
    std::string out = R.Special && !M.XHTML ? EncodeHTMLEntities(T, true) : EscapeHTML(T);
    if (R.NonBreaking) out = StringReplace(out, " ", M.Nbsp(), {rfReplaceAll});
    // Every line end the grid shows as one (CR LF, a lone CR or LF) is a break.
    out = StringReplace(out, "\r\n", M.Break(), {rfReplaceAll});
    out = StringReplace(out, "\r", M.Break(), {rfReplaceAll});
    return StringReplace(out, "\n", M.Break(), {rfReplaceAll});
  };
  if (R.URLShow && Text.find("</") == std::string::npos) {
    for (const std::string marker : {"mailto:", "://"})
      if (Text.find(marker) != std::string::npos)
        return "<a href=\"" + EscapeHTML(Text) + "\">" + body(ShownLinkText(Text, marker, R.URLFull)) + "</a>";
  }
  return body(Text);
}

std::string HTMLTableTag(const THTMLSettings& S, const THTMLMarkup& M) {
  std::string tag = "<" + M.Name("TABLE") + M.Attribute("BORDER", std::to_string(S.BorderSize())) +
                    M.Attribute("CELLSPACING", std::to_string(S.CellSpacing())) +
                    M.Attribute("CELLPADDING", std::to_string(S.CellPadding()));
  if (!S.Summary().empty()) tag += M.Attribute("SUMMARY", S.Summary());
  if (!S.TableStyle().empty()) tag += " " + S.TableStyle();
  return tag + M.Attribute("WIDTH", std::to_string(S.Width()) + "%") + ">";
}

std::string HTMLDocument(const THTMLSettings& S, const THTMLMarkup& M, const std::string& StyleBlock,
                         const std::string& TableLines) {
  const std::string suffix = S.SuffixTag().empty() ? "" : S.SuffixTag() + "\r\n";
  if (!M.XHTML) return S.PrefixTag() + StyleBlock + TableLines + suffix;
  return kXHTMLPrologue + std::string("<head>\r\n<title></title>\r\n") + StyleBlock + "</head>\r\n<body>\r\n" +
         S.PrefixTag() + TableLines + suffix + "</body>\r\n</html>\r\n";
}
