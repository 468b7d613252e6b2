#pragma once
// What every editor wrapper of the grid shares: the grid it belongs to,
// the keys it claims from the form, and the change notification.

#include <cstdint>
#include <string>

#include "toolkit/forms/Controls.h"

class TComponent;
class TCustomEdit;
class TExtStringGrid;

// The owner as a grid; raises EInvalidOperation for any other owner.
TExtStringGrid* EditorGridOf(TComponent* AOwner);
// Claims (Result 1) Enter and Escape always, Tab when the grid validates it
// (TabValidates) or has goTabs (GoTabsOnly); false for any other key.
bool ClaimEditorKey(TExtStringGrid* Grid, TCMWantSpecialKey& Message, bool GoTabsOnly);
// Tab with goTabs: the edit ends and the cursor moves to the next cell (the
// previous with Shift); Key becomes 0. False for other keys or without goTabs.
bool TabOutOfEditor(TExtStringGrid* Grid, uint16_t& Key, TShiftState Shift);
// OnEditChange with the current cell.
void NotifyEditChange(TExtStringGrid* Grid, const std::string& Text);
// A click that started the edit (the grid's LButFlg) puts the caret of
// Edit under the mouse when the mouse is over it; the flag is then spent.
void PlaceCaretAtMouse(TExtStringGrid* Grid, TCustomEdit* Edit);
// Cursor walking (Navigation.CursorWalkEditor, no selection, no Shift, Alt
// or Ctrl): Left at the start (AtStart) or Right at the end (AtEnd) of an
// editor's text leaves it for the cell beside. A clickable-control cell is
// entered directly once the text validates; any other cell through the
// left-right advance. Key becomes 0 when the cursor walks; true then.
bool WalkOutOfEditor(TExtStringGrid* Grid, const std::string& Text, uint16_t& Key, TShiftState Shift, bool AtStart,
                     bool AtEnd);
