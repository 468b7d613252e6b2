// The spin, date, edit-with-button, unit and rich-text editors of the grid:
// made on first use, placed over the cell, filled from it and focused; when
// the edit ends their value (after Esc the cell's own text) goes back.

#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtRichEdit.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridDatePicker.h"
#include "grid/editing/GridEditBtn.h"
#include "grid/editing/GridEditorControls.h"
#include "grid/editing/GridSpin.h"
#include "grid/editing/GridTransEdit.h"
#include "toolkit/rtl/DateUtils.h"

namespace {

TEsgSpinType spinTypeOf(TEditorType Kind) {
  switch (Kind) {
    case edFloatSpinEdit: return sptFloat;
    case edTimeSpinEdit: return sptTime;
    case edDateSpinEdit: return sptDate;
    default: return sptNormal;
  }
}

bool isRichText(const std::string& S) { return S.rfind("{\\rtf", 0) == 0; }

// The date the picker reports: 0 while it holds none (its check box cleared),
// as for a reported time without year, month or day.
double reportedDateTime(TDateTimePicker* P) {
  TSystemTime st;
  if (P->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) return 0;
  if (st.wYear == 0 || st.wMonth == 0 || st.wDay == 0) return 0;
  return P->DateTime();
}

// The small buttons of an editor in the tones: face, hot, pressed and frame.
template <typename Buttons>
void toneButtons(Buttons* B, const TColorTones& T) {
  B->SetButtonColor(T.Background.BrushColor);
  B->SetButtonColorHot(T.Hover.BrushColor);
  B->SetButtonColorDown(T.Selected.BrushColor);
  B->SetButtonBorderColor(T.Background.BorderColor);
}

}  // namespace

// ---- the controls ----

void TExtStringGrid::toneEditors() {
  if (ComponentState().Contains(csDesigning) || FTones.Background.BrushColor == clNone) return;
  if (EditBtn) toneButtons(EditBtn->Button(), FTones);
  if (FSpinEdit) toneButtons(FSpinEdit->Button(), FTones);
  if (EditCombo) {
    toneButtons(EditCombo, FTones);
    EditCombo->SetBorderColor(Color());
    EditCombo->SetFlat(true);
  }
  if (FDatePicker) {
    toneButtons(FDatePicker, FTones);
    FDatePicker->SetBorderColor(FTones.Background.BrushColor);
    FDatePicker->SetMetroStyle(true);
  }
}

TGridSpin* TExtStringGrid::SpinEdit() {
  if (!FSpinEdit) {
    FSpinEdit = MakeHiddenEditor<TGridSpin>(this);
    toneEditors();
  }
  return FSpinEdit;
}

TGridDatePicker* TExtStringGrid::DateTimePicker() {
  if (!FDatePicker) {
    FDatePicker = MakeHiddenEditor<TGridDatePicker>(this);
    FDatePicker->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
    FDatePicker->OnDropDown = [this](TObject* Sender) { DatePickerDropDown(Sender); };
    FDatePicker->OnChange = [this](TObject* Sender) { DatePickerChange(Sender); };
    toneEditors();
  }
  return FDatePicker;
}

TGridDateTimePicker* TExtStringGrid::DateAndTimePicker() {
  if (!FDateAndTimePicker) {
    FDateAndTimePicker = MakeHiddenEditor<TGridDateTimePicker>(this);
    FDateAndTimePicker->SetAutoTab(true);
    FDateAndTimePicker->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
    FDateAndTimePicker->OnDropDown = [this](TObject* Sender) { DatePickerDropDown(Sender); };
    // Either part changed: the time part's change passes through the picker's own.
    FDateAndTimePicker->OnChange = [this](TObject* Sender) { DateTimePickerChange(Sender); };
  }
  return FDateAndTimePicker;
}

TGridEditBtn* TExtStringGrid::BtnEdit() {
  if (!EditBtn) {
    EditBtn = MakeHiddenEditor<TGridEditBtn>(this);
    EditBtn->SetBorderStyle(bsNone);
    EditBtn->SetButtonCaption("...");
    toneEditors();
  }
  return EditBtn;
}

TGridUnitEditBtn* TExtStringGrid::BtnUnitEdit() {
  if (!UnitEditBtn) {
    UnitEditBtn = MakeHiddenEditor<TGridUnitEditBtn>(this);
    UnitEditBtn->SetBorderStyle(bsNone);
    UnitEditBtn->SetButtonCaption("...");
  }
  return UnitEditBtn;
}

TExtRichEdit* TExtStringGrid::RichEdit(bool Create) {
  if (!FRichEdit && Create) FRichEdit = MakeHiddenEditor<TExtRichEdit>(this);
  return FRichEdit;
}

TExtRichEdit* TExtStringGrid::InplaceRichEdit(bool Create) {
  if (!FInplaceRichEdit && Create) FInplaceRichEdit = MakeHiddenEditor<TExtRichEdit>(this);
  return FInplaceRichEdit;
}

TGridTransEdit* TExtStringGrid::HeaderEdit() {
  if (!EditTrans) {
    EditTrans = new TGridTransEdit(this);
    EditTrans->SetParent(this);
  }
  return EditTrans;
}

TGridTransCombo* TExtStringGrid::HeaderCombo() {
  if (!ComboTrans) {
    ComboTrans = new TGridTransCombo(this);
    ComboTrans->SetParent(this);
  }
  return ComboTrans;
}

// ---- the date editors' events ----

void TExtStringGrid::DatePickerChange(TObject* Sender) {
  auto* picker = dynamic_cast<TGridDatePicker*>(Sender);
  if (picker && OnEditChange) OnEditChange(this, Col(), Row(), picker->CellText());
}

void TExtStringGrid::DateTimePickerChange(TObject* Sender) {
  auto* picker = dynamic_cast<TDateTimePicker*>(Sender);
  if (picker && OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), reportedDateTime(picker));
}

void TExtStringGrid::DatePickerCloseUp(TObject*) {
  if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
  if (MouseActions()->DirectDateClose()) HideInplaceEdit();
}

// The calendar gets 2 pixels more than a month needs each way, its popup with it.
void TExtStringGrid::DatePickerDropDown(TObject* Sender) {
  if (auto* picker = dynamic_cast<TDateTimePicker*>(Sender)) {
    auto* calendar = dynamic_cast<TMonthCalendar*>(
        FindControl(ToHWND(static_cast<uintptr_t>(picker->Perform(DTM_GETMONTHCAL, 0, 0)))));
    if (calendar) {
      TRect need;
      calendar->Perform(MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need));
      calendar->SetBounds(calendar->Left(), calendar->Top(), need.Width() + 2, need.Height() + 2);
      if (TWinControl* popup = calendar->Parent())
        popup->SetBounds(popup->Left(), popup->Top(), calendar->Left() + calendar->Width(),
                         calendar->Top() + calendar->Height());
    }
  }
  if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
}

void TExtStringGrid::DoUnitChanged(TObject*, const std::string& NewUnit) {
  if (OnUnitChanged) OnUnitChanged(this, Col(), Row(), NewUnit);
}

// ---- showing ----

void TExtStringGrid::placeOwnEditor(TWinControl* Editor, const TSpecialEditorFrame& F) {
  FSpecialEditCancelled = false;
  Editor->SetBounds(F.Rect.Left, F.Rect.Top, F.Width, F.Height);
  Editor->SetColor(F.Color);
  Editor->Font()->Assign(&F.Font);
  Editor->SetEnabled(true);
  Editor->SetVisible(true);
  if (Editor->CanFocus()) Editor->SetFocus();
  EditMode = true;
  EditCtrl = Editor;
  postStartChar(Editor);
}

void TExtStringGrid::showSpin(const TSpecialEditorFrame& F) {
  TGridSpin* s = SpinEdit();
  s->ReCreate();
  DoGetEditorProp(F.RealCol, F.Row, EditLink());
  s->SetText(GetEditText(DisplColIndex(F.RealCol), F.Row));
  s->SetSpinType(spinTypeOf(EditControl));
  placeOwnEditor(s, F);
  s->SelectAll();
}

void TExtStringGrid::showDatePicker(const TSpecialEditorFrame& F) {
  TGridDatePicker* p = DateTimePicker();
  p->ReCreate();
  DoGetEditorProp(F.RealCol, F.Row, EditLink());
  bool time = EditControl == edTimeEdit;
  p->SetKind(time ? dtkTime : dtkDate);
  p->SetDateMode(EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
  std::string text = GetCellEx(F.RealCol, F.Row);
  if (time) {
    double v = 0;
    p->SetTime(TryStrToTime(text, v) ? v : Now());
  } else {
    p->SetDate(pickerDate(text, p->MinDate(), p->MaxDate()));
  }
  placeOwnEditor(p, F);
  if (!time && FMouseActions.DirectDateDrop()) p->Perform(WM_KEYDOWN, VK_F4, 0);
}

// A date at a limit of the picker goes one day inside it.
double TExtStringGrid::pickerDate(const std::string& Text, double MinDate, double MaxDate) {
  double d = Now();
  if (Text.empty()) return d;
  if (OnCustomStrToDate) {
    OnCustomStrToDate(this, Text, d);
    return d;
  }
  if (!TryStrToDate(Text, d)) return Now();
  if (MaxDate != 0 && d > MaxDate) d = MaxDate - 1;
  if (MinDate != 0 && d <= MinDate) d = MinDate + 1;
  return d;
}

void TExtStringGrid::showDateAndTimePicker(const TSpecialEditorFrame& F) {
  TGridDateTimePicker* p = DateAndTimePicker();
  DoGetEditorProp(F.RealCol, F.Row, EditLink());
  double v = 0;
  if (!TryStrToDateTime(GetCellEx(F.RealCol, F.Row), v)) v = Now();
  FOriginalDateTime = v;
  p->SetDateTime(v);
  placeOwnEditor(p, F);
}

void TExtStringGrid::showEditBtn(const TSpecialEditorFrame& F) {
  TGridEditBtn* e = BtnEdit();
  e->ReCreate();
  DoGetEditorProp(F.RealCol, F.Row, EditLink());
  e->SetEditMask(EditControl == edMaskEditBtn ? GetEditMask(DisplColIndex(F.RealCol), F.Row) : std::string());
  e->SetMaxLength(GetEditLimit());
  e->SetText(GetEditText(DisplColIndex(F.RealCol), F.Row));
  e->WorkMode = true;
  placeOwnEditor(e, F);
}

void TExtStringGrid::showUnitEditBtn(const TSpecialEditorFrame& F) {
  TGridUnitEditBtn* e = BtnUnitEdit();
  e->ReCreate();
  DoGetEditorProp(F.RealCol, F.Row, EditLink());
  std::string text = GetEditText(DisplColIndex(F.RealCol), F.Row);
  e->SetUnitID("");
  e->SetText(text);
  e->SetTextAndUnit(text);
  placeOwnEditor(e, F);
}

void TExtStringGrid::showRichEdit(const TSpecialEditorFrame& F) {
  TExtRichEdit* r = InplaceRichEdit();
  std::string text = GetCellEx(F.RealCol, F.Row);
  r->Lock();
  if (isRichText(text)) r->LoadRichText(text);
  else r->SetText(text);
  r->Unlock();
  placeOwnEditor(r, F);
}

// ---- ending ----

TWinControl* TExtStringGrid::ownEditorOf(TEditorType Kind, std::string& Value) {
  switch (Kind) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
      if (FSpinEdit) Value = FSpinEdit->CellValue();
      return FSpinEdit;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
      if (FDatePicker) Value = FDatePicker->CellText();
      return FDatePicker;
    case edDateTimeEdit:
      if (FDateAndTimePicker) Value = FDateAndTimePicker->CellText();
      return FDateAndTimePicker;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
      if (EditBtn) Value = EditBtn->Text();
      return EditBtn;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
      if (UnitEditBtn) Value = UnitEditBtn->TextAndUnit();
      return UnitEditBtn;
    case edRichEdit:
      if (FInplaceRichEdit)
        Value = isRichText(FCellCache) ? FInplaceRichEdit->SaveRichText() : FInplaceRichEdit->Text();
      return FInplaceRichEdit;
    default: return nullptr;
  }
}

void TExtStringGrid::finishOwnEditor(TWinControl* Editor, const std::string& Value, int ARealCol, int ARow) {
  if (!EditMode || !Editor) return;
  EditMode = false;
  StoreEditorValue(ARealCol, ARow, FSpecialEditCancelled ? FCellCache : Value);
  FSpecialEditCancelled = false;
  hideEditorControl(Editor);
}
