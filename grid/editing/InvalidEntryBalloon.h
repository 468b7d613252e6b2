#pragma once
// The notice of a refused entry: a balloon below the editor that holds the
// refused value, with the grid's InvalidEntryTitle in bold, its
// InvalidEntryText under it and the icon InvalidEntryIcon chooses. It goes
// when the edit ends, when the user types on, or after a while.

#include <string>

#include "grid/core/ExtGridTypes.h"
#include "toolkit/forms/Forms.h"

class TMessageIcon;
class TTimer;

class TInvalidEntryBalloon : public THintWindow {
public:
  explicit TInvalidEntryBalloon(TComponent* AOwner);
  std::string ClassName() const override { return "TInvalidEntryBalloon"; }
  // Shows the balloon with its top-left corner at a screen point.
  void ShowAt(TPoint ScreenPos, const std::string& Title, const std::string& Text, TInvalidEntryIcon Icon);
  void Close();
  const std::string& Title() const { return FTitle; }
  const std::string& Text() const { return FText; }
  TInvalidEntryIcon IconKind() const { return FIcon; }
  // How long the balloon stays when nothing else closes it.
  static constexpr int ShowTime = 5000;

protected:
  void Paint() override;

private:
  TRect textRect(bool Bold, const std::string& S, int MaxWidth);
  int textLeft() const;

  std::string FTitle;
  std::string FText;
  TInvalidEntryIcon FIcon = ieNone;
  TMessageIcon* FIconControl = nullptr;
  TTimer* FTimer = nullptr;
};
