#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "toolkit/graphics/Printers.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Square(TPrinter& p, int left) {
  p.Canvas()->Brush()->SetColor(clBlack);
  p.Canvas()->FillRect(Rect(left, 10, left + 10, 20));
}

class PdfPrinterTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "printer-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

}  // namespace

TEST(Printer, A4At300DotsPerInchByDefault) {
  TPrinter p;
  EXPECT_EQ(p.PageWidth(), 2480);
  EXPECT_EQ(p.PageHeight(), 3508);
  EXPECT_EQ(p.Canvas()->GetDeviceCaps(LOGPIXELSX), 300);
  EXPECT_EQ(p.Canvas()->GetDeviceCaps(LOGPIXELSY), 300);
  EXPECT_EQ(p.Canvas()->GetDeviceCaps(HORZRES), 2480);
  EXPECT_EQ(p.Canvas()->GetDeviceCaps(PHYSICALHEIGHT), 3508);
  EXPECT_EQ(p.Canvas()->GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
  p.SetOrientation(poLandscape);
  EXPECT_EQ(p.PageWidth(), 3508);
  EXPECT_EQ(p.PageHeight(), 2480);
  EXPECT_EQ(p.Canvas()->GetDeviceCaps(VERTRES), 2480);
  EXPECT_FALSE(p.Printing());
  EXPECT_EQ(p.PageNumber(), 0);
}

TEST(Printer, RecorderKeepsEveryPage) {
  TRecordingPrinter p(30);
  EXPECT_EQ(p.PageWidth(), 248);
  p.BeginDoc();
  EXPECT_TRUE(p.Printing());
  EXPECT_EQ(p.PageNumber(), 1);
  Square(p, 10);
  p.NewPage();
  EXPECT_EQ(p.PageNumber(), 2);
  Square(p, 40);
  p.NewPage();
  p.EndDoc();
  EXPECT_FALSE(p.Printing());
  ASSERT_EQ(p.PageCount(), 3);
  EXPECT_EQ(p.DocumentsPrinted(), 1);
  EXPECT_EQ(p.Page(0)->Canvas()->Pixels(15, 15), clBlack);
  EXPECT_EQ(p.Page(0)->Canvas()->Pixels(45, 15), clWhite);
  EXPECT_EQ(p.Page(1)->Canvas()->Pixels(45, 15), clBlack);
  EXPECT_EQ(p.Page(1)->Canvas()->Pixels(15, 15), clWhite);
  EXPECT_EQ(p.Page(2)->Width(), 248);
  EXPECT_THROW(p.Page(3), EPrinter);
}

TEST(Printer, CallsOutOfOrderRaise) {
  TRecordingPrinter p(10);
  EXPECT_THROW(p.NewPage(), EPrinter);
  EXPECT_THROW(p.EndDoc(), EPrinter);
  p.Abort();  // nothing to abort
  EXPECT_FALSE(p.Aborted());
  p.BeginDoc();
  EXPECT_THROW(p.BeginDoc(), EPrinter);
  EXPECT_THROW(p.SetOrientation(poLandscape), EPrinter);
  p.Abort();
  EXPECT_TRUE(p.Aborted());
  EXPECT_FALSE(p.Printing());
  EXPECT_EQ(p.PageCount(), 0);
  EXPECT_EQ(p.DocumentsPrinted(), 0);
}

TEST(Printer, TestsCanInstallTheRecorder) {
  auto* recorder = new TRecordingPrinter(10);
  std::unique_ptr<TPrinter> old = SetPrinter(std::unique_ptr<TPrinter>(recorder));
  EXPECT_EQ(Printer(), recorder);
  Printer()->BeginDoc();
  Printer()->EndDoc();
  EXPECT_EQ(recorder->PageCount(), 1);
  SetPrinter(std::move(old));
  EXPECT_NE(Printer(), recorder);
}

TEST_F(PdfPrinterTest, WritesThePdfOnlyAtTheEnd) {
  TPrinter p;
  const fs::path out = dir_ / "report.pdf";
  p.SetOutputFileName(out.string());
  p.SetTitle("Frames");
  p.BeginDoc();
  Square(p, 100);
  p.Canvas()->TextOut(100, 200, "Page one");
  EXPECT_FALSE(fs::exists(out));
  p.NewPage();
  Square(p, 200);
  p.EndDoc();
  const std::string pdf = ReadFile(out);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
  // A4 as 2480 x 3508 dots of 0.24 points.
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 595.2 841.92 ]"), std::string::npos);
}

TEST_F(PdfPrinterTest, AbortLeavesTheOldFile) {
  const fs::path out = dir_ / "keep.pdf";
  std::ofstream(out) << "old";
  TPrinter p;
  p.SetOutputFileName(out.string());
  p.BeginDoc();
  Square(p, 100);
  p.Abort();
  EXPECT_EQ(ReadFile(out), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(PdfPrinterTest, MissingOrUnwritableTargetsRaise) {
  TPrinter p;
  EXPECT_THROW(p.BeginDoc(), EPrinter);
  EXPECT_FALSE(p.Printing());
  p.SetOutputFileName((dir_ / "no-such-folder" / "x.pdf").string());
  p.BeginDoc();
  EXPECT_THROW(p.EndDoc(), EPrinter);
  EXPECT_FALSE(p.Printing());
  EXPECT_FALSE(fs::exists(dir_ / "no-such-folder"));
}

TEST(Printer, FontsScaleToThePrinterResolution) {
  TRecordingPrinter p(300);
  p.BeginDoc();
  p.Canvas()->Font()->SetSize(12);
  TBitmap screen(10, 10);
  screen.Canvas()->Font()->SetSize(12);
  const double ratio = double(p.Canvas()->TextHeight("Xg")) / screen.Canvas()->TextHeight("Xg");
  EXPECT_NEAR(ratio, 300.0 / 96, 0.4);
  p.Abort();
}
