#pragma once
// TEsgCustomCombo/TEsgComboBox: the toolkit's combo box with a look of its
// own (flat, custom border and button colours, focus border and colour), an
// attached caption label and an event when the list closes. Typing, list
// navigation and completion stay the toolkit combo's. The string grid's
// combo editor derives from it.

#include <memory>
#include <string>

#include "controls/AttachedLabel.h"
#include "toolkit/forms/std/ComboBox.h"

class TEsgCustomCombo : public TCustomComboBox {
public:
  explicit TEsgCustomCombo(TComponent* AOwner);
  ~TEsgCustomCombo() override;
  std::string ClassName() const override { return "TEsgCustomCombo"; }

  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool v) { FAutoFocus = v; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v);
  // Accepted from 14 to 32 pixels; other widths are ignored.
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int v);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool v) { FDisabledBorder = v; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor v) { FFlatLineColor = v; Invalidate(); }
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool v) { FFlatParentColor = v; Invalidate(); }
  bool Etched() const { return FEtched; }
  void SetEtched(bool v);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool v) { FFocusBorder = v; }
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor v) { FFocusBorderColor = v; }
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor v) { FFocusColor = v; }
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool v) { FFocusLabel = v; }
  // The width of the dropped list; 0 keeps the combo's width.
  int DropWidth() const { return FDropWidth; }
  void SetDropWidth(int v);

  std::string LabelCaption() const { return FLabel.Caption(); }
  // Makes the label on first use, beside the combo on its parent.
  void SetLabelCaption(const std::string& v) { FLabel.SetCaption(v); }
  TLabelPosition LabelPosition() const { return FLabel.Position(); }
  void SetLabelPosition(TLabelPosition v) { FLabel.SetPosition(v); }
  int LabelMargin() const { return FLabel.Margin(); }
  void SetLabelMargin(int v) { FLabel.SetMargin(v); }
  bool LabelTransparent() const { return FLabel.Transparent(); }
  void SetLabelTransparent(bool v) { FLabel.SetTransparent(v); }
  bool LabelAlwaysEnabled() const { return FLabel.AlwaysEnabled(); }
  void SetLabelAlwaysEnabled(bool v) { FLabel.SetAlwaysEnabled(v); }
  TFont* LabelFont() const { return FLabel.Font(); }
  // Ignored while the combo takes its parent's font.
  void SetLabelFont(const TFont* v);
  TLabel* ComboLabel() const { return FLabel.Label(); }

  // Plain stores, read by the custom button drawing.
  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor v) { FButtonColor = v; }
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor v) { FButtonColorHot = v; }
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor v) { FButtonColorDown = v; }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor v) { FButtonTextColor = v; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor v) { FButtonTextColorHot = v; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor v) { FButtonTextColorDown = v; }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor v) { FButtonBorderColor = v; }
  // Set by the owner from the system's version, never by the control.
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool v) { FIsWinXP = v; }
  bool IsVista() const { return FIsVista; }
  void SetIsVista(bool v) { FIsVista = v; }

  void SetEnabled(bool v) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded() override;
  // While loading, the colour written is also remembered as the loaded
  // colour, which Loaded and Flat come back to.
  void SetColor(TColor v);
  TColor LoadedColor() const { return FLoadedColor; }
  // The colour restored when the focus leaves: the colour now.
  void Init() { FNormalColor = Color(); }
  // Selects the first item equal to AString; no change when there is none.
  void SelectItem(const std::string& AString);

  bool MouseInControl() const { return FMouseInControl; }
  bool ButtonHover() const { return FButtonHover; }

  TNotifyEvent OnDropUp;

protected:
  void CloseUp() override;
  void DropDown() override;
  void Paint() override;
  int DropButtonWidth() const override { return FButtonWidth - 2; }
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMMouseEnter(TCMControlMsg& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMParentFontChanged(TMessage& Message) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void placeLabel();
  void drawBorders(TCanvas* C);
  void drawButton(TCanvas* C);
  bool activeLook() const;
  void setLabelBold(bool Bold);

  bool FAutoFocus = false;
  bool FFlat = false;
  bool FEtched = false;
  TColor FOldColor = 0;
  TColor FLoadedColor = clWindow;
  bool FOldParentColor = false;
  int FButtonWidth;
  bool FFocusBorder = false;
  bool FMouseInControl = false;
  int FDropWidth = 0;
  bool FIsWinXP = false;
  bool FButtonHover = false;
  TAttachedLabel FLabel;
  TColor FFlatLineColor = clNone;
  bool FFlatParentColor = true;
  TColor FFocusColor = clNone;
  TColor FFocusBorderColor = clNone;
  TColor FBorderColor = clNone;
  bool FDisabledBorder = true;
  TColor FNormalColor = 0;
  bool FHasFocus = false;
  bool FFocusLabel = false;
  TColor FButtonColorDown = clNone, FButtonBorderColor = clNone, FButtonTextColor = clNone,
         FButtonTextColorHot = clNone, FButtonColor = clNone, FButtonColorHot = clNone,
         FButtonTextColorDown = clNone;
  bool FIsVista = false;
};

class TEsgComboBox : public TEsgCustomCombo {
public:
  explicit TEsgComboBox(TComponent* AOwner) : TEsgCustomCombo(AOwner) {}
  std::string ClassName() const override { return "TEsgComboBox"; }
};
