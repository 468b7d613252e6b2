#pragma once
// The calculator keypad: a collection of keys laid out in the calculator's
// fixed 28-key grid, painted as themed push buttons with caption or image,
// tracking the hot and pressed key and reporting completed clicks.

#include <functional>
#include <memory>
#include <string>

#include "controls/ItemLayout.h"
#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Collection.h"

class TImageList;
class TCustomEdit;

enum TButtonPanelType { plCalculator, plCustom };

class TButtonItem : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  std::string ClassName() const override { return "TButtonItem"; }
  void Assign(const TPersistent* Source) override;
  std::string Caption;
  TColor CaptionColor = TColor(0xFFFFFF);
  int ImageIndex = -1;
  std::unique_ptr<TPicture> Image = std::make_unique<TPicture>();
  int Tag = 0;
  bool Enabled = true;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  std::string Name;
  bool Special = false;
  TRect Rect() const { return Bounds(Left, Top, Width, Height); }
};

class TButtonItems : public TCollection {
public:
  explicit TButtonItems(TPersistent* AOwner) : TCollection(ItemClass<TButtonItem>()), FOwner(AOwner) {}
  std::string ClassName() const override { return "TButtonItems"; }
  TPersistent* GetOwner() const override { return FOwner; }
  TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
  TButtonItem* Items(int Index) const { return ItemsAs<TButtonItem>(Index); }
  TNotifyEvent OnChange;

private:
  TPersistent* FOwner;
};

class TButtonAppearance : public TPersistent {
public:
  TButtonAppearance();
  std::string ClassName() const override { return "TButtonAppearance"; }
  void Assign(const TPersistent* Source) override;
#define QUELIX_CALC_COLOR(Name)               \
  TColor Name() const { return F##Name; }     \
  void Set##Name(TColor Value) { change(F##Name, Value); }
  QUELIX_CALC_COLOR(BorderColor)
  QUELIX_CALC_COLOR(BorderColorHot)
  QUELIX_CALC_COLOR(BorderColorDown)
  QUELIX_CALC_COLOR(BorderColorChecked)
  QUELIX_CALC_COLOR(Color)
  QUELIX_CALC_COLOR(ColorTo)
  QUELIX_CALC_COLOR(ColorDown)
  QUELIX_CALC_COLOR(ColorDownTo)
  QUELIX_CALC_COLOR(ColorHot)
  QUELIX_CALC_COLOR(ColorHotTo)
  QUELIX_CALC_COLOR(ColorChecked)
  QUELIX_CALC_COLOR(ColorCheckedTo)
  QUELIX_CALC_COLOR(ColorDisabled)
  QUELIX_CALC_COLOR(ColorDisabledTo)
  QUELIX_CALC_COLOR(TextColor)
  QUELIX_CALC_COLOR(SpecialTextColor)
#undef QUELIX_CALC_COLOR
  TColor GlowColorHot = TColor(0xD5C244);
  TColor GlowColorDown = TColor(0xD5C244);
  TColor ShineColor = TColor(0xFFFFFF);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }
  TNotifyEvent OnChange;

private:
  void change(TColor& Field, TColor Value);
  TColor FBorderColor = 0, FBorderColorHot = 0, FBorderColorDown = 0, FBorderColorChecked = TColor(0xFF0000);
  TColor FColor = TColor(0x9A915F), FColorTo = TColor(0xB0A170);
  TColor FColorDown = TColor(0x4B2F08), FColorDownTo = TColor(0xADB514);
  TColor FColorHot = TColor(0x9F6F1C), FColorHotTo = TColor(0xD5C244);
  TColor FColorChecked = TColor(0xF5D8CA), FColorCheckedTo = TColor(0xF9BDA0);
  TColor FColorDisabled = TColor(0xF2F2F2), FColorDisabledTo = TColor(0xF2F2F2);
  TColor FTextColor = 0, FSpecialTextColor = TColor(0x000080);
  std::unique_ptr<TFont> FFont;
};

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

class TCustomButtonPanel : public TCustomControl {
public:
  explicit TCustomButtonPanel(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomButtonPanel"; }
  TButtonItems* Buttons() const { return FButtons.get(); }
  TButtonAppearance* ButtonAppearance() const { return FAppearance.get(); }
  void SetButtonAppearance(const TButtonAppearance* Value) { FAppearance->Assign(Value); }
  TItemLayout ButtonLayout = ilCaptionRight;
  TButtonPanelType ButtonPanelType() const { return FType; }
  void SetButtonPanelType(TButtonPanelType Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  TCustomEdit* Edit = nullptr;
  // The calculator this keypad belongs to; none for a free-standing one.
  TControl* Calculator = nullptr;
  TCalculatorButtonClickEvent OnButtonClick;
  int HotIndex() const { return FHot; }
  int PressedIndex() const { return FPressed; }

  virtual void DrawButton(int Index, TCanvas* ACanvas);
  virtual void GetContentRect(TRect& R);
  virtual void ClearButtons() { FButtons->Clear(); }
  virtual void ResetButtons();
  virtual void BuildButtons();
  virtual void LayoutButtons();
  virtual void InvalidateButton(int Index);
  virtual void ButtonClick(int Index);
  void Loaded() override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void BoundsChanged() override;
  void Dispatch(TMessage& Message) override;

private:
  int keyAt(int X, int Y) const;
  void setTracked(int& Field, int Index);
  std::unique_ptr<TButtonItems> FButtons;
  std::unique_ptr<TButtonAppearance> FAppearance;
  TButtonPanelType FType = plCalculator;
  TImageList* FImages = nullptr;
  int FHot = -1, FPressed = -1;
  int OffSetX = 8, OffSetY = 8, ButtonOffSetX = 4, ButtonOffSetY = 4, CaptionGap = 0;
};
