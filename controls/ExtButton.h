#pragma once
// The push button of the popup's header and footer strips: drawn over its
// parent's background from a shared button appearance in its normal, hot,
// pressed, checked or disabled state, with an optional image and caption.
// A click hands its modal result to its form and, on a footer, closes the
// drop-down's popup with or without cancelling.

#include "toolkit/forms/Controls.h"

class TExtButtonAppearance;
class TExtCustomDropDown;
class TImageList;

enum TExtButtonStyle { tasButton, tasCheck };
enum TExtButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

// The group message a button sends its siblings when it goes down.
constexpr UINT CM_EXTBUTTONPRESSED = 0xB018;

class TExtButton : public TCustomControl {
public:
  explicit TExtButton(TComponent* AOwner);
  std::string ClassName() const override { return "TExtButton"; }
  void Click() override;
  void SetDown(bool Value);
  void SetImages(TImageList* Value) { Images = Value; }
  void SetExtDropDown(TExtCustomDropDown* Value) { ExtDropDown = Value; }
  void SizeToContent();
  void Loaded() override;
  void Dispatch(TMessage& Message) override;

  int GroupIndex = 0;
  bool Down = false;
  bool AllowAllUp = false;
  bool MouseInControl = false;
  TExtButtonStyle Style = tasButton;
  TExtButtonState State = absUp;
  bool MouseDownInControl = false;
  bool Dragging = false;
  TExtButtonAppearance* Appearance = nullptr;
  TImageList* Images = nullptr;
  int ImageIndex = -1;
  TModalResult ModalResult = mrNone;
  TExtCustomDropDown* ExtDropDown = nullptr;

protected:
  void Paint() override;
  virtual void DrawButton(TCanvas* ACanvas);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  bool inside(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight(); }
  void groupPressed(TMessage& Message);
  bool InitialDown = false;
  bool InternalClick = false;
};
