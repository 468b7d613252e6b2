#pragma once
// The edit with a button inside its right edge (TEsgEditBtn): the button and
// F4 fire OnClickBtn, and typing can be switched off while the button stays
// usable. The unit edit (TEsgUnitEditBtn) shows a unit right of the value,
// chosen from Units in a menu that the button opens.

#include <functional>
#include <string>

#include "controls/ButtonColors.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/forms/std/MaskEdit.h"
#include "toolkit/rtl/StringList.h"

// The push button of the edit-with-button: glyph and caption, owner-coloured, themed or classic.
class TExtSpeedButton : public TSpeedButton {
public:
  explicit TExtSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}
  std::string ClassName() const override { return "TExtSpeedButton"; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value) {
    FIsWinXP = Value;
    Invalidate();
  }
  // The button's own flat look, apart from the toolkit's.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value) {
    FFlat = Value;
    Invalidate();
  }
  bool Hot() const { return FHot; }

protected:
  void Paint() override;
  void CMMouseEnter(TCMControlMsg& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;

private:
  bool FIsWinXP = false;
  bool FFlat = false;
  bool FHot = false;
};

// The window that holds the push button and relays its release as OnClick.
class TEsgEditButton : public TCustomControl, public TButtonColors {
public:
  explicit TEsgEditButton(TComponent* AOwner);
  std::string ClassName() const override { return "TEsgEditButton"; }
  TExtSpeedButton* Button() const { return FButton; }
  TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const TBitmap* Value) { FButton->SetGlyph(Value); }
  int NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
  std::string ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value) {
    FFlat = Value;
    FButton->SetFlat(Value);
  }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TNotifyEvent OnClick;

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WMSize(TWMSize& Message) override;
  void ButtonColorsChanged() override;

private:
  void released(TMouseButton Button);
  void fitButton(int W, int H);
  TExtSpeedButton* FButton;
  TWinControl* FFocusControl = nullptr;
  bool FFlat = false;
};

class TEsgEditBtn : public TCustomMaskEdit {
public:
  explicit TEsgEditBtn(TComponent* AOwner);
  std::string ClassName() const override { return "TEsgEditBtn"; }
  TEsgEditButton* Button() const { return FButton; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  void SetGlyph(const TBitmap* Value) { FButton->SetGlyph(Value); }
  std::string ButtonCaption() const { return FButton->ButtonCaption(); }
  void SetButtonCaption(const std::string& Value) { FButton->SetButtonCaption(Value); }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  bool RightAlign() const { return FRightAlign; }
  void SetRightAlign(bool Value);
  // Fires OnClickBtn with Sender; the holder's click and F4 come here.
  virtual void ClickButton(TObject* Sender);
  TNotifyEvent OnClickBtn;

protected:
  void CreateWnd() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void WMChar(TWMKey& Message) override;
  void WMSize(TWMSize& Message) override;
  // The button and the text follow every size change, also before the window exists.
  void BoundsChanged() override;
  void DoEnter() override;
  void Dispatch(TMessage& Message) override;
  // The width kept free right of the text for a unit.
  int FUnitSize = 0;
  void setFormatRect();

private:
  void layout();
  bool FRightAlign = false;
  TEsgEditButton* FButton;
  bool FEditorEnabled = true;
  int FButtonWidth = 0;
  bool FIsWinXP = false;
};

using TUnitChangeEvent = std::function<void(TObject* Sender, const std::string& NewUnit)>;

class TEsgUnitEditBtn : public TEsgEditBtn {
public:
  explicit TEsgUnitEditBtn(TComponent* AOwner);
  std::string ClassName() const override { return "TEsgUnitEditBtn"; }
  const std::string& UnitID() const { return FUnitID; }
  void SetUnitID(const std::string& Value);
  TStringList* Units() { return &FUnits; }
  void SetUnits(const TStrings* Value) {
    if (Value) FUnits.Assign(Value);
  }
  int UnitSpace() const { return FUnitSize; }
  void SetUnitSpace(int Value);
  // The text followed directly by the unit.
  std::string TextAndUnit() const { return Text() + FUnitID; }
  // Splits a value ending in one of the units; a value that ends in none changes nothing.
  void SetTextAndUnit(const std::string& Value);
  // Fires OnClickBtn, then offers the units in a menu under the button.
  void ClickButton(TObject* Sender) override;
  // The menu's choice: command identifiers 1..Units count; others are ignored.
  void ChooseUnit(int CommandID);
  TUnitChangeEvent OnUnitChanged;

protected:
  void Paint() override;
  void WMCommand(TWMCommand& Message) override;

private:
  std::string FUnitID;
  TStringList FUnits;
};
