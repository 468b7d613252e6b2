#pragma once
// The discrete colour selector: a panel of small colour boxes in rows of
// Columns, where boxes of one column may be joined into a vertical strip
// (tints and shades of one theme colour). The colour picker's discrete
// style shows it in its popup, filled with the 60-colour theme palette.

#include <string>

#include "controls/ExtColorPanels.h"
#include "controls/ExtDropDown.h"
#include "controls/NotifyingCollection.h"

enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  std::string ClassName() const override { return "TColorBoxItem"; }
  void Assign(const TPersistent* Source) override;
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TItemPos ColorBoxPos() const { return FColorBoxPos; }
  void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // The box's place, written by the layout.
  TRect Rect() const { return FRect; }
  void SetRect(const TRect& Value) { FRect = Value; }

private:
  TColor FColor = clNone;
  bool FEnabled = true;
  TRect FRect{-1, -1, -1, -1};
  TItemPos FColorBoxPos = ipStandAlone;
};

class TColorBoxItems : public TNotifyingCollection<TColorBoxItem> {
public:
  using TNotifyingCollection::TNotifyingCollection;
  std::string ClassName() const override { return "TColorBoxItems"; }
};

class TColorBoxAppearance : public TPersistent {
public:
  std::string ClassName() const override { return "TColorBoxAppearance"; }
  void Assign(const TPersistent* Source) override;
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  TColor OuterBorderColorHot() const { return FOuterBorderColorHot; }
  void SetOuterBorderColorHot(TColor Value) { FOuterBorderColorHot = Value; }
  TColor InnerBorderColorHot() const { return FInnerBorderColorHot; }
  void SetInnerBorderColorHot(TColor Value) { FInnerBorderColorHot = Value; }
  TColor OuterBorderColorSelected() const { return FOuterBorderColorSelected; }
  void SetOuterBorderColorSelected(TColor Value) { FOuterBorderColorSelected = Value; }
  TColor InnerBorderColorSelected() const { return FInnerBorderColorSelected; }
  void SetInnerBorderColorSelected(TColor Value) { FInnerBorderColorSelected = Value; }

private:
  TColor FBorderColor = TColor(0xC5C5C5);
  TColor FOuterBorderColorHot = TColor(0x3694F2);
  TColor FInnerBorderColorHot = TColor(0x94E2FF);
  TColor FOuterBorderColorSelected = TColor(0x0000FF);
  TColor FInnerBorderColorSelected = TColor(0x94E2FF);
};

class TCustomColorSelector : public TExtCustomColorSelectorPanel {
public:
  explicit TCustomColorSelector(TComponent* AOwner);
  ~TCustomColorSelector() override;
  std::string ClassName() const override { return "TCustomColorSelector"; }

  TColorBoxAppearance* ColorBoxAppearance() const { return FColorBoxAppearance.get(); }
  void SetColorBoxAppearance(const TColorBoxAppearance* Value) { FColorBoxAppearance->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Index);
  TColorBoxItems* Items() const { return FItems.get(); }
  void SetItems(const TColorBoxItems* Value) { FItems->Assign(Value); }
  int ColumnGap() const { return FColumnGap; }
  void SetColumnGap(int Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
  void SetItemColorStyle(TSelectionColorStyle Value);
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value);
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  int ItemHot() const { return FItemHot; }
  TNotifyEvent OnItemSelect;

  // The 60 theme colours in six rows of ten.
  void FillThemePalette();
  // Lays the boxes out and sizes the panel to them.
  virtual void UpdateItems();
  // The box whose rectangle holds P, or -1.
  int ItemAtPos(TPoint P) const;
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  // The colour picker's keys: Page Up .. Down (33 to 40) only.
  void HandleKey(uint16_t Key, bool EditorEnabled, bool DroppedDown);

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TCMControlMsg& Message) override;
  virtual void DrawItem(int Index, TCanvas* Canvas);
  virtual void GetContentRect(TRect& R) const;
  virtual void GetItemSize(TPoint& Size) const;
  virtual void InvalidateItem(int Index);

private:
  bool validIndex(int Index) const { return Index >= 0 && Index < FItems->Count(); }
  void setItemHot(int Index);
  void drawNow(int Index);
  std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
  std::unique_ptr<TColorBoxItems> FItems;
  int FItemIndex = -1;
  int FColumnGap = 4;
  int FColumns = 10;
  TSelectionColorStyle FItemColorStyle = scCustom;
  int FColorBoxHeight = 12;
  int FColorBoxWidth = 12;
  TColor FSelectedColor = clNone;
  int FItemHot = -1;
  int FOffSetX = 4;
  int FOffSetY = 4;
};
