#include "controls/ExtDropDownPanels.h"

#include "controls/ExtButton.h"
#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"

template <class TAppearance>
TExtStripPanel<TAppearance>::TExtStripPanel(TComponent* AOwner)
    : TCustomControl(AOwner), FAppearance(std::make_unique<TAppearance>(dynamic_cast<TComponent*>(AOwner))) {
  FAppearance->OnChange = [this](TObject*) { ApplyAppearance(); };
  SetBorderWidth(0);
  SetDoubleBuffered(true);
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::ApplyAppearance() {
  SetVisible(FAppearance->Visible());
  SetHeight(FAppearance->Height());
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::SetExtDropDown(TExtCustomDropDown* DropDown) {
  FExtDropDown = DropDown;
  if (DropDown == nullptr) {
    FImages = nullptr;
    return;
  }
  FImages = DropDown->Images();
  FAppearance->Assign(DropDownAppearance());
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == reinterpret_cast<TComponent*>(FImages)) FImages = nullptr;
}

template <class TAppearance>
TRect TExtStripPanel<TAppearance>::ButtonArea() const {
  TRect r = ClientRect();
  return TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::ClearButtons() {
  for (auto it = FButtonList.rbegin(); it != FButtonList.rend(); ++it) delete *it;
  FButtonList.clear();
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::BuildButtons() {
  if (FExtDropDown == nullptr) return;
  const TAppearance* source = DropDownAppearance();
  ClearButtons();
  const int maxHeight = ButtonArea().Height();
  for (int i = 0; i < source->Buttons()->Count(); ++i) {
    auto* item = source->Buttons()->Items(i);
    auto* b = new TExtButton(this);
    b->SetParent(this);
    if (IsFooter()) b->SetExtDropDown(FExtDropDown);
    b->Appearance = FExtDropDown->ButtonAppearance();
    b->SetCaption(item->Caption());
    b->SetImages(FImages);
    b->ImageIndex = item->ImageIndex();
    b->SetEnabled(item->Enabled());
    if constexpr (std::is_same_v<TAppearance, TFooterAppearance>) b->ModalResult = item->ModalResult();
    b->SizeToContent();
    if (item->Width() > 0) b->SetWidth(item->Width());
    if (item->Height() > 0) b->SetHeight(item->Height());
    if (b->Height() > maxHeight) b->SetHeight(maxHeight);
    b->SetTag(i);
    b->OnClick = [this](TObject* Sender) { buttonClick(Sender); };
    FButtonList.push_back(b);
  }
  ArrangeButtons();
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::ArrangeButtons() {
  if (FButtonList.empty()) return;
  const TRect a = ButtonArea();
  int x = FAppearance->ButtonAlignment() == baRight ? a.Right : a.Left;
  for (TExtButton* b : FButtonList) {
    int top = std::max(a.Top, (a.Bottom - b->Height()) / 2);
    if (FAppearance->ButtonAlignment() == baRight) {
      x -= b->Width();
      b->SetBounds(x, top, b->Width(), b->Height());
    } else {
      b->SetBounds(x, top, b->Width(), b->Height());
      x += b->Width();
    }
  }
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::RefreshButtons() {
  if (FExtDropDown == nullptr) return;
  const TAppearance* source = DropDownAppearance();
  for (size_t i = 0; i < FButtonList.size(); ++i) {
    TExtButton* b = FButtonList[i];
    b->Appearance = FExtDropDown->ButtonAppearance();
    b->SetImages(FImages);
    if (int(i) < source->Buttons()->Count()) {
      auto* item = source->Buttons()->Items(int(i));
      b->SetCaption(item->Caption());
      b->ImageIndex = item->ImageIndex();
      b->SetEnabled(item->Enabled());
    }
    b->SizeToContent();
  }
  ArrangeButtons();
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::buttonClick(TObject* Sender) {
  auto* b = dynamic_cast<TExtButton*>(Sender);
  if (b == nullptr || FExtDropDown == nullptr) return;
  const TDropDownButtonItemClick& e =
      IsFooter() ? FExtDropDown->OnDropDownFooterButtonClick : FExtDropDown->OnDropDownHeaderButtonClick;
  if (e) e(FExtDropDown, b->Tag());
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::BoundsChanged() {
  TCustomControl::BoundsChanged();
  ArrangeButtons();
}

template <class TAppearance>
void TExtStripPanel<TAppearance>::Paint() {}

template <class TAppearance>
void TExtStripPanel<TAppearance>::PaintContent(TRect T) {
  TCanvas* c = Canvas();
  const TAppearance& a = *FAppearance;
  if (a.ImageIndex() >= 0 && FImages != nullptr) {
    FImages->Draw(c, T.Left + 4, T.Top + (T.Height() - FImages->Height()) / 2, a.ImageIndex(), true);
    T.Left += FImages->Width() + 8;
  }
  std::string text = a.Caption();
  if (OnGetText) OnGetText(this, text);
  if (text.empty()) return;
  if (!FButtonList.empty()) T.Right = FButtonList.back()->Left() - 2;
  c->Font()->Assign(a.Font());
  c->Brush()->SetStyle(bsClear);
  TSize size;
  DrawHTMLCaption(c, text, T, FImages, false, nullptr, size);
  if (size.cy < T.Height()) T.Top += (T.Height() - size.cy) / 2;
  DrawHTMLCaption(c, text, T, FImages, true, nullptr, size);
}

template class TExtStripPanel<THeaderAppearance>;
template class TExtStripPanel<TFooterAppearance>;

namespace {

template <class TAppearance>
void PaintStripBackground(TCanvas* c, const TAppearance& a, const TRect& R) {
  if (a.ColorTo() == clNone) {
    if (a.Color() != clNone) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(a.Color());
      c->FillRect(R);
    }
  } else {
    DrawGradient(c, a.Color(), a.ColorTo(), 80, R, a.GradientDirection() == gdHorizontal);
  }
}

bool FramedByPopup(const TExtCustomDropDown* d) {
  return d != nullptr && d->DropDownBorderWidth() > 0 && d->DropDownBorderColor() != clNone;
}

void Line(TCanvas* c, int x1, int y1, int x2, int y2) {
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}

}  // namespace

// ---- header

TExtHeader::TExtHeader(TComponent* AOwner) : TExtStripPanel<THeaderAppearance>(AOwner) {
  FAppearance->OnButtonsChanged = [](TObject*) {};
  SetControlStyle(TControlStyle{csAcceptsControls, csClickEvents, csDoubleClicks});
}

const THeaderAppearance* TExtHeader::DropDownAppearance() const { return FExtDropDown->DropDownHeader(); }

void TExtHeader::Paint() {
  TCanvas* c = Canvas();
  const TRect R = ClientRect();
  if (OnDrawBackGround) {
    OnDrawBackGround(this, c, R);
    return;
  }
  const THeaderAppearance& a = *FAppearance;
  PaintStripBackground(c, a, R);
  if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
    c->Pen()->SetWidth(a.BorderWidth());
    c->Pen()->SetColor(a.BorderColor());
    Line(c, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
    if (!FramedByPopup(FExtDropDown)) {
      Line(c, R.Left, R.Bottom - 1, R.Left, R.Top);
      Line(c, R.Left, R.Top, R.Right, R.Top);
      Line(c, R.Right, R.Top, R.Right, R.Bottom - 1);
    }
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(MixColors(a.BorderColor(), clWhite, 20));
    c->Rectangle(R.Left, R.Top, R.Right, R.Bottom - a.BorderWidth());
  }
  TRect T = R;
  InflateRect(T, -a.BorderWidth(), -a.BorderWidth());
  PaintContent(T);
}

// ---- footer

TExtFooter::TExtFooter(TComponent* AOwner) : TExtStripPanel<TFooterAppearance>(AOwner) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
}

const TFooterAppearance* TExtFooter::DropDownAppearance() const { return FExtDropDown->DropDownFooter(); }

bool TExtFooter::SizeGripActive() const {
  return FAppearance->SizeGrip() && FExtDropDown != nullptr && FExtDropDown->DropDownSizeable();
}

TRect TExtFooter::ButtonArea() const {
  TRect r = ClientRect();
  return TRect(r.Left + 2, r.Top + 2, r.Right - 2 - (SizeGripActive() ? 12 : 0), r.Bottom - 2);
}

void TExtFooter::Paint() {
  TCanvas* c = Canvas();
  const TRect R = ClientRect();
  if (OnDrawBackGround) {
    OnDrawBackGround(this, c, R);
    return;
  }
  const TFooterAppearance& a = *FAppearance;
  PaintStripBackground(c, a, R);
  if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
    c->Pen()->SetWidth(a.BorderWidth());
    c->Pen()->SetColor(a.BorderColor());
    Line(c, R.Left, R.Top, R.Right, R.Top);
    if (!FramedByPopup(FExtDropDown)) {
      Line(c, R.Left, R.Top, R.Left, R.Bottom);
      Line(c, R.Left, R.Bottom, R.Right, R.Bottom);
      Line(c, R.Right, R.Bottom, R.Right, R.Top);
    }
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(MixColors(a.BorderColor(), clWhite, 20));
    c->Rectangle(R.Left, R.Top + a.BorderWidth(), R.Right, R.Bottom);
  }
  TRect T = R;
  InflateRect(T, -a.BorderWidth(), -a.BorderWidth());
  PaintContent(T);
  if (SizeGripActive()) paintGrip(R);
}

void TExtFooter::paintGrip(const TRect& R) {
  TCanvas* c = Canvas();
  const int bw = FAppearance->BorderWidth();
  const TRect G(R.Right - bw - 16, 1, R.Right - bw - 1, R.Bottom);
  const TPoint dots[] = {{5, -4}, {9, -4}, {13, -4}, {13, -8}, {13, -12}, {9, -8}};
  auto dot = [&](int x, int y, TColor color) {
    c->Pen()->SetColor(color);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(color);
    c->Rectangle(x, y, x + 2, y + 2);
  };
  for (TPoint d : dots) dot(G.Left + d.X, G.Bottom + d.Y, clWhite);
  for (TPoint d : dots) dot(G.Left + d.X - 1, G.Bottom + d.Y - 1, FAppearance->BorderColor());
}

bool TExtFooter::inGrip(int X, int Y) const {
  return SizeGripActive() && Parent() != nullptr && X > Width() - 12 && Y > Height() - 15;
}

void TExtFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !inGrip(X, Y)) return;
  SetMouseCapture(false);
  TPoint p = ClientToScreen({X, Y});
  SendMessage(Parent()->Handle(), WM_NCLBUTTONDOWN, WPARAM(HTBOTTOMRIGHT), MakeLParam(p.X, p.Y));
}

void TExtFooter::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (Screen == nullptr) return;
  TCursor want = inGrip(X, Y) ? crSizeNWSE : OldCursor;
  if (Screen->Cursor() != want) Screen->SetCursor(want);
}

void TExtFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Screen != nullptr && Screen->Cursor() != OldCursor) Screen->SetCursor(OldCursor);
}

void TExtFooter::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER && Screen != nullptr && Screen->Cursor() != crSizeNWSE)
    OldCursor = Screen->Cursor();
  if (Message.Msg == CM_MOUSELEAVE && Screen != nullptr && Screen->Cursor() != OldCursor)
    Screen->SetCursor(OldCursor);
  TExtStripPanel<TFooterAppearance>::Dispatch(Message);
}
