#pragma once
// The search footer of the string grid: a panel docked at the grid's
// bottom with an edit box, find-next, find-previous, highlight and close
// buttons and a match-case box. The panel only lays out and relays; the
// grid does the searching (its SearchFooter* handlers).

#include <string>

#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/Edit.h"

class TExtGridButton;
class TExtCheckBox;
class TExtStringGrid;

// An edit box that reports Enter (OnReturn) and Ctrl+Enter (OnCtrlReturn)
// instead of inserting a line.
class TRetEdit : public TEdit {
public:
  explicit TRetEdit(TComponent* AOwner) : TEdit(AOwner) {}
  std::string ClassName() const override { return "TRetEdit"; }
  TNotifyEvent OnReturn;
  TNotifyEvent OnCtrlReturn;

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
};

class TSearchPanel : public TCustomPanel {
public:
  explicit TSearchPanel(TExtStringGrid* AGrid);
  std::string ClassName() const override { return "TSearchPanel"; }

  TRetEdit* EditControl = nullptr;
  TExtGridButton* ForwardButton = nullptr;
  TExtGridButton* BackwardButton = nullptr;
  TExtGridButton* HiliteButton = nullptr;
  TExtGridButton* ExitButton = nullptr;
  TExtCheckBox* MatchCase = nullptr;

  std::string FindNextCaption = "Find next";
  std::string FindPrevCaption = "Find previous";
  std::string MatchCaseCaption = "Match case";
  std::string HighLightCaption = "Highlight";
  std::string HintFindNext, HintFindPrev, HintClose, HintHighlight;
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);

  // Places the children (mirrored in right-to-left mode) and takes the captions and hints.
  void LayoutChildren();
  // The search text: true when it is not empty (the buttons follow it).
  bool HasText() const;

  TNotifyEvent OnForwardClick;
  TNotifyEvent OnBackwardClick;
  TNotifyEvent OnEditChange;
  TNotifyEvent OnExitClick;
  TNotifyEvent OnHighlightClick;

protected:
  void Paint() override;
  void CreateWnd() override;

private:
  TExtGridButton* makeButton(const std::string& Glyph, const std::string& Disabled);
  void editChanged();
  TExtStringGrid* FGrid;
  TColor FColorTo = clNone;
};
