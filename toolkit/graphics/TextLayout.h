#pragma once
// The line layout behind DrawText: prefix characters, tab expansion, line
// splitting, word breaking and ellipses, in units the measurer chooses. It
// draws nothing, so its rules can be tested on their own.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TTextMeasurer {
  // Width of a piece of text without tabs.
  std::function<int(std::string_view)> Width;
  int TabWidth = 8;  // distance between tab stops
};

struct TLaidLine {
  std::string Text;
  int Width = 0;
  // Byte offset in Text of the character a prefix underlines, or npos.
  size_t UnderlineAt = std::string::npos;
};

// Strips prefix characters: "&&" becomes "&", "&x" becomes x and marks it
// (the last marked character wins). A lone trailing "&" is dropped.
std::string StripPrefixes(const std::string& text, size_t* underlineAt);

// Width with tabs at multiples of TabWidth when expandTabs (a tab otherwise
// counts as a plain character of the text).
int MeasureText(const TTextMeasurer& m, std::string_view text, bool expandTabs);

// "...": the longest start of text (whole code points) that fits in width
// with the ellipsis after it.
std::string EndEllipsis(const TTextMeasurer& m, const std::string& text, int width, bool expandTabs);
// Keeps the last path component and as much of the start as fits:
// "C:\dir\sub\file.txt" -> "C:\d...\file.txt".
std::string PathEllipsis(const TTextMeasurer& m, const std::string& text, int width, bool expandTabs);
// Cuts at a word end before the ellipsis when one fits.
std::string WordEllipsis(const TTextMeasurer& m, const std::string& text, int width, bool expandTabs);

// Lays out text for a rectangle width wide with the DT_ format flags.
std::vector<TLaidLine> LayoutText(const TTextMeasurer& m, const std::string& text, int width, uint32_t format);

// Number of UTF-8 code points in s.
int CodePointCount(std::string_view s);
