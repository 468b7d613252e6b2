// Control list and file picture.

#include "grid/foundation/ExtObj.h"

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/List.h"

void TControlList::AddControl(int X, int Y, TControl* AObject) {
  FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i]->X == X && FItems[i]->Y == Y) return i;
  return -1;
}

TControlItem* TControlList::GetControl(int i) const {
  if (i < 0 || i >= Count()) ListIndexError(i);
  return FItems[i].get();
}

void TControlList::RemoveControl(int i) {
  if (i < 0 || i >= Count()) ListIndexError(i);
  FItems.erase(FItems.begin() + i);
}

bool TControlList::HasHandle(const void* Handle) const {
  for (const auto& item : FItems) {
    auto* win = dynamic_cast<TWinControl*>(item->Control);
    // A control without a window cannot own an existing one, so none is
    // created just to be compared.
    if (win && win->HandleAllocated() && static_cast<const void*>(win->Handle()) == Handle) return true;
  }
  return false;
}

void TFilePicture::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TFilePicture*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  FFilename = src->FFilename;
  FWidth = src->FWidth;
  FHeight = src->FHeight;
}

void TFilePicture::SetFilename(const std::string& Value) {
  FFilename = Value;
  TPicture picture;
  picture.LoadFromFile(Value);
  FWidth = picture.Width();
  FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& r) const {
  if (FFilename.empty()) return;
  TPicture picture;
  try {
    picture.LoadFromFile(FFilename);
  } catch (const Exception&) {
    return;
  }
  Canvas->StretchDraw(r, picture.Graphic());
}
