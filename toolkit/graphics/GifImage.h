#pragma once
// TGIFImage: a GIF picture with all its frames. It shows the current frame,
// composited with the frames before it as their disposal says.

#include "toolkit/graphics/RasterGraphic.h"
#include "toolkit/graphics/codecs/GifCodec.h"

class TGIFImage : public TRasterGraphic {
public:
  std::string ClassName() const override { return "TGIFImage"; }

  int FrameCount() const { return int(gif_.Frames.size()); }
  // Delay after frame index in milliseconds; raises EInvalidGraphicOperation
  // for an index out of range.
  int FrameDelay(int index) const;
  int LoopCount() const { return gif_.LoopCount; }
  int CurrentFrame() const { return current_; }
  // Shows frame index (0 based); out of range raises EInvalidGraphicOperation.
  void SetCurrentFrame(int index);
  // The composited picture of frame index.
  void GetFrame(int index, TBitmap& into) const;
  // Appends a frame of the picture's size (the first frame sets the size).
  void AddFrame(TBitmap& frame, int delayMs);

protected:
  TPixelImage Decode(const std::vector<uint8_t>& bytes) override;
  // Writes every frame as shown (composited), each with its delay.
  std::vector<uint8_t> Encode(const TPixelImage& image) override;
  void AssignDetails(const TRasterGraphic& source) override;
  bool Resizable() const override { return false; }

private:
  void CheckIndex(int index) const;
  TGifAnimation gif_;
  int current_ = 0;
};
