#pragma once
// The XML document object behind the section files, the settings file and the
// grid's XML import and export. A small document model on pugixml with only the
// operations those callers need.
//
// Loading
//   - Never fetches anything: a document type declaration is refused outright,
//     and only the five predefined entities and character references are known.
//   - Accepts UTF-8 (with or without BOM), UTF-16 with a BOM (or recognisable
//     from its first character), and ISO-8859-1 / Windows-1252 when the XML
//     declaration names them (both decode as Windows-1252, as browsers do).
//   - Whitespace-only text between elements is dropped; every other node kind
//     (element, text, CDATA, comment, processing instruction, the XML
//     declaration as a processing instruction named "xml") is kept and counts.
//   - Malformed input raises XmlError naming the file, the parser's message and
//     the line and column; the document then keeps its previous content.
//
// Saving
//   - UTF-8 without BOM and without declaration (a declaration read from a file
//     is not written back), two-space indentation, LF line ends.
//   - An element whose children include text is written on one line, so that
//     indentation never changes its text; whitespace-only text is written as
//     character references so that it survives a reload.
//   - Attributes in double quotes; & < > " and tab, LF, CR as references.
//   - Characters XML 1.0 cannot carry (control characters, invalid UTF-8),
//     invalid names, and comments containing "--" raise XmlError and write
//     nothing. The file is replaced atomically.
//
// Nodes
//   XmlNode is a handle. It keeps the document's storage alive, so it never
//   dangles; but after Load, Clear, or SetText on an element that had element
//   children, handles taken before raise XmlError instead of touching nodes
//   that are gone. A default-constructed handle is null; lookups that find
//   nothing return a null handle; any other use of a null handle raises.

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

class XmlError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum class XmlNodeKind { Element, Text, CData, Comment, ProcessingInstruction };

namespace xml_detail {
struct State;
}

class XmlNode {
public:
  XmlNode() = default;

  bool IsNull() const { return node_ == nullptr; }
  explicit operator bool() const { return !IsNull(); }
  bool operator==(const XmlNode& other) const { return node_ == other.node_; }

  XmlNodeKind Kind() const;
  // Element name or processing-instruction target; "#text", "#cdata-section"
  // or "#comment" for the other kinds.
  std::string Name() const;
  // Content of a text, CDATA, comment or processing-instruction node; "" for an element.
  std::string Value() const;

  // Children of every kind, by position from 0. Walking them in order is cheap.
  int ChildCount() const;
  XmlNode Child(int index) const;  // raises XmlError when index is out of range
  // First child element with this name (case-sensitive), or a null handle.
  XmlNode ChildElement(std::string_view name) const;

  // Element text: "" without children, the value of a single text or CDATA
  // child, XmlError for anything else. On other node kinds, their Value().
  std::string Text() const;
  // Replaces all children of an element by one text node ("" leaves none).
  void SetText(std::string_view text);

  // nullopt when the attribute is absent, "" when it is present and empty.
  std::optional<std::string> Attribute(std::string_view name) const;
  // All attributes in document order.
  std::vector<std::pair<std::string, std::string>> Attributes() const;
  // Changes the value in place, or appends the attribute after the existing ones.
  void SetAttribute(std::string_view name, std::string_view value);

  // Appends a child element at the end and returns it.
  XmlNode AddChild(std::string_view name);

private:
  friend class XmlDocument;
  XmlNode(std::shared_ptr<xml_detail::State> state, void* node);
  void* Checked() const;  // the pugixml node, after the null and stale checks

  std::shared_ptr<xml_detail::State> state_;
  void* node_ = nullptr;  // pugi::xml_node_struct*, kept opaque to spare callers the header
  unsigned long generation_ = 0;
};

// The first character of Text that a saved document cannot carry (a control
// character or invalid UTF-8), described for a message ("character U+0001"),
// or nullopt when Text can be saved. Editors refuse such text before saving.
std::optional<std::string> XmlUnsavableChar(std::string_view Text);

class XmlDocument {
public:
  XmlDocument();  // empty: no top-level nodes
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Replaces the content with the file's. Raises XmlError (path and reason).
  void Load(const std::filesystem::path& path);
  // Same from bytes in memory; sourceName stands for the path in messages.
  void LoadFromBytes(std::string_view bytes, std::string_view sourceName = "(memory)");

  // Writes the document; raises XmlError and leaves the file as it was on failure.
  void Save(const std::filesystem::path& path) const;
  std::string SaveToString() const;

  // Top-level nodes (the root element, comments, processing instructions).
  int NodeCount() const;
  XmlNode Node(int index) const;  // raises XmlError when out of range
  XmlNode FirstNode() const;      // null when the document is empty
  // First top-level element with this name, or a null handle.
  XmlNode TopLevelElement(std::string_view name) const;

  // Removes every top-level node.
  void Clear();
  // Appends the root element; raises XmlError when the document already has one.
  XmlNode AddRoot(std::string_view name);
  // Appends a comment at document level (after the root, when there is one).
  XmlNode AddComment(std::string_view text);

private:
  XmlNode Handle(void* node) const;

  std::shared_ptr<xml_detail::State> state_;
};

}  // namespace platform
