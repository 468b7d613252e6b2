// The paint engine: invalid areas per window, the paint pass that runs when
// the queue is empty (parents before children, in z-order, each clipped to
// its parent's client area and to what is invalid), and the host windows and
// backing surfaces of top-level windows.

#include <cairo.h>

#include <algorithm>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WindowState.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/ScopeGuard.h"

using wm::ControlOf;
using wm::Find;
using wm::G;

namespace {

TRect intersect(const TRect& a, const TRect& b) {
  TRect r;
  IntersectRect(r, a, b);
  return r;
}

TRect unite(const TRect& a, const TRect& b) {
  TRect r;
  UnionRect(r, a, b);
  return r;
}

TRect offset(TRect r, TPoint by) {
  OffsetRect(r, by.X, by.Y);
  return r;
}

TPoint neg(TPoint p) { return {-p.X, -p.Y}; }

// Marks r (client coordinates of c) invalid in c and in every child window it covers.
void invalidateTree(TWinControl* c, const TRect& r, bool erase) {
  TWindowRecord* rec = c->HandleAllocated() ? Find(c->Handle()) : nullptr;
  if (!rec) return;
  TRect part = intersect(r, c->ClientRect());
  if (!part.IsEmpty()) {
    rec->Update = unite(rec->Update, part);
    rec->Erase = rec->Erase || erase;
  }
  for (int i = 0; i < c->ControlCount(); ++i) {
    auto* w = dynamic_cast<TWinControl*>(c->Controls(i));
    if (!w || !w->Visible() || !w->HandleAllocated()) continue;
    TRect inChild = intersect(r, w->BoundsRect());
    if (inChild.IsEmpty()) continue;
    OffsetRect(inChild, -w->Left(), -w->Top());  // window coordinates of the child
    TRect client = w->ClientAreaInWindow();
    if (!(intersect(inChild, client) == inChild)) Find(w->Handle())->FrameDirty = true;
    invalidateTree(w, offset(inChild, neg(client.TopLeft())), erase);
  }
}

void clearTree(TWinControl* c) {
  if (!c->HandleAllocated()) return;
  if (TWindowRecord* rec = Find(c->Handle())) {
    rec->Update = {};
    rec->FrameDirty = false;
  }
  for (int i = 0; i < c->ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(c->Controls(i))) clearTree(w);
}

bool pendingIn(TWinControl* c) {
  if (!c->HandleAllocated() || !c->Visible()) return false;
  TWindowRecord* rec = Find(c->Handle());
  if (!rec || rec->RedrawOff) return false;
  if (!rec->Update.IsEmpty() || rec->FrameDirty) return true;
  for (int i = 0; i < c->ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(c->Controls(i)); w && pendingIn(w)) return true;
  return false;
}

void logPaint(TControl* c, UINT msg, const TRect& clip) { wm::LogPaint(c, msg, clip); }

void drawCaret(TWinControl* c, cairo_surface_t* surface, TPoint clientOrigin, const TRect& clipSurf) {
  auto& caret = G().Caret;
  if (!c->HandleAllocated() || caret.Owner != c->Handle() || caret.ShowCount <= 0) return;
  TRect r = offset(Bounds(caret.Pos.X, caret.Pos.Y, std::max(caret.Width, 1), caret.Height), clientOrigin);
  r = intersect(r, clipSurf);
  if (r.IsEmpty()) return;
  cairo_t* cr = cairo_create(surface);
  cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
  cairo_fill(cr);
  cairo_destroy(cr);
}

// Sends one paint message with a canvas bound to the surface at origin, clipped to clipSurf.
void sendPaint(TWinControl* c, UINT msg, cairo_surface_t* surface, TPoint origin, const TRect& clipSurf) {
  TCanvas dc;
  dc.BindSurface(surface, origin, clipSurf);
  dc.Font()->Assign(c->Font());
  dc.Brush()->SetColor(c->Color());
  TPaintContext saved = G().Paint;
  auto restore = MakeScopeGuard([&] { G().Paint = saved; });
  G().Paint = {surface, origin, offset(clipSurf, neg(origin))};
  logPaint(c, msg, G().Paint.Clip);
  SendMessage(c->Handle(), msg, reinterpret_cast<WPARAM>(&dc), 0);
}

void paintTree(TWinControl* c, TWindowRecord& top, const TRect& clip, TPoint surfaceScreen) {
  if (!c->Visible() || !c->HandleAllocated()) return;
  TWindowRecord* rec = Find(c->Handle());
  if (!rec || rec->RedrawOff) return;
  TPoint wo = wm::WindowScreenOrigin(c);
  wo = {wo.X - surfaceScreen.X, wo.Y - surfaceScreen.Y};
  TRect win = intersect(Bounds(wo.X, wo.Y, c->Width(), c->Height()), clip);
  if (!c->WindowRgn().empty()) {
    TRect box;
    for (const TRect& r : c->WindowRgn()) box = unite(box, r);
    win = intersect(win, offset(box, wo));
  }
  if (win.IsEmpty()) {
    clearTree(c);
    return;
  }
  TRect client = offset(c->ClientAreaInWindow(), wo);
  bool framedByHost = c == top.Control && wm::HostFramed(c);
  if (rec->FrameDirty) {
    rec->FrameDirty = false;
    if (!framedByHost && !(client == Bounds(wo.X, wo.Y, c->Width(), c->Height()))) {
      sendPaint(c, WM_NCPAINT, top.Surface, wo, win);
      top.Presented = unite(top.Presented, win);
    }
  }
  TRect clientVisible = intersect(client, win);
  if (!rec->Update.IsEmpty()) {
    TRect upd = intersect(offset(rec->Update, client.TopLeft()), clientVisible);
    bool erase = rec->Erase;
    rec->Update = {};
    rec->Erase = false;
    if (!upd.IsEmpty()) {
      if (erase) sendPaint(c, WM_ERASEBKGND, top.Surface, client.TopLeft(), upd);
      sendPaint(c, WM_PAINT, top.Surface, client.TopLeft(), upd);
      drawCaret(c, top.Surface, client.TopLeft(), upd);
      top.Presented = unite(top.Presented, upd);
    }
  }
  for (int i = 0; i < c->ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(c->Controls(i))) paintTree(w, top, clientVisible, surfaceScreen);
}

void paintTopLevel(TWindowRecord& rec) {
  if (!rec.Surface || !rec.HostVisible || !rec.Control) return;
  TWinControl* c = rec.Control;
  int w = cairo_image_surface_get_width(rec.Surface);
  int h = cairo_image_surface_get_height(rec.Surface);
  paintTree(c, rec, Bounds(0, 0, w, h), wm::SurfaceScreenOrigin(c));
  if (!rec.Presented.IsEmpty()) {
    cairo_surface_flush(rec.Surface);
    TRect p = rec.Presented;
    rec.Presented = {};
    platform::CurrentDisplay().Present(rec.Host, rec.Surface, p.Left, p.Top, p.Width(), p.Height());
  }
}

TSize surfaceSize(TWinControl* c) {
  if (wm::HostFramed(c)) {
    TRect r = c->ClientRect();
    return {std::max(r.Width(), 1), std::max(r.Height(), 1)};
  }
  return {std::max(c->Width(), 1), std::max(c->Height(), 1)};
}

platform::HostWindowKind hostKind(TWinControl* c) {
  auto* form = dynamic_cast<TCustomForm*>(c);
  if (!form || form->IsPopup()) return platform::HostWindowKind::Popup;
  if (form->BorderStyle() == bsDialog) return platform::HostWindowKind::Dialog;
  if (form->BorderStyle() == bsToolWindow || form->BorderStyle() == bsSizeToolWin)
    return platform::HostWindowKind::Tool;
  if (form->BorderStyle() == bsNone) return platform::HostWindowKind::Popup;
  return platform::HostWindowKind::Normal;
}

void ensureSurface(TWindowRecord& rec) {
  TWinControl* c = rec.Control;
  TSize size = surfaceSize(c);
  rec.SurfaceOrigin = wm::HostFramed(c) ? c->ClientAreaInWindow().TopLeft() : TPoint{};
  if (rec.Surface && cairo_image_surface_get_width(rec.Surface) == size.cx &&
      cairo_image_surface_get_height(rec.Surface) == size.cy)
    return;
  if (rec.Surface) cairo_surface_destroy(rec.Surface);
  rec.Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.cx, size.cy);
}

}  // namespace

// ---- the WinApi painting calls ----

bool InvalidateRect(HWND hWnd, const TRect* Rect, bool Erase) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  TRect r = Rect ? *Rect : c->ClientRect();
  invalidateTree(c, r, Erase);
  return true;
}

bool ValidateRect(HWND hWnd, const TRect* Rect) {
  TWindowRecord* rec = Find(hWnd);
  if (!rec) return false;
  if (!Rect || intersect(rec->Update, *Rect) == rec->Update) rec->Update = {};
  return true;
}

bool GetUpdateRect(HWND hWnd, TRect& Rect) {
  TWindowRecord* rec = Find(hWnd);
  Rect = rec ? rec->Update : TRect{};
  return !Rect.IsEmpty();
}

bool UpdateWindow(HWND hWnd) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  wm::PaintNow(c);
  return true;
}

bool RedrawWindow(HWND hWnd, const TRect* Rect, UINT Flags) {
  TWindowRecord* rec = Find(hWnd);
  if (!rec) return false;
  if (Flags & RDW_FRAME) rec->FrameDirty = true;
  if (Flags & RDW_INVALIDATE) InvalidateRect(hWnd, Rect, (Flags & RDW_ERASE) != 0);
  if (Flags & RDW_VALIDATE) ValidateRect(hWnd, Rect);
  if (Flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateWindow(hWnd);
  return true;
}

bool ScrollWindow(HWND hWnd, int, int, const TRect* Rect, const TRect* ClipRect) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  TRect r = Rect ? *Rect : c->ClientRect();
  if (ClipRect) r = intersect(r, *ClipRect);
  return InvalidateRect(hWnd, &r, true);
}

bool SetLayeredWindowAttributes(HWND hWnd, uint32_t, uint8_t Alpha, UINT Flags) {
  TWindowRecord* rec = Find(hWnd);
  if (!rec) return false;
  rec->Alpha = (Flags & LWA_ALPHA) ? Alpha : 255;
  if (rec->Host) platform::CurrentDisplay().SetAlpha(rec->Host, rec->Alpha);
  return true;
}

uint8_t GetWindowAlpha(HWND hWnd) {
  TWindowRecord* rec = Find(hWnd);
  return rec ? rec->Alpha : 255;
}

namespace wm {

void BindControlCanvas(TCanvas* own, TCanvas* dc, TPoint origin, const TRect& clip, const TControl* c) {
  own->BindSurface(dc->Surface(), dc->LogicalToSurface(origin), dc->LogicalToSurface(clip));
  own->ResetState();
  own->Font()->Assign(c->Font());
  own->Brush()->SetColor(c->Color());
  own->Brush()->SetStyle(bsSolid);
}

void LogPaint(TControl* c, UINT msg, const TRect& clip) {
  auto& g = G();
  if (!g.PaintLogging) return;
  g.PaintLog.push_back({c, c->Name().empty() ? c->ClassName() : c->Name(), msg, clip});
}

bool PaintPending() {
  for (auto& [k, rec] : G().Windows)
    if (rec->Surface && rec->HostVisible && pendingIn(rec->Control)) return true;
  return false;
}

void PaintAll() {
  std::vector<HWND> tops;
  for (auto& [k, rec] : G().Windows)
    if (rec->Surface && rec->HostVisible) tops.push_back(rec->Handle);
  std::sort(tops.begin(), tops.end());
  for (HWND h : tops)
    if (TWindowRecord* rec = Find(h)) paintTopLevel(*rec);
}

void PaintNow(TWinControl* Control) {
  TWinControl* top = TopLevelOf(Control);
  if (!top || !top->HandleAllocated()) return;
  if (TWindowRecord* rec = Find(top->Handle())) paintTopLevel(*rec);
}

bool HostFramed(const TWinControl* TopLevel) {
  auto* form = dynamic_cast<const TCustomForm*>(TopLevel);
  return form && !form->IsPopup() && form->BorderStyle() != bsNone;
}

cairo_surface_t* SurfaceOf(TWinControl* TopLevel) {
  if (!TopLevel || !TopLevel->HandleAllocated()) return nullptr;
  TWindowRecord* rec = Find(TopLevel->Handle());
  return rec ? rec->Surface : nullptr;
}

void ShowTopLevel(TWinControl* Control, bool Show) {
  TWindowRecord* rec = Find(Control->Handle());
  if (!rec) return;
  auto& host = platform::CurrentDisplay();
  if (Show) {
    ensureSurface(*rec);
    if (!rec->Host) {
      platform::HostWindowParams p;
      p.Kind = hostKind(Control);
      p.Title = Control->Caption();
      TPoint o = SurfaceScreenOrigin(Control);
      p.X = o.X;
      p.Y = o.Y;
      p.Width = cairo_image_surface_get_width(rec->Surface);
      p.Height = cairo_image_surface_get_height(rec->Surface);
      p.TopMost = (Control->ExStyle() & WS_EX_TOPMOST) != 0;
      auto* form = dynamic_cast<TCustomForm*>(Control);
      p.Resizable = form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
      if (TWinControl* owner = ControlOf(Control->ParentWindow()))
        if (TWindowRecord* orec = Find(owner->Handle())) p.Owner = orec->Host;
      rec->Host = host.CreateWindow(p);
      if (rec->Alpha != 255) host.SetAlpha(rec->Host, rec->Alpha);
    }
    rec->HostVisible = true;
    rec->FrameDirty = true;
    InvalidateRect(rec->Handle, nullptr, true);
    RaiseTopLevel(rec->Handle);
    // The first picture comes from the loop, after activation, as paint always does.
    host.SetVisible(rec->Host, true, hostKind(Control) != platform::HostWindowKind::Popup);
  } else if (rec->Host && rec->HostVisible) {
    rec->HostVisible = false;
    host.SetVisible(rec->Host, false, false);
  }
}

void SyncHostBounds(TWinControl* Control) {
  if (!Control->HandleAllocated()) return;
  TWindowRecord* rec = Find(Control->Handle());
  if (!rec || !rec->Host) return;
  cairo_surface_t* before = rec->Surface;
  int bw = before ? cairo_image_surface_get_width(before) : 0;
  int bh = before ? cairo_image_surface_get_height(before) : 0;
  ensureSurface(*rec);
  int w = cairo_image_surface_get_width(rec->Surface);
  int h = cairo_image_surface_get_height(rec->Surface);
  TPoint o = SurfaceScreenOrigin(Control);
  if (!G().ApplyingHostBounds) platform::CurrentDisplay().SetBounds(rec->Host, o.X, o.Y, w, h);
  if (w != bw || h != bh) {
    rec->FrameDirty = true;
    InvalidateRect(rec->Handle, nullptr, true);
  }
}

void SyncHostTitle(TWinControl* Control) {
  if (!Control->HandleAllocated()) return;
  TWindowRecord* rec = Find(Control->Handle());
  if (rec && rec->Host) platform::CurrentDisplay().SetTitle(rec->Host, Control->Caption());
}

void DestroyTopLevel(TWindowRecord& Rec) {
  if (Rec.Host) platform::CurrentDisplay().DestroyWindow(Rec.Host);
  Rec.Host = 0;
  Rec.HostVisible = false;
  if (Rec.Surface) cairo_surface_destroy(Rec.Surface);
  Rec.Surface = nullptr;
}

}  // namespace wm
