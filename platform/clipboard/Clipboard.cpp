#include "platform/clipboard/Clipboard.h"

#include "platform/clipboard/DataBlocks.h"

#include <algorithm>

namespace platform {
namespace {

// The block of a format, or of its text twin converted, from a list of blocks.
std::optional<std::string> Lookup(const std::vector<std::pair<uint32_t, std::string>>& blocks, uint32_t format) {
  auto find = [&](uint32_t f) -> const std::string* {
    for (const auto& [number, block] : blocks)
      if (number == f) return &block;
    return nullptr;
  };
  if (const std::string* block = find(format)) return *block;
  if (format == CF_TEXT)
    if (const std::string* wide = find(CF_UNICODETEXT)) return MakeTextBlock(ReadUnicodeTextBlock(*wide));
  if (format == CF_UNICODETEXT)
    if (const std::string* narrow = find(CF_TEXT)) return MakeUnicodeTextBlock(ReadTextBlock(*narrow));
  return std::nullopt;
}

// Opens for one operation and closes again on every path.
class Session {
public:
  explicit Session(Clipboard& clipboard) : clipboard_(clipboard), opened_(clipboard.Open()) {}
  ~Session() {
    if (opened_) clipboard_.Close();
  }
  explicit operator bool() const { return opened_; }

private:
  Clipboard& clipboard_;
  bool opened_;
};

}  // namespace

uint32_t HtmlClipboardFormat() { return RegisterClipboardFormat("HTML Format"); }

Clipboard& TheClipboard() {
  static Clipboard clipboard;
  return clipboard;
}

bool Clipboard::Open() {
  {
    std::lock_guard lock(mutex_);
    if (open_) return false;
    open_ = true;
    changed_ = false;
  }
  FetchFromHost();
  return true;
}

void Clipboard::Close() {
  bool publish;
  {
    std::lock_guard lock(mutex_);
    if (!open_) return;
    open_ = false;
    publish = changed_;
  }
  if (publish) PublishToHost();
}

bool Clipboard::IsOpen() const {
  std::lock_guard lock(mutex_);
  return open_;
}

bool Clipboard::Empty() {
  std::lock_guard lock(mutex_);
  if (!open_) return false;
  blocks_.clear();
  changed_ = true;
  ++sequence_;
  return true;
}

bool Clipboard::SetData(uint32_t format, std::string block) {
  std::lock_guard lock(mutex_);
  if (!open_ || format == 0) return false;
  auto it = std::find_if(blocks_.begin(), blocks_.end(), [&](const auto& b) { return b.first == format; });
  if (it != blocks_.end()) it->second = std::move(block);
  else blocks_.emplace_back(format, std::move(block));
  changed_ = true;
  ++sequence_;
  return true;
}

std::optional<std::string> Clipboard::GetData(uint32_t format) const {
  std::lock_guard lock(mutex_);
  return Lookup(blocks_, format);
}

bool Clipboard::HasFormat(uint32_t format) const { return GetData(format).has_value(); }

std::vector<uint32_t> Clipboard::Formats() const {
  std::lock_guard lock(mutex_);
  std::vector<uint32_t> formats;
  for (const auto& [format, block] : blocks_) formats.push_back(format);
  return formats;
}

uint32_t Clipboard::SequenceNumber() const {
  std::lock_guard lock(mutex_);
  return sequence_;
}

bool Clipboard::SetText(const std::string& utf8) {
  Session session(*this);
  if (!session) return false;
  Empty();
  SetData(CF_UNICODETEXT, MakeUnicodeTextBlock(utf8));
  SetData(CF_TEXT, MakeTextBlock(utf8));
  return true;
}

std::string Clipboard::Text() {
  Session session(*this);
  std::optional<std::string> block = GetData(CF_UNICODETEXT);
  return block ? ReadUnicodeTextBlock(*block) : "";
}

bool Clipboard::SetHtml(const std::string& fragment, const std::string& plainText) {
  Session session(*this);
  if (!session) return false;
  Empty();
  SetData(HtmlClipboardFormat(), MakeHtmlBlock(fragment));
  SetData(CF_UNICODETEXT, MakeUnicodeTextBlock(plainText));
  return true;
}

std::string Clipboard::HtmlFragment() {
  Session session(*this);
  std::optional<std::string> block = GetData(HtmlClipboardFormat());
  return block ? ReadHtmlBlock(*block) : "";
}

bool Clipboard::SetFiles(const std::vector<std::string>& paths) {
  Session session(*this);
  if (!session) return false;
  Empty();
  SetData(CF_HDROP, MakeFileDropBlock(paths));
  return true;
}

std::vector<std::string> Clipboard::Files() {
  Session session(*this);
  std::optional<std::string> block = GetData(CF_HDROP);
  return block ? ReadFileDropBlock(*block) : std::vector<std::string>{};
}

void Clipboard::SetHost(ClipboardHost* host) {
  std::lock_guard lock(mutex_);
  host_ = host;
}

void Clipboard::Reset() {
  std::lock_guard lock(mutex_);
  blocks_.clear();
  open_ = false;
  changed_ = false;
  ++sequence_;
}

void Clipboard::FetchFromHost() {
  ClipboardHost* host;
  {
    std::lock_guard lock(mutex_);
    host = host_;
  }
  if (!host) return;
  std::optional<ExternalClipboard> offer = host->Fetch();
  if (!offer) return;
  uint32_t html = HtmlClipboardFormat();
  std::lock_guard lock(mutex_);
  blocks_.clear();
  if (offer->text) blocks_.emplace_back(CF_UNICODETEXT, MakeUnicodeTextBlock(*offer->text));
  if (offer->html) blocks_.emplace_back(html, MakeHtmlBlock(*offer->html));
  ++sequence_;
}

void Clipboard::PublishToHost() {
  ClipboardHost* host;
  std::optional<std::string> text, html;
  {
    std::lock_guard lock(mutex_);
    host = host_;
    if (!host) return;
    if (auto block = Lookup(blocks_, CF_UNICODETEXT)) text = ReadUnicodeTextBlock(*block);
    if (auto block = Lookup(blocks_, HtmlClipboardFormat())) html = ReadHtmlBlock(*block);
  }
  host->Publish(text, html);
}

}  // namespace platform
