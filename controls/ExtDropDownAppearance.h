#pragma once
// How a drop-down popup draws its header and footer strips and the buttons on
// them. Settings only: the popup panels paint them. The grid's control look
// owns one header and one footer appearance and copies them into each
// drop-down cell editor before showing it; stored window layouts hold them,
// so the published properties and their defaults are part of the format.

#include <memory>
#include <string>

#include "controls/ExtDropDownUtil.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Collection.h"

enum TButtonAlignment { baLeft, baRight };

class TComponent;

// What header and footer buttons share. Caption, Enabled and Width tell the
// collection when they change; ImageIndex and Height do not.
class TStripButton : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int Width() const { return FWidth; }  // 0: sized to the content
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }

protected:
  void AssignButton(const TStripButton& Source);

private:
  void notifyCollection();
  std::string FCaption;
  int FImageIndex = -1;
  bool FEnabled = true;
  int FWidth = 0;
  int FHeight = 0;
};

class THeaderButton : public TStripButton {
public:
  using TStripButton::TStripButton;
  std::string ClassName() const override { return "THeaderButton"; }
  void Assign(const TPersistent* Source) override;
};

class TFooterButton : public TStripButton {
public:
  using TStripButton::TStripButton;
  std::string ClassName() const override { return "TFooterButton"; }
  void Assign(const TPersistent* Source) override;
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }

private:
  int FModalResult = 0;
};

// Adding, inserting, deleting or clearing buttons does not fire OnChange;
// only the buttons' own setters do.
class THeaderButtons : public TOwnedCollection {
public:
  explicit THeaderButtons(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<THeaderButton>()) {}
  std::string ClassName() const override { return "THeaderButtons"; }
  THeaderButton* Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
  THeaderButton* Insert(int Index) { return static_cast<THeaderButton*>(TCollection::Insert(Index)); }
  THeaderButton* Items(int Index) const { return ItemsAs<THeaderButton>(Index); }
  void SetItems(int Index, const THeaderButton* Value) { Items(Index)->Assign(Value); }
  TNotifyEvent OnChange;
};

class TFooterButtons : public TCollection {
public:
  explicit TFooterButtons(TPersistent* AOwner) : TCollection(ItemClass<TFooterButton>()), FOwner(AOwner) {}
  std::string ClassName() const override { return "TFooterButtons"; }
  TPersistent* GetOwner() const override { return FOwner; }
  TFooterButton* Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
  TFooterButton* Insert(int Index) { return static_cast<TFooterButton*>(TCollection::Insert(Index)); }
  TFooterButton* Items(int Index) const { return ItemsAs<TFooterButton>(Index); }
  void SetItems(int Index, const TFooterButton* Value) { Items(Index)->Assign(Value); }
  TNotifyEvent OnChange;

private:
  TPersistent* FOwner;
};

// The strip settings the header and footer share. Only Visible fires
// OnChange; the button collection's changes fire OnButtonsChanged.
template <class TButtons>
class TStripAppearance : public TPersistent {
public:
  explicit TStripAppearance(TComponent* AOwner);
  TPersistent* GetOwner() const override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { FColorTo = Value; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { FBorderWidth = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  TButtons* Buttons() const { return FButtons.get(); }
  void SetButtons(const TButtons* Value) { FButtons->Assign(Value); }
  TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
  void SetButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnButtonsChanged;

protected:
  // Colours, font and gradient direction only; no hook fires.
  void AssignStripColors(const TStripAppearance& Source);

private:
  TComponent* FOwnerComponent;
  TColor FColor = TColor(0xC0C0C0);
  TColor FColorTo = TColor(0xFFFFFF);
  std::string FCaption;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  TGradientDirection FGradientDirection = gdVertical;
  bool FVisible = true;
  int FHeight = 22;
  TColor FBorderColor = clBlack;
  int FBorderWidth = 1;
  int FImageIndex = -1;
  std::unique_ptr<TButtons> FButtons;
  TButtonAlignment FButtonAlignment = baRight;

  template <class A> friend void AssignStrip(A& Target, const A& Source);
};

class THeaderAppearance : public TStripAppearance<THeaderButtons> {
public:
  explicit THeaderAppearance(TComponent* AOwner);
  std::string ClassName() const override { return "THeaderAppearance"; }
  // Another class is ignored silently.
  void Assign(const TPersistent* Source) override;
  void AssignColors(const TPersistent* Source);
};

class TFooterAppearance : public TStripAppearance<TFooterButtons> {
public:
  explicit TFooterAppearance(TComponent* AOwner);
  std::string ClassName() const override { return "TFooterAppearance"; }
  void Assign(const TPersistent* Source) override;
  void AssignColors(const TPersistent* Source);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value) { FSizeGrip = Value; }

private:
  bool FSizeGrip = true;
};

// The colours of the strip buttons in each state. Every colour setter and
// the Gradient setter fire OnChange when the value changes; Font does not.
class TExtButtonAppearance : public TPersistent {
public:
  TExtButtonAppearance();
  std::string ClassName() const override { return "TExtButtonAppearance"; }
  void Assign(const TPersistent* Source) override;

#define QUELIX_BUTTON_COLOR(Name)                          \
  TColor Name() const { return F.Name; }                   \
  void Set##Name(TColor Value) { change(F.Name, Value); }
  QUELIX_BUTTON_COLOR(BorderColor)
  QUELIX_BUTTON_COLOR(BorderColorHot)
  QUELIX_BUTTON_COLOR(BorderColorDown)
  QUELIX_BUTTON_COLOR(BorderColorDisabled)
  QUELIX_BUTTON_COLOR(BorderColorChecked)
  QUELIX_BUTTON_COLOR(Color)
  QUELIX_BUTTON_COLOR(ColorTo)
  QUELIX_BUTTON_COLOR(ColorDisabled)
  QUELIX_BUTTON_COLOR(ColorDisabledTo)
  QUELIX_BUTTON_COLOR(ColorDown)
  QUELIX_BUTTON_COLOR(ColorDownTo)
  QUELIX_BUTTON_COLOR(ColorHot)
  QUELIX_BUTTON_COLOR(ColorHotTo)
  QUELIX_BUTTON_COLOR(ColorChecked)
  QUELIX_BUTTON_COLOR(ColorCheckedTo)
#undef QUELIX_BUTTON_COLOR

  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }
  TGradientDirection Gradient() const { return FGradient; }
  void SetGradient(TGradientDirection Value);

  TNotifyEvent OnChange;

private:
  struct TColors {
    TColor BorderColor = clNone, BorderColorHot = TColor(0x808080), BorderColorDown = TColor(0x800000),
           BorderColorDisabled = TColor(0x808080), BorderColorChecked = TColor(0xFF0000);
    TColor Color = clNone, ColorTo = clNone, ColorDisabled = TColor(0xF2F2F2), ColorDisabledTo = clNone;
    TColor ColorDown = TColor(0xF5D8CA), ColorDownTo = TColor(0xF9BDA0);
    TColor ColorHot = TColor(0xF5F0E1), ColorHotTo = TColor(0xF9D2B2);
    TColor ColorChecked = clNone, ColorCheckedTo = clNone;  // derived in the constructor
  };
  void change(TColor& Field, TColor Value);
  TColors F;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  TGradientDirection FGradient = gdVertical;
};
