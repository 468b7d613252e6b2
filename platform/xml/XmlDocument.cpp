#include "platform/xml/XmlDocument.h"

#include "platform/kernel/AtomicFile.h"
#include "platform/kernel/GuardedRead.h"
#include "platform/xml/XmlChars.h"
#include "platform/xml/XmlInput.h"
#include "platform/xml/XmlState.h"

#include <unordered_set>

namespace platform {

using xml_detail::State;

namespace {

constexpr unsigned kParseOptions = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_wconv_attribute |
                                   pugi::parse_eol | pugi::parse_comments | pugi::parse_pi |
                                   pugi::parse_declaration | pugi::parse_fragment;

pugi::xml_node Pugi(void* node) { return pugi::xml_node(static_cast<pugi::xml_node_struct*>(node)); }

std::string ReadFileBytes(const std::filesystem::path& path) {
  try {
    return ReadFileGuarded(path);  // the default limit is far above any section, settings or grid file
  } catch (const FileReadError& e) {
    throw XmlError(e.what());
  }
}

// What pugixml accepts but a well-formed document cannot have (several roots,
// text outside the root, an attribute given twice), and nesting beyond our limit.
void CheckStructure(pugi::xml_document& doc) {
  int roots = 0;
  for (pugi::xml_node node : doc.children()) {
    if (node.type() == pugi::node_element) ++roots;
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
      throw XmlError("text outside the root element");
  }
  if (roots == 0) throw XmlError("no root element");
  if (roots > 1) throw XmlError("more than one root element");

  struct Checker : pugi::xml_tree_walker {
    std::string fault;
    bool for_each(pugi::xml_node& node) override {
      if (depth() >= xml_detail::kMaxDepth) {
        fault = "elements are nested deeper than " + std::to_string(xml_detail::kMaxDepth) + " levels";
        return false;
      }
      std::unordered_set<std::string_view> seen;
      for (pugi::xml_attribute attr : node.attributes()) {
        if (!seen.insert(attr.name()).second) {
          fault = std::string("attribute \"") + attr.name() + "\" given twice in element \"" + node.name() + "\"";
          return false;
        }
      }
      return true;
    }
  } checker;
  doc.traverse(checker);
  if (!checker.fault.empty()) throw XmlError(checker.fault);
}

void ParseInto(pugi::xml_document& doc, std::string_view bytes) {
  std::string text = xml_detail::DecodeToUtf8(bytes);
  try {
    xml_detail::ScreenText(text);
  } catch (const xml_detail::InputFault& fault) {
    throw XmlError(fault.message + " (" + xml_detail::DescribePosition(text, fault.offset) + ")");
  }
  pugi::xml_parse_result result = doc.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8);
  if (!result)
    throw XmlError(std::string(result.description()) + " (" +
                   xml_detail::DescribePosition(text, static_cast<size_t>(result.offset)) + ")");
  CheckStructure(doc);
}

// pugixml keeps C strings, so a NUL would silently cut the value short.
std::string NoNul(std::string_view value) {
  if (value.find('\0') != std::string_view::npos)
    throw XmlError("the value contains character U+0000, which XML cannot carry");
  return std::string(value);
}

void RequireName(std::string_view name, const char* what) {
  if (!xml_detail::IsXmlName(name))
    throw XmlError("\"" + std::string(name) + "\" is not a valid " + what + " name");
}

}  // namespace

// ---- XmlNode ----

XmlNode::XmlNode(std::shared_ptr<State> state, void* node)
    : state_(std::move(state)), node_(node), generation_(state_ ? state_->generation : 0) {}

void* XmlNode::Checked() const {
  if (!node_) throw XmlError("use of a null XML node");
  if (state_->generation != generation_)
    throw XmlError("use of an XML node whose document content has been replaced");
  return node_;
}

XmlNodeKind XmlNode::Kind() const {
  switch (Pugi(Checked()).type()) {
    case pugi::node_pcdata: return XmlNodeKind::Text;
    case pugi::node_cdata: return XmlNodeKind::CData;
    case pugi::node_comment: return XmlNodeKind::Comment;
    case pugi::node_pi:
    case pugi::node_declaration: return XmlNodeKind::ProcessingInstruction;
    default: return XmlNodeKind::Element;
  }
}

std::string XmlNode::Name() const {
  pugi::xml_node node = Pugi(Checked());
  switch (node.type()) {
    case pugi::node_pcdata: return "#text";
    case pugi::node_cdata: return "#cdata-section";
    case pugi::node_comment: return "#comment";
    default: return node.name();
  }
}

std::string XmlNode::Value() const {
  pugi::xml_node node = Pugi(Checked());
  if (node.type() == pugi::node_element) return "";
  if (node.type() != pugi::node_declaration) return node.value();
  // pugixml keeps the declaration's pseudo-attributes apart; give them back as written.
  std::string value;
  for (pugi::xml_attribute attr : node.attributes()) {
    if (!value.empty()) value += ' ';
    value += std::string(attr.name()) + "=\"" + attr.value() + "\"";
  }
  return value;
}

int XmlNode::ChildCount() const {
  pugi::xml_node node = Pugi(Checked());
  if (state_->countParent != node.internal_object()) {
    int count = 0;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) ++count;
    state_->countParent = node.internal_object();
    state_->count = count;
  }
  return state_->count;
}

XmlNode XmlNode::Child(int index) const {
  pugi::xml_node node = Pugi(Checked());
  if (index < 0) throw XmlError("child index " + std::to_string(index) + " out of range");
  State& s = *state_;
  bool resume = s.positionParent == node.internal_object() && s.position <= index && s.positionNode;
  int at = resume ? s.position : 0;
  pugi::xml_node child = resume ? s.positionNode : node.first_child();
  for (; child && at < index; ++at) child = child.next_sibling();
  if (!child) throw XmlError("child index " + std::to_string(index) + " out of range");
  s.positionParent = node.internal_object();
  s.position = index;
  s.positionNode = child;
  return XmlNode(state_, child.internal_object());
}

XmlNode XmlNode::ChildElement(std::string_view name) const {
  pugi::xml_node node = Pugi(Checked());
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && name == child.name()) return XmlNode(state_, child.internal_object());
  return XmlNode();
}

std::string XmlNode::Text() const {
  pugi::xml_node node = Pugi(Checked());
  if (node.type() != pugi::node_element) return Value();
  pugi::xml_node first = node.first_child();
  if (!first) return "";
  bool textual = first.type() == pugi::node_pcdata || first.type() == pugi::node_cdata;
  if (!textual || first.next_sibling())
    throw XmlError(std::string("element \"") + node.name() + "\" has content other than text");
  return first.value();
}

void XmlNode::SetText(std::string_view text) {
  pugi::xml_node node = Pugi(Checked());
  std::string value = NoNul(text);
  if (node.type() != pugi::node_element) {
    node.set_value(value.c_str());
    return;
  }
  pugi::xml_node first = node.first_child();
  bool onlyText = first && first.type() == pugi::node_pcdata && !first.next_sibling();
  if (onlyText && !text.empty()) {
    first.set_value(value.c_str());
    return;
  }
  bool hadElements = false;
  while (pugi::xml_node child = node.first_child()) {
    hadElements = hadElements || child.type() == pugi::node_element;
    node.remove_child(child);
  }
  if (!text.empty()) node.append_child(pugi::node_pcdata).set_value(value.c_str());
  if (hadElements) {
    state_->Destroyed();
    generation_ = state_->generation;  // this handle still names a live element
  } else {
    state_->Changed();
  }
}

std::optional<std::string> XmlNode::Attribute(std::string_view name) const {
  pugi::xml_node node = Pugi(Checked());
  for (pugi::xml_attribute attr : node.attributes())
    if (name == attr.name()) return std::string(attr.value());
  return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> XmlNode::Attributes() const {
  std::vector<std::pair<std::string, std::string>> result;
  for (pugi::xml_attribute attr : Pugi(Checked()).attributes()) result.emplace_back(attr.name(), attr.value());
  return result;
}

void XmlNode::SetAttribute(std::string_view name, std::string_view value) {
  pugi::xml_node node = Pugi(Checked());
  if (node.type() != pugi::node_element) throw XmlError("only elements have attributes");
  RequireName(name, "attribute");
  std::string text = NoNul(value);
  std::string key(name);
  pugi::xml_attribute attr = node.attribute(key.c_str());
  if (!attr) attr = node.append_attribute(key.c_str());
  attr.set_value(text.c_str());
}

XmlNode XmlNode::AddChild(std::string_view name) {
  pugi::xml_node node = Pugi(Checked());
  if (node.type() != pugi::node_element) throw XmlError("only elements have child elements");
  RequireName(name, "element");
  pugi::xml_node child = node.append_child(std::string(name).c_str());
  state_->Changed();
  return XmlNode(state_, child.internal_object());
}

// ---- XmlDocument ----

XmlDocument::XmlDocument() : state_(std::make_shared<State>()) {}
XmlDocument::~XmlDocument() = default;

XmlNode XmlDocument::Handle(void* node) const { return XmlNode(state_, node); }

void XmlDocument::Load(const std::filesystem::path& path) {
  std::string bytes = ReadFileBytes(path);
  LoadFromBytes(bytes, path.string());
}

void XmlDocument::LoadFromBytes(std::string_view bytes, std::string_view sourceName) {
  auto fresh = std::make_unique<pugi::xml_document>();
  try {
    ParseInto(*fresh, bytes);
  } catch (const XmlError& e) {
    throw XmlError("Cannot load \"" + std::string(sourceName) + "\": " + e.what());
  }
  state_->doc = std::move(fresh);
  state_->Destroyed();
}

std::string XmlDocument::SaveToString() const { return xml_detail::WriteDocument(*state_->doc); }

void XmlDocument::Save(const std::filesystem::path& path) const {
  std::string bytes;
  try {
    bytes = SaveToString();
    WriteFileAtomic(path, bytes);
  } catch (const XmlError& e) {
    throw XmlError("Cannot save \"" + path.string() + "\": " + e.what());
  } catch (const FileWriteError& e) {
    throw XmlError(e.what());
  }
}

int XmlDocument::NodeCount() const { return Handle(state_->doc->internal_object()).ChildCount(); }

XmlNode XmlDocument::Node(int index) const { return Handle(state_->doc->internal_object()).Child(index); }

XmlNode XmlDocument::FirstNode() const {
  pugi::xml_node first = state_->doc->first_child();
  return first ? Handle(first.internal_object()) : XmlNode();
}

XmlNode XmlDocument::TopLevelElement(std::string_view name) const {
  return Handle(state_->doc->internal_object()).ChildElement(name);
}

void XmlDocument::Clear() {
  state_->doc->reset();
  state_->Destroyed();
}

XmlNode XmlDocument::AddRoot(std::string_view name) {
  RequireName(name, "element");
  if (state_->doc->document_element()) throw XmlError("the document already has a root element");
  pugi::xml_node root = state_->doc->append_child(std::string(name).c_str());
  state_->Changed();
  return Handle(root.internal_object());
}

XmlNode XmlDocument::AddComment(std::string_view text) {
  pugi::xml_node comment = state_->doc->append_child(pugi::node_comment);
  comment.set_value(NoNul(text).c_str());
  state_->Changed();
  return Handle(comment.internal_object());
}

}  // namespace platform
