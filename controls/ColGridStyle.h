#pragma once
// What a component style makes of a table drop-down (the multi-column list,
// the grid drop-down): its popup's header and line look, its selection
// colour style and the colours of a selected row.

#include "controls/ColGridLook.h"
#include "controls/ExtDropDown.h"

// Applies AStyle to the drop-down D, its look Look and the text colour of
// its selected row. tsCustom leaves them as they are.
void ApplyColGridStyle(TExtCustomDropDown& D, TColGridLook& Look, TColor& SelectionTextColor, TQGSStyle AStyle);

// The line colours that go with a selection colour style; scCustom keeps
// them as they are.
void TakeSelectionStyleLines(TColGridLook& Look, TSelectionColorStyle Style);
