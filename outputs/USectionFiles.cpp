#include "outputs/USectionFiles.h"

#include <set>

#include "toolkit/rtl/SysUtils.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/rtl/FileUtils.h"

using platform::XmlDocument;
using platform::XmlError;
using platform::XmlNode;
using platform::XmlNodeKind;

namespace {

// Loads Path and returns its root; a null handle when the file is missing.
XmlNode Load_Root(XmlDocument& doc, const std::string& Path) {
  if (Path.empty() || !FileExists(Path)) return {};
  try {
    doc.Load(Path);
  } catch (const XmlError& e) {
    throw ESectionFileError(e.what());
  }
  for (int i = 0; i < doc.NodeCount(); ++i)
    if (doc.Node(i).Kind() == XmlNodeKind::Element) return doc.Node(i);
  throw ESectionFileError(Path + ": the file holds no element");
}

}  // namespace

bool Flag_Y(const std::optional<std::string>& Text) { return Text && UpperCase(Trim(*Text)) == "Y"; }

bool Flag_One(const std::optional<std::string>& Text) { return Text && *Text == "1"; }

std::optional<std::string> TSectionRow::Attr(const std::string& Name) const {
  auto it = Attributes.find(Name);
  if (it == Attributes.end()) return std::nullopt;
  return it->second;
}

std::string TSectionTable::Required(size_t Row, const std::string& Name) const {
  std::optional<std::string> v = Row < Rows.size() ? Rows[Row].Attr(Name) : std::nullopt;
  if (!v) throw ESectionFileError(Path + ": row " + std::to_string(Row + 1) + " has no attribute \"" + Name + "\"");
  return *v;
}

std::optional<std::string> TParGenFile::Value(const std::string& Name) const {
  auto it = Values.find(Name);
  if (it == Values.end()) return std::nullopt;
  return it->second;
}

TSectionTable Load_Section_Table(const std::string& Path) {
  TSectionTable table;
  table.Path = Path;
  XmlDocument doc;
  XmlNode root = Load_Root(doc, Path);
  if (!root) return table;
  table.Exists = true;
  for (int i = 0; i < root.ChildCount(); ++i) {
    XmlNode node = root.Child(i);
    // A comment or stray text inside the root is not a row.
    if (node.Kind() != XmlNodeKind::Element) continue;
    TSectionRow row;
    for (auto& [name, value] : node.Attributes()) row.Attributes.emplace(name, value);
    table.Rows.push_back(std::move(row));
  }
  return table;
}

TParGenFile Load_Par_Gen_File(const std::string& Path) {
  TParGenFile file;
  XmlDocument doc;
  XmlNode root = Load_Root(doc, Path);
  if (!root) return file;
  file.Exists = true;
  std::set<std::string> seen;
  for (int i = 0; i < root.ChildCount(); ++i) {
    XmlNode node = root.Child(i);
    // Only the first element of a name counts, as a look-up by name finds it.
    if (node.Kind() != XmlNodeKind::Element || !seen.insert(node.Name()).second) continue;
    try {
      file.Values.emplace(node.Name(), node.Text());
    } catch (const XmlError&) {
      // Unreadable (it holds elements): the parameter keeps its default.
    }
  }
  return file;
}

TProfiChoices Read_Profi_Choices(const TParGenFile& ParGen) {
  return {Flag_One(ParGen.Value("Profi_Module")), Flag_One(ParGen.Value("Profi_Send_J1939"))};
}

int Receive_Frame_Size(const TSectionRow& Row) {
  if (!Flag_Y(Row.Attr("TransportProtocol"))) return 8;
  std::optional<std::string> n = Row.Attr("NumBytes");
  return n ? StrToIntDef(*n, 0) : 0;
}
