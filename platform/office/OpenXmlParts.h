#pragma once
// What the office formats share around their zip package: XML parts parsed
// and written with pugixml, elements found by local name whatever prefix a
// producer chose, and the package's relationships and content types.

#include <pugixml.hpp>

#include <memory>
#include <string>
#include <string_view>

#include "platform/office/ZipPackage.h"

namespace platform::office {

using XmlPart = std::unique_ptr<pugi::xml_document>;

// A part built into a tree may hold this many elements and attributes: a
// tree costs tens of bytes a node, so a small crafted archive of tiny
// elements would otherwise take gigabytes.
inline constexpr size_t kMaxPartItems = 4'000'000;

// The part parsed; raises OfficeFileError naming the part for malformed XML
// or for more than kMaxPartItems elements and attributes.
XmlPart ParsePart(const ZipPackage& Package, const std::string& Name);
std::string PartText(const pugi::xml_document& Doc);
// Raises OfficeFileError, naming Where, for a text XML 1.0 cannot carry
// (control characters, invalid UTF-8): such a file would not open again.
void CheckPartText(std::string_view Text, const std::string& Where);

std::string_view LocalName(const pugi::xml_node& Node);
std::string_view LocalName(const pugi::xml_attribute& Attr);
pugi::xml_node ChildByLocalName(const pugi::xml_node& Parent, std::string_view Local);
// The element name with the prefix Sibling's name carries ("x:row" beside "x:sheetData").
std::string SameNamespaceName(const pugi::xml_node& Sibling, std::string_view Local);
// An attribute by local name ("r:id", "id").
pugi::xml_attribute AttributeByLocalName(const pugi::xml_node& Node, std::string_view Local);

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; "" -> "_rels/.rels".
std::string RelationshipsPartOf(const std::string& Part);
// A relationship's target resolved against the part that owns it.
std::string ResolveTarget(const std::string& OwnerPart, std::string_view Target);
// The target of the first relationship of Owner ("" for the package) whose
// type ends with TypeSuffix ("/officeDocument"); "" when there is none.
std::string RelatedPart(const ZipPackage& Package, const std::string& Owner, std::string_view TypeSuffix);

}  // namespace platform::office
