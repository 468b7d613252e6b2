#pragma once
// The toolkit's date-time picker with the grid look: a one-pixel flat frame
// instead of the 3-D border, focus, disabled and custom-colour borders, and
// in the metro look a redrawn drop button in custom colours. Date, time,
// kind, check box, calendar and keys are the toolkit picker's.

#include <cstdint>
#include <string>

#include "controls/ButtonColors.h"
#include "toolkit/forms/std/DateTimePicker.h"

class TEsgDateTimePicker : public TDateTimePicker, public TButtonColors {
public:
  explicit TEsgDateTimePicker(TComponent* AOwner);
  std::string ClassName() const override { return "TEsgDateTimePicker"; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; Invalidate(); }
  bool MetroStyle() const { return FMetroStyle; }
  void SetMetroStyle(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TBorderStyle Value);
  bool ButtonHover() const { return FButtonHover; }
  bool MouseInControl() const { return FMouseInControl; }
  bool HasFocus() const { return FHasFocus; }
  virtual uint32_t GetVersionNr() const { return 0x01000000; }
  // "major.minor.release.build"; writing it changes nothing.
  std::string Version() const;
  void SetVersion(const std::string&) {}

protected:
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMMouseEnter(TCMControlMsg& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void CMCtl3DChanged(TMessage& Message) override;
  void ButtonColorsChanged() override { Invalidate(); }
  // Whether this class draws the metro look itself (see the picker with label).
  virtual bool NoMetroLook() const { return false; }
  bool Metro() const { return FMetroStyle && !NoMetroLook() && !ComponentState().Contains(csDesigning); }
  // The frame's colour: the parent's for bsNone, else BorderColor.
  TColor FrameColor() const;
  void PaintFlatFrame(TCanvas* Canvas);
  void PaintBorders(TCanvas* Canvas);
  void PaintDropButton(TCanvas* Canvas);
  int FButtonWidth;

private:
  void paintColouredButton(TCanvas* Canvas, const TRect& R, bool MouseDown);
  TBorderStyle FBorderStyle = bsNone;
  TColor FBorderColor = clNone;
  TColor FFocusBorderColor = clNone;
  bool FButtonHover = false;
  bool FMouseInControl = false;
  bool FMetroStyle = false;
  bool FDisabledBorder = false;
  bool FHasFocus = false;
};
