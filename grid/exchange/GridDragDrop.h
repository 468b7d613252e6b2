#pragma once
// The grid's drop target and drop source on the library's drag-and-drop
// layer (grid/foundation/esgdd.h): cells arrive as text or as the binary
// cell block, a header cell brings a column, files and links land on cells.

#include "grid/foundation/esgdd.h"
#include "toolkit/grids/Grids.h"

class TExtStringGrid;

class TGridDropTarget : public TESGDropTarget {
public:
  explicit TGridDropTarget(TExtStringGrid* AGrid) : Grid(AGrid) {}

  void DropText(POINTL pt, const std::string& s) override;
  void DropStream(POINTL pt, std::unique_ptr<TMemoryStream> ms) override;
  void DropCol(POINTL pt, int Col) override;
  void DropRTF(POINTL pt, const std::string& s) override;
  void DropFiles(POINTL pt, const std::vector<std::string>& files) override;
  void DropURL(POINTL pt, const std::string& s) override;
  void DragMouseMove(POINTL pt, bool& Allow, TDropFormats Formats) override;
  void DragMouseLeave() override;

  TExtStringGrid* Grid;

private:
  // The cell under a screen point, and whether the drop appends below the last row.
  void dropCell(POINTL pt, bool IsColumn, int& ACol, int& ARow, bool& Append) const;
  // Rich text or an address goes into the cell the handler allowed; nothing placed refuses the drop.
  void placeDroppedText(bool Allow, int ACol, int ARow, const std::string& S);
  // Brings the rows and columns next to the pointer into view while cells are dragged.
  void scrollTowards(POINTL pt, int ACol, int ARow);
  // The arrows at the drop position: down and up around a column's header,
  // one pointing right at the row cells land in.
  void showColumnArrows(int ACol);
  void showRowArrow(int ACol, int ARow, bool Append);
  // A hidden column picked from a list comes back at display position Pos.
  bool dropListedColumn(int Pos);
};

class TGridDropSource : public TESGDropSource {
public:
  explicit TGridDropSource(TExtStringGrid* AGrid) : Grid(AGrid) {}
  // The last move or copy effect reported while dragging.
  DWORD LastEffect() const { return FLastEffect; }
  void CurrentEffect(DWORD dwEffect) override {
    if (dwEffect == DROPEFFECT_MOVE || dwEffect == DROPEFFECT_COPY) FLastEffect = dwEffect;
  }
  // The drag image (or, without ShowCells, the header button) follows the pointer.
  void QueryDrag() override;
  void DragFinished() override;

  TExtStringGrid* Grid;

private:
  DWORD FLastEffect = DROPEFFECT_NONE;
};

// Where the last drop of cells went, so that a move within one grid clears
// only the source cells the drop did not overwrite.
struct TGridDropRecord {
  TExtStringGrid* Grid = nullptr;
  TGridRect Cells{-1, -1, -1, -1};
  int InsertedAt = -1;  // rows inserted before the drop: where and how many
  int InsertedCount = 0;
};
TGridDropRecord& LastGridDrop();
