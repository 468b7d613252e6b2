#pragma once
// A drop-down editor that picks one item of a list. Each item has a caption,
// optional notes (HTML text shown under the caption in the popup) and an
// optional image (a picture of its own or an entry of Images). The popup is
// an item selector in one column whose cells this control draws; the edit
// shows the selected caption and completes typed text from the captions.

#include <memory>
#include <string>

#include "controls/DropDownCompletion.h"
#include "controls/ExtSelectorDropDown.h"
#include "controls/NotifyingCollection.h"
#include "controls/PickerItem.h"

class TDetailItem : public TPickerItem {
public:
  using TPickerItem::TPickerItem;
  std::string ClassName() const override { return "TDetailItem"; }
  void Assign(const TPersistent* Source) override;

  const std::string& Notes() const { return FNotes; }
  void SetNotes(const std::string& Value) { FNotes = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // Not owned.
  TObject* ItemObject() const { return FItemObject; }
  void SetItemObject(TObject* Value) { FItemObject = Value; }

private:
  std::string FNotes;
  int FTag = 0;
  TObject* FItemObject = nullptr;
};

class TDetailItems : public TNotifyingCollection<TDetailItem> {
public:
  using TNotifyingCollection::TNotifyingCollection;
  std::string ClassName() const override { return "TDetailItems"; }
  // The first item whose caption equals Value exactly (case counts), or -1.
  int IndexOf(const std::string& Value) const;
};

class TExtDetailDropDown : public TExtSelectorDropDown {
public:
  explicit TExtDetailDropDown(TComponent* AOwner);
  ~TExtDetailDropDown() override;
  std::string ClassName() const override { return "TExtDetailDropDown"; }

  TDetailItems* Items() const { return FItems.get(); }
  void SetItems(const TDetailItems* Value) { FItems->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value) { FItemHeight = Value; }
  TFont* CaptionFont() const { return FCaptionFont.get(); }
  void SetCaptionFont(const TFont* Value) { FCaptionFont->Assign(Value); }
  TFont* NotesFont() const { return FNotesFont.get(); }
  void SetNotesFont(const TFont* Value) { FNotesFont->Assign(Value); }
  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;

  void SelectFirst() { step(isFirst); }
  void SelectLast() { step(isLast); }
  void SelectNext() { step(isNext); }
  void SelectPrevious() { step(isPrevious); }

  // The typed search of the open popup (forgotten half a second after its first key).
  const std::string& CurrentSearch() const { return FPopup.Search(); }

  void DoShowDropDown() override;
  void DoHideDropDown(bool Cancel) override;
  void DropDownResized() override;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void SetDropDownSize() override;
  void DoMouseWheelDown() override;
  void DoMouseWheelUp() override;
  void EditChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void WMKeyDown(TWMKey& Message) override;

private:
  void step(TIndexStep Step);
  void synchronise();
  void itemSelected();
  void cellSize(TSize& Size);
  void drawCell(TCanvas* Canvas, TRect R, int Index);
  int drawCellImage(TCanvas* Canvas, const TDetailItem* Item, const TRect& R);
  void cellFont(TCanvas* Canvas, const TFont* Font, int Index);
  void wheel(bool Down);

  std::unique_ptr<TDetailItems> FItems;
  std::unique_ptr<TFont> FCaptionFont;
  std::unique_ptr<TFont> FNotesFont;
  int FItemIndex = -1;
  int FOldItemIndex = -1;
  int FItemHeight = 22;
  bool FWorkMode = true;
  TCompletionMarks FCompletion;
};
