// TApplication: the message loop, idle and waiting, exceptions, forms.

#include <cstdio>
#include <filesystem>

#include "platform/display/DisplayClipboard.h"
#include "platform/kernel/Clock.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/rtl/Exceptions.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

void InitializeForms() {
  // The display says how large the screen and its work area are; forms are
  // placed from those facts before their first window exists.
  platform::CurrentDisplay();
  if (!Application) Application = new TApplication(nullptr);
  if (!Screen) Screen = new TScreen(nullptr);
  platform::TheClipboard().SetHost(&platform::TheDisplayClipboardHost());
}

void FinalizeForms() {
  // Forms belong to the application; they go first, while Screen still knows them.
  TApplication* app = Application;
  if (app) {
    app->DestroyComponents();
    Application = nullptr;
    delete app;
  }
  delete Screen;
  Screen = nullptr;
  wm::Reset();
  platform::TheClipboard().SetHost(nullptr);
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  title_ = std::filesystem::path(ExeName()).stem().string();
}

TApplication::~TApplication() { CancelHint(); }

void TApplication::Initialize() {}

void TApplication::registerForm(TCustomForm* form) {
  if (!mainForm_) mainForm_ = form;
  form->AfterConstruction();
}

std::string TApplication::ExeName() const {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

void TApplication::Run() {
  if (mainForm_ && showMainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() { terminated_ = true; }

void TApplication::BringToFront() {
  if (mainForm_ && mainForm_->Showing()) SetActiveWindow(mainForm_->Handle());
}

bool TApplication::ProcessMessage() {
  try {
    if (wm::DeliverPosted()) return true;
    if (wm::DeliverInput()) return true;
    if (wm::FireDueTimers()) return true;
    if (wm::PaintPending()) {
      wm::PaintAll();
      return true;
    }
  } catch (...) {
    HandleException(this);
    return true;
  }
  return false;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::Idle() {
  bool done = true;
  if (OnIdle) {
    try {
      OnIdle(this, done);
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::HandleMessage() {
  if (ProcessMessage()) return;
  Idle();
  if (ProcessMessage()) return;
  waitForWork();
}

// Nothing to do: a modal loop asks the test hook when one is set; otherwise
// wait for the display or the next timer. Without a display, a loop that could
// only wait forever ends.
void TApplication::waitForWork() {
  auto& host = platform::CurrentDisplay();
  uint32_t due = 0;
  bool timer = wm::NextTimerDue(due);
  uint32_t now = GetTickCount();
  TCustomForm* modal = ModalForm();
  if (modal && OnModalIdle) {
    try {
      if (!OnModalIdle(modal)) modal->SetModalResult(mrCancel);
    } catch (...) {
      HandleException(this);
    }
    return;
  }
  if (!host.IsHeadless()) {
    int timeout = timer ? static_cast<int>(due - now) : 250;
    host.WaitEvent(std::max(0, std::min(timeout, 250)));
    return;
  }
  if (timer) {
    ::Sleep(due - now);
    return;
  }
  if (modal) {
    std::fprintf(stderr, "modal form '%s' waits for input that cannot come; closing it\n", modal->Name().c_str());
    modal->SetModalResult(mrCancel);
    return;
  }
  Terminate();
}

void TApplication::ModalStarted(TCustomForm* Form) {
  ++modalLevel_;
  modalStack_.push_back(Form);
  CancelHint();
  // The modal window takes the input: the control under the pointer in the
  // windows beneath it is left, not kept hot until the pointer moves.
  wm::SetMouseControl(nullptr);
}

void TApplication::ModalFinished(TCustomForm* Form) {
  --modalLevel_;
  std::erase(modalStack_, Form);
}

void TApplication::HandleException(TObject* Sender) {
  std::exception_ptr ex = std::current_exception();
  if (!ex) return;
  if (handlingException_) return;  // an error while showing an error is dropped, not looped
  handlingException_ = true;
  try {
    try {
      std::rethrow_exception(ex);
    } catch (const EAbort&) {
      // Abort() is the silent way out of an event handler: no box, no OnException.
    } catch (const std::exception& e) {
      if (OnException)
        OnException(Sender, e);
      else
        ShowException(e);
    } catch (...) {
      ShowException(Exception("Unknown exception"));
    }
  } catch (...) {
    // OnException itself failed: there is nobody left to tell.
  }
  handlingException_ = false;
}

void TApplication::ShowException(const std::exception& E) {
  std::string msg = E.what();
  if (!msg.empty() && msg.back() != '.') msg += '.';
  ::ShowMessageBox(msg, title_, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
  return ::ShowMessageBox(Text, Caption.empty() ? std::string("Error") : Caption, Flags);
}
