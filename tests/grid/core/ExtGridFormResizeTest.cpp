// The owner form's resize reaches its grids as subscriptions: each grid
// follows the form, goes away with only its own subscription, and the
// form's own OnResize stays the application's.

#include "tests/grid/core/GridCoreFixture.h"
#include "toolkit/forms/ResizeSubscriptions.h"

TEST_F(ExtGridTest, GridsFollowTheirFormAndLeaveOnlyThemselves) {
  int formHandlerCalls = 0;
  form->OnResize = [&](TObject*) { ++formHandlerCalls; };
  grid->SetBounds(0, 0, 300, 200);
  grid->SetSizeWithForm(true);
  auto* second = new TExtStringGrid(form);
  second->SetParent(form);
  second->SetBounds(0, 210, 200, 100);
  second->SetSizeWithForm(true);

  form->SetBounds(10, 10, 650, 420);
  EXPECT_EQ(formHandlerCalls, 1);
  EXPECT_EQ(grid->Width(), 350);
  EXPECT_EQ(grid->Height(), 220);
  EXPECT_EQ(second->Width(), 250);

  delete second;
  form->SetBounds(10, 10, 700, 420);
  EXPECT_EQ(formHandlerCalls, 2);
  EXPECT_EQ(grid->Width(), 400);
  ASSERT_TRUE(static_cast<bool>(form->OnResize));
}

TEST_F(ExtGridTest, WithoutSizeWithFormTheGridKeepsItsSize) {
  grid->SetBounds(0, 0, 300, 200);
  form->SetBounds(10, 10, 500, 300);
  EXPECT_EQ(grid->Width(), 300);
  // Turned on later, it follows from the size the form had last.
  grid->SetSizeWithForm(true);
  form->SetBounds(10, 10, 550, 300);
  EXPECT_EQ(grid->Width(), 350);
}

TEST_F(ExtGridTest, AGridOwnedByAFormOutlivingItsWindowLeavesNothingBehind) {
  auto* other = new TForm(Application);
  auto* owned = new TExtStringGrid(other);
  owned->SetSizeWithForm(true);
  // Not parented: the form's component list frees it after the form's
  // control part is gone.
  delete other;
  form->SetBounds(10, 10, 620, 400);
  SUCCEED();
}

TEST_F(ExtGridTest, EachResizeTokenRemovesOnlyItsListener) {
  auto* control = new TForm(Application);
  std::vector<int> calls;
  int a = SubscribeResize(control, [&](TObject*) { calls.push_back(1); });
  int b = SubscribeResize(control, [&](TObject*) {
    calls.push_back(2);
    UnsubscribeResize(a);
  });
  int c = SubscribeResize(control, [&](TObject*) { calls.push_back(3); });
  NotifyResizeSubscribers(control);
  NotifyResizeSubscribers(control);
  EXPECT_EQ(calls, (std::vector<int>{1, 2, 3, 2, 3}));
  UnsubscribeResize(b);
  UnsubscribeResize(b);
  delete control;
  UnsubscribeResize(c);
  EXPECT_GT(a, 0);
}
