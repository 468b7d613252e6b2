#pragma once
// TImageList: a list of small pictures of one size, kept with their
// transparency (from a mask, a mask colour or the pictures' own alpha) and
// drawn in a normal or a greyed, faded "disabled" look.

#include <vector>

#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Types.h"

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
public:
  explicit TImageList(TComponent* AOwner = nullptr);
  // The list for pictures of width x height pixels.
  TImageList(TComponent* AOwner, int width, int height);
  std::string ClassName() const override { return "TImageList"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list: its pictures no longer fit.
  void SetWidth(int v);
  void SetHeight(int v);
  int Count() const { return int(images_.size()); }

  // Adds the pictures of image, cut into cells of the list's width from the
  // left (one cell when narrower). Mask pixels that are not black mark
  // transparent pixels. Returns the index of the first one added.
  int Add(TBitmap* image, TBitmap* mask = nullptr);
  // Pixels of maskColor become transparent; clDefault takes the colour of the
  // image's bottom-left pixel, clNone keeps every pixel.
  int AddMasked(TBitmap* image, TColor maskColor);
  // Replaces picture index with the first cell of image.
  void Replace(int index, TBitmap* image, TBitmap* mask = nullptr);
  void Delete(int index);
  void Clear();

  // Draws picture index with its top-left corner at (x, y). Disabled pictures
  // are drawn in the disabled look (see DisabledImage).
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // Copies picture index into image (pf32bit when it has transparent pixels);
  // false for an index out of range.
  bool GetBitmap(int index, TBitmap* image);

  // The picture as plain pixels (tests and owners drawing it themselves).
  const TPixelImage& Image(int index) const;

  TNotifyEvent OnChange;

private:
  void CheckIndex(int index) const;
  std::vector<TPixelImage> Cells(TBitmap* image, TBitmap* mask, TColor maskColor) const;
  void Changed();

  int width_ = 16;
  int height_ = 16;
  std::vector<TPixelImage> images_;
};

// The disabled look: each pixel (r, g, b) becomes the light grey
// ((r + g + b) / 3) / 2 + 96 in all three channels; alpha is kept.
TPixelImage DisabledImage(const TPixelImage& image);
