#include "toolkit/forms/std/RangeControls.h"

#include <algorithm>

#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"

// ---- TScrollBar ----

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csFramed, csDoubleClicks, csCaptureMouse});
  SetBounds(0, 0, 121, TInnerScrollBar::DefaultThickness);
  SetTabStop(true);
  bar_.Vertical = false;
  bar_.Scroll = [this](int code, int pos) {
    static const TScrollCode kCodes[] = {scLineUp, scLineDown, scPageUp, scPageDown, scPosition,
                                         scTrack, scTop, scBottom, scEndScroll};
    if (code < 0 || code > SB_ENDSCROLL) return;
    TScrollCode c = kCodes[code];
    // Line and page steps use the bar's own step sizes.
    int p = c == scLineUp ? position_ - smallChange_ : c == scLineDown ? position_ + smallChange_
          : c == scPageUp ? position_ - largeChange_ : c == scPageDown ? position_ + largeChange_ : pos;
    Scroll(c, p);
  };
  sync();
}

void TScrollBar::SetKind(TScrollBarKind v) {
  if (v == kind_) return;
  kind_ = v;
  SetBounds(Left(), Top(), Height(), Width());
  sync();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  min_ = AMin;
  max_ = std::max(AMin, AMax);
  int maxPos = pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_;
  int p = std::clamp(APosition, min_, maxPos);
  bool moved = p != position_;
  position_ = p;
  sync();
  if (moved && OnChange) OnChange(this);
}

void TScrollBar::SetPageSize(int v) {
  pageSize_ = std::clamp(v, 0, max_ - min_ + 1);
  SetParams(position_, min_, max_);
}

void TScrollBar::Scroll(TScrollCode Code, int Pos) {
  if (OnScroll) OnScroll(this, Code, Pos);
  SetPosition(Pos);
}

void TScrollBar::sync() {
  bar_.Vertical = kind_ == sbVertical;
  bar_.Bounds = ClientRect();
  bar_.Enabled = Enabled();
  bar_.SetRange(min_, max_);
  bar_.SetPage(pageSize_);
  bar_.SetPosition(position_);
  Invalidate();
}

void TScrollBar::BoundsChanged() {
  TCustomControl::BoundsChanged();
  sync();
}

void TScrollBar::Paint() {
  bar_.Bounds = ClientRect();
  bar_.Paint(Canvas());
}

void TScrollBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  TScrollCode code;
  switch (Key) {
    case VK_UP: case VK_LEFT: code = scLineUp; break;
    case VK_DOWN: case VK_RIGHT: code = scLineDown; break;
    case VK_PRIOR: code = scPageUp; break;
    case VK_NEXT: code = scPageDown; break;
    case VK_HOME: code = scTop; break;
    case VK_END: code = scBottom; break;
    default: return;
  }
  int p = code == scLineUp ? position_ - smallChange_ : code == scLineDown ? position_ + smallChange_
        : code == scPageUp ? position_ - largeChange_ : code == scPageDown ? position_ + largeChange_
        : code == scTop ? min_ : max_;
  Scroll(code, p);
  Key = 0;
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft) bar_.MouseDown({X, Y});
  Invalidate();
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  bar_.MouseMove({X, Y});
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) bar_.MouseUp({X, Y});
  Invalidate();
}

void TScrollBar::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS;
}

void TScrollBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case SBM_SETPOS: SetPosition(static_cast<int>(Message.WParam)); Message.Result = position_; return;
    case SBM_GETPOS: Message.Result = position_; return;
    case SBM_SETRANGE: SetParams(position_, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam)); return;
    case SBM_SETSCROLLINFO:
    case SBM_GETSCROLLINFO: {
      auto* info = reinterpret_cast<TScrollInfo*>(Message.LParam);
      if (info == nullptr) return;
      if (Message.Msg == SBM_GETSCROLLINFO) {
        if (info->fMask & SIF_RANGE) { info->nMin = min_; info->nMax = max_; }
        if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(pageSize_);
        if (info->fMask & SIF_POS) info->nPos = position_;
        if (info->fMask & SIF_TRACKPOS) info->nTrackPos = position_;
        Message.Result = 1;
        return;
      }
      if (info->fMask & SIF_RANGE) { min_ = info->nMin; max_ = std::max(info->nMin, info->nMax); }
      if (info->fMask & SIF_PAGE) pageSize_ = static_cast<int>(info->nPage);
      SetParams(info->fMask & SIF_POS ? info->nPos : position_, min_, max_);
      Message.Result = position_;
      return;
    }
    case CM_ENABLEDCHANGED: TCustomControl::Dispatch(Message); sync(); return;
    default: TCustomControl::Dispatch(Message);
  }
}

// ---- TTrackBar ----

namespace {
constexpr int kThumbLong = 21;
constexpr int kThumbShort = 11;
}  // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks});
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TTrackBar::SetMin(int v) { min_ = v; if (max_ < min_) max_ = min_; SetPosition(position_); Invalidate(); }
void TTrackBar::SetMax(int v) { max_ = v; if (min_ > max_) min_ = max_; SetPosition(position_); Invalidate(); }

void TTrackBar::SetPosition(int v) {
  v = std::clamp(v, min_, max_);
  if (v == position_) return;
  position_ = v;
  Invalidate();
  if (OnChange) OnChange(this);
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  SetBounds(Left(), Top(), Height(), Width());
}

TRect TTrackBar::channel() {
  TRect r = ClientRect();
  int margin = kThumbShort / 2 + 4;
  if (orientation_ == trHorizontal) return Rect(margin, 8 + kThumbLong / 2 - 2, r.Right - margin, 8 + kThumbLong / 2 + 2);
  return Rect(8 + kThumbLong / 2 - 2, margin, 8 + kThumbLong / 2 + 2, r.Bottom - margin);
}

TRect TTrackBar::ThumbRect() {
  TRect ch = channel();
  int span = std::max(1, max_ - min_);
  if (orientation_ == trHorizontal) {
    int x = ch.Left + (ch.Width() - 1) * (position_ - min_) / span;
    return Rect(x - kThumbShort / 2, 8, x - kThumbShort / 2 + kThumbShort, 8 + kThumbLong);
  }
  int y = ch.Top + (ch.Height() - 1) * (position_ - min_) / span;
  return Rect(8, y - kThumbShort / 2, 8 + kThumbLong, y - kThumbShort / 2 + kThumbShort);
}

int TTrackBar::ValueAt(TPoint p) {
  TRect ch = channel();
  int len = std::max(1, (orientation_ == trHorizontal ? ch.Width() : ch.Height()) - 1);
  int at = orientation_ == trHorizontal ? p.X - ch.Left : p.Y - ch.Top;
  return min_ + (std::clamp(at, 0, len) * (max_ - min_) + len / 2) / len;
}

void TTrackBar::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  TRect ch = channel();
  c->DrawEdge(ch, EDGE_SUNKEN, BF_RECT);
  if (tickStyle_ == tsAuto && frequency_ > 0) {
    c->Pen()->SetColor(clBtnText);
    int span = std::max(1, max_ - min_);
    for (int v = min_; v <= max_; v += frequency_) {
      if (orientation_ == trHorizontal) {
        int x = ch.Left + (ch.Width() - 1) * (v - min_) / span;
        c->MoveTo(x, 8 + kThumbLong + 2);
        c->LineTo(x, 8 + kThumbLong + (v == min_ || v == max_ ? 7 : 5));
      } else {
        int y = ch.Top + (ch.Height() - 1) * (v - min_) / span;
        c->MoveTo(8 + kThumbLong + 2, y);
        c->LineTo(8 + kThumbLong + (v == min_ || v == max_ ? 7 : 5), y);
      }
    }
  }
  TRect t = ThumbRect();
  if (!DrawThemed(c, "button", BP_PUSHBUTTON, !Enabled() ? PBS_DISABLED : dragging_ ? PBS_PRESSED : PBS_NORMAL, t)) {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(t);
    c->DrawEdge(t, EDGE_RAISED, BF_RECT);
  }
  if (focused_) {
    TRect f = r;
    InflateRect(f, -1, -1);
    DrawFocusFrame(c, f);
  }
}

void TTrackBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  switch (Key) {
    case VK_LEFT: case VK_UP: SetPosition(position_ - lineSize_); break;
    case VK_RIGHT: case VK_DOWN: SetPosition(position_ + lineSize_); break;
    case VK_PRIOR: SetPosition(position_ - pageSize_); break;
    case VK_NEXT: SetPosition(position_ + pageSize_); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_END: SetPosition(max_); break;
    default: return;
  }
  Key = 0;
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (!Focused() && CanFocus()) SetFocus();
  if (PtInRect(ThumbRect(), {X, Y})) {
    dragging_ = true;
    Invalidate();
    return;
  }
  // A click beside the thumb moves it a page towards the click.
  int target = ValueAt({X, Y});
  SetPosition(target > position_ ? std::min(target, position_ + pageSize_) : std::max(target, position_ - pageSize_));
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (dragging_) SetPosition(ValueAt({X, Y}));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (dragging_) {
    SetPosition(ValueAt({X, Y}));
    dragging_ = false;
    Invalidate();
  }
}

void TTrackBar::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS;
}

void TTrackBar::WMSetFocus(TWMSetFocus& Message) {
  focused_ = true;
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TTrackBar::WMKillFocus(TWMKillFocus& Message) {
  focused_ = false;
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}

// ---- TProgressBar ----

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 150, 17);
  SetColor(clBtnFace);
}

void TProgressBar::SetPosition(int v) {
  v = std::clamp(v, min_, std::max(min_, max_));
  if (v == position_) return;
  position_ = v;
  Invalidate();
}

void TProgressBar::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  bool vertical = orientation_ == pbVertical;
  if (!DrawThemed(c, "progress", vertical ? PP_BARVERT : PP_BAR, PBBS_NORMAL, r)) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    TRect e = r;
    c->DrawEdge(e, BDR_SUNKENOUTER, BF_RECT);
  }
  InflateRect(r, -2, -2);
  int span = std::max(1, max_ - min_);
  int length = vertical ? r.Height() : r.Width();
  int filled = length * (position_ - min_) / span;
  TRect fill = vertical ? Rect(r.Left, r.Bottom - filled, r.Right, r.Bottom) : Rect(r.Left, r.Top, r.Left + filled, r.Bottom);
  if (filled <= 0) return;
  int fillState = state_ == pbsError ? PBFS_ERROR : state_ == pbsPaused ? PBFS_PAUSED : PBFS_NORMAL;
  if (DrawThemed(c, "progress", vertical ? PP_FILLVERT : PP_FILL, fillState, fill)) return;
  c->Brush()->SetColor(state_ == pbsError ? clRed : state_ == pbsPaused ? clOlive : clHighlight);
  if (smooth_) {
    c->FillRect(fill);
    return;
  }
  // The classic look: blocks with a gap between them.
  int block = std::max(4, (vertical ? r.Width() : r.Height()) * 2 / 3);
  for (int at = 0; at < filled; at += block + 2) {
    int end = std::min(filled, at + block);
    c->FillRect(vertical ? Rect(r.Left, r.Bottom - end, r.Right, r.Bottom - at) : Rect(r.Left + at, r.Top, r.Left + end, r.Bottom));
  }
}

// ---- TUpDown ----

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetBounds(0, 0, 17, 25);
}

// The associated control gets its own key handler back.
TUpDown::~TUpDown() {
  if (associate_ != nullptr) associate_->OnKeyDown = savedKeyDown_;
}

std::string TUpDown::formatted(int v) const {
  std::string digits = std::to_string(v < 0 ? -static_cast<long long>(v) : v);
  if (thousands_) {
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<size_t>(i), 1, ',');
  }
  if (v < 0) digits.insert(0, 1, '-');
  return digits;
}

void TUpDown::updateAssociate() {
  if (associate_ != nullptr) associate_->SetText(formatted(position_));
}

void TUpDown::placeBeside() {
  if (associate_ == nullptr || associate_->Parent() != Parent()) return;
  int x = alignButton_ == udRight ? associate_->Left() + associate_->Width() : associate_->Left() - Width();
  SetBounds(x, associate_->Top(), Width(), associate_->Height());
}

void TUpDown::SetAssociate(TWinControl* v) {
  if (associate_ != nullptr) associate_->OnKeyDown = savedKeyDown_;
  associate_ = v;
  if (v == nullptr) return;
  v->FreeNotification(this);
  savedKeyDown_ = v->OnKeyDown;
  // Up and Down in the associated edit step the value, as the native pair does.
  v->OnKeyDown = [this](TObject* Sender, uint16_t& Key, TShiftState Shift) {
    if (savedKeyDown_) savedKeyDown_(Sender, Key, Shift);
    if (!arrowKeys_ || Key == 0) return;
    if (Key == VK_UP) { StepBy(btNext); Key = 0; }
    else if (Key == VK_DOWN) { StepBy(btPrev); Key = 0; }
  };
  placeBeside();
  updateAssociate();
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == associate_) associate_ = nullptr;
}

void TUpDown::SetPosition(int v) {
  position_ = std::clamp(v, min_, std::max(min_, max_));
  updateAssociate();
  Invalidate();
}

void TUpDown::StepBy(TUDBtnType Button) {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return;
  int next = position_ + (Button == btNext ? increment_ : -increment_);
  if (wrap_ && next > max_) next = min_;
  if (wrap_ && next < min_) next = max_;
  SetPosition(next);
  if (OnClick) OnClick(this, Button);
}

void TUpDown::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  bool vertical = orientation_ == udVertical;
  TRect first = vertical ? Rect(0, 0, r.Right, r.Bottom / 2) : Rect(0, 0, r.Right / 2, r.Bottom);
  TRect second = vertical ? Rect(0, r.Bottom / 2, r.Right, r.Bottom) : Rect(r.Right / 2, 0, r.Right, r.Bottom);
  // The first button steps up (vertical) or down (horizontal, the left one).
  auto paint = [&](const TRect& b, int part, TArrowGlyphDirection dir, bool down) {
    int state = !Enabled() ? UPS_DISABLED : down ? UPS_PRESSED : UPS_NORMAL;
    if (DrawThemed(c, "spin", part, state, b)) return;
    DrawScrollArrow(c, b, dir, down, Enabled());
  };
  paint(first, vertical ? SPNP_UP : SPNP_DOWNHORZ, vertical ? adUp : adLeft, pressed_ == 0);
  paint(second, vertical ? SPNP_DOWN : SPNP_UPHORZ, vertical ? adDown : adRight, pressed_ == 1);
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  bool firstHalf = orientation_ == udVertical ? Y < Height() / 2 : X < Width() / 2;
  pressed_ = firstHalf ? 0 : 1;
  Invalidate();
  bool up = orientation_ == udVertical ? firstHalf : !firstHalf;
  StepBy(up ? btNext : btPrev);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  pressed_ = -1;
  Invalidate();
}
