#pragma once
// The drawing tools a canvas holds: font, pen and brush. Each tells its
// owner through OnChange when a property really changes.

#include <cstdint>
#include <string>

#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Sets.h"

class TBitmap;

class TGraphicsObject : public TPersistent {
public:
  std::string ClassName() const override { return "TGraphicsObject"; }
  TNotifyEvent OnChange;

protected:
  void Changed() { if (OnChange) OnChange(this); }
};

// ---------------------------------------------------------------- font
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural };
using TFontCharset = uint8_t;
using TFontName = std::string;

constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset SHIFTJIS_CHARSET = 128;
constexpr TFontCharset HANGEUL_CHARSET = 129;
constexpr TFontCharset GB2312_CHARSET = 134;
constexpr TFontCharset CHINESEBIG5_CHARSET = 136;
constexpr TFontCharset OEM_CHARSET = 255;
constexpr TFontCharset GREEK_CHARSET = 161;
constexpr TFontCharset TURKISH_CHARSET = 162;
constexpr TFontCharset HEBREW_CHARSET = 177;
constexpr TFontCharset ARABIC_CHARSET = 178;
constexpr TFontCharset BALTIC_CHARSET = 186;
constexpr TFontCharset RUSSIAN_CHARSET = 204;
constexpr TFontCharset THAI_CHARSET = 222;
constexpr TFontCharset EASTEUROPE_CHARSET = 238;

class TFont : public TGraphicsObject {
public:
  TFont() = default;
  std::string ClassName() const override { return "TFont"; }
  void Assign(const TPersistent* Source) override;

  const TFontName& Name() const { return name_; }
  void SetName(const TFontName& v);
  // Height in pixels: negative is the em height (the usual form), positive
  // the cell height including internal leading.
  int Height() const { return height_; }
  void SetHeight(int v);
  // Points at PixelsPerInch: Size = -Height * 72 / PixelsPerInch, rounded.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles v);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset v);
  // Tenths of a degree, counter-clockwise.
  int Orientation() const { return orientation_; }
  void SetOrientation(int v);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch v);
  TFontQuality Quality() const { return quality_; }
  void SetQuality(TFontQuality v);
  int PixelsPerInch() const { return ppi_; }
  // Keeps Size: the height is recomputed for the new resolution.
  void SetPixelsPerInch(int v);

  bool operator==(const TFont& o) const;

private:
  template <typename T> void set(T& field, const T& v) {
    if (field == v) return;
    field = v;
    Changed();
  }

  TFontName name_ = "Tahoma";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_;
  TFontCharset charset_ = DEFAULT_CHARSET;
  int orientation_ = 0;
  TFontPitch pitch_ = fpDefault;
  TFontQuality quality_ = fqDefault;
  int ppi_ = 96;
};

// ---------------------------------------------------------------- pen
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle, psAlternate };
// The binary raster operations of pen and destination (SetROP2 maps the R2_ codes).
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };

class TPen : public TGraphicsObject {
public:
  std::string ClassName() const override { return "TPen"; }
  void Assign(const TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle v);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode v);

private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

// ---------------------------------------------------------------- brush
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
  std::string ClassName() const override { return "TBrush"; }
  void Assign(const TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle v);
  // A pattern bitmap (not owned) that replaces colour and style while set;
  // it is tiled from the device origin.
  TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap* v);

private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TBitmap* bitmap_ = nullptr;
};
