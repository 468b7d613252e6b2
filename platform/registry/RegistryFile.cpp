// The registry file: an XML document of nested <key name=".."> elements with
// <value name=".." type="string|integer|binary" data=".."/> children, one
// top-level key per root. Binary data is written as hexadecimal.

#include "platform/registry/RegistryStore.h"
#include "platform/xml/XmlChars.h"
#include "platform/xml/XmlDocument.h"

#include <charconv>
#include <vector>

namespace platform::registry_detail {
namespace {

const char* TypeName(ValueType type) {
  switch (type) {
    case ValueType::Integer: return "integer";
    case ValueType::Binary: return "binary";
    default: return "string";
  }
}

std::string ToHex(const std::vector<uint8_t>& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (uint8_t b : bytes) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return hex;
}

std::vector<uint8_t> FromHex(const std::string& hex) {
  if (hex.size() % 2) throw XmlError("odd number of hexadecimal digits");
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    uint8_t b = 0;
    auto [end, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, b, 16);
    if (ec != std::errc() || end != hex.data() + i + 2) throw XmlError("bad hexadecimal data \"" + hex + "\"");
    bytes.push_back(b);
  }
  return bytes;
}

std::string Required(const XmlNode& node, const char* attribute) {
  std::optional<std::string> value = node.Attribute(attribute);
  if (!value) throw XmlError(std::string("<") + node.Name() + "> without " + attribute);
  return *value;
}

void WriteKey(XmlNode element, const Key& key) {
  element.SetAttribute("name", key.name);
  for (const Value& value : key.values) {
    XmlNode v = element.AddChild("value");
    v.SetAttribute("name", value.name);
    v.SetAttribute("type", TypeName(value.type));
    switch (value.type) {
      case ValueType::String: {
        // Text XML cannot carry (control characters, invalid UTF-8) is kept as hexadecimal bytes.
        char32_t bad;
        if (xml_detail::FindBadChar(value.text, bad) == std::string::npos) v.SetAttribute("data", value.text);
        else v.SetAttribute("hex", ToHex(std::vector<uint8_t>(value.text.begin(), value.text.end())));
        break;
      }
      case ValueType::Integer: v.SetAttribute("data", std::to_string(value.integer)); break;
      case ValueType::Binary: v.SetAttribute("data", ToHex(value.binary)); break;
    }
  }
  for (const auto& [folded, child] : key.children) WriteKey(element.AddChild("key"), *child);
}

Value ReadValue(const XmlNode& node) {
  Value value;
  value.name = Required(node, "name");
  std::string type = Required(node, "type");
  if (type == "string" && node.Attribute("hex")) {
    std::vector<uint8_t> bytes = FromHex(*node.Attribute("hex"));
    value.text.assign(bytes.begin(), bytes.end());
    return value;
  }
  std::string data = Required(node, "data");
  if (type == "string") {
    value.text = data;
  } else if (type == "integer") {
    value.type = ValueType::Integer;
    auto [end, ec] = std::from_chars(data.data(), data.data() + data.size(), value.integer);
    if (ec != std::errc() || end != data.data() + data.size()) throw XmlError("bad integer \"" + data + "\"");
  } else if (type == "binary") {
    value.type = ValueType::Binary;
    value.binary = FromHex(data);
  } else {
    throw XmlError("unknown value type \"" + type + "\"");
  }
  return value;
}

// Iterative, so that a hostile file cannot exhaust the stack (the XML layer bounds the depth anyway).
void ReadKey(const XmlNode& element, Key& key) {
  std::vector<std::pair<XmlNode, Key*>> pending{{element, &key}};
  while (!pending.empty()) {
    auto [node, target] = pending.back();
    pending.pop_back();
    for (int i = 0; i < node.ChildCount(); ++i) {
      XmlNode child = node.Child(i);
      if (child.Kind() != XmlNodeKind::Element) continue;
      if (child.Name() == "value") {
        Value value = ReadValue(child);
        const std::string name = value.name;
        if (!target->AddValue(std::move(value))) throw XmlError("value \"" + name + "\" given twice");
      } else if (child.Name() == "key") {
        std::string name = Required(child, "name");
        if (name.empty() || name.find('\\') != std::string::npos) throw XmlError("bad key name \"" + name + "\"");
        auto& slot = target->children[Fold(name)];
        if (slot) throw XmlError("key \"" + name + "\" given twice");
        slot = std::make_unique<Key>();
        slot->name = name;
        pending.push_back({child, slot.get()});
      }
    }
  }
}

}  // namespace

void Store::Load() {
  std::filesystem::path file = File();
  stamp_ = StampOf(file);
  std::error_code ec;
  if (!stamp_.exists) return;
  try {
    XmlDocument doc;
    doc.Load(file);
    XmlNode root = doc.TopLevelElement("registry");
    if (root.IsNull()) throw XmlError("no <registry> element");
    for (int i = 0; i < root.ChildCount(); ++i) {
      XmlNode child = root.Child(i);
      if (child.Kind() != XmlNodeKind::Element || child.Name() != "key") continue;
      std::string name = Required(child, "name");
      Key* target = name == "HKEY_CURRENT_USER" ? currentUser_.get()
                    : name == "HKEY_LOCAL_MACHINE" ? localMachine_.get() : nullptr;
      if (!target) throw XmlError("unknown root key \"" + name + "\"");
      ReadKey(child, *target);
    }
  } catch (const XmlError&) {
    // Keep the damaged file for whoever wants to look at it, and start afresh.
    currentUser_->Clear();
    localMachine_->Clear();
    std::filesystem::path aside = file;
    aside += ".damaged";
    std::filesystem::rename(file, aside, ec);
    stamp_ = StampOf(file);
  }
}

void Store::Save() {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("registry");
  WriteKey(root.AddChild("key"), *currentUser_);
  WriteKey(root.AddChild("key"), *localMachine_);
  std::filesystem::path file = File();
  try {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    doc.Save(file);
    stamp_ = StampOf(file);
  } catch (const XmlError& e) {
    throw RegistryError(e.what());
  }
}

}  // namespace platform::registry_detail
