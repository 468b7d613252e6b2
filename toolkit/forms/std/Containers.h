#pragma once
// Containers and decorations: TGroupBox, TRadioGroup, TPanel, TBevel, TShape.

#include <memory>
#include <vector>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/rtl/StringList.h"

class TCustomGroupBox : public TCustomControl {
public:
  explicit TCustomGroupBox(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomGroupBox"; }
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
public:
  explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
  std::string ClassName() const override { return "TGroupBox"; }
};

// A group box that owns one radio button per item, laid out in Columns.
class TCustomRadioGroup : public TCustomGroupBox {
public:
  explicit TCustomRadioGroup(TComponent* AOwner);
  ~TCustomRadioGroup() override;
  std::string ClassName() const override { return "TCustomRadioGroup"; }
  TStrings* Items() { return items_.get(); }
  void SetItems(const TStrings* v) { items_->Assign(v); }
  int ItemIndex() const { return itemIndex_; }
  // Out-of-range values mean no item.
  void SetItemIndex(int v);
  int Columns() const { return columns_; }
  void SetColumns(int v);
  TRadioButton* Buttons(int Index) const { return buttons_.at(Index); }

protected:
  void BoundsChanged() override;

private:
  void rebuild();
  void arrange();
  void buttonClicked(TRadioButton* b);
  std::unique_ptr<TStringList> items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
public:
  explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}
  std::string ClassName() const override { return "TRadioGroup"; }
};

enum TPanelBevel { pbNone = bvNone, pbLowered = bvLowered, pbRaised = bvRaised, pbSpace = bvSpace };

class TCustomPanel : public TCustomControl {
public:
  explicit TCustomPanel(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomPanel"; }
  // The panel's own bevels (a redeclared property: the base keeps its own).
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v) { bevelOuter_ = v; Realign(); Invalidate(); }
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v) { bevelInner_ = v; Realign(); Invalidate(); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v) { bevelWidth_ = v; Realign(); Invalidate(); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v) { borderStyle_ = v; Realign(); Invalidate(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
  TTextLayout VerticalAlignment() const { return verticalAlignment_; }
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool v) { parentBackground_ = v; Invalidate(); }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool v) { showCaption_ = v; Invalidate(); }
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  int FrameWidth() const;

private:
  TBevelCut bevelOuter_ = bvRaised;
  TBevelCut bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  TBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
  TTextLayout verticalAlignment_ = tlCenter;
  bool parentBackground_ = true;
  bool showCaption_ = true;
};

class TPanel : public TCustomPanel {
public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
  std::string ClassName() const override { return "TPanel"; }
};

enum TBevelStyle { bsLowered, bsRaised };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };

class TBevel : public TGraphicControl {
public:
  explicit TBevel(TComponent* AOwner);
  std::string ClassName() const override { return "TBevel"; }
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle v) { style_ = v; Invalidate(); }
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape v) { shape_ = v; Invalidate(); }

protected:
  void Paint() override;

private:
  TBevelStyle style_ = bsLowered;
  TBevelShape shape_ = bsBox;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
public:
  explicit TShape(TComponent* AOwner);
  ~TShape() override;
  std::string ClassName() const override { return "TShape"; }
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType v) { shape_ = v; Invalidate(); }
  TPen* Pen() const { return pen_.get(); }
  TBrush* Brush() const { return brush_.get(); }

protected:
  void Paint() override;

private:
  TShapeType shape_ = stRectangle;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
};

// Draws a classic 3-D frame of the given width and moves R inside it.
void Frame3D(TCanvas* Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width);
