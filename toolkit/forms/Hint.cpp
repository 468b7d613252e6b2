// Hints: after HintPause over a control with ShowHint and a Hint, a hint
// window shows the short hint below the cursor for HintHidePause.

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"

namespace {

std::string shortHint(const std::string& hint) {
  auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

// The control whose hint applies: the first of Control and its parents with a hint.
TControl* hintSource(TControl* c) {
  for (; c; c = c->Parent())
    if (!c->Hint().empty()) return c->ShowHint() ? c : nullptr;
  return nullptr;
}

}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  TControl::SetVisible(false);
  SetColor(clInfoBk);
  SetStyle(WS_POPUP | WS_BORDER);
  SetExStyle(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint) {
  TRect r = Rect(0, 0, MaxWidth, 0);
  Canvas()->Font()->Assign(Screen ? Screen->HintFont() : Font());
  Canvas()->DrawText(AHint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  SetCaption(AHint);
  SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
  if (!Visible()) SetVisible(true);
  else ShowingChanged();
  Invalidate();
}

void THintWindow::ActivateHintData(TRect Rect, const std::string& AHint, void* AData) {
  (void)AData;
  ActivateHint(Rect, AHint);
}

void THintWindow::ReleaseHandle() {
  SetVisible(false);
  DestroyHandle();
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(r);
  InflateRect(r, -2, -1);
  Canvas()->Font()->Assign(Screen ? Screen->HintFont() : Font());
  Canvas()->Font()->SetColor(clInfoText);
  Canvas()->Brush()->SetStyle(bsClear);
  Canvas()->DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void TApplication::SetHint(const std::string& v) {
  if (hint_ == v) return;
  hint_ = v;
  if (OnHint) OnHint(this);
}

void TApplication::SetShowHint(bool v) {
  showHint_ = v;
  if (!v) CancelHint();
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message) {
  TControl* source = hintSource(Control);
  SetHint(source ? source->Hint() : std::string());
  if (!showHint_) return;
  if (source == hintControl_) {
    if (!hintActive_ || !hintControl_) return;
    TPoint p{static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi())};
    TPoint local = hintControl_->ScreenToClient(Control->ClientToScreen(p));
    if (!hintInfo_.CursorRect.Contains(local)) CancelHint();
    return;
  }
  bool wasActive = hintActive_;
  CancelHint();
  hintControl_ = source;
  if (!source) return;
  hintTimer_ = SetTimer(nullptr, 0, static_cast<UINT>(wasActive ? hintShortPause_ : hintPause_),
                        [this](uintptr_t) { hintTimerExpired(); });
}

void TApplication::hintTimerExpired() {
  if (hintTimer_) KillTimer(nullptr, hintTimer_);
  hintTimer_ = 0;
  if (hintActive_) {
    CancelHint();
    return;
  }
  showHintNow();
}

void TApplication::showHintNow() {
  TControl* c = hintControl_;
  if (!c) return;
  TPoint cursor;
  GetCursorPos(cursor);
  hintInfo_ = THintInfo{};
  hintInfo_.HintControl = c;
  hintInfo_.CursorPos = c->ScreenToClient(cursor);
  hintInfo_.CursorRect = c->ClientRect();
  hintInfo_.HintPos = {cursor.X, cursor.Y + 20};
  hintInfo_.HintMaxWidth = Screen ? Screen->Width() : 640;
  hintInfo_.HintColor = hintColor_;
  hintInfo_.HideTimeout = hintHidePause_;
  hintInfo_.HintStr = shortHint(c->Hint());
  if (c->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&hintInfo_)) != 0) return;
  bool canShow = true;
  if (OnShowHint) OnShowHint(hintInfo_.HintStr, canShow, hintInfo_);
  if (!canShow || hintInfo_.HintStr.empty()) return;
  const THintWindowClass& cls = hintInfo_.HintWindowClass ? hintInfo_.HintWindowClass : hintWindowClass_;
  const void* kind = cls ? cls.target_type().name() : nullptr;
  if (hintWindow_ && kind != hintWindowKind_) {
    delete hintWindow_;
    hintWindow_ = nullptr;
  }
  if (!hintWindow_) {
    hintWindow_ = cls ? cls(this) : new THintWindow(this);
    hintWindowKind_ = kind;
  }
  hintWindow_->SetColor(hintInfo_.HintColor);
  TRect r = hintWindow_->CalcHintRect(hintInfo_.HintMaxWidth, hintInfo_.HintStr);
  OffsetRect(r, hintInfo_.HintPos.X, hintInfo_.HintPos.Y);
  hintWindow_->ActivateHintData(r, hintInfo_.HintStr, hintInfo_.HintData);
  hintActive_ = true;
  if (hintInfo_.HideTimeout > 0)
    hintTimer_ = SetTimer(nullptr, 0, static_cast<UINT>(hintInfo_.HideTimeout), [this](uintptr_t) { hintTimerExpired(); });
}

void TApplication::ActivateHint(TPoint CursorPos) {
  TControl* c = FindDragTarget(CursorPos, false);
  CancelHint();
  hintControl_ = hintSource(c);
  showHintNow();
}

void TApplication::CancelHint() {
  if (hintTimer_) KillTimer(nullptr, hintTimer_);
  hintTimer_ = 0;
  if (hintWindow_ && hintWindow_->Visible()) hintWindow_->ReleaseHandle();
  hintActive_ = false;
  hintControl_ = nullptr;
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (Control == hintWindow_) {
    hintWindow_ = nullptr;
    hintActive_ = false;
  }
  if (Control == hintControl_) CancelHint();
}
