#include "grid/editing/CellEditorText.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/EditFilters.h"
#include "toolkit/forms/std/Clipboard.h"
#include "toolkit/forms/std/Edit.h"

void PasteIntoCellEditor(TExtStringGrid* Grid, TCustomEdit* Edit, TEditorType Kind, int LengthLimit) {
  std::string s = ClipboardText();
  bool allow = !s.empty();
  if (Grid->OnClipboardPaste) Grid->OnClipboardPaste(Edit, allow);
  if (allow && Grid->OnClipboardBeforePasteCell) Grid->OnClipboardBeforePasteCell(Edit, Grid->Col(), Grid->Row(), s, allow);
  if (!allow || (LengthLimit > 0 && LengthLimit < static_cast<int>(s.size()))) return;
  int start = 0, len = 0;
  bool hadSelection = Edit->SelLength() > 0;
  std::string n = ComposePaste(Edit->Text(), Edit->SelStart(), Edit->SelLength(), s, start, len);
  if (LengthLimit > 0 && static_cast<int>(n.size()) > LengthLimit) return;
  std::string valid = Grid->ValidChars();
  if (AcceptPastedText(Kind, n, valid, &Grid->ValidCharSet())) {
    Edit->SetText(n);
    if (hadSelection) {
      Edit->SetSelStart(start);
      Edit->SetSelLength(len);
    } else {
      Edit->SetSelStart(start + len);
    }
  }
  Grid->SetEditText(Grid->Col(), Grid->Row(), Edit->Text());
  if (Grid->OnClipboardAfterPasteCell) Grid->OnClipboardAfterPasteCell(Edit, Grid->Col(), Grid->Row(), Edit->Text());
}

bool CompleteCellEditorText(TExtStringGrid* Grid, TCustomEdit* Edit) {
  if (Edit->SelLength() > 0 || !Grid->Lookup()) return false;
  std::string completed;
  int index = -1, caret = Edit->SelStart();
  if (!CompleteFromItems(Grid->LookupItems(), Edit->Text(), caret, Grid->LookupCaseSensitive(), completed, index))
    return false;
  Edit->SetText(completed);
  Edit->SetSelStart(caret);
  Edit->SetSelLength(static_cast<int>(completed.size()) - caret);
  return true;
}
