// TWinControl's message handling: routing mouse messages to graphic
// children, the keyboard (CN_ notifications, dialog keys, KeyPreview, key
// events), focus messages, cursors and painting.

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/forms/WindowState.h"
#include "toolkit/graphics/Canvas.h"

namespace {

// The cursor a window shows: Screen->Cursor first, then the control under the mouse.
TCursor effectiveCursor(TWinControl* w) {
  if (Screen && Screen->Cursor() != crDefault) return Screen->Cursor();
  TPoint p;
  GetCursorPos(p);
  TControl* c = w->ControlAtPos(w->ScreenToClient(p), false);
  if (c && c->Cursor() != crDefault) return c->Cursor();
  return w->Cursor();
}

void applyCursor(TWinControl* w, TCursor cursor) {
  TWinControl* top = wm::TopLevelOf(w);
  if (!top || !top->HandleAllocated()) return;
  TWindowRecord* rec = wm::Find(top->Handle());
  if (!rec || !rec->Host) return;
  TCursor index = cursor == crDefault ? crArrow : cursor;
  HCURSOR h = Screen ? Screen->Cursors(index) : LoadCursor(index);
  platform::CursorShape shape;
  if (const platform::CursorShape* known = CursorShapeOf(h)) shape = *known;
  else shape.Standard = index;
  auto& log = wm::CursorLog();
  if (log.empty() || log.back() != shape.Name) log.push_back(shape.Name);
  platform::CurrentDisplay().SetCursor(rec->Host, shape);
}

uint32_t dialogMaskFor(uint32_t key) {
  switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
  }
}

}  // namespace

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this); form && !form->SetFocusedControl(this)) return;
      break;
    case WM_KILLFOCUS:
      if (controlState_.Contains(csFocusing)) return;
      break;
    default:
      if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        TWMMouse view(Message);
        if (IsControlMouseMsg(view)) {
          view.WriteTo(Message);
          return;
        }
      }
      break;
  }
  TControl::WndProc(Message);
}

// Hands a mouse message to the graphic child under the mouse (or holding the capture).
bool TWinControl::IsControlMouseMsg(TWMMouse& Message) {
  TControl* target = nullptr;
  TControl* capture = GetCaptureControl();
  if (capture && capture != this && capture->Parent() == this && !dynamic_cast<TWinControl*>(capture)) {
    target = capture;
  } else if (!capture || capture == this) {
    if (Message.Msg == WM_MOUSEWHEEL) return false;
    target = ControlAtPos(Message.Pos(), false);
  }
  if (!target) return false;
  TPoint p{Message.XPos - target->Left(), Message.YPos - target->Top()};
  Message.Result = target->Perform(Message.Msg, Message.Keys, MakeLParam(p.X, p.Y));
  return true;
}

void TWinControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: HandleAs<TWMPaint>(m, [this](TWMPaint& v) { WMPaint(v); }); return;
    case WM_ERASEBKGND: HandleAs<TWMEraseBkgnd>(m, [this](TWMEraseBkgnd& v) { WMEraseBkgnd(v); }); return;
    case WM_NCPAINT: HandleAs<TWMNCPaint>(m, [this](TWMNCPaint& v) { WMNCPaint(v); }); return;
    case WM_NCCALCSIZE: HandleAs<TWMNCCalcSize>(m, [this](TWMNCCalcSize& v) { WMNCCalcSize(v); }); return;
    case WM_NCHITTEST: HandleAs<TWMNCHitTest>(m, [this](TWMNCHitTest& v) { WMNCHitTest(v); }); return;
    case WM_SIZE: HandleAs<TWMSize>(m, [this](TWMSize& v) { WMSize(v); }); return;
    case WM_MOVE: HandleAs<TWMMove>(m, [this](TWMMove& v) { WMMove(v); }); return;
    case WM_WINDOWPOSCHANGING: HandleAs<TWMWindowPosMsg>(m, [this](TWMWindowPosMsg& v) { WMWindowPosChanging(v); }); return;
    case WM_SETFOCUS: HandleAs<TWMSetFocus>(m, [this](TWMSetFocus& v) { WMSetFocus(v); }); return;
    case WM_KILLFOCUS: HandleAs<TWMKillFocus>(m, [this](TWMKillFocus& v) { WMKillFocus(v); }); return;
    case WM_KEYDOWN: HandleAs<TWMKey>(m, [this](TWMKey& v) { WMKeyDown(v); }); return;
    case WM_KEYUP: HandleAs<TWMKey>(m, [this](TWMKey& v) { WMKeyUp(v); }); return;
    case WM_CHAR: HandleAs<TWMKey>(m, [this](TWMKey& v) { WMChar(v); }); return;
    case WM_SYSKEYDOWN: HandleAs<TWMKey>(m, [this](TWMKey& v) { WMSysKeyDown(v); }); return;
    case WM_SYSKEYUP: HandleAs<TWMKey>(m, [this](TWMKey& v) { WMSysKeyUp(v); }); return;
    case WM_SYSCHAR: HandleAs<TWMKey>(m, [this](TWMKey& v) { WMSysChar(v); }); return;
    case WM_SETCURSOR: HandleAs<TWMSetCursor>(m, [this](TWMSetCursor& v) { WMSetCursor(v); }); return;
    case WM_GETDLGCODE: HandleAs<TWMGetDlgCode>(m, [this](TWMGetDlgCode& v) { WMGetDlgCode(v); }); return;
    case WM_TIMER: HandleAs<TWMTimer>(m, [this](TWMTimer& v) { WMTimer(v); }); return;
    case WM_COMMAND: HandleAs<TWMCommand>(m, [this](TWMCommand& v) { WMCommand(v); }); return;
    case WM_NOTIFY: HandleAs<TWMNotify>(m, [this](TWMNotify& v) { WMNotify(v); }); return;
    case WM_HSCROLL: HandleAs<TWMScroll>(m, [this](TWMScroll& v) { WMHScroll(v); }); return;
    case WM_VSCROLL: HandleAs<TWMScroll>(m, [this](TWMScroll& v) { WMVScroll(v); }); return;
    case WM_CAPTURECHANGED: HandleAs<TWMCaptureChanged>(m, [this](TWMCaptureChanged& v) { WMCaptureChanged(v); }); return;
    case CM_ENTER: CMEnter(m); return;
    case CM_EXIT: CMExit(m); return;
    case CM_DIALOGKEY: HandleAs<TCMDialogKey>(m, [this](TCMDialogKey& v) { CMDialogKey(v); }); return;
    case CM_DIALOGCHAR: HandleAs<TCMDialogChar>(m, [this](TCMDialogChar& v) { CMDialogChar(v); }); return;
    case CM_CHILDKEY: HandleAs<TCMChildKey>(m, [this](TCMChildKey& v) { CMChildKey(v); }); return;
    case CM_WANTSPECIALKEY: HandleAs<TCMWantSpecialKey>(m, [this](TCMWantSpecialKey& v) { CMWantSpecialKey(v); }); return;
    case CM_FOCUSCHANGED: HandleAs<TCMFocusChanged>(m, [this](TCMFocusChanged& v) { CMFocusChanged(v); }); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(m); return;
    case CM_CTL3DCHANGED: CMCtl3DChanged(m); return;
    case CM_BORDERCHANGED: CMBorderChanged(m); return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: {
      // Dialog keys: Tab, arrows, Enter and Esc go to the form unless the control wants them.
      m.Result = 1;
      uint32_t key = static_cast<uint32_t>(m.WParam);
      if (Perform(CM_CHILDKEY, key, reinterpret_cast<LPARAM>(this)) != 0) return;
      uint32_t mask = dialogMaskFor(key);
      TCustomForm* form = GetParentForm(this);
      if (mask != 0 && Perform(CM_WANTSPECIALKEY, key, m.LParam) == 0 &&
          (Perform(WM_GETDLGCODE) & mask) == 0 && form && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0)
        return;
      m.Result = 0;
      return;
    }
    case CN_CHAR: {
      m.Result = 1;
      TCustomForm* form = GetParentForm(this);
      if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0 && form &&
          form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
        return;
      m.Result = 0;
      return;
    }
    case CN_SYSCHAR: {
      TCustomForm* form = GetParentForm(this);
      m.Result = m.WParam != VK_SPACE && form ? form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) : 0;
      return;
    }
    case WM_SETREDRAW:
      if (TWindowRecord* rec = HandleAllocated() ? wm::Find(handle_) : nullptr) rec->RedrawOff = m.WParam == 0;
      return;
    default: break;
  }
  TControl::Dispatch(m);
}

// What the platform's default window procedure does for a plain window.
void TWinControl::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_SETCURSOR:
      if (parent_ && parent_->HandleAllocated() &&
          SendMessage(parent_->Handle(), WM_SETCURSOR, m.WParam, m.LParam) != 0) {
        m.Result = 1;
        return;
      }
      applyCursor(this, LoWord(static_cast<uintptr_t>(m.LParam)) == HTCLIENT ? crArrow : crArrow);
      m.Result = 1;
      return;
    case WM_MOUSEACTIVATE:
      m.Result = parent_ && parent_->HandleAllocated() ? SendMessage(parent_->Handle(), WM_MOUSEACTIVATE, m.WParam, m.LParam)
                                                      : 0;
      if (m.Result == 0) m.Result = MA_ACTIVATE;
      return;
    case WM_CONTEXTMENU:
      if (parent_ && parent_->HandleAllocated()) m.Result = SendMessage(parent_->Handle(), WM_CONTEXTMENU, m.WParam, m.LParam);
      return;
    case WM_MOUSEWHEEL:
      if (parent_ && parent_->HandleAllocated()) m.Result = SendMessage(parent_->Handle(), WM_MOUSEWHEEL, m.WParam, m.LParam);
      return;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_CLOSE) Perform(WM_CLOSE);
      return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      NCScrollBarClick(m);
      return;
    case WM_GETTEXT: {
      std::string t = GetText();
      if (m.LParam && m.WParam > 0) {
        size_t n = std::min<size_t>(t.size(), m.WParam - 1);
        char* out = reinterpret_cast<char*>(m.LParam);
        std::copy(t.begin(), t.begin() + static_cast<long>(n), out);
        out[n] = 0;
        m.Result = static_cast<LRESULT>(n);
      }
      return;
    }
    default: TControl::DefaultHandler(m); return;
  }
}

// ---- keyboard ----

bool TWinControl::DoKeyDown(TWMKey& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyDown(Message)) return true;
  if (controlStyle_.Contains(csNoStdEvents)) return false;
  uint16_t key = static_cast<uint16_t>(Message.CharCode);
  KeyDown(key, KeyDataToShiftState(Message.KeyData));
  Message.CharCode = key;
  return key == 0;
}

bool TWinControl::DoKeyUp(TWMKey& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyUp(Message)) return true;
  if (controlStyle_.Contains(csNoStdEvents)) return false;
  uint16_t key = static_cast<uint16_t>(Message.CharCode);
  KeyUp(key, KeyDataToShiftState(Message.KeyData));
  Message.CharCode = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TWMKey& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyPress(Message)) return true;
  if (controlStyle_.Contains(csNoStdEvents)) return false;
  // KeyPress sees single-byte characters; other code points go on to the control as they are.
  if (Message.CharCode > 0x7F) return false;
  char ch = static_cast<char>(Message.CharCode);
  KeyPress(ch);
  Message.CharCode = static_cast<uint8_t>(ch);
  return ch == 0;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::WMKeyDown(TWMKey& Message) {
  if (!DoKeyDown(Message)) CallDefault(Message);
}

void TWinControl::WMKeyUp(TWMKey& Message) {
  if (!DoKeyUp(Message)) CallDefault(Message);
}

void TWinControl::WMChar(TWMKey& Message) {
  if (!DoKeyPress(Message)) CallDefault(Message);
}

void TWinControl::WMSysKeyDown(TWMKey& Message) {
  if (!DoKeyDown(Message)) CallDefault(Message);
}

void TWinControl::WMSysKeyUp(TWMKey& Message) {
  if (!DoKeyUp(Message)) CallDefault(Message);
}

void TWinControl::WMSysChar(TWMKey& Message) { CallDefault(Message); }

void TWinControl::CMDialogKey(TCMDialogKey& Message) {
  TMessage m = *Message.Source;
  m.Result = 0;
  Broadcast(m);
  Message.Result = m.Result;
}

void TWinControl::CMDialogChar(TCMDialogChar& Message) {
  TMessage m = *Message.Source;
  m.Result = 0;
  Broadcast(m);
  Message.Result = m.Result;
}

void TWinControl::CMChildKey(TCMChildKey& Message) {
  if (parent_) Message.Result = parent_->Perform(CM_CHILDKEY, Message.CharCode, Message.Source->LParam);
}

void TWinControl::CMWantSpecialKey(TCMWantSpecialKey&) {}
void TWinControl::WMGetDlgCode(TWMGetDlgCode& Message) { CallDefault(Message); }

// ---- focus ----

void TWinControl::WMSetFocus(TWMSetFocus& Message) { CallDefault(Message); }
void TWinControl::WMKillFocus(TWMKillFocus& Message) { CallDefault(Message); }

void TWinControl::WMCaptureChanged(TWMCaptureChanged& Message) {
  // Losing the capture ends any press in progress, as a cancel-mode would.
  TControl* capture = wm::G().CaptureControl;
  if (capture && capture != this && capture->Parent() == this && Message.NewCapture != handle_) {
    capture->Perform(WM_CANCELMODE);
  }
  CallDefault(Message);
}

// ---- cursors, timers, notifications ----

void TWinControl::WMSetCursor(TWMSetCursor& Message) {
  if (Message.CursorWnd == handle_ && Message.HitTest == HTCLIENT) {
    TCursor c = effectiveCursor(this);
    if (c != crDefault) {
      applyCursor(this, c);
      Message.Result = 1;
      return;
    }
  }
  CallDefault(Message);
}

void TWinControl::WMTimer(TWMTimer& Message) { CallDefault(Message); }

void TWinControl::WMCommand(TWMCommand& Message) {
  // A child's notification goes back to the child as CN_COMMAND.
  if (TWinControl* child = FindControl(Message.Ctl); child && child != this) {
    Message.Result = child->Perform(CN_COMMAND, Message.Source->WParam, Message.Source->LParam);
    return;
  }
  CallDefault(Message);
}

void TWinControl::WMNotify(TWMNotify& Message) {
  if (Message.NMHdr) {
    if (TWinControl* child = FindControl(Message.NMHdr->hwndFrom); child && child != this) {
      Message.Result = child->Perform(CN_NOTIFY, Message.Source->WParam, Message.Source->LParam);
      return;
    }
  }
  CallDefault(Message);
}

void TWinControl::WMHScroll(TWMScroll& Message) {
  if (TWinControl* child = FindControl(Message.ScrollBar); child && child != this) {
    Message.Result = child->Perform(CN_HSCROLL, Message.Source->WParam, Message.Source->LParam);
    return;
  }
  CallDefault(Message);
}

void TWinControl::WMVScroll(TWMScroll& Message) {
  if (TWinControl* child = FindControl(Message.ScrollBar); child && child != this) {
    Message.Result = child->Perform(CN_VSCROLL, Message.Source->WParam, Message.Source->LParam);
    return;
  }
  CallDefault(Message);
}

// ---- geometry ----

void TWinControl::WMSize(TWMSize& Message) { CallDefault(Message); }
void TWinControl::WMMove(TWMMove& Message) { CallDefault(Message); }
void TWinControl::WMWindowPosChanging(TWMWindowPosMsg& Message) { CallDefault(Message); }

// ---- painting ----

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& Message) {
  if (Message.Canvas) {
    Message.Canvas->Brush()->SetColor(Color());
    Message.Canvas->Brush()->SetStyle(bsSolid);
    Message.Canvas->FillRect(ClientRect());
  }
  Message.Result = 1;
}

void TWinControl::WMPaint(TWMPaint& Message) { PaintHandler(Message); }

void TWinControl::PaintHandler(TWMPaint& Message) {
  if (!Message.Canvas) return;
  Message.Canvas->SaveDC();
  PaintWindow(Message.Canvas);
  Message.Canvas->RestoreDC(-1);
  PaintControls(Message.Canvas, nullptr);
}

void TWinControl::PaintWindow(TCanvas*) {}

// Graphic children paint on the window's surface, in z-order, each clipped to itself.
void TWinControl::PaintControls(TCanvas* Canvas, TControl* First) {
  bool started = First == nullptr;
  TRect clip = Canvas->ClipRect();
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (!started) {
      started = c == First;
      if (!started) continue;
    }
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (!g || !g->Visible()) continue;
    TRect r;
    if (!IntersectRect(r, g->BoundsRect(), clip)) continue;
    g->WMPaintGraphic(Canvas);
  }
}

void TWinControl::PaintTo(TCanvas* Canvas, int X, int Y) {
  Canvas->SaveDC();
  Canvas->OffsetViewportOrgEx(X, Y);
  Canvas->IntersectClipRect(0, 0, Width(), Height());
  TMessage nc{WM_NCPAINT, reinterpret_cast<WPARAM>(Canvas), 0, 0};
  WndProc(nc);
  Canvas->OffsetViewportOrgEx(clientInWindow_.Left, clientInWindow_.Top);
  Canvas->IntersectClipRect(0, 0, clientInWindow_.Width(), clientInWindow_.Height());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Canvas));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(Canvas));
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible()) w->PaintTo(Canvas, w->Left(), w->Top());
  Canvas->RestoreDC(-1);
}
