#include "grid/foundation/ExtStyleIF.h"

#include <algorithm>
#include <chrono>

#include "platform/kernel/Modules.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryWatch.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/ThemePainting.h"

TThemeNotifier* ThemeNotifierInstance = nullptr;

namespace {

const char* const kOffice14 = "Software\\Microsoft\\Office\\14.0\\Common";
const char* const kOffice12 = "Software\\Microsoft\\Office\\12.0\\Common";

bool CurrentUserKeyExists(const std::string& key) {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  return reg.KeyExists(key);
}

}  // namespace

bool IsComCtlVersion6() { return true; }

bool IsVistaOrLater() {
  HMODULE kernel = LoadLibrary("kernel32");
  if (!kernel) return false;
  const bool has = GetProcAddress(kernel, "GetLocaleInfoEx") != nullptr;
  FreeLibrary(kernel);
  return has;
}

bool IsWinXPOrLater() { return true; }

int GetOfficeVersion() {
  if (CurrentUserKeyExists("Software\\Microsoft\\Office\\14.0\\Common\\General")) return 2;
  if (CurrentUserKeyExists("Software\\Microsoft\\Office\\12.0\\Common\\General")) return 1;
  return 0;
}

int GetXPColorScheme() {
  if (!IsWinXPOrLater()) return 0;
  HMODULE lib = LoadLibrary("uxtheme.dll");
  if (!lib) return 0;
  int scheme = 0;
  auto active = GetProcAddressAs<TIsThemeActiveProc>(lib, "IsThemeActive");
  auto name = GetProcAddressAs<TGetCurrentThemeNameProc>(lib, "GetCurrentThemeName");
  if (active && active() && IsComCtlVersion6() && name) {
    char file[255] = {}, color[255] = {}, size[255] = {};
    name(file, 255, color, 255, size, 255);
    const std::string scheme_name = color;
    const char* const words[] = {"NormalColor", "HomeStead", "Metallic"};
    for (int i = 0; i < 3 && !scheme_name.empty(); ++i)
      if (std::string(words[i]).find(scheme_name) != std::string::npos) {
        scheme = i + 1;
        break;
      }
  }
  FreeLibrary(lib);
  return scheme;
}

int ReadOfficeThemeValue(const std::string& Key) {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  if (!reg.KeyExists(Key) || !reg.OpenKeyReadOnly(Key)) return -1;
  // A Theme value that is not an integer counts as missing.
  const int value = reg.GetDataType("Theme") == rdInteger ? reg.ReadInteger("Theme") : -1;
  reg.CloseKey();
  return value;
}

TOfficeTheme GetCurrentOfficeTheme() {
  const int v14 = ReadOfficeThemeValue(kOffice14);
  if (v14 != -1) return v14 == 1 ? ot2010Blue : v14 == 2 ? ot2010Silver : v14 == 3 ? ot2010Black : ot2003Blue;
  const int v12 = ReadOfficeThemeValue(kOffice12);
  if (v12 != -1) return v12 == 1 ? ot2007Blue : v12 == 2 ? ot2007Silver : v12 == 3 ? ot2007Black : ot2003Blue;
  static const TOfficeTheme kScheme[4] = {ot2003Classic, ot2003Blue, ot2003Olive, ot2003Silver};
  return kScheme[GetXPColorScheme()];
}

std::string GetDefaultFontName() { return IsVistaOrLater() ? "Segoe UI" : "Tahoma"; }

void THandleList::DeleteValue(HWND v) {
  auto it = std::find(items_.begin(), items_.end(), v);
  if (it != items_.end()) items_.erase(it);
}

bool THandleList::HasValue(HWND v) const { return std::find(items_.begin(), items_.end(), v) != items_.end(); }

// ---------------------------------------------------------------- monitor thread

TRegMonitorThread::TRegMonitorThread() : FEvent(platform::CreateEvent(true, false)) {}

TRegMonitorThread::~TRegMonitorThread() {
  Stop();
  if (FThread.joinable()) FThread.join();
}

uint32_t TRegMonitorThread::Filter() {
  if (FFilter == 0) FFilter = 15;
  return FFilter;
}

void TRegMonitorThread::Start() {
  if (FThread.joinable()) return;
  Filter();
  FThread = std::thread([this] { Run(); });
  // Changes made after Start returns are seen: the watch is in place (or the key failed) by then.
  std::unique_lock<std::mutex> lock(FLock);
  FChanged.wait(lock, [&] { return FWatching || FEnded; });
}

void TRegMonitorThread::Stop() {
  FTerminated = true;
  FEvent->Set();
}

std::string TRegMonitorThread::Error() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FError;
}

void TRegMonitorThread::Run() {
  TRegistry reg;
  reg.SetRootKey(FRootKey);
  std::unique_ptr<platform::RegistryWatch> watch;
  if (reg.OpenKeyReadOnly(FKey)) watch = platform::WatchRegistryKey(FRootKey, FKey, true, FFilter, FEvent);
  if (!watch) {
    std::lock_guard<std::mutex> lock(FLock);
    FError = "Unable to open registry key " + FKey;
    FEnded = true;
    FChanged.notify_all();
    return;
  }
  {
    std::lock_guard<std::mutex> lock(FLock);
    FWatching = true;
    FChanged.notify_all();
  }
  while (true) {
    if (FEvent->Wait(INFINITE) != WAIT_OBJECT_0) continue;
    if (FTerminated) break;
    FEvent->Reset();
    std::lock_guard<std::mutex> lock(FLock);
    ++FPending;
    FChanged.notify_all();
  }
  std::lock_guard<std::mutex> lock(FLock);
  FEnded = true;
  FChanged.notify_all();
}

bool TRegMonitorThread::RegisterWindow(HWND h) {
  std::lock_guard<std::mutex> lock(FLock);
  if (FEnded || FWinList.HasValue(h)) return false;
  FWinList.Add(h);
  return true;
}

void TRegMonitorThread::UnRegisterWindow(HWND h) {
  std::lock_guard<std::mutex> lock(FLock);
  FWinList.DeleteValue(h);
}

int TRegMonitorThread::WindowCount() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FWinList.Count();
}

std::vector<HWND> TRegMonitorThread::Receivers() const {
  std::lock_guard<std::mutex> lock(FLock);
  std::vector<HWND> list;
  if (FWnd) list.push_back(FWnd);
  for (HWND h : FWinList.Items()) list.push_back(h);
  return list;
}

int TRegMonitorThread::TakeChanges() {
  std::lock_guard<std::mutex> lock(FLock);
  const int n = FPending;
  FPending = 0;
  return n;
}

bool TRegMonitorThread::WaitForChanges(int n, int timeoutMs) {
  std::unique_lock<std::mutex> lock(FLock);
  return FChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return FPending >= n || FEnded; }) &&
         FPending >= n;
}

// ---------------------------------------------------------------- notifier

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) {}

void TThemeNotifierWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == ThemeChangeMessage && OnOfficeThemeChange) OnOfficeThemeChange(this);
  TWinControl::Dispatch(Message);
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
  if (ComponentState().Contains(csDesigning)) return;
  const int version = GetOfficeVersion();
  if (version == 0) return;
  auto* parent = dynamic_cast<TWinControl*>(AOwner);
  FNotifier = new TThemeNotifierWindow(this);
  FNotifier->SetVisible(false);
  if (parent) FNotifier->SetParent(parent);
  FNotifier->OnOfficeThemeChange = [this](TObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
  };
  FThread = std::make_unique<TRegMonitorThread>();
  FThread->SetWnd(FNotifier->Handle());
  FThread->SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
  FThread->SetKey(version == 2 ? kOffice14 : kOffice12);
  FThread->SetRootKey(HKEY_CURRENT_USER);
  FThread->SetWatchSub(true);
  FTimer = new TTimer(this);
  FTimer->SetInterval(100);
  FTimer->SetOnTimer([this](TObject*) { DeliverChanges(); });
  FThread->Start();
}

TThemeNotifier::~TThemeNotifier() {
  FThread.reset();  // stops and joins the thread
  if (ThemeNotifierInstance == this) ThemeNotifierInstance = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND Hwnd) {
  if (FThread) FThread->RegisterWindow(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd) {
  if (FThread) FThread->UnRegisterWindow(Hwnd);
}

void TThemeNotifier::DeliverChanges() {
  if (!FThread) return;
  for (int n = FThread->TakeChanges(); n > 0; --n) {
    const std::string key = FThread->Key();
    for (HWND h : FThread->Receivers())
      SendMessage(h, ThemeChangeMessage, WPARAM(FThread->RootKey()), LPARAM(reinterpret_cast<intptr_t>(key.c_str())));
  }
}

TThemeNotifier* GetThemeNotifier(TComponent* Sender) {
  if (ThemeNotifierInstance) return ThemeNotifierInstance;
  TComponent* owner = Sender;
  if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
    owner = Application->MainForm();
  ThemeNotifierInstance = new TThemeNotifier(owner);
  return ThemeNotifierInstance;
}
