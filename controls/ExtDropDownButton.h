#pragma once
// The drop button of the drop-down editors: a windowed host that the edit
// places inside its right edge, holding one drawn button. The drawn button
// paints a drop arrow (themed, in the host's colours, or classic) or a push
// button with glyph and caption; a left release on it is the host's click.

#include "toolkit/forms/std/GraphicControls.h"

enum TButtonStyle { bsButton, bsDropDown };

class TExtDropDownSpeedButton : public TSpeedButton {
public:
  explicit TExtDropDownSpeedButton(TComponent* AOwner);
  std::string ClassName() const override { return "TExtDropDownSpeedButton"; }
  TButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TButtonStyle Value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  bool Focused() const { return FFocused; }
  void SetFocused(bool Value);
  bool Hot() const { return FHot; }
  // Draws as not pressed even while the button's state is down.
  void SetUp(bool Value) { FUp = Value; }
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;

private:
  bool pressed() const;
  int themeState(bool enabled) const;
  void paintDropDown();
  void paintButton();
  void paintButtonContent(TRect r, bool down);
  bool FEtched = false;
  bool FFocused = false;
  bool FHot = false;
  bool FUp = false;
  bool FIsWinXP = true;
  TButtonStyle FButtonStyle = bsButton;
};

class TDropDownEditButton : public TWinControl {
public:
  explicit TDropDownEditButton(TComponent* AOwner);
  std::string ClassName() const override { return "TDropDownEditButton"; }
  TExtDropDownSpeedButton* Button() const { return FButton; }
  TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const TBitmap* Value) { FButton->SetGlyph(Value); }
  std::string ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }
  int NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value) { FFocusControl = Value; }
  int BWidth() const { return FBWidth; }
  void SetBWidth(int Value) { FBWidth = Value; applySize(); }

  TColor ButtonColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TNotifyEvent OnClick;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded() override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CMEnabledChanged(TMessage& Message) override;

private:
  void applySize();
  void buttonUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  TExtDropDownSpeedButton* FButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  int FBWidth = 16;
};
