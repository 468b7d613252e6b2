// Form controls inside HTML cells: the editor placed over an EDIT,
// PASSWORD, MASK or COMBO control, its value written back into the tag, and
// the step from one editable control of a cell to the next.

#include "grid/core/ExtGrid.h"
#include "grid/editing/CellControlEditors.h"
#include "grid/editing/GridEditorControls.h"
#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/graphics/Canvas.h"

void TExtStringGrid::ShowCellControl(const std::string& CellText, const std::string& CtrlType,
                                     const std::string& CtrlID, const std::string& CtrlValue, const TRect& Rect,
                                     int ADisplCol, int ARealCol, int ARow) {
  bool edit = CtrlType == "EDIT" || CtrlType == "PASSWORD" || CtrlType == "MASK";
  if (!edit && CtrlType != "COMBO") return;
  // One control at a time: a running one is written back first.
  EndCellControlEdit(this);
  FCtrlXY = {ARealCol, ARow};
  FCtrlID = CtrlID;
  FCtrlType = CtrlType;
  FCtrlEditing = true;
  if (edit) {
    showControlEdit(CellText, Rect);
    FEditControl->SetText(CtrlValue);
    FEditControl->SelectAll();
  } else {
    showControlCombo(CellText, Rect, ADisplCol);
    TControlCombo* c = FComboControl;
    int i = c->Items()->IndexOf(CtrlValue);
    if (i >= 0) c->SetItemIndex(i);
    c->SetText(CtrlValue);
  }
}

void TExtStringGrid::showControlEdit(const std::string& CellText, const TRect& Rect) {
  if (!FEditControl) FEditControl = MakeHiddenEditor<TControlEdit>(this);
  TControlEdit* e = FEditControl;
  e->SetPasswordChar(FCtrlType == "PASSWORD" ? '*' : 0);
  e->SetEditMask(FCtrlType == "MASK" ? GetControlProp(CellText, FCtrlID) : std::string());
  e->OnExit = [this](TObject* Sender) { EndCellControlEdit(Sender); };
  e->SetBorderStyle(bsNone);
  e->SetBounds(Rect.Left + 1, Rect.Top + 8, Rect.Width() - 4, 14);
  e->SetMaxLength(GetControlMaxLen(CellText, FCtrlID));
  e->SetEnabled(true);
  e->SetVisible(true);
  e->BringToFront();
  if (e->CanFocus()) e->SetFocus();
}

void TExtStringGrid::showControlCombo(const std::string& CellText, const TRect& Rect, int ADisplCol) {
  if (!FComboControl) FComboControl = MakeHiddenEditor<TControlCombo>(this);
  TControlCombo* c = FComboControl;
  c->SetIsWinXP(FIsWinXP);
  c->SetFlat(false);
  c->SetBounds(Rect.Left - 1, Rect.Top + 4, Rect.Width(), c->Height());
  c->OnSelect = [this](TObject* Sender) { ControlComboSelect(Sender); };
  c->Items()->Clear();
  bool editable = true;
  int dropCount = 8;
  std::string value;
  GetControlValue(CellText, FCtrlID, value);
  if (OnControlComboList)
    OnControlComboList(this, FCtrlXY.Y, ADisplCol, FCtrlID, FCtrlType, value, c->Items(), editable, dropCount);
  c->SetStyle(editable ? csDropDown : csDropDownList);
  c->SetDropDownCount(dropCount);
  c->OnExit = [this](TObject* Sender) { EndCellControlEdit(Sender); };
  c->SetMaxLength(GetControlMaxLen(CellText, FCtrlID));
  c->SetEnabled(true);
  c->SetVisible(true);
  c->BringToFront();
  if (c->CanFocus()) c->SetFocus();
  c->SetDroppedDown(true);
}

// The value goes into the tag of the control; a cell that no longer holds
// that control keeps its text as it is.
void TExtStringGrid::EndCellControlEdit(TObject* Sender) {
  (void)Sender;
  if (!FCtrlEditing) return;
  FCtrlEditing = false;
  bool edit = FCtrlType != "COMBO";
  TWinControl* editor = edit ? static_cast<TWinControl*>(FEditControl) : FComboControl;
  std::string value = editor ? editor->Text() : std::string();
  if (!edit && FComboControl) FComboControl->SetDroppedDown(false);
  if (editor) editor->SetVisible(false);
  std::string text = GetCellEx(FCtrlXY.X, FCtrlXY.Y);
  if (SetControlValue(text, FCtrlID, value)) SetCellEx(FCtrlXY.X, FCtrlXY.Y, text);
  if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
  FCtrlType.clear();
}

void TExtStringGrid::ControlComboSelect(TObject*) {
  if (!OnControlComboSelect || !FComboControl) return;
  int i = FComboControl->ItemIndex();
  std::string item = i >= 0 ? FComboControl->Items()->Strings(i) : std::string();
  OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, i, FCtrlID, item);
}

void TExtStringGrid::ActivateCellControl(int ADisplCol, int ARow, const std::string& ID) {
  int rc = RealColIndex(ADisplCol);
  std::string text = GetCellEx(rc, ARow);
  std::string next = NextEditControlID(text, ID);
  if (next.empty()) {
    if (CanFocus()) SetFocus();
    return;
  }
  TRect r = CellRect(ADisplCol, ARow);
  OffsetRect(r, FXYOffset.X + 1, FXYOffset.Y + 1);
  if (HasCheckBox(rc, ARow)) OffsetRect(r, FControlLook.CheckSize(), 0);
  THTMLTextCall call;
  call.HitTestOnly = true;
  call.ControlID = next;
  call.Images = CellImageList(rc, ARow);
  call.Pictures = FPictureContainer;
  DrawHTMLText(Canvas(), text, r, call);
  // A control laid out beyond the cell cannot be edited there: the grid keeps the keyboard.
  if (call.ControlID != next || call.ControlType.empty()) {
    if (CanFocus()) SetFocus();
    return;
  }
  ShowCellControl(text, call.ControlType, next, call.ControlValue, call.ControlRect, ADisplCol, rc, ARow);
}
