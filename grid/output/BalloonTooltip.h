#pragma once
// The balloon tooltip of a control: the control is its one tool. While the
// mouse rests on the tool for the initial delay the tooltip asks its owner
// for the text (OnNeedText may change the title, icon and colours too),
// shows a balloon with the title and its icon under the mouse and hides it
// after the auto-pop delay, on Pop, or when the mouse leaves the tool. The
// tooltip watches the tool's messages by chaining its window procedure,
// and gives the procedure back when it goes.

#include <functional>
#include <string>

#include "toolkit/forms/Forms.h"

class TTimer;

// Which delay SetDelayTime sets.
enum TTooltipDelay { ttdAutoPop = 2, ttdInitial = 3, ttdReshow = 1 };

class TBalloonTooltip : public THintWindow {
public:
  // The system's delays, kept unless set.
  static constexpr int DefaultInitialDelay = 500;
  static constexpr int DefaultReshowDelay = 100;
  static constexpr int DefaultAutoPopDelay = 5000;
  static constexpr size_t MaxTitleLength = 255;

  explicit TBalloonTooltip(TWinControl* ATool);
  ~TBalloonTooltip() override;
  std::string ClassName() const override { return "TBalloonTooltip"; }

  TWinControl* Tool() const { return FTool; }
  void SetDelayTime(TTooltipDelay Which, int Milliseconds);
  int DelayTime(TTooltipDelay Which) const;
  int MaxTipWidth() const { return FMaxTipWidth; }
  void SetMaxTipWidth(int Value) { FMaxTipWidth = Value; }
  TColor TipTextColor() const { return FTextColor; }
  void SetTipTextColor(TColor Value) { FTextColor = Value; }
  TColor TipBkColor() const { return Color(); }
  void SetTipBkColor(TColor Value) { SetColor(Value); }
  // At most 255 characters; an icon outside 0..3 becomes 0 (none).
  void SetTitle(const std::string& Title, int Icon);
  const std::string& Title() const { return FTitle; }
  int TitleIcon() const { return FIcon; }
  // The text shown now (empty while hidden).
  const std::string& Text() const { return FText; }
  // 255 is opaque; below it the balloon's window is composed see-through.
  void SetAlpha(uint8_t Value);
  uint8_t Alpha() const { return FAlpha; }

  // Hides a shown balloon.
  void Pop();
  // The text request: the text to show ("" shows nothing).
  std::function<void(std::string& Text)> OnNeedText;

protected:
  void Paint() override;

private:
  void toolMessage(TMessage& Message);
  void showNow();
  void applyAlpha();
  TRect textRect(bool Title, int MaxWidth);

  TWinControl* FTool;
  TControl::TWndMethod FToolProc;
  TTimer* FShowTimer = nullptr;
  TTimer* FHideTimer = nullptr;
  int FInitialDelay = DefaultInitialDelay, FReshowDelay = DefaultReshowDelay, FAutoPopDelay = DefaultAutoPopDelay;
  int FMaxTipWidth = -1;
  TColor FTextColor = clInfoText;
  std::string FTitle, FText;
  int FIcon = 0;
  uint8_t FAlpha = 255;
  bool FShownBefore = false;
};
