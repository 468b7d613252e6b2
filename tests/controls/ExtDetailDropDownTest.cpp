// The detail list drop-down: items, value, completion, popup keys, type-ahead
// and the cell layout of its list.

#include "controls/ExtDetailDropDown.h"

#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImgList.h"

namespace {

TEST(TypeAheadChar, PrintingKeysUpperCasedOthersIgnored) {
  struct Case {
    uint16_t Key;
    bool Shift;
    char Expected;
  } cases[] = {{'A', false, 'A'},         {'A', true, 'A'},          {'7', false, '7'},
               {'7', true, '&'},          {VK_NUMPAD3, false, '3'},  {VK_SPACE, false, ' '},
               {VK_OEM_MINUS, false, '-'}, {VK_F2, false, 0},        {VK_SHIFT, true, 0},
               {VK_TAB, false, 0},        {VK_RETURN, false, 0},     {VK_BACK, false, 0},
               {VK_DELETE, false, 0},     {VK_INSERT, false, 0},     {VK_CAPITAL, false, 0}};
  for (const Case& c : cases) EXPECT_EQ(TypeAheadChar(c.Key, c.Shift), c.Expected) << "key " << c.Key;
}

TEST(DetailItems, IndexOfMatchesTheWholeCaptionWithCase) {
  TDetailItems items(nullptr);
  for (const char* caption : {"Apple", "apple", "Banana", ""}) items.Add()->SetCaption(caption);
  struct Case {
    const char* Text;
    int Index;
  } cases[] = {{"Apple", 0}, {"apple", 1}, {"APPLE", -1}, {"Banana", 2}, {"Ban", -1}, {"", 3}, {"Cherry", -1}};
  for (const Case& c : cases) EXPECT_EQ(items.IndexOf(c.Text), c.Index) << c.Text;
}

TEST(DetailItems, AssignCopiesNotesAndTheRest) {
  TDetailItems from(nullptr), to(nullptr);
  TDetailItem* a = from.Add();
  a->SetCaption("Apple");
  a->SetImageIndex(2);
  a->SetNotes("<b>red</b> and sweet");
  a->SetTag(7);
  a->SetItemObject(&from);
  a->Image()->Bitmap()->SetSize(4, 3);
  int changes = 0;
  to.OnChange = [&](TObject*) { ++changes; };
  to.Assign(&from);
  ASSERT_EQ(to.Count(), 1);
  const TDetailItem* b = to.Items(0);
  EXPECT_EQ(b->Caption(), "Apple");
  EXPECT_EQ(b->ImageIndex(), 2);
  EXPECT_EQ(b->Notes(), "<b>red</b> and sweet");
  EXPECT_EQ(b->Tag(), 7);
  EXPECT_EQ(b->ItemObject(), &from);
  EXPECT_EQ(b->Image()->Width(), 4);
  EXPECT_GT(changes, 0);
}

class DetailDropDown : public DropDownFixture<TExtDetailDropDown> {
protected:
  void SetUp() override {
    DropDownFixture::SetUp();
    dd->OnSelect = [this](TObject*) { ++selects; };
  }
  void addItems(std::initializer_list<const char*> Captions) {
    for (const char* c : Captions) dd->Items()->Add()->SetCaption(c);
  }
  TExtCustomItemSelector* list() const { return dd->ItemSelector(); }
  std::string selected() const { return dd->Text().substr(size_t(dd->SelStart()), size_t(dd->SelLength())); }
  int selects = 0;
};

TEST_F(DetailDropDown, StartsEmptyWithItsOwnDefaults) {
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(dd->ItemHeight(), 22);
  EXPECT_EQ(dd->Layout(), ilCaptionRight);
  EXPECT_TRUE(dd->EditorEnabled());
  ASSERT_NE(list(), nullptr);
  EXPECT_EQ(list()->SelectorType(), stImage);
  EXPECT_EQ(dd->Control(), list());
  // The component style's cell colours, over the appearance's own preset.
  EXPECT_EQ(dd->ItemAppearance()->ColorHot, TColor(0xEBFDFF));
  EXPECT_EQ(dd->ItemAppearance()->BorderColorTop, TColor(0xF4FEFF));
}

TEST_F(DetailDropDown, ItemIndexWrites) {
  addItems({"Apple", "Banana"});
  struct Case {
    int Value;
    int Index;
    const char* Text;
    int Selects;
  } cases[] = {{1, 1, "Banana", 1}, {1, 1, "Banana", 1}, {2, 1, "Banana", 1}, {0, 0, "Apple", 2},
               {-1, -1, "", 2},     {0, 0, "Apple", 3},  {-7, -1, "", 3},     {-7, -1, "", 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Value);
    dd->SetItemIndex(c.Value);
    EXPECT_EQ(dd->ItemIndex(), c.Index);
    EXPECT_EQ(dd->Text(), c.Text);
    EXPECT_EQ(selects, c.Selects);
  }
  dd->SetItemIndex(1);
  EXPECT_EQ(dd->SelStart(), 0);
  EXPECT_EQ(dd->SelLength(), 6);
}

TEST_F(DetailDropDown, SelectStepsStopAtTheEnds) {
  addItems({"A", "B", "C"});
  dd->SelectPrevious();
  EXPECT_EQ(dd->ItemIndex(), 0);
  dd->SelectLast();
  dd->SelectNext();
  EXPECT_EQ(dd->ItemIndex(), 2);
  dd->SelectFirst();
  dd->SelectPrevious();
  EXPECT_EQ(dd->ItemIndex(), 0);
  dd->SelectNext();
  EXPECT_EQ(dd->ItemIndex(), 1);
}

TEST_F(DetailDropDown, TypingCompletesFromTheCaptions) {
  addItems({"Apple", "Banana", "Bandit"});
  struct Case {
    const char* Typed;
    const char* Text;
    const char* Selected;
    int Index;
  } cases[] = {{"a", "apple", "pple", 0},  {"ax", "ax", "", 0},      {"b", "banana", "anana", 1},
               {"band", "bandit", "it", 2}, {"BANDI", "BANDIt", "t", 2}, {"q", "q", "", -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Typed);
    dd->SetText("");
    dd->SetItemIndex(-1);
    Driver.Type(c.Typed);
    EXPECT_EQ(dd->Text(), c.Text);
    EXPECT_EQ(selected(), c.Selected);
    EXPECT_EQ(dd->ItemIndex(), c.Index);
  }
  // Completing is not choosing.
  EXPECT_EQ(selects, 0);
}

TEST_F(DetailDropDown, TypingInTheMiddleDropsTheRestWithoutAMatch) {
  addItems({"Apple"});
  dd->SetText("xyz");
  dd->SetSelStart(1);
  dd->SetSelLength(0);
  Driver.Type("q");
  EXPECT_EQ(dd->Text(), "xq");
  EXPECT_EQ(dd->SelStart(), 2);
}

TEST_F(DetailDropDown, BackspaceRemovesTheCompletionWithoutCompletingAgain) {
  addItems({"Apple"});
  Driver.Type("a");
  ASSERT_EQ(dd->Text(), "apple");
  Driver.PressKey(VK_BACK);
  EXPECT_EQ(dd->Text(), "a");
  Driver.Type("p");
  EXPECT_EQ(dd->Text(), "apple");
  EXPECT_EQ(selected(), "ple");
}

TEST_F(DetailDropDown, ReturnSelectsTheItemWhoseCaptionIsTheText) {
  addItems({"Apple", "Banana"});
  dd->SetText("apple");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(selects, 0);
  dd->SetText("Banana");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(selects, 1);
}

TEST_F(DetailDropDown, OpenPopupKeysMoveTheSelectionAndEscapeRestores) {
  addItems({"Apple", "Banana", "Cherry"});
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  ASSERT_EQ(list()->Items()->Count(), 3);
  EXPECT_EQ(list()->ItemIndex(), 0);
  Driver.PressKey(VK_DOWN);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->Text(), "Banana");
  Driver.PressKey(VK_END);
  EXPECT_EQ(dd->ItemIndex(), 2);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 2);
  Driver.PressKey(VK_PRIOR);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_TRUE(dd->DroppedDown());
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "Apple");
}

TEST_F(DetailDropDown, EscapeRestoresTheItemTheOpenPopupStartedWith) {
  addItems({"Apple", "Banana", "Cherry"});
  dd->SetItemIndex(2);
  dd->ShowDropDown();
  Driver.PressKey(VK_HOME);
  ASSERT_EQ(dd->ItemIndex(), 0);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "Cherry");
}

TEST_F(DetailDropDown, ClickOnACellSelectsAndCloses) {
  addItems({"Apple", "Banana", "Cherry"});
  dd->ShowDropDown();
  Driver.Pump();
  const TRect cell = list()->Panel()->GetItemRect(1);
  // The choice closes the popup on the button press.
  Driver.MouseDown(list()->Panel(), cell.Left + 5, cell.Top + 5);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->Text(), "Banana");
  EXPECT_EQ(selects, 1);
}

TEST_F(DetailDropDown, ClosedKeysAndWheelStepThroughTheItems) {
  addItems({"Apple", "Banana", "Cherry"});
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 0);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 1);
  Driver.Wheel(dd, -120, 10, 10);
  EXPECT_EQ(dd->ItemIndex(), 2);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(dd->ItemIndex(), 1);
  // Home and End belong to the caret while the editor is on.
  Driver.PressKey(VK_END);
  EXPECT_EQ(dd->ItemIndex(), 1);
  dd->SetEditorEnabled(false);
  Driver.PressKey(VK_END);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(DetailDropDown, TypeAheadInThePopupForgetsAfterHalfASecond) {
  addItems({"Apple", "<b>Bach</b>", "banana", "Cherry"});
  dd->SetEditorEnabled(false);
  dd->ShowDropDown();
  struct Step {
    uint16_t Key;
    uint32_t WaitAfter;
    int Index;
    const char* Search;
  } steps[] = {{'B', 100, 1, "B"},   {'A', 100, 1, "BA"},   {'N', 200, 2, "BAN"},   {VK_F2, 100, 2, ""},
               {'C', 0, 3, "C"},     {VK_SHIFT, 500, 3, ""}, {'A', 0, 0, "A"}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.Key);
    Driver.PressKey(s.Key);
    EXPECT_EQ(dd->ItemIndex(), s.Index);
    Driver.Advance(s.WaitAfter);
    EXPECT_EQ(dd->CurrentSearch(), s.Search);
    EXPECT_TRUE(dd->DroppedDown());
  }
}

TEST_F(DetailDropDown, CellsFillThePopupWidthAtTheItemHeight) {
  struct Case {
    int DropDownWidth, ItemHeight;
    TSize Cell;
  } cases[] = {{0, 22, {200 - 2 - 4, 22}}, {300, 22, {300 - 2 - 4, 22}}, {250, 40, {250 - 2 - 4, 40}}};
  addItems({"Apple", "Banana"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.DropDownWidth);
    dd->SetDropDownWidth(c.DropDownWidth);
    dd->SetItemHeight(c.ItemHeight);
    dd->ShowDropDown();
    const TRect first = list()->Panel()->GetItemRect(0), second = list()->Panel()->GetItemRect(1);
    EXPECT_EQ(first.Width(), c.Cell.cx);
    EXPECT_EQ(first.Height(), c.Cell.cy);
    EXPECT_EQ(second.Top, first.Bottom);
    dd->HideDropDown(true);
  }
}

TEST_F(DetailDropDown, CellShowsTheImagesEntryWhenItHasNoPicture) {
  auto* images = new TImageList(form);
  images->SetWidth(16);
  images->SetHeight(16);
  for (TColor c : {clRed, clLime, clBlue}) {
    TBitmap b;
    b.SetSize(16, 16);
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(Rect(0, 0, 16, 16));
    images->Add(&b, nullptr);
  }
  dd->SetImages(images);
  addItems({"Blue one", ""});
  dd->Items()->Items(0)->SetImageIndex(2);
  dd->Items()->Items(1)->SetImageIndex(1);
  dd->ShowDropDown();
  Driver.Pump();
  const TRect first = list()->Panel()->GetItemRect(0), second = list()->Panel()->GetItemRect(1);
  // Beside a caption the image starts 2 pixels in; without one it is centred.
  EXPECT_EQ(Driver.PixelAt(list()->Panel(), first.Left + 2 + 8, first.Top + first.Height() / 2), clBlue);
  EXPECT_EQ(Driver.PixelAt(list()->Panel(), second.Left + second.Width() / 2, second.Top + second.Height() / 2),
            clLime);
  EXPECT_NE(Driver.PixelAt(list()->Panel(), second.Left + 4, second.Top + second.Height() / 2), clLime);
}

TEST_F(DetailDropDown, Screenshot) {
  addItems({"Apple", "Banana", "Cherry"});
  dd->Items()->Items(0)->SetNotes("Crisp and <b>red</b>");
  dd->Items()->Items(1)->SetNotes("<i>Yellow</i>, curved");
  dd->SetItemHeight(36);
  dd->SetItemIndex(1);
  dd->ShowDropDown();
  Driver.Pump();
  const TPixelImage list = Shot(Driver, popup(), "detail-dropdown-popup.png");
  EXPECT_GT(ColouredOf(list), 100) << "the chosen item";
  EXPECT_GT(InkOf(list), 100) << "the captions and notes";
  const int edit_ink = InkOf(Shot(Driver, form, "detail-dropdown-edit.png"));
  dd->SetItemIndex(-1);
  EXPECT_GT(edit_ink, InkOf(Shot(Driver, form, "detail-dropdown-edit-none.png")) + 20) << "the chosen caption";
}

}  // namespace
