#pragma once
// TPngImage: a PNG picture; translucent pixels draw blended.

#include "toolkit/graphics/RasterGraphic.h"

class TPngImage : public TRasterGraphic {
public:
  std::string ClassName() const override { return "TPngImage"; }

protected:
  TPixelImage Decode(const std::vector<uint8_t>& bytes) override;
  std::vector<uint8_t> Encode(const TPixelImage& image) override;
};
