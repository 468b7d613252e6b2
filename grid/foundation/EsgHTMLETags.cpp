// The effects of the HTML text tags. Tags are told apart by their first one
// or two letters; there is no nesting stack: a closing tag returns to the
// base value of what it closes.
#include <algorithm>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEInternal.h"

namespace htmle {

namespace {

void SetStyleBit(TCanvas* c, TFontStyle bit, bool on) {
  TFontStyles st = c->Font()->Style();
  if (on)
    st.Include(bit);
  else
    st.Exclude(bit);
  c->Font()->SetStyle(st);
}

bool HoverStyled(const TCallState& s) { return !s.Io->HoverOnly || s.Io->AnchorCount == s.Io->HoverAnchor; }

void OpenAnchor(TCallState& s, TPassState& p, const std::string& tag, const std::string& up) {
  THTMLTextCall& io = *s.Io;
  TCanvas* c = s.Canvas;
  if (p.Drawing && io.AnchorCount == io.FocusAnchor) {
    s.FocusR.Left = p.Dr.Left;
    s.FocusR.Top = p.Dr.Top;
  }
  ++io.AnchorCount;
  const bool styled = HoverStyled(s);
  if (styled && p.Drawing) {
    SetStyleBit(c, fsUnderline, true);
    if (io.HoverBackColor != clNone) {
      s.ABrush = BrushColorOf(c);
      SetBrushColorOf(c, io.HoverBackColor);
    }
    if (io.HoverTextColor != clNone) {
      s.AText = c->Font()->Color();
      c->Font()->SetColor(io.HoverTextColor);
    }
  }
  const bool hoveredOwnColour =
      io.HoverOnly && io.AnchorCount == io.HoverAnchor && io.HoverTextColor != clNone;
  if (!io.FixedColors && !hoveredOwnColour) c->Font()->SetColor(io.LinkColor);
  s.Href = HTMLTagAttribute(tag, up, "HREF", true);
  s.Title = HTMLTagAttribute(tag, up, "TITLE", true);
  if (!s.Href.empty()) s.InAnchor = true;
  s.HoverR.Left = p.Line.Left + p.Width;
  s.HoverR.Top = p.Line.Top;
}

void CloseAnchor(TCallState& s, TPassState& p) {
  THTMLTextCall& io = *s.Io;
  TCanvas* c = s.Canvas;
  if (HoverStyled(s) && p.Drawing) {
    SetStyleBit(c, fsUnderline, false);
    if (io.HoverBackColor != clNone) SetBrushColorOf(c, s.ABrush);
    if (io.HoverTextColor != clNone) c->Font()->SetColor(s.AText);
  }
  if (!io.FixedColors) c->Font()->SetColor(s.BaseFont.Color());
  s.InAnchor = false;
  if (s.PendingHover) {
    if (s.HoverR.Top != p.Line.Top) {
      s.HoverR.Left = p.Line.Left;
      s.HoverR.Top = p.Line.Top;
    }
    s.HoverR.Right = p.Line.Left + p.Width;
    s.HoverR.Bottom = p.Line.Bottom;
    io.HoverRect = s.HoverR;
    io.HoverAnchorOut = io.AnchorCount;
    s.PendingHover = false;
  }
  if (io.AnchorCount - 1 == io.FocusAnchor) {
    s.FocusR.Right = p.Dr.Left;
    s.FocusR.Bottom = p.Dr.Bottom - p.Raise;
    s.FocusR.Top = s.FocusR.Bottom - GhHeight(c);
    if (p.Drawing) c->DrawFocusRect(TRect(s.FocusR.Left - 1, s.FocusR.Top, s.FocusR.Right + 1, s.FocusR.Bottom));
  }
}

int FontSizeOf(const std::string& up) {
  size_t p = up.find("SIZE");
  if (p == std::string::npos) return -1;
  p = up.find('=', p);
  if (p == std::string::npos) return -1;
  p = up.find('"', p);
  if (p == std::string::npos) return -1;
  const int n = ParseHTMLNumber(up.substr(p + 1));
  static const int kSizes[] = {8, 10, 12, 14, 16};
  if (n < 1) return -1;  // no font has such a size: the size stays
  return n <= 5 ? kSizes[n - 1] : std::min(n, kMaxMarkupFontSize);
}

void OpenFont(TCallState& s, TPassState& p, const std::string& up) {
  TCanvas* c = s.Canvas;
  const bool fixed = s.Io->FixedColors;
  const std::string face = HTMLTagAttribute(up, up, "FACE", false);
  if (!face.empty()) c->Font()->SetName(face);
  if (up.find(" COLOR") != std::string::npos && !fixed) {
    const std::string v = HTMLTagAttribute(up, up, " COLOR", false);
    c->Font()->SetColor(HTMLColorValue(v));
  }
  if (up.find("BGCOLOR") != std::string::npos && p.Drawing && !fixed) {
    s.FontBrush = BrushColorOf(c);
    SetBrushColorOf(c, HTMLColorValue(HTMLTagAttribute(up, up, "BGCOLOR", false)));
  }
  const int size = FontSizeOf(up);
  if (size >= 0) c->Font()->SetSize(size);
}

void CloseFont(TCallState& s, TPassState& p) {
  TCanvas* c = s.Canvas;
  c->Font()->SetName(s.BaseFont.Name());
  c->Font()->SetHeight(s.BaseFont.Height());
  if (p.Drawing && !s.Io->FixedColors) {
    c->Font()->SetColor(s.BaseFont.Color());
    SetBrushColorOf(c, s.FontBrush);
  }
}

void OpenParagraph(TCallState& s, TPassState& p, const std::string& up) {
  const std::string align = HTMLTagAttribute(up, up, "ALIGN", false);
  if (align.find("RIGHT") != std::string::npos) s.Align = 1;
  if (align.find("LEFT") != std::string::npos) s.Align = 0;
  if (align.find("CENTER") != std::string::npos) s.Align = 2;
  if (up.find("INDENT") != std::string::npos) {
    s.Indent = ParseHTMLNumberIn(HTMLTagAttribute(up, up, "INDENT", false), 0, kMaxMarkupExtent);
    // A paragraph that opens its line is indented from that line on;
    // otherwise the indent starts with the next line.
    if (p.Width == 0 && p.Visible.empty() && s.Indent != p.Indent) {
      p.Line.Left += s.Indent - p.Indent;
      p.Dr.Left += s.Indent - p.Indent;
      p.Indent = s.Indent;
    }
  }
  if (up.find("BGCOLOR") != std::string::npos && p.Drawing) {
    const TColor color = NamedOrHexColor(HTMLTagAttribute(up, up, "BGCOLOR", false));
    if (color != clNone) {
      s.PBrush = BrushColorOf(s.Canvas);
      SetBrushColorOf(s.Canvas, color);
      s.ParaBg = true;
      // The band of the paragraph's first line, from where the paragraph starts.
      const int from = p.Visible.empty() ? s.Bounds.Left : p.Dr.Left;
      s.Canvas->FillRect(TRect(from, p.Dr.Top, s.Bounds.Right, p.Dr.Top + p.Height));
    }
  }
}

// The number after the first occurrence of letter in the tag: x="12" or x=12.
bool NumberAfter(const std::string& up, char letter, int& value) {
  size_t p = up.find(letter, 1);
  if (p == std::string::npos) return false;
  std::string rest = up.substr(p + 1);
  size_t i = 0;
  while (i < rest.size() && (rest[i] == '=' || rest[i] == '"' || rest[i] == ' ')) ++i;
  size_t j = i;
  while (j < rest.size() && rest[j] != '"' && rest[j] != '>' && rest[j] != ' ') ++j;
  bool valid = false;
  value = ParseHTMLNumberIn(rest.substr(i, j - i), -kMaxMarkupExtent, kMaxMarkupExtent, &valid);
  return valid;
}

// A position counted from the rectangle's left, where the line was measured:
// a line drawn aligned keeps the gap it was measured with.
void Indent(TCallState& s, TPassState& p, const std::string& up) {
  int v = 0;
  if (!NumberAfter(up, 'X', v)) return;
  const int target = s.Bounds.Left + v + p.AlignShift;
  const int current = p.Drawing ? p.Dr.Left : p.Line.Left + p.Width;
  if (target <= current) return;
  p.Width += target - current;
  p.Dr.Left += target - current;
}

void Rotate(TCallState& s, const std::string& up) {
  int angle = 0;
  NumberAfter(up, 'A', angle);
  if (!s.SavedRotation) {
    s.SavedRotation = std::make_unique<TFont>();
    s.SavedRotation->Assign(s.Canvas->Font());
  }
  s.Canvas->Font()->SetOrientation(angle * 10);
}

void EndRotation(TCallState& s) {
  if (!s.SavedRotation) return;
  s.Canvas->Font()->Assign(s.SavedRotation.get());
  s.SavedRotation.reset();
}

void ListItem(TCallState& s, TPassState& p) {
  if (p.LiSeen) {
    p.LineFull = true;
    return;
  }
  p.LiSeen = true;
  p.Width += 12 * s.ListDepth;
  p.Dr.Left += 12 * (s.ListDepth - 1);
  if (p.Drawing) {
    TRect r(p.Dr.Left, p.Dr.Top, p.Dr.Left + 12, p.Dr.Bottom);
    const TBrushStyle style = s.Canvas->Brush()->Style();
    s.Canvas->Brush()->SetStyle(bsClear);
    s.Canvas->DrawText(s.ListDepth % 2 ? "\xE2\x80\xA2" : "o", r, DT_SINGLELINE | DT_TOP | DT_NOPREFIX);
    s.Canvas->Brush()->SetStyle(style);
  }
  p.Dr.Left += 12;
}

void EndLine(TCallState& s, TPassState& p) {
  p.LineEnded = true;
  (void)s;
}

void OpeningTag(TCallState& s, TPassState& p, const std::string& tag, const std::string& up) {
  TCanvas* c = s.Canvas;
  const char l1 = up[1];
  const char l2 = up.size() > 2 ? up[2] : '\0';
  switch (l1) {
    case 'A': OpenAnchor(s, p, tag, up); break;
    case 'B':
      if (l2 == '>') SetStyleBit(c, fsBold, true);
      else if (l2 == 'R') { EndLine(s, p); s.Io->VisibleText += '\r'; }
      else if (l2 == 'L') s.BlinkOff = !s.Io->BlinkVisible;
      else if (l2 == 'O' && p.Drawing) HandleBodyBackground(s, tag, up);  // BODY
      break;
    case 'C': HandleControl(s, p, tag); break;
    case 'E': if (p.Drawing) s.Error = true; break;
    case 'F': OpenFont(s, p, up); break;
    case 'H':
      if (l2 == 'I' && p.Drawing) {
        s.HiText = c->Font()->Color();
        s.HiBrush = BrushColorOf(c);
        SetBrushColorOf(c, HighlightBackColor());
        c->Font()->SetColor(HighlightTextColor());
      } else if (l2 == 'R') {
        EndLine(s, p);
        if (p.Drawing) {
          c->Pen()->SetColor(clBlack);
          c->Pen()->SetWidth(1);
          // A rule spans the text area, however the line is aligned or indented.
          c->MoveTo(s.Bounds.Left + 1, p.Dr.Bottom + 1);
          c->LineTo(s.Bounds.Right, p.Dr.Bottom + 1);
        }
      }
      break;
    case 'I':
      if (l2 == '>') SetStyleBit(c, fsItalic, true);
      else if (l2 == 'N') Indent(s, p, up);        // IND
      else if (l2 == 'M') HandleImage(s, p, tag, up);  // IMG
      break;
    case 'L': ListItem(s, p); break;
    case 'P': OpenParagraph(s, p, up); break;
    case 'R': Rotate(s, up); break;
    case 'S':
      if (l2 == '>') SetStyleBit(c, fsStrikeOut, true);
      else if (l2 == 'H') s.Shadow = true;  // SHAD
      else if (up.rfind("<SUB>", 0) == 0) s.Sub = true;
      else if (up.rfind("<SUP>", 0) == 0) s.Sup = true;
      break;
    case 'U':
      if (l2 == '>') SetStyleBit(c, fsUnderline, true);
      else { ++s.ListDepth; EndLine(s, p); }
      break;
    case 'Z': s.Hidden = true; break;
    default: break;
  }
}

void ClosingTag(TCallState& s, TPassState& p, const std::string& up) {
  TCanvas* c = s.Canvas;
  const char l = up.size() > 2 ? up[2] : '\0';
  const char fourth = up.size() > 3 ? up[3] : '\0';
  switch (l) {
    case 'A': CloseAnchor(s, p); break;
    case 'B':
      if (fourth == '>') SetStyleBit(c, fsBold, false);
      else { s.BlinkOff = false; c->Font()->SetColor(s.BaseFont.Color()); }
      break;
    case 'E': if (p.Drawing) s.Error = false; break;
    case 'F': CloseFont(s, p); break;
    case 'H':
      if (p.Drawing) {
        c->Font()->SetColor(s.HiText);
        SetBrushColorOf(c, s.HiBrush);
      }
      break;
    case 'I': SetStyleBit(c, fsItalic, false); break;
    case 'L': EndLine(s, p); break;
    case 'P':
      EndLine(s, p);
      if (p.Drawing && s.ParaBg) {
        SetBrushColorOf(c, s.PBrush);
        s.ParaBg = false;
      }
      break;
    case 'R': EndRotation(s); break;
    case 'S':
      if (fourth == 'U') s.Sub = s.Sup = false;
      else if (fourth == 'H') s.Shadow = false;
      else SetStyleBit(c, fsStrikeOut, false);
      break;
    case 'U':
      if (fourth == '>') SetStyleBit(c, fsUnderline, false);
      else if (s.ListDepth > 0) --s.ListDepth;
      else SetStyleBit(c, fsUnderline, false);
      break;
    case 'Z': s.Hidden = false; break;
    default: break;
  }
}

}  // namespace

TColor NamedOrHexColor(const std::string& v) {
  TColor color = clNone;
  if (v.find("CL") != std::string::npos) color = HTMLColorValue(v);
  if (v.find('#') != std::string::npos) color = HTMLColorValue(v.substr(v.find('#')));
  return color;
}

void HandleTag(TCallState& s, TPassState& p, const std::string& tag) {
  const std::string up = UpperAZ(tag);
  if (up.size() < 2) return;
  if (up[1] == '/')
    ClosingTag(s, p, up);
  else
    OpeningTag(s, p, tag, up);
}

}  // namespace htmle
