// The grid's clipboard against another program on a real X display: a
// selection copied from the grid is read back with xclip, and text xclip
// puts on the clipboard is pasted into the grid, awkward cells included
// (TAB, CR LF, a leading quote). Needs an X display and xclip, e.g.
//   xvfb-run -a ./extgrid_tests --gtest_filter='ExtGridX11Clipboard*'
// and is skipped without them.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/display/DisplayHost.h"
#include "tests/grid/exchange/ExternalTool.h"
#include "toolkit/forms/Forms.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(5);

// A program running beside the test, its standard input and output on pipes;
// killed and reaped when it is still running at the end.
class TSideProgram {
public:
  explicit TSideProgram(const std::vector<std::string>& Args, const std::string& Input = {}) {
    int in[2], out[2];
    if (pipe(in) != 0) return;
    if (pipe(out) != 0) {
      close(in[0]);
      close(in[1]);
      return;
    }
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      const int quiet = open("/dev/null", O_WRONLY);
      if (quiet >= 0) dup2(quiet, 2);
      for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
      std::vector<char*> argv;
      for (const std::string& a : Args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execvp(argv[0], argv.data());
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    out_ = out[0];
    fcntl(out_, F_SETFL, O_NONBLOCK);
    for (size_t done = 0; done < Input.size();) {
      const ssize_t n = write(in[1], Input.data() + done, Input.size() - done);
      if (n <= 0) break;
      done += size_t(n);
    }
    close(in[1]);
  }
  ~TSideProgram() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }
  TSideProgram(const TSideProgram&) = delete;
  TSideProgram& operator=(const TSideProgram&) = delete;

  // Runs the application's message loop (which answers the display's
  // requests for our clipboard) until the program ends; false when it
  // outlives our patience.
  bool Finish() {
    const auto until = Clock::now() + kPatience;
    while (pid_ > 0 && !exited_ && Clock::now() < until) {
      Application->ProcessMessages();
      drain();
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        drain();
        break;
      }
      pollfd p{out_, POLLIN, 0};
      poll(&p, 1, 20);
    }
    return exited_;
  }
  const std::string& Output() const { return output_; }
  int ExitCode() const { return exitCode_; }

private:
  void drain() {
    char buf[4096];
    for (ssize_t n; (n = read(out_, buf, sizeof buf)) > 0;) output_.append(buf, size_t(n));
  }
  pid_t pid_ = -1;
  int out_ = -1;
  bool exited_ = false;
  int exitCode_ = -1;
  std::string output_;
};

class ExtGridX11ClipboardTest : public ::testing::Test {
protected:
  void SetUp() override {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == 0) GTEST_SKIP() << "needs DISPLAY";
    if (!ToolPresent("xclip")) GTEST_SKIP() << "needs xclip";
    platform::ResetFacts();
    platform::SetDisplay(nullptr);
    InitializeForms();
    platform::TheClipboard().Reset();
    form = new TForm(Application);
    form->SetBounds(10, 10, 400, 300);
    grid = new TExtStringGrid(form);
    grid->SetParent(form);
    grid->SetColCount(4);
    grid->SetRowCount(6);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    started = true;
  }
  void TearDown() override {
    if (!started) return;
    platform::TheClipboard().Reset();
    FinalizeForms();
  }
  // Starts xclip offering Text on the clipboard and waits until the display
  // shows it there. Our own clipboard offers something else first, so that
  // the text seen is xclip's.
  std::unique_ptr<TSideProgram> OfferByXclip(const std::string& Text) {
    platform::TheClipboard().SetText("stale");
    auto xclip = std::make_unique<TSideProgram>(
        std::vector<std::string>{"xclip", "-i", "-quiet", "-selection", "clipboard"}, Text);
    const auto until = Clock::now() + kPatience;
    while (Clock::now() < until) {
      if (platform::CurrentDisplay().ClipboardText(false) == Text) return xclip;
      Application->ProcessMessages();
      platform::CurrentDisplay().WaitEvent(20);
    }
    return nullptr;
  }

  bool started = false;
  TForm* form = nullptr;
  TExtStringGrid* grid = nullptr;
};

// The awkward cells of both directions and the spreadsheet text they make.
const std::string kTab = "tab\there", kLines = "two\r\nlines", kQuote = "\"quoted\" start";
const std::string kSheetText = "plain\t\"tab\there\"\r\n\"two\r\nlines\"\t\"\"\"quoted\"\" start\"\r\n";

TEST_F(ExtGridX11ClipboardTest, ACopiedSelectionIsReadByAnotherProgram) {
  grid->SetCells(1, 1, "plain");
  grid->SetCells(2, 1, kTab);
  grid->SetCells(1, 2, kLines);
  grid->SetCells(2, 2, kQuote);
  grid->SelectCells(1, 1, 2, 2);
  grid->CopySelectionToClipboard();
  TSideProgram xclip({"xclip", "-o", "-selection", "clipboard"});
  ASSERT_TRUE(xclip.Finish()) << "xclip got no answer";
  EXPECT_EQ(xclip.ExitCode(), 0);
  EXPECT_EQ(xclip.Output(), kSheetText);
}

TEST_F(ExtGridX11ClipboardTest, TextAnotherProgramOffersIsPastedIntoTheGrid) {
  auto xclip = OfferByXclip(kSheetText);
  ASSERT_TRUE(xclip) << "xclip did not take the clipboard";
  grid->SelectCells(1, 3, 1, 3);
  grid->PasteSelectionFromClipboard();
  EXPECT_EQ(grid->Cells(1, 3), "plain");
  EXPECT_EQ(grid->Cells(2, 3), kTab);
  EXPECT_EQ(grid->Cells(1, 4), kLines);
  EXPECT_EQ(grid->Cells(2, 4), kQuote);
  EXPECT_EQ(grid->Cells(3, 3), "");
}

TEST_F(ExtGridX11ClipboardTest, CellsGoOutAndComeBackUnchanged) {
  grid->SetCells(1, 1, kLines);
  grid->SetCells(2, 1, kQuote);
  grid->SelectCells(1, 1, 2, 1);
  grid->CopySelectionToClipboard();
  TSideProgram out({"xclip", "-o", "-selection", "clipboard"});
  ASSERT_TRUE(out.Finish());
  auto in = OfferByXclip(out.Output());
  ASSERT_TRUE(in);
  grid->SelectCells(1, 4, 1, 4);
  grid->PasteSelectionFromClipboard();
  EXPECT_EQ(grid->Cells(1, 4), kLines);
  EXPECT_EQ(grid->Cells(2, 4), kQuote);
}

}  // namespace
