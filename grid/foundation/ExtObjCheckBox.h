#pragma once
// TExtCheckBox: the grid library's owner-drawn check box (the search bar's
// match-case option). Themed box when visual styles are on, classic frame
// otherwise; toggles on mouse release inside, on the space key and on its
// accelerator.

#include <memory>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/std/Button.h"

class TBitmap;

// Left or right justify: where the box sits.
using TLeftRight = TAlignment;

class TExtCheckBox : public TCustomControl {
public:
  explicit TExtCheckBox(TComponent* AOwner);
  ~TExtCheckBox() override;
  std::string ClassName() const override { return "TExtCheckBox"; }

  virtual void Toggle();
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool v);
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState v);
  bool Down() const { return FDown; }
  void SetDown(bool v) { FDown = v; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool v) { FReturnIsTab = v; }
  TTextLayout ButtonVertAlign() const { return FButtonVertAlign; }
  void SetButtonVertAlign(TTextLayout v);
  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight v);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool TransparentChaching() const { return FTransparentChaching; }
  void SetTransparentChaching(bool v) { FTransparentChaching = v; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // The box as drawn now (client coordinates), for the looks.
  TRect BoxRect() const;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;
  void CMMouseEnter(TCMControlMsg& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMDialogChar(TCMDialogChar& Message) override;
  void WMEraseBkgnd(TWMEraseBkgnd& Message) override;

private:
  bool Themed() const;
  void InvalidateBox();
  void PaintParentBackground(TCanvas* canvas);

  bool FDown = false;
  TCheckBoxState FState = cbUnchecked;
  bool FFocused = false;
  bool FReturnIsTab = false;
  TTextLayout FButtonVertAlign = tlTop;
  TLeftRight FAlignment = taLeftJustify;
  bool FEllipsis = false;
  bool FHot = false;
  bool FReadOnly = false;
  bool FMouseDown = false;
  std::unique_ptr<TBitmap> FBackground;
  bool FBackgroundCached = false;
  bool FTransparentChaching = false;
  bool FTransparent = false;
};
