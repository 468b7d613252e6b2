// The item selector's panel: cell layout, painting, hot tracking and
// selection.

#include <algorithm>

#include "controls/ExtItemSelector.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

TExtCustomItemSelector* hostOf(TComponent* AOwner) {
  auto* host = dynamic_cast<TExtCustomItemSelector*>(AOwner);
  if (host == nullptr) throw Exception("Invalid parent");
  return host;
}

// Text of an HTML caption measured (Draw off) or drawn in R.
TSize htmlCaption(TCanvas* Canvas, const std::string& Text, const TRect& R, TImageList* Images, bool Draw) {
  TSize size{};
  DrawHTMLCaption(Canvas, Text, R, Images, Draw, nullptr, size);
  return size;
}

}  // namespace

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner)
    : TCustomControl(hostOf(AOwner)), FExtItemSelector(hostOf(AOwner)) {
  SetParentColor(true);
}

int TCustomItemSelector::Columns() const { return FExtItemSelector->Columns(); }
TSelectorItems* TCustomItemSelector::Items() const { return FExtItemSelector->Items(); }
TSelectorType TCustomItemSelector::SelectorType() const { return FExtItemSelector->SelectorType(); }
TItemLayout TCustomItemSelector::ItemLayout() const { return FExtItemSelector->ItemLayout(); }
TImageList* TCustomItemSelector::Images() const { return FExtItemSelector->Images(); }
TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const {
  return FExtItemSelector->ItemAppearance()->ColorStyle();
}
int TCustomItemSelector::ColorBoxHeight() const { return FExtItemSelector->ColorBoxHeight(); }
int TCustomItemSelector::ColorBoxWidth() const { return FExtItemSelector->ColorBoxWidth(); }

bool TCustomItemSelector::validIndex(int Index) const { return Index >= 0 && Index < Items()->Count(); }
bool TCustomItemSelector::disabledItem(int Index) const {
  return validIndex(Index) && !Items()->Items(Index)->Enabled();
}

// ---- selection and hot cell

void TCustomItemSelector::SetItemIndex(int Value) {
  Value = std::max(Value, -1);  // any index below -1 means no selection
  if (disabledItem(Value)) return;
  if (FItemIndex >= 0 && FItemIndex != Value) {
    const int old = FItemIndex;
    FItemIndex = -1;
    InvalidateItem(old);
  }
  FItemIndex = Value;
  if (Value < 0) return;
  InvalidateItem(Value);
  // Also for the same index again: the pickers close their popup on it.
  if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int Index) {
  Index = std::max(Index, -1);
  if (Index == FItemHot || disabledItem(Index)) return;
  if (FItemHot >= 0) {
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
  }
  FItemHot = Index;
  if (Index >= 0) InvalidateItem(Index);
}

void TCustomItemSelector::SelectFirst() {
  if (Items()->Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
  if (Items()->Count() > 0) SetItemIndex(Items()->Count() - 1);
}

void TCustomItemSelector::SelectNext() {
  if (Items()->Count() == 0) return;
  const int target = FItemIndex < 0 ? 0 : FItemIndex + 1;
  if (target < Items()->Count()) SetItemIndex(target);
}

void TCustomItemSelector::SelectPrevious() {
  if (Items()->Count() == 0) return;
  const int target = FItemIndex < 0 ? 0 : FItemIndex - 1;
  if (target >= 0) SetItemIndex(target);
}

void TCustomItemSelector::HotNext() {
  if (Items()->Count() == 0) return;
  const int target = FItemHot < 0 ? 0 : FItemHot + 1;
  if (target < Items()->Count()) SetItemHot(target);
}

void TCustomItemSelector::HotPrevious() {
  if (Items()->Count() == 0) return;
  const int target = FItemHot < 0 ? 0 : FItemHot - 1;
  if (target >= 0) SetItemHot(target);
}

bool TCustomItemSelector::LookupItem(const std::string& Text) {
  if (Text.empty()) return false;
  for (int i = 0; i < Items()->Count(); ++i) {
    const std::string caption = UpperCaseUnless(Trim(StripHTMLTags(Items()->Items(i)->Caption())), false);
    if (caption.starts_with(Text)) {
      SetItemIndex(i);
      return true;
    }
  }
  return false;
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
  for (int i = 0; i < Items()->Count(); ++i)
    if (Items()->Items(i)->Rect().Contains({X, Y})) return i;
  return -1;
}

TRect TCustomItemSelector::GetItemRect(int Index) const {
  if (!validIndex(Index)) return Rect(-1, -1, -1, -1);
  return Items()->Items(Index)->Rect();
}

void TCustomItemSelector::InvalidateItem(int Index) {
  if (validIndex(Index)) InvalidateRect(Items()->Items(Index)->Rect());
}

void TCustomItemSelector::GetContentRect(TRect& R) {
  R = ClientRect();
  InflateRect(R, -OffSetX, -OffSetY);
}

// ---- mouse

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  if (validIndex(i) && Items()->Items(i)->Enabled()) SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  if (i >= 0 && i != FItemHot) {
    SetItemHot(Items()->Items(i)->Enabled() ? i : -1);
    SetHint(Items()->Items(i)->Hint());
    // The new cell's hint shows after the usual pause, not the old one's.
    if (Application != nullptr) Application->CancelHint();
  } else if (i < 0 && FItemHot >= 0) {
    SetItemHot(-1);
  }
}

void TCustomItemSelector::CMMouseLeave(TCMControlMsg& Message) {
  TCustomControl::CMMouseLeave(Message);
  if (FItemHot >= 0) SetItemHot(-1);
}

// ---- layout

void TCustomItemSelector::GetItemSize(TSize& Size) {
  if (FExtItemSelector->OnItemSize) {
    FExtItemSelector->OnItemSize(this, Size);
    return;
  }
  int w = 0, h = 0, cw = 0, ch = 0;
  if (SelectorType() == stColor) w = ColorBoxWidth(), h = ColorBoxHeight();
  Canvas()->Font()->Assign(FExtItemSelector->ItemAppearance()->Font());
  for (int i = 0; i < Items()->Count(); ++i) {
    const TSelectorItem* item = Items()->Items(i);
    if (SelectorType() == stImage) {
      const TSize content = contentSize(item);
      w = std::max(w, content.cx);
      h = std::max(h, content.cy);
    }
    const TSize text = htmlCaption(Canvas(), item->Caption(), Rect(0, 0, 1000, 500), Images(), false);
    cw = std::max(cw, text.cx);
    ch = std::max(ch, text.cy);
  }
  if (cw > 0) cw += 4;
  if (ItemLayout() == ilCaptionLeft || ItemLayout() == ilCaptionRight) {
    Size.cx = 2 * ItemOffSetX + (w > 0 ? w : 0) + (w > 0 && cw > 0 ? CaptionGap : 0) + cw;
    Size.cy = std::max(ch, h) + 2 * ItemOffSetY;
  } else {
    Size.cx = std::max(cw, w) + 2 * ItemOffSetX;
    Size.cy = 2 * ItemOffSetY + (h > 0 ? h : 0) + (h > 0 && ch >= 1 ? CaptionGap : 0) + (ch >= 1 ? ch : 0);
  }
}

void TCustomItemSelector::UpdateItems() {
  if (Items()->Count() == 0) {
    SetBounds(Left(), Top(), 100, 50);
    return;
  }
  FItemHot = -1;
  TSize size{};
  GetItemSize(size);
  TRect content{};
  GetContentRect(content);
  const int left = content.Left, top = content.Top;
  int x = left, y = top, column = 0, maxX = 0;
  const int last = Items()->Count() - 1;
  for (int i = 0; i <= last; ++i) {
    Items()->Items(i)->SetRect(Rect(x, y, x + size.cx, y + size.cy));
    ++column;
    if (i == last) break;
    if (column >= Columns()) {
      maxX = std::max(maxX, x);
      x = left, y += size.cy, column = 0;
    } else {
      x += size.cx;
    }
  }
  maxX = std::max(maxX, x);
  SetBounds(Left(), Top(), maxX + size.cx + left, y + size.cy + top);
  Invalidate();
}

// ---- painting

void TCustomItemSelector::Paint() {
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  for (int i = 0; i < Items()->Count(); ++i) DrawItem(i, Canvas());
}

TSize TCustomItemSelector::contentSize(const TSelectorItem* Item) const {
  if (SelectorType() == stColor) return {ColorBoxWidth(), ColorBoxHeight()};
  if (Item->Image()->Graphic() != nullptr && !Item->Image()->Graphic()->Empty())
    return {Item->Image()->Width(), Item->Image()->Height()};
  if (Images() != nullptr && Item->ImageIndex() >= 0) return {Images()->Width(), Images()->Height()};
  return {0, 0};
}

void TCustomItemSelector::drawContentAt(const TSelectorItem* Item, TCanvas* ACanvas, int X, int Y) {
  if (SelectorType() == stColor) {
    ACanvas->Pen()->SetColor(clBlack);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Item->Color());
    ACanvas->Rectangle(X, Y, X + ColorBoxWidth(), Y + ColorBoxHeight());
  } else if (Item->Image()->Graphic() != nullptr && !Item->Image()->Graphic()->Empty()) {
    ACanvas->Draw(X, Y, Item->Image()->Graphic());
  } else if (Images() != nullptr && Item->ImageIndex() >= 0) {
    Images()->Draw(ACanvas, X, Y, Item->ImageIndex(), Item->Enabled());
  }
}

void TCustomItemSelector::drawFace(int Index, TCanvas* ACanvas, const TRect& R) {
  const TItemAppearance& a = *FExtItemSelector->ItemAppearance();
  TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
  TColor from = clNone, to = clNone, mirror = clNone, mirrorTo = clNone;
  auto take = [&](TColor f, TColor t, TColor m, TColor mt, TColor b) {
    from = f, to = t, mirror = m, mirrorTo = mt;
    if (b != clNone) border = b, top = clNone, bottom = clNone, edge = clNone;
  };
  const bool hot = Index == FItemHot, selected = Index == FItemIndex;
  if (hot) take(a.ColorHot, a.ColorHotTo, a.ColorMirrorHot, a.ColorMirrorHotTo, a.BorderColorHot);
  // Selection wins over hot.
  if (selected)
    take(a.ColorSelected, a.ColorSelectedTo, a.ColorMirrorSelected, a.ColorMirrorSelectedTo, a.BorderColorSelected);
  if (!hot && !selected) {
    FillRectColor(ACanvas, R, Color());
  } else if (top == clNone) {
    DrawGradientBox(ACanvas, R, from, to, border, 1, gdVertical);
  } else {
    DrawRoundedGradientFace(ACanvas, from, to, mirror, mirrorTo, top, bottom, border, edge, Color(), R, 0);
  }
}

void TCustomItemSelector::DrawItem(int Index, TCanvas* ACanvas) {
  if (!validIndex(Index) || ACanvas == nullptr) return;
  const TRect r = Items()->Items(Index)->Rect();
  if (r.Left < 0 && r.Right < 0) return;
  drawFace(Index, ACanvas, r);
  if (FExtItemSelector->OnDrawItem) {
    FExtItemSelector->OnDrawItem(this, ACanvas, r, Index);
    return;
  }
  drawContent(Index, ACanvas, r);
}

void TCustomItemSelector::drawContent(int Index, TCanvas* ACanvas, const TRect& R) {
  const TSelectorItem* item = Items()->Items(Index);
  const TItemAppearance& a = *FExtItemSelector->ItemAppearance();
  const TSize content = contentSize(item);
  const int w = content.cx, h = content.cy;
  TRect inner = R;
  InflateRect(inner, -ItemOffSetX, -ItemOffSetY);
  TRect caption = inner;
  ACanvas->Font()->Assign(a.Font());
  if (Index == FItemHot) ACanvas->Font()->SetColor(a.ColorHotText);
  if (Index == FItemIndex) ACanvas->Font()->SetColor(a.ColorSelectedText);
  ACanvas->Brush()->SetStyle(bsClear);
  const std::string& text = item->Caption();
  auto centred = [&](TRect c) {
    const TSize size = htmlCaption(ACanvas, text, c, Images(), false);
    if (size.cy < c.Height()) c.Top += (c.Height() - size.cy) / 2;
    return htmlCaption(ACanvas, text, c, Images(), true);
  };
  // A colour box sits at the top; pictures are centred vertically.
  auto sideY = [&] { return SelectorType() == stColor ? inner.Top : inner.Top + (inner.Height() - h) / 2; };
  switch (ItemLayout()) {
    case ilCaptionLeft: {
      int left = inner.Left;
      if (!text.empty()) {
        caption.Right -= w;
        left = caption.Left + centred(caption).cx + CaptionGap;
      }
      drawContentAt(item, ACanvas, left, sideY());
      break;
    }
    case ilCaptionRight:
      drawContentAt(item, ACanvas, inner.Left, sideY());
      if (w > 0) caption.Left = inner.Left + w + CaptionGap;
      if (!text.empty()) centred(caption);
      break;
    case ilCaptionTop: {
      int top = inner.Top + (inner.Height() - h) / 2;
      if (!text.empty()) {
        caption.Bottom -= h;
        top = caption.Top + htmlCaption(ACanvas, text, caption, Images(), true).cy + CaptionGap;
      }
      drawContentAt(item, ACanvas, inner.Left + (inner.Width() - w) / 2, top);
      break;
    }
    case ilCaptionBottom: {
      const int top = text.empty() ? inner.Top + (inner.Height() - h) / 2 : inner.Top;
      drawContentAt(item, ACanvas, inner.Left + (inner.Width() - w) / 2, top);
      if (w > 0 || h > 0) caption.Top = top + h + CaptionGap;
      if (!text.empty()) htmlCaption(ACanvas, text, caption, Images(), true);
      break;
    }
  }
}
