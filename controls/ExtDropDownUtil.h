#pragma once
// Routines the drop-down controls share: the banded gradient fill, colour
// mixing, a gradient box with border, image-and-text and HTML captions, text
// measuring and shortening, the locale separators and the number-kind test
// of typed edits with its hexadecimal reading. The grid's looks and search
// panel use the gradient fill too.

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/List.h"
#include "toolkit/rtl/Types.h"

class TCanvas;
class TBitmap;
class TImageList;

enum TGradientDirection { gdHorizontal, gdVertical };

char GetThousandSeparator();
char GetDecimalSeparator();

// Steps bands from FromColor to ToColor, left to right when SideBySide, else
// top to bottom; each band overlaps the next by a pixel. Steps 0 counts as 1.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect, bool SideBySide);
// Color1 weighted by Percent over Color2.
TColor MixColors(TColor Color1, TColor Color2, int Percent);
// Negative percentages darken a channel; a zero channel takes max(0, pct).
// Every channel stays within 0..255.
TColor ScaleColorChannels(TColor Color, int RedPct, int GreenPct, int BluePct);
void DrawGradientBox(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor BorderColor,
                     int BorderWidth, TGradientDirection Direction);
void DrawImageText(TCanvas* Canvas, TRect Rect, const std::string& Text, int ImageIndex, TImageList* Images);
// Bitmap with its top-left pixel colour shown as Color, copied into Rect.
void DrawBitmapOnColor(TCanvas* Canvas, TBitmap* Bitmap, TColor Color, const TRect& Rect);
void GetTextSize(TCanvas* Canvas, const std::string& Text, TSize& Size);
// The longest start of Text (with "..." when AddDots) narrower than
// MaxWidth; Text itself when it fits or when no start does.
void EllipsisText(TCanvas* Canvas, const std::string& Text, int MaxWidth, std::string& Result, bool AddDots);
// Draws (or with Draw off only measures) an HTML caption; Size gets its extent.
void DrawHTMLCaption(TCanvas* Canvas, const std::string& Text, const TRect& Rect, TImageList* Images, bool Draw,
                     HWND WindowHandle, TSize& Size);

bool IsRangeDelimiter(char Ch);
// 0 integer, 1 decimal, 5 hexadecimal, 2 not a number (the typed edits' test).
int NumberKind(std::string_view Text);
std::string RemoveThousandSeparators(std::string_view Text);
int HexDigitValue(char Ch);
// Wraps in 32 bits; characters that are no hex digit count 0.
int HexToInt(std::string_view Text);
std::string UpperCaseUnless(std::string_view Text, bool KeepCase);

// Exposes the toolkit's painting of graphic child controls.
class TWinCtrl : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TWinCtrl"; }
  void PaintCtrls(TCanvas* DC, TControl* First) { PaintControls(DC, First); }
};

// A list whose read and write past the end raise a plain Exception.
class TDbgList : public TList {
public:
  std::string ClassName() const override { return "TDbgList"; }
  void AssignList(const TList& ListA);
  void* GetItemsEx(int Index) const;
  void SetItemsEx(int Index, void* Value);
};
