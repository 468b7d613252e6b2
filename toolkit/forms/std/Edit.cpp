#include "toolkit/forms/std/Edit.h"

#include <cctype>

#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/Clipboard.h"
#include "toolkit/rtl/Encoding.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight, csCaptureMouse});
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
  SetCursor(crIBeam);
  model_.OnChange = [this] { TextChanged(); };
  adjustHeight();
}

TCustomEdit::~TCustomEdit() { model_.OnChange = nullptr; }

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  static const uint32_t kAlign[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  Params.Style |= kAlign[alignment_] | (MultiLine() ? ES_MULTILINE : ES_AUTOHSCROLL);
  if (ReadOnly()) Params.Style |= ES_READONLY;
  if (passwordChar_ != 0) Params.Style |= ES_PASSWORD;
  if (!hideSelection_) Params.Style |= ES_NOHIDESEL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) Params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) Params.Style |= WS_HSCROLL;
  if (CharCase() == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (CharCase() == ecLowerCase) Params.Style |= ES_LOWERCASE;
}

void TCustomEdit::RealSetText(const std::string& v) {
  model_.SetText(v);
  afterCaretMove();
}

void TCustomEdit::TextChanged() {
  layoutValid_ = false;
  Invalidate();
  notifyChange();
}

// EN_CHANGE goes to the parent, which reflects it back as CN_COMMAND; a
// control without a parent window still tells its own OnChange.
void TCustomEdit::notifyChange() {
  changeReflected_ = false;
  sendCommand(EN_CHANGE);
  if (!changeReflected_) Change();
}

void TCustomEdit::sendCommand(uint16_t code) {
  if (Parent() == nullptr || !Parent()->HandleAllocated() || !HandleAllocated()) return;
  SendMessage(Parent()->Handle(), WM_COMMAND, MakeWParam(0, code), static_cast<LPARAM>(FromHWND(Handle())));
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::SetReadOnly(bool v) {
  model_.SetReadOnly(v);
  Invalidate();
}

void TCustomEdit::SetPasswordChar(char v) {
  passwordChar_ = v;
  InvalidateLayout();
}

void TCustomEdit::SetAlignment(TAlignment v) {
  alignment_ = v;
  InvalidateLayout();
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
  borderStyle_ = v;
  adjustHeight();
  InvalidateLayout();
}

void TCustomEdit::SetAutoSize(bool v) {
  autoSize_ = v;
  adjustHeight();
}

void TCustomEdit::adjustHeight() {
  if (!autoSize_ || MultiLine()) return;
  SetHeight(LineHeight() + (borderStyle_ == bsSingle ? 8 : 2));
}

void TCustomEdit::SetMultiLine(bool v) {
  model_.SetMultiLine(v);
  TControlStyle style = ControlStyle();
  if (v) style.Exclude(csFixedHeight); else style.Include(csFixedHeight);
  SetControlStyle(style);
  InvalidateLayout();
}

void TCustomEdit::SetWordWrap(bool v) {
  wordWrap_ = v;
  InvalidateLayout();
}

void TCustomEdit::SetScrollBars(TScrollStyle v) {
  scrollBars_ = v;
  uint32_t style = Style() & ~(WS_VSCROLL | WS_HSCROLL);
  if (v == ssVertical || v == ssBoth) style |= WS_VSCROLL;
  if (v == ssHorizontal || v == ssBoth) style |= WS_HSCROLL;
  SetStyle(style);
  InvalidateLayout();
  updateScrollInfo();
}

int TCustomEdit::maxLineWidth() {
  int w = 0;
  for (const TVisualLine& l : VisualLines())
    w = std::max(w, TextWidthOf(model_.Text().substr(l.Start, l.End - l.Start)));
  return w;
}

void TCustomEdit::updateScrollInfo() {
  if (!HandleAllocated() || !MultiLine()) return;
  int lh = std::max(1, LineHeight());
  if (Style() & WS_VSCROLL) {
    TScrollInfo si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = std::max(0, static_cast<int>(VisualLines().size()) - 1);
    si.nPage = static_cast<UINT>(std::max(1, FormatRect().Height() / lh));
    si.nPos = topLine_;
    SetScrollInfo(Handle(), SB_VERT, si, true);
  }
  if (Style() & WS_HSCROLL) {
    TScrollInfo si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = std::max(0, maxLineWidth());
    si.nPage = static_cast<UINT>(std::max(1, FormatRect().Width()));
    si.nPos = scrollX_;
    SetScrollInfo(Handle(), SB_HORZ, si, true);
  }
}

void TCustomEdit::scrollMessage(bool vertical, const TWMScroll& s) {
  int lh = std::max(1, LineHeight());
  int page = vertical ? std::max(1, FormatRect().Height() / lh) : std::max(1, FormatRect().Width() * 3 / 4);
  int line = vertical ? 1 : 8;
  int pos = vertical ? topLine_ : scrollX_;
  int max = vertical ? std::max(0, static_cast<int>(VisualLines().size()) - page)
                     : std::max(0, maxLineWidth() - FormatRect().Width());
  switch (s.ScrollCode) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: pos = s.Pos; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = max; break;
    default: return;
  }
  (vertical ? topLine_ : scrollX_) = std::clamp(pos, 0, max);
  updateScrollInfo();
  Invalidate();
}

bool TCustomEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!MultiLine()) return false;
  TMessage m{WM_VSCROLL, MakeWParam(WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0), 0, 0};
  TWMScroll s(m);
  for (int i = 0; i < 3; ++i) scrollMessage(true, s);
  return true;
}

void TCustomEdit::SetSelStart(int v) {
  model_.SetSelStart(v);
  afterCaretMove();
}

void TCustomEdit::SetSelLength(int v) {
  model_.SetSelLength(v);
  afterCaretMove();
}

void TCustomEdit::SetSelText(const std::string& v) {
  model_.SetSelText(v);
  afterCaretMove();
}

void TCustomEdit::SelectAll() {
  model_.SelectAll();
  afterCaretMove();
}

void TCustomEdit::ClearSelection() {
  model_.ClearSelection();
  afterCaretMove();
}

void TCustomEdit::Clear() { SetText(""); }

void TCustomEdit::CutToClipboard() {
  if (model_.SelLength() == 0) return;
  if (passwordChar_ == 0) SetClipboardText(model_.SelText());
  if (!ReadOnly()) ClearSelection();
}

void TCustomEdit::CopyToClipboard() {
  // A password never leaves the control.
  if (model_.SelLength() > 0 && passwordChar_ == 0) SetClipboardText(model_.SelText());
}

void TCustomEdit::PasteFromClipboard() {
  if (ReadOnly()) return;
  std::string s = ClipboardText();
  if (!s.empty()) InsertUserText(s);
}

void TCustomEdit::Undo() {
  model_.Undo();
  afterCaretMove();
}

void TCustomEdit::afterCaretMove() {
  ScrollCaret();
  updateScrollInfo();
  Invalidate();
}

void TCustomEdit::InsertUserText(const std::string& s) {
  std::string text = s;
  if (numbersOnly_) {
    for (char c : text)
      if (!std::isdigit(static_cast<unsigned char>(c))) { MessageBeep(0); return; }
  }
  size_t before = model_.Text().size() - model_.SelText().size();
  bool changed = model_.InsertText(text);
  if (!changed) MessageBeep(0);
  // The limit cut the text short: the parent hears EN_MAXTEXT.
  if (MaxLength() > 0 && model_.Text().size() - before < text.size() && !ReadOnly()) sendCommand(EN_MAXTEXT);
  afterCaretMove();
}

void TCustomEdit::DeleteUserText(bool forward, bool word) {
  bool done = forward ? model_.DeleteForward(word) : model_.Backspace(word);
  if (!done && ReadOnly()) MessageBeep(0);
  afterCaretMove();
}

void TCustomEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key != 0 && EditKey(Key, Shift)) Key = 0;
}

bool TCustomEdit::EditKey(uint16_t Key, TShiftState Shift) {
  bool shift = Shift.Contains(ssShift), ctrl = Shift.Contains(ssCtrl);
  int page = std::max(1, FormatRect().Height() / std::max(1, LineHeight()));
  switch (Key) {
    case VK_LEFT: model_.MoveLeft(shift, ctrl); break;
    case VK_RIGHT: model_.MoveRight(shift, ctrl); break;
    case VK_HOME: model_.MoveHome(shift, ctrl || !MultiLine()); break;
    case VK_END: model_.MoveEnd(shift, ctrl || !MultiLine()); break;
    case VK_UP: if (MultiLine()) model_.MoveLineUp(shift); else model_.MoveLeft(shift, ctrl); break;
    case VK_DOWN: if (MultiLine()) model_.MoveLineDown(shift); else model_.MoveRight(shift, ctrl); break;
    case VK_PRIOR: if (!MultiLine()) return false; model_.MoveLines(-page, shift); break;
    case VK_NEXT: if (!MultiLine()) return false; model_.MoveLines(page, shift); break;
    case VK_DELETE:
      if (shift) Perform(WM_CUT); else DeleteUserText(true, ctrl);
      return true;
    case VK_INSERT:
      if (ctrl) Perform(WM_COPY); else if (shift) Perform(WM_PASTE); else return false;
      return true;
    default: return false;
  }
  afterCaretMove();
  return true;
}

void TCustomEdit::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (Key != 0) EditChar(Key);
}

// Control characters arrive as Ctrl+letter codes: #1 A, #3 C, #22 V, #24 X, #26 Z.
// The clipboard keys go through the clipboard messages, as on the platform,
// so that a descendant that handles the messages sees the keys too.
void TCustomEdit::EditChar(char Key) {
  switch (Key) {
    case 1: SelectAll(); return;
    case 3: Perform(WM_COPY); return;
    case 22: Perform(WM_PASTE); return;
    case 24: Perform(WM_CUT); return;
    case 26: Undo(); return;
    case 8: DeleteUserText(false, false); return;
    case 127: DeleteUserText(false, true); return;
    case 13: if (MultiLine() && wantReturns_) InsertUserText("\r\n"); return;
    case 9: if (MultiLine() && wantTabs_) InsertUserText("\t"); return;
    default: break;
  }
  if (static_cast<unsigned char>(Key) >= 32) InsertUserText(std::string(1, Key));
}

// Characters beyond ASCII pass KeyPress by; they are typed here as UTF-8.
void TCustomEdit::WMChar(TWMKey& Message) {
  uint16_t code = Message.CharCode;
  TCustomControl::WMChar(Message);
  if (code <= 0x7F || Message.CharCode != code) return;
  std::string s;
  AppendUtf8(s, code);
  InsertUserText(s);
}

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (!Focused() && CanFocus()) SetFocus();
  int pos = CharFromPos({X, Y});
  if (Shift.Contains(ssDouble)) {
    // A double click selects the word under the mouse.
    model_.SetSel(model_.WordLeft(model_.NextPos(pos)), model_.WordRight(pos));
    afterCaretMove();
    return;
  }
  model_.MoveCaretTo(pos, Shift.Contains(ssShift));
  selecting_ = true;
  afterCaretMove();
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!selecting_) return;
  model_.MoveCaretTo(CharFromPos({X, Y}), true);
  afterCaretMove();
}

void TCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) selecting_ = false;
}

void TCustomEdit::DblClick() { TCustomControl::DblClick(); }

void TCustomEdit::DoEnter() {
  // Entering by keyboard selects everything; a click places the caret after this.
  if (autoSelect_ && !MultiLine() && !GetKeyState(VK_LBUTTON)) SelectAll();
  TCustomControl::DoEnter();
}

void TCustomEdit::DoExit() {
  selecting_ = false;
  TCustomControl::DoExit();
}

void TCustomEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
  if (MultiLine()) {
    if (wantReturns_) Message.Result |= DLGC_WANTALLKEYS;
    if (wantTabs_) Message.Result |= DLGC_WANTTAB;
  }
}

void TCustomEdit::WMSetFocus(TWMSetFocus& Message) {
  focused_ = true;
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TCustomEdit::WMKillFocus(TWMKillFocus& Message) {
  focused_ = false;
  selecting_ = false;
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  TCustomControl::CMFontChanged(Message);
  adjustHeight();
  InvalidateLayout();
}

void TCustomEdit::BoundsChanged() {
  TCustomControl::BoundsChanged();
  layoutValid_ = false;
}

void TCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (TWMCommand(Message).NotifyCode == EN_CHANGE) {
        changeReflected_ = true;
        Change();
      }
      return;
    case WM_CUT: CutToClipboard(); return;
    case WM_COPY: CopyToClipboard(); return;
    case WM_PASTE: PasteFromClipboard(); return;
    case WM_CLEAR: if (!ReadOnly()) ClearSelection(); return;
    case WM_UNDO: Message.Result = model_.CanUndo(); Undo(); return;
    case WM_VSCROLL: scrollMessage(true, TWMScroll(Message)); return;
    case WM_HSCROLL: scrollMessage(false, TWMScroll(Message)); return;
    default:
      if (Message.Msg >= EM_GETSEL && Message.Msg <= EM_CHARFROMPOS) {
        handleEditMessage(Message);
        return;
      }
      TCustomControl::Dispatch(Message);
  }
}

void TCustomEdit::handleEditMessage(TMessage& m) {
  switch (m.Msg) {
    case EM_GETSEL: {
      int s = SelStart(), e = SelStart() + SelLength();
      if (m.WParam != 0) *reinterpret_cast<uint32_t*>(m.WParam) = static_cast<uint32_t>(s);
      if (m.LParam != 0) *reinterpret_cast<uint32_t*>(m.LParam) = static_cast<uint32_t>(e);
      m.Result = MakeLParam(s, e);
      break;
    }
    case EM_SETSEL:
      model_.SetSel(static_cast<int>(static_cast<intptr_t>(m.WParam)), static_cast<int>(m.LParam));
      afterCaretMove();
      break;
    case EM_REPLACESEL:
      if (m.LParam != 0) SetSelText(reinterpret_cast<const char*>(m.LParam));
      break;
    case EM_GETMODIFY: m.Result = Modified(); break;
    case EM_SETMODIFY: SetModified(m.WParam != 0); break;
    case EM_CANUNDO: m.Result = CanUndo(); break;
    case EM_UNDO: m.Result = CanUndo(); Undo(); break;
    case EM_EMPTYUNDOBUFFER: ClearUndo(); break;
    case EM_SETREADONLY: SetReadOnly(m.WParam != 0); m.Result = 1; break;
    case EM_LIMITTEXT: SetMaxLength(static_cast<int>(m.WParam)); break;
    case EM_GETLIMITTEXT: m.Result = MaxLength() == 0 ? 0x7FFFFFFE : MaxLength(); break;
    case EM_SETPASSWORDCHAR: SetPasswordChar(static_cast<char>(m.WParam)); break;
    case EM_GETPASSWORDCHAR: m.Result = static_cast<unsigned char>(passwordChar_); break;
    case EM_GETLINECOUNT: m.Result = model_.LineCount(); break;
    case EM_LINEFROMCHAR: {
      int pos = static_cast<int>(static_cast<intptr_t>(m.WParam));
      m.Result = model_.LineFromChar(pos < 0 ? SelStart() : pos);
      break;
    }
    case EM_LINEINDEX: {
      int line = static_cast<int>(static_cast<intptr_t>(m.WParam));
      m.Result = model_.LineIndex(line < 0 ? model_.LineFromChar(model_.Caret()) : line);
      break;
    }
    case EM_LINELENGTH: {
      int pos = static_cast<int>(static_cast<intptr_t>(m.WParam));
      m.Result = model_.LineLength(model_.LineFromChar(pos < 0 ? SelStart() : pos));
      break;
    }
    case EM_GETLINE: {
      // The buffer's first word holds its size; the line is copied without a terminator.
      char* buffer = reinterpret_cast<char*>(m.LParam);
      if (buffer == nullptr) break;
      uint16_t size = *reinterpret_cast<uint16_t*>(buffer);
      std::string line = model_.Line(static_cast<int>(m.WParam));
      size_t n = std::min<size_t>(size, line.size());
      line.copy(buffer, n);
      m.Result = static_cast<LRESULT>(n);
      break;
    }
    case EM_CHARFROMPOS: {
      TPoint p{static_cast<int16_t>(m.LParamLo()), static_cast<int16_t>(m.LParamHi())};
      int pos = CharFromPos(p);
      m.Result = MakeLParam(pos, model_.LineFromChar(pos));
      break;
    }
    case EM_POSFROMCHAR: {
      int index = static_cast<int>(m.WParam);
      if (index < 0 || index > static_cast<int>(model_.Text().size())) { m.Result = -1; break; }
      TPoint p = PosFromChar(index);
      m.Result = MakeLParam(p.X, p.Y);
      break;
    }
    case EM_SETRECT:
    case EM_SETRECTNP:
      if (m.LParam == 0) hasFormatRect_ = false;
      else { formatRect_ = *reinterpret_cast<const TRect*>(m.LParam); hasFormatRect_ = true; }
      InvalidateLayout();
      break;
    case EM_GETRECT:
      if (m.LParam != 0) *reinterpret_cast<TRect*>(m.LParam) = FormatRect();
      break;
    case EM_SCROLLCARET: ScrollCaret(); Invalidate(); m.Result = 1; break;
    case EM_GETFIRSTVISIBLELINE: m.Result = MultiLine() ? topLine_ : 0; break;
    case EM_LINESCROLL:
      topLine_ = std::clamp(topLine_ + static_cast<int>(m.LParam), 0,
                            std::max(0, static_cast<int>(VisualLines().size()) - 1));
      Invalidate();
      m.Result = 1;
      break;
    default: TCustomControl::Dispatch(m); break;
  }
}
