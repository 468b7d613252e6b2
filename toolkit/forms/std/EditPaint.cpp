// Layout, geometry and painting of the edit controls.

#include <algorithm>

#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/forms/std/Edit.h"

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

int CodePoints(const std::string& s, int from, int to) {
  int n = 0;
  for (int i = from; i < to; ++i) n += IsContinuation(s[i]) ? 0 : 1;
  return n;
}

}  // namespace

int TCustomEdit::LineHeight() {
  Canvas()->Font()->Assign(Font());
  return std::max(1, Canvas()->TextHeight("Wg"));
}

int TCustomEdit::TextWidthOf(const std::string& s) {
  if (s.empty()) return 0;
  Canvas()->Font()->Assign(Font());
  return Canvas()->TextWidth(s);
}

std::string TCustomEdit::DisplayText() const {
  if (passwordChar_ == 0) return model_.Text();
  return std::string(CodePoints(model_.Text(), 0, static_cast<int>(model_.Text().size())), passwordChar_);
}

TRect TCustomEdit::FormatRect() const {
  if (hasFormatRect_) return formatRect_;
  TRect r = ClientRect();
  if (borderStyle_ == bsSingle) InflateRect(r, -2, -2);
  InflateRect(r, -1, 0);
  return r;
}

const std::vector<TCustomEdit::TVisualLine>& TCustomEdit::VisualLines() {
  if (layoutValid_) return lines_;
  lines_.clear();
  const std::string& text = model_.Text();
  if (!MultiLine()) {
    lines_.push_back({0, static_cast<int>(text.size())});
    layoutValid_ = true;
    return lines_;
  }
  int width = std::max(1, FormatRect().Width());
  for (int l = 0; l < model_.LineCount(); ++l) {
    int start = model_.LineIndex(l), end = start + model_.LineLength(l);
    if (!wordWrap_) { lines_.push_back({start, end}); continue; }
    // Wrap after the last blank that fits, or inside a word too long for a line.
    do {
      int stop = start, lastBlank = -1;
      while (stop < end) {
        int next = model_.NextPos(stop);
        if (stop > start && TextWidthOf(text.substr(start, next - start)) > width) break;
        stop = next;
        if (text[stop - 1] == ' ') lastBlank = stop;
      }
      if (stop < end && lastBlank > start) stop = lastBlank;
      lines_.push_back({start, stop});
      start = stop;
    } while (start < end);
  }
  layoutValid_ = true;
  return lines_;
}

int TCustomEdit::visualLineOf(int pos) {
  const auto& lines = VisualLines();
  for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
    if (lines[i].Start <= pos) return i;
  return 0;
}

int TCustomEdit::lineX(const TVisualLine& line) {
  TRect area = FormatRect();
  int w = passwordChar_ != 0 ? TextWidthOf(std::string(CodePoints(model_.Text(), line.Start, line.End), passwordChar_))
                             : TextWidthOf(model_.Text().substr(line.Start, line.End - line.Start));
  int room = area.Width() - w;
  int shift = room <= 0 || alignment_ == taLeftJustify ? 0 : alignment_ == taRightJustify ? room - 1 : room / 2;
  return area.Left + shift - scrollX_;
}

TPoint TCustomEdit::PosFromChar(int index) {
  index = std::clamp(index, 0, static_cast<int>(model_.Text().size()));
  int li = visualLineOf(index);
  const TVisualLine& line = VisualLines()[li];
  const std::string& text = model_.Text();
  int w = passwordChar_ != 0 ? TextWidthOf(std::string(CodePoints(text, line.Start, index), passwordChar_))
                             : TextWidthOf(text.substr(line.Start, index - line.Start));
  TRect area = FormatRect();
  int lh = LineHeight();
  int top = MultiLine() ? area.Top + (li - topLine_) * lh : area.Top + std::max(0, (area.Height() - lh) / 2);
  return {lineX(line) + w, top};
}

int TCustomEdit::CharFromPos(TPoint p) {
  const auto& lines = VisualLines();
  TRect area = FormatRect();
  int li = 0;
  if (MultiLine()) li = std::clamp(topLine_ + (p.Y - area.Top) / std::max(1, LineHeight()), 0,
                                   static_cast<int>(lines.size()) - 1);
  TVisualLine line = lines[li];
  // The nearest boundary between characters.
  int best = line.Start, bestDist = std::abs(PosFromChar(line.Start).X - p.X);
  for (int i = line.Start; i < line.End;) {
    i = model_.NextPos(i);
    if (i > line.End) break;
    int d = std::abs(PosFromChar(i).X - p.X);
    if (d < bestDist) { best = i; bestDist = d; }
  }
  return best;
}

void TCustomEdit::ScrollCaret() {
  TRect area = FormatRect();
  int caret = model_.Caret();
  if (MultiLine()) {
    int li = visualLineOf(caret);
    int visible = std::max(1, area.Height() / std::max(1, LineHeight()));
    if (li < topLine_) topLine_ = li;
    if (li >= topLine_ + visible) topLine_ = li - visible + 1;
    if (wordWrap_) { scrollX_ = 0; return; }
  }
  int x = PosFromChar(caret).X + scrollX_ - area.Left;  // caret offset without scrolling
  int width = std::max(1, area.Width());
  if (x - scrollX_ >= width) scrollX_ = x - width + 1;
  if (x < scrollX_) scrollX_ = std::max(0, x - width / 4);
  if (alignment_ != taLeftJustify && TextWidthOf(DisplayText()) < width) scrollX_ = 0;
}

void TCustomEdit::paintLine(TCanvas* c, const TVisualLine& line, int y, bool showSel) {
  const std::string& text = model_.Text();
  std::string shown = passwordChar_ != 0 ? std::string(CodePoints(text, line.Start, line.End), passwordChar_)
                                         : text.substr(line.Start, line.End - line.Start);
  int x = lineX(line);
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
  c->TextOut(x, y, shown);
  int s = std::max(SelStart(), line.Start), e = std::min(SelStart() + SelLength(), line.End);
  if (!showSel || s >= e) return;
  int x1 = PosFromChar(s).X, x2 = PosFromChar(e).X;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(focused_ ? clHighlight : clBtnFace);
  c->FillRect(Rect(x1, y, x2, y + LineHeight()));
  c->Font()->SetColor(focused_ ? clHighlightText : clWindowText);
  c->Brush()->SetStyle(bsClear);
  std::string part = passwordChar_ != 0 ? std::string(CodePoints(text, s, e), passwordChar_) : text.substr(s, e - s);
  c->TextOut(x1, y, part);
}

void TCustomEdit::Paint() {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  if (borderStyle_ == bsSingle) DrawFieldFrame(c, r, Enabled(), focused_, ReadOnly());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  c->FillRect(r);
  TRect area = FormatRect();
  c->SaveDC();
  c->IntersectClipRect(area.Left, area.Top, area.Right, area.Bottom);
  bool showSel = focused_ || !hideSelection_;
  int lh = LineHeight();
  const auto& lines = VisualLines();
  for (int i = MultiLine() ? topLine_ : 0; i < static_cast<int>(lines.size()); ++i) {
    int y = MultiLine() ? area.Top + (i - topLine_) * lh : area.Top + std::max(0, (area.Height() - lh) / 2);
    if (y >= area.Bottom) break;
    paintLine(c, lines[i], y, showSel);
  }
  if (focused_) {
    TPoint p = PosFromChar(model_.Caret());
    c->Pen()->SetColor(clWindowText);
    c->MoveTo(p.X, p.Y);
    c->LineTo(p.X, p.Y + lh);
  }
  c->RestoreDC(-1);
}
