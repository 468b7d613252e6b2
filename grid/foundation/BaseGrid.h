#pragma once
// The base grid's unit: the event types that carry the base string grid's
// draw state, the cell edit undo list with the small interface through which
// it plays changes back on a grid, the per-cell property record and the base
// grid itself (cells, cell properties, merged ranges, the paint frame and the
// virtual contract the string grid overrides).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "grid/foundation/ExtObj.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/rtl/Classes.h"

using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                                           TFont* AFont)>;

// What the undo list needs of the grid it plays back on.
class TUndoRedoTarget {
public:
  virtual ~TUndoRedoTarget() = default;
  // Cells[ACol, ARow] with ACol a real column index.
  virtual std::string UndoCellText(int ACol, int ARow) const = 0;
  virtual void SetUndoCellText(int ACol, int ARow, const std::string& Value) = 0;
  // Makes the cell current: Col = DisplColIndex(ACol), then Row = ARow.
  virtual void UndoFocusCell(int ACol, int ARow) = 0;
  // Repaints the cell in the current column and row ARow.
  virtual void UndoRepaintCell(int ARow) = 0;
  virtual void UndoInvalidate() = 0;
  // The grid as handed to OnUndo and OnRedo, and as a component for the
  // removal notification; none for a stand-in.
  virtual TBaseGrid* UndoBaseGrid() { return nullptr; }
  virtual TComponent* UndoGridComponent() { return nullptr; }
};

class TUndoRedoItem {
public:
  int Row = 0;
  int Col = 0;
  std::string Value;      // the text after the change
  std::string OrigValue;  // the text before it
  bool SequenceStart = false;
  bool SequenceStop = false;

  bool IsMarker() const { return SequenceStart || SequenceStop; }
};

class TUndoRedoCollection {
public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError for an index outside the collection.
  TUndoRedoItem& Items(int Index) const;
  TUndoRedoItem& Add();
  void Delete(int Index);
  void DeleteFrom(int Index);  // Index and everything after it
  void Clear() { items_.clear(); }

private:
  std::vector<std::unique_ptr<TUndoRedoItem>> items_;
};

// Records changes of cell texts and plays them back. A sequence (start
// marker, changes, stop marker) is undone and redone as one step.
//
// Unlike a plain history list, a change registered after an undo drops the
// undone items (they could otherwise be redone over the new edit), trimming
// to MaxLevel removes whole steps so a sequence never loses its start, and a
// step never lands on a marker's cell at -1.
class DIreViziDidiVura : public TComponent {
public:
  explicit DIreViziDidiVura(TComponent* AOwner) : TComponent(AOwner) {}
  std::string ClassName() const override { return "DIreViziDidiVura"; }

  virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
  virtual void StartSequence();
  virtual void StopSequence();

  void Undo();
  void Redo();
  void Reset();
  // The recorded changes follow their rows: NewRow gives a row's index
  // afterwards, or -1 for a row that is gone, whose changes are dropped.
  void RowsRenumbered(const std::function<int(int)>& NewRow);
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < FItems.Count(); }

  const TUndoRedoCollection& Items() const { return FItems; }
  TUndoRedoTarget* Grid() const { return FGrid; }
  void SetGrid(TUndoRedoTarget* Value);
  int Level() const { return FLevel; }
  int MaxLevel() const { return FMaxLevel; }
  void SetMaxLevel(int Value) { FMaxLevel = Value; }

  DIreViziDidiVuraEvent OnUndo;
  DIreViziDidiVuraEvent OnRedo;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void dropUndone();
  void trimOldestStep();
  void appendMarker(bool start);
  void undoItem(const TUndoRedoItem& J);
  void redoItem(const TUndoRedoItem& J);

  TUndoRedoCollection FItems;
  TUndoRedoTarget* FGrid = nullptr;
  TComponent* FGridComponent = nullptr;
  int FLevel = 0;
  int FMaxLevel = 0;
};

// ---------------------------------------------------------------------------
// Per-cell properties. Merged ranges live in them: the base (top-left) cell
// of a range of w x h cells has IsBaseCell true and spans (w - 1, h - 1); the
// other cells have IsBaseCell false and their offsets from the base as spans.
// An unmerged cell has no record, or one with both spans -1.

class TCellProperties : public TPersistent {
public:
  TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);
  // Frees the cell graphic when the record owns it (SetGraphicObject).
  ~TCellProperties() override;
  std::string ClassName() const override { return "TCellProperties"; }
  // Copies from another TCellProperties; any other source raises EConvertError.
  void Assign(const TPersistent* Source) override;

  TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
  // (c, r) of the base cell, from a cell at (ACol, ARow) holding this record.
  TPoint GetBaseCell(int ACol, int ARow) const;

  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor Value);
  TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(TColor Value);
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }

  // The cell graphic of the string grid. An owned graphic is freed with the
  // record and when it is replaced; a graphic that is not owned belongs to
  // whoever stored it.
  TObject* GraphicObject() const { return FGraphicObject; }
  bool OwnsGraphicObject() const { return FOwnsGraphic; }
  void SetGraphicObject(TObject* Value, bool Owned);

  int OwnerCol = 0;
  int OwnerRow = 0;
  uintptr_t CellObject = 0;
  TBrushStyle BrushStyle = bsSolid;
  int FontSize = 0;
  TColor FontColor = clNone;
  TFontStyles FontStyle;
  int CellSpanY = -1;
  int CellSpanX = -1;
  int BorderWidth = 0;
  TColor BorderColor = clBlack;
  int FPaintID = 0;
  bool IsBaseCell = true;
  TColumnCalcType CalcType = acNONE;
  TObject* CalcObject = nullptr;
  int NodeLevel = 0;
  TEditorType Editor = edNormal;
  std::string FontName;
  bool ReadOnly = false;
  TCellGradientDirection GradientDirection = GradientVertical;
  TControl* Control = nullptr;

private:
  friend class TBaseGrid;
  void repaint();

  TBaseGrid* FOwnerGrid;
  TObject* FGraphicObject = nullptr;
  bool FOwnsGraphic = false;
  TColor FBrushColor = clNone;
  TColor FBrushColorTo = clNone;
  TAlignment FAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  bool FWordWrap = true;
};

// ---------------------------------------------------------------------------
// The base grid: text cells redirected through merged ranges and display
// hooks, per-cell properties, merged ranges, the paint frame (backgrounds,
// hover and active rows, selection faces, grid lines) and the virtual
// contract the string grid overrides.
//
// Coordinates are (column, row), zero-based, fixed cells included; columns
// are real column indexes. Cells outside 0..TotalColCount()-1 x
// 0..RowCount()-1 never get a property record: the property operations are
// no-ops there and Cells passes them to the raw store.
//
// Ownership: the grid owns every TCellProperties it made, wherever the store
// has moved it; the record owns its cell graphic when stored as owned. Every
// clear and every free of a cell releases both. The user's own object lives
// in CellObject, never in the raw slot.
class TBaseGrid : public TStringGrid, public TUndoRedoTarget {
public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;
  std::string ClassName() const override { return "TBaseGrid"; }

  // ---- cells ----
  std::string Cells(int ACol, int ARow) const { return GetCellEx(ACol, ARow); }
  void SetCells(int ACol, int ARow, const std::string& Value) { SetCellEx(ACol, ARow, Value); }
  std::string GetCellEx(int ACol, int ARow) const;
  void SetCellEx(int ACol, int ARow, const std::string& Value);
  // The raw text of exactly that cell: no redirect, no hooks, no repaint.
  std::string GetGridCell(int ACol, int ARow) const { return rawCell(ACol, ARow); }
  void SetGridCell(int ACol, int ARow, const std::string& Value) { rawSetCell(ACol, ARow, Value); }
  // The raw slot: the cell's property record, or none.
  TCellProperties* GetGridObject(int ACol, int ARow) const;

  // The user's object of a cell (its record's CellObject); the text stays as it is.
  uintptr_t GetObjectEx(int ACol, int ARow) const;
  void SetObjectEx(int ACol, int ARow, uintptr_t Value);
  // The framework's Objects, kept in CellObject so the slot stays the grid's.
  TObject* Objects(int ACol, int ARow) const { return reinterpret_cast<TObject*>(GetObjectEx(ACol, ARow)); }
  void SetObjects(int ACol, int ARow, TObject* Value) { SetObjectEx(ACol, ARow, reinterpret_cast<uintptr_t>(Value)); }
  TObject* GetGraphicObjectEx(int ACol, int ARow) const;
  // Owned: the record frees the graphic with itself (the string grid's own
  // cell graphics); otherwise the caller keeps it.
  void SetGraphicObjectEx(int ACol, int ARow, TObject* Value, bool Owned = false);
  static TObject* GraphicObjectOf(const TCellProperties* Props) { return Props ? Props->GraphicObject() : nullptr; }

  // The cell's record, made on first use; none outside the grid.
  TCellProperties* GetCellProperties(int ACol, int ARow);
  // Frees the cell's record (and its owned graphic) and stores Value, which
  // the grid then owns; none leaves the cell without a record.
  void SetCellProperties(int ACol, int ARow, TCellProperties* Value);
  bool HasCellProperties(int ACol, int ARow) const;
  void FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow);
  void FreeCellProperties(int ACol, int ARow);
  // Empty the texts and free the records of a column, a row or a cell.
  void ClearColumnCells(int ACol);
  void ClearRowCells(int ARow);
  void ClearCell(int ACol, int ARow);

  // ---- geometry ----
  // Client rectangle of a displayed cell, of the whole range for a merged
  // cell; empty for an unmerged cell out of view.
  TRect CellRect(int ADisplCol, int ARow) const;
  TPoint CellSize(int ACol, int ARow) const;
  // Client rectangle of one cell also when it is scrolled out of view.
  TRect UnclippedCellRect(int ACol, int ARow) const;
  // Repaints a cell given by its real column.
  void RepaintCell(int ACol, int ARow);

  // ---- merged ranges ----
  // Merges SpanX x SpanY cells from (c, r), clipped to the grid; ranges the
  // new one overlaps are split first. Spans below 1 merge nothing.
  virtual void MergeCells(int ACol, int ARow, int SpanX, int SpanY);
  // Splits the range (c, r) belongs to; nothing for an unmerged cell.
  virtual void SplitCells(int ACol, int ARow);
  TPoint BaseCell(int ACol, int ARow) const;
  bool IsBaseCell(int ACol, int ARow) const;
  bool IsMergedCell(int ACol, int ARow) const;
  bool IsMergedNonBaseCell(int ACol, int ARow) const;
  bool IsXMergedCell(int ACol, int ARow) const;
  bool IsYMergedCell(int ACol, int ARow) const;
  TPoint CellSpan(int ACol, int ARow) const;
  TPoint CellExt(int ACol, int ARow) const;
  TGridRect FullCell(int ACol, int ARow) const;
  int MinRowSpan(int ARow) const;
  int MaxRowSpan(int ARow) const;
  bool RowSpanIdentical(int ARow1, int ARow2, bool& Found) const;
  bool ColSpanIdentical(int ACol1, int ACol2, bool& Found) const;
  bool ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
  void MoveToBaseCell();

  // ---- painting ----
  void PaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
  void PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);

  // ---- properties ----
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool Value);
  TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(TColor Value);
  TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
  void SetActiveRowColorTo(TColor Value);
  TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
  void SetActiveRowMirrorColor(TColor Value);
  TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
  void SetActiveRowMirrorColorTo(TColor Value);
  // The grid's own; the base control's default drawing stays off.
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  // The grid draws its lines inside the cells; the base control's stays 0.
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value);
  TColor GridFixedLineColor() const { return FGridFixedLineColor; }
  void SetGridFixedLineColor(TColor Value);
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  THoverRowCells HoverRowCells() const { return FHoverRowCells; }
  void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
  TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
  void SetSelectionStyle(TGridSelectionStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  bool HideLastRow() const { return FHideLastRow; }
  void SetHideLastRow(bool Value);
  int PaintID() const { return FPaintID; }
  DIreViziDidiVura* UndoRedo() const { return FUndoRedo; }
  void SetUndoRedo(DIreViziDidiVura* Value);

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

  // ---- the virtual contract ----
  virtual bool IsFixed(int ACol, int ARow) const { (void)ACol; (void)ARow; return false; }
  virtual int GetRowIndent(int ARow) const { (void)ARow; return 0; }
  virtual bool HasNodes() const { return false; }
  virtual void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
  virtual void LastRowChanged() {}
  virtual void GetDisplText(int ACol, int ARow, std::string& Value) const;
  virtual void GetDisplWideText(int ACol, int ARow, std::u16string& Value) const;
  virtual void GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                               TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                               bool& WW, TCellGradientDirection& GD);
  virtual void CellValueChanged(int ACol, int ARow) { (void)ACol; (void)ARow; }
  virtual bool HasCellBorderEvent() const { return false; }
  virtual bool UsesAppStyles() const { return false; }
  // The frame fills every output first: the cell defaults, then the look of
  // the draw state (fixed face, highlight); the base leaves them so.
  virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                                   TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                   TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                   TCellGradientDirection& GD);
  virtual int DisplColIndex(int ACol) const { return ACol; }
  virtual int RealColIndex(int ADisplCol) const { return ADisplCol; }
  virtual int TotalColCount() const { return ColCount(); }

  // ---- keyboard (public, as the base control's, for the in-place editor) ----
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

  // ---- the undo list's view of this grid ----
  std::string UndoCellText(int ACol, int ARow) const override { return Cells(ACol, ARow); }
  void SetUndoCellText(int ACol, int ARow, const std::string& Value) override { SetCells(ACol, ARow, Value); }
  void UndoFocusCell(int ACol, int ARow) override;
  void UndoRepaintCell(int ARow) override { RepaintCell(Col(), ARow); }
  void UndoInvalidate() override { Invalidate(); }
  TBaseGrid* UndoBaseGrid() override { return this; }
  TComponent* UndoGridComponent() override { return this; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void TopLeftChanged() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

  // Raw slot access for descendants that move records between cells
  // (exchanging rows); the grid stays the owner, so one record must never
  // sit in two slots.
  void SetGridObject(int ACol, int ARow, TCellProperties* Value) { rawSetObject(ACol, ARow, Value); }
  // Removed rows free their records: nothing of them comes back when the
  // row count grows again.
  void DeleteStoredRows(const std::vector<int>& Rows) override;
  void InsertStoredRows(const std::vector<int>& NewRows) override;
  void SizeChanged(int OldColCount, int OldRowCount) override;

  bool FHideLastRow = false;
  int FNormalRowCount = 0;
  int FHoverRowIdx = -1;
  bool FShowSel = true;
  bool FHasCellProps = false;
  int FMergeCount = 0;

private:
  friend class TCellProperties;
  void paintFrame(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full);
  void paintSelectionFace(TCanvas* ACanvas, int ACol, const TRect& R);
  void focusWholeRange();
  void defaultVisualProperties(int ACol, int ARow, TGridDrawState AState, bool Select, TBrush* ABrush,
                               TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TFont* AFont,
                               TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
  bool insideGrid(int ACol, int ARow) const;
  TCellProperties* propsAt(int ACol, int ARow) const;
  void freeProps(TCellProperties* Props);
  void emptySlot(int ACol, int ARow);
  void repaintRange(int FromCol, int FromRow, int ToCol, int ToRow);
  int colOffset(int From, int To) const;
  int rowOffset(int From, int To) const;
  bool keyOverRange(uint16_t Key, TShiftState Shift);

  // The base control has fields of these names; these are the grid's own.
  bool FDefaultDrawing = false;
  int FGridLineWidth = 1;
  TColor FGridLineColor;
  TColor FGridFixedLineColor;
  int FPaintID = 1;
  DIreViziDidiVura* FUndoRedo = nullptr;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  TColor FActiveRowColor = clInfoBk;
  TColor FActiveRowColorTo = clNone;
  TColor FActiveRowMirrorColor = clNone;
  TColor FActiveRowMirrorColorTo = clNone;
  TGridSelectionStyle FSelectionStyle = ssDefault;
  bool FHoverRow = false;
  THoverRowCells FHoverRowCells{hcNormal, hcSelected};
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  // Every record the grid made and still owns, wherever the store keeps it
  // (also beyond the counts), so that the destructor frees them all.
  // Kept as plain objects: a foreign object found in a slot is looked up
  // before anything takes it for a record.
  std::unordered_set<TObject*> FOwnedProps;
  std::unique_ptr<TFont> FDefaultsFont;
  std::unique_ptr<TBrush> FDefaultsBrush;
  bool FDestroying = false;
};
