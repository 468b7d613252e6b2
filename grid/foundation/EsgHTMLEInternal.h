#pragma once
// The state of one DrawHTMLText call, shared by the line loop, the line
// layout and the inline objects. Not part of the library's interface.

#include <memory>
#include <string>

#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/graphics/Canvas.h"

namespace htmle {

inline char UpAZ(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
std::string UpperAZ(std::string s);
std::string LowerAZ(std::string s);
size_t FindNoCase(const std::string& hay, const std::string& needle, size_t from = 0);
bool ReplaceFirstNoCase(std::string& s, const std::string& what, const std::string& with);
void ReplaceAll(std::string& s, const std::string& what, const std::string& with);

// Markup numbers are brought into these ranges before any arithmetic, so a
// hostile or mistyped value neither overflows a sum nor breaks the font.
constexpr int kMaxMarkupExtent = 32767;  // pixels: indents, widths, heights
constexpr int kMaxMarkupFontSize = 400;  // points
// ParseHTMLNumber limited to Lo..Hi.
int ParseHTMLNumberIn(const std::string& S, int Lo, int Hi, bool* Valid = nullptr);

// Per call: inputs, outputs and the state that tags change.
struct TCallState {
  TCanvas* Canvas = nullptr;
  TRect Bounds;
  THTMLTextCall* Io = nullptr;
  bool Themed = false;
  uint32_t RunFormat = 0;

  TFont BaseFont, MeasureFont, DrawFont;
  TColor StartBrush = clNone;

  int Align = 0;   // 0 left, 1 right, 2 centre
  int Indent = 0;

  bool InAnchor = false;
  std::string Href, Title;
  bool PendingHover = false;
  TRect HoverR, FocusR;

  int ImageCount = 0;
  int HitImage = -1;
  int ListDepth = 0;

  bool Sub = false, Sup = false, Shadow = false, Hidden = false, Error = false, ParaBg = false;
  bool BlinkOff = false;
  TColor ABrush = clNone, AText = clNone, FontBrush = clNone, HiText = clNone, HiBrush = clNone,
         PBrush = clNone;
  // The font before a rotation tag; released at the closing tag or the call's end.
  std::unique_ptr<TFont> SavedRotation;

  int CtlWidth = 0, CtlHeight = 0, CtlHeightAttr = 25;
};

// One pass over one line.
struct TPassState {
  bool Drawing = false;
  TRect Line;     // the rectangle the line is laid out on
  TRect Dr;       // the draw rectangle; its left is the current x
  int Indent = 0;      // the paragraph indent the line is laid out with
  int AlignShift = 0;  // how far right of its measured place the line is drawn
  int Width = 0;
  int Height = 0;
  int SubDepth = 0, SupRise = 0, Raise = 0;
  int TrailingSpace = 0;
  bool LineEnded = false, LineFull = false, LiSeen = false;
  std::string Visible;
  std::string Html;
  bool HitCtl = false, HitAnchor = false;
  int LineWidth() const { return Line.Right - Line.Left; }
};

TColor BrushColorOf(const TCanvas* c);
// A colour given by name ("CL...") or by "#RRGGBB" (the second test wins); clNone for neither.
TColor NamedOrHexColor(const std::string& UpperValue);
void SetBrushColorOf(TCanvas* c, TColor color);
int GhHeight(TCanvas* c);

// Leaves an inline object for the next line when it does not fit on this
// one; otherwise takes its room on the line.
bool TakeRoom(TPassState& p, int w, int h);
// Lays out (and in a drawing pass draws) one line, consuming it from Text.
void DrawHTMLTextCore(TCallState& s, TPassState& p, std::string& Text);
// Tag handlers; Tag runs from "<" to ">" (or the end of the text).
void HandleTag(TCallState& s, TPassState& p, const std::string& Tag);
void HandleImage(TCallState& s, TPassState& p, const std::string& Tag, const std::string& UpperTag);
void HandleControl(TCallState& s, TPassState& p, const std::string& Tag);
void HandleBodyBackground(TCallState& s, const std::string& Tag, const std::string& UpperTag);

}  // namespace htmle
