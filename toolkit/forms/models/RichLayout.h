#pragma once
// Lines of rich text for a given width: word wrap, fragments per format,
// paragraph alignment. Painting and EM_FORMATRANGE both use it; the
// measuring comes from the caller so that the layout itself needs no canvas.

#include <functional>
#include <string>
#include <vector>

#include "toolkit/forms/models/RichText.h"

struct TRichMeasure {
  std::function<int(const TRichCharFormat&, const std::string&)> TextWidth;
  std::function<int(const TRichCharFormat&)> LineHeight;
  int TabWidth = 48;
};

struct TRichFragment {
  int Start = 0;
  int Length = 0;
  int X = 0;
  TRichCharFormat Format;
};

struct TRichLine {
  int Start = 0;
  int End = 0;        // exclusive; the paragraph break is not part of a line
  int Top = 0;
  int Height = 0;
  int Paragraph = 0;
  std::vector<TRichFragment> Fragments;
};

struct TRichLayoutResult {
  std::vector<TRichLine> Lines;
  int Height = 0;
  int Width = 0;            // the widest line, for EM_REQUESTRESIZE
  int FirstNotFitting = 0;  // the first position that did not fit (Length() when all did)
};

// Lays out text from position `from` into `width`; lines that would end
// below maxHeight (0 = no limit) are left out. At least one line is placed
// when anything is left, so a caller always makes progress.
TRichLayoutResult LayoutRichText(const TRichText& doc, int from, int width, int maxHeight,
                                 const TRichMeasure& measure);
