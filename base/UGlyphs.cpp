#include "base/UGlyphs.h"

#include <vector>

namespace {

constexpr TColor Key = clFuchsia;
constexpr TColor Blue = 0xC06020;
constexpr TColor Green = 0x30A030;
constexpr TColor Red = 0x2020D0;
constexpr TColor Yellow = 0x30C8F0;
constexpr TColor Dark = 0x404040;

// Drawing on a 24-unit grid scaled to the bitmap.
class TPainter {
public:
  TPainter(TCanvas* C, int Size) : C_(C), S_(Size) {}
  int U(int v) const { return v * S_ / 24; }
  void Fill(TColor c) { C_->Brush()->SetStyle(bsSolid); C_->Brush()->SetColor(c); }
  void Pen(TColor c, int w = 1) { C_->Pen()->SetColor(c); C_->Pen()->SetWidth(w * S_ / 24 > 0 ? w * S_ / 24 : 1); }
  void Rect(int l, int t, int r, int b) { C_->Rectangle(U(l), U(t), U(r), U(b)); }
  void Ellipse(int l, int t, int r, int b) { C_->Ellipse(U(l), U(t), U(r), U(b)); }
  void Poly(std::vector<TPoint> p) {
    for (TPoint& q : p) q = {U(q.X), U(q.Y)};
    C_->Polygon(p);
  }
  void Line(int x1, int y1, int x2, int y2) { C_->MoveTo(U(x1), U(y1)); C_->LineTo(U(x2), U(y2)); }

private:
  TCanvas* C_;
  int S_;
};

void Page(TPainter& p) {
  p.Pen(Dark);
  p.Fill(clWhite);
  p.Poly({{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}});
  p.Line(15, 2, 15, 7);
  p.Line(15, 7, 20, 7);
}

void Arrow(TPainter& p, bool Right, TColor c) {
  p.Pen(c);
  p.Fill(c);
  if (Right) p.Poly({{3, 9}, {13, 9}, {13, 4}, {21, 12}, {13, 20}, {13, 15}, {3, 15}});
  else p.Poly({{21, 9}, {11, 9}, {11, 4}, {3, 12}, {11, 20}, {11, 15}, {21, 15}});
}

// A table of three rows with the middle one marked: a minus leaving it or a plus entering it.
void Table_Row(TPainter& p, bool Insert) {
  p.Pen(Dark);
  p.Fill(clWhite);
  p.Rect(2, 3, 16, 21);
  p.Fill(Insert ? Green : Red);
  p.Rect(2, 9, 16, 15);
  p.Pen(Insert ? Green : Red, 3);
  p.Line(17, 12, 23, 12);
  if (Insert) p.Line(20, 9, 20, 15);
}

// A minus or a plus in a frame.
void Fold(TPainter& p, bool Expand) {
  p.Pen(Dark, 2);
  p.Fill(clWhite);
  p.Rect(1, 1, 23, 23);
  p.Pen(Dark, 3);
  p.Line(6, 12, 18, 12);
  if (Expand) p.Line(12, 6, 12, 18);
}

void Draw(TPainter& p, TAppGlyph g) {
  switch (g) {
    case agNone: break;
    case agNew:
      Page(p);
      p.Pen(Green, 3);
      p.Line(12, 11, 12, 19);
      p.Line(8, 15, 16, 15);
      break;
    case agOpen:
      p.Pen(Dark);
      p.Fill(Yellow);
      p.Poly({{2, 5}, {9, 5}, {11, 8}, {21, 8}, {21, 20}, {2, 20}});
      p.Fill(0x60E0FF);
      p.Poly({{2, 20}, {6, 11}, {23, 11}, {21, 20}});
      break;
    case agParams:
      p.Pen(Dark);
      p.Fill(Blue);
      p.Ellipse(4, 4, 20, 20);
      p.Fill(clWhite);
      p.Ellipse(9, 9, 15, 15);
      p.Pen(Blue, 3);
      p.Line(12, 1, 12, 5);
      p.Line(12, 19, 12, 23);
      p.Line(1, 12, 5, 12);
      p.Line(19, 12, 23, 12);
      break;
    case agReceive: Arrow(p, false, Green); break;
    case agTransmit: Arrow(p, true, Blue); break;
    case agGSD:
      Page(p);
      p.Pen(Blue);
      for (int y = 10; y <= 19; y += 3) p.Line(8, y, 17, y);
      break;
    case agUpdate:
      p.Pen(Dark);
      p.Fill(0x505050);
      p.Rect(5, 5, 19, 19);
      p.Pen(Dark);
      for (int k = 7; k <= 16; k += 3) {
        p.Line(k, 2, k, 5);
        p.Line(k, 19, k, 22);
      }
      p.Pen(Yellow, 2);
      p.Line(12, 8, 12, 15);
      p.Line(9, 12, 12, 15);
      p.Line(15, 12, 12, 15);
      break;
    case agInfo:
      p.Pen(Blue);
      p.Fill(Blue);
      p.Ellipse(2, 2, 22, 22);
      p.Pen(clWhite);
      p.Fill(clWhite);
      p.Rect(11, 10, 14, 18);
      p.Ellipse(11, 5, 14, 8);
      break;
    case agOptions:
      p.Pen(Dark);
      p.Fill(0x808080);
      p.Poly({{10, 2}, {14, 2}, {15, 6}, {18, 4}, {20, 6}, {18, 9}, {22, 10}, {22, 14}, {18, 15}, {20, 18},
              {18, 20}, {15, 18}, {14, 22}, {10, 22}, {9, 18}, {6, 20}, {4, 18}, {6, 15}, {2, 14}, {2, 10},
              {6, 9}, {4, 6}, {6, 4}, {9, 6}});
      p.Fill(clWhite);
      p.Ellipse(9, 9, 15, 15);
      break;
    case agClose:
      p.Pen(Red);
      p.Fill(Red);
      p.Ellipse(2, 2, 22, 22);
      p.Pen(clWhite, 3);
      p.Line(8, 8, 16, 16);
      p.Line(16, 8, 8, 16);
      break;
    case agOK:
    case agCheck:
      p.Pen(Green, 3);
      p.Line(4, 12, 10, 18);
      p.Line(10, 18, 20, 6);
      break;
    case agCancel:
      p.Pen(Red, 3);
      p.Line(6, 6, 18, 18);
      p.Line(18, 6, 6, 18);
      break;
    case agPrev: Arrow(p, false, Blue); break;
    case agNext: Arrow(p, true, Blue); break;
    case agDelRow:
    case agInsRow: Table_Row(p, g == agInsRow); break;
    case agCollapse:
    case agExpand: Fold(p, g == agExpand); break;
  }
}

}  // namespace

void Draw_App_Glyph(TBitmap& Bitmap, TAppGlyph Glyph, int Size) {
  if (Glyph == agNone) {
    Bitmap.SetSize(0, 0);
    return;
  }
  Bitmap.SetSize(Size, Size);
  TCanvas* c = Bitmap.Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Key);
  c->FillRect(TRect(0, 0, Size, Size));
  TPainter p(c, Size);
  Draw(p, Glyph);
  // The bottom-left pixel names the transparent colour: keep it free.
  c->SetPixels(0, Size - 1, Key);
}
