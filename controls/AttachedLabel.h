#pragma once
// The caption label an editor control carries beside it: made on the first
// caption, parented to the control's parent, placed by LabelPosition and
// following the control's visibility and enabled state. The label belongs
// to the control as owner; it goes with this object, and one freed elsewhere
// is forgotten through Removed.

#include <memory>
#include <string>

#include "controls/LabelPosition.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/graphics/GraphicsObjects.h"

class TAttachedLabel {
public:
  explicit TAttachedLabel(TWinControl* Control);
  ~TAttachedLabel();
  TAttachedLabel(const TAttachedLabel&) = delete;
  TAttachedLabel& operator=(const TAttachedLabel&) = delete;
  TLabel* Label() const { return FLabel; }
  std::string Caption() const;
  void SetCaption(const std::string& Value);
  TLabelPosition Position() const { return FPosition; }
  void SetPosition(TLabelPosition Value) { FPosition = Value; Place(); }
  int Margin() const { return FMargin; }
  void SetMargin(int Value) { FMargin = Value; Place(); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { FTransparent = Value; Place(); }
  bool AlwaysEnabled() const { return FAlwaysEnabled; }
  void SetAlwaysEnabled(bool Value);
  TFont* Font() const { return FFont.get(); }
  // Take the control's font instead of Font.
  bool UseControlFont = false;
  void Place();
  void ControlEnabledChanged(bool Enabled);
  void ControlVisibleChanged(bool Visible);
  // The focus look: bold over the label's font, which itself stays as set.
  void SetBold(bool Bold);
  // The control's Notification passes removals on: a label freed elsewhere is forgotten.
  void Removed(TComponent* AComponent) {
    if (AComponent == FLabel) FLabel = nullptr;
  }
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

private:
  TWinControl* FControl;
  TLabel* FLabel = nullptr;
  std::unique_ptr<TFont> FFont;
  TLabelPosition FPosition = lpLeftTop;
  int FMargin = 4;
  bool FTransparent = false;
  bool FAlwaysEnabled = false;
  bool FBold = false;
};
