#pragma once
// HTML text of the grid library: the small markup of cells, headers,
// footers, hints and drop-down items, drawn, measured and hit-tested through
// DrawHTMLText, and the routines that read and rewrite such text. Text is
// UTF-8; string positions count bytes.

#include <cstdint>
#include <string>

#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Types.h"

class TCanvas;
class TImageList;
class THTMLPictureCache;
class TPictureContainer;
struct HWND__;

// ---- the entry point
bool DrawHTMLText(TCanvas* Canvas, std::string Text, TRect Bounds, TImageList* Images, int HitX, int HitY,
                  int FocusAnchor, int HoverAnchor, int ShadowShift, bool HitTestOnly, bool MeasureOnly,
                  bool ScaleImages, bool FixedColors, bool BlinkVisible, bool HoverOnly, bool WrapWords,
                  bool ButtonDown, double ImageScale, TColor LinkColor, TColor HoverBackColor,
                  TColor HoverTextColor, TColor ShadowColor, std::string& HitHref, std::string& VisibleText,
                  std::string& FocusHref, std::string& HitTitle, int& MaxWidth, int& TotalHeight,
                  int& AnchorCount, int& HoverAnchorOut, TRect& HoverRect, TRect& ControlRect,
                  std::string& ControlID, std::string& ControlValue, std::string& ControlType,
                  THTMLPictureCache* UrlPictures, TPictureContainer* Pictures, HWND__* Window,
                  uint8_t Direction);

// The same call with its inputs and outputs gathered, for callers that use
// few of them. Defaults draw with word wrapping and blue links.
struct THTMLTextCall {
  TImageList* Images = nullptr;
  int HitX = -1, HitY = -1;
  int FocusAnchor = -1;
  int HoverAnchor = -1;
  int ShadowShift = 1;
  bool HitTestOnly = false, MeasureOnly = false, ScaleImages = false, FixedColors = false;
  bool BlinkVisible = true, HoverOnly = false, WrapWords = true, ButtonDown = false;
  double ImageScale = 1.0;
  TColor LinkColor = clBlue, HoverBackColor = clNone, HoverTextColor = clNone, ShadowColor = clGray;
  THTMLPictureCache* UrlPictures = nullptr;
  TPictureContainer* Pictures = nullptr;
  HWND__* Window = nullptr;
  uint8_t Direction = 0;
  // outputs (HitHref, HoverRect and ControlID are also inputs)
  std::string HitHref, VisibleText, FocusHref, HitTitle;
  int MaxWidth = 0, TotalHeight = 0, AnchorCount = 0, HoverAnchorOut = -1;
  TRect HoverRect, ControlRect;
  std::string ControlID, ControlValue, ControlType;
  bool Result = false;
};
bool DrawHTMLText(TCanvas* Canvas, const std::string& Text, const TRect& Bounds, THTMLTextCall& Call);

// ---- unit-wide settings
void SetHighlightColors(TColor Background, TColor Text);
TColor HighlightBackColor();
TColor HighlightTextColor();
extern bool ThemesPossible;

// ---- markup helpers (the renderer's own rules, exposed for its neighbours)
// Entities, "<#" literals and line ends, as done before any line is laid out.
std::string PrepareHTMLText(std::string Text);
// "&nbsp;", "&lt;", "&gt;" of one text run.
std::string ReplaceRunEntities(std::string Run);
// "#RRGGBB" (upper-case digits) or a cl name; unknown names give black.
TColor HTMLColorValue(const std::string& Value);
// The value between the first two double quotes after Name inside Tag
// (searched in UpperTag); empty without quotes.
std::string HTMLTagAttribute(const std::string& Tag, const std::string& UpperTag, const std::string& Name,
                             bool KeepCase);
// Leading blanks, optional sign, decimal or hex ($, x, 0x) digits. Valid when
// the whole text is the number; Value takes the digits that fit either way.
int ParseHTMLNumber(const std::string& S, bool* Valid = nullptr);

// ---- text routines
std::string StripHTMLTags(std::string Text);
std::string HighlightInHTMLText(const std::string& Text, const std::string& Search, const std::string& TagName,
                                bool CaseSensitive);
std::string RemoveHTMLTagPairs(std::string Text, const std::string& TagName);
std::string DecodeHTMLEntities(const std::string& Text, bool Named);
std::string EncodeHTMLEntities(const std::string& Text, bool Named);
std::string SpacesToNbsp(const std::string& Text);
void ParseControlTag(const std::string& Tag, std::string& Type, std::string& ID, std::string& Value,
                     std::string& Width, std::string& Height, std::string& Prop, std::string& MaxLen);
bool HasControlTag(const std::string& Text);
std::string NextEditControlID(const std::string& Text, const std::string& ControlID);
std::string ClearRadioControls(std::string Text);
bool GetControlValue(const std::string& Text, const std::string& ControlID, std::string& Value);
std::string GetControlProp(const std::string& Text, const std::string& ControlID);
int GetControlMaxLen(const std::string& Text, const std::string& ControlID);
bool SetControlValue(std::string& Text, const std::string& ControlID, const std::string& NewValue);
