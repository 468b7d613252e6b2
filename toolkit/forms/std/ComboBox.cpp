#include "toolkit/forms/std/ComboBox.h"

#include "platform/kernel/Clock.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

namespace {

bool IsEditStyle(TComboBoxStyle s) { return s == csDropDown || s == csSimple; }

}  // namespace

// ---- TComboEdit ----

TComboEdit::TComboEdit(TComponent* AOwner, TCustomComboBox* Combo) : TCustomEdit(AOwner), combo_(Combo) {
  SetBorderStyle(bsNone);
  SetAutoSize(false);
  SetTabStop(false);
}

// The edit's keys reach the combo's own key methods first (its events, the
// list keys), as the combo's window sees its edit's keys on the platform, so
// that a descendant of the combo handles them in one place.
void TComboEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  combo_->KeyDown(Key, Shift);
  if (Key != 0) TCustomEdit::KeyDown(Key, Shift);
}

void TComboEdit::KeyPress(char& Key) {
  combo_->KeyPress(Key);
  if (Key == 0 || Key == 13 || Key == 27) return;  // used by the combo as keys
  combo_->completing_ = static_cast<unsigned char>(Key) >= 32;
  TCustomEdit::KeyPress(Key);
  combo_->completing_ = false;
}

void TComboEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
  combo_->KeyUp(Key, Shift);
  if (Key != 0) TCustomEdit::KeyUp(Key, Shift);
}

void TComboEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomEdit::WMGetDlgCode(Message);
  if (combo_->DroppedDown()) Message.Result |= DLGC_WANTALLKEYS;
}

void TComboEdit::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  TCustomEdit::CMWantSpecialKey(Message);
  if (Message.Result == 0) Message.Result = combo_->Perform(CM_WANTSPECIALKEY, Message.CharCode, Message.KeyData);
}

void TComboEdit::WMKillFocus(TWMKillFocus& Message) {
  TCustomEdit::WMKillFocus(Message);
  combo_->EditFocusLost(Message.FocusedWnd);
  combo_->Invalidate();
}

void TComboEdit::WMSetFocus(TWMSetFocus& Message) {
  TCustomEdit::WMSetFocus(Message);
  combo_->Invalidate();
}

void TComboEdit::Change() {
  TCustomEdit::Change();
  combo_->EditTextChanged();
}

// ---- TCustomComboBox ----

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TStringList>()) {
  SetControlStyle({csCaptureMouse, csSetCaption, csDoubleClicks, csFixedHeight});
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
  items_->OnChange = [this](TObject*) { itemsChanged(); };
  createChildren();
}

// The children go first, while the combo they call back is still whole.
TCustomComboBox::~TCustomComboBox() {
  items_->OnChange = nullptr;
  if (list_ != nullptr && list_->Parent() == this) delete list_;  // csSimple's own list
  list_ = nullptr;
  delete popup_;  // with the drop-down list in it
  popup_ = nullptr;
  delete edit_;
  edit_ = nullptr;
}

void TCustomComboBox::createChildren() {
  delete edit_;
  edit_ = nullptr;
  if (list_ != nullptr && list_->Parent() == this) {
    delete list_;
    list_ = nullptr;
  }
  if (IsEditStyle(style_)) {
    edit_ = new TComboEdit(this, this);
    edit_->SetParent(this);
    edit_->SetMaxLength(maxLength_);
    edit_->SetCharCase(charCase_);
    edit_->SetParentFont(true);
  }
  if (style_ == csSimple) {
    list_ = new TCustomListBox(this);
    list_->SetParent(this);
    list_->SetTabStop(false);
    list_->Items()->Assign(items_.get());
    list_->OnItemChosen = [this](int i) { if (i != itemIndex_) userSelect(i); };
  }
  layoutChildren();
}

void TCustomComboBox::SetStyle(TComboBoxStyle v) {
  if (v == style_) return;
  std::string text = Text();
  SetDroppedDown(false);
  style_ = v;
  TControlStyle cs = ControlStyle();
  if (v == csSimple) cs.Exclude(csFixedHeight); else cs.Include(csFixedHeight);
  SetControlStyle(cs);
  createChildren();
  if (IsEditStyle(v)) RealSetText(text);
  Invalidate();
}

int TCustomComboBox::ItemHeight() {
  if (itemHeight_ > 0 && style_ >= csOwnerDrawFixed) return itemHeight_;
  Canvas()->Font()->Assign(Font());
  return Canvas()->TextHeight("Wg");
}

TRect TCustomComboBox::ButtonRect() const {
  if (style_ == csSimple) return {};
  TRect r = ClientRect();
  InflateRect(r, -2, -2);
  return Rect(r.Right - DropButtonWidth(), r.Top, r.Right, r.Bottom);
}

TRect TCustomComboBox::FieldRect() const {
  TRect r = ClientRect();
  if (style_ == csSimple) return Rect(0, 0, r.Right, std::min(r.Bottom, 21));
  InflateRect(r, -2, -2);
  r.Right -= DropButtonWidth();
  return r;
}

void TCustomComboBox::layoutChildren() {
  TRect f = FieldRect();
  if (edit_ != nullptr) {
    if (style_ == csSimple) edit_->SetBorderStyle(bsSingle);
    TRect e = f;
    if (style_ != csSimple) InflateRect(e, -1, -1);
    edit_->SetBounds(e.Left, e.Top, e.Width(), e.Height());
  }
  if (style_ == csSimple && list_ != nullptr) list_->SetBounds(0, f.Bottom, Width(), std::max(0, Height() - f.Bottom));
}

void TCustomComboBox::BoundsChanged() {
  TCustomControl::BoundsChanged();
  layoutChildren();
}

void TCustomComboBox::CreateParams(TCreateParams& Params) { TCustomControl::CreateParams(Params); }

void TCustomComboBox::itemsChanged() {
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
  if (list_ != nullptr) {
    list_->Items()->Assign(items_.get());
    list_->SetItemIndex(itemIndex_);
  }
  Invalidate();
}

std::string TCustomComboBox::GetText() const { return edit_ != nullptr ? edit_->Text() : staticText_; }

void TCustomComboBox::RealSetText(const std::string& v) {
  TItemAccessor at = [this](int i) { return itemText(i); };
  int found = FindItemExact(items_->Count(), at, v);
  if (edit_ != nullptr) {
    settingText_ = true;
    edit_->SetText(v);
    settingText_ = false;
    itemIndex_ = found >= 0 && itemText(found) == v ? found : -1;
  } else if (found >= 0) {
    SetItemIndex(found);
  }
  Invalidate();
}

void TCustomComboBox::SetItemIndex(int v) {
  itemIndex_ = NormalizeItemIndex(v, items_->Count());
  std::string text = itemIndex_ >= 0 ? itemText(itemIndex_) : std::string();
  if (edit_ != nullptr) {
    settingText_ = true;
    edit_->SetText(text);
    if (edit_->Focused()) edit_->SelectAll();
    settingText_ = false;
  }
  staticText_ = text;
  if (list_ != nullptr) list_->SetItemIndex(itemIndex_);
  Invalidate();
}

void TCustomComboBox::SetMaxLength(int v) {
  maxLength_ = std::max(0, v);
  if (edit_ != nullptr) edit_->SetMaxLength(maxLength_);
}

void TCustomComboBox::SetCharCase(TEditCharCase v) {
  charCase_ = v;
  if (edit_ != nullptr) edit_->SetCharCase(v);
}

int TCustomComboBox::SelStart() const { return edit_ != nullptr ? edit_->SelStart() : 0; }
void TCustomComboBox::SetSelStart(int v) { if (edit_ != nullptr) edit_->SetSelStart(v); }
int TCustomComboBox::SelLength() const { return edit_ != nullptr ? edit_->SelLength() : 0; }
void TCustomComboBox::SetSelLength(int v) { if (edit_ != nullptr) edit_->SetSelLength(v); }
std::string TCustomComboBox::SelText() const { return edit_ != nullptr ? edit_->SelText() : std::string(); }
void TCustomComboBox::SelectAll() { if (edit_ != nullptr) edit_->SelectAll(); }

void TCustomComboBox::Clear() {
  items_->Clear();
  SetItemIndex(-1);
  if (edit_ != nullptr) RealSetText("");
}

HWND TCustomComboBox::EditHandle() const { return edit_ != nullptr ? edit_->Handle() : nullptr; }

void TCustomComboBox::SetFocus() {
  if (edit_ != nullptr && edit_->CanFocus()) {
    edit_->SetFocus();
    return;
  }
  TCustomControl::SetFocus();
}

bool TCustomComboBox::Focused() const {
  return TCustomControl::Focused() || (edit_ != nullptr && edit_->Focused());
}

// ---- notifications ----

void TCustomComboBox::notify(uint16_t code) {
  reflected_ = false;
  if (Parent() != nullptr && Parent()->HandleAllocated() && HandleAllocated())
    SendMessage(Parent()->Handle(), WM_COMMAND, MakeWParam(0, code), static_cast<LPARAM>(FromHWND(Handle())));
  if (!reflected_) onNotify(code);
}

void TCustomComboBox::onNotify(uint16_t code) {
  switch (code) {
    case CBN_SELCHANGE: Click(); Select(); break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    default: break;
  }
}

void TCustomComboBox::Change() { if (OnChange) OnChange(this); }
void TCustomComboBox::Select() { if (OnSelect) OnSelect(this); else Change(); }
void TCustomComboBox::DropDown() { if (OnDropDown) OnDropDown(this); }
void TCustomComboBox::CloseUp() { if (OnCloseUp) OnCloseUp(this); }

void TCustomComboBox::userSelect(int index) {
  if (index < 0 || index >= items_->Count()) return;
  SetItemIndex(index);
  if (edit_ != nullptr) edit_->SelectAll();
  notify(CBN_SELCHANGE);
}

void TCustomComboBox::chooseFromList(int index) {
  SetDroppedDown(false);
  if (index >= 0 && index != itemIndex_) userSelect(index);
}

// The user typed in the edit: autocomplete from the items, then CBN_EDITCHANGE.
void TCustomComboBox::EditTextChanged() {
  if (settingText_) return;
  TItemAccessor at = [this](int i) { return itemText(i); };
  std::string typed = edit_->Text();
  bool typedAtEnd = edit_->SelStart() == static_cast<int>(typed.size()) && edit_->SelLength() == 0;
  if (autoComplete_ && completing_ && typedAtEnd) {
    TAutoComplete r = AutoCompleteText(items_->Count(), at, typed);
    if (r.Found && r.Text.size() > typed.size()) {
      settingText_ = true;
      edit_->Model().SetText(r.Text);
      edit_->Model().SetSel(r.SelStart, r.SelStart + r.SelLength);
      edit_->Invalidate();
      settingText_ = false;
    }
  }
  completing_ = false;
  int exact = FindItemExact(items_->Count(), at, edit_->Text());
  itemIndex_ = exact;
  if (list_ != nullptr && exact >= 0) list_->SetItemIndex(exact);
  notify(CBN_EDITCHANGE);
}

void TCustomComboBox::EditFocusLost(HWND NewFocus) {
  TWinControl* to = FindControl(NewFocus);
  if (to == this || to == edit_ || (list_ != nullptr && to == list_)) return;
  SetDroppedDown(false);
}

// ---- keys and mouse ----

bool TCustomComboBox::ComboKey(uint16_t Key, TShiftState Shift) {
  bool alt = Shift.Contains(ssAlt);
  if ((Key == VK_F4 && !alt) || ((Key == VK_DOWN || Key == VK_UP) && alt)) {
    SetDroppedDown(!DroppedDown());
    return true;
  }
  int count = items_->Count();
  if (DroppedDown()) {
    int cur = list_->ItemIndex();
    int page = std::max(1, dropDownCount_ - 1);
    int target = -2;
    switch (Key) {
      case VK_UP: target = cur - 1; break;
      case VK_DOWN: target = cur + 1; break;
      case VK_PRIOR: target = cur - page; break;
      case VK_NEXT: target = cur + page; break;
      case VK_RETURN: chooseFromList(cur); return true;
      case VK_ESCAPE: SetDroppedDown(false); return true;
      case VK_TAB: chooseFromList(cur); return false;
      default: return false;
    }
    if (count > 0) list_->SetItemIndex(std::clamp(target, 0, count - 1));
    return true;
  }
  if (count == 0) return false;
  int cur = itemIndex_;
  int target;
  switch (Key) {
    case VK_UP: target = cur < 0 ? 0 : cur - 1; break;
    case VK_DOWN: target = cur < 0 ? 0 : cur + 1; break;
    case VK_HOME: if (IsEditStyle(style_)) return false; target = 0; break;
    case VK_END: if (IsEditStyle(style_)) return false; target = count - 1; break;
    case VK_PRIOR: target = cur - std::max(1, dropDownCount_ - 1); break;
    case VK_NEXT: target = cur + std::max(1, dropDownCount_ - 1); break;
    default: return false;
  }
  target = std::clamp(target, 0, count - 1);
  if (target != itemIndex_) userSelect(target);
  return true;
}

void TCustomComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key != 0 && ComboKey(Key, Shift)) Key = 0;
}

void TCustomComboBox::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (static_cast<unsigned char>(Key) < 32 || IsEditStyle(style_)) return;
  TItemAccessor at = [this](int i) { return itemText(i); };
  int found = typeAhead_.KeyPress(Key, platform::CurrentClock().TickCount(), items_->Count(), at,
                                  DroppedDown() ? list_->ItemIndex() : itemIndex_);
  if (found < 0) return;
  if (DroppedDown()) list_->SetItemIndex(found);
  else if (found != itemIndex_) userSelect(found);
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (!Focused()) SetFocus();
  if (style_ == csSimple) return;
  if (!IsEditStyle(style_) || PtInRect(ButtonRect(), {X, Y})) SetDroppedDown(!DroppedDown());
}

bool TCustomComboBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (DroppedDown()) return false;
  ComboKey(WheelDelta > 0 ? VK_UP : VK_DOWN, {});
  return true;
}

void TCustomComboBox::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (DroppedDown()) Message.Result |= DLGC_WANTALLKEYS;
}

void TCustomComboBox::WMSetFocus(TWMSetFocus& Message) {
  TCustomControl::WMSetFocus(Message);
  focused_ = true;
  if (edit_ != nullptr && edit_->CanFocus()) {
    edit_->SetFocus();
    edit_->SelectAll();
  }
  Invalidate();
}

void TCustomComboBox::WMKillFocus(TWMKillFocus& Message) {
  focused_ = false;
  TCustomControl::WMKillFocus(Message);
  EditFocusLost(Message.FocusedWnd);
  Invalidate();
}

void TCustomComboBox::WMCancelMode(TMessage& Message) {
  SetDroppedDown(false);
  TCustomControl::WMCancelMode(Message);
}

// ---- messages ----

void TCustomComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      reflected_ = true;
      onNotify(TWMCommand(Message).NotifyCode);
      return;
    case WM_PAINT: {
      TWMPaint p(Message);
      if (p.Canvas != nullptr) {
        PaintComboOn(p.Canvas, true);
        return;
      }
      break;
    }
    case CM_CANCELMODE:
      SetDroppedDown(false);
      break;
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      TCustomControl::Dispatch(Message);
      layoutChildren();
      Invalidate();
      return;
    default:
      if (Message.Msg >= CB_GETEDITSEL && Message.Msg <= CB_SETDROPPEDWIDTH) {
        handleComboMessage(Message);
        return;
      }
      if (edit_ != nullptr && Message.Msg >= EM_GETSEL && Message.Msg <= EM_CHARFROMPOS) {
        Message.Result = edit_->Perform(Message.Msg, Message.WParam, Message.LParam);
        return;
      }
  }
  TCustomControl::Dispatch(Message);
}

void TCustomComboBox::handleComboMessage(TMessage& m) {
  int w = static_cast<int>(static_cast<intptr_t>(m.WParam));
  auto text = [&] { return std::string(m.LParam ? reinterpret_cast<const char*>(m.LParam) : ""); };
  auto valid = [&](int i) { return i >= 0 && i < items_->Count(); };
  TItemAccessor at = [this](int i) { return itemText(i); };
  switch (m.Msg) {
    case CB_ADDSTRING: m.Result = items_->Add(text()); break;
    case CB_INSERTSTRING:
      if (w < -1 || w > items_->Count()) { m.Result = CB_ERR; break; }
      items_->Insert(w < 0 ? items_->Count() : w, text());
      m.Result = w < 0 ? items_->Count() - 1 : w;
      break;
    case CB_DELETESTRING:
      if (!valid(w)) { m.Result = CB_ERR; break; }
      items_->Delete(w);
      m.Result = items_->Count();
      break;
    case CB_RESETCONTENT: Clear(); break;
    case CB_GETCOUNT: m.Result = items_->Count(); break;
    case CB_GETCURSEL: m.Result = itemIndex_; break;
    case CB_SETCURSEL: SetItemIndex(w); m.Result = valid(w) ? w : CB_ERR; break;
    case CB_GETLBTEXTLEN: m.Result = valid(w) ? static_cast<LRESULT>(itemText(w).size()) : CB_ERR; break;
    case CB_GETLBTEXT: {
      if (!valid(w)) { m.Result = CB_ERR; break; }
      std::string s = itemText(w);
      char* out = reinterpret_cast<char*>(m.LParam);
      if (out != nullptr) { s.copy(out, s.size()); out[s.size()] = 0; }
      m.Result = static_cast<LRESULT>(s.size());
      break;
    }
    case CB_FINDSTRING: m.Result = FindItemPrefix(items_->Count(), at, text(), w + 1); break;
    case CB_FINDSTRINGEXACT: m.Result = FindItemExact(items_->Count(), at, text()); break;
    case CB_SELECTSTRING: {
      int i = FindItemPrefix(items_->Count(), at, text(), w + 1);
      if (i >= 0) SetItemIndex(i);
      m.Result = i < 0 ? CB_ERR : i;
      break;
    }
    case CB_SHOWDROPDOWN: SetDroppedDown(m.WParam != 0); m.Result = 1; break;
    case CB_GETDROPPEDSTATE: m.Result = DroppedDown(); break;
    case CB_SETDROPPEDWIDTH: droppedWidth_ = w; m.Result = std::max(w, Width()); break;
    case CB_GETDROPPEDWIDTH: m.Result = std::max(droppedWidth_, Width()); break;
    case CB_GETITEMHEIGHT: m.Result = ItemHeight(); break;
    case CB_SETITEMHEIGHT: SetItemHeight(static_cast<int>(m.LParam)); break;
    case CB_GETITEMDATA: m.Result = valid(w) ? reinterpret_cast<LRESULT>(items_->Objects(w)) : CB_ERR; break;
    case CB_SETITEMDATA: if (valid(w)) items_->SetObjects(w, reinterpret_cast<TObject*>(m.LParam)); break;
    case CB_LIMITTEXT: SetMaxLength(w); m.Result = 1; break;
    case CB_GETEDITSEL: m.Result = MakeLParam(SelStart(), SelStart() + SelLength()); break;
    case CB_SETEDITSEL:
      if (edit_ != nullptr) edit_->Model().SetSel(static_cast<int16_t>(m.LParamLo()), static_cast<int16_t>(m.LParamHi()));
      m.Result = 1;
      break;
    case CB_GETDROPPEDCONTROLRECT:
      if (m.LParam != 0 && popup_ != nullptr) *reinterpret_cast<TRect*>(m.LParam) = popup_->BoundsRect();
      break;
    default: TCustomControl::Dispatch(m); break;
  }
}
