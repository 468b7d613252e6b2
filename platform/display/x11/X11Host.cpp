#include "platform/display/x11/X11Host.h"

// Xlib defines Expose, FocusIn, FocusOut and CursorShape as macros: name ours first.
namespace platform {
namespace {
constexpr HostEventKind kExposeEvent = HostEventKind::Expose;
constexpr HostEventKind kFocusInEvent = HostEventKind::FocusIn;
constexpr HostEventKind kFocusOutEvent = HostEventKind::FocusOut;
using TCursorShape = CursorShape;
}  // namespace
}  // namespace platform

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <cairo-xlib.h>
#include <cairo.h>
#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>

#include "platform/display/x11/X11Keys.h"
#include "platform/kernel/Clock.h"

namespace platform {
namespace {

// A window that went away between a request and its reply is no reason to stop.
int ignoreXErrors(Display*, XErrorEvent*) { return 0; }

bool gConnectionLost = false;

// Xlib ends the program when the server goes away. The display's teardown at
// exit must then leave the dead connection alone: cairo's flush of a window
// surface would wait on it for ever.
int onConnectionLost(Display* dpy) {
  gConnectionLost = true;
  std::fprintf(stderr, "X connection to %s broken (explicit kill or server shutdown).\n", DisplayString(dpy));
  std::exit(1);
}

struct XWin {
  Window Id = 0;
  HostWindowParams Params;
  cairo_surface_t* Target = nullptr;  // the window as a cairo surface
  int Width = 0, Height = 0;
  int RootX = 0, RootY = 0;
  bool Mapped = false;
};

class X11Display : public DisplayHost {
public:
  explicit X11Display(Display* dpy) : dpy_(dpy) {
    XSetErrorHandler(ignoreXErrors);
    XSetIOErrorHandler(onConnectionLost);
    screen_ = DefaultScreen(dpy_);
    root_ = RootWindow(dpy_, screen_);
    wmDelete_ = atom("WM_DELETE_WINDOW");
    wmProtocols_ = atom("WM_PROTOCOLS");
    clipboard_ = atom("CLIPBOARD");
    utf8_ = atom("UTF8_STRING");
    targets_ = atom("TARGETS");
    selectionProp_ = atom("QUELIX_SELECTION");
    helper_ = XCreateSimpleWindow(dpy_, root_, 0, 0, 1, 1, 0, 0, 0);
    PlatformFacts& f = Facts();
    f.ScreenWidth = DisplayWidth(dpy_, screen_);
    f.ScreenHeight = DisplayHeight(dpy_, screen_);
    f.WorkAreaLeft = f.WorkAreaTop = 0;
    f.WorkAreaWidth = f.ScreenWidth;
    f.WorkAreaHeight = f.ScreenHeight;
    readWorkArea();
  }

  ~X11Display() override {
    if (gConnectionLost) return;
    releaseFinishedUploads();
    for (auto& [id, w] : windows_) {
      if (w.Target) cairo_surface_destroy(w.Target);
      XDestroyWindow(dpy_, w.Id);
    }
    for (auto& [n, c] : cursors_) XFreeCursor(dpy_, c);
    for (auto& [n, c] : custom_) XFreeCursor(dpy_, c);
    XDestroyWindow(dpy_, helper_);
    // cairo keeps per-display state until its device is finished.
    if (device_) {
      cairo_device_finish(device_);
      cairo_device_destroy(device_);
    }
    XCloseDisplay(dpy_);
  }

  // cairo hands pictures to the server through shared memory. The block of an
  // upload the server has not yet confirmed waits in a queue that cairo
  // empties only when it makes the next block, and finishing the device drops
  // the queue's entries without freeing them. So before the end: let the
  // server confirm everything, then make (and drop) one more block.
  void releaseFinishedUploads() {
    XSync(dpy_, False);
    cairo_surface_t* window = cairo_xlib_surface_create(dpy_, helper_, DefaultVisual(dpy_, screen_), 1, 1);
    cairo_surface_destroy(cairo_surface_create_similar_image(window, CAIRO_FORMAT_RGB24, 64, 64));
    cairo_surface_destroy(window);
  }

  bool IsHeadless() const override { return false; }

  HostWindowId CreateWindow(const HostWindowParams& p) override {
    XSetWindowAttributes a{};
    a.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                   PointerMotionMask | EnterWindowMask | LeaveWindowMask | StructureNotifyMask | FocusChangeMask;
    a.override_redirect = p.Kind == HostWindowKind::Popup;
    a.background_pixel = WhitePixel(dpy_, screen_);
    a.bit_gravity = NorthWestGravity;
    Window w = XCreateWindow(dpy_, root_, p.X, p.Y, std::max(p.Width, 1), std::max(p.Height, 1), 0, CopyFromParent,
                             InputOutput, CopyFromParent, CWEventMask | CWOverrideRedirect | CWBackPixel | CWBitGravity, &a);
    HostWindowId id = next_++;
    XWin& xw = windows_[id];
    xw.Id = w;
    xw.Params = p;
    xw.Width = p.Width;
    xw.Height = p.Height;
    xw.RootX = p.X;
    xw.RootY = p.Y;
    xw.Target = cairo_xlib_surface_create(dpy_, w, DefaultVisual(dpy_, screen_), xw.Width, xw.Height);
    if (!device_) device_ = cairo_device_reference(cairo_surface_get_device(xw.Target));
    if (p.Kind != HostWindowKind::Popup) setupManaged(xw);
    SetTitle(id, p.Title);
    return id;
  }

  void DestroyWindow(HostWindowId id) override {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    if (it->second.Target) cairo_surface_destroy(it->second.Target);
    XDestroyWindow(dpy_, it->second.Id);
    windows_.erase(it);
    XFlush(dpy_);
  }

  void SetTitle(HostWindowId id, const std::string& title) override {
    XWin* w = find(id);
    if (!w) return;
    XStoreName(dpy_, w->Id, title.c_str());
    XChangeProperty(dpy_, w->Id, atom("_NET_WM_NAME"), utf8_, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
  }

  void SetBounds(HostWindowId id, int x, int y, int width, int height) override {
    XWin* w = find(id);
    if (!w) return;
    width = std::max(width, 1);
    height = std::max(height, 1);
    w->RootX = x;
    w->RootY = y;
    w->Width = width;
    w->Height = height;
    XMoveResizeWindow(dpy_, w->Id, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height));
    cairo_xlib_surface_set_size(w->Target, width, height);
    if (!w->Params.Resizable && w->Params.Kind != HostWindowKind::Popup) setSizeHints(*w);
    XFlush(dpy_);
  }

  void SetVisible(HostWindowId id, bool visible, bool activate) override {
    XWin* w = find(id);
    if (!w) return;
    if (visible) {
      XMapRaised(dpy_, w->Id);
      w->Mapped = true;
      if (activate) pendingActivate_ = id;
    } else {
      XUnmapWindow(dpy_, w->Id);
      w->Mapped = false;
    }
    XFlush(dpy_);
  }

  void Raise(HostWindowId id) override {
    if (XWin* w = find(id)) XRaiseWindow(dpy_, w->Id);
  }

  void Activate(HostWindowId id) override {
    XWin* w = find(id);
    if (!w || !w->Mapped) return;
    XRaiseWindow(dpy_, w->Id);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w->Id;
    e.xclient.message_type = atom("_NET_ACTIVE_WINDOW");
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1;
    XSendEvent(dpy_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(dpy_);
  }

  void SetAlpha(HostWindowId id, uint8_t alpha) override {
    XWin* w = find(id);
    if (!w) return;
    unsigned long opacity = static_cast<unsigned long>(alpha) * 0x01010101UL;
    XChangeProperty(dpy_, w->Id, atom("_NET_WM_WINDOW_OPACITY"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&opacity), 1);
  }

  void Present(HostWindowId id, cairo_surface_t* picture, int x, int y, int width, int height) override {
    XWin* w = find(id);
    if (!w || !picture) return;
    cairo_t* cr = cairo_create(w->Target);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(w->Target);
    XFlush(dpy_);
  }

  void SetCursor(HostWindowId id, const TCursorShape& shape) override {
    XWin* w = find(id);
    if (!w) return;
    XDefineCursor(dpy_, w->Id, shape.Pixels.empty() ? cursorFor(shape.Standard) : customCursor(shape));
    XFlush(dpy_);
  }

  void WarpPointer(int x, int y) override {
    XWarpPointer(dpy_, None, root_, 0, 0, 0, 0, x, y);
    XFlush(dpy_);
  }

  bool PollEvent(HostEvent& out) override {
    if (!queued_.empty()) {
      out = queued_.front();
      queued_.pop_front();
      return true;
    }
    while (XPending(dpy_)) {
      XEvent e;
      XNextEvent(dpy_, &e);
      if (translate(e, out)) return true;
    }
    return false;
  }

  void WaitEvent(int timeoutMs) override {
    if (!queued_.empty() || XPending(dpy_)) return;
    pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
    poll(&p, 1, timeoutMs);
  }

  void SetClipboardText(const std::string& text, bool primary) override {
    (primary ? primaryText_ : clipboardText_) = text;
    XSetSelectionOwner(dpy_, primary ? XA_PRIMARY : clipboard_, helper_, CurrentTime);
    XFlush(dpy_);
  }

  std::string ClipboardText(bool primary) override {
    Atom sel = primary ? XA_PRIMARY : clipboard_;
    Window owner = XGetSelectionOwner(dpy_, sel);
    if (owner == None) return "";
    if (owner == helper_) return primary ? primaryText_ : clipboardText_;
    XConvertSelection(dpy_, sel, utf8_, selectionProp_, helper_, CurrentTime);
    XFlush(dpy_);
    // Wait a bounded time for the owner; other events stay queued meanwhile.
    uint32_t start = CurrentClock().TickCount();
    XEvent e;
    while (CurrentClock().TickCount() - start < 1000) {
      if (XCheckTypedWindowEvent(dpy_, helper_, SelectionNotify, &e)) {
        if (e.xselection.property == None) return "";
        return readProperty(helper_, selectionProp_);
      }
      pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
      poll(&p, 1, 20);
    }
    return "";
  }

  void Beep() override {
    XBell(dpy_, 0);
    XFlush(dpy_);
  }

private:
  Atom atom(const char* name) { return XInternAtom(dpy_, name, False); }

  XWin* find(HostWindowId id) {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : &it->second;
  }

  XWin* findX(Window x, HostWindowId& id) {
    for (auto& [k, w] : windows_)
      if (w.Id == x) {
        id = k;
        return &w;
      }
    return nullptr;
  }

  void readWorkArea() {
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy_, root_, atom("_NET_WORKAREA"), 0, 4, False, XA_CARDINAL, &type, &format, &n, &after,
                           &data) == Success &&
        data && n >= 4 && format == 32) {
      auto* v = reinterpret_cast<long*>(data);
      PlatformFacts& f = Facts();
      f.WorkAreaLeft = static_cast<int>(v[0]);
      f.WorkAreaTop = static_cast<int>(v[1]);
      f.WorkAreaWidth = static_cast<int>(v[2]);
      f.WorkAreaHeight = static_cast<int>(v[3]);
    }
    if (data) XFree(data);
  }

  void setSizeHints(XWin& w) {
    XSizeHints* h = XAllocSizeHints();
    h->flags = PPosition | USPosition;
    h->x = w.RootX;
    h->y = w.RootY;
    if (!w.Params.Resizable) {
      h->flags |= PMinSize | PMaxSize;
      h->min_width = h->max_width = w.Width;
      h->min_height = h->max_height = w.Height;
    }
    XSetWMNormalHints(dpy_, w.Id, h);
    XFree(h);
  }

  void setupManaged(XWin& w) {
    XSetWMProtocols(dpy_, w.Id, &wmDelete_, 1);
    setSizeHints(w);
    const char* type = w.Params.Kind == HostWindowKind::Dialog ? "_NET_WM_WINDOW_TYPE_DIALOG"
                       : w.Params.Kind == HostWindowKind::Tool ? "_NET_WM_WINDOW_TYPE_UTILITY"
                                                               : "_NET_WM_WINDOW_TYPE_NORMAL";
    Atom t = atom(type);
    XChangeProperty(dpy_, w.Id, atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&t), 1);
    if (w.Params.TopMost) {
      Atom above = atom("_NET_WM_STATE_ABOVE");
      XChangeProperty(dpy_, w.Id, atom("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(&above), 1);
    }
    if (XWin* owner = find(w.Params.Owner)) XSetTransientForHint(dpy_, w.Id, owner->Id);
  }

  Cursor cursorFor(int standard) {
    auto it = cursors_.find(standard);
    if (it != cursors_.end()) return it->second;
    unsigned int shape;
    switch (standard) {
      case -3: shape = XC_crosshair; break;           // crCross
      case -4: shape = XC_xterm; break;               // crIBeam
      case -6: shape = XC_bottom_left_corner; break;  // crSizeNESW
      case -7: shape = XC_sb_v_double_arrow; break;   // crSizeNS
      case -8: shape = XC_bottom_right_corner; break; // crSizeNWSE
      case -9: shape = XC_sb_h_double_arrow; break;   // crSizeWE
      case -10: shape = XC_sb_up_arrow; break;        // crUpArrow
      case -11:
      case -17:
      case -19: shape = XC_watch; break;              // crHourGlass, crSQLWait, crAppStart
      case -12:
      case -16: shape = XC_fleur; break;              // crDrag, crMultiDrag
      case -13:
      case -18: shape = XC_X_cursor; break;           // crNoDrop, crNo
      case -14: shape = XC_sb_h_double_arrow; break;  // crHSplit
      case -15: shape = XC_sb_v_double_arrow; break;  // crVSplit
      case -20: shape = XC_question_arrow; break;     // crHelp
      case -21: shape = XC_hand2; break;              // crHandPoint
      case -22: shape = XC_fleur; break;              // crSizeAll
      default: shape = XC_left_ptr; break;
    }
    Cursor c = XCreateFontCursor(dpy_, shape);
    cursors_[standard] = c;
    return c;
  }

  // A two-colour cursor from the picture: opaque pixels show, dark ones black.
  Cursor customCursor(const TCursorShape& shape) {
    auto it = custom_.find(shape.Name);
    if (it != custom_.end()) return it->second;
    int w = shape.Width, h = shape.Height, rowBytes = (w + 7) / 8;
    if (w <= 0 || h <= 0 || static_cast<size_t>(w) * h != shape.Pixels.size()) return cursorFor(-2);
    std::vector<char> source(static_cast<size_t>(rowBytes) * h, 0), mask(source.size(), 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint32_t p = shape.Pixels[static_cast<size_t>(y) * w + x];
        if ((p >> 24) < 128) continue;
        int lum = (((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF)) / 10;
        mask[y * rowBytes + x / 8] |= static_cast<char>(1 << (x % 8));
        if (lum < 128) source[y * rowBytes + x / 8] |= static_cast<char>(1 << (x % 8));
      }
    Pixmap src = XCreateBitmapFromData(dpy_, root_, source.data(), w, h);
    Pixmap msk = XCreateBitmapFromData(dpy_, root_, mask.data(), w, h);
    XColor black{}, white{};
    white.red = white.green = white.blue = 0xFFFF;
    black.flags = white.flags = DoRed | DoGreen | DoBlue;
    Cursor c = XCreatePixmapCursor(dpy_, src, msk, &black, &white, static_cast<unsigned>(shape.HotX),
                                   static_cast<unsigned>(shape.HotY));
    XFreePixmap(dpy_, src);
    XFreePixmap(dpy_, msk);
    custom_[shape.Name] = c;
    return c;
  }

  uint32_t modifiers(unsigned int state) const {
    uint32_t m = 0;
    if (state & ShiftMask) m |= modShift;
    if (state & ControlMask) m |= modCtrl;
    if (state & Mod1Mask) m |= modAlt;
    if (state & Button1Mask) m |= modLeftButton;
    if (state & Button2Mask) m |= modMiddleButton;
    if (state & Button3Mask) m |= modRightButton;
    if (state & LockMask) m |= modCapsLock;
    if (state & Mod2Mask) m |= modNumLock;
    if (rightShift_ && !leftShift_) m |= modRightShift;
    if (rightCtrl_ && !leftCtrl_) m |= modRightCtrl;
    if (rightAlt_ && !leftAlt_) m |= modRightAlt;
    return m;
  }

  // Modifier keys change the state only after their own event; keep our own account.
  void trackModifier(KeySym sym, bool down) {
    switch (sym) {
      case XK_Shift_L: leftShift_ = down; break;
      case XK_Shift_R: rightShift_ = down; break;
      case XK_Control_L: leftCtrl_ = down; break;
      case XK_Control_R: rightCtrl_ = down; break;
      case XK_Alt_L:
      case XK_Meta_L: leftAlt_ = down; break;
      case XK_Alt_R:
      case XK_ISO_Level3_Shift: rightAlt_ = down; break;
      default: break;
    }
  }

  uint32_t currentModifierKeys(unsigned int state) const {
    uint32_t m = modifiers(state) & ~(modShift | modCtrl | modAlt);
    if (leftShift_ || rightShift_) m |= modShift;
    if (leftCtrl_ || rightCtrl_) m |= modCtrl;
    if (leftAlt_ || rightAlt_) m |= modAlt;
    return m;
  }

  bool translateKey(XKeyEvent& k, bool press, HostEvent& out) {
    char buf[16] = {};
    KeySym sym = 0;
    int n = XLookupString(&k, buf, sizeof buf, &sym, nullptr);
    KeySym base = XLookupKeysym(&k, 0);
    trackModifier(base, press);
    X11Key key = KeysymToVirtualKey(base);
    if (key.VirtualKey == 0) key = KeysymToVirtualKey(sym);
    out.Kind = press ? HostEventKind::KeyDown : HostEventKind::KeyUp;
    out.VirtualKey = key.VirtualKey;
    out.Extended = key.Extended;
    out.Modifiers = currentModifierKeys(k.state);
    // XLookupString answers in Latin-1; keysyms 0x01xxxxxx carry their code point.
    out.Char = press && n == 1 ? static_cast<unsigned char>(buf[0]) : 0;
    if (press && n == 0 && (sym & 0xFF000000UL) == 0x01000000UL) out.Char = static_cast<uint32_t>(sym & 0x00FFFFFFUL);
    if (press && n == 0 && sym == XK_EuroSign) out.Char = 0x20AC;
    if (out.Char == 127) out.Char = 0;  // Delete types nothing
    if (press && out.Char == '\n') out.Char = '\r';
    return key.VirtualKey != 0 || out.Char != 0;
  }

  // X repeats a held key as release+press pairs at the same time; the release is dropped.
  bool isAutoRepeatRelease(XKeyEvent& k) {
    if (!XPending(dpy_)) return false;
    XEvent next;
    XPeekEvent(dpy_, &next);
    return next.type == KeyPress && next.xkey.keycode == k.keycode && next.xkey.time == k.time;
  }

  bool translate(XEvent& e, HostEvent& out) {
    if (e.type == SelectionRequest) {
      answerSelection(e.xselectionrequest);
      return false;
    }
    HostWindowId id = 0;
    XWin* w = findX(e.xany.window, id);
    if (!w) return false;
    out = HostEvent{};
    out.Window = id;
    out.Time = CurrentClock().TickCount();
    switch (e.type) {
      case Expose:
        out.Kind = kExposeEvent;
        out.X = e.xexpose.x;
        out.Y = e.xexpose.y;
        out.Width = e.xexpose.width;
        out.Height = e.xexpose.height;
        return true;
      case ConfigureNotify: {
        int rx = 0, ry = 0;
        Window child;
        XTranslateCoordinates(dpy_, w->Id, root_, 0, 0, &rx, &ry, &child);
        int cw = e.xconfigure.width, ch = e.xconfigure.height;
        if (cw != w->Width || ch != w->Height) cairo_xlib_surface_set_size(w->Target, cw, ch);
        if (rx == w->RootX && ry == w->RootY && cw == w->Width && ch == w->Height) return false;
        w->RootX = rx;
        w->RootY = ry;
        w->Width = cw;
        w->Height = ch;
        out.Kind = HostEventKind::Configure;
        out.X = rx;
        out.Y = ry;
        out.Width = cw;
        out.Height = ch;
        return true;
      }
      case MapNotify:
        if (pendingActivate_ == id) {
          pendingActivate_ = 0;
          XSetInputFocus(dpy_, w->Id, RevertToParent, CurrentTime);
        }
        return false;
      case ClientMessage:
        if (e.xclient.message_type == wmProtocols_ && static_cast<Atom>(e.xclient.data.l[0]) == wmDelete_) {
          out.Kind = HostEventKind::Close;
          return true;
        }
        return false;
      case FocusIn:
        out.Kind = kFocusInEvent;
        return true;
      case FocusOut:
        out.Kind = kFocusOutEvent;
        return true;
      case LeaveNotify:
        out.Kind = HostEventKind::MouseLeave;
        return true;
      case MotionNotify: {
        XEvent next;
        // Only the latest position of a burst of moves matters.
        while (XCheckTypedWindowEvent(dpy_, w->Id, MotionNotify, &next)) e = next;
        out.Kind = HostEventKind::MouseMove;
        out.X = e.xmotion.x;
        out.Y = e.xmotion.y;
        out.Modifiers = modifiers(e.xmotion.state);
        return true;
      }
      case ButtonPress:
      case ButtonRelease: {
        unsigned b = e.xbutton.button;
        out.X = e.xbutton.x;
        out.Y = e.xbutton.y;
        unsigned int state = e.xbutton.state;
        if (b == 4 || b == 5) {
          if (e.type == ButtonRelease) return false;
          out.Kind = HostEventKind::Wheel;
          out.WheelDelta = b == 4 ? 120 : -120;
          out.Modifiers = modifiers(state);
          return true;
        }
        if (b > 3) return false;
        out.Button = b == 1 ? 1 : b == 2 ? 2 : 3;
        unsigned mask = b == 1 ? Button1Mask : b == 2 ? Button2Mask : Button3Mask;
        state = e.type == ButtonPress ? (state | mask) : (state & ~mask);
        out.Kind = e.type == ButtonPress ? HostEventKind::ButtonDown : HostEventKind::ButtonUp;
        out.Modifiers = modifiers(state);
        return true;
      }
      case KeyPress:
        return translateKey(e.xkey, true, out);
      case KeyRelease:
        if (isAutoRepeatRelease(e.xkey)) return false;
        return translateKey(e.xkey, false, out);
      default:
        return false;
    }
  }

  void answerSelection(XSelectionRequestEvent& r) {
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.requestor = r.requestor;
    reply.selection = r.selection;
    reply.target = r.target;
    reply.time = r.time;
    reply.property = None;
    const std::string& text = r.selection == XA_PRIMARY ? primaryText_ : clipboardText_;
    if (r.target == targets_) {
      Atom list[] = {targets_, utf8_, XA_STRING};
      XChangeProperty(dpy_, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(list), 3);
      reply.property = r.property;
    } else if (r.target == utf8_ || r.target == XA_STRING) {
      XChangeProperty(dpy_, r.requestor, r.property, r.target, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
      reply.property = r.property;
    }
    XSendEvent(dpy_, r.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
    XFlush(dpy_);
  }

  std::string readProperty(Window w, Atom prop) {
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    std::string out;
    // Bounded: a selection of more than 16 MB is not read.
    if (XGetWindowProperty(dpy_, w, prop, 0, 4 * 1024 * 1024, True, AnyPropertyType, &type, &format, &n, &after,
                           &data) == Success &&
        data && format == 8)
      out.assign(reinterpret_cast<char*>(data), n);
    if (data) XFree(data);
    return out;
  }

  Display* dpy_;
  cairo_device_t* device_ = nullptr;
  int screen_ = 0;
  Window root_ = 0;
  Window helper_ = 0;
  Atom wmDelete_, wmProtocols_, clipboard_, utf8_, targets_, selectionProp_;
  std::map<HostWindowId, XWin> windows_;
  std::map<int, Cursor> cursors_;
  std::map<std::string, Cursor> custom_;
  std::deque<HostEvent> queued_;
  HostWindowId next_ = 1;
  HostWindowId pendingActivate_ = 0;
  std::string clipboardText_, primaryText_;
  bool leftShift_ = false, rightShift_ = false, leftCtrl_ = false, rightCtrl_ = false, leftAlt_ = false,
       rightAlt_ = false;
};

}  // namespace

std::unique_ptr<DisplayHost> X11Host::Open() {
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) return nullptr;
  return std::make_unique<X11Display>(dpy);
}

}  // namespace platform
