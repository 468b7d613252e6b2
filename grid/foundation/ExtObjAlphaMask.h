#pragma once
// The focus glow of the string grid: a rounded-rectangle mask, softened with
// a Gaussian blur, merged with a colour into a premultiplied 32-bit bitmap.

#include <cstdint>

#include "toolkit/graphics/Bitmap.h"

class TGridAlphaMask : public TBitmap {
public:
  TGridAlphaMask();
  std::string ClassName() const override { return "TGridAlphaMask"; }

  uint8_t Opacity = 255;

  // From another mask: Opacity and the pixels of the rows and columns both
  // have (never reading past the source); from any other graphic: the bitmap copy.
  void Assign(const TPersistent* Source) override;
  // Only for a 24-bit Bitmap: takes its size; alpha from the red byte of the
  // Mask's pixel (0 where the Mask is smaller), colour premultiplied by it.
  void MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor Color);
};

struct TBlurKernel {
  int Size = 10;  // half-width, 1..10
  float Weights[21] = {};  // Weights[10 + j] for j = -10..10
  float& W(int j) { return Weights[10 + j]; }
  float W(int j) const { return Weights[10 + j]; }
};

int ClampInt(int Lower, int Upper, int x);
int ClampToByte(int Lower, int Upper, double x);
void BuildGaussianKernel(TBlurKernel& K, double Radius, int MaxData, int Granularity);
// Line: High + 1 pixels of 3 bytes; Work the same size.
void BlurLine(uint8_t* Line, int High, const TBlurKernel& K, uint8_t* Work);
// Raises EInvalidGraphicOperation("Blur only works for 24-bit bitmaps"); a
// radius of 0 or less leaves the bitmap as it is.
void BlurBitmap24(TBitmap* Bitmap, double Radius);
void DrawRoundRectMask(TBitmap* Bitmap, int Width, int Height, int PenWidth, int Corner, double Radius);
