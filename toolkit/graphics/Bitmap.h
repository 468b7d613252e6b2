#pragma once
// TBitmap: a picture of pixels on a cairo image surface, with a canvas to
// draw on it. ScanLine rows are B,G,R (pf24bit) or B,G,R,A (pf32bit) bytes,
// whatever the surface keeps internally.

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/Graphic.h"

typedef struct _cairo_surface cairo_surface_t;
struct TPixelImage;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
// How Draw treats the fourth byte of a pf32bit bitmap.
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };

class TBitmap : public TGraphic {
public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  std::string ClassName() const override { return "TBitmap"; }

  // Deep copy of another TBitmap (pixels, format, transparency).
  void Assign(const TPersistent* Source) override;

  void Draw(TCanvas* canvas, const TRect& r) override;
  void DrawTransparent(TCanvas* canvas, const TRect& r, uint8_t opacity) override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int v) override { SetSize(v, height_); }
  void SetHeight(int v) override { SetSize(width_, v); }
  // Keeps the pixels that still fit; new pixels are white (pf32bit: transparent black).
  void SetSize(int w, int h);

  TCanvas* Canvas();
  // pfDevice and the paletted formats are kept as 24-bit pixels.
  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat f);
  TAlphaFormat AlphaFormat() const { return alphaFormat_; }
  void SetAlphaFormat(TAlphaFormat f);

  // Row y, top-down: 3 bytes per pixel for 24-bit formats, 4 for pf32bit.
  // Raises EInvalidGraphicOperation for a row outside the bitmap.
  uint8_t* ScanLine(int y);
  // Bytes from one row to the next in ScanLine memory.
  int ScanLineStride() const;

  void SetTransparent(bool v) override;
  // tmAuto: the bottom-left pixel's colour; tmFixed: what was set.
  TColor TransparentColor();
  void SetTransparentColor(TColor c);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode m);
  bool Monochrome() const { return false; }

  // BMP file format; the bodies live with the BMP codec (BitmapStreaming.cpp).
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // Looks the name up among the embedded resources (bitmap kind).
  void LoadFromResourceName(const std::string& name);

  // Plain pixel exchange for the codecs: straight alpha, 0xAARRGGBB.
  // SetPixelImage picks pf32bit when some pixel is not opaque, else pf24bit.
  void SetPixelImage(const TPixelImage& image);
  TPixelImage GetPixelImage();

  // The surface with every pending scan-line write applied (owned by the bitmap).
  cairo_surface_t* Surface();
  void FreeImage() { SetSize(0, 0); }
  void Dormant() {}

private:
  class TBitmapCanvas;
  friend class TBitmapCanvas;
  void NewSurface(int w, int h, TPixelFormat f, bool keepPixels);
  void SyncScanLinesToSurface();
  void CanvasChanged();
  bool Is32() const { return format_ == pf32bit; }

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;
  TAlphaFormat alphaFormat_ = afIgnored;
  cairo_surface_t* surface_ = nullptr;
  std::unique_ptr<TBitmapCanvas> canvas_;
  // pf24bit rows handed out by ScanLine; authoritative while scanDirty_.
  std::vector<uint8_t> packed_;
  bool scanDirty_ = false;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
};
