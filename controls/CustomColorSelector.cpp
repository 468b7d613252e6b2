// The discrete colour selector: boxes, layout, selection, hot tracking and keys.

#include "controls/CustomColorSelector.h"

#include <algorithm>

#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"

void TColorBoxItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColorBoxItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetColor(s->FColor);
  FColorBoxPos = s->FColorBoxPos;
  FEnabled = s->FEnabled;
}

void TColorBoxItem::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed(false);
}

void TColorBoxAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColorBoxAppearance*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FBorderColor = s->FBorderColor;
  FOuterBorderColorHot = s->FOuterBorderColorHot;
  FInnerBorderColorHot = s->FInnerBorderColorHot;
  FOuterBorderColorSelected = s->FOuterBorderColorSelected;
  FInnerBorderColorSelected = s->FInnerBorderColorSelected;
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TExtCustomColorSelectorPanel(AOwner),
      FColorBoxAppearance(std::make_unique<TColorBoxAppearance>()),
      FItems(std::make_unique<TColorBoxItems>(this)) {
  SetParentColor(true);
  SetItemColorStyle(scOffice2007);
}

TCustomColorSelector::~TCustomColorSelector() = default;

void TCustomColorSelector::FillThemePalette() {
  static const uint32_t palette[6][10] = {
      {0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646},
      {0xF2F2F2, 0x7F7F7F, 0xDDD9C3, 0xC2CEDA, 0xDBE5F1, 0xF2DCDB, 0xEBF1DD, 0xE5E0EC, 0xDBEEF3, 0xFDEADA},
      {0xD8D8D8, 0x595959, 0xC4BD97, 0x8DB3E2, 0xB8CCE4, 0xE5B9B7, 0xD7E3BC, 0xCCC1D9, 0xB7DDE8, 0xFBD5B5},
      {0xBFBFBF, 0x3F3F3F, 0x938953, 0x548DD4, 0x95B3D7, 0xD99694, 0xC3D69B, 0xB2A2C7, 0x92CDDC, 0xFAC08F},
      {0xA5A5A5, 0x262626, 0x494429, 0x17365D, 0x366092, 0x953734, 0x76923C, 0x5F497A, 0x31859B, 0xE36C09},
      {0x7F7F7F, 0x0C0C0C, 0x1D1B10, 0x0F243E, 0x244061, 0x632423, 0x4F6128, 0x3F3151, 0x205867, 0x974806}};
  static const TItemPos rowPos[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
  FItems->Clear();
  for (int r = 0; r < 6; ++r)
    for (uint32_t rgb : palette[r]) {
      TColorBoxItem* it = FItems->Add();
      it->SetColor(RGB(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)));
      it->SetColorBoxPos(rowPos[r]);
    }
}

// ---- properties

void TCustomColorSelector::SetItemIndex(int Index) {
  // An index beyond the boxes is refused before anything changes.
  if (Index >= FItems->Count()) return;
  if (validIndex(Index) && !FItems->Items(Index)->Enabled()) return;
  if (FItemIndex >= 0 && FItemIndex != Index) {
    const int old = FItemIndex;
    FItemIndex = -1;
    InvalidateItem(old);
  }
  FItemIndex = std::max(Index, -1);
  if (FItemIndex < 0) return;
  FSelectedColor = FItems->Items(FItemIndex)->Color();
  drawNow(FItemIndex);
  if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::setItemHot(int Index) {
  if (Index == FItemHot) return;
  if (validIndex(Index) && !FItems->Items(Index)->Enabled()) return;
  if (FItemHot >= 0) {
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
  }
  FItemHot = Index;
  if (FItemHot >= 0) drawNow(FItemHot);
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
  if (Value == FSelectedColor) return;
  FSelectedColor = Value;
  if (Value == clNone) SetItemIndex(-1);
  int found = -1;
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Items(i)->Color() == Value) {
      found = i;
      break;
    }
  SetItemIndex(found);
}

void TCustomColorSelector::SetColumnGap(int Value) {
  if (Value == FColumnGap) return;
  FColumnGap = Value;
  UpdateItems();
}

void TCustomColorSelector::SetColumns(int Value) {
  if (Value == FColumns) return;
  FColumns = Value;
  UpdateItems();
}

void TCustomColorSelector::SetColorBoxHeight(int Value) {
  if (Value == FColorBoxHeight) return;
  FColorBoxHeight = Value;
  UpdateItems();
}

void TCustomColorSelector::SetColorBoxWidth(int Value) {
  if (Value == FColorBoxWidth) return;
  FColorBoxWidth = Value;
  UpdateItems();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
  if (Value == FItemColorStyle) return;
  FItemColorStyle = Value;
  if (Value == scCustom) return;
  TColorBoxAppearance& a = *FColorBoxAppearance;
  a.SetOuterBorderColorSelected(TColor(0x0000FF));
  a.SetInnerBorderColorSelected(TColor(0x94E2FF));
  a.SetOuterBorderColorHot(TColor(0x3694F2));
  a.SetInnerBorderColorHot(TColor(0x94E2FF));
  a.SetBorderColor(TColor(0xC5C5C5));
}

// ---- navigation

void TCustomColorSelector::SelectFirst() {
  if (FItems->Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast() {
  if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TCustomColorSelector::SelectNext() {
  if (FItemIndex + 1 < FItems->Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious() {
  if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext() {
  if (FItemHot + 1 < FItems->Count()) setItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious() {
  if (FItemHot - 1 >= 0) setItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(uint16_t Key, bool EditorEnabled, bool DroppedDown) {
  if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN) return;
  const bool arrowsMoveCaret = EditorEnabled && !DroppedDown;
  auto moveTo = [&](int step) {
    const int target = FItemIndex < 0 ? 0 : FItemIndex + step;
    if (target >= 0 && target < FItems->Count()) SetItemIndex(target);
  };
  switch (Key) {
    case VK_PRIOR: case VK_HOME: SelectFirst(); break;
    case VK_NEXT: case VK_END: SelectLast(); break;
    case VK_LEFT: if (!arrowsMoveCaret) SelectPrevious(); break;
    case VK_RIGHT: if (!arrowsMoveCaret) SelectNext(); break;
    case VK_UP: if (DroppedDown) moveTo(-FColumns); else SelectPrevious(); break;
    case VK_DOWN: if (DroppedDown) moveTo(FColumns); else SelectNext(); break;
    default: break;
  }
}

// ---- layout and hit test

void TCustomColorSelector::GetContentRect(TRect& R) const {
  R = TRect(FOffSetX, FOffSetY, ClientWidth() - FOffSetX, ClientHeight() - FOffSetY);
}

void TCustomColorSelector::GetItemSize(TPoint& Size) const { Size = {FColorBoxWidth, FColorBoxHeight}; }

void TCustomColorSelector::InvalidateItem(int Index) {
  if (validIndex(Index)) InvalidateRect(FItems->Items(Index)->Rect());
}

int TCustomColorSelector::ItemAtPos(TPoint P) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (PtInRect(FItems->Items(i)->Rect(), P)) return i;
  return -1;
}

void TCustomColorSelector::UpdateItems() {
  const int n = FItems->Count();
  if (n == 0) {
    SetHeight(50);
    SetWidth(100);
    return;
  }
  FItemHot = -1;
  TPoint size;
  GetItemSize(size);
  TRect content;
  GetContentRect(content);
  const int L = content.Left, T = content.Top, W = size.X, H = size.Y;
  int x = L, y = T, column = 0, maxX = 0;
  bool gapRow = false;
  for (int i = 0; i < n; ++i) {
    TColorBoxItem* it = FItems->Items(i);
    it->SetRect(TRect(x, y, x + W, y + H));
    ++column;
    if (i == n - 1) break;
    if (it->ColorBoxPos() == ipStandAlone) gapRow = true;
    if (column < FColumns) {
      x += W + FColumnGap;
    } else {
      maxX = std::max(maxX, x);
      x = L;
      y += H + (gapRow ? FColumnGap : 0);
      gapRow = false;
      column = 0;
    }
  }
  SetHeight(y + H + T);
  SetWidth(std::max(maxX, x) + W + L + 1);
}

// ---- painting

void TCustomColorSelector::drawNow(int Index) {
  if (Canvas()->Surface() == nullptr) InvalidateItem(Index);
  else DrawItem(Index, Canvas());
}

void TCustomColorSelector::DrawItem(int Index, TCanvas* C) {
  if (!validIndex(Index) || C == nullptr) return;
  const TColorBoxItem* it = FItems->Items(Index);
  TRect R = it->Rect();
  if (R.Left < 0 && R.Right < 0) return;
  const TColorBoxAppearance& a = *FColorBoxAppearance;
  TColor outer = a.BorderColor(), inner = clNone;
  bool framed = false;
  if (Index == FItemHot) outer = a.OuterBorderColorHot(), inner = a.InnerBorderColorHot(), framed = true;
  if (Index == FItemIndex) outer = a.OuterBorderColorSelected(), inner = a.InnerBorderColorSelected(), framed = true;
  if (it->Color() != clNone) {
    C->Brush()->SetStyle(bsSolid);
    C->Pen()->SetColor(it->Color());
    C->Brush()->SetColor(it->Color());
    C->Rectangle(R);
  }
  if (framed) {
    C->Brush()->SetStyle(bsClear);
    if (outer != clNone) {
      C->Pen()->SetColor(outer);
      C->Rectangle(R);
      InflateRect(R, -1, -1);
    }
    if (inner != clNone) {
      C->Pen()->SetColor(inner);
      C->Rectangle(R);
    }
    return;
  }
  C->Pen()->SetColor(a.BorderColor());
  const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  switch (it->ColorBoxPos()) {
    case ipStandAlone:
      C->MoveTo(l, b), C->LineTo(l, t), C->LineTo(r, t), C->LineTo(r, b), C->LineTo(l, b);
      break;
    case ipTop: C->MoveTo(l, b), C->LineTo(l, t), C->LineTo(r, t), C->LineTo(r, b); break;
    case ipMiddle: C->MoveTo(l, t), C->LineTo(l, b), C->MoveTo(r, t), C->LineTo(r, b); break;
    case ipBottom:
      C->MoveTo(l, t), C->LineTo(l, b), C->LineTo(r, b);
      C->MoveTo(r, t), C->LineTo(r, b + 1);
      break;
  }
}

void TCustomColorSelector::Paint() {
  TExtCustomColorSelectorPanel::Paint();
  for (int i = 0; i < FItems->Count(); ++i) DrawItem(i, Canvas());
}

// ---- mouse

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
  const int hit = ItemAtPos({X, Y});
  if (hit >= 0 && FItems->Items(hit)->Enabled()) SetItemIndex(hit);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
  TExtCustomColorSelectorPanel::MouseMove(Shift, X, Y);
  const int hit = ItemAtPos({X, Y});
  if (hit < 0) {
    if (FItemHot >= 0) setItemHot(-1);
  } else if (hit != FItemHot) {
    setItemHot(FItems->Items(hit)->Enabled() ? hit : -1);
  }
}

void TCustomColorSelector::CMMouseLeave(TCMControlMsg& Message) {
  TExtCustomColorSelectorPanel::CMMouseLeave(Message);
  if (FItemHot >= 0) setItemHot(-1);
}
