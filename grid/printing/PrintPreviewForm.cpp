#include "grid/printing/PrintPreviewForm.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/printing/PrintPreviewPage.h"
#include "toolkit/forms/ExtCtrls.h"
#include "toolkit/forms/dialogs/FileDialogs.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/PageControl.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {

constexpr int kGap = 4;
constexpr int kToolBarHeight = 34;
constexpr int kButtonHeight = 25;
constexpr int kSheetMargin = 12;
// The zoom steps of the zoom buttons, in percent; fitting may land between them.
constexpr std::array<int, 7> kZoomSteps = {25, 50, 75, 100, 125, 150, 200};

}  // namespace

TPrintPreviewForm::TPrintPreviewForm(TComponent* AOwner, TExtStringGrid* Grid)
    : TForm(AOwner), grid_(Grid), dpi_(screenDotsPerInch()) {
  const std::string job = Grid->PrintSettings()->JobName();
  SetCaption(job.empty() ? "Print preview" : "Print preview - " + job);
  SetPosition(poScreenCenter);
  SetKeyPreview(true);
  ToolBar = new TPanel(this);
  ToolBar->SetParent(this);
  ToolBar->SetAlign(alTop);
  ToolBar->SetHeight(kToolBarHeight);
  ToolBar->SetBevelOuter(bvNone);
  ToolBar->SetShowCaption(false);
  FirstButton = addButton("First", [this](TObject*) { SetPage(1); });
  PriorButton = addButton("Previous", [this](TObject*) { SetPage(Page() - 1); });
  NextButton = addButton("Next", [this](TObject*) { SetPage(Page() + 1); });
  LastButton = addButton("Last", [this](TObject*) { SetPage(PageCount()); });
  PageLabel = addLabel(96);
  ZoomOutButton = addButton("Zoom out", [this](TObject*) {
    auto step = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(), [this](int z) { return z < Zoom(); });
    SetZoom(step != kZoomSteps.rend() ? *step : MinZoom);
  });
  ZoomInButton = addButton("Zoom in", [this](TObject*) {
    auto step = std::find_if(kZoomSteps.begin(), kZoomSteps.end(), [this](int z) { return z > Zoom(); });
    SetZoom(step != kZoomSteps.end() ? *step : MaxZoom);
  });
  FitButton = addButton("Fit", [this](TObject*) { ZoomToFit(); });
  ZoomLabel = addLabel(44);
  PrintButton = addButton("Print...", [this](TObject*) { PrintGrid(); });
  CloseButton = addButton("Close", [this](TObject*) { Close(); });
  CloseButton->SetCancel(true);
  SetClientSize(std::max(600, nextLeft_ + kGap), 720);
  PageBox = new TScrollBox(this);
  PageBox->SetParent(this);
  PageBox->SetAlign(alClient);
  PageBox->SetColor(clGray);
  PageView = new TPrintPreviewPage(this, Grid);
  PageView->SetParent(PageBox);
  ZoomToFit();
}

TButton* TPrintPreviewForm::addButton(const std::string& Caption, TNotifyEvent OnClick) {
  auto* b = new TButton(this);
  b->SetParent(ToolBar);
  b->SetCaption(Caption);
  const int width = std::max(52, Canvas()->TextWidth(Caption) + 20);
  b->SetBounds(nextLeft_ + kGap, (kToolBarHeight - kButtonHeight) / 2, width, kButtonHeight);
  b->OnClick = std::move(OnClick);
  nextLeft_ += kGap + width;
  return b;
}

TLabel* TPrintPreviewForm::addLabel(int Width) {
  auto* l = new TLabel(this);
  l->SetParent(ToolBar);
  l->SetAutoSize(false);
  l->SetAlignment(taCenter);
  l->SetLayout(tlCenter);
  l->SetBounds(nextLeft_ + kGap, 0, Width, kToolBarHeight);
  nextLeft_ += kGap + Width;
  return l;
}

int TPrintPreviewForm::Page() const { return PageView->Page(); }
int TPrintPreviewForm::PageCount() const { return PageView->PageCount(); }

void TPrintPreviewForm::SetPage(int Value) { showPage(std::clamp(Value, 1, std::max(1, PageCount()))); }

int TPrintPreviewForm::screenDotsPerInch() const {
  const int dpi = grid_->Canvas() ? grid_->Canvas()->GetDeviceCaps(LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : 96;
}

int TPrintPreviewForm::Zoom() const { return int(std::lround(dpi_ * 100.0 / screenDotsPerInch())); }

void TPrintPreviewForm::SetZoom(int Value) {
  fitting_ = false;
  const int percent = std::clamp(Value, MinZoom, MaxZoom);
  dpi_ = std::max(1, int(std::lround(screenDotsPerInch() * percent / 100.0)));
  showPage(Page());
}

void TPrintPreviewForm::ZoomToFit() {
  fitting_ = true;
  dpi_ = fitDotsPerInch();
  showPage(Page());
}

// The largest resolution at which the whole sheet fits into the page box.
int TPrintPreviewForm::fitDotsPerInch() const {
  const TSize at100 = PageView->SheetSize(100);
  const TRect view = PageBox->ClientRect();
  const double across = (view.Width() - 4 - 2 * kSheetMargin) * 100.0 / at100.cx;
  const double down = (view.Height() - 4 - 2 * kSheetMargin) * 100.0 / at100.cy;
  const int screen = screenDotsPerInch();
  const int lowest = screen * MinZoom / 100, highest = screen * MaxZoom / 100;
  return std::clamp(int(std::floor(std::min(across, down))), std::max(1, lowest), highest);
}

void TPrintPreviewForm::showPage(int Page) {
  PageView->ShowPage(Page, dpi_);
  placePage();
  updateControls();
}

// The sheet sits in the middle of the box while it is smaller than the box,
// otherwise at the top left with a margin, scrolled to its top.
void TPrintPreviewForm::placePage() {
  PageBox->HorzScrollBar()->SetPosition(0);
  PageBox->VertScrollBar()->SetPosition(0);
  const TRect view = PageBox->ClientRect();
  const int left = std::max(kSheetMargin, (view.Width() - 4 - PageView->Width()) / 2);
  const int top = std::max(kSheetMargin, (view.Height() - 4 - PageView->Height()) / 2);
  PageView->SetBounds(left, top, PageView->Width(), PageView->Height());
  PageBox->HorzScrollBar()->SetMargin(kSheetMargin);
  PageBox->VertScrollBar()->SetMargin(kSheetMargin);
  PageBox->UpdateScrollBars();
}

void TPrintPreviewForm::updateControls() {
  const int page = Page(), count = PageCount();
  FirstButton->SetEnabled(page > 1);
  PriorButton->SetEnabled(page > 1);
  NextButton->SetEnabled(page < count);
  LastButton->SetEnabled(page < count);
  ZoomOutButton->SetEnabled(Zoom() > MinZoom);
  ZoomInButton->SetEnabled(Zoom() < MaxZoom);
  PageLabel->SetCaption("Page " + std::to_string(page) + " of " + std::to_string(count));
  ZoomLabel->SetCaption(std::to_string(Zoom()) + "%");
}

void TPrintPreviewForm::Resize() {
  TForm::Resize();
  if (PageView == nullptr) return;
  if (fitting_) ZoomToFit();
  else placePage();
}

void TPrintPreviewForm::KeyDown(uint16_t& Key, TShiftState Shift) {
  switch (Key) {
    case VK_NEXT: SetPage(Page() + 1); break;
    case VK_PRIOR: SetPage(Page() - 1); break;
    case VK_HOME: SetPage(1); break;
    case VK_END: SetPage(PageCount()); break;
    default: TForm::KeyDown(Key, Shift); return;
  }
  Key = 0;
}

// The printer writes a file; the one it was set up with is kept, otherwise
// the user names it for this print.
void TPrintPreviewForm::PrintGrid() {
  TPrinter* printer = Printer();
  const std::string configured = printer->OutputFileName();
  auto keep = MakeScopeGuard([&] { printer->SetOutputFileName(configured); });
  if (configured.empty()) {
    TSaveDialog dialog(nullptr);
    dialog.SetTitle("Print to file");
    dialog.SetFilter("PDF files (*.pdf)|*.pdf");
    dialog.SetDefaultExt("pdf");
    if (!dialog.Execute()) return;
    printer->SetOutputFileName(dialog.FileName());
  }
  grid_->Print();
  // Printing may have turned the paper (the settings' orientation).
  PageView->Reload();
  showPage(Page());
}
