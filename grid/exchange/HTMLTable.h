#pragma once
// The pieces of the grid's HTML table export that do not need the grid: the
// cell styles and their classes, escaping, anchors, image tags, the table
// tag and the document frame, in HTML or in well-formed XHTML (lower-case
// names, quoted attributes, closed empty elements, head and body).

#include <string>
#include <string_view>
#include <vector>

#include "grid/foundation/ExtObj.h"
#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/graphics/Colors.h"

class THTMLSettings;

struct THTMLCellStyle {
  TColor Background = clNone;  // clNone: no background written
  TColor FontColor = clNone;
  int FontSize = 10;
  bool Bold = false, Italic = false;
  std::string FontName;
  TAlignment HAlign = taLeftJustify;
  TVAlignment VAlign = vtaTop;
};

// "background-color: #RRGGBB;color: #RRGGBB;font-size:10pt;..." (colours only with SaveColor).
std::string CellStyleToCSS(const THTMLCellStyle& Style, bool SaveColor);

// Distinct style texts numbered in order of first use: class "c" + index.
class THTMLStyleClasses {
public:
  int IndexOf(const std::string& CSS);
  // "<style>" CR LF, ".cN {css}" CR LF per class, "</style>" CR LF.
  std::string StyleBlock(bool XHTML) const;

private:
  std::vector<std::string> FStyles;
};

// & < > and the double quote as entities (text and attribute values).
std::string EscapeHTML(std::string_view Text);
// Every character above 127 as a decimal character reference, for files and
// clipboard texts whose encoding cannot carry it.
std::string NonAsciiToCharRefs(std::string_view Text);
// A "file://" URL of an absolute path, with characters URLs do not carry
// percent-encoded.
std::string FileURL(const std::string& AbsolutePath);

// How the markup is written: names upper-case as the grid always wrote them,
// or XHTML's lower case with closed empty elements.
struct THTMLMarkup {
  bool XHTML = false;
  std::string Name(std::string_view UpperName) const;
  std::string Break() const { return XHTML ? "<br />" : "<br>"; }
  std::string Nbsp() const { return XHTML ? "&#160;" : "&nbsp;"; }
  std::string ImageTag(const std::string& URL) const;
  // An empty-valued flag attribute such as nowrap.
  std::string Flag(std::string_view Name) const;
  std::string Attribute(std::string_view UpperName, const std::string& Value) const;
};

// Cell text with CR LF as breaks: an anchor for a link when URLShow says so
// (mailto: before ://), otherwise the escaped text; Special encodes named
// entities too (not in XHTML), NonBreaking turns blanks into non-breaking ones.
struct THTMLTextRules {
  bool URLShow = false, URLFull = false, Special = false, NonBreaking = false;
};
std::string CellTextToHTML(const std::string& Text, bool IsHTMLText, const THTMLTextRules& Rules,
                           const THTMLMarkup& M);

std::string HTMLTableTag(const THTMLSettings& S, const THTMLMarkup& M);
// The document around the style block and the table lines.
std::string HTMLDocument(const THTMLSettings& S, const THTMLMarkup& M, const std::string& StyleBlock,
                         const std::string& TableLines);
