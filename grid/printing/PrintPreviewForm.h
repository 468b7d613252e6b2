#pragma once
// The print preview of a grid: its printed pages one at a time, as they come
// out of the printer, with buttons to step through the pages, to zoom, to fit
// the page into the window and to print.

#include <string>

#include "toolkit/forms/Forms.h"

class TButton;
class TLabel;
class TPanel;
class TScrollBox;
class TExtStringGrid;
class TPrintPreviewPage;

class TPrintPreviewForm : public TForm {
public:
  TPrintPreviewForm(TComponent* AOwner, TExtStringGrid* Grid);
  std::string ClassName() const override { return "TPrintPreviewForm"; }

  // The page shown (1-based) and the number of pages.
  int Page() const;
  int PageCount() const;
  // Shows page Value, kept within 1 and the page count.
  void SetPage(int Value);
  // The size of the page against the paper, in percent (100: as large as on paper).
  int Zoom() const;
  // Zooms to Value percent, kept within the smallest and largest zoom step.
  void SetZoom(int Value);
  // Makes the whole page fit into the window, now and when the window is resized.
  void ZoomToFit();
  bool Fitting() const { return fitting_; }
  // Prints the grid; without an output file for the printer the user chooses one.
  void PrintGrid();

  static constexpr int MinZoom = 10;
  static constexpr int MaxZoom = 200;

  TPanel* ToolBar = nullptr;
  TButton* FirstButton = nullptr;
  TButton* PriorButton = nullptr;
  TButton* NextButton = nullptr;
  TButton* LastButton = nullptr;
  TLabel* PageLabel = nullptr;
  TButton* ZoomOutButton = nullptr;
  TButton* ZoomInButton = nullptr;
  TButton* FitButton = nullptr;
  TLabel* ZoomLabel = nullptr;
  TButton* PrintButton = nullptr;
  TButton* CloseButton = nullptr;
  TScrollBox* PageBox = nullptr;
  TPrintPreviewPage* PageView = nullptr;

protected:
  void Resize() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
  TButton* addButton(const std::string& Caption, TNotifyEvent OnClick);
  TLabel* addLabel(int Width);
  void showPage(int Page);
  void placePage();
  void updateControls();
  int fitDotsPerInch() const;
  int screenDotsPerInch() const;

  TExtStringGrid* grid_;
  int dpi_;
  bool fitting_ = true;
  int nextLeft_ = 0;
};
