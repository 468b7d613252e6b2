// TEditLink: the generic key handling that ends a custom edit, the focus
// and placement of the link's control, and the popup form's exit.

#include "grid/editing/EditLink.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/ScopeGuard.h"

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
  // A popup form outlives its link (the application owns it): it must not call back.
  if (FPopupForm) {
    FPopupForm->OnDeactivate = nullptr;
    FPopupForm->RemoveFreeNotification(this);
  }
  if (FOwner) FOwner->ForgetEditLink(this);
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupForm) FPopupForm = nullptr;
  if (AComponent == FOwner) FOwner = nullptr;
}

TWinControl* TEditLink::GetParent() {
  if (FEditStyle == esPopup) return FPopupForm;
  return FOwner;
}

std::string TEditLink::GetCellValue() {
  if (!FOwner) return "";
  return FOwner->GetCellEx(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const std::string& S) {
  if (FOwner) FOwner->StoreEditorValue(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), S);
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  if (FOwner) FOwner->HideInplaceEdit();
  RestoreWinProc();
}

// Hiding the popup form deactivates it, which calls back here: the edit is
// stored once, and never again from a control already destroyed.
void TEditLink::EditExit(TObject* Sender) {
  (void)Sender;
  if (FExiting) return;
  FExiting = true;
  auto done = MakeScopeGuard([this] { FExiting = false; });
  if (FActive) HideEditor();
  if (FEditStyle == esPopup && FPopupForm) {
    if (GetEditControl()) DestroyEditor();
    FPopupForm->Hide();
  }
}

void TEditLink::FormExit(TObject* Sender) {
  if (!FOwner || !FActive) return;
  if (TExtInplaceEdit* ed = FOwner->NormalEdit()) static_cast<TControl*>(ed)->SetText(GetEditorValue());
  if (FForcedExit) {
    SetCellValue(GetEditorValue());
    return;
  }
  EditExit(Sender);
  FOwner->GuardInvokedFocusChange();
}

void TEditLink::RestoreWinProc() {
  TWinControl* c = GetEditControl();
  if (c && FEditStyle == esInplace) {
    if (FOwner) FOwner->UnhookEditControl(c);
    FSubClassed = false;
    if (c->HandleAllocated()) ShowWindow(c->Handle(), SW_HIDE);
  }
}

void TEditLink::SetFocus(bool Value) {
  TWinControl* c = GetEditControl();
  if (!c || !FOwner) return;
  if (Value) {
    if (!c->Visible()) c->SetVisible(true);
    if (!c->Enabled()) c->SetEnabled(true);
  }
  if (FEditStyle == esInplace && !FSubClassed) {
    FOwner->HookEditControl(c);
    FSubClassed = true;
  }
  if (Value) c->SetFocus();
  else if (FOwner->CanFocus()) FOwner->SetFocus();
}

void TEditLink::SetRect(TRect R) {
  TWinControl* c = GetEditControl();
  if (!c || !FOwner) return;
  int line = FOwner->GridLineWidth();
  c->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value) {
  if (TWinControl* c = GetEditControl()) c->SetVisible(Value);
}

void TEditLink::forcedFocusMove() {
  FForcedExit = true;
  auto clear = MakeScopeGuard([this] { FForcedExit = false; });
  if (FOwner->CanFocus()) FOwner->SetFocus();
  // The grid taking the focus deactivates a shown popup form.
  if (FPopupForm && FPopupForm->Visible() && FPopupForm->OnDeactivate) FPopupForm->OnDeactivate(FPopupForm);
}

bool TEditLink::isExitKey(uint16_t Key, TShiftState Shift) const {
  bool exit = Shift.Contains(ssAlt);
  switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: exit = true; break;
    default: break;
  }
  // Keys the link keeps stay in the control, also with Alt.
  switch (Key) {
    case VK_UP:
    case VK_DOWN: return exit && !FWantKeyUpDown;
    case VK_LEFT:
    case VK_RIGHT: return exit && !FWantKeyLeftRight;
    case VK_HOME:
    case VK_END: return exit && !FWantKeyHomeEnd;
    case VK_PRIOR:
    case VK_NEXT: return exit && !FWantKeyPriorNext;
    case VK_RETURN: return exit && !FWantKeyReturn;
    case VK_ESCAPE: return exit && !FWantKeyEscape;
    case VK_TAB: return exit && !FWantTabs;
    default: return exit;
  }
}

void TEditLink::EditKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift) {
  (void)Sender;
  TExtStringGrid* g = FOwner;
  if (!g || !isExitKey(Key, Shift)) return;
  if (Key == VK_TAB) {
    if (g->Navigation()->TabToNextAtEnd()) {
      forcedFocusMove();
      g->FinishSpecialEditor(g->Col(), g->Row());
      bool backward = GetKeyState(VK_SHIFT) < 0;
      if (g->TabAdvance(backward) && !g->HasClickableControl(g->RealColIndex(g->Col()), g->Row())) {
        if (g->HandleAllocated()) PostMessage(g->Handle(), WM_KEYDOWN, VK_F2, 0);
        Key = 0;
        return;
      }
    }
    Key = 0;
  }
  if (Key == VK_ESCAPE) SetEditorValue(g->OriginalCellValue());
  int col = g->Col(), row = g->Row();
  forcedFocusMove();
  g->FinishSpecialEditor(col, row);
  if (FEditStyle == esPopup) EditExit(this);
  g->EditMode = false;
  g->SelectCell(col, row);
  if (!g->FLastValidation) {
    g->FLastValidation = true;
    g->ShowSpecialEditor(g->Col(), g->Row());
    return;
  }
  if (Key == VK_RETURN) {
    g->AdvanceToNextCell(col, row, false, true, !Shift.Contains(ssShift), false, true);
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    Key = 0;
    return;
  }
  if (Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) g->KeyDown(Key, Shift);
  if (TWinControl* c = GetEditControl()) c->SetEnabled(false);
  forcedFocusMove();
}

void TEditLink::showPopup(const TRect& CellRect) {
  if (FAutoPopupWidth) FPopupWidth = CellRect.Width();
  if (!FPopupForm) {
    if (TComponent* old = Application->FindComponent("gridform")) delete old;
    FPopupForm = new TForm(Application);
    FPopupForm->SetName("gridform");
    FPopupForm->FreeNotification(this);
  }
  TPoint p{FPopupLeft, FPopupTop};
  if (FPopupLeft == -1 || FPopupTop == -1) p = FOwner->ClientToScreen({CellRect.Left, CellRect.Top});
  FPopupForm->OnDeactivate = [this](TObject* Sender) { FormExit(Sender); };
  FPopupForm->SetFormStyle(fsStayOnTop);
  FPopupForm->SetBorderStyle(bsNone);
  FPopupForm->SetBounds(p.X, p.Y, FPopupWidth, FPopupHeight);
  FPopupForm->Show();
}
