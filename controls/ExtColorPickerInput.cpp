// The colour picker drop-down: painting of the edit area, keys and wheel.

#include "controls/CustomColorSelector.h"
#include "controls/ExtColorPickerDropDown.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"

void TExtColorPickerDropDown::PaintFocusedEdit() {
  TExtSelectorDropDown::PaintFocusedEdit();
  paintSelectedColor();
}

void TExtColorPickerDropDown::paintSelectedColor() {
  TCanvas* c = Canvas();
  if (c == nullptr || c->Surface() == nullptr) return;
  TRect R(1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2);
  if (OnDrawSelectedColor) {
    OnDrawSelectedColor(this, c, R);
    return;
  }
  if (FSelectedColor == clNone) return;
  const int T = (Height() - FColorBoxHeight) / 2 + R.Top;
  const TRect swatch(R.Left + 4, T, R.Left + 4 + FColorBoxWidth, T + FColorBoxHeight);
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FSelectedColor);
  c->Rectangle(swatch);
  if (!FShowText) return;
  c->Font()->Assign(Font());
  const bool focused = Focused();
  if (!EditorEnabled() && focused) c->Font()->SetColor(clHighlightText);
  TRect text(swatch.Right + 4, R.Top, R.Right, R.Bottom);
  c->Brush()->SetColor(focused ? clHighlight : Color());
  c->DrawText(GetSelectedColorText(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void TExtColorPickerDropDown::WMKeyDown(TWMKey& Message) {
  const uint16_t key = uint16_t(Message.CharCode);
  bool returnHandled = false;
  if (Enabled() && DroppedDown() && key == VK_RETURN) {
    if (FColorSelectionStyle == csList) {
      returnHandled = FPopup.SelectHot();
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr && FColorSelector->ItemHot() >= 0) {
      FColorSelector->SetItemIndex(FColorSelector->ItemHot());
      returnHandled = true;
    }
  }
  TExtSelectorDropDown::WMKeyDown(Message);
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  if (FColorSelectionStyle == csList && ItemSelector() != nullptr) {
    if (key == VK_RETURN) {
      if (!returnHandled && OnSelect) OnSelect(this);
      return;
    }
    const TSelectorPopup::TClosedMoves closed{[this] { step(isFirst); }, [this] { step(isLast); },
                                              [this] { step(isPrevious); }, [this] { step(isNext); }, false};
    auto refill = [this] {
      if (ItemSelector()->Items()->Count() != FColors->Count()) fillList();
    };
    FPopup.HandleKey(key, DroppedDown(), EditorEnabled(), FColumns, closed, refill);
  }
  if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr) {
    const bool dropped = DroppedDown();
    FPopup.Internal([&] { FColorSelector->HandleKey(key, EditorEnabled(), dropped); });
    if (key == VK_RETURN && !returnHandled && OnSelect) OnSelect(this);
  }
}

void TExtColorPickerDropDown::step(TIndexStep Step) {
  const int target = SteppedIndex(Step, FItemIndex, FColors->Count());
  if (target >= 0) SetItemIndex(target);
}

// The list's wheel: the hot cell while open, the value itself while closed
// (the list may never have been filled).
void TExtColorPickerDropDown::wheel(bool Down) {
  if (!Enabled() || ReadOnly()) return;
  if (FColorSelectionStyle == csList && ItemSelector() != nullptr) {
    if (DroppedDown()) FPopup.HotStep(Down);
    else step(Down ? isNext : isPrevious);
  } else if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr) {
    if (DroppedDown()) Down ? FColorSelector->HotNext() : FColorSelector->HotPrevious();
    else FPopup.Internal([&] { Down ? FColorSelector->SelectNext() : FColorSelector->SelectPrevious(); });
  }
}

void TExtColorPickerDropDown::DoMouseWheelDown() {
  TExtSelectorDropDown::DoMouseWheelDown();
  wheel(true);
}

void TExtColorPickerDropDown::DoMouseWheelUp() {
  TExtSelectorDropDown::DoMouseWheelUp();
  wheel(false);
}
