// TCustomGrid keyboard: navigation keys after OnKeyDown, Enter toggling the
// editor, characters opening the editor, and which keys the grid wants.

#include <algorithm>

#include "toolkit/forms/WinApi.h"
#include "toolkit/grids/Grids.h"

// Where a key sends the cursor (and the top-left corner, for page and scroll keys).
TGridCoord TCustomGrid::keyTarget(uint16_t Key, TShiftState Shift, TGridCoord& NewTopLeft) const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  bool rowSelect = FOptions.Contains(goRowSelect);
  int pageHeight = std::max(1, info.Vert.LastFullVisibleCell - FTopLeft.Y + 1);
  int pageWidth = std::max(1, info.Horz.LastFullVisibleCell - FTopLeft.X + 1);
  TGridCoord cur = FCurrent;
  if (Shift.Contains(ssCtrl)) {
    switch (Key) {
      case VK_UP: --NewTopLeft.Y; break;
      case VK_DOWN: ++NewTopLeft.Y; break;
      case VK_LEFT:
        if (!rowSelect) { cur.X -= pageWidth; NewTopLeft.X -= pageWidth; }
        break;
      case VK_RIGHT:
        if (!rowSelect) { cur.X += pageWidth; NewTopLeft.X += pageWidth; }
        break;
      case VK_PRIOR: cur.Y = FTopLeft.Y; break;
      case VK_NEXT: cur.Y = std::max(FTopLeft.Y, info.Vert.LastFullVisibleCell); break;
      case VK_HOME: cur = {FFixedCols, FFixedRows}; break;
      case VK_END: cur = {FColCount - 1, FRowCount - 1}; break;
      default: break;
    }
    return cur;
  }
  switch (Key) {
    case VK_UP: --cur.Y; break;
    case VK_DOWN: ++cur.Y; break;
    case VK_LEFT: if (rowSelect) --cur.Y; else --cur.X; break;
    case VK_RIGHT: if (rowSelect) ++cur.Y; else ++cur.X; break;
    case VK_NEXT: cur.Y += pageHeight; NewTopLeft.Y += pageHeight; break;
    case VK_PRIOR: cur.Y -= pageHeight; NewTopLeft.Y -= pageHeight; break;
    case VK_HOME: if (rowSelect) cur.Y = FFixedRows; else cur.X = FFixedCols; break;
    case VK_END: if (rowSelect) cur.Y = FRowCount - 1; else cur.X = FColCount - 1; break;
    case VK_TAB:
      if (Shift.Contains(ssAlt)) break;
      // Next or previous cell, wrapping from row to row and round the grid.
      if (Shift.Contains(ssShift)) {
        if (--cur.X < FFixedCols) {
          cur.X = FColCount - 1;
          if (--cur.Y < FFixedRows) cur.Y = FRowCount - 1;
        }
      } else if (++cur.X >= FColCount) {
        cur.X = FFixedCols;
        if (++cur.Y >= FRowCount) cur.Y = FFixedRows;
      }
      break;
    default: break;
  }
  return cur;
}

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (Key == VK_F2 && !Shift.Contains(ssCtrl)) {
    SetEditorMode(true);
    return;
  }
  if (Key == VK_TAB && !FOptions.Contains(goTabs)) return;
  TGridCoord topLeft = FTopLeft;
  TGridCoord cur = keyTarget(Key, Shift, topLeft);
  TGridCoord max = CalcMaxTopLeft();
  topLeft.X = std::clamp(topLeft.X, FFixedCols, std::max(FFixedCols, max.X));
  topLeft.Y = std::clamp(topLeft.Y, FFixedRows, std::max(FFixedRows, max.Y));
  if (!(topLeft == FTopLeft)) MoveTopLeft(topLeft.X, topLeft.Y);
  cur.X = std::clamp(cur.X, FFixedCols, FColCount - 1);
  cur.Y = std::clamp(cur.Y, FFixedRows, FRowCount - 1);
  // Tab moves the cursor only; Shift chooses its direction.
  bool moveAnchor = Key == VK_TAB || !Shift.Contains(ssShift);
  if (!(cur == FCurrent)) FocusCell(cur.X, cur.Y, moveAnchor);
}

void TCustomGrid::KeyUp(uint16_t& Key, TShiftState Shift) { TCustomControl::KeyUp(Key, Shift); }

void TCustomGrid::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == '\r' && !FOptions.Contains(goAlwaysShowEditor)) {
    if (FEditorMode) HideEditor();
    else ShowEditor();
    Key = 0;
  }
}

// With editing on, a typed character opens the editor and goes on to it;
// the editor's text is all selected, so the character replaces it. When the
// editor cannot show, the character is not lost: it goes to KeyPress.
void TCustomGrid::WMChar(TWMKey& Message) {
  uint32_t ch = Message.CharCode;
  if (FOptions.Contains(goEditing) && (ch == 8 || ch >= 32) && ch != 127 && ShowEditorChar(ch)) return;
  TCustomControl::WMChar(Message);
}

bool TCustomGrid::ShowEditorChar(uint32_t Ch) {
  ShowEditor();
  if (!FInplaceEdit || !FInplaceEdit->HandleAllocated() || !FInplaceEdit->Visible()) return false;
  PostMessage(FInplaceEdit->Handle(), WM_CHAR, Ch, 0);
  return true;
}

void TCustomGrid::WMGetDlgCode(TWMGetDlgCode& Message) {
  Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (FOptions.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  if (FCurrent.Y < FRowCount - 1) SetRow(FCurrent.Y + 1);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  if (FCurrent.Y > FFixedRows) SetRow(FCurrent.Y - 1);
  return true;
}
