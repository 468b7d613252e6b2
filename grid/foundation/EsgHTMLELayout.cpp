// HTML text layout: the line loop of DrawHTMLText and the layout of one line.
// Every line is laid out twice: a measuring pass fixes what goes on the line
// and its size, then a second pass draws it (or measures again for a hit
// test) from the same starting state.
#include <algorithm>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEInternal.h"
#include "grid/foundation/ExtXPVS.h"

namespace htmle {

TColor BrushColorOf(const TCanvas* c) {
  return c->Brush()->Style() == bsClear ? clNone : c->Brush()->Color();
}

void SetBrushColorOf(TCanvas* c, TColor color) {
  if (color == clNone) {
    c->Brush()->SetStyle(bsClear);
  } else {
    c->Brush()->SetColor(color);
    c->Brush()->SetStyle(bsSolid);
  }
}

int GhHeight(TCanvas* c) { return c->TextHeight("gh"); }

namespace {

int RunWidth(TCallState& s, const std::string& run) {
  TRect r(0, 0, 0, 0);
  s.Canvas->DrawText(run, r, (s.RunFormat & ~DT_END_ELLIPSIS) | DT_CALCRECT);
  return r.Right - r.Left;
}

// The next run: with word wrapping up to and including a space that comes
// before the next tag, else up to the tag.
size_t CutRun(const std::string& text, bool wrap) {
  size_t lt = text.find('<');
  if (wrap) {
    size_t sp = text.find(' ');
    if (sp != std::string::npos && (lt == std::string::npos || sp < lt)) return sp + 1;
  }
  return lt == std::string::npos ? text.size() : lt;
}

void DrawErrorMark(TCanvas* c, int left, int right, int lineBottom) {
  int x = (left / 2) * 2;
  int y = lineBottom - 1;
  int off = (x % 4 == 0) ? 2 : 0;
  c->Pen()->SetColor(clRed);
  c->Pen()->SetWidth(1);
  c->MoveTo(x, y + off);
  while (x < right) {
    x += 2;
    off = 2 - off;
    c->LineTo(x, y + off);
  }
}

void DrawRun(TCallState& s, TPassState& p, const std::string& run) {
  TCanvas* c = s.Canvas;
  TRect r = p.Dr;
  if (s.Sup) r.Bottom -= p.SupRise;
  if (s.Sub) r.Bottom += p.SubDepth;
  r.Bottom -= p.Raise;
  const int w = RunWidth(s, run);
  if (!s.BlinkOff) {
    const TColor bg = BrushColorOf(c);
    if (bg != clNone) {
      TRect fill(r.Left, r.Bottom - c->TextHeight(run), std::min(r.Left + w, r.Right), r.Bottom);
      c->FillRect(fill);
    }
    TBrushStyle style = c->Brush()->Style();
    c->Brush()->SetStyle(bsClear);
    if (s.Shadow) {
      const TColor keep = c->Font()->Color();
      c->Font()->SetColor(s.Io->ShadowColor);
      TRect sr = r;
      sr.Left += s.Io->ShadowShift;
      sr.Right += s.Io->ShadowShift;
      sr.Top += s.Io->ShadowShift;
      sr.Bottom += s.Io->ShadowShift;
      c->DrawText(run, sr, s.RunFormat);
      c->Font()->SetColor(keep);
    }
    c->DrawText(run, r, s.RunFormat);
    c->Brush()->SetStyle(style);
  }
  if (s.InAnchor && s.Io->AnchorCount - 1 == s.Io->FocusAnchor) s.Io->FocusHref = s.Href;
  const int right = r.Left + w;
  if (s.Error) DrawErrorMark(c, r.Left, right, p.Dr.Bottom);
  if (s.RunFormat & DT_RTLREADING)
    p.Dr.Right -= w;
  else
    p.Dr.Left = right;
}

void MeasureRun(TCallState& s, TPassState& p, const std::string& run) {
  const int w = RunWidth(s, run);
  p.Width += w;
  if (!s.InAnchor) return;
  const int rel = s.Io->HitX - p.Line.Left;
  if (rel >= p.Width - w && rel <= p.Width) {
    p.HitAnchor = true;
    if (s.Io->HitY > p.Line.Top) {
      s.Io->HitHref = s.Href;
      s.Io->HitTitle = s.Title;
      s.PendingHover = true;
    }
  }
}

// One run of text: sizes, drawing or measuring, and whether it stays on the line.
void LayoutRun(TCallState& s, TPassState& p, std::string& text) {
  const size_t len = CutRun(text, s.Io->WrapWords);
  const std::string raw = text.substr(0, len);
  const std::string run = ReplaceRunEntities(raw);
  if (!run.empty()) {
    const int h = s.Canvas->TextHeight(run);
    if (s.Sub) p.SubDepth = std::max(p.SubDepth, h / 4);
    if (s.Sup) p.SupRise = std::max(p.SupRise, h / 4);
    p.Height = std::max(p.Height, h);
    s.Io->VisibleText += run;
  }
  if (s.Hidden) {
    text.erase(0, len);
    return;
  }
  const int before = p.Width;
  if (p.Drawing)
    DrawRun(s, p, run);
  else
    MeasureRun(s, p, run);
  const int w = p.Width - before;
  bool fits = p.Width < p.LineWidth() || w >= p.LineWidth();
  // A word is never split: text glued to the previous run stays with it.
  if (!fits && !p.Visible.empty() && p.Visible.back() != ' ') fits = true;
  const bool onlyText = p.Visible.empty();
  p.Visible += run;
  if (fits || !s.Io->WrapWords) {
    p.Html += raw;
    text.erase(0, len);
    if (!p.Drawing && !fits && !onlyText) text.clear();
    p.TrailingSpace = (!raw.empty() && raw.back() == ' ') ? RunWidth(s, " ") : 0;
  } else {
    p.LineEnded = true;
    p.Width -= w;
  }
}

}  // namespace

void DrawHTMLTextCore(TCallState& s, TPassState& p, std::string& text) {
  p.Html.clear();
  p.Visible.clear();
  p.Line.Bottom -= p.SubDepth;
  p.Dr.Bottom -= p.SubDepth;
  p.Width = 0;
  p.TrailingSpace = 0;
  p.LineEnded = p.LineFull = p.LiSeen = false;
  p.HitCtl = p.HitAnchor = false;
  TCanvas* c = s.Canvas;
  if (p.Drawing && s.ParaBg) {
    c->Pen()->SetColor(c->Brush()->Color());
    c->FillRect(TRect(s.Bounds.Left, p.Dr.Top, s.Bounds.Right, p.Dr.Top + p.Height));
  }
  while (!text.empty() && !p.LineEnded && !p.LineFull) {
    if (text[0] != '<') LayoutRun(s, p, text);
    if (text.empty() || text[0] != '<') continue;
    if (text.size() <= 2) {
      text.clear();
      break;
    }
    if (p.LineEnded) break;
    const size_t gt = text.find('>');
    const size_t tagLen = gt == std::string::npos ? text.size() : gt + 1;
    const std::string tag = text.substr(0, tagLen);
    HandleTag(s, p, tag);
    if (p.LineFull) break;
    p.Html += tag;
    text.erase(0, tagLen);
  }
  p.Width -= p.TrailingSpace;
  // The indent is part of the room the line needs, for whoever sizes to it.
  s.Io->MaxWidth = std::max(s.Io->MaxWidth, p.Indent + p.Width);
  if (p.Drawing && s.InAnchor && s.Io->AnchorCount - 1 == s.Io->FocusAnchor) {
    s.FocusR.Right = p.Dr.Left;
    s.FocusR.Bottom = p.Dr.Bottom;
    TRect fr(s.FocusR.Left - 1, s.FocusR.Top, s.FocusR.Right + 1, s.FocusR.Bottom);
    c->DrawFocusRect(fr);
    s.FocusR.Left = p.Line.Left + 1;
    s.FocusR.Top = p.Dr.Bottom;
  }
}

}  // namespace htmle

using namespace htmle;

namespace {

TColor gHighlightBack = SystemColor(13);
TColor gHighlightText = SystemColor(14);

void ResetOutputs(THTMLTextCall& io) {
  io.ControlRect = TRect(0, 0, 0, 0);
  io.ControlType.clear();
  io.ControlValue.clear();
  io.VisibleText.clear();
  io.FocusHref.clear();
  io.HitTitle.clear();
  if (!io.HitTestOnly) io.ControlID.clear();
  io.MaxWidth = io.TotalHeight = io.AnchorCount = 0;
  io.HoverAnchorOut = -1;
  io.Result = false;
}

uint32_t RunFormatOf(const THTMLTextCall& io) {
  uint32_t f = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING;
  if (!io.WrapWords) f |= DT_END_ELLIPSIS;
  return f;  // the platform reports no right-to-left system locale: Direction has no effect
}

struct TSavedTools {
  TColor PenColor;
  int PenWidth;
  TColor BrushColor;
  TBrushStyle BrushStyle;
  int BkMode;
};

}  // namespace

bool ThemesPossible = true;

void SetHighlightColors(TColor Background, TColor Text) {
  gHighlightBack = Background;
  gHighlightText = Text;
}
TColor HighlightBackColor() { return gHighlightBack; }
TColor HighlightTextColor() { return gHighlightText; }

bool DrawHTMLText(TCanvas* Canvas, const std::string& Text, const TRect& Bounds, THTMLTextCall& io) {
  ResetOutputs(io);
  if (!Canvas) return false;
  TCallState s;
  s.Canvas = Canvas;
  s.Bounds = Bounds;
  s.Io = &io;
  s.Themed = ThemesPossible && ThemedLookActive();
  s.RunFormat = RunFormatOf(io);
  const TSavedTools saved{Canvas->Pen()->Color(), Canvas->Pen()->Width(), Canvas->Brush()->Color(),
                          Canvas->Brush()->Style(), Canvas->GetBkMode()};
  s.BaseFont.Assign(Canvas->Font());
  s.MeasureFont.Assign(Canvas->Font());
  s.DrawFont.Assign(Canvas->Font());
  s.StartBrush = BrushColorOf(Canvas);
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->SetBkMode(TRANSPARENT);

  std::string text = PrepareHTMLText(Text);
  TRect line = Bounds;
  line.Left += 1;
  while (!text.empty()) {
    Canvas->Font()->Assign(&s.MeasureFont);
    s.Sub = s.Sup = false;
    const bool inAnchor0 = s.InAnchor;
    const std::string href0 = s.Href, title0 = s.Title;
    const int anchors0 = io.AnchorCount, depth0 = s.ListDepth, images0 = s.ImageCount;
    const bool shadow0 = s.Shadow, hidden0 = s.Hidden;
    const int startHeight = GhHeight(Canvas);

    // The paragraph indent narrows the line before it is filled, so that
    // indented text wraps inside the rectangle and aligns within what is left.
    TPassState m;
    m.Line = line;
    m.Line.Left += s.Indent;
    m.Indent = s.Indent;
    m.Dr = m.Line;
    m.Height = startHeight;
    const size_t before = text.size();
    DrawHTMLTextCore(s, m, text);
    // A line that took nothing would be laid out again forever.
    if (text.size() == before && !text.empty()) text.erase(0, 1);
    s.InAnchor = inAnchor0;
    s.Href = href0;
    s.Title = title0;
    s.MeasureFont.Assign(Canvas->Font());

    TRect dr = m.Line;
    if (s.Align == 1 && dr.Right - m.Width > dr.Left) dr.Left = dr.Right - m.Width;
    if (s.Align == 2 && dr.Right - dr.Left - m.Width > 0) dr.Left += (dr.Right - dr.Left - m.Width) / 2;
    dr.Bottom = dr.Top + m.Height + m.SubDepth + m.SupRise;

    if (!io.MeasureOnly) {
      Canvas->Font()->Assign(&s.DrawFont);
      io.AnchorCount = anchors0;
      s.ListDepth = depth0;
      s.ImageCount = images0;
      s.Sub = s.Sup = false;
      s.Shadow = shadow0;
      s.Hidden = hidden0;
      TPassState d;
      d.Drawing = !io.HitTestOnly;
      d.Line = dr;
      d.Dr = dr;
      d.Indent = m.Indent;
      d.AlignShift = dr.Left - m.Line.Left;
      d.Height = m.Height;
      d.SubDepth = m.SubDepth;
      d.SupRise = m.SupRise;
      d.Raise = m.Raise;
      std::string lineHtml = m.Html;
      DrawHTMLTextCore(s, d, lineHtml);
      const int gh = GhHeight(Canvas);
      const int base = d.Dr.Bottom - d.Raise;
      if (d.HitAnchor && io.HitY > base - gh && io.HitY < base) io.Result = true;
      if (d.HitCtl) io.Result = true;
      s.DrawFont.Assign(Canvas->Font());
    }
    const int step = m.Height + m.SubDepth + m.SupRise;
    line.Top += step;
    io.TotalHeight += step;
    if (!io.MeasureOnly && startHeight + line.Top > Bounds.Bottom) break;
  }
  if (io.TotalHeight == 0) io.TotalHeight = GhHeight(Canvas);

  // Restores the caller's tools; a rotation left open by the text ends here too.
  s.SavedRotation.reset();
  Canvas->Font()->Assign(&s.BaseFont);
  Canvas->Pen()->SetColor(saved.PenColor);
  Canvas->Pen()->SetWidth(saved.PenWidth);
  Canvas->Brush()->SetColor(saved.BrushColor);
  Canvas->Brush()->SetStyle(saved.BrushStyle);
  Canvas->SetBkMode(saved.BkMode);
  return io.Result;
}

bool DrawHTMLText(TCanvas* Canvas, std::string Text, TRect Bounds, TImageList* Images, int HitX, int HitY,
                  int FocusAnchor, int HoverAnchor, int ShadowShift, bool HitTestOnly, bool MeasureOnly,
                  bool ScaleImages, bool FixedColors, bool BlinkVisible, bool HoverOnly, bool WrapWords,
                  bool ButtonDown, double ImageScale, TColor LinkColor, TColor HoverBackColor,
                  TColor HoverTextColor, TColor ShadowColor, std::string& HitHref, std::string& VisibleText,
                  std::string& FocusHref, std::string& HitTitle, int& MaxWidth, int& TotalHeight,
                  int& AnchorCount, int& HoverAnchorOut, TRect& HoverRect, TRect& ControlRect,
                  std::string& ControlID, std::string& ControlValue, std::string& ControlType,
                  THTMLPictureCache* UrlPictures, TPictureContainer* Pictures, HWND__* Window,
                  uint8_t Direction) {
  THTMLTextCall io;
  io.Images = Images;
  io.HitX = HitX;
  io.HitY = HitY;
  io.FocusAnchor = FocusAnchor;
  io.HoverAnchor = HoverAnchor;
  io.ShadowShift = ShadowShift;
  io.HitTestOnly = HitTestOnly;
  io.MeasureOnly = MeasureOnly;
  io.ScaleImages = ScaleImages;
  io.FixedColors = FixedColors;
  io.BlinkVisible = BlinkVisible;
  io.HoverOnly = HoverOnly;
  io.WrapWords = WrapWords;
  io.ButtonDown = ButtonDown;
  io.ImageScale = ImageScale;
  io.LinkColor = LinkColor;
  io.HoverBackColor = HoverBackColor;
  io.HoverTextColor = HoverTextColor;
  io.ShadowColor = ShadowColor;
  io.UrlPictures = UrlPictures;
  io.Pictures = Pictures;
  io.Window = Window;
  io.Direction = Direction;
  io.HitHref = HitHref;
  io.HoverRect = HoverRect;
  io.ControlID = ControlID;
  const bool result = DrawHTMLText(Canvas, Text, Bounds, io);
  HitHref = io.HitHref;
  VisibleText = io.VisibleText;
  FocusHref = io.FocusHref;
  HitTitle = io.HitTitle;
  MaxWidth = io.MaxWidth;
  TotalHeight = io.TotalHeight;
  AnchorCount = io.AnchorCount;
  HoverAnchorOut = io.HoverAnchorOut;
  HoverRect = io.HoverRect;
  ControlRect = io.ControlRect;
  ControlID = io.ControlID;
  ControlValue = io.ControlValue;
  ControlType = io.ControlType;
  return result;
}
