// XML parts of office packages.

#include "platform/office/OpenXmlParts.h"

#include <sstream>

#include "platform/xml/XmlChars.h"

namespace platform::office {

namespace {

// Elements and attributes (each a node of the tree), counted on the text
// before a tree is built for it.
size_t MarkupItems(std::string_view Bytes) {
  size_t items = 0;
  for (size_t i = 0; i < Bytes.size(); ++i)
    if ((Bytes[i] == '<' && (i + 1 == Bytes.size() || Bytes[i + 1] != '/')) || Bytes[i] == '=') ++items;
  return items;
}

}  // namespace

XmlPart ParsePart(const ZipPackage& Package, const std::string& Name) {
  const std::string& bytes = Package.Part(Name);
  if (MarkupItems(bytes) > kMaxPartItems)
    throw OfficeFileError("Part " + Name + " holds more than " + std::to_string(kMaxPartItems) +
                          " elements and attributes, more than can be edited");
  auto doc = std::make_unique<pugi::xml_document>();
  // No document type declarations: nothing is fetched and no entity expands.
  pugi::xml_parse_result r = doc->load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
  if (!r) throw OfficeFileError("Part " + Name + " is not well-formed XML (" + r.description() + ")");
  for (pugi::xml_node n = doc->first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_doctype) throw OfficeFileError("Part " + Name + " holds a document type declaration");
  return doc;
}

std::string PartText(const pugi::xml_document& Doc) {
  std::ostringstream out;
  Doc.save(out, "", pugi::format_raw | pugi::format_no_declaration);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n" + out.str();
}

void CheckPartText(std::string_view Text, const std::string& Where) {
  char32_t found = 0;
  if (xml_detail::FindBadChar(Text, found) != std::string_view::npos)
    throw OfficeFileError("The text of " + Where + " holds " + xml_detail::DescribeChar(found) +
                          ", which the document format cannot carry");
}

namespace {
std::string_view AfterColon(std::string_view Name) {
  size_t colon = Name.find(':');
  return colon == std::string_view::npos ? Name : Name.substr(colon + 1);
}
}  // namespace

std::string_view LocalName(const pugi::xml_node& Node) { return AfterColon(Node.name()); }
std::string_view LocalName(const pugi::xml_attribute& Attr) { return AfterColon(Attr.name()); }

pugi::xml_node ChildByLocalName(const pugi::xml_node& Parent, std::string_view Local) {
  for (pugi::xml_node c = Parent.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && LocalName(c) == Local) return c;
  return {};
}

std::string SameNamespaceName(const pugi::xml_node& Sibling, std::string_view Local) {
  std::string_view name = Sibling.name();
  size_t colon = name.find(':');
  return colon == std::string_view::npos ? std::string(Local) : std::string(name.substr(0, colon + 1)) + std::string(Local);
}

pugi::xml_attribute AttributeByLocalName(const pugi::xml_node& Node, std::string_view Local) {
  for (pugi::xml_attribute a = Node.first_attribute(); a; a = a.next_attribute())
    if (LocalName(a) == Local && std::string_view(a.name()).substr(0, 6) != "xmlns:") return a;
  return {};
}

std::string RelationshipsPartOf(const std::string& Part) {
  size_t slash = Part.rfind('/');
  std::string folder = slash == std::string::npos ? "" : Part.substr(0, slash + 1);
  std::string file = slash == std::string::npos ? Part : Part.substr(slash + 1);
  return folder + "_rels/" + file + ".rels";
}

std::string ResolveTarget(const std::string& OwnerPart, std::string_view Target) {
  if (!Target.empty() && Target.front() == '/') return std::string(Target.substr(1));
  size_t slash = OwnerPart.rfind('/');
  std::string path = slash == std::string::npos ? "" : OwnerPart.substr(0, slash + 1);
  std::string_view rest = Target;
  while (rest.starts_with("../")) {
    rest.remove_prefix(3);
    size_t up = path.empty() ? std::string::npos : path.rfind('/', path.size() - 2);
    path = up == std::string::npos ? "" : path.substr(0, up + 1);
  }
  while (rest.starts_with("./")) rest.remove_prefix(2);
  return path + std::string(rest);
}

std::string RelatedPart(const ZipPackage& Package, const std::string& Owner, std::string_view TypeSuffix) {
  const std::string rels = RelationshipsPartOf(Owner);
  if (!Package.Has(rels)) return "";
  XmlPart doc = ParsePart(Package, rels);
  for (pugi::xml_node r : doc->document_element().children()) {
    if (LocalName(r) != "Relationship" || std::string_view(r.attribute("TargetMode").value()) == "External") continue;
    if (std::string_view(r.attribute("Type").value()).ends_with(TypeSuffix))
      return ResolveTarget(Owner, r.attribute("Target").value());
  }
  return "";
}

}  // namespace platform::office
