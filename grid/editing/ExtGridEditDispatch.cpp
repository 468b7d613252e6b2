// The string grid's editor dispatch: whether and with which editor a cell
// is edited, the frame in which a special editor is shown and written back,
// the editing permission and the combo items of the shared combo editor.

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "grid/editing/EditFilters.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridEditorControls.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

// The drop-down kinds whose control is part of the grid.
bool isDropDownKind(TEditorType Kind) {
  switch (Kind) {
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edExtGridDropDown: return true;
    default: return false;
  }
}

}  // namespace

TEditorType TExtStringGrid::EditorKindOf(int ARealCol, int ARow) {
  TEditorType kind = FDefaultEditor;
  GetCellEditor(ARealCol, ARow, kind);
  return kind;
}

TExtInplaceEdit* TExtStringGrid::NormalEdit() const { return dynamic_cast<TExtInplaceEdit*>(InplaceEditor()); }

TInplaceEdit* TExtStringGrid::CreateEditor() { return new TExtInplaceEdit(this); }

bool TExtStringGrid::CanEditShow() {
  if (FValidating) return false;
  // The text editor never opens over a running special editor (a cell write
  // of its write-back asks again).
  if (EditMode && !IsNormalTextEditor(EditControl)) return false;
  bool ret = TBaseGrid::CanEditShow();
  if (ComponentState().Contains(csDesigning)) return ret;
  TPoint b = BaseCell(RealColIndex(Col()), Row());
  // Check boxes, radio buttons and cell buttons change by click and key, never in an editor.
  if (ret && !EditMode && HasClickableControl(b.X, b.Y)) return false;
  if (ret && !EditMode) {
    FNoEditChange = true;
    FCellCache = GetCurrentCell();
    // The edit is validated against the text it starts with, however the cursor came here.
    RememberCurrentCell(Col(), Row());
    EditControl = EditorKindOf(b.X, b.Y);
    if (EditControl == edNone) return false;
    EditMode = true;
    if (IsNormalTextEditor(EditControl)) {
      FShowEditProcess = true;
    } else {
      ShowSpecialEditor(DisplColIndex(b.X), b.Y);
      FEntered = true;
      if (FFocusHelper.Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
      return false;
    }
  }
  if (ret) {
    FEntered = true;
    FEditing = true;
    if (FFocusHelper.Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
  }
  return ret;
}

void TExtStringGrid::ShowInplaceEdit() {
  if (HasClickableControl(RealColIndex(Col()), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  FEditText = GetCellEx(RealColIndex(Col()), Row());
  ShowEditor();
}

void TExtStringGrid::ShowCellEdit() {
  if (HandleAllocated()) Perform(WM_KEYDOWN, VK_F2, 0);
}

void TExtStringGrid::HideCellEdit() { FinishSpecialEditor(Col(), Row()); }

void TExtStringGrid::ShowSpecialEditor(int ADisplCol, int ARow) {
  FEditing = FSpecialEditor = FEditActive = true;
  TRect r = CellRect(ADisplCol, ARow);
  TSpecialEditorFrame f;
  f.Rect = r;
  f.Width = r.Width() - 1;
  f.Height = r.Height() - 1;
  f.RealCol = RealColIndex(ADisplCol);
  f.Row = ARow;
  TBrush brush;
  brush.SetColor(Color());
  f.Font.Assign(Font());
  TGridDrawState state;
  TColor to = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  GetVisualProperties(ADisplCol, Row(), state, false, false, true, &brush, to, mirror, mirrorTo, &f.Font, ha, va, ww,
                      gd);
  f.Color = brush.Color();
  FGridState = gsNormal;
  EditCtrl = nullptr;
  FLastValidation = EditControl != edCustom ? true : FLastValidation;
  switch (EditControl) {
    case edComboEdit:
    case edComboList: showCombo(f); break;
    case edCheckBox: showCheckEditor(f); break;
    case edButton: showButtonEditor(f); break;
    case edCustom: showEditLink(f); break;
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: showSpin(f); break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit: showDatePicker(f); break;
    case edDateTimeEdit: showDateAndTimePicker(f); break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: showEditBtn(f); break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: showUnitEditBtn(f); break;
    case edRichEdit: showRichEdit(f); break;
    default:
      if (isDropDownKind(EditControl)) showDropDownEditor(f);
      break;
  }
  FStartEditChar = 0;
}

void TExtStringGrid::FinishSpecialEditor(int ADisplCol, int ARow) {
  if (ComponentState().Contains(csDestroying) || FDestroyingGrid) return;
  FSpecialEditor = false;
  FBlockKill = true;
  int rc = RealColIndex(ADisplCol);
  FStartEditChar = 0;
  auto unblock = MakeScopeGuard([this] {
    FBlockKill = false;
    FEditActive = false;
  });
  switch (EditControl) {
    case edComboEdit:
    case edComboList: finishCombo(rc, ARow); break;
    case edCheckBox: hideEditorControl(EditCheck); break;
    case edButton: hideEditorControl(GridButton); break;
    case edCustom: finishEditLink(rc, ARow); break;
    default: {
      if (isDropDownKind(EditControl)) {
        finishDropDownEditor(rc, ARow);
        break;
      }
      std::string value;
      if (TWinControl* own = ownEditorOf(EditControl, value)) finishOwnEditor(own, value, rc, ARow);
    }
  }
  // The frame marks a running edit only, however it ended.
  HideFocusWindow();
  if (EditControl != edNormal && FEditActive) EditingDone(rc, ARow);
}

void TExtStringGrid::StoreEditorValue(int ARealCol, int ARow, const std::string& Value) {
  SetEditText(DisplColIndex(ARealCol), ARow, Value);
  SetCellEx(ARealCol, ARow, Value);
}

void TExtStringGrid::RestoreEditCell() {
  SetCellEx(RealColIndex(Col()), Row(), FCellCache);
  SetCells(Col(), Row(), Cells(Col(), Row()));
}

void TExtStringGrid::DoGetEditorProp(int ARealCol, int ARow, TEditLink* AEditLink) {
  if (OnGetEditorProp) OnGetEditorProp(this, ARealCol, ARow, AEditLink);
  if (FInternalGetEditorProp) FInternalGetEditorProp(ARealCol, ARow);
}

// ---- permission ----

bool TExtStringGrid::IsEditable(int ARealCol, int ARow) {
  bool on = Options().Contains(goEditing) || FMouseActions.RangeSelectAndEdit() || FEditDisable;
  return on && IsCellEditable(ARealCol, ARow);
}

bool TExtStringGrid::IsCellEditable(int ARealCol, int ARow) {
  TPoint b = BaseCell(ARealCol, ARow);
  bool canEdit = true;
  CanEditCell(b.X, b.Y, canEdit);
  bool fixed = false;
  IsFixedCell(DisplColIndex(b.X), b.Y, fixed);
  return canEdit && !fixed;
}

bool TExtStringGrid::TabValidates() const {
  return Options().Contains(goTabs) || static_cast<bool>(OnCellValidate) || static_cast<bool>(OnCellValidateWide);
}

// ---- combo items ----

void TExtStringGrid::ClearComboString() { Combobox()->Items()->Clear(); }
void TExtStringGrid::AddComboString(const std::string& S) { Combobox()->Items()->Add(S); }
void TExtStringGrid::AddComboStringObject(const std::string& S, TObject* AObject) {
  Combobox()->Items()->AddObject(S, AObject);
}

bool TExtStringGrid::RemoveComboString(const std::string& S) {
  int i = Combobox()->Items()->IndexOf(S);
  if (i < 0) return false;
  Combobox()->Items()->Delete(i);
  return true;
}

bool TExtStringGrid::SetComboSelectionString(const std::string& S) {
  int i = Combobox()->Items()->IndexOf(S);
  if (i < 0) return false;
  FComboIdx = i;
  return true;
}

int TExtStringGrid::GetComboCount() { return Combobox()->Items()->Count(); }

int TExtStringGrid::GetComboIndex(int ARealCol, int ARow) {
  DoGetEditorProp(ARealCol, ARow, nullptr);
  return Combobox()->Items()->IndexOf(GetCellEx(ARealCol, ARow));
}

void TExtStringGrid::SetComboIndex(int ARealCol, int ARow, int Value) {
  DoGetEditorProp(ARealCol, ARow, nullptr);
  SetCellEx(ARealCol, ARow, Combobox()->Items()->Strings(Value));  // raises the list's index error
}
