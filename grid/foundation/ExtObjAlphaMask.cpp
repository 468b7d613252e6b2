#include "grid/foundation/ExtObjAlphaMask.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Exceptions.h"

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(const TPersistent* Source) {
  auto* mask = dynamic_cast<const TGridAlphaMask*>(Source);
  if (!mask) {
    TBitmap::Assign(Source);
    SetPixelFormat(pf32bit);
    return;
  }
  Opacity = mask->Opacity;
  SetPixelFormat(pf32bit);
  auto* src = const_cast<TGridAlphaMask*>(mask);
  const int rows = std::min(Height(), src->Height());
  const int bytes = std::min(Width(), src->Width()) * 4;
  for (int y = 0; y < rows; ++y) std::memcpy(ScanLine(y), src->ScanLine(y), size_t(bytes));
}

void TGridAlphaMask::MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor) {
  if (!Mask || !Bitmap || Bitmap->PixelFormat() != pf24bit) return;
  SetPixelFormat(pf32bit);
  SetSize(Bitmap->Width(), Bitmap->Height());
  const bool maskUsable = Mask->PixelFormat() == pf24bit;
  for (int y = 0; y < Height(); ++y) {
    uint8_t* out = ScanLine(y);
    const uint8_t* colour = Bitmap->ScanLine(y);
    const uint8_t* m = (maskUsable && y < Mask->Height()) ? Mask->ScanLine(y) : nullptr;
    for (int x = 0; x < Width(); ++x) {
      const int a = (m && x < Mask->Width()) ? m[x * 3 + 2] : 0;
      for (int c = 0; c < 3; ++c) out[x * 4 + c] = uint8_t(std::lround(colour[x * 3 + c] * a / 255.0));
      out[x * 4 + 3] = uint8_t(a);
    }
  }
}

int ClampInt(int Lower, int Upper, int x) { return x > Upper ? Upper : x < Lower ? Lower : x; }

int ClampToByte(int Lower, int Upper, double x) { return x > Upper ? Upper : x < Lower ? Lower : int(x); }

void BuildGaussianKernel(TBlurKernel& K, double Radius, int MaxData, int Granularity) {
  double sum = 0;
  for (int j = -10; j <= 10; ++j) {
    const double t = j / Radius;
    K.W(j) = float(std::exp(-t * t / 2));
    sum += K.W(j);
  }
  for (int j = -10; j <= 10; ++j) K.W(j) = float(K.W(j) / sum);
  K.Size = 10;
  double dropped = 0;
  while (dropped < double(Granularity) / (2.0 * MaxData) && K.Size > 1) {
    dropped += 2 * K.W(K.Size);
    --K.Size;
  }
  sum = 0;
  for (int j = -K.Size; j <= K.Size; ++j) sum += K.W(j);
  for (int j = -K.Size; j <= K.Size; ++j) K.W(j) = float(K.W(j) / sum);
}

void BlurLine(uint8_t* Line, int High, const TBlurKernel& K, uint8_t* Work) {
  for (int j = 0; j <= High; ++j)
    for (int c = 0; c < 3; ++c) {
      double s = 0;
      for (int i = -K.Size; i <= K.Size; ++i) s += double(K.W(i)) * Line[ClampInt(0, High, j - i) * 3 + c];
      // A sum a hair below a whole value (floating weights) still rounds to it.
      Work[j * 3 + c] = uint8_t(ClampToByte(0, 255, s + 1e-3));
    }
  std::memcpy(Line, Work, size_t(High + 1) * 3);
}

void BlurBitmap24(TBitmap* Bitmap, double Radius) {
  if (!Bitmap || Bitmap->PixelFormat() != pf24bit)
    throw EInvalidGraphicOperation("Blur only works for 24-bit bitmaps");
  if (!(Radius > 0)) return;
  const int w = Bitmap->Width(), h = Bitmap->Height();
  if (w == 0 || h == 0) return;
  TBlurKernel k;
  BuildGaussianKernel(k, Radius, 255, 1);
  std::vector<uint8_t> work(size_t(std::max(w, h)) * 3);
  // The middle of a rounded-rectangle mask repeats row and column 15: only
  // the outer 20 rows and columns need blurring.
  for (int y = 0; y < h; ++y) {
    if (20 < y && y < h - 20)
      std::memcpy(Bitmap->ScanLine(y), Bitmap->ScanLine(15), size_t(w) * 3);
    else
      BlurLine(Bitmap->ScanLine(y), w - 1, k, work.data());
  }
  std::vector<uint8_t> column(size_t(h) * 3);
  for (int x = 0; x < w; ++x) {
    if (20 < x && x < w - 20) {
      for (int y = 0; y < h; ++y) std::memcpy(Bitmap->ScanLine(y) + x * 3, Bitmap->ScanLine(y) + 15 * 3, 3);
      continue;
    }
    for (int y = 0; y < h; ++y) std::memcpy(&column[size_t(y) * 3], Bitmap->ScanLine(y) + x * 3, 3);
    BlurLine(column.data(), h - 1, k, work.data());
    for (int y = 0; y < h; ++y) std::memcpy(Bitmap->ScanLine(y) + x * 3, &column[size_t(y) * 3], 3);
  }
}

void DrawRoundRectMask(TBitmap* Bitmap, int Width, int Height, int PenWidth, int Corner, double Radius) {
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(Width, Height);
  TCanvas* c = Bitmap->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBlack);
  c->FillRect(TRect(0, 0, Width, Height));
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetStyle(psSolid);
  if (PenWidth > 0) {
    c->Pen()->SetWidth(PenWidth);
    c->Brush()->SetStyle(bsClear);
  } else {
    c->Pen()->SetWidth(1);
    c->Brush()->SetColor(clWhite);
  }
  const int h = PenWidth / 2;
  c->RoundRect(2 + h, 2 + h, Width - 2 - h, Height - 2 - h, Corner, Corner);
  c->Pen()->SetWidth(1);
  c->Brush()->SetStyle(bsSolid);
  if (Radius > 0) BlurBitmap24(Bitmap, Radius);
}
