// Routines that read and rewrite HTML text without drawing it.
#include <vector>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEInternal.h"
#include "toolkit/rtl/SysUtils.h"

using namespace htmle;

namespace {

// The named entities of the routines (HTML 4 names), in their fixed order.
const std::pair<const char*, const char*> kNamedEntities[51] = {
    {"é", "&eacute;"}, {"è", "&egrave;"}, {"ë", "&euml;"},   {"ê", "&ecirc;"},  {"ó", "&oacute;"},
    {"ò", "&ograve;"}, {"ö", "&ouml;"},   {"ô", "&ocirc;"},  {"í", "&iacute;"}, {"ì", "&igrave;"},
    {"ï", "&iuml;"},   {"î", "&icirc;"},  {"ú", "&uacute;"}, {"ù", "&ugrave;"}, {"ü", "&uuml;"},
    {"û", "&ucirc;"},  {"á", "&aacute;"}, {"à", "&agrave;"}, {"ä", "&auml;"},   {"â", "&acirc;"},
    {"É", "&Eacute;"}, {"È", "&Egrave;"}, {"Ë", "&Euml;"},   {"Ê", "&Ecirc;"},  {"Ó", "&Oacute;"},
    {"Ò", "&Ograve;"}, {"Ö", "&Ouml;"},   {"Ô", "&Ocirc;"},  {"Í", "&Iacute;"}, {"Ì", "&Igrave;"},
    {"Ï", "&Iuml;"},   {"Î", "&Icirc;"},  {"Ú", "&Uacute;"}, {"Ù", "&Ugrave;"}, {"Ü", "&Uuml;"},
    {"Û", "&Ucirc;"},  {"Á", "&Aacute;"}, {"À", "&Agrave;"}, {"Ä", "&Auml;"},   {"Â", "&Acirc;"},
    {"ç", "&ccedil;"}, {"Ç", "&Ccedil;"}, {"ø", "&oslash;"}, {"Ø", "&Oslash;"}, {"å", "&aring;"},
    {"Å", "&Aring;"},  {"©", "&copy;"},   {"®", "&reg;"},    {"€", "&euro;"},   {"«", "&laquo;"},
    {"»", "&raquo;"},
};

const std::pair<const char*, const char*> kBasicEntities[4] = {
    {"<", "&lt;"}, {">", "&gt;"}, {"&", "&amp;"}, {"\"", "&quot;"}};

bool StartsAt(const std::string& s, size_t i, const std::string& what, bool foldCase) {
  if (i + what.size() > s.size()) return false;
  for (size_t k = 0; k < what.size(); ++k) {
    const char a = s[i + k], b = what[k];
    if (foldCase ? UpAZ(a) != UpAZ(b) : a != b) return false;
  }
  return true;
}

// Text with every tag removed (up to the first "<" that has no ">" after it).
std::string TagFree(const std::string& text) {
  std::string out;
  size_t i = 0;
  while (true) {
    const size_t lt = text.find('<', i);
    if (lt == std::string::npos) break;
    const size_t gt = text.find('>', lt);
    if (gt == std::string::npos) break;
    out.append(text, i, lt - i);
    i = gt + 1;
  }
  out.append(text, i, std::string::npos);
  return out;
}

// Where to insert before the k-th visible character (1-based): right before
// it (opening tags), or right after the visible character before it so that
// tags in between stay after the insertion (closing tags); the end of the
// text when there is no such character.
size_t InsertionPoint(const std::string& html, size_t k, bool beforeTags) {
  size_t seen = 0, afterPrevious = 0;
  bool inTag = false;
  for (size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (inTag) {
      if (c == '>') inTag = false;
      continue;
    }
    if (c == '<' && html.find('>', i) != std::string::npos) {
      inTag = true;
      continue;
    }
    if (++seen == k) return beforeTags ? afterPrevious : i;
    afterPrevious = i + 1;
  }
  return html.size();
}

struct TControlSpan {
  size_t Start = 0;  // of "<"
  size_t End = 0;    // after ">"
  std::string Type, ID, Value, Width, Height, Prop, MaxLen;
};

std::vector<TControlSpan> Controls(const std::string& text) {
  std::vector<TControlSpan> list;
  for (size_t p = FindNoCase(text, "<CONTROL "); p != std::string::npos; p = FindNoCase(text, "<CONTROL ", p + 1)) {
    TControlSpan c;
    c.Start = p;
    const size_t gt = text.find('>', p);
    c.End = gt == std::string::npos ? text.size() : gt + 1;
    ParseControlTag(text.substr(p, c.End - p), c.Type, c.ID, c.Value, c.Width, c.Height, c.Prop, c.MaxLen);
    list.push_back(c);
  }
  return list;
}

const TControlSpan* FindControl(const std::vector<TControlSpan>& list, const std::string& id) {
  for (const auto& c : list)
    if (c.ID == id) return &c;
  return nullptr;
}

std::string Quoted(const std::string& v) { return "\"" + v + "\""; }

}  // namespace

std::string StripHTMLTags(std::string Text) {
  while (ReplaceFirstNoCase(Text, "<BR>", "\r\n")) {}
  while (ReplaceFirstNoCase(Text, "<HR>", "\r\n")) {}
  std::string out;
  while (true) {
    const size_t lt = Text.find('<');
    if (lt == std::string::npos || Text.find('>') == std::string::npos) break;
    out.append(Text, 0, lt);
    Text.erase(0, Text.find('>') + 1);
  }
  return out + Text;
}

std::string HighlightInHTMLText(const std::string& Text, const std::string& Search, const std::string& TagName,
                                bool CaseSensitive) {
  if (Search.empty()) return Text;
  std::string html = Text;
  std::string plain = TagFree(Text);
  std::string search = Search;
  if (Text.find(Search) != std::string::npos && plain.find_first_of("<>") != std::string::npos) {
    for (std::string* s : {&plain, &search}) {
      ReplaceAll(*s, "<", "&lt;");
      ReplaceAll(*s, ">", "&gt;");
    }
    html = plain;
  }
  const std::string hay = CaseSensitive ? plain : AnsiUpperCase(plain);
  const std::string needle = CaseSensitive ? search : AnsiUpperCase(search);
  const std::string open = "<" + TagName + ">", close = "</" + TagName + ">";
  // Searching on after the match itself marks adjacent matches too.
  for (size_t pos = hay.find(needle); pos != std::string::npos; pos = hay.find(needle, pos + needle.size())) {
    // The opening tag goes after a closing tag of the previous match, so
    // that adjacent matches get pairs of their own.
    html.insert(InsertionPoint(html, pos + 1, false), open);
    html.insert(InsertionPoint(html, pos + 1 + needle.size(), true), close);
  }
  return html;
}

std::string RemoveHTMLTagPairs(std::string Text, const std::string& TagName) {
  const std::string name = UpperAZ(TagName);
  while (ReplaceFirstNoCase(Text, "<" + name + ">", "")) {}
  while (ReplaceFirstNoCase(Text, "</" + name + ">", "")) {}
  ReplaceAll(Text, "&lt;", "<");
  ReplaceAll(Text, "&gt;", ">");
  return Text;
}

std::string DecodeHTMLEntities(const std::string& Text, bool Named) {
  // One pass from left to right: a decoded "&" never starts a new entity.
  std::string out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    bool done = false;
    if (Text[i] == '&') {
      for (const auto& [ch, entity] : kBasicEntities)
        if (StartsAt(Text, i, entity, true)) {
          out += ch;
          i += std::char_traits<char>::length(entity);
          done = true;
          break;
        }
      if (!done && Named)
        for (const auto& [ch, entity] : kNamedEntities)
          if (StartsAt(Text, i, entity, false)) {
            out += ch;
            i += std::char_traits<char>::length(entity);
            done = true;
            break;
          }
    }
    if (!done) out += Text[i++];
  }
  return out;
}

std::string EncodeHTMLEntities(const std::string& Text, bool Named) {
  std::string out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    bool done = false;
    for (const auto& [ch, entity] : kBasicEntities)
      if (Text[i] == ch[0]) {
        out += entity;
        ++i;
        done = true;
        break;
      }
    if (!done && Named && (uint8_t(Text[i]) & 0x80))
      for (const auto& [ch, entity] : kNamedEntities)
        if (StartsAt(Text, i, ch, false)) {
          out += entity;
          i += std::char_traits<char>::length(ch);
          done = true;
          break;
        }
    if (!done) out += Text[i++];
  }
  return out;
}

std::string SpacesToNbsp(const std::string& Text) {
  std::string out = Text;
  ReplaceAll(out, " ", "&nbsp;");
  return out;
}

void ParseControlTag(const std::string& Tag, std::string& Type, std::string& ID, std::string& Value,
                     std::string& Width, std::string& Height, std::string& Prop, std::string& MaxLen) {
  const std::string up = UpperAZ(Tag);
  auto take = [&](const char* name) { return HTMLTagAttribute(Tag, up, name, true); };
  Type = UpperAZ(take("TYPE="));
  Width = take("WIDTH=");
  Height = take("HEIGHT=");
  ID = take("ID=");
  Value = DecodeHTMLEntities(take("VALUE="), true);
  Prop = DecodeHTMLEntities(take("PROP="), true);
  MaxLen = take("MAXLEN=");
}

bool HasControlTag(const std::string& Text) { return FindNoCase(Text, "<CONTROL") != std::string::npos; }

std::string NextEditControlID(const std::string& Text, const std::string& ControlID) {
  bool passed = ControlID.empty();
  for (const auto& c : Controls(Text)) {
    const bool editable = c.Type != "BUTTON" && c.Type != "CHECK" && c.Type != "RADIO";
    if (passed && editable) return c.ID;
    if (c.ID == ControlID) passed = true;
  }
  return {};
}

std::string ClearRadioControls(std::string Text) {
  std::vector<std::string> ids;
  for (const auto& c : Controls(Text))
    if (c.Type == "RADIO") ids.push_back(c.ID);
  for (const auto& id : ids) SetControlValue(Text, id, "FALSE");
  return Text;
}

bool GetControlValue(const std::string& Text, const std::string& ControlID, std::string& Value) {
  const auto list = Controls(Text);
  const TControlSpan* c = FindControl(list, ControlID);
  if (!c) return false;
  Value = c->Value;
  return true;
}

std::string GetControlProp(const std::string& Text, const std::string& ControlID) {
  const auto list = Controls(Text);
  const TControlSpan* c = FindControl(list, ControlID);
  return c ? c->Prop : std::string();
}

int GetControlMaxLen(const std::string& Text, const std::string& ControlID) {
  const auto list = Controls(Text);
  const TControlSpan* c = FindControl(list, ControlID);
  return c ? ParseHTMLNumber(c->MaxLen) : 0;
}

bool SetControlValue(std::string& Text, const std::string& ControlID, const std::string& NewValue) {
  const auto list = Controls(Text);
  const TControlSpan* c = FindControl(list, ControlID);
  if (!c) return false;
  // The tag is written anew from its attributes; HEIGHT is kept with the others.
  std::string tag = "<CONTROL ID=" + Quoted(c->ID) + " VALUE=" + Quoted(EncodeHTMLEntities(NewValue, true)) +
                    " WIDTH=" + Quoted(c->Width) + " TYPE=" + Quoted(c->Type);
  if (!c->Height.empty()) tag += " HEIGHT=" + Quoted(c->Height);
  if (!c->Prop.empty()) tag += " PROP=" + Quoted(EncodeHTMLEntities(c->Prop, true));
  if (!c->MaxLen.empty()) tag += " MAXLEN=" + Quoted(c->MaxLen);
  tag += ">";
  Text.replace(c->Start, c->End - c->Start, tag);
  return true;
}
