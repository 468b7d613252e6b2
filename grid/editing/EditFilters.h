#pragma once
// What the grid's text editor lets through, per editor kind: the filter of
// typed characters and the rules for pasted text. Kept apart from the editor
// so that the rules are one table each.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "grid/foundation/ExtObj.h"
#include "toolkit/rtl/StringList.h"

// Character codes 0..255 an edValidChars cell takes when its ValidChars text is empty.
using TValidCharSet = std::bitset<256>;

// The state a typed character meets.
struct TEditCharContext {
  TEditorType Kind = edNormal;
  std::string_view Text;      // the editor's text before the character
  int SelStart = 0;           // caret, in bytes
  int SelLength = 0;
  bool Ctrl = false;          // Ctrl held (clipboard keys pass the float filter)
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  std::string_view ValidChars;           // edValidChars
  const TValidCharSet* ValidCharSet = nullptr;  // edValidChars with ValidChars empty
  int LengthLimit = 0;        // 0 or less: none
};

enum class TCharVerdict { Accept, Ignore, Beep };

struct TCharFilterResult {
  TCharVerdict Verdict = TCharVerdict::Accept;
  uint32_t Char = 0;  // the character to insert (case kinds convert it)
};

// The editor kinds edited as text in the grid's own editor.
bool IsNormalTextEditor(TEditorType Kind);

// Decides on one typed character (a code point; control characters are
// Backspace 8, Tab 9, Enter 13, Esc 27).
TCharFilterResult FilterEditChar(const TEditCharContext& Context, uint32_t Ch);

// The text after a paste of Clip into Text at the selection: a single trailing
// line break is dropped; the pasted part's range comes back in PasteStart and
// PasteLength.
std::string ComposePaste(std::string_view Text, int SelStart, int SelLength, std::string Clip, int& PasteStart,
                         int& PasteLength);

// Look-up completion: the first item that starts with the text typed up to
// Caret (upper-cased unless CaseSensitive) completes it with at most 255 of
// its own characters. Index is the item's; -1 and false when none matches or
// nothing is typed.
bool CompleteFromItems(const TStrings* Items, std::string_view Text, int Caret, bool CaseSensitive,
                       std::string& Completed, int& Index);

// Whether the kind takes NewText as the editor's whole text; the case kinds
// convert it in place.
bool AcceptPastedText(TEditorType Kind, std::string& NewText, std::string_view ValidChars,
                      const TValidCharSet* ValidCharSet);
