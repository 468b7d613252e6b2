#include "controls/DropDownCompletion.h"

#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/models/TextEditModel.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/SysUtils.h"

bool StartsWithKey(const std::string& Text, const std::string& Key, bool MatchCase) {
  if (Key.empty() || Text.size() < Key.size()) return false;
  const std::string head = Text.substr(0, Key.size());
  return MatchCase ? head == Key : AnsiUpperCase(head) == AnsiUpperCase(Key);
}

void SelectRestAfter(TTextEditModel& Edit, int Typed) {
  const int end = int(Edit.Text().size());
  Edit.MoveCaretTo(end, false);
  Edit.MoveCaretTo(Typed < end ? Typed : end, true);
}

void BackspaceSearch(TTextEditModel& Edit, std::string& Entry, const std::function<void(const std::string&)>& Write) {
  if (Edit.SelLength() == 0) {
    if (!Entry.empty()) Entry.pop_back();
  } else {
    Entry = Edit.Text();
    Entry.erase(size_t(Edit.SelStart()), size_t(Edit.SelLength()));
  }
  Write(Entry);
  Edit.MoveCaretTo(int(Edit.Text().size()), false);
}

TCompletion CompleteEditText(TTextEditModel& Edit, int Count, const std::function<std::string(int)>& Entry,
                             bool MatchCase, const std::function<void(const std::string&)>& Write,
                             const std::function<void(const TCompletion&)>& Matched) {
  const std::string text = Edit.Text();
  const int caret = Edit.Caret();
  const std::string typed = text.substr(0, size_t(caret));
  for (int i = 0; i < Count; ++i) {
    const std::string entry = Entry(i);
    if (!StartsWithKey(entry, typed, MatchCase)) continue;
    const std::string completed = typed + entry.substr(typed.size(), 255);
    if (Matched) Matched({i, caret});
    if (completed != Edit.Text()) Write(completed);
    SelectRestAfter(Edit, caret);
    return {i, caret};
  }
  if (!typed.empty()) {
    if (typed != text) Write(typed);
    Edit.MoveCaretTo(int(Edit.Text().size()), false);
  }
  return {-1, caret};
}

void CompleteItems(TTextEditModel& Edit, int Count, const std::function<std::string(int)>& Entry, bool MatchCase,
                   const std::function<void(const std::string&)>& Write, int& ItemIndex, TCompletionMarks& Marks) {
  CompleteEditText(Edit, Count, Entry, MatchCase, Write, [&](const TCompletion& C) {
    ItemIndex = C.Index;
    Marks = {C.Index, C.Typed, true};
  });
}

void LookupKeyDown(uint16_t Key, bool& Completing, const std::function<int()>& Find,
                   const std::function<void(int)>& Choose) {
  if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
    Completing = false;
  } else if (Key == VK_RETURN) {
    const int i = Find();
    if (i >= 0) Choose(i);
  } else {
    Completing = true;
  }
}

void LookupKeyDown(uint16_t Key, bool& Completing, const TStrings& Lookup, const std::string& Text,
                   const std::function<void(int, const std::string&)>& Choose) {
  LookupKeyDown(
      Key, Completing, [&] { return Lookup.IndexOf(Text); }, [&](int i) { Choose(i, Lookup.Strings(i)); });
}
