#pragma once
// TLbButton: the program's own push button, used for every button of every
// window. It paints itself (a face that follows hot tracking and presses, a
// frame in one of six looks, an optional glyph strip and a caption), closes
// its modal window with its modal result, acts as default or cancel button,
// answers its caption's accelerator, and can let its hot colour fade out.

#include <memory>
#include <string>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/graphics/GraphicsObjects.h"

class TLbButtonThread;

enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
// The glyph positions are those of the framework's own glyph buttons.
using TLbButtonLayout = TButtonLayout;
enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbColorStyle {
  lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP, lcsAqua,
  lcsDefault, lcsQuicken
};

// The eight values a colour preset sets.
struct TLbColorPreset {
  TColor Color, LightColor, ShadowColor, ColorWhenDown, HotTrackColor, FontColor;
  bool Flat;
  TLbButtonStyle Style;
};
TLbColorPreset GetColorStyleColors(TLbColorStyle Style);

// Per channel Color * (1 - Step/8) + HotTrackColor * Step/8, rounded; system
// colours are resolved first.
TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int Step);

// 32 bands from Start at Top to End at Bottom, filled without outline.
void FillGradientBands(TCanvas* Canvas, TColor Start, TColor End, int Left, int Top, int Right, int Bottom);

// Draws cell Index of a strip of NumGlyphs cells at (X, Y); the colour of the
// cell's bottom-left pixel does not paint. A cell beyond the strip shows the
// first one.
void DrawGlyphCell(TCanvas* Canvas, TBitmap* Strip, int NumGlyphs, int Index, int X, int Y);

class TLbButton : public TCustomControl {
public:
  explicit TLbButton(TComponent* AOwner);
  ~TLbButton() override;
  std::string ClassName() const override { return "TLbButton"; }

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { FAlignment = v; Invalidate(); }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool v) { FCancel = v; }
  bool Default() const { return FDefault; }
  void SetDefault(bool v) { FDefault = v; }
  // The caption through the control text; every Set_Lang uses it.
  void SetCaption(const std::string& v);
  TLbColorStyle ColorStyle() const { return FDummyStyle; }
  // Applies a preset; the property keeps reading lcsCustom.
  void SetColorStyle(TLbColorStyle v);
  TColor ColorWhenDown() const { return FColorWhenDown; }
  void SetColorWhenDown(TColor v) { FColorWhenDown = v; }
  void SetEnabled(bool v) override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool v) { FFlat = v; Invalidate(); }
  TBitmap* Glyph() const { return FGlyph.get(); }
  // Copies the bitmap (nullptr empties the glyph); cells are square.
  void SetGlyph(const TBitmap* v);
  TColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(TColor v) { FHotTrackColor = v; }
  TFont* HotTrackFont() const { return FHTFont.get(); }
  void SetHotTrackFont(const TFont* v) { FHTFont->Assign(v); }
  TLbButtonKind Kind() const { return FKind; }
  void SetKind(TLbButtonKind v);
  TLbButtonLayout Layout() const { return FLayout; }
  void SetLayout(TLbButtonLayout v) { FLayout = v; Invalidate(); }
  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor v) { FLightColor = v; Invalidate(); }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v) { FModalResult = v; FKind = bkCustom; }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v) { FNumGlyphs = v; Invalidate(); }
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor v) { FShadowColor = v; Invalidate(); }
  bool SlowDecease() const { return FSlowDecease; }
  void SetSlowDecease(bool v);
  TLbButtonStyle Style() const { return FStyle; }
  void SetStyle(TLbButtonStyle v);
  bool UseHotTrackFont() const { return FUseHTFont; }
  void SetUseHotTrackFont(bool v) { FUseHTFont = v; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v) { FWordWrap = v; Invalidate(); }

  // OnClick and OnMouseEnter are the control's own events.
  TNotifyEvent OnMouseExit;

  void Click() override;
  void Dispatch(TMessage& Message) override;

  // State a test or a painter may read.
  bool Down() const { return bDown; }
  bool CursorOnButton() const { return bCursorOnButton; }
  int HotTrackStep() const { return FHotTrackStep; }
  // The face colour the next paint uses.
  TColor FaceColor() const;
  // The glyph cell the next paint shows.
  int GlyphIndex() const;
  // The fade worker, while slow fade is on; paused when it does not tick.
  TLbButtonThread* FadeThread() const { return FThread.get(); }
  // One fade step: the hot colour loses one eighth.
  void FadeStep();

protected:
  void Paint() override;
  void PaintButtonFace(TCanvas* C, int W, int H, bool Hot, bool Pressed, TFont* WorkFont);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void CMMouseEnter(TCMControlMsg& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;
  void CMDialogKey(TCMDialogKey& Message) override;
  void CMDialogChar(TCMDialogChar& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;

private:
  bool ParentShowing() const;
  TColor FaceFor(bool Pressed) const;
  int GlyphIndexFor(bool Hot, bool Pressed) const;
  void StopThread();
  void DrawCaptionAndGlyph(TCanvas* C, int W, int H, int o, bool Hot, bool Pressed);
  void DrawDropDownArrow(TCanvas* C, int W, int H);

  TAlignment FAlignment = taCenter;
  TColor FShadowColor = clGray;
  TColor FColorWhenDown = clNone;
  bool FEnabled = true;
  bool FFlat = false;
  bool FWordWrap = false;
  std::unique_ptr<TBitmap> FGlyph;
  TColor FHotTrackColor = clNone;
  std::unique_ptr<TFont> FHTFont;
  TLbButtonKind FKind = bkCustom;
  TLbButtonLayout FLayout = blGlyphLeft;
  TColor FLightColor = clWhite;
  TModalResult FModalResult = mrNone;
  int FNumGlyphs = 0;
  bool FUseHTFont = false;
  TLbColorStyle FDummyStyle = lcsCustom;
  TLbButtonStyle FStyle = bsNormal;
  bool FDefault = false;
  bool FCancel = false;
  bool FSlowDecease = false;
  bool bDown = false;
  bool bCursorOnButton = false;
  bool bFocused = false;
  uint16_t FKeyPressed = 0;  // Enter or Space while held on this button
  bool bDestroying = false;
  std::unique_ptr<TLbButtonThread> FThread;
  int FHotTrackStep = 0;
};
