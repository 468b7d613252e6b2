#include "toolkit/forms/std/GraphicControls.h"

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"

// ---- TImage ----

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>()) {
  SetControlStyle({csClickEvents, csDoubleClicks, csReplicatable});
  SetBounds(0, 0, 105, 105);
  picture_->OnChange = [this](TObject*) { pictureChanged(); };
}

TImage::~TImage() { picture_->OnChange = nullptr; }

void TImage::pictureChanged() {
  if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0)
    SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
  Invalidate();
}

TRect TImage::DestRect() const {
  int pw = picture_->Width(), ph = picture_->Height();
  int cw = Width(), ch = Height();
  int w = pw, h = ph;
  if (stretch_ || (proportional_ && (pw > cw || ph > ch))) {
    if (proportional_ && pw > 0 && ph > 0) {
      // Keep the aspect ratio, as large as fits.
      if (static_cast<long long>(cw) * ph > static_cast<long long>(ch) * pw) { h = ch; w = ch * pw / ph; }
      else { w = cw; h = cw * ph / pw; }
    } else {
      w = cw;
      h = ch;
    }
  }
  int x = center_ ? (cw - w) / 2 : 0, y = center_ ? (ch - h) / 2 : 0;
  return Bounds(x, y, w, h);
}

void TImage::Paint() {
  TCanvas* c = Canvas();
  TGraphic* g = picture_->Graphic();
  if (g == nullptr || g->Empty()) {
    // An empty image shows nothing at run time.
    return;
  }
  g->SetTransparent(transparent_);
  TRect d = DestRect();
  if (d.Width() == g->Width() && d.Height() == g->Height()) c->Draw(d.Left, d.Top, g);
  else c->StretchDraw(d, g);
}

// ---- TSpeedButton ----

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), glyph_(std::make_unique<TBitmap>()) {
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetBounds(0, 0, 23, 22);
  SetParentColor(false);
  SetColor(clBtnFace);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* v) {
  glyph_->Assign(v);
  if (glyph_->Width() > 0 && glyph_->Height() > 0 && glyph_->Width() % glyph_->Height() == 0)
    numGlyphs_ = std::clamp(glyph_->Width() / glyph_->Height(), 1, 4);
  Invalidate();
}

// A button down in a group without AllowAllUp only comes up when another
// button of the group goes down.
void TSpeedButton::SetDown(bool v) {
  if (groupIndex_ == 0) v = false;
  if (v == down_ || (down_ && !allowAllUp_)) return;
  down_ = v;
  if (v && Parent() != nullptr) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
      if (b != nullptr && b != this && b->groupIndex_ == groupIndex_ && b->down_) {
        b->down_ = false;
        b->Invalidate();
      }
    }
  }
  Invalidate();
}

TButtonState TSpeedButton::State() const {
  if (!Enabled()) return bsDisabled;
  if (pressed_) return bsDown;
  if (down_) return bsExclusive;
  return bsUp;
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  tracking_ = true;
  pressed_ = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!tracking_) return;
  bool inside = PtInRect(ClientRect(), {X, Y});
  if (inside != pressed_) { pressed_ = inside; Invalidate(); }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !tracking_) return;
  tracking_ = false;
  pressed_ = false;
  bool inside = PtInRect(ClientRect(), {X, Y});
  if (inside && groupIndex_ != 0) {
    if (!down_) SetDown(true);
    else if (allowAllUp_) SetDown(false);
  }
  Invalidate();
  if (inside) Click();
}

void TSpeedButton::paintGlyphAndCaption(TCanvas* c, TRect r, TButtonState state) {
  c->Font()->Assign(Font());
  bool hasGlyph = glyph_->Width() > 0 && glyph_->Height() > 0;
  int gw = hasGlyph ? glyph_->Width() / numGlyphs_ : 0, gh = hasGlyph ? glyph_->Height() : 0;
  std::string caption = Caption();
  TRect tr = Rect(0, 0, 0, 0);
  if (!caption.empty()) c->DrawText(caption, tr, DT_SINGLELINE | DT_CALCRECT);
  bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
  int gap = hasGlyph && !caption.empty() ? spacing_ : 0;
  int total = horizontal ? gw + gap + tr.Width() : gh + gap + tr.Height();
  int avail = horizontal ? r.Width() : r.Height();
  int start = margin_ >= 0 ? margin_ : (avail - total) / 2;
  int gx, gy, tx, ty;
  if (horizontal) {
    gy = r.Top + (r.Height() - gh) / 2;
    ty = r.Top + (r.Height() - tr.Height()) / 2;
    if (layout_ == blGlyphLeft) { gx = r.Left + start; tx = gx + gw + gap; }
    else { tx = r.Left + start; gx = tx + tr.Width() + gap; }
  } else {
    gx = r.Left + (r.Width() - gw) / 2;
    tx = r.Left + (r.Width() - tr.Width()) / 2;
    if (layout_ == blGlyphTop) { gy = r.Top + start; ty = gy + gh + gap; }
    else { ty = r.Top + start; gy = ty + tr.Height() + gap; }
  }
  if (hasGlyph) {
    // Glyph pictures: up, disabled, down, exclusive, side by side.
    int index = std::min(static_cast<int>(state), numGlyphs_ - 1);
    if (state == bsDisabled && numGlyphs_ < 2) index = 0;
    TColor key = glyph_->Canvas()->Pixels(0, gh - 1);
    c->TransparentBlt(gx, gy, gw, gh, glyph_->Canvas(), index * gw, 0, gw, gh, key);
  }
  if (!caption.empty()) {
    TRect t = Bounds(tx, ty, tr.Width(), tr.Height());
    DrawCaption(c, caption, t, DT_SINGLELINE | DT_CENTER, state != bsDisabled);
  }
}

void TSpeedButton::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  TButtonState state = State();
  if (!transparent_ || !flat_) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(state == bsExclusive && !pressed_ ? clBtnHighlight : Color());
    c->FillRect(r);
  }
  bool sunken = state == bsDown || state == bsExclusive;
  if (!flat_) {
    if (!DrawThemed(c, "button", BP_PUSHBUTTON,
                    state == bsDisabled ? PBS_DISABLED : sunken ? PBS_PRESSED : PBS_NORMAL, r)) {
      TRect e = r;
      c->DrawEdge(e, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
  } else if (sunken || hot_) {
    TRect e = r;
    c->DrawEdge(e, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  TRect inner = r;
  InflateRect(inner, -2, -2);
  if (sunken) OffsetRect(inner, 1, 1);
  paintGlyphAndCaption(c, inner, state);
}

void TSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER: hot_ = true; Invalidate(); break;
    case CM_MOUSELEAVE: hot_ = false; Invalidate(); break;
    case CM_TEXTCHANGED: case CM_ENABLEDCHANGED: Invalidate(); break;
    default: break;
  }
  TGraphicControl::Dispatch(Message);
}
