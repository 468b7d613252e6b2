#include "controls/CalculatorPanel.h"

#include "controls/DropDownTheme.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"

namespace {
bool PictureEmpty(const TPicture* p) { return p->Graphic() == nullptr || p->Graphic()->Empty(); }
}  // namespace

void TButtonItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TButtonItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  Caption = s->Caption;
  CaptionColor = s->CaptionColor;
  Tag = s->Tag;
  ImageIndex = s->ImageIndex;
  Image->Assign(s->Image.get());
  Enabled = s->Enabled;
  Name = s->Name;
}

TButtonAppearance::TButtonAppearance() : FFont(std::make_unique<TFont>()) {
  FFont->SetSize(10);
  FFont->SetStyle(TFontStyles{fsBold});
}

void TButtonAppearance::change(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TButtonAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TButtonAppearance*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  SetColor(s->Color());
  SetColorTo(s->ColorTo());
  ShineColor = s->ShineColor;
  SetColorHot(s->ColorHot());
  SetColorHotTo(s->ColorHotTo());
  GlowColorHot = s->GlowColorHot;
  SetColorDown(s->ColorDown());
  SetColorDownTo(s->ColorDownTo());
  GlowColorDown = s->GlowColorDown;
  SetColorChecked(s->ColorChecked());
  SetColorCheckedTo(s->ColorCheckedTo());
  SetColorDisabled(s->ColorDisabled());
  SetColorDisabledTo(s->ColorDisabledTo());
  SetBorderColor(s->BorderColor());
  SetBorderColorHot(s->BorderColorHot());
  SetBorderColorDown(s->BorderColorDown());
  SetBorderColorChecked(s->BorderColorChecked());
  FFont->Assign(s->Font());
  SetTextColor(s->TextColor());
  SetSpecialTextColor(s->SpecialTextColor());
}

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner),
      FButtons(std::make_unique<TButtonItems>(this)),
      FAppearance(std::make_unique<TButtonAppearance>()) {
  FButtons->OnChange = [this](TObject*) {
    if (Calculator == nullptr) Invalidate();
  };
  FAppearance->OnChange = [this](TObject*) {
    if (Calculator == nullptr) Invalidate();
  };
  SetDoubleBuffered(true);
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
  if (Value == FType) return;
  FType = Value;
  LayoutButtons();
}

void TCustomButtonPanel::SetImages(TImageList* Value) {
  if (Value == FImages) return;
  FImages = Value;
  LayoutButtons();
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove || ComponentState().Contains(csDestroying)) return;
  if (AComponent == reinterpret_cast<TComponent*>(FImages)) FImages = nullptr;
  if (AComponent == reinterpret_cast<TComponent*>(Edit)) Edit = nullptr;
}

void TCustomButtonPanel::Loaded() {
  TCustomControl::Loaded();
  if (Calculator == nullptr) BuildButtons();
}

void TCustomButtonPanel::GetContentRect(TRect& R) {
  R = ClientRect();
  InflateRect(R, -OffSetX, -OffSetY);
}

void TCustomButtonPanel::ResetButtons() {
  ClearButtons();
  BuildButtons();
}

void TCustomButtonPanel::BuildButtons() {
  if (FButtons->Count() > 0) return;
  if (FType == plCalculator) {
    struct Key {
      const char* Caption;
      int Tag;
      bool Special;
    };
    static const Key keys[28] = {{"", 30, false},    {"Back", 31, true}, {"CE", 32, true}, {"C", 16, true},
                                 {"MC", 33, true},   {"MR", 34, true},   {"MS", 35, true}, {"M+", 36, true},
                                 {"0", 0, false},    {"1", 1, false},    {"4", 4, false},  {"7", 7, false},
                                 {"8", 8, false},    {"5", 5, false},    {"2", 2, false},  {"+/-", 14, false},
                                 {".", 15, false},   {"3", 3, false},    {"6", 6, false},  {"9", 9, false},
                                 {"/", 13, true},    {"*", 12, true},    {"-", 11, true},  {"+", 10, true},
                                 {"=", 17, true},    {"1/x", 38, false}, {"%", 18, false}, {"sqrt", 37, true}};
    for (const Key& k : keys) {
      TButtonItem* b = FButtons->Add();
      b->Caption = k.Caption;
      b->Name = std::string("BTN_") + (k.Tag == 30 ? "ON" : k.Tag == 31 ? "BACK" : k.Caption);
      b->Tag = k.Tag;
      b->Special = k.Special;
      if (k.Special) b->CaptionColor = TColor(0x000080);
    }
  }
  LayoutButtons();
}

void TCustomButtonPanel::LayoutButtons() {
  if (FButtons->Count() < 28 || FType != plCalculator) return;
  TRect c;
  GetContentRect(c);
  const int w = (c.Right - c.Left - 8) / 6, h = (c.Bottom - c.Top - 4) / 5;
  const int y0 = c.Top, y1 = c.Top + h + 4, y2 = y1 + h - 1, y3 = y2 + h - 1, y4 = y3 + h - 1;
  const int x0 = c.Left, x1 = x0 + w + 4, x2 = x1 + w - 1, x3 = x2 + w - 1, x4 = x3 + w + 4, x5 = x4 + w - 1;
  auto place = [&](int index, int x, int y, int width) {
    TButtonItem* b = FButtons->Items(index);
    b->Left = x, b->Top = y, b->Width = width, b->Height = h;
  };
  // (key index, column, row) of the grid below the top row.
  const int grid[][3] = {{0, x0, y0},   {4, x0, y1},   {5, x0, y2},   {6, x0, y3},   {7, x0, y4},
                         {11, x1, y1},  {10, x1, y2},  {9, x1, y3},   {8, x1, y4},   {12, x2, y1},
                         {13, x2, y2},  {14, x2, y3},  {15, x2, y4},  {19, x3, y1},  {18, x3, y2},
                         {17, x3, y3},  {16, x3, y4},  {20, x4, y1},  {21, x4, y2},  {22, x4, y3},
                         {23, x4, y4},  {27, x5, y1},  {26, x5, y2},  {25, x5, y3},  {24, x5, y4}};
  for (const auto& g : grid) place(g[0], g[1], g[2], w);
  const int e = x5 + w, s = x0 + w + 4, t = (e - s - 8) / 3;
  place(1, s, y0, t);
  place(2, s + t + 4, y0, t);
  place(3, s + 2 * t + 8, y0, e - (s + 2 * t + 8));
  Invalidate();
}

void TCustomButtonPanel::BoundsChanged() {
  TCustomControl::BoundsChanged();
  LayoutButtons();
}

void TCustomButtonPanel::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  if (Calculator == nullptr) {
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clBlack);
    c->Rectangle(ClientRect());
  }
  for (int i = 0; i < FButtons->Count(); ++i)
    if (i != FHot) DrawButton(i, c);
  if (FHot >= 0) DrawButton(FHot, c);
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas* ACanvas) {
  if (Index < 0 || Index >= FButtons->Count() || ACanvas == nullptr) return;
  TButtonItem* b = FButtons->Items(Index);
  const TRect K = b->Rect();
  if (K.Left < 0 && K.Right < 0) return;
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->FillRect(K);
  const int state = !Enabled() ? 4 : Index == FPressed ? 3 : Index == FHot ? 2 : 1;
  if (DropDownThemed()) {
    DrawDropDownThemePart(ACanvas, Handle(), "button", 1, state, K);
  } else {
    TRect e = K;
    ACanvas->Brush()->SetColor(clBtnFace);
    ACanvas->FillRect(e);
    ACanvas->DrawEdge(e, state == 3 ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  int w = 0, h = 0;
  if (!PictureEmpty(b->Image.get())) w = b->Image->Width(), h = b->Image->Height();
  else if (FImages != nullptr && b->ImageIndex >= 0) w = FImages->Width(), h = FImages->Height();
  TRect I = K;
  InflateRect(I, -ButtonOffSetX, -ButtonOffSetY);
  TRect C = I;
  ACanvas->Font()->Assign(FAppearance->Font());
  ACanvas->Font()->SetColor(b->Special ? FAppearance->SpecialTextColor() : FAppearance->TextColor());
  ACanvas->Brush()->SetStyle(bsClear);
  const bool centred = w == 0 || ButtonLayout == ilCaptionTop || ButtonLayout == ilCaptionBottom;
  const uint32_t flags = DT_SINGLELINE | DT_VCENTER | (centred ? DT_CENTER : DT_LEFT);
  int x = I.Left, y = I.Top + (I.Height() - h) / 2;
  if (ButtonLayout == ilCaptionRight && w > 0) C.Left = I.Left + w + CaptionGap;
  if (ButtonLayout == ilCaptionLeft && !b->Caption.empty()) C.Right -= w;
  if (!b->Caption.empty()) ACanvas->DrawText(b->Caption, C, flags);
  if (ButtonLayout == ilCaptionLeft) x = C.Left + ACanvas->TextWidth(b->Caption) + CaptionGap;
  if (w > 0) {
    if (!PictureEmpty(b->Image.get())) ACanvas->Draw(x, y, b->Image->Graphic());
    else FImages->Draw(ACanvas, x, y, b->ImageIndex, b->Enabled);
  }
}

void TCustomButtonPanel::InvalidateButton(int Index) {
  if (Index < 0 || Index >= FButtons->Count()) return;
  Invalidate();
}

void TCustomButtonPanel::ButtonClick(int Index) {
  if (OnButtonClick) OnButtonClick(this, Index);
}

int TCustomButtonPanel::keyAt(int X, int Y) const {
  for (int i = 0; i < FButtons->Count(); ++i) {
    const TRect r = FButtons->Items(i)->Rect();
    if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
  }
  return -1;
}

void TCustomButtonPanel::setTracked(int& Field, int Index) {
  if (Index >= 0 && !FButtons->Items(Index)->Enabled) Index = -1;
  if (Index == Field) return;
  InvalidateButton(Field);
  Field = Index;
  InvalidateButton(Field);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int k = keyAt(X, Y);
  if (k >= 0 && FButtons->Items(k)->Enabled) setTracked(FPressed, k);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  setTracked(FHot, keyAt(X, Y));
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FPressed < 0) return;
  const int k = keyAt(X, Y);
  const bool counts = k == FPressed;
  setTracked(FPressed, -1);
  if (counts) ButtonClick(k);
}

void TCustomButtonPanel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSELEAVE) setTracked(FHot, -1);
  TCustomControl::Dispatch(Message);
}
