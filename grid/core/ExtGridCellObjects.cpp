// Pictures, icons, image-list images, progress bars, comments, shapes,
// ratings, cell scroll bars, markers, buttons, balloons and rotated text in
// cells. Each Add gives the cell a fresh graphic (the object handed in stays
// the caller's), each Create makes the object and hands the graphic its
// ownership, each Remove removes only a graphic of its own kind.

#include "grid/core/ExtGrid.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/Picture.h"

namespace {
constexpr TCellTypes ButtonKinds{ctButton, ctBitButton};
}

// ---- bitmaps, pictures, icons ----

void TExtStringGrid::AddBitmap(int ARealCol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val) {
  CreateCellGraphic(ARealCol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TExtStringGrid::CreateBitmap(int ARealCol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  auto* bmp = new TBitmap;
  g->SetBitmap(bmp, Transparent, hal, val);
  g->CellCreated = true;
  return bmp;
}

TBitmap* TExtStringGrid::GetBitmap(int ARealCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  return g && g->CellType == ctBitmap ? g->Bitmap() : nullptr;
}

bool TExtStringGrid::HasBitmap(int ARealCol, int ARow) { return GetBitmap(ARealCol, ARow) != nullptr; }
void TExtStringGrid::RemoveBitmap(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctBitmap); }

void TExtStringGrid::AddPicture(int ARealCol, int ARow, TPicture* APicture, bool Transparent,
                                TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ARealCol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TExtStringGrid::CreatePicture(int ARealCol, int ARow, bool Transparent, TStretchMode StretchMode,
                                        int Padding, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  auto* pic = new TPicture;
  g->SetPicture(pic, Transparent, StretchMode, Padding, hal, val);
  g->CellCreated = true;
  return pic;
}

TPicture* TExtStringGrid::GetPicture(int ARealCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  return g && g->CellType == ctPicture ? g->Picture() : nullptr;
}

bool TExtStringGrid::HasPicture(int ARealCol, int ARow) { return GetPicture(ARealCol, ARow) != nullptr; }
void TExtStringGrid::RemovePicture(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctPicture); }

void TExtStringGrid::AddFilePicture(int ARealCol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ARealCol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExtStringGrid::CreateFilePicture(int ARealCol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                int Padding, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  auto* pic = new TFilePicture;
  g->SetFilePicture(pic, Transparent, StretchMode, Padding, hal, val);
  g->CellCreated = true;
  return pic;
}

TFilePicture* TExtStringGrid::GetFilePicture(int ARealCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  return g && g->CellType == ctFilePicture ? g->FilePicture() : nullptr;
}

void TExtStringGrid::RemoveFilePicture(int ARealCol, int ARow) {
  RemoveCellGraphicOfType(ARealCol, ARow, ctFilePicture);
}

void TExtStringGrid::AddIcon(int ARealCol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ARealCol, ARow)->SetIcon(AIcon, hal, val);
}

TIcon* TExtStringGrid::CreateIcon(int ARealCol, int ARow, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  auto* icon = new TIcon;
  g->SetIcon(icon, hal, val);
  g->CellCreated = true;
  return icon;
}

void TExtStringGrid::RemoveIcon(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctIcon); }

// ---- image-list images ----

void TExtStringGrid::AddImageIdx(int ARealCol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!GridImages()) return;
  CreateCellGraphic(ARealCol, ARow)->SetImageIdx(Aidx, hal, val);
}

void TExtStringGrid::RemoveImageIdx(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctImageList); }

bool TExtStringGrid::GetImageIdx(int ARealCol, int ARow, int& Idx) {
  if (!GridImages() || GetCellType(ARealCol, ARow) != ctImageList) return false;
  Idx = GetCellGraphic(ARealCol, ARow)->CellIndex;
  return true;
}

void TExtStringGrid::SetImageIdx(int ARealCol, int ARow, int Idx) {
  if (GridImages() && GetCellType(ARealCol, ARow) == ctImageList) GetCellGraphic(ARealCol, ARow)->CellIndex = Idx;
}

void TExtStringGrid::AddDataImage(int ARealCol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!GridImages()) return;
  CreateCellGraphic(ARealCol, ARow)->SetDataImage(Aidx, hal, val);
  if (Cells(ARealCol, ARow).empty()) SetCells(ARealCol, ARow, std::to_string(Aidx));
}

// Only a data-image cell loses its image number with the image.
void TExtStringGrid::RemoveDataImage(int ARealCol, int ARow) {
  if (RemoveCellGraphicOfType(ARealCol, ARow, ctDataImage)) SetCells(ARealCol, ARow, "");
}

bool TExtStringGrid::HasDataImage(int ARealCol, int ARow) { return IsCellTypeInSet(ARealCol, ARow, {ctDataImage}); }

void TExtStringGrid::AddMultiImage(int ARealCol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
  if (!GridImages()) return;
  CreateCellGraphic(ARealCol, ARow)->SetMultiImage(ARealCol, ARow, Dir, hal, val,
                                                   [this](TObject*, int c, int r) { MultiImageChanged(c, r); });
}

void TExtStringGrid::RemoveMultiImage(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctImages); }

TIntList* TExtStringGrid::GetCellImages(int ARealCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  return g && g->CellType == ctImages ? g->IntList() : nullptr;
}

void TExtStringGrid::MultiImageChanged(int ARealCol, int ARow) { RepaintCell(DisplColIndex(ARealCol), ARow); }

// ---- interfaced objects ----

void TExtStringGrid::AddInterfacedCell(int ARealCol, int ARow, TInterfacedPersistent* AObject) {
  CreateCellGraphic(ARealCol, ARow)->SetInterfacedCell(AObject);
}

void TExtStringGrid::RemoveInterfacedCell(int ARealCol, int ARow) {
  RemoveCellGraphicOfType(ARealCol, ARow, ctInterface);
}

TInterfacedPersistent* TExtStringGrid::GetInterfacedCell(int ARealCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  return g && g->CellType == ctInterface ? dynamic_cast<TInterfacedPersistent*>(g->CellBitmap) : nullptr;
}
