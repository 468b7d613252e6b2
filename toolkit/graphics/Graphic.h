#pragma once
// TGraphic: what a picture can hold (bitmap, icon, JPEG, PNG...). Each kind
// knows its size, how to draw itself on a canvas and its stream format.

#include <string>

#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Types.h"

class TCanvas;
class TStream;

// Picture files (flags, glyphs, cell images) stay far below this; a larger one
// is refused before it is read.
inline constexpr uint64_t MaxPictureFileBytes = 64u << 20;

class TGraphic : public TPersistent {
public:
  std::string ClassName() const override { return "TGraphic"; }

  // Draws the whole graphic scaled into r (logical coordinates of canvas).
  virtual void Draw(TCanvas* canvas, const TRect& r) = 0;
  // Draws with an opacity 0..255; the default ignores opacity.
  virtual void DrawTransparent(TCanvas* canvas, const TRect& r, uint8_t opacity);

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int v) = 0;
  virtual void SetHeight(int v) = 0;
  virtual bool Empty() const { return Width() == 0 || Height() == 0; }
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool v);
  bool Modified() const { return modified_; }
  void SetModified(bool v);

  // Stream formats are the graphic's file format. Bad data raises
  // EInvalidGraphic and leaves the graphic as it was.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  // Loading reads regular files of at most MaxPictureFileBytes (FileUtils.h
  // ReadFileBytes); saving replaces the file only with a complete new one.
  virtual void LoadFromFile(const std::string& fileName);
  virtual void SaveToFile(const std::string& fileName);

  TNotifyEvent OnChange;

protected:
  virtual void Changed();
  // Sets the flag without telling anyone, for Assign.
  void SetTransparentQuietly(bool v) { transparent_ = v; }

private:
  bool transparent_ = false;
  bool modified_ = false;
};
