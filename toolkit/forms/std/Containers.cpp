#include "toolkit/forms/std/Containers.h"

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"

void Frame3D(TCanvas* Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width) {
  R.Right -= 1;
  R.Bottom -= 1;
  for (int i = 0; i < Width; ++i) {
    Canvas->Pen()->SetColor(TopColor);
    Canvas->MoveTo(R.Left, R.Bottom);
    Canvas->LineTo(R.Left, R.Top);
    Canvas->LineTo(R.Right, R.Top);
    Canvas->Pen()->SetColor(BottomColor);
    Canvas->LineTo(R.Right, R.Bottom);
    Canvas->LineTo(R.Left - 1, R.Bottom);
    InflateRect(R, -1, -1);
  }
  R.Right += 1;
  R.Bottom += 1;
}

// ---- TCustomGroupBox ----

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csParentBackground});
  SetBounds(0, 0, 185, 105);
  SetColor(clBtnFace);
}

int TCustomGroupBox::CaptionHeight() {
  Canvas()->Font()->Assign(Font());
  return Canvas()->TextHeight("0");
}

void TCustomGroupBox::AlignControls(TControl* AControl, TRect& Rect) {
  Rect.Top += CaptionHeight() + 2;
  InflateRect(Rect, -2, -2);
  TCustomControl::AlignControls(AControl, Rect);
}

void TCustomGroupBox::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  int h = CaptionHeight();
  TRect frame = Rect(0, h / 2, r.Right, r.Bottom);
  if (!DrawThemed(c, "button", BP_GROUPBOX, Enabled() ? GBS_NORMAL : GBS_DISABLED, frame))
    c->DrawEdge(frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty()) return;
  c->Font()->Assign(Font());
  TRect text = Rect(0, 0, 0, h);
  c->DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
  OffsetRect(text, 8, 0);
  text.Right += 2;
  c->Brush()->SetColor(Color());
  c->FillRect(text);
  OffsetRect(text, 1, 0);
  DrawCaption(c, Caption(), text, DT_SINGLELINE | DT_LEFT, Enabled());
}

void TCustomGroupBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    TCMDialogChar m(Message);
    if (IsAccel(m.CharCode, Caption()) && CanFocus()) {
      SelectFirst();
      Message.Result = 1;
      return;
    }
  }
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) Invalidate();
  TCustomControl::Dispatch(Message);
}

// ---- TCustomRadioGroup ----

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner)
    : TCustomGroupBox(AOwner), items_(std::make_unique<TStringList>()) {
  items_->OnChange = [this](TObject*) { rebuild(); };
}

TCustomRadioGroup::~TCustomRadioGroup() { items_->OnChange = nullptr; }

void TCustomRadioGroup::rebuild() {
  while (buttons_.size() > static_cast<size_t>(items_->Count())) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  while (buttons_.size() < static_cast<size_t>(items_->Count())) {
    auto* b = new TRadioButton(this);
    b->SetParent(this);
    b->OnClick = [this, b](TObject*) { buttonClicked(b); };
    buttons_.push_back(b);
  }
  updating_ = true;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetCaption(items_->Get(static_cast<int>(i)));
    buttons_[i]->SetChecked(static_cast<int>(i) == itemIndex_);
  }
  updating_ = false;
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
  arrange();
}

void TCustomRadioGroup::arrange() {
  if (buttons_.empty()) return;
  int top = CaptionHeight() + 2;
  int cols = std::max(1, columns_);
  int rows = (static_cast<int>(buttons_.size()) + cols - 1) / cols;
  int colWidth = (Width() - 10) / cols;
  int rowHeight = std::max(1, (Height() - top - 4) / rows);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    int col = static_cast<int>(i) / rows, row = static_cast<int>(i) % rows;
    int h = std::min(rowHeight, 17 + 4);
    buttons_[i]->SetBounds(8 + col * colWidth, top + row * rowHeight + (rowHeight - h) / 2, colWidth - 4, h);
  }
}

void TCustomRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  arrange();
}

void TCustomRadioGroup::SetColumns(int v) {
  columns_ = std::clamp(v, 1, 16);
  arrange();
}

void TCustomRadioGroup::SetItemIndex(int v) {
  if (v < 0 || v >= items_->Count()) v = -1;
  if (v == itemIndex_) return;
  itemIndex_ = v;
  updating_ = true;
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == v);
  updating_ = false;
}

void TCustomRadioGroup::buttonClicked(TRadioButton* b) {
  if (updating_ || !b->Checked()) return;
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i] == b) itemIndex_ = static_cast<int>(i);
  Click();
}

// ---- TCustomPanel ----

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                   csReplicatable, csParentBackground});
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

int TCustomPanel::FrameWidth() const {
  int w = BorderWidth();
  if (bevelOuter_ != bvNone) w += bevelWidth_;
  if (bevelInner_ != bvNone) w += bevelWidth_;
  if (borderStyle_ == bsSingle) w += 1;
  return w;
}

void TCustomPanel::AlignControls(TControl* AControl, TRect& Rect) {
  InflateRect(Rect, -FrameWidth(), -FrameWidth());
  TCustomControl::AlignControls(AControl, Rect);
}

void TCustomPanel::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  if (borderStyle_ == bsSingle) {
    c->Brush()->SetColor(clWindowFrame);
    c->FrameRect(r);
    InflateRect(r, -1, -1);
  }
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    if (cut == bvSpace) { InflateRect(r, -bevelWidth_, -bevelWidth_); return; }
    Frame3D(c, r, cut == bvLowered ? clBtnShadow : clBtnHighlight, cut == bvLowered ? clBtnHighlight : clBtnShadow,
            bevelWidth_);
  };
  bevel(bevelOuter_);
  InflateRect(r, -BorderWidth(), -BorderWidth());
  bevel(bevelInner_);
  if (!showCaption_ || Caption().empty()) return;
  static const uint32_t kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  c->Font()->Assign(Font());
  InflateRect(r, -1, -1);
  DrawCaption(c, Caption(), r, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | kAlign[alignment_], Enabled());
}

void TCustomPanel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) Invalidate();
  TCustomControl::Dispatch(Message);
}

// ---- TBevel ----

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle({csReplicatable});
  SetBounds(0, 0, 50, 50);
}

void TBevel::Paint() {
  TCanvas* c = Canvas();
  TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  TRect r = ClientRect();
  auto line = [&](int x1, int y1, int x2, int y2, TColor color) {
    c->Pen()->SetColor(color);
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
  };
  int w = r.Width(), h = r.Height();
  switch (shape_) {
    case bsBox: Frame3D(c, r, first, second, 1); break;
    case bsFrame: {
      TRect inner = r;
      Frame3D(c, r, first, first, 1);
      inner.Left += 1;
      inner.Top += 1;
      Frame3D(c, inner, second, second, 1);
      break;
    }
    case bsTopLine: line(0, 0, w, 0, first); line(0, 1, w, 1, second); break;
    case bsBottomLine: line(0, h - 2, w, h - 2, first); line(0, h - 1, w, h - 1, second); break;
    case bsLeftLine: line(0, 0, 0, h, first); line(1, 0, 1, h, second); break;
    case bsRightLine: line(w - 2, 0, w - 2, h, first); line(w - 1, 0, w - 1, h, second); break;
    case bsSpacer: break;
  }
}

// ---- TShape ----

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
  SetBounds(0, 0, 65, 65);
  pen_->OnChange = [this](TObject*) { Invalidate(); };
  brush_->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() {
  pen_->OnChange = nullptr;
  brush_->OnChange = nullptr;
}

void TShape::Paint() {
  TCanvas* c = Canvas();
  c->SetPen(pen_.get());
  c->SetBrush(brush_.get());
  int pw = pen_->Width();
  int x = pw / 2, y = pw / 2;
  int w = Width() - pw + 1, h = Height() - pw + 1;
  if (pw == 0) { w -= 1; h -= 1; }
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    int s = std::min(w, h);
    x += (w - s) / 2;
    y += (h - s) / 2;
    w = h = s;
  }
  switch (shape_) {
    case stRectangle: case stSquare: c->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect: case stRoundSquare: {
      int s = std::min(w, h) / 4;
      c->RoundRect(x, y, x + w, y + h, s, s);
      break;
    }
    case stEllipse: case stCircle: c->Ellipse(x, y, x + w, y + h); break;
  }
}
