#include "toolkit/graphics/Picture.h"

#include <algorithm>
#include <filesystem>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/GifImage.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/JpegImage.h"
#include "toolkit/graphics/PngImage.h"
#include "toolkit/graphics/Resources.h"
#include "toolkit/graphics/codecs/ImageFormat.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/Streams.h"

namespace {

std::unique_ptr<TGraphic> NewGraphicForFormat(TImageFormat format) {
  switch (format) {
    case ifBmp: return std::make_unique<TBitmap>();
    case ifPng: return std::make_unique<TPngImage>();
    case ifJpeg: return std::make_unique<TJPEGImage>();
    case ifGif: return std::make_unique<TGIFImage>();
    case ifIco: return std::make_unique<TIcon>();
    case ifUnknown: break;
  }
  throw EInvalidGraphic("Unknown picture format");
}

TImageFormat FormatOfExtension(const std::string& fileName) {
  std::string ext = std::filesystem::path(fileName).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  if (ext == ".bmp" || ext == ".dib") return ifBmp;
  if (ext == ".png") return ifPng;
  if (ext == ".jpg" || ext == ".jpeg" || ext == ".jpe" || ext == ".jfif") return ifJpeg;
  if (ext == ".gif") return ifGif;
  if (ext == ".ico" || ext == ".cur") return ifIco;
  throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
}

}  // namespace

std::unique_ptr<TGraphic> NewGraphicOfClass(const std::string& className) {
  if (className == "TBitmap") return NewGraphicForFormat(ifBmp);
  if (className == "TPngImage") return NewGraphicForFormat(ifPng);
  if (className == "TJPEGImage") return NewGraphicForFormat(ifJpeg);
  if (className == "TGIFImage") return NewGraphicForFormat(ifGif);
  if (className == "TIcon") return NewGraphicForFormat(ifIco);
  throw EInvalidGraphic("Unknown graphic class " + className);
}

TPicture::~TPicture() = default;

void TPicture::Hold(std::unique_ptr<TGraphic> g) {
  graphic_ = std::move(g);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* g) {
  std::unique_ptr<TGraphic> copy;
  if (g) {
    copy = NewGraphicOfClass(g->ClassName());
    copy->Assign(g);
  }
  Hold(std::move(copy));
  Changed();
}

TBitmap* TPicture::Bitmap() {
  if (auto* b = dynamic_cast<TBitmap*>(graphic_.get())) return b;
  Hold(std::make_unique<TBitmap>());
  Changed();
  return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon() {
  if (auto* i = dynamic_cast<TIcon*>(graphic_.get())) return i;
  Hold(std::make_unique<TIcon>());
  Changed();
  return static_cast<TIcon*>(graphic_.get());
}

void TPicture::LoadFromFile(const std::string& fileName) {
  std::unique_ptr<TGraphic> g = NewGraphicForFormat(FormatOfExtension(fileName));
  g->LoadFromFile(fileName);
  Hold(std::move(g));
  Changed();
}

void TPicture::SaveToFile(const std::string& fileName) {
  if (!graphic_) throw EInvalidGraphicOperation("Cannot save an empty picture");
  graphic_->SaveToFile(fileName);
}

void TPicture::LoadFromStream(TStream& stream) {
  const std::vector<uint8_t> bytes = stream.ReadAll();
  std::unique_ptr<TGraphic> g = NewGraphicForFormat(DetectImageFormat(bytes.data(), bytes.size()));
  TMemoryStream copy;
  copy.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  copy.SetPosition(0);
  g->LoadFromStream(copy);
  Hold(std::move(g));
  Changed();
}

void TPicture::SaveToStream(TStream& stream) {
  if (!graphic_) throw EInvalidGraphicOperation("Cannot save an empty picture");
  graphic_->SaveToStream(stream);
}

void TPicture::LoadFromResourceName(const std::string& name) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelImage(LoadResourceImage(name));
  Hold(std::move(b));
  Changed();
}

void TPicture::Assign(const TPersistent* Source) {
  const TGraphic* from = nullptr;
  if (const auto* p = dynamic_cast<const TPicture*>(Source)) {
    if (p == this) return;
    from = p->Graphic();
  } else if (Source) {
    from = dynamic_cast<const TGraphic*>(Source);
    if (!from) TPersistent::Assign(Source);
  }
  std::unique_ptr<TGraphic> copy;
  if (from) {
    copy = NewGraphicOfClass(from->ClassName());
    copy->Assign(from);
  }
  Hold(std::move(copy));
}
