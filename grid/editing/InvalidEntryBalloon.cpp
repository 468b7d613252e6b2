// The refused-entry balloon: laid out from its title, text and icon, shown
// without taking the focus, closed by its timer.

#include "grid/editing/InvalidEntryBalloon.h"

#include <algorithm>

#include "toolkit/forms/Timer.h"
#include "toolkit/forms/dialogs/MessageBoxForm.h"
#include "toolkit/graphics/Canvas.h"

namespace {
constexpr int kMargin = 6;
constexpr int kIconSize = 24;
constexpr int kMaxTextWidth = 300;

TMsgDlgType dialogType(TInvalidEntryIcon Icon) {
  switch (Icon) {
    case ieInfo: return mtInformation;
    case ieError: return mtError;
    default: return mtWarning;
  }
}
}  // namespace

TInvalidEntryBalloon::TInvalidEntryBalloon(TComponent* AOwner) : THintWindow(AOwner) {
  FTimer = new TTimer(this);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(ShowTime);
  FTimer->SetOnTimer([this](TObject*) { Close(); });
}

int TInvalidEntryBalloon::textLeft() const { return kMargin + (FIconControl ? kIconSize + kMargin : 0); }

TRect TInvalidEntryBalloon::textRect(bool Bold, const std::string& S, int MaxWidth) {
  TRect r = Rect(0, 0, MaxWidth, 0);
  if (S.empty()) return r;
  Canvas()->Font()->Assign(Screen ? Screen->HintFont() : Font());
  if (Bold) Canvas()->Font()->SetStyle({fsBold});
  Canvas()->DrawText(S, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  return r;
}

void TInvalidEntryBalloon::ShowAt(TPoint ScreenPos, const std::string& Title, const std::string& Text,
                                  TInvalidEntryIcon Icon) {
  FTitle = Title;
  FText = Text;
  FIcon = Icon;
  delete FIconControl;
  FIconControl = nullptr;
  if (Icon != ieNone) {
    FIconControl = new TMessageIcon(this, dialogType(Icon));
    FIconControl->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
    FIconControl->SetParent(this);
  }
  TRect title = textRect(true, Title, kMaxTextWidth), text = textRect(false, Text, kMaxTextWidth);
  int width = textLeft() + std::max(title.Width(), text.Width()) + kMargin;
  int textHeight = title.Height() + (Title.empty() || Text.empty() ? 0 : 2) + text.Height();
  int height = std::max(FIconControl ? kIconSize : 0, textHeight) + 2 * kMargin;
  ActivateHint(Rect(ScreenPos.X, ScreenPos.Y, ScreenPos.X + width, ScreenPos.Y + height), Title);
  FTimer->SetEnabled(false);
  FTimer->SetEnabled(true);
}

void TInvalidEntryBalloon::Close() {
  FTimer->SetEnabled(false);
  if (Visible()) SetVisible(false);
}

void TInvalidEntryBalloon::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  c->Brush()->SetStyle(bsClear);
  int left = textLeft(), width = r.Width() - left - kMargin;
  TRect title = textRect(true, FTitle, width);
  OffsetRect(title, left, kMargin);
  c->Font()->SetColor(clInfoText);
  if (!FTitle.empty()) c->DrawText(FTitle, title, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  TRect text = textRect(false, FText, width);
  OffsetRect(text, left, FTitle.empty() ? kMargin : title.Bottom + 2);
  c->Font()->SetColor(clInfoText);
  c->DrawText(FText, text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
