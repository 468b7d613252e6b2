#pragma once
// The control model: TControl (a rectangle on a parent that receives
// messages), TWinControl (a control with a window handle, children, focus and
// the keyboard), TCustomControl (a windowed control that paints itself on a
// Canvas) and TGraphicControl (a windowless control painted by its parent).
//
// Messages reach a control through WndProc -> Dispatch -> the per-message
// virtual handlers below -> DefaultHandler. To handle a message of your own,
// override Dispatch (switch on Msg, call the base class for the rest) or the
// named handler ("inherited" is a call of the base class's method; from a
// handler whose ancestors do not handle the message, CallDefault(view)).
//
// A custom control derives from TCustomControl and overrides Paint (drawing
// on Canvas(), which is bound to the form's picture only while painting),
// calls Invalidate when its look changes, and takes the focus itself on a
// click where it wants it (SetFocus in MouseDown or WMLButtonDown): a click
// alone does not move the focus. WM_GETDLGCODE decides which of Tab,
// arrows, Enter/Esc and characters it keeps from the form's dialog keys.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/forms/Messages.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Sets.h"
#include "toolkit/rtl/Types.h"

class TFont;
class TCanvas;
class TPopupMenu;
class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using TAlignSet = TSet<TAlign>;

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TControlStyleItem {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption,
  csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
  csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents, csNeedsBorderPaint,
  csParentBackground, csPannable, csAlignWithMargins, csGestures, csPaintBlackOpaqueOnGlass,
  csOverrideStylePaint
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
  csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking, csDesignerHide, csPanning,
  csRecreating, csAligning, csGlassPaint, csPrintClient
};
using TControlState = TSet<TControlStateItem>;

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Border styles of forms; controls use the first two (TBorderStyle).
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelEdge { beLeft, beTop, beRight, beBottom };
using TBevelEdges = TSet<TBevelEdge>;
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
using TBevelWidth = int;

// Modal results: a non-zero value ends a modal loop. They equal the ID
// numbers message boxes return.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// Cursors: negative numbers are the standard shapes, positive ones are
// registered in Screen->Cursors.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = -22;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// The shift state of key and mouse messages (MK_ flags / key data) and of the keyboard now.
TShiftState KeysToShiftState(WPARAM Keys);
TShiftState KeyDataToShiftState(int32_t KeyData);
TShiftState GetShiftState();

// Limits on a control's size; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
  std::string ClassName() const override { return "TSizeConstraints"; }
  int MinWidth() const { return minW_; }
  int MinHeight() const { return minH_; }
  int MaxWidth() const { return maxW_; }
  int MaxHeight() const { return maxH_; }
  void SetMinWidth(int v) { set(minW_, v); }
  void SetMinHeight(int v) { set(minH_, v); }
  void SetMaxWidth(int v) { set(maxW_, v); }
  void SetMaxHeight(int v) { set(maxH_, v); }
  void Apply(int& w, int& h) const;
  TNotifyEvent OnChange;

private:
  void set(int& f, int v) {
    if (f == v) return;
    f = v;
    if (OnChange) OnChange(this);
  }
  int minW_ = 0, minH_ = 0, maxW_ = 0, maxH_ = 0;
};

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  // ---- placement ----
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int v);
  void SetClientHeight(int v);
  void SetClientSize(int w, int h);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  TPoint ClientToParent(TPoint p, TWinControl* AParent = nullptr) const;
  TPoint ParentToClient(TPoint p, TWinControl* AParent = nullptr) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign v);
  const TAnchors& Anchors() const { return anchors_; }
  void SetAnchors(TAnchors v);
  TSizeConstraints* Constraints() { return &constraints_; }

  // ---- state and look ----
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void Show();
  void Hide();
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);
  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* v);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& v) { SetText(v); }
  std::string Text() const { return GetText(); }
  void SetText(const std::string& v);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& v) { hint_ = v; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool v);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor v);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* v) { popupMenu_ = v; }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v) { biDiMode_ = v; }
  bool UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft; }
  const TControlStyle& ControlStyle() const { return controlStyle_; }
  void SetControlStyle(const TControlStyle& v) { controlStyle_ = v; }
  const TControlState& ControlState() const { return controlState_; }
  void SetControlState(const TControlState& v) { controlState_ = v; }
  bool IsControlVisible() const;  // Visible and every parent visible
  bool MouseCapture() const;
  void SetMouseCapture(bool v);

  // ---- painting ----
  virtual void Invalidate();
  virtual void Repaint();
  virtual void Update();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // ---- messages ----
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  virtual void WndProc(TMessage& Message);
  // The procedure Perform hands messages to: the control's own WndProc
  // unless replaced. Whoever replaces it keeps the previous one to call on
  // and to put back; an empty one means WndProc again.
  using TWndMethod = std::function<void(TMessage& Message)>;
  TWndMethod WindowProc();
  void SetWindowProc(TWndMethod Value) { windowProc_ = std::move(Value); }
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  // ---- events ----
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TContextPopupEvent OnContextPopup;

  // The dynamic methods, public so that tests and owners can fire them.
  virtual void Click();
  virtual void DblClick();
  virtual void Resize();
  virtual void ChangeScale(int M, int D);

protected:
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);
  void Loaded() override;

  // Text storage; edit controls override these to keep their own buffer.
  virtual std::string GetText() const { return text_; }
  virtual void RealSetText(const std::string& v) { text_ = v; }

  // Hooks for bounds changes: CanResize may refuse or change the new size.
  virtual bool CanResize(int& NewWidth, int& NewHeight);
  virtual void BoundsChanged() {}
  void RequestAlign();
  void InvalidateRect(const TRect& r);  // client coordinates
  virtual void VisibleChanging() {}
  // The canvas painted on behind the scenes (the parent's form surface).
  friend class TWinControl;
  friend class TPaintEngine;

  // ---- per-message handlers (reached from Dispatch) ----
  virtual void WMLButtonDown(TWMMouse& Message);
  virtual void WMLButtonUp(TWMMouse& Message);
  virtual void WMLButtonDblClk(TWMMouse& Message);
  virtual void WMRButtonDown(TWMMouse& Message);
  virtual void WMRButtonUp(TWMMouse& Message);
  virtual void WMRButtonDblClk(TWMMouse& Message);
  virtual void WMMButtonDown(TWMMouse& Message);
  virtual void WMMButtonUp(TWMMouse& Message);
  virtual void WMMButtonDblClk(TWMMouse& Message);
  virtual void WMMouseMove(TWMMouse& Message);
  virtual void WMMouseWheel(TWMMouseWheel& Message);
  virtual void WMCancelMode(TMessage& Message);
  virtual void WMContextMenu(TWMContextMenu& Message);
  virtual void WMWindowPosChanged(TWMWindowPosMsg& Message);
  virtual void CMEnabledChanged(TMessage& Message);
  virtual void CMVisibleChanged(TMessage& Message);
  virtual void CMFontChanged(TMessage& Message);
  virtual void CMColorChanged(TMessage& Message);
  virtual void CMTextChanged(TMessage& Message);
  virtual void CMParentFontChanged(TMessage& Message);
  virtual void CMParentColorChanged(TMessage& Message);
  virtual void CMParentShowHintChanged(TMessage& Message);
  virtual void CMShowHintChanged(TMessage& Message);
  virtual void CMCursorChanged(TMessage& Message);
  virtual void CMMouseEnter(TCMControlMsg& Message);
  virtual void CMMouseLeave(TCMControlMsg& Message);
  virtual void CMHitTest(TCMHitTest& Message);
  virtual void CMHintShow(TCMHintShow& Message);
  virtual void CMMouseWheel(TCMMouseWheel& Message);
  virtual void CMSysColorChange(TMessage& Message);

  // Shared by the mouse handlers.
  void DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift);
  void DoMouseUp(TWMMouse& Message, TMouseButton Button);

  // Calls DefaultHandler with the view's changes written back ("inherited"
  // from a handler whose ancestors do not handle the message).
  template <typename View>
  void CallDefault(View& v) {
    v.WriteTo(*v.Source);
    DefaultHandler(*v.Source);
    v.Result = v.Source->Result;
  }
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;

private:
  void fontChanged();
  TWndMethod windowProc_;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  TSizeConstraints constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::string text_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool updatingFont_ = false;
  int wheelAccumulator_ = 0;

  // Where anchors measure from: the parent's client size when the control
  // was last placed by hand.
  TSize anchorParentSize_;
  TRect anchorBounds_;
};

// Window creation parameters a control may change in CreateParams.
struct TCreateParams {
  std::string Caption;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  std::string WinClassName;
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  // ---- children ----
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(const TControl* Control) const;
  // The child (graphic or windowed, enabled or not as asked) under a client point, topmost first.
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;
  void Broadcast(TMessage& Message);
  void DisableAlign();
  void EnableAlign();
  void Realign();
  virtual void AlignControls(TControl* AControl, TRect& Rect);

  // ---- the window ----
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  void RecreateWnd();
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND v) { parentWindow_ = v; }
  bool Showing() const;
  uint32_t Style() const { return style_; }
  uint32_t ExStyle() const { return exStyle_; }
  // Changing style bits takes effect at once (the frame is recomputed).
  void SetStyle(uint32_t v);
  void SetExStyle(uint32_t v);
  TPoint ClientOrigin() const override;
  TRect ClientRect() const override;

  // ---- focus and keyboard ----
  int TabOrder() const;
  void SetTabOrder(int v);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  virtual bool CanFocus() const;
  virtual void SetFocus();
  virtual bool Focused() const;
  void GetTabOrderList(std::vector<TWinControl*>& List) const;
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
  void SelectFirst();
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  // ---- look ----
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool v);
  TBevelKind BevelKind() const { return bevelKind_; }
  void SetBevelKind(TBevelKind v);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v);
  TBevelEdges BevelEdges() const { return bevelEdges_; }
  void SetBevelEdges(TBevelEdges v);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool v) { doubleBuffered_ = v; }
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool v) { parentCtl3D_ = v; }

  // ---- painting ----
  void Invalidate() override;
  void Repaint() override;
  void Update() override;
  // Paints this control and its children onto Canvas at (X, Y), outside the usual cycle.
  void PaintTo(TCanvas* Canvas, int X, int Y);
  // Window region in window coordinates; empty means the whole window. It
  // clips painting and hit testing to the rectangles' bounds.
  void SetWindowRgn(const std::vector<TRect>& Rects);
  const std::vector<TRect>& WindowRgn() const { return windowRgn_; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // ---- events ----
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void WndProc(TMessage& Message) override;

  // Used by the window manager of the toolkit; not for application code.
  void DestroyHandle();
  TRect ClientAreaInWindow() const { return clientInWindow_; }
  // Window-coordinate rectangles of the scroll bars (empty when not shown).
  TRect ScrollBarRect(int Bar) const;
  void UpdateClientArea();
  // The frame changed (its scroll bars' size or look): the client area and
  // the frame are laid out and painted again.
  void FrameChanged() { styleChanged(); }

protected:
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  virtual void CreateHandle();
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void PaintWindow(TCanvas* Canvas);
  virtual void PaintHandler(TWMPaint& Message);
  void PaintControls(TCanvas* Canvas, TControl* First);
  // True when the key was eaten (by KeyPreview or the handler).
  bool DoKeyDown(TWMKey& Message);
  bool DoKeyUp(TWMKey& Message);
  bool DoKeyPress(TWMKey& Message);
  void SelectFirstChild();
  bool IsControlMouseMsg(TWMMouse& Message);
  // The default handling of a press on a window scroll bar: WM_HSCROLL/WM_VSCROLL to itself.
  void NCScrollBarClick(TMessage& Message);
  void BoundsChanged() override;
  virtual void ShowingChanged();

  virtual void WMPaint(TWMPaint& Message);
  virtual void WMEraseBkgnd(TWMEraseBkgnd& Message);
  virtual void WMNCPaint(TWMNCPaint& Message);
  virtual void WMNCCalcSize(TWMNCCalcSize& Message);
  virtual void WMNCHitTest(TWMNCHitTest& Message);
  virtual void WMSize(TWMSize& Message);
  virtual void WMMove(TWMMove& Message);
  virtual void WMWindowPosChanging(TWMWindowPosMsg& Message);
  virtual void WMSetFocus(TWMSetFocus& Message);
  virtual void WMKillFocus(TWMKillFocus& Message);
  virtual void WMKeyDown(TWMKey& Message);
  virtual void WMKeyUp(TWMKey& Message);
  virtual void WMChar(TWMKey& Message);
  virtual void WMSysKeyDown(TWMKey& Message);
  virtual void WMSysKeyUp(TWMKey& Message);
  virtual void WMSysChar(TWMKey& Message);
  virtual void WMSetCursor(TWMSetCursor& Message);
  virtual void WMGetDlgCode(TWMGetDlgCode& Message);
  virtual void WMTimer(TWMTimer& Message);
  virtual void WMCommand(TWMCommand& Message);
  virtual void WMNotify(TWMNotify& Message);
  virtual void WMHScroll(TWMScroll& Message);
  virtual void WMVScroll(TWMScroll& Message);
  virtual void WMCaptureChanged(TWMCaptureChanged& Message);
  virtual void CMEnter(TMessage& Message);
  virtual void CMExit(TMessage& Message);
  virtual void CMDialogKey(TCMDialogKey& Message);
  virtual void CMDialogChar(TCMDialogChar& Message);
  virtual void CMChildKey(TCMChildKey& Message);
  virtual void CMWantSpecialKey(TCMWantSpecialKey& Message);
  virtual void CMFocusChanged(TCMFocusChanged& Message);
  virtual void CMShowingChanged(TMessage& Message);
  virtual void CMCtl3DChanged(TMessage& Message);
  virtual void CMBorderChanged(TMessage& Message);
  void CMVisibleChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMColorChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMSysColorChange(TMessage& Message) override;

  std::vector<TControl*> controls_;  // z-order: first is bottom
  uint32_t style_ = 0;
  uint32_t exStyle_ = 0;

private:
  friend class TControl;
  void alignList(TAlign a, TRect& rect);
  void styleChanged();
  void anchorControls();
  int alignLevel_ = 0;
  bool alignPending_ = false;
  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  bool tabStop_ = false;
  int borderWidth_ = 0;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  TBevelKind bevelKind_ = bkNone;
  TBevelCut bevelInner_ = bvRaised;
  TBevelCut bevelOuter_ = bvLowered;
  TBevelEdges bevelEdges_{beLeft, beTop, beRight, beBottom};
  int bevelWidth_ = 1;
  bool doubleBuffered_ = false;
  TRect clientInWindow_;  // client area relative to the window's top-left
  std::vector<TRect> windowRgn_;
  bool showing_ = false;
  std::vector<TWinControl*> tabList_;
};

// A windowed control that paints itself: override Paint and draw on Canvas().
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  std::string ClassName() const override { return "TCustomControl"; }
  TCanvas* Canvas() const { return canvas_.get(); }
  TNotifyEvent OnPaint;

protected:
  virtual void Paint();
  void PaintWindow(TCanvas* Canvas) override;

private:
  std::unique_ptr<TCanvas> canvas_;
};

// A windowless control painted by its parent on its own Canvas().
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  std::string ClassName() const override { return "TGraphicControl"; }
  TCanvas* Canvas() const { return canvas_.get(); }
  TNotifyEvent OnPaint;

protected:
  virtual void Paint();
  friend class TWinControl;
  void WMPaintGraphic(TCanvas* ParentCanvas);

private:
  std::unique_ptr<TCanvas> canvas_;
};

// The window handle table.
TWinControl* FindControl(HWND Handle);
// The control (graphic or windowed) under a screen point, topmost first.
TControl* FindDragTarget(TPoint Pos, bool AllowDisabled);
TCustomForm* GetParentForm(const TControl* Control, bool TopForm = true);
// The form of the control, also for controls parented through ParentWindow.
TCustomForm* ValidParentForm(const TControl* Control);

// Shows a control's popup menu; the menu unit installs it. Returns true when a menu was shown.
extern std::function<bool(TPopupMenu* Menu, TControl* Sender, int ScreenX, int ScreenY)> PopupMenuHook;
