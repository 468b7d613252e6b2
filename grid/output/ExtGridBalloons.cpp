// Cell balloons: the life of the grid's balloon tooltip (made once while
// balloons are on, gone when they are switched off or the grid goes) and
// the answer to its text request: the cell's text without markup, or the
// cell's own balloon, cut so that nothing longer reaches the window.

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/output/BalloonText.h"
#include "grid/output/BalloonTooltip.h"
#include "toolkit/rtl/Encoding.h"

namespace {

// A cell's text as a balloon shows it: HTML without its tags, rich text as
// plain text, wide text decoded.
std::string PlainCellText(const std::string& Text) {
  switch (GetTextKind(Text, true)) {
    case 1: return StripHTMLTags(Text);
    case 2: return RichTextToPlain(Text);
    case 5: return Utf16ToUtf8(DecodeWideText(Text));
    default: return Text;
  }
}

}  // namespace

void TExtStringGrid::BalloonInit() {
  if (FBalloonInitialised) return;
  FBalloonInitialised = true;
  FBalloonTooltip = new TBalloonTooltip(this);
  FBalloonTooltip->SetTitle("ToolTipText", 3);
  if (FBalloon.InitialDelay() != -1) FBalloonTooltip->SetDelayTime(ttdInitial, FBalloon.InitialDelay());
  if (FBalloon.ReshowDelay() != -1) FBalloonTooltip->SetDelayTime(ttdReshow, FBalloon.ReshowDelay());
  if (FBalloon.AutoHideDelay() != -1) FBalloonTooltip->SetDelayTime(ttdAutoPop, FBalloon.AutoHideDelay());
  if (FBalloon.Transparency() != 0) FBalloonTooltip->SetAlpha(uint8_t(255 - FBalloon.Transparency()));
  FBalloonTooltip->OnNeedText = [this](std::string& Text) { BalloonNeedText(Text); };
}

void TExtStringGrid::BalloonDone() {
  delete FBalloonTooltip;
  FBalloonTooltip = nullptr;
  FBalloonInitialised = false;
}

void TExtStringGrid::BalloonEnableChanged() {
  if (ComponentState().Contains(csLoading)) return;
  if (FBalloon.Enable()) BalloonInit();
  else BalloonDone();
}

// The tooltip asks for the text of the cell under the mouse.
void TExtStringGrid::BalloonNeedText(std::string& Text) {
  Text.clear();
  if (!FBalloon.Enable() || !FBalloonTooltip) return;
  TPoint p;
  GetCursorPos(p);
  p = ScreenToClient(p);
  int col = -1, row = -1;
  MouseToCell(p.X, p.Y, col, row);
  const bool valid = col >= 0 && row >= 0 && col < ColCount() && row < RowCount();
  std::string title;
  int icon = biInfo;
  int rcol = col;
  if (valid) {
    const TPoint base = BaseCell(col, row);
    col = base.X;
    row = base.Y;
    rcol = RealColIndex(col);
    Text = PlainCellText(Cells(rcol, row));
    TBalloonIcon own = biInfo;
    if (IsBalloon(rcol, row, title, Text, own)) icon = own;
    if (OnCellBalloon) OnCellBalloon(this, rcol, row, title, Text, icon);
  }
  Text = BalloonText(Text);
  FBalloonCell = TPoint{col, row};
  FBalloonTooltip->SetMaxTipWidth(300);
  if (FBalloon.TextColor() != clNone) FBalloonTooltip->SetTipTextColor(FBalloon.TextColor());
  if (FBalloon.BackgroundColor() != clNone) FBalloonTooltip->SetTipBkColor(FBalloon.BackgroundColor());
  FBalloonTooltip->SetTitle(BalloonTitle(title), icon);
}

// Leaving the cell of the shown balloon hides it.
void TExtStringGrid::BalloonMouseMove(int X, int Y) {
  if (!FBalloon.Enable() || !FBalloonTooltip || !FBalloonTooltip->Visible()) return;
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (col >= 0 && row >= 0 && col < ColCount() && row < RowCount()) {
    const TPoint base = BaseCell(col, row);
    col = base.X;
    row = base.Y;
  }
  if (col != FBalloonCell.X || row != FBalloonCell.Y) FBalloonTooltip->Pop();
}
