#pragma once
// TPicture: holds one graphic of any kind (bitmap, icon, PNG, JPEG, GIF) and
// picks the kind from a file's extension or a stream's first bytes.

#include <memory>
#include <string>

#include "toolkit/graphics/Graphic.h"

class TBitmap;
class TIcon;
class TStream;

class TPicture : public TPersistent {
public:
  TPicture() = default;
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;
  std::string ClassName() const override { return "TPicture"; }

  // The graphic held, or nullptr when empty.
  TGraphic* Graphic() const { return graphic_.get(); }
  // Holds a copy of g (of g's class); nullptr empties the picture.
  void SetGraphic(const TGraphic* g);
  // The graphic as a bitmap; any other graphic is replaced by an empty bitmap.
  TBitmap* Bitmap();
  // The graphic as an icon; any other graphic is replaced by an empty icon.
  TIcon* Icon();

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // The kind comes from the extension (.bmp, .ico, .cur, .png, .jpg, .jpeg,
  // .gif); an unknown one raises EInvalidGraphic. A failing load leaves the
  // picture as it was.
  void LoadFromFile(const std::string& fileName);
  // Saves the graphic in its own format; raises EInvalidGraphicOperation when empty.
  void SaveToFile(const std::string& fileName);
  // The kind comes from the data's first bytes.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream);
  // A bitmap resource (BMP or PNG), loaded as a TBitmap.
  void LoadFromResourceName(const std::string& name);

  // From another TPicture or any TGraphic (copied); nullptr empties. Fires no event.
  void Assign(const TPersistent* Source) override;

  TNotifyEvent OnChange;

private:
  void Hold(std::unique_ptr<TGraphic> g);
  void Changed();
  std::unique_ptr<TGraphic> graphic_;
};

// A new, empty graphic of the named class ("TBitmap", "TIcon", "TPngImage",
// "TJPEGImage", "TGIFImage"); raises EInvalidGraphic for any other.
std::unique_ptr<TGraphic> NewGraphicOfClass(const std::string& className);
