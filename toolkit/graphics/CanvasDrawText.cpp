// TCanvas text: TextOut, TextRect, measuring and DrawText.

#include <cairo.h>

#include <cmath>

#include "toolkit/graphics/CanvasInternal.h"
#include "toolkit/graphics/CanvasText.h"
#include "toolkit/graphics/TextLayout.h"

using namespace canvas_detail;

namespace {

int ToLogical(int devicePixels, double scale) {
  return scale == 1.0 ? devicePixels : int(std::lround(devicePixels / scale));
}

}  // namespace

int TCanvas::TextWidth(const std::string& text) { return TextExtent(text).cx; }
int TCanvas::TextHeight(const std::string& text) { return TextExtent(text).cy; }

TSize TCanvas::TextExtent(const std::string& text) {
  const double scale = LogicalScaleY();
  const TFontSpec& fontSpec = text_->Spec(font_, scale);
  const TTextMetric& tm = text_->Metrics(font_, scale);
  return {ToLogical(MeasureLine(fontSpec, text), scale), ToLogical(tm.tmHeight, scale)};
}

bool TCanvas::GetTextMetrics(TTextMetric& tm) {
  const double scale = LogicalScaleY();
  tm = text_->Metrics(font_, scale);
  if (scale != 1.0) {
    for (int* v : {&tm.tmHeight, &tm.tmAscent, &tm.tmDescent, &tm.tmInternalLeading, &tm.tmExternalLeading,
                   &tm.tmAveCharWidth, &tm.tmMaxCharWidth})
      *v = ToLogical(*v, scale);
  }
  tm.tmCharSet = font_.Charset();
  tm.tmPitchAndFamily = font_.Pitch() == fpFixed ? 0 : 1;
  return true;
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Changing();
  const TFontSpec& fontSpec = text_->Spec(font_, LogicalScaleY());
  const TTextMetric& tm = text_->Metrics(font_, LogicalScaleY());
  const int width = MeasureLine(fontSpec, text);
  const int align = state_.textAlign;
  TPoint origin = (align & TA_UPDATECP) ? LogicalToSurface(state_.penPos) : LogicalToSurface(TPoint{x, y});
  // The reference point may be the centre or right end, the baseline or bottom.
  int dx = 0, dy = 0;
  if ((align & TA_CENTER) == TA_CENTER) dx = -width / 2;
  else if (align & TA_RIGHT) dx = -width;
  if ((align & TA_BASELINE) == TA_BASELINE) dy = -tm.tmAscent;
  else if (align & TA_BOTTOM) dy = -tm.tmHeight;

  if (cairo_t* cr = CairoContext()) {
    const double angle = -fontSpec.Rotation * M_PI / 180.0;
    const double ca = std::cos(angle), sa = std::sin(angle);
    const double ox = origin.X + dx * ca - dy * sa, oy = origin.Y + dx * sa + dy * ca;
    if (EffectiveBkOpaque() || (textFlags_ & ETO_OPAQUE)) {
      if (fontSpec.Rotation == 0) {
        FillRects({{int(ox), int(oy), int(ox) + width, int(oy) + tm.tmHeight}}, SolidInk(EffectiveBkColor()), pmCopy);
      } else {
        FillPath([&](cairo_t* c) {
          cairo_save(c);
          cairo_translate(c, ox, oy);
          cairo_rotate(c, angle);
          cairo_rectangle(c, 0, 0, width, tm.tmHeight);
          cairo_restore(c);
        }, false, SolidInk(EffectiveBkColor()), pmCopy);
      }
    }
    DrawLine(cr, fontSpec, text, ox, oy, ToPixel(EffectiveTextColor()), textFlags_ & ETO_RTLREADING);
  }
  const int logicalWidth = ToLogical(width, LogicalScaleY());
  if (align & TA_UPDATECP) {
    state_.penPos.X += logicalWidth;
  } else {
    state_.penPos = {x + logicalWidth, y};
  }
  Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  Changing();
  const int saved = SaveDC();
  const bool opaque = brush_.Style() != bsClear;
  if (opaque) FillRects({LogicalToSurface(r)}, SolidInk(brush_.Color()), pmCopy);
  IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
  SetBkMode(TRANSPARENT);
  const TPoint pen = state_.penPos;
  TextOut(x, y, text);
  state_.penPos = pen;
  RestoreDC(saved);
  Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text, const TTextStyle& style) {
  uint32_t format = DT_NOPREFIX;
  TRect box = r;
  switch (style.Alignment) {
    case taLeftJustify: box.Left = x; break;
    case taRightJustify: format |= DT_RIGHT; break;
    case taCenter: format |= DT_CENTER; break;
  }
  switch (style.Layout) {
    case tlTop: box.Top = y; break;
    case tlCenter: format |= DT_VCENTER; break;
    case tlBottom: format |= DT_BOTTOM; break;
  }
  if (style.SingleLine) format |= DT_SINGLELINE;
  if (style.Wordbreak) format |= DT_WORDBREAK;
  if (style.ExpandTabs) format |= DT_EXPANDTABS;
  if (style.ShowPrefix) format &= ~DT_NOPREFIX;
  if (!style.Clipping) format |= DT_NOCLIP;
  if (style.RightToLeft) format |= DT_RTLREADING;
  if (style.EndEllipsis) format |= DT_END_ELLIPSIS;
  // Vertical placement needs a single line; a multi-line text is moved by hand.
  Changing();
  const int saved = SaveDC();
  if (style.Opaque) FillRects({LogicalToSurface(r)}, SolidInk(brush_.Color()), pmCopy);
  if (style.Clipping) IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
  SetBkMode(TRANSPARENT);
  if (!style.SingleLine && style.Layout != tlTop) {
    TRect calc = box;
    const int h = DrawText(text, calc, (format | DT_CALCRECT) & ~(DT_VCENTER | DT_BOTTOM));
    const int free = box.Height() - h;
    box.Top += style.Layout == tlCenter ? free / 2 : free;
    format &= ~(DT_VCENTER | DT_BOTTOM);
  }
  DrawText(text, box, format);
  RestoreDC(saved);
  Changed();
}

uint32_t TextFormatFlags(TTextFormat format) {
  static constexpr uint32_t kFlags[] = {
      DT_BOTTOM, DT_CALCRECT, DT_CENTER, DT_EDITCONTROL, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_EXPANDTABS,
      DT_EXTERNALLEADING, DT_LEFT, DT_MODIFYSTRING, DT_NOCLIP, DT_NOPREFIX, DT_RIGHT, DT_RTLREADING,
      DT_SINGLELINE, DT_TOP, DT_VCENTER, DT_WORDBREAK, DT_HIDEPREFIX, DT_NOFULLWIDTHCHARBREAK,
      DT_PREFIXONLY, DT_TABSTOP, DT_WORD_ELLIPSIS};
  uint32_t flags = 0;
  for (size_t i = 0; i < sizeof(kFlags) / sizeof(kFlags[0]); ++i)
    if (format.Contains(static_cast<TTextFormats>(i))) flags |= kFlags[i];
  return flags;
}

void TCanvas::TextRect(TRect& r, std::string& text, TTextFormat format) {
  DrawText(text, r, TextFormatFlags(format));
}

int TCanvas::DrawText(const std::string& text, TRect& r, uint32_t format) {
  return DrawTextEx(text, r, format, nullptr);
}

int TCanvas::DrawTextEx(const std::string& text, TRect& r, uint32_t format, TDrawTextParams* params) {
  const double scale = LogicalScaleY();
  const TFontSpec& fontSpec = text_->Spec(font_, scale);
  const TTextMetric& tm = text_->Metrics(font_, scale);
  int tabCells = params && params->iTabLength > 0 ? params->iTabLength : 8;
  // DT_TABSTOP puts the tab length in bits 8..15, where other flags would be.
  if (format & DT_TABSTOP) {
    tabCells = std::max(1, int((format >> 8) & 0xFF));
    format &= ~0xFF00u;
  }
  TTextMeasurer m;
  m.Width = [&](std::string_view s) { return ToLogical(MeasureLine(fontSpec, s), scale); };
  m.TabWidth = std::max(1, tabCells * ToLogical(tm.tmAveCharWidth, scale));
  const int leftMargin = params ? params->iLeftMargin : 0;
  const int rightMargin = params ? params->iRightMargin : 0;
  const bool yUp = state_.viewportExt.cy * state_.windowExt.cy < 0;
  const int dir = yUp ? -1 : 1;  // logical y step downwards on the page
  int lineHeight = ToLogical(tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0), scale);
  const int width = std::abs(r.Width()) - leftMargin - rightMargin;
  if (params) params->uiLengthDrawn = uint32_t(text.size());

  std::vector<TLaidLine> lines = LayoutText(m, text, width, format);
  const bool single = format & DT_SINGLELINE;
  const int rectHeight = std::abs(r.Bottom - r.Top);
  // An edit control never shows a partly visible last line.
  if ((format & DT_EDITCONTROL) && !(format & DT_CALCRECT) && !single) {
    size_t fit = size_t(std::max(1, rectHeight / std::max(1, lineHeight)));
    if (lines.size() > fit) lines.resize(fit);
  }
  int textWidth = 0;
  for (const TLaidLine& l : lines) textWidth = std::max(textWidth, l.Width);
  const int textHeight = int(lines.size()) * lineHeight;

  int top = r.Top;
  if (single && (format & DT_VCENTER)) top = r.Top + dir * (rectHeight - lineHeight) / 2;
  else if (single && (format & DT_BOTTOM)) top = r.Bottom - dir * lineHeight;
  const int result = std::abs(top - r.Top) + textHeight;

  if (format & DT_CALCRECT) {
    r.Right = r.Left + textWidth + leftMargin + rightMargin;
    r.Bottom = r.Top + dir * textHeight;
    return textHeight;
  }

  Changing();
  // The rectangle clips in cairo only, for this call: the DC's own clip and
  // state stay as they are, so nothing is saved, rebuilt or restored per draw.
  cairo_t* cr = CairoContext();
  if (cr) {
    cairo_save(cr);
    if (!(format & DT_NOCLIP)) {
      const TRect c = LogicalToSurface(r);
      cairo_new_path(cr);
      cairo_rectangle(cr, c.Left, c.Top, c.Width(), c.Height());
      cairo_clip(cr);
    }
  }
  const bool opaque = EffectiveBkOpaque();
  const uint32_t textRgb = ToPixel(EffectiveTextColor());
  const bool rtl = format & DT_RTLREADING;
  const bool showUnderline = !(format & (DT_HIDEPREFIX | DT_NOPREFIX));
  TFontSpec upright = fontSpec;
  upright.Rotation = 0;
  int y = top;
  for (const TLaidLine& line : lines) {
    int x = r.Left + leftMargin;
    if (format & DT_CENTER) x = r.Left + leftMargin + (width - line.Width) / 2;
    else if (format & DT_RIGHT) x = r.Right - rightMargin - line.Width;
    const TPoint at = LogicalToSurface(TPoint{x, y});
    const int deviceWidth = int(std::lround(line.Width * scale));
    if (opaque && cr) FillRects({{at.X, at.Y, at.X + deviceWidth, at.Y + tm.tmHeight}}, SolidInk(EffectiveBkColor()), pmCopy);
    if (cr && !(format & DT_PREFIXONLY)) {
      // Tabs move the pen to the next stop; each piece is drawn on its own.
      size_t start = 0;
      int segX = 0;
      for (;;) {
        const size_t tab = (format & DT_EXPANDTABS) ? line.Text.find('\t', start) : std::string::npos;
        const std::string piece = line.Text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        DrawLine(cr, upright, piece, at.X + segX * scale, at.Y, textRgb, rtl);
        if (tab == std::string::npos) break;
        segX += m.Width(piece);
        segX = (segX / m.TabWidth + 1) * m.TabWidth;
        start = tab + 1;
      }
    }
    if (cr && showUnderline && line.UnderlineAt != std::string::npos) {
      const std::string before = line.Text.substr(0, line.UnderlineAt);
      size_t len = 1;
      while (line.UnderlineAt + len < line.Text.size() && (line.Text[line.UnderlineAt + len] & 0xC0) == 0x80) ++len;
      const int ux = at.X + MeasureLine(upright, before);
      const int uw = MeasureLine(upright, line.Text.substr(line.UnderlineAt, len));
      const int uy = at.Y + tm.tmAscent + 1;
      FillRects({{ux, uy, ux + uw, uy + 1}}, SolidInk(FromPixel(textRgb)), pmCopy);
    }
    y += dir * lineHeight;
  }
  if (cr) cairo_restore(cr);
  Changed();
  return result;
}
