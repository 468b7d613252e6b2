#pragma once
// TJPEGImage: a JPEG picture. Saving compresses with CompressionQuality
// (1..100); assigning a TBitmap is how a picture becomes a JPEG.

#include "toolkit/graphics/RasterGraphic.h"

class TJPEGImage : public TRasterGraphic {
public:
  std::string ClassName() const override { return "TJPEGImage"; }

  int CompressionQuality() const { return quality_; }
  // Values outside 1..100 are clamped.
  void SetCompressionQuality(int v);
  // Opaque formats: a JPEG is never transparent.
  void SetTransparent(bool) override {}

protected:
  TPixelImage Decode(const std::vector<uint8_t>& bytes) override;
  std::vector<uint8_t> Encode(const TPixelImage& image) override;
  void AssignDetails(const TRasterGraphic& source) override;

private:
  int quality_ = 90;
};
