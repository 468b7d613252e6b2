// The colour picker drop-down: painting of the edit area, keys and wheel.

#include "controls/CustomColorSelector.h"
#include "controls/ExtColorPickerDropDown.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"

void TExtColorPickerDropDown::PaintFocusedEdit() {
  TExtCustomDropDown::PaintFocusedEdit();
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
  if (Enabled() && DroppedDown() && key == VK_RETURN && FColorSelectionStyle == csDiscrete &&
      FColorSelector != nullptr && FColorSelector->ItemHot() >= 0) {
    FColorSelector->SetItemIndex(FColorSelector->ItemHot());
    returnHandled = true;
  }
  TExtCustomDropDown::WMKeyDown(Message);
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr) {
    const bool dropped = DroppedDown();
    internalCall([&] { FColorSelector->HandleKey(key, EditorEnabled(), dropped); });
    if (key == VK_RETURN && !returnHandled && OnSelect) OnSelect(this);
  }
}

void TExtColorPickerDropDown::DoMouseWheelDown() {
  TExtCustomDropDown::DoMouseWheelDown();
  if (!Enabled() || ReadOnly()) return;
  if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr) {
    if (DroppedDown()) FColorSelector->HotNext();
    else internalCall([&] { FColorSelector->SelectNext(); });
  }
}

void TExtColorPickerDropDown::DoMouseWheelUp() {
  TExtCustomDropDown::DoMouseWheelUp();
  if (!Enabled() || ReadOnly()) return;
  if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr) {
    if (DroppedDown()) FColorSelector->HotPrevious();
    else internalCall([&] { FColorSelector->SelectPrevious(); });
  }
}
