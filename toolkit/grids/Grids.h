#pragma once
// The base string grid: TCustomGrid (geometry, scrolling, cursor and
// selection, keyboard and mouse, sizing and moving, the drawing loop and the
// in-place editor's life cycle), TDrawGrid (events for drawing and editing)
// and TStringGrid (a sparse store of texts and object pointers), with
// TInplaceEdit, the masked edit that edits one cell at a time.
//
// Descendants redeclare several properties (RowCount, Cells, Selection...).
// The accessors here are therefore non-virtual, and the values the base
// works with have names of their own (baseRowCount(), rawCell()), so that
// code in this class keeps reading its own values whatever a descendant shows.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/std/MaskEdit.h"
#include "toolkit/grids/CellStore.h"
#include "toolkit/rtl/StringList.h"

QUELIX_EXCEPTION(EInvalidGridOperation, EInvalidOperation)

enum TGridOption {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
  goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
  goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridCoord {
  int X = 0;
  int Y = 0;
  bool operator==(const TGridCoord&) const = default;
};

struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  TGridCoord TopLeft() const { return {Left, Top}; }
  TGridCoord BottomRight() const { return {Right, Bottom}; }
  bool Contains(int X, int Y) const { return X >= Left && X <= Right && Y >= Top && Y <= Bottom; }
  bool operator==(const TGridRect&) const = default;
};
// The same rectangle with Left <= Right and Top <= Bottom.
TGridRect NormalizedGridRect(const TGridRect& R);

// Where the cells of one axis lie in the client area, in pixels.
struct TGridAxisDrawInfo {
  int EffectiveLineWidth = 0;  // after normal cells
  int FixedLineWidth = 0;      // after fixed cells
  int FixedBoundary = 0;       // end of the fixed cells and their lines
  int GridBoundary = 0;        // end of the last cell drawn (at most GridExtent)
  int GridExtent = 0;          // client width or height
  int LastFullVisibleCell = 0;
  int FullVisBoundary = 0;     // end of the last fully visible cell and its line
  int FixedCellCount = 0;
  int FirstGridCell = 0;       // LeftCol or TopRow
  int GridCellCount = 0;       // ColCount or RowCount
  std::function<int(int)> GetExtent;
  int LineAfter(int Index) const { return Index < FixedCellCount ? FixedLineWidth : EffectiveLineWidth; }
};

struct TGridDrawInfo {
  TGridAxisDrawInfo Horz;
  TGridAxisDrawInfo Vert;
};

class TCustomGrid;

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// The in-place editor: a masked edit that lives on the grid, over one cell.
class TInplaceEdit : public TCustomMaskEdit {
public:
  explicit TInplaceEdit(TComponent* AOwner);
  ~TInplaceEdit() override;
  std::string ClassName() const override { return "TInplaceEdit"; }

  TCustomGrid* Grid() const { return grid_; }
  void SetGrid(TCustomGrid* G) { grid_ = G; }
  // Puts the caret at the end of the text without a selection.
  void Deselect();
  // Shows the editor over Loc (grid client coordinates), or hides it when Loc is empty.
  void Move(const TRect& Loc);
  // Hides the window; the editor stays the grid's.
  void Hide();
  // Takes the keyboard when the editor is shown.
  void SetFocus() override;
  bool PosEqual(const TRect& Rect) const;
  // ES_RIGHT, ES_PASSWORD, ES_WANTRETURN, ES_MULTILINE (wrapping, no
  // ES_AUTOHSCROLL): the window is recreated with the new styles.
  uint32_t EditStyle() const { return editStyle_; }
  void SetEditStyle(uint32_t Styles);
  // True while the editor itself writes its text; changes made then are no user edits.
  bool SettingText() const { return settingText_ > 0; }
  // The grid opened the editor by a click: a quick click on the editor now is a double click.
  void NoteClick();

  // Fills the editor from its grid's current cell.
  virtual void UpdateContents();
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void RealSetText(const std::string& v) override;
  // Leaves a margin inside the cell.
  void BoundsChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void DblClick() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

private:
  TCustomGrid* grid_ = nullptr;
  uint32_t editStyle_ = 0;
  int settingText_ = 0;
  uint32_t clickTime_ = 0;
  bool clickNoted_ = false;
};

class TCustomGrid : public TCustomControl {
public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;
  std::string ClassName() const override { return "TCustomGrid"; }

  // ---- counts (the raw values the base works with) ----
  int ColCount() const { return FColCount; }
  void SetColCount(int v);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int v);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int v);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int v);
  int baseColCount() const { return FColCount; }
  int baseRowCount() const { return FRowCount; }
  int baseFixedCols() const { return FFixedCols; }
  int baseFixedRows() const { return FFixedRows; }
  void baseSetColCount(int v) { TCustomGrid::SetColCount(v); }
  void baseSetRowCount(int v) { TCustomGrid::SetRowCount(v); }
  void baseSetFixedCols(int v) { TCustomGrid::SetFixedCols(v); }
  void baseSetFixedRows(int v) { TCustomGrid::SetFixedRows(v); }

  // ---- sizes ----
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int v);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int v);
  int baseDefaultRowHeight() const { return FDefaultRowHeight; }
  void baseSetDefaultRowHeight(int v) { TCustomGrid::SetDefaultRowHeight(v); }
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int v);
  // Sum of the column widths with their lines, and the same for rows.
  int GridWidth() const;
  int GridHeight() const;

  // ---- look and behaviour ----
  const TGridOptions& Options() const { return FOptions; }
  void SetOptions(TGridOptions v);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle v);
  TScrollStyle baseScrollBars() const { return FScrollBars; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor v);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool v) { FDefaultDrawing = v; Invalidate(); }

  // ---- cursor, selection, scrolling ----
  int Col() const { return FCurrent.X; }
  void SetCol(int v);
  int Row() const { return FCurrent.Y; }
  void SetRow(int v);
  int baseCol() const { return FCurrent.X; }
  int baseRow() const { return FCurrent.Y; }
  void baseSetCol(int v) { TCustomGrid::SetCol(v); }
  void baseSetRow(int v) { TCustomGrid::SetRow(v); }
  TGridRect Selection() const;
  void SetSelection(const TGridRect& v);
  TGridRect baseSelection() const { return TCustomGrid::Selection(); }
  void baseSetSelection(const TGridRect& v) { TCustomGrid::SetSelection(v); }
  int TopRow() const { return FTopLeft.Y; }
  void SetTopRow(int v);
  int LeftCol() const { return FTopLeft.X; }
  void SetLeftCol(int v);
  int baseTopRow() const { return FTopLeft.Y; }
  void baseSetTopRow(int v) { TCustomGrid::SetTopRow(v); }
  int VisibleColCount() const;
  int VisibleRowCount() const;

  // ---- editor ----
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool v);
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
  int InplaceCol() const { return FInplaceCol; }
  int InplaceRow() const { return FInplaceRow; }
  void ShowEditor();
  void HideEditor();
  void InvalidateEditor();
  void UpdateEdit();
  void HideEdit();

  // ---- geometry ----
  // Client rectangle of a cell without its trailing line; not clipped for a
  // partly visible cell; empty when the cell is scrolled out of view.
  TRect CellRect(int ACol, int ARow) const;
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  TGridCoord MouseCoord(int X, int Y) const;
  void CalcDrawInfo(TGridDrawInfo& DrawInfo) const;
  // The largest TopRow/LeftCol that still fills the client area.
  TGridCoord CalcMaxTopLeft() const;

  // ---- moving the cursor ----
  // Moves the cursor (after SelectCell agrees), then UpdateEdit and Click.
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  // The same without Click.
  void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  // Block edits of the rows in one pass each: heights, cursor and store follow.
  // Inserts empty rows of the default height so that they stand at the given
  // indexes afterwards (ascending, without repeats).
  void InsertGridRows(const std::vector<int>& NewRows);
  void InsertGridRows(int Index, int Count);
  // Removes the rows at the given indexes (ascending, without repeats); at
  // least one row stays.
  void DeleteGridRows(const std::vector<int>& Rows);
  void DeleteGridRows(int Index, int Count);
  // Rows From.. take the order Order (entry p: the row that goes to From + p),
  // with their heights; the cursor stays where it is.
  void PermuteGridRows(int From, const std::vector<int>& Order);

  // ---- invalidation of parts ----
  // False only for a cell that certainly lies out of view, decided in
  // constant time without laying the grid out (every cell before it in view
  // takes at least the smallest size any row or column has).
  bool CellMayBeVisible(int ACol, int ARow) const;
  void InvalidateCell(int ACol, int ARow);
  void InvalidateCol(int ACol);
  void InvalidateRow(int ARow);
  void InvalidateGrid() { Invalidate(); }
  void InvalidateGridRect(const TGridRect& ARect);

  // ---- virtuals descendants override ----
  void Invalidate() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Resize() override;
  void ChangeScale(int M, int D) override;
  void Assign(const TPersistent* Source) override;
  void WndProc(TMessage& Message) override;
  void Click() override;
  void DblClick() override;
  virtual bool CanEditShow();
  virtual std::string GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const std::string& Value);
  virtual std::string GetEditMask(int ACol, int ARow);
  virtual int GetEditLimit();
  virtual bool CanEditModify() { return FCanEditModify; }
  virtual bool CanEditAcceptKey(char) { return true; }
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                               TGridDrawInfo& FixedInfo);
  // The keyboard methods are public so that the in-place editor can hand keys over.
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;

  TGridState GridState() const { return FGridState; }

  TNotifyEvent OnTopLeftChanged;

protected:
  friend class TInplaceEdit;
  virtual bool SelectCell(int ACol, int ARow) { (void)ACol; (void)ARow; return true; }
  virtual TInplaceEdit* CreateEditor();
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
  void Paint() override;
  virtual void TopLeftChanged();
  virtual void SizeChanged(int OldColCount, int OldRowCount) { (void)OldColCount; (void)OldRowCount; }
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void ColumnMoved(int FromIndex, int ToIndex) { (void)FromIndex; (void)ToIndex; }
  virtual void RowMoved(int FromIndex, int ToIndex) { (void)FromIndex; (void)ToIndex; }
  // Moves the stored cells of a column or row; TStringGrid keeps them.
  virtual void MoveStoredColumn(int FromIndex, int ToIndex) { (void)FromIndex; (void)ToIndex; }
  virtual void MoveStoredRow(int FromIndex, int ToIndex) { (void)FromIndex; (void)ToIndex; }
  virtual void InsertStoredRows(const std::vector<int>& NewRows) { (void)NewRows; }
  virtual void DeleteStoredRows(const std::vector<int>& Rows) { (void)Rows; }
  // Order as the store takes it: entry p is the offset from From of the row
  // that goes to From + p.
  virtual void PermuteStoredRows(int From, const std::vector<int>& Order) { (void)From; (void)Order; }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoEnter() override;
  void DoExit() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

  // The per-message handlers the grid takes over.
  void WMChar(TWMKey& Message) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void WMSetCursor(TWMSetCursor& Message) override;
  void WMTimer(TWMTimer& Message) override;
  void WMCommand(TWMCommand& Message) override;
  void WMHScroll(TWMScroll& Message) override;
  void WMVScroll(TWMScroll& Message) override;
  void WMSize(TWMSize& Message) override;
  void WMEraseBkgnd(TWMEraseBkgnd& Message) override;
  void WMCancelMode(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMCursorChanged(TMessage& Message) override;
  void CMHintShow(TCMHintShow& Message) override;

  // The cursor move behind every caller: SelectCell, cursor, anchor, scroll, repaint.
  void MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
  void MoveTopLeft(int ALeft, int ATop);
  // Scrolls so that the cell is fully in view (as far as it fits).
  void ClampInView(const TGridCoord& Coord);
  void ScrollDataInfo(int DX, int DY);
  void UpdateScrollPos();
  void UpdateScrollRange();
  // True when the editor showed and the character went on to it.
  bool ShowEditorChar(uint32_t Ch);
  void UpdateText();
  // Whether the grid is the form's active control (or focused when it has no form).
  bool IsActiveControl() const;
  bool GridFocused() const;
  int CalcColFromX(int X) const;
  int CalcRowFromY(int Y) const;

  // ---- state descendants read and write ----
  TGridState FGridState = gsNormal;
  TGridCoord FCurrent;
  TGridCoord FAnchor;
  TGridCoord FTopLeft;
  bool FEditorMode = false;
  TInplaceEdit* FInplaceEdit = nullptr;
  int FInplaceCol = -1;
  int FInplaceRow = -1;
  bool FCanEditModify = true;
  int FColCount = 5;
  int FRowCount = 5;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  int FGridLineWidth = 1;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;
  TColor FFixedColor = clBtnFace;
  bool FDefaultDrawing = true;
  int FSizingIndex = -1;
  int FSizingPos = 0;
  int FSizingOfs = 0;
  int FMoveIndex = -1;
  int FMovePos = -1;
  int FEditUpdate = 0;

private:
  void checkCoord(int ACol, int ARow) const;
  // Marks a client rectangle for repainting (client, not window, coordinates).
  void invalidateClient(const TRect& R);
  void changeSize(int NewColCount, int NewRowCount);
  void setFixed(int v, int Count, int& Field, const char* TooMany);
  static int storedSize(const std::vector<int>& Sizes, int Index, int Default);
  void calcAxis(TGridAxisDrawInfo& A, bool Horz) const;
  bool axisSpan(const TGridAxisDrawInfo& A, int Index, int& Start, int& End) const;
  int axisCoord(const TGridAxisDrawInfo& A, int Pos) const;
  void selectionMoved(const TGridRect& OldSel);
  void paintCell(int C, int R, const TRect& Cell, const TGridDrawInfo& Info, const TGridRect& Sel, bool Focus);
  void paintSizingLine(const TGridDrawInfo& Info);
  void invalidateSizingLine(const TGridDrawInfo& Info, int Pos);
  void timerScroll();
  void startSelecting(const TGridCoord& Cell, TShiftState Shift);
  void trackMove(const TGridCoord& Cell);
  void applySizing();
  TGridCoord keyTarget(uint16_t Key, TShiftState Shift, TGridCoord& NewTopLeft) const;
  int scrollPosFor(int Pos, int Fixed, int MaxPos) const;
  void scrollMessage(bool Horz, const TWMScroll& Message);

  std::vector<int> colWidths_;   // beyond its size: the default; may reach past ColCount
  std::vector<int> rowHeights_;
  // The smallest size stored in each; never above the true one.
  int minColWidth_ = 0x7fffffff;
  int minRowHeight_ = 0x7fffffff;
  void recalcMinExtents();
  bool rangeMayShow(int Lo, int Hi, bool Horz) const;
  bool cursorOverride_ = false;
  bool inScrollUpdate_ = false;
};

class TDrawGrid : public TCustomGrid {
public:
  explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}
  std::string ClassName() const override { return "TDrawGrid"; }

  TGridRect CellRectOf(int ACol, int ARow) const { return {ACol, ARow, ACol, ARow}; }

  TDrawCellEvent OnDrawCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TSelectCellEvent OnSelectCell;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;

  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;
  std::string GetEditMask(int ACol, int ARow) override;

protected:
  bool SelectCell(int ACol, int ARow) override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
};

class TStringGrid;

// Rows[r] and Cols[c]: a TStrings over one line of the grid's raw store, with
// exactly ColCount (RowCount) entries. Lines can be changed, not inserted or deleted.
class TStringGridStrings : public TStrings {
public:
  TStringGridStrings(TStringGrid* Grid, int Index, bool IsRow) : grid_(Grid), index_(Index), isRow_(IsRow) {}
  std::string ClassName() const override { return "TStringGridStrings"; }
  int Count() const override;
  std::string Get(int Index) const override;
  void Put(int Index, const std::string& S) override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const std::string& S) override;
  int Add(const std::string& S) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  // Copies texts and objects position by position.
  void Assign(const TPersistent* Source) override;

private:
  void cellOf(int Index, int& C, int& R) const;
  TStringGrid* grid_;
  int index_;
  bool isRow_;
};

class TStringGrid : public TDrawGrid {
public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;
  std::string ClassName() const override { return "TStringGrid"; }

  // ---- cells (the framework's own; descendants redeclare Cells) ----
  std::string Cells(int ACol, int ARow) const { return FStore.Text(ACol, ARow); }
  void SetCells(int ACol, int ARow, const std::string& Value);
  TObject* Objects(int ACol, int ARow) const { return FStore.Object(ACol, ARow); }
  void SetObjects(int ACol, int ARow, TObject* Value);
  // The raw store: no repaint, no editor refresh.
  const std::string& rawCell(int ACol, int ARow) const { return FStore.TextRef(ACol, ARow); }
  void rawSetCell(int ACol, int ARow, const std::string& Value) { FStore.SetText(ACol, ARow, Value); }
  TObject* rawObject(int ACol, int ARow) const { return FStore.Object(ACol, ARow); }
  void rawSetObject(int ACol, int ARow, TObject* Value) { FStore.SetObject(ACol, ARow, Value); }
  TCellStore& Store() { return FStore; }

  TStrings* Rows(int ARow);
  void SetRows(int ARow, const TStrings* Value) { Rows(ARow)->Assign(Value); }
  TStrings* Cols(int ACol);
  void SetCols(int ACol, const TStrings* Value) { Cols(ACol)->Assign(Value); }

  // Moves the row to the end, then drops the last row.
  void DeleteRow(int ARow);
  void DeleteColumn(int ACol);

  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;

protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void MoveStoredColumn(int FromIndex, int ToIndex) override { FStore.MoveColumn(FromIndex, ToIndex); }
  void MoveStoredRow(int FromIndex, int ToIndex) override { FStore.MoveRow(FromIndex, ToIndex); }
  void InsertStoredRows(const std::vector<int>& NewRows) override { FStore.InsertRows(NewRows); }
  void DeleteStoredRows(const std::vector<int>& Rows) override { FStore.DeleteRows(Rows); }
  void PermuteStoredRows(int From, const std::vector<int>& Order) override { FStore.PermuteRows(From, Order); }
  // A cell of the current row and column changed: repaint it, and reload the
  // editor when it shows that cell.
  void CellChanged(int ACol, int ARow);

  TCellStore FStore;

private:
  friend class TStringGridStrings;
  std::map<int, std::unique_ptr<TStringGridStrings>> rows_;
  std::map<int, std::unique_ptr<TStringGridStrings>> cols_;
};
