#pragma once
// Stateless helpers of the grid library: text, number, date and range
// routines, the filter-condition matcher, cell text kinds with the wide-text
// encoding and HTML clipboard text. Text is UTF-8 held in std::string; a
// "character" of these routines is a byte and positions count from 1, 0
// meaning not found. Wide text (UTF-16) is std::u16string.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Types.h"

class TCanvas;
class TFont;
class TStrings;

// ---------------------------------------------------------------------------
// Locale values, read from the process-wide format settings at every call.

char LocaleTimeSeparator();
char LocaleDateSeparator();
char LocaleThousandSeparator();
char LocaleDecimalSeparator();
std::string LocaleShortDateFormat();

// ---------------------------------------------------------------------------
// Positions and counts.

int CharPos(char Ch, std::string_view Text);
// Like CharPos; Pos is written only when Ch is found.
int FindCharPos(char Ch, std::string_view Text, int& Pos);
// Position of SubText in Text; the result, 0 included, is also stored in Pos.
int VarPos(std::string_view SubText, std::string_view Text, int& Pos);
// SubText is searched in Text upper-cased (a..z only); SubText is taken as given.
int PosInUpperCase(std::string_view SubText, std::string_view Text);
int CountChar(char Ch, std::string_view Text);
int CountLines(std::string_view Text, bool MultiLine);

// ---------------------------------------------------------------------------
// CSV fields.

std::string DoubleQuoteChars(std::string_view Text);
std::string UndoubleChar(char Ch, std::string_view Text);
void QuoteMultiLineField(std::string& Text);
void VTToCRLF(std::string& Text);
std::string CutBeforeDelimiter(std::string& Source, std::string_view Delimiter);
int FindUnpairedChar(char Ch, std::string_view Text, int& Pos);
int CountUnpairedChars(char Ch, std::string_view Text);

// ---------------------------------------------------------------------------
// Line breaks.

std::string EscapedNToCR(std::string_view Text);
std::string CRToEscapedN(std::string_view Text);
void CRLFToLF(std::string& Text);
std::string RemoveCR(std::string_view Text);
std::string CRToLF(std::string_view Text);
void LineBreaksToTilde(std::string& Text);
void TildeToLineBreaks(std::string& Text);
void CutFirstLine(std::string& Source, bool KeepRest, std::string& Line);
std::string ConcatStrings(const TStrings& Lines);

// The grid's own text file stores each cell on one line. A text with a line
// break (or with one of the characters the escaping itself uses) is written
// in an escaped form that reads back exactly.
std::string EscapeLineBreaksForFile(std::string_view Text);
std::string UnescapeLineBreaksFromFile(std::string_view Text, bool MultiLine);

// ---------------------------------------------------------------------------
// Other conversions.

void FillStringChars(std::string& Text, char Ch);
// Text in the OEM code page (850), its bytes then read as Windows-1252 text,
// and back: how the grid's ASCII export and import carry accented letters.
void StringToOem(std::string& Text);
void OemToString(std::string& Text);
// "R12C3" (any case) gives Cell = (3, 12).
bool ParseRCReference(std::string_view Text, TPoint& Cell);
bool IsWordBreakChar(char32_t Ch);
std::string ToMixedCase(std::string_view Text);

// ---------------------------------------------------------------------------
// Integers and ranges.

inline int MaxOf(int A, int B) { return A > B ? A : B; }
inline int MinOf(int A, int B) { return A < B ? A : B; }
// A limit of 0 or less is no limit; equal limits leave Value as it is.
int ApplySizeLimits(int Value, int MinValue, int MaxValue);
// Edges included. Works on any rectangle with Left, Top, Right and Bottom.
template <typename R>
bool CellInGridRect(const R& Rect, int Col, int Row) {
  return Col >= Rect.Left && Col <= Rect.Right && Row >= Rect.Top && Row <= Rect.Bottom;
}

// ---------------------------------------------------------------------------
// Character classes (a number character is an ASCII digit).

bool IsNumberChar(char Ch);
bool IsNumberOrMinusChar(char Ch);
bool IsFloatChar(char Ch);
bool IsNumericTextChar(char Ch);
bool IsSignedFloatChar(char Ch);

// 0 integer, 1 decimal number, 2 not a number, 5 exponent notation.
int GetNumberTextKind(std::string_view Text);
// The number part of a formatted text in plain form: "(1,234.50)" -> "-1234.50".
std::string NormalizeFloatText(std::string_view Text);

// ---------------------------------------------------------------------------
// Dates (TDateTime: days since 30 December 1899). An impossible date gives 0.

double ShortDateUSToDate(std::string_view Text);
double ShortDateEUToDate(std::string_view Text);
bool HasTwoDateSeparators(std::string_view Text);
double AddDateStep(uint16_t Years, uint16_t Months, uint16_t Days, double Date, double Delta);

// ---------------------------------------------------------------------------
// Filter conditions such as ">=10&<20", "A*|B*", "!*test*".

bool MatchFilterCondition(std::string_view Condition, std::string_view Value, bool CaseSensitive);
bool MatchFilterOperand(std::string_view Operand, std::string_view Value, bool CaseSensitive);
// An entry of a filter list, "name=condition": the name shown (the text
// before the first "=") and the condition (after it); an entry without "="
// is both.
void SplitFilterEntry(const std::string& Entry, std::string& Name, std::string& Condition);

// A condition prepared once for many values. A plain pattern (letters and
// the wildcards "*" and "?" only) is matched directly; anything else goes
// through MatchFilterCondition. Both give the same answers.
class TFilterCondition {
public:
  TFilterCondition(std::string_view Condition, bool CaseSensitive);
  bool Match(std::string_view Value) const;

private:
  std::string FCondition;
  std::string FPattern;  // upper-cased when the case is ignored
  bool FCaseSensitive;
  bool FPlain = false;
};
bool MatchFilterPattern(std::string_view Operand, std::string_view Value);
bool ParseDateTimeText(std::string_view Text, double& Value);
std::string NormalizeNumberText(std::string_view Text);
std::string RemoveUnquotedSpaces(std::string_view Text);
// Position (1-based) and character of the first delimiter ( ; ^ & | outside
// double quotes; 0 when there is none.
int FindFirstDelimiter(std::string_view Text, char& Delimiter);
int FindClosingParenthesis(std::string_view Text);

// ---------------------------------------------------------------------------
// Cell text kinds, wide text and HTML text.

// 0 plain, 1 HTML, 2 RTF, 3 formula, 5 wide cell text.
int GetTextKind(std::string_view Text, bool HTMLEnabled);
// "|\" then every UTF-16 unit as two characters, high byte first.
std::string EncodeWideText(std::u16string_view W);
// Text without the prefix is taken as UTF-8 and converted.
std::u16string DecodeWideText(std::string_view Text);
// The characters of a rich-text (RTF) cell text, without its formatting.
std::string RichTextToPlain(const std::string& Rtf);
int WidePos(std::u16string_view SubText, std::u16string_view Text);
// Wraps Fragment in the header and frame of the HTML clipboard format.
void BuildCFHTML(std::string& Fragment);
bool IsURL(std::string_view Text);
void StripURLProtocol(std::string& Text);
bool HyperlinkURLInText(std::string_view Text, std::string_view Prefix, std::string& Dest);
std::string CRToBreakTags(std::string_view Text);
// Six upper-case hexadecimal digits, red first, of a 24-bit colour value.
std::string ColorToHexRGB(TColor Color);

// ---------------------------------------------------------------------------
// Colour arithmetic and gradients. System colours are resolved to red, green
// and blue before any arithmetic; clNone (0x1FFFFFFF) stands for no colour.

TColor HalveColor(TColor Color);
// Each byte grows by Percent (negative: shrinks), kept within 0..255.
TColor ChangeColorPercent(TColor Color, int Percent);
// The colour at Position of a range of RangeEnd - RangeStart steps; Position
// is not offset by RangeStart. An empty range gives FromColor.
TColor InterpolateColor(TColor FromColor, TColor ToColor, int RangeStart, int RangeEnd, int Position);
// Each channel Weight x A + (1 - Weight) x B, rounded (ties to even).
TColor MixChannels(TColor A, TColor B, double Weight);
// A blended over B by Percent: 100 or more gives A, below 1 gives B; a colour
// that is clNone gives the other one.
TColor BlendColors(TColor A, TColor B, int Percent);
void FillRectColor(TCanvas* Canvas, const TRect& R, TColor Color);
// Steps + 1 bands of solid colour, overlapping by about a pixel; Horizontal
// runs the colours from left to right, otherwise from top to bottom.
void GradientFillRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);
void DrawCellBackground(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill);
// Kind 0 rounds both ends, 1 the left, 2 the right, 3 neither.
void DrawRoundedGradientFace(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                             TColor MirrorColorTo, TColor UpperLineColor, TColor LowerLineColor,
                             TColor BorderColor, TColor CornerColor, TColor BackgroundColor, const TRect& R,
                             int Kind);

// ---------------------------------------------------------------------------
// Progress indicators.

struct TLevelProgressAppearance {
  TColor Level0Color = clNone, Level0ColorTo = clNone;
  TColor Level1Color = clNone, Level1ColorTo = clNone;
  TColor Level2Color = clNone, Level2ColorTo = clNone;
  TColor Level3Color = clNone, Level3ColorTo = clNone;
  int Level1Perc = 70;  // where level 1 begins
  int Level2Perc = 90;  // where level 2 begins
  TColor BorderColor = clNone;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = false;
  TFont* Font = nullptr;  // name, size and style of the percentage; not owned
  TColor CompleteFontColor = clNone;
  bool CompletionSmooth = false;
  bool ShowGradient = false;
  int Steps = 16;
  TColor UnCompleteColor = clNone;
  bool Vertical = false;  // fills from the bottom up
};

// The bar text for a Format taken from settings: %d, %u, %s and %f with an
// optional precision (%.1f) take Value; %% is a percent sign; anything else
// is drawn as written. Integer: Value is shown rounded, as an integer.
std::string FormatProgressText(std::string_view Format, double Value, bool Integer);
void DrawProgressBar(TCanvas* Canvas, TRect R, TColor CompleteColor, TColor CompleteFontColor,
                     TColor UnCompleteColor, TColor UnCompleteFontColor, double Position, int MarginX,
                     int MarginY, int Min, int Max, std::string_view Format, TColor BorderColor, bool TextBelow);
void DrawLevelProgressBar(TCanvas* Canvas, const TRect& R, int Percent, const TLevelProgressAppearance& Appearance);
void DrawProgressPie(TCanvas* Canvas, const TRect& R, TColor Color, int Percent, bool FillAbove);
void DrawSignedBar(TCanvas* Canvas, TRect R, double Value, double Maximum, bool ShowValue, TColor NegativeColor,
                   TColor PositiveColor);

// ---------------------------------------------------------------------------
// Cell shapes.

enum TCellShape {
  csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown, csDiamond,
  csLineVert, csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar, csArrowUp,
  csArrowDown, csArrowLeft, csArrowRight, csHalfStar
};

// Draws Shape into the box at (X, Y); a value above csHalfStar draws nothing.
void DrawCellShape(TCanvas* Canvas, int X, int Y, int Width, int Height, uint8_t Shape, TColor BrushColor,
                   TColor PenColor);
