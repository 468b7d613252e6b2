#pragma once
// What the grid's office operations share: the hourglass while they run, the
// automation server they start or find running (told to Quit at the end only
// when started here), and the translation of a server's failure into the
// grid's EExtGridError.

#include <memory>
#include <string>

#include "grid/core/ExtGridTypes.h"
#include "platform/automation/OleServers.h"
#include "toolkit/forms/Forms.h"

// The hourglass for the lifetime of the object; the earlier cursor comes back.
class THourGlass {
public:
  THourGlass() : saved_(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
  ~THourGlass() { Screen->SetCursor(saved_); }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;

private:
  TCursor saved_;
};

// A server of kind T; Quit at the end when this session started it.
template <class T>
class TOfficeServer {
public:
  // Starts the server ProgId, or with UseRunning first takes the one that
  // runs; NotFound is the message when neither works.
  TOfficeServer(const std::string& ProgId, bool UseRunning, const std::string& NotFound) {
    if (UseRunning) server_ = std::dynamic_pointer_cast<T>(platform::automation::GetActiveOleObject(ProgId));
    if (server_) return;
    try {
      server_ = std::dynamic_pointer_cast<T>(platform::automation::CreateOleObject(ProgId));
    } catch (const std::exception&) {
    }
    if (!server_) throw EExtGridError(NotFound);
    started_ = true;
  }
  ~TOfficeServer() {
    if (!started_) return;
    try {
      server_->Quit();
    } catch (const std::exception&) {
      // The operation's own result or failure is what the caller hears of.
    }
  }
  TOfficeServer(const TOfficeServer&) = delete;
  TOfficeServer& operator=(const TOfficeServer&) = delete;
  T* operator->() const { return server_.get(); }

private:
  std::shared_ptr<T> server_;
  bool started_ = false;
};

// Runs Call; a server's failure (std::runtime_error) becomes EExtGridError
// with Message, followed by the server's reason when WithReason.
template <class F>
decltype(auto) OfficeCall(const std::string& Message, F&& Call, bool WithReason = true) {
  try {
    return Call();
  } catch (const std::runtime_error& e) {
    throw EExtGridError(WithReason ? Message + ": " + e.what() : Message);
  }
}
