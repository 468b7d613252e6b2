// The colour picker drop-down: value, colours, notations and its popups.

#include "controls/ExtColorPickerDropDown.h"

#include "controls/CustomColorSelector.h"
#include "controls/ExtColorPanels.h"
#include "controls/ExtDropDownForm.h"
#include "toolkit/graphics/WebColors.h"
#include "toolkit/rtl/SysUtils.h"

void TColorItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColorItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(s->FCaption);
  SetColor(s->FColor);
  FEnabled = s->FEnabled;
  FHint = s->FHint;
}

void TColorItem::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Changed(false);
}

void TColorItem::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed(false);
}

TExtColorPickerDropDown::TExtColorPickerDropDown(TComponent* AOwner)
    : TExtSelectorDropDown(AOwner), FColors(std::make_unique<TColorItems>(this)) {
  FColors->OnChange = [](TObject*) {};
  SetAutoSize(false);
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  FPopup.SetSearchRestarts(true);
  const TComponentState owner = Owner() ? Owner()->ComponentState() : TComponentState();
  FDesignTime = ComponentState().Contains(csDesigning) && !owner.Contains(csReading) && !owner.Contains(csLoading);
  SetDropDownHeight(200);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetCursor(crArrow);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExtColorPickerDropDown::~TExtColorPickerDropDown() = default;

void TExtColorPickerDropDown::AddDefaultColors() {
  static const struct {
    const char* Caption;
    TColor Color;
  } defaults[] = {{"Black", clBlack}, {"Maroon", clMaroon}, {"Green", clGreen},     {"Olive", clOlive},
                  {"Navy", clNavy},   {"Purple", clPurple}, {"Teal", clTeal},       {"Gray", clGray},
                  {"Silver", clSilver}, {"Red", clRed},     {"Lime", clLime},       {"Yellow", clYellow},
                  {"Blue", clBlue},   {"Fuchsia", clFuchsia}, {"Aqua", clAqua},     {"White", clWhite}};
  for (const auto& d : defaults) {
    TColorItem* it = FColors->Add();
    it->SetCaption(d.Caption);
    it->SetColor(d.Color);
  }
}

void TExtColorPickerDropDown::CreateWnd() {
  TExtSelectorDropDown::CreateWnd();
  if (FDesignTime && FColors->Count() == 0) {
    FDesignTime = false;
    AddDefaultColors();
  }
}

// ---- value

void TExtColorPickerDropDown::SetItemIndex(int Value) {
  if (Value >= FColors->Count()) return;
  FItemIndex = std::max(Value, -1);
  if (FItemIndex >= 0) FSelectedColor = FColors->Items(FItemIndex)->Color();
  Invalidate();
  if (OnSelect) OnSelect(this);
}

void TExtColorPickerDropDown::SetSelectedColor(TColor Value) {
  if (Value == FSelectedColor) return;
  FSelectedColor = Value;
  for (int i = 0; i < FColors->Count(); ++i)
    if (FColors->Items(i)->Color() == Value) {
      SetItemIndex(i);
      break;
    }
  Invalidate();
}

void TExtColorPickerDropDown::SetShowText(bool Value) {
  if (Value == FShowText) return;
  FShowText = Value;
  Invalidate();
}

std::string TExtColorPickerDropDown::GetSelectedColorText() const {
  if (FColorSelectionStyle == csList && FItemIndex >= 0) return FColors->Items(FItemIndex)->Caption();
  const TColor rgb = ColorToRGB(FSelectedColor);
  switch (FColorValueText) {
    case cvtNone: return "";
    case cvtHex: return IntToHex(FSelectedColor, 6);
    case cvtWebName: return ColorToWebName(FSelectedColor);
    case cvtRGB:
      return "Red:" + IntToStr(GetRValue(rgb)) + ",Green:" + IntToStr(GetGValue(rgb)) + ",Blue:" +
             IntToStr(GetBValue(rgb));
    case cvtHTML: return ColorToHtml(FSelectedColor);
  }
  return "";
}


// ---- the popup controls

void TExtColorPickerDropDown::handOver(TControl* C) {
  C->SetLeft(0);
  C->SetTop(0);
  C->SetColor(DropDownColor());
  SetControl(C);
}

void TExtColorPickerDropDown::fillList() {
  TExtCustomItemSelector* list = ItemSelector();
  if (list == nullptr) return;
  ApplyListSettings(FColumns);
  list->SetColorBoxHeight(FColorBoxHeight);
  list->SetColorBoxWidth(FColorBoxWidth);
  FPopup.Fill(
      FColors->Count(),
      [this](TSelectorItem* S, int i) {
        const TColorItem* item = FColors->Items(i);
        S->SetCaption(item->Caption());
        S->SetColor(item->Color());
        S->SetHint(item->Hint());
      },
      FItemIndex, [this](TObject*) { listSelected(); });
  list->SetShowHint(ShowHint());
  list->OnDrawItem = nullptr;
  if (OnDrawColor)
    list->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, int Index) { OnDrawColor(this, Canvas, R, Index); };
}

void TExtColorPickerDropDown::buildDiscrete() {
  if (FColorSelector == nullptr) {
    FColorSelector = new TCustomColorSelector(this);
    FColorSelector->SetParent(FDropDownForm);
    FColorSelector->FillThemePalette();
  }
  FColorSelector->SetLeft(0);
  FColorSelector->SetTop(0);
  FColorSelector->SetColor(DropDownColor());
  FColorSelector->UpdateItems();
  SetControl(FColorSelector);
}

void TExtColorPickerDropDown::buildCube() {
  if (FCubePanel == nullptr) {
    FCubePanel = new TExtColorCubePanel(this);
    FCubePanel->SetParent(FDropDownForm);
  }
  handOver(FCubePanel);
}

void TExtColorPickerDropDown::buildSpectrum() {
  if (FSpectrumPanel == nullptr) {
    FSpectrumPanel = new TExtColorSpectrumPanel(this);
    FSpectrumPanel->SetParent(FDropDownForm);
  }
  handOver(FSpectrumPanel);
}

void TExtColorPickerDropDown::buildStyleControl(TColorSelectionStyle Style) {
  if (FDropDownForm == nullptr) return;
  switch (Style) {
    case csList: BuildList(stColor); break;
    case csDiscrete: buildDiscrete(); break;
    case csColorCube: buildCube(); break;
    case csSpectrum: buildSpectrum(); break;
  }
}

TControl* TExtColorPickerDropDown::styleControl(TColorSelectionStyle Style) const {
  switch (Style) {
    case csList: return ItemSelector();
    case csDiscrete: return FColorSelector;
    case csColorCube: return FCubePanel;
    case csSpectrum: return FSpectrumPanel;
  }
  return nullptr;
}

void TExtColorPickerDropDown::showOnly(TColorSelectionStyle Style) {
  for (TColorSelectionStyle s : {csList, csDiscrete, csColorCube, csSpectrum})
    if (TControl* c = styleControl(s)) c->SetVisible(s == Style);
}

// The style's own preparation before its control shows.
void TExtColorPickerDropDown::prepareStyle(TColorSelectionStyle Style) {
  buildStyleControl(Style);
  if (styleControl(Style) == nullptr) return;
  showOnly(Style);
  switch (Style) {
    case csList: fillList(); break;
    case csDiscrete:
      FColorSelector->SetSelectedColor(FSelectedColor);
      FColorSelector->UpdateItems();
      FColorSelector->OnItemSelect = [this](TObject*) { discreteSelected(); };
      FColorSelector->SetItemColorStyle(SelectionColorStyle());
      break;
    case csColorCube:
      FCubePanel->SetSelectedColor(FSelectedColor);
      FCubePanel->SetColorArray();
      FCubePanel->ResetCube();
      FCubePanel->OnSelect = [this](TObject*) { panelSelected(FCubePanel->SelectedColor()); };
      break;
    case csSpectrum:
      FSpectrumPanel->SetSelectedColor(FSelectedColor);
      FSpectrumPanel->SetComponentsPosition();
      FSpectrumPanel->OnSelect = [this](TObject*) { panelSelected(FSpectrumPanel->SelectedColor()); };
      break;
  }
}

void TExtColorPickerDropDown::CreateDropDownForm() {
  TExtSelectorDropDown::CreateDropDownForm();
  buildStyleControl(FColorSelectionStyle);
}

void TExtColorPickerDropDown::BeforeDropDown() {
  TExtSelectorDropDown::BeforeDropDown();
  prepareStyle(FColorSelectionStyle);
  if (FColorSelectionStyle == csList) FOldItemIndex = FItemIndex;
  FOldSelectedColor = FSelectedColor;
}

void TExtColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
  if (Value == FColorSelectionStyle) return;
  FColorSelectionStyle = Value;
  if (ComponentState().Contains(csDesigning) || FDropDownForm == nullptr) return;
  buildStyleControl(Value);
  if (TControl* c = styleControl(Value)) c->SetAlign(alNone);
  prepareStyle(Value);
  if (Value == csList) FOldItemIndex = FItemIndex;
  FOldSelectedColor = FSelectedColor;
  if (TControl* c = styleControl(Value)) {
    c->SetAlign(alNone);
    SetDropDownSize();
    c->SetAlign(alClient);
  }
  FDropDownForm->Invalidate();
}

void TExtColorPickerDropDown::PlaceDropDownControl() {
  TExtSelectorDropDown::PlaceDropDownControl();
  if (FColorSelectionStyle != csList && FDropDownForm != nullptr) FDropDownForm->SetSizeable(false);
}

void TExtColorPickerDropDown::sizePanelPopup() {
  TControl* c = Control();
  const bool shown = c != nullptr && c->Visible();
  const int b = DropDownBorderWidth();
  const int w = shown ? c->Width() + 2 * b : Width();
  int h = 2 * b + (shown ? c->Height() : 0);
  if (DropDownHeader()->Visible()) h += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) h += DropDownFooter()->Height();
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TExtColorPickerDropDown::SetDropDownSize() {
  if (FColorSelectionStyle != csList) {
    sizePanelPopup();
    return;
  }
  FPopup.SizeListToCells(DropDownWidth(), DropDownHeight());
  TExtSelectorDropDown::SetDropDownSize();
  FPopup.WidenForScrollBar(FDropDownForm);
}

void TExtColorPickerDropDown::DoHideDropDown(bool Cancel) {
  TExtSelectorDropDown::DoHideDropDown(Cancel);
  // The panels size the popup themselves; the user cannot resize it.
  if (FColorSelectionStyle != csList) ForgetUserDropDownSize();
  if (!Cancel) return;
  if (FColorSelectionStyle == csList) {
    if (ItemSelector() != nullptr) SetItemIndex(FOldItemIndex);
  } else if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr) {
    // A cancelled popup gives back the colour it opened with, also where the
    // keyboard already took another one into the value.
    FColorSelector->SetSelectedColor(FOldSelectedColor);
    if (FSelectedColor != FOldSelectedColor) {
      FSelectedColor = FOldSelectedColor;
      Invalidate();
    }
  }
}

void TExtColorPickerDropDown::DropDownFormDestroyed() {
  TExtSelectorDropDown::DropDownFormDestroyed();
  if (ComponentState().Contains(csDestroying)) return;
  FColorSelector = nullptr;
  FCubePanel = nullptr;
  FSpectrumPanel = nullptr;
}

// ---- choices made in the popup

void TExtColorPickerDropDown::listSelected() {
  SetItemIndex(ItemSelector()->ItemIndex());
  if (!FPopup.InternalCall()) DoHideDropDown(false);
}

void TExtColorPickerDropDown::discreteSelected() {
  SetSelectedColor(FColorSelector->SelectedColor());
  SetItemIndex(-1);
  if (!FPopup.InternalCall()) DoHideDropDown(false);
}

void TExtColorPickerDropDown::panelSelected(TColor Color) {
  SetSelectedColor(Color);
  SetItemIndex(-1);
  DoHideDropDown(false);
}
