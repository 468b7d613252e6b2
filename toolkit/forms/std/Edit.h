#pragma once
// TCustomEdit: single- and multi-line text editing on the text-edit model,
// with the edit messages (EM_*), clipboard messages, EN_CHANGE to the parent
// (reflected back as CN_COMMAND, which fires OnChange), caret, selection by
// mouse and keys, horizontal auto-scroll and word wrap. TEdit publishes it;
// TMemo (Memo.h) adds Lines.

#include <memory>
#include <string>
#include <vector>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/models/TextEditModel.h"
#include "toolkit/graphics/Canvas.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomEdit : public TCustomControl {
public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;
  std::string ClassName() const override { return "TCustomEdit"; }

  // ---- text and state ----
  int MaxLength() const { return model_.MaxLength(); }
  void SetMaxLength(int v) { model_.SetMaxLength(v); }
  bool ReadOnly() const { return model_.ReadOnly(); }
  void SetReadOnly(bool v);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char v);
  TEditCharCase CharCase() const { return model_.CharCase(); }
  void SetCharCase(TEditCharCase v) { model_.SetCharCase(v); Invalidate(); }
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool v) { autoSelect_ = v; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v) { hideSelection_ = v; Invalidate(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  bool Modified() const { return model_.Modified(); }
  void SetModified(bool v) { model_.SetModified(v); }
  bool CanUndo() const { return model_.CanUndo(); }
  bool NumbersOnly() const { return numbersOnly_; }
  void SetNumbersOnly(bool v) { numbersOnly_ = v; }

  // ---- selection (0-based) ----
  int SelStart() const { return model_.SelStart(); }
  void SetSelStart(int v);
  int SelLength() const { return model_.SelLength(); }
  void SetSelLength(int v);
  std::string SelText() const { return model_.SelText(); }
  void SetSelText(const std::string& v);
  void SelectAll();
  void ClearSelection();
  void Clear();

  // ---- clipboard and undo ----
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void Undo();
  void ClearUndo() { model_.ClearUndo(); }

  // ---- geometry ----
  // Character index under a client point, and the point of a character.
  int CharFromPos(TPoint p);
  TPoint PosFromChar(int index);
  TRect FormatRect() const;
  // Scrolls so that the caret is in view.
  void ScrollCaret();

  TNotifyEvent OnChange;

  // The model, for the masked edit and the grid's editors.
  TTextEditModel& Model() { return model_; }
  void Dispatch(TMessage& Message) override;

protected:
  std::string GetText() const override { return model_.Text(); }
  void RealSetText(const std::string& v) override;
  virtual void Change();
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void DoEnter() override;
  void DoExit() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void CMFontChanged(TMessage& Message) override;
  void BoundsChanged() override;

  // Editing done by keys and characters, after the events had their say;
  // the masked edit replaces them.
  virtual bool EditKey(uint16_t Key, TShiftState Shift);
  virtual void EditChar(char Key);
  // Text the user's action inserts (typing, paste).
  virtual void InsertUserText(const std::string& s);
  virtual void DeleteUserText(bool forward, bool word);

  // Multi-line behaviour, switched on by TCustomMemo.
  void SetMultiLine(bool v);
  bool MultiLine() const { return model_.MultiLine(); }
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool v) { wantReturns_ = v; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool v) { wantTabs_ = v; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);

  // A visual line: a stretch of the text drawn on one row.
  struct TVisualLine { int Start = 0; int End = 0; };
  const std::vector<TVisualLine>& VisualLines();
  int LineHeight();
  int TextWidthOf(const std::string& s);
  // What the edit shows: the text, or password characters.
  std::string DisplayText() const;
  void TextChanged();
  void InvalidateLayout() { layoutValid_ = false; Invalidate(); }

private:
  void notifyChange();
  void sendCommand(uint16_t code);
  void afterCaretMove();
  int visualLineOf(int pos);
  int lineX(const TVisualLine& line);
  void paintLine(TCanvas* c, const TVisualLine& line, int y, bool showSel);
  void handleEditMessage(TMessage& m);
  void adjustHeight();
  // The window's own scroll bars follow the first line shown and the
  // horizontal offset; their WM_VSCROLL/WM_HSCROLL move them.
  void updateScrollInfo();
  void scrollMessage(bool vertical, const TWMScroll& s);
  int maxLineWidth();

  TTextEditModel model_;
  char passwordChar_ = 0;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  TAlignment alignment_ = taLeftJustify;
  TBorderStyle borderStyle_ = bsSingle;
  bool autoSize_ = true;
  bool numbersOnly_ = false;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  bool wordWrap_ = false;
  TScrollStyle scrollBars_ = ssNone;
  bool selecting_ = false;
  bool changeReflected_ = false;
  bool focused_ = false;
  int scrollX_ = 0;
  int topLine_ = 0;
  bool hasFormatRect_ = false;
  TRect formatRect_;
  std::vector<TVisualLine> lines_;
  bool layoutValid_ = false;
};

class TEdit : public TCustomEdit {
public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
  std::string ClassName() const override { return "TEdit"; }
};
