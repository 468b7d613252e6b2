#include "toolkit/graphics/GraphicsObjects.h"

#include <cmath>

#include "toolkit/rtl/Exceptions.h"

namespace {

template <typename T>
const T& SameClassOrThrow(const TPersistent* Source, const char* name) {
  const T* src = dynamic_cast<const T*>(Source);
  if (!src)
    throw EConvertError(std::string("Cannot assign ") + (Source ? Source->ClassName() : "nil") +
                        " to a " + name);
  return *src;
}

int MulDivRound(int a, int b, int c) {
  return int(std::lround(double(a) * b / c));
}

}  // namespace

// ---------------------------------------------------------------- font

void TFont::Assign(const TPersistent* Source) {
  // Assign copies quietly; whoever holds the font reads it when drawing.
  const TFont& s = SameClassOrThrow<TFont>(Source, "TFont");
  name_ = s.name_;
  height_ = s.height_;
  color_ = s.color_;
  style_ = s.style_;
  charset_ = s.charset_;
  orientation_ = s.orientation_;
  pitch_ = s.pitch_;
  quality_ = s.quality_;
  ppi_ = s.ppi_;
}

bool TFont::operator==(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
         charset_ == o.charset_ && orientation_ == o.orientation_ && pitch_ == o.pitch_ &&
         quality_ == o.quality_ && ppi_ == o.ppi_;
}

void TFont::SetName(const TFontName& v) { set(name_, v); }
void TFont::SetHeight(int v) { set(height_, v); }
int TFont::Size() const { return -MulDivRound(height_, 72, ppi_); }
void TFont::SetSize(int points) { SetHeight(-MulDivRound(points, ppi_, 72)); }
void TFont::SetColor(TColor v) { set(color_, v); }
void TFont::SetStyle(TFontStyles v) { set(style_, v); }
void TFont::SetCharset(TFontCharset v) { set(charset_, v); }
void TFont::SetOrientation(int v) { set(orientation_, v); }
void TFont::SetPitch(TFontPitch v) { set(pitch_, v); }
void TFont::SetQuality(TFontQuality v) { set(quality_, v); }

void TFont::SetPixelsPerInch(int v) {
  if (v <= 0 || v == ppi_) return;
  const int points = Size();
  ppi_ = v;
  height_ = -MulDivRound(points, ppi_, 72);
  Changed();
}

// ---------------------------------------------------------------- pen

void TPen::Assign(const TPersistent* Source) {
  const TPen& s = SameClassOrThrow<TPen>(Source, "TPen");
  color_ = s.color_;
  width_ = s.width_;
  style_ = s.style_;
  mode_ = s.mode_;
}

void TPen::SetColor(TColor v) { if (v != color_) { color_ = v; Changed(); } }
void TPen::SetWidth(int v) {
  if (v < 0) v = 0;
  if (v != width_) { width_ = v; Changed(); }
}
void TPen::SetStyle(TPenStyle v) { if (v != style_) { style_ = v; Changed(); } }
void TPen::SetMode(TPenMode v) { if (v != mode_) { mode_ = v; Changed(); } }

// ---------------------------------------------------------------- brush

void TBrush::Assign(const TPersistent* Source) {
  const TBrush& s = SameClassOrThrow<TBrush>(Source, "TBrush");
  color_ = s.color_;
  style_ = s.style_;
  bitmap_ = s.bitmap_;
}

void TBrush::SetColor(TColor v) {
  // Choosing a colour on a clear brush makes it solid again, as the framework does.
  if (v == color_ && style_ != bsClear) return;
  color_ = v;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}
void TBrush::SetStyle(TBrushStyle v) { if (v != style_) { style_ = v; Changed(); } }
void TBrush::SetBitmap(TBitmap* v) { if (v != bitmap_) { bitmap_ = v; Changed(); } }
