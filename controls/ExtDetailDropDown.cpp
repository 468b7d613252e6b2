// The detail list drop-down: items, value and the popup list with its cells.

#include "controls/ExtDetailDropDown.h"

#include "controls/ExtDropDownForm.h"
#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"

// ---- items

void TDetailItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDetailItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  AssignPicture(*s);
  FTag = s->FTag;
  FItemObject = s->FItemObject;
  FNotes = s->FNotes;
}

int TDetailItems::IndexOf(const std::string& Value) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Caption() == Value) return i;
  return -1;
}

// ---- the drop-down

TExtDetailDropDown::TExtDetailDropDown(TComponent* AOwner)
    : TExtSelectorDropDown(AOwner),
      FItems(std::make_unique<TDetailItems>(this)),
      FCaptionFont(std::make_unique<TFont>()),
      FNotesFont(std::make_unique<TFont>()) {
  FItems->OnChange = [](TObject*) {};
  SetItemAppearanceStyle(FItemAppearance.get(), GetComponentStyle());
  SetAutoSize(false);
  SetEditorEnabled(true);
  FCaptionFont->Assign(Font());
  FNotesFont->Assign(Font());
  // The base built the popup before this class's list could be made.
  if (FDropDownForm != nullptr) CreateDropDownForm();
}

TExtDetailDropDown::~TExtDetailDropDown() = default;

void TExtDetailDropDown::SetItemIndex(int Value) {
  // Any index below -1 means no selection.
  Value = std::max(Value, -1);
  if (Value == FItemIndex) return;
  if (Value >= FItems->Count()) return;
  if (Value == -1) {
    SetText("");
    FItemIndex = -1;
    return;
  }
  FItemIndex = Value;
  SetText(FItems->Items(Value)->Caption());
  SetSelStart(0);
  SetSelLength(int(Text().size()));
  Invalidate();
  if (ItemSelector() != nullptr) ItemSelector()->Invalidate();
  if (OnSelect) OnSelect(this);
}

void TExtDetailDropDown::step(TIndexStep Step) {
  const int target = SteppedIndex(Step, FItemIndex, FItems->Count());
  if (target >= 0) SetItemIndex(target);
}

// ---- the popup

void TExtDetailDropDown::CreateDropDownForm() {
  TExtSelectorDropDown::CreateDropDownForm();
  TExtCustomItemSelector* list = BuildList(stImage);
  if (list == nullptr || list->OnItemSize) return;
  list->SetDoubleBuffered(true);
  list->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, int Index) { drawCell(Canvas, R, Index); };
  list->OnItemSize = [this](TObject*, TSize& Size) { cellSize(Size); };
  list->OnResize = [list](TObject*) { list->UpdateSelectorPanel(); };
  list->UpdateSelectorPanel();
}

void TExtDetailDropDown::synchronise() {
  if (ItemSelector() == nullptr) return;
  ApplyListSettings(1);
  // The notes stay with the drop-down: its own cell drawing shows them.
  FPopup.Fill(
      FItems->Count(),
      [this](TSelectorItem* S, int i) {
        const TDetailItem* item = FItems->Items(i);
        S->SetCaption(item->Caption());
        S->SetImage(item->Image());
        S->SetImageIndex(item->ImageIndex());
      },
      FItemIndex, [this](TObject*) { itemSelected(); });
}

void TExtDetailDropDown::BeforeDropDown() {
  TExtSelectorDropDown::BeforeDropDown();
  synchronise();
  FOldItemIndex = FItemIndex;
}

void TExtDetailDropDown::DoShowDropDown() {
  TExtSelectorDropDown::DoShowDropDown();
  TExtCustomItemSelector* list = ItemSelector();
  if (DroppedDown() && list != nullptr && list->CanFocus()) list->SetFocus();
}

void TExtDetailDropDown::SetDropDownSize() {
  if (TExtCustomItemSelector* list = ItemSelector()) {
    list->SetAlign(alNone);
    if (DropDownWidth() <= 0) list->SetWidth(Width());
    if (DropDownHeight() <= 0) list->SetHeight(100);
  }
  TExtSelectorDropDown::SetDropDownSize();
}

void TExtDetailDropDown::DoHideDropDown(bool Cancel) {
  TExtSelectorDropDown::DoHideDropDown(Cancel);
  if (Cancel && ItemSelector() != nullptr && FOldItemIndex != -1) SetItemIndex(FOldItemIndex);
}

void TExtDetailDropDown::DropDownResized() {
  TExtSelectorDropDown::DropDownResized();
  if (ItemSelector() != nullptr) ItemSelector()->UpdateSelectorPanel();
}

// A click on a cell selects and closes; the drop-down's own keys move the
// list with the popup left open.
void TExtDetailDropDown::itemSelected() {
  SetItemIndex(ItemSelector()->ItemIndex());
  if (FItemIndex >= 0) {
    SetText(FItems->Items(FItemIndex)->Caption());
    SetSelStart(0);
    SetSelLength(int(Text().size()));
  }
  if (!FPopup.InternalCall()) DoHideDropDown(false);
}

// ---- cells

void TExtDetailDropDown::cellSize(TSize& Size) {
  TExtCustomItemSelector* list = ItemSelector();
  int width = DropDownWidth() > 0 ? DropDownWidth() : FDropDownForm != nullptr ? FDropDownForm->Width() : Width();
  if (list != nullptr && list->VertScrollBar()->IsScrollBarVisible()) width -= GetSystemMetrics(SM_CXVSCROLL);
  Size = {width - 2 * GetSystemMetrics(SM_CXBORDER) - 4, FItemHeight};
}

void TExtDetailDropDown::cellFont(TCanvas* Canvas, const TFont* Font, int Index) {
  Canvas->Font()->Assign(Font);
  if (Index == ItemSelector()->ItemHot()) Canvas->Font()->SetColor(FItemAppearance->ColorHotText);
  if (Index == FItemIndex) Canvas->Font()->SetColor(FItemAppearance->ColorSelectedText);
}

// Draws the item's own picture, else its entry of Images, at the left of R
// (centred without a caption); returns how far the caption moves right.
int TExtDetailDropDown::drawCellImage(TCanvas* Canvas, const TDetailItem* Item, const TRect& R) {
  const bool captioned = !Item->Caption().empty();
  TGraphic* picture = Item->Image()->Graphic();
  if (picture == nullptr || picture->Empty()) {
    TImageList* images = Images();
    if (images == nullptr || Item->ImageIndex() < 0) return 0;
    const int x = captioned ? R.Left + 2 : R.Left + (R.Width() - images->Width()) / 2;
    images->Draw(Canvas, x, R.Top + (R.Height() - images->Height()) / 2, Item->ImageIndex(), true);
    return images->Width() + 4;
  }
  if (auto* bitmap = dynamic_cast<TBitmap*>(picture)) {
    bitmap->SetTransparentMode(tmAuto);
    bitmap->SetTransparent(true);
  }
  const int x = captioned ? R.Left + 2 : R.Left + (R.Width() - picture->Width()) / 2;
  Canvas->Draw(x, R.Top + (R.Height() - picture->Height()) / 2, picture);
  return picture->Width() + 4;
}

void TExtDetailDropDown::drawCell(TCanvas* Canvas, TRect R, int Index) {
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, Canvas, R);
    return;
  }
  if (Index < 0 || Index >= FItems->Count()) return;
  const TDetailItem* item = FItems->Items(Index);
  R.Left += drawCellImage(Canvas, item, R);
  cellFont(Canvas, FCaptionFont.get(), Index);
  Canvas->Brush()->SetStyle(bsClear);
  R.Left += 4, R.Top += 2, R.Right -= 4;
  Canvas->DrawText(item->Caption(), R, DT_END_ELLIPSIS);
  if (item->Notes().empty()) return;
  R.Top += Canvas->TextHeight("gh");
  cellFont(Canvas, FNotesFont.get(), Index);
  THTMLTextCall call;
  call.Images = Images();
  call.ShadowShift = 2;
  call.BlinkVisible = false;
  call.LinkColor = TColor(0xFF0000);
  call.ShadowColor = TColor(0x808080);
  DrawHTMLText(Canvas, item->Notes(), R, call);
}
