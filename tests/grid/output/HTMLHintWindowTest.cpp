#include "grid/output/HTMLHintWindow.h"

#include <gtest/gtest.h>

#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/testing/TestDriver.h"

namespace {

TEST(HTMLHintPlacement, StaysOnTheMonitor) {
  const TRect monitor(0, 0, 800, 600);
  // Wider than the space to the right: moved left, ending 2 pixels inside, same width.
  TRect r = KeepHintOnMonitor(TRect(700, 100, 900, 120), monitor, 184, 16, 16, 4);
  EXPECT_EQ(r.Right, 798);
  EXPECT_EQ(r.Width(), 200);
  // Reaching below the bottom: moved up to end 2 pixels above it.
  r = KeepHintOnMonitor(TRect(100, 590, 300, 610), monitor, 184, 16, 16, 4);
  EXPECT_EQ(r.Bottom, 598);
  EXPECT_EQ(r.Top, 578);
  r = KeepHintOnMonitor(TRect(100, 100, 300, 120), monitor, 184, 16, 16, 4);
  EXPECT_EQ(r, TRect(100, 100, 300, 120));
}

class HTMLHint : public FormsTest {};

// A control that hands its hint to the HTML hint window.
class THintPanel : public TPanel {
public:
  using TPanel::TPanel;
  THTMLHintResources Resources;

protected:
  void CMHintShow(TCMHintShow& Message) override {
    Message.HintInfo->HintWindowClass = THTMLHintWindow::Class();
    Message.HintInfo->HintData = &Resources;
  }
};

TEST_F(HTMLHint, ShownThroughTheHintMachinery) {
  auto* form = new TForm(Application);
  form->SetBounds(10, 10, 300, 200);
  auto* panel = new THintPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 100, 50);
  panel->SetShowHint(true);
  panel->SetHint("<b>Bold</b> and <font color=\"clRed\">red</font>");
  form->Show();
  Driver.MouseMove(panel, 20, 20);
  Driver.Advance(Application->HintPause() + 10);
  auto* hint = dynamic_cast<THTMLHintWindow*>(Application->HintWindow());
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(hint->Visible());
  EXPECT_GT(hint->TextWidth(), 0);
  EXPECT_EQ(hint->Width(), hint->TextWidth() + 16);
  EXPECT_EQ(hint->Height(), hint->TextHeight() + 4);
  Driver.Screenshot(hint, "grid_html_hint.png");
}

TEST_F(HTMLHint, WideTextHintIsOneLine) {
  THTMLHintWindow hint(Application);
  const std::string wide = EncodeWideText(u"line one and more");
  hint.ActivateHint(TRect(10, 10, 10, 10), wide);
  EXPECT_EQ(hint.Height(), hint.TextHeight() + 4);
  EXPECT_EQ(hint.Width(), hint.TextWidth() + 8);
  TRect plain = hint.CalcHintRect(1000, "x");
  EXPECT_EQ(hint.TextHeight(), plain.Height());
}

}  // namespace
