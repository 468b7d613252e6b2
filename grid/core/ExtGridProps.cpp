// Write accessors of the grid's appearance properties: most store and
// repaint; the table of defaults lives with the constructor.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"

namespace {
template <typename T>
bool changed(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
}  // namespace

void TExtStringGrid::SetBorderColor(TColor Value) {
  FBorderColor = Value;
  if (Parent() && HandleAllocated()) Invalidate();
}

void TExtStringGrid::SetActiveCellShow(bool Value) {
  FActiveCellShow = Value;
  Invalidate();
}

void TExtStringGrid::SetActiveCellColor(TColor Value) {
  FActiveCellColor = Value;
  Invalidate();
}

void TExtStringGrid::SetActiveCellColorTo(TColor Value) {
  FActiveCellColorTo = Value;
  Invalidate();
}

void TExtStringGrid::SetActiveCellFont(const TFont* Value) {
  FActiveCellFont.Assign(Value);
  Invalidate();
}

void TExtStringGrid::SetFixedFont(const TFont* Value) {
  FFixedFont.Assign(Value);
  Invalidate();
}

void TExtStringGrid::SetSelectionColor(TColor Value) {
  if (changed(FSelectionColor, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionColorTo(TColor Value) {
  if (changed(FSelectionColorTo, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionMirrorColor(TColor Value) {
  if (changed(FSelectionMirrorColor, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionMirrorColorTo(TColor Value) {
  if (changed(FSelectionMirrorColorTo, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionColorMixer(bool Value) {
  if (changed(FSelectionColorMixer, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionColorMixerFactor(int Value) {
  if (changed(FSelectionColorMixerFactor, std::clamp(Value, 0, 100))) Invalidate();
}

void TExtStringGrid::SetSelectionTextColor(TColor Value) {
  if (changed(FSelectionTextColor, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionRectangle(bool Value) {
  if (changed(FSelectionRectangle, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionResizer(bool Value) {
  if (changed(FSelectionResizer, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionRectangleColor(TColor Value) {
  if (changed(FSelectionRectangleColor, Value)) Invalidate();
}

void TExtStringGrid::SetShowSelection(bool Value) {
  if (!changed(FShowSelection, Value)) return;
  FShowSel = Value;
  Invalidate();
}

void TExtStringGrid::SetShowDesignHelper(bool Value) {
  if (changed(FShowDesignHelper, Value)) Invalidate();
}

void TExtStringGrid::SetHighlightColor(TColor Value) {
  if (!changed(FHighlightColor, Value)) return;
  SetHighlightColors(FHighlightColor, FHighlightTextColor);
  Invalidate();
}

void TExtStringGrid::SetHighlightTextColor(TColor Value) {
  if (!changed(FHighlightTextColor, Value)) return;
  SetHighlightColors(FHighlightColor, FHighlightTextColor);
  Invalidate();
}

void TExtStringGrid::SetURLColor(TColor Value) {
  if (changed(FURLColor, Value)) Invalidate();
}

void TExtStringGrid::SetDisabledFontColor(TColor Value) {
  if (changed(FDisabledFontColor, Value)) Invalidate();
}

void TExtStringGrid::SetXYOffset(TPoint Value) {
  FXYOffset = Value;
  Invalidate();
}

void TExtStringGrid::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  repaintUnlessUpdating();
}

// Switched on in use, the columns fit their contents at once; a grid being
// loaded fits them when loading ends.
void TExtStringGrid::SetAutoSize(bool Value) {
  FAutoSize = Value;
  if (Value && !ComponentState().Contains(csLoading)) AutoSizeColumns(false, 10);
}

void TExtStringGrid::SetFlat(bool Value) {
  FFlat = Value;
  if (!ComponentState().Contains(csLoading)) Invalidate();
}

// Switching the preset off leaves the settings it made as they are.
void TExtStringGrid::SetSpreadSheet(bool Value) {
  FSpreadSheet = Value;
  if (!Value) return;
  SetSelectionRectangle(true);
  SetSelectionResizer(true);
  FNavigation.SetAllowSmartClipboard(true);
  TGridOptions o = Options();
  o.Include(goRangeSelect);
  o.Include(goEditing);
  SetOptions(o);
  FMouseActions.SetRangeSelectAndEdit(true);
}

void TExtStringGrid::SetAutoThemeAdapt(bool Value) {
  if (!changed(FAutoThemeAdapt, Value)) return;
  FSearchFooter->SetAutoThemeAdapt(Value);
  if (!Value) return;
  AdaptToOfficeTheme();
  Invalidate();
}

void TExtStringGrid::SetAutoNumAlign(bool Value) {
  if (changed(FAutoNumAlign, Value)) Invalidate();
}

void TExtStringGrid::SetEnableHTML(bool Value) {
  if (changed(FEnableHTML, Value)) Invalidate();
}

void TExtStringGrid::SetIntegralHeight(bool Value) {
  FIntegralHeight = Value;
  if (Value) SetBounds(Left(), Top(), Width(), Height());
}

// Flat and encarta bars are the window's own bars in the flat look; the
// metro type replaces them by the grid's thin indicators.
void TExtStringGrid::SetScrollType(TScrollType Value) {
  if (changed(FScrollType, Value)) {
    if (Value == ssFlat || Value == ssEncarta) {
      InitFlatScrollBars();
      UpdateFlatScrollBars();
    } else {
      DoneFlatScrollBars();
    }
    UpdateScrollControls();
    Invalidate();
  }
  UpdateScrollStyle();
}

void TExtStringGrid::SetScrollColor(TColor Value) {
  FScrollColor = Value;
  UpdateScrollColor();
}

void TExtStringGrid::SetScrollWidth(int Value) {
  FScrollWidth = Value;
  UpdateScrollWidth();
}

void TExtStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
  FScrollBarAlways = Value;
  ApplyScrollBarAlways(true);
}

// A bar that ScrollBarAlways keeps stays shown, disabled while its content
// fits; with saNone a forced call hides the bars whose content fits.
void TExtStringGrid::ApplyScrollBarAlways(bool Force) {
  if (!HandleAllocated()) return;
  bool rowsFit = VisibleRowCount() + TCustomGrid::FixedRows() >= RowCount();
  bool colsFit = VisibleColCount() + TCustomGrid::FixedCols() >= ColCount();
  if (FScrollBarAlways == saNone) {
    if (!Force) return;
    if (rowsFit) ShowScrollBar(Handle(), SB_VERT, false);
    if (colsFit) ShowScrollBar(Handle(), SB_HORZ, false);
    return;
  }
  auto apply = [this](int Bar, bool Fits, bool Keep) {
    if (Fits) ShowScrollBar(Handle(), Bar, Keep);
    EnableScrollBar(Handle(), Bar, Fits ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
  };
  apply(SB_VERT, rowsFit, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
  apply(SB_HORZ, colsFit, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
}

// Only the framework's "Windows" style is ever active here, so the grid
// keeps its own colours.
void TExtStringGrid::ApplyStyleColors() { FUsesAppStyles = false; }

void TExtStringGrid::SetCheckTrue(const std::string& Value) {
  if (changed(FCheckTrue, Value)) Invalidate();
}

void TExtStringGrid::SetCheckFalse(const std::string& Value) {
  if (changed(FCheckFalse, Value)) Invalidate();
}

void TExtStringGrid::SetFloatFormat(const std::string& Value) {
  if (changed(FFloatFormat, Value)) Invalidate();
}

// An editor already made takes the new limit at once.
void TExtStringGrid::SetMaxEditLength(int Value) {
  FMaxEditLength = Value;
  if (TInplaceEdit* editor = InplaceEditor()) editor->SetMaxLength(Value);
}

void TExtStringGrid::SetBackGround(const TBackGround* Value) {
  FBackGround.Assign(Value);
  Invalidate();
}

void TExtStringGrid::SetRowIndicator(const TBitmap* Value) {
  FRowIndicator.Assign(Value);
  RepaintCell(0, Row());
}
