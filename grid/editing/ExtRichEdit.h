#pragma once
// TExtRichEdit: the grid's rich-text control. One hidden instance converts
// and measures rich-text cells (it records the size its content asks for);
// another is the in-place editor of edRichEdit cells, growing its row while
// the user types when the grid sizes while typing.

#include <string>

#include "toolkit/forms/std/RichEdit.h"

class TExtStringGrid;

class TExtRichEdit : public TRichEdit {
public:
  explicit TExtRichEdit(TComponent* AOwner);
  std::string ClassName() const override { return "TExtRichEdit"; }
  void ReCreate() { RecreateWnd(); }
  int ReqWidth() const { return FReqWidth; }
  int ReqHeight() const { return FReqHeight; }
  // While locked (loading a cell) the in-place instance does not grow its row.
  void Lock() { FLocked = true; }
  void Unlock() { FLocked = false; }
  bool Locked() const { return FLocked; }
  // The selection's vertical offset: normal 0, subscript -40 and superscript +40 twips.
  void SelNormal() { SetSelOffset(0); }
  void SelSubscript() { SetSelOffset(-40); }
  void SelSuperscript() { SetSelOffset(40); }
  bool IsSelNormal() { return SelOffset() == 0; }
  bool IsSelSubscript() { return SelOffset() == -40; }
  bool IsSelSuperscript() { return SelOffset() == 40; }
  void SetSelOffset(int Twips);
  int SelOffset();

protected:
  void Change() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;

private:
  void sizeRequested(const TRect& R);
  // Enter and the vertical arrows leave the text when the grid shows no line breaks.
  bool singleLineCells() const;
  TExtStringGrid* FGrid;
  int FReqWidth = 0;
  int FReqHeight = 0;
  bool FLocked = false;
};
