#pragma once
// The popup of a drop-down editor: a borderless top-most window (an
// override-redirect popup on X11, a geometry-only window headless) that
// carries the header, the member's control and the footer, paints its own
// background and border, and closes when the user presses a mouse button
// anywhere outside it (the platform's deactivation of the popup).

#include <cstdint>

#include "toolkit/forms/Forms.h"

class TExtCustomDropDown;
class TExtHeader;
class TExtFooter;
class TScrollBox;
struct HHOOK__;

class TDropDownForm : public TForm {
public:
  explicit TDropDownForm(TComponent* AOwner);
  ~TDropDownForm() override;
  std::string ClassName() const override { return "TDropDownForm"; }

  uint32_t DeActivateTime() const { return FDeActivate; }
  // Whether the popup was ever deactivated (the clock may start at 0).
  bool WasDeactivated() const { return FWasDeactivated; }
  bool Shadow() const { return FShadow; }
  void SetShadow(bool Value) { FShadow = Value; }
  TExtFooter* Footer() const { return FFooter; }
  TExtHeader* Header() const { return FHeader; }
  TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
  void SetExtDropDown(TExtCustomDropDown* Value) { FExtDropDown = Value; }
  TScrollBox* ScrollBox() const { return FScrollBox; }
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool Value) { FSizeable = Value; }
  bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
  void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
  bool BlockActivate() const { return FBlockActivate; }
  void SetBlockActivate(bool Value) { FBlockActivate = Value; }
  TNotifyEvent OnSizing;

  // (Re)builds the header and footer from the drop-down's appearances.
  void InitializeAndUpdate();
  // The user pressed a mouse button outside the popup while it showed.
  void Deactivated(HWND ActivatedWindow);
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  void CMShowingChanged(TMessage& Message) override;
  void BoundsChanged() override;

private:
  void paintBackground();
  void watchClicks(bool On);
  uint32_t FDeActivate = 0;
  bool FShadow = true;
  TExtFooter* FFooter = nullptr;
  TExtHeader* FHeader = nullptr;
  TExtCustomDropDown* FExtDropDown = nullptr;
  TScrollBox* FScrollBox = nullptr;
  bool FSizeable = false;
  bool FCancelOnDeActivate = true;
  bool FBlockActivate = false;
  HHOOK__* FHook = nullptr;
  bool FWasDeactivated = false;
};
