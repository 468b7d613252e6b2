#include "toolkit/forms/std/Menus.h"

#include <algorithm>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"

namespace {

TPopupMenu* g_active = nullptr;

std::string KeyName(uint16_t key) {
  if (key >= 'A' && key <= 'Z') return std::string(1, static_cast<char>(key));
  if (key >= '0' && key <= '9') return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F12) return std::string("F").append(std::to_string(key - VK_F1 + 1));
  switch (key) {
    case VK_DELETE: return "Del";
    case VK_INSERT: return "Ins";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_HOME: return "Home";
    case VK_END: return "End";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_LEFT: return "Left";
    case VK_RIGHT: return "Right";
    case VK_UP: return "Up";
    case VK_DOWN: return "Down";
    default: return {};
  }
}

// The list of items inside the popup window.
class TMenuView : public TCustomControl {
public:
  TMenuView(TComponent* AOwner, TMenuItem* Root) : TCustomControl(AOwner), root_(Root) {
    SetControlStyle({csCaptureMouse});
    SetTabStop(true);
    SetColor(clMenu);
  }
  TMenuItem* Chosen = nullptr;
  int Hot = -1;

  std::vector<TMenuItem*> Shown() const {
    std::vector<TMenuItem*> v;
    for (int i = 0; i < root_->Count(); ++i)
      if (root_->Items(i)->Visible()) v.push_back(root_->Items(i));
    return v;
  }
  int RowHeight(TMenuItem* item) {
    Canvas()->Font()->Assign(Font());
    return item->IsLine() ? 8 : Canvas()->TextHeight("Wg") + 6;
  }
  TRect RowRect(int index) {
    auto items = Shown();
    int y = 2;
    for (int i = 0; i < index; ++i) y += RowHeight(items[i]);
    return Rect(2, y, Width() - 2, y + RowHeight(items[index]));
  }
  TSize Needed() {
    Canvas()->Font()->Assign(Font());
    int w = 80, h = 4;
    for (TMenuItem* it : Shown()) {
      std::string sc = ShortCutToText(it->ShortCut());
      w = std::max(w, 24 + Canvas()->TextWidth(StripHotkey(it->Caption())) + (sc.empty() ? 0 : 24 + Canvas()->TextWidth(sc)) + 16);
      h += RowHeight(it);
    }
    return {w, h};
  }
  int RowAt(TPoint p) {
    auto items = Shown();
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
      if (PtInRect(RowRect(i), p)) return i;
    return -1;
  }
  bool Selectable(int i) {
    auto items = Shown();
    return i >= 0 && i < static_cast<int>(items.size()) && !items[i]->IsLine() && items[i]->Enabled();
  }
  void Choose(int i) {
    if (!Selectable(i)) return;
    Chosen = Shown()[i];
    if (auto* f = dynamic_cast<TCustomForm*>(Parent())) f->SetModalResult(mrOk);
  }
  void MoveHot(int delta) {
    int n = static_cast<int>(Shown().size());
    for (int k = 1; k <= n; ++k) {
      int i = ((Hot < 0 ? (delta > 0 ? -1 : n) : Hot) + delta * k + n * 4) % n;
      if (Selectable(i)) { Hot = i; Invalidate(); return; }
    }
  }

protected:
  void Paint() override {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clMenu);
    c->FillRect(r);
    c->DrawEdge(r, EDGE_RAISED, BF_RECT);
    auto items = Shown();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      TMenuItem* it = items[i];
      TRect row = RowRect(i);
      if (it->IsLine()) {
        TRect line = Rect(row.Left + 2, row.Top + 3, row.Right - 2, row.Top + 5);
        c->DrawEdge(line, EDGE_ETCHED, BF_TOP);
        continue;
      }
      bool hot = i == Hot && it->Enabled();
      c->Brush()->SetColor(hot ? clHighlight : clMenu);
      c->FillRect(row);
      c->Font()->SetColor(!it->Enabled() ? clGrayText : hot ? clHighlightText : clMenuText);
      if (it->Checked()) {
        TRect mark = Rect(row.Left + 4, row.Top + 2, row.Left + 18, row.Bottom - 2);
        c->Brush()->SetStyle(bsClear);
        c->DrawText(it->RadioItem() ? "\xE2\x80\xA2" : "\xE2\x9C\x93", mark, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
      }
      TRect text = Rect(row.Left + 22, row.Top, row.Right - 8, row.Bottom);
      c->Brush()->SetStyle(bsClear);
      c->DrawText(it->Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
      std::string sc = ShortCutToText(it->ShortCut());
      if (!sc.empty()) c->DrawText(sc, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
  }
  void MouseMove(TShiftState Shift, int X, int Y) override {
    TCustomControl::MouseMove(Shift, X, Y);
    int i = RowAt({X, Y});
    if (i != Hot) { Hot = i; Invalidate(); }
  }
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft || Button == mbRight) Choose(RowAt({X, Y}));
  }
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
      case VK_DOWN: MoveHot(1); break;
      case VK_UP: MoveHot(-1); break;
      case VK_RETURN: Choose(Hot); break;
      case VK_ESCAPE:
        if (auto* f = dynamic_cast<TCustomForm*>(Parent())) f->SetModalResult(mrCancel);
        break;
      default: return;
    }
    Key = 0;
  }
  void KeyPress(char& Key) override {
    TCustomControl::KeyPress(Key);
    auto items = Shown();
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
      if (Selectable(i) && IsAccel(static_cast<unsigned char>(Key), items[i]->Caption())) { Choose(i); return; }
  }
  void WMGetDlgCode(TWMGetDlgCode& Message) override {
    TCustomControl::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
  }

private:
  TMenuItem* root_;
};

}  // namespace

TShortCut ShortCut(uint16_t Key, bool Shift, bool Ctrl, bool Alt) {
  return static_cast<TShortCut>((Key & 0xFF) | (Shift ? scShift : 0) | (Ctrl ? scCtrl : 0) | (Alt ? scAlt : 0));
}

std::string ShortCutToText(TShortCut sc) {
  std::string key = KeyName(sc & 0xFF);
  if (key.empty()) return {};
  std::string out;
  if (sc & scShift) out += "Shift+";
  if (sc & scCtrl) out += "Ctrl+";
  if (sc & scAlt) out += "Alt+";
  return out + key;
}

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  if (parent_ != nullptr) parent_->Remove(this);
  Clear();
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (Item == nullptr || Item->parent_ == this) return;
  if (Item->parent_ != nullptr) Item->parent_->Remove(Item);
  Item->parent_ = this;
  items_.insert(items_.begin() + std::clamp(Index, 0, Count()), Item);
}

void TMenuItem::Remove(TMenuItem* Item) {
  auto it = std::find(items_.begin(), items_.end(), Item);
  if (it == items_.end()) return;
  items_.erase(it);
  Item->parent_ = nullptr;
}

// Children without an owner of their own belong to the item.
void TMenuItem::Clear() {
  while (!items_.empty()) {
    TMenuItem* child = items_.back();
    Remove(child);
    if (child->Owner() == nullptr) delete child;
  }
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(items_.begin(), items_.end(), Item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
  for (TMenuItem* i : items_)
    if (StripHotkey(i->caption_) == StripHotkey(ACaption)) return i;
  return nullptr;
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (OnClick) OnClick(this);
}

// ---- TPopupMenu ----

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), items_(std::make_unique<TMenuItem>(nullptr)) {
  // Right clicks on controls with a popup menu come here.
  if (!PopupMenuHook) {
    PopupMenuHook = [](TPopupMenu* menu, TControl* sender, int x, int y) {
      if (!menu->AutoPopup()) return false;
      menu->SetPopupComponent(sender);
      menu->Popup(x, y);
      return true;
    };
  }
}

TPopupMenu::~TPopupMenu() {
  if (g_active == this) g_active = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  TForm window(nullptr);
  window.SetPopup(true, Screen != nullptr ? Screen->ActiveForm() : nullptr);
  window.SetBorderStyle(bsNone);
  auto* view = new TMenuView(&window, items_.get());
  view->SetParent(&window);
  TSize need = view->Needed();
  // The menu stays on the screen: it opens to the left or upwards when needed.
  int sw = Screen != nullptr ? Screen->Width() : 1024, sh = Screen != nullptr ? Screen->Height() : 768;
  int x = X + need.cx > sw ? std::max(0, X - need.cx) : X;
  int y = Y + need.cy > sh ? std::max(0, Y - need.cy) : Y;
  window.SetBounds(x, y, need.cx, need.cy);
  view->SetBounds(0, 0, need.cx, need.cy);
  window.SetActiveControl(view);
  // A popup window is never activated; the menu takes the keyboard itself.
  window.OnShow = [view](TObject*) { ::SetFocus(view->Handle()); };
  TPopupMenu* outer = g_active;
  g_active = this;
  window_ = &window;
  window.ShowModal();
  window_ = nullptr;
  g_active = outer;
  TMenuItem* chosen = view->Chosen;
  if (OnClose) OnClose(this);
  if (chosen != nullptr) chosen->Click();
}

bool TPopupMenu::IsShortCut(uint16_t Key, bool Shift, bool Ctrl, bool Alt) {
  TShortCut sc = ::ShortCut(Key, Shift, Ctrl, Alt);
  for (int i = 0; i < items_->Count(); ++i) {
    TMenuItem* it = items_->Items(i);
    if (it->ShortCut() == sc && it->Enabled() && it->Visible()) {
      it->Click();
      return true;
    }
  }
  return false;
}

TPopupMenu* ActivePopupMenu() { return g_active; }

bool ChoosePopupMenuItem(const std::string& Caption) {
  if (g_active == nullptr || g_active->Window() == nullptr) return false;
  for (int i = 0; i < g_active->Window()->ControlCount(); ++i) {
    auto* view = dynamic_cast<TMenuView*>(g_active->Window()->Controls(i));
    if (view == nullptr) continue;
    auto items = view->Shown();
    for (int k = 0; k < static_cast<int>(items.size()); ++k) {
      if (StripHotkey(items[k]->Caption()) != StripHotkey(Caption) || !view->Selectable(k)) continue;
      view->Choose(k);
      return true;
    }
  }
  return false;
}
