#pragma once
// The text, caret, selection and undo state behind the edit controls,
// kept apart from any window so that editing rules can be tested alone.
// Positions are byte offsets into the UTF-8 text (0-based, as SelStart is);
// caret moves step over whole UTF-8 sequences and over "\r\n" pairs so that
// the caret never lands inside a character or a line break.

#include <functional>
#include <string>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TTextEditModel {
public:
  // Text and limits.
  const std::string& Text() const { return text_; }
  // A programmatic write: selection collapses at the start, undo is cleared.
  void SetText(const std::string& value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value) { multiLine_ = value; }
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }
  // The line break of multi-line text: "\r\n" (edits and memos) or "\r"
  // (rich text, where a paragraph break is one character). Text written in
  // gets its breaks turned into this one.
  const std::string& LineBreak() const { return lineBreak_; }
  void SetLineBreak(const std::string& v) { lineBreak_ = v == "\r" ? v : "\r\n"; }

  // Selection: the anchor stays where it began, the caret is the moving end.
  int Anchor() const { return anchor_; }
  int Caret() const { return caret_; }
  int SelStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  int SelLength() const { return anchor_ < caret_ ? caret_ - anchor_ : anchor_ - caret_; }
  std::string SelText() const { return text_.substr(SelStart(), SelLength()); }
  void SetSelStart(int value);
  void SetSelLength(int value);
  // Like EM_SETSEL: -1 as start removes the selection, -1 as end means the end.
  void SetSel(int start, int end);
  void SelectAll();
  // Moves the caret; with extend the anchor stays, else the selection collapses.
  void MoveCaretTo(int pos, bool extend);

  // User edits. Each returns false when nothing changed (read-only, limit,
  // nothing to delete); a change fires OnChange and may be undone.
  bool InsertText(const std::string& s);   // replaces the selection
  bool Backspace(bool word = false);
  bool DeleteForward(bool word = false);
  bool ClearSelection();
  // A programmatic SelText write: undoable, ignores ReadOnly (like EM_REPLACESEL).
  void SetSelText(const std::string& s);

  // Caret moves as the keys do them.
  void MoveLeft(bool extend, bool word);
  void MoveRight(bool extend, bool word);
  void MoveHome(bool extend, bool wholeText);
  void MoveEnd(bool extend, bool wholeText);
  void MoveLineUp(bool extend) { MoveLines(-1, extend); }
  void MoveLineDown(bool extend) { MoveLines(1, extend); }
  void MoveLines(int delta, bool extend);

  // Undo of the last change; a second Undo redoes it, as edit controls do.
  bool CanUndo() const { return hasUndo_; }
  bool Undo();
  void ClearUndo() { hasUndo_ = false; typing_ = false; }

  // Lines (split at "\r\n", "\n" or "\r").
  int LineCount() const;
  int LineFromChar(int pos) const;   // EM_LINEFROMCHAR
  int LineIndex(int line) const;     // EM_LINEINDEX; -1 beyond the last line
  int LineLength(int line) const;    // length without the break
  std::string Line(int line) const;

  // Position helpers shared with the controls.
  int NextPos(int pos) const;
  int PrevPos(int pos) const;
  int WordLeft(int pos) const;
  int WordRight(int pos) const;

  std::function<void()> OnChange;

private:
  struct Snapshot { std::string text; int anchor = 0; int caret = 0; };
  Snapshot Take() const { return {text_, anchor_, caret_}; }
  void RememberForUndo(bool typingRun);
  void Replace(int from, int to, const std::string& with);
  std::string Filter(const std::string& s) const;
  int Clamp(int pos) const;
  int SnapToBoundary(int pos) const;
  void Changed();

  std::string text_;
  int anchor_ = 0;
  int caret_ = 0;
  int maxLength_ = 0;
  TEditCharCase charCase_ = ecNormal;
  bool readOnly_ = false;
  bool multiLine_ = false;
  bool modified_ = false;
  std::string lineBreak_ = "\r\n";
  Snapshot undo_;
  bool hasUndo_ = false;
  bool typing_ = false;   // consecutive typed characters form one undo step
  int desiredColumn_ = -1;
};

// Upper/lower case of ASCII letters; other bytes stay as they are.
std::string ApplyCharCase(const std::string& s, TEditCharCase charCase);
