#include "controls/PickerItem.h"

TPickerItem::TPickerItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

void TPickerItem::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Changed(false);
}

void TPickerItem::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Changed(false);
}

void TPickerItem::AssignPicture(const TPickerItem& Source) {
  SetCaption(Source.FCaption);
  SetImageIndex(Source.FImageIndex);
  FImage->Assign(Source.FImage.get());
  FEnabled = Source.FEnabled;
}
