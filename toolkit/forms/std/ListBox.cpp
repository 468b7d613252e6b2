#include "toolkit/forms/std/ListBox.h"

#include "platform/kernel/Clock.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Exceptions.h"

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TStringList>()) {
  SetControlStyle({csSetCaption, csDoubleClicks, csCaptureMouse});
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  items_->OnChange = [this](TObject*) { ItemsChanged(); };
  scroll_.Scroll = [this](int, int pos) { SetTopIndex(pos); };
}

TCustomListBox::~TCustomListBox() { items_->OnChange = nullptr; }

void TCustomListBox::ItemsChanged() {
  selected_.resize(items_->Count(), false);
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
  SetTopIndex(topIndex_);
  Invalidate();
}

int TCustomListBox::ItemHeight() {
  if (itemHeight_ > 0 && style_ != lbStandard) return itemHeight_;
  Canvas()->Font()->Assign(Font());
  int h = Canvas()->TextHeight("Wg");
  return style_ == lbStandard ? h : std::max(itemHeight_, h);
}

int TCustomListBox::ItemHeightOf(int Index) {
  int h = ItemHeight();
  if (style_ == lbOwnerDrawVariable && OnMeasureItem) OnMeasureItem(this, Index, h);
  return std::max(1, h);
}

TRect TCustomListBox::ListRect() {
  TRect r = ClientRect();
  if (borderStyle_ == bsSingle) InflateRect(r, -2, -2);
  if (scroll_.Visible) r.Right -= TInnerScrollBar::DefaultThickness;
  return r;
}

int TCustomListBox::VisibleCount() {
  TRect r = ListRect();
  int n = 0, y = r.Top;
  for (int i = topIndex_; i < Count(); ++i) {
    y += ItemHeightOf(i);
    if (y > r.Bottom) break;
    ++n;
  }
  return std::max(1, n > 0 ? n : r.Height() / std::max(1, ItemHeight()));
}

void TCustomListBox::updateScrollBar() {
  TRect r = ClientRect();
  if (borderStyle_ == bsSingle) InflateRect(r, -2, -2);
  scroll_.Visible = false;
  int visible = VisibleCount();
  scroll_.Visible = Count() > visible;
  if (scroll_.Visible) visible = VisibleCount();
  scroll_.Bounds = Rect(r.Right - TInnerScrollBar::DefaultThickness, r.Top, r.Right, r.Bottom);
  scroll_.SetRange(0, std::max(0, Count() - 1));
  scroll_.SetPage(visible);
  scroll_.SetPosition(topIndex_);
}

void TCustomListBox::SetTopIndex(int v) {
  int visible = VisibleCount();
  topIndex_ = std::clamp(v, 0, std::max(0, Count() - visible));
  updateScrollBar();
  Invalidate();
}

void TCustomListBox::MakeVisible(int Index) {
  if (Index < 0) return;
  if (Index < topIndex_) SetTopIndex(Index);
  else if (Index >= topIndex_ + VisibleCount()) SetTopIndex(Index - VisibleCount() + 1);
}

void TCustomListBox::SetItemIndex(int v) {
  v = NormalizeItemIndex(v, Count());
  if (!multiSelect_) {
    std::fill(selected_.begin(), selected_.end(), false);
    if (v >= 0) selected_[v] = true;
  }
  itemIndex_ = v;
  anchor_ = v;
  MakeVisible(v);
  Invalidate();
}

void TCustomListBox::SetMultiSelect(bool v) {
  multiSelect_ = v;
  Invalidate();
}

bool TCustomListBox::Selected(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return multiSelect_ ? static_cast<bool>(selected_[Index]) : Index == itemIndex_;
}

void TCustomListBox::SetSelected(int Index, bool v) {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  if (!multiSelect_) {
    if (v) SetItemIndex(Index); else if (Index == itemIndex_) SetItemIndex(-1);
    return;
  }
  selected_[Index] = v;
  Invalidate();
}

int TCustomListBox::SelCount() const {
  if (!multiSelect_) return -1;
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TCustomListBox::ClearSelection() {
  std::fill(selected_.begin(), selected_.end(), false);
  if (!multiSelect_) itemIndex_ = -1;
  Invalidate();
}

void TCustomListBox::SelectAll() {
  if (!multiSelect_) return;
  std::fill(selected_.begin(), selected_.end(), true);
  Invalidate();
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) {
  TRect r = ListRect();
  if (Pos.X < r.Left || Pos.X >= r.Right || Pos.Y < r.Top) return Existing ? -1 : Count();
  int y = r.Top;
  for (int i = topIndex_; i < Count(); ++i) {
    int h = ItemHeightOf(i);
    if (Pos.Y < y + h) return i;
    y += h;
  }
  return Existing ? -1 : Count();
}

TRect TCustomListBox::ItemRect(int Index) {
  TRect r = ListRect();
  if (Index < topIndex_ || Index > Count()) return {};
  int y = r.Top;
  for (int i = topIndex_; i < Index; ++i) y += ItemHeightOf(i);
  int h = Index < Count() ? ItemHeightOf(Index) : ItemHeight();
  return Rect(r.Left, y, r.Right, y + h);
}

void TCustomListBox::notify(uint16_t code) {
  reflected_ = false;
  if (Parent() != nullptr && Parent()->HandleAllocated() && HandleAllocated())
    SendMessage(Parent()->Handle(), WM_COMMAND, MakeWParam(0, code), static_cast<LPARAM>(FromHWND(Handle())));
  if (reflected_) return;
  if (code == LBN_SELCHANGE) Click();
  if (code == LBN_DBLCLK) DblClick();
}

void TCustomListBox::UserSelect(int Index, TShiftState Shift) {
  if (Index < 0 || Index >= Count()) return;
  int before = itemIndex_;
  std::vector<bool> beforeSel = selected_;
  if (multiSelect_ && extendedSelect_ && Shift.Contains(ssShift) && anchor_ >= 0) {
    if (!Shift.Contains(ssCtrl)) std::fill(selected_.begin(), selected_.end(), false);
    for (int i = std::min(anchor_, Index); i <= std::max(anchor_, Index); ++i) selected_[i] = true;
    itemIndex_ = Index;
  } else if (multiSelect_ && (!extendedSelect_ || Shift.Contains(ssCtrl))) {
    selected_[Index] = !selected_[Index];
    itemIndex_ = anchor_ = Index;
  } else if (multiSelect_) {
    std::fill(selected_.begin(), selected_.end(), false);
    selected_[Index] = true;
    itemIndex_ = anchor_ = Index;
  } else {
    SetItemIndex(Index);
  }
  MakeVisible(Index);
  Invalidate();
  if (itemIndex_ != before || selected_ != beforeSel) notify(LBN_SELCHANGE);
}

void TCustomListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  int target = -1, cur = std::max(itemIndex_, 0);
  switch (Key) {
    case VK_UP: target = itemIndex_ < 0 ? 0 : cur - 1; break;
    case VK_DOWN: target = itemIndex_ < 0 ? 0 : cur + 1; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = Count() - 1; break;
    case VK_PRIOR: target = cur - (VisibleCount() - 1); break;
    case VK_NEXT: target = cur + (VisibleCount() - 1); break;
    case VK_SPACE:
      if (multiSelect_ && itemIndex_ >= 0) { UserSelect(itemIndex_, {ssCtrl}); Key = 0; }
      return;
    default: return;
  }
  if (Count() == 0) return;
  target = std::clamp(target, 0, Count() - 1);
  // Ctrl moves the focus in an extended list without selecting.
  if (multiSelect_ && Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
    itemIndex_ = target;
    MakeVisible(target);
    Invalidate();
  } else {
    UserSelect(target, Shift - TShiftState{ssCtrl});
  }
  Key = 0;
}

void TCustomListBox::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (static_cast<unsigned char>(Key) < 32) return;
  TItemAccessor at = [this](int i) { return items_->Get(i); };
  int found = typeAhead_.KeyPress(Key, platform::CurrentClock().TickCount(), Count(), at, itemIndex_);
  if (found >= 0) UserSelect(found);
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (scroll_.Visible && scroll_.MouseDown({X, Y})) { Invalidate(); return; }
  if (!hotTrack_ && !Focused() && CanFocus()) SetFocus();
  int i = ItemAtPos({X, Y}, true);
  if (i < 0) return;
  if (Shift.Contains(ssDouble)) {
    notify(LBN_DBLCLK);
    return;
  }
  selecting_ = true;
  UserSelect(i, Shift);
  ItemClicked(i, {X, Y});
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (scroll_.Tracking()) { scroll_.MouseMove({X, Y}); return; }
  int i = ItemAtPos({X, Y}, true);
  if (hotTrack_ && i >= 0 && i != itemIndex_) { SetItemIndex(i); return; }
  if (selecting_ && !multiSelect_ && i >= 0 && i != itemIndex_) UserSelect(i);
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (scroll_.Tracking()) { scroll_.MouseUp({X, Y}); Invalidate(); return; }
  bool was = selecting_;
  selecting_ = false;
  int i = ItemAtPos({X, Y}, true);
  if (Button == mbLeft && (was || hotTrack_) && i >= 0 && OnItemChosen) OnItemChosen(i);
}

bool TCustomListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  SetTopIndex(topIndex_ - WheelDelta / WHEEL_DELTA * 3);
  return true;
}

void TCustomListBox::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TCustomListBox::WMSetFocus(TWMSetFocus& Message) {
  focused_ = true;
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TCustomListBox::WMKillFocus(TWMKillFocus& Message) {
  focused_ = false;
  selecting_ = false;
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}

void TCustomListBox::DrawItem(int Index, TRect R, TOwnerDrawState State) {
  if (style_ != lbStandard && OnDrawItem) {
    OnDrawItem(this, Index, R, State);
    return;
  }
  TCanvas* c = Canvas();
  c->FillRect(R);
  R.Left += 2;
  uint32_t flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS;
  c->Brush()->SetStyle(bsClear);
  std::string text = items_->Get(Index);
  if (tabWidth_ <= 0 || text.find('\t') == std::string::npos) {
    c->DrawText(text, R, flags);
    return;
  }
  // TabWidth counts dialog units: four to an average character.
  int stop = std::max(1, tabWidth_ * c->TextWidth("x") / 4);
  int x = R.Left;
  size_t start = 0;
  while (true) {
    size_t tab = text.find('\t', start);
    TRect cell = Rect(x, R.Top, R.Right, R.Bottom);
    c->DrawText(text.substr(start, tab == std::string::npos ? std::string::npos : tab - start), cell, flags);
    if (tab == std::string::npos) break;
    int used = x - R.Left + c->TextWidth(text.substr(start, tab - start));
    x = R.Left + (used / stop + 1) * stop;
    start = tab + 1;
  }
}

void TCustomListBox::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  if (borderStyle_ == bsSingle) DrawFieldFrame(c, r, Enabled(), focused_);
  updateScrollBar();
  TRect list = ListRect();
  c->SaveDC();
  c->IntersectClipRect(list.Left, list.Top, list.Right, list.Bottom);
  for (int i = topIndex_; i < Count(); ++i) {
    TRect ir = ItemRect(i);
    if (ir.Top >= list.Bottom) break;
    bool sel = multiSelect_ ? static_cast<bool>(selected_[i]) : i == itemIndex_;
    TOwnerDrawState state;
    if (sel) state.Include(odSelected);
    if (!Enabled()) state.Include(odDisabled);
    if (focused_ && i == itemIndex_) state.Include(odFocused);
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(sel ? clHighlight : Color());
    if (sel) c->Font()->SetColor(clHighlightText);
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    DrawItem(i, ir, state);
    if (focused_ && i == itemIndex_ && (multiSelect_ || !sel)) DrawFocusFrame(c, ir);
  }
  c->RestoreDC(-1);
  scroll_.Paint(c);
}

void TCustomListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    reflected_ = true;
    uint16_t code = TWMCommand(Message).NotifyCode;
    if (code == LBN_SELCHANGE) Click();
    if (code == LBN_DBLCLK) DblClick();
    return;
  }
  if (Message.Msg >= LB_ADDSTRING && Message.Msg <= LB_ITEMFROMPOINT) {
    handleListMessage(Message);
    return;
  }
  if (Message.Msg == CM_FONTCHANGED || Message.Msg == CM_ENABLEDCHANGED) Invalidate();
  TCustomControl::Dispatch(Message);
}

void TCustomListBox::handleListMessage(TMessage& m) {
  int w = static_cast<int>(static_cast<intptr_t>(m.WParam));
  auto text = [&] { return std::string(m.LParam ? reinterpret_cast<const char*>(m.LParam) : ""); };
  auto valid = [&](int i) { return i >= 0 && i < Count(); };
  TItemAccessor at = [this](int i) { return items_->Get(i); };
  switch (m.Msg) {
    case LB_ADDSTRING: m.Result = items_->Add(text()); break;
    case LB_INSERTSTRING:
      if (w < -1 || w > Count()) { m.Result = LB_ERR; break; }
      items_->Insert(w < 0 ? Count() : w, text());
      m.Result = w < 0 ? Count() - 1 : w;
      break;
    case LB_DELETESTRING:
      if (!valid(w)) { m.Result = LB_ERR; break; }
      items_->Delete(w);
      m.Result = Count();
      break;
    case LB_RESETCONTENT: items_->Clear(); break;
    case LB_GETCOUNT: m.Result = Count(); break;
    case LB_GETCURSEL: m.Result = itemIndex_; break;
    case LB_SETCURSEL: SetItemIndex(w); m.Result = valid(w) ? w : LB_ERR; break;
    case LB_GETTEXTLEN: m.Result = valid(w) ? static_cast<LRESULT>(items_->Get(w).size()) : LB_ERR; break;
    case LB_GETTEXT: {
      if (!valid(w)) { m.Result = LB_ERR; break; }
      std::string s = items_->Get(w);
      char* out = reinterpret_cast<char*>(m.LParam);
      if (out != nullptr) { s.copy(out, s.size()); out[s.size()] = 0; }
      m.Result = static_cast<LRESULT>(s.size());
      break;
    }
    case LB_GETTOPINDEX: m.Result = topIndex_; break;
    case LB_SETTOPINDEX: SetTopIndex(w); break;
    case LB_GETITEMHEIGHT: m.Result = ItemHeightOf(std::max(0, w)); break;
    case LB_SETITEMHEIGHT: SetItemHeight(static_cast<int>(m.LParam)); break;
    case LB_GETITEMRECT:
      if (m.LParam != 0) *reinterpret_cast<TRect*>(m.LParam) = ItemRect(w);
      m.Result = valid(w) ? 1 : LB_ERR;
      break;
    case LB_ITEMFROMPOINT: {
      TPoint p{static_cast<int16_t>(m.LParamLo()), static_cast<int16_t>(m.LParamHi())};
      int i = ItemAtPos(p, true);
      m.Result = i < 0 ? MakeLParam(std::max(0, Count() - 1), 1) : MakeLParam(i, 0);
      break;
    }
    case LB_GETSEL: m.Result = valid(w) ? Selected(w) : LB_ERR; break;
    case LB_SETSEL: {
      int i = static_cast<int>(m.LParam);
      if (i == -1) { if (w) SelectAll(); else ClearSelection(); }
      else if (valid(i)) SetSelected(i, w != 0);
      break;
    }
    case LB_GETSELCOUNT: m.Result = multiSelect_ ? SelCount() : LB_ERR; break;
    case LB_FINDSTRING: m.Result = FindItemPrefix(Count(), at, text(), w + 1); break;
    case LB_FINDSTRINGEXACT: m.Result = FindItemExact(Count(), at, text()); break;
    case LB_SELECTSTRING: {
      int i = FindItemPrefix(Count(), at, text(), w + 1);
      if (i >= 0) SetItemIndex(i);
      m.Result = i < 0 ? LB_ERR : i;
      break;
    }
    case LB_GETITEMDATA: m.Result = valid(w) ? reinterpret_cast<LRESULT>(items_->Objects(w)) : LB_ERR; break;
    case LB_SETITEMDATA:
      if (valid(w)) items_->SetObjects(w, reinterpret_cast<TObject*>(m.LParam));
      break;
    case LB_GETCARETINDEX: m.Result = itemIndex_; break;
    case LB_GETANCHORINDEX: m.Result = anchor_; break;
    default: TCustomControl::Dispatch(m); break;
  }
}
