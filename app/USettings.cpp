#include "app/USettings.h"

#include <optional>

#include "app/UProject.h"
#include "base/UComon.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/rtl/FileUtils.h"

using platform::XmlDocument;
using platform::XmlError;
using platform::XmlNode;
using platform::XmlNodeKind;

namespace {

const char* const Root_Name = "Conf_Settings";

XmlNode First_Element(const XmlDocument& doc) {
  for (int i = 0; i < doc.NodeCount(); ++i)
    if (doc.Node(i).Kind() == XmlNodeKind::Element) return doc.Node(i);
  return {};
}

// The text of root/group/leaf; nothing when a step is missing or the leaf
// holds anything but a single piece of text.
std::optional<std::string> Leaf_Text(const XmlNode& root, const char* group, const char* leaf) {
  if (!root) return std::nullopt;
  try {
    XmlNode g = root.ChildElement(group);
    XmlNode l = g ? g.ChildElement(leaf) : XmlNode();
    if (!l) return std::nullopt;
    return l.Text();
  } catch (const XmlError&) {
    return std::nullopt;
  }
}

bool Leaf_Flag(const XmlNode& root, const char* leaf) {
  return Leaf_Text(root, "lastinternet", leaf) == std::optional<std::string>("1");
}

void Add_Leaf(XmlNode root, const char* group, const char* leaf, const std::string& value) {
  root.AddChild(group).AddChild(leaf).SetText(value);
}

}  // namespace

std::string Settings_Path() { return Join_Path(Exe_Folder, Settings_File_Name); }

void Read_Setting(const std::string& Path) {
  XmlDocument doc;
  XmlNode root;
  if (FileExists(Path)) {
    try {
      doc.Load(Path);
      root = First_Element(doc);
    } catch (const XmlError&) {
      root = XmlNode();
    }
  }
  Project_Name = Leaf_Text(root, "lastproj", "projectname").value_or("");
  if (!Is_Valid_Project_Name(Project_Name)) Project_Name.clear();
  Device_IP = Leaf_Text(root, "lastipadd", "ipaddress").value_or(Device_IP_Default);
  Language_Name = Leaf_Text(root, "lastlang", "language").value_or(Language_Default);
  Internet_Enabled = Leaf_Flag(root, "enable_internet");
  Update_Enabled = Leaf_Flag(root, "enable_update");
}

bool Save_Setting(const std::string& Path, std::string* Error) {
  try {
    XmlDocument doc;
    XmlNode root = doc.AddRoot(Root_Name);
    Add_Leaf(root, "lastproj", "projectname", Project_Name);
    Add_Leaf(root, "lastipadd", "ipaddress", Device_IP);
    Add_Leaf(root, "lastlang", "language", Language_Name);
    XmlNode internet = root.AddChild("lastinternet");
    internet.AddChild("enable_internet").SetText(Internet_Enabled ? "1" : "0");
    internet.AddChild("enable_update").SetText(Update_Enabled ? "1" : "0");
    doc.Save(Path);
    return true;
  } catch (const std::exception& e) {
    if (Error) *Error = e.what();
    return false;
  }
}
