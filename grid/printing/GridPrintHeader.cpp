// The page header and footer: time, date, page number and title at six
// positions, further title lines below the first, and an HTML title.

#include <climits>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/printing/DeviceUnits.h"
#include "grid/printing/GridPrintPass.h"
#include "toolkit/rtl/DateUtils.h"

namespace {

bool AtLeft(TPrintPosition p) { return p == ppTopLeft || p == ppBottomLeft; }
bool AtTop(TPrintPosition p) { return p == ppTopLeft || p == ppTopRight || p == ppTopCenter; }
bool AtBottom(TPrintPosition p) { return p == ppBottomLeft || p == ppBottomRight || p == ppBottomCenter; }

// An item goes in front of a left position's text and behind the others'.
void Place(std::string (&Texts)[7], TPrintPosition Pos, const std::string& Item) {
  if (Pos == ppNone) return;
  std::string& t = Texts[Pos];
  t = AtLeft(Pos) ? Item + " " + t : t + " " + Item;
}

std::string JoinTitleText(const std::string& A, const std::string& B) {
  if (B.empty()) return A;
  if (A.empty()) return B;
  return A + " " + B;
}

}  // namespace

std::string TGridPrintPass::PageNumberText() {
  std::string text;
  if (severalStrips_) {
    text = std::to_string(pageInStrip_ + 1) + "-" + std::to_string(stripNumber_);
    grid_.PrintPageNumber(pageInStrip_ + 1, stripNumber_, text);
    return text;
  }
  // A total that is not known (fast printing counts no pages) is left out.
  const bool totalKnown = pageTotal_ > 1 && pageTotal_ != INT_MAX;
  text = std::to_string(pageIndex_ + 1 + settings_.PageNumberOffset());
  if (!settings_.PageNumSep().empty() && totalKnown)
    text += settings_.PageNumSep() + std::to_string(pageTotal_ + settings_.MaxPagesOffset());
  grid_.PrintPageNumber(pageIndex_ + 1, stripNumber_, text);
  return text;
}

// The HTML title's height at the top in layout units, in every pass, so that
// counting and drawing lay out the same pages.
int TGridPrintPass::HTMLTitleHeight() {
  if (!AtTop(settings_.Title()) || !settings_.TitleText().empty()) return 0;
  const std::string title = ConcatStrings(*settings_.TitleLines());
  if (GetTextKind(title, grid_.EnableHTML()) != 1) return 0;
  TFont saved;
  saved.Assign(canvas_->Font());
  SelectPrintFont(settings_.HeaderFont());
  int height = 0;
  {
    TDeviceUnits device(canvas_, TRect(settings_.LeftSize(), -settings_.HeaderSize(), pageWidth_, -65535));
    THTMLTextCall call;
    call.MeasureOnly = true;
    call.ImageScale = deviceRatio_;
    DrawHTMLText(canvas_, title, device.Rect(), call);
    height = device.ToLayout(call.TotalHeight);
  }
  canvas_->Font()->Assign(&saved);
  return height;
}

void TGridPrintPass::DrawPositionText(const std::string& Text, TPrintPosition Pos, int y) {
  if (Text.empty()) return;
  const int w = canvas_->TextWidth(Text);
  int x = settings_.LeftSize();
  if (Pos == ppTopRight || Pos == ppBottomRight) x = pageWidth_ - w - settings_.RightSize() - 20;
  else if (Pos == ppTopCenter || Pos == ppBottomCenter) x = (pageWidth_ - w) / 2;
  canvas_->TextOut(x, y, Text);
}

int TGridPrintPass::HeaderFooter() {
  const int htmlTop = HTMLTitleHeight();
  if (!DrawsThisPage()) return htmlTop;
  TPrintSettings& s = settings_;
  std::string texts[7];
  const TDateTime now = Now();
  Place(texts, s.Time(), FormatDateTime("hh:nn", now));
  Place(texts, s.Date(), FormatDateTime(s.DateFormat(), now));
  if (s.PageNr() != ppNone) {
    const std::string number = s.PagePrefix() + " " + PageNumberText() + " " + s.PageSuffix();
    Place(texts, s.PageNr(), number);
  }
  TStringList* lines = s.TitleLines();
  std::string htmlTitle;
  bool extraLines = false;
  if (s.Title() != ppNone) {
    const std::string joined = ConcatStrings(*lines);
    if (!s.TitleText().empty()) {
      Place(texts, s.Title(), s.TitleText());
      extraLines = lines->Count() > 1;
    } else if (GetTextKind(joined, grid_.EnableHTML()) == 1) {
      htmlTitle = joined;
    } else if (lines->Count() > 0) {
      std::string& t = texts[s.Title()];
      t = AtLeft(s.Title()) ? JoinTitleText(lines->Strings(0), t) : JoinTitleText(t, lines->Strings(0));
      extraLines = lines->Count() > 1;
    }
  }

  TFont savedFont;
  savedFont.Assign(canvas_->Font());
  TBrush savedBrush;
  savedBrush.Assign(canvas_->Brush());
  canvas_->Brush()->SetStyle(bsClear);
  auto drawBlock = [&](const TFont* font, int y, bool top) {
    SelectPrintFont(font);
    static constexpr TPrintPosition kTop[] = {ppTopLeft, ppTopRight, ppTopCenter};
    static constexpr TPrintPosition kBottom[] = {ppBottomLeft, ppBottomRight, ppBottomCenter};
    for (TPrintPosition p : top ? kTop : kBottom) DrawPositionText(texts[p], p, y);
    if (extraLines && (top ? AtTop(s.Title()) : AtBottom(s.Title()))) {
      const int step = canvas_->TextHeight("gh");
      for (int k = 2; k <= lines->Count(); ++k) DrawPositionText(lines->Strings(k - 1), s.Title(), y - (k - 1) * step);
    }
    if (htmlTitle.empty() || (top ? !AtTop(s.Title()) : !AtBottom(s.Title()))) return;
    const TRect box = top ? TRect(s.LeftSize(), -s.HeaderSize(), pageWidth_, -s.HeaderSize() - htmlTop)
                          : TRect(s.LeftSize(), pageBottom_ + s.FooterSize(), pageWidth_, pageBottom_);
    TDeviceUnits device(canvas_, box);
    THTMLTextCall call;
    call.ImageScale = deviceRatio_;
    call.LinkColor = grid_.URLColor();
    call.Images = grid_.GridImages();
    DrawHTMLText(canvas_, htmlTitle, device.Rect(), call);
  };
  drawBlock(s.HeaderFont(), -s.HeaderSize(), true);
  drawBlock(s.FooterFont(), pageBottom_ + footerTextHeight_ + cellMargin_ + s.FooterSize(), false);
  canvas_->Font()->Assign(&savedFont);
  canvas_->Brush()->Assign(&savedBrush);
  return htmlTop;
}
