// The spin, date, button, unit and rich-text kinds open their own control in
// the cell; typing, Enter and Esc through the driver.

#include <gtest/gtest.h>

#include "grid/editing/ExtRichEdit.h"
#include "grid/editing/GridDatePicker.h"
#include "grid/editing/GridEditBtn.h"
#include "grid/editing/GridSpin.h"
#include "grid/editing/GridTransEdit.h"
#include "tests/grid/editing/GridEditFixture.h"
#include "toolkit/forms/std/Clipboard.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/Math.h"

namespace {

class SpecialEditorsTest : public GridEditTest {
protected:
  void SetUp() override {
    ResetFormatSettings();
    GridEditTest::SetUp();
    grid->SetDefaultRowHeight(24);
    grid->Columns()->Items(TextCol)->SetWidth(200);
    for (const char* u : {"m", "mm"}) grid->BtnUnitEdit()->Units()->Add(u);
  }
  void TearDown() override { ResetFormatSettings(); }
  // The control that edits the cell now.
  TWinControl* Shown() { return grid->EditCtrl && grid->EditCtrl->Visible() ? grid->EditCtrl : nullptr; }
  // Selects what the editor holds so that typing replaces it.
  void SelectAllIn(TWinControl* c) {
    if (auto* e = dynamic_cast<TCustomEdit*>(c)) e->SelectAll();
  }

  struct Case {
    TEditorType Kind;
    const char* ClassName;
    const char* Cell;   // the cell's text before the edit
    const char* Typed;  // typed over everything the editor selects
    const char* After;  // the cell after Enter
  };
  static const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {edSpinEdit, "TGridSpin", "5", "42", "42"},
        {edFloatSpinEdit, "TGridSpin", "1.5", "2.25", "2.25"},
        {edTimeSpinEdit, "TGridSpin", "10:00:00", "11:30:00", "11:30:00"},
        {edDateSpinEdit, "TGridSpin", "10/03/2025", "11/04/2025", "11/04/2025"},
        {edEditBtn, "TGridEditBtn", "abc", "xyz", "xyz"},
        {edNumericEditBtn, "TGridEditBtn", "12", "3a4", "34"},
        {edFloatEditBtn, "TGridEditBtn", "1.5", "2.5", "2.5"},
        {edMaskEditBtn, "TGridEditBtn", "abc", "q", "q"},
        {edUnitEditBtn, "TGridUnitEditBtn", "5mm", "7", "7mm"},
        {edNumericUnitEditBtn, "TGridUnitEditBtn", "5m", "8x", "8m"},
        {edFloatUnitEditBtn, "TGridUnitEditBtn", "5mm", "2.5", "2.5mm"},
        {edDateEdit, "TGridDatePicker", "10/03/2025", "5", "05/03/2025"},
        {edDateEditUpDown, "TGridDatePicker", "10/03/2025", "5", "05/03/2025"},
        {edTimeEdit, "TGridDatePicker", "10:20:30", "9", "09:20:30"},
        {edDateTimeEdit, "TGridDateTimePicker", "10/03/2025 10:20:30", "5", "05/03/2025 10:20:30"},
        {edRichEdit, "TExtRichEdit", "plain", "new", "new"},
    };
    return cases;
  }
};

TEST_F(SpecialEditorsTest, EachKindOpensItsControlAndEnterWritesTheCell) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(EnumToName(c.Kind));
    grid->Columns()->Items(TextCol)->SetEditor(c.Kind);
    grid->SetCells(TextCol, 2, c.Cell);
    GoTo(TextCol, 2);
    Driver.PressKey(VK_F2);
    EXPECT_FALSE(TextEditorShown());
    TWinControl* e = Shown();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ClassName(), c.ClassName);
    EXPECT_TRUE(e->Focused());
    SelectAllIn(e);
    Driver.Type(c.Typed);
    Driver.PressKey(VK_RETURN);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_FALSE(e->Visible());
    EXPECT_EQ(grid->Cells(TextCol, 2), c.After);
    EXPECT_FALSE(grid->EditMode);
  }
}

TEST_F(SpecialEditorsTest, EscRestoresTheCellInEveryKind) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(EnumToName(c.Kind));
    grid->Columns()->Items(TextCol)->SetEditor(c.Kind);
    grid->SetCells(TextCol, 3, c.Cell);
    GoTo(TextCol, 3);
    Driver.PressKey(VK_F2);
    TWinControl* e = Shown();
    ASSERT_NE(e, nullptr);
    SelectAllIn(e);
    Driver.Type(c.Typed);
    Driver.PressKey(VK_ESCAPE);
    EXPECT_FALSE(e->Visible());
    EXPECT_EQ(grid->Cells(TextCol, 3), c.Cell);
  }
}

// Esc in the date-and-time picker brings back the date and the time.
TEST_F(SpecialEditorsTest, EscRestoresDateAndTimeTogether) {
  grid->Columns()->Items(TextCol)->SetEditor(edDateTimeEdit);
  grid->SetCells(TextCol, 1, "10/03/2025 10:20:30");
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  TGridDateTimePicker* p = grid->DateAndTimePicker();
  p->SetDateTime(EncodeDateTime(2026, 1, 2, 3, 4, 5, 0));
  Driver.PressKey(VK_ESCAPE);
  EXPECT_DOUBLE_EQ(p->DateTime(), EncodeDateTime(2025, 3, 10, 10, 20, 30, 0));
  EXPECT_EQ(grid->Cells(TextCol, 1), "10/03/2025 10:20:30");
}

TEST_F(SpecialEditorsTest, LeavingASpinClampsTheCell) {
  grid->Columns()->Items(TextCol)->SetEditor(edSpinEdit);
  grid->Columns()->Items(TextCol)->SetSpinMax(100);  // the column's limits reach the spin
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  Driver.Type("150");
  Driver.Focus(grid);
  EXPECT_EQ(grid->Cells(TextCol, 1), "100");
}

TEST_F(SpecialEditorsTest, SpinValueKeysStayWithinTheLimits) {
  grid->Columns()->Items(TextCol)->SetEditor(edSpinEdit);
  grid->Columns()->Items(TextCol)->SetSpinMax(100);
  grid->SetCells(TextCol, 1, "99");
  std::vector<std::pair<int, bool>> clicks;
  grid->OnSpinClick = [&](TObject*, int, int, int v, bool up) { clicks.push_back({v, up}); };
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  TGridSpin* s = grid->SpinEdit();
  s->SetIncrement(5);
  Driver.PressKey(VK_PRIOR);
  EXPECT_EQ(s->Value(), 99);
  s->SetValue(95);
  Driver.PressKey(VK_PRIOR);
  EXPECT_EQ(s->Value(), 100);
  Driver.PressKey(VK_END);
  EXPECT_EQ(s->Value(), 0);
  Driver.PressKey(VK_HOME);
  EXPECT_EQ(s->Value(), 100);
  EXPECT_EQ(clicks.size(), 4u);
  EXPECT_TRUE(clicks[0].second);
  EXPECT_FALSE(clicks[2].second);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 1), "100");
}

TEST_F(SpecialEditorsTest, TheSpinButtonOfAFloatSpinFiresTheFloatEvent) {
  grid->Columns()->Items(TextCol)->SetEditor(edFloatSpinEdit);
  grid->SetCells(TextCol, 1, "1.5");
  int ints = 0;
  double value = 0;
  grid->OnSpinClick = [&](TObject*, int, int, int, bool) { ++ints; };
  grid->OnFloatSpinClick = [&](TObject*, int, int, double v, bool) { value = v; };
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  Driver.Click(grid->SpinEdit()->Button()->UpButton(), 3, 3);
  EXPECT_EQ(ints, 0);
  EXPECT_DOUBLE_EQ(value, 1.6);
}

TEST_F(SpecialEditorsTest, TheEditButtonGoesThroughTheEllipsisEvent) {
  grid->Columns()->Items(TextCol)->SetEditor(edEditBtn);
  grid->OnEllipsClick = [](TObject*, int, int, std::string& S) { S += "!"; };
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  grid->BtnEdit()->SetStopEditAfterClick(true);
  Driver.Click(grid->BtnEdit()->Button()->Button(), 3, 3);
  EXPECT_FALSE(grid->BtnEdit()->Visible());
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->Cells(TextCol, 1), "row1!");
}

// Paste follows the text editor's rules: a numeric cell refuses letters, a trailing line break goes.
TEST_F(SpecialEditorsTest, PasteIntoAButtonEditorFollowsTheKind) {
  grid->Columns()->Items(TextCol)->SetEditor(edNumericEditBtn);
  grid->SetCells(TextCol, 1, "");
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  SetClipboardText("12ab");
  grid->BtnEdit()->Perform(WM_PASTE, 0, 0);
  EXPECT_EQ(grid->BtnEdit()->Text(), "");
  SetClipboardText("12\r\n");
  grid->BtnEdit()->Perform(WM_PASTE, 0, 0);
  EXPECT_EQ(grid->BtnEdit()->Text(), "12");
  EXPECT_EQ(grid->Cells(TextCol, 1), "12");
}

TEST_F(SpecialEditorsTest, AUnitChoiceReachesTheGrid) {
  grid->Columns()->Items(TextCol)->SetEditor(edUnitEditBtn);
  grid->SetCells(TextCol, 1, "5m");
  std::string unit;
  grid->OnUnitChanged = [&](TObject*, int, int, const std::string& u) { unit = u; };
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  grid->BtnUnitEdit()->ChooseUnit(2);
  EXPECT_EQ(unit, "mm");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 1), "5mm");
}

TEST_F(SpecialEditorsTest, HeaderEditorsWriteOnlyWhatValidationAccepts) {
  grid->OnCellValidate = [](TObject*, int, int, std::string& Value, bool& Valid) { Valid = Value != "bad"; };
  grid->SetCells(TextCol, 0, "Name");
  TGridTransEdit* e = grid->HeaderEdit();
  e->SetCol(TextCol);
  e->SetRow(0);
  e->SetVisible(true);
  e->SetText("bad");
  EXPECT_FALSE(e->StopEdit());
  EXPECT_TRUE(e->Visible());
  EXPECT_EQ(grid->Cells(TextCol, 0), "Name");
  e->SetText("Title");
  EXPECT_TRUE(e->StopEdit());
  EXPECT_FALSE(e->Visible());
  EXPECT_EQ(grid->Cells(TextCol, 0), "Title");
  TGridTransCombo* c = grid->HeaderCombo();
  c->SetCol(ListCol);
  c->SetRow(0);
  c->SetText("Type");
  EXPECT_TRUE(c->StopEdit());
  EXPECT_EQ(grid->Cells(ListCol, 0), "Type");
}

TEST_F(SpecialEditorsTest, TheRichConverterRecordsTheSizeItsTextNeeds) {
  TExtRichEdit* r = grid->RichEdit();
  EXPECT_FALSE(r->Visible());
  r->SetWidth(100);
  r->SetText("a long line of rich text that needs more than one line here");
  r->Perform(EM_REQUESTRESIZE, 0, 0);
  EXPECT_GT(r->ReqHeight(), 0);
  EXPECT_GT(r->ReqWidth(), 0);
}

TEST_F(SpecialEditorsTest, ScreenshotsInACell) {
  for (TEditorType kind : {edSpinEdit, edEditBtn, edUnitEditBtn, edDateEdit, edDateTimeEdit, edRichEdit}) {
    grid->Columns()->Items(TextCol)->SetEditor(kind);
    grid->SetCells(TextCol, 2, kind == edDateEdit ? "10/03/2025" : kind == edDateTimeEdit ? "10/03/2025 10:20:30"
                                                                                        : kind == edUnitEditBtn ? "5mm"
                                                                                                                : "42");
    GoTo(TextCol, 2);
    Driver.PressKey(VK_F2);
    ASSERT_NE(Shown(), nullptr);
    EXPECT_NE(Driver.Screenshot(form, std::string("grid_") + EnumToName(kind) + ".png"), "");
    Driver.PressKey(VK_ESCAPE);
  }
}

}  // namespace

namespace {

TEST_F(SpecialEditorsTest, RichTextSelectionRisesAndSinks) {
  TExtRichEdit* r = grid->InplaceRichEdit();
  r->SetText("H2O x2");
  r->SetSelStart(1);
  r->SetSelLength(1);
  EXPECT_TRUE(r->IsSelNormal());
  r->SelSubscript();
  EXPECT_TRUE(r->IsSelSubscript());
  EXPECT_FALSE(r->IsSelNormal());
  r->SetSelStart(5);
  r->SetSelLength(1);
  r->SelSuperscript();
  EXPECT_TRUE(r->IsSelSuperscript());
  r->SelNormal();
  EXPECT_TRUE(r->IsSelNormal());
  r->SelSuperscript();
  // The offsets survive the rich text the cell stores.
  TExtRichEdit* copy = grid->RichEdit();
  copy->LoadRichText(r->SaveRichText());
  copy->SetSelStart(1);
  copy->SetSelLength(1);
  EXPECT_TRUE(copy->IsSelSubscript());
  copy->SetSelStart(5);
  copy->SetSelLength(1);
  EXPECT_TRUE(copy->IsSelSuperscript());
}

}  // namespace

namespace {

// The date editor's calendar and value reach the grid's events with the
// current cell: its value as the text the cell would get, the calendar
// opened 2 pixels larger than a month needs each way.
TEST_F(SpecialEditorsTest, ThePickersCalendarAndValueReachTheGrid) {
  grid->Columns()->Items(TextCol)->SetEditor(edDateEdit);
  grid->SetCells(TextCol, 2, "10/03/2025");
  std::vector<std::string> told;
  auto cell = [](int c, int r) { return std::to_string(c) + "," + std::to_string(r); };
  grid->OnDatePickerDropDown = [&](TObject* s, int r, int c) {
    told.push_back("drop " + cell(c, r) + (s == grid ? "" : " other sender"));
  };
  grid->OnDatePickerCloseUp = [&](TObject*, int r, int c) { told.push_back("close " + cell(c, r)); };
  grid->OnEditChange = [&](TObject*, int c, int r, const std::string& v) { told.push_back("edit " + cell(c, r) + " " + v); };
  grid->OnDateTimeChange = [&](TObject*, int, int, double) { told.push_back("date and time"); };
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  TGridDatePicker* p = grid->DateTimePicker();
  p->SetDroppedDown(true);
  TMonthCalendar* calendar = p->Calendar();
  ASSERT_NE(calendar, nullptr);
  const TRect need = calendar->MinReqRect();
  EXPECT_EQ(calendar->Width(), need.Width() + 2);
  EXPECT_EQ(calendar->Height(), need.Height() + 2);
  EXPECT_EQ(calendar->Parent()->Width(), need.Width() + 2);
  p->SetDroppedDown(false);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(told, (std::vector<std::string>{"drop 1,2", "close 1,2", "edit 1,2 11/03/2025"}));
  EXPECT_TRUE(p->Visible());  // closing the calendar leaves the edit open
  // With DirectDateClose the edit ends with the calendar.
  grid->MouseActions()->SetDirectDateClose(true);
  p->SetDroppedDown(true);
  p->SetDroppedDown(false);
  EXPECT_FALSE(p->Visible());
  EXPECT_EQ(grid->Cells(TextCol, 2), "11/03/2025");
}

// A time editor tells its time text.
TEST_F(SpecialEditorsTest, TheTimeEditorTellsItsTimeText) {
  grid->Columns()->Items(TextCol)->SetEditor(edTimeEdit);
  grid->SetCells(TextCol, 2, "10:20:30");
  std::vector<std::string> told;
  grid->OnEditChange = [&](TObject*, int, int, const std::string& v) { told.push_back(v); };
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(told, (std::vector<std::string>{"11:20:30"}));
  Driver.PressKey(VK_ESCAPE);
}

// The cell text reaches the date editor through the program's own reading
// when it has one; a date past a limit of the picker goes one day inside;
// with DirectDateDrop the calendar opens at once.
TEST_F(SpecialEditorsTest, TheDateEditorReadsTheCellAndMayOpenItsCalendar) {
  grid->Columns()->Items(TextCol)->SetEditor(edDateEdit);
  TGridDatePicker* p = grid->DateTimePicker();
  auto dateShownFor = [&](const std::string& Cell) {
    grid->SetCells(TextCol, 2, Cell);
    GoTo(TextCol, 2);
    Driver.PressKey(VK_F2);
    const double d = Trunc(p->Date());
    Driver.PressKey(VK_ESCAPE);
    return d;
  };
  p->SetMaxDate(EncodeDate(2025, 3, 8));
  EXPECT_EQ(dateShownFor("10/03/2025"), EncodeDate(2025, 3, 7));
  p->SetMaxDate(0);
  p->SetMinDate(EncodeDate(2025, 3, 12));
  EXPECT_EQ(dateShownFor("10/03/2025"), EncodeDate(2025, 3, 13));
  p->SetMinDate(0);
  grid->OnCustomStrToDate = [](TObject*, const std::string& Value, double& ADate) {
    if (Value == "launch") ADate = EncodeDate(2024, 6, 1);
  };
  EXPECT_EQ(dateShownFor("launch"), EncodeDate(2024, 6, 1));
  grid->MouseActions()->SetDirectDateDrop(true);
  grid->SetCells(TextCol, 2, "10/03/2025");
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  EXPECT_TRUE(p->DroppedDown());
  p->SetDroppedDown(false);
  Driver.PressKey(VK_ESCAPE);
}

// The date-and-time editor tells OnDateTimeChange of a change of either
// part; a picker whose check box is cleared holds no date: the change reports 0.
TEST_F(SpecialEditorsTest, AnEmptiedPickerReportsNoDate) {
  grid->Columns()->Items(TextCol)->SetEditor(edDateTimeEdit);
  grid->SetCells(TextCol, 2, "10/03/2025 10:20:30");
  std::vector<double> told;
  grid->OnDateTimeChange = [&](TObject*, int c, int r, double v) {
    EXPECT_EQ(c, TextCol);
    EXPECT_EQ(r, 2);
    told.push_back(v);
  };
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  TGridDateTimePicker* p = grid->DateAndTimePicker();
  p->SetShowCheckbox(true);
  p->SetChecked(true);
  Driver.Type(" ");  // clears the check box
  ASSERT_FALSE(p->Checked());
  Driver.Type(" ");  // and sets it again
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0], 0.0);
  EXPECT_EQ(Trunc(told[1]), EncodeDate(2025, 3, 10));
  Driver.PressKey(VK_ESCAPE);
}

}  // namespace
