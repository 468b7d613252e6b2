// The sort settings object: life cycle, copying and the glyph pictures.
// What it does to the grid (sorting, repainting) is in ExtGridSortSettings.cpp.

#include "grid/data/SortSettings.h"

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/rtl/Exceptions.h"

namespace {
void CopyPicture(std::unique_ptr<TBitmap>& Field, const TBitmap* Value) {
  if (Value) Field->Assign(Value);
  else Field = std::make_unique<TBitmap>();
}
}  // namespace

TSortSettings::TSortSettings(TExtStringGrid* AOwner)
    : FGrid(AOwner),
      FUpGlyph(std::make_unique<TBitmap>()),
      FDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()),
      FIndexDownGlyph(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TSortSettings*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FColumn = s->FColumn;
  FDirection = s->FDirection;
  FShow = s->FShow;
  FRow = s->FRow;
  FIndexShow = s->FIndexShow;
  FIndexColor = s->FIndexColor;
  FIndexSortKey = s->FIndexSortKey;
  FInitSortDirection = s->FInitSortDirection;
  FUndoSort = s->FUndoSort;
  FFull = s->FFull;
  FSingleColumn = s->FSingleColumn;
  FAutoFormat = s->FAutoFormat;
  FIgnoreBlanks = s->FIgnoreBlanks;
  FBlankPos = s->FBlankPos;
  FFixedCols = s->FFixedCols;
  FNormalCellsOnly = s->FNormalCellsOnly;
  FAutoSortForGrouping = s->FAutoSortForGrouping;
  FAutoColumnMerge = s->FAutoColumnMerge;
  CopyPicture(FUpGlyph, s->FUpGlyph.get());
  CopyPicture(FDownGlyph, s->FDownGlyph.get());
  CopyPicture(FIndexUpGlyph, s->FIndexUpGlyph.get());
  CopyPicture(FIndexDownGlyph, s->FIndexDownGlyph.get());
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderMirrorColor = s->FHeaderMirrorColor;
  FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
}

void TSortSettings::SetUpGlyph(const TBitmap* Value) { CopyPicture(FUpGlyph, Value); }
void TSortSettings::SetDownGlyph(const TBitmap* Value) { CopyPicture(FDownGlyph, Value); }
void TSortSettings::SetIndexUpGlyph(const TBitmap* Value) { CopyPicture(FIndexUpGlyph, Value); }
void TSortSettings::SetIndexDownGlyph(const TBitmap* Value) { CopyPicture(FIndexDownGlyph, Value); }
