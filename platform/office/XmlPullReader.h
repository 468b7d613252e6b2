#pragma once
// A forward-only reader of the XML parts of office packages, for the parts
// that can be large (worksheets, shared strings, styles): it walks the text
// once and keeps nothing but the open elements, so reading a part costs its
// bytes and no tree of nodes.
//
// Elements are matched by local name (the prefix a producer chose is
// dropped). Start and end tags must pair up, entities and character
// references are decoded, comments and processing instructions are skipped,
// CDATA is text. A document type declaration, a tag that does not close,
// nesting deeper than kMaxDepth or text after the root raise OfficeFileError
// naming the part.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::office {

class XmlPullReader {
public:
  static constexpr size_t kMaxDepth = 256;
  enum Event { StartElement, EndElement, Text, End };

  XmlPullReader(std::string_view Xml, std::string Part);

  // The next event; End once the root element has closed.
  Event Next();
  // The local name of the element just started or ended.
  std::string_view Name() const { return name_; }
  // The decoded value of the started element's attribute of that local name
  // (namespace declarations left out); nullopt when it has none.
  std::optional<std::string> Attribute(std::string_view Local) const;
  // The decoded text of a Text event.
  const std::string& TextValue() const { return text_; }
  // Open elements, counting the one just started.
  size_t Depth() const { return open_.size(); }
  // The part's name, for messages.
  const std::string& Part() const { return part_; }
  // Reads on to the end of the element just started; the decoded text of its
  // Text events joined, when Collect is set.
  std::string Skip(bool Collect = false);

  [[noreturn]] void Fail(const std::string& What) const;

private:
  Event startTag();
  Event endTag();
  void skipMarkup(size_t At);
  void decodeInto(std::string_view Raw, std::string& Out) const;

  std::string_view xml_;
  std::string part_;
  size_t pos_ = 0;
  std::vector<std::string_view> open_;  // qualified names of the open elements
  std::string_view name_;
  std::string_view attributes_;  // raw text between the start tag's name and its end
  std::string text_;
  bool closeNext_ = false;  // an empty-element tag still owes its end
  bool rootSeen_ = false;
};

}  // namespace platform::office
