// Copying of the grid's look and behaviour settings objects.

#include "grid/core/ExtGridSettings.h"
#include "grid/foundation/esgdd.h"

#include "grid/core/ColumnSize.h"

void TBackGround::Assign(const TPersistent* Source) {
  const TBackGround* src = SameClass(this, Source);
  if (!src) return;
  F = src->F;
  FBitmap.Assign(&src->FBitmap);
}

void TBackGround::SetBitmap(const TBitmap* v) {
  FBitmap.Assign(v);
  if (OnChange) OnChange(this);
}

// Enable is copied as a plain value: the balloon window is neither made nor
// removed; the transparency stays the target's own.
void TBalloonSettings::Assign(const TPersistent* Source) {
  const TBalloonSettings* src = SameClass(this, Source);
  if (!src) return;
  const uint8_t transparency = F.Transparency;
  F = src->F;
  F.Transparency = transparency;
}

void TBalloonSettings::SetEnable(bool v) {
  if (F.Enable == v) return;
  F.Enable = v;
  if (OnEnableChange) OnEnableChange(this);
}

void TGridProgressAppearance::Assign(const TPersistent* Source) {
  const TGridProgressAppearance* src = SameClass(this, Source);
  if (!src) return;
  F = src->F;
  if (OnChange) OnChange(this);
}

// The line colours and widths and the Summary flag stay the receiver's own.
void TGrouping::Assign(const TPersistent* Source) {
  const TGrouping* src = SameClass(this, Source);
  if (!src) return;
  TValues keep = F;
  F = src->F;
  F.Summary = keep.Summary;
  F.HeaderLineColor = keep.HeaderLineColor;
  F.HeaderLineWidth = keep.HeaderLineWidth;
  F.SummaryLineColor = keep.SummaryLineColor;
  F.SummaryLineWidth = keep.SummaryLineWidth;
}

void TShowModified::Assign(const TPersistent* Source) {
  if (const TShowModified* src = SameClass(this, Source)) {
    FEnabled = src->FEnabled;
    FColor = src->FColor;
  }
}

void TDragDropSettings::Assign(const TPersistent* Source) {
  if (const TDragDropSettings* src = SameClass(this, Source)) F = src->F;
}

void TDragDropSettings::SetOleDropRTF(bool v) {
  F.OleDropRTF = v;
  ::SetOleDropRTF(v);
}

void TDragScrollDelays::Assign(const TPersistent* Source) {
  if (const TDragScrollDelays* src = SameClass(this, Source)) F = src->F;
}

void TDragScrollMargins::Assign(const TPersistent* Source) {
  if (const TDragScrollMargins* src = SameClass(this, Source)) F = src->F;
}

void TDragScrollOptions::Assign(const TPersistent* Source) {
  const TDragScrollOptions* src = SameClass(this, Source);
  if (!src) return;
  FMargins.Assign(&src->FMargins);
  FDelays.Assign(&src->FDelays);
  FActive = src->FActive;
}

void TColumnSize::Assign(const TPersistent* Source) {
  if (const TColumnSize* src = SameClass(this, Source)) F = src->F;
}
