#pragma once
// A list item of the picker drop-downs: a caption and an image, either a
// picture of its own or an entry of the drop-down's image list. Writing the
// caption or the image index tells the collection.

#include <memory>
#include <string>

#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Collection.h"

class TPickerItem : public TCollectionItem {
public:
  explicit TPickerItem(TCollection* Collection);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TPicture* Image() const { return FImage.get(); }
  void SetImage(const TPicture* Value) { FImage->Assign(Value); }
  bool Enabled() const { return FEnabled; }

protected:
  // The caption and image index through their writers, the picture and the enabled flag.
  void AssignPicture(const TPickerItem& Source);

private:
  std::string FCaption;
  int FImageIndex = -1;
  std::unique_ptr<TPicture> FImage;
  bool FEnabled = true;
};
