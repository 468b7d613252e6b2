// Copying of the print and HTML export settings.

#include "grid/core/ExtGridPrintSettings.h"

void TPrintSettings::Assign(const TPersistent* Source) {
  const TPrintSettings* src = SameClass(this, Source);
  if (!src) return;
  F = src->F;
  FTitleLines.Assign(&src->FTitleLines);
  FFont.Assign(&src->FFont);
  FFixedFont.Assign(&src->FFixedFont);
  FHeaderFont.Assign(&src->FHeaderFont);
  FFooterFont.Assign(&src->FFooterFont);
}

// Anything but another THTMLSettings is ignored.
void THTMLSettings::Assign(const TPersistent* Source) {
  if (auto* src = dynamic_cast<const THTMLSettings*>(Source)) F = src->F;
}
