#pragma once
// Text operations that the grid's text-like editors share: pasting the
// clipboard under the clipboard events, the kind's rules and the length
// limit, and look-up completion from the grid's list.

#include "grid/foundation/ExtObj.h"

class TCustomEdit;
class TExtStringGrid;

// The clipboard's text into Edit at its selection (a pasted selection stays
// selected, otherwise the caret follows the text); the new text goes into
// the current cell at once. Kind decides what the text may be.
void PasteIntoCellEditor(TExtStringGrid* Grid, TCustomEdit* Edit, TEditorType Kind, int LengthLimit);
// Completes the text typed up to the caret from the grid's look-up items and
// selects the completed tail; false when nothing completes.
bool CompleteCellEditorText(TExtStringGrid* Grid, TCustomEdit* Edit);
