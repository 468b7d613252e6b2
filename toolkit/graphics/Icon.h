#pragma once
// TIcon: an icon (or cursor) file. It shows its largest, deepest image; saving
// writes every image it was loaded with. Its size comes from the file.

#include "toolkit/graphics/RasterGraphic.h"
#include "toolkit/graphics/codecs/IcoCodec.h"

class TIcon : public TRasterGraphic {
public:
  std::string ClassName() const override { return "TIcon"; }

  // Looks the name up among the embedded resources (icon kind, then cursor).
  void LoadFromResourceName(const std::string& name);
  // The images of the file, as loaded.
  const TIcoFile& Images() const { return file_; }

protected:
  TPixelImage Decode(const std::vector<uint8_t>& bytes) override;
  std::vector<uint8_t> Encode(const TPixelImage& image) override;
  void AssignDetails(const TRasterGraphic& source) override;
  bool Resizable() const override { return false; }

private:
  TIcoFile file_;
};
