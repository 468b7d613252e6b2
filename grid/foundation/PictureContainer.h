#pragma once
// Pictures of the grid library's HTML text: THTMLPicture keeps the file bytes
// unchanged and decodes the current frame on demand (GIF files step through
// their frames for animation); THTMLPictureCache holds pictures loaded for
// image references; TPictureContainer holds named pictures.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/graphics/Graphic.h"
#include "toolkit/rtl/Collection.h"

class TBitmap;

class THTMLPicture : public TGraphic {
public:
  THTMLPicture();
  ~THTMLPicture() override;
  std::string ClassName() const override { return "THTMLPicture"; }

  void Assign(const TPersistent* Source) override;
  void Draw(TCanvas* canvas, const TRect& r) override;
  int Width() const override;
  int Height() const override;
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  bool Empty() const override { return FIsEmpty; }

  // Decoding errors of LoadFromStream reach the caller; LoadFromFile swallows
  // them and leaves the picture empty.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  void LoadFromFile(const std::string& fileName) override;
  void LoadFromBytes(std::vector<uint8_t> bytes);
  // "RES://name" (a program resource), "FILE://path" (taken as written);
  // anything else is remote: with Asynch off only ID is set, otherwise the
  // picture turns busy and stays empty (no download is made).
  void LoadFromURL(const std::string& url);
  void LoadFromResourceName(const std::string& name);

  bool Stretch() const { return FStretched; }
  void SetStretch(bool v) { FStretched = v; }
  const std::string& ID() const { return FID; }
  void SetID(const std::string& v) { FID = v; }
  const std::string& URL() const { return FURL; }
  bool Asynch() const { return FAsynch; }
  void SetAsynch(bool v) { FAsynch = v; }
  bool Busy() const { return FThreadBusy; }
  bool IsDB() const { return FIsDB; }
  void SetIsDB(bool v) { FIsDB = v; }

  // GIF frames, 1-based.
  bool IsGIF() const;
  int FrameCount();
  int Frame() const { return FFrame; }
  void SetFrame(int v);
  void FrameNext();
  void FramePrev();
  // Hundredths of a second; -1 when not GIF or no such frame.
  int GetFrameTime(int index) const;
  int FrameXPos() const { return FFrameXPos; }
  int FrameYPos() const { return FFrameYPos; }
  int MaxWidth() const;
  int MaxHeight() const;
  // One tenth of a second of animation; true when the frame changed.
  bool Step();

  TNotifyEvent OnFrameChange;

private:
  void LoadPicture();
  void Clear();

  std::vector<uint8_t> FData;
  bool FIsEmpty = true;
  bool FStretched = false;
  std::unique_ptr<TGraphic> FDecoded;
  std::string FURL;
  std::string FID;
  bool FIsDB = false;
  bool FAsynch = true;
  bool FThreadBusy = false;
  int FFrame = 1;
  int FFrameCount = -1;
  int FFrameXPos = 0, FFrameYPos = 0, FFrameXSize = 0, FFrameYSize = 0;
  int FAnimMaxX = 0, FAnimMaxY = 0;
  int FNextCount = -1;
  int FTimerCount = -1;
};

// One GIF frame start found in the bytes: a 4-byte graphic control extension
// directly followed by an image descriptor. Every read is bounds-checked.
struct TGifFrameInfo {
  int Delay = 0;
  int Left = 0, Top = 0, Width = 0, Height = 0;
};
std::vector<TGifFrameInfo> ScanGifFrames(const uint8_t* data, size_t size);

class THTMLPictureCache {
public:
  THTMLPictureCache() = default;
  ~THTMLPictureCache() { ClearPictures(); }
  THTMLPictureCache(const THTMLPictureCache&) = delete;
  THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

  THTMLPicture* AddPicture();
  // Exact comparison of ID.
  THTMLPicture* FindPicture(const std::string& ID) const;
  THTMLPicture* GetPicture(int Index) const { return list_.at(size_t(Index)).get(); }
  int Count() const { return int(list_.size()); }
  void ClearPictures() { list_.clear(); }
  bool Animate();

private:
  std::vector<std::unique_ptr<THTMLPicture>> list_;
};

class TPictureItem : public TCollectionItem {
public:
  explicit TPictureItem(TCollection* Collection);
  ~TPictureItem() override;
  std::string ClassName() const override { return "TPictureItem"; }
  void Assign(const TPersistent* Source) override;

  THTMLPicture* Picture() const { return picture_.get(); }
  void SetPicture(const THTMLPicture* v) { picture_->Assign(v); }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { name_ = v; }
  int Tag() const { return tag_; }
  void SetTag(int v) { tag_ = v; }

private:
  std::unique_ptr<THTMLPicture> picture_;
  std::string name_;
  int tag_ = 0;
};

class TPictureCollection : public TCollection {
public:
  explicit TPictureCollection(TPersistent* Owner);
  std::string ClassName() const override { return "TPictureCollection"; }
  TPersistent* Owner() const { return owner_; }
  TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
  TPictureItem* Insert(int Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }
  TPictureItem* Items(int Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }
  void SetItems(int Index, const TPictureItem* v) { Items(Index)->Assign(v); }
  bool Animate();

private:
  TPersistent* owner_;
};

class TPictureContainer : public TComponent {
public:
  explicit TPictureContainer(TComponent* AOwner);
  ~TPictureContainer() override;
  std::string ClassName() const override { return "TPictureContainer"; }

  TPictureCollection* Items() const { return FItems.get(); }
  // Copies the items: the container keeps its own collection.
  void SetItems(const TPictureCollection* v);
  // Names compared with a to z folded.
  virtual THTMLPicture* FindPicture(const std::string& Name) const;

private:
  std::unique_ptr<TPictureCollection> FItems;
};
