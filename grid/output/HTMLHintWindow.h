#pragma once
// The hint window of HTML-formatted hints (bold, colours, images, line
// breaks) and of wide-text hints ("|\" cell text). It measures its text with
// the HTML engine, keeps itself inside the monitor it appears on, stays on
// top without taking the focus and paints a raised edge.

#include <string>

#include "toolkit/forms/Forms.h"

class TImageList;
class TPictureContainer;

// What a grid hands its hint window as hint data.
struct THTMLHintResources {
  TImageList* Images = nullptr;
  TPictureContainer* Pictures = nullptr;
};

// The font name of wide-text hints: the grid that last prepared a cell hint
// sets it to its own font's name.
extern std::string HintFontName;

// Keeps a hint rectangle inside the monitor's area: too wide, it ends 2
// pixels inside the right edge (keeping its width); too low, it ends 2
// pixels above the bottom.
TRect KeepHintOnMonitor(TRect R, const TRect& Monitor, int TextWidth, int TextHeight, int ExtraX, int ExtraY);

class THTMLHintWindow : public THintWindow {
public:
  explicit THTMLHintWindow(TComponent* AOwner);
  std::string ClassName() const override { return "THTMLHintWindow"; }
  static THintWindowClass Class();

  void ActivateHint(TRect Rect, const std::string& AHint) override;
  // AData, when given, is the asking grid's THTMLHintResources.
  void ActivateHintData(TRect Rect, const std::string& AHint, void* AData) override;
  TRect CalcHintRect(int MaxWidth, const std::string& AHint) override;

  TImageList* Images() const { return FImages; }
  TPictureContainer* PictureContainer() const { return FPictures; }
  int TextWidth() const { return FTextWidth; }
  int TextHeight() const { return FTextHeight; }

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void CMTextChanged(TMessage& Message) override;

private:
  bool isWide(const std::string& AHint) const;
  // Width and height of the hint text in a rectangle MaxWidth wide.
  TSize measure(const std::string& AHint, int MaxWidth);

  TImageList* FImages = nullptr;
  TPictureContainer* FPictures = nullptr;
  int FTextWidth = 0;
  int FTextHeight = 0;
  std::string FWideCaption;  // the decoded text of a wide-text hint, UTF-8
};
