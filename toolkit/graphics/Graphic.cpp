#include "toolkit/graphics/Graphic.h"

#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/Streams.h"

void TGraphic::DrawTransparent(TCanvas* canvas, const TRect& r, uint8_t) { Draw(canvas, r); }

void TGraphic::SetTransparent(bool v) {
  if (v == transparent_) return;
  transparent_ = v;
  Changed();
}

void TGraphic::SetModified(bool v) {
  modified_ = v;
  if (v) Changed();
}

void TGraphic::Changed() {
  modified_ = true;
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TMemoryStream stream;
  stream.LoadFromFile(fileName, MaxPictureFileBytes);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
  // The whole file is encoded first, so a failing encoder leaves the old file alone.
  TMemoryStream stream;
  SaveToStream(stream);
  WriteFileAtomic(fileName, stream.Bytes());
}
