#include "grid/output/HTMLHintWindow.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Encoding.h"

std::string HintFontName;

TRect KeepHintOnMonitor(TRect R, const TRect& Monitor, int TextWidth, int TextHeight, int ExtraX, int ExtraY) {
  if (R.Right - Monitor.Left > Monitor.Width()) {
    R.Left = Monitor.Left + Monitor.Width() + R.Left - R.Right - 2;
    R.Right = R.Left + ExtraX + TextWidth;
  }
  if (R.Bottom - Monitor.Top > Monitor.Height()) {
    R.Bottom = Monitor.Top + Monitor.Height() - 2;
    R.Top = R.Bottom - TextHeight - ExtraY;
  }
  return R;
}

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

THintWindowClass THTMLHintWindow::Class() {
  return [](TComponent* AOwner) -> THintWindow* { return new THTMLHintWindow(AOwner); };
}

void THTMLHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
}

bool THTMLHintWindow::isWide(const std::string& AHint) const { return GetTextKind(AHint, true) == 5; }

TSize THTMLHintWindow::measure(const std::string& AHint, int MaxWidth) {
  TRect r(0, 0, MaxWidth, 0);
  if (isWide(AHint)) {
    if (!HintFontName.empty()) Canvas()->Font()->SetName(HintFontName);
    Canvas()->DrawText(Utf16ToUtf8(DecodeWideText(AHint)), r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {r.Width(), r.Height()};
  }
  THTMLTextCall call;
  call.MeasureOnly = true;
  call.Images = FImages;
  call.Pictures = FPictures;
  call.LinkColor = clBlue;
  DrawHTMLText(Canvas(), AHint, r, call);
  return {call.MaxWidth, call.TotalHeight};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const std::string& AHint) {
  const TSize s = measure(AHint, MaxWidth);
  return TRect(0, 0, s.cx, s.cy);
}

void THTMLHintWindow::ActivateHintData(TRect Rect, const std::string& AHint, void* AData) {
  if (auto* res = static_cast<const THTMLHintResources*>(AData)) {
    FImages = res->Images;
    FPictures = res->Pictures;
  }
  THintWindow::ActivateHintData(Rect, AHint, AData);
}

void THTMLHintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  SetCaption(AHint);
  const int extraY = 4;
  const bool wide = isWide(AHint);
  const TSize s = measure(AHint, 1024 - 16);
  FWideCaption = wide ? Utf16ToUtf8(DecodeWideText(AHint)) : std::string();
  const int extraX = wide ? 8 : 16;
  FTextWidth = s.cx;
  FTextHeight = s.cy;
  Rect.Right = Rect.Left + FTextWidth + extraX;
  Rect.Bottom = Rect.Top + FTextHeight + extraY;
  TMonitor* m = Screen ? Screen->MonitorFromPoint(Rect.TopLeft()) : nullptr;
  if (m) Rect = KeepHintOnMonitor(Rect, m->BoundsRect(), FTextWidth, FTextHeight, extraX, extraY);
  SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
  if (!Visible()) SetVisible(true);
  else ShowingChanged();
  Invalidate();
}

void THTMLHintWindow::CMTextChanged(TMessage& Message) {
  THintWindow::CMTextChanged(Message);
  Invalidate();
}

void THTMLHintWindow::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(cl3DLight);
  c->Polyline({TPoint(r.Left, r.Bottom - 2), TPoint(r.Left, r.Top), TPoint(r.Right - 1, r.Top)});
  c->Pen()->SetColor(cl3DDkShadow);
  c->Polyline({TPoint(r.Left, r.Bottom - 1), TPoint(r.Right - 1, r.Bottom - 1), TPoint(r.Right - 1, r.Top - 1)});
  TRect text(r.Left + 4, 0, r.Right - 4, 0);
  text.Top = r.Top + (r.Height() - FTextHeight) / 2;
  text.Bottom = text.Top + FTextHeight + 8;
  c->Brush()->SetStyle(bsClear);
  if (!FWideCaption.empty()) {
    if (!HintFontName.empty()) c->Font()->SetName(HintFontName);
    c->DrawText(FWideCaption, text, DT_SINGLELINE | DT_NOPREFIX);
  } else {
    THTMLTextCall call;
    call.Images = FImages;
    call.Pictures = FPictures;
    call.LinkColor = clBlue;
    DrawHTMLText(c, Caption(), text, call);
  }
  c->Brush()->SetStyle(bsSolid);
}
