#pragma once
// Push buttons, check boxes and radio buttons.

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/CanvasTypes.h"

// What the three have in common: a caption with an accelerator, the pressed
// look while the mouse or the space bar holds them, focus painting.
class TButtonControl : public TCustomControl {
public:
  explicit TButtonControl(TComponent* AOwner);
  std::string ClassName() const override { return "TButtonControl"; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; Invalidate(); }
  void Dispatch(TMessage& Message) override;

protected:
  // The action of a full click (mouse released inside, space released, accelerator).
  virtual void Activate() { Click(); }
  bool Pressed() const { return pressed_; }
  bool HasFocus() const { return focused_; }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void CMDialogChar(TCMDialogChar& Message) override;
  void CMTextChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;

private:
  bool pressed_ = false;
  bool tracking_ = false;
  bool spaceDown_ = false;
  bool focused_ = false;
  bool wordWrap_ = false;
};

class TButton : public TButtonControl {
public:
  explicit TButton(TComponent* AOwner);
  std::string ClassName() const override { return "TButton"; }
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult v) { modalResult_ = v; }
  // Sets the form's ModalResult, then fires OnClick.
  void Click() override;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void CMDialogKey(TCMDialogKey& Message) override;
  void CMFocusChanged(TCMFocusChanged& Message) override;

private:
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;   // the button Enter presses now
  TModalResult modalResult_ = mrNone;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
public:
  explicit TCustomCheckBox(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomCheckBox"; }
  TCheckBoxState State() const { return state_; }
  // Every change of state fires OnClick, whoever made it.
  void SetState(TCheckBoxState v);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  // taRightJustify puts the caption right of the box (the usual look).
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
  virtual void Toggle();
  void Dispatch(TMessage& Message) override;

protected:
  void Activate() override { Toggle(); }
  void Paint() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  TRect CaptionRect();

private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
public:
  explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
  std::string ClassName() const override { return "TCheckBox"; }
};

class TRadioButton : public TButtonControl {
public:
  explicit TRadioButton(TComponent* AOwner);
  std::string ClassName() const override { return "TRadioButton"; }
  bool Checked() const { return checked_; }
  // Checking one unchecks its siblings; becoming checked fires OnClick.
  void SetChecked(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
  void Dispatch(TMessage& Message) override;

protected:
  void Activate() override { SetChecked(true); }
  void Paint() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;

private:
  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};
