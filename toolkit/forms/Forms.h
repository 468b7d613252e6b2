#pragma once
// Forms, the application object and the screen: TCustomForm/TForm (a
// top-level window with caption, border, modal loop and close protocol),
// TApplication (the message loop, exceptions, hints), TScreen and TMonitor,
// and THintWindow.

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/forms/Controls.h"

struct HCURSOR__;
using HCURSOR = HCURSOR__*;

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TShowAction { saIgnore, saRestore, saMinimize, saMaximize };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
  // Every form is created "new": its constructor builds its controls in code.
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  std::string ClassName() const override { return "TCustomForm"; }
  // Fires OnCreate once; Application->CreateForm calls it after construction,
  // and the first Show does when nobody did.
  virtual void AfterConstruction();

  TCanvas* Canvas() const { return canvas_.get(); }

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons v);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle v);
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState v);
  TDefaultMonitor DefaultMonitor() const { return defaultMonitor_; }
  void SetDefaultMonitor(TDefaultMonitor v) { defaultMonitor_ = v; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool v);
  uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(uint8_t v);
  // A popup form (drop-downs, hints): no frame, never activated, top-most,
  // owned by the form it drops from.
  bool IsPopup() const { return popup_; }
  void SetPopup(bool v, TCustomForm* OwnerForm = nullptr);
  TCustomForm* PopupParent() const { return popupParent_; }

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* Control);
  bool Active() const { return active_; }
  // Makes Control the focused control of the form, sending CM_EXIT/CM_ENTER.
  virtual bool SetFocusedControl(TWinControl* Control);
  void FocusControl(TWinControl* Control);
  void DefocusControl(TWinControl* Control, bool Removing);

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult v) { modalResult_ = v; }
  virtual TModalResult ShowModal();
  bool Modal() const { return inModal_; }
  void Close();
  bool CloseQuery();
  // Frees the form once the message queue gets to it.
  void Release();
  void SetFocus() override;
  bool CanFocus() const override;

  // ---- events ----
  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void Dispatch(TMessage& Message) override;
  // The window system tells the form it became (in)active.
  void Activate(bool Active);

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Paint();
  void PaintWindow(TCanvas* Canvas) override;
  void ShowingChanged() override;
  void CMDialogKey(TCMDialogKey& Message) override;
  virtual void WMClose(TMessage& Message);
  virtual void WMActivate(TWMActivate& Message);
  void CMShowingChanged(TMessage& Message) override;
  void BoundsChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void placeOnShow();
  void applyFrameStyle();
  std::unique_ptr<TCanvas> canvas_;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TFormStyle formStyle_ = fsNormal;
  TWindowState windowState_ = wsNormal;
  TDefaultMonitor defaultMonitor_ = dmActiveForm;
  bool keyPreview_ = false;
  bool alphaBlend_ = false;
  uint8_t alphaBlendValue_ = 255;
  bool popup_ = false;
  TCustomForm* popupParent_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
  bool inModal_ = false;
  bool created_ = false;
  bool placed_ = false;
};

class TForm : public TCustomForm {
public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
  std::string ClassName() const override { return "TForm"; }
  // A form without resources: the same as the constructor here.
  static TForm* CreateNew(TComponent* AOwner) { return new TForm(AOwner); }
};

// What a control may change before its hint is shown (CM_HINTSHOW).
class THintWindow;
// Makes the hint window of a class other than the plain one.
using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;          // screen
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;        // client coordinates of HintControl; leaving it hides the hint
  TPoint CursorPos;        // client coordinates of HintControl
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  std::string HintStr;
  void* HintData = nullptr;
  // Empty: the application's hint window class.
  THintWindowClass HintWindowClass;
};

class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* AOwner);
  std::string ClassName() const override { return "THintWindow"; }
  virtual void ActivateHint(TRect Rect, const std::string& AHint);
  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint);
  // A hint with data of its control (a grid hands itself); the plain window ignores it.
  virtual void ActivateHintData(TRect Rect, const std::string& AHint, void* AData);
  void ReleaseHandle();

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
};

using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;
using THintEvent = TNotifyEvent;
using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class TApplication : public TComponent {
public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  void Initialize();
  // Creates a form, fires its OnCreate, and makes the first one the main form.
  template <typename T>
  void CreateForm(T*& Reference) {
    T* form = new T(this);
    Reference = form;
    registerForm(form);
  }
  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* f) { mainForm_ = f; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool v) { showMainForm_ = v; }
  bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
  void SetMainFormOnTaskBar(bool v) { mainFormOnTaskBar_ = v; }

  // Shows the main form and runs the loop until Terminate or the main form closes.
  void Run();
  void ProcessMessages();
  // Handles one message, or idles (and waits) when there is none.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void Minimize() {}
  void Restore() {}
  void BringToFront();
  int ModalLevel() const { return modalLevel_; }
  bool Active() const { return active_; }

  // Call from inside a catch block: passes the exception to OnException or
  // shows the standard error box.
  void HandleException(TObject* Sender);
  void ShowException(const std::exception& E);
  int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags = MB_OK);

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& v) { title_ = v; }
  std::string ExeName() const;

  // ---- hints ----
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& v);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  int HintPause() const { return hintPause_; }
  void SetHintPause(int v) { hintPause_ = v; }
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int v) { hintShortPause_ = v; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int v) { hintHidePause_ = v; }
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor v) { hintColor_ = v; }
  void CancelHint();
  void ActivateHint(TPoint CursorPos);
  THintWindow* HintWindow() const { return hintWindow_; }
  // The class of the hint windows made from now on; empty: the plain one.
  // Classes are told apart by the type of their factory (one lambda each).
  void SetHintWindowClass(THintWindowClass Class) { hintWindowClass_ = std::move(Class); }
  const THintWindowClass& HintWindowClass() const { return hintWindowClass_; }
  // Called by the window system for every mouse message.
  void HintMouseMessage(TControl* Control, TMessage& Message);
  // Forgets a control that is being destroyed.
  void ControlDestroyed(TControl* Control);

  TIdleEvent OnIdle;
  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  THintEvent OnHint;
  TShowHintEvent OnShowHint;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

  // Test hook: called when a modal loop has nothing left to do. It returns
  // true when it did something (the loop goes on) and false when the loop
  // would wait forever; then the loop ends with mrCancel.
  std::function<bool(TCustomForm* ModalForm)> OnModalIdle;

  // The loop's steps, for the loop of ShowModal and the test driver.
  bool ProcessMessage();
  void Idle();
  void ModalStarted(TCustomForm* Form);
  void ModalFinished(TCustomForm* Form);
  TCustomForm* ModalForm() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
  void SetActive(bool v) { active_ = v; }

private:
  void registerForm(TCustomForm* form);
  void waitForWork();
  std::vector<TCustomForm*> modalStack_;
  void hintTimerExpired();
  void showHintNow();
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool mainFormOnTaskBar_ = false;
  bool terminated_ = false;
  bool active_ = true;
  int modalLevel_ = 0;
  std::string title_;
  std::string hint_;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  TColor hintColor_ = clInfoBk;
  THintWindow* hintWindow_ = nullptr;
  THintWindowClass hintWindowClass_;
  // Which class made hintWindow_, so that a hint of another class gets a new window.
  const void* hintWindowKind_ = nullptr;
  TControl* hintControl_ = nullptr;
  bool hintActive_ = false;
  THintInfo hintInfo_;
  uintptr_t hintTimer_ = 0;
  bool handlingException_ = false;
};

class TMonitor : public TObject {
public:
  std::string ClassName() const override { return "TMonitor"; }
  int MonitorNum() const { return 0; }
  bool Primary() const { return true; }
  int Left() const { return 0; }
  int Top() const { return 0; }
  int Width() const;
  int Height() const;
  TRect BoundsRect() const { return Bounds(0, 0, Width(), Height()); }
  TRect WorkareaRect() const;
};

class TScreen : public TComponent {
public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;
  std::string ClassName() const override { return "TScreen"; }

  int Width() const;
  int Height() const;
  int DesktopWidth() const { return Width(); }
  int DesktopHeight() const { return Height(); }
  TRect DesktopRect() const { return Bounds(0, 0, Width(), Height()); }
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  int PixelsPerInch() const { return 96; }
  int MonitorCount() const { return 1; }
  TMonitor* Monitors(int) { return &monitor_; }
  TMonitor* MonitorFromPoint(TPoint) { return &monitor_; }
  TMonitor* MonitorFromWindow(HWND) { return &monitor_; }

  TCustomForm* ActiveForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  TCustomForm* ActiveCustomForm() const { return activeForm_; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int Index) const { return forms_.at(Index); }
  int CustomFormCount() const { return FormCount(); }
  TCustomForm* CustomForms(int Index) const { return Forms(Index); }

  // Screen->Cursor overrides every control's cursor while it is not crDefault.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor v);
  HCURSOR Cursors(int Index) const;
  // Registers a custom cursor (positive indices) or replaces a standard one.
  void SetCursors(int Index, HCURSOR Handle);
  const std::vector<std::string>& Fonts();
  TFont* HintFont() const { return hintFont_.get(); }
  TFont* IconFont() const { return iconFont_.get(); }
  TFont* MenuFont() const { return menuFont_.get(); }

  TNotifyEvent OnActiveFormChange;
  TNotifyEvent OnActiveControlChange;

  // Kept up to date by the forms.
  void AddForm(TCustomForm* f);
  void RemoveForm(TCustomForm* f);
  void SetActiveForm(TCustomForm* f);
  void SetActiveControl(TWinControl* c);
  // The form whose controls have the keyboard (CM_ACTIVATE/CM_DEACTIVATE follow it).
  TCustomForm* FocusedForm() const { return focusedForm_; }
  void SetFocusedForm(TCustomForm* f) { focusedForm_ = f; }
  // Brings a form to the front of the z-order of forms.
  void MoveToFront(TCustomForm* f);
  const std::vector<TCustomForm*>& ZOrder() const { return zOrder_; }

private:
  TMonitor monitor_;
  std::vector<TCustomForm*> forms_;
  std::vector<TCustomForm*> zOrder_;  // back to front
  TCustomForm* activeForm_ = nullptr;
  TCustomForm* focusedForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TCursor cursor_ = crDefault;
  std::vector<std::pair<int, HCURSOR>> cursors_;
  std::vector<std::string> fonts_;
  std::unique_ptr<TFont> hintFont_, iconFont_, menuFont_;
};

extern TApplication* Application;
extern TScreen* Screen;

// Creates Application and Screen (once); the test driver recreates them per test.
void InitializeForms();
void FinalizeForms();

// Cursors: standard shapes by number, custom ones from an embedded resource:
// a cursor file (.cur, with its own hot spot) or a bitmap; a hot spot given
// here (not negative) wins. nullptr when there is no such resource.
HCURSOR LoadCursor(TCursor Standard);
HCURSOR LoadCursorFromResource(const std::string& ResourceName, int HotX = -1, int HotY = -1);
// The name a cursor handle stands for ("crHandPoint", or the resource name).
std::string CursorName(HCURSOR Cursor);

// Accelerators: true when Str has "&c" for the character c (case-insensitive).
bool IsAccel(uint32_t VK, const std::string& Str);
// The text without its "&" markers ("&&" stays one "&").
std::string StripHotkey(const std::string& Text);
