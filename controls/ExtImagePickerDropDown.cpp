// The image picker drop-down: items, value, loading and the popup list.

#include "controls/ExtImagePickerDropDown.h"

#include "controls/ExtDropDownForm.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/rtl/FileUtils.h"

// ---- items

void TImageItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TImageItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  AssignPicture(*s);
  FHint = s->FHint;
}

// ---- the drop-down

TExtImagePickerDropDown::TExtImagePickerDropDown(TComponent* AOwner)
    : TExtSelectorDropDown(AOwner), FItems(std::make_unique<TImageItems>(this)) {
  FItems->OnChange = [](TObject*) {};
  FPopup.SetSearchRestarts(true);
  SetAutoSize(false);
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetCursor(crArrow);
  // The base built the popup before this class's list could be made.
  if (FDropDownForm != nullptr) CreateDropDownForm();
}

TExtImagePickerDropDown::~TExtImagePickerDropDown() = default;

void TExtImagePickerDropDown::SetItemIndex(int Value) {
  // Any index below -1 means no selection.
  Value = std::max(Value, -1);
  if (Value == FItemIndex || Value >= FItems->Count()) return;
  FItemIndex = Value;
  Invalidate();
  TCustomMaskEdit::Change();
  if (OnSelect) OnSelect(this);
}

int TExtImagePickerDropDown::ImageIndex() const {
  return FItemIndex < 0 ? -1 : FItems->Items(FItemIndex)->ImageIndex();
}

void TExtImagePickerDropDown::SetImageIndex(int Value) {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Items(i)->ImageIndex() == Value) {
      SetItemIndex(i);
      return;
    }
  SetItemIndex(-1);
}

void TExtImagePickerDropDown::step(TIndexStep Step) {
  const int target = SteppedIndex(Step, FItemIndex, FItems->Count());
  if (target >= 0) SetItemIndex(target);
}

void TExtImagePickerDropDown::AddImagesFromImageList() {
  TImageList* images = Images();
  if (images == nullptr) return;
  for (int i = 0; i < images->Count(); ++i) FItems->Add()->SetImageIndex(i);
}

void TExtImagePickerDropDown::AddImagesFromFolder(const std::string& FolderAndMask, bool SetImageCaption) {
  const std::string path = SystemPath(FolderAndMask);
  const std::string folder = ExtractFilePath(path);
  for (const std::string& name : ListFolder(folder.empty() ? "." : folder, ExtractFileName(path), fekFiles)) {
    TImageItem* item = FItems->Add();
    try {
      item->Image()->LoadFromFile(folder + name);
      if (SetImageCaption) item->SetCaption(name);
    } catch (const std::exception&) {
      // Not a picture we can read: the item stays, empty.
      item->Image()->Assign(nullptr);
    }
  }
}

// ---- the popup

void TExtImagePickerDropDown::CreateDropDownForm() {
  TExtSelectorDropDown::CreateDropDownForm();
  BuildList(stImage);
}

void TExtImagePickerDropDown::fillList() {
  TExtCustomItemSelector* list = ItemSelector();
  if (list == nullptr) return;
  ApplyListSettings(FColumns);
  FPopup.Fill(
      FItems->Count(),
      [this](TSelectorItem* S, int i) {
        const TImageItem* item = FItems->Items(i);
        S->SetCaption(item->Caption());
        S->SetImage(item->Image());
        S->SetImageIndex(item->ImageIndex());
        S->SetHint(item->Hint());
      },
      FItemIndex, [this](TObject*) { listSelected(); });
  list->SetShowHint(ShowHint());
}

void TExtImagePickerDropDown::BeforeDropDown() {
  TExtSelectorDropDown::BeforeDropDown();
  fillList();
  if (TExtCustomItemSelector* list = ItemSelector()) {
    list->OnDrawItem = nullptr;
    if (OnDrawItem)
      list->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, int Index) { OnDrawItem(this, Canvas, R, Index); };
  }
  FOldItemIndex = FItemIndex;
}

void TExtImagePickerDropDown::SetDropDownSize() {
  FPopup.SizeListToCells(DropDownWidth(), DropDownHeight());
  TExtSelectorDropDown::SetDropDownSize();
  FPopup.WidenForScrollBar(FDropDownForm);
}

void TExtImagePickerDropDown::DoHideDropDown(bool Cancel) {
  TExtSelectorDropDown::DoHideDropDown(Cancel);
  if (Cancel && ItemSelector() != nullptr) SetItemIndex(FOldItemIndex);
}

void TExtImagePickerDropDown::listSelected() {
  SetItemIndex(ItemSelector()->ItemIndex());
  if (!FPopup.InternalCall()) DoHideDropDown(false);
}
