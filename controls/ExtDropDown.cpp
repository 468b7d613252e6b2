// The drop-down edit base: construction, properties, label, layout and painting.

#include "controls/ExtDropDown.h"

#include "controls/DropDownTheme.h"
#include "controls/ExtDropDownForm.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/rtl/SysUtils.h"

TPoint DropDownLabelOrigin(TExtCustomDropDown::TLabelPosition Position, const TRect& Control, int TextWidth,
                           TPoint LabelSize, int Margin) {
  const int L = Control.Left, T = Control.Top, W = Control.Width(), H = Control.Height();
  const int lw = LabelSize.X, lh = LabelSize.Y, m = Margin, w = TextWidth;
  switch (Position) {
    case TExtCustomDropDown::lpLeftTop: return {L - w - m, T};
    case TExtCustomDropDown::lpLeftCenter: return {L - w - m, T + (H - lh) / 2};
    case TExtCustomDropDown::lpLeftBottom: return {L - w - m, T + H - lh};
    case TExtCustomDropDown::lpTopLeft: return {L, T - lh - m};
    case TExtCustomDropDown::lpBottomLeft: return {L, T + H + m};
    case TExtCustomDropDown::lpLeftTopLeft: return {L - m, T};
    case TExtCustomDropDown::lpLeftCenterLeft: return {L - m, T + (H - lh) / 2};
    case TExtCustomDropDown::lpLeftBottomLeft: return {L - m, T + H - lh};
    case TExtCustomDropDown::lpTopCenter: return {L + (W - lw) / 2, T - lh - m};
    case TExtCustomDropDown::lpBottomCenter: return {L + (W - lw) / 2, T + H + m};
    case TExtCustomDropDown::lpRightTop: return {L + W + m, T};
    case TExtCustomDropDown::lpRightCenter: return {L + W + m, T + (H - lh) / 2};
    case TExtCustomDropDown::lpRighBottom: return {L + W + m, T + H - lh};
    case TExtCustomDropDown::lpTopRight: return {L + W - lw, T - lh - m};
    case TExtCustomDropDown::lpBottomRight: return {L + W - lw, T + H + m};
  }
  return {L, T};
}

TExtCustomDropDown::TExtCustomDropDown(TComponent* AOwner)
    : TCustomMaskEdit(AOwner), FValue(TCustomEdit::Model()) {
  FValue.OnChange = [this] { EditChanged(); };
  FValue.InheritedChar = [this](char Key) { TCustomMaskEdit::EditChar(Key); };
  TCustomMaskEdit::SetBounds(Left(), Top(), 200, 21);
  FDropDownHeader = std::make_unique<THeaderAppearance>(this);
  FDropDownFooter = std::make_unique<TFooterAppearance>(this);
  FButtonAppearance = std::make_unique<TExtButtonAppearance>();
  for (auto hook : {&FDropDownHeader->OnChange, &FDropDownHeader->OnButtonsChanged, &FDropDownFooter->OnChange,
                    &FDropDownFooter->OnButtonsChanged})
    *hook = [this](TObject*) { appearanceChanged(); };
  FLabelFont = std::make_unique<TFont>();
  FLabelFont->OnChange = [this](TObject*) { placeLabel(); };
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
  CreateDropDownButton();
  TControlStyle s = ControlStyle();
  s.Exclude(csSetCaption);
  SetControlStyle(s);
  SetReadOnly(false);
  FValue.SetText("");
  FValue.OldText.clear();
  SetSelectionColorStyle(scOffice2007);
  SetComponentStyle(tsOffice2007Luna);
}

TExtCustomDropDown::~TExtCustomDropDown() {
  delete FDropDownForm;
  FDropDownForm = nullptr;
}

void TExtCustomDropDown::EditChanged() { TCustomMaskEdit::Change(); }

void TExtCustomDropDown::Change() { FValue.NotifyChanged(); }

void TExtCustomDropDown::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExtCustomDropDown*>(Source);
  if (s == nullptr) return;
  FFocusDraw = s->FFocusDraw;
  FForceShadow = s->FForceShadow;
  FDropDownEnabled = s->FDropDownEnabled;
  FDropDownColor = s->FDropDownColor;
  FDropDownColorTo = s->FDropDownColorTo;
  FDropDownGradient = s->FDropDownGradient;
  FDropDownBorderColor = s->FDropDownBorderColor;
  FDropDownBorderWidth = s->FDropDownBorderWidth;
  FDropDownShadow = s->FDropDownShadow;
  FDropDownWidth = s->FDropDownWidth;
  FDropDownHeight = s->FDropDownHeight;
  FDropDownSizeable = s->FDropDownSizeable;
  FValue.EditType = s->FValue.EditType;
  FReturnIsTab = s->FReturnIsTab;
  FValue.LengthLimit = s->FValue.LengthLimit;
  FValue.Precision = s->FValue.Precision;
  FValue.Prefix = s->FValue.Prefix;
  FValue.Suffix = s->FValue.Suffix;
  FDefaultHandling = s->FDefaultHandling;
  FCanUndo = s->FCanUndo;
  FValue.ExcelStyleDecimalSeparator = s->FValue.ExcelStyleDecimalSeparator;
  FValue.ValidChars = s->FValue.ValidChars;
  FValue.Signed = s->FValue.Signed;
  FValue.AutoThousandSeparator = s->FValue.AutoThousandSeparator;
  FButtonAppearance->Assign(s->FButtonAppearance.get());
  FDropDownHeader->Assign(s->FDropDownHeader.get());
  FDropDownFooter->Assign(s->FDropDownFooter.get());
  FDropPosition = s->FDropPosition;
  FFlat = s->FFlat;
  SetDropDownButtonWidth(s->FButtonWidth);
  SetDropDownButtonHint(s->FButtonHint);
  SetEditorEnabled(s->FEditorEnabled);
  FButton->SetGlyph(s->FButton->Glyph());
  FButton->SetButtonCaption(s->FButton->ButtonCaption());
  FEtched = s->FEtched;
  FImages = s->FImages;
  SetSelectionColorStyle(s->FSelectionColorStyle);
  FSelectionColor = s->FSelectionColor;
  FSelectionColorTo = s->FSelectionColorTo;
}

// ---- properties

void TExtCustomDropDown::SetBorderColor(TColor Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  Invalidate();
  if (FButton) FButton->Button()->Invalidate();
}

void TExtCustomDropDown::SetDisabledBorder(bool Value) {
  if (Value == FDisabledBorder) return;
  FDisabledBorder = Value;
  Invalidate();
}

void TExtCustomDropDown::SetDropDownWidth(int Value) {
  if (Value == FDropDownWidth) return;
  FDropDownWidth = Value;
  FUserDropDownWidth = -1;
}

void TExtCustomDropDown::SetDropDownHeight(int Value) {
  if (Value == FDropDownHeight) return;
  FDropDownHeight = Value;
  FUserDropDownHeight = -1;
}

void TExtCustomDropDown::SetDropDownButtonWidth(int Value) {
  if (FButton == nullptr || Value == FButtonWidth) return;
  FButtonWidth = Value;
  FButton->SetBWidth(Value);
  if (HandleAllocated()) UpdateButtonBounds();
}

void TExtCustomDropDown::SetDropDownButtonHint(const std::string& Value) {
  if (Value == FButtonHint) return;
  FButtonHint = Value;
  FButton->SetHint(Value);
  FButton->SetShowHint(!Value.empty());
}

void TExtCustomDropDown::SetImages(TImageList* Value) { FImages = Value; }

std::string TExtCustomDropDown::Version() const {
  const uint32_t v = GetVersionNr();
  return IntToStr(int(v >> 24)) + "." + IntToStr(int((v >> 16) & 0xFF)) + "." + IntToStr(int((v >> 8) & 0xFF)) +
         "." + IntToStr(int(v & 0xFF));
}

void TExtCustomDropDown::SetEditorEnabled(bool Value) {
  FEditorEnabled = Value;
  FValue.EditorEnabled = Value;
  TControlStyle s = ControlStyle();
  if (Value) s.Include(csDoubleClicks);
  else s.Exclude(csDoubleClicks);
  SetControlStyle(s);
}

void TExtCustomDropDown::SetEditType(TDropDownEditType Value) {
  if (Value == FValue.EditType) return;
  if (Value == etPassword) {
    SetPasswordChar('*');
    FCanUndo = false;
    if (HandleAllocated()) RecreateWnd();
  } else {
    SetPasswordChar(0);
  }
  FValue.SetEditType(Value);
  if (ComponentState().Contains(csDesigning) && Value == etFloat && FValue.Precision == 0) FValue.Precision = 2;
}

void TExtCustomDropDown::SetControl(TControl* Value) {
  if (Value == FControl) return;
  FControl = Value;
  if (!ComponentState().Contains(csDesigning)) PlaceDropDownControl();
}

void TExtCustomDropDown::appearanceChanged() {
  if (FDropDownForm != nullptr && FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

// ---- the label

std::string TExtCustomDropDown::LabelCaption() const { return FLabel ? FLabel->Caption() : std::string(); }

void TExtCustomDropDown::SetLabelCaption(const std::string& Value) {
  if (FLabel == nullptr) {
    FLabel = new TLabel(this);
    FLabel->SetFocusControl(this);
    FLabel->SetFont(FLabelFont.get());
    FLabel->OnClick = [this](TObject*) { DoLabelClick(); };
    FLabel->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
    FLabel->SetParentFont(ParentFont());
  }
  FLabel->SetCaption(Value);
  placeLabel();
}

void TExtCustomDropDown::SetLabelFont(const TFont* Value) {
  if (!ParentFont()) FLabelFont->Assign(Value);
  placeLabel();
}

void TExtCustomDropDown::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  placeLabel();
}

void TExtCustomDropDown::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  placeLabel();
}

void TExtCustomDropDown::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  placeLabel();
}

void TExtCustomDropDown::placeLabel() {
  if (FLabel == nullptr) return;
  if (FLabel->Parent() != Parent()) FLabel->SetParent(Parent());
  FLabel->SetTransparent(FLabelTransparent);
  FLabel->SetFont(FParentFnt ? Font() : FLabelFont.get());
  TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->Font()->Assign(FLabel->Font());
  TRect r(0, 0, 1000, 255);
  scratch.Canvas()->DrawText(FLabel->Caption(), r, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  const TPoint at = DropDownLabelOrigin(FLabelPosition, BoundsRect(), r.Width(),
                                        {FLabel->Width(), FLabel->Height()}, FLabelMargin);
  FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
  FLabel->SetVisible(Visible());
}

void TExtCustomDropDown::DoLabelClick() {
  if (OnLabelClick) OnLabelClick(this);
}

void TExtCustomDropDown::DoLabelDblClick() {
  if (OnLabelDblClick) OnLabelDblClick(this);
}

void TExtCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FLabel != nullptr && FLabel->Parent() != nullptr) placeLabel();
}

void TExtCustomDropDown::CMVisibleChanged(TMessage& Message) {
  TCustomMaskEdit::CMVisibleChanged(Message);
  if (FLabel != nullptr && !FLabel->Caption().empty()) FLabel->SetVisible(Visible());
}

void TExtCustomDropDown::CMEnabledChanged(TMessage& Message) {
  TCustomMaskEdit::CMEnabledChanged(Message);
  if (FButton) FButton->SetEnabled(Enabled());
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
  Invalidate();
}

void TExtCustomDropDown::CMFontChanged(TMessage& Message) {
  TCustomMaskEdit::CMFontChanged(Message);
  if (HandleAllocated()) SetEditRect();
}

void TExtCustomDropDown::Loaded() {
  TCustomMaskEdit::Loaded();
  FParentFnt = ParentFont();
  SetEditRect();
  UpdateButtonBounds();
  if (FButton) FButton->SetEnabled(Enabled());
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
  placeLabel();
}

void TExtCustomDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomMaskEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == reinterpret_cast<TComponent*>(FImages)) {
    FImages = nullptr;
    Invalidate();
  }
  if (AComponent == FControl) SetControl(nullptr);
  if (AComponent == FFocusControl) FFocusControl = nullptr;
  if (AComponent == FLabel) FLabel = nullptr;
  if (AComponent == FButton) FButton = nullptr;
  if (AComponent == FDropDownForm) FDropDownForm = nullptr;
}

// ---- button and layout

void TExtCustomDropDown::CreateDropDownButton() {
  if (FButton == nullptr) {
    FButton = new TDropDownEditButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject*) { buttonClick(); };
    if (ComponentState().Contains(csDesigning)) FButton->SetColor(clBtnFace);
  }
  UpdateDropDownButton();
}

void TExtCustomDropDown::UpdateDropDownButton() {
  if (FButton == nullptr) return;
  FButton->SetBWidth(FButtonWidth);
  FButton->SetHeight(17);
  FButton->SetVisible(true);
  FButton->SetFocusControl(this);
  UpdateButtonBounds();
}

void TExtCustomDropDown::BoundsChanged() {
  TCustomMaskEdit::BoundsChanged();
  UpdateButtonBounds();
}

void TExtCustomDropDown::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

void TExtCustomDropDown::SetEditRect() {
  const bool bordered = BorderStyle() == bsSingle;
  TRect r(bordered ? 1 : 2, bordered ? 1 : 3, ClientWidth() - FButtonWidth - 3, ClientHeight() + 1);
  FEditRect = r;
  if (!Ctl3D()) r.Left += 1;
  if (HandleAllocated()) Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

// The button fills the right edge of the client area, inside the edit's border.
void TExtCustomDropDown::UpdateButtonBounds() {
  if (FButton == nullptr) return;
  FButton->SetBounds(ClientWidth() - FButtonWidth, 0, FButtonWidth, ClientHeight());
  SetEditRect();
  Invalidate();
}

// ---- painting

bool TExtCustomDropDown::hot() const {
  if (ComponentState().Contains(csDesigning)) return false;
  return FMouseInControl || (Screen != nullptr && Screen->ActiveControl() == this);
}

void TExtCustomDropDown::drawBorders() {
  if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  if (ComponentState().Contains(csDesigning)) return;
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  auto frame = [&](TColor color) {
    c->Brush()->SetColor(color);
    c->FrameRect(r);
  };
  if (!Enabled() && DropDownThemed() && FDisabledBorder) frame(TColor(0xC0C0C0));
  else if (FBorderColor != clNone && (!Focused() || FFocusBorderColor == clNone)) frame(FBorderColor);
  else if (FFocusBorderColor != clNone) {
    if (Focused()) frame(FFocusBorderColor);
  } else if (FFlat) {
    frame(hot() ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace));
  }
  if (FButton) FButton->Button()->SetFocused(hot());
}

void TExtCustomDropDown::Paint() {
  TCustomMaskEdit::Paint();
  if (FBorderColor != clNone || FFocusBorderColor != clNone || (!Enabled() && FDisabledBorder)) drawBorders();
  PaintFocusedEdit();
}

void TExtCustomDropDown::PaintFocusedEdit() {
  if (FEditorEnabled || !Focused() || ComponentState().Contains(csDesigning) || !FFocusDraw) return;
  TCanvas* c = Canvas();
  TRect r(2, 2, Width() - FButtonWidth - 1, Height() - 2);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clHighlight);
  c->Pen()->SetColor(clBlack);
  c->Rectangle(r);
  c->Font()->Assign(Font());
  c->Font()->SetColor(clHighlightText);
  c->Brush()->SetStyle(bsClear);
  r.Left += 2;
  r.Right -= 3;
  c->DrawText(FValue.Value(), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TExtCustomDropDown::CMMouseEnter(TCMControlMsg& Message) {
  TCustomMaskEdit::CMMouseEnter(Message);
  FMouseInControl = true;
  if (Enabled()) Invalidate();
}

void TExtCustomDropDown::CMMouseLeave(TCMControlMsg& Message) {
  TCustomMaskEdit::CMMouseLeave(Message);
  FMouseInControl = false;
  if (Enabled()) Invalidate();
}
