// TCustomGrid messages passed on to the bookkeeping: size, font, hints.

#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

void TCustomGrid::WndProc(TMessage& Message) { TCustomControl::WndProc(Message); }

void TCustomGrid::WMSize(TWMSize& Message) {
  TCustomControl::WMSize(Message);
  UpdateScrollRange();
  if (FInplaceEdit && FInplaceEdit->Visible()) UpdateEdit();
}

void TCustomGrid::CMFontChanged(TMessage& Message) {
  TCustomControl::CMFontChanged(Message);
  Canvas()->Font()->Assign(Font());
  if (FInplaceEdit) FInplaceEdit->SetFont(Font());
  Invalidate();
}

void TCustomGrid::CMHintShow(TCMHintShow& Message) { TCustomControl::CMHintShow(Message); }
