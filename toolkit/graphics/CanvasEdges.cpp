// Three-dimensional edges and the classic frame controls (buttons, check
// boxes, radio buttons, scroll arrows) in the system colours.

#include <cairo.h>

#include <cmath>

#include "toolkit/graphics/CanvasInternal.h"

using namespace canvas_detail;

namespace {

struct TEdgeColors {
  TColor TopLeft, BottomRight;
};

// Colours of one 1-pixel ring of an edge; false when the ring is absent.
bool RingColors(uint32_t edge, uint32_t flags, bool outer, TEdgeColors& c) {
  const uint32_t raised = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
  const uint32_t sunken = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
  if (!(edge & (raised | sunken))) return false;
  if (flags & BF_MONO) {
    c = outer ? TEdgeColors{clWindowFrame, clWindowFrame} : TEdgeColors{clWindow, clWindow};
    return true;
  }
  if (flags & BF_FLAT) {
    c = outer ? TEdgeColors{clBtnShadow, clBtnShadow} : TEdgeColors{clBtnFace, clBtnFace};
    return true;
  }
  const bool soft = flags & BF_SOFT;
  if (edge & raised) {
    c = outer ? TEdgeColors{soft ? clBtnHighlight : cl3DLight, cl3DDkShadow}
              : TEdgeColors{soft ? cl3DLight : clBtnHighlight, clBtnShadow};
  } else {
    c = outer ? TEdgeColors{soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight}
              : TEdgeColors{soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
  }
  return true;
}

}  // namespace

bool TCanvas::DrawEdge(TRect& r, uint32_t edge, uint32_t flags) {
  if (FillsNothing(r)) return true;
  TRect d = LogicalToSurface(r);
  Changing();
  if (flags & BF_DIAGONAL) {
    // One line per ring from corner to corner, ending at the corner the side
    // flags name; lines ending at the top take the top-left colour.
    if (d.Width() < 1 || d.Height() < 1) { Changed(); return true; }
    const bool top = flags & BF_TOP, left = flags & BF_LEFT;
    const TPoint end{left ? d.Left : d.Right - 1, top ? d.Top : d.Bottom - 1};
    const TPoint start{left ? d.Right - 1 : d.Left, top ? d.Bottom - 1 : d.Top};
    int shift = 0;
    for (bool outer : {true, false}) {
      TEdgeColors c;
      if (!RingColors(edge, flags, outer, c)) continue;
      TRunCollector run;
      const int dy = top ? shift : -shift;
      LinePixels(TPoint{start.X, start.Y + dy}, TPoint{end.X, end.Y + dy}, true, [&](int x, int y) {
        if (y >= d.Top && y < d.Bottom) run.Add(x, y);
      });
      FillRects(run.Rects(), SolidInk(top ? c.TopLeft : c.BottomRight), pmCopy);
      ++shift;
    }
    Changed();
    return true;
  }
  for (bool outer : {true, false}) {
    TEdgeColors c;
    if (!RingColors(edge, flags, outer, c) || d.IsEmpty()) continue;
    // Top and left first; bottom and right own the two far corners.
    std::vector<TRect> lt, rb;
    if (flags & BF_TOP) lt.push_back({d.Left, d.Top, (flags & BF_RIGHT) ? d.Right - 1 : d.Right, d.Top + 1});
    if (flags & BF_LEFT) lt.push_back({d.Left, d.Top, d.Left + 1, (flags & BF_BOTTOM) ? d.Bottom - 1 : d.Bottom});
    if (flags & BF_BOTTOM) rb.push_back({d.Left, d.Bottom - 1, d.Right, d.Bottom});
    if (flags & BF_RIGHT) rb.push_back({d.Right - 1, d.Top, d.Right, d.Bottom});
    FillRects(lt, SolidInk(c.TopLeft), pmCopy);
    FillRects(rb, SolidInk(c.BottomRight), pmCopy);
    if (flags & BF_LEFT) ++d.Left;
    if (flags & BF_TOP) ++d.Top;
    if (flags & BF_RIGHT) --d.Right;
    if (flags & BF_BOTTOM) --d.Bottom;
  }
  if ((flags & BF_MIDDLE) && !d.IsEmpty()) FillRects({d}, SolidInk((flags & BF_MONO) ? clWindow : clBtnFace), pmCopy);
  if (flags & BF_ADJUST) r = SurfaceToLogical(d);
  Changed();
  return true;
}

bool TCanvas::DrawFrameControl(TRect& r, uint32_t type, uint32_t state) {
  const bool flat = state & DFCS_FLAT;
  const bool mono = state & DFCS_MONO;
  const bool pushed = state & DFCS_PUSHED;
  const bool checked = state & DFCS_CHECKED;
  const bool inactive = state & DFCS_INACTIVE;
  const uint32_t flatFlags = (flat ? BF_FLAT : 0) | (mono ? BF_MONO : 0);
  const TRect d = LogicalToSurface(r);
  if (d.IsEmpty()) return false;
  Changing();
  auto adjust = [&](int by) {
    if (state & DFCS_ADJUSTRECT) InflateRect(r, -by, -by);
  };

  if (type == DFC_BUTTON && (state & DFCS_BUTTONPUSH)) {
    TRect box = r;
    const bool down = pushed || checked;
    DrawEdge(box, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | flatFlags | (down ? 0 : BF_SOFT));
    adjust(2);
  } else if (type == DFC_BUTTON) {
    const bool radio = state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK);
    const int s = std::min(d.Width(), d.Height());
    const TRect b{d.Left + (d.Width() - s) / 2, d.Top + (d.Height() - s) / 2, 0, 0};
    const TRect box{b.Left, b.Top, b.Left + s, b.Top + s};
    const TColor face = (inactive || pushed) ? clBtnFace : clWindow;
    const TColor mark = inactive ? clGrayText : clWindowText;
    if (radio) {
      const TRect ring1 = box, ring2{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
      auto disc = [&](const TRect& e, TColor c) {
        if (e.IsEmpty()) return;
        FillPath([&](cairo_t* cr) {
          cairo_save(cr);
          cairo_translate(cr, (e.Left + e.Right) / 2.0, (e.Top + e.Bottom) / 2.0);
          cairo_scale(cr, e.Width() / 2.0, e.Height() / 2.0);
          cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
          cairo_restore(cr);
        }, false, SolidInk(c), pmCopy);
      };
      disc(ring1, clBtnShadow);
      if (!flat) disc(ring2, cl3DDkShadow);
      const TRect inner{box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2};
      if (!inner.IsEmpty()) disc(inner, face);
      if (checked && s >= 6) {
        const int m = std::max(2, s / 3);
        const int off = (s - m) / 2;
        disc({box.Left + off, box.Top + off, box.Left + off + m, box.Top + off + m}, mark);
      }
    } else {
      TRect edgeRect = SurfaceToLogical(box);
      DrawEdge(edgeRect, flat ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT | flatFlags);
      const int border = flat ? 1 : 2;
      const TRect inner{box.Left + border, box.Top + border, box.Right - border, box.Bottom - border};
      if (!(state & DFCS_TRANSPARENT)) FillRects({inner}, SolidInk(face), pmCopy);
      if (checked && inner.Width() >= 5) {
        // A tick three pixels thick: down to the lower third, then up to the right.
        const int n = inner.Width();
        const int x0 = inner.Left + n / 5, xm = inner.Left + (2 * n) / 5, x1 = inner.Right - n / 5;
        const int ym = inner.Top + (n * 3) / 5, y0 = ym - (xm - x0);
        std::vector<TRect> px;
        for (int x = x0; x < x1; ++x) {
          const int y = x <= xm ? y0 + (x - x0) : ym - (x - xm);
          px.push_back({x, y, x + 1, y + 3});
        }
        FillRects(px, SolidInk((state & DFCS_BUTTON3STATE) ? clBtnShadow : mark), pmCopy);
      }
    }
  } else if (type == DFC_SCROLL) {
    TRect box = r;
    const uint32_t kind = state & 0xFF;
    if (kind == DFCS_SCROLLSIZEGRIP) FillRects({d}, SolidInk(clBtnFace), pmCopy);
    else if (pushed) DrawEdge(box, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE | BF_FLAT);
    else DrawEdge(box, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT | flatFlags);
    if (kind == DFCS_SCROLLSIZEGRIP) {
      // Three pairs of highlight and shadow diagonals in the bottom-right corner.
      const int s = std::min(d.Width(), d.Height());
      for (int i = 0; i < 3; ++i) {
        const int off = 3 + i * 4;
        for (int k = 0; k < 3 && off - k > 0; ++k) {
          TRunCollector run;
          const int len = std::min(s, off - k);
          LinePixels(TPoint{d.Right - len, d.Bottom - 1}, TPoint{d.Right - 1, d.Bottom - len}, true,
                     [&](int x, int y) { run.Add(x, y); });
          FillRects(run.Rects(), SolidInk(k == 0 ? clBtnHighlight : clBtnShadow), pmCopy);
        }
      }
    } else {
      // A filled triangle pointing the arrow's way, centred, nudged when pushed.
      const int s = std::min(d.Width(), d.Height());
      const int k = std::max(2, (s - 4) / 4 + 1);
      const int shift = pushed ? 1 : 0;
      const int cx = d.Left + d.Width() / 2 + shift - ((kind == DFCS_SCROLLLEFT || kind == DFCS_SCROLLRIGHT) ? k / 2 : 0);
      const int cy = d.Top + d.Height() / 2 + shift - ((kind == DFCS_SCROLLLEFT || kind == DFCS_SCROLLRIGHT) ? 0 : k / 2);
      auto arrow = [&](int ox, int oy, TColor c) {
        std::vector<TRect> rows;
        for (int i = 0; i < k; ++i) {
          const int half = (kind == DFCS_SCROLLUP || kind == DFCS_SCROLLLEFT) ? i : k - 1 - i;
          if (kind == DFCS_SCROLLLEFT || kind == DFCS_SCROLLRIGHT)
            rows.push_back({cx + ox + i, cy + oy - half, cx + ox + i + 1, cy + oy + half + 1});
          else
            rows.push_back({cx + ox - half, cy + oy + i, cx + ox + half + 1, cy + oy + i + 1});
        }
        FillRects(rows, SolidInk(c), pmCopy);
      };
      if (inactive) {
        arrow(1, 1, clBtnHighlight);
        arrow(0, 0, clGrayText);
      } else {
        arrow(0, 0, clBtnText);
      }
    }
    adjust(2);
  } else {
    Changed();
    return false;
  }
  Changed();
  return true;
}
