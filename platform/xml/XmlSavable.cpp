#include "platform/xml/XmlChars.h"
#include "platform/xml/XmlDocument.h"

namespace platform {

std::optional<std::string> XmlUnsavableChar(std::string_view Text) {
  char32_t found = 0;
  if (xml_detail::FindBadChar(Text, found) == std::string_view::npos) return std::nullopt;
  return xml_detail::DescribeChar(found);
}

}  // namespace platform
