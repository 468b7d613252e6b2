// The document's own serialiser. pugixml's writer leaves CR in text raw (lost
// on reload) and writes control characters as references XML 1.0 forbids, so
// the byte form is produced here, where every rule can be kept.

#include "platform/xml/XmlChars.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlState.h"

#include <algorithm>
#include <vector>

namespace platform::xml_detail {
namespace {

struct Item {
  pugi::xml_node node;
  int depth;
  bool inlined;          // written inside a parent's one-line content
  bool closing;          // the end tag of an element whose children were pushed
  bool childrenInlined;  // (end tag only) whether the children were one-line content
};

bool IsWhitespaceOnly(std::string_view s) {
  return s.find_first_not_of(" \t\n\r") == std::string_view::npos;
}

bool HasTextChild(pugi::xml_node node) {
  for (pugi::xml_node child : node.children())
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) return true;
  return false;
}

class Writer {
public:
  std::string Run(const pugi::xml_document& doc) {
    PushChildren(doc, 0, false);
    while (!stack_.empty()) {
      Item item = stack_.back();
      stack_.pop_back();
      if (item.closing) WriteEndTag(item);
      else WriteNode(item);
    }
    return std::move(out_);
  }

private:
  void PushChildren(pugi::xml_node parent, int depth, bool inlined) {
    size_t first = stack_.size();
    for (pugi::xml_node child : parent.children()) stack_.push_back({child, depth, inlined, false, false});
    std::reverse(stack_.begin() + first, stack_.end());
  }

  void WriteNode(const Item& item) {
    pugi::xml_node node = item.node;
    if (node.type() == pugi::node_declaration) return;  // saved files carry no declaration
    if (!item.inlined) out_.append(2 * item.depth, ' ');
    switch (node.type()) {
      case pugi::node_element:
        if (WriteElement(item)) return;  // its end tag ends the line
        break;
      case pugi::node_pcdata: WriteText(node.value(), Context("the text of", node.parent())); break;
      case pugi::node_cdata: WriteCData(node.value(), Context("a CDATA section in", node.parent())); break;
      case pugi::node_comment: WriteComment(node.value()); break;
      case pugi::node_pi: WriteInstruction(node.name(), node.value()); break;
      default: break;
    }
    if (!item.inlined) out_ += '\n';
  }

  // Returns true when children follow (their end tag finishes the line).
  bool WriteElement(const Item& item) {
    pugi::xml_node node = item.node;
    std::string name = node.name();
    if (item.depth >= kMaxDepth)
      throw XmlError("elements are nested deeper than " + std::to_string(kMaxDepth) + " levels");
    if (!IsXmlName(name)) throw XmlError("\"" + name + "\" is not a valid element name");
    out_ += '<';
    out_ += name;
    for (pugi::xml_attribute attr : node.attributes()) WriteAttribute(attr, name);
    if (!node.first_child()) {
      out_ += "/>";
      return false;
    }
    out_ += '>';
    bool childrenInlined = item.inlined || HasTextChild(node);
    if (!childrenInlined) out_ += '\n';
    stack_.push_back({node, item.depth, item.inlined, true, childrenInlined});
    PushChildren(node, item.depth + 1, childrenInlined);
    return true;
  }

  void WriteEndTag(const Item& item) {
    if (!item.childrenInlined) out_.append(2 * item.depth, ' ');
    out_ += "</";
    out_ += item.node.name();
    out_ += '>';
    if (!item.inlined) out_ += '\n';
  }

  void WriteAttribute(pugi::xml_attribute attr, const std::string& element) {
    std::string name = attr.name();
    if (!IsXmlName(name))
      throw XmlError("\"" + name + "\" is not a valid attribute name (element \"" + element + "\")");
    std::string_view value = attr.value();
    CheckChars(value, "attribute \"" + name + "\" of element \"" + element + "\"");
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    for (char c : value) {
      switch (c) {
        case '&': out_ += "&amp;"; break;
        case '<': out_ += "&lt;"; break;
        case '>': out_ += "&gt;"; break;
        case '"': out_ += "&quot;"; break;
        case '\t': out_ += "&#9;"; break;
        case '\n': out_ += "&#10;"; break;
        case '\r': out_ += "&#13;"; break;
        default: out_ += c;
      }
    }
    out_ += '"';
  }

  void WriteText(std::string_view text, const std::string& context) {
    CheckChars(text, context);
    // Whitespace-only text would be dropped on reload unless written as references.
    bool blank = IsWhitespaceOnly(text);
    for (char c : text) {
      if (blank) {
        out_ += "&#" + std::to_string(static_cast<int>(c)) + ";";
        continue;
      }
      switch (c) {
        case '&': out_ += "&amp;"; break;
        case '<': out_ += "&lt;"; break;
        case '>': out_ += "&gt;"; break;
        case '\r': out_ += "&#13;"; break;  // a raw CR would become LF on reload
        default: out_ += c;
      }
    }
  }

  void WriteCData(std::string_view text, const std::string& context) {
    CheckChars(text, context);
    out_ += "<![CDATA[";
    size_t at;
    while ((at = text.find("]]>")) != std::string_view::npos) {
      out_.append(text.substr(0, at + 2));
      out_ += "]]><![CDATA[";
      text.remove_prefix(at + 2);
    }
    out_.append(text);
    out_ += "]]>";
  }

  void WriteComment(std::string_view text) {
    CheckChars(text, "a comment");
    if (text.find("--") != std::string_view::npos || (!text.empty() && text.back() == '-'))
      throw XmlError("a comment cannot contain \"--\" or end with \"-\": \"" + std::string(text) + "\"");
    out_ += "<!--";
    out_.append(text);
    out_ += "-->";
  }

  void WriteInstruction(std::string_view target, std::string_view value) {
    if (!IsXmlName(target)) throw XmlError("\"" + std::string(target) + "\" is not a valid processing-instruction target");
    CheckChars(value, "processing instruction \"" + std::string(target) + "\"");
    if (value.find("?>") != std::string_view::npos)
      throw XmlError("processing instruction \"" + std::string(target) + "\" contains \"?>\"");
    out_ += "<?";
    out_.append(target);
    if (!value.empty()) {
      out_ += ' ';
      out_.append(value);
    }
    out_ += "?>";
  }

  static std::string Context(const char* what, pugi::xml_node parent) {
    return std::string(what) + " element \"" + parent.name() + "\"";
  }

  static void CheckChars(std::string_view value, const std::string& context) {
    char32_t bad;
    if (FindBadChar(value, bad) != std::string_view::npos)
      throw XmlError(context + " contains " + DescribeChar(bad) + ", which XML 1.0 cannot carry");
  }

  std::vector<Item> stack_;
  std::string out_;
};

}  // namespace

std::string WriteDocument(const pugi::xml_document& doc) { return Writer().Run(doc); }

}  // namespace platform::xml_detail
