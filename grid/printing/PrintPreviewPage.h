#pragma once
// One printed page of a grid as the print preview shows it: the grid's
// preview drawing of that page on a sheet of the paper's size at the
// printer's resolution, so that the rows fall on the pages as they print,
// reduced to the resolution of the zoom for the screen.

#include <memory>

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/Bitmap.h"

class TExtStringGrid;

class TPrintPreviewPage : public TGraphicControl {
public:
  TPrintPreviewPage(TComponent* AOwner, TExtStringGrid* Grid);
  ~TPrintPreviewPage() override;
  std::string ClassName() const override { return "TPrintPreviewPage"; }

  // Shows page Page (1-based; past the last page the last one) with
  // DotsPerInch screen pixels per inch of paper, and takes that size. The
  // page is drawn again only when it is another one or after Reload.
  void ShowPage(int Page, int DotsPerInch);
  // The grid or the printer changed: the next ShowPage draws afresh.
  void Reload() { drawn_ = false; }
  // The page shown and the number of pages the grid prints on.
  int Page() const { return page_; }
  int PageCount() const { return pageCount_; }
  // The sheet's size in pixels at DotsPerInch.
  TSize SheetSize(int DotsPerInch) const;

protected:
  void Paint() override;

private:
  int drawSheet();
  TExtStringGrid* grid_;
  std::unique_ptr<TBitmap> sheet_;
  std::unique_ptr<TBitmap> shown_;
  int page_ = 0;
  int pageCount_ = 0;
  bool drawn_ = false;
};
