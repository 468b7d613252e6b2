// The grid's side of a custom editor link: showing the link over the cell
// or on its popup form, writing its value back, the window-procedure hook of
// its control, forgetting a link that goes away, and the editor relays.

#include "grid/core/ExtGrid.h"
#include "grid/editing/EditLink.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

namespace {
// Posted to the grid to end the guard of a popup link's focus change once
// the messages of that change are handled.
UINT EndFocusGuardMessage() {
  static const UINT msg = RegisterWindowMessage("GridEndFocusGuard");
  return msg;
}
}  // namespace

void TExtStringGrid::SetEditLink(TEditLink* Value) {
  // The free notification stays with every link the grid has known: a
  // column of the column grid may still hold it.
  FEditLink = Value;
  if (FEditLink) FEditLink->FreeNotification(this);
}

void TExtStringGrid::editLinkNotification(TComponent* AComponent) {
  if (AComponent == FHookedControl) {
    FHookedControl = nullptr;
    FGridControlWndProc = nullptr;
  }
  if (AComponent == FEditLink) ForgetEditLink(FEditLink);
  if (AComponent == EditCtrl) EditCtrl = nullptr;
}

void TExtStringGrid::ForgetEditLink(TEditLink* Link) {
  if (!Link) return;
  if (TWinControl* c = Link->GetEditControl()) UnhookEditControl(c);
  if (FEditLink != Link) return;
  if (EditControl == edCustom && (EditMode || FSpecialEditor)) {
    EditMode = false;
    FSpecialEditor = false;
    FEditActive = false;
    EditCtrl = nullptr;
  }
  FEditLink = nullptr;
}

void TExtStringGrid::HookEditControl(TWinControl* Control) {
  if (!Control || FHookedControl == Control) return;
  if (FHookedControl) UnhookEditControl(FHookedControl);
  FGridControlWndProc = Control->WindowProc();
  FHookedControl = Control;
  Control->FreeNotification(this);
  Control->SetWindowProc([this](TMessage& Message) { EditControlWndProc(Message); });
}

void TExtStringGrid::UnhookEditControl(TWinControl* Control) {
  if (!Control || Control != FHookedControl) return;
  Control->SetWindowProc(FGridControlWndProc);
  Control->RemoveFreeNotification(this);
  FHookedControl = nullptr;
  FGridControlWndProc = nullptr;
}

void TExtStringGrid::EditControlWndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE && Options().Contains(goTabs)) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    return;
  }
  if (FGridControlWndProc) {
    // The hook may be taken off while the message runs: keep the procedure alive.
    TControl::TWndMethod own = FGridControlWndProc;
    own(Message);
  } else if (FHookedControl) {
    FHookedControl->WndProc(Message);
  }
}

void TExtStringGrid::GuardInvokedFocusChange() {
  InvokedFocusChange = true;
  if (HandleAllocated() && !FInvokedFocusPending) {
    FInvokedFocusPending = true;
    PostMessage(Handle(), EndFocusGuardMessage(), 0, 0);
  }
}

bool TExtStringGrid::handleFocusGuardMessage(TMessage& Message) {
  if (Message.Msg != EndFocusGuardMessage()) return false;
  FInvokedFocusPending = false;
  InvokedFocusChange = false;
  return true;
}

void TExtStringGrid::showEditLink(const TSpecialEditorFrame& F) {
  TEditLink* link = FEditLink;
  if (!link) return;
  if (link->FOwner && link->FOwner != this) link->FOwner->ForgetEditLink(link);
  link->FOwner = this;
  link->FEditCell = {F.RealCol, F.Row};
  if (link->EditStyle() == esPopup) {
    link->showPopup(F.Rect);
    link->CreateEditor(link->PopupForm());
    link->SetRect({0, 0, link->PopupWidth(), link->PopupHeight()});
  } else {
    link->CreateEditor(this);
    link->SetRect(F.Rect);
  }
  link->SetVisible(true);
  TFont font;
  font.Assign(&F.Font);
  link->SetCellProps(F.Color, &font);
  link->SetProperties();
  DoGetEditorProp(F.RealCol, F.Row, link);
  link->SetEditorValue(GetEditText(DisplColIndex(F.RealCol), F.Row));
  link->SetFocus(true);
  link->FActive = true;
  FEditActive = true;
  postStartChar(link->GetEditControl());
  EditCtrl = link->GetEditControl();
  EditMode = true;
}

void TExtStringGrid::finishEditLink(int ARealCol, int ARow) {
  if (FControlLook.DropDownAlwaysVisible() && OnGetEditorType) {
    TEditorType kind = EditControl;
    OnGetEditorType(this, ARealCol, ARow, kind);
    EditControl = kind;
  }
  TEditLink* link = FEditLink;
  if (!link) return;
  link->FActive = false;
  StoreEditorValue(ARealCol, ARow, link->GetEditorValue());
  if (link->EditStyle() != esPopup) link->SetVisible(false);
  link->RestoreWinProc();
  EditMode = false;
  // However the edit ended, a popup form does not stay open over a finished edit.
  if (link->EditStyle() == esPopup) link->EditExit(link);
}

std::string TExtStringGrid::DoEllipsClick(const std::string& Text) {
  std::string s = Text;
  if (OnEllipsClick) OnEllipsClick(this, RealColIndex(Col()), Row(), s);
  return s;
}

void TExtStringGrid::DropDownHeaderButtonClick(TObject*, int ButtonIndex) {
  if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), ButtonIndex);
}

void TExtStringGrid::DropDownFooterButtonClick(TObject*, int ButtonIndex) {
  if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), ButtonIndex);
}
