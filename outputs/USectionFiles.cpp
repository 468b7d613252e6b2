#include "outputs/USectionFiles.h"

#include <functional>
#include <limits>
#include <set>

#include "toolkit/rtl/SysUtils.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/rtl/FileUtils.h"

using platform::XmlDocument;
using platform::XmlError;
using platform::XmlNode;
using platform::XmlNodeKind;

namespace {

// Loads Path and returns its root; a null handle when nothing is there. A
// folder or a FIFO at the path is an error the reader reports, not a missing
// (empty) table.
XmlNode Load_Root(XmlDocument& doc, const std::string& Path, const std::string& Root_Name = "") {
  if (!PathExists(Path)) return {};
  try {
    doc.Load(Path);
  } catch (const XmlError& e) {
    throw ESectionFileError(e.what());
  }
  if (!Root_Name.empty()) return doc.TopLevelElement(Root_Name);
  for (int i = 0; i < doc.NodeCount(); ++i)
    if (doc.Node(i).Kind() == XmlNodeKind::Element) return doc.Node(i);
  throw ESectionFileError(Path + ": the file holds no element");
}

constexpr int64_t U32_Max = 0xFFFFFFFF;
// A J1939 transport-protocol message carries at most 1785 bytes.
constexpr int64_t TP_Max_Bytes = 1785;

std::string Range_Text(const TNumberField& f) {
  return IntToStr(f.Min) + " to " + IntToStr(f.Max);
}

// Reads the fields of Numbers from Text into Out. Where names the row or
// element for the message; Flag_On tells whether a Needs flag is on.
void Read_Numbers(std::span<const TNumberField> Numbers,
                  const std::function<std::optional<std::string>(const char*)>& Text,
                  const std::function<bool(const char*)>& Flag_On, const std::string& Where,
                  std::map<std::string, int64_t>& Out) {
  for (const TNumberField& f : Numbers) {
    std::optional<std::string> text = Text(f.Name);
    if (!text) continue;
    int64_t v = 0;
    bool too_large = false;
    bool number = TryStrToInt64(*text, v, too_large);
    if (!number && !too_large) continue;  // no number: the reader's fallback applies
    if (number && v >= f.Min && v <= f.Max) {
      Out[f.Name] = v;
      continue;
    }
    if (f.Needs && !Flag_On(f.Needs)) continue;
    throw ESectionFileError(Where + "\"" + f.Name + "\" is " + Trim(*text) + ", outside " + Range_Text(f));
  }
}

}  // namespace

const std::vector<TNumberField> Receive_Number_Fields = {
    {"DataPage", 0, 1},
    {"PGN", 0, 0x3FFFF},
    {"SourceAddress", 0, 255},
    {"StartByte", 0, TP_Max_Bytes, "TransportProtocol"},
    {"NumBytes", 0, TP_Max_Bytes, "TransportProtocol"},
    {"OnReq_Time", 0, U32_Max, "OnRequest"},
};

const std::vector<TNumberField> Transmit_Number_Fields = {
    {"Priority", 0, 7},
    {"DataPage", 0, 1},
    {"PGN", 0, 0x3FFFF},
    {"SourceAddress", 0, 255},
    {"NumByte", 0, 8},  // one CAN frame; the image gives every frame 8 bytes of room
    {"OnTimer_Time", 0, U32_Max, "OnTimer"},
};

const std::vector<TNumberField> Par_Gen_Number_Fields = {
    // Any index is allowed: one outside the list stands for 250 kbit/s.
    {"Can_Baud", std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()},
    {"Can_TimeOut", 0, U32_Max / 1000},  // seconds, carried in milliseconds
    {"TimeOut_FECA", 0, U32_Max, "Filter_FECA"},
    {"J1939_Device_ID", 0, 255},
    {"Profi_ID", 0, 126},
};

bool Flag_Y(const std::optional<std::string>& Text) { return Text && UpperCase(Trim(*Text)) == "Y"; }

bool Flag_One(const std::optional<std::string>& Text) { return Text && *Text == "1"; }

std::optional<std::string> TSectionRow::Attr(const std::string& Name) const {
  auto it = Attributes.find(Name);
  if (it == Attributes.end()) return std::nullopt;
  return it->second;
}

std::optional<int64_t> TSectionRow::Number(const std::string& Name) const {
  auto it = Numbers.find(Name);
  if (it == Numbers.end()) return std::nullopt;
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

int64_t TParGenFile::Number_Or(const std::string& Name, int64_t Fallback) const {
  auto it = Numbers.find(Name);
  return it == Numbers.end() ? Fallback : it->second;
}

TSectionTable Load_Section_Table(const std::string& Path, std::span<const TNumberField> Numbers,
                                 const std::string& Root_Name) {
  TSectionTable table;
  table.Path = Path;
  XmlDocument doc;
  XmlNode root = Load_Root(doc, Path, Root_Name);
  if (!root) return table;
  table.Exists = true;
  for (int i = 0; i < root.ChildCount(); ++i) {
    XmlNode node = root.Child(i);
    // A comment or stray text inside the root is not a row.
    if (node.Kind() != XmlNodeKind::Element) continue;
    TSectionRow row;
    for (auto& [name, value] : node.Attributes()) row.Attributes.emplace(name, value);
    Read_Numbers(
        Numbers, [&](const char* name) { return row.Attr(name); },
        [&](const char* flag) { return Flag_Y(row.Attr(flag)); },
        Path + ": row " + IntToStr(table.Rows.size() + 1) + ": the attribute ", row.Numbers);
    table.Rows.push_back(std::move(row));
  }
  return table;
}

TParGenFile Load_Par_Gen_File(const std::string& Path, std::span<const TNumberField> Numbers) {
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
  Read_Numbers(
      Numbers, [&](const char* name) { return file.Value(name); },
      [&](const char* flag) { return Flag_One(file.Value(flag)); }, Path + ": the element ", file.Numbers);
  return file;
}

TProfiChoices Read_Profi_Choices(const TParGenFile& ParGen) {
  return {Flag_One(ParGen.Value("Profi_Module")), Flag_One(ParGen.Value("Profi_Send_J1939"))};
}

int Receive_Frame_Size(const TSectionRow& Row) {
  if (!Flag_Y(Row.Attr("TransportProtocol"))) return 8;
  return static_cast<int>(Row.Number_Or("NumBytes", 0));
}
