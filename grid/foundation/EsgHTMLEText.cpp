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

// The text a reader sees, byte by byte, with where each byte's unit starts
// and ends in the HTML text: a tag shows nothing, an entity shows the
// character it stands for.
struct TVisibleText {
  std::string Text;
  std::vector<size_t> Start, End;
};

TVisibleText VisibleText(const std::string& html) {
  TVisibleText v;
  auto add = [&v](const std::string& shown, size_t from, size_t to) {
    for (char c : shown) {
      v.Text += c;
      v.Start.push_back(from);
      v.End.push_back(to);
    }
  };
  for (size_t i = 0; i < html.size();) {
    if (html[i] == '<' && html.find('>', i) != std::string::npos) {
      i = html.find('>', i) + 1;
      continue;
    }
    if (html[i] == '&') {
      const size_t semi = html.find(';', i);
      if (semi != std::string::npos && semi - i <= 10) {
        const std::string entity = html.substr(i, semi + 1 - i);
        const std::string shown = DecodeHTMLEntities(entity, true);
        if (!shown.empty() && shown.size() < entity.size()) {
          add(shown, i, semi + 1);
          i = semi + 1;
          continue;
        }
      }
    }
    add(std::string(1, html[i]), i, i + 1);
    ++i;
  }
  return v;
}

// The ">" that ends the tag starting at From: one inside a quoted value
// belongs to the value.
size_t TagEnd(const std::string& text, size_t From) {
  bool quoted = false;
  for (size_t i = From; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    else if (text[i] == '>' && !quoted) return i;
  }
  return std::string::npos;
}

// The value of the control attribute Name ("ID=") as written: only a name
// that starts a word outside any quoted value counts, so that a value such
// as "ID=x" in another attribute hides nothing.
std::string ControlAttribute(const std::string& Tag, const std::string& Name) {
  bool quoted = false;
  for (size_t i = 0; i < Tag.size(); ++i) {
    if (Tag[i] == '"') {
      quoted = !quoted;
      continue;
    }
    const bool wordStart = i == 0 || Tag[i - 1] == ' ' || Tag[i - 1] == '<' || Tag[i - 1] == '\t';
    if (quoted || !wordStart || !StartsAt(Tag, i, Name, true)) continue;
    const size_t open = Tag.find('"', i + Name.size());
    if (open == std::string::npos || open != i + Name.size()) return {};
    const size_t close = Tag.find('"', open + 1);
    return close == std::string::npos ? std::string() : Tag.substr(open + 1, close - open - 1);
  }
  return {};
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
    const size_t gt = TagEnd(text, p);
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
  // A ">" before the tag is text: the tag ends at the first ">" after its "<".
  return TagFree(Text);
}

std::string HighlightInHTMLText(const std::string& Text, const std::string& Search, const std::string& TagName,
                                bool CaseSensitive) {
  if (Search.empty()) return Text;
  std::string html = Text;
  const std::string plain = TagFree(Text);
  if (Text.find(Search) != std::string::npos && plain.find_first_of("<>") != std::string::npos) {
    html = plain;
    ReplaceAll(html, "<", "&lt;");
    ReplaceAll(html, ">", "&gt;");
  }
  const TVisibleText visible = VisibleText(html);
  std::string hay = CaseSensitive ? visible.Text : AnsiUpperCase(visible.Text);
  std::string needle = CaseSensitive ? Search : AnsiUpperCase(Search);
  // Places are per byte: a case change that changes lengths folds ASCII only.
  if (hay.size() != visible.Text.size()) {
    hay = UpperAZ(visible.Text);
    needle = UpperAZ(Search);
  }
  const std::string open = "<" + TagName + ">", close = "</" + TagName + ">";
  // Marks go in from the back so that the places found stay valid; an
  // entity or tag is never split because places lie between whole units.
  std::vector<std::pair<size_t, size_t>> marks;
  for (size_t pos = hay.find(needle); pos != std::string::npos; pos = hay.find(needle, pos + needle.size()))
    marks.push_back({visible.Start[pos], visible.End[pos + needle.size() - 1]});
  for (auto m = marks.rbegin(); m != marks.rend(); ++m) {
    html.insert(m->second, close);
    html.insert(m->first, open);
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
  auto take = [&](const char* name) { return ControlAttribute(Tag, name); };
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
