#include "toolkit/graphics/GdiApi.h"

namespace {

std::string Prefix(const std::string& text, int count) {
  return count < 0 || size_t(count) >= text.size() ? text : text.substr(0, size_t(count));
}

// Paints with a colour through the canvas's brush, leaving the brush as it was.
template <typename F>
void WithBrushColor(HDC dc, TColor color, F&& paint) {
  TBrush saved;
  saved.Assign(dc->Brush());
  dc->Brush()->SetStyle(bsSolid);
  dc->Brush()->SetBitmap(nullptr);
  dc->Brush()->SetColor(color);
  paint();
  dc->Brush()->Assign(&saved);
}

}  // namespace

int DrawText(HDC dc, const std::string& text, int count, TRect& r, uint32_t format) {
  return dc ? dc->DrawText(Prefix(text, count), r, format) : 0;
}

int DrawTextEx(HDC dc, const std::string& text, int count, TRect& r, uint32_t format, TDrawTextParams* params) {
  return dc ? dc->DrawTextEx(Prefix(text, count), r, format, params) : 0;
}

bool TextOut(HDC dc, int x, int y, const std::string& text, int count) {
  if (!dc) return false;
  // TextOut keeps the pen where it is unless the alignment asks to update it.
  const TPoint pen = dc->PenPos();
  dc->TextOut(x, y, Prefix(text, count));
  if (!(dc->GetTextAlign() & TA_UPDATECP)) dc->MoveTo(pen.X, pen.Y);
  return true;
}

bool ExtTextOut(HDC dc, int x, int y, int options, const TRect* r, const std::string& text, int count) {
  if (!dc) return false;
  const int saved = dc->SaveDC();
  if (r && (options & ETO_OPAQUE)) {
    const TColor bk = dc->GetBkColor();
    WithBrushColor(dc, bk, [&] { dc->FillRect(*r); });
  }
  if (r && (options & ETO_CLIPPED)) dc->IntersectClipRect(r->Left, r->Top, r->Right, r->Bottom);
  const int flags = dc->TextFlags();
  dc->SetTextFlags(flags & ~ETO_OPAQUE);
  TextOut(dc, x, y, text, count);
  dc->SetTextFlags(flags);
  dc->RestoreDC(saved);
  return true;
}

bool GetTextExtentPoint32(HDC dc, const std::string& text, int count, TSize& size) {
  if (!dc) return false;
  size = dc->TextExtent(Prefix(text, count));
  return true;
}

namespace {

// Pen mode of each R2_ code, from R2_BLACK (1) to R2_WHITE (16).
constexpr TPenMode kRop2Modes[] = {pmBlack, pmNotMerge, pmMaskNotPen, pmNotCopy, pmMaskPenNot, pmNot,
                                   pmXor, pmNotMask, pmMask, pmNotXor, pmNop, pmMergeNotPen,
                                   pmCopy, pmMergePenNot, pmMerge, pmWhite};

}  // namespace

int SetROP2(HDC dc, int rop2) {
  if (!dc || rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
  const int old = GetROP2(dc);
  dc->Pen()->SetMode(kRop2Modes[rop2 - 1]);
  return old;
}

int GetROP2(HDC dc) {
  if (!dc) return 0;
  for (int i = 0; i < 16; ++i)
    if (kRop2Modes[i] == dc->Pen()->Mode()) return i + 1;
  return R2_COPYPEN;
}

int FillRect(HDC dc, const TRect& r, HBRUSH brush) {
  if (!dc) return 0;
  WithBrushColor(dc, brush.Color, [&] { dc->FillRect(r); });
  return 1;
}

int FrameRect(HDC dc, const TRect& r, HBRUSH brush) {
  if (!dc) return 0;
  WithBrushColor(dc, brush.Color, [&] { dc->FrameRect(r); });
  return 1;
}

bool FillRgn(HDC dc, const TRegion& rgn, HBRUSH brush) {
  if (!dc) return false;
  // The region is in device coordinates; so is the clip it becomes.
  const int saved = dc->SaveDC();
  dc->ExtSelectClipRgn(&rgn, RGN_AND);
  TRect box;
  dc->GetClipBox(box);
  WithBrushColor(dc, brush.Color, [&] { dc->FillRect(box); });
  dc->RestoreDC(saved);
  return true;
}
