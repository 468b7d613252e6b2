// The string grid's keyboard: the WM_KEYDOWN dispatcher in front of the base
// grid's navigation (scroll-only mode, editing keys, Home and End modes,
// fixed cells skipped, Tab advance, row appending, insertion and deletion by
// key, select-all, disjunct row and column picks), typed characters, and the
// key methods that add wrap-around and disabled-row skipping.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/data/SearchPanel.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

namespace {
bool down(int VirtKey) { return GetKeyState(VirtKey) < 0; }

bool isEditKey(uint16_t Key) { return Key == VK_RETURN || Key == VK_F2; }
bool isVerticalKey(uint16_t Key) {
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}
bool isNavigationKey(uint16_t Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }

// The shift state the grid hands to OnKeyDown itself: Alt only for the left key.
TShiftState firedShift() {
  TShiftState s;
  if (down(VK_SHIFT)) s.Include(ssShift);
  if (down(VK_CONTROL)) s.Include(ssCtrl);
  if (down(VK_LMENU)) s.Include(ssAlt);
  return s;
}
}  // namespace

void TExtStringGrid::fireKeyDown(uint16_t Key) {
  if (!OnKeyDown) return;
  uint16_t copy = Key;
  OnKeyDown(this, copy, firedShift());
}

void TExtStringGrid::addOption(TGridOption Option) {
  TGridOptions o = Options();
  o.Include(Option);
  SetOptions(o);
}

void TExtStringGrid::removeOption(TGridOption Option) {
  TGridOptions o = Options();
  o.Exclude(Option);
  SetOptions(o);
}

// ---- cursor helpers ----

bool TExtStringGrid::CanSelectCell(int ADisplCol, int ARow) {
  bool can = Options().Contains(goEditing) ? IsEditable(RealColIndex(ADisplCol), ARow) : !IsFixed(ADisplCol, ARow);
  if (OnSelectCell) OnSelectCell(this, ADisplCol, ARow, can);
  return can;
}

int TExtStringGrid::FirstSelectableCol(int ARow) {
  for (int c = 0; c < ColCount(); ++c)
    if (CanSelectCell(c, ARow)) return c;
  return -1;
}

int TExtStringGrid::LastSelectableCol(int ARow) {
  for (int c = ColCount() - 1; c >= 0; --c)
    if (CanSelectCell(c, ARow)) return c;
  return -1;
}

int TExtStringGrid::FixedColsWithNodes() const {
  int fc = TCustomGrid::FixedCols();
  return fc == 0 && HasNodes() ? 1 : fc;
}

int TExtStringGrid::VisibleFixedRightCols() const {
  if (FNumHidden == 0) return FFixedRightCols;
  int n = 0;
  for (int i = 0; i < FFixedRightCols; ++i)
    if (!IsHiddenColumn(ColCount() + FNumHidden - 1 - i)) ++n;
  return n;
}

int TExtStringGrid::lastNormalRow() const { return RowCount() - FFixedFooters - 1; }

// ---- WM_KEYDOWN ----

void TExtStringGrid::WMKeyDown(TWMKey& Message) {
  uint16_t key = static_cast<uint16_t>(Message.CharCode);
  FMoveSelection = Selection();
  int oldLeftCol = LeftCol();
  int realCol = RealColIndex(Col());
  bool keepHoriz = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) &&
                   Options().Contains(goRowSelect) && LeftCol() != TCustomGrid::FixedCols() &&
                   Navigation()->KeepHorizScroll();
  auto refuse = [&] {
    fireKeyDown(key);
    Message.CharCode = 0;
    Message.Result = 1;
  };

  if (Navigation()->MoveScrollOnly() && isVerticalKey(key)) {
    scrollOnly(key);
    Message.Result = 1;
    return;
  }
  if (MouseActions()->EditOnDblClickOnly() && isEditKey(key) && !Options().Contains(goEditing)) {
    bool old = MouseActions()->RangeSelectAndEdit();
    MouseActions()->SetRangeSelectAndEdit(true);
    if (IsEditable(realCol, Row())) addOption(goEditing);
    MouseActions()->SetRangeSelectAndEdit(old);
  }
  if (MouseActions()->RangeSelectAndEdit() && !Options().Contains(goEditing) && isEditKey(key)) {
    if (!IsEditable(realCol, Row())) return refuse();
    addOption(goEditing);
    ShowInplaceEdit();
  }
  if (key == 'F' && down(VK_CONTROL) && FSearchFooter->Visible() && SearchPanel && SearchPanel->EditControl &&
      SearchPanel->EditControl->CanFocus())
    SearchPanel->EditControl->SetFocus();
  if (isEditKey(key)) {
    if (Options().Contains(goEditing) && !IsEditable(realCol, Row())) return refuse();
    if (cellHoldsControls(Col(), Row())) {
      Message.Result = 1;
      return;
    }
  }
  if (key == VK_RETURN && !IsEditable(realCol, Row())) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->KeyPreview()) return TBaseGrid::WMKeyDown(Message);
    return refuse();
  }
  if (key == VK_RETURN || key == VK_SPACE) cellControlKey(key);
  if ((key == VK_HOME || key == VK_END) && homeEndKey(key, Message)) return;
  if (key == VK_LEFT || key == VK_RIGHT) nodeKey(key);
  if ((key == VK_LEFT || key == VK_RIGHT) && rowSelectScroll(key, Message)) return;
  if (key == VK_TAB && Options().Contains(goTabs)) {
    TabAdvance(down(VK_SHIFT));
    notifySelectionMoved();
    return;
  }
  if (Navigation()->SkipFixedCells() && skipFixedCells(key)) {
    fireKeyDown(key);
    Message.CharCode = 0;
  }
  if (key == VK_DOWN && IsLastEditRow() && Navigation()->AppendOnArrowDown()) AutoAddRow();
  if (SelectionRectangle() && !(Selection() == FMoveSelection)) {
    InvalidateGridRect(Selection());
    FMoveSelection = Selection();
  }
  bool footerLocked = false;
  int footerTop = TopRow();
  if (searchFooterEndKey(key, Message, footerLocked)) return;

  if (keepHoriz) BeginUpdate();
  TBaseGrid::WMKeyDown(Message);
  uint16_t keyNow = static_cast<uint16_t>(Message.CharCode);
  if (FSearchFooter->Visible() && searchFooterAtEnd() && keyNow != VK_SHIFT && keyNow != VK_MENU &&
      !isNavigationKey(keyNow) && footerTop <= Row())
    SetTopRow(footerTop);
  if (footerLocked) EndUpdate();
  bool towardEnd = key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN;
  if (towardEnd && FSearchFooter->Visible() && Row() == RowCount() - 1) ScrollLastRowAboveSearchFooter();
  if (keepHoriz) {
    SetLeftCol(oldLeftCol);
    EndUpdate();
  }
  // The clipboard keys come after OnKeyDown, which may take them.
  if (Navigation()->AllowClipboardShortCuts() && keyNow != 0 && clipboardKey(key)) return;
  keyDownAfter(key);
}

bool TExtStringGrid::searchFooterAtEnd() { return TopRow() >= RowCount() - VisibleRowCount(); }

// With the search footer shown and the grid at its end, the last row stays
// above the panel: Down there scrolls instead of moving, and Left and Right
// at the ends of the last row are held. Keys that may scroll the grid are
// painted once, after the view is put right (Locked).
bool TExtStringGrid::searchFooterEndKey(uint16_t Key, TWMKey& Message, bool& Locked) {
  if (!FSearchFooter->Visible() || !searchFooterAtEnd()) return false;
  bool lastRow = Row() >= RowCount() - 1;
  bool held = lastRow && ((Key == VK_RIGHT && Col() == ColCount() - 1) ||
                          (Key == VK_LEFT && Col() == TCustomGrid::FixedCols()));
  if (lastRow && Key == VK_DOWN) ScrollLastRowAboveSearchFooter();
  if (held || (lastRow && Key == VK_DOWN)) {
    Message.Result = 1;
    fireKeyDown(Key);
    return true;
  }
  bool towardEnd = Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN;
  if ((lastRow && towardEnd) || (Key != VK_SHIFT && Key != VK_MENU && !isNavigationKey(Key))) {
    BeginUpdate();
    Locked = true;
  }
  return false;
}

// Enter and Space press the current cell's control: a check box or radio
// toggles (Space), a cell button clicks (either key), when the cell may be
// edited or the look keeps its controls always active.
bool TExtStringGrid::cellControlKey(uint16_t Key) {
  int rc = RealColIndex(Col()), row = Row();
  if (!HasClickableControl(rc, row)) return false;
  bool canEdit = Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit();
  CanEditCell(rc, row, canEdit);
  bool space = Key == VK_SPACE;
  if (space && (canEdit || FControlLook.CheckAlwaysActive()) && HasCheckBox(rc, row) && ClickCheckBox(rc, row, true)) {
    rowModifiedByControl(row);
    bool state = false;
    GetCheckBoxState(rc, RealRowIndex(row), state);
    DoCheckBoxClick(rc, row, state);
  }
  if (space && (canEdit || FControlLook.RadioAlwaysActive()) && IsRadio(rc, row)) {
    AdvanceRadioGroup(rc, row, true);
    int idx = -1;
    GetRadioIdx(rc, row, idx);
    if (OnRadioClick) OnRadioClick(this, rc, row, idx);
  }
  if (space && (canEdit || FControlLook.RadioAlwaysActive()) && HasRadioButton(rc, row) &&
      ClickRadioButton(rc, row, true) && OnRadioButtonClick)
    OnRadioButtonClick(this, rc, row);
  if (canEdit && HasButton(rc, row)) DoButtonClick(rc, row);
  RepaintCell(Col(), row);
  return true;
}

void TExtStringGrid::rowModifiedByControl(int ARow) {
  if (!FShowModified.Enabled()) return;
  SetRowModified(ARow, true);
  RepaintCell(0, ARow);
}

// Right expands and Left contracts a node whose header spans its row.
void TExtStringGrid::nodeKey(uint16_t Key) {
  if (!IsNode(Row()) || !IsMergedCell(RealColIndex(Col()), Row())) return;
  if (Key == VK_RIGHT) ExpandNode(RealRowIndex(Row()));
  else ContractNode(RealRowIndex(Row()));
}

// Stages after the base grid's navigation: row insertion, select-all,
// disjunct picks, row deletion and the editing keys.
void TExtStringGrid::keyDownAfter(uint16_t Key) {
  bool ctrl = down(VK_CONTROL), shift = down(VK_SHIFT), menu = down(VK_MENU);
  if (Key == VK_INSERT && Navigation()->AllowInsertRow() && !ctrl && !shift && !menu) insertRowByKey();
  if (Key == 'A' && ctrl) {
    selectAllByKey();
    return;
  }
  int rowIdx = MouseActions()->DisjunctRowSelect() && MouseActions()->RowSelectPersistent() ? RealRowIndex(Row()) : Row();
  if (isNavigationKey(Key) && MouseActions()->DisjunctRowSelect()) {
    if (!shift && !ctrl) ClearRowSelect();
    if (shift) SelectionToRowSelect(true);
    else SetRowSelect(rowIdx, true);
  }
  if (isNavigationKey(Key) && MouseActions()->DisjunctColSelect()) {
    if (!shift && !ctrl) ClearColSelect();
    if (shift) SelectionToColSelect(true);
    else SetColSelect(Col(), true);
  }
  if (Key == VK_SPACE && MouseActions()->DisjunctRowSelect()) SetRowSelect(rowIdx, !RowSelect(rowIdx));
  if (Key == VK_SPACE && MouseActions()->DisjunctColSelect()) SetColSelect(Col(), !ColSelect(Col()));
  if (Key == VK_DELETE && Navigation()->AllowDeleteRow() && !menu && lastNormalRow() >= FixedRows())
    deleteRowByKey();
  if (isEditKey(Key)) {
    RememberCurrentCell(Col(), Row());
    if (Key == VK_F2) F2KeyHook();
  }
  notifySelectionMoved();
}

void TExtStringGrid::notifySelectionMoved() {
  if (Selection() == FMoveSelection) return;
  TGridRect s = Selection();
  SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  FMoveSelection = s;
}

// The view moves and the cursor stays. The last top row is clamped so that
// a grid taller than its rows never scrolls into the fixed rows.
void TExtStringGrid::scrollOnly(uint16_t Key) {
  int fr = TCustomGrid::FixedRows(), top = TopRow(), vis = VisibleRowCount();
  int lastTop = std::max(fr, RowCount() - vis);
  switch (Key) {
    case VK_PRIOR: top = top > vis + fr ? top - vis : fr; break;
    case VK_NEXT: if (top + vis < RowCount()) top = std::min(top + vis, lastTop); break;
    case VK_END: top = lastTop; break;
    case VK_HOME: top = fr; break;
    case VK_UP: if (top > fr) --top; break;
    case VK_DOWN: if (top + vis < RowCount()) ++top; break;
    default: break;
  }
  if (top != TopRow()) SetTopRow(top);
}

bool TExtStringGrid::cellHoldsControls(int ADisplCol, int ARow) {
  std::string text = GetCellEx(RealColIndex(ADisplCol), ARow);
  if (!EnableHTML() || text.find('<') == std::string::npos) return false;
  std::string upper = text;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  return upper.find("<CONTROL") != std::string::npos;
}

// ---- Home and End ----

bool TExtStringGrid::homeEndKey(uint16_t Key, TWMKey& Message) {
  bool ctrl = down(VK_CONTROL), shift = down(VK_SHIFT);
  bool home = Key == VK_HOME;
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  bool onlyFixedRow = FixedRowAlways() && RowCount() == 1;
  auto done = [&] {
    fireKeyDown(Key);
    Message.Result = 0;
    return true;
  };
  switch (Navigation()->HomeEndKey()) {
    case heFirstLastCell:
      if (ctrl) return false;
      if (home) MoveColRow(fc, fr, true, true);
      else MoveColRow(ColCount() - 1, RowCount() - 1, true, true);
      MoveToBaseCell();
      return done();
    case heFirstLastRow: {
      if (ctrl) return false;
      if (onlyFixedRow) {
        TBaseGrid::WMKeyDown(Message);
        return true;
      }
      int oldRow = Row(), oldLeft = LeftCol();
      int target = home ? fr : lastNormalRow();
      if (!home && FloatingFooter()->Visible() && RowCount() > 2) target = RowCount() - 2;
      target = std::max(target, fr);
      SetRow(target);
      MoveToBaseCell();
      rowSelectTo(oldRow, target, shift);
      if (!home && (FloatingFooter()->Visible() || FFixedFooters > 0))
        SetTopRow(std::max(fr, RowCount() - VisibleRowCount()));
      done();
      restoreLeftCol(oldLeft);
      return true;
    }
    case heFirstLastColumn:
      if (ctrl) {
        if (!home) return false;
        int c = FirstSelectableCol(fr);
        if (c < 0) return done();  // nothing selectable: the cursor stays
        MoveColRow(c, fr, true, true);
        MoveToBaseCell();
        SetLeftCol(FixedColsWithNodes());
        return done();
      }
      if (Options().Contains(goRowSelect)) return false;
      if (onlyFixedRow) {
        TBaseGrid::WMKeyDown(Message);
        return true;
      }
      if (shift) {
        SetSelection({Col(), Row(), home ? fc : ColCount() - FFixedRightCols - 1, Row()});
        RepaintRow(Row());
        return done();
      }
      if (home) {
        int c = FirstSelectableCol(Row());
        if (c < 0) return done();
        SetCol(c);
        MoveToBaseCell();
        SetLeftCol(FixedColsWithNodes());
      } else {
        SetCol(ColCount() - 1);
        MoveToBaseCell();
        SetLeftCol(std::max(fc, ColCount() - VisibleColCount()));
      }
      return done();
  }
  return false;
}

void TExtStringGrid::rowSelectTo(int OldRow, int Target, bool Shift) {
  if (!Shift) {
    if (MouseActions()->DisjunctRowSelect()) {
      ClearRowSelect();
      SelectionToRowSelect(false);
    }
    return;
  }
  SetSelection({0, OldRow, ColCount() - 1, Target});
  if (MouseActions()->DisjunctRowSelect()) SelectionToRowSelect(false);
}

void TExtStringGrid::restoreLeftCol(int OldLeftCol) {
  if (!Options().Contains(goRowSelect) || !Navigation()->KeepHorizScroll()) return;
  StartUpdate();
  SetLeftCol(OldLeftCol);
  ResetUpdate();
}

// Left and Right in a row-select grid scroll sideways instead of moving rows.
bool TExtStringGrid::rowSelectScroll(uint16_t Key, TWMKey& Message) {
  if (!Options().Contains(goRowSelect) || ColCount() <= VisibleColCount()) return false;
  bool ctrl = down(VK_CONTROL);
  bool scroll = !Navigation()->LeftRightRowSelect() || ctrl;
  if (!scroll) return false;
  int fc = TCustomGrid::FixedCols();
  if (Key == VK_LEFT && LeftCol() > fc) SetLeftCol(LeftCol() - 1);
  if (Key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
  if (Navigation()->LeftRightRowSelect()) return false;
  fireKeyDown(Key);
  Message.Result = 0;
  return true;
}

// Walks over cells that report themselves fixed; true when the key was
// taken. A walk that finds no normal cell leaves the cursor where it is.
bool TExtStringGrid::skipFixedCells(uint16_t Key) {
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  int c = Col(), r = Row();
  if (UseRightToLeftAlignment() && (Key == VK_LEFT || Key == VK_RIGHT)) Key = Key == VK_LEFT ? VK_RIGHT : VK_LEFT;
  int lastCol = ColCount() - FFixedRightCols;
  int endRow = RowCount() - FFixedFooters;
  switch (Key) {
    case VK_LEFT:
      if (c <= fc || !IsFixed(c - 1, r)) return false;
      for (int i = c - 1; i >= fc; --i)
        if (!IsFixed(i, r)) return SetCol(i), true;
      return true;
    case VK_RIGHT:
      if (c >= lastCol || c + 1 >= ColCount() || !IsFixed(c + 1, r)) return false;
      for (int i = c + 1; i < lastCol; ++i)
        if (!IsFixed(i, r)) return SetCol(i), true;
      return true;
    case VK_UP:
      if (r <= fr || !IsFixed(c, r - 1)) return false;
      if (Options().Contains(goRowSelect)) return SetRow(r - 1), true;
      for (int i = r - 1; i >= fr; --i)
        if (!IsFixed(c, i)) return SetRow(i), true;
      return true;
    case VK_DOWN:
      if (r >= endRow || r + 1 >= RowCount() || !IsFixed(c, r + 1)) return false;
      if (Options().Contains(goRowSelect)) {
        if (r + 1 < endRow) SetRow(r + 1);
        return true;
      }
      for (int i = r + 1; i < endRow; ++i)
        if (!IsFixed(c, i)) return SetRow(i), true;
      return true;
    default: return false;
  }
}

// ---- the clipboard keys ----

// Ctrl+C, Ctrl+X, Ctrl+V and their Insert and Delete forms: the event may
// refuse, else the operation runs; the key goes no further either way.
bool TExtStringGrid::clipboardKey(uint16_t Key) {
  bool ctrl = down(VK_CONTROL), shift = down(VK_SHIFT);
  TClipboardEvent* event = nullptr;
  void (TExtStringGrid::*operation)() = nullptr;
  if (ctrl && Key == 'X') {
    event = &OnClipboardCut;
    operation = &TExtStringGrid::CutSelectionToClipboard;
  } else if (ctrl && Key == 'V') {
    event = &OnClipboardPaste;
    operation = &TExtStringGrid::PasteSelectionFromClipboard;
  } else if (ctrl && (Key == VK_INSERT || Key == 'C')) {
    event = &OnClipboardCopy;
    operation = &TExtStringGrid::CopySelectionToClipboard;
  } else if (shift && Key == VK_INSERT) {
    event = &OnClipboardPaste;
    operation = &TExtStringGrid::PasteSelectionFromClipboard;
  } else if (shift && Key == VK_DELETE) {
    event = &OnClipboardCut;
    operation = &TExtStringGrid::CutSelectionToClipboard;
  } else {
    return false;
  }
  bool allow = true;
  if (*event) (*event)(this, allow);
  if (allow) (this->*operation)();
  return true;
}

// ---- rows by key ----

// A row inserted or deleted by key is placed with the filter off; switching
// it on again afterwards refilters the grid.
namespace {
class TFilterPause {
public:
  explicit TFilterPause(TExtStringGrid& Grid) : FGrid(Grid), FWasActive(Grid.FilterActive()) {
    if (FWasActive) FGrid.SetFilterActive(false);
  }
  ~TFilterPause() {
    if (FWasActive) FGrid.SetFilterActive(true);
  }
  TFilterPause(const TFilterPause&) = delete;
  TFilterPause& operator=(const TFilterPause&) = delete;

private:
  TExtStringGrid& FGrid;
  bool FWasActive;
};
}  // namespace

void TExtStringGrid::insertRowByKey() {
  bool can = true;
  DoCanInsertRow(Row(), can);
  if (!can) return;
  int newRow = Row();
  {
    int realRow = RealRowIndex(Row());
    TFilterPause pause(*this);
    int shown = DisplRowIndex(realRow);
    if (shown >= 0 && shown != Row()) SetRow(shown);
    int at = RealRowIndex(Row());
    if (Navigation()->InsertPosition() == pInsertAfter) {
      if (FixedRowAlways() && TCustomGrid::FixedRows() == RowCount()) {
        newRow = TCustomGrid::FixedRows();
      } else {
        at = Row() + 1 < RowCount() ? RealRowIndex(Row() + 1) : at + 1;
        ++newRow;
      }
    }
    DoAutoInsertRow(at);
    if (OnAutoInsertRow) OnAutoInsertRow(this, at);
    FGridModified = true;
  }
  if (newRow < RowCount()) SetRow(newRow);
  CalcFooter(-1);
}

void TExtStringGrid::deleteRowByKey() {
  int realRow = RealRowIndex(Row());
  {
    TFilterPause pause(*this);
    bool can = true;
    if (OnCanDeleteRow) OnCanDeleteRow(this, realRow, can);
    if (!can) return;
    DoAutoDeleteRow(realRow);
  }
  if (FloatingFooter()->Visible() && Row() == RowCount() - 1 && RowCount() > 1) SetRow(RowCount() - 2);
  RememberCurrentCell(Col(), Row());
  FGridModified = true;
  CalcFooter(-1);
}

// Ctrl+A selects the normal cells (with row or range selection only).
void TExtStringGrid::selectAllByKey() {
  if (!Options().Contains(goRowSelect) && !Options().Contains(goRangeSelect)) return;
  TGridRect r{FixedColsWithNodes(), TCustomGrid::FixedRows(), ColCount() - FFixedRightCols - 1, lastNormalRow()};
  if (r.Right < r.Left || r.Bottom < r.Top) return;
  if (MouseActions()->DisjunctRowSelect())
    for (int i = r.Top; i <= r.Bottom; ++i) SetRowSelect(i, true);
  BeforeSelectAll(r);
  SetSelection(r);
  notifySelectionMoved();
}

// ---- WM_CHAR ----

void TExtStringGrid::WMChar(TWMKey& Message) {
  uint32_t ch = Message.CharCode;
  int realCol = RealColIndex(Col());
  if (cellHoldsControls(Col(), Row())) {
    Message.Result = 1;
    return;
  }
  if (MouseActions()->EditOnDblClickOnly()) {
    bool can = true;
    CanEditCell(realCol, Row(), can);
    if (can) addOption(goEditing);
  }
  bool ctrl = down(VK_CONTROL);
  if (Navigation()->AllowClipboardShortCuts() && ctrl && (ch == 3 || ch == 22 || ch == 24)) {
    Message.CharCode = 0;
    return;
  }
  bool clickable = HasClickableControl(realCol, Row());
  if (MouseActions()->RangeSelectAndEdit() && !clickable && IsEditable(realCol, Row()) && ch != 9 && ch != 27 &&
      !ctrl) {
    if (OnKeyPress) {
      char copy = static_cast<char>(ch);
      OnKeyPress(this, copy);
    }
    FStartEditChar = static_cast<char>(ch);
    addOption(goEditing);
    if (!currentCellVisible()) ScrollInView(Col(), Row());
    // A press on the current cell opens its editor, which then takes the character.
    TRect r = CellRect(Col(), Row());
    MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
    FOleArmed = false;
    TBaseGrid::WMChar(Message);
    return;
  }
  if (ch == '.' && FLastKeyWasDecimal && ExcelStyleDecimalSeparator())
    Message.CharCode = ch = static_cast<unsigned char>(LocaleDecimalSeparator());
  // Enter on a cell control advances like in any other cell.
  bool handled = clickable && ch == 13 && Navigation()->AdvanceOnEnter();
  if (handled) TBaseGrid::WMChar(Message);
  if (Options().Contains(goEditing) && ch != 9 && (ch == 8 || (ch >= 32 && ch <= 255))) {
    if (OnKeyPress) {
      char k = static_cast<char>(ch);
      OnKeyPress(this, k);
      Message.CharCode = ch = static_cast<unsigned char>(k);
      if (ch == 0) return;
    }
    FStartEditChar = static_cast<char>(ch);
    if (clickable) return;  // the cell's control took the key; no editor opens over it
    // The character edits the current cell: one a select-all left out of
    // view is brought back, and the selected range gives way to it.
    if (!currentCellVisible()) ScrollInView(Col(), Row());
    const TGridRect s = Selection();
    if (s.Left != s.Right || s.Top != s.Bottom) FocusCell(Col(), Row());
    if (ShowEditorChar(ch)) return;
  }
  if (!handled) TBaseGrid::WMChar(Message);
}

void TExtStringGrid::WMKeyUp(TWMKey& Message) { TBaseGrid::WMKeyUp(Message); }

// ---- the key methods ----

void TExtStringGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  FLastKeyWasDecimal = Key == VK_DECIMAL;
  TGridCoord last{Col(), Row()};
  TBaseGrid::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (Navigation()->CursorMoveRows() && Shift.Contains(ssCtrl) && (Key == VK_UP || Key == VK_DOWN))
    moveSelectedRows(Key == VK_DOWN);
  if (Navigation()->CursorAdvance() != caDefault) wrapCursor(Key, last);
  if (FUseEnabledRows && Navigation()->SkipDisabledRows() && Row() == last.Y) skipDisabledRow(Key);
  else if (FUseEnabledRows && Navigation()->SkipDisabledRows() && !RowEnabled(Row())) skipDisabledRow(Key);
}

// Ctrl+Up/Down moves the selected rows one place; the selection follows.
void TExtStringGrid::moveSelectedRows(bool Down) {
  TGridRect s = Selection();
  int t = s.Top, b = s.Bottom;
  if (Down ? b >= RowCount() - 1 : t <= TCustomGrid::FixedRows()) return;
  if (Down) MoveRow(b + 1, t);
  else MoveRow(t - 1, b);
  int d = Down ? 1 : -1;
  SetSelection({TCustomGrid::FixedCols(), t + d, ColCount() - 1, b + d});
}

// Arrow keys wrap at the grid's edges; the snake also changes row or column.
void TExtStringGrid::wrapCursor(uint16_t Key, TGridCoord Last) {
  bool snake = Navigation()->CursorAdvance() == caSnake;
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  int lastCol = ColCount() - FFixedRightCols - 1, lastRow = lastNormalRow();
  if (lastCol < fc || lastRow < fr) return;
  int c = Last.X, r = Last.Y;
  switch (Key) {
    case VK_LEFT:
      if (c != fc) return;
      c = lastCol;
      if (snake) r = r > fr ? r - 1 : lastRow;
      break;
    case VK_RIGHT:
      if (c != ColCount() - 1 && c != lastCol) return;
      c = fc;
      if (snake) r = r < lastRow ? r + 1 : fr;
      break;
    case VK_UP:
      if (r != fr) return;
      r = lastRow;
      if (snake) c = c > fc ? c - 1 : lastCol;
      break;
    case VK_DOWN:
      if (r != RowCount() - 1 && r != lastRow) return;
      r = fr;
      if (snake) c = c < lastCol ? c + 1 : fc;
      break;
    default: return;
  }
  MoveColRow(c, r, true, true);
}

void TExtStringGrid::skipDisabledRow(uint16_t Key) {
  int fr = TCustomGrid::FixedRows();
  if (Key == VK_UP) {
    for (int r = Row() - 1; r >= fr; --r)
      if (RowEnabled(r)) return SetRow(r);
  } else if (Key == VK_DOWN) {
    for (int r = Row() + 1; r < RowCount(); ++r)
      if (RowEnabled(r)) return SetRow(r);
  }
}


void TExtStringGrid::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || (Key >= VK_LEFT && Key <= VK_DOWN) ||
      Key == VK_INSERT || Key == VK_DELETE)
    SetSearchInc("");
  TGridRect before = NormalizedGridRect(Selection());
  TBaseGrid::KeyUp(Key, Shift);
  bool arrow = Key >= VK_LEFT && Key <= VK_DOWN;
  bool tab = Key == VK_TAB && Options().Contains(goTabs);
  if (Navigation()->AlwaysEdit() && (arrow || tab) && !HasClickableControl(RealColIndex(Col()), Row()))
    ShowInplaceEdit();
  if (arrow || tab) notifySelectionMoved();
  if (MouseActions()->DisjunctCellSelect() && !Options().Contains(goEditing)) pickCellsByKey(Key, Shift, before);
}

void TExtStringGrid::Click() {
  TBaseGrid::Click();
  FEntered = false;
  RememberCurrentCell(Col(), Row());
}

void TExtStringGrid::RememberCurrentCell(int ADisplCol, int ARow) {
  FOldCol = ADisplCol;
  FOldRow = ARow;
  if (ADisplCol < 0 || ARow < 0 || ADisplCol >= ColCount() || ARow >= RowCount()) return;
  FOldCellText = GetCellEx(RealColIndex(ADisplCol), ARow);
  FOldCellTextWide = WideCells(RealColIndex(ADisplCol), ARow);
  FOldModifiedValue = FModified;
}
