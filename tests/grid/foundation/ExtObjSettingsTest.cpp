#include "grid/foundation/ExtObj.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

namespace {

// Counts notifications of one kind.
struct TCounter {
  int Count = 0;
  TNotifyEvent Event() { return [this](TObject*) { ++Count; }; }
};

TEST(TSearchFooter, DefaultsWithAndWithoutDesign) {
  TSearchFooter run(nullptr, false);
  EXPECT_EQ(run.FindNextCaption(), "");
  EXPECT_EQ(run.HintHighlight(), "");
  EXPECT_TRUE(run.ShowClose() && run.ShowFindNext() && run.ShowFindPrev() && run.ShowHighLight() &&
              run.ShowMatchCase());
  EXPECT_EQ(run.SearchColumn(), -1);
  EXPECT_TRUE(run.AutoSearch());
  EXPECT_EQ(run.Color(), RGB(255, 255, 255));
  EXPECT_EQ(run.ColorTo(), clBtnFace);
  TSearchFooter design(nullptr, true);
  EXPECT_EQ(design.FindNextCaption(), "Find &next");
  EXPECT_EQ(design.FindPrevCaption(), "Find &previous");
  EXPECT_EQ(design.HintFindPrev(), "Find previous occurrence");
}

TEST(TSearchFooter, WhichSettersNotify) {
  TSearchFooter f(nullptr, false);
  TCounter changes;
  f.OnChange = changes.Event();
  f.SetShowFindNext(true);  // same value: no event
  EXPECT_EQ(changes.Count, 0);
  f.SetShowFindNext(false);
  EXPECT_EQ(changes.Count, 1);
  f.SetColor(f.Color());  // colours notify even when unchanged
  EXPECT_EQ(changes.Count, 2);
  f.SetVisible(false);
  EXPECT_EQ(changes.Count, 2);
  f.SetAutoSearch(false);
  f.SetSearchColumn(3);
  EXPECT_EQ(changes.Count, 2);
  f.SetHintClose("x");
  EXPECT_EQ(changes.Count, 3);
}

TEST(TSearchFooter, AssignCopiesAllButFourWithoutEvents) {
  TSearchFooter a(nullptr, true), b(nullptr, false);
  a.SetVisible(true);
  a.SetAutoSearch(false);
  a.SetSearchFixedCells(true);
  a.SetLastSearch("abc");
  a.SetSearchColumn(4);
  a.SetSearchDirection(sdLeftRight);
  a.Font()->SetSize(17);
  TCounter changes;
  b.OnChange = changes.Event();
  b.Assign(&a);
  EXPECT_EQ(changes.Count, 0);
  EXPECT_TRUE(b.Visible());
  EXPECT_EQ(b.FindNextCaption(), "Find &next");
  EXPECT_EQ(b.SearchColumn(), 4);
  EXPECT_EQ(b.SearchDirection(), sdLeftRight);
  EXPECT_EQ(b.Font()->Size(), 17);
  EXPECT_TRUE(b.AutoSearch());
  EXPECT_FALSE(b.SearchFixedCells());
  EXPECT_EQ(b.LastSearch(), "");
  TBands other;
  EXPECT_THROW(b.Assign(&other), EConvertError);
}

TEST(TNavigation, DefaultsAndSetters) {
  TNavigation n;
  EXPECT_FALSE(n.AllowInsertRow());
  EXPECT_TRUE(n.AdvanceOnEnterLoop());
  EXPECT_TRUE(n.SkipDisabledRows());
  EXPECT_EQ(n.HomeEndKey(), heFirstLastColumn);
  TCounter changes;
  n.OnChange = changes.Event();
  n.SetAdvanceAuto(true);
  EXPECT_TRUE(n.AdvanceOnEnter());
  n.SetAdvanceAuto(false);
  EXPECT_TRUE(n.AdvanceOnEnter());  // stays on
  EXPECT_EQ(changes.Count, 0);
  n.SetAdvanceDirection(adLeftRight);
  EXPECT_EQ(changes.Count, 0);
  n.SetAdvanceDirection(adTopBottom);
  n.SetAdvanceInsert(true);
  EXPECT_EQ(changes.Count, 2);

  TNavigation m;
  n.SetKeepScrollOnSort(true);
  n.SetCursorAdvance(caSnake);
  m.Assign(&n);
  EXPECT_EQ(m.AdvanceDirection(), adTopBottom);
  EXPECT_EQ(m.CursorAdvance(), caSnake);
  EXPECT_FALSE(m.KeepScrollOnSort());  // not copied
}

TEST(TMouseActions, SetterRules) {
  TMouseActions m(nullptr);
  EXPECT_TRUE(m.AutoSizeColOnDblClick());
  EXPECT_TRUE(m.PreciseNodeClick());
  TCounter invalidates, disables, changes;
  m.OnInvalidate = invalidates.Event();
  m.OnDisableEdit = disables.Event();
  m.OnChange = changes.Event();
  m.SetHotmailRowSelect(false);
  EXPECT_FALSE(m.DisjunctRowSelect());
  EXPECT_EQ(invalidates.Count, 1);
  m.SetHotmailRowSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelect());
  EXPECT_TRUE(m.CheckAllCheck());
  EXPECT_EQ(invalidates.Count, 2);
  m.SetEditOnDblClickOnly(false);
  EXPECT_EQ(disables.Count, 0);
  m.SetEditOnDblClickOnly(true);
  EXPECT_EQ(disables.Count, 1);
  m.SetWheelAction(waMoveSelection);
  EXPECT_EQ(changes.Count, 0);
  m.SetWheelAction(waScroll);
  EXPECT_EQ(changes.Count, 1);
}

TEST(TMouseActions, DisjunctSelectionsAtRunAndDesignTime) {
  TMouseActions m(nullptr);
  m.SetDisjunctColSelect(true);
  m.SetDisjunctRowSelect(true);
  EXPECT_TRUE(m.DisjunctColSelect() && m.DisjunctRowSelect());  // run time: both
  m.OnIsDesigning = [](TObject*, bool& designing) { designing = true; };
  m.SetDisjunctCellSelect(true);
  EXPECT_TRUE(m.DisjunctCellSelect());
  EXPECT_FALSE(m.DisjunctColSelect() || m.DisjunctRowSelect());
  m.SetDisjunctRowSelectDirect(true);  // bypasses the rule
  EXPECT_TRUE(m.DisjunctCellSelect() && m.DisjunctRowSelect());
}

TEST(TMouseActions, AssignKeepsFourSettings) {
  TMouseActions a(nullptr), b(nullptr);
  a.SetRowSelect(true);
  a.SetSizeFixedRow(true);
  a.SetWheelIncrement(3);
  a.SetFixedRowsEditor(fceComboList);
  a.FixedComboValues()->Add("x");
  TCounter changes;
  b.OnChange = changes.Event();
  b.Assign(&a);
  EXPECT_TRUE(b.RowSelect());
  EXPECT_EQ(b.WheelIncrement(), 3);
  EXPECT_EQ(b.FixedRowsEditor(), fceComboList);
  EXPECT_FALSE(b.SizeFixedRow());
  EXPECT_EQ(b.FixedComboValues()->Count(), 0);
  EXPECT_EQ(changes.Count, 0);
  b.SetFixedComboValues(a.FixedComboValues());
  EXPECT_EQ(b.FixedComboValues()->Count(), 1);
}

TEST(TSyncGrid, NeverItsOwnGrid) {
  // Only the pointers' identities matter here.
  int own = 0, other = 0;
  auto* ownGrid = reinterpret_cast<TExtStringGrid*>(&own);
  auto* otherGrid = reinterpret_cast<TExtStringGrid*>(&other);
  TSyncGrid s(ownGrid);
  s.SetGrid(ownGrid);
  EXPECT_EQ(s.Grid(), nullptr);
  s.SetGrid(otherGrid);
  s.SetScrollVertical(true);
  TSyncGrid t(otherGrid);
  t.Assign(&s);  // the other grid is t's own: not taken
  EXPECT_EQ(t.Grid(), nullptr);
  EXPECT_TRUE(t.ScrollVertical());
  TSyncGrid u(nullptr);
  u.Assign(&s);
  EXPECT_EQ(u.Grid(), otherGrid);
}

TEST(TBands, ColoursAndNotifications) {
  TBands b;
  EXPECT_EQ(b.TotalLength(), 2);
  EXPECT_EQ(b.PrimaryColor(), clInfoBk);
  EXPECT_EQ(b.SecondaryColor(), clWindow);
  EXPECT_EQ(b.RowColor(1, 1), clNone);  // off
  TCounter changes;
  b.OnChange = changes.Event();
  b.SetPrimaryLength(2);
  EXPECT_EQ(changes.Count, 0);  // inactive: silent
  EXPECT_EQ(b.TotalLength(), 3);
  b.SetActive(true);
  EXPECT_EQ(changes.Count, 1);
  EXPECT_EQ(b.RowColor(1, 1), clInfoBk);
  EXPECT_EQ(b.RowColor(2, 1), clInfoBk);
  EXPECT_EQ(b.RowColor(3, 1), clWindow);
  EXPECT_EQ(b.RowColor(4, 1), clInfoBk);
  b.SetSecondaryColor(clWindow);
  EXPECT_EQ(changes.Count, 1);  // same value
  b.SetSecondaryColor(RGB(1, 2, 3));
  EXPECT_EQ(changes.Count, 2);
  b.SetPrint(true);
  EXPECT_EQ(changes.Count, 2);
  TBands c;
  c.Assign(&b);
  EXPECT_TRUE(c.Active() && c.Print());
  EXPECT_EQ(c.TotalLength(), 3);
  TFocusHelper h(nullptr), g(nullptr);
  h.SetEnabled(true);
  g.Assign(&h);
  EXPECT_TRUE(g.Enabled());
}

}  // namespace
