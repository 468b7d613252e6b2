#include "toolkit/testing/TestDriver.h"

#include <cairo.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/clipboard/Clipboard.h"
#include "platform/registry/Registry.h"
#include "platform/theme/Theme.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/graphics/ThemePainting.h"

using platform::HostEvent;
using platform::HostEventKind;

namespace {

// Right: the modifiers held with their right-hand key.
uint32_t modifiersOf(TShiftState s, TShiftState Right) {
  uint32_t m = 0;
  auto hold = [&](TShiftStateItem item, uint32_t left, uint32_t right) {
    if (s.Contains(item)) m |= left | (Right.Contains(item) ? right : 0u);
  };
  hold(ssShift, platform::modShift, platform::modRightShift);
  hold(ssCtrl, platform::modCtrl, platform::modRightCtrl);
  hold(ssAlt, platform::modAlt, platform::modRightAlt);
  return m;
}

uint32_t buttonBit(int button) {
  return button == 3 ? platform::modRightButton : button == 2 ? platform::modMiddleButton : platform::modLeftButton;
}

int buttonNumber(TMouseButton b) { return b == mbRight ? 3 : b == mbMiddle ? 2 : 1; }

// The key that types a character on a US layout, and whether Shift is needed.
uint16_t keyForChar(uint32_t ch, bool& shift) {
  shift = false;
  if (ch >= 'a' && ch <= 'z') return static_cast<uint16_t>(ch - 'a' + 'A');
  if (ch >= 'A' && ch <= 'Z') {
    shift = true;
    return static_cast<uint16_t>(ch);
  }
  if (ch >= '0' && ch <= '9') return static_cast<uint16_t>(ch);
  static const struct {
    char c;
    uint16_t vk;
    bool shift;
  } table[] = {{' ', VK_SPACE, false},     {'\n', VK_RETURN, false},    {'\r', VK_RETURN, false},
               {'\t', VK_TAB, false},      {'\b', VK_BACK, false},      {';', VK_OEM_1, false},
               {':', VK_OEM_1, true},      {'=', VK_OEM_PLUS, false},   {'+', VK_OEM_PLUS, true},
               {',', VK_OEM_COMMA, false}, {'<', VK_OEM_COMMA, true},   {'-', VK_OEM_MINUS, false},
               {'_', VK_OEM_MINUS, true},  {'.', VK_OEM_PERIOD, false}, {'>', VK_OEM_PERIOD, true},
               {'/', VK_OEM_2, false},     {'?', VK_OEM_2, true},       {'`', VK_OEM_3, false},
               {'~', VK_OEM_3, true},      {'[', VK_OEM_4, false},      {'{', VK_OEM_4, true},
               {'\\', VK_OEM_5, false},    {'|', VK_OEM_5, true},       {']', VK_OEM_6, false},
               {'}', VK_OEM_6, true},      {'\'', VK_OEM_7, false},     {'"', VK_OEM_7, true},
               {')', '0', true},           {'!', '1', true},            {'@', '2', true},
               {'#', '3', true},           {'$', '4', true},            {'%', '5', true},
               {'^', '6', true},           {'&', '7', true},            {'*', '8', true},
               {'(', '9', true}};
  for (const auto& e : table)
    if (static_cast<uint32_t>(static_cast<unsigned char>(e.c)) == ch) {
      shift = e.shift;
      return e.vk;
    }
  return 0;  // typed through an input method: no key of its own
}

// Decodes one UTF-8 code point; malformed bytes stand for themselves.
uint32_t nextCodePoint(const std::string& s, size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i++]);
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
  uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
  for (int k = 0; k < extra && i < s.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  return cp;
}

// A fresh folder for the test's registry, so that no test reads what another
// wrote or touches the user's own settings.
std::filesystem::path makeRegistryFolder() {
  std::string pattern = (std::filesystem::path(::testing::TempDir()) / "quelix-registry-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    ADD_FAILURE() << "cannot create a registry folder under " << ::testing::TempDir();
    return {};
  }
  return pattern;
}

}  // namespace

TTestDriver::TTestDriver() : registryFolder_(makeRegistryFolder()) {
  registryFile_ = registryFolder_.empty() ? std::filesystem::path() : registryFolder_ / "registry.xml";
  FinalizeForms();
  platform::SetRegistryFile(registryFile_);
  RegisterThemeModule();
  SetThemeActive(true);
  platform::ResetFacts();
  platform::SetClock(&clock_);
  platform::SetDisplay(&host_);
  platform::SetLinkOpener(&links_);
  platform::SetProcessLauncher(&launcher_);
  platform::TheClipboard().Reset();
  SetFixedTextMetrics(true);
  InitializeForms();
  SetDialogPresenter(this);
  Application->OnModalIdle = [this](TCustomForm* f) { return modalIdle(f); };
  wm::SetPaintLogging(true);
}

TTestDriver::~TTestDriver() {
  FinalizeForms();
  SetDialogPresenter(nullptr);
  platform::SetDisplay(nullptr);
  platform::SetLinkOpener(nullptr);
  platform::SetProcessLauncher(nullptr);
  platform::TheClipboard().Reset();
  platform::SetClock(nullptr);
  SetFixedTextMetrics(false);
  SetThemeActive(true);
  platform::SetRegistryFile({});
  std::error_code ec;
  if (!registryFolder_.empty()) std::filesystem::remove_all(registryFolder_, ec);
  for (const Step& s : script_) ADD_FAILURE() << "script step never used: " << describe(s);
}

void TTestDriver::SetThemesActive(bool Active) {
  SetThemeActive(Active);
  // Shown forms paint again in the other look.
  for (int i = 0; i < Screen->FormCount(); ++i) Screen->Forms(i)->Invalidate();
  Pump();
}

std::string TTestDriver::describe(const Step& s) {
  switch (s.Kind) {
    case StepKind::Message: return "message box \"" + s.Text + "\"";
    case StepKind::OpenDialog: return "open dialog";
    case StepKind::SaveDialog: return "save dialog";
    case StepKind::Modal: return "InModal step";
  }
  return "?";
}

// ---- the queue ----

void TTestDriver::Pump() {
  for (int round = 0; round < 2; ++round) {
    int guard = 0;
    while (Application->ProcessMessage()) {
      if (++guard > 1000000) {
        ADD_FAILURE() << "the message queue never becomes idle";
        return;
      }
    }
    if (round == 0) Application->Idle();
  }
}

void TTestDriver::Advance(uint32_t Ms) {
  uint32_t target = clock_.TickCount() + Ms;
  Pump();
  uint32_t due = 0;
  while (wm::NextTimerDue(due) && static_cast<int32_t>(target - due) >= 0) {
    if (static_cast<int32_t>(due - clock_.TickCount()) > 0) clock_.Set(due);
    Pump();
  }
  clock_.Set(target);
  Pump();
}

// ---- input ----

platform::HostWindowId TTestDriver::hostOf(TControl* Control, TPoint& Surface, int X, int Y) {
  TWinControl* top = wm::TopLevelOf(Control);
  TWindowRecord* rec = top && top->HandleAllocated() ? wm::Find(top->Handle()) : nullptr;
  if (!rec || !rec->Host || !rec->HostVisible) {
    ADD_FAILURE() << "input for '" << Control->Name() << "', whose window is not shown";
    return 0;
  }
  TPoint screen = Control->ClientToScreen({X, Y});
  TPoint origin = wm::SurfaceScreenOrigin(top);
  Surface = {screen.X - origin.X, screen.Y - origin.Y};
  return rec->Host;
}

void TTestDriver::injectMouse(HostEventKind Kind, TControl* Control, int X, int Y, int Button, TShiftState Shift,
                              int WheelDelta) {
  TPoint s;
  platform::HostWindowId id = hostOf(Control, s, X, Y);
  if (!id) return;
  if (Kind == HostEventKind::ButtonDown) buttons_ |= buttonBit(Button);
  if (Kind == HostEventKind::ButtonUp) buttons_ &= ~buttonBit(Button);
  HostEvent e;
  e.Kind = Kind;
  e.Window = id;
  e.X = s.X;
  e.Y = s.Y;
  e.Button = Button;
  e.WheelDelta = WheelDelta;
  e.Modifiers = modifiersOf(Shift, rightHand_) | buttons_;
  e.Time = clock_.TickCount();
  host_.Inject(e);
}

void TTestDriver::MouseMove(TControl* Control, int X, int Y, TShiftState Shift) {
  injectMouse(HostEventKind::MouseMove, Control, X, Y, 0, Shift);
  Pump();
}

void TTestDriver::MouseDown(TControl* Control, int X, int Y, TMouseButton Button, TShiftState Shift) {
  injectMouse(HostEventKind::MouseMove, Control, X, Y, 0, Shift);
  injectMouse(HostEventKind::ButtonDown, Control, X, Y, buttonNumber(Button), Shift);
  Pump();
}

void TTestDriver::MouseUp(TControl* Control, int X, int Y, TMouseButton Button, TShiftState Shift) {
  injectMouse(HostEventKind::MouseMove, Control, X, Y, 0, Shift);
  injectMouse(HostEventKind::ButtonUp, Control, X, Y, buttonNumber(Button), Shift);
  Pump();
}

void TTestDriver::Click(TControl* Control, int X, int Y, TShiftState Shift) {
  MouseDown(Control, X, Y, mbLeft, Shift);
  MouseUp(Control, X, Y, mbLeft, Shift);
  releaseModifiers(Shift);
}

void TTestDriver::RightClick(TControl* Control, int X, int Y, TShiftState Shift) {
  MouseDown(Control, X, Y, mbRight, Shift);
  MouseUp(Control, X, Y, mbRight, Shift);
  releaseModifiers(Shift);
}

void TTestDriver::DoubleClick(TControl* Control, int X, int Y, TShiftState Shift) {
  for (int i = 0; i < 2; ++i) {
    MouseDown(Control, X, Y, mbLeft, Shift);
    MouseUp(Control, X, Y, mbLeft, Shift);
  }
  releaseModifiers(Shift);
}

void TTestDriver::Wheel(TControl* Control, int Delta, int X, int Y, TShiftState Shift) {
  injectMouse(HostEventKind::Wheel, Control, X, Y, 0, Shift, Delta);
  Pump();
}

void TTestDriver::injectKey(HostEventKind Kind, uint16_t Key, uint32_t Char, TShiftState Shift) {
  HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
  TWinControl* c = FindControl(target);
  TWinControl* top = c ? wm::TopLevelOf(c) : nullptr;
  TWindowRecord* rec = top ? wm::Find(top->Handle()) : nullptr;
  if (!rec || !rec->Host) {
    ADD_FAILURE() << "a key was pressed with no window to take it";
    return;
  }
  HostEvent e;
  e.Kind = Kind;
  e.Window = rec->Host;
  e.VirtualKey = Key;
  e.Char = Char;
  e.Modifiers = modifiersOf(Shift, rightHand_) | buttons_;
  e.Extended = Key == VK_INSERT || Key == VK_DELETE || Key == VK_HOME || Key == VK_END || Key == VK_PRIOR ||
               Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN) || Key == VK_RCONTROL || Key == VK_RMENU;
  e.Time = clock_.TickCount();
  host_.Inject(e);
}

void TTestDriver::KeyDown(uint16_t Key, TShiftState Shift) {
  // With Alt the key still types its character; it arrives as WM_SYSCHAR.
  uint32_t ch = wm::CharFromKey(Key, Shift.Contains(ssShift), Shift.Contains(ssCtrl));
  injectKey(HostEventKind::KeyDown, Key, ch, Shift);
  Pump();
}

void TTestDriver::KeyUp(uint16_t Key, TShiftState Shift) {
  injectKey(HostEventKind::KeyUp, Key, 0, Shift);
  Pump();
}

void TTestDriver::PressKey(uint16_t Key, TShiftState Shift) {
  KeyDown(Key, Shift);
  KeyUp(Key, Shift);
  releaseModifiers(Shift);
}

// Lets go of the modifier keys a call held, as a person would after the key or click.
void TTestDriver::releaseModifiers(TShiftState Shift) {
  TShiftState held = Shift;
  for (auto [item, key] : {std::pair{ssShift, VK_SHIFT}, {ssCtrl, VK_CONTROL}, {ssAlt, VK_MENU}}) {
    if (!held.Contains(item)) continue;
    held.Exclude(item);
    if (GetFocus() || GetActiveWindow()) injectKey(HostEventKind::KeyUp, key, 0, held);
  }
  Pump();
}

void TTestDriver::Type(const std::string& Text) {
  for (size_t i = 0; i < Text.size();) {
    uint32_t ch = nextCodePoint(Text, i);
    bool shift = false;
    uint16_t key = keyForChar(ch, shift);
    if (ch == '\n') ch = '\r';
    TShiftState s = shift ? TShiftState{ssShift} : TShiftState{};
    injectKey(HostEventKind::KeyDown, key, ch, s);
    Pump();
    injectKey(HostEventKind::KeyUp, key, 0, s);
    Pump();
  }
}

void TTestDriver::Focus(TWinControl* Control) {
  Control->SetFocus();
  Pump();
}

// ---- scripts ----

void TTestDriver::ExpectMessage(const std::string& Text, TModalResult Answer) {
  script_.push_back({StepKind::Message, Text, Answer, false, nullptr});
}

void TTestDriver::AnswerOpenDialog(const std::string& Path) {
  script_.push_back({StepKind::OpenDialog, Path, mrOk, false, nullptr});
}

void TTestDriver::AnswerSaveDialog(const std::string& Path) {
  script_.push_back({StepKind::SaveDialog, Path, mrOk, false, nullptr});
}

void TTestDriver::CancelOpenDialog() { script_.push_back({StepKind::OpenDialog, "", mrCancel, true, nullptr}); }
void TTestDriver::CancelSaveDialog() { script_.push_back({StepKind::SaveDialog, "", mrCancel, true, nullptr}); }

void TTestDriver::InModal(std::function<void()> Step) {
  script_.push_back({StepKind::Modal, "", mrNone, false, std::move(Step)});
}

bool TTestDriver::modalIdle(TCustomForm* Form) {
  if (script_.empty() || script_.front().Kind != StepKind::Modal) {
    ADD_FAILURE() << "modal form '" << (Form->Name().empty() ? Form->ClassName() : Form->Name()) << "' (\""
                  << Form->Caption() << "\") waits with "
                  << (script_.empty() ? std::string("nothing scripted") : "the next step being a " + describe(script_.front()));
    return false;
  }
  auto action = std::move(script_.front().Action);
  script_.pop_front();
  action();
  return true;
}

TModalResult TTestDriver::ShowMessageBox(const TMessageBoxRequest& Request) {
  TMessageBoxRecord rec{Request.Text, Request.Caption, Request.Type, Request.Buttons, mrNone};
  TModalResult fallback = Request.DefaultButton ? Request.DefaultButton
                                                : (Request.Buttons.empty() ? mrOk : Request.Buttons.front());
  if (script_.empty() || script_.front().Kind != StepKind::Message) {
    ADD_FAILURE() << "unexpected message box \"" << Request.Text << "\" (caption \"" << Request.Caption << "\")"
                  << (script_.empty() ? std::string() : "; the next step is a " + describe(script_.front()));
    rec.Answer = fallback;
  } else {
    Step s = script_.front();
    script_.pop_front();
    if (!s.Text.empty() && s.Text != Request.Text)
      ADD_FAILURE() << "message box \"" << Request.Text << "\" where \"" << s.Text << "\" was expected";
    rec.Answer = s.Answer;
  }
  messageBoxes_.push_back(rec);
  return rec.Answer;
}

bool TTestDriver::ExecuteFileDialog(TFileDialogRequest& Request) {
  fileDialogs_.push_back(Request);
  StepKind want = Request.Save ? StepKind::SaveDialog : StepKind::OpenDialog;
  if (script_.empty() || script_.front().Kind != want) {
    ADD_FAILURE() << "unexpected " << (Request.Save ? "save" : "open") << " dialog \"" << Request.Title << "\"";
    return false;
  }
  Step s = script_.front();
  script_.pop_front();
  if (s.Cancel) return false;
  Request.FileName = s.Text;
  Request.Files = {s.Text};
  return true;
}

// ---- records ----

std::vector<std::string> TTestDriver::PaintedNames() const {
  std::vector<std::string> names;
  for (const auto& p : wm::PaintLog())
    if (p.Msg == WM_PAINT) names.push_back(p.Name);
  return names;
}

TColor TTestDriver::PixelAt(TControl* Control, int X, int Y) {
  Pump();
  TWinControl* top = Control->Parent();
  if (!top) top = dynamic_cast<TWinControl*>(Control);
  while (top && top->Parent()) top = top->Parent();
  TWindowRecord* rec = top && top->HandleAllocated() ? wm::Find(top->Handle()) : nullptr;
  if (!rec || !rec->Surface) {
    ADD_FAILURE() << "pixel of a window that is not shown";
    return clNone;
  }
  const TPoint screen = Control->ClientToScreen(TPoint(X, Y));
  const int sx = screen.X - top->Left() - rec->SurfaceOrigin.X, sy = screen.Y - top->Top() - rec->SurfaceOrigin.Y;
  cairo_surface_flush(rec->Surface);
  if (sx < 0 || sy < 0 || sx >= cairo_image_surface_get_width(rec->Surface) ||
      sy >= cairo_image_surface_get_height(rec->Surface))
    return clNone;
  const unsigned char* row = cairo_image_surface_get_data(rec->Surface) + sy * cairo_image_surface_get_stride(rec->Surface);
  uint32_t p = 0;
  std::memcpy(&p, row + sx * 4, 4);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

std::string TTestDriver::Screenshot(TWinControl* Form, const std::string& Name) {
  Pump();
  cairo_surface_t* s = wm::SurfaceOf(Form);
  if (!s) {
    ADD_FAILURE() << "screenshot of a window that is not shown";
    return "";
  }
  std::filesystem::path path(Name);
  if (!path.is_absolute()) {
    const char* dir = std::getenv("QUELIX_SCREENSHOT_DIR");
    path = std::filesystem::path(dir && *dir ? dir : ::testing::TempDir()) / path;
  }
  cairo_surface_flush(s);
  if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS) return "";
  return path.string();
}
