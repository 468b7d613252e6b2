#pragma once
// Component looks of the grid library and the theme detection behind them:
// the style vocabulary and the two interfaces a styled control is told its
// look through, the desktop's Office colour theme, and a notifier that
// watches the user's Office settings from a background thread and tells the
// registered windows when they change.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/kernel/Events.h"
#include "platform/registry/RegistryTypes.h"
#include "toolkit/forms/Controls.h"

class TTimer;

enum TQGSStyle {
  tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
  tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
  tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};

enum TOfficeTheme {
  ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black, ot2010Blue,
  ot2010Silver, ot2010Black, otUnknown
};

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
};

struct TColorTones {
  TColorTone Background, Foreground, Selected, Hover, Disabled;
};

class IQGSStyle {
public:
  virtual ~IQGSStyle() = default;
  virtual void SetComponentStyle(TQGSStyle AStyle) = 0;
};

class IQGSTones {
public:
  virtual ~IQGSTones() = default;
  virtual void SetColorTones(const TColorTones& ATones) = 0;
};

// wParam: the watched root key; lParam: the watched key path (char*), valid
// only while the message is handled.
constexpr UINT ThemeChangeMessage = 0x0BB1;

// ---- capabilities and themes (read afresh at every call)
// This platform's common controls are of the modern kind.
bool IsComCtlVersion6();
bool IsVistaOrLater();
bool IsWinXPOrLater();
int GetOfficeVersion();
int GetXPColorScheme();
int ReadOfficeThemeValue(const std::string& Key);
TOfficeTheme GetCurrentOfficeTheme();
std::string GetDefaultFontName();

class THandleList {
public:
  void Add(HWND v) { items_.push_back(v); }
  void Insert(int Index, HWND v) { items_.insert(items_.begin() + Index, v); }
  void Delete(int Index) { items_.erase(items_.begin() + Index); }
  void DeleteValue(HWND v);
  bool HasValue(HWND v) const;
  HWND GetInteger(int Index) const { return items_.at(size_t(Index)); }
  void SetInteger(int Index, HWND v) { items_.at(size_t(Index)) = v; }
  int Count() const { return int(items_.size()); }
  const std::vector<HWND>& Items() const { return items_; }

private:
  std::vector<HWND> items_;
};

// Watches one registry key on its own thread. The window list is guarded by a
// mutex; the thread counts changes and the user-interface thread delivers
// them (window calls never happen on the monitor thread). The event is
// unnamed, and the destructor stops and joins the thread.
class TRegMonitorThread {
public:
  TRegMonitorThread();
  ~TRegMonitorThread();
  TRegMonitorThread(const TRegMonitorThread&) = delete;
  TRegMonitorThread& operator=(const TRegMonitorThread&) = delete;

  std::string Key() const { return FKey; }
  void SetKey(const std::string& v) { FKey = v; }
  HKEY RootKey() const { return FRootKey; }
  void SetRootKey(HKEY v) { FRootKey = v; }
  bool WatchSub() const { return FWatchSub; }
  void SetWatchSub(bool v) { FWatchSub = v; }
  uint32_t Filter();
  void SetFilter(uint32_t v) { FFilter = v; }
  HWND Wnd() const { return FWnd; }
  void SetWnd(HWND v) { FWnd = v; }

  // Returns once the key is watched or failed to open.
  void Start();
  void Stop();
  // The thread has ended (stopped, or the key did not open); registrations are then no-ops.
  bool Ended() const { return FEnded; }
  std::string Error() const;

  bool RegisterWindow(HWND h);
  void UnRegisterWindow(HWND h);
  int WindowCount() const;
  // Wnd first, then the registered windows in order.
  std::vector<HWND> Receivers() const;
  // Changes seen since the last call.
  int TakeChanges();
  // Waits (bounded) until at least n changes are pending or the thread ended.
  bool WaitForChanges(int n, int timeoutMs);

private:
  void Run();

  std::string FKey;
  HKEY FRootKey = HKEY_CURRENT_USER;
  bool FWatchSub = true;
  uint32_t FFilter = 0;
  HWND FWnd = nullptr;
  platform::EventHandle FEvent;
  THandleList FWinList;
  mutable std::mutex FLock;
  std::condition_variable FChanged;
  int FPending = 0;
  bool FWatching = false;
  std::string FError;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FEnded{false};
  std::thread FThread;
};

class TThemeNotifierWindow : public TWinControl {
public:
  explicit TThemeNotifierWindow(TComponent* AOwner);
  std::string ClassName() const override { return "TThemeNotifierWindow"; }
  TNotifyEvent OnOfficeThemeChange;

protected:
  void Dispatch(TMessage& Message) override;
};

class TThemeNotifier : public TComponent {
public:
  // AOwner must be a windowed control: the hidden window is its child.
  explicit TThemeNotifier(TComponent* AOwner);
  ~TThemeNotifier() override;
  std::string ClassName() const override { return "TThemeNotifier"; }

  void RegisterWindow(HWND Hwnd);
  void UnRegisterWindow(HWND Hwnd);
  TRegMonitorThread* RegMonitorThread() const { return FThread.get(); }
  TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }
  // Sends ThemeChangeMessage for changes the thread has seen (run by a 100 ms timer).
  void DeliverChanges();

  TNotifyEvent OnOfficeThemeChange;

private:
  std::unique_ptr<TRegMonitorThread> FThread;
  TThemeNotifierWindow* FNotifier = nullptr;
  TTimer* FTimer = nullptr;
};

extern TThemeNotifier* ThemeNotifierInstance;
TThemeNotifier* GetThemeNotifier(TComponent* Sender);
