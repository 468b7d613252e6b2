// A windowed control that got its window before it had a parent becomes an
// ordinary child of the parent it is given later.

#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/DateTimePicker.h"
#include "toolkit/rtl/DateUtils.h"

#include "ControlFixture.h"

namespace {

class ReparentTest : public ControlFixture {};

TEST_F(ReparentTest, AControlWithAWindowBecomesAChildOfItsNewParent) {
  auto* panel = new TPanel(form_);
  panel->SetName("Early");
  panel->SetBounds(20, 30, 80, 40);
  panel->HandleNeeded();
  ASSERT_TRUE(panel->HandleAllocated());
  EXPECT_EQ(GetWindowLong(panel->Handle(), GWL_STYLE) & WS_CHILD, 0);

  panel->SetParent(form_);
  Pump();
  EXPECT_NE(GetWindowLong(panel->Handle(), GWL_STYLE) & WS_CHILD, 0);
  EXPECT_TRUE(panel->Showing());
  // One host window, the form's: the panel paints into the form's picture.
  EXPECT_EQ(Driver.Host().Windows().size(), 1u);
  form_->Invalidate();
  Driver.ClearPaints();
  Pump();
  auto painted = Driver.PaintedNames();
  EXPECT_NE(std::find(painted.begin(), painted.end(), "Early"), painted.end());
  int clicks = 0;
  panel->OnClick = [&](TObject*) { ++clicks; };
  Click(panel, 5, 5);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ReparentTest, AMonthCalendarMayMakeItsWindowBeforeItHasAParent) {
  auto* calendar = new TMonthCalendar(form_);
  calendar->SetDate(EncodeDate(2026, 3, 14));
  calendar->HandleNeeded();
  calendar->SetParent(form_);
  Pump();
  EXPECT_NE(GetWindowLong(calendar->Handle(), GWL_STYLE) & WS_CHILD, 0);
  EXPECT_EQ(Driver.Host().Windows().size(), 1u);
  EXPECT_TRUE(calendar->Showing());
}

}  // namespace
