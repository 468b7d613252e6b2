// The forward-only reader of office XML parts.

#include "platform/office/XmlPullReader.h"

#include "platform/kernel/TextCodec.h"
#include "platform/office/OfficeFileError.h"

namespace platform::office {
namespace {

bool IsSpace(char C) { return C == ' ' || C == '\t' || C == '\r' || C == '\n'; }

std::string_view LocalOf(std::string_view Qualified) {
  const size_t colon = Qualified.find(':');
  return colon == std::string_view::npos ? Qualified : Qualified.substr(colon + 1);
}

// The character a reference "#65" or "#x41" stands for; 0 when it is none.
char32_t CharacterReference(std::string_view Ref) {
  const bool hex = Ref.size() > 1 && (Ref[1] == 'x' || Ref[1] == 'X');
  std::string_view digits = Ref.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return 0;
  char32_t value = 0;
  for (char c : digits) {
    int d = c >= '0' && c <= '9' ? c - '0' : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10 : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (d < 0) return 0;
    value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
  }
  if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return value;
}

}  // namespace

XmlPullReader::XmlPullReader(std::string_view Xml, std::string Part) : xml_(Xml), part_(std::move(Part)) {
  if (xml_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
}

void XmlPullReader::Fail(const std::string& What) const { throw OfficeFileError("Part " + part_ + " " + What); }

XmlPullReader::Event XmlPullReader::Next() {
  if (closeNext_) {
    closeNext_ = false;
    name_ = LocalOf(open_.back());
    open_.pop_back();
    return EndElement;
  }
  for (;;) {
    if (pos_ >= xml_.size()) {
      if (!open_.empty()) Fail("ends inside the element <" + std::string(open_.back()) + ">");
      if (!rootSeen_) Fail("has no root element");
      return End;
    }
    if (xml_[pos_] != '<') {
      const size_t end = std::min(xml_.find('<', pos_), xml_.size());
      std::string_view raw = xml_.substr(pos_, end - pos_);
      pos_ = end;
      if (open_.empty()) {
        for (char c : raw)
          if (!IsSpace(c)) Fail("has text outside its root element");
        continue;
      }
      text_.clear();
      decodeInto(raw, text_);
      return Text;
    }
    std::string_view rest = xml_.substr(pos_);
    if (rest.starts_with("<?")) {
      skipMarkup(xml_.find("?>", pos_ + 2));
    } else if (rest.starts_with("<!--")) {
      skipMarkup(xml_.find("-->", pos_ + 4));
    } else if (rest.starts_with("<![CDATA[")) {
      if (open_.empty()) Fail("has text outside its root element");
      const size_t end = xml_.find("]]>", pos_ + 9);
      if (end == std::string_view::npos) Fail("ends inside a CDATA section");
      text_.assign(xml_.substr(pos_ + 9, end - pos_ - 9));
      pos_ = end + 3;
      return Text;
    } else if (rest.starts_with("<!")) {
      Fail("holds a document type declaration");
    } else if (rest.starts_with("</")) {
      return endTag();
    } else {
      return startTag();
    }
  }
}

void XmlPullReader::skipMarkup(size_t At) {
  if (At == std::string_view::npos) Fail("ends inside a comment or processing instruction");
  pos_ = xml_.find('>', At) + 1;
}

XmlPullReader::Event XmlPullReader::startTag() {
  if (rootSeen_ && open_.empty()) Fail("has more than one root element");
  size_t i = pos_ + 1;
  while (i < xml_.size() && !IsSpace(xml_[i]) && xml_[i] != '/' && xml_[i] != '>') ++i;
  std::string_view qualified = xml_.substr(pos_ + 1, i - pos_ - 1);
  if (qualified.empty()) Fail("has a tag without a name");
  const size_t attributesStart = i;
  char quote = 0;
  for (; i < xml_.size(); ++i) {
    const char c = xml_[i];
    if (quote) quote = c == quote ? 0 : quote;
    else if (c == '"' || c == '\'') quote = c;
    else if (c == '>' || c == '<') break;
  }
  if (i >= xml_.size() || xml_[i] != '>') Fail("ends inside the tag <" + std::string(qualified) + ">");
  const bool empty = xml_[i - 1] == '/' && i - 1 >= attributesStart;
  attributes_ = xml_.substr(attributesStart, i - attributesStart - (empty ? 1 : 0));
  pos_ = i + 1;
  if (open_.size() >= kMaxDepth) Fail("nests its elements too deeply");
  open_.push_back(qualified);
  rootSeen_ = true;
  name_ = LocalOf(qualified);
  closeNext_ = empty;
  return StartElement;
}

XmlPullReader::Event XmlPullReader::endTag() {
  const size_t end = xml_.find('>', pos_);
  if (end == std::string_view::npos) Fail("ends inside an end tag");
  std::string_view qualified = xml_.substr(pos_ + 2, end - pos_ - 2);
  while (!qualified.empty() && IsSpace(qualified.back())) qualified.remove_suffix(1);
  if (open_.empty() || open_.back() != qualified)
    Fail("has an end tag </" + std::string(qualified) + "> that closes no open element");
  open_.pop_back();
  name_ = LocalOf(qualified);
  attributes_ = {};
  pos_ = end + 1;
  return EndElement;
}

std::optional<std::string> XmlPullReader::Attribute(std::string_view Local) const {
  std::string_view rest = attributes_;
  for (;;) {
    while (!rest.empty() && IsSpace(rest.front())) rest.remove_prefix(1);
    if (rest.empty()) return std::nullopt;
    const size_t eq = rest.find('=');
    if (eq == std::string_view::npos) Fail("has a malformed attribute");
    std::string_view name = rest.substr(0, eq);
    while (!name.empty() && IsSpace(name.back())) name.remove_suffix(1);
    rest.remove_prefix(eq + 1);
    while (!rest.empty() && IsSpace(rest.front())) rest.remove_prefix(1);
    if (rest.empty() || (rest.front() != '"' && rest.front() != '\'')) Fail("has a malformed attribute");
    const size_t close = rest.find(rest.front(), 1);
    if (close == std::string_view::npos) Fail("has a malformed attribute");
    std::string_view raw = rest.substr(1, close - 1);
    rest.remove_prefix(close + 1);
    if (name.empty() || name == "xmlns" || name.starts_with("xmlns:") || LocalOf(name) != Local) continue;
    std::string value;
    decodeInto(raw, value);
    for (char& c : value)
      if (c == '\t' || c == '\n') c = ' ';
    return value;
  }
}

// Entities and character references decoded, line ends made LF; an unknown
// entity stays as it stands.
void XmlPullReader::decodeInto(std::string_view Raw, std::string& Out) const {
  Out.reserve(Out.size() + Raw.size());
  for (size_t i = 0; i < Raw.size(); ++i) {
    const char c = Raw[i];
    if (c == '\r') {
      Out += '\n';
      if (i + 1 < Raw.size() && Raw[i + 1] == '\n') ++i;
      continue;
    }
    if (c != '&') {
      Out += c;
      continue;
    }
    const size_t semi = Raw.find(';', i);
    std::string_view ref = semi == std::string_view::npos || semi - i > 12 ? std::string_view() : Raw.substr(i + 1, semi - i - 1);
    if (ref == "lt") Out += '<';
    else if (ref == "gt") Out += '>';
    else if (ref == "amp") Out += '&';
    else if (ref == "quot") Out += '"';
    else if (ref == "apos") Out += '\'';
    else if (ref.starts_with('#')) {
      const char32_t ch = CharacterReference(ref);
      if (ch == 0) Fail("has an invalid character reference &" + std::string(ref) + ";");
      AppendUtf8(Out, ch);
    } else {
      Out += c;
      continue;
    }
    i = semi;
  }
}

std::string XmlPullReader::Skip(bool Collect) {
  std::string collected;
  const size_t depth = open_.size();
  for (;;) {
    const Event e = Next();
    if (e == Text && Collect) collected += text_;
    else if (e == EndElement && open_.size() < depth) return collected;
    else if (e == End) return collected;
  }
}

}  // namespace platform::office
