#pragma once
// Completion of a drop-down edit's text from a list of entries while the
// user types: the part before the caret is looked up as a prefix of the
// entries, and the first entry that starts with it fills in the rest.

#include <cstdint>
#include <functional>
#include <string>

class TTextEditModel;

struct TCompletion {
  // The entry that completed the text, or -1.
  int Index = -1;
  // The characters typed (the length of the prefix that was looked up).
  int Typed = 0;
};

// Completes the edit's text in place. Entry(i) gives entry i of Count;
// without MatchCase letters compare in upper case. On a match the text
// becomes the typed part followed by the rest of the entry (at most 255
// characters of it) and the rest is selected, with the caret after the typed
// part; without a match what followed the caret is dropped. Write(text)
// replaces the edit's text (the member's own text writer); Matched(result)
// runs before the completed text is written.
TCompletion CompleteEditText(TTextEditModel& Edit, int Count, const std::function<std::string(int)>& Entry,
                             bool MatchCase, const std::function<void(const std::string&)>& Write,
                             const std::function<void(const TCompletion&)>& Matched = {});

// What a member keeps of its last completion: the item found, how many
// characters were typed, and whether the completed text stood in the edit
// already (the nested change of a new text clears it).
struct TCompletionMarks {
  int Index = -1;
  int Typed = 0;
  bool Changed = false;
};

// CompleteEditText over a member's items: a match goes into ItemIndex as it
// stands (completing is not choosing: no select event) and into Marks.
void CompleteItems(TTextEditModel& Edit, int Count, const std::function<std::string(int)>& Entry, bool MatchCase,
                   const std::function<void(const std::string&)>& Write, int& ItemIndex, TCompletionMarks& Marks);

// Selects from the end of the edit's text back to Typed (clamped), so the
// caret stays after what was typed.
void SelectRestAfter(TTextEditModel& Edit, int Typed);

// Backspace in a search by typing: without a selection the search text
// loses its last character and becomes the edit's text; with one the
// selected characters go and the search text is what remains. The caret
// ends at the end of the text.
void BackspaceSearch(TTextEditModel& Edit, std::string& Entry, const std::function<void(const std::string&)>& Write);

// Whether Text starts with the non-empty Key, compared upper-cased unless MatchCase.
bool StartsWithKey(const std::string& Text, const std::string& Key, bool MatchCase);

class TStrings;

// What a key typed into a completing edit does before the edit takes it:
// Backspace, Escape and Delete pause completion (the user is taking text
// away), any other key but Return resumes it, and Return on a Text that is an
// entry of Lookup chooses that entry: Choose(index, entry).
void LookupKeyDown(uint16_t Key, bool& Completing, const TStrings& Lookup, const std::string& Text,
                   const std::function<void(int, const std::string&)>& Choose);
// The same over entries of any kind: Find gives the index of the entry the
// edit's text is (or -1), asked only on Return.
void LookupKeyDown(uint16_t Key, bool& Completing, const std::function<int()>& Find,
                   const std::function<void(int)>& Choose);
