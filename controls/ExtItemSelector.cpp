// The item selector's scrolling host: owns items, settings and appearance,
// relays the panel's selection and keeps the chosen cell in view.

#include "controls/ExtItemSelector.h"

#include "toolkit/forms/Messages.h"
#include "toolkit/graphics/ImgList.h"

TExtCustomItemSelector::TExtCustomItemSelector(TComponent* AOwner)
    : TScrollBox(AOwner),
      FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)) {
  FItems->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
  FItemAppearance->OnChange = [](TObject*) {};
  SetBorderStyle(bsNone);
  SetColor(clWindow);
  // A dragged thumb scrolls at once.
  VertScrollBar()->SetTracking(true);
  SetAutoScroll(true);
  FPanel = new TCustomItemSelector(this);
  FPanel->SetParent(this);
  FPanel->OnItemSelect = [this](TObject*) {
    if (OnItemSelect) OnItemSelect(this);
  };
  UpdateSelectorPanel();
}

TExtCustomItemSelector::~TExtCustomItemSelector() {
  // The panel reads items and appearance while it goes.
  delete FPanel;
  FPanel = nullptr;
}

void TExtCustomItemSelector::SetColumns(int Value) {
  if (Value <= 0 || Value == FColumns) return;
  FColumns = Value;
  UpdateSelectorPanel();
}

int TExtCustomItemSelector::ItemIndex() const { return FPanel ? FPanel->ItemIndex() : -1; }

void TExtCustomItemSelector::SetItemIndex(int Value) {
  if (FPanel == nullptr) return;
  FPanel->SetItemIndex(Value);
  ScrollItemInView(FPanel->ItemIndex());
}

void TExtCustomItemSelector::SetSelectorType(TSelectorType Value) {
  if (Value == FSelectorType) return;
  FSelectorType = Value;
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetImages(TImageList* Value) {
  if (Value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxHeight(int Value) {
  if (Value == FColorBoxHeight) return;
  FColorBoxHeight = Value;
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxWidth(int Value) {
  if (Value == FColorBoxWidth) return;
  FColorBoxWidth = Value;
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation) {
  TScrollBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages && !ComponentState().Contains(csDestroying)) SetImages(nullptr);
}

void TExtCustomItemSelector::UpdateSelectorPanel() {
  if (FPanel == nullptr) return;
  FPanel->UpdateItems();
  // The scroll range follows the panel's new size.
  UpdateScrollBars();
}

template <class Op>
void TExtCustomItemSelector::panelStep(Op op, bool hot) {
  if (FPanel == nullptr) return;
  op(*FPanel);
  ScrollItemInView(hot ? FPanel->ItemHot() : FPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectFirst() { panelStep([](TCustomItemSelector& p) { p.SelectFirst(); }, false); }
void TExtCustomItemSelector::SelectLast() { panelStep([](TCustomItemSelector& p) { p.SelectLast(); }, false); }
void TExtCustomItemSelector::SelectNext() { panelStep([](TCustomItemSelector& p) { p.SelectNext(); }, false); }
void TExtCustomItemSelector::SelectPrevious() {
  panelStep([](TCustomItemSelector& p) { p.SelectPrevious(); }, false);
}
void TExtCustomItemSelector::HotNext() { panelStep([](TCustomItemSelector& p) { p.HotNext(); }, true); }
void TExtCustomItemSelector::HotPrevious() { panelStep([](TCustomItemSelector& p) { p.HotPrevious(); }, true); }

bool TExtCustomItemSelector::LookupItem(const std::string& Text) { return FPanel && FPanel->LookupItem(Text); }

void TExtCustomItemSelector::ScrollItemInView(int Index) {
  if (FPanel == nullptr || Index < 0 || Index >= FItems->Count()) return;
  TControlScrollBar* bar = VertScrollBar();
  if (!bar->IsScrollBarVisible()) return;
  TRect r = FItems->Items(Index)->Rect();
  r.Top -= bar->Margin();
  r.Bottom += bar->Margin();
  OffsetRect(r, FPanel->Left(), FPanel->Top());
  const int clientHeight = ViewRect().Height();
  if (r.Top < 0) {
    bar->SetPosition(bar->Position() + r.Top);
  } else if (r.Bottom > clientHeight) {
    if (r.Height() > clientHeight) r.Bottom = clientHeight + r.Top;
    bar->SetPosition(bar->Position() + r.Bottom - clientHeight);
  }
}

int TExtCustomItemSelector::GetVisibleItemCount() {
  if (FPanel == nullptr || FItems->Count() == 0) return 0;
  const int cellHeight = FItems->Items(0)->Rect().Height();
  // A zero cell height (no layout yet) shows nothing rather than dividing by it.
  if (cellHeight <= 0) return 0;
  const int height = HorzScrollBar()->IsScrollBarVisible() ? Height() - 20 : Height();
  return height / cellHeight * FColumns;
}

TSize TExtCustomItemSelector::GetPanelSize() const {
  if (FPanel == nullptr) return {100, 50};
  return {FPanel->Width(), FPanel->Height()};
}

void TExtCustomItemSelector::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    return;
  }
  TScrollBox::Dispatch(Message);
}
