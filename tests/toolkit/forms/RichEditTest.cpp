#include "toolkit/forms/std/RichEdit.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Streams.h"

#include "ControlFixture.h"

namespace {

class RichEditTest : public ControlFixture {};

TEST_F(RichEditTest, TypingTakesTheSelectionAttributes) {
  TRichEdit* r = Make<TRichEdit>(10, 10, 300, 120);
  Driver.Focus(r);
  Driver.Type("plain ");
  r->SelAttributes()->SetStyle({fsBold});
  Driver.Type("bold");
  const TRichText& doc = r->Document();
  EXPECT_EQ(doc.Text(), "plain bold");
  EXPECT_FALSE(doc.FormatAt(0).Bold);
  EXPECT_TRUE(doc.FormatAt(7).Bold);
  // A selection gets the attributes at once.
  r->SetSelStart(0);
  r->SetSelLength(5);
  r->SelAttributes()->SetColor(clRed);
  EXPECT_EQ(doc.FormatAt(2).Color, clRed);
  EXPECT_EQ(r->SelAttributes()->Color(), clRed);
  r->Paragraph()->SetAlignment(taCenter);
  EXPECT_EQ(doc.Paragraph(0).Alignment, raCenter);
}

TEST_F(RichEditTest, AParagraphBreakIsOneCharacter) {
  TRichEdit* r = Make<TRichEdit>(10, 10, 300, 120);
  r->SetText("ab\r\ncd");
  EXPECT_EQ(r->Text(), "ab\r\ncd");
  Driver.Focus(r);
  Driver.PressKey(VK_END, {ssCtrl});
  EXPECT_EQ(r->SelStart(), 5);
  EXPECT_EQ(SendMessage(r->Handle(), EM_LINEINDEX, 1), 3);
  Driver.PressKey(VK_RETURN);
  Driver.Type("e");
  EXPECT_EQ(r->Document().Text(), "ab\rcd\re");
  EXPECT_EQ(r->Lines()->Count(), 3);
}

TEST_F(RichEditTest, RtfRoundTripsThroughTextAndLines) {
  TRichEdit* r = Make<TRichEdit>(10, 10, 300, 120);
  r->SetText("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Hello {\\b world}\\par second}");
  EXPECT_EQ(r->Text(), "Hello world\r\nsecond");
  EXPECT_EQ(r->Lines()->Count(), 2);
  EXPECT_TRUE(r->Document().FormatAt(7).Bold);
  EXPECT_EQ(r->Document().FormatAt(0).Size, 12);
  TRichEdit* copy = Make<TRichEdit>(10, 140, 300, 60);
  copy->LoadRichText(r->SaveRichText());
  EXPECT_EQ(copy->Document().Text(), r->Document().Text());
  EXPECT_TRUE(copy->Document().FormatAt(7).Bold);
  r->SetPlainText(true);
  r->SetText("{\\rtf1 shown as it is}");
  EXPECT_EQ(r->Text(), "{\\rtf1 shown as it is}");
}

TEST_F(RichEditTest, LinesLoadAndSaveRtfStreams) {
  TRichEdit* r = Make<TRichEdit>(10, 10, 300, 120);
  TMemoryStream in;
  in.WriteString("{\\rtf1\\ansi caf\\'e9 {\\i x}}");
  in.SetPosition(0);
  r->Lines()->LoadFromStream(in);
  EXPECT_EQ(r->Text(), "caf\xC3\xA9 x");
  EXPECT_TRUE(r->Document().FormatAt(6).Italic);
  TMemoryStream out;
  r->Lines()->SaveToStream(out);
  std::string saved(static_cast<size_t>(out.Size()), '\0');
  out.SetPosition(0);
  out.ReadBuffer(saved.data(), out.Size());
  EXPECT_EQ(saved.rfind("{\\rtf1", 0), 0u);
  TRichEdit* back = Make<TRichEdit>(10, 140, 300, 60);
  back->LoadRichText(saved);
  EXPECT_EQ(back->Text(), r->Text());
}

TEST_F(RichEditTest, FormatRangeFillsPagesAndReportsTheNextCharacter) {
  TRichEdit* r = Make<TRichEdit>(10, 10, 300, 120);
  std::string text;
  for (int i = 0; i < 30; ++i) text += "Line " + std::to_string(i) + "\r\n";
  r->SetText(text);
  TBitmap page;
  page.SetSize(300, 200);
  TFormatRange fr;
  fr.hdc = page.Canvas();
  fr.hdcTarget = page.Canvas();
  fr.rc = Rect(0, 0, 300 * 15, 100 * 15);  // twips at 96 pixels per inch
  fr.rcPage = fr.rc;
  fr.chrg = {0, -1};
  int next = static_cast<int>(SendMessage(r->Handle(), EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&fr)));
  EXPECT_GT(next, 0);
  EXPECT_LT(next, r->Document().Length());
  EXPECT_EQ(r->Document().Text()[next - 1], '\r');  // whole lines fit
  fr.chrg.cpMin = next;
  int after = static_cast<int>(SendMessage(r->Handle(), EM_FORMATRANGE, 0, reinterpret_cast<LPARAM>(&fr)));
  EXPECT_GT(after, next);
  EXPECT_EQ(SendMessage(r->Handle(), EM_FORMATRANGE, 0, 0), 0);
}

TEST_F(RichEditTest, RequestResizeReportsTheNeededHeight) {
  TRichEdit* r = Make<TRichEdit>(10, 10, 300, 60);
  r->SetText("one\r\ntwo\r\nthree");
  TRect asked;
  r->OnResizeRequest = [&](TObject*, TRect rc) { asked = rc; };
  SendMessage(r->Handle(), EM_REQUESTRESIZE);
  EXPECT_GT(asked.Height(), 0);
  int three = asked.Height();
  r->SetText("one");
  SendMessage(r->Handle(), EM_REQUESTRESIZE);
  EXPECT_LT(asked.Height(), three);
}

}  // namespace
