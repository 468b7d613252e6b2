// TExtInplaceEdit's keys: Esc restores, Enter, Tab and the arrows that leave
// the text validate before the grid moves on, Left and Right at the ends of
// the text walk to the neighbour cell.

#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "toolkit/forms/WinApi.h"

namespace {
bool keyHeld(int Key) { return GetKeyState(Key) < 0; }
}  // namespace

bool TExtInplaceEdit::caretOnFirstLine() {
  if (!MultiLine()) return true;
  return Perform(EM_LINEFROMCHAR, SelStart()) == 0;
}

bool TExtInplaceEdit::caretOnLastLine() {
  if (!MultiLine()) return true;
  int len = static_cast<int>(Text().size());
  return Perform(EM_LINEFROMCHAR, SelStart()) >= Perform(EM_LINEFROMCHAR, len);
}

void TExtInplaceEdit::refused(const std::string& OldCellText, bool Repaint) {
  SetText(FGrid->FNewCellText);
  if (FGrid->Navigation()->EditSelectAll()) SelectAll();
  else Deselect();
  FGrid->FOldCellText = OldCellText;
  if (Repaint) Invalidate();
}

bool TExtInplaceEdit::validateWalk(const std::string& S) {
  FGrid->FValidating = true;
  FGrid->SetCurrentCell(S);
  FGrid->FValidating = false;
  return FGrid->ValidateCell(S);
}

// The key-down message, before the standard handling; true when handled.
bool TExtInplaceEdit::keyDownMessage(TMessage& Message) {
  uint16_t key = static_cast<uint16_t>(Message.WParam);
  bool ctrl = keyHeld(VK_CONTROL), shift = keyHeld(VK_SHIFT), alt = keyHeld(VK_MENU);
  FOldSelStart = SelStart();
  const TNavigation* nav = FGrid->Navigation();
  if (key == VK_ESCAPE) {
    FGrid->FNoEditChange = true;
    SetText(FGrid->FCellCache);
    FGrid->FNoEditChange = false;
    FGrid->HideInplaceEdit();
    return false;  // Esc goes on to the grid
  }
  if (key == 'A' && ctrl && !keyHeld(VK_RMENU)) {
    SelectAll();
    return true;
  }
  bool multiLine = FGrid->AllowsLineFeed();
  if (key == VK_RETURN && ctrl && !(nav->AllowCtrlEnter() && multiLine) && !nav->LineFeedOnEnter()) return true;
  std::string s = Text();
  std::string o = FGrid->FOldCellText;
  int len = static_cast<int>(s.size());
  bool noSel = SelLength() == 0;
  switch (key) {
    case VK_TAB:
      if (!FGrid->TabValidates() || alt) break;
      if (!FGrid->ValidateCell(s)) {
        refused(o, false);
        return true;
      }
      SetText(FGrid->FNewCellText);
      FGrid->HideInplaceEdit();
      FGrid->tabOn();
      return true;
    case VK_LEFT:
    case VK_RIGHT: {
      bool atEdge = key == VK_LEFT ? SelStart() == 0 : SelStart() == len;
      if (!(shift && noSel && atEdge && nav->CursorWalkEditor())) break;
      if (validateWalk(s)) {
        SetText(FGrid->FNewCellText);
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
      } else {
        refused(o, true);
      }
      return true;
    }
    case VK_UP:
    case VK_DOWN: {
      bool leaves = key == VK_UP ? caretOnFirstLine() : caretOnLastLine();
      if (!leaves) break;
      if (!validateWalk(s)) {
        refused(o, true);
        return true;
      }
      SetText(FGrid->FNewCellText);
      break;
    }
    case VK_RETURN:
      if (ctrl && nav->LineFeedOnEnter()) {
        char enter = '\r';
        TInplaceEdit::KeyPress(enter);
        return true;
      }
      if (nav->LineFeedOnEnter() || ctrl) break;
      if (!FGrid->ValidateCell(s)) {
        refused(o, false);
        // The Enter character that follows must not validate the same value a second time.
        FEnterRefused = true;
        return true;
      }
      SetText(FGrid->FNewCellText);
      break;
    case VK_HOME:
      if (ctrl || shift) break;
      SetSelStart(0);
      SetSelLength(0);
      return true;
    case VK_END:
      if (ctrl || shift) break;
      Deselect();
      return true;
    default: break;
  }
  TInplaceEdit::WndProc(Message);
  return true;
}

void TExtInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  FGrid->InplaceKeyDown(Key, Shift);
  FSelKeyDown = SelStart();
  switch (Key) {
    case VK_BACK:
    case VK_DELETE: Workmode = false; break;
    case VK_RETURN:
      if (FGrid->AllowsLineFeed() && !FGrid->Navigation()->AllowCtrlEnter()) FGrid->FEditing = false;
      Workmode = true;
      break;
    case VK_UP:
      if (!caretOnFirstLine()) {
        TCustomMaskEdit::KeyDown(Key, Shift);
        return;
      }
      break;
    case VK_DOWN:
      if (!caretOnLastLine()) {
        TCustomMaskEdit::KeyDown(Key, Shift);
        return;
      }
      break;
    default: Workmode = true; break;
  }
  TInplaceEdit::KeyDown(Key, Shift);
}

// Walks to the cell beside after the caret left the text at one end.
void TExtInplaceEdit::walk(bool Forward, uint16_t& Key) {
  int col = FGrid->Col(), row = FGrid->Row();
  int next = Forward ? col + FGrid->CellSpan(FGrid->RealColIndex(col), row).X + 1 : col - 1;
  bool inRange = Forward ? col < FGrid->ColCount() - 1 - FGrid->FixedRightCols() : col > FGrid->FixedCols();
  Key = 0;
  if (inRange && FGrid->HasClickableControl(FGrid->RealColIndex(next), row)) {
    if (FGrid->ValidateCell(Text())) {
      FGrid->HideInplaceEdit();
      FGrid->SetCol(next);
    }
    return;
  }
  if (!Forward && !FGrid->ValidateCell(Text())) return;
  if (!Forward) FGrid->HideInplaceEdit();
  TAdvanceDirection saved = FGrid->Navigation()->AdvanceDirection();
  FGrid->Navigation()->SetAdvanceDirection(adLeftRight);
  FGrid->AdvanceToNextCell(col, row, true, true, Forward, false, true);
  FGrid->Navigation()->SetAdvanceDirection(saved);
  if (!FGrid->Navigation()->CursorWalkAlwaysEdit()) FGrid->HideInplaceEdit();
}

void TExtInplaceEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
  const TNavigation* nav = FGrid->Navigation();
  bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
  if (nav->CursorWalkEditor() && plain && SelLength() == 0) {
    int len = static_cast<int>(Text().size());
    if (Key == VK_LEFT && FSelKeyDown == 0 && SelStart() == 0) walk(false, Key);
    else if (Key == VK_RIGHT && FOldSelStart == len) walk(true, Key);
  }
  if (Key == VK_LEFT || Key == VK_RIGHT || Key == 0) return;
  TInplaceEdit::KeyUp(Key, Shift);
  DoChange();
  growWhileTyping();
}

void TExtInplaceEdit::keyUpMessage(TMessage&) {
  // The caret-position and formula-mode hooks are the descendants'.
  if (SelStart() > 0) FGrid->EditCaretMoved(Text(), SelStart());
  FGrid->EditFormulaMode(!Text().empty() && Text()[0] == '=');
}

void TExtInplaceEdit::growWhileTyping() {
  TSizeWhileTyping* grow = FGrid->SizeWhileTyping();
  if (grow->Width) FGrid->SizeColumnWhileTyping(FGrid->Col());
  if (grow->Height && FGrid->WordWrap()) FGrid->SizeRowWhileTyping(FGrid->Row());
}

void TExtInplaceEdit::KeyPress(char& Key) {
  const TNavigation* nav = FGrid->Navigation();
  // Typing on after a refusal: the user has read the notice (Enter validates again, Esc ends the edit).
  if (Key != '\r' && Key != 27) FGrid->HideInvalidEntryNotice();
  if (Key == '\r' && FEnterRefused) {
    FEnterRefused = false;
    Key = 0;
    return;
  }
  if (Key == '\r' && !nav->LineFeedOnEnter() && !FGrid->ValidateCell(Text())) {
    SetText(FGrid->GetCurrentCell());
    Key = 0;
    return;
  }
  TInplaceEdit::KeyPress(Key);
  if (nav->AdvanceAuto() && Text().find(' ') == std::string::npos && SelStart() == static_cast<int>(Text().size()) &&
      !EditMask().empty()) {
    char enter = '\r';
    FGrid->KeyPress(enter);
  }
}
