// The drop-down editors of the grid: made on first use, shown over the cell
// with the grid's popup header and footer, style and button relays, filled
// from the cell by kind; when the edit ends their value (after Esc the
// cell's own text) goes back as the kind says.

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridDropDowns.h"
#include "grid/editing/GridEditorControls.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

// The memo's lines as one cell text, every line ended by a line break.
std::string memoCellText(const TExtMemoDropDown* Memo) {
  std::string s;
  const TStringList* lines = Memo->MemoText();
  for (int i = 0; i < lines->Count(); ++i) s += lines->Strings(i) + "\r\n";
  return s;
}

// Changes a picker's selection without its select event: what an editor
// shows when it opens is no choice of the user's.
template <class Picker, class Change>
void selectQuietly(Picker* P, Change&& Select) {
  TNotifyEvent onSelect = std::move(P->OnSelect);
  P->OnSelect = nullptr;
  Select();
  P->OnSelect = std::move(onSelect);
}

// A colour that is no item of the list leaves no item selected, so that the
// text it stores is its own notation and not the caption of an item chosen
// in an earlier edit.
void showColour(TGridColorDropDown* P, TColor Colour) {
  P->SetSelectedColor(Colour);
  const int i = P->ItemIndex();
  if (i < 0 || P->Colors()->Items(i)->Color() == Colour) return;
  selectQuietly(P, [P] { P->SetItemIndex(-1); });
}

}  // namespace

// ---- the controls ----

TGridTrackbarDropDown* TExtStringGrid::TrackbarDropDown() {
  if (!FEditTrackBar) {
    FEditTrackBar = MakeDropDownEditor<TGridTrackbarDropDown>(this);
    FEditTrackBar->SetEditorEnabled(true);
  }
  return FEditTrackBar;
}

TGridMemoDropDown* TExtStringGrid::MemoDropDown() {
  if (!FEditMemo) {
    FEditMemo = MakeDropDownEditor<TGridMemoDropDown>(this);
    FEditMemo->OnChange = [this](TObject* Sender) { MemoDropDownChange(Sender); };
  }
  return FEditMemo;
}

TGridCalculatorDropDown* TExtStringGrid::CalculatorDropDown() {
  if (!FEditCalculator) {
    FEditCalculator = MakeDropDownEditor<TGridCalculatorDropDown>(this);
    FEditCalculator->SetEditorEnabled(true);
  }
  return FEditCalculator;
}

TGridTimepickerDropDown* TExtStringGrid::TimePickerDropDown() {
  if (!FEditTimePicker) FEditTimePicker = MakeDropDownEditor<TGridTimepickerDropDown>(this);
  return FEditTimePicker;
}

TGridDetailPickerDropDown* TExtStringGrid::DetailPickerDropDown() {
  if (!FEditDetailPicker) FEditDetailPicker = MakeDropDownEditor<TGridDetailPickerDropDown>(this);
  return FEditDetailPicker;
}

TGridGridDropDown* TExtStringGrid::GridDropDown() {
  if (!FEditGridPicker) FEditGridPicker = MakeDropDownEditor<TGridGridDropDown>(this);
  return FEditGridPicker;
}

TGridColorDropDown* TExtStringGrid::ColorPickerDropDown() {
  if (!FEditColorPicker) {
    FEditColorPicker = MakeDropDownEditor<TGridColorDropDown>(this);
    FEditColorPicker->AddDefaultColors();
    FEditColorPicker->OnSelect = [this](TObject*) { DoColorSelect(); };
  }
  return FEditColorPicker;
}

TGridImageDropDown* TExtStringGrid::ImagePickerDropDown() {
  if (!FEditImagePicker) {
    FEditImagePicker = MakeDropDownEditor<TGridImageDropDown>(this);
    FEditImagePicker->OnSelect = [this](TObject*) { DoImageSelect(); };
  }
  return FEditImagePicker;
}

std::vector<TExtCustomDropDown*> TExtStringGrid::DropDownEditors() const {
  std::vector<TExtCustomDropDown*> all;
  for (TExtCustomDropDown* d : std::initializer_list<TExtCustomDropDown*>{
           FEditColorPicker, FEditImagePicker, extGridDropDownEditor(), FEditGridPicker, FEditDetailPicker, FEditTimePicker, FEditCalculator, FEditMemo,
           FEditTrackBar})
    if (d) all.push_back(d);
  return all;
}

// Only the running memo edit writes its cell; the memo changed by code between edits does not.
void TExtStringGrid::MemoDropDownChange(TObject*) {
  if (EditMode && FEditMemo && EditCtrl == FEditMemo) SetEditText(Col(), Row(), memoCellText(FEditMemo));
}

void TExtStringGrid::DoImageSelect() {
  if (OnImageSelect && FEditImagePicker) OnImageSelect(this, Col(), Row(), FEditImagePicker->ItemIndex());
}

void TExtStringGrid::DoColorSelect() {
  if (OnColorSelect && FEditColorPicker)
    OnColorSelect(this, Col(), Row(), FEditColorPicker->SelectedColor(), FEditColorPicker->SelectedColorText());
}

TExtCustomDropDown* TExtStringGrid::dropDownEditorOf(TEditorType Kind, bool Create) {
  switch (Kind) {
    case edTrackbarDropDown: return Create ? TrackbarDropDown() : FEditTrackBar;
    case edMemoDropDown: return Create ? MemoDropDown() : FEditMemo;
    case edCalculatorDropDown: return Create ? CalculatorDropDown() : FEditCalculator;
    case edTimePickerDropDown: return Create ? TimePickerDropDown() : FEditTimePicker;
    case edDetailDropDown: return Create ? DetailPickerDropDown() : FEditDetailPicker;
    case edGridDropDown: return Create ? GridDropDown() : FEditGridPicker;
    case edColorPickerDropDown: return Create ? ColorPickerDropDown() : FEditColorPicker;
    case edImagePickerDropDown: return Create ? ImagePickerDropDown() : FEditImagePicker;
    case edExtGridDropDown:
      if (Create) ExtGridDropDown();
      return extGridDropDownEditor();
    default: return nullptr;
  }
}

// ---- showing ----

void TExtStringGrid::showDropDownEditor(const TSpecialEditorFrame& F) {
  TExtCustomDropDown* d = dropDownEditorOf(EditControl, true);
  if (!d) return;
  d->DropDownFooter()->Assign(FControlLook.DropDownFooter());
  d->DropDownHeader()->Assign(FControlLook.DropDownHeader());
  d->SetComponentStyle(FStyle);
  d->OnDropDownHeaderButtonClick = [this](TObject* Sender, int Index) { DropDownHeaderButtonClick(Sender, Index); };
  d->OnDropDownFooterButtonClick = [this](TObject* Sender, int Index) { DropDownFooterButtonClick(Sender, Index); };
  if (EditControl == edGridDropDown || EditControl == edExtGridDropDown) {
    d->SetColor(F.Color);
    d->SetEditorEnabled(true);
  }
  if (EditControl == edExtGridDropDown) prepareExtGridDropDown();
  DoGetEditorProp(F.RealCol, F.Row, EditLink());
  d->SetBorderStyle(bsNone);
  showDropDownValue(d, F);
  placeOwnEditor(d, F);
  if (FMouseActions.DirectComboDrop()) d->ShowDropDown();
  // The item whose caption the text is, once the editor has the focus.
  if (EditControl == edDetailDropDown) {
    const int i = FEditDetailPicker->Items()->IndexOf(d->Text());
    if (i >= 0) FEditDetailPicker->SetItemIndex(i);
  }
  if (EditControl == edMemoDropDown) {
    d->SetSelStart(0);
    d->SetSelLength(0);
  }
}

void TExtStringGrid::showDropDownValue(TExtCustomDropDown* Editor, const TSpecialEditorFrame& F) {
  const std::string text = GetEditText(DisplColIndex(F.RealCol), F.Row);
  switch (EditControl) {
    case edTrackbarDropDown:
      // A cell that holds no whole number shows the track bar at its lowest.
      FEditTrackBar->SetPosition(StrToIntDef(Trim(text), FEditTrackBar->Min()));
      return;
    case edTimePickerDropDown:
    case edDetailDropDown: Editor->SetEditorEnabled(true); break;
    case edGridDropDown: {
      TGridGridDropDown* g = FEditGridPicker;
      g->BeginUpdate();
      g->EndUpdate();
      g->SetItemIndex(text.empty() ? 0 : g->GetItemIndex(text));
      break;
    }
    case edExtGridDropDown: showExtGridDropDownValue(text); break;
    case edColorPickerDropDown: {
      const bool shape = GetCellType(F.RealCol, F.Row) == ctShape;
      showColour(FEditColorPicker, shape ? GetShapeColor(F.RealCol, F.Row) : Colors(F.RealCol, F.Row));
      return;
    }
    case edImagePickerDropDown: showImagePicker(F); return;
    default: break;
  }
  Editor->SetText(text);
}

// ---- ending ----

void TExtStringGrid::finishDropDownEditor(int ARealCol, int ARow) {
  TExtCustomDropDown* d = dropDownEditorOf(EditControl);
  if (!EditMode || !d) return;
  EditMode = false;
  const bool cancelled = FSpecialEditCancelled;
  FSpecialEditCancelled = false;
  // Each value is read before the popup closes: closing it as cancelled
  // gives back what it opened with.
  if (d == FEditImagePicker) {
    const int image = FEditImagePicker->ImageIndex();
    if (d->DroppedDown()) d->HideDropDown(true);
    if (!cancelled) storeImageIndex(ARealCol, ARow, image);
    hideEditorControl(d);
    return;
  }
  TColor colour = clNone;
  std::string value;
  if (d == FEditColorPicker) {
    colour = FEditColorPicker->SelectedColor();
    value = FEditColorPicker->SelectedColorText();
    if (!cancelled && OnColorSelected) OnColorSelected(this, ARealCol, ARow, colour, value);
  } else if (d == FEditMemo) {
    value = memoCellText(FEditMemo);
  } else {
    value = d->Text();
  }
  // The popup closes without handing anything more to the edit.
  if (d->DroppedDown()) d->HideDropDown(true);
  StoreEditorValue(ARealCol, ARow, cancelled ? FCellCache : value);
  if (d == FEditColorPicker && !cancelled) {
    if (GetCellType(ARealCol, ARow) == ctShape) SetShapeColor(ARealCol, ARow, colour);
    else SetColors(ARealCol, ARow, colour);
  }
  hideEditorControl(d);
}

// ---- the image picker ----

// The picker shows the image of an image-list or data-image cell; its text
// is the caption of the item shown.
void TExtStringGrid::showImagePicker(const TSpecialEditorFrame& F) {
  TGridImageDropDown* p = FEditImagePicker;
  const TCellType type = GetCellType(F.RealCol, F.Row);
  if (type == ctImageList || type == ctDataImage) {
    p->SetImages(GridImages());
    if (p->Items()->Count() == 0) p->AddImagesFromImageList();
    int index = -1;
    if (type == ctImageList) GetImageIdx(F.RealCol, F.Row, index);
    else index = Ints(F.RealCol, F.Row);
    selectQuietly(p, [p, index] { p->SetImageIndex(index); });
  }
  const int item = p->ItemIndex();
  p->PutText(item < 0 ? std::string() : p->Items()->Items(item)->Caption());
}

// The chosen image index goes into the cell's image: an image-list cell
// keeps its text, a data-image cell holds the index as its text.
void TExtStringGrid::storeImageIndex(int ARealCol, int ARow, int Index) {
  int index = Index;
  if (OnImageSelected) OnImageSelected(this, ARealCol, ARow, index);
  switch (GetCellType(ARealCol, ARow)) {
    case ctImageList: SetImageIdx(ARealCol, ARow, index); break;
    case ctDataImage: StoreEditorValue(ARealCol, ARow, std::to_string(index)); break;
    default: break;
  }
  InvalidateCell(DisplColIndex(ARealCol), ARow);
}
