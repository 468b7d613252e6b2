#pragma once
// The header and footer strips of a drop-down popup: a solid or gradient
// background, a border that merges with the popup's frame, an optional
// image, an HTML caption the owner may replace, and a row of strip buttons
// built from the appearance's collection. The footer adds a size grip.

#include <memory>
#include <vector>

#include "controls/ExtDropDown.h"
#include "toolkit/forms/Controls.h"

class TExtButton;

// What both strips share; Appearance is the strip's private copy.
template <class TAppearance>
class TExtStripPanel : public TCustomControl {
public:
  explicit TExtStripPanel(TComponent* AOwner);
  TAppearance* Appearance() const { return FAppearance.get(); }
  void SetAppearance(const TAppearance* Value) { FAppearance->Assign(Value); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
  void SetExtDropDown(TExtCustomDropDown* DropDown);
  void UpdateButtons() {
    if (FExtDropDown) BuildButtons();
  }
  const std::vector<TExtButton*>& ButtonList() const { return FButtonList; }
  TDrawBackGroundEvent OnDrawBackGround;
  TGetTextEvent OnGetText;

  virtual void BuildButtons();
  virtual void ClearButtons();
  virtual void ArrangeButtons();
  virtual void RefreshButtons();

protected:
  virtual bool IsFooter() const = 0;
  virtual const TAppearance* DropDownAppearance() const = 0;
  virtual TRect ButtonArea() const;
  void Paint() override;
  void BoundsChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The caption with its image, inside T.
  void PaintContent(TRect T);
  void ApplyAppearance();

  std::unique_ptr<TAppearance> FAppearance;
  TImageList* FImages = nullptr;
  TExtCustomDropDown* FExtDropDown = nullptr;
  std::vector<TExtButton*> FButtonList;

private:
  void buttonClick(TObject* Sender);
};

class TExtHeader : public TExtStripPanel<THeaderAppearance> {
public:
  explicit TExtHeader(TComponent* AOwner);
  std::string ClassName() const override { return "TExtHeader"; }

protected:
  bool IsFooter() const override { return false; }
  const THeaderAppearance* DropDownAppearance() const override;
  void Paint() override;
};

class TExtFooter : public TExtStripPanel<TFooterAppearance> {
public:
  explicit TExtFooter(TComponent* AOwner);
  std::string ClassName() const override { return "TExtFooter"; }
  bool SizeGripActive() const;

protected:
  bool IsFooter() const override { return true; }
  const TFooterAppearance* DropDownAppearance() const override;
  TRect ButtonArea() const override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

private:
  bool inGrip(int X, int Y) const;
  void paintGrip(const TRect& R);
  TCursor OldCursor = crDefault;
};
