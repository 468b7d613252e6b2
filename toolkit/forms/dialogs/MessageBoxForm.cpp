#include "toolkit/forms/dialogs/MessageBoxForm.h"

#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/graphics/Canvas.h"

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;

}  // namespace

std::string ModalResultCaption(TModalResult Result) {
  static const std::pair<TModalResult, TMsgDlgBtn> kMap[] = {
      {mrYes, mbYes}, {mrNo, mbNo}, {mrOk, mbOK}, {mrCancel, mbCancel}, {mrAbort, mbAbort},
      {mrRetry, mbRetry}, {mrIgnore, mbIgnore}, {mrAll, mbAll}, {mrNoToAll, mbNoToAll},
      {mrYesToAll, mbYesToAll}};
  for (auto [r, b] : kMap)
    if (r == Result) return ButtonCaption(b);
  return Result == mrClose ? "&Close" : "OK";
}

TMessageIcon::TMessageIcon(TComponent* AOwner, TMsgDlgType Type) : TGraphicControl(AOwner), type_(Type) {
  SetBounds(0, 0, kIconSize, kIconSize);
}

// A round badge with a letter for error, information and confirmation; a
// triangle with "!" for warnings.
void TMessageIcon::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  TColor fill = type_ == mtError ? TColor(0x2020D0) : type_ == mtWarning ? TColor(0x00C8F8) : TColor(0xC07020);
  const char* mark = type_ == mtError ? "X" : type_ == mtWarning ? "!" : type_ == mtInformation ? "i" : "?";
  c->Pen()->SetColor(type_ == mtWarning ? TColor(0x0080A0) : fill);
  c->Brush()->SetColor(fill);
  c->Brush()->SetStyle(bsSolid);
  if (type_ == mtWarning) {
    c->Polygon({{r.Width() / 2, 1}, {r.Width() - 1, r.Height() - 2}, {0, r.Height() - 2}});
  } else {
    c->Ellipse(0, 0, r.Width(), r.Height());
  }
  c->Font()->SetName("DejaVu Sans");
  c->Font()->SetHeight(-18);
  c->Font()->SetStyle({fsBold});
  c->Font()->SetColor(type_ == mtWarning ? clBlack : clWhite);
  c->Brush()->SetStyle(bsClear);
  TRect t = r;
  if (type_ == mtWarning) t.Top += 6;
  c->DrawText(mark, t, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

TMessageBoxForm::TMessageBoxForm(TComponent* AOwner, const TMessageBoxRequest& Request) : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetCaption(Request.Caption.empty() ? MsgDlgCaption(Request.Type) : Request.Caption);
  SetKeyPreview(true);
  if (Request.Type != mtCustom) {
    icon_ = new TMessageIcon(this, Request.Type);
    icon_->SetParent(this);
  }
  text_ = new TLabel(this);
  text_->SetParent(this);
  text_->SetShowAccelChar(false);
  text_->SetWordWrap(true);
  text_->SetCaption(Request.Text);
  std::vector<TModalResult> results = Request.Buttons;
  if (results.empty()) results.push_back(mrOk);
  for (TModalResult r : results) {
    auto* b = new TButton(this);
    b->SetParent(this);
    b->SetCaption(ModalResultCaption(r));
    b->SetModalResult(r);
    b->SetDefault(r == Request.DefaultButton);
    b->SetCancel(r == Request.CancelButton || (results.size() == 1));
    buttons_.push_back(b);
  }
  layout(Request);
}

// The text wraps at two fifths of the screen's width; the form grows around
// the text and the button row, whichever is wider.
void TMessageBoxForm::layout(const TMessageBoxRequest& Request) {
  int screenWidth = Screen != nullptr ? Screen->Width() : 1024;
  int maxText = std::max(200, screenWidth * 2 / 5);
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  TRect measure = Rect(0, 0, maxText, 0);
  c->DrawText(Request.Text.empty() ? std::string(" ") : Request.Text, measure,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  int textW = std::min(maxText, measure.Width() + 2), textH = measure.Height();
  int left = kMargin + (icon_ != nullptr ? kIconSize + kMargin : 0);
  int contentH = std::max(textH, icon_ != nullptr ? kIconSize : 0);
  int n = static_cast<int>(buttons_.size());
  int rowW = n * kButtonWidth + (n - 1) * kButtonGap;
  int clientW = std::max(left + textW + kMargin, rowW + 2 * kMargin);
  int clientH = kMargin + contentH + kMargin + kButtonHeight + kMargin;
  SetClientSize(clientW, clientH);
  if (icon_ != nullptr) icon_->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
  text_->SetAutoSize(false);
  text_->SetBounds(left, kMargin + (contentH - textH) / 2, textW, textH);
  int x = (clientW - rowW) / 2, y = kMargin + contentH + kMargin;
  for (TButton* b : buttons_) {
    b->SetBounds(x, y, kButtonWidth, kButtonHeight);
    x += kButtonWidth + kButtonGap;
  }
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetTabOrder(static_cast<int>(i));
    if (buttons_[i]->ModalResult() == Request.DefaultButton) SetActiveControl(buttons_[i]);
  }
  if (ActiveControl() == nullptr && !buttons_.empty()) SetActiveControl(buttons_.front());
}

TModalResult ShowMessageBoxForm(const TMessageBoxRequest& Request) {
  TMessageBoxForm form(nullptr, Request);
  TModalResult r = form.ShowModal();
  // The close box and Esc without a cancel button give the cancel button's result.
  if (r == mrCancel && Request.CancelButton != mrNone) return Request.CancelButton;
  return r;
}
