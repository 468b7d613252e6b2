#pragma once
// A drop-down editor whose value is one of a list of images. The popup is an
// item selector showing each item's picture (or image-list entry) with its
// caption; the edit area shows the selected image, centred, and no text.
// Items come from code, from the picture files of a folder or from an image
// list.

#include <memory>
#include <string>

#include "controls/ExtSelectorDropDown.h"
#include "controls/NotifyingCollection.h"
#include "controls/PickerItem.h"

class TImageItem : public TPickerItem {
public:
  using TPickerItem::TPickerItem;
  std::string ClassName() const override { return "TImageItem"; }
  void Assign(const TPersistent* Source) override;
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }

private:
  std::string FHint;
};

class TImageItems : public TNotifyingCollection<TImageItem> {
public:
  using TNotifyingCollection::TNotifyingCollection;
  std::string ClassName() const override { return "TImageItems"; }
};

class TExtImagePickerDropDown : public TExtSelectorDropDown {
public:
  explicit TExtImagePickerDropDown(TComponent* AOwner);
  ~TExtImagePickerDropDown() override;
  std::string ClassName() const override { return "TExtImagePickerDropDown"; }
  // Owner drawing of a list cell.
  using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TRect& R, int Index)>;

  int Columns() const { return FColumns; }
  void SetColumns(int Value) { FColumns = Value; }
  TImageItems* Items() const { return FItems.get(); }
  void SetItems(const TImageItems* Value) { FItems->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // The selected item's image-list entry (-1 without a selection); writing
  // selects the first item with that entry, or none.
  int ImageIndex() const;
  void SetImageIndex(int Value);
  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;
  TDrawItemEvent OnDrawItem;

  // One item per picture file of the folder that matches the mask of
  // FolderAndMask ("pictures/*.png"); sub-folders are passed over, and a file
  // that is no readable picture keeps an item with an empty picture and no
  // caption. With SetImageCaption the others are captioned with their file
  // names. Existing items stay.
  void AddImagesFromFolder(const std::string& FolderAndMask, bool SetImageCaption);
  // One uncaptioned item per entry of Images, in order.
  void AddImagesFromImageList();
  void SelectFirst() { step(isFirst); }
  void SelectLast() { step(isLast); }
  void SelectNext() { step(isNext); }
  void SelectPrevious() { step(isPrevious); }

  void DoHideDropDown(bool Cancel) override;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void SetDropDownSize() override;
  void DoMouseWheelDown() override;
  void DoMouseWheelUp() override;
  void PaintFocusedEdit() override;
  void Paint() override;
  void WMKeyDown(TWMKey& Message) override;

private:
  void step(TIndexStep Step);
  void fillList();
  void refillChangedList();
  void wheel(bool Down);
  void listSelected();
  void paintSelectedImage();

  int FColumns = 1;
  std::unique_ptr<TImageItems> FItems;
  int FItemIndex = -1;
  int FOldItemIndex = -1;
};
