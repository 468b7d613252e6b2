#pragma once
// The common ground of the file-format graphics (PNG, JPEG, GIF, icon): the
// pixels live in a TBitmap, drawing goes through it, and each format only
// says how its bytes decode and encode.

#include <cstdint>
#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Graphic.h"
#include "toolkit/graphics/codecs/PixelImage.h"

class TRasterGraphic : public TGraphic {
public:
  TRasterGraphic();
  TRasterGraphic(const TRasterGraphic&) = delete;
  TRasterGraphic& operator=(const TRasterGraphic&) = delete;

  // Copies another graphic of the same class, or the pixels of a TBitmap.
  void Assign(const TPersistent* Source) override;

  void Draw(TCanvas* canvas, const TRect& r) override;
  void DrawTransparent(TCanvas* canvas, const TRect& r, uint8_t opacity) override;
  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  void SetWidth(int v) override;
  void SetHeight(int v) override;

  // Bad data raises EInvalidGraphic and leaves the graphic as it was.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;

  // The pixels; drawing on its canvas changes the graphic.
  TBitmap& Bitmap() { return bitmap_; }

protected:
  // A TBitmap destination gets a copy of the pixels.
  void AssignTo(TPersistent* Dest) const override;
  // Decodes a whole file; may keep format details before returning the pixels.
  virtual TPixelImage Decode(const std::vector<uint8_t>& bytes) = 0;
  virtual std::vector<uint8_t> Encode(const TPixelImage& image) = 0;
  // Copies what the format keeps beyond the pixels from a graphic of the same class.
  virtual void AssignDetails(const TRasterGraphic&) {}
  // Sizes of some formats are fixed by their content.
  virtual bool Resizable() const { return true; }
  void SetPixels(const TPixelImage& image);
  TPixelImage Pixels() const;

private:
  mutable TBitmap bitmap_;
};
