#include "controls/SelectorPopup.h"

#include <algorithm>

#include "toolkit/forms/Timer.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"

char TypeAheadChar(uint16_t Key, bool ShiftHeld) {
  const uint32_t c = wm::CharFromKey(Key, ShiftHeld, false);
  if (c < 0x20 || c > 0x7E) return 0;
  return char(std::toupper(int(c)));
}

int SteppedIndex(TIndexStep Step, int Current, int Count) {
  if (Count <= 0) return -1;
  int target = -1;
  switch (Step) {
    case isFirst: return 0;
    case isLast: return Count - 1;
    case isNext: target = Current < 0 ? 0 : Current + 1; break;
    case isPrevious: target = Current < 0 ? 0 : Current - 1; break;
  }
  return target < Count ? target : -1;
}

TSelectorPopup::TSelectorPopup(TComponent* AOwner) : FKeyTimer(new TTimer(AOwner)) {
  FKeyTimer->SetEnabled(false);
  FKeyTimer->SetInterval(500);
  FKeyTimer->SetOnTimer([this](TObject*) {
    FKeyTimer->SetEnabled(false);
    FSearch.clear();
  });
}

// The timer and the list belong to the drop-down and outlive this object by
// a moment, while the drop-down's own part is gone already: they must not
// call into it any more.
TSelectorPopup::~TSelectorPopup() {
  FKeyTimer->SetEnabled(false);
  FKeyTimer->SetOnTimer(nullptr);
  if (FList == nullptr) return;
  FList->OnItemSelect = nullptr;
  FList->OnDrawItem = nullptr;
  FList->OnItemSize = nullptr;
  FList->OnResize = nullptr;
}

void TSelectorPopup::Internal(const std::function<void()>& Move) {
  const bool was = FInternalCall;
  FInternalCall = true;
  Move();
  FInternalCall = was;
}

void TSelectorPopup::Fill(int Count, const std::function<void(TSelectorItem*, int)>& Add, int ItemIndex,
                          TNotifyEvent OnSelect) {
  if (FList == nullptr) return;
  FList->OnItemSelect = nullptr;
  TSelectorItems* items = FList->Items();
  items->Clear();
  for (int i = 0; i < Count; ++i) Add(items->Add(), i);
  FList->UpdateSelectorPanel();
  FList->SetItemIndex(ItemIndex);
  FList->OnItemSelect = std::move(OnSelect);
}

void TSelectorPopup::MoveTo(int Index) {
  if (FList == nullptr || Index < 0 || Index >= FList->Items()->Count()) return;
  Internal([&] {
    FList->SetItemIndex(Index);
    FList->ScrollItemInView(Index);
  });
}

void TSelectorPopup::Step(int Delta) {
  if (FList == nullptr) return;
  const int current = FList->ItemIndex();
  MoveTo(current < 0 ? 0 : current + Delta);
}

void TSelectorPopup::Page(bool Down) {
  if (FList == nullptr) return;
  const int visible = FList->GetVisibleItemCount();
  if (visible < 1) return;
  const int current = FList->ItemIndex();
  const int last = FList->Items()->Count() - 1;
  MoveTo(Down ? std::min(current + visible, last) : std::max(current - visible, 0));
}

bool TSelectorPopup::NavigationKey(uint16_t Key, bool DroppedDown, bool EditorEnabled, int RowStep,
                                   const TClosedMoves& Closed, const std::function<void()>& Refill) {
  auto closed = [](const std::function<void()>& Move) {
    if (Move) Move();
  };
  const bool open = DroppedDown && FList != nullptr;
  switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
      if (Refill) Refill();
      Page(Key == VK_NEXT);
      return true;
    case VK_HOME:
    case VK_END:
      if (open) Internal([&] { Key == VK_END ? FList->SelectLast() : FList->SelectFirst(); });
      else if (!Closed.HomeEndNeedNoEditor || !EditorEnabled) closed(Key == VK_END ? Closed.Last : Closed.First);
      return true;
    case VK_LEFT:
    case VK_RIGHT:
      if (open && !EditorEnabled)
        Internal([&] { Key == VK_RIGHT ? FList->SelectNext() : FList->SelectPrevious(); });
      return true;
    case VK_UP:
    case VK_DOWN:
      if (open) Step(Key == VK_DOWN ? RowStep : -RowStep);
      else closed(Key == VK_DOWN ? Closed.Next : Closed.Previous);
      return true;
    default: return false;
  }
}

void TSelectorPopup::HandleKey(uint16_t Key, bool DroppedDown, bool EditorEnabled, int RowStep,
                               const TClosedMoves& Closed, const std::function<void()>& Refill) {
  if (NavigationKey(Key, DroppedDown, EditorEnabled, RowStep, Closed, Refill)) return;
  if (GetKeyState(VK_CONTROL) >= 0) TypeAhead(Key, GetKeyState(VK_SHIFT) < 0);
}

void TSelectorPopup::TypeAhead(uint16_t Key, bool ShiftHeld) {
  const char c = TypeAheadChar(Key, ShiftHeld);
  if (c == 0 || FList == nullptr) return;
  FSearch += c;
  const std::string search = FSearch;
  Internal([&] { FList->LookupItem(search); });
  if (FSearchRestarts) FKeyTimer->SetEnabled(false);
  FKeyTimer->SetEnabled(true);
}

bool TSelectorPopup::SelectHot() {
  if (FList == nullptr || FList->ItemHot() < 0) return false;
  FList->SetItemIndex(FList->ItemHot());
  return true;
}

void TSelectorPopup::HotStep(bool Down) {
  if (FList != nullptr) Down ? FList->HotNext() : FList->HotPrevious();
}

void TSelectorPopup::SizeListToCells(int DropDownWidth, int DropDownHeight) {
  if (FList == nullptr) return;
  FList->SetAlign(alNone);
  const TSize cells = FList->GetPanelSize();
  if (DropDownWidth < 1) FList->SetWidth(cells.cx);
  if (DropDownHeight < 1) FList->SetHeight(cells.cy);
}

void TSelectorPopup::WidenForScrollBar(TControl* Popup) {
  if (FList != nullptr && Popup != nullptr && FList->VertScrollBar()->IsScrollBarVisible())
    Popup->SetWidth(Popup->Width() + GetSystemMetrics(SM_CXVSCROLL));
}
