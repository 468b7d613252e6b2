#pragma once
// TExtStringGridCheck: the base of the cell checkers a string grid can hold
// (its CellChecker) to correct cell texts or mark errors in them. The base
// checks nothing: descendants override MarkError, Correct and the start and
// stop notifications.

#include <string>

#include "toolkit/rtl/Classes.h"

class TExtStringGridCheck : public TComponent {
public:
  explicit TExtStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}
  std::string ClassName() const override { return "TExtStringGridCheck"; }

  // The text with its errors marked; the base returns it unchanged.
  virtual std::string MarkError(int ACol, int ARow, const std::string& s) { (void)ACol; (void)ARow; return s; }
  // The corrected text; the base returns it unchanged.
  virtual std::string Correct(int ACol, int ARow, const std::string& s) { (void)ACol; (void)ARow; return s; }
  // Around the check of a block of cells.
  virtual void StartCheck() {}
  virtual void StopCheck() {}

  // The grid's cursor visits each checked cell and comes back.
  bool GotoCell() const { return FGotoCell; }
  void SetGotoCell(bool v) { FGotoCell = v; }
  // Correct and MarkError on every validated edit.
  bool AutoCorrect() const { return FAutoCorrect; }
  void SetAutoCorrect(bool v) { FAutoCorrect = v; }
  bool AutoMarkError() const { return FAutoMarkError; }
  void SetAutoMarkError(bool v) { FAutoMarkError = v; }
  // What a cell check does.
  bool UseCorrect() const { return FUseCorrect; }
  void SetUseCorrect(bool v) { FUseCorrect = v; }
  bool UseMarkError() const { return FUseMarkError; }
  void SetUseMarkError(bool v) { FUseMarkError = v; }

private:
  bool FGotoCell = false;
  bool FAutoCorrect = false;
  bool FAutoMarkError = false;
  bool FUseCorrect = false;
  bool FUseMarkError = false;
};
