#pragma once
// Constants and small records of the device-context drawing interface.

#include <cstdint>

#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Sets.h"

class TCanvas;
using HDC = TCanvas*;

// ---- DrawText / DrawTextEx
constexpr uint32_t DT_TOP = 0x0;
constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_EXPANDTABS = 0x40;
constexpr uint32_t DT_TABSTOP = 0x80;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_EXTERNALLEADING = 0x200;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;
constexpr uint32_t DT_INTERNAL = 0x1000;
constexpr uint32_t DT_EDITCONTROL = 0x2000;
constexpr uint32_t DT_PATH_ELLIPSIS = 0x4000;
constexpr uint32_t DT_END_ELLIPSIS = 0x8000;
constexpr uint32_t DT_MODIFYSTRING = 0x10000;
constexpr uint32_t DT_RTLREADING = 0x20000;
constexpr uint32_t DT_WORD_ELLIPSIS = 0x40000;
constexpr uint32_t DT_NOFULLWIDTHCHARBREAK = 0x80000;
constexpr uint32_t DT_HIDEPREFIX = 0x100000;
constexpr uint32_t DT_PREFIXONLY = 0x200000;

// The DT_ flags as a set, for TextRect(rect, text, format).
enum TTextFormats { tfBottom, tfCalcRect, tfCenter, tfEditControl, tfEndEllipsis, tfPathEllipsis, tfExpandTabs,
                    tfExternalLeading, tfLeft, tfModifyString, tfNoClip, tfNoPrefix, tfRight, tfRtlReading,
                    tfSingleLine, tfTop, tfVerticalCenter, tfWordBreak, tfHidePrefix, tfNoFullWidthCharBreak,
                    tfPrefixOnly, tfTabStop, tfWordEllipsis };
using TTextFormat = TSet<TTextFormats>;
uint32_t TextFormatFlags(TTextFormat format);

struct TDrawTextParams {
  uint32_t cbSize = sizeof(TDrawTextParams);
  int iTabLength = 0;     // in average character widths; 0 means 8
  int iLeftMargin = 0;
  int iRightMargin = 0;
  uint32_t uiLengthDrawn = 0;  // out: bytes of text processed
};
using DRAWTEXTPARAMS = TDrawTextParams;

// ---- TextOut / TextRect
constexpr int ETO_OPAQUE = 0x2;
constexpr int ETO_CLIPPED = 0x4;
constexpr int ETO_RTLREADING = 0x80;

constexpr int TA_NOUPDATECP = 0;
constexpr int TA_UPDATECP = 1;
constexpr int TA_LEFT = 0;
constexpr int TA_RIGHT = 2;
constexpr int TA_CENTER = 6;
constexpr int TA_TOP = 0;
constexpr int TA_BOTTOM = 8;
constexpr int TA_BASELINE = 24;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// How TextRect lays text out in its rectangle.
struct TTextStyle {
  TAlignment Alignment = taLeftJustify;
  TTextLayout Layout = tlTop;
  bool SingleLine = false;
  bool Clipping = true;
  bool ExpandTabs = false;
  bool ShowPrefix = false;
  bool Wordbreak = false;
  bool Opaque = false;
  bool SystemFont = false;
  bool RightToLeft = false;
  bool EndEllipsis = false;
};

struct TTextMetric {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  int tmWeight = 400;
  int tmOverhang = 0;
  int tmDigitizedAspectX = 96;
  int tmDigitizedAspectY = 96;
  uint8_t tmItalic = 0;
  uint8_t tmUnderlined = 0;
  uint8_t tmStruckOut = 0;
  uint8_t tmPitchAndFamily = 0;
  uint8_t tmCharSet = 1;
};
using TEXTMETRIC = TTextMetric;

// ---- map modes
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int MM_HIMETRIC = 3;
constexpr int MM_LOENGLISH = 4;
constexpr int MM_HIENGLISH = 5;
constexpr int MM_TWIPS = 6;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;

// ---- device caps
constexpr int DRIVERVERSION = 0;
constexpr int TECHNOLOGY = 2;
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;
constexpr int DT_RASDISPLAY = 1;
constexpr int DT_RASPRINTER = 2;

// What a canvas reports through GetDeviceCaps. Zero sizes mean "the size of
// the bound image surface". A printer canvas sets 300 dpi and its page.
struct TDeviceCaps {
  int Technology = DT_RASDISPLAY;
  int LogPixelsX = 96;
  int LogPixelsY = 96;
  int HorzRes = 0;
  int VertRes = 0;
  int PhysicalWidth = 0;
  int PhysicalHeight = 0;
  int PhysicalOffsetX = 0;
  int PhysicalOffsetY = 0;
  int BitsPixel = 32;
};

// ---- raster operations (ROP3) for BitBlt and CopyMode
using TCopyMode = int32_t;
constexpr int32_t BLACKNESS = 0x00000042;
constexpr int32_t DSTINVERT = 0x00550009;
constexpr int32_t MERGECOPY = 0x00C000CA;
constexpr int32_t MERGEPAINT = 0x00BB0226;
constexpr int32_t NOTSRCCOPY = 0x00330008;
constexpr int32_t NOTSRCERASE = 0x001100A6;
constexpr int32_t PATCOPY = 0x00F00021;
constexpr int32_t PATINVERT = 0x005A0049;
constexpr int32_t PATPAINT = 0x00FB0A09;
constexpr int32_t SRCAND = 0x008800C6;
constexpr int32_t SRCCOPY = 0x00CC0020;
constexpr int32_t SRCERASE = 0x00440328;
constexpr int32_t SRCINVERT = 0x00660046;
constexpr int32_t SRCPAINT = 0x00EE0086;
constexpr int32_t WHITENESS = 0x00FF0062;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

// ---- AlphaBlend
constexpr uint8_t AC_SRC_OVER = 0;
constexpr uint8_t AC_SRC_ALPHA = 1;
struct TBlendFunction {
  uint8_t BlendOp = AC_SRC_OVER;
  uint8_t BlendFlags = 0;
  uint8_t SourceConstantAlpha = 255;
  uint8_t AlphaFormat = 0;  // AC_SRC_ALPHA: the source has premultiplied per-pixel alpha
};
using BLENDFUNCTION = TBlendFunction;

// ---- GradientFill
struct TTriVertex {
  int32_t x = 0;
  int32_t y = 0;
  uint16_t Red = 0;  // 0..0xFF00
  uint16_t Green = 0;
  uint16_t Blue = 0;
  uint16_t Alpha = 0;
};
using TRIVERTEX = TTriVertex;
struct TGradientRect {
  uint32_t UpperLeft = 0;
  uint32_t LowerRight = 0;
};
using GRADIENT_RECT = TGradientRect;
constexpr uint32_t GRADIENT_FILL_RECT_H = 0;
constexpr uint32_t GRADIENT_FILL_RECT_V = 1;

// ---- FloodFill
enum TFillStyle { fsSurface, fsBorder };
constexpr int FLOODFILLBORDER = 0;
constexpr int FLOODFILLSURFACE = 1;

// ---- DrawEdge
constexpr uint32_t BDR_RAISEDOUTER = 0x1;
constexpr uint32_t BDR_SUNKENOUTER = 0x2;
constexpr uint32_t BDR_RAISEDINNER = 0x4;
constexpr uint32_t BDR_SUNKENINNER = 0x8;
constexpr uint32_t BDR_OUTER = 0x3;
constexpr uint32_t BDR_INNER = 0xC;
constexpr uint32_t BDR_RAISED = 0x5;
constexpr uint32_t BDR_SUNKEN = 0xA;
constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr uint32_t BF_LEFT = 0x1;
constexpr uint32_t BF_TOP = 0x2;
constexpr uint32_t BF_RIGHT = 0x4;
constexpr uint32_t BF_BOTTOM = 0x8;
constexpr uint32_t BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr uint32_t BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr uint32_t BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr uint32_t BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr uint32_t BF_DIAGONAL = 0x10;
constexpr uint32_t BF_MIDDLE = 0x800;
constexpr uint32_t BF_SOFT = 0x1000;
constexpr uint32_t BF_ADJUST = 0x2000;
constexpr uint32_t BF_FLAT = 0x4000;
constexpr uint32_t BF_MONO = 0x8000;

// ---- DrawFrameControl
constexpr uint32_t DFC_CAPTION = 1;
constexpr uint32_t DFC_MENU = 2;
constexpr uint32_t DFC_SCROLL = 3;
constexpr uint32_t DFC_BUTTON = 4;
constexpr uint32_t DFCS_BUTTONCHECK = 0x0;
constexpr uint32_t DFCS_BUTTONRADIOIMAGE = 0x1;
constexpr uint32_t DFCS_BUTTONRADIOMASK = 0x2;
constexpr uint32_t DFCS_BUTTONRADIO = 0x4;
constexpr uint32_t DFCS_BUTTON3STATE = 0x8;
constexpr uint32_t DFCS_BUTTONPUSH = 0x10;
constexpr uint32_t DFCS_SCROLLUP = 0x0;
constexpr uint32_t DFCS_SCROLLDOWN = 0x1;
constexpr uint32_t DFCS_SCROLLLEFT = 0x2;
constexpr uint32_t DFCS_SCROLLRIGHT = 0x3;
constexpr uint32_t DFCS_SCROLLCOMBOBOX = 0x5;
constexpr uint32_t DFCS_SCROLLSIZEGRIP = 0x8;
constexpr uint32_t DFCS_INACTIVE = 0x100;
constexpr uint32_t DFCS_PUSHED = 0x200;
constexpr uint32_t DFCS_CHECKED = 0x400;
constexpr uint32_t DFCS_TRANSPARENT = 0x800;
constexpr uint32_t DFCS_HOT = 0x1000;
constexpr uint32_t DFCS_ADJUSTRECT = 0x2000;
constexpr uint32_t DFCS_FLAT = 0x4000;
constexpr uint32_t DFCS_MONO = 0x8000;

// ---- arcs
constexpr int AD_COUNTERCLOCKWISE = 1;
constexpr int AD_CLOCKWISE = 2;
