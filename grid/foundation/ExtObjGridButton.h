#pragma once
// TExtGridButton: the grid library's small owner-drawn glyph button (the
// search bar's find, highlight and close buttons). Flat with hot colours and
// gradients, a check button or a member of an exclusive group, an optional
// drop-down part, seven colour looks and the visual style's colours.

#include <memory>

#include "grid/foundation/ExtObj.h"
#include "toolkit/forms/Controls.h"
#include "toolkit/forms/std/GraphicControls.h"

class TBitmap;
class TPopupMenu;

// Where glyph and caption go in a rectangle of the given size.
struct TGlyphCaptionPlace {
  TPoint Glyph;
  TRect Text;
};
TGlyphCaptionPlace CalcGlyphCaptionLayout(const TRect& client, TSize glyph, TSize text, TButtonLayout layout,
                                          int margin, int spacing, bool rightToLeft);

class TExtGridButton : public TGraphicControl {
public:
  explicit TExtGridButton(TComponent* AOwner);
  ~TExtGridButton() override;
  std::string ClassName() const override { return "TExtGridButton"; }

  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v);
  bool Down() const { return FDown; }
  void SetDown(bool v);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* v);
  TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
  void SetGlyphDisabled(const TBitmap* v);
  TBitmap* GlyphHot() const { return FGlyphHot.get(); }
  void SetGlyphHot(const TBitmap* v);
  TBitmap* GlyphDown() const { return FGlyphDown.get(); }
  void SetGlyphDown(const TBitmap* v);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout v);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v);
  int Margin() const { return FMargin; }
  void SetMargin(int v);
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  bool Shaded() const { return FShaded; }
  void SetShaded(bool v);
  TExtGridButtonStyle Style() const { return FStyle; }
  void SetStyle(TExtGridButtonStyle v);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool v);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool v);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool v);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool v);
  bool AutoXPStyle() const { return FAutoXPStyle; }
  void SetAutoXPStyle(bool v) { FAutoXPStyle = v; Invalidate(); }
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* v);
  int Look() const { return FLook; }
  void SetLook(int v);
  TButtonState State() const { return FState; }
  bool Hot() const { return FMouseInControl; }

  TColor ColorTo = clNone, ColorHot = RGB(0xC7, 0xC7, 0xCA), ColorHotTo = clNone;
  TColor ColorDown = RGB(0xD2, 0xD3, 0xD8), ColorDownTo = clNone;
  TColor BorderColor = clNone, BorderDownColor = clNone, BorderHotColor = clNone;
  TColor ColorChecked = RGB(0x80, 0x80, 0x80), ColorCheckedTo = clNone;
  TNotifyEvent OnMouseEnter, OnMouseLeave, OnDropDown;

  void Click() override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void CMMouseEnter(TCMControlMsg& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void ApplyThemeLook();
  void AnnounceGroup();
  void ButtonPressed(int group, TExtGridButton* sender);
  void PaintFace(TCanvas* c, TRect& r, bool hot);
  void PaintGlyphAndCaption(TCanvas* c, const TRect& r, TPoint offset, bool hot);
  TBitmap* ChosenGlyph(bool hot) const;
  void BuildShade();

  int FGroupIndex = 0;
  std::unique_ptr<TBitmap> FGlyph, FGlyphDisabled, FGlyphHot, FGlyphDown, FShade;
  bool FDown = false;
  bool FDragging = false;
  bool FAllowAllUp = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FSpacing = 4;
  int FMargin = -1;
  bool FFlat = true;
  bool FMouseInControl = false;
  bool FShaded = true;
  TExtGridButtonStyle FStyle = tasButton;
  int FLook = 0;
  bool FRounded = false;
  bool FDropDownButton = false;
  bool FAutoThemeAdapt = false;
  bool FAutoXPStyle = false;
  TPopupMenu* FDropDownMenu = nullptr;
  bool FShowCaption = true;
  TButtonState FState = bsUp;
};

// Draws 16 horizontal bands from `from` to `to`, then a frame unless frameColor is clNone.
void DrawButtonGradient(TCanvas* canvas, TColor from, TColor to, TColor frameColor, const TRect& r);
