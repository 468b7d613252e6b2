// The size a cell's text takes as drawn: plain text line by line, word
// wrapped to the cell, HTML through the foundation's engine, rich text
// through the grid's hidden rich edit, rotated text by its bounding box.
// Auto-sizing, the large-text hint and the scroll-bar cells measure here.

#include <algorithm>
#include <string>
#include <vector>

#include "grid/core/AutoSizeWidths.h"
#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtRichEdit.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/output/RotatedText.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Encoding.h"

namespace {

// The extent a measuring call may grow to where the cell does not bound it.
constexpr int kUnbounded = 65535;
// Room an editor button takes at the right of the cell.
constexpr int kButtonRoom = 17;

// Visits the lines a cell shows without word wrap: cut at CR, LF or CR LF
// with Multilinecells, else the whole text is one line (visited in place,
// without a copy).
template <typename F>
void ForEachShownLine(std::string& Text, bool Multilinecells, F&& Visit) {
  if (!Multilinecells) return Visit(Text);
  size_t start = 0;
  for (;;) {
    const size_t end = Text.find_first_of("\r\n", start);
    std::string line = Text.substr(start, end == std::string::npos ? end : end - start);
    Visit(line);
    if (end == std::string::npos) return;
    start = end + (Text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

}  // namespace

void TExtStringGrid::GetCellTextSize(int ARealCol, int ARow, bool WrapToCell, bool ButtonRoom, TPoint& Size) {
  CalcCellTextSize(ARealCol, DisplColIndex(ARealCol), ARow, WrapToCell, ButtonRoom, Size);
}

void TExtStringGrid::CalcCellTextSize(int ARealCol, int ADisplCol, int ARow, bool WrapToCell, bool ButtonRoom,
                                      TPoint& Size) {
  Size = {0, 0};
  std::string text = GetFormattedCell(ARealCol, ARow);
  const int kind = GetTextKind(text, FEnableHTML);
  TCanvas* canvas = Canvas();
  TGridDrawState state;
  const bool fixed = ADisplCol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows();
  if (fixed) state.Include(gdFixed);
  GetFontProperties(ADisplCol, ARealCol, ARow, state, canvas->Font(), canvas->Brush());
  if (fixed && FActiveCellShow && FActiveCellFont.Style().Contains(fsBold)) {
    TFontStyles bold = canvas->Font()->Style();
    bold.Include(fsBold);
    canvas->Font()->SetStyle(bold);
  }
  if (ZoomFactor() != 0) canvas->Font()->SetSize(canvas->Font()->Size() + ZoomFactor());
  if (kind == 3) text = RawCellText(ARealCol, ARow);

  // The cell's box bounds only HTML, rich and wrapped text: plain lines
  // are measured without it (auto-sizing measures every row).
  auto textBox = [&] {
    TRect R = CellRect(ADisplCol, ARow);
    if (FXYOffsetTopLeftOnly) {
      R.Left += FXYOffset.X;
      R.Top += FXYOffset.Y;
    } else {
      InflateRect(R, -FXYOffset.X, -FXYOffset.Y);
    }
    if (ButtonRoom) R.Right -= kButtonRoom;
    return R;
  };

  if (kind == 1) {
    TRect R = textBox();
    if (!WrapToCell) R.Right = kUnbounded;
    R.Bottom = kUnbounded;
    THTMLTextCall call;
    call.MeasureOnly = true;
    call.WrapWords = WrapToCell;
    call.LinkColor = FURLColor;
    call.Images = CellImageList(ARealCol, ARow);
    call.Pictures = FPictureContainer;
    DrawHTMLText(canvas, text, R, call);
    Size = {call.MaxWidth + 2, call.TotalHeight + 2};
    return;
  }
  const bool rich = kind == 2 && !ComponentState().Contains(csDesigning);
  if (rich) {
    measureRichText(text, textBox(), WrapToCell, Size);
    return;
  }
  if (kind == 5) text = Utf16ToUtf8(DecodeWideText(text));
  int angle = 0;
  const bool rotated = IsRotated(ARealCol, ARow, angle);

  if (WrapToCell) {
    TRect R = textBox();
    InflateRect(R, -2, -2);
    if (EditorMode() && ADisplCol == Col() && ARow == Row() && !text.empty() && text.back() == '\n') text += "w";
    uint32_t flags = DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS;
    flags |= rotated ? DT_SINGLELINE : DT_WORDBREAK;
    Size.Y = canvas->DrawText(text, R, flags);
    Size.X = R.Width();
  } else {
    int lines = 0;
    const bool stripProtocol = FURLShow && !FURLFull && kind == 0;
    ForEachShownLine(text, FMultilinecells, [&](std::string& line) {
      if (stripProtocol) StripURLProtocol(line);
      Size.X = std::max(Size.X, AutoSizeTextWidth(*canvas, line));
      ++lines;
    });
    Size.Y = lines * AutoSizeLineHeight(*canvas);
  }
  if (rotated) Size = RotatedTextSize(Size.X, Size.Y, angle);
}

// The rich edit lays the cell out at the cell's width or unbounded, with the
// word wrap the grid paints with, and reports the room the text needs.
void TExtStringGrid::measureRichText(const std::string& Rtf, const TRect& R, bool WrapToCell, TPoint& Size) {
  TExtRichEdit* rich = RichEdit();
  rich->Clear();
  rich->SetBounds(0, 0, WrapToCell ? std::max(1, R.Width()) : kUnbounded, std::max(1, R.Height()));
  rich->LoadRichText(Rtf);
  rich->RequestSize();
  Size = {rich->ReqWidth(), rich->ReqHeight() + 4};
}
