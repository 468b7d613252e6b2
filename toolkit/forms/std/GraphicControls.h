#pragma once
// Windowless controls that show pictures: TImage and TSpeedButton.

#include <memory>

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Picture.h"

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  std::string ClassName() const override { return "TImage"; }
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TPicture* v) { picture_->Assign(v); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { stretch_ = v; Invalidate(); }
  bool Center() const { return center_; }
  void SetCenter(bool v) { center_ = v; Invalidate(); }
  bool Proportional() const { return proportional_; }
  void SetProportional(bool v) { proportional_ = v; Invalidate(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; Invalidate(); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v) { autoSize_ = v; pictureChanged(); }
  // Where the picture is drawn inside the control.
  TRect DestRect() const;

protected:
  void Paint() override;

private:
  void pictureChanged();
  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false, center_ = false, proportional_ = false, transparent_ = false, autoSize_ = false;
};

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;
  std::string ClassName() const override { return "TSpeedButton"; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v) { groupIndex_ = v; }
  bool Down() const { return down_; }
  // In a group, going down lifts the others; without a group it stays up.
  void SetDown(bool v);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v) { allowAllUp_ = v; }
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { flat_ = v; Invalidate(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; Invalidate(); }
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* v);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int v) { numGlyphs_ = std::clamp(v, 1, 4); Invalidate(); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout v) { layout_ = v; Invalidate(); }
  int Margin() const { return margin_; }
  void SetMargin(int v) { margin_ = v; Invalidate(); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { spacing_ = v; Invalidate(); }
  // The look now: up, disabled, pressed/down, or down in a group.
  TButtonState State() const;
  void Click() override;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void paintGlyphAndCaption(TCanvas* c, TRect r, TButtonState state);
  int groupIndex_ = 0;
  bool down_ = false, allowAllUp_ = false, flat_ = false, transparent_ = true;
  bool pressed_ = false, tracking_ = false, hot_ = false;
  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1, spacing_ = 4;
};
