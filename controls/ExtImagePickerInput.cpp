// The image picker drop-down: painting of the edit area, keys and wheel.

#include "controls/ExtImagePickerDropDown.h"
#include "toolkit/forms/Messages.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"

void TExtImagePickerDropDown::Paint() {
  TExtSelectorDropDown::Paint();
  paintSelectedImage();
}

void TExtImagePickerDropDown::PaintFocusedEdit() {
  TExtSelectorDropDown::PaintFocusedEdit();
  paintSelectedImage();
}

// The selected picture, else its image-list entry, centred in the text area.
void TExtImagePickerDropDown::paintSelectedImage() {
  TCanvas* c = Canvas();
  if (c == nullptr || c->Surface() == nullptr) return;
  TRect R{};
  Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, c, R);
    return;
  }
  if (FItemIndex < 0) return;
  const TImageItem* item = FItems->Items(FItemIndex);
  TGraphic* picture = item->Image()->Graphic();
  if (picture != nullptr && !picture->Empty()) {
    c->Draw(R.Left + (R.Width() - picture->Width()) / 2, R.Top + (R.Height() - picture->Height()) / 2, picture);
  } else if (Images() != nullptr && item->ImageIndex() >= 0) {
    TImageList* images = Images();
    images->Draw(c, R.Left + (R.Width() - images->Width()) / 2, R.Top + (R.Height() - images->Height()) / 2,
                 item->ImageIndex(), true);
  }
}

void TExtImagePickerDropDown::WMKeyDown(TWMKey& Message) {
  const uint16_t key = uint16_t(Message.CharCode);
  const bool returnHandled = Enabled() && DroppedDown() && key == VK_RETURN && FPopup.SelectHot();
  TExtSelectorDropDown::WMKeyDown(Message);
  if (!Enabled() || GetKeyState(VK_MENU) < 0 || ItemSelector() == nullptr) return;
  if (key == VK_RETURN) {
    if (!returnHandled && OnSelect) OnSelect(this);
    return;
  }
  const TSelectorPopup::TClosedMoves closed{[this] { SelectFirst(); }, [this] { SelectLast(); },
                                            [this] { SelectPrevious(); }, [this] { SelectNext(); }, false};
  FPopup.HandleKey(key, DroppedDown(), EditorEnabled(), FColumns, closed, [this] { refillChangedList(); });
}

void TExtImagePickerDropDown::refillChangedList() {
  if (ItemSelector() != nullptr && ItemSelector()->Items()->Count() != FItems->Count()) fillList();
}

// Over the open list the wheel moves the hot cell; over the closed
// drop-down it steps the value itself, whether or not the list was ever
// filled.
void TExtImagePickerDropDown::wheel(bool Down) {
  if (!Enabled() || ReadOnly()) return;
  if (DroppedDown() && ItemSelector() != nullptr) FPopup.HotStep(Down);
  else step(Down ? isNext : isPrevious);
}

void TExtImagePickerDropDown::DoMouseWheelDown() {
  TExtSelectorDropDown::DoMouseWheelDown();
  wheel(true);
}

void TExtImagePickerDropDown::DoMouseWheelUp() {
  TExtSelectorDropDown::DoMouseWheelUp();
  wheel(false);
}
