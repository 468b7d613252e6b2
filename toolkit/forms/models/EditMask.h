#pragma once
// The edit-mask engine of the masked edit. A mask such as "!99/99/0000;1;_"
// is a picture of input positions and literals, then whether the literals
// are kept in Text (";1" or ";0"), then the character that shows an empty
// position. The engine works on the edit text (the full picture, literals
// and blanks included) and knows nothing of windows.

#include <string>
#include <vector>

#include "toolkit/rtl/Exceptions.h"

// Raised by validation; Position() is the 0-based edit-text position of the
// first position that is missing or wrong.
class EDBEditError : public Exception {
public:
  EDBEditError(std::string message, int position) : Exception(std::move(message)), position_(position) {}
  int Position() const { return position_; }

private:
  int position_;
};

extern const char* const SMaskEditErr;

class TEditMask {
public:
  enum TKind { mkLiteral, mkLetter, mkAlnum, mkAny, mkDigit, mkDigitOrSign };
  enum TCase { mcNone, mcUpper, mcLower };
  struct TSlot {
    TKind Kind = mkLiteral;
    bool Required = false;
    TCase Case = mcNone;
    char Literal = 0;
  };

  TEditMask() = default;
  // ':' and '/' in the mask stand for the given time and date separators.
  explicit TEditMask(const std::string& mask, char dateSeparator = '/', char timeSeparator = ':');

  bool IsMasked() const { return !slots_.empty(); }
  int Length() const { return static_cast<int>(slots_.size()); }
  const TSlot& Slot(int pos) const { return slots_[pos]; }
  bool IsLiteral(int pos) const { return slots_[pos].Kind == mkLiteral; }
  bool SaveLiterals() const { return saveLiterals_; }
  char Blank() const { return blank_; }
  bool Reverse() const { return reverse_; }

  // The picture with every input position blank.
  std::string EmptyEditText() const;
  // Text as the Text property reads it from an edit text, and the edit text
  // a Text write produces.
  std::string TextFromEditText(const std::string& editText) const;
  std::string EditTextFromText(const std::string& text) const;

  // Checks c for an input position; out receives it with the case applied.
  bool Accepts(int pos, char c, char& out) const;
  // The first input position at or after pos (Length() when none) and the
  // last one before pos (-1 when none).
  int NextInput(int pos) const;
  int PrevInput(int pos) const;
  // -1 when every required position is filled with a valid character.
  int FirstInvalid(const std::string& editText) const;
  // Raises EDBEditError for the first invalid position.
  void Validate(const std::string& editText) const;

  // Editing on an edit text and its selection. Each returns false when the
  // key was refused (the control beeps).
  bool TypeChar(std::string& editText, int& selStart, int& selLength, char c) const;
  bool Backspace(std::string& editText, int& selStart, int& selLength) const;
  bool Delete(std::string& editText, int& selStart, int& selLength) const;
  // Blanks the input positions of a range (cut and clear).
  void ClearRange(std::string& editText, int start, int length) const;
  // Puts typed or pasted text in at the caret, position by position.
  bool Paste(std::string& editText, int& selStart, int& selLength, const std::string& s) const;

  // The picture with the input positions taken from editText, cut or
  // padded to the mask's length.
  std::string Normalise(const std::string& editText) const;

private:
  std::vector<TSlot> slots_;
  bool saveLiterals_ = true;
  bool reverse_ = false;
  char blank_ = '_';
};
