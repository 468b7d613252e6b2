#pragma once
// The clipboard: blocks of bytes by format number, held in the process.
//
// Writing follows the platform's protocol: Open, Empty, SetData per format,
// Close. CF_TEXT and CF_UNICODETEXT stand in for each other: either one set
// makes both available. Named formats (the grid's cell stream, rich text)
// stay inside the process.
//
// Exchange with other programs goes through a ClipboardHost, which the X11
// display host installs: Close hands it the text and HTML of a changed
// clipboard (it then serves UTF8_STRING, text/plain and text/html), and Open
// asks it for what another program offers, which then replaces the content.
// Without a host (tests, headless) the clipboard is the process's own.

#include "platform/clipboard/ClipboardFormats.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct ExternalClipboard {
  std::optional<std::string> text;  // UTF-8
  std::optional<std::string> html;  // an HTML fragment, UTF-8
};

class ClipboardHost {
public:
  virtual ~ClipboardHost() = default;
  // Our clipboard changed: take ownership of the system clipboard and offer these.
  virtual void Publish(const std::optional<std::string>& text, const std::optional<std::string>& html) = 0;
  // Another program's offer, when one owns the system clipboard (bounded in
  // time); nullopt when we own it or nobody does.
  virtual std::optional<ExternalClipboard> Fetch() = 0;
};

class Clipboard {
public:
  // False while it is open already (by anyone in the process).
  bool Open();
  // Publishes to the host when the content changed while open.
  void Close();
  bool IsOpen() const;

  // These need the clipboard open; they return false (and change nothing) otherwise.
  bool Empty();
  bool SetData(uint32_t format, std::string block);

  // Reading works open or not; a missing format gives nullopt.
  std::optional<std::string> GetData(uint32_t format) const;
  bool HasFormat(uint32_t format) const;
  std::vector<uint32_t> Formats() const;  // in the order they were set, without synthesised ones
  // Raised by every change, so that a reader can tell the content is new.
  uint32_t SequenceNumber() const;

  // Whole operations that open and close on their own (false when the clipboard is open elsewhere).
  bool SetText(const std::string& utf8);  // CF_UNICODETEXT and CF_TEXT
  std::string Text();                     // "" without text
  bool SetHtml(const std::string& fragment, const std::string& plainText);  // "HTML Format" and the text
  std::string HtmlFragment();
  bool SetFiles(const std::vector<std::string>& paths);  // CF_HDROP
  std::vector<std::string> Files();

  void SetHost(ClipboardHost* host);  // not owned; nullptr: no exchange
  // Forgets everything (tests).
  void Reset();

private:
  void FetchFromHost();
  void PublishToHost();

  mutable std::mutex mutex_;
  std::vector<std::pair<uint32_t, std::string>> blocks_;
  bool open_ = false;
  bool changed_ = false;
  uint32_t sequence_ = 0;
  ClipboardHost* host_ = nullptr;
};

// The process's clipboard.
Clipboard& TheClipboard();

// The number of the "HTML Format" format.
uint32_t HtmlClipboardFormat();

}  // namespace platform
