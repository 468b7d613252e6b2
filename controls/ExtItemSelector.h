#pragma once
// A scrolling grid of selectable cells for drop-down popups: each cell shows
// an HTML caption and an image or a colour box. The detail list, colour
// picker and image picker put one in their popup and drive it from their
// edit's keys. The host scrolls; its only child, the panel, is sized to fit
// every cell and paints, hit-tests and tracks them.

#include <functional>
#include <memory>
#include <string>

#include "controls/ItemLayout.h"
#include "controls/ExtDropDown.h"
#include "toolkit/forms/std/PageControl.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Collection.h"

class TImageList;
class TExtCustomItemSelector;

enum TSelectorType { stImage, stColor };

class TSelectorItem : public TCollectionItem {
public:
  explicit TSelectorItem(TCollection* Collection);
  std::string ClassName() const override { return "TSelectorItem"; }
  void Assign(const TPersistent* Source) override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TPicture* Image() const { return FImage.get(); }
  void SetImage(const TPicture* Value) { FImage->Assign(Value); }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // The cell in panel coordinates, written by the layout.
  const TRect& Rect() const { return FRect; }
  void SetRect(const TRect& Value) { FRect = Value; }

private:
  void notifyCollection();
  std::string FCaption;
  TColor FColor = clNone;
  int FImageIndex = -1;
  std::unique_ptr<TPicture> FImage;
  std::string FHint;
  bool FEnabled = true;
  TRect FRect{};
};

// Adding or deleting items fires nothing; the items' own setters fire OnChange.
class TSelectorItems : public TOwnedCollection {
public:
  explicit TSelectorItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TSelectorItem>()) {}
  std::string ClassName() const override { return "TSelectorItems"; }
  TSelectorItem* Add() { return static_cast<TSelectorItem*>(TCollection::Add()); }
  TSelectorItem* Insert(int Index) { return static_cast<TSelectorItem*>(TCollection::Insert(Index)); }
  TSelectorItem* Items(int Index) const { return ItemsAs<TSelectorItem>(Index); }
  void SetItems(int Index, const TSelectorItem* Value) { Items(Index)->Assign(Value); }
  TNotifyEvent OnChange;
};

// Colours of hot and selected cells, with three preset schemes.
class TItemAppearance : public TPersistent {
public:
  explicit TItemAppearance(TPersistent* AOwner);
  std::string ClassName() const override { return "TItemAppearance"; }
  void Assign(const TPersistent* Source) override;
  TPersistent* GetOwner() const override { return FOwner; }

  // A different preset overwrites the twelve face colours; scCustom keeps them.
  TSelectionColorStyle ColorStyle() const { return FColorStyle; }
  void SetColorStyle(TSelectionColorStyle Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }

  TColor BorderColor = clNone, BorderColorTop = clNone, BorderColorBottom = clNone;
  TColor BorderColorHot = clNone, BorderColorSelected = clNone;
  TColor ColorHot = clNone, ColorHotTo = clNone, ColorHotText = TColor(0);
  TColor ColorMirrorHot = clNone, ColorMirrorHotTo = clNone;
  TColor ColorSelected = clNone, ColorSelectedTo = clNone;
  TColor ColorMirrorSelected = clNone, ColorMirrorSelectedTo = clNone, ColorSelectedText = TColor(0);
  TColor EdgeColor = clNone;
  TNotifyEvent OnChange;

private:
  TPersistent* FOwner;
  TSelectionColorStyle FColorStyle = scCustom;
  std::unique_ptr<TFont> FFont;
};

// The inner panel: lays the cells out, paints and tracks them. Only a
// TExtCustomItemSelector may own one.
class TCustomItemSelector : public TCustomControl {
public:
  explicit TCustomItemSelector(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomItemSelector"; }

  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int ItemHot() const { return FItemHot; }
  void SetItemHot(int Index);
  TNotifyEvent OnItemSelect;

  int Columns() const;
  TSelectorItems* Items() const;
  TSelectorType SelectorType() const;
  TItemLayout ItemLayout() const;
  TImageList* Images() const;
  TSelectionColorStyle ItemColorStyle() const;
  int ColorBoxHeight() const;
  int ColorBoxWidth() const;
  TExtCustomItemSelector* ExtItemSelector() const { return FExtItemSelector; }

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  // Selects the first item whose tag-free, trimmed, upper-cased caption
  // starts with Text (which the caller upper-cases).
  bool LookupItem(const std::string& Text);
  int ItemAtPos(int X, int Y) const;
  TRect GetItemRect(int Index) const;

  virtual void DrawItem(int Index, TCanvas* ACanvas);
  virtual void GetContentRect(TRect& R);
  virtual void GetItemSize(TSize& Size);
  virtual void InvalidateItem(int Index);
  virtual void UpdateItems();

  int OffSetX = 2, OffSetY = 2, ItemOffSetX = 4, ItemOffSetY = 4, CaptionGap = 4;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TCMControlMsg& Message) override;

private:
  bool validIndex(int Index) const;
  bool disabledItem(int Index) const;
  void drawFace(int Index, TCanvas* ACanvas, const TRect& R);
  void drawContent(int Index, TCanvas* ACanvas, const TRect& R);
  TSize contentSize(const TSelectorItem* Item) const;
  void drawContentAt(const TSelectorItem* Item, TCanvas* ACanvas, int X, int Y);
  TExtCustomItemSelector* FExtItemSelector;
  int FItemIndex = -1, FItemHot = -1;
};

using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

class TExtCustomItemSelector : public TScrollBox {
public:
  explicit TExtCustomItemSelector(TComponent* AOwner);
  ~TExtCustomItemSelector() override;
  std::string ClassName() const override { return "TExtCustomItemSelector"; }
  // A cell drawn by the application; kept in the class, apart from the list
  // box's event of the same name.
  using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R, int Index)>;

  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  TSelectorItems* Items() const { return FItems.get(); }
  void SetItems(const TSelectorItems* Value) { FItems->Assign(Value); }
  int ItemIndex() const;
  void SetItemIndex(int Value);
  int ItemHot() const { return FPanel ? FPanel->ItemHot() : -1; }
  TSelectorType SelectorType() const { return FSelectorType; }
  void SetSelectorType(TSelectorType Value);
  // Stored only: the next relayout or paint uses it.
  TItemLayout ItemLayout() const { return FItemLayout; }
  void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(const TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value);
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value);
  TCustomItemSelector* Panel() const { return FPanel; }

  TNotifyEvent OnItemSelect;
  TDrawItemEvent OnDrawItem;
  TItemSizeEvent OnItemSize;

  void UpdateSelectorPanel();
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const std::string& Text);
  void ScrollItemInView(int Index);
  // Whole rows that fit the height, times the columns; 0 without cells.
  int GetVisibleItemCount();
  // The panel's size (100 by 50 without one); pickers size their popups by it.
  TSize GetPanelSize() const;
  void Dispatch(TMessage& Message) override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  template <class Op>
  void panelStep(Op op, bool hot);
  std::unique_ptr<TSelectorItems> FItems;
  std::unique_ptr<TItemAppearance> FItemAppearance;
  TCustomItemSelector* FPanel = nullptr;
  TImageList* FImages = nullptr;
  int FColumns = 1, FColorBoxHeight = 14, FColorBoxWidth = 14;
  TSelectorType FSelectorType = stImage;
  TItemLayout FItemLayout = ilCaptionRight;
};
