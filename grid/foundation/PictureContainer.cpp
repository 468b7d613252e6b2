#include "grid/foundation/PictureContainer.h"

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/Resources.h"
#include "toolkit/graphics/codecs/GifCodec.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/Streams.h"
#include "toolkit/rtl/SysUtils.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {

bool StartsWithUpper(const std::string& s, const char* prefix) {
  return UpperCase(s.substr(0, std::char_traits<char>::length(prefix))) == prefix;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Clear() {
  FIsEmpty = true;
  FDecoded.reset();
  FFrameCount = -1;
  FNextCount = -1;
  FTimerCount = -1;
  FFrame = 1;
}

void THTMLPicture::Assign(const TPersistent* Source) {
  Clear();
  if (!Source) {
    FData.clear();
    return;
  }
  auto* other = dynamic_cast<const THTMLPicture*>(Source);
  if (!other) return;
  FData = other->FData;
  if (FData.empty()) return;
  FIsEmpty = false;
  LoadPicture();
  Changed();
}

void THTMLPicture::LoadFromBytes(std::vector<uint8_t> bytes) {
  Clear();
  FData = std::move(bytes);
  FIsEmpty = false;
  auto undo = MakeScopeGuard([&] {
    FIsEmpty = true;
    FDecoded.reset();
  });
  LoadPicture();
  undo.Dismiss();
  Changed();
}

void THTMLPicture::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  LoadFromBytes(stream.ReadAll());
  stream.SetPosition(0);
}

void THTMLPicture::SaveToStream(TStream& stream) {
  if (!FData.empty()) stream.WriteBuffer(FData.data(), int64_t(FData.size()));
}

void THTMLPicture::LoadFromFile(const std::string& fileName) {
  try {
    std::string bytes = ReadFileBytes(fileName, MaxPictureFileBytes);
    LoadFromBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  } catch (const std::exception&) {
    FIsEmpty = true;
  }
}

void THTMLPicture::LoadFromResourceName(const std::string& name) {
  const EmbeddedResource* res = FindResourceOrNull(name, rkRawData);
  if (!res) return;
  LoadFromBytes(std::vector<uint8_t>(res->Data, res->Data + res->Size));
}

void THTMLPicture::LoadFromURL(const std::string& url) {
  if (StartsWithUpper(url, "RES://")) {
    FID = url;
    if (url.size() > 6) LoadFromResourceName(url.substr(6));
  } else if (StartsWithUpper(url, "FILE://")) {
    FID = url;
    if (url.size() > 7) LoadFromFile(url.substr(7));
  } else if (!FAsynch) {
    FURL = url;
    FID = url;
  } else if (!FThreadBusy) {
    // Remote references are not fetched: the picture stays busy and empty.
    FURL = url;
    FThreadBusy = true;
  }
}

bool THTMLPicture::IsGIF() const {
  return FData.size() >= 5 && FData[0] == 'G' && FData[1] == 'I' && FData[2] == 'F' && FData[3] == '8';
}

int THTMLPicture::FrameCount() {
  if (FFrameCount >= 0) return FFrameCount;
  if (!IsGIF()) return -1;
  FFrameCount = int(ScanGifFrames(FData.data(), FData.size()).size());
  return FFrameCount;
}

int THTMLPicture::GetFrameTime(int index) const {
  if (!IsGIF()) return -1;
  auto frames = ScanGifFrames(FData.data(), FData.size());
  if (index < 1 || index > int(frames.size())) return -1;
  return frames[size_t(index - 1)].Delay;
}

void THTMLPicture::LoadPicture() {
  FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = 0;
  FAnimMaxX = FAnimMaxY = 0;
  try {
    if (IsGIF()) {
      TGifAnimation gif = DecodeGif(FData.data(), FData.size());
      if (gif.Frames.empty()) throw EInvalidGraphic("Could not load image");
      FAnimMaxX = gif.Width;
      FAnimMaxY = gif.Height;
      auto frames = ScanGifFrames(FData.data(), FData.size());
      int index = std::clamp(FFrame, 1, int(gif.Frames.size())) - 1;
      if (index < int(frames.size())) {
        const TGifFrameInfo& f = frames[size_t(index)];
        FFrameXPos = f.Left;
        FFrameYPos = f.Top;
        FFrameXSize = f.Width;
        FFrameYSize = f.Height;
      }
      // The frame alone, as the platform's decoder shows the first image it finds.
      auto bitmap = std::make_unique<TBitmap>();
      bitmap->SetPixelImage(gif.Frames[size_t(index)].Image);
      FDecoded = std::move(bitmap);
      return;
    }
    TMemoryStream ms;
    ms.WriteBuffer(FData.data(), int64_t(FData.size()));
    ms.SetPosition(0);
    TPicture pic;
    pic.LoadFromStream(ms);
    if (!pic.Graphic()) throw EInvalidGraphic("Could not load image");
    FDecoded = NewGraphicOfClass(pic.Graphic()->ClassName());
    FDecoded->Assign(pic.Graphic());
  } catch (const EInvalidGraphic& e) {
    if (std::string(e.what()) == "Could not load image") throw;
    throw EInvalidGraphic("Could not load image. Invalid format");
  }
}

int THTMLPicture::Width() const { return FDecoded ? FDecoded->Width() : 0; }
int THTMLPicture::Height() const { return FDecoded ? FDecoded->Height() : 0; }

int THTMLPicture::MaxWidth() const {
  if (!FDecoded) return 0;
  return FAnimMaxX ? FAnimMaxX : Width();
}

int THTMLPicture::MaxHeight() const {
  if (!FDecoded) return 0;
  return FAnimMaxY ? FAnimMaxY : Height();
}

void THTMLPicture::Draw(TCanvas* canvas, const TRect& r) {
  if (FIsEmpty || !FDecoded || !canvas) return;
  if (FStretched) {
    canvas->StretchDraw(r, FDecoded.get());
    return;
  }
  canvas->StretchDraw(TRect(r.Left, r.Top, r.Left + Width(), r.Top + Height()), FDecoded.get());
}

void THTMLPicture::SetFrame(int v) {
  FFrame = v;
  if (FData.empty()) return;
  LoadPicture();
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() { FFrame = FFrame < FFrameCount ? FFrame + 1 : 1; }

void THTMLPicture::FramePrev() { FFrame = FFrame > 1 ? FFrame - 1 : FFrameCount; }

bool THTMLPicture::Step() {
  if (FrameCount() < 2 || FIsEmpty) return false;
  if (FNextCount == -1) FNextCount = GetFrameTime(FFrame);
  bool changed = false;
  if (FTimerCount * 10 >= FNextCount) {
    FrameNext();
    LoadPicture();
    FNextCount += GetFrameTime(FFrame);
    changed = true;
  }
  ++FTimerCount;
  return changed;
}

THTMLPicture* THTMLPictureCache::AddPicture() {
  list_.push_back(std::make_unique<THTMLPicture>());
  return list_.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& ID) const {
  for (const auto& p : list_)
    if (p->ID() == ID) return p.get();
  return nullptr;
}

bool THTMLPictureCache::Animate() {
  bool any = false;
  for (const auto& p : list_) any = p->Step() || any;
  return any;
}

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), picture_(std::make_unique<THTMLPicture>()) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(const TPersistent* Source) {
  auto* item = dynamic_cast<const TPictureItem*>(Source);
  if (!item) throw EConvertError("Invalid class typecast");
  name_ = item->name_;
  tag_ = item->tag_;
  picture_->Assign(item->picture_.get());
}

TPictureCollection::TPictureCollection(TPersistent* Owner)
    : TCollection(TCollection::ItemClass<TPictureItem>()), owner_(Owner) {}

bool TPictureCollection::Animate() {
  bool any = false;
  for (int i = 0; i < Count(); ++i) any = Items(i)->Picture()->Step() || any;
  return any;
}

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this)) {}

TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::SetItems(const TPictureCollection* v) {
  if (v == FItems.get()) return;
  FItems->Clear();
  if (!v) return;
  for (int i = 0; i < v->Count(); ++i) FItems->Add()->Assign(v->Items(i));
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& Name) const {
  const std::string key = UpperCase(Name);
  for (int i = 0; i < FItems->Count(); ++i)
    if (UpperCase(FItems->Items(i)->Name()) == key) return FItems->Items(i)->Picture();
  return nullptr;
}
