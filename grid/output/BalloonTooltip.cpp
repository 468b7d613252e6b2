// The balloon tooltip: the tool's mouse moves start the initial delay (the
// reshow delay right after a balloon), the text request fills the balloon,
// the auto-pop delay or leaving the tool hides it.

#include "grid/output/BalloonTooltip.h"

#include <algorithm>

#include "toolkit/forms/Timer.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/dialogs/MessageBoxForm.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Utf8Text.h"

namespace {

constexpr int kMargin = 6;
constexpr int kIconSize = 24;

TMsgDlgType IconType(int Icon) { return Icon == 1 ? mtInformation : Icon == 2 ? mtWarning : mtError; }

}  // namespace

TBalloonTooltip::TBalloonTooltip(TWinControl* ATool) : THintWindow(ATool), FTool(ATool) {
  SetColor(clInfoBk);
  FShowTimer = new TTimer(this);
  FShowTimer->SetEnabled(false);
  FShowTimer->SetOnTimer([this](TObject*) {
    FShowTimer->SetEnabled(false);
    showNow();
  });
  FHideTimer = new TTimer(this);
  FHideTimer->SetEnabled(false);
  FHideTimer->SetOnTimer([this](TObject*) { Pop(); });
  FToolProc = FTool->WindowProc();
  FTool->SetWindowProc([this](TMessage& m) { toolMessage(m); });
}

// The tool owns the tooltip and frees it while it still stands.
TBalloonTooltip::~TBalloonTooltip() { FTool->SetWindowProc(FToolProc); }

void TBalloonTooltip::SetDelayTime(TTooltipDelay Which, int Milliseconds) {
  switch (Which) {
    case ttdInitial: FInitialDelay = Milliseconds; break;
    case ttdReshow: FReshowDelay = Milliseconds; break;
    case ttdAutoPop: FAutoPopDelay = Milliseconds; break;
  }
}

int TBalloonTooltip::DelayTime(TTooltipDelay Which) const {
  return Which == ttdInitial ? FInitialDelay : Which == ttdReshow ? FReshowDelay : FAutoPopDelay;
}

void TBalloonTooltip::SetAlpha(uint8_t Value) {
  FAlpha = Value;
  applyAlpha();
}

// A layered window: the alpha goes with the window, made or not yet.
void TBalloonTooltip::applyAlpha() {
  if (HandleAllocated()) SetLayeredWindowAttributes(Handle(), 0, FAlpha, LWA_ALPHA);
}

void TBalloonTooltip::SetTitle(const std::string& Title, int Icon) {
  FTitle = Utf8Left(Title, MaxTitleLength);
  FIcon = Icon >= 0 && Icon <= 3 ? Icon : 0;
}

// The tool's messages reach its own procedure first; a move over it starts
// the wait for a balloon, leaving it hides the balloon.
void TBalloonTooltip::toolMessage(TMessage& Message) {
  if (FToolProc) FToolProc(Message);
  if (Message.Msg == WM_MOUSEMOVE) {
    if (Visible()) return;
    FShowTimer->SetEnabled(false);
    FShowTimer->SetInterval(uint32_t(std::max(1, FShownBefore ? FReshowDelay : FInitialDelay)));
    FShowTimer->SetEnabled(true);
  } else if (Message.Msg == CM_MOUSELEAVE) {
    FShowTimer->SetEnabled(false);
    Pop();
  }
}

void TBalloonTooltip::showNow() {
  std::string text;
  if (OnNeedText) OnNeedText(text);
  if (text.empty()) return;
  FText = text;
  delete FindComponent("Icon");
  if (FIcon != 0) {
    auto* icon = new TMessageIcon(this, IconType(FIcon));
    icon->SetName("Icon");
    icon->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
    icon->SetParent(this);
  }
  const int maxWidth = FMaxTipWidth > 0 ? FMaxTipWidth : 300;
  const TRect title = textRect(true, maxWidth), body = textRect(false, maxWidth);
  const int left = kMargin + (FIcon ? kIconSize + kMargin : 0);
  const int width = left + std::max(title.Width(), body.Width()) + kMargin;
  const int height = std::max(FIcon ? kIconSize : 0, title.Height() + 2 + body.Height()) + 2 * kMargin;
  TPoint at;
  GetCursorPos(at);
  at.Y += 16;
  ActivateHint(TRect(at.X, at.Y, at.X + width, at.Y + height), FText);
  applyAlpha();
  FShownBefore = true;
  FHideTimer->SetEnabled(false);
  FHideTimer->SetInterval(uint32_t(std::max(1, FAutoPopDelay)));
  FHideTimer->SetEnabled(true);
}

void TBalloonTooltip::Pop() {
  FHideTimer->SetEnabled(false);
  FText.clear();
  if (Visible()) SetVisible(false);
}

TRect TBalloonTooltip::textRect(bool Title, int MaxWidth) {
  const std::string& s = Title ? FTitle : FText;
  TRect r(0, 0, MaxWidth, 0);
  if (s.empty()) return r;
  Canvas()->Font()->Assign(Screen ? Screen->HintFont() : Font());
  if (Title) Canvas()->Font()->SetStyle({fsBold});
  Canvas()->DrawText(s, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  return r;
}

void TBalloonTooltip::Paint() {
  TCanvas* c = Canvas();
  const TRect client = ClientRect();
  c->Brush()->SetColor(Color());
  c->FillRect(client);
  c->Brush()->SetStyle(bsClear);
  const int left = kMargin + (FIcon ? kIconSize + kMargin : 0), width = client.Width() - left - kMargin;
  TRect title = textRect(true, width);
  OffsetRect(title, left, kMargin);
  c->Font()->SetColor(FTextColor);
  if (!FTitle.empty()) c->DrawText(FTitle, title, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  TRect body = textRect(false, width);
  OffsetRect(body, left, FTitle.empty() ? kMargin : title.Bottom + 2);
  c->Font()->SetColor(FTextColor);
  c->DrawText(FText, body, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  c->Brush()->SetStyle(bsSolid);
}
