#include "platform/clipboard/DataBlocks.h"

#include "platform/kernel/TextCodec.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace platform {
namespace {

constexpr size_t kDropHeader = 20;

void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint32_t GetU32(std::string_view block, size_t at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(block[at + i])) << (8 * i);
  return v;
}

// The value of "Name:digits" in the header, or -1.
long HeaderNumber(std::string_view block, std::string_view name) {
  size_t at = block.find(name);
  if (at == std::string_view::npos) return -1;
  size_t start = at + name.size();
  size_t end = block.find_first_of("\r\n", start);
  if (end == std::string_view::npos) return -1;
  long value = -1;
  auto [ptr, ec] = std::from_chars(block.data() + start, block.data() + end, value);
  return ec == std::errc() && ptr == block.data() + end ? value : -1;
}

}  // namespace

std::string MakeTextBlock(std::string_view utf8) { return Utf8ToCp1252(utf8) + '\0'; }

std::string ReadTextBlock(std::string_view block) { return Cp1252ToUtf8(block.substr(0, block.find('\0'))); }

std::string MakeUnicodeTextBlock(std::string_view utf8) { return Utf16ToBytes(Utf8ToUtf16(utf8)) + std::string(2, '\0'); }

std::string ReadUnicodeTextBlock(std::string_view block) {
  std::u16string text = BytesToUtf16(block);
  return Utf16ToUtf8(std::u16string_view(text).substr(0, text.find(u'\0')));
}

std::string MakeFileDropBlock(const std::vector<std::string>& utf8Paths) {
  std::string block;
  PutU32(block, kDropHeader);
  PutU32(block, 0);  // drop point x
  PutU32(block, 0);  // drop point y
  PutU32(block, 0);  // point in the client area
  PutU32(block, 1);  // wide names
  for (const std::string& path : utf8Paths) block += Utf16ToBytes(Utf8ToUtf16(path)) + std::string(2, '\0');
  return block + std::string(2, '\0');
}

std::vector<std::string> ReadFileDropBlock(std::string_view block) {
  std::vector<std::string> paths;
  if (block.size() < kDropHeader) return paths;
  uint32_t offset = GetU32(block, 0);
  bool wide = GetU32(block, 16) != 0;
  if (offset > block.size()) return paths;
  std::string_view names = block.substr(offset);
  if (wide) {
    std::u16string text = BytesToUtf16(names);
    std::u16string_view rest(text);
    for (size_t end; !rest.empty() && (end = rest.find(u'\0')) != 0 && end != std::u16string_view::npos;
         rest.remove_prefix(end + 1))
      paths.push_back(Utf16ToUtf8(rest.substr(0, end)));
  } else {
    for (size_t end; !names.empty() && (end = names.find('\0')) != 0 && end != std::string_view::npos;
         names.remove_prefix(end + 1))
      paths.push_back(Cp1252ToUtf8(names.substr(0, end)));
  }
  return paths;
}

std::string MakeHtmlBlock(std::string_view fragment) {
  const std::string prefix = "<html><body>\r\n<!--StartFragment-->";
  const std::string suffix = "<!--EndFragment-->\r\n</body></html>";
  const std::string_view version = "Version:0.9\r\n";
  const std::string_view names[] = {"StartHTML:", "EndHTML:", "StartFragment:", "EndFragment:"};
  // Offsets have at least 8 digits, more when the block needs them; the
  // header's own length counts in every offset, so widen until they fit.
  size_t width = 8, header = 0, endHtml = 0;
  for (;;) {
    header = version.size();
    for (std::string_view name : names) header += name.size() + width + 2;
    endHtml = header + prefix.size() + fragment.size() + suffix.size();
    if (std::to_string(endHtml).size() <= width) break;
    width = std::to_string(endHtml).size();
  }
  const size_t startFragment = header + prefix.size(), endFragment = startFragment + fragment.size();
  const size_t offsets[] = {header, endHtml, startFragment, endFragment};
  std::string block;
  block.reserve(endHtml);
  block += version;
  for (size_t i = 0; i < 4; ++i) {
    const std::string digits = std::to_string(offsets[i]);
    block.append(names[i]).append(width - digits.size(), '0').append(digits).append("\r\n");
  }
  return block.append(prefix).append(fragment).append(suffix);
}

std::string ReadHtmlBlock(std::string_view block) {
  block = block.substr(0, block.find('\0'));
  long start = HeaderNumber(block, "StartFragment:"), end = HeaderNumber(block, "EndFragment:");
  if (start < 0 || end < start || static_cast<size_t>(end) > block.size()) return "";
  return std::string(block.substr(start, end - start));
}

}  // namespace platform
